// The LCD grid as a real window on the Qt backend: keys and committed input-method text typed
// into its widget reach the cells, and its own paint shows them; the grabbed window is kept as
// lcd-window.png in the test's working directory for a person to look at.
#include "GridTestSupport.h"

#include "blocks/Widget.h"
#include "platform/qt/QtBackend.h"
#include "platform/qt/QtPeerWidget.h"
#include "platform/ui/Clipboard.h"
#include "support/QtTestInput.h"

#include <QApplication>
#include <QImage>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QWidget>

#include <utility>

namespace {

// The LCD's grid in its green, focused on its first cell, in a window of the host.
std::unique_ptr<CLcdCanvas> MakeLcd(CTestGridHost& host)
{
    auto grid = std::make_unique<CLcdCanvas>(LCD_LINE_COUNT + 1, kLcdColumns + 1, 1, 1);
    EXPECT_TRUE(grid->Create(CRect(0, 0, kLcdColumns * kCellWidth + 8, 4 * kCellHeight + 8), &host, 1000));
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
    return grid;
}

// The grid in a window of the host on the Qt backend, for a diagram of the newer line.
class LcdWindow : public QtBackendSuite {
protected:
    void SetUp() override
    {
        doc.m_wHardwareCode = 0x5188;
        host.m_pDoc = &doc;
        ASSERT_TRUE(host.Create(nullptr, u"host", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 520, 180), nullptr, 0));
        grid = MakeLcd(host);
    }
    void TearDown() override
    {
        grid.reset();
        host.DestroyWindow();
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

// Clicks and keys as the message-text page takes them: a second click on a cell, the selection
// after typing, and no typing under an element, whatever line list holds it, placed or not.
TEST_F(LcdWindow, ClicksAndKeysKeepTheCaretTheSelectionAndElementCells)
{
    grid->m_bAllowDragAndDrop = TRUE;
    QWidget* pWidget = QtWidgetOf(*grid);
    const auto click = [&](int nRow, int nCol, const char* pszKeys) {
        QtClick(pWidget, QPointF(2 + (nCol - 1) * kCellWidth + 10, 2 + (nRow - 1) * kCellHeight + 15));
        QtTypeText(pWidget, pszKeys);
    };
    click(2, 5, "");
    click(2, 5, "ab");
    EXPECT_EQ(grid->GetItemText(2, 5) + grid->GetItemText(2, 6), CString(_T("ab")));
    // Typed into the last column (the caret stays), then a click and Shift+Right twice.
    click(1, 24, "x");
    grid->SetItemText(3, 5, _T("B"));
    click(3, 4, "");
    for (const QtKey& key : {kQtShiftRight, kQtShiftRight, QtKey{Qt::Key_C, Qt::ControlModifier, u"\x03"}})
        key.TypeInto(pWidget);
    CString strCopied;
    EXPECT_TRUE(CClipboard::GetText(strCopied) && strCopied == _T("\tB\t"));
    CClipboard::Empty();
    // Typed and taken back, then Shift+End: from the caret to the end.
    click(4, 2, "y\b");
    kQtShiftEnd.TypeInto(pWidget);
    EXPECT_EQ(grid->GetSelectedCellRange(), CCellRange(4, 2, 4, 24));
    // An element of columns 10-13 on every line, kept in the next line's list.
    for (int nLine = 1; nLine <= LCD_LINE_COUNT; ++nLine) {
        auto* pElement = new CWidget;
        pElement->m_nLine = nLine;
        pElement->m_nColumn = 10;
        pElement->m_nWidth = 4;
        grid->m_arrWidgets[nLine % LCD_LINE_COUNT].Add(pElement);
        click(nLine, 11, "QW");
        EXPECT_EQ(grid->GetItemText(nLine, 11) + grid->GetItemText(nLine, 12), CString()) << nLine;
    }
    // One not placed yet, drawn over columns 15-18 of line 1.
    grid->m_arrWidgets[0].Add(new CWidget(14 * kCellWidth, 0, 4 * kCellWidth, kCellHeight, 0));
    click(1, 16, "QW");
    EXPECT_EQ(grid->GetItemText(1, 16) + grid->GetItemText(1, 17), CString());
}

}  // namespace
