#include "platform/ui/Dialog.h"

#include "platform/gdi/DC.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/DateTimeCtrl.h"
#include "platform/ui/Edit.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/ProgressCtrl.h"
#include "platform/ui/SliderCtrl.h"
#include "platform/ui/SpinButtonCtrl.h"
#include "platform/ui/Static.h"
#include "platform/ui/TabCtrl.h"
#include "platform/ui/TreeCtrl.h"
#include "platform/ui/UserException.h"
#include "platform/ui/WinThread.h"
#include "platform/ui/WindowPlacement.h"
#include "platform/ui/WndMessageMap.h"

#include <algorithm>
#include <memory>
#include <utility>

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

namespace {

CDialog::ModalLoopRunner& LoopRunner()
{
    static CDialog::ModalLoopRunner s_runner;
    return s_runner;
}

CDialog::DialogHook& Hook()
{
    static CDialog::DialogHook s_hook;
    return s_hook;
}

// A template item of a class the layer has no control for.
class CTemplateWnd : public CWnd {
protected:
    void PostNcDestroy() override { delete this; }
};

template <class T>
CWnd* MakeControl()
{
    auto* pControl = new T;
    pControl->SetAutoDelete(TRUE);
    return pControl;
}

struct ControlKind {
    LPCTSTR lpszClass;
    CWnd* (*pfnCreate)();
};

constexpr ControlKind kControlKinds[] = {
    {WC_BUTTON, &MakeControl<CButton>},     {WC_EDIT, &MakeControl<CEdit>},
    {WC_STATIC, &MakeControl<CStatic>},     {WC_COMBOBOX, &MakeControl<CComboBox>},
    {WC_LISTBOX, &MakeControl<CListBox>},   {UPDOWN_CLASS, &MakeControl<CSpinButtonCtrl>},
    {WC_TABCONTROL, &MakeControl<CTabCtrl>},
    {PROGRESS_CLASS, &MakeControl<CProgressCtrl>},
    {TRACKBAR_CLASS, &MakeControl<CSliderCtrl>},
    {DATETIMEPICK_CLASS, &MakeControl<CDateTimeCtrl>},
    {WC_LISTVIEW, &MakeControl<CListCtrl>},
    {WC_TREEVIEW, &MakeControl<CTreeCtrl>},
};

// The control's own visibility counts: in OnInitDialog the dialog itself is not shown yet.
bool IsShown(CWnd* pWnd) { return (pWnd->GetStyle() & WS_VISIBLE) != 0; }

bool IsTabStop(CWnd* pWnd)
{
    return (pWnd->GetStyle() & WS_TABSTOP) && IsShown(pWnd) && pWnd->IsWindowEnabled();
}

// The dialog's controls in tab order, those of child dialogs in their place.
void CollectControls(const CWnd* pParent, std::vector<CWnd*>& controls)
{
    for (CWnd* pChild = pParent->GetWindow(GW_CHILD); pChild;
         pChild = pChild->GetWindow(GW_HWNDNEXT)) {
        if ((pChild->GetExStyle() & WS_EX_CONTROLPARENT) && IsShown(pChild))
            CollectControls(pChild, controls);
        else
            controls.push_back(pChild);
    }
}

UINT DialogCode(CWnd* pWnd, MSG* pMsg = nullptr)
{
    return pWnd ? UINT(pWnd->SendMessage(WM_GETDLGCODE, 0, reinterpret_cast<LPARAM>(pMsg))) : 0;
}

}  // namespace

CWnd* AfxCreateTemplateControl(const DialogItemTemplate& item)
{
    for (const ControlKind& kind : kControlKinds) {
        if (item.strClass.CompareNoCase(kind.lpszClass) == 0)
            return kind.pfnCreate();
    }
    return new CTemplateWnd;
}

CModalState::CModalState(const CWnd* pDialog)
{
    for (CWnd* pWnd : CWnd::GetTopLevelWindows()) {
        if (pWnd != pDialog && pWnd->IsWindowEnabled()) {
            pWnd->EnableWindow(FALSE);
            m_disabled.push_back(pWnd);
        }
    }
}

