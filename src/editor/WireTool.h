// CWireTool: the diagram view's wire tool: the wire in progress from its first click to its
// second, the hover check at the mouse with its balloon tip (the pin's label or the reason the
// wiring rules refuse the pin, document/WiringRules.h), the rubber line of the wire being
// drawn, and wires laid without the mouse. The view owns one and hands it the clicks of Connect
// mode, the mouse moves and the paint.
#pragma once

#include "blocks/ConnectLineObj.h"
#include "controls/BalloonTipWnd.h"
#include "document/WiringRules.h"
#include "editor/BlockTextTable.h"
#include "platform/core/Geometry.h"
#include "platform/core/Types.h"
#include "platform/gdi/Font.h"

#include <memory>

class CBlockObj;
class CDC;
class CVetlaView;

// The icon of the view's balloon tip.
constexpr int IDI_BALLOON_TIP = 133;

class CWireTool {
public:
    explicit CWireTool(CVetlaView& view) : m_view(view) {}

    // A wire is started and follows the mouse.
    BOOL IsDrawing() const { return m_nState > 0; }
    // The wire was started by a press in insert mode.
    BOOL IsFromInsert() const { return m_bFromInsert; }
    void SetFromInsert() { m_bFromInsert = 1; }
    const CConnectLineObj& WireInProgress() const { return m_wire; }
    // What the wiring rules said of the pin under the mouse (HOVER_*).
    int HoverVerdict() const { return m_nHoverVerdict; }
    void SetHoverVerdict(int nVerdict) { m_nHoverVerdict = nVerdict; }

    // The hover check at the mouse (document point, client point): sets the verdict and shows
    // the pin's label or the reason for a refusal in the balloon tip.
    void ShowPinTip(int x, int y, CPoint ptClient);
    // One click: starts, finishes or abandons a wire.
    void ClickAt(int x, int y);
    // Two clicks of a wire from one point to another; bUndo: finishing it takes an undo snapshot.
    void DrawWire(CPoint ptFrom, CPoint ptTo, BOOL bUndo);
    // Whether finishing a wire takes an undo snapshot (by default it does).
    void SetUndoOnWire(BOOL bUndo) { m_bUndoOnWire = bUndo; }
    // Abandons the wire in progress, hides the tip and lets the mouse go.
    void End();
    // Forgets that a wire is started, leaving the tip and the mouse as they are.
    void Forget() { m_nState = 0; }
    // The wire in progress ends at the mouse.
    void FollowMouse(CPoint pt);
    // The wire in progress as a rubber line from its start through its corners to the mouse.
    void DrawRubberBand(CDC* pDC, COLORREF crWire) const;
    // A finished wire without the mouse and without the connection rules.
    CConnectLineObj* ConnectPins(CPoint ptStart, CBlockObj* pStart, int nStartPin, CPoint ptEnd, CBlockObj* pEnd,
                                 int nEndPin);

    // The balloon tip (with its icon and font), made with the view's window; the block-name and
    // pin-label table its texts come from.
    void CreateTip();
    void LoadTexts() { LoadBlockTextTable(m_strBlockText); }
    CBalloonTipWnd& Tip() { return m_balloonTip; }
    const BlockTextTable& Texts() const { return m_strBlockText; }

private:
    enum class StartResult { Started, Refused, NoCentre };
    StartResult Start(int x, int y);
    void Finish(int x, int y);

    CVetlaView& m_view;
    // 0 idle, 1 a wire is started.
    int m_nState = 0;
    CConnectLineObj m_wire;
    int m_bFromInsert = 0;
    // Whether finishing a wire takes an undo snapshot (the connector-pair cut builds its wires
    // without).
    int m_bUndoOnWire = 1;
    int m_nHoverVerdict = HOVER_ALLOWED;
    CBalloonTipWnd m_balloonTip;
    int m_nTipIcon = IDI_BALLOON_TIP;
    std::unique_ptr<CFont> m_pTipFont;
    BlockTextTable m_strBlockText;
};
