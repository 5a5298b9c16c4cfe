#include "platform/ui/SliderCtrl.h"

#include "platform/ui/KeyState.h"

#include <algorithm>
#include <utility>

IMPLEMENT_DYNAMIC(CSliderCtrl, CControlWnd)

BOOL CSliderCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(TRACKBAR_CLASS, nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

void CSliderCtrl::SetRange(int nMin, int nMax, BOOL)
{
    m_nMin = nMin;
    m_nMax = std::max(nMin, nMax);
    m_nPos = std::clamp(m_nPos, m_nMin, m_nMax);
    StateChanged();
}

void CSliderCtrl::GetRange(int& nMin, int& nMax) const
{
    nMin = m_nMin;
    nMax = m_nMax;
}

void CSliderCtrl::SetPos(int nPos)
{
    m_nPos = std::clamp(nPos, m_nMin, m_nMax);
    StateChanged();
}

int CSliderCtrl::SetLineSize(int nSize) { return std::exchange(m_nLineSize, nSize); }

int CSliderCtrl::SetPageSize(int nSize) { return std::exchange(m_nPageSize, nSize); }

void CSliderCtrl::SetTicFreq(int nFreq)
{
    m_nTicFreq = std::max(1, nFreq);
    StateChanged();
}

BOOL CSliderCtrl::SetTic(int nTic)
{
    if (nTic < m_nMin || nTic > m_nMax)
        return FALSE;
    m_tics.push_back(nTic);
    StateChanged();
    return TRUE;
}

void CSliderCtrl::ClearTics(BOOL)
{
    m_tics.clear();
    StateChanged();
}

std::vector<int> CSliderCtrl::GetTicPositions() const
{
    std::vector<int> tics = m_tics;
    if (GetStyle() & TBS_AUTOTICKS) {
        for (long long n = m_nMin; n <= m_nMax; n += m_nTicFreq)
            tics.push_back(int(n));
    }
    std::sort(tics.begin(), tics.end());
    tics.erase(std::unique(tics.begin(), tics.end()), tics.end());
    return tics;
}

void CSliderCtrl::Report(UINT nCode)
{
    CWnd* pOwner = GetOwner();
    if (!pOwner)
        return;
    const UINT nMessage = (GetStyle() & TBS_VERT) ? WM_VSCROLL : WM_HSCROLL;
    const WORD wPos = nCode == TB_THUMBPOSITION || nCode == TB_THUMBTRACK ? WORD(m_nPos) : 0;
    pOwner->SendMessage(nMessage, MAKEWPARAM(WORD(nCode), wPos), LParamFromWnd(this));
}

void CSliderCtrl::UserMove(UINT nCode, int nPos)
{
    long long nNew = m_nPos;
    switch (nCode) {
    case TB_LINEUP:
        nNew -= m_nLineSize;
        break;
    case TB_LINEDOWN:
        nNew += m_nLineSize;
        break;
    case TB_PAGEUP:
        nNew -= m_nPageSize;
        break;
    case TB_PAGEDOWN:
        nNew += m_nPageSize;
        break;
    case TB_TOP:
        nNew = m_nMin;
        break;
    case TB_BOTTOM:
        nNew = m_nMax;
        break;
    case TB_THUMBTRACK:
    case TB_THUMBPOSITION:
        nNew = nPos;
        break;
    default:
        return;
    }
    m_nPos = int(std::clamp<long long>(nNew, m_nMin, m_nMax));
    StateChanged();
    Report(nCode);
    // A drag in progress ends later, with its TB_THUMBPOSITION.
    if (nCode != TB_THUMBTRACK && IsWindow(this))
        Report(TB_ENDTRACK);
}

LRESULT CSliderCtrl::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_KEYDOWN:
        switch (int(wParam)) {
        case VK_LEFT:
        case VK_UP:
            UserMove(TB_LINEUP);
            break;
        case VK_RIGHT:
        case VK_DOWN:
            UserMove(TB_LINEDOWN);
            break;
        case VK_PRIOR:
            UserMove(TB_PAGEUP);
            break;
        case VK_NEXT:
            UserMove(TB_PAGEDOWN);
            break;
        case VK_HOME:
            UserMove(TB_TOP);
            break;
        case VK_END:
            UserMove(TB_BOTTOM);
            break;
        default:
            break;
        }
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case TBM_GETPOS:
        return m_nPos;
    case TBM_GETRANGEMIN:
        return m_nMin;
    case TBM_GETRANGEMAX:
        return m_nMax;
    case TBM_SETPOS:
        SetPos(int(lParam));
        return 0;
    case TBM_SETRANGE:
        SetRange(SHORT(LOWORD(DWORD(lParam))), SHORT(HIWORD(DWORD(lParam))));
        return 0;
    case TBM_SETRANGEMIN:
        SetRangeMin(int(lParam));
        return 0;
    case TBM_SETRANGEMAX:
        SetRangeMax(int(lParam));
        return 0;
    case TBM_SETTIC:
        return SetTic(int(lParam));
    case TBM_CLEARTICS:
        ClearTics();
        return 0;
    case TBM_SETTICFREQ:
        SetTicFreq(int(wParam));
        return 0;
    case TBM_SETPAGESIZE:
        return SetPageSize(int(lParam));
    case TBM_GETPAGESIZE:
        return m_nPageSize;
    case TBM_SETLINESIZE:
        return SetLineSize(int(lParam));
    case TBM_GETLINESIZE:
        return m_nLineSize;
    default:
        return CControlWnd::DefWindowProc(message, wParam, lParam);
    }
}

void CSliderCtrl::CopyStateFrom(CWnd& other)
{
    if (auto* pSlider = dynamic_cast<CSliderCtrl*>(&other)) {
        m_nMin = pSlider->m_nMin;
        m_nMax = pSlider->m_nMax;
        m_nPos = pSlider->m_nPos;
        m_nLineSize = pSlider->m_nLineSize;
        m_nPageSize = pSlider->m_nPageSize;
        m_nTicFreq = pSlider->m_nTicFreq;
        m_tics = pSlider->m_tics;
        StateChanged();
    }
}
