#include "editor/VetlaView.h"

#include "blocks/BlockFactory.h"
#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "document/VetlaDoc.h"
#include "editor/ChildFrame.h"
#include "editor/CommandIds.h"
#include "editor/PaletteHost.h"
#include "platform/ui/FrameIds.h"
#include "platform/ui/WndMessageMap.h"

namespace {

// Selection from the toolbar (Escape); the context menu's is ID_EDIT_SELECTION.
constexpr UINT ID_TOOLBAR_SELECTION = 32816;

} // namespace

IMPLEMENT_DYNCREATE(CVetlaView, CScrollView)

BEGIN_MESSAGE_MAP(CVetlaView, CScrollView)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_WM_RBUTTONDOWN()
    ON_WM_RBUTTONUP()
    ON_COMMAND(ID_TOOLS_SIMULATION, OnSimulation)
    ON_UPDATE_COMMAND_UI(ID_TOOLS_SIMULATION, OnUpdateSimulation)
    ON_COMMAND(ID_VIEW_ZOOM_IN, OnZoomIn)
    ON_UPDATE_COMMAND_UI(ID_VIEW_ZOOM_IN, OnUpdateZoomIn)
    ON_COMMAND(ID_VIEW_ZOOM_OUT, OnZoomOut)
    ON_UPDATE_COMMAND_UI(ID_VIEW_ZOOM_OUT, OnUpdateZoomOut)
    ON_COMMAND(ID_TOOLBAR_SELECTION, OnSelection)
    ON_UPDATE_COMMAND_UI(ID_TOOLBAR_SELECTION, OnUpdateSelection)
    ON_COMMAND(ID_EDIT_SELECTION, OnSelection)
    ON_COMMAND(ID_CONNECT, OnConnect)
    ON_UPDATE_COMMAND_UI(ID_CONNECT, OnUpdateConnect)
    ON_COMMAND(ID_EDIT_UNDO, OnUndo)
    ON_UPDATE_COMMAND_UI(ID_EDIT_UNDO, OnUpdateUndo)
    ON_COMMAND(ID_EDIT_REDO, OnRedo)
    ON_UPDATE_COMMAND_UI(ID_EDIT_REDO, OnUpdateRedo)
    ON_UPDATE_COMMAND_UI(ID_FILE_SAVE, OnUpdateFileSave)
    ON_UPDATE_COMMAND_UI(ID_FILE_SAVE_AS, OnUpdateFileSave)
    ON_COMMAND(ID_PALETTE_REFRESH, OnPaletteRefresh)
    ON_WM_KEYDOWN()
    ON_WM_SYSKEYDOWN()
    ON_WM_CONTEXTMENU()
    ON_COMMAND(ID_INSERT_COMMENTS, OnInsertComments)
    ON_UPDATE_COMMAND_UI(ID_INSERT_COMMENTS, OnUpdateInsertComments)
    ON_COMMAND(ID_OPTIONS_WIRE_COLOR, OnWireColor)
    ON_COMMAND(ID_OPTIONS_BG_COLOR, OnBackgroundColor)
    ON_COMMAND(ID_EDIT_GOTO_BLOCK, OnGoToBlock)
    ON_UPDATE_COMMAND_UI(ID_EDIT_GOTO_BLOCK, OnUpdateGoToBlock)
    ON_COMMAND(ID_FILE_SAVE_ALL, OnSaveAllFiles)
    ON_COMMAND(ID_ADD_SYSTEM_TIME_PAGE, OnAddSystemTimePage)
    ON_UPDATE_COMMAND_UI(ID_ADD_SYSTEM_TIME_PAGE, OnUpdateAddSystemTimePage)
    ON_COMMAND(ID_EDIT_BLOCK_PROPERTIES, OnBlockProperties)
    ON_UPDATE_COMMAND_UI(ID_EDIT_BLOCK_PROPERTIES, OnUpdateBlockProperties)
    ON_COMMAND(ID_ALIGN_VERT, OnAlignVertically)
    ON_COMMAND(ID_ALIGN_HORZ, OnAlignHorizontally)
    ON_UPDATE_COMMAND_UI(ID_ALIGN_VERT, OnUpdateAlign)
    ON_UPDATE_COMMAND_UI(ID_ALIGN_HORZ, OnUpdateAlign)
    ON_UPDATE_COMMAND_UI(ID_PLC_DOWNLOAD, OnUpdateDeviceCommand)
    ON_UPDATE_COMMAND_UI(ID_PLC_UPLOAD, OnUpdateDeviceCommand)
    ON_UPDATE_COMMAND_UI(ID_PLC_RUNSTOP, OnUpdateDeviceCommand)
    ON_COMMAND_RANGE(ID_PLC_DOWNLOAD, ID_PLC_DOWNLOAD, OnDeviceCommand)
    ON_COMMAND_RANGE(ID_PLC_UPLOAD, ID_PLC_UPLOAD, OnDeviceCommand)
    ON_COMMAND_RANGE(ID_PLC_RUNSTOP, ID_PLC_RUNSTOP, OnDeviceCommand)
    ON_COMMAND_RANGE(ID_PLC_CLOCK, ID_PLC_CLOCK, OnDeviceCommand)
    ON_COMMAND_RANGE(ID_PLC_SUMMER_TIME, ID_PLC_SUMMER_TIME, OnDeviceCommand)
    ON_COMMAND_RANGE(ID_PLC_WIFI_SETUP, ID_PLC_WIFI_SETUP, OnDeviceCommand)
    ON_COMMAND_RANGE(ID_PLC_REMOTE_WIFI_SETUP, ID_PLC_REMOTE_WIFI_SETUP, OnDeviceCommand)
    ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
    ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateEditCopy)
    ON_COMMAND(ID_EDIT_CUT, OnEditCut)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, OnUpdateEditCopy)
    ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
    ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdateEditPaste)
    ON_COMMAND(ID_EDIT_CLEAR, OnEditDelete)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CLEAR, OnUpdateEditDelete)
    ON_COMMAND(ID_EDIT_SELECT_ALL, OnEditSelectAll)
    ON_UPDATE_COMMAND_UI(ID_EDIT_SELECT_ALL, OnUpdateEditSelectAll)
    ON_COMMAND(ID_CUT_JOIN_CONNECTION, OnCutJoinConnection)
    ON_UPDATE_COMMAND_UI(ID_CUT_JOIN_CONNECTION, OnUpdateCutJoinConnection)
    ON_COMMAND(ID_WIRE_SEPARATE, OnWireSeparate)
    ON_COMMAND(ID_WIRE_JOIN, OnWireJoin)
    ON_COMMAND(ID_GOTO_PARTNER, OnGoToPartner)
    ON_COMMAND(ID_FILE_PRINT, OnPrintCommand)
    ON_COMMAND(ID_FILE_PRINT_DIRECT, OnPrintDirectCommand)
    ON_COMMAND(ID_FILE_PRINT_PREVIEW, OnPrintPreviewCommand)
    ON_COMMAND(ID_VIEW_PAGE_LAYOUT, OnPageLayout)
    ON_UPDATE_COMMAND_UI(ID_VIEW_PAGE_LAYOUT, OnUpdatePageLayout)
