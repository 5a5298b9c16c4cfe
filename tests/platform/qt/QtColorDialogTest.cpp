// The colour dialog under the offscreen platform: its swatches are widgets that show their
// colours, and a click on one reaches the dialog.
#include "platform/qt/QtBackend.h"
#include "platform/qt/QtDialogServices.h"
#include "platform/qt/QtPeerWidget.h"
#include "platform/ui/ColorDialog.h"
#include "platform/ui/MessageQueue.h"
#include "support/QtTestInput.h"

#include <QImage>
#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class QtColorDialogTest : public QtBackendSuite {
protected:
    void SetUp() override { InitQtDialogServices(); }
    void TearDown() override
    {
        if (IsWindow(&m_dlg))
            m_dlg.DestroyWindow();
        ShutdownQtDialogServices();
        CMessageQueue::Get().Reset();
    }
    static COLORREF Pixel(const QImage& image, const QPoint& pt)
    {
        const QColor colour = image.pixelColor(pt);
        return RGB(BYTE(colour.red()), BYTE(colour.green()), BYTE(colour.blue()));
    }
    QWidget* Widget(UINT nID) const { return QtWidgetOf(*m_dlg.GetDlgItem(int(nID))); }

    CColorDialog m_dlg{RGB(0, 128, 128), CC_RGBINIT};
};

TEST_F(QtColorDialogTest, SwatchesShowTheirColoursAndAClickPicksOne)
{
    ASSERT_TRUE(m_dlg.Create(IDD_COLOR_DIALOG, nullptr));
    m_dlg.ShowWindow(SW_SHOW);
    QWidget* pDialog = QtWidgetOf(m_dlg);
    ASSERT_NE(pDialog, nullptr);
    const QImage image = pDialog->grab().toImage();
    if (const char* pszShot = std::getenv("QARVO_SCREENSHOT_DIR"))
        image.save(QString::fromUtf8(pszShot) + QStringLiteral("/color-dialog.png"));
    for (int i : {0, 9, 12, 15}) {
        QWidget* pSwatch = Widget(IDC_COLOR_BASIC_FIRST + UINT(i));
        ASSERT_NE(pSwatch, nullptr) << i;
        EXPECT_TRUE(pSwatch->isVisible());
        const QPoint ptMiddle = pSwatch->mapTo(pDialog, pSwatch->rect().center());
        EXPECT_EQ(Pixel(image, ptMiddle), CColorDialog::BasicColors()[std::size_t(i)]) << i;
    }
    QWidget* pSample = Widget(IDC_COLOR_SAMPLE);
    ASSERT_NE(pSample, nullptr);
    EXPECT_EQ(Pixel(image, pSample->mapTo(pDialog, pSample->rect().center())), RGB(0, 128, 128));

    QWidget* pRed = Widget(IDC_COLOR_BASIC_FIRST + 9);
    QtClick(pRed);
    EXPECT_EQ(m_dlg.GetColor(), RGB(255, 0, 0));
    EXPECT_EQ(m_dlg.GetDlgItemInt(int(IDC_COLOR_RED), nullptr, FALSE), 255u);
}

} // namespace
