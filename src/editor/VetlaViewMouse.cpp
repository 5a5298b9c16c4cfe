// Mouse editing: what a press, a move and a release of either button do in each edit mode. The
// handlers turn the window point into document units once and hand the work to the selection,
// wiring, placing and connection-upkeep operations; while a simulation runs, presses operate the
// simulated inputs instead.
#include "editor/VetlaView.h"

#include "blocks/BlockComment.h"
#include "blocks/BlockConnector.h"
#include "blocks/BlockIn.h"
#include "blocks/BlockLadder.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "document/SimScan.h"
#include "document/PinHits.h"
#include "document/VetlaDoc.h"
#include "editor/AnalogSliderDlg.h"
#include "editor/ChildFrame.h"
#include "editor/DiagramEditHelpers.h"
#include "pages/ladder/PropShLadIO.h"
#include "pages/sheet/AllPropertySheet.h"
#include "platform/core/Exception.h"
#include "platform/core/MessageBox.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"
#include "platform/ui/Cursor.h"

#include <algorithm>
#include <vector>

namespace {

void ShowCursor(HCURSOR hCursor)
{
    if (hCursor && GetCursor() != hCursor)
        SetCursor(hCursor);
}

// A drag scrolls when it comes this close to the window's border, by at most one step per move.
constexpr int kAutoScrollMargin = 10;
constexpr int kAutoScrollMaxStep = 100;
// The longest exception text a mouse-move failure report shows.
constexpr int kMaxErrorText = 255;

// The blocks a double click during a simulation only operates: simulated inputs.
bool IsSimulatedInput(const CBlockObj& block)
{
    if (IsAnyOf(block, {RUNTIME_CLASS(CBlockIn), RUNTIME_CLASS(CBlockFKey), RUNTIME_CLASS(CBlockAnalogIn),
                        RUNTIME_CLASS(CBlockAContact)}))
        return true;
    return IsOperableContact(block);
}

// The step along one axis when the point comes near a border of the visible part; 0 when it
// does not or when there is nothing more to show that way.
int AutoScrollStep(int v, int nVisibleLow, int nVisibleHigh, int nTotal)
{
    if (nTotal > nVisibleHigh && v >= nVisibleHigh - kAutoScrollMargin)
        return std::min(kAutoScrollMaxStep, nTotal - nVisibleHigh);
    if (nVisibleLow >= 1 && v <= nVisibleLow + kAutoScrollMargin)
        return -std::min(kAutoScrollMaxStep, nVisibleLow);
    return 0;
}

bool ContainsScreenPoint(const CWnd& wnd, CPoint ptScreen)
{
    CRect rcWindow;
    if (wnd.m_hWnd)
        wnd.GetWindowRect(rcWindow);
    return rcWindow.PtInRect(ptScreen);
}

void ReleaseCaptureOf(const CWnd* pWnd)
{
    if (CWnd::GetCapture() == pWnd)
        CWnd::ReleaseCapture();
}

// One kind's step of a right press in select mode: an object already selected keeps the
// selection, another becomes the only selected object; a miss clears this kind's selection unless
// bKeepOnMiss. Returns whether the press hit an object of the kind.
template <class T>
int RightPressStep(CVetlaView& view, T* pHit, BYTE nKind, bool bKeepOnMiss)
{
    CDiagramSelection& selection = view.Selection();
    if (pHit && selection.Contains(pHit))
        return 1;
    if (pHit) {
        selection.Only(pHit);
    } else if (!bKeepOnMiss) {
        selection.Clear(nKind);
    } else {
        return 0;
    }
    view.InvalidateAll();
    return pHit ? 1 : 0;
}

// The diagram views of the view's document: the view itself (which a document without windows
// does not list) and every other one its windows show.
std::vector<CVetlaView*> ViewsOfDocument(CVetlaView& view)
{
    std::vector<CVetlaView*> views{&view};
    const CVetlaDoc* pDoc = view.GetDocument();
    for (POSITION pos = pDoc ? pDoc->GetFirstViewPosition() : nullptr; pos;) {
        CVetlaView* pOther = AsVetlaView(pDoc->GetNextView(pos));
        if (pOther && pOther != &view)
            views.push_back(pOther);
    }
    return views;
}

} // namespace

