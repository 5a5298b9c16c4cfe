#include "controls/BarColors.h"
#include "controls/XListCtrl.h"

#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/PixelBuffer.h"
#include "platform/gdi/RecordingSurface.h"
#include "platform/ui/Cursor.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/WindowFixture.h"

#include <string>
#include <vector>

namespace {

constexpr UINT kListId = 1000;
// Columns of 60 and 100 pixels under the 20-pixel header; rows 17 high.
const CRect kListRect(0, 0, 300, 200);

CPoint CellPoint(int nItem, int nCol)
{
    return CPoint(nCol == 0 ? 30 : 100, CHeaderCtrl::kDefaultHeight + nItem * CListCtrl::kRowHeight + 5);
}

// Logs the check-box messages its list sends, as "checked:row:column", and the list's clicks.
class CListParent : public CWnd {
public:
    EventLog m_events;
    EventLog m_combos;  // the combo selections

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_XLISTCTRL_CHECKBOX_CLICKED)
            m_events.push_back("checked:" + std::to_string(wParam) + ":" + std::to_string(lParam));
        if (message == WM_XLISTCTRL_COMBO_SELECTION)
            m_combos.push_back("combo:" + std::to_string(wParam) + ":" + std::to_string(lParam));
        return CWnd::WindowProc(message, wParam, lParam);
    }
    BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT*) override
    {
        const auto* pHdr = reinterpret_cast<const NMHDR*>(lParam);
        if (pHdr->code == UINT(NM_CLICK))
            m_events.push_back("click:" + std::to_string(reinterpret_cast<const NMITEMACTIVATE*>(lParam)->iItem));
        return FALSE;
    }
};

// Paints into a recording surface over pixels, so that both fills and texts can be checked.
class CPaintedList : public CXListCtrl {
public:
    void PaintInto(CDC& dc) { DrawRows(dc); }
};

class XListCtrlTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        m_parent.CreateEx(0, _T("Parent"), _T("parent"), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                          CRect(0, 0, 400, 300), nullptr, 0);
        ASSERT_TRUE(m_list.Create(WS_VISIBLE | LVS_REPORT, kListRect, &m_parent, kListId));
        m_list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_TRACKSELECT);
        m_list.InsertColumn(0, _T("Save"), LVCFMT_LEFT, 60);
        m_list.InsertColumn(1, _T("File Name"), LVCFMT_LEFT, 100);
    }
    void TearDown() override
    {
        m_parent.DestroyWindow();
        WindowTest::TearDown();
    }
    // Rows "a", "b", ... with an unchecked box in column 0 and the name in column 1.
    void AddRows(int nCount)
    {
        for (int i = 0; i < nCount; ++i) {
            ASSERT_EQ(m_list.InsertItem(i, _T("")), i);
            m_list.SetItemText(i, 1, CString(TCHAR('a' + i)));
            m_list.SetCheckbox(i, 0, 0);
        }
    }
    void Click(CPoint point) { m_list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MakePointLParam(point)); }
    void ClickHeader(int nCol)
    {
        CHeaderCtrl* pHeader = m_list.GetHeaderCtrl();
        const CPoint point(nCol == 0 ? 30 : 100, 5);
        pHeader->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MakePointLParam(point));
        pHeader->SendMessage(WM_LBUTTONUP, 0, MakePointLParam(point));
    }
    EventLog Take() { return std::exchange(m_parent.m_events, {}); }

    CListParent m_parent;
    CPaintedList m_list;
};

TEST_F(XListCtrlTest, RowsGetACellRecordPerColumnInTheDefaultColours)
{
    AddRows(2);
    const CXListCtrl::XCell* pCell = m_list.GetCell(1, 1);
    ASSERT_NE(pCell, nullptr);
    EXPECT_TRUE(pCell->bEnabled);
    EXPECT_EQ(pCell->nCheckedState, -1);
    EXPECT_EQ(pCell->crText, kColorWindowText);
    EXPECT_EQ(pCell->crBackground, kColorWindow);
    EXPECT_EQ(m_list.GetItemText(1, 1), CString(_T("b")));
    // The list's header is its own.
    EXPECT_EQ(m_list.GetHeaderCtrl(), m_list.GetXHeaderCtrl());
}

