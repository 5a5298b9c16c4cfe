// The LCD grid's cell text through Qt's real clipboard on the offscreen platform: what the grid
// copies is the tab and CR LF text another program pastes, and what another program puts there
// pastes into the cells.
#include "GridTestSupport.h"

#include "platform/core/MessageBox.h"
#include "platform/qt/QtBackend.h"
#include "platform/qt/QtDialogServices.h"
#include "support/QtTestApp.h"

#include <QClipboard>

namespace {

class LcdClipboardOnQt : public ::testing::Test {
protected:
    void SetUp() override
    {
        QtTestApp();
        InitQtBackend();
        InitQtDialogServices();
        SetMessageBoxHandler(nullptr);
        m_doc.m_wHardwareCode = 0x5188;
        m_host.m_pDoc = &m_doc;
        m_host.CreateEx(0, _T("Host"), _T("host"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 800, 400), nullptr, 0);
        m_grid = std::make_unique<CLcdCanvas>(LCD_LINE_COUNT + 1, kLcdColumns + 1, 1, 1);
        ASSERT_TRUE(m_grid->Create(CRect(0, 0, kLcdColumns * kCellWidth + 8, 4 * kCellHeight + 8), &m_host, 1000));
        m_grid->SetFocus();
    }
    void TearDown() override
    {
        m_grid.reset();
        m_host.DestroyWindow();
        ShutdownQtDialogServices();
        ShutdownQtBackend();
    }
    void TypeAt(int nRow, int nCol, const std::u16string& text)
    {
        m_grid->SetFocusCell(CCellID(nRow, nCol));
        for (char16_t ch : text)
            m_grid->SendMessage(WM_CHAR, ch, 1);
    }

    CVetlaDoc m_doc;
    CTestGridHost m_host;
    std::unique_ptr<CLcdCanvas> m_grid;
};

TEST_F(LcdClipboardOnQt, CellTextRoundTripsThroughQtsClipboard)
{
    // On an X display the test program owns whatever it puts on the clipboard: only another
    // program could play the other program here.
    if (QtTestOnDesktop())
        GTEST_SKIP() << "another program's clipboard text needs another X client";
    TypeAt(1, 1, u"AB");
    TypeAt(2, 1, u"\u4e2d");
    m_grid->SetSelectedRange(CCellRange(1, 1, 2, 2));
    m_grid->OnEditCopy();
    EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf16(u"A\tB\r\n\u4e2d\t"));

    // A text editor's lines: tab-separated fields, CR LF between rows.
    QApplication::clipboard()->setText(QString::fromUtf16(u"x\ty\r\n\u6587\t"));
    m_grid->SetSelectedRange(CCellRange(3, 3, 3, 3));
    m_grid->OnEditPaste();
    EXPECT_EQ(m_grid->GetItemText(3, 3), CString(_T("x")));
    EXPECT_EQ(m_grid->GetItemText(3, 4), CString(_T("y")));
    EXPECT_EQ(m_grid->GetItemText(4, 3), CString(u"\u6587"));
    EXPECT_EQ(m_grid->GetItemState(4, 3) & CELLSTATE_WIDE_MASK, CELLSTATE_WIDE_FIRST);
    EXPECT_EQ(BrokenPair(*m_grid), "");
}

}  // namespace