void CVetlaView::SetPressPoint(CPoint ptDoc)
{
    m_ptContext = ptDoc;
    m_ptLastMouse = ptDoc;
}

// A press in the diagram makes it the window the keys go to (after a palette click they went
// to the palette), as a click activates a view.
void CVetlaView::TakeFocus()
{
    if (m_hWnd && GetFocus() != this)
        SetFocus();
}

BOOL CVetlaView::IsInClientArea(CPoint point) const
{
    CRect rcClient;
    GetClientRect(rcClient);
    return rcClient.PtInRect(point);
}

// ---- left button ----

void CVetlaView::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (!IsInClientArea(point)) {
        if (m_nEditMode == EDIT_MODE_SIMULATE)
            CloseValuePopup();
        CScrollView::OnLButtonDown(nFlags, point);
        return;
    }
    TakeFocus();
    // A press ends a run of arrow steps: the next arrow is an undo step of its own.
    m_nArrowRunState = -1;
    if (!m_pDocument || m_pDocument->m_bEditLock)
        return;
    const CPoint pt = ClientToDoc(point);
    m_ptContext = pt;
    switch (m_nEditMode) {
    case EDIT_MODE_SELECT:
        PressInSelectMode(pt.x, pt.y, nFlags);
        break;
    case EDIT_MODE_INSERT:
        PressToInsert(pt);
        break;
    case EDIT_MODE_CONNECT:
        SetCapture();
        m_wireTool.ClickAt(pt.x, pt.y);
        break;
    case EDIT_MODE_INSERT_COMMENT:
        PressToComment(pt);
        break;
    case EDIT_MODE_CUT_JOIN:
        PressToCutOrJoin(pt);
        break;
    case EDIT_MODE_SIMULATE:
        // The simulated input writes the last mouse point itself: a refused press leaves it.
        PressSimulatedInput(pt);
        CScrollView::OnLButtonDown(nFlags, point);
        return;
    default:
        break;
    }
    m_ptLastMouse = pt;
    CScrollView::OnLButtonDown(nFlags, point);
}

// A press in insert mode: a wire from a pin that may start one, else a new block on free
// ground. A point off the base ends insert mode.
void CVetlaView::PressToInsert(CPoint pt)
{
    POINT ptPlace = pt;
    if (m_nPaletteType > 100 && !CheckPlacement(&ptPlace, nullptr)) {
        m_nEditMode = EDIT_MODE_SELECT;
        ReleaseCaptureOf(this);
        return;
    }
    CBlockObj* pPinBlock = m_pDocument->BlockAtPointWithPins(pt.x, pt.y);
    const int nPin = PinAt(pPinBlock, pt.x, pt.y);
    if (nPin >= 0 && CanStartWire(*pPinBlock, nPin)) {
        m_wireTool.SetFromInsert();
        SetCapture();
        m_wireTool.ClickAt(pt.x, pt.y);
        return;
    }
    // A press on a block body may drag the selection, which is an edit like a drag in select
    // mode; a press on a wire does nothing.
    if (m_pDocument->BlockAtPoint(pt.x, pt.y)) {
        StartMove();
        return;
    }
    if (m_pDocument->LineAtPoint(pt.x, pt.y))
        return;
    CBlockObj* pBlock = PlaceNewBlock(m_nPaletteType, &ptPlace);
    if (!pBlock)
        return;
    m_selection.Clear(SELECTION_ALL);
    m_pDocument->AddBlock(pBlock);
    m_pDocument->m_undo.SaveState(m_pDocument);
    m_pCurBlock = nullptr;
    m_pCurLine = nullptr;
    m_pCurComment = nullptr;
    // A contact is of no use until its operand is chosen: it becomes the only selected block
    // and the one the properties command acts on, and the command runs at once.
    if (IsAnyOf(*pBlock, {RUNTIME_CLASS(CBlockMake), RUNTIME_CLASS(CBlockAContact)})) {
        m_selection.Only(pBlock);
        m_pCurBlock = pBlock;
        m_nPlacingState = m_pDocument->m_undo.GetStateCount();
        if (!RunBlockProperties())
            return;
        m_nPlacingState = -1;
    }
    InvalidateAll();
}

