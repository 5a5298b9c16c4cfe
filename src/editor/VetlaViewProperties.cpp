// Block Properties: the road from a diagram element to its parameters. A comment box opens its
// own sheet; a block opens the block property sheet of its type, modal while the diagram is
// edited and modeless while it is simulated, where Apply writes into the running block by the
// block's number and every scan shows the block's live value in its sheet.
#include "editor/VetlaView.h"

#include "blocks/BlockComment.h"
#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "document/BlockNames.h"
#include "document/LineEnds.h"
#include "document/MsgTextReferences.h"
#include "document/PageLayout.h"
#include "document/VetlaDoc.h"
#include "editor/ChildFrame.h"
#include "editor/InputsBarDlg.h"
#include "editor/OutputsBarDlg.h"
#include "pages/sheet/AllPropertySheet.h"
#include "pages/sheet/BlockPageRegistry.h"
#include "pages/sheet/InsComments.h"
#include "pages/ladder/PropShLadIO.h"
#include "platform/core/CmdTarget.h"
#include "platform/core/MessageBox.h"

#include <algorithm>
#include <utility>

namespace {

// The bars show the first inputs (I0 .. I15, AI0 .. AI7, every function key) and outputs
// (Q0 .. Q7, AQ0 .. AQ3).
bool IsOnInputsBar(int nNumber)
{
    return (nNumber >= NUM_INPUT && nNumber < NUM_INPUT + 16) || (nNumber >= NUM_ANALOG_IN && nNumber < NUM_ANALOG_IN + 8) ||
           (nNumber >= NUM_FKEY && nNumber < NUM_FLAG);
}

bool IsOnOutputsBar(int nNumber)
{
    return (nNumber >= NUM_OUTPUT && nNumber < NUM_OUTPUT + 8) || (nNumber >= NUM_ANALOG_OUT && nNumber < NUM_ANALOG_OUT + 4);
}

// The box's text reaches past the drawing's pages: pages are added across and down.
int PagesToHold(int nPages, int nEdge, int nPageSize)
{
    return nPageSize > 0 && nEdge > nPageSize ? std::max(nPages, nEdge / nPageSize + 1) : nPages;
}

// An open modeless sheet asked for again comes to the front and takes the keyboard, as a new
// one would.
void BringToFront(CWnd& sheet)
{
    sheet.SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    sheet.SetActiveWindow();
    sheet.SetFocus();
}

}  // namespace

void CVetlaView::OnUpdateBlockProperties(CCmdUI* pCmdUI) { pCmdUI->Enable(m_pCurBlock || m_pCurComment); }

CString CVetlaView::FormatBlockCaption() const
{
    CString strCaption = m_pDocument->GetBlockLabel(m_pCurBlock) + _T(" ");
    CString strType;
    if (g_mapBlockCaption.Lookup(WORD(m_pCurBlock->m_nType), strType))
        strCaption += strType;
    return strCaption;
}

void CVetlaView::OnBlockProperties() { RunBlockProperties(); }

bool CVetlaView::RunBlockProperties()
{
    m_wireTool.Tip().Show(CString(), nullptr);
    // A modal sheet may outlive the view (its document closed meanwhile): nothing of it is
    // touched after a sheet that saw it go.
    const std::weak_ptr<int> alive = m_pLifeToken;
    if (m_pCurComment)
        EditCommentBox();
    if (alive.expired())
        return false;
    CBlockObj* pBlock = m_pCurBlock;
    if (!pBlock || !m_pDocument)
        return true;
    const BOOL bSimulating = m_nEditMode == EDIT_MODE_SIMULATE;
    if (bSimulating) {
        for (CWnd* pOpen : {static_cast<CWnd*>(m_openSheets.Find(pBlock->m_nNumber)),
                            static_cast<CWnd*>(m_openLadSheets.Find(pBlock->m_nNumber))}) {
            if (pOpen) {
                BringToFront(*pOpen);
                return true;
            }
        }
    }
    if (IsLadderElementType(pBlock->m_nType)) {
        if (bSimulating)
            OpenModelessLadSheet(*pBlock, FormatBlockCaption());
        else
            RunModalLadSheet(*pBlock, FormatBlockCaption());
    } else if (FindBlockPageRow(pBlock->m_nType)) {
        const CString strCaption = FormatBlockCaption();
        if (bSimulating)
            OpenModelessSheet(*pBlock, strCaption);
        else
            RunModalSheet(*pBlock, strCaption);
    }
    if (alive.expired())
        return false;
    m_wireTool.Tip().Show(CString(), nullptr);
    InvalidateAll();
    return true;
}

INT_PTR CVetlaView::RunViewModal(CDialog& dlg, bool& bViewGone)
{
    const std::weak_ptr<int> alive = m_pLifeToken;
    CDialog* pOuter = std::exchange(m_pRunningModal, &dlg);
    const INT_PTR nResult = dlg.DoModal();
    bViewGone = alive.expired();
    if (!bViewGone)
        m_pRunningModal = pOuter;
    return nResult;
}