TEST_F(XListCtrlTest, OutOfRangeCellsChangeNothing)
{
    AddRows(2);
    struct Case {
        const char* name;
        int nItem;
        int nCol;
    };
    const Case cases[] = {
        {"row equal to the count", 2, 0},
        {"column equal to the count", 0, 2},
        {"negative row", -1, 0},
        {"negative column", 0, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(m_list.SetItemText(c.nItem, c.nCol, _T("x")));
        EXPECT_FALSE(m_list.SetCheckbox(c.nItem, c.nCol, 1));
        EXPECT_EQ(m_list.GetCheckbox(c.nItem, c.nCol), -1);
    }
    EXPECT_FALSE(m_list.DeleteItem(2));
    EXPECT_EQ(m_list.InsertItem(-1, _T("x")), -1);
    EXPECT_FALSE(m_list.SetCheckbox(0, 0, 2));  // no such state
    EXPECT_EQ(m_list.GetItemCount(), 2);
    EXPECT_EQ(m_list.GetCheckbox(0, 0), 0);
    EXPECT_EQ(m_list.GetCheckbox(1, 0), 0);
}

TEST_F(XListCtrlTest, RecordsFollowTheirRowsThroughInsertAndDelete)
{
    AddRows(3);
    m_list.SetCheckbox(2, 0, 1);
    ASSERT_EQ(m_list.InsertItem(0, _T("")), 0);  // a row without a box above them all
    EXPECT_EQ(m_list.GetCheckbox(0, 0), -1);
    EXPECT_EQ(m_list.GetCheckbox(3, 0), 1);
    EXPECT_TRUE(m_list.DeleteItem(1));
    EXPECT_EQ(m_list.GetCheckbox(2, 0), 1);
    EXPECT_EQ(m_list.GetItemText(2, 1), CString(_T("c")));
    EXPECT_TRUE(m_list.DeleteAllItems());
    EXPECT_EQ(m_list.GetCell(0, 0), nullptr);
}

TEST_F(XListCtrlTest, ClickOnABoxTogglesItAndTellsTheParentTheRowAndColumn)
{
    AddRows(3);
    Click(CellPoint(1, 0));
    EXPECT_EQ(m_list.GetCheckbox(1, 0), 1);
    EXPECT_EQ(Take(), (EventLog{"checked:1:0", "click:1"}));
    EXPECT_EQ(m_list.GetCurSel(), 1);
    Click(CellPoint(1, 0));
    EXPECT_EQ(m_list.GetCheckbox(1, 0), 0);
    EXPECT_EQ(Take(), (EventLog{"checked:1:0", "click:1"}));
    // The name column has no box: the click only selects.
    Click(CellPoint(2, 1));
    EXPECT_EQ(m_list.GetCheckbox(2, 0), 0);
    EXPECT_EQ(Take(), (EventLog{"click:2"}));
    EXPECT_EQ(m_list.GetCurSel(), 2);
}

TEST_F(XListCtrlTest, RowWithADisabledFirstCellIgnoresClicks)
{
    AddRows(2);
    m_list.SetCurSel(0);
    ASSERT_TRUE(m_list.SetEnabled(1, FALSE));
    EXPECT_FALSE(m_list.GetEnabled(1));
    Click(CellPoint(1, 0));
    EXPECT_EQ(m_list.GetCheckbox(1, 0), 0);
    EXPECT_EQ(m_list.GetCurSel(), 0);
    EXPECT_TRUE(Take().empty());
}

TEST_F(XListCtrlTest, HeaderBoxFollowsTheColumnAndSetsItWhenClicked)
{
    AddRows(3);
    CXHeaderCtrl* pHeader = m_list.GetXHeaderCtrl();
    ASSERT_TRUE(pHeader->SetItemImage(0, CXHeaderCtrl::kUnchecked));
    m_list.SetCheckbox(0, 0, 1);
    m_list.SetCheckbox(1, 0, 1);
    EXPECT_EQ(pHeader->GetItemImage(0), CXHeaderCtrl::kUnchecked);
    Click(CellPoint(2, 0));  // the last unchecked row
    EXPECT_EQ(pHeader->GetItemImage(0), CXHeaderCtrl::kChecked);
    m_list.SetCheckbox(0, 0, 0);
    EXPECT_EQ(pHeader->GetItemImage(0), CXHeaderCtrl::kUnchecked);

    // A click on the header box checks every box of the column, and leaves cells without one.
    m_list.SetCheckbox(2, 0, -1);
    ClickHeader(0);
    EXPECT_EQ(pHeader->GetItemImage(0), CXHeaderCtrl::kChecked);
    EXPECT_EQ(m_list.GetCheckbox(0, 0), 1);
    EXPECT_EQ(m_list.GetCheckbox(1, 0), 1);
    EXPECT_EQ(m_list.GetCheckbox(2, 0), -1);
    ClickHeader(0);
    EXPECT_EQ(m_list.GetCheckbox(0, 0), 0);
    EXPECT_EQ(m_list.GetCheckbox(1, 0), 0);
    // A column without a header box is left alone.
    ClickHeader(1);
    EXPECT_EQ(pHeader->GetItemImage(1), 0);
}

TEST_F(XListCtrlTest, CellTipsAnswerWithTheirToolId)
{
    AddRows(3);
    CString strTip;
    EXPECT_EQ(m_list.CellToolHitTest(CellPoint(2, 1), strTip), -1);  // no tip set
    ASSERT_TRUE(m_list.SetItemToolTipText(2, 1, CString(_T('x'), 100)));
    EXPECT_EQ(m_list.CellToolHitTest(CellPoint(2, 1), strTip), 1 + 2 * 1000 + 1);
    EXPECT_EQ(strTip.GetLength(), CXListCtrl::kMaxToolTip);
    EXPECT_EQ(m_list.CellToolHitTest(CPoint(250, 30), strTip), -1);  // beyond the columns
    // The mouse resting on a cell shows its tip.
    EXPECT_EQ(m_list.ToolTipTextAt(CellPoint(2, 1)), CString(_T('x'), CXListCtrl::kMaxToolTip));
    EXPECT_TRUE(m_list.ToolTipTextAt(CellPoint(1, 1)).IsEmpty());
}

// A combo cell in row 0, column 1 holding "two" of "one", "two", "three".
class XListComboTest : public XListCtrlTest {
protected:
    void SetUp() override
    {
        XListCtrlTest::SetUp();
        AddRows(2);
        ASSERT_TRUE(m_list.SetComboBox(0, 1, TRUE, {_T("one"), _T("two"), _T("three")}));
        m_list.SetItemText(0, 1, _T("two"));
        ::SetCursorPos(-1000, -1000);  // away from the drop-down list
    }
    CXComboList* Open()
    {
        CRect rectButton;
        EXPECT_TRUE(m_list.GetComboButtonRect(0, 1, rectButton));
        Click(rectButton.CenterPoint());
        return m_list.GetComboList();
    }
    // Lets the test clock run and delivers the timers that fell due.
    void Wait(UINT nMilliseconds)
    {
        m_clock.Advance(nMilliseconds);
        m_thread.PumpPending();
    }
    void Key(CXComboList* pList, UINT nKey)
    {
        pList->SendMessage(WM_KEYDOWN, nKey, 1);
        Wait(CXListCtrl::kComboDelay);
    }
    CString Text() const { return m_list.GetComboText(0, 1); }
    EventLog Combos() { return std::exchange(m_parent.m_combos, {}); }
};

TEST_F(XListComboTest, TheDropButtonOpensTheStringsUnderTheCell)
{
    CRect rectButton;
    ASSERT_TRUE(m_list.GetComboButtonRect(0, 1, rectButton));
    EXPECT_EQ(rectButton,
              CRect(160 - CListCtrl::kRowHeight, rectButton.top, 160, rectButton.top + CListCtrl::kRowHeight));
    Click(CellPoint(0, 1));  // beside the button
    EXPECT_EQ(m_list.GetComboList(), nullptr);

    CFont font;
    font.CreatePointFont(90, _T("Arial"));
    m_list.SetFont(&font);
    CXComboList* pList = Open();
    ASSERT_NE(pList, nullptr);
    EXPECT_EQ(pList->GetSelectedText(), CString(_T("two")));
    EXPECT_EQ(pList->GetFont(), &font);
    CRect rectList;
    pList->GetWindowRect(rectList);
    CRect rectCell(60, rectButton.top, 160, rectButton.bottom);
    m_list.ClientToScreen(rectCell);
    EXPECT_EQ(rectList, CRect(rectCell.left, rectCell.bottom, rectCell.right,
                              rectCell.bottom + 10 * CListCtrl::kRowHeight - 2));
    EXPECT_EQ(CWnd::GetFocus(), pList);
    EXPECT_EQ(m_list.GetCurSel(), 0);
    // The button again closes it.
    Click(rectButton.CenterPoint());
    EXPECT_EQ(m_list.GetComboList(), nullptr);
    m_list.SetFont(nullptr, FALSE);  // the font goes before the list
}

TEST_F(XListComboTest, KeysMoveTheSelectionAndTheListActsAfterItsDelay)
{
    struct Case {
        const char* name;
        std::vector<UINT> keys;
        const TCHAR* pszText;
        bool bOpen;
        EventLog events;
    };
    const Case cases[] = {
        {"a navigation key shows the text and stays open", {VK_DOWN}, _T("three"), true, {}},
        {"letters find the next item starting with them", {'O', 'T'}, _T("two"), true, {}},
        {"Home and End", {VK_END, VK_HOME}, _T("one"), true, {}},
        {"Enter takes the text and tells the parent", {VK_UP, VK_RETURN}, _T("one"), false, {"combo:0:1"}},
        {"Escape puts the earlier text back", {VK_DOWN, VK_ESCAPE}, _T("two"), false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_list.SetItemText(0, 1, _T("two"));
        CXComboList* pList = Open();
        ASSERT_NE(pList, nullptr);
        for (UINT nKey : c.keys)
            Key(pList, nKey);
        EXPECT_EQ(Text(), CString(c.pszText));
        EXPECT_EQ(m_list.GetComboList() != nullptr, c.bOpen);
        EXPECT_EQ(Combos(), c.events);
        Click(CPoint(250, 150));  // below the rows: closes what is still open
    }
}

TEST_F(XListComboTest, TheScrollBarScrollsWithoutChoosing)
{
    std::vector<CString> strings;
    for (TCHAR ch = 'a'; ch <= 'z'; ++ch)
        strings.push_back(CString(ch));
    m_list.SetComboBox(0, 1, TRUE, strings);
    CXComboList* pList = Open();
    const CRect bar = pList->ScrollBarRect();
    ASSERT_EQ(bar.Width(), CXComboList::kScrollBarWidth);
    auto press = [&](CPoint point) {
        pList->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MakePointLParam(point));
        pList->SendMessage(WM_LBUTTONUP, 0, MakePointLParam(point));
        Wait(CXListCtrl::kComboDelay);
    };
    press(CPoint(bar.left + 5, bar.bottom - 5));  // the down arrow
    EXPECT_EQ(pList->GetTopIndex(), 1);
    press(CPoint(bar.left + 5, bar.bottom - CXComboList::kScrollBarWidth - 2));  // the track below the thumb
    EXPECT_EQ(pList->GetTopIndex(), 1 + 9);  // a page of the nine rows shown
    EXPECT_EQ(m_list.GetComboList(), pList);
    EXPECT_EQ(Text(), CString(_T("two")));
    press(CPoint(10, 3));  // the top row shown
    EXPECT_EQ(Text(), CString(_T("k")));
    // The thumb dragged down past the bar shows the last rows.
    pList = Open();
    pList->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MakePointLParam(CPoint(bar.left + 5, bar.top + 40)));
    pList->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MakePointLParam(CPoint(bar.left + 5, bar.bottom + 40)));
    EXPECT_EQ(pList->GetTopIndex(), 26 - 9);
}

