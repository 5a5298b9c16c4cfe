// A 24 x 4 LCD grid as the newer message-text page sets it up (hidden header row and column,
// cells 20 x 30), on a host window that plays the page and logs the grid's notifications.
#pragma once

#include "messagetext/LcdCanvas.h"
#include "controls/WidePairs.h"

#include "document/VetlaDoc.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/WindowFixture.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

constexpr int kLcdColumns = 24;
constexpr int kCellWidth = 20;
constexpr int kCellHeight = 30;
constexpr WCHAR kChinese = 0x4E2D;   // a character of the Chinese set
constexpr WCHAR kChinese2 = 0x6587;
constexpr WCHAR kAccented = 0x00E9;  // e acute, of the extended set

class CTestGridHost : public CWnd, public ILcdGridHost {
public:
    LcdGridHostKind m_kind = LcdGridHostKind::MessageTextsNew;
    CVetlaDoc* m_pDoc = nullptr;
    int m_nShownSet = 0;
    LRESULT m_nEndEditReply = 0;
    std::vector<int> m_codes;

    LcdGridHostKind GetGridHostKind() const override { return m_kind; }
    CVetlaDoc* GetGridDocument() const override { return m_pDoc; }
    int GetShownCharSet() const override { return m_nShownSet; }

protected:
    BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult) override
    {
        const auto* pHdr = reinterpret_cast<const NMHDR*>(lParam);
        m_codes.push_back(int(pHdr->code));
        *pResult = int(pHdr->code) == GVN_ENDLABELEDIT ? m_nEndEditReply : 0;
        return TRUE;
    }
};

class LcdGridTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        m_doc.m_wHardwareCode = 0x5188;
        m_host.m_pDoc = &m_doc;
        m_host.CreateEx(0, _T("Host"), _T("host"), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                        CRect(0, 0, 800, 400), nullptr, 0);
        m_grid = std::make_unique<CLcdCanvas>(LCD_LINE_COUNT + 1, kLcdColumns + 1, 1, 1);
        ASSERT_TRUE(m_grid->Create(CRect(0, 0, kLcdColumns * kCellWidth + 8, 4 * kCellHeight + 8),
                                   &m_host, 1000));
        m_grid->SetRowHeight(0, 0);
        m_grid->SetColumnWidth(0, 0);
        for (int r = 1; r <= LCD_LINE_COUNT; ++r)
            m_grid->SetRowHeight(r, kCellHeight);
        for (int c = 1; c <= kLcdColumns; ++c)
            m_grid->SetColumnWidth(c, kCellWidth);
        m_grid->SetFocus();
    }
    void TearDown() override
    {
        m_grid.reset();
        m_host.DestroyWindow();
        WindowTest::TearDown();
    }

    CLcdCanvas& Grid() { return *m_grid; }
    void Focus(int nRow, int nCol) { Grid().SetFocusCell(CCellID(nRow, nCol)); }
    CCellID FocusCell() { return Grid().GetFocusCell(); }
    void Type(WCHAR ch) { Grid().SendMessage(WM_CHAR, ch, 1); }
    void TypeIme(WCHAR ch) { Grid().SendMessage(WM_IME_CHAR, ch, 1); }
    void Key(int nVirtKey, bool bShift = false)
    {
        AfxSetKeyState(VK_SHIFT, bShift);
        Grid().SendMessage(WM_KEYDOWN, WPARAM(nVirtKey), 1);
        AfxSetKeyState(VK_SHIFT, false);
    }
    CPoint CellPoint(int nRow, int nCol) const
    {
        return CPoint((nCol - 1) * kCellWidth + kCellWidth / 2, (nRow - 1) * kCellHeight + kCellHeight / 2);
    }
    void PressAt(CPoint point, UINT nFlags = 0)
    {
        Grid().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | nFlags, MakePointLParam(point));
        Grid().SendMessage(WM_LBUTTONUP, nFlags, MakePointLParam(point));
    }
    void Press(int nRow, int nCol, UINT nFlags = 0) { PressAt(CellPoint(nRow, nCol), nFlags); }
    // A character typed at the cell; the cell's text after it.
    std::string TypeAt(int nRow, int nCol, WCHAR ch)
    {
        Focus(nRow, nCol);
        Type(ch);
        return Text(nRow, nCol);
    }
    // A double-width character typed at the cell.
    void PutChinese(int nRow, int nCol, WCHAR ch = kChinese) { TypeAt(nRow, nCol, ch); }
    UINT WideBits(int nRow, int nCol) { return Grid().GetItemState(nRow, nCol) & CELLSTATE_WIDE_MASK; }
    std::string Text(int nRow, int nCol)
    {
        std::string str;
        for (WCHAR ch : std::u16string(LPCTSTR(Grid().GetItemText(nRow, nCol))))
            str += ch < 0x80 ? char(ch) : '#';
        return str;
    }

    CVetlaDoc m_doc;
    CTestGridHost m_host;
    std::unique_ptr<CLcdCanvas> m_grid;
};

// The pair rule over the whole grid: a left half is followed by an empty right half, a right
// half follows a left half, no cell is both. Empty when it holds, else the first broken cell.
inline std::string BrokenPair(const CLcdCanvas& grid)
{
    for (int r = 0; r < grid.GetRowCount(); ++r) {
        for (int c = 0; c < grid.GetColumnCount(); ++c) {
            const bool bFirst = WidePairs::IsFirst(grid, r, c);
            const bool bSecond = WidePairs::IsSecond(grid, r, c);
            const std::string where = std::to_string(r) + "," + std::to_string(c);
            if (bFirst && bSecond)
                return "both halves at " + where;
            if (bFirst && (!WidePairs::IsSecond(grid, r, c + 1) || !grid.GetItemText(r, c + 1).IsEmpty()))
                return "left half without its right half at " + where;
            if (bSecond && !WidePairs::IsFirst(grid, r, c - 1))
                return "right half without its left half at " + where;
        }
    }
    return {};
}