// An output pin starts a wire, and so does an open input; in a ladder diagram any pin may,
// since a rung's input may take several wires.
BOOL CVetlaView::CanStartWire(const CBlockObj& block, int nPin) const
{
    if (m_pDocument->IsLadder())
        return nPin >= 0 && nPin < BLOCK_PIN_COUNT;
    if (nPin >= BLOCK_FIRST_OUTPUT && nPin < BLOCK_PIN_COUNT)
        return TRUE;
    return nPin >= 0 && nPin < BLOCK_FIRST_OUTPUT && block.m_nPinSource[nPin] == LINK_OPEN;
}

void CVetlaView::PressToComment(CPoint pt)
{
    if (m_pDocument->BlockAtPointWithPins(pt.x, pt.y))
        return;
    CBlockComment* pComment = PlaceComment(pt.x, pt.y);
    if (!pComment)
        return;
    m_selection.Clear(SELECTION_ALL);
    m_pDocument->AddComment(pComment);
    m_pDocument->m_undo.SaveState(m_pDocument);
    m_pCurBlock = nullptr;
    m_pCurLine = nullptr;
    m_pCurComment = nullptr;
    InvalidateAll();
}

CBlockComment* CVetlaView::PlaceComment(int x, int y)
{
    if (!m_pDocument)
        return nullptr;
    POINT pt{x, y};
    if (!CheckPlacement(&pt, nullptr))
        return nullptr;
    auto* pComment = new CBlockComment;
    // The box's font is as tall as 12 points are on this screen.
    CDC dc;
    pComment->m_logFont.lfHeight = MulDiv(12, dc.GetDeviceCaps(LOGPIXELSY), 72);
    CFont font;
    font.CreateFontIndirect(&pComment->m_logFont);
    CFont* pOldFont = dc.SelectObject(&font);
    const CSize sizeText = dc.GetTextExtent(pComment->m_strBoxText);
    dc.SelectObject(pOldFont);
    pComment->m_nLeft = pt.x;
    pComment->m_nTop = pt.y;
    pComment->m_nAuxX = pt.x;
    pComment->m_nAuxY = pt.y;
    pComment->m_nBoxWidth = sizeText.cx;
    pComment->m_nBoxHeight = sizeText.cy;
    return pComment;
}

// A press in Cut/Join mode selects the wire or connector under it alone; a wire into a
// connector is joined with its partner's, any other wire is cut into a connector pair.
void CVetlaView::PressToCutOrJoin(CPoint pt)
{
    if (CConnectLineObj* pLine = m_pDocument->LineAtPoint(pt.x, pt.y)) {
        const BOOL bAtBus = m_pDocument->IsLadder() &&
                            ((pLine->m_pStartBlock && pLine->m_pStartBlock->m_nType == BT_POWERBUS) ||
                             (pLine->m_pEndBlock && pLine->m_pEndBlock->m_nType == BT_POWERBUS));
        if (bAtBus) {
            // A rung's wire from the power rail is never cut.
            if (m_selection.Contains(pLine))
                m_selection.Remove(pLine);
            return;
        }
        m_selection.Clear(SELECTION_ALL);
        m_pCurBlock = nullptr;
        m_pCurLine = pLine;
        m_selection.Add(pLine);
        if (IsConnectorBlock(pLine->m_pEndBlock))
            JoinConnectorPair();
        else
            SeparateLine();
    } else if (CBlockObj* pBlock = m_pDocument->BlockAtPoint(pt.x, pt.y)) {
        m_selection.Clear(SELECTION_ALL);
        m_pCurLine = nullptr;
        m_pCurComment = nullptr;
        m_pCurBlock = pBlock;
        m_selection.Add(pBlock);
        if (IsConnectorBlock(pBlock))
            JoinConnectorPair();
        else
            InvalidateAll();
    }
    // The pair's operations may end in select mode when they find no room; the tool stays.
    m_nEditMode = EDIT_MODE_CUT_JOIN;
}

