// The general grid: counts, row order, header dividers, scrolling while a selection is dragged,
// and the cell font that survives a dialog's control being taken over.
#include "controls/GridCtrl.h"

#include "platform/gdi/DC.h"
#include "platform/gdi/ImagePrinter.h"
#include "platform/gdi/PixelBuffer.h"
#include "platform/gdi/RecordingSurface.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/Cursor.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/PrintInfo.h"
#include "platform/ui/WindowFixture.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// The owner: records the notification codes and answers a text request with "row,col".
class CGridOwner : public CWnd {
public:
    std::vector<int> m_codes;

protected:
    BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult) override
    {
        auto* pHdr = reinterpret_cast<NMHDR*>(lParam);
        m_codes.push_back(int(pHdr->code));
        if (int(pHdr->code) == GVN_GETDISPINFO) {
            GV_ITEM& item = reinterpret_cast<GV_DISPINFO*>(lParam)->item;
            item.strText.Format(_T("%d,%d"), item.row, item.col);
        }
        *pResult = 0;
        return TRUE;
    }
};

// A cell class of its own, counting the cells that go.
class CCountedCell : public CGridCell {
    DECLARE_DYNCREATE(CCountedCell)

public:
    ~CCountedCell() override { ++s_nDestroyed; }
    static inline int s_nDestroyed = 0;
};
IMPLEMENT_DYNCREATE(CCountedCell, CGridCell)

// A cell class counting the mouse over it and its clicks, with a cursor of its own.
class CHoverCell : public CGridCell {
    DECLARE_DYNCREATE(CHoverCell)

public:
    void OnMouseOver() override { ++s_nOver; }
    void OnClick(CPoint point) override { s_clicks.push_back(point); }
    BOOL OnSetCursor() override
    {
        ::SetCursor(AfxLoadStandardCursor(IDC_HAND));
        return TRUE;
    }
    static inline int s_nOver = 0;
    static inline std::vector<CPoint> s_clicks;
};
IMPLEMENT_DYNCREATE(CHoverCell, CGridCell)

// A cell class counting how often each row's cells are printed.
class CPrintCountCell : public CGridCell {
    DECLARE_DYNCREATE(CPrintCountCell)

public:
    BOOL PrintCell(CDC* pDC, int nRow, int nCol, CRect rect) override
    {
        ++s_printed[nRow];
        return CGridCell::PrintCell(pDC, nRow, nCol, rect);
    }
    static inline std::map<int, int> s_printed;
};
IMPLEMENT_DYNCREATE(CPrintCountCell, CGridCell)

// A desktop whose wheel notch scrolls five rows.
class CFiveLineDesktop : public IWindowBackend {
public:
    std::unique_ptr<INativeWindow> CreatePeer(CWnd&) override { return nullptr; }
    void Wake() override {}
    int RunLoop(CWinThread&) override { return 0; }
    void SetCursor(HCURSOR) override {}
    CPoint GetCursorPos() const override { return CPoint(); }
    void SetCursorPos(CPoint) override {}
    CRect GetWorkArea() const override { return CRect(); }
    UINT GetWheelScrollLines() const override { return 5; }
};

// The first nRows rows take one height and the first nCols columns one width.
void SizeCells(CGridCtrl& grid, int nRows, int nCols, int nHeight, int nWidth)
{
    for (int r = 0; r < nRows; ++r)
        grid.SetRowHeight(r, nHeight);
    for (int c = 0; c < nCols; ++c)
        grid.SetColumnWidth(c, nWidth);
}

// What the grid draws on a surface of its window's size.
std::vector<RecordingSurface::Record> Drawn(CGridCtrl& grid)
{
    RecordingSurface surface(SIZE{300, 200});
    CDC dc(surface);
    grid.DrawGrid(&dc);
    return surface.Records();
}

class GridCtrlTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        m_host.CreateEx(0, _T("Host"), _T("host"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 800, 400),
                        nullptr, 0);
    }
    void TearDown() override
    {
        m_host.DestroyWindow();
        WindowTest::TearDown();
    }

    CGridOwner m_host;
};

TEST_F(GridCtrlTest, FewerRowsThanFixedLowerTheFixedCount)
{
    CGridCtrl grid(5, 5, 3, 1);
    grid.SetRowCount(2);
    EXPECT_EQ(grid.GetFixedRowCount(), 2);
}

TEST_F(GridCtrlTest, ReorderMovesARowJustAfterTheTarget)
{
    CGridCtrl grid(8, 2);
    grid.Reorder(5, 2);
    EXPECT_EQ(grid.GetRowOrder(), (std::vector<int>{0, 1, 2, 5, 3, 4, 6, 7}));
    grid.ResetRowOrder();
    grid.Reorder(2, 5);
    EXPECT_EQ(grid.GetRowOrder(), (std::vector<int>{0, 1, 3, 4, 5, 2, 6, 7}));
}

