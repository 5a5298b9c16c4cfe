// CVetlaView: the diagram view of one document, a scroll view in its child frame. It holds what
// the model relies on: its document, the edit mode, the current wire, the message-text slot
// flags and the scroll size, and routes the events to its parts: the selection, the wire tool,
// the wire drag, the simulation run (with the simulated clock that a scan steps the blocks
// against) and printing. It maps the document to the window under the zoom factor, paints
// through a memory bitmap, and in simulation mode every paint is one scan of the blocks in the
// simulation order (VetlaViewGeometry.cpp, VetlaViewDraw.cpp, VetlaViewSimulation.cpp).
// Without a window (headless runs and tests) it is a plain object that is handed a document and
// a child frame directly, and a test calls DrawDiagram itself where a paint would.
#pragma once

#include "blocks/BlockMSGTEXT.h"
#include "blocks/ConnectLineObj.h"
#include "blocks/SimContext.h"
#include "document/DiagramPlaces.h"
#include "document/WiringRules.h"
#include "editor/DiagramPrinting.h"
#include "editor/DiagramSelection.h"
#include "editor/EditCursors.h"
#include "editor/MsgTextDisplayLink.h"
#include "editor/SimulationRun.h"
#include "editor/WireDrag.h"
#include "editor/WireTool.h"
#include "pages/ladder/OpenLadSheets.h"
#include "pages/sheet/OpenSheets.h"
#include "pages/sheet/SheetHost.h"
#include "platform/core/Geometry.h"
#include "platform/core/ObList.h"
#include "platform/core/Types.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/DC.h"
#include "platform/ui/Cursor.h"
#include "platform/ui/ScrollView.h"

#include <memory>
#include <optional>

class CDialog;
class CBlockComment;
class CBlockObj;
class CChildFrame;
class CCmdUI;
class CConnectLineObj;
class CInsComments;
class CVetlaDoc;

// Edit modes (m_nEditMode); other subsystems only test for EDIT_MODE_SIMULATE.
constexpr int EDIT_MODE_SELECT = 0;
constexpr int EDIT_MODE_INSERT = 1;
constexpr int EDIT_MODE_CONNECT = 2;
constexpr int EDIT_MODE_DRAG_BLOCKS = 3;
constexpr int EDIT_MODE_DRAG_LINE = 4;
constexpr int EDIT_MODE_BAND = 6;
constexpr int EDIT_MODE_INSERT_COMMENT = 8;
constexpr int EDIT_MODE_DRAG_COMMENTS = 9;
constexpr int EDIT_MODE_CUT_JOIN = 13;
constexpr int EDIT_MODE_SIMULATE = 100;

// How far, in document units right and down, a paste repeated at the same press point lands
// beyond the one before it.
constexpr int PASTE_REPEAT_OFFSET = 20;

// The zoom factor's range.
constexpr float VIEW_ZOOM_MIN = 0.25f;
constexpr float VIEW_ZOOM_MAX = 4.0f;

// Colours of the diagram (COLORREF 0x00BBGGRR).
constexpr COLORREF SIM_COLOUR_ON = RGB(255, 0, 0);
constexpr COLORREF SIM_COLOUR_OFF = RGB(0, 0, 255);
constexpr COLORREF VIEW_COLOUR_OUTSIDE = RGB(128, 128, 128);
constexpr COLORREF VIEW_COLOUR_BACKGROUND = RGB(180, 180, 180);

// What a right press hit: a block, a wire, a comment box (1) or not (0). Before the first
// press every kind counts as hit.
struct ContextHits {
    int bBlock = 1;
    int bLine = 1;
    int bComment = 1;
};

// What a scan reads of the Simulation bar: its run state (SIM_RUN_*), whether the simulated
// supply is on and whether the Power button is held.
struct SimBarState {
    int nRunState;
    BOOL bPowerOn;
    BOOL bPowerPressed;
};

class CVetlaView : public CScrollView, public ISheetHost {
    DECLARE_DYNCREATE(CVetlaView)

public:
    CVetlaView() = default;
    explicit CVetlaView(CVetlaDoc* pDoc) : m_pDocument(pDoc) {}
    // A view that simulates hands the simulation back first.
    ~CVetlaView() override;

    CVetlaView(const CVetlaView&) = delete;
    CVetlaView& operator=(const CVetlaView&) = delete;