TEST_F(XListComboTest, DeletingARowClosesTheDropDownListAndLeavesTheOthers)
{
    Key(Open(), VK_DOWN);
    ASSERT_TRUE(m_list.DeleteItem(0));
    EXPECT_EQ(m_list.GetComboList(), nullptr);
    Wait(CXListCtrl::kComboDelay);
    EXPECT_EQ(m_list.GetItemText(0, 1), CString(_T("b")));
}

TEST_F(XListComboTest, TheMouseSelectsWhatItRestsOnAndTheReleaseTakesIt)
{
    CXComboList* pList = Open();
    CPoint point(10, CListCtrl::kRowHeight * 2 + 3);  // over "three"
    pList->ClientToScreen(&point);
    ::SetCursorPos(point.x, point.y);
    Wait(CXComboList::kHoverInterval);
    EXPECT_EQ(pList->GetSelectedText(), CString(_T("three")));
    EXPECT_EQ(Text(), CString(_T("two")));
    // A key's choice stays while the mouse rests there.
    Key(pList, VK_UP);
    Wait(CXComboList::kHoverInterval);
    EXPECT_EQ(pList->GetSelectedText(), CString(_T("two")));
    pList->SendMessage(WM_LBUTTONUP, 0, MakePointLParam(CPoint(10, 3)));
    Wait(CXListCtrl::kComboDelay - 1);
    EXPECT_EQ(Text(), CString(_T("two")));  // not before the delay ends
    Wait(1);
    EXPECT_EQ(Text(), CString(_T("one")));
    EXPECT_EQ(m_list.GetComboList(), nullptr);
    EXPECT_EQ(Combos(), EventLog({"combo:0:1"}));
}

