#include "DialogTestSupport.h"

#include "platform/ui/TreeCtrl.h"

namespace {

constexpr UINT kTreeId = 1225;

// Records the tree's notifications with the items they name (by their text).
class CTreeOwner : public CWnd {
public:
    EventLog m_events;
    bool m_bRefuse = false;

protected:
    BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult) override
    {
        const auto* pHdr = reinterpret_cast<const NMHDR*>(lParam);
        const auto* pTree = reinterpret_cast<const NMTREEVIEW*>(lParam);
        auto* pCtrl = static_cast<CTreeCtrl*>(pHdr->hwndFrom);
        auto name = [&](HTREEITEM h) {
            return h ? std::string(pCtrl->GetItemText(h).ToUtf8()) : std::string("-");
        };
        switch (pHdr->code) {
        case TVN_SELCHANGING:
            *pResult = m_bRefuse;
            m_events.push_back("changing:" + name(pTree->itemOld.hItem) + ">" + name(pTree->itemNew.hItem));
            return TRUE;
        case TVN_SELCHANGED:
            m_events.push_back("changed:" + name(pTree->itemOld.hItem) + ">" +
                               name(pTree->itemNew.hItem) + ":" + std::to_string(pTree->action) +
                               ":" + std::to_string(pTree->itemNew.lParam));
            return TRUE;
        case TVN_DELETEITEM:
            m_events.push_back("deleted:" + name(pTree->itemOld.hItem));
            return TRUE;
        case UINT(NM_DBLCLK):
            m_events.push_back("dblclk:" + name(pCtrl->GetSelectedItem()));
            return TRUE;
        default:
            return FALSE;
        }
    }
};

class TreeCtrlTest : public OwnedControlsTest<CTreeOwner> {
protected:
    void SetUp() override
    {
        OwnedControlsTest::SetUp();
        ASSERT_TRUE(m_tree.Create(WS_VISIBLE | TVS_HASBUTTONS, CRect(0, 0, 150, 200), &m_owner, kTreeId));
        // The hardware page's shape: families with one firmware line each.
        int nData = 0;
        for (LPCTSTR lpszFamily : {_T("3X"), _T("4X"), _T("75X")}) {
            HTREEITEM hFamily = m_tree.InsertItem(lpszFamily);
            m_tree.SetItemData(hFamily, DWORD_PTR(nData++));
            HTREEITEM hLine = m_tree.InsertItem(_T("B1"), hFamily, TVI_LAST);
            m_tree.SetItemData(hLine, DWORD_PTR(nData++));
        }
        m_owner.m_events.clear();
    }
    std::vector<std::string> Siblings(HTREEITEM hFirst) const
    {
        std::vector<std::string> texts;
        for (HTREEITEM h = hFirst; h; h = m_tree.GetNextSiblingItem(h))
            texts.push_back(m_tree.GetItemText(h).ToUtf8());
        return texts;
    }

    CTreeCtrl m_tree;
};

TEST_F(TreeCtrlTest, InsertionOrderParentsAndData)
{
    HTREEITEM hRoot = m_tree.GetRootItem();
    EXPECT_EQ(Siblings(hRoot), (std::vector<std::string>{"3X", "4X", "75X"}));
    HTREEITEM h4X = m_tree.GetNextSiblingItem(hRoot);
    HTREEITEM hLine = m_tree.GetChildItem(h4X);
    EXPECT_EQ(m_tree.GetParentItem(hLine), h4X);
    EXPECT_EQ(m_tree.GetParentItem(h4X), nullptr);
    EXPECT_EQ(m_tree.GetItemData(hLine), DWORD_PTR(3));
    EXPECT_EQ(m_tree.GetCount(), 6u);

    m_tree.InsertItem(_T("5x"), TVI_ROOT, TVI_SORT);
    m_tree.InsertItem(_T("first"), TVI_ROOT, TVI_FIRST);
    m_tree.InsertItem(_T("after 4X"), TVI_ROOT, h4X);
    EXPECT_EQ(Siblings(m_tree.GetRootItem()),
              (std::vector<std::string>{"first", "3X", "4X", "after 4X", "5x", "75X"}));
    // A parent or a sibling that is not there inserts nothing.
    EXPECT_EQ(m_tree.InsertItem(_T("x"), hLine, h4X), nullptr);
    HTREEITEM hGone = m_tree.InsertItem(_T("gone"));
    m_tree.DeleteItem(hGone);
    EXPECT_EQ(m_tree.InsertItem(_T("x"), hGone), nullptr);
    EXPECT_FALSE(m_tree.SetItemText(hGone, _T("y")));
}