TEST_F(GridCtrlTest, HeaderDividersSizeColumnsAndRowsWithTheirCursors)
{
    CGridCtrl table(4, 4, 1, 1);
    ASSERT_TRUE(table.Create(CRect(0, 0, 300, 200), &m_host, 1002));
    SizeCells(table, 4, 4, 20, 40);
    // The divider between columns 1 and 2 lies at x = 79 in the header row.
    table.SendMessage(WM_MOUSEMOVE, 0, MakePointLParam(CPoint(79, 5)));
    EXPECT_EQ(table.GetMouseMode(), CGridCtrl::MOUSE_OVER_COL_DIVIDE);
    table.SendMessage(WM_SETCURSOR, 0, 0);
    EXPECT_EQ(GetCursor(), AfxLoadStandardCursor(IDC_SIZEWE));
    table.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MakePointLParam(CPoint(79, 5)));
    table.SendMessage(WM_LBUTTONUP, 0, MakePointLParam(CPoint(100, 5)));
    EXPECT_EQ(table.GetColumnWidth(1), 60);
    EXPECT_EQ(table.GetSelectedCellRange(), CCellRange());

    table.SendMessage(WM_MOUSEMOVE, 0, MakePointLParam(CPoint(5, 39)));
    EXPECT_EQ(table.GetMouseMode(), CGridCtrl::MOUSE_OVER_ROW_DIVIDE);
    table.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MakePointLParam(CPoint(5, 39)));
    table.SendMessage(WM_LBUTTONUP, 0, MakePointLParam(CPoint(5, 30)));
    EXPECT_EQ(table.GetRowHeight(1), 10);

    table.SendMessage(WM_MOUSEMOVE, 0, MakePointLParam(CPoint(60, 50)));
    EXPECT_EQ(table.GetMouseMode(), CGridCtrl::MOUSE_NOTHING);
    table.SendMessage(WM_SETCURSOR, 0, 0);
    EXPECT_EQ(GetCursor(), AfxLoadStandardCursor(IDC_ARROW));
}

TEST_F(GridCtrlTest, DraggingASelectionBelowTheWindowScrollsAndExtendsIt)
{
    CGridCtrl tall(30, 4, 1, 1);
    ASSERT_TRUE(tall.Create(CRect(0, 0, 200, 100), &m_host, 1001));
    SizeCells(tall, 30, 4, 20, 40);
    tall.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MakePointLParam(CPoint(50, 30)));
    const int nLastVisible = tall.GetVisibleNonFixedCellRange().nMaxRow;
    tall.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MakePointLParam(CPoint(50, 150)));
    for (int i = 0; i < 5; ++i)
        tall.SendMessage(WM_TIMER, CGridCtrl::kAutoScrollTimer, 0);
    EXPECT_GT(tall.GetScrollPos(SB_VERT), 0);
    EXPECT_GT(tall.GetSelectedCellRange().nMaxRow, nLastVisible);
    EXPECT_EQ(tall.GetSelectedCellRange().nMinRow, 1);
    tall.SendMessage(WM_LBUTTONUP, 0, MakePointLParam(CPoint(50, 150)));
    // Released, the timer stops extending.
    const CCellRange released = tall.GetSelectedCellRange();
    tall.SendMessage(WM_TIMER, CGridCtrl::kAutoScrollTimer, 0);
    EXPECT_EQ(tall.GetSelectedCellRange(), released);
}

TEST_F(GridCtrlTest, TheDragImageIsTheFocusCellWithItsHotSpotAtTheCorner)
{
    CGridCtrl grid(4, 4, 1, 1);
    CPoint ptHotSpot(-1, -1);
    grid.SetFocusCell(CCellID(2, 2));
    EXPECT_EQ(grid.CreateDragImage(&ptHotSpot), nullptr);  // no window yet

    ASSERT_TRUE(grid.Create(CRect(0, 0, 300, 200), &m_host, 1000));
    grid.SetColumnWidth(2, 37);
    grid.SetRowHeight(2, 21);
    grid.SetItemText(2, 2, _T("X"));
    grid.SetFocusCell(CCellID(2, 2));
    const std::unique_ptr<CImageList> pImage = grid.CreateDragImage(&ptHotSpot);
    ASSERT_NE(pImage, nullptr);
    EXPECT_EQ(pImage->GetImageCount(), 1);
    EXPECT_EQ(pImage->GetImageSize(), CSize(37, 21));
    EXPECT_EQ(ptHotSpot, CPoint(0, 0));

    grid.SetFocusCell(CCellID(-1, -1));
    EXPECT_EQ(grid.CreateDragImage(&ptHotSpot), nullptr);
}

// Rows one pixel high end a page exactly where it is full, with any page size.
TEST_F(GridCtrlTest, PrintedPagesHoldEveryRowOnce)
{
    CGridCtrl grid(0, 2, 0, 1);
    ASSERT_TRUE(grid.SetDefaultCellType(RUNTIME_CLASS(CPrintCountCell)));
    grid.SetRowCount(400);
    for (int nRow = 0; nRow < 400; ++nRow)
        grid.SetRowHeight(nRow, 1);
    ImagePages pages;
    CDC dc;
    ASSERT_TRUE(dc.CreatePrinterDC(std::make_unique<CImagePrinter>(800, 1100, 96, pages)));
    CPrintInfo info;
    grid.OnBeginPrinting(&dc, &info);
    ASSERT_GT(dc.StartDoc(_T("grid")), 0);
    CPrintCountCell::s_printed.clear();
    for (info.m_nCurPage = 1; info.m_nCurPage <= info.GetMaxPage(); ++info.m_nCurPage) {
        dc.StartPage();
        grid.OnPrint(&dc, &info);
        dc.EndPage();
    }
    dc.EndDoc();
    grid.OnEndPrinting(&dc, &info);
    EXPECT_GT(info.GetMaxPage(), 2u);
    for (int nRow = 0; nRow < 400; ++nRow)
        ASSERT_EQ(CPrintCountCell::s_printed[nRow], 2) << nRow;  // the row's fixed and plain cell
}