CModalState::~CModalState()
{
    for (CWnd* pWnd : m_disabled) {
        if (IsWindow(pWnd))
            pWnd->EnableWindow(TRUE);
    }
}

CDialog::ModalLoopRunner CDialog::SetModalLoopRunner(ModalLoopRunner runner)
{
    return std::exchange(LoopRunner(), std::move(runner));
}

CDialog::DialogHook CDialog::SetDialogHook(DialogHook hook)
{
    return std::exchange(Hook(), std::move(hook));
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd)
{
}

// ---- creation ----

BOOL CDialog::CreateFromTemplate(const DialogTemplate& dialogTemplate, CWnd* pParentWnd)
{
    m_nPointSize = dialogTemplate.nPointSize;
    DWORD dwStyle = dialogTemplate.dwStyle;
    CRect rect(0, 0, dialogTemplate.size.cx, dialogTemplate.size.cy);
    MapDialogRect(rect);
    if (!(dwStyle & WS_CHILD)) {
        // Centred over the owner, as the window system places a dialog without DS_ABSALIGN
        // coordinates of its own.
        rect = AfxPlaceOverOwner(rect.Size(), pParentWnd);
    }
    if (!CreateEx(dialogTemplate.dwExStyle, WC_DIALOG, dialogTemplate.strCaption,
                  dwStyle & ~WS_VISIBLE, rect, pParentWnd, 0))
        return FALSE;
    for (const DialogItemTemplate& item : dialogTemplate.items) {
        CRect rectItem = item.rect;
        MapDialogRect(rectItem);
        CWnd* pControl = AfxCreateTemplateControl(item);
        if (!pControl->CreateEx(item.dwExStyle, item.strClass, item.strText,
                                item.dwStyle | WS_CHILD, rectItem, this, item.nID)) {
            delete pControl;
            DestroyWindow();
            return FALSE;
        }
        const UINT nAdd = item.strClass.CompareNoCase(WC_COMBOBOX) == 0  ? CB_ADDSTRING
                          : item.strClass.CompareNoCase(WC_LISTBOX) == 0 ? LB_ADDSTRING
                                                                          : 0;
        for (const CString& strItem : item.items) {
            if (nAdd)
                pControl->SendMessage(nAdd, 0, reinterpret_cast<LPARAM>(strItem.GetString()));
        }
    }
    m_nDefID = IDOK;
    if (dwStyle & WS_VISIBLE)
        ShowWindow(SW_SHOWNA);
    return TRUE;
}

void CDialog::InitDialogWindow()
{
    if (!SendMessage(WM_INITDIALOG, WParamFromWnd(GetNextDlgTabItem(nullptr))) || !IsWindow(this))
        return;
    // Looked up again: the handler may have replaced the first control (a DDX_Control subclass
    // makes a new window in its place) or changed the tab order.
    GotoDlgCtrl(GetNextDlgTabItem(nullptr));
}

BOOL CDialog::CreateDialogWindow(CWnd* pParentWnd, BOOL bModal)
{
    const DialogTemplate* pTemplate = AfxFindDialogTemplate(m_nIDTemplate);
    if (!pTemplate)
        return FALSE;
    DialogTemplate dialogTemplate = *pTemplate;
    if (bModal)
        dialogTemplate.dwStyle &= ~(WS_VISIBLE | WS_CHILD);
    if (!CreateFromTemplate(dialogTemplate, pParentWnd))
        return FALSE;
    InitDialogWindow();
    return IsWindow(this);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    m_nIDTemplate = nIDTemplate;
    if (pParentWnd)
        m_pParentWnd = pParentWnd;
    m_bModal = FALSE;
    return CreateDialogWindow(m_pParentWnd ? m_pParentWnd : AfxGetMainWnd(), FALSE);
}