    CVetlaDoc* GetDocument() const { return m_pDocument; }
    // A view without a window is handed its document directly.
    void SetDocument(CVetlaDoc* pDoc) { m_pDocument = pDoc; }
    // The child frame that holds the view (its simulated clock and simulation bar state): the
    // one it was handed when it has no window, else the frame its window sits in.
    CChildFrame* GetParentFrame() const;
    void SetParentFrame(CChildFrame* pFrame) { m_pParentFrame = pFrame; }

    // The edit mode (EDIT_MODE_*); the commands and the mouse change it.
    int EditMode() const { return m_nEditMode; }
    // A tool whose palette changed under it: the edit mode returns to select, nothing else ends.
    void ResetEditMode() { m_nEditMode = EDIT_MODE_SELECT; }
    // The objects the user acted on last: the current block is drawn on top of the others, the
    // current wire is the one being drawn or dragged; null when none.
    CBlockObj* CurrentBlock() const { return m_pCurBlock; }
    CConnectLineObj* CurrentLine() const { return m_pCurLine; }
    CBlockComment* CurrentComment() const { return m_pCurComment; }
    // What a click on an object makes current.
    void SetCurrentObjects(CBlockObj* pBlock, CConnectLineObj* pLine, CBlockComment* pComment);
    // An object that leaves the diagram is current no more.
    void ForgetObject(const CObject* pObject);
    // Every edit that adds, removes or reloads objects of the diagram passes here first: every
    // view of the document ends its tool in progress (EndToolsInProgress) and lets go of every
    // object of the diagram it holds, the current ones and the selection, so that nothing of
    // a view points at what the edit frees. bKeepMarks leaves the objects' selected marks for
    // an edit that acts on them (Delete).
    void ForgetObjects(bool bKeepMarks = false);
    // Every view of the document ends the tool it holds across messages: a drag as its release
    // would end it, the band, a wire being drawn, the value popup.
    void EndToolsInProgress();

    // The model's block factory for this view's document: a new, unnumbered and unplaced block
    // of the class for nType; a message-text block claims the lowest free message-text slot.
    CBlockObj* CreateBlockObject(int nType);

    // Marks the slots of the document's message-text blocks as taken and all others as free.
    void RebuildMsgTextSlots();
    // Whether a message-text block of the document holds the slot (0 .. MSGTEXT_SLOT_COUNT - 1).
    bool IsMsgTextSlotUsed(int nSlot) const { return m_bMsgTextUsed[nSlot] != 0; }
    // A pasted message text takes its slot, a deleted one frees it.
    void MarkMsgTextSlot(int nSlot, bool bUsed) { m_bMsgTextUsed[nSlot] = bUsed ? 1 : 0; }

    void OnDraw(CDC* pDC) override;
    void OnInitialUpdate() override;
    // Repaints the whole client area without erasing; in simulation the repaint is a scan.
    void InvalidateAll();

    // ---- geometry (VetlaViewGeometry.cpp) ----
    // The document's zoom factor (1 without a document).
    float GetZoom() const;
    // Stores the factor in the document, clamped to VIEW_ZOOM_MIN .. VIEW_ZOOM_MAX.
    void SetZoom(float fZoom);
    // The next factor of Zoom In and Zoom Out: quarter steps up to 1, half steps above.
    static float ZoomInStep(float fZoom);
    static float ZoomOutStep(float fZoom);
    // MM_ISOTROPIC with 100 logical units to round(zoom x 100) device pixels; the viewport
    // origin stays. Returns the previous map mode.
    int ApplyZoomMapping(CDC* pDC) const;
    // The scroll extent from the base rectangle and the zoom.
    void UpdateScrollSizes();
    // The middle of the window in scrolled device pixels.
    CPoint GetViewCentre() const;
    // Zooms keeping the document point in the middle of the window (from a factor below 1 the
    // view goes back to the origin).
    void ZoomTo(float fZoom);
    // A rectangle of the window's device coordinates in document coordinates.
    void ClientToDocRect(CRect& rect) const;
    // A client point in document coordinates as the mouse handlers take it: scrolled, divided
    // by the zoom and truncated towards zero.
    CPoint ClientToDoc(CPoint ptClient) const;
    // What OK of the Page Layout dialog does: the base becomes nAcross x nDown pages.
    void SetPageLayout(int nAcross, int nDown);

