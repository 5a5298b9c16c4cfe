#include "controls/DialogBar.h"

#include "platform/ui/Button.h"
#include "platform/ui/FrameIds.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/WndMessageMap.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(cdxCDynamicBarDlg, cdxCDynamicChildDlg)
IMPLEMENT_DYNAMIC(cdxCDynamicBar, CSizingControlBarCF)

BEGIN_MESSAGE_MAP(cdxCDynamicBarDlg, cdxCDynamicChildDlg)
    ON_WM_CLOSE()
    ON_MESSAGE(WM_NCHITTEST, OnNcHitTest)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(cdxCDynamicBar, CSizingControlBarCF)
    ON_WM_CREATE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

// The state an update handler gives a dialog control, shown on the control at once.
class CControlCmdUI : public CCmdUI {
public:
    explicit CControlCmdUI(CWnd& control)
    {
        m_nID = UINT(control.GetDlgCtrlID());
        m_pOther = &control;
    }
    void Enable(BOOL bOn) override
    {
        CCmdUI::Enable(bOn);
        m_pOther->EnableWindow(bOn);
    }
    void SetCheck(int nCheck) override
    {
        CCmdUI::SetCheck(nCheck);
        m_pOther->SendMessage(BM_SETCHECK, WPARAM(nCheck));
    }
    void SetText(LPCTSTR lpszText) override
    {
        CCmdUI::SetText(lpszText);
        m_pOther->SetWindowText(lpszText);
    }
};

}  // namespace

cdxCDynamicBarDlg::cdxCDynamicBarDlg(UINT nIDTemplate, DWORD dwFreedom, DWORD dwFlags)
    : cdxCDynamicChildDlg(nIDTemplate, nullptr, dwFreedom, dwFlags)
{
}

BOOL cdxCDynamicBarDlg::Create(CWnd* pParentWnd) { return CDialog::Create(m_nIDTemplate, pParentWnd); }

void cdxCDynamicBarDlg::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL)
{
    for (CWnd* pChild = GetWindow(GW_CHILD); pChild; pChild = pChild->GetWindow(GW_HWNDNEXT)) {
        // Labels carry no id (0) or the shared one of statics (-1, 0xFFFF).
        const int nID = pChild->GetDlgCtrlID();
        if (nID == 0 || nID == -1 || nID == 0xFFFF)
            continue;
        CControlCmdUI state(*pChild);
        if (OnCmdMsg(UINT(nID), CN_UPDATE_COMMAND_UI, &state, nullptr) || !pTarget)
            continue;
        state.DoUpdate(pTarget, FALSE);
    }
}

cdxCDynamicBar::cdxCDynamicBar(cdxCDynamicBarDlg* pDlg) : m_pDlg(pDlg) {}

cdxCDynamicBar::~cdxCDynamicBar()
{
    if (m_pDlg && IsWindow(m_pDlg.get()))
        m_pDlg->DestroyWindow();
}

CSize cdxCDynamicBar::NonClientMargins(UINT nDockBarID)
{
    // Measured on a roomy rectangle: the frame's parts are clamped to what an empty one holds.
    constexpr int kRoom = 1000;
    CRect rc(0, 0, kRoom, kRoom);
    NcCalcClient(rc, nDockBarID);
    return CSize(kRoom - rc.Width(), kRoom - rc.Height());
}

CSize cdxCDynamicBar::CalcContentSize()
{
    CRect rcContent(0, 0, 0, 0);
    if (m_pDlg && IsWindow(m_pDlg.get())) {
        for (CWnd* pChild = m_pDlg->GetWindow(GW_CHILD); pChild; pChild = pChild->GetWindow(GW_HWNDNEXT)) {
            if (!(pChild->GetStyle() & WS_VISIBLE))
                continue;
            CRect rc;
            pChild->GetWindowRect(rc);
            m_pDlg->ScreenToClient(rc);
            rcContent.right = std::max(rcContent.right, rc.right);
            rcContent.bottom = std::max(rcContent.bottom, rc.bottom);
        }
    }
    const CSize szMargins = NonClientMargins(AFX_IDW_DOCKBAR_TOP);
    return CSize(rcContent.right + szMargins.cx, rcContent.bottom + szMargins.cy);
}

int cdxCDynamicBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CSizingControlBarCF::OnCreate(lpCreateStruct) == -1)
        return -1;
    // The dialog fills the bar, which offers no edges of its own to drag.
    m_dwSCBStyle = (m_dwSCBStyle & ~SCBS_EDGEALL) | SCBS_SIZECHILD;
    if (!m_pDlg || !m_pDlg->Create(this))
        return -1;
    m_pDlg->ModifyFlags(0, cdxCDynamicLayoutEngine::flSWPCopyBits);
    // A bar template need not carry WS_VISIBLE: the dialog is the bar's whole inside, so it
    // shows whenever the bar does.
    m_pDlg->ShowWindow(SW_SHOWNA);
    const CSize szDlg = m_pDlg->GetMinSize();
    const CSize szHorz = NonClientMargins(AFX_IDW_DOCKBAR_TOP);
    const CSize szVert = NonClientMargins(AFX_IDW_DOCKBAR_LEFT);
    const CSize szFloat = NonClientMargins(AFX_IDW_DOCKBAR_FLOAT);
    m_szHorz = m_szMinHorz = CSize(szDlg.cx + szHorz.cx, szDlg.cy + szHorz.cy);
    m_szVert = m_szMinVert = CSize(szDlg.cx + szVert.cx, szDlg.cy + szVert.cy);
    m_szFloat = m_szMinFloat = CSize(szDlg.cx + szFloat.cx, szDlg.cy + szFloat.cy);
    SizeFirstChild();
    return 0;
}

void cdxCDynamicBar::OnDestroy()
{
    if (m_pDlg && IsWindow(m_pDlg.get()))
        m_pDlg->DestroyWindow();
    CSizingControlBarCF::OnDestroy();
}

void cdxCDynamicBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    if (m_pDlg && IsWindow(m_pDlg.get()))
        m_pDlg->OnUpdateCmdUI(pTarget, bDisableIfNoHndler);
    CSizingControlBarCF::OnUpdateCmdUI(pTarget, bDisableIfNoHndler);
}

BOOL cdxCDynamicBar::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (m_pDlg && IsWindow(m_pDlg.get()) && m_pDlg->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CSizingControlBarCF::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
