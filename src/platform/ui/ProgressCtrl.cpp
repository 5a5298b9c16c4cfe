#include "platform/ui/ProgressCtrl.h"

#include <algorithm>
#include <utility>

IMPLEMENT_DYNAMIC(CProgressCtrl, CControlWnd)

BOOL CProgressCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(PROGRESS_CLASS, nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

int CProgressCtrl::Move(int nPos)
{
    const int nOld = std::exchange(m_nPos, std::clamp(nPos, std::min(m_nLower, m_nUpper),
                                                      std::max(m_nLower, m_nUpper)));
    if (m_nPos != nOld)
        StateChanged();
    return nOld;
}

void CProgressCtrl::SetRange32(int nLower, int nUpper)
{
    m_nLower = nLower;
    m_nUpper = nUpper;
    StateChanged();
    Move(m_nPos);
}

void CProgressCtrl::GetRange(int& nLower, int& nUpper) const
{
    nLower = m_nLower;
    nUpper = m_nUpper;
}

int CProgressCtrl::SetPos(int nPos) { return Move(nPos); }

int CProgressCtrl::OffsetPos(int nPos) { return Move(int(std::clamp<long long>(
    (long long)(m_nPos) + nPos, INT32_MIN, INT32_MAX))); }

int CProgressCtrl::StepIt()
{
    long long nNext = (long long)(m_nPos) + m_nStep;
    const int nLow = std::min(m_nLower, m_nUpper);
    const int nHigh = std::max(m_nLower, m_nUpper);
    // Past an end the bar starts again from the other one.
    if (nNext > nHigh)
        nNext = nLow + (nNext - nHigh);
    else if (nNext < nLow)
        nNext = nHigh - (nLow - nNext);
    return Move(int(std::clamp<long long>(nNext, nLow, nHigh)));
}

int CProgressCtrl::SetStep(int nStep) { return std::exchange(m_nStep, nStep); }

LRESULT CProgressCtrl::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case PBM_SETRANGE: {
        const LRESULT lOld = MAKELONG(WORD(m_nLower), WORD(m_nUpper));
        SetRange32(SHORT(LOWORD(DWORD(lParam))), SHORT(HIWORD(DWORD(lParam))));
        return lOld;
    }
    case PBM_SETRANGE32: {
        const LRESULT lOld = MAKELONG(WORD(m_nLower), WORD(m_nUpper));
        SetRange32(int(wParam), int(lParam));
        return lOld;
    }
    case PBM_GETRANGE:
        return wParam ? m_nLower : m_nUpper;
    case PBM_SETPOS:
        return SetPos(int(wParam));
    case PBM_DELTAPOS:
        return OffsetPos(int(wParam));
    case PBM_SETSTEP:
        return SetStep(int(wParam));
    case PBM_STEPIT:
        return StepIt();
    case PBM_GETPOS:
        return m_nPos;
    default:
        return CControlWnd::DefWindowProc(message, wParam, lParam);
    }
}

void CProgressCtrl::CopyStateFrom(CWnd& other)
{
    if (auto* pProgress = dynamic_cast<CProgressCtrl*>(&other)) {
        m_nLower = pProgress->m_nLower;
        m_nUpper = pProgress->m_nUpper;
        m_nPos = pProgress->m_nPos;
        m_nStep = pProgress->m_nStep;
        StateChanged();
    }
}
