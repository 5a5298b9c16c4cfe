// CVetlaView: the diagram view of one document, a scroll view in its child frame. It holds what
// the model relies on: its document, the copy of the simulated clock that a scan steps the
// blocks against, the edit mode, the current wire, the message-text slot flags and the scroll
// size. It paints the diagram's elements in edit colours; editing and the simulation's paint
// come with their own handlers. Without a window (headless runs and tests) it is a plain object
// that is handed a document and a child frame directly.
#pragma once

#include "platform/core/Geometry.h"
#include "platform/core/Types.h"
#include "platform/ui/ScrollView.h"

class CBlockObj;
class CChildFrame;
class CConnectLineObj;
class CVetlaDoc;

// Edit modes (m_nEditMode); other subsystems only test for EDIT_MODE_SIMULATE.
constexpr int EDIT_MODE_SELECT = 0;
constexpr int EDIT_MODE_INSERT = 1;
constexpr int EDIT_MODE_CONNECT = 2;
constexpr int EDIT_MODE_DRAG_BLOCKS = 3;
constexpr int EDIT_MODE_DRAG_LINE = 4;
constexpr int EDIT_MODE_SIMULATE = 100;

constexpr int MSGTEXT_SLOT_COUNT = 16;

class CVetlaView : public CScrollView {
    DECLARE_DYNCREATE(CVetlaView)

public:
    CVetlaView() = default;
    explicit CVetlaView(CVetlaDoc* pDoc) : m_pDocument(pDoc) {}

    CVetlaView(const CVetlaView&) = delete;
    CVetlaView& operator=(const CVetlaView&) = delete;

    CVetlaDoc* GetDocument() const { return m_pDocument; }
    // The child frame that holds the view (its simulated clock and simulation bar state): the
    // one it was handed when it has no window, else the frame its window sits in.
    CChildFrame* GetParentFrame() const;
    void SetParentFrame(CChildFrame* pFrame) { m_pParentFrame = pFrame; }

    // The block factory: a new, unnumbered and unplaced block of the class for nType; a
    // message-text block claims the lowest free message-text slot. Defined with the factory in
    // blocks/BlockFactory.cpp.
    CBlockObj* CreateBlockObject(int nType);

    // The scroll extent the window shows; m_sizeTotal keeps it for the model.
    void SetScrollSizes(int nMapMode, CSize sizeTotal);
    // Marks the slots of the document's message-text blocks as taken and all others as free.
    void RebuildMsgTextSlots();

    void OnDraw(CDC* pDC) override;
    void OnInitialUpdate() override;

    // The document as its own class. The layer's document pointer (CView::m_pDocument) is the
    // same object once the window exists; a windowless view has only this one.
    CVetlaDoc* m_pDocument = nullptr;
    int m_bMsgTextUsed[MSGTEXT_SLOT_COUNT] = {};
    // The simulated clock copied from the child frame at the start of each scan.
    SYSTEMTIME m_simClock = {};
    int m_nEditMode = EDIT_MODE_SELECT;
    // The wire being drawn or dragged; null when none.
    CConnectLineObj* m_pCurLine = nullptr;
    // The mouse position in client (device) coordinates as the view's mouse handling last saw
    // it; the block drawing outlines the pin under it while placing or connecting. Far outside
    // every block until the mouse has moved over the view.
    CPoint m_ptCursor{-32768, -32768};
    CSize m_sizeTotal;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;

    DECLARE_MESSAGE_MAP()

private:
    CChildFrame* m_pParentFrame = nullptr;
};

// The view as a diagram view; null for another kind of view (or none).
CVetlaView* AsVetlaView(CWnd* pWnd);