TEST_F(GridCtrlTest, TakingOverADialogControlKeepsTheCellFont)
{
    CWnd placeholder;
    ASSERT_TRUE(placeholder.CreateEx(0, _T("Static"), _T(""), WS_CHILD | WS_VISIBLE, CRect(10, 10, 200, 100),
                                     &m_host, 1123));
    CGridCtrl grid(5, 13, 1, 1);
    LOGFONT lf = *grid.GetDefaultCell(FALSE, FALSE)->GetFont();
    lf.lfHeight = 17;
    grid.SetCellFont(lf);
    ASSERT_TRUE(grid.SubclassDlgItem(1123, &m_host));
    EXPECT_EQ(m_host.GetDlgItem(1123), &grid);
    EXPECT_NE(grid.GetExStyle() & WS_EX_CLIENTEDGE, 0u);
    EXPECT_EQ(grid.GetDefaultCell(FALSE, FALSE)->GetFont()->lfHeight, 17);
    EXPECT_EQ(grid.GetDefaultCell(TRUE, TRUE)->GetFont()->lfHeight, 17);
    EXPECT_NE(grid.SendMessage(WM_GETFONT), 0);
}

TEST_F(GridCtrlTest, VirtualModeAsksForTextsInTheRowOrder)
{
    CGridCtrl grid;
    ASSERT_TRUE(grid.Create(CRect(0, 0, 300, 200), &m_host, 1003));
    grid.SetVirtualMode(TRUE);
    grid.SetRowCount(4);
    grid.SetColumnCount(2);
    EXPECT_FALSE(grid.IsEditable());
    EXPECT_FALSE(grid.SetItemText(1, 1, _T("x")));
    EXPECT_EQ(grid.GetItemText(2, 1), CString(_T("2,1")));
    grid.Reorder(3, 0);
    EXPECT_EQ(grid.GetItemText(1, 1), CString(_T("3,1")));
    grid.UpdateRowOrder(1, 1);
    EXPECT_EQ(grid.GetRowOrder(), (std::vector<int>{0, 1, 4, 2, 3}));
    grid.UpdateRowOrder(1, -1);
    EXPECT_EQ(grid.GetRowOrder(), (std::vector<int>{0, 3, 1, 2}));
    grid.SetCallbackFunc(
        [](GV_DISPINFO* pInfo, LPARAM lParam) {
            pInfo->item.strText.Format(_T("cb%d"), int(lParam));
            return TRUE;
        },
        7);
    EXPECT_EQ(grid.GetItemText(0, 0), CString(_T("cb7")));
    // Leaving virtual mode gives an empty grid of cells again.
    grid.SetVirtualMode(FALSE);
    grid.SetRowCount(2);
    grid.SetColumnCount(2);
    EXPECT_TRUE(grid.SetItemText(1, 1, _T("x")));
    EXPECT_EQ(grid.GetItemText(1, 1), CString(_T("x")));
}

TEST_F(GridCtrlTest, CellClassesMakeReplaceAndDestroyCells)
{
    CGridCtrl grid(3, 3, 1, 1);
    grid.SetItemText(1, 1, _T("a"));
    grid.SetItemFgColour(1, 1, RGB(1, 2, 3));
    EXPECT_FALSE(grid.SetCellType(1, 1, RUNTIME_CLASS(CGridCellBase)));
    EXPECT_FALSE(grid.SetDefaultCellType(RUNTIME_CLASS(CObject)));
    ASSERT_TRUE(grid.SetCellType(1, 1, RUNTIME_CLASS(CCountedCell)));
    const CGridCellBase* pCell = grid.GetCell(1, 1);
    EXPECT_TRUE(pCell->IsKindOf(RUNTIME_CLASS(CCountedCell)));
    EXPECT_EQ(pCell->GetText(), CString(_T("a")));
    EXPECT_EQ(pCell->GetTextClr(), RGB(1, 2, 3));

    ASSERT_TRUE(grid.SetDefaultCellType(RUNTIME_CLASS(CCountedCell)));
    grid.SetRowCount(4);
    EXPECT_TRUE(grid.GetCell(3, 0)->IsKindOf(RUNTIME_CLASS(CCountedCell)));
    EXPECT_EQ(grid.GetItemState(3, 0), GVIS_FIXED | GVIS_FIXEDCOL);
    CCountedCell::s_nDestroyed = 0;
    grid.SetRowCount(3);
    EXPECT_EQ(CCountedCell::s_nDestroyed, 3);

    auto pPlaced = std::make_unique<CGridCell>();
    pPlaced->SetText(_T("p"));
    ASSERT_TRUE(grid.SetCell(2, 2, std::move(pPlaced)));
    EXPECT_EQ(grid.GetItemText(2, 2), CString(_T("p")));
    EXPECT_EQ(grid.GetCell(2, 2)->GetGrid(), &grid);
}