TEST_F(XListComboTest, LeavingTheDropDownListOrPressingElsewherePutsTheTextBack)
{
    CXComboList* pList = Open();
    Key(pList, VK_DOWN);
    m_parent.SetFocus();
    Wait(CXListCtrl::kComboDelay);
    EXPECT_EQ(m_list.GetComboList(), nullptr);
    EXPECT_EQ(Text(), CString(_T("two")));

    Key(Open(), VK_UP);
    Click(CellPoint(1, 1));
    EXPECT_EQ(m_list.GetComboList(), nullptr);
    EXPECT_EQ(Text(), CString(_T("two")));
    EXPECT_EQ(m_list.GetCurSel(), 1);
    Wait(CXListCtrl::kComboDelay);
    EXPECT_EQ(Combos(), EventLog());
}

class XListCtrlPaintTest : public XListCtrlTest {
protected:
    // Paints the list and returns its texts, joined by '|'.
    std::u16string Paint()
    {
        m_pixels.Fill(CRect(0, 0, 300, 200), CRect(0, 0, 300, 200), RGB(1, 2, 3));
        RecordingSurface surface(m_pixels, DeviceCaps{});
        CDC dc(surface);
        m_list.PaintInto(dc);
        m_surfaceRecords = surface.Records();
        std::u16string texts;
        for (const RecordingSurface::Record& record : surface.Records()) {
            if (record.kind == RecordingSurface::Kind::Text)
                texts += (texts.empty() ? u"" : u"|") + record.text;
        }
        return texts;
    }
    PixelBuffer m_pixels{300, 200};
    std::vector<RecordingSurface::Record> m_surfaceRecords;
};