void CVetlaView::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (!m_pDocument) {
        CScrollView::OnLButtonUp(nFlags, point);
        return;
    }
    const CPoint pt = ClientToDoc(point);
    switch (m_nEditMode) {
    case EDIT_MODE_INSERT:
        FinishMove();
        if (m_pCurBlock) {
            m_pCurBlock->m_bSelected = 0;
            m_pCurBlock = nullptr;
        }
        m_selection.Clear(SELECTION_ALL);
        ReleaseCaptureOf(this);
        FinishWireAt(pt);
        InvalidateAll();
        break;
    case EDIT_MODE_CONNECT:
        ReleaseCaptureOf(this);
        FinishWireAt(pt);
        break;
    case EDIT_MODE_DRAG_BLOCKS:
    case EDIT_MODE_DRAG_COMMENTS:
    case EDIT_MODE_DRAG_LINE:
    case EDIT_MODE_BAND:
        EndDragAt(pt);
        break;
    case EDIT_MODE_SIMULATE:
        ReleaseSimulatedInput(pt);
        break;
    default:
        break;
    }
    CScrollView::OnLButtonUp(nFlags, point);
}

// A release on a block body abandons the wire in progress; elsewhere it is the wire tool's
// second click.
void CVetlaView::FinishWireAt(CPoint pt)
{
    if (m_pDocument->BlockAtPoint(pt.x, pt.y))
        m_wireTool.End();
    else if (m_wireTool.IsDrawing())
        m_wireTool.ClickAt(pt.x, pt.y);
}

void CVetlaView::EndDrag()
{
    if (m_pDocument)
        EndDragAt(m_ptLastMouse);
}

void CVetlaView::EndDragAt(CPoint pt)
{
    switch (m_nEditMode) {
    case EDIT_MODE_DRAG_BLOCKS:
    case EDIT_MODE_DRAG_COMMENTS:
        EndSelectionDrag();
        break;
    case EDIT_MODE_DRAG_LINE:
        m_wireDrag.End(pt);
        break;
    case EDIT_MODE_BAND:
        m_nEditMode = EDIT_MODE_SELECT;
        ReleaseCaptureOf(this);
        InvalidateAll();
        break;
    case EDIT_MODE_INSERT:
        // A press on a block in insert mode moves the selection until the release; the tool
        // itself stays.
        FinishMove();
        break;
    default:
        break;
    }
}

void CVetlaView::EndSelectionDrag()
{
    m_nEditMode = EDIT_MODE_SELECT;
    m_wireDrag.TidyMovedLines(FALSE);
    CheckDragEnd();
    ReleaseCaptureOf(this);
    FinishMove();
    InvalidateAll();
}

void CVetlaView::StartMove()
{
    m_movePlaces = PlacesOf(*m_pDocument);
    m_nMoveState = m_pDocument->m_undo.GetStateCount();
}

void CVetlaView::FinishMove()
{
    if (m_nMoveState == m_pDocument->m_undo.GetStateCount() && PlacesOf(*m_pDocument) != m_movePlaces)
        m_pDocument->m_undo.SaveState(m_pDocument);
    m_movePlaces = {};
    m_nMoveState = -1;
}

void CVetlaView::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (!m_pDocument || m_pDocument->m_bEditLock)
        return;
    const CPoint pt = ClientToDoc(point);
    m_pCurBlock = m_pDocument->BlockAtPoint(pt.x, pt.y);
    if (m_nEditMode == EDIT_MODE_SIMULATE && m_pCurBlock) {
        if (IsSimulatedInput(*m_pCurBlock)) {
            m_pCurBlock = nullptr;
            return;
        }
        m_selection.Clear(SELECTION_ALL);
        m_selection.Add(m_pCurBlock);
    }
    if (m_pCurBlock) {
        ReleaseCaptureOf(this);
        if (!RunBlockProperties())
            return;
        if (m_nEditMode != EDIT_MODE_SIMULATE && m_nEditMode != EDIT_MODE_INSERT)
            m_nEditMode = EDIT_MODE_SELECT;
    } else if (m_pCurComment) {
        ReleaseCaptureOf(this);
        if (!RunBlockProperties())
            return;
        if (m_nEditMode != EDIT_MODE_SIMULATE && m_nEditMode != EDIT_MODE_INSERT_COMMENT)
            m_nEditMode = EDIT_MODE_SELECT;
    } else if (!m_pDocument->IsLadder()) {
        DoubleClickOnPin(pt);
    }
    InvalidateAll();
    CScrollView::OnLButtonDblClk(nFlags, point);
}

