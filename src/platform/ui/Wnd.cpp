#include "platform/ui/Wnd.h"

#include "platform/gdi/DC.h"
#include "platform/ui/NativeWindow.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

const CWnd CWnd::wndTop;
const CWnd CWnd::wndBottom;
const CWnd CWnd::wndTopMost;
const CWnd CWnd::wndNoTopMost;

namespace {

// Live windows in creation order, and the top-level windows in z-order (top first).
std::vector<CWnd*>& LiveWindows()
{
    static std::vector<CWnd*> s_windows;
    return s_windows;
}

std::vector<CWnd*>& TopLevelWindows()
{
    static std::vector<CWnd*> s_windows;
    return s_windows;
}

IWindowBackend*& Backend()
{
    static IWindowBackend* s_pBackend = nullptr;
    return s_pBackend;
}

}  // namespace

void AfxSetWindowBackend(IWindowBackend* pBackend) { Backend() = pBackend; }
IWindowBackend* AfxGetWindowBackend() { return Backend(); }

UINT AfxGetWheelScrollLines()
{
    const IWindowBackend* pBackend = Backend();
    return pBackend ? pBackend->GetWheelScrollLines() : 3;
}

CWnd::CWnd() = default;

CWnd::~CWnd()
{
    if (m_hWnd) {
        // The window outlived its object's derived parts; take it down without calling back
        // into them.
        m_bDestroying = true;
        ReleaseStateOfSubtree();
        for (CWnd* pChild : std::vector<CWnd*>(m_children))
            pChild->DestroyWindow();
        FinishDestroy();
    }
}

std::vector<CWnd*> CWnd::GetTopLevelWindows() { return TopLevelWindows(); }

CWnd* CWnd::FromHandle(HWND hWnd) { return IsWindow(hWnd) ? hWnd : nullptr; }

BOOL IsWindow(HWND hWnd)
{
    if (!hWnd)
        return FALSE;
    const std::vector<CWnd*>& windows = LiveWindows();
    return std::find(windows.begin(), windows.end(), hWnd) != windows.end();
}

CWnd* CWnd::FindWindowToPaint()
{
    for (CWnd* pWnd : LiveWindows()) {
        if (!pWnd->m_rectUpdate.IsRectEmpty() && pWnd->IsWindowVisible())
            return pWnd;
    }
    return nullptr;
}

// ---- creation ----