// A progress cell shows a bar filled to its percent with the percent or its message on it;
// only a progress cell takes a percent, and the cell shows its text again when it stops.
TEST_F(XListCtrlPaintTest, AProgressCellShowsABarFilledToItsPercent)
{
    AddRows(2);
    EXPECT_FALSE(m_list.UpdateProgress(0, 1, 50));
    EXPECT_FALSE(m_list.SetProgress(2, 1));
    ASSERT_TRUE(m_list.SetProgress(0, 1));
    ASSERT_TRUE(m_list.UpdateProgress(0, 1, 50));
    EXPECT_EQ(Paint(), u"50%|b");
    // Column 1 starts at 60 and is 100 wide: the inside of the bar runs from 62 to 158.
    const int y = CHeaderCtrl::kDefaultHeight + CListCtrl::kRowHeight / 2;
    EXPECT_EQ(m_pixels.GetPixel(64, y), kColorHighlight);
    EXPECT_EQ(m_pixels.GetPixel(150, y), kColorWindow);
    m_list.UpdateProgress(0, 1, 250);
    EXPECT_EQ(m_list.GetCell(0, 1)->nProgressPercent, 100);
    ASSERT_TRUE(m_list.SetProgress(1, 1, TRUE, _T("Saving")));
    EXPECT_EQ(Paint(), u"100%|Saving");
    ASSERT_TRUE(m_list.SetProgress(1, 1, FALSE));
    EXPECT_EQ(Paint(), u"100%");
    m_list.DeleteProgress(0, 1);
    m_list.DeleteProgress(1, 1);
    EXPECT_EQ(Paint(), u"a|b");
}