    // ---- drawing and the scan (VetlaViewDraw.cpp) ----
    // The diagram; in simulation mode one scan of every block in list order, each drawn in
    // its state colour, then the wires in the colour of their source pin.
    void DrawDiagram(CDC* pDC, BOOL bScreen);
    // The page grid over the scroll extent, the base in the background colour and its frame.
    void DrawPageBackground(CDC* pDC);
    void DrawPageFrame(CDC* pDC, const CRect& rcArea);
    // What the scan reads of the Simulation bar; a running free simulation when there is none.
    SimBarState GetSimBarState() const;
    // What the blocks may know of this view's simulation and edit as they stand now: the clock
    // of the last scan and the frame's clock, the Simulation bar's states, the pin outline
    // wanted by the wire tool, the mouse, and the frame's Inputs and Outputs bars.
    CSimContext MakeSimContext() const;

    // ---- simulation (VetlaViewSimulation.cpp) ----
    // The Simulation command: enters simulation mode, or leaves it.
    void OnSimulation();
    // In a simulation a new size redraws the frame's bars at the next tick.
    void OnSize(UINT nType, int cx, int cy) override;
    void OnUpdateSimulation(CCmdUI* pCmdUI);
    // The view's side of the run (SimulationRun.h).
    CSimulationRun& Simulation() { return m_simulation; }
    const CSimulationRun& Simulation() const { return m_simulation; }
    // Makes an input's simulated settings consistent: the range in order (an automatic range
    // of a digital input 0 .. 9999, of an analog one fitted to the blocks it feeds), the value
    // inside it.
    void UpdateSimInputSettings(CBlockObj* pBlock);
    // A click on an input block during the simulation (left button down and up, document
    // coordinates; VetlaViewMouse.cpp); FALSE when the point is on no block.
    BOOL PressSimulatedInput(CPoint ptDoc);
    void ReleaseSimulatedInput(CPoint ptDoc);
    // The value popup of the run.
    void CloseValuePopup() override { m_simulation.CloseValuePopup(); }
    BOOL IsValuePopup(const CWnd* pWnd) const override { return m_simulation.IsValuePopup(pWnd); }

    // ---- block properties (VetlaViewProperties.cpp) ----
    // Block Properties: the current comment box's sheet, then the current block's: modal while
    // editing (OK writes the block and takes one undo snapshot), modeless while simulating (one
    // per block; its Apply writes the running block).
    void OnBlockProperties();
    // The command's work; false when the view went while a modal sheet of it ran.
    bool RunBlockProperties();
    void OnUpdateBlockProperties(CCmdUI* pCmdUI);
    // The current block's address label, a blank and its bracketed type caption.
    CString FormatBlockCaption() const;
    // The block's live value into its open sheet.
    void RefreshPropertyPageValues(CBlockObj* pBlock);

    // The modeless sheets of the simulation, block sheets and ladder element sheets.
    COpenSheets& OpenSheets() { return m_openSheets; }
    COpenLadSheets& OpenLadSheets() { return m_openLadSheets; }
    // ISheetHost.
    CVetlaDoc* GetSheetDocument() const override { return m_pDocument; }
    BOOL IsSheetSimulating() const override { return m_nEditMode == EDIT_MODE_SIMULATE; }
    CWnd* GetSheetParent() override { return m_hWnd ? this : nullptr; }
    BOOL ApplySheetValues(const SheetApplyRecord& record) override;
    void OnSheetDestroyed(CAllPropertySheet* pSheet) override { m_openSheets.Remove(pSheet); }
    void OnLadderSheetDestroyed(CPropShLadIO* pSheet) override { m_openLadSheets.Remove(pSheet); }
    void OnBlockRenumbered(CBlockObj& block, int nOldNumber) override;
    void OnSimInputChanged(CBlockObj& block) override;
    void DropMsgTextRefs(int nNumber) override;
    // The simulation's "Message texts" display; its pass runs after every scan and click.
    CMsgTextDisplayLink& MsgTextDisplay() { return m_msgTextDisplay; }
    void OpenMessageTexts() { m_msgTextDisplay.OpenMessageTexts(); }
    // The current comment box's sheet, modal in every mode: OK with a text changes the box (the
    // drawing grows to hold it), OK with no text deletes it; either takes one undo snapshot.
    void EditCommentBox();

