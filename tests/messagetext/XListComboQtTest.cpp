// The check-box list's combo cell under real mouse clicks: the drop button, an item of the
// drop-down list, and the list's cell taking it.
#include "controls/XListCtrl.h"

#include "platform/qt/QtPeerWidget.h"
#include "support/QtTestInput.h"


namespace {

// Counts the combo selections its list reports.
class CComboParent : public CWnd {
public:
    int m_nSelections = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_XLISTCTRL_COMBO_SELECTION && wParam == 0 && lParam == 1)
            ++m_nSelections;
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

using XListComboQtTest = QtControlsSuite;

// A real click at a client point of the window.
void ClickAt(const CWnd& wnd, CPoint point)
{
    auto* pPeer = qobject_cast<QtPeerWidget*>(QtWidgetOf(wnd));
    ASSERT_NE(pPeer, nullptr);
    QtClick(pPeer, pPeer->ClientRect().topLeft() + QPoint(point.x, point.y));
}

TEST_F(XListComboQtTest, AClickOnAnItemOfTheDropDownListTakesIt)
{
    CComboParent parent;
    ASSERT_TRUE(parent.Create(nullptr, u"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 290, 190), &m_top, 1));
    CXListCtrl list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT, CRect(0, 0, 280, 180), &parent, 1000));
    list.InsertColumn(0, _T("Save"), LVCFMT_LEFT, 60);
    list.InsertColumn(1, _T("File Name"), LVCFMT_LEFT, 120);
    list.InsertItem(0, _T("row"));
    list.SetItemText(0, 1, _T("two"));
    ASSERT_TRUE(list.SetComboBox(0, 1, TRUE, {_T("one"), _T("two"), _T("three")}));
    CRect rectButton;
    ASSERT_TRUE(list.GetComboButtonRect(0, 1, rectButton));

    ClickAt(list, rectButton.CenterPoint());
    CXComboList* pList = list.GetComboList();
    ASSERT_NE(pList, nullptr);
    EXPECT_EQ(pList->GetSelectedText(), CString(_T("two")));
    ClickAt(*pList, CPoint(20, 2 * CListCtrl::kRowHeight + 4));  // "three"
    EXPECT_TRUE(ProcessEventsUntil([&list] { return list.GetComboList() == nullptr; }));
    EXPECT_EQ(list.GetComboText(0, 1), CString(_T("three")));
    EXPECT_EQ(parent.m_nSelections, 1);
    list.DestroyWindow();
    parent.DestroyWindow();
}

}  // namespace
