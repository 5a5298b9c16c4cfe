// The layout engine of the resizable dialogs: every registered control keeps its first
// rectangle and four percentages that say how much of the window's growth (or shrinking) since
// the engine started moves each of its edges. The dialogs and the simulation bars mix it in;
// most of the bars' controls are made at run time and registered one by one.
#pragma once

#include "platform/core/Geometry.h"
#include "platform/ui/Msg.h"

#include <map>
#include <memory>

class CWnd;
class cdxCSizeIconCtrl;

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

// One entry of a class's declarative control table, which ends with an entry of kind 0. Kind 1:
// the bytes are the percentages left, top, right, bottom; kind 2: the horizontal and the
// vertical mode. Control id 0 stands for every child not registered yet; an id the window has
// no child for is skipped.
struct cdxCDynamicControlTableEntry {
    static constexpr DWORD kEnd = 0;
    static constexpr DWORD kPercent = 1;
    static constexpr DWORD kMode = 2;

    DWORD dwKind;
    UINT nID;
    BYTE by[4];
};

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
    // The size grip's control id.
    static constexpr UINT kSizeIconID = 0xEA20;

    cdxCDynamicLayoutEngine(DWORD dwFreedom = fdAll, DWORD dwFlags = 0);
    virtual ~cdxCDynamicLayoutEngine();
    cdxCDynamicLayoutEngine(const cdxCDynamicLayoutEngine&) = delete;
    cdxCDynamicLayoutEngine& operator=(const cdxCDynamicLayoutEngine&) = delete;

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
    // The greatest client size; 0 in a coordinate leaves that axis unlimited.
    void SetMaxSize(CSize szMax) { m_szMax = szMax; }
    // The size grip, while the engine runs with flSizeIcon.
    cdxCSizeIconCtrl* GetSizeIcon() const { return m_pSizeIcon.get(); }
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
    // The window's least and greatest track sizes: never below the first client size, never
    // above the maximum, and fixed along an axis without freedom.
    void DoOnGetMinMaxInfo(MINMAXINFO* lpMMI) const;
    // The class's declarative control table; none in the engine.
    virtual const cdxCDynamicControlTableEntry* GetControlTable() const { return nullptr; }
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
    // Registers the children the control table names.
    void RegisterTableControls();

    std::map<CWnd*, cdxCDynamicPosition> m_controls;
    std::unique_ptr<cdxCSizeIconCtrl> m_pSizeIcon;
};
