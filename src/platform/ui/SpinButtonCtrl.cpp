#include "platform/ui/SpinButtonCtrl.h"

#include "platform/ui/DataExchange.h"
#include "platform/ui/WindowStyles.h"

#include <algorithm>
#include <utility>

IMPLEMENT_DYNAMIC(CSpinButtonCtrl, CControlWnd)

CString AfxSpinBuddyText(int nPos, bool bThousands)
{
    CString strDigits;
    strDigits.Format(_T("%d"), nPos);
    if (!bThousands)
        return strDigits;
    const bool bNegative = nPos < 0;
    const CString strAbs = bNegative ? strDigits.Mid(1) : strDigits;
    CString strText;
    for (int i = 0; i < strAbs.GetLength(); ++i) {
        if (i > 0 && (strAbs.GetLength() - i) % 3 == 0)
            strText += _T(',');
        strText += strAbs[i];
    }
    return bNegative ? _T("-") + strText : strText;
}

CSpinButtonCtrl* AfxSpinOf(const CWnd& buddy)
{
    const CWnd* pParent = buddy.GetParent();
    for (CWnd* pChild = pParent ? pParent->GetWindow(GW_CHILD) : nullptr; pChild;
         pChild = pChild->GetWindow(GW_HWNDNEXT)) {
        auto* pSpin = dynamic_cast<CSpinButtonCtrl*>(pChild);
        if (pSpin && pSpin->GetBuddy() == &buddy)
            return pSpin;
    }
    return nullptr;
}

CSpinButtonCtrl* AfxArrowKeysSpinOf(const CWnd& buddy)
{
    CSpinButtonCtrl* pSpin = AfxSpinOf(buddy);
    return pSpin && (pSpin->GetStyle() & UDS_ARROWKEYS) ? pSpin : nullptr;
}

