#include "DialogTestSupport.h"

#include "platform/gdi/DC.h"
#include "platform/gdi/PixelBuffer.h"
#include "platform/gdi/RecordingSurface.h"
#include "platform/ui/HeaderCtrl.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/ListCtrl.h"

#include <functional>

namespace {

constexpr UINT kListId = 300;
// Two columns of 60 and 80 pixels under a 20-pixel header; rows 17 high.
const CRect kListRect(0, 0, 200, 20 + 3 * CListCtrl::kRowHeight);

CPoint CellPoint(int nItem, int nCol)
{
    return CPoint(nCol == 0 ? 10 : 70, CHeaderCtrl::kDefaultHeight + nItem * CListCtrl::kRowHeight + 5);
}

// Records the list's notifications in detail and answers custom draw through a callback.
class CListOwner : public CWnd {
public:
    EventLog m_events;
    std::function<LRESULT(const NMLVCUSTOMDRAW&)> m_customDraw;

protected:
    BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult) override
    {
        const auto* pHdr = reinterpret_cast<const NMHDR*>(lParam);
        const auto* pList = reinterpret_cast<const NMLISTVIEW*>(lParam);
        switch (pHdr->code) {
        case LVN_ITEMCHANGED:
            m_events.push_back("changed:" + std::to_string(pList->iItem) + ":" +
                               std::to_string(pList->uOldState) + ">" +
                               std::to_string(pList->uNewState));
            break;
        case LVN_COLUMNCLICK:
            m_events.push_back("column:" + std::to_string(pList->iSubItem));
            break;
        case UINT(NM_CLICK):
        case UINT(NM_DBLCLK): {
            const auto* pActivate = reinterpret_cast<const NMITEMACTIVATE*>(lParam);
            m_events.push_back(std::string(pHdr->code == UINT(NM_CLICK) ? "click:" : "dblclk:") +
                               std::to_string(pActivate->iItem) + ":" +
                               std::to_string(pActivate->iSubItem));
            break;
        }
        case UINT(NM_CUSTOMDRAW): {
            const auto* pDraw = reinterpret_cast<const NMLVCUSTOMDRAW*>(lParam);
            m_events.push_back("draw:" + std::to_string(pDraw->nmcd.dwDrawStage) + ":" +
                               std::to_string(pDraw->nmcd.dwItemSpec) + ":" +
                               std::to_string(pDraw->iSubItem));
            *pResult = m_customDraw ? m_customDraw(*pDraw) : CDRF_DODEFAULT;
            return TRUE;
        }
        default:
            break;
        }
        return FALSE;
    }
};

class ListCtrlTest : public OwnedControlsTest<CListOwner> {
protected:
    void MakeList(CListCtrl& list, DWORD dwStyle, DWORD dwExStyle = LVS_EX_FULLROWSELECT)
    {
        ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT | dwStyle, kListRect, &m_owner, kListId));
        list.SetExtendedStyle(dwExStyle);
        list.InsertColumn(0, _T("Save"), LVCFMT_LEFT, 60);
        list.InsertColumn(1, _T("File Name"), LVCFMT_LEFT, 80);
        for (LPCTSTR lpsz : {_T("a"), _T("b"), _T("c"), _T("d")})
            list.InsertItem(list.GetItemCount(), lpsz);
        for (int i = 0; i < list.GetItemCount(); ++i)
            list.SetItemText(i, 1, CString(_T("file")) + list.GetItemText(i, 0));
        m_owner.m_events.clear();
    }
};

