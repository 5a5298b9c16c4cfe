// The Select Block dialog under Qt's offscreen platform: the native list shows the sorted
// names, and a row the user clicks there moves the view to its block.
#include "support/ActiveDocument.h"

#include "blocks/BlockTypes.h"
#include "editor/SelectBlockDlg.h"
#include "platform/qt/QtDialogServices.h"
#include "platform/qt/QtPeerWidget.h"
#include "platform/ui/MessageQueue.h"
#include "support/QtTestInput.h"

#include <QImage>
#include <QListWidget>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class SelectBlockDlgQtTest : public QtBackendSuite {
protected:
    void SetUp() override
    {
        InitQtDialogServices();
        CVetlaDoc::InitBlockCaptions();
    }
    void TearDown() override
    {
        if (IsWindow(&m_dlg))
            m_dlg.DestroyWindow();
        ShutdownQtDialogServices();
        CMessageQueue::Get().Reset();
    }

    ActiveDocument m_active;
    CSelectBlockDlg m_dlg;
};

TEST_F(SelectBlockDlgQtTest, TheNativeListShowsTheNamesAndItsRowsMoveTheView)
{
    m_active.Add(BT_OR, 9001);
    m_active.Add(BT_IN, 132);
    CBlockObj* pAnd = m_active.Add(BT_AND, 9000);
    m_active.Add(BT_IN, 131);
    ASSERT_TRUE(m_dlg.Create(IDD_SELECT_BLOCK, nullptr));
    m_dlg.ShowWindow(SW_SHOW);
    QWidget* pDialog = QtWidgetOf(m_dlg);
    ASSERT_NE(pDialog, nullptr);
    auto* pList = pDialog->findChild<QListWidget*>();
    ASSERT_NE(pList, nullptr);
    ASSERT_EQ(pList->count(), 4);
    EXPECT_EQ(pList->item(0)->text().toStdString(), "B0[AND]");
    EXPECT_EQ(pList->item(2)->text().toStdString(), "I031[Input]");
    EXPECT_EQ(pList->item(3)->text().toStdString(), "I100[Input]");
    EXPECT_TRUE(pList->isVisible());
    if (const char* pszShot = std::getenv("QARVO_SCREENSHOT_DIR"))
        pDialog->grab().toImage().save(QString::fromUtf8(pszShot) + QStringLiteral("/select-block.png"));
    pList->setCurrentRow(0);
    ASSERT_EQ(m_active.View().Selection().Blocks().GetCount(), 1);
    EXPECT_EQ(m_active.View().Selection().Blocks().GetHead(), pAnd);
}

} // namespace
