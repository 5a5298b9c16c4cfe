// CProgressCtrl: a bar filled to its position within its range (0..100 at first, step 10).
// Positions outside the range are held at its ends; stepping past the upper end starts again
// at the lower one, as the classic control does.
#pragma once

#include "platform/ui/ControlWnd.h"

constexpr DWORD PBS_SMOOTH = 0x01;
constexpr DWORD PBS_VERTICAL = 0x04;

constexpr UINT PBM_SETRANGE = WM_USER + 1;
constexpr UINT PBM_SETPOS = WM_USER + 2;
constexpr UINT PBM_DELTAPOS = WM_USER + 3;
constexpr UINT PBM_SETSTEP = WM_USER + 4;
constexpr UINT PBM_STEPIT = WM_USER + 5;
constexpr UINT PBM_SETRANGE32 = WM_USER + 6;
constexpr UINT PBM_GETRANGE = WM_USER + 7;
constexpr UINT PBM_GETPOS = WM_USER + 8;

class CProgressCtrl : public CControlWnd {
    DECLARE_DYNAMIC(CProgressCtrl)

public:
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    void SetRange(short nLower, short nUpper) { SetRange32(nLower, nUpper); }
    void SetRange32(int nLower, int nUpper);
    void GetRange(int& nLower, int& nUpper) const;
    // These return the previous position.
    int SetPos(int nPos);
    int OffsetPos(int nPos);
    int StepIt();
    int GetPos() const { return m_nPos; }
    int SetStep(int nStep);

protected:
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void CopyStateFrom(CWnd& other) override;

private:
    int Move(int nPos);

    int m_nLower = 0;
    int m_nUpper = 100;
    int m_nPos = 0;
    int m_nStep = 10;
};