CBlockObj* CVetlaView::FindEditedBlock(int nNumber, int nType) const
{
    CBlockObj* pBlock = m_pDocument ? m_pDocument->FindBlockByNumber(nNumber) : nullptr;
    if (pBlock && pBlock->m_nType == nType)
        return pBlock;
    AfxMessageBox(_T("The block is no longer in the diagram: its new values were not written."), MB_ICONEXCLAMATION);
    return nullptr;
}

void CVetlaView::RunModalSheet(CBlockObj& blockShown, const CString& strCaption)
{
    const int nNumber = blockShown.m_nNumber;
    const int nType = blockShown.m_nType;
    CAllPropertySheet sheet(nType, strCaption, this, 0);
    sheet.CopyIn(blockShown);
    bool bViewGone = false;
    if (RunViewModal(sheet, bViewGone) != IDOK || bViewGone)
        return;
    // What ran while the sheet was open may have freed the block it was opened on.
    CBlockObj* pBlock = FindEditedBlock(nNumber, nType);
    if (!pBlock)
        return;
    CBlockObj& block = *pBlock;
    sheet.CopyBack(block);
    // A message text's page may have moved it to another priority slot.
    if (block.m_nType == BT_MSGTEXT)
        RebuildMsgTextSlots();
    if (const BlockPageRow* pRow = sheet.GetRow(); pRow && pRow->pfnAfterWrite)
        pRow->pfnAfterWrite(*m_pDocument, &block, FALSE);
    // Written values are a change to save: without the flag, closing would drop them unasked.
    m_pDocument->SetModifiedFlag(TRUE);
    m_pDocument->m_undo.SaveState(m_pDocument);
}

void CVetlaView::OpenModelessSheet(CBlockObj& block, const CString& strCaption)
{
    auto* pSheet = new CAllPropertySheet(block.m_nType, strCaption, this, 0);
    pSheet->m_nBlockNumber = block.m_nNumber;
    pSheet->m_nCascade = m_openSheets.GetCount();
    pSheet->CopyIn(block);
    if (!pSheet->Create(GetSheetParent())) {
        delete pSheet;
        return;
    }
    m_openSheets.Add(pSheet);
    RefreshPropertyPageValues(&block);
}

void CVetlaView::RunModalLadSheet(CBlockObj& elementShown, const CString& strCaption)
{
    const int nNumber = elementShown.m_nNumber;
    const int nType = elementShown.m_nType;
    CPropShLadIO sheet(elementShown, strCaption, this, 0);
    sheet.CopyIn(elementShown);
    bool bViewGone = false;
    if (RunViewModal(sheet, bViewGone) != IDOK || bViewGone)
        return;
    CBlockObj* pElement = FindEditedBlock(nNumber, nType);
    if (!pElement)
        return;
    sheet.CopyBack(*pElement);
    m_pDocument->m_undo.ContinueState(m_pDocument, std::exchange(m_nPlacingState, -1));
}

void CVetlaView::OpenModelessLadSheet(CBlockObj& element, const CString& strCaption)
{
    auto* pSheet = new CPropShLadIO(element, strCaption, this, 0);
    pSheet->m_nCascade = m_openLadSheets.GetCount();
    pSheet->CopyIn(element);
    if (!pSheet->Create(GetSheetParent())) {
        delete pSheet;
        return;
    }
    m_openLadSheets.Add(pSheet);
}

void CVetlaView::RefreshPropertyPageValues(CBlockObj* pBlock)
{
    if (pBlock && !m_openSheets.IsEmpty())
        m_openSheets.RefreshValue(*pBlock, MakeSimContext());
}

BOOL CVetlaView::ApplySheetValues(const SheetApplyRecord& record)
{
    CBlockObj* pBlock = m_pDocument ? m_pDocument->FindBlockByNumber(record.nBlockNumber) : nullptr;
    const int nOldSlot = pBlock ? pBlock->m_nParamEx[MSGTEXT_SLOT_PARAMEX] : MSGTEXT_NO_SLOT;
    if (!pBlock || !WriteApplyRecord(record, *pBlock, this))
        return FALSE;
    // A message text moved to another priority takes its slot, and an open "Message texts"
    // display is built again so that its pages follow the new order.
    if (pBlock->m_nType == BT_MSGTEXT && pBlock->m_nParamEx[MSGTEXT_SLOT_PARAMEX] != nOldSlot) {
        RebuildMsgTextSlots();
        if (m_nEditMode == EDIT_MODE_SIMULATE)
            m_msgTextDisplay.Reopen();
    }
    if (const BlockPageRow* pRow = FindBlockPageRow(pBlock->m_nType); pRow && pRow->pfnAfterWrite)
        pRow->pfnAfterWrite(*m_pDocument, pBlock, m_nEditMode == EDIT_MODE_SIMULATE);
    m_pDocument->SetModifiedFlag(TRUE);
    InvalidateAll();
    return TRUE;
}

