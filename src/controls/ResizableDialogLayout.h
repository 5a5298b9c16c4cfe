// The layout engine of the resizable dialogs: every registered control keeps its first
// rectangle and four percentages that say how much of the window's growth (or shrinking) since
// the engine started moves each of its edges. The dialogs and the simulation bars mix it in;
// most of the bars' controls are made at run time and registered one by one.
#pragma once

#include "platform/core/Geometry.h"

#include <map>

class CWnd;

// One control's record.
struct cdxCDynamicPosition {
    CRect rcFirst;
    BYTE byLeft = 0;
    BYTE byTop = 0;
    BYTE byRight = 0;
    BYTE byBottom = 0;
    CSize szMin;
};

// The figures of one layout pass.
struct cdxCDynamicLayoutInfo {
    CSize szCurrent;
    CSize szInitial;
    CSize szDelta;
    int nControls = 0;
    bool bUseScrollPos = false;
    CPoint ptScrollPos;
};

// Per-axis modes that turn into a pair of percentages.
enum cdxMode { cdxNone = 0, cdxResize = 1, cdxRepos = 2, cdxRelative = 3 };

// The two percentages (near edge, far edge) of a mode; an unknown mode stays put.
void cdxModeToPercent(int nMode, BYTE& byNear, BYTE& byFar);

// The new rectangle of a control from its record and the pass's figures; a control that would
// be narrower (or lower) than its minimum is put out of sight left of (above) the window.
CRect cdxCalcNewPosition(const cdxCDynamicPosition& pos, const cdxCDynamicLayoutInfo& info);

class cdxCDynamicLayoutEngine {
public:
    // Freedom bits.
    static constexpr DWORD fdHoriz = 0x01;
    static constexpr DWORD fdVert = 0x02;
    static constexpr DWORD fdAll = fdHoriz | fdVert;
    // Flag bits.
    static constexpr DWORD flSizeIcon = 0x01;
    static constexpr DWORD flAntiFlicker = 0x02;
    static constexpr DWORD flSWPCopyBits = 0x04;

    cdxCDynamicLayoutEngine(DWORD dwFreedom = fdAll, DWORD dwFlags = 0) : m_dwFreedom(dwFreedom), m_dwFlags(dwFlags) {}
    virtual ~cdxCDynamicLayoutEngine() = default;

    virtual int GetControlCount() const { return int(m_controls.size()); }
    // The client size of the window, (0, 0) without one.
    virtual CSize GetCurrentClientSize() const;
    // Registers (or replaces) a control's record; FALSE unless both windows exist.
    virtual bool AddSzControl(CWnd* pControl, const cdxCDynamicPosition& pos, bool bReposNow = false);
    // With the control's present rectangle and the modes of both axes.
    bool AddSzControl(CWnd* pControl, int nModeX, int nModeY, bool bReposNow = false);
    virtual void RemSzControl(CWnd* pControl);
    // Gives every child without a record (every child with bOverwrite) the percentages.
    void AllControls(BYTE byLeft, BYTE byTop, BYTE byRight, BYTE byBottom, bool bOverwrite = false, bool bReposNow = true);
    // Moves every registered child to where the window's present size puts it.
    virtual void Layout();
    void UpdateControlPosition(CWnd* pControl);
    const cdxCDynamicPosition* FindSzControl(CWnd* pControl) const;

    bool IsStarted() const { return m_pWnd != nullptr && m_nDisabled < 1; }
    CSize GetInitialSize() const { return m_szInitial; }
    CSize GetMinSize() const { return m_szMin; }
    DWORD GetFreedom() const { return m_dwFreedom; }
    DWORD GetFlags() const { return m_dwFlags; }
    void ModifyFlags(DWORD dwRemove, DWORD dwAdd) { m_dwFlags = (m_dwFlags & ~dwRemove) | dwAdd; }
    void SetUseScrollPos(bool bUse) { m_bUseScrollPos = bUse; }

protected:
    // Starts the engine on pWnd with its initial client size.
    void DoInitWindow(CWnd* pWnd, CSize szInitial);
    // Ends it: the records go and the engine ignores everything after.
    void DoOnDestroy();
    virtual void OnInitialized() {}
    virtual void OnDestroying() {}
    virtual cdxCDynamicLayoutInfo DoCreateLayoutInfo() const;
    // The window's scroll position when positions are taken relative to it.
    virtual CPoint GetScrollPos() const { return CPoint(0, 0); }

    CWnd* m_pWnd = nullptr;
    int m_nDisabled = 0;
    DWORD m_dwFreedom;
    DWORD m_dwFlags;
    CSize m_szInitial;
    CSize m_szMin;
    CSize m_szMax;
    bool m_bUseScrollPos = false;

private:
    std::map<CWnd*, cdxCDynamicPosition> m_controls;
};