TEST_F(ListCtrlTest, ColumnsItemsSubitemsAndData)
{
    CListCtrl list;
    MakeList(list, 0);
    EXPECT_EQ(list.GetColumnCount(), 2);
    EXPECT_EQ(list.GetHeaderCtrl()->GetItemCount(), 2);
    TCHAR szText[16] = {};
    LVCOLUMN column = {LVCF_TEXT | LVCF_WIDTH | LVCF_FMT, 0, 0, szText, 16, 0, 0, 0};
    ASSERT_TRUE(list.GetColumn(1, &column));
    EXPECT_EQ(CString(szText), CString(_T("File Name")));
    EXPECT_EQ(column.cx, 80);
    EXPECT_TRUE(list.SetColumnWidth(1, 90));
    EXPECT_EQ(list.GetColumnWidth(1), 90);

    EXPECT_EQ(list.GetItemText(2, 1), CString(_T("filec")));
    EXPECT_TRUE(list.SetItemData(2, 77));
    EXPECT_EQ(list.GetItemData(2), DWORD_PTR(77));
    // A row or column just past the end changes nothing.
    EXPECT_FALSE(list.SetItemText(4, 0, _T("x")));
    EXPECT_FALSE(list.SetItemText(0, 2, _T("x")));
    EXPECT_FALSE(list.DeleteItem(4));
    EXPECT_FALSE(list.SetItemData(-1, 1));

    // Rows below an inserted or deleted one move, with their data.
    EXPECT_EQ(list.InsertItem(1, _T("new")), 1);
    EXPECT_EQ(list.GetItemData(3), DWORD_PTR(77));
    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_EQ(list.GetItemText(0, 0), CString(_T("new")));
    EXPECT_EQ(list.GetItemData(2), DWORD_PTR(77));
    // A column inserted in the middle takes no subitem text from its right neighbour.
    list.InsertColumn(1, _T("Mid"), LVCFMT_RIGHT, 30);
    EXPECT_EQ(list.GetItemText(1, 1), CString());
    EXPECT_EQ(list.GetItemText(1, 2), CString(_T("fileb")));
    EXPECT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(list.GetItemCount(), 0);
}

TEST_F(ListCtrlTest, StatesReportOldAndNewAndKeepOneFocus)
{
    CListCtrl list;
    MakeList(list, LVS_SINGLESEL);
    list.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_EQ(Take(), (EventLog{"changed:0:0>3"}));
    // Single selection: the old row loses its focus and selection before the new one gains them.
    list.SetItemState(2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_EQ(Take(), (EventLog{"changed:0:3>2", "changed:0:2>0", "changed:2:0>3"}));
    // Setting a state the row already has reports nothing.
    list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_TRUE(Take().empty());
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 2);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_FOCUSED), 2);
    EXPECT_EQ(list.GetSelectedCount(), 1u);
}

TEST_F(ListCtrlTest, MultiSelectionWalksTheSelectedRows)
{
    CListCtrl list;
    MakeList(list, 0);
    for (int nItem : {1, 3})
        list.SetItemState(nItem, LVIS_SELECTED, LVIS_SELECTED);
    std::vector<int> selected;
    for (POSITION pos = list.GetFirstSelectedItemPosition(); pos;)
        selected.push_back(list.GetNextSelectedItem(pos));
    EXPECT_EQ(selected, (std::vector<int>{1, 3}));
    EXPECT_EQ(list.GetNextItem(1, LVNI_SELECTED), 3);
    EXPECT_EQ(list.GetNextItem(3, LVNI_SELECTED | LVNI_ABOVE), 1);
    list.SetItemState(-1, 0, LVIS_SELECTED);
    EXPECT_EQ(list.GetFirstSelectedItemPosition(), nullptr);
}

TEST_F(ListCtrlTest, HitTestsFindRowAndColumn)
{
    CListCtrl list;
    MakeList(list, 0, 0);
    struct Case {
        CPoint pt;
        int nItem;       // SubItemHitTest
        int nSubItem;
        int nHitItem;    // HitTest without full-row selection
    };
    const Case cases[] = {
        {CellPoint(0, 0), 0, 0, 0},
        {CellPoint(2, 1), 2, 1, -1},         // a subitem is no item without full-row selection
        {CPoint(5, 5), -1, -1, -1},          // the header
        {CPoint(150, 30), -1, -1, -1},       // right of the last column
        {CellPoint(3, 0) + CPoint(0, 20), -1, -1, -1},  // below the last row
    };
    for (const Case& c : cases) {
        LVHITTESTINFO info = {c.pt, 0, 0, 0};
        EXPECT_EQ(list.SubItemHitTest(&info), c.nItem) << c.pt.x << "," << c.pt.y;
        EXPECT_EQ(info.iSubItem, c.nSubItem) << c.pt.x << "," << c.pt.y;
        EXPECT_EQ(list.HitTest(c.pt), c.nHitItem) << c.pt.x << "," << c.pt.y;
    }
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    EXPECT_EQ(list.HitTest(CellPoint(2, 1)), 2);
    CRect rect;
    ASSERT_TRUE(list.GetSubItemRect(1, 1, LVIR_LABEL, rect));
    EXPECT_EQ(rect, CRect(60, 20 + CListCtrl::kRowHeight, 140, 20 + 2 * CListCtrl::kRowHeight));
}

