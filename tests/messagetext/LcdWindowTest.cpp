// The LCD grid as a real window on the Qt backend: keys and committed input-method text typed
// into its widget reach the cells, and its own paint shows them; the grabbed window is kept as
// lcd-window.png in the test's working directory for a person to look at.
#include "GridTestSupport.h"

#include "platform/qt/QtBackend.h"
#include "platform/qt/QtPeerWidget.h"
#include "support/QtTestApp.h"

#include <QApplication>
#include <QImage>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QWidget>

#include <utility>

namespace {

// The LCD's grid in its green, focused on its first cell, in a window of the host.
class LcdWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        QtTestApp();
        InitQtBackend();
        doc.m_wHardwareCode = 0x5188;
        host.m_pDoc = &doc;
        ASSERT_TRUE(host.Create(nullptr, u"host", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 520, 180), nullptr, 0));
        grid = std::make_unique<CLcdCanvas>(LCD_LINE_COUNT + 1, kLcdColumns + 1, 1, 1);
        ASSERT_TRUE(grid->Create(CRect(0, 0, kLcdColumns * kCellWidth + 8, 4 * kCellHeight + 8), &host, 1000));
        grid->SetRowHeight(0, 0);
        grid->SetColumnWidth(0, 0);
        for (int r = 1; r <= LCD_LINE_COUNT; ++r) {
            grid->SetRowHeight(r, kCellHeight);
            for (int c = 1; c <= kLcdColumns; ++c)
                grid->SetItemBkColour(r, c, RGB(85, 157, 85));
        }
        for (int c = 1; c <= kLcdColumns; ++c)
            grid->SetColumnWidth(c, kCellWidth);
        grid->SetFocus();
        grid->SetFocusCell(CCellID(1, 1));
    }
    void TearDown() override
    {
        grid.reset();
        host.DestroyWindow();
        ShutdownQtBackend();
    }

    CVetlaDoc doc;
    CTestGridHost host;
    std::unique_ptr<CLcdCanvas> grid;
};

TEST_F(LcdWindow, TypedAndComposedTextShowsInTheGridsOwnPaint)
{
    QWidget* pWidget = QtWidgetOf(*grid);
    ASSERT_NE(pWidget, nullptr);
    QKeyEvent letter(QEvent::KeyPress, Qt::Key_H, Qt::NoModifier, QStringLiteral("H"));
    QApplication::sendEvent(pWidget, &letter);
    QInputMethodEvent committed;
    committed.setCommitString(QString::fromUtf16(u"\u6C34\u4F4D"));
    QApplication::sendEvent(pWidget, &committed);
    EXPECT_EQ(grid->GetItemText(1, 1), CString(_T("H")));
    EXPECT_TRUE(WidePairs::IsFirst(*grid, 1, 2));
    EXPECT_TRUE(WidePairs::IsFirst(*grid, 1, 4));
    EXPECT_EQ(grid->GetFocusCell(), CCellID(1, 6));

    grid->Invalidate();
    QApplication::processEvents();
    const QImage image = pWidget->grab().toImage();
    ASSERT_FALSE(image.isNull());
    image.save(QStringLiteral("lcd-window.png"));
    // An empty cell of line 3 shows the LCD's green (the client area starts inside a 2-pixel edge).
    EXPECT_EQ(image.pixelColor(2 + 10 * kCellWidth + 10, 2 + 2 * kCellHeight + 15), QColor(85, 157, 85));
}

TEST_F(LcdWindow, DeleteEmptiesTheCellWithoutTypingIntoIt)
{
    grid->SetItemText(1, 1, _T("H"));
    grid->SetItemText(1, 2, _T("i"));

    // The arrows select the first cell; Qt gives Delete the DEL character as its text.
    for (const auto& [key, strText] : {std::pair{Qt::Key_Right, QString()}, std::pair{Qt::Key_Left, QString()},
                                       std::pair{Qt::Key_Delete, QStringLiteral("\x7f")}}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, strText);
        QApplication::sendEvent(QtWidgetOf(*grid), &press);
    }
    EXPECT_EQ(grid->GetItemText(1, 1), CString());
    EXPECT_EQ(grid->GetItemText(1, 2), CString(_T("i")));
    EXPECT_EQ(grid->GetFocusCell(), CCellID(1, 1));
}

}  // namespace