INT_PTR CDialog::DoModal()
{
    CWnd* pParent = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
    if (pParent && !IsWindow(pParent))
        pParent = nullptr;
    if (pParent)
        pParent = pParent->GetTopLevelParent();
    // The owner and every other window of the program (modeless dialogs, floating bars, the
    // main window when the owner is another dialog) are disabled for the dialog's life, as the
    // framework's modal state does.
    auto pModal = std::make_unique<CModalState>(this);

    m_bModal = TRUE;
    m_bContinueModal = TRUE;
    m_nModalResult = -1;
    if (CreateDialogWindow(pParent, TRUE) && m_bContinueModal) {
        ShowWindow(SW_SHOW);
        // A modal dialog takes the activation even without a caption: it is where the user works.
        if (IsWindow(this) && GetActiveWindow() != this)
            SetActiveWindow(WA_ACTIVE);
        if (Hook())
            Hook()(*this);
        RunModalLoop();
    }
    // The owners come back before the dialog goes, so that the activation returns to them.
    pModal.reset();
    if (IsWindow(this))
        ShowWindow(SW_HIDE);
    DestroyWindow();
    m_bModal = FALSE;
    return m_nModalResult;
}

void CDialog::RunModalLoop()
{
    if (LoopRunner()) {
        LoopRunner()([this] { return m_bContinueModal && IsWindow(this); });
        return;
    }
    PumpHeadless();
}

void CDialog::PumpHeadless()
{
    CMessageQueue& queue = CMessageQueue::Get();
    while (m_bContinueModal && IsWindow(this)) {
        MSG msg;
        if (queue.Take(msg)) {
            if (msg.message == WM_QUIT) {
                // The application is closing: the dialog ends, and the quit stays for the
                // outer loop.
                PostQuitMessage(int(msg.wParam));
                m_nModalResult = -1;
                return;
            }
            if (CWinThread* pThread = AfxGetThread())
                pThread->RouteMessage(msg);
            else
                DispatchMessage(&msg);
            continue;
        }
        if (CWnd* pPaint = CWnd::FindWindowToPaint()) {
            pPaint->UpdateWindow();
            continue;
        }
        if (!queue.WaitForTimer()) {
            // Nothing is queued and no timer runs: nothing could ever end the dialog.
            m_nModalResult = -1;
            return;
        }
    }
}

void CDialog::EndDialog(int nResult)
{
    m_nModalResult = nResult;
    if (m_bModal)
        m_bContinueModal = FALSE;
    else if (IsWindow(this))
        ShowWindow(SW_HIDE);
}

// ---- handlers ----

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (CUserException* e) {
        // The user has been told; Fail left the focus on the control.
        e->Delete();
        return FALSE;
    }
    return TRUE;
}

LRESULT CDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case DM_GETDEFID:
        return MAKELONG(WORD(m_nDefID), DC_HASDEFID);
    case DM_SETDEFID:
        m_nDefID = UINT(wParam);
        return TRUE;
    case WM_NEXTDLGCTL:
        if (LOWORD(DWORD(lParam)))
            GotoDlgCtrl(WndFromParam(wParam));
        else
            GotoDlgCtrl(GetNextDlgTabItem(GetFocus(), wParam != 0));
        return 0;
    case WM_CLOSE:
        // Closing a dialog is its Cancel.
        PressButton(IDCANCEL);
        return 0;
    case WM_ERASEBKGND:
        // A dialog's window class brush is the button face, not the plain window's white.
        if (auto* pDC = reinterpret_cast<CDC*>(wParam)) {
            constexpr COLORREF kDialogFace = RGB(240, 240, 240);
            CRect rect;
            GetClientRect(rect);
            pDC->FillSolidRect(rect, kDialogFace);
            return TRUE;
        }
        return FALSE;
    case WM_SETFOCUS:
        // The focus goes on to the first control, as the window system's dialogs do.
        if (CWnd* pFirst = GetNextDlgTabItem(nullptr))
            pFirst->SetFocus();
        return 0;
    default:
        return CWnd::DefWindowProc(message, wParam, lParam);
    }
}