TEST_F(TreeCtrlTest, SelectionReportsOldAndNewItems)
{
    HTREEITEM h3X = m_tree.GetRootItem();
    HTREEITEM hLine = m_tree.GetChildItem(m_tree.GetNextSiblingItem(h3X));
    EXPECT_TRUE(m_tree.Select(h3X, TVGN_CARET));
    EXPECT_TRUE(m_tree.SelectItem(hLine));
    EXPECT_EQ(Take(), (EventLog{"changing:->3X", "changed:->3X:0:0", "changing:3X>B1",
                                "changed:3X>B1:0:3"}));
    EXPECT_EQ(m_tree.GetSelectedItem(), hLine);
    // Selecting an item shows it: its parent opens.
    EXPECT_TRUE(m_tree.GetItemState(m_tree.GetParentItem(hLine), TVIS_EXPANDED));
    EXPECT_TRUE(m_tree.GetItemState(hLine, TVIS_SELECTED));
    // The same item again reports nothing; a refusal keeps the caret.
    m_tree.SelectItem(hLine);
    EXPECT_TRUE(Take().empty());
    m_owner.m_bRefuse = true;
    EXPECT_FALSE(m_tree.SelectItem(h3X));
    EXPECT_EQ(m_tree.GetSelectedItem(), hLine);
}

TEST_F(TreeCtrlTest, UserInputNotifiesWithItsAction)
{
    HTREEITEM h3X = m_tree.GetRootItem();
    m_tree.UserSelect(h3X);
    m_tree.UserDoubleClick(h3X);
    EXPECT_EQ(Take(), (EventLog{"changing:->3X", "changed:->3X:1:0", "dblclk:3X"}));
    EXPECT_EQ(CWnd::GetFocus(), &m_tree);
    // Keys walk the visible items: Right opens, Down enters, Left goes back to the parent.
    m_tree.SendMessage(WM_KEYDOWN, VK_RIGHT);
    m_tree.SendMessage(WM_KEYDOWN, VK_DOWN);
    EXPECT_EQ(m_tree.GetSelectedItem(), m_tree.GetChildItem(h3X));
    m_tree.SendMessage(WM_KEYDOWN, VK_DOWN);
    EXPECT_EQ(m_tree.GetItemText(m_tree.GetSelectedItem()), CString(_T("4X")));
    m_tree.SendMessage(WM_KEYDOWN, VK_UP);
    m_tree.SendMessage(WM_KEYDOWN, VK_LEFT);
    EXPECT_EQ(m_tree.GetSelectedItem(), h3X);
    EXPECT_EQ(Take().back(), "changed:B1>3X:2:0");
}

TEST_F(TreeCtrlTest, DeletingTheCaretMovesTheSelectionFirst)
{
    HTREEITEM h4X = m_tree.GetNextSiblingItem(m_tree.GetRootItem());
    m_tree.SelectItem(m_tree.GetChildItem(h4X));
    Take();
    EXPECT_TRUE(m_tree.DeleteItem(h4X));
    EXPECT_EQ(Take(), (EventLog{"changing:B1>75X", "changed:B1>75X:0:4", "deleted:B1", "deleted:4X"}));
    EXPECT_EQ(m_tree.GetCount(), 4u);
    EXPECT_FALSE(m_tree.IsItem(h4X));
    EXPECT_TRUE(m_tree.DeleteAllItems());
    EXPECT_EQ(m_tree.GetSelectedItem(), nullptr);
    EXPECT_EQ(m_tree.GetRootItem(), nullptr);
}

}  // namespace
