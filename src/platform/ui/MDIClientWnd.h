// CMDIClientWnd: the MDI client area, the parent of the document frames. It keeps a maximised
// document filling it and shows the application workspace colour where no document covers it.
// Where a restored document reaches past it (after the main window shrank, or a document was
// dragged half out), it shows scroll bars over the union of itself and its documents, and
// scrolling moves the documents, so that every part of them can be brought back into view.
#pragma once

#include "platform/ui/Wnd.h"

class CMDIClientWnd : public CWnd {
public:
    // The documents moved, were sized or maximised: the scroll bars follow. pGoing, a document
    // being destroyed, no longer counts.
    void RecalcChildScroll(const CWnd* pGoing = nullptr);

protected:
    BOOL OnEraseBkgnd(CDC* pDC) override;
    void OnSize(UINT nType, int cx, int cy) override;
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) override;
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) override;
    DECLARE_MESSAGE_MAP()

private:
    // Moves the documents by one scroll action along a bar. The range stays as it is until the
    // action ends, so that a dragged thumb keeps its place under the mouse.
    void ScrollChildren(int nBar, UINT nSBCode);

    bool m_bScrolling = false;
    bool m_bRecalculating = false;
};