TEST_F(XListCtrlPaintTest, EmptyListSaysSoUnderItsHeader)
{
    const std::u16string texts = Paint();
    std::u16string joined;
    for (char16_t ch : texts)
        joined += ch == u'|' ? u' ' : ch;
    EXPECT_EQ(joined, std::u16string(CXListCtrl::kEmptyText));
    // The note's area starts 10 pixels below the header.
    EXPECT_EQ(m_pixels.GetPixel(150, CHeaderCtrl::kDefaultHeight + 10), kColorWindow);
}

TEST_F(XListCtrlPaintTest, BoxesSitNineInOrCentredAndTicksOnlyWhenChecked)
{
    AddRows(2);
    m_list.SetCheckbox(1, 0, 1);
    m_list.SetItemText(1, 0, _T("on"));
    m_list.SetCheckbox(0, 1, -1);
    const std::u16string texts = Paint();
    EXPECT_EQ(texts, u"a|on|b");
    const int nBox = CListCtrl::kRowHeight - 1;
    const int yRow0 = CHeaderCtrl::kDefaultHeight;
    const int yRow1 = yRow0 + CListCtrl::kRowHeight;
    // Row 0 has no text in its box cell: the box is centred in the 60-pixel column.
    const int xCentred = (60 - nBox) / 2;
    EXPECT_EQ(m_pixels.GetPixel(xCentred, yRow0), kColorBtnShadow);
    EXPECT_EQ(m_pixels.GetPixel(xCentred - 1, yRow0), kColorWindow);
    // Row 1 has its text: the box starts 9 pixels in.
    EXPECT_EQ(m_pixels.GetPixel(9, yRow1), kColorBtnShadow);
    EXPECT_EQ(m_pixels.GetPixel(8, yRow1), kColorWindow);
    // Only row 1's box is checked: its tick (two strokes, three times) is the only line work.
    int nLines = 0;
    for (const RecordingSurface::Record& record : m_surfaceRecords) {
        if (record.kind != RecordingSurface::Kind::Polyline)
            continue;
        ++nLines;
        for (const POINT& pt : record.points) {
            EXPECT_GE(pt.x, 9);
            EXPECT_LT(pt.x, 9 + nBox);
            EXPECT_GE(pt.y, yRow1);
            EXPECT_LT(pt.y, yRow1 + nBox);
        }
    }
    EXPECT_EQ(nLines, 2 * 3);
}