BOOL CWnd::PreCreateWindow(CREATESTRUCT&) { return TRUE; }

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, nID, pContext);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                    DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd, nID, lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                    DWORD dwStyle, int x, int y, int nWidth, int nHeight, HWND hWndParent,
                    UINT nID, LPVOID lpParam)
{
    if (m_hWnd)
        return FALSE;
    CREATESTRUCT cs = {lpParam, nullptr, hWndParent, nHeight, nWidth, y, x, LONG(dwStyle),
                       lpszWindowName, lpszClassName, dwExStyle};
    if (!PreCreateWindow(cs))
        return FALSE;
    const DWORD dwFinalStyle = DWORD(cs.style);
    if ((dwFinalStyle & WS_CHILD) && !IsWindow(cs.hwndParent))
        return FALSE;

    m_strClassName = cs.lpszClass;
    m_strText = cs.lpszName;
    m_nID = nID;
    // Shown only after WM_CREATE, as the window system does.
    m_dwStyle = dwFinalStyle & ~WS_VISIBLE;
    m_dwExStyle = cs.dwExStyle;
    m_rectWindow = CRect(cs.x, cs.y, cs.x + cs.cx, cs.y + cs.cy);
    m_nShowState = SW_SHOWNORMAL;
    m_hWnd = this;
    LiveWindows().push_back(this);
    if (dwFinalStyle & WS_CHILD)
        LinkIntoTree(cs.hwndParent, nullptr);
    else
        LinkIntoTree(nullptr, cs.hwndParent ? cs.hwndParent->GetTopLevelParent() : nullptr);
    if (IWindowBackend* pBackend = AfxGetWindowBackend()) {
        m_pPeer = pBackend->CreatePeer(*this);
        SyncPeerGeometry();
        m_pPeer->SetText(m_strText);
        m_pPeer->SetEnabled(IsWindowEnabled());
        if (m_pParent)
            Restack(&wndBottom);
    }

    if (SendMessage(WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow();
        return FALSE;
    }
    const CRect rectClient = ClientInWindow();
    SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(WORD(rectClient.Width()),
                                                   WORD(rectClient.Height())));
    SendMessage(WM_MOVE, 0, MakePointLParam(m_rectWindow.TopLeft() + rectClient.TopLeft()));
    if (m_hWnd && (dwFinalStyle & WS_VISIBLE))
        ShowWindow((dwFinalStyle & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED : SW_SHOW);
    return m_hWnd != nullptr;
}

// ---- the tree ----

std::vector<CWnd*>* CWnd::SiblingList() const
{
    return m_pParent ? &m_pParent->m_children : &TopLevelWindows();
}

void CWnd::LinkIntoTree(CWnd* pParent, CWnd* pOwner)
{
    m_pParent = pParent;
    m_pOwner = pOwner;
    // A new child goes to the bottom of its siblings, so z-order (and tab order) is creation
    // order; a new top-level window goes on top.
    if (pParent)
        pParent->m_children.push_back(this);
    else
        TopLevelWindows().insert(TopLevelWindows().begin(), this);
}

void CWnd::UnlinkFromTree()
{
    std::erase(*SiblingList(), this);
    m_pParent = nullptr;
    m_pOwner = nullptr;
}

CWnd* CWnd::GetParent() const
{
    if (m_pParent)
        return m_pParent;
    return (m_dwStyle & WS_POPUP) ? m_pOwner : nullptr;
}

CWnd* CWnd::SetParent(CWnd* pWndNewParent)
{
    if (!m_hWnd || pWndNewParent == this || (pWndNewParent && IsChild(pWndNewParent)))
        return nullptr;
    CWnd* pOld = m_pParent;
    CWnd* pOwner = m_pOwner;
    std::erase(*SiblingList(), this);
    m_pParent = pWndNewParent;
    SiblingList()->insert(SiblingList()->begin(), this);
    if (!pWndNewParent)
        m_pOwner = pOwner;
    if (m_pPeer)
        m_pPeer->SetParent(pWndNewParent ? pWndNewParent->m_pPeer.get() : nullptr);
    SyncPeerGeometry();
    return pOld;
}

CWnd* CWnd::GetOwner() const { return m_pOwnerWnd ? m_pOwnerWnd : GetParent(); }

CWnd* CWnd::GetTopLevelParent() const
{
    const CWnd* pWnd = this;
    while (pWnd->m_pParent)
        pWnd = pWnd->m_pParent;
    return const_cast<CWnd*>(pWnd);
}

CWnd* CWnd::GetDlgItem(int nID) const
{
    for (CWnd* pChild : m_children) {
        if (pChild->m_nID == UINT(nID))
            return pChild;
    }
    return nullptr;
}

int CWnd::SetDlgCtrlID(int nID) { return int(std::exchange(m_nID, UINT(nID))); }

CWnd* CWnd::GetWindow(UINT nCmd) const
{
    if (nCmd == GW_CHILD)
        return m_children.empty() ? nullptr : m_children.front();
    if (nCmd == GW_OWNER)
        return m_pOwner;
    if (!m_hWnd)
        return nullptr;
    const std::vector<CWnd*>& siblings = *SiblingList();
    const auto it = std::find(siblings.begin(), siblings.end(), this);
    switch (nCmd) {
    case GW_HWNDFIRST:
        return siblings.front();
    case GW_HWNDLAST:
        return siblings.back();
    case GW_HWNDNEXT:
        return it + 1 != siblings.end() ? *(it + 1) : nullptr;
    case GW_HWNDPREV:
        return it != siblings.begin() ? *(it - 1) : nullptr;
    default:
        return nullptr;
    }
}

BOOL CWnd::IsChild(const CWnd* pWnd) const
{
    for (const CWnd* p = pWnd ? pWnd->m_pParent : nullptr; p; p = p->m_pParent) {
        if (p == this)
            return TRUE;
    }
    return FALSE;
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep)
{
    for (CWnd* pChild : std::vector<CWnd*>(m_children)) {
        if (!IsWindow(pChild))
            continue;
        pChild->SendMessage(message, wParam, lParam);
        if (bDeep && IsWindow(pChild))
            pChild->SendMessageToDescendants(message, wParam, lParam, TRUE);
    }
}

// ---- destruction ----

BOOL CWnd::DestroyWindow()
{
    if (!m_hWnd || m_bDestroying)
        return FALSE;
    ReleaseStateOfSubtree();
    CWnd* pHeir = nullptr;
    if (!m_pParent) {
        pHeir = HandOnActivation();
    } else if (!(m_dwExStyle & WS_EX_NOPARENTNOTIFY) && !m_pParent->m_bDestroying) {
        // The parent hears of a child going before the child's WM_DESTROY; a parent being
        // destroyed takes its children along and hears of none.
        m_pParent->SendMessage(WM_PARENTNOTIFY, MAKEWPARAM(WM_DESTROY, WORD(m_nID)),
                               reinterpret_cast<LPARAM>(this));
    }
    if (m_hWnd && !m_bDestroying)
        DestroyTree();
    ActivateNatively(pHeir);
    return TRUE;
}

void CWnd::DestroyTree()
{
    m_bDestroying = true;
    SendMessage(WM_DESTROY);
    // Owned top-level windows go with their owner.
    for (CWnd* pWnd : std::vector<CWnd*>(TopLevelWindows())) {
        if (pWnd->m_pOwner == this && IsWindow(pWnd) && !pWnd->m_bDestroying)
            pWnd->DestroyTree();
    }
    for (CWnd* pChild : std::vector<CWnd*>(m_children)) {
        if (IsWindow(pChild) && !pChild->m_bDestroying)
            pChild->DestroyTree();
    }
    FinishDestroy();
    SendMessage(WM_NCDESTROY);
    PostNcDestroy();   // may delete this
}

void CWnd::FinishDestroy()
{
    CMessageQueue::Get().RemoveWindow(this);
    DropInputState();
    for (CWnd* pWnd : TopLevelWindows()) {
        if (pWnd->m_pOwner == this)
            pWnd->m_pOwner = nullptr;
    }
    UnlinkFromTree();
    std::erase(LiveWindows(), this);
    m_pPeer.reset();
    m_pPaintDC.reset();
    m_hWnd = nullptr;
    m_bDestroying = false;
    m_bHiddenWithOwner = false;
    m_rectUpdate.SetRectEmpty();
    m_dwStyle &= ~WS_VISIBLE;
}

void CWnd::PostNcDestroy() {}

// ---- state ----

BOOL CWnd::ShowWindow(int nCmdShow)
{
    const BOOL bWasVisible = (m_dwStyle & WS_VISIBLE) != 0;
    if (!m_hWnd)
        return bWasVisible;
    // The program decides again: the owner's coming back shows nothing it hid meanwhile.
    m_bHiddenWithOwner = false;
    const bool bShow = nCmdShow != SW_HIDE;
    if (bShow && nCmdShow != SW_SHOWNA && nCmdShow != SW_SHOWNOACTIVATE) {
        const int nState = (nCmdShow == SW_SHOWMAXIMIZED)                            ? SW_SHOWMAXIMIZED
                           : (nCmdShow == SW_SHOWMINIMIZED || nCmdShow == SW_MINIMIZE ||
                              nCmdShow == SW_SHOWMINNOACTIVE)                        ? SW_SHOWMINIMIZED
                           : (nCmdShow == SW_SHOW)                                   ? m_nShowState
                                                                                     : SW_SHOWNORMAL;
        if (nState == SW_SHOWMAXIMIZED) {
            // A maximised child fills its parent's client area, a top-level window the screen's
            // work area. The layer sizes it itself: without a window manager nobody else would.
            CRect rectMax;
            if (m_pParent)
                m_pParent->GetClientRect(rectMax);
            else if (IWindowBackend* pBackend = AfxGetWindowBackend())
                rectMax = pBackend->GetWorkArea();
            m_nShowState = nState;
            if (m_pParent || !rectMax.IsRectEmpty())
                SetWindowPos(nullptr, rectMax.left, rectMax.top, rectMax.Width(), rectMax.Height(),
                             SWP_NOZORDER | SWP_NOACTIVATE);
        }
        m_nShowState = nState;
    }
    if (bool(bWasVisible) != bShow)
        SetVisibleState(bShow);
    // A captioned top-level window shown for the user becomes the active one.
    const bool bActivate = bShow && nCmdShow != SW_SHOWNA && nCmdShow != SW_SHOWNOACTIVATE &&
                           nCmdShow != SW_SHOWMINNOACTIVE && nCmdShow != SW_MINIMIZE;
    if (bActivate && m_hWnd && !m_pParent && (m_dwStyle & WS_CAPTION) == WS_CAPTION && IsInputEnabled())
        SetActiveWindow(WA_ACTIVE);
    return bWasVisible;
}

// Hidden as the program hides it: the activation passes on to the owner, and the owner's
// handler learns from the popup's state that the user did not turn away from it.
void CWnd::ShowWithOwner(BOOL bOwnerShown)
{
    if (!m_hWnd)
        return;
    if (!bOwnerShown && (m_dwStyle & WS_VISIBLE)) {
        SetVisibleState(false);
        m_bHiddenWithOwner = true;
    } else if (bOwnerShown && m_bHiddenWithOwner) {
        m_bHiddenWithOwner = false;
        SetVisibleState(true);
    }
}

void CWnd::SetVisibleState(bool bVisible)
{
    SendMessage(WM_SHOWWINDOW, bVisible ? TRUE : FALSE, 0);
    if (!m_hWnd)
        return;
    CWnd* pHeir = nullptr;
    if (!bVisible) {
        // The focus and the capture do not stay in a window nobody can see.
        CWnd* pFocus = GetFocus();
        if (pFocus && (pFocus == this || IsChild(pFocus)))
            ::SetFocus(m_pParent);
        CWnd* pCapture = GetCapture();
        if (pCapture && (pCapture == this || IsChild(pCapture)))
            ReleaseCapture();
        m_dwStyle &= ~WS_VISIBLE;
        m_rectUpdate.SetRectEmpty();
        if (!m_pParent)
            pHeir = HandOnActivation();
    } else {
        m_dwStyle |= WS_VISIBLE;
    }
    if (m_pPeer && bVisible)
        SyncPeerSizeLimits();
    if (m_pPeer)
        m_pPeer->SetVisible(bVisible);
    ActivateNatively(pHeir);
    if (bVisible)
        Invalidate(TRUE);
}

BOOL CWnd::IsWindowVisible() const
{
    if (!m_hWnd)
        return FALSE;
    for (const CWnd* p = this; p; p = p->m_pParent) {
        if (!(p->m_dwStyle & WS_VISIBLE))
            return FALSE;
    }
    return TRUE;
}

BOOL CWnd::EnableWindow(BOOL bEnable)
{
    const BOOL bWasDisabled = !IsWindowEnabled();
    if (!m_hWnd || bool(bWasDisabled) == !bEnable)
        return bWasDisabled;
    if (bEnable) {
        m_dwStyle &= ~WS_DISABLED;
    } else {
        m_dwStyle |= WS_DISABLED;
        CWnd* pFocus = GetFocus();
        if (pFocus && (pFocus == this || IsChild(pFocus)))
            ::SetFocus(nullptr);
    }
    if (m_pPeer)
        m_pPeer->SetEnabled(bEnable != FALSE);
    SendMessage(WM_ENABLE, bEnable ? TRUE : FALSE, 0);
    return bWasDisabled;
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    const DWORD dwNew = (m_dwStyle & ~dwRemove) | dwAdd;
    if (dwNew == m_dwStyle)
        return FALSE;
    const DWORD dwChanged = dwNew ^ m_dwStyle;
    m_dwStyle = dwNew;
    if (m_pPeer) {
        if (dwChanged & WS_VISIBLE)
            m_pPeer->SetVisible((dwNew & WS_VISIBLE) != 0);
        if (dwChanged & WS_DISABLED)
            m_pPeer->SetEnabled((dwNew & WS_DISABLED) == 0);
    }
    if (dwChanged & (WS_BORDER | WS_DLGFRAME | WS_THICKFRAME))
        SyncPeerGeometry();
    if (nFlags)
        SetWindowPos(nullptr, 0, 0, 0, 0,
                     nFlags | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    const DWORD dwNew = (m_dwExStyle & ~dwRemove) | dwAdd;
    if (dwNew == m_dwExStyle)
        return FALSE;
    m_dwExStyle = dwNew;
    SyncPeerGeometry();
    if (nFlags)
        SetWindowPos(nullptr, 0, 0, 0, 0,
                     nFlags | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

void CWnd::SetWindowText(LPCTSTR lpszString)
{
    SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpszString));
}

int CWnd::GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const
{
    return int(const_cast<CWnd*>(this)->SendMessage(WM_GETTEXT, WPARAM(nMaxCount),
                                                    reinterpret_cast<LPARAM>(lpszStringBuf)));
}

void CWnd::GetWindowText(CString& rString) const
{
    const int nLength = GetWindowTextLength();
    LPTSTR pBuffer = rString.GetBufferSetLength(nLength + 1);
    const int nCopied = GetWindowText(pBuffer, nLength + 1);
    rString.ReleaseBuffer(nCopied);
}

int CWnd::GetWindowTextLength() const
{
    return int(const_cast<CWnd*>(this)->SendMessage(WM_GETTEXTLENGTH));
}

void CWnd::SetFont(CFont* pFont, BOOL bRedraw)
{
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(pFont), bRedraw);
}

CFont* CWnd::GetFont() const
{
    return reinterpret_cast<CFont*>(const_cast<CWnd*>(this)->SendMessage(WM_GETFONT));
}