// ---- controls ----

CWnd* CDialog::GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious) const
{
    std::vector<CWnd*> controls;
    CollectControls(this, controls);
    if (bPrevious)
        std::reverse(controls.begin(), controls.end());
    const auto at = std::find(controls.begin(), controls.end(), pWndCtl);
    const std::size_t nStart = at == controls.end() ? 0 : std::size_t(at - controls.begin()) + 1;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        CWnd* pWnd = controls[(nStart + i) % controls.size()];
        if (IsTabStop(pWnd))
            return pWnd;
    }
    return nullptr;
}

CWnd* CDialog::GetNextDlgGroupItem(CWnd* pWndCtl, BOOL bPrevious) const
{
    if (!pWndCtl)
        return nullptr;
    // The group: from the window with WS_GROUP at or before pWndCtl up to the next one.
    CWnd* pFirst = pWndCtl;
    while (!(pFirst->GetStyle() & WS_GROUP) && pFirst->GetWindow(GW_HWNDPREV))
        pFirst = pFirst->GetWindow(GW_HWNDPREV);
    std::vector<CWnd*> group;
    for (CWnd* pWnd = pFirst; pWnd; pWnd = pWnd->GetWindow(GW_HWNDNEXT)) {
        if (pWnd != pFirst && (pWnd->GetStyle() & WS_GROUP))
            break;
        group.push_back(pWnd);
    }
    if (bPrevious)
        std::reverse(group.begin(), group.end());
    const auto at = std::find(group.begin(), group.end(), pWndCtl);
    const std::size_t nStart = std::size_t(at - group.begin()) + 1;
    for (std::size_t i = 0; i < group.size(); ++i) {
        CWnd* pWnd = group[(nStart + i) % group.size()];
        if (IsShown(pWnd) && pWnd->IsWindowEnabled())
            return pWnd;
    }
    return pWndCtl;
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    if (!IsWindow(pWndCtrl))
        return;
    pWndCtrl->SetFocus();
    if (DialogCode(pWndCtrl) & DLGC_HASSETSEL)
        pWndCtrl->SendMessage(EM_SETSEL, 0, -1);
}

void CDialog::NextDlgCtrl() const
{
    const_cast<CDialog*>(this)->SendMessage(WM_NEXTDLGCTL, 0, 0);
}

void CDialog::PrevDlgCtrl() const
{
    const_cast<CDialog*>(this)->SendMessage(WM_NEXTDLGCTL, 1, 0);
}

void CDialog::SetDlgItemText(int nID, LPCTSTR lpszString)
{
    if (CWnd* pWnd = GetDlgItem(nID))
        pWnd->SetWindowText(lpszString);
}

int CDialog::GetDlgItemText(int nID, CString& rString) const
{
    rString.Empty();
    if (CWnd* pWnd = GetDlgItem(nID))
        pWnd->GetWindowText(rString);
    return rString.GetLength();
}

void CDialog::SetDlgItemInt(int nID, UINT nValue, BOOL bSigned)
{
    CString strText;
    if (bSigned)
        strText.Format(_T("%d"), int(nValue));
    else
        strText.Format(_T("%u"), nValue);
    SetDlgItemText(nID, strText);
}

UINT CDialog::GetDlgItemInt(int nID, BOOL* lpTrans, BOOL bSigned) const
{
    CString strText;
    GetDlgItemText(nID, strText);
    strText.Trim();
    long long nValue = 0;
    bool bOk = !strText.IsEmpty();
    int i = 0;
    const bool bNegative = bSigned && bOk && strText[0] == '-';
    if (bNegative)
        i = 1;
    bOk = bOk && i < strText.GetLength();
    for (; bOk && i < strText.GetLength(); ++i) {
        const TCHAR ch = strText[i];
        bOk = ch >= '0' && ch <= '9';
        nValue = nValue * 10 + (ch - '0');
        bOk = bOk && nValue <= (bSigned ? 0x80000000LL : 0xFFFFFFFFLL);
    }
    if (bNegative)
        nValue = -nValue;
    bOk = bOk && (!bSigned || nValue <= 0x7FFFFFFFLL);
    if (lpTrans)
        *lpTrans = bOk;
    return bOk ? UINT(nValue) : 0;
}