TEST_F(GridCtrlTest, SetItemTakesTheFieldsItsMaskNames)
{
    CGridCtrl grid(3, 3, 1, 1);
    GV_ITEM item;
    item.row = 1;
    item.col = 2;
    item.mask = GVIF_TEXT | GVIF_FGCLR | GVIF_STATE;
    item.strText = _T("t");
    item.crFgClr = RGB(9, 9, 9);
    item.crBkClr = RGB(1, 1, 1);
    item.nState = GVIS_READONLY;
    ASSERT_TRUE(grid.SetItem(item));
    const CGridCellBase* pCell = grid.GetCell(1, 2);
    EXPECT_EQ(pCell->GetText(), CString(_T("t")));
    EXPECT_EQ(pCell->GetTextClr(), RGB(9, 9, 9));
    EXPECT_EQ(pCell->GetBackClr(), grid.GetDefaultCell(FALSE, FALSE)->GetBackClr());
    EXPECT_FALSE(grid.IsCellEditable(1, 2));
    item.row = 5;
    EXPECT_FALSE(grid.SetItem(item));

    LOGFONT lf = *grid.GetDefaultCell(FALSE, FALSE)->GetFont();
    lf.lfHeight = 33;
    ASSERT_TRUE(grid.SetItemFont(1, 1, &lf));
    EXPECT_EQ(grid.GetCell(1, 1)->GetFont()->lfHeight, 33);
    grid.SetItemFont(1, 1, nullptr);
    EXPECT_TRUE(grid.GetCell(1, 1)->IsDefaultFont());
    EXPECT_FALSE(grid.IsItemEditing(1, 1));
    EXPECT_FALSE(grid.IsItemEditing(7, 1));
}

TEST_F(GridCtrlTest, RangeRectsFixedRangeAndInvalidationFollowTheScrolledView)
{
    CGridCtrl grid(20, 6, 1, 1);
    ASSERT_TRUE(grid.Create(CRect(0, 0, 200, 100), &m_host, 1004));
    SizeCells(grid, 20, 6, 20, 40);
    CRect rect;
    ASSERT_TRUE(grid.GetCellRangeRect(CCellRange(1, 1, 2, 2), &rect));
    EXPECT_EQ(rect, CRect(40, 20, 119, 59));

    ASSERT_TRUE(grid.SetScrollPos32(SB_VERT, 40));
    EXPECT_EQ(grid.GetScrollPos32(SB_VERT), 40);
    EXPECT_EQ(grid.GetTopleftNonFixedCell(), CCellID(3, 1));
    EXPECT_FALSE(grid.GetCellRangeRect(CCellRange(1, 1, 4, 1), &rect));
    const CCellRange fixed = grid.GetVisibleFixedCellRange(&rect);
    EXPECT_EQ(fixed, CCellRange(3, 0, grid.GetVisibleNonFixedCellRange().nMaxRow, 0));
    EXPECT_EQ(rect.right, 40);

    grid.Validate();
    ASSERT_TRUE(grid.InvalidateCellRect(3, 2));
    grid.GetUpdateRect(&rect);
    EXPECT_EQ(rect, CRect(80, 20, 120, 40));
    EXPECT_FALSE(grid.InvalidateCellRect(1, 2));

    // A bar shows only while the cells need it.
    EXPECT_EQ(grid.GetStyle() & (WS_HSCROLL | WS_VSCROLL), DWORD(WS_HSCROLL | WS_VSCROLL));
    SizeCells(grid, 0, 6, 0, 20);
    EXPECT_EQ(grid.GetStyle() & (WS_HSCROLL | WS_VSCROLL), DWORD(WS_VSCROLL));
}

TEST_F(GridCtrlTest, SizingToContentsAndExpandingToTheClientArea)
{
    CGridCtrl grid(3, 4, 1, 1);
    ASSERT_TRUE(grid.Create(CRect(0, 0, 301, 200), &m_host, 1005));
    grid.SetItemText(1, 1, _T("a text far longer than the others"));
    grid.SetItemText(2, 2, _T("x"));
    LOGFONT lf = *grid.GetDefaultCell(FALSE, FALSE)->GetFont();
    lf.lfHeight = 40;
    grid.SetItemFont(2, 2, &lf);
    grid.AutoSize();
    EXPECT_GT(grid.GetColumnWidth(1), grid.GetColumnWidth(2));
    EXPECT_GT(grid.GetRowHeight(2), grid.GetRowHeight(1));

    for (int c = 0; c < 4; ++c)
        grid.SetColumnWidth(c, c == 3 ? 0 : 10);
    for (int r = 0; r < 3; ++r)
        grid.SetRowHeight(r, 10);
    grid.ExpandToFit();
    CRect client;
    grid.GetClientRect(&client);
    EXPECT_EQ(grid.GetVirtualWidth(), client.Width());
    EXPECT_EQ(grid.GetVirtualHeight(), client.Height());
    EXPECT_EQ(grid.GetColumnWidth(0), 10);
    EXPECT_EQ(grid.GetColumnWidth(3), 0);
    EXPECT_LE(std::abs(grid.GetColumnWidth(1) - grid.GetColumnWidth(2)), 1);
    // No room to spare: nothing shrinks.
    grid.SetColumnWidth(1, 400);
    grid.ExpandColumnsToFit();
    EXPECT_EQ(grid.GetColumnWidth(1), 400);
}

