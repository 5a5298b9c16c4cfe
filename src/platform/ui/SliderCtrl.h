// CSliderCtrl: the trackbar. Range (0..100 at first), position, line and page sizes and tick
// marks live in the object. The program's changes notify nobody; each move the user makes
// (keys, the view's drag or page clicks) reaches the parent as WM_HSCROLL (WM_VSCROLL for
// TBS_VERT) with its TB_ code, followed by TB_ENDTRACK, the slider window in lParam.
#pragma once

#include "platform/ui/ControlWnd.h"

#include <vector>

constexpr DWORD TBS_AUTOTICKS = 0x0001;
constexpr DWORD TBS_VERT = 0x0002;
constexpr DWORD TBS_HORZ = 0x0000;
constexpr DWORD TBS_TOP = 0x0004;
constexpr DWORD TBS_BOTH = 0x0008;
constexpr DWORD TBS_NOTICKS = 0x0010;

constexpr UINT TB_LINEUP = 0;
constexpr UINT TB_LINEDOWN = 1;
constexpr UINT TB_PAGEUP = 2;
constexpr UINT TB_PAGEDOWN = 3;
constexpr UINT TB_THUMBPOSITION = 4;
constexpr UINT TB_THUMBTRACK = 5;
constexpr UINT TB_TOP = 6;
constexpr UINT TB_BOTTOM = 7;
constexpr UINT TB_ENDTRACK = 8;

constexpr UINT TBM_GETPOS = WM_USER;
constexpr UINT TBM_GETRANGEMIN = WM_USER + 1;
constexpr UINT TBM_GETRANGEMAX = WM_USER + 2;
constexpr UINT TBM_SETTIC = WM_USER + 4;
constexpr UINT TBM_SETPOS = WM_USER + 5;
constexpr UINT TBM_SETRANGE = WM_USER + 6;
constexpr UINT TBM_SETRANGEMIN = WM_USER + 7;
constexpr UINT TBM_SETRANGEMAX = WM_USER + 8;
constexpr UINT TBM_CLEARTICS = WM_USER + 9;
constexpr UINT TBM_SETTICFREQ = WM_USER + 20;
constexpr UINT TBM_SETPAGESIZE = WM_USER + 21;
constexpr UINT TBM_GETPAGESIZE = WM_USER + 22;
constexpr UINT TBM_SETLINESIZE = WM_USER + 23;
constexpr UINT TBM_GETLINESIZE = WM_USER + 24;

class CSliderCtrl : public CControlWnd {
    DECLARE_DYNAMIC(CSliderCtrl)

public:
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    void SetRange(int nMin, int nMax, BOOL bRedraw = FALSE);
    void GetRange(int& nMin, int& nMax) const;
    int GetRangeMin() const { return m_nMin; }
    int GetRangeMax() const { return m_nMax; }
    void SetRangeMin(int nMin, BOOL bRedraw = FALSE) { SetRange(nMin, m_nMax, bRedraw); }
    void SetRangeMax(int nMax, BOOL bRedraw = FALSE) { SetRange(m_nMin, nMax, bRedraw); }
    // Held inside the range.
    void SetPos(int nPos);
    int GetPos() const { return m_nPos; }
    // These return the previous size.
    int SetLineSize(int nSize);
    int GetLineSize() const { return m_nLineSize; }
    int SetPageSize(int nSize);
    int GetPageSize() const { return m_nPageSize; }
    // A tick every nFreq positions from the minimum (TBS_AUTOTICKS), plus the ones set one by one.
    void SetTicFreq(int nFreq);
    int GetTicFreq() const { return m_nTicFreq; }
    BOOL SetTic(int nTic);
    void ClearTics(BOOL bRedraw = FALSE);
    std::vector<int> GetTicPositions() const;

    // The user moved the slider: TB_THUMBTRACK/TB_THUMBPOSITION go to nPos, the line, page
    // and end codes step from the current position.
    void UserMove(UINT nCode, int nPos = 0);

protected:
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void CopyStateFrom(CWnd& other) override;

private:
    void Report(UINT nCode);

    int m_nMin = 0;
    int m_nMax = 100;
    int m_nPos = 0;
    int m_nLineSize = 1;
    int m_nPageSize = 20;
    int m_nTicFreq = 1;
    std::vector<int> m_tics;
};
