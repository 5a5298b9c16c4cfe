// The right-button menu of the diagram: menu 141 holds six popups, and what the last right press
// hit (and how much is selected) chooses one.
#include "editor/VetlaView.h"

#include "blocks/BlockConnector.h"
#include "blocks/BlockObj.h"
#include "blocks/ConnectLineObj.h"
#include "editor/CommandIds.h"
#include "editor/DiagramEditHelpers.h"
#include "platform/ui/FrameIds.h"
#include "platform/ui/Menu.h"

#include <initializer_list>

namespace {

// The popups of menu 141, by position.
enum ContextPopup {
    POPUP_EDIT = 0,          // a block or comment: Properties, Cut, Copy, Delete, Select All
    POPUP_EDIT_MANY = 1,     // several objects selected: Cut, Copy, Delete, Select All
    POPUP_EMPTY = 2,         // nothing hit: Selection, Paste, Select All
    POPUP_WIRE = 3,          // a wire: Separate, Delete, Select All
    POPUP_JOIN = 4,          // a wire into a connector: Join, Delete, Select All
    POPUP_CONNECTOR = 5,     // a connector: Go To Partner, Join, Delete, Select All
};

constexpr MenuResourceItem kItemProperties{0, ID_EDIT_BLOCK_PROPERTIES, _T("Pr&operties...")};
constexpr MenuResourceItem kItemCut{0, ID_EDIT_CUT, _T("Cu&t\tCtrl+X")};
constexpr MenuResourceItem kItemCopy{0, ID_EDIT_COPY, _T("&Copy\tCtrl+C")};
constexpr MenuResourceItem kItemDelete{0, ID_EDIT_CLEAR, _T("&Delete\tDelete")};
constexpr MenuResourceItem kItemSelectAll{MF_END, ID_EDIT_SELECT_ALL, _T("Select &All\tCtrl+A")};
constexpr MenuResourceItem kItemSelection{0, ID_EDIT_SELECTION, _T("Selection\tEscape")};
constexpr MenuResourceItem kItemPaste{0, ID_EDIT_PASTE, _T("&Paste\tCtrl+V")};
constexpr MenuResourceItem kItemSeparate{0, ID_WIRE_SEPARATE, _T("Seperate")};
constexpr MenuResourceItem kItemJoin{0, ID_WIRE_JOIN, _T("Join")};
constexpr MenuResourceItem kItemGoToPartner{0, ID_GOTO_PARTNER, _T("Go To Partner")};

void RegisterContextMenu()
{
    if (AfxHasMenuResource(IDR_CONTEXT_MENU))
        return;
    AfxRegisterMenuResource(IDR_CONTEXT_MENU, {
        {MF_POPUP, 0, _T("Edit")}, kItemProperties, kItemCut, kItemCopy, kItemDelete, kItemSelectAll,
        {MF_POPUP, 0, _T("Edit1")}, kItemCut, kItemCopy, kItemDelete, kItemSelectAll,
        {MF_POPUP, 0, _T("Edit2")}, kItemSelection, kItemPaste, kItemSelectAll,
        {MF_POPUP, 0, _T("Clip")}, kItemSeparate, kItemDelete, kItemSelectAll,
        {MF_POPUP, 0, _T("Join")}, kItemJoin, kItemDelete, kItemSelectAll,
        {MF_POPUP | MF_END, 0, _T("GoToPartner")}, kItemGoToPartner, kItemJoin, kItemDelete, kItemSelectAll,
    });
}

// The edit items the main frame draws itself.
void MakeOwnerDrawn(CMenu& popup)
{
    for (UINT nID : {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_CLEAR, ID_EDIT_PASTE}) {
        if (popup.GetMenuState(nID, MF_BYCOMMAND) == UINT(-1))
            continue;
        // The caption stays with the item for an owner that draws it, and for a menu that
        // cannot draw items of its own.
        CString strText;
        popup.GetMenuString(nID, strText, MF_BYCOMMAND);
        popup.ModifyMenu(nID, MF_BYCOMMAND | MF_OWNERDRAW, nID, strText);
    }
}

} // namespace

int CVetlaView::ChooseContextPopup()
{
    if (!m_hits.bBlock && !m_hits.bLine && !m_hits.bComment)
        return POPUP_EMPTY;
    if (m_selection.Blocks().GetCount() + m_selection.Lines().GetCount() + m_selection.Comments().GetCount() >= 2)
        return POPUP_EDIT_MANY;
    if (m_hits.bBlock) {
        if (!m_pCurBlock)
            return -1;
        if (!IsConnectorBlock(m_pCurBlock))
            return POPUP_EDIT;
        m_selection.Clear(SELECTION_LINES);
        m_pCurLine = nullptr;
        return POPUP_CONNECTOR;
    }
    if (m_hits.bComment)
        return m_pCurComment ? POPUP_EDIT : -1;
    if (!m_pCurLine)
        return -1;
    if (!IsConnectorBlock(m_pCurLine->m_pEndBlock))
        return POPUP_WIRE;
    m_selection.Clear(SELECTION_BLOCKS);
    m_pCurBlock = nullptr;
    return POPUP_JOIN;
}

void CVetlaView::OnContextMenu(CWnd*, CPoint point)
{
    m_wireTool.Tip().Hide();
    RegisterContextMenu();
    CMenu menu;
    if (!menu.LoadMenu(IDR_CONTEXT_MENU))
        return;
    const int nPopup = ChooseContextPopup();
    CMenu* pPopup = nPopup >= 0 ? menu.GetSubMenu(nPopup) : nullptr;
    if (!pPopup)
        return;
    MakeOwnerDrawn(*pPopup);
    // A menu asked for from the keyboard comes without a point: it opens at the last press.
    if (point.x == -1 && point.y == -1) {
        const CPoint ptScroll = GetScrollPosition();
        point = CPoint(int(float(m_ptContext.x) * GetZoom()) - ptScroll.x,
                       int(float(m_ptContext.y) * GetZoom()) - ptScroll.y);
        ClientToScreen(&point);
    }
    CWnd* pOwner = GetTopLevelParent();
    pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, pOwner ? pOwner : this);
}