TEST_F(GridCtrlTest, SortingByTextNumbersAndTheOtherWayRound)
{
    struct Case {
        PFNGRIDCOMPARE pfnStored;
        PFNGRIDCOMPARE pfnSort;
        BOOL bAscending;
        std::vector<CString> expected;
    };
    const std::vector<Case> cases = {
        {nullptr, nullptr, TRUE, {_T("-2"), _T("10"), _T("9"), _T("x")}},
        {nullptr, CGridCtrl::CompareCellsNumeric, TRUE, {_T("-2"), _T("x"), _T("9"), _T("10")}},
        {nullptr, CGridCtrl::CompareCellsNumeric, FALSE, {_T("10"), _T("9"), _T("x"), _T("-2")}},
        {CGridCtrl::CompareCellsNumeric, CGridCtrl::CompareCellsDescending, TRUE,
         {_T("10"), _T("9"), _T("x"), _T("-2")}},
    };
    for (const Case& c : cases) {
        CGridCtrl grid(5, 3, 1, 1);
        const CString texts[] = {_T("10"), _T("9"), _T("-2"), _T("x")};
        for (int r = 1; r <= 4; ++r) {
            grid.SetItemText(r, 1, texts[r - 1]);
            grid.SetItemText(r, 2, texts[r - 1]);
        }
        grid.SetFocusCell(CCellID(2, 2));
        grid.SetCompareFunction(c.pfnStored);
        if (c.pfnSort)
            ASSERT_TRUE(grid.SortItems(c.pfnSort, 1, c.bAscending));
        else
            ASSERT_TRUE(grid.SortItems(1, c.bAscending));
        for (int r = 1; r <= 4; ++r) {
            EXPECT_EQ(grid.GetItemText(r, 1), c.expected[size_t(r - 1)]) << r;
            EXPECT_EQ(grid.GetItemText(r, 2), c.expected[size_t(r - 1)]) << r;
        }
        EXPECT_FALSE(grid.GetFocusCell().IsValid());
    }

    // In virtual mode the row order is sorted.
    CGridCtrl grid;
    grid.SetVirtualMode(TRUE);
    grid.SetRowCount(4);
    grid.SetColumnCount(1);
    grid.SetFixedRowCount(1);
    grid.SetCallbackFunc(
        [](GV_DISPINFO* pInfo, LPARAM) {
            pInfo->item.strText.Format(_T("%d"), 10 - pInfo->item.row);
            return TRUE;
        },
        0);
    grid.SetCompareFunction(CGridCtrl::CompareCellsNumeric);
    ASSERT_TRUE(grid.SortItems(0, TRUE));
    EXPECT_EQ(grid.GetRowOrder(), (std::vector<int>{0, 3, 2, 1}));
    EXPECT_EQ(grid.GetItemText(1, 0), CString(_T("7")));
}

TEST_F(GridCtrlTest, SettingTheSortColumnRedrawsBothHeaders)
{
    CGridCtrl grid(3, 4, 1, 0);
    ASSERT_TRUE(grid.Create(CRect(0, 0, 300, 200), &m_host, 1006));
    SizeCells(grid, 1, 4, 20, 40);
    grid.SetSortColumn(1);
    grid.Validate();
    grid.SetSortColumn(3);
    CRect rect;
    grid.GetUpdateRect(&rect);
    EXPECT_EQ(rect, CRect(40, 0, 160, 20));
}

TEST_F(GridCtrlTest, ModifiedMarksPrintMarginsAndClickedPoints)
{
    CGridCtrl grid(4, 4, 1, 1);
    grid.SetModified(TRUE, 2, 2);
    EXPECT_TRUE(grid.GetModified(2, 2));
    EXPECT_TRUE(grid.GetModified());
    grid.SetModified(FALSE);
    EXPECT_FALSE(grid.GetModified(2, 2));
    EXPECT_FALSE(grid.GetModified());

    grid.SetPrintMarginInfo(5, -1, 6, -1, -1, 0, -1);
    const CGridCtrl::PrintMargins& m = grid.GetPrintMarginInfo();
    EXPECT_EQ(std::vector<int>({m.nHeader, m.nFooter, m.nLeft, m.nRight, m.nTop, m.nBottom, m.nGap}),
              std::vector<int>({5, 2, 6, 4, 1, 0, 1}));

    SizeCells(grid, 4, 4, 20, 40);
    EXPECT_EQ(grid.GetPointClicked(2, 2, CPoint(90, 45)), CPoint(10, 5));
    EXPECT_EQ(grid.GetPointClicked(9, 2, CPoint(90, 45)), CPoint(0, 0));
}