void CVetlaView::OnBlockRenumbered(CBlockObj& block, int nOldNumber)
{
    // A tool started before the sheet would go on with the old number.
    EndToolsInProgress();
    RenumberLineEnds(*m_pDocument, nOldNumber);
    // An analog output's or open connector's value is shown by no message text.
    if (m_pDocument->IsNewGenerationDoc() && block.m_nType != BT_ANALOG_OUT && block.m_nType != BT_OPENX)
        RemoveMsgTextRefsByBlock(*m_pDocument, &block);
    if (m_nEditMode != EDIT_MODE_SIMULATE)
        return;
    m_openSheets.Renumber(nOldNumber, block.m_nNumber);
    const int nNew = block.m_nNumber;
    RebuildSimBars(IsOnInputsBar(nOldNumber) || IsOnInputsBar(nNew), IsOnOutputsBar(nOldNumber) || IsOnOutputsBar(nNew));
}

void CVetlaView::DropMsgTextRefs(int nNumber)
{
    if (m_pDocument)
        RemoveMsgTextRefsByNumber(*m_pDocument, nNumber);
}

void CVetlaView::OnSimInputChanged(CBlockObj&)
{
    if (m_nEditMode == EDIT_MODE_SIMULATE)
        RebuildSimBars(TRUE, FALSE);
}

void CVetlaView::RebuildSimBars(BOOL bInputs, BOOL bOutputs)
{
    CChildFrame* pFrame = GetParentFrame();
    if (!pFrame)
        return;
    if (bInputs && pFrame->m_pInputsBar)
        pFrame->m_pInputsBar->GetDlg()->RebuildControls();
    if (bOutputs && pFrame->m_pOutputsBar)
        pFrame->m_pOutputsBar->GetDlg()->RebuildControls();
}

// ---- comment boxes ----

void CVetlaView::EditCommentBox()
{
    // A comment is part of the drawing the file keeps: a run or the edit lock leave it alone.
    if (!IsDocumentEditable())
        return;
    CBlockComment* pBox = m_pCurComment;
    CInsCommentsPropSh sheet(_T("Property"), nullptr, 0);
    sheet.m_page.m_strText = pBox->m_strBoxText;
    sheet.m_page.m_crText = pBox->m_crText;
    sheet.m_page.m_lf = pBox->m_logFont;
    bool bViewGone = false;
    if (RunViewModal(sheet, bViewGone) != IDOK || bViewGone)
        return;
    if (!m_pDocument || !m_pDocument->m_commentList.Find(pBox)) {
        AfxMessageBox(_T("The comment is no longer in the diagram: its new text was not written."), MB_ICONEXCLAMATION);
        return;
    }
    if (sheet.m_page.m_strText.IsEmpty())
        DeleteCommentBox(pBox);
    else
        UpdateCommentBox(*pBox, sheet.m_page);
    // Both a changed and a deleted box are a step of their own for Undo.
    m_pDocument->m_undo.SaveState(m_pDocument);
    InvalidateAll();
}

void CVetlaView::DeleteCommentBox(CBlockComment* pBox)
{
    ForgetObjects();
    if (POSITION pos = m_pDocument->m_commentList.Find(pBox))
        m_pDocument->m_commentList.RemoveAt(pos);
    delete pBox;
    m_pDocument->SetModifiedFlag(TRUE);
    if (m_nEditMode == EDIT_MODE_SIMULATE && m_pDocument->m_commentList.IsEmpty() &&
        m_pDocument->m_blockList.IsEmpty())
        OnSimulation();
}

void CVetlaView::UpdateCommentBox(CBlockComment& box, const CInsComments& page)
{
    box.m_strBoxText = page.m_strText;
    box.m_nBoxWidth = page.m_size.cx;
    box.m_nBoxHeight = page.m_size.cy;
    box.m_nLineCount = page.m_nLines;
    box.m_crText = page.m_crText;
    box.m_logFont = page.m_lf;
    m_pDocument->SetModifiedFlag(TRUE);
    const CSize sizePage = m_pDocument->m_sizeScreen;
    const auto [nAcross, nDown] = GrownPageCounts(
        m_pDocument->m_nPagesAcross, m_pDocument->m_nPagesDown,
        PagesToHold(m_pDocument->m_nPagesAcross, box.m_nLeft + box.m_nBoxWidth, sizePage.cx),
        PagesToHold(m_pDocument->m_nPagesDown, box.m_nTop + box.m_nBoxHeight, sizePage.cy));
    if (nAcross != m_pDocument->m_nPagesAcross || nDown != m_pDocument->m_nPagesDown)
        SetPageLayout(nAcross, nDown);
}