// A double click on a pin of a function block ends the wire tool, or in select mode toggles
// the negation of a digital input.
void CVetlaView::DoubleClickOnPin(CPoint pt)
{
    CBlockObj* pBlock = m_pDocument->BlockAtPointWithPins(pt.x, pt.y);
    if (!pBlock || pBlock->m_nNumber < NUM_FUNCTION_BLOCK || pBlock->m_nNumber > FUNCTION_BLOCK_LAST)
        return;
    const int nPin = PinAt(pBlock, pt.x, pt.y);
    if (nPin < 0)
        return;
    if (m_nEditMode == EDIT_MODE_INSERT || m_nEditMode == EDIT_MODE_CONNECT) {
        m_wireTool.End();
    } else if (m_nEditMode == EDIT_MODE_SELECT && nPin < BLOCK_FIRST_OUTPUT &&
               pBlock->m_nPinKind[nPin] == PINKIND_DIGITAL) {
        pBlock->m_bPinInvert[nPin] = pBlock->m_bPinInvert[nPin] ? 0 : 1;
        // The negation is part of the program: it is saved and undone like any other edit.
        m_pDocument->SetModifiedFlag(TRUE);
        m_pDocument->m_undo.SaveState(m_pDocument);
    }
}

// ---- mouse move ----

void CVetlaView::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_nEditMode == EDIT_MODE_SIMULATE || !m_pDocument) {
        DefaultMouseMove(nFlags, point);
        return;
    }
    CRect rcClient;
    GetClientRect(rcClient);
    if (point.x < 1 || point.y < 1 || point.x >= rcClient.right || point.y >= rcClient.bottom) {
        ShowCursor(AfxLoadStandardCursor(IDC_ARROW));
        DefaultMouseMove(nFlags, point);
        return;
    }
    m_ptCursor = point;
    // The point is converted as it was before any auto-scroll: the drag goes on from the same
    // diagram point, and the next move sees the scrolled view.
    const CPoint ptScrolled = point + GetScrollPosition();
    const BOOL bDragging = m_nEditMode == EDIT_MODE_DRAG_BLOCKS || m_nEditMode == EDIT_MODE_DRAG_LINE ||
                           m_nEditMode == EDIT_MODE_DRAG_COMMENTS ||
                           (m_nEditMode == EDIT_MODE_CONNECT && m_wireTool.IsDrawing()) ||
                           (m_nEditMode == EDIT_MODE_INSERT && m_wireTool.IsFromInsert() && m_wireTool.IsDrawing());
    AutoScroll(bDragging, ptScrolled.x, ptScrolled.y);
    const double dZoom = GetZoom();
    const CPoint pt(int(ptScrolled.x / dZoom), int(ptScrolled.y / dZoom));
    m_pDocument->SetClickPoint(pt.x, pt.y);
    const CSize step = pt - m_ptLastMouse;
    const BOOL bLeftHeld = (nFlags & MK_LBUTTON) != 0;
    switch (m_nEditMode) {
    case EDIT_MODE_INSERT:
        if (m_wireTool.IsFromInsert() && m_wireTool.IsDrawing()) {
            m_wireTool.FollowMouse(pt);
        } else if (m_pDocument->BlockAtPoint(pt.x, pt.y)) {
            ShowCursor(AfxLoadStandardCursor(IDC_ARROW));
            if (bLeftHeld)
                MoveSelection(step.cx, step.cy, nullptr);
        } else {
            ShowCursor(m_cursors.Get(EditCursor::Insert));
        }
        InvalidateAll();
        break;
    case EDIT_MODE_CONNECT:
        ShowCursor(m_cursors.Get(IsOnWireEnd(*m_pDocument, pt.x, pt.y) ? EditCursor::ConnectPin : EditCursor::Connect));
        if (m_wireTool.IsDrawing())
            m_wireTool.FollowMouse(pt);
        InvalidateAll();
        break;
    case EDIT_MODE_DRAG_BLOCKS:
    case EDIT_MODE_DRAG_COMMENTS:
        if (bLeftHeld) {
            MoveSelection(step.cx, step.cy, nullptr);
            KeepSelectionOnPage(pt.x, pt.y);
            InvalidateAll();
        }
        break;
    case EDIT_MODE_DRAG_LINE:
        if (bLeftHeld)
            m_wireDrag.Follow(pt, step);
        break;
    case EDIT_MODE_BAND:
        if (bLeftHeld) {
            m_selection.StretchBand(pt);
            InvalidateAll();
        }
        break;
    case EDIT_MODE_INSERT_COMMENT:
        ShowCursor(m_cursors.Get(EditCursor::Comment));
        break;
    case EDIT_MODE_CUT_JOIN:
        ShowCursor(m_cursors.Get(EditCursor::CutJoin));
        break;
    default:
        break;
    }
    m_wireTool.ShowPinTip(pt.x, pt.y, point);
    m_ptLastMouse = pt;
    DefaultMouseMove(nFlags, point);
}