END_MESSAGE_MAP()

CVetlaView* g_pSimulatingView = nullptr;

CVetlaView* AsVetlaView(CWnd* pWnd)
{
    return pWnd && pWnd->IsKindOf(RUNTIME_CLASS(CVetlaView)) ? static_cast<CVetlaView*>(pWnd) : nullptr;
}

// The document may be gone already; only the global mark of the simulating view is dropped.
CVetlaView::~CVetlaView()
{
    // A modal sheet of this view still running ends with the view.
    if (m_pRunningModal && IsWindow(m_pRunningModal))
        m_pRunningModal->EndDialog(IDCANCEL);
    m_simulation.CloseValuePopup();
    m_openSheets.CloseAll();
    m_openLadSheets.CloseAll();
    if (g_pSimulatingView == this)
        g_pSimulatingView = nullptr;
}

CBlockObj* CVetlaView::CreateBlockObject(int nType)
{
    return CreateBlockForType(nType, m_bMsgTextUsed, m_pDocument);
}

CChildFrame* CVetlaView::GetParentFrame() const
{
    return m_pParentFrame ? m_pParentFrame : AsChildFrame(CScrollView::GetParentFrame());
}

int CVetlaView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CScrollView::OnCreate(lpCreateStruct) == -1)
        return -1;
    // The creation context has just made the view one of its document's views.
    CDocument* pDoc = CView::m_pDocument;
    m_pDocument = pDoc && pDoc->IsKindOf(RUNTIME_CLASS(CVetlaDoc)) ? static_cast<CVetlaDoc*>(pDoc) : nullptr;
    m_cursors.Load();
    m_wireTool.CreateTip();
    return 0;
}

void CVetlaView::OnInitialUpdate()
{
    if (m_pDocument) {
        UpdateScrollSizes();
        RebuildMsgTextSlots();
    }
    m_wireTool.LoadTexts();
    CScrollView::OnInitialUpdate();
}

void CVetlaView::PostNcDestroy()
{
    // The simulation ends before the frame's timer could ask a deleted view to repaint.
    m_simulation.EndOnClose();
    CScrollView::PostNcDestroy();
}

void CVetlaView::InvalidateAll()
{
    if (m_hWnd)
        Invalidate(FALSE);
}

void CVetlaView::RebuildMsgTextSlots()
{
    for (int& bUsed : m_bMsgTextUsed)
        bUsed = 0;
    if (!m_pDocument)
        return;
    for (POSITION pos = m_pDocument->m_blockList.GetHeadPosition(); pos;) {
        const auto* pBlock = static_cast<const CBlockObj*>(m_pDocument->m_blockList.GetNext(pos));
        const int nSlot = pBlock->m_nParamEx[MSGTEXT_SLOT_PARAMEX];
        if (pBlock->m_nType == BT_MSGTEXT && nSlot >= 0 && nSlot < MSGTEXT_SLOT_COUNT)
            m_bMsgTextUsed[nSlot] = 1;
    }
}

void CVetlaView::OnSelection()
{
    EndTool();
    InvalidateAll();
}

void CVetlaView::OnUpdateSelection(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_nEditMode == EDIT_MODE_SELECT); }

// The document saves itself; a simulating view only keeps it from saving a half-run state.
void CVetlaView::OnUpdateFileSave(CCmdUI* pCmdUI) { pCmdUI->Enable(m_nEditMode != EDIT_MODE_SIMULATE); }

// A command given while the button still drags (a key of the menus, the palette, a key that
// posts a mode command or Close) ends the drag first, as the release would: the command then
// finds the move finished, and nothing of it is lost or left half done.
BOOL CVetlaView::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (nCode == CN_COMMAND && !pHandlerInfo)
        EndDrag();
    return CScrollView::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CVetlaView::PreTranslateMessage(MSG* pMsg)
{
    m_wireTool.Tip().RelayEvent(pMsg);
    return CScrollView::PreTranslateMessage(pMsg);
}