TEST_F(GridCtrlTest, DraggingAHeaderOntoAnotherMovesItsColumn)
{
    CGridCtrl grid(3, 5, 1, 1);
    ASSERT_TRUE(grid.Create(CRect(0, 0, 400, 200), &m_host, 1007));
    for (int c = 0; c < 5; ++c) {
        grid.SetColumnWidth(c, 40 + c);
        grid.SetItemText(1, c, CString(WCHAR('a' + c)));
    }
    SizeCells(grid, 3, 0, 20, 0);
    auto drag = [&](int xFrom, int xTo) {
        grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MakePointLParam(CPoint(xFrom, 10)));
        grid.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MakePointLParam(CPoint(xTo, 10)));
        grid.SendMessage(WM_LBUTTONUP, 0, MakePointLParam(CPoint(xTo, 10)));
    };
    // Not allowed: the header press selects its column as before.
    drag(60, 150);
    EXPECT_EQ(grid.GetColumnOrder(), (std::vector<int>{0, 1, 2, 3, 4}));

    grid.SetColumnReorder(TRUE);
    drag(60, 150);
    EXPECT_EQ(grid.GetColumnOrder(), (std::vector<int>{0, 2, 3, 1, 4}));
    EXPECT_EQ(grid.GetItemText(1, 3), CString(_T("b")));
    EXPECT_EQ(grid.GetColumnWidth(3), 41);
    EXPECT_EQ(grid.GetSelectedCellRange(), CCellRange());
    // The fixed column stays where it is.
    drag(60, 10);
    EXPECT_EQ(grid.GetColumnOrder(), (std::vector<int>{0, 2, 3, 1, 4}));
    // Sorting reads the shown column.
    grid.SetItemText(2, 3, _T("0"));
    grid.SortTextItems(3, TRUE);
    EXPECT_EQ(grid.GetItemText(1, 3), CString(_T("0")));
    grid.SetColumnCount(4);
    EXPECT_EQ(grid.GetColumnOrder(), (std::vector<int>{0, 1, 2, 3}));
}

TEST_F(GridCtrlTest, CellsChangingKindWithTheFixedCountsTakeTheirKindsColours)
{
    CGridCtrl grid(4, 4, 1, 1);
    for (int r = 0; r < 3; ++r)
        grid.SetItemBkColour(r, 2, RGB(1, 2, 3));
    grid.SetFixedRowCount(2);
    // Row 1 became fixed, row 0 stayed fixed, row 2 stayed ordinary.
    EXPECT_EQ(grid.GetItemState(1, 2) & (GVIS_FIXED | GVIS_FIXEDROW), GVIS_FIXED | GVIS_FIXEDROW);
    EXPECT_EQ(grid.GetCell(1, 2)->GetBackClr(), grid.GetDefaultCell(TRUE, FALSE)->GetBackClr());
    EXPECT_EQ(grid.GetCell(0, 2)->GetBackClr(), RGB(1, 2, 3));
    EXPECT_EQ(grid.GetCell(2, 2)->GetBackClr(), RGB(1, 2, 3));
    grid.SetItemBkColour(2, 0, RGB(1, 2, 3));
    grid.SetFixedColumnCount(0);
    EXPECT_EQ(grid.GetItemState(3, 0) & GVIS_FIXED, 0u);
    EXPECT_EQ(grid.GetCell(2, 0)->GetBackClr(), grid.GetDefaultCell(FALSE, FALSE)->GetBackClr());
}

TEST_F(GridCtrlTest, ASystemColourChangeReachesOnlyTheColoursThatWereTheSystems)
{
    const COLORREF crText = GetSysColor(COLOR_WINDOWTEXT);
    const COLORREF crWindow = GetSysColor(COLOR_WINDOW);
    const COLORREF crShadow = GetSysColor(COLOR_3DSHADOW);
    CGridCtrl grid(3, 3, 1, 1);
    ASSERT_TRUE(grid.Create(CRect(0, 0, 300, 200), &m_host, 1009));
    grid.GetDefaultCell(TRUE, FALSE)->SetTextClr(RGB(1, 2, 3));  // the owner's own colour
    const auto backgroundIs = [&](COLORREF crFill) {
        for (const auto& record : Drawn(grid))
            if (record.kind == RecordingSurface::Kind::FillRect && record.colour == crFill)
                return true;
        return false;
    };
    EXPECT_TRUE(backgroundIs(crShadow));
    AfxSetSysColor(COLOR_WINDOWTEXT, RGB(10, 20, 30));
    AfxSetSysColor(COLOR_WINDOW, RGB(40, 50, 60));
    AfxSetSysColor(COLOR_3DSHADOW, RGB(70, 80, 90));
    grid.SendMessage(WM_SYSCOLORCHANGE);
    EXPECT_EQ(grid.GetDefaultCell(FALSE, FALSE)->GetTextClr(), RGB(10, 20, 30));
    EXPECT_EQ(grid.GetDefaultCell(FALSE, FALSE)->GetBackClr(), RGB(40, 50, 60));
    EXPECT_EQ(grid.GetDefaultCell(TRUE, FALSE)->GetTextClr(), RGB(1, 2, 3));
    EXPECT_TRUE(backgroundIs(RGB(70, 80, 90)));
    AfxSetSysColor(COLOR_WINDOWTEXT, crText);
    AfxSetSysColor(COLOR_WINDOW, crWindow);
    AfxSetSysColor(COLOR_3DSHADOW, crShadow);
    grid.SendMessage(WM_SYSCOLORCHANGE);
    EXPECT_EQ(grid.GetDefaultCell(FALSE, FALSE)->GetBackClr(), crWindow);
    grid.DestroyWindow();
}