void CDialog::CheckDlgButton(int nIDButton, UINT nCheck)
{
    if (CWnd* pWnd = GetDlgItem(nIDButton))
        pWnd->SendMessage(BM_SETCHECK, nCheck);
}

UINT CDialog::IsDlgButtonChecked(int nIDButton) const
{
    CWnd* pWnd = GetDlgItem(nIDButton);
    return pWnd ? UINT(pWnd->SendMessage(BM_GETCHECK)) : 0;
}

void CDialog::CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton)
{
    for (int nID = nIDFirstButton; nID <= nIDLastButton; ++nID)
        CheckDlgButton(nID, nID == nIDCheckButton ? BST_CHECKED : BST_UNCHECKED);
}

int CDialog::GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton) const
{
    for (int nID = nIDFirstButton; nID <= nIDLastButton; ++nID) {
        if (IsDlgButtonChecked(nID))
            return nID;
    }
    return 0;
}

// ---- keyboard ----

void CDialog::PressButton(UINT nID)
{
    CWnd* pButton = GetDlgItem(int(nID));
    if (pButton && !pButton->IsWindowEnabled())
        return;
    SendMessage(WM_COMMAND, MAKEWPARAM(WORD(nID), WORD(BN_CLICKED)), LParamFromWnd(pButton));
}

void CDialog::PressDefaultButton(CWnd* pFocus)
{
    if (pFocus && (DialogCode(pFocus) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) {
        static_cast<CButton*>(pFocus)->Click();
        return;
    }
    const DWORD dwDef = GetDefID();
    PressButton(HIWORD(dwDef) == DC_HASDEFID ? LOWORD(dwDef) : UINT(IDOK));
}

BOOL CDialog::IsDialogMessage(LPMSG lpMsg)
{
    CWnd* pTarget = lpMsg->hwnd;
    if (!IsWindow(pTarget) || (pTarget != this && !IsChild(pTarget)))
        return FALSE;
    if (lpMsg->message == WM_CHAR) {
        // The keys the dialog used on their way down give no characters.
        const UINT nChar = UINT(lpMsg->wParam);
        return (nChar == '\t' || nChar == '\r' || nChar == 0x1B) &&
               !(DialogCode(pTarget, lpMsg) & DLGC_WANTMESSAGE);
    }
    if (lpMsg->message != WM_KEYDOWN)
        return FALSE;
    const UINT nCode = DialogCode(pTarget, lpMsg);
    if (nCode & DLGC_WANTMESSAGE)
        return FALSE;
    switch (int(lpMsg->wParam)) {
    case VK_TAB:
        if (nCode & DLGC_WANTTAB)
            return FALSE;
        GotoDlgCtrl(GetNextDlgTabItem(GetFocus(), GetKeyState(VK_SHIFT) < 0));
        return TRUE;
    case VK_RETURN:
        PressDefaultButton(GetFocus());
        return TRUE;
    case VK_ESCAPE:
        PressButton(IDCANCEL);
        return TRUE;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: {
        if (nCode & DLGC_WANTARROWS)
            return FALSE;
        const bool bPrevious = lpMsg->wParam == WPARAM(VK_LEFT) || lpMsg->wParam == WPARAM(VK_UP);
        CWnd* pNext = GetNextDlgGroupItem(GetFocus(), bPrevious);
        if (pNext && pNext != GetFocus()) {
            GotoDlgCtrl(pNext);
            auto* pButton = dynamic_cast<CButton*>(pNext);
            if (pButton && pButton->ButtonType() == BS_AUTORADIOBUTTON)
                pButton->Click();
        }
        return TRUE;
    }
    default:
        return FALSE;
    }
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST)
        return FALSE;
    return IsDialogMessage(pMsg);
}