// A failure of the framework's own handling of a move is reported, and the view stays usable.
void CVetlaView::DefaultMouseMove(UINT nFlags, CPoint point)
{
    try {
        CScrollView::OnMouseMove(nFlags, point);
    } catch (CException* e) {
        CString strError;
        e->GetErrorMessage(strError);
        ShowMessageBox(_T("The because of this error: ") + strError.Left(kMaxErrorText), _T("ERROR"), MB_ICONHAND);
        e->Delete();
    }
}

void CVetlaView::AutoScroll(BOOL bActive, int x, int y)
{
    if (!bActive)
        return;
    CRect rcVisible;
    GetClientRect(rcVisible);
    rcVisible.OffsetRect(GetScrollPosition());
    const CSize extent = GetTotalSize();
    const int dx = AutoScrollStep(x, rcVisible.left, rcVisible.right, extent.cx);
    const int dy = AutoScrollStep(y, rcVisible.top, rcVisible.bottom, extent.cy);
    if (dx == 0 && dy == 0)
        return;
    const CPoint ptBefore = GetScrollPosition();
    ScrollToPosition(ptBefore + CPoint(dx, dy));
    // The pointer goes back by what the view scrolled, so that it stays over the diagram point
    // it was dragging; otherwise the next move would jump the drag by a whole step.
    const CSize scrolled = GetScrollPosition() - ptBefore;
    CPoint ptCursor;
    if (GetCursorPos(&ptCursor))
        SetCursorPos(ptCursor.x - scrolled.cx, ptCursor.y - scrolled.cy);
    InvalidateAll();
}

// ---- right button ----

void CVetlaView::OnRButtonDown(UINT nFlags, CPoint point)
{
    TakeFocus();
    // A press ends a run of arrow steps: the next arrow is an undo step of its own.
    m_nArrowRunState = -1;
    if (!m_pDocument || m_pDocument->m_bEditLock)
        return;
    const CPoint pt = ClientToDoc(point);
    m_ptContext = pt;
    switch (m_nEditMode) {
    case EDIT_MODE_INSERT:
    case EDIT_MODE_CONNECT:
    case EDIT_MODE_INSERT_COMMENT:
    case EDIT_MODE_CUT_JOIN:
        RightPressInTool(pt);
        InvalidateAll();
        break;
    case EDIT_MODE_DRAG_BLOCKS:
    case EDIT_MODE_DRAG_LINE:
    case EDIT_MODE_DRAG_COMMENTS:
        // The drag stops where it stands, ended as the left release would end it there.
        EndDragAt(pt);
        m_hits = ContextHits{0, 0, 0};
        InvalidateAll();
        break;
    default:
        if (m_nEditMode == EDIT_MODE_SIMULATE)
            CloseValuePopup();
        RightPressSelects(pt);
        break;
    }
    CScrollView::OnRButtonDown(nFlags, point);
}

// A right press in a tool mode picks the block, wire or comment under it for the context menu.
void CVetlaView::RightPressInTool(CPoint pt)
{
    m_hits = ContextHits{0, 0, 0};
    if (CBlockObj* pBlock = m_pDocument->BlockAtPoint(pt.x, pt.y)) {
        m_hits.bBlock = 1;
        if (!pBlock->m_bSelected) {
            m_selection.Clear(SELECTION_ALL);
            SelectAlone(pBlock);
        }
    } else if (CConnectLineObj* pLine = m_pDocument->LineAtPoint(pt.x, pt.y)) {
        m_hits.bLine = 1;
        if (!pLine->m_bLineSelected) {
            m_selection.Clear(SELECTION_ALL);
            SelectAlone(pLine);
        }
    } else if (CBlockComment* pComment = m_pDocument->CommentAtPoint(pt.x, pt.y)) {
        m_hits.bComment = 1;
        if (!pComment->m_bCommentSelected) {
            m_selection.Clear(SELECTION_ALL);
            SelectAlone(pComment);
        }
    } else {
        m_selection.Clear(SELECTION_ALL);
        m_pCurBlock = nullptr;
        m_pCurLine = nullptr;
    }
}