TEST_F(GridCtrlTest, TheMouseOverCellsReleasesInOrderAndCursors)
{
    CGridCtrl grid;
    ASSERT_TRUE(grid.SetDefaultCellType(RUNTIME_CLASS(CHoverCell)));
    grid.SetRowCount(4);
    grid.SetColumnCount(4);
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(1);
    ASSERT_TRUE(grid.Create(CRect(0, 0, 300, 200), &m_host, 1008));
    SizeCells(grid, 4, 4, 20, 40);
    CHoverCell::s_nOver = 0;
    CHoverCell::s_clicks.clear();
    grid.SendMessage(WM_MOUSEMOVE, 0, MakePointLParam(CPoint(79, 5)));
    EXPECT_EQ(CHoverCell::s_nOver, 0);
    grid.SendMessage(WM_MOUSEMOVE, 0, MakePointLParam(CPoint(60, 50)));
    EXPECT_EQ(CHoverCell::s_nOver, 1);
    CPoint screen(60, 50);
    grid.ClientToScreen(&screen);
    ::SetCursorPos(screen.x, screen.y);
    grid.SendMessage(WM_SETCURSOR, 0, 0);
    EXPECT_EQ(GetCursor(), AfxLoadStandardCursor(IDC_HAND));

    auto click = [&](CPoint point) {
        m_host.m_codes.clear();
        grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MakePointLParam(point));
        grid.SendMessage(WM_LBUTTONUP, 0, MakePointLParam(point));
    };
    click(CPoint(60, 50));
    EXPECT_EQ(m_host.m_codes, (std::vector<int>{GVN_SELCHANGING, GVN_SELCHANGED, GVN_CLICK}));
    EXPECT_EQ(CHoverCell::s_clicks, (std::vector<CPoint>{CPoint(20, 10)}));
    // A release on the selection without moving ends the selection; it starts again at the
    // clicked cell, which keeps the focus.
    grid.m_bAllowDragAndDrop = TRUE;
    grid.SetSelectedRange(CCellRange(1, 1, 2, 2));
    click(CPoint(60, 50));
    EXPECT_EQ(m_host.m_codes, (std::vector<int>{GVN_CLICK, GVN_SELCHANGING, GVN_SELCHANGED}));
    EXPECT_EQ(grid.GetSelectedCellRange(), CCellRange(2, 1, 2, 1));
    EXPECT_EQ(grid.GetFocusCell(), CCellID(2, 1));

    // No cursor while a header is dragged.
    grid.SetColumnReorder(TRUE);
    grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MakePointLParam(CPoint(60, 5)));
    grid.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MakePointLParam(CPoint(100, 5)));
    grid.SendMessage(WM_SETCURSOR, 0, 0);
    EXPECT_EQ(GetCursor(), HCURSOR(nullptr));
    grid.SendMessage(WM_LBUTTONUP, 0, MakePointLParam(CPoint(100, 5)));
    EXPECT_EQ(GetCursor(), AfxLoadStandardCursor(IDC_ARROW));
}

TEST_F(GridCtrlTest, SizingDrawsATrackingLineAndSizesOnlyWhenMoved)
{
    CGridCtrl grid(4, 4, 1, 1);
    ASSERT_TRUE(grid.Create(CRect(0, 0, 300, 200), &m_host, 1009));
    SizeCells(grid, 4, 4, 20, 40);
    auto trackingLineAt = [&](int x) {
        for (const auto& record : Drawn(grid))
            if (record.kind == RecordingSurface::Kind::Polyline && record.state.nRop2 == R2_NOT &&
                record.points.size() == 2 && record.points[0].x == x && record.points[1].x == x)
                return true;
        return false;
    };
    grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MakePointLParam(CPoint(79, 5)));
    grid.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MakePointLParam(CPoint(100, 5)));
    EXPECT_TRUE(trackingLineAt(100));
    grid.SendMessage(WM_LBUTTONUP, 0, MakePointLParam(CPoint(100, 5)));
    EXPECT_FALSE(trackingLineAt(100));
    EXPECT_EQ(grid.GetColumnWidth(1), 60);

    struct Case {
        BOOL bMayHide;
        int xRelease;
        int nWidth;
    };
    for (const Case& c : {Case{FALSE, 99, 60}, Case{FALSE, 30, 1}, Case{TRUE, 30, 0}}) {
        grid.SetColumnWidth(1, 60);
        grid.SetResizeMayHide(c.bMayHide);
        grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MakePointLParam(CPoint(99, 5)));
        grid.SendMessage(WM_LBUTTONUP, 0, MakePointLParam(CPoint(c.xRelease, 5)));
        EXPECT_EQ(grid.GetColumnWidth(1), c.nWidth) << c.xRelease;
    }
}

TEST_F(GridCtrlTest, CellsAndWideCellsDrawInArialUnlessTheOwnerSaysOtherwise)
{
    CGridCtrl grid(2, 4);
    ASSERT_TRUE(grid.Create(CRect(0, 0, 300, 200), &m_host, 1010));
    const LOGFONT* pFont = grid.GetDefaultCell(FALSE, FALSE)->GetFont();
    EXPECT_EQ(std::u16string(pFont->lfFaceName), u"Arial");
    EXPECT_EQ(pFont->lfHeight, 24);
    EXPECT_EQ(pFont->lfWidth, 8);

    grid.SetItemText(1, 1, CString(WCHAR(0x4E2D)));
    ASSERT_TRUE(WidePairs::Join(grid, 1, 1));
    int nWideTexts = 0;
    for (const auto& record : Drawn(grid)) {
        if (record.kind == RecordingSurface::Kind::Text && record.text == u"\u4E2D") {
            ++nWideTexts;
            EXPECT_EQ(std::u16string(record.state.font.lfFaceName), u"Arial");
            EXPECT_EQ(record.state.font.lfHeight, 20);
            EXPECT_EQ(record.state.font.lfWidth, 16);
        }
    }
    EXPECT_GT(nWideTexts, 0);
}