TEST_F(ListCtrlTest, ClicksSelectThenNotify)
{
    CListCtrl list;
    MakeList(list, 0);
    list.SendMessage(WM_LBUTTONDOWN, 0, MakePointLParam(CellPoint(1, 1)));
    EXPECT_EQ(Take(), (EventLog{"changed:1:0>3", "click:1:1"}));
    EXPECT_EQ(CWnd::GetFocus(), &list);
    // Ctrl adds a row; a plain click then keeps only its own.
    list.SendMessage(WM_LBUTTONDOWN, MK_CONTROL, MakePointLParam(CellPoint(3, 0)));
    EXPECT_EQ(Take(), (EventLog{"changed:3:0>2", "changed:1:3>2", "changed:3:2>3", "click:3:0"}));
    list.SendMessage(WM_LBUTTONDBLCLK, 0, MakePointLParam(CellPoint(3, 1)));
    EXPECT_EQ(Take(), (EventLog{"changed:1:2>0", "dblclk:3:1"}));
    // Below the rows: the selection goes, the click names no row.
    list.DeleteItem(2);
    list.DeleteItem(0);
    list.SendMessage(WM_LBUTTONDOWN, 0, MakePointLParam(CPoint(10, kListRect.bottom - 1)));
    EXPECT_EQ(list.GetSelectedCount(), 0u);
    EXPECT_EQ(Take().back(), "click:-1:0");
}

TEST_F(ListCtrlTest, ArrowKeysMoveTheSelectionAndScroll)
{
    CListCtrl list;
    MakeList(list, 0);
    for (int i = 0; i < 6; ++i)
        list.InsertItem(list.GetItemCount(), _T("more"));
    EXPECT_EQ(list.GetCountPerPage(), 3);
    list.SendMessage(WM_KEYDOWN, VK_END);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED | LVNI_FOCUSED), 9);
    EXPECT_EQ(list.GetTopIndex(), 7);
    list.SendMessage(WM_KEYDOWN, VK_UP);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 8);
    EXPECT_EQ(list.GetSelectedCount(), 1u);
    // Hit tests follow the scrolled rows.
    EXPECT_EQ(list.HitTest(CellPoint(0, 0)), 7);
    list.EnsureVisible(0, FALSE);
    EXPECT_EQ(list.GetTopIndex(), 0);
}

TEST_F(ListCtrlTest, CustomDrawReachesTheOwnerPerItemAndSubitem)
{
    CListCtrl list;
    MakeList(list, 0);
    list.DeleteItem(3);
    list.DeleteItem(2);
    m_owner.m_customDraw = [](const NMLVCUSTOMDRAW& cd) -> LRESULT {
        switch (cd.nmcd.dwDrawStage) {
        case CDDS_PREPAINT:
            return CDRF_NOTIFYITEMDRAW;
        case CDDS_ITEMPREPAINT:
            return cd.nmcd.dwItemSpec == 0 ? CDRF_NOTIFYSUBITEMDRAW : CDRF_SKIPDEFAULT;
        default:
            return CDRF_SKIPDEFAULT;
        }
    };
    Take();
    list.Invalidate();
    list.UpdateWindow();
    const std::string kItem = std::to_string(CDDS_ITEMPREPAINT);
    const std::string kSub = std::to_string(CDDS_ITEMPREPAINT | CDDS_SUBITEM);
    EXPECT_EQ(Take(), (EventLog{"draw:1:0:0", "draw:" + kItem + ":0:0", "draw:" + kSub + ":0:0",
                                "draw:" + kSub + ":0:1", "draw:" + kItem + ":1:0"}));
}

// A list that draws its own cells, as a check-box list does.
class CSelfDrawnList : public CListCtrl {
public:
    int m_nCells = 0;

protected:
    BOOL OnReflectNotify(NMHDR* pNMHDR, LRESULT* pResult) override
    {
        if (pNMHDR->code != UINT(NM_CUSTOMDRAW))
            return FALSE;
        auto* pDraw = reinterpret_cast<NMLVCUSTOMDRAW*>(pNMHDR);
        if (pDraw->nmcd.dwDrawStage == (CDDS_ITEMPREPAINT | CDDS_SUBITEM)) {
            ++m_nCells;
            pDraw->nmcd.hdc->FillSolidRect(&pDraw->nmcd.rc, RGB(255, 0, 0));
            *pResult = CDRF_SKIPDEFAULT;
        } else {
            *pResult = CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYSUBITEMDRAW;
        }
        return TRUE;
    }
};