    // ---- mouse editing (VetlaViewMouse.cpp) ----
    // Scrolls when a drag reaches the window border; x and y are the scrolled device point.
    void AutoScroll(BOOL bActive, int x, int y);
    // A new comment box ("Comment" in 12-point Arial, as large as its text) with its top-left
    // corner at the point pulled inside the base; null (after message 339) off the base. Not
    // yet in the document.
    CBlockComment* PlaceComment(int x, int y);
    // The pointer's look in the edit tools (EditCursors.h).
    const CEditCursors& Cursors() const { return m_cursors; }
    // The last mouse position in document coordinates (every press and move writes it), and the
    // last left or right press, where the context menu's commands and Paste act.
    CPoint LastMousePoint() const { return m_ptLastMouse; }
    CPoint ContextPoint() const { return m_ptContext; }
    // Both points as a press at the document point leaves them, for commands given without
    // the mouse.
    void SetPressPoint(CPoint ptDoc);
    // What the last right press hit; it chooses the context menu.
    const ContextHits& ContextMenuHits() const { return m_hits; }
    void SetContextMenuHits(const ContextHits& hits) { m_hits = hits; }
    // A drag left otherwise than by the left button's release (a key, a command, the right
    // button, the program closing) ends as that release would end it at the last mouse point:
    // the move stays, goes back when it left the base, and is one undo step. Nothing happens
    // when no drag goes on.
    void EndDrag();

    // ---- the selection (DiagramSelection.h) and moving it (VetlaViewSelection.cpp) ----
    CDiagramSelection& Selection() { return m_selection; }
    const CDiagramSelection& Selection() const { return m_selection; }
    // A left press in select mode: what it selects, and the edit mode of the drag it starts,
    // which it enters and returns.
    int PressInSelectMode(int x, int y, UINT nFlags);
    // pKey: the arrow key (VK_LEFT .. VK_DOWN) that moves the selection, null for the mouse.
    // Selected wires without a moved end have their segments dragged (WireDrag.h).
    void MoveSelection(int dx, int dy, const UINT* pKey);
    // FALSE (after message 339) when the point is off the base; else TRUE, the point pulled
    // inside the base's margins for the object (null: a block about to be made).
    BOOL CheckPlacement(POINT* pPoint, const CBlockObj* pObject);
    int CheckDragEnd();

    // ---- the wire tool (WireTool.h) ----
    CWireTool& WireTool() { return m_wireTool; }
    const CWireTool& WireTool() const { return m_wireTool; }
    // Every message passes the balloon tip first: a button press hides it.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Every command ends a drag in progress before it is handled (EndDrag).
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    // ---- connection upkeep (VetlaViewConnections.cpp) ----
    // TRUE when the step from the last point to (x, y) took the selection further off the page
    // and was taken back.
    BOOL KeepSelectionOnPage(int x, int y);
    void ReattachLineEnd(CPoint point, CBlockObj* pTarget, int nPin);

    // ---- placing a block (VetlaViewPlace.cpp) ----
    // A new block of the type at the point, not yet in the document; null when the program
    // has no room for it (after the refusal message) or the type cannot be placed.
    CBlockObj* PlaceNewBlock(int nType, POINT* pPoint);
    // The block type the palette chose for insert mode.
    int PaletteType() const { return m_nPaletteType; }
    // Command ID_PALETTE_REFRESH: the main window's palette selection takes effect. A running
    // simulation ends; the pointer item gives select mode, a block item insert mode for its type
    // (abandoning a half-drawn wire).
    void OnPaletteRefresh();
    // An activated diagram repaints the palette, whose lists follow the active document's kind
    // and generation.
    void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;