TEST_F(XListCtrlPaintTest, DisabledTextIsGreyAndSelectedPlainCellsHighlighted)
{
    AddRows(2);
    m_list.SetEnabled(0, FALSE);
    m_list.SetCurSel(1);
    m_pixels.Fill(CRect(0, 0, 300, 200), CRect(0, 0, 300, 200), RGB(1, 2, 3));
    RecordingSurface surface(m_pixels, DeviceCaps{});
    CDC dc(surface);
    m_list.PaintInto(dc);
    COLORREF crA = 0, crB = 0;
    for (const RecordingSurface::Record& record : surface.Records()) {
        if (record.kind == RecordingSurface::Kind::Text && record.text == u"a")
            crA = record.state.crText;
        if (record.kind == RecordingSurface::Kind::Text && record.text == u"b")
            crB = record.state.crText;
    }
    EXPECT_EQ(crA, kColorGrayText);
    EXPECT_EQ(crB, kColorHighlightText);
    EXPECT_EQ(m_pixels.GetPixel(100, CHeaderCtrl::kDefaultHeight + CListCtrl::kRowHeight + 1),
              kColorHighlight);
    // The box cell of the selected row keeps its own background.
    EXPECT_EQ(m_pixels.GetPixel(2, CHeaderCtrl::kDefaultHeight + CListCtrl::kRowHeight + 1),
              kColorWindow);
}

class CPaintedHeader : public CXHeaderCtrl {
public:
    void PaintInto(CDC& dc) { DrawXHeader(dc); }
};

TEST_F(XListCtrlTest, HeaderDrawsBlueTextsAndOnlyTheImagesAboveZero)
{
    CPaintedHeader header;
    ASSERT_TRUE(header.Create(WS_VISIBLE, CRect(0, 0, 300, 20), &m_parent, 1));
    CImageList images;
    ASSERT_TRUE(MakeHeaderCheckImages(images));
    header.SetImageList(&images);
    EXPECT_EQ(header.GetImageSize(), CSize(16, 16));
    for (int nItem = 0; nItem < 2; ++nItem) {
        HDITEM item = {};
        item.mask = HDI_TEXT | HDI_WIDTH;
        item.cxy = 100;
        item.pszText = const_cast<LPTSTR>(nItem == 0 ? _T("Save") : _T("File Name"));
        header.InsertItem(nItem, &item);
        header.SetItemImage(nItem, nItem == 0 ? CXHeaderCtrl::kNoCheckbox : CXHeaderCtrl::kChecked);
    }
    RecordingSurface surface(SIZE{300, 20});
    CDC dc(surface);
    header.PaintInto(dc);
    std::vector<std::u16string> texts;
    int nImagePixels = 0;
    for (const RecordingSurface::Record& record : surface.Records()) {
        if (record.kind == RecordingSurface::Kind::Text) {
            texts.push_back(record.text);
            EXPECT_EQ(record.state.crText, CXHeaderCtrl::kTextColour);
        }
        if (record.kind == RecordingSurface::Kind::SetPixel) {
            ++nImagePixels;
            EXPECT_GE(record.points.at(0).x, 100 + header.GetSpacing());  // in the second item
        }
    }
    EXPECT_EQ(texts, (std::vector<std::u16string>{u"Save", u"File Name"}));
    EXPECT_EQ(nImagePixels, 13 * 13);  // the checked box alone
}

TEST(XHeaderImagesTest, HeaderBitmapHoldsBlankUncheckedAndChecked)
{
    CImageList images;
    ASSERT_TRUE(MakeHeaderCheckImages(images));
    EXPECT_EQ(images.GetImageCount(), 3);
    EXPECT_EQ(images.GetImageSize(), CSize(16, 16));
    int nOpaque[3] = {};
    for (int nImage = 0; nImage < 3; ++nImage) {
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x)
                nOpaque[nImage] += images.GetImagePixel(nImage, x, y) != CLR_NONE;
        }
    }
    EXPECT_EQ(nOpaque[0], 0);
    EXPECT_EQ(nOpaque[1], 13 * 13);
    EXPECT_EQ(images.GetImagePixel(1, 7, 7), kColorWindow);
    EXPECT_EQ(nOpaque[2], 13 * 13);
    EXPECT_EQ(images.GetImagePixel(2, 6, 9), kColorWindowText);  // the tick's foot
}

}  // namespace