void CVetlaView::SelectAlone(CBlockObj* pBlock)
{
    m_selection.Add(pBlock);
    SetCurrentObjects(pBlock, nullptr, nullptr);
}

void CVetlaView::SelectAlone(CConnectLineObj* pLine)
{
    m_selection.Add(pLine);
    SetCurrentObjects(nullptr, pLine, nullptr);
}

void CVetlaView::SelectAlone(CBlockComment* pComment)
{
    m_selection.Add(pComment);
    SetCurrentObjects(nullptr, nullptr, pComment);
}

void CVetlaView::ForgetObjects(bool bKeepMarks)
{
    EndToolsInProgress();
    for (CVetlaView* pView : ViewsOfDocument(*this)) {
        // The marks are the objects' own: one view's clear is every view's.
        if (bKeepMarks || pView != this)
            pView->m_selection.Forget();
        else
            pView->m_selection.Clear(SELECTION_ALL);
        pView->SetCurrentObjects(nullptr, nullptr, nullptr);
    }
}

void CVetlaView::EndToolsInProgress()
{
    for (CVetlaView* pView : ViewsOfDocument(*this))
        pView->EndOwnTool();
}

void CVetlaView::EndOwnTool()
{
    EndDrag();
    if (m_wireTool.IsDrawing())
        m_wireTool.End();
    CloseValuePopup();
}

void CVetlaView::ForgetObject(const CObject* pObject)
{
    if (m_pCurBlock == pObject)
        m_pCurBlock = nullptr;
    if (m_pCurLine == pObject)
        m_pCurLine = nullptr;
    if (m_pCurComment == pObject)
        m_pCurComment = nullptr;
}

void CVetlaView::SetCurrentObjects(CBlockObj* pBlock, CConnectLineObj* pLine, CBlockComment* pComment)
{
    m_pCurBlock = pBlock;
    m_pCurLine = pLine;
    m_pCurComment = pComment;
}

// A right press in select mode keeps a selection the press lies in (so the context menu acts on
// all of it), else selects what it hit alone; wires, blocks and comments are each looked at.
void CVetlaView::RightPressSelects(CPoint pt)
{
    CConnectLineObj* pLine = m_pDocument->LineAtPoint(pt.x, pt.y);
    CBlockObj* pBody = m_pDocument->BlockAtPoint(pt.x, pt.y);
    CBlockComment* pComment = m_pDocument->CommentAtPoint(pt.x, pt.y);
    m_pCurLine = pLine;
    m_hits.bLine = RightPressStep(*this, pLine, SELECTION_LINES, !m_selection.Lines().IsEmpty() && pBody);
    m_pCurBlock = pBody;
    m_hits.bBlock = RightPressStep(*this, pBody, SELECTION_BLOCKS, pLine != nullptr);
    m_pCurComment = pComment;
    m_hits.bComment = RightPressStep(*this, pComment, SELECTION_COMMENTS, pLine != nullptr);
}

void CVetlaView::OnRButtonUp(UINT nFlags, CPoint point)
{
    if (!m_pDocument) {
        CScrollView::OnRButtonUp(nFlags, point);
        return;
    }
    const CPoint pt = ClientToDoc(point);
    if (m_nEditMode == EDIT_MODE_SELECT) {
        if (m_pCurLine && m_pCurLine->m_bEndDrag)
            m_wireDrag.ReattachDraggedEnd(pt);
        else if (m_selection.Blocks().GetCount() == 1 && m_pCurBlock)
            m_hits.bBlock = 1;
        InvalidateAll();
    } else if (m_nEditMode == EDIT_MODE_CONNECT ||
               (m_nEditMode == EDIT_MODE_INSERT && m_wireTool.IsFromInsert() && m_wireTool.IsDrawing())) {
        m_wireTool.End();
    }
    CScrollView::OnRButtonUp(nFlags, point);
}

// ---- simulated inputs ----