    // ---- clipboard, delete and connector pairs (VetlaViewClipboard.cpp, VetlaViewDelete.cpp,
    // VetlaViewConnectorPair.cpp) ----
    // Copy puts the selection on the clipboard (a connector only with its partner and both of
    // their wires, when the blocks at both far ends are selected too); Cut is Copy and Delete,
    // and deletes nothing when the selection could not be put on the clipboard.
    // Paste adds the clipboard's blocks, wires and comments, renumbered, at the last press
    // point, after the compatibility and capacity checks (a refusal changes nothing).
    void OnEditCopy();
    void OnEditCut();
    void OnEditPaste();
    // Where the next pasted group's top-left goes: the last press point, moved on by one
    // repeat offset for every paste in a row at that same point.
    CPoint NextPastePoint();
    void OnEditDelete();
    void OnEditSelectAll();
    void OnUpdateEditCopy(CCmdUI* pCmdUI);
    void OnUpdateEditPaste(CCmdUI* pCmdUI);
    void OnUpdateEditDelete(CCmdUI* pCmdUI);
    // Something is selected and the diagram is not being simulated: Edit > Delete is offered.
    BOOL CanDeleteSelection() const;
    void OnUpdateEditSelectAll(CCmdUI* pCmdUI);
    // The Cut/Join Connection mode on and off.
    void OnCutJoinConnection();
    void OnUpdateCutJoinConnection(CCmdUI* pCmdUI);
    // Context-menu commands at the context point: cut the wire there into a connector pair (or join
    // the pair it ends at), join the current pair, select the current connector's partner.
    void OnWireSeparate();
    void OnWireJoin();
    void OnGoToPartner();
    // Deletes the selection and everything that depends on it: a connector's partner and the
    // pair's wires, ladder contacts of a deleted coil or block, the wires at deleted blocks,
    // parameter references, data-log items and message-text elements naming deleted blocks;
    // the function blocks are renumbered. No undo snapshot.
    void DeleteSelection();
    void SelectAll();
    // TRUE when the blocks at the far ends of the wires into the connector and into its
    // partner are both selected.
    BOOL IsConnectorPairInSelection(CBlockObj* pConnector);
    // Replaces the current wire (the only selection) by a Female left of its input end and a
    // Male right of its output end, each on the first free spot of the search order; without
    // room for the pair nothing changes and the edit mode returns to select.
    void SeparateLine();
    // Replaces the current connector pair (the current wire's end connector or the current
    // block) and its two wires by one wire between the two far pins.
    void JoinConnectorPair();
    // Cuts every wire that crosses a block into a connector pair (after an upload or the
    // ladder conversion). Returns 0.
    int CutWiresCrossingBlocks();

    // ---- view commands and keys (VetlaViewCommands.cpp, VetlaViewContextMenu.cpp,
    // VetlaViewKeys.cpp, VetlaViewAlign.cpp) ----
    // Centres the window on the block with that number and makes it the only selection; a
    // number no block has changes nothing.
    void GoToBlock(int nNumber);
    // Selection and Escape: ends the wire tool, else a running simulation, and returns to
    // select mode with the arrow cursor and without the mouse capture.
    void EndTool();
    void OnSelection();
    // Connect mode on and off (VetlaViewModes.cpp).
    void OnConnect();
    void OnUpdateConnect(CCmdUI* pCmdUI);
    // Lines up the selected blocks and comments with the first selected block: axis 0 gives
    // them its x (a column), axis 1 its y (a row). Wires follow their blocks; one undo
    // snapshot when anything moved.
    void AlignSelection(int nAxis);
    void OnAlignVertically();
    void OnAlignHorizontally();
    void OnUpdateAlign(CCmdUI* pCmdUI);
    // Insert Comments: the comment tool on (leaving a simulation first) and off again.
    void OnInsertComments();
    void OnUpdateInsertComments(CCmdUI* pCmdUI);
    // The Wire Colour and Background Colour commands: the colours the diagram is drawn in.
    void OnWireColor();
    void OnBackgroundColor();
    COLORREF GetWireColour() const { return m_crWire; }
    COLORREF GetBackgroundColour() const { return m_crBackground; }
    void OnGoToBlock();
    // Go To Block and Page Layout change the selection or the diagram: not while simulating.
    void OnUpdateGoToBlock(CCmdUI* pCmdUI);
    void OnUpdatePageLayout(CCmdUI* pCmdUI);
    void OnSaveAllFiles();
    void OnAddSystemTimePage();
    void OnUpdateAddSystemTimePage(CCmdUI* pCmdUI);
    // The device commands post their operation to the main window, which runs it.
    void OnDeviceCommand(UINT nID);
    void OnUpdateDeviceCommand(CCmdUI* pCmdUI);
    // The popup of context menu 141 that the last right press chose (by what it hit and what
    // is selected), -1 for no menu; choosing it may drop wires or blocks from the selection.
    int ChooseContextPopup();
    // Every key but an arrow ends a run of arrow steps, which Undo takes back as one.
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnContextMenu(CWnd* pWnd, CPoint point) override;

