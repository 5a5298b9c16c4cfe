// Placing a block chosen in the palette: the room checks of the program (function-block count,
// program memory, the limit of each kind), the refusal messages, and the new block's defaults
// that depend on the view or on the controller generation. The palette's selection reaches the
// view here too, as command ID_PALETTE_REFRESH, and an activated diagram repaints the palette.
#include "editor/VetlaView.h"

#include "blocks/BlockFactory.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "document/BlockNumbering.h"
#include "document/DocumentObserver.h"
#include "document/VetlaDoc.h"
#include "editor/PaletteHost.h"
#include "editor/PlacementRules.h"
#include "editor/WorkspaceView.h"
#include "platform/core/MessageBox.h"
#include "platform/core/String.h"

namespace {

constexpr UINT IDS_FUNCTION_BLOCKS_FULL = 336;
constexpr UINT IDS_PROGRAM_MEMORY_FULL = 612;

// A new block stands with its middle under the click; width 25, so 12 to the left.
constexpr int CLICK_TO_LEFT = 12;
// In a ladder diagram a block may not reach into the power rail: a click closer than this to
// the rail's right edge puts the block at a fixed gap beside it.
constexpr int RAIL_CLICK_REACH = 17;
constexpr int RAIL_GAP = 7;

void ShowStop(const CString& strText)
{
    AfxMessageBox(strText, MB_ICONSTOP);
}

void ShowStop(UINT nStringId)
{
    CString strText;
    strText.LoadString(nStringId);
    ShowStop(strText);
}

// The kind's own refusal; a kind without a text of its own is refused silently (the program
// memory message, when there was one, has told the user already).
void ShowRefusal(int nType)
{
    if (const UINT nId = PlacementRefusalId(nType))
        ShowStop(nId);
}

// The checks of the function blocks: count, the kinds with a limit, program memory. Each
// refusal has shown its messages when this returns FALSE.
BOOL HasRoomForFunctionBlock(const CVetlaDoc& doc, int nType)
{
    if (doc.CountFunctionBlocks() >= FUNCTION_BLOCK_LIMIT) {
        CString strText;
        strText.Format(IDS_FUNCTION_BLOCKS_FULL, FUNCTION_BLOCK_LIMIT);
        ShowStop(strText);
        return FALSE;
    }
    if ((nType == BT_MSGTEXT || nType == BT_SREG || nType == BT_AFILTER) && !doc.HasRoomForBlock(nType, nullptr)) {
        ShowRefusal(nType);
        return FALSE;
    }
    const int nBytes = PlacementProgramBytes(nType, doc.IsNewGenerationDoc());
    if (doc.GetProgramSize() + nBytes >= PROGRAM_MEMORY_BYTES) {
        ShowStop(IDS_PROGRAM_MEMORY_FULL);
        ShowRefusal(nType);
        return FALSE;
    }
    return TRUE;
}

BOOL HasRoomForOtherBlock(const CVetlaDoc& doc, int nType)
{
    BlockRoomRequest request;
    if (doc.HasRoomForBlock(nType, &request))
        return TRUE;
    ShowRefusal(nType);
    return FALSE;
}

// The left edge of a new block clicked at x: in a ladder diagram never within the rail.
int BlockLeftForClick(const CVetlaDoc& doc, int x)
{
    const int nLeft = x - CLICK_TO_LEFT;
    if (!doc.IsLadder() || doc.m_powerBusList.IsEmpty())
        return nLeft;
    const auto* pRail = static_cast<const CBlockObj*>(doc.m_powerBusList.GetHead());
    const int nRailRight = pRail->m_ptPos.x + pRail->m_nWidth;
    return x - RAIL_CLICK_REACH <= nRailRight ? nRailRight + RAIL_GAP : nLeft;
}

} // namespace

CBlockObj* CVetlaView::PlaceNewBlock(int nType, POINT* pPoint)
{
    if (!m_pDocument || !pPoint)
        return nullptr;
    const CVetlaDoc& doc = *m_pDocument;
    const BOOL bRoom = GetBlockCategory(nType) == BLOCK_CATEGORY_FUNCTION ? HasRoomForFunctionBlock(doc, nType)
                                                                           : HasRoomForOtherBlock(doc, nType);
    if (!bRoom || !IsPlaceableType(nType))
        return nullptr;

    // The factory sizes the block (25 wide, 40 high with 4 inputs, else 36) and gives a message
    // text the lowest free message-text number.
    CBlockObj* pBlock = CreateBlockObject(nType);
    if (!pBlock)
        return nullptr;
    // The yearly timer, the shift register and the Modbus write take the memory of the
    // document's generation, whatever generation the active document had when it was made.
    const BOOL bNewGeneration = doc.IsNewGenerationDoc();
    if (PlacementProgramBytes(nType, FALSE) != PlacementProgramBytes(nType, TRUE))
        pBlock->m_wProgramBytes = PlacementProgramBytes(nType, bNewGeneration);
    pBlock->m_ptPos = CPoint(BlockLeftForClick(doc, pPoint->x), pPoint->y);
    pBlock->m_ptPos2 = pBlock->m_ptPos;
    return pBlock;
}

void CVetlaView::OnPaletteRefresh()
{
    const IPaletteHost* pHost = AfxGetPaletteHost();
    if (!pHost)
        return;
    if (m_nEditMode == EDIT_MODE_SIMULATE)
        OnSimulation();
    // Only a block item enters insert mode; the pointer item (a tab change) gives select mode.
    const BOOL bInsert = pHost->GetPaletteFlag() == 1;
    m_nEditMode = bInsert ? EDIT_MODE_INSERT : EDIT_MODE_SELECT;
    if (!bInsert)
        return;
    m_nPaletteType = pHost->GetPaletteTypeCode();
    if (m_wireTool.IsDrawing()) {
        m_wireTool.Forget();
        InvalidateAll();
    }
}

void CVetlaView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView)
{
    if (bActivate) {
        // The status bar names the hardware of the diagram in front.
        if (IDocumentObserver* pObserver = m_pDocument ? m_pDocument->GetObserver() : nullptr)
            pObserver->OnHardwareSeriesChanged(*m_pDocument);
        CWorkspaceView::RedrawAll();
    }
    CScrollView::OnActivateView(bActivate, pActivateView, pDeactiveView);
}