TEST_F(GridCtrlTest, TitleTipsShowCutTextsInTheTipColours)
{
    CGridCtrl grid(3, 3, 1, 1);
    ASSERT_TRUE(grid.Create(CRect(0, 0, 300, 200), &m_host, 1011));
    SizeCells(grid, 3, 3, 30, 40);
    grid.SetItemText(1, 1, _T("a text far wider than its cell"));
    grid.SetItemFgColour(1, 1, RGB(0, 0, 200));
    grid.SetItemText(1, 2, _T("a"));
    const CPoint overCut(60, 45);
    grid.SendMessage(WM_MOUSEMOVE, 0, MakePointLParam(overCut));
    EXPECT_FALSE(grid.GetTitleTip().IsShown());

    grid.EnableTitleTips();
    grid.SetTitleTipBackClr(RGB(255, 255, 0));
    grid.SendMessage(WM_MOUSEMOVE, 0, MakePointLParam(overCut));
    const CGridTitleTip& tip = grid.GetTitleTip();
    ASSERT_TRUE(tip.IsShown());
    EXPECT_EQ(tip.GetText(), grid.GetItemText(1, 1));
    EXPECT_EQ(tip.GetBackClr(), RGB(255, 255, 0));
    EXPECT_EQ(tip.GetTextClr(), RGB(0, 0, 200));
    grid.SendMessage(WM_MOUSEMOVE, 0, MakePointLParam(CPoint(100, 45)));
    EXPECT_FALSE(tip.IsShown());
    grid.SendMessage(WM_MOUSEMOVE, 0, MakePointLParam(overCut));
    grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MakePointLParam(overCut));
    EXPECT_FALSE(tip.IsShown());
    grid.SendMessage(WM_LBUTTONUP, 0, MakePointLParam(overCut));
}

TEST_F(GridCtrlTest, AWheelNotchScrollsTheDesktopsRows)
{
    CFiveLineDesktop desktop;
    AfxSetWindowBackend(&desktop);
    CGridCtrl grid(30, 2, 1, 1);
    AfxSetWindowBackend(nullptr);
    ASSERT_TRUE(grid.Create(CRect(0, 0, 200, 100), &m_host, 1012));
    CMessageQueue::Get().Reset();
    grid.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(-120)), 0);
    int nLines = 0;
    MSG msg;
    while (CMessageQueue::Get().Take(msg))
        nLines += msg.message == WM_VSCROLL && LOWORD(msg.wParam) == SB_LINEDOWN ? 1 : 0;
    EXPECT_EQ(nLines, 5);
}

// A cell's image sits at its top left inside the margin, its text starts a pixel and a margin
// after it, and the cell's extent counts that room.
TEST_F(GridCtrlTest, ACellImageGoesBeforeTheTextAndIntoTheExtent)
{
    CGridCtrl grid(2, 2);
    ASSERT_TRUE(grid.Create(CRect(0, 0, 300, 200), &m_host, 1013));
    grid.SetColumnWidth(1, 100);
    grid.SetRowHeight(1, 30);
    grid.SetItemText(1, 1, _T("A"));
    PixelBuffer strip(8, 8);
    strip.Fill(CRect(0, 0, 8, 8), CRect(0, 0, 8, 8), RGB(255, 0, 0));
    CImageList images;
    ASSERT_TRUE(images.Create(8, 8, ILC_COLOR24, 1, 1));
    ASSERT_EQ(images.Add(strip, RGB(0, 255, 0)), 0);
    grid.SetImageList(&images);
    CRect cell;
    ASSERT_TRUE(grid.GetCellRect(1, 1, cell));
    CGridCellBase* pCell = grid.GetCell(1, 1);
    const int nMargin = int(pCell->GetMargin());
    CDC measure;
    measure.CreateCompatibleDC(nullptr);
    const CSize textExtent = pCell->GetTextExtent(pCell->GetText(), &measure);
    for (const int nImage : {-1, 0}) {
        ASSERT_TRUE(grid.SetItemImage(1, 1, nImage));
        EXPECT_EQ(grid.GetItemImage(1, 1), nImage);
        const int nImageRoom = nImage < 0 ? 0 : 8 + 1 + nMargin;
        CRect image;
        LONG xText = -1;
        for (const auto& record : Drawn(grid)) {
            if (record.kind == RecordingSurface::Kind::SetPixel && record.colour == RGB(255, 0, 0))
                image |= CRect(record.points[0], CSize(1, 1));
            if (record.kind == RecordingSurface::Kind::Text && record.text == u"A")
                xText = record.points[0].x;
        }
        EXPECT_EQ(image, nImage < 0 ? CRect() : CRect(cell.TopLeft() + CSize(nMargin, nMargin), CSize(8, 8)));
        EXPECT_EQ(xText, cell.left + nMargin + nImageRoom) << nImage;
        EXPECT_EQ(pCell->GetCellExtent(&measure), textExtent + CSize(nImageRoom, 0)) << nImage;
    }
    // A cell of another class takes the image over.
    ASSERT_TRUE(grid.SetCellType(1, 1, RUNTIME_CLASS(CCountedCell)));
    EXPECT_EQ(grid.GetItemImage(1, 1), 0);
    grid.SetImageList(nullptr);
}

}  // namespace
