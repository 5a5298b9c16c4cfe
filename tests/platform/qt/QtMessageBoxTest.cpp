// Message boxes shown as QMessageBoxes: a short message under a long title is not cut by the
// window manager.
#include "platform/core/MessageBox.h"
#include "platform/qt/QtBackend.h"
#include "platform/qt/QtDialogServices.h"
#include "support/QtTestApp.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

TEST(QtMessageBox, IsAtLeastAsWideAsItsTitle)
{
    QtTestApp();
    InitQtBackend();
    InitQtDialogServices();
    const CString strTitle(_T("QARVO Editor - a title much longer than the text below it, longer still than any box Qt would pick by itself"));
    int nBoxWidth = 0;
    int nTitleWidth = 0;
    QTimer::singleShot(0, [&] {
        auto* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!pBox)
            return;
        nBoxWidth = pBox->width();
        nTitleWidth = pBox->fontMetrics().horizontalAdvance(pBox->windowTitle());
        pBox->buttons().front()->click();
    });
    ShowMessageBox(_T("Done."), strTitle, MB_OK);
    ShutdownQtDialogServices();
    ShutdownQtBackend();
    ASSERT_GT(nTitleWidth, 0) << "no box was shown";
    // The window manager's title bar also holds the icon and the close, minimise and maximise
    // buttons: the box leaves them at least 100 pixels beside the title.
    EXPECT_GE(nBoxWidth, nTitleWidth + 100);
}

} // namespace