BOOL CVetlaView::PressSimulatedInput(CPoint ptDoc)
{
    CBlockObj* pBlock = m_pDocument ? m_pDocument->BlockAtPoint(ptDoc.x, ptDoc.y) : nullptr;
    if (!pBlock) {
        PressBesideBlocks(ptDoc);
        m_ptLastMouse = ptDoc;
        return FALSE;
    }
    if (IsAnyOf(*pBlock, {RUNTIME_CLASS(CBlockIn), RUNTIME_CLASS(CBlockFKey), RUNTIME_CLASS(CBlockMake)})) {
        const BOOL bContact = pBlock->IsKindOf(RUNTIME_CLASS(CBlockMake));
        if (bContact && !IsOperableContact(*pBlock))
            return TRUE;
        if (CAnalogSliderDlg::OpensFor(*this, *pBlock)) {
            m_simulation.OpenValuePopup(pBlock, GetScrollPosition().x, GetScrollPosition().y);
            m_ptLastMouse = ptDoc;
            return TRUE;
        }
        // Inputs follow clicks only while the simulation runs freely.
        const CChildFrame* pFrame = GetParentFrame();
        if (pFrame &&
            (pFrame->GetSimRunState() != SIM_RUN_RUNNING || pFrame->GetSimStepState() == SIM_STEP_STEPPING))
            return TRUE;
        ToggleSimulatedInput(*m_pDocument, *pBlock);
        OpenMessageTexts();
        // An input block tells the Inputs bar when it is next scanned; a contact has no such
        // step of its own, so its operand's lamp is put right here.
        if (bContact && GetParentFrame())
            GetParentFrame()->RefreshInputs(pBlock);
        m_ptLastMouse = ptDoc;
        InvalidateAll();
        return TRUE;
    }
    if (CAnalogSliderDlg::OpensFor(*this, *pBlock))
        m_simulation.OpenValuePopup(pBlock, GetScrollPosition().x, GetScrollPosition().y);
    else if (!pBlock->IsKindOf(RUNTIME_CLASS(CBlockAContact)))
        CloseValuePopup();
    m_ptLastMouse = ptDoc;
    return TRUE;
}

// A press beside every block, which the view sees over another window while it holds the mouse:
// on the value popup or an open block sheet it goes to that window; else it closes the popup and
// the view takes the mouse and the keys back.
void CVetlaView::PressBesideBlocks(CPoint ptDoc)
{
    const double dZoom = GetZoom();
    CPoint ptScreen(int(ptDoc.x * dZoom), int(ptDoc.y * dZoom));
    ptScreen -= GetScrollPosition();
    if (m_hWnd)
        ClientToScreen(&ptScreen);
    CWnd* pTarget = m_simulation.ValuePopup();
    if (!pTarget || !ContainsScreenPoint(*pTarget, ptScreen))
        pTarget = SheetAtScreenPoint(ptScreen);
    if (pTarget) {
        ReleaseCaptureOf(this);
        pTarget->SetFocus();
        return;
    }
    if (!m_simulation.ValuePopup())
        return;
    CloseValuePopup();
    if (m_hWnd) {
        SetCapture();
        SetFocus();
    }
}

// The open sheet, of a block or of a ladder element, whose window holds the screen point.
CWnd* CVetlaView::SheetAtScreenPoint(CPoint ptScreen) const
{
    for (POSITION pos = m_pDocument->m_blockList.GetHeadPosition(); pos;) {
        const int nNumber = static_cast<const CBlockObj*>(m_pDocument->m_blockList.GetNext(pos))->m_nNumber;
        for (CWnd* pSheet : {static_cast<CWnd*>(m_openSheets.Find(nNumber)),
                             static_cast<CWnd*>(m_openLadSheets.Find(nNumber))}) {
            if (pSheet && ContainsScreenPoint(*pSheet, ptScreen))
                return pSheet;
        }
    }
    return nullptr;
}

void CVetlaView::ReleaseSimulatedInput(CPoint ptDoc)
{
    // The press beside the blocks took the mouse; the release gives it back.
    ReleaseCaptureOf(this);
    CBlockObj* pBlock = m_pDocument ? m_pDocument->BlockAtPoint(ptDoc.x, ptDoc.y) : nullptr;
    if (!pBlock || !::ReleaseSimulatedInput(*m_pDocument, *pBlock))
        return;
    // A contact has no step of its own to tell the Inputs bar, as on the press.
    if (pBlock->IsKindOf(RUNTIME_CLASS(CBlockMake)) && GetParentFrame())
        GetParentFrame()->RefreshInputs(pBlock);
    InvalidateAll();
}
