// CWireDrag: dragging wires with the mouse in select mode. A press on a selected wire holds
// either one of its ends (which follows the mouse and is re-attached where it is dropped) or the
// segment under the mouse (which moves across its own direction); the segments of selected wires
// also follow a drag or an arrow-key step of the whole selection. The view owns one and hands it
// the press, the moves and the release of a wire drag (edit mode 4).
#pragma once

#include "platform/core/Geometry.h"
#include "platform/core/Types.h"

class CConnectLineObj;
class CVetlaView;

class CWireDrag {
public:
    explicit CWireDrag(CVetlaView& view) : m_view(view) {}

    // A press at the point grabbed the current wire: the segment under the press is held, so
    // that it follows however far the first move goes (a mouse often reports its first move
    // several pixels away, past the segment's hit margin).
    void Begin(CPoint pt);
    // A press on a pin at an end of the wire starts dragging that end. bFromSelection: the press
    // hit an already selected wire, whose end may also sit on the ladder's power rail.
    void GrabEndAt(CConnectLineObj& line, int x, int y, bool bFromSelection);
    // Segment nSegment (direction 0 vertical, 1 horizontal, -1 an end segment) is held.
    void Hold(int nSegment, int nDirection)
    {
        m_nSegment = nSegment;
        m_nSegmentDir = nDirection;
    }
    // A move with the button held: the dragged end follows the mouse, or the segment under it
    // moves, or (at a wire's end segment) the whole selection moves.
    void Follow(CPoint pt, CSize step);
    // The release: a dragged end is re-attached at the point, moved segments are tidied.
    void End(CPoint pt);
    // The dragged end of the current wire is dropped at the point: on a pin that accepts it the
    // wire is re-attached there; anywhere else, or where the connection rules refuse, the end
    // goes back to the pin it came from.
    void ReattachDraggedEnd(CPoint pt);

    // Moves segments of the wire by the step: the held segment when bHeld and no key moves it,
    // else those the route's shape offers for the key's axis (pKey: VK_LEFT .. VK_DOWN) or the
    // step's direction.
    void DragSegment(int dx, int dy, CConnectLineObj& line, const UINT* pKey, bool bHeld);
    // The held segment of the wire, moved to x, would come too close to a pin on its row.
    BOOL IsSegmentAtPinRow(int x, const CConnectLineObj* pLine) const;
    // After a drag: every wire the drag moved (and, with bSelected, every selected wire) is
    // tidied and the junction dots at both of its pins are worked out again.
    void TidyMovedLines(BOOL bSelected);

private:
    // A direction no wire segment has: while no segment is held a move drags nothing.
    static constexpr int NO_SEGMENT_DIRECTION = -2;

    void MoveVerticalSegment(CConnectLineObj& line, int k, int dx);

    CVetlaView& m_view;
    int m_nSegment = 0;
    int m_nSegmentDir = 0;
};