    // ---- printing (DiagramPrinting.h) and page layout (VetlaViewPrint.cpp) ----
    CDiagramPrinting& Printing() { return m_printing; }
    void OnPrintCommand();
    void OnPrintPreviewCommand();
    void OnPrintDirectCommand();
    void OnPageLayout();
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* pDC) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    void OnLButtonDblClk(UINT nFlags, CPoint point) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;
    void OnRButtonDown(UINT nFlags, CPoint point) override;
    void OnRButtonUp(UINT nFlags, CPoint point) override;
    // The scroll keys, the wheel and the scroll bars; a pin's tip goes with the scroll.
    BOOL OnScrollBy(CSize sizeScroll, BOOL bDoScroll = TRUE) override;
    void PostNcDestroy() override;

    void OnZoomIn();
    void OnZoomOut();
    void OnUpdateZoomIn(CCmdUI* pCmdUI);
    void OnUpdateZoomOut(CCmdUI* pCmdUI);
    // Undo and Redo (VetlaViewModes.cpp).
    void OnUndo();
    void OnUpdateUndo(CCmdUI* pCmdUI);
    void OnRedo();
    void OnUpdateRedo(CCmdUI* pCmdUI);
    void StepUndo(BOOL bRedo);
    // Neither a simulation nor the edit lock holds the document.
    BOOL IsDocumentEditable() const;
    void OnUpdateSelection(CCmdUI* pCmdUI);
    void OnUpdateFileSave(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()

private:
    // Puts the selection on the clipboard; FALSE when it could not be stored.
    BOOL CopySelection();
    // Mouse editing by mode (VetlaViewMouse.cpp).
    void TakeFocus();
    BOOL IsInClientArea(CPoint point) const;
    void PressToInsert(CPoint pt);
    int SelectAtPress(int x, int y, UINT nFlags);
    BOOL CanStartWire(const CBlockObj& block, int nPin) const;
    void PressToComment(CPoint pt);
    void PressToCutOrJoin(CPoint pt);
    void FinishWireAt(CPoint pt);
    // The end of the drag of the edit mode, the left button let go at the document point.
    void EndDragAt(CPoint pt);
    void EndSelectionDrag();
    // A drag of blocks, comments or wires starts and ends: a drag that changed the diagram is
    // one undo step (which marks the document modified), one that changed nothing or was put
    // back leaves none.
    void StartMove();
    void FinishMove();
    // This view's part of EndToolsInProgress.
    void EndOwnTool();
    void DoubleClickOnPin(CPoint pt);
    void DefaultMouseMove(UINT nFlags, CPoint point);
    // An arrow key's step of the selection (VetlaViewKeys.cpp).
    void StepSelection(int dx, int dy, UINT nKey);
    void SaveArrowStep(CVetlaDoc& doc);
    void RightPressInTool(CPoint pt);
    void RightPressSelects(CPoint pt);
    void SelectAlone(CBlockObj* pBlock);
    void SelectAlone(CConnectLineObj* pLine);
    void SelectAlone(CBlockComment* pComment);
    void PressBesideBlocks(CPoint ptDoc);
    CWnd* SheetAtScreenPoint(CPoint ptScreen) const;

    // Block Properties' two kinds of sheet and the comment box's two outcomes. A modal sheet
    // names its block by number: OK writes into the block that carries it then, and says so
    // when none does any more.
    void RunModalSheet(CBlockObj& block, const CString& strCaption);
    void OpenModelessSheet(CBlockObj& block, const CString& strCaption);
    // A ladder element's sheet: modal while editing (OK writes the operand, its comment and
    // its simulated input, one undo snapshot), modeless while simulating.
    void RunModalLadSheet(CBlockObj& element, const CString& strCaption);
    void OpenModelessLadSheet(CBlockObj& element, const CString& strCaption);
    // The simulation's Inputs or Outputs bar made again after an I/O block changed.
    void RebuildSimBars(BOOL bInputs, BOOL bOutputs);
    void DeleteCommentBox(CBlockComment* pBox);
    // Runs a modal sheet of this view. The view may go while it runs (its document closed by a
    // queued command): the sheet then ends, and bViewGone tells the caller to touch nothing.
    INT_PTR RunViewModal(CDialog& dlg, bool& bViewGone);
    // The block that carries the number now, when it is still of the type; null (and the user
    // told) when the diagram lost it while its sheet was open.
    CBlockObj* FindEditedBlock(int nNumber, int nType) const;
    // Alive as long as the view: a modal sheet's caller checks it after the sheet.
    std::shared_ptr<int> m_pLifeToken = std::make_shared<int>(0);
    CDialog* m_pRunningModal = nullptr;
    void UpdateCommentBox(CBlockComment& box, const CInsComments& page);

    // The scan's parts (VetlaViewDraw.cpp).
    void DrawBlocks(CDC* pDC, BOOL bScreen, const SimBarState& bar, const CSimContext& sim);
    void DrawWires(CDC* pDC, BOOL bScreen, const SimBarState& bar);
    COLORREF WireColour(const CConnectLineObj& line, const SimBarState& bar) const;
    void DrawEditMarks(CDC* pDC);
    // This view is the frame's active view in the main window (the only one that draws).
    BOOL IsActiveDiagramView() const;
    // The memory bitmap exists and has the client area's size; TRUE when it was made anew and so
    // holds no image.
    BOOL PrepareMemoryBitmap(const CSize& sizeClient);
    // The page, the diagram and the edit marks, as the view shows them, into the clip box of pDC.
    void DrawImage(CDC* pDC);

    // The parts of the view share its edit state.
    friend class CDiagramPrinting;
    friend class CSimulationRun;
    friend class CWireDrag;
    friend class CWireTool;
    // The document as its own class. The layer's document pointer (CView::m_pDocument) is the
    // same object once the window exists; a windowless view has only this one.
    CVetlaDoc* m_pDocument = nullptr;
    // 1 for each message-text slot a block of the document holds.
    int m_bMsgTextUsed[MSGTEXT_SLOT_COUNT] = {};
    int m_nEditMode = EDIT_MODE_SELECT;
    CBlockObj* m_pCurBlock = nullptr;
    CConnectLineObj* m_pCurLine = nullptr;
    CBlockComment* m_pCurComment = nullptr;
    // Where everything lay when the current drag started, and the undo store's state count
    // then (-1 when no drag goes on): an edit that took a step of its own during the drag, or
    // an undo, leaves the drag none.
    DiagramPlaces m_movePlaces;
    int m_nMoveState = -1;
    // The undo store's state count after the last arrow step's snapshot while the arrow keys
    // go on (-1 when no run goes on): the next step rewrites that snapshot when it is still
    // the current one.
    int m_nArrowRunState = -1;
    // The undo store's state count after a placed contact's snapshot while its sheet, opened at
    // once, is open (-1 otherwise): the operand chosen there belongs to the placing, one step.
    int m_nPlacingState = -1;
    COLORREF m_crBackground = VIEW_COLOUR_BACKGROUND;
    COLORREF m_crWire = RGB(0, 0, 0);
    // The press point of the last paste and how many pastes in a row went there: each repeat
    // lands PASTE_REPEAT_OFFSET further right and down, so that the copies stay visible.
    std::optional<CPoint> m_ptPasteAnchor;
    int m_nPasteRepeat = 0;
    // The block type the palette chose for insert mode.
    int m_nPaletteType = 0;
    // The mouse position in client (device) coordinates as the view's mouse handling last saw
    // it; the block drawing outlines the pin under it while placing or connecting. Far outside
    // every block until the mouse has moved over the view.
    CPoint m_ptCursor{-32768, -32768};
    CPoint m_ptLastMouse;
    CPoint m_ptContext;
    ContextHits m_hits;
    CEditCursors m_cursors;

    // Follows the view's document pointer.
    CDiagramSelection m_selection{m_pDocument};
    CDiagramPrinting m_printing{*this};
    CWireTool m_wireTool{*this};
    CWireDrag m_wireDrag{*this};
    CSimulationRun m_simulation{*this};
    CChildFrame* m_pParentFrame = nullptr;
    COpenSheets m_openSheets;
    COpenLadSheets m_openLadSheets;
    CMsgTextDisplayLink m_msgTextDisplay{*this};
    // Every paint draws here first and reaches the window in one copy.
    CDC m_memDC;
    // Blocks outside the painted area draw here, where nothing is painted: what a block keeps
    // of its drawing (the text of its value box) stays current for every block.
    CDC m_hiddenDC;
    std::unique_ptr<CBitmap> m_pMemBitmap;
    CSize m_sizeMemBitmap;
};

// The pin outline the blocks draw for the edit mode: a block being placed, a wire being drawn
// or a wire's end being dragged (the current wire) asks for it.
SimPinTool PinToolFor(int nEditMode, const CConnectLineObj* pCurLine);

// The view as a diagram view; null for another kind of view (or none).
CVetlaView* AsVetlaView(CWnd* pWnd);

// The one view whose simulation runs, or null: only one view simulates at a time.
extern CVetlaView* g_pSimulatingView;
