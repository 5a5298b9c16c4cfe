// Drag-and-drop between windows: the data a drag carries (byte blocks by clipboard format, as
// on the clipboard), the windows that take drops, and the drag loop. A window registers a drop
// target; while a drag passes over it the layer asks the target for the effect a drop would
// have (copy or move, from the Ctrl key in the key state) and hands it the drop. The drag loop
// itself belongs to the backend (Qt runs a real drag); without one a drag ends at once with no
// effect, and tests install their own loop that drops where they say.
#pragma once

#include "platform/core/Geometry.h"
#include "platform/ui/Clipboard.h"

#include <functional>

class CWnd;

using DROPEFFECT = DWORD;
constexpr DROPEFFECT DROPEFFECT_NONE = 0;
constexpr DROPEFFECT DROPEFFECT_COPY = 1;
constexpr DROPEFFECT DROPEFFECT_MOVE = 2;

// What a drop target reads.
class COleDataObject {
public:
    COleDataObject() = default;
    explicit COleDataObject(ClipboardData data) : m_data(std::move(data)) {}

    BOOL IsDataAvailable(UINT nFormat) const { return m_data.count(nFormat) != 0; }
    // FALSE when the format is not there.
    BOOL GetData(UINT nFormat, std::vector<BYTE>& bytes) const;
    // CF_UNICODETEXT up to its NUL.
    BOOL GetText(CString& strText) const;
    const ClipboardData& Data() const { return m_data; }

private:
    ClipboardData m_data;
};

// What a drag offers.
class COleDataSource {
public:
    void CacheData(UINT nFormat, std::vector<BYTE> bytes) { m_data[nFormat] = std::move(bytes); }
    void CacheText(const CString& strText);
    const ClipboardData& Data() const { return m_data; }
    // Runs the drag loop from the source window; the effect the drop had (DROPEFFECT_NONE when
    // it was cancelled or refused).
    DROPEFFECT DoDragDrop(CWnd& source, DROPEFFECT allowed);

private:
    ClipboardData m_data;
};

// A window's side of drops; the points are in its client coordinates, the key state holds
// MK_CONTROL and MK_SHIFT as the keys stood.
class IDropTarget {
public:
    virtual ~IDropTarget() = default;
    virtual DROPEFFECT OnDragEnter(const COleDataObject& data, DWORD dwKeyState, CPoint point) = 0;
    virtual DROPEFFECT OnDragOver(const COleDataObject& data, DWORD dwKeyState, CPoint point) = 0;
    virtual void OnDragLeave() = 0;
    virtual BOOL OnDrop(const COleDataObject& data, DROPEFFECT effect, CPoint point) = 0;
};

// A window takes drops through its target until it revokes it or goes.
void AfxRegisterDropTarget(const CWnd& wnd, IDropTarget* pTarget);
void AfxRevokeDropTarget(const CWnd& wnd);
IDropTarget* AfxFindDropTarget(const CWnd& wnd);

// The drag loop of a backend: the effect of the drop, or DROPEFFECT_NONE.
using DragLoop = std::function<DROPEFFECT(CWnd& source, const ClipboardData& data, DROPEFFECT allowed)>;
// Installs a loop and returns the one before.
DragLoop AfxSetDragLoop(DragLoop loop);

// One pass of a drag over a target window ending in a drop at the point: enter, over, then the
// drop when the target allowed an effect that the source allows (a leave otherwise). The effect
// of the drop, or DROPEFFECT_NONE. The backends' loops and the tests' go through it.
DROPEFFECT AfxDragOverAndDrop(CWnd& target, const ClipboardData& data, DWORD dwKeyState, CPoint point, DROPEFFECT allowed);