BOOL CSpinButtonCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(UPDOWN_CLASS, nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

void CSpinButtonCtrl::SetRange(short nLower, short nUpper)
{
    SendMessage(UDM_SETRANGE, 0, MAKELPARAM(WORD(nUpper), WORD(nLower)));
}

void CSpinButtonCtrl::SetRange32(int nLower, int nUpper)
{
    SendMessage(UDM_SETRANGE32, WPARAM(nLower), LPARAM(nUpper));
}

void CSpinButtonCtrl::GetRange32(int& nLower, int& nUpper) const
{
    nLower = m_nLower;
    nUpper = m_nUpper;
}

int CSpinButtonCtrl::SetPos(int nPos) { return int(SendMessage(UDM_SETPOS32, 0, LPARAM(nPos))); }

int CSpinButtonCtrl::GetPos() const { return GetPos32(); }

int CSpinButtonCtrl::GetPos32(BOOL* lpbError) const
{
    return int(const_cast<CSpinButtonCtrl*>(this)->SendMessage(UDM_GETPOS32, 0,
                                                                reinterpret_cast<LPARAM>(lpbError)));
}

CWnd* CSpinButtonCtrl::SetBuddy(CWnd* pWndBuddy)
{
    return reinterpret_cast<CWnd*>(SendMessage(UDM_SETBUDDY, WParamFromWnd(pWndBuddy)));
}

bool CSpinButtonCtrl::ReadBuddy(int& nPos) const
{
    if (!(GetStyle() & UDS_SETBUDDYINT) || !IsWindow(m_pBuddy))
        return false;
    CString strText;
    m_pBuddy->GetWindowText(strText);
    strText.Remove(_T(','));
    long long nValue = 0;
    if (!AfxParseInteger(strText, std::min(m_nLower, m_nUpper), std::max(m_nLower, m_nUpper),
                         nValue))
        return false;
    nPos = int(nValue);
    return true;
}

void CSpinButtonCtrl::UpdateBuddy()
{
    if ((GetStyle() & UDS_SETBUDDYINT) && IsWindow(m_pBuddy))
        m_pBuddy->SetWindowText(AfxSpinBuddyText(m_nPos, !(GetStyle() & UDS_NOTHOUSANDS)));
}

void CSpinButtonCtrl::SetPosition(int nPos)
{
    m_nPos = std::clamp(nPos, std::min(m_nLower, m_nUpper), std::max(m_nLower, m_nUpper));
    StateChanged();
    UpdateBuddy();
}

void CSpinButtonCtrl::Step(int nDelta)
{
    int nPos = m_nPos;
    ReadBuddy(nPos);
    NMUPDOWN nm = {};
    nm.iPos = nPos;
    nm.iDelta = nDelta;
    if (NotifyOwner(nm.hdr, UDN_DELTAPOS) != 0 || !IsWindow(this))
        return;
    const int nMin = std::min(m_nLower, m_nUpper);
    const int nMax = std::max(m_nLower, m_nUpper);
    long long nNew = (long long)(nPos) + nm.iDelta;
    if (GetStyle() & UDS_WRAP) {
        if (nNew > nMax)
            nNew = nMin;
        else if (nNew < nMin)
            nNew = nMax;
    }
    SetPosition(int(std::clamp<long long>(nNew, nMin, nMax)));
    CWnd* pOwner = GetOwner();
    if (!pOwner || !IsWindow(this))
        return;
    const UINT nScroll = (GetStyle() & UDS_HORZ) ? WM_HSCROLL : WM_VSCROLL;
    pOwner->SendMessage(nScroll, MAKEWPARAM(SB_THUMBPOSITION, WORD(m_nPos)), LParamFromWnd(this));
    if (IsWindow(this))
        pOwner->SendMessage(nScroll, MAKEWPARAM(SB_ENDSCROLL, WORD(m_nPos)), LParamFromWnd(this));
}

void CSpinButtonCtrl::UserStep(int nSteps)
{
    // The up arrow moves towards the upper end of the range, whichever way round it is.
    const int nDirection = m_nUpper >= m_nLower ? 1 : -1;
    if (nSteps != 0)
        Step(nSteps * nDirection);
}

LRESULT CSpinButtonCtrl::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        if (GetStyle() & UDS_AUTOBUDDY)
            m_pBuddy = GetWindow(GW_HWNDPREV);
        return CControlWnd::DefWindowProc(message, wParam, lParam);
    case UDM_SETRANGE:
        m_nUpper = SHORT(LOWORD(DWORD(lParam)));
        m_nLower = SHORT(HIWORD(DWORD(lParam)));
        SetPosition(m_nPos);
        return 0;
    case UDM_GETRANGE:
        return MAKELONG(WORD(m_nUpper), WORD(m_nLower));
    case UDM_SETRANGE32:
        m_nLower = int(wParam);
        m_nUpper = int(lParam);
        SetPosition(m_nPos);
        return 0;
    case UDM_GETRANGE32:
        if (auto* pLower = reinterpret_cast<int*>(wParam))
            *pLower = m_nLower;
        if (auto* pUpper = reinterpret_cast<int*>(lParam))
            *pUpper = m_nUpper;
        return 0;
    case UDM_SETPOS:
    case UDM_SETPOS32: {
        const int nOld = m_nPos;
        SetPosition(message == UDM_SETPOS ? SHORT(LOWORD(DWORD(lParam))) : int(lParam));
        return nOld;
    }
    case UDM_GETPOS:
    case UDM_GETPOS32: {
        int nPos = m_nPos;
        const bool bRead = ReadBuddy(nPos);
        const bool bError = (GetStyle() & UDS_SETBUDDYINT) && IsWindow(m_pBuddy) && !bRead;
        if (bRead)
            m_nPos = nPos;
        if (message == UDM_GETPOS)
            return MAKELONG(WORD(m_nPos), WORD(bError ? 1 : 0));
        if (auto* pError = reinterpret_cast<BOOL*>(lParam))
            *pError = bError;
        return m_nPos;
    }
    case UDM_SETBUDDY: {
        CWnd* pOld = std::exchange(m_pBuddy, WndFromParam(wParam));
        UpdateBuddy();
        return reinterpret_cast<LRESULT>(pOld);
    }
    case UDM_GETBUDDY:
        return reinterpret_cast<LRESULT>(m_pBuddy);
    case WM_LBUTTONDOWN: {
        // The upper half is the up arrow (the right half of a horizontal control).
        CRect rect;
        GetClientRect(rect);
        const CPoint pt = PointFromLParam(lParam);
        const bool bUp = (GetStyle() & UDS_HORZ) ? pt.x >= rect.Width() / 2
                                                 : pt.y < rect.Height() / 2;
        UserStep(bUp ? 1 : -1);
        return 0;
    }
    default:
        return CControlWnd::DefWindowProc(message, wParam, lParam);
    }
}

void CSpinButtonCtrl::CopyStateFrom(CWnd& other)
{
    if (auto* pSpin = dynamic_cast<CSpinButtonCtrl*>(&other)) {
        m_nLower = pSpin->m_nLower;
        m_nUpper = pSpin->m_nUpper;
        m_nPos = pSpin->m_nPos;
        m_pBuddy = pSpin->m_pBuddy;
        StateChanged();
    }
}