TEST_F(ListCtrlTest, ReflectedCustomDrawStaysWithTheList)
{
    CSelfDrawnList list;
    MakeList(list, 0);
    Take();
    list.Invalidate();
    list.UpdateWindow();
    EXPECT_EQ(list.m_nCells, 3 * 2);
    EXPECT_TRUE(Take().empty());
}

TEST_F(ListCtrlTest, HeaderClickReportsTheColumn)
{
    CListCtrl list;
    MakeList(list, 0);
    CHeaderCtrl* pHeader = list.GetHeaderCtrl();
    pHeader->SendMessage(WM_LBUTTONDOWN, 0, MakePointLParam(CPoint(100, 5)));
    pHeader->SendMessage(WM_LBUTTONUP, 0, MakePointLParam(CPoint(100, 5)));
    EXPECT_EQ(Take(), (EventLog{"column:1"}));
    // Dragging the divider resizes the column on its left.
    pHeader->SendMessage(WM_LBUTTONDOWN, 0, MakePointLParam(CPoint(60, 5)));
    pHeader->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MakePointLParam(CPoint(75, 5)));
    pHeader->SendMessage(WM_LBUTTONUP, 0, MakePointLParam(CPoint(75, 5)));
    EXPECT_EQ(list.GetColumnWidth(0), 75);
    EXPECT_TRUE(Take().empty());
}

class CImageHeader : public CHeaderCtrl {};

TEST_F(ListCtrlTest, SubclassedHeaderKeepsItemsAndImages)
{
    CListCtrl list;
    MakeList(list, 0);
    CImageList images;
    PixelBuffer strip(48, 16);
    ASSERT_TRUE(images.Create(strip, 16, 1, RGB(255, 0, 255)));
    list.GetHeaderCtrl()->SetImageList(&images);
    HDITEM item = {};
    item.mask = HDI_IMAGE | HDI_FORMAT;
    item.fmt = HDF_IMAGE | HDF_STRING;
    item.iImage = 2;
    list.GetHeaderCtrl()->SetItem(0, &item);

    CImageHeader header;
    ASSERT_TRUE(header.SubclassWindow(list.GetHeaderCtrl()));
    EXPECT_EQ(list.GetHeaderCtrl(), &header);
    EXPECT_EQ(header.GetItemCount(), 2);
    EXPECT_EQ(header.GetImageList(), &images);
    HDITEM read = {};
    read.mask = HDI_IMAGE | HDI_WIDTH;
    ASSERT_TRUE(header.GetItem(0, &read));
    EXPECT_EQ(read.iImage, 2);
    EXPECT_EQ(read.cxy, 60);
    EXPECT_EQ(list.GetColumnWidth(1), 80);
    list.DestroyWindow();
}

TEST(ImageListTest, StripWithMaskColourDrawsOnlyItsOpaquePixels)
{
    constexpr COLORREF kMagenta = RGB(255, 0, 255);
    PixelBuffer strip(8, 2);
    for (int x = 0; x < 8; ++x) {
        strip.SetPixel(x, 0, kMagenta);
        strip.SetPixel(x, 1, RGB(0, 0, BYTE(x)));
    }
    CImageList images;
    ASSERT_TRUE(images.Create(strip, 4, 1, kMagenta));
    EXPECT_EQ(images.GetImageCount(), 2);
    EXPECT_EQ(images.GetImageSize(), CSize(4, 2));
    EXPECT_EQ(images.GetImagePixel(1, 2, 0), CLR_NONE);
    EXPECT_EQ(images.GetImagePixel(1, 2, 1), RGB(0, 0, 6));
    IMAGEINFO info = {};
    ASSERT_TRUE(images.GetImageInfo(1, &info));
    EXPECT_EQ(CRect(info.rcImage), CRect(4, 0, 8, 2));

    PixelBuffer target(10, 10);
    target.Fill(CRect(0, 0, 10, 10), CRect(0, 0, 10, 10), RGB(1, 2, 3));
    RecordingSurface surface(target, DeviceCaps{});
    CDC dc(surface);
    EXPECT_TRUE(images.Draw(&dc, 1, CPoint(3, 3), ILD_TRANSPARENT));
    EXPECT_EQ(target.GetPixel(5, 3), RGB(1, 2, 3));   // transparent: left as it was
    EXPECT_EQ(target.GetPixel(5, 4), RGB(0, 0, 6));
    EXPECT_FALSE(images.Draw(&dc, 2, CPoint(0, 0), ILD_NORMAL));
    // A strip lower than the images adds nothing.
    EXPECT_EQ(images.Add(PixelBuffer(8, 1), kMagenta), -1);
}

}  // namespace
