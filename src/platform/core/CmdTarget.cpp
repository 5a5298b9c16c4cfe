#include "platform/core/CmdTarget.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

namespace {

const AFX_MSGMAP_ENTRY kNoEntries[] = {{0, 0, 0, 0, nullptr, nullptr}};

}  // namespace

void CCmdUI::Enable(BOOL bOn)
{
    m_bEnabled = bOn ? TRUE : FALSE;
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck)
{
    m_nCheck = nCheck;
    m_bCheckChanged = TRUE;
}

void CCmdUI::SetRadio(BOOL bOn)
{
    m_bRadio = TRUE;
    SetCheck(bOn ? 1 : 0);
}

void CCmdUI::SetText(LPCTSTR lpszText)
{
    m_strText = lpszText;
    m_bTextChanged = TRUE;
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    m_bEnableChanged = FALSE;
    const BOOL bHandled = pTarget->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this, nullptr);
    if (!bHandled && bDisableIfNoHndler && !m_bEnableChanged) {
        AFX_CMDHANDLERINFO info;
        Enable(pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &info));
    }
    return bHandled;
}

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP messageMap = {nullptr, &kNoEntries[0]};
    return &messageMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const
{
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap;
         pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* p = pMap->lpEntries; p->pfn; ++p) {
            const UINT nEntryMessage = p->pnRegistered ? *p->pnRegistered : p->nMessage;
            if (nEntryMessage == nMessage && p->nCode == nCode && nID >= p->nID &&
                nID <= p->nLastID)
                return p;
        }
    }
    return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    UINT nMessage = WM_COMMAND;
    UINT nEntryCode = UINT(nCode);
    if (nCode != CN_UPDATE_COMMAND_UI) {
        // A notification carries its message in the high word; a command has none there.
        if (HIWORD(DWORD(nCode)) != 0)
            nMessage = HIWORD(DWORD(nCode));
        nEntryCode = LOWORD(DWORD(nCode));
    }
    const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(nMessage, nEntryCode, nID);
    if (!pEntry)
        return FALSE;
    if (pHandlerInfo) {
        pHandlerInfo->pTarget = this;
        pHandlerInfo->pEntry = pEntry;
        return TRUE;
    }
    AFX_MSGCALL call;
    call.nMessage = nMessage;
    call.nID = nID;
    call.pExtra = pExtra;
    if (nCode == CN_UPDATE_COMMAND_UI) {
        auto* pCmdUI = static_cast<CCmdUI*>(pExtra);
        pCmdUI->m_bContinueRouting = FALSE;
        pEntry->pfn(this, call);
        return !pCmdUI->m_bContinueRouting;
    }
    pEntry->pfn(this, call);
    return TRUE;
}
