// Copy, Cut and Paste of the view's selection through the diagram's private clipboard.
#include "editor/VetlaView.h"

#include "blocks/BlockComment.h"
#include "blocks/BlockDataLog.h"
#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "blocks/Widget.h"
#include "blocks/ConnectLineObj.h"
#include "blocks/DiagramLimits.h"
#include "document/BlockNumbering.h"
#include "document/FunctionRenumbering.h"
#include "document/Junctions.h"
#include "document/LineEnds.h"
#include "document/PageLayout.h"
#include "document/StraightWire.h"
#include "document/VetlaDoc.h"
#include "editor/DiagramClipboard.h"
#include "editor/DiagramEditHelpers.h"
#include "editor/PasteChecks.h"
#include "platform/core/CmdTarget.h"
#include "platform/core/MessageBox.h"

#include <algorithm>
#include <climits>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <utility>
#include <vector>

namespace {

// Some of what the pasted blocks named was neither pasted along nor found in the target.
constexpr UINT IDS_PASTE_LINKS_DROPPED = 650;

// A connector goes on the clipboard only with its partner and the wires into both, and only
// when the blocks at both far sides go along: a pasted pair stands for a wire between them.
void GatherConnectorPairs(CVetlaView& view)
{
    const CVetlaDoc& doc = *view.GetDocument();
    for (CBlockObj* pBlock : ListSnapshot<CBlockObj>(view.Selection().Blocks())) {
        if (!IsConnectorBlock(pBlock) || !pBlock->m_bSelected)
            continue;
        if (!view.IsConnectorPairInSelection(pBlock)) {
            view.Selection().Remove(pBlock);
            continue;
        }
        CBlockObj* pPartner = FindPartner(doc, pBlock);
        if (pPartner)
            view.Selection().Add(pPartner);
        for (CBlockObj* pConnector : {pBlock, pPartner}) {
            if (CConnectLineObj* pLine = doc.FindLineToConnector(pConnector))
                view.Selection().Add(pLine);
        }
    }
    for (CConnectLineObj* pLine : ListSnapshot<CConnectLineObj>(view.Selection().Lines())) {
        CBlockObj* pConnector = pLine->m_pEndBlock;
        if (!IsConnectorBlock(pConnector))
            continue;
        if (!view.IsConnectorPairInSelection(pConnector)) {
            view.Selection().Remove(pLine);
            continue;
        }
        if (CConnectLineObj* pPartnerLine = doc.FindLineToConnector(FindPartner(doc, pConnector)))
            view.Selection().Add(pPartnerLine);
    }
}

CopySource DescribeSource(const CVetlaDoc& doc, const CObList& lines)
{
    CopySource source;
    source.nDocType = doc.m_nDocType;
    source.wHardwareCode = doc.m_wHardwareCode;
    source.wFirmwareWord = doc.m_wFirmwareWord;
    for (POSITION pos = lines.GetHeadPosition(); pos;) {
        if (IsPowerBusLine(doc, static_cast<const CConnectLineObj*>(lines.GetNext(pos))))
            source.bPowerBusWires = TRUE;
    }
    return source;
}

// Data without a description of its source is taken as copied from a document like the target.
CopySource TargetAsSource(const CVetlaDoc& doc)
{
    CopySource source;
    source.nDocType = doc.m_nDocType;
    source.wHardwareCode = doc.m_wHardwareCode;
    source.wFirmwareWord = doc.m_wFirmwareWord;
    return source;
}

std::vector<CBlockObj*> RawBlocks(const DiagramClipboardContents& contents)
{
    std::vector<CBlockObj*> blocks;
    for (const auto& pBlock : contents.blocks)
        blocks.push_back(pBlock.get());
    return blocks;
}

// The compatibility and capacity checks with their messages; FALSE when the paste stops.
BOOL AcceptPaste(const CVetlaDoc& doc, const CopySource& source, std::span<CBlockObj* const> blocks,
                 BOOL bWiresPasted, BOOL* pWithWires)
{
    *pWithWires = bWiresPasted;
    const PasteWireCheck wires = CheckPasteWires(doc.m_nDocType, source, bWiresPasted);
    if (wires.verdict == PasteWireVerdict::Refuse) {
        AfxMessageBox(wires.strText, MB_ICONINFORMATION);
        return FALSE;
    }
    if (wires.verdict == PasteWireVerdict::AskWithout) {
        if (AfxMessageBox(wires.strText, MB_YESNO | MB_ICONQUESTION) != IDYES)
            return FALSE;
        *pWithWires = FALSE;
    }
    const CString strRefusal = CheckPasteBlocks(doc, source, blocks);
    if (!strRefusal.IsEmpty()) {
        AfxMessageBox(strRefusal, MB_ICONINFORMATION);
        return FALSE;
    }
    if (const auto capacity = CheckPasteCapacity(doc, blocks)) {
        AfxMessageBox(capacity->strText, MB_ICONSTOP);
        return FALSE;
    }
    return TRUE;
}

// A pasted message text keeps its slot when no message text of the document holds it, else it
// takes the lowest free one.
void ClaimMessageTextSlot(CVetlaView& view, CBlockObj& block)
{
    BOOL bHeld[MSGTEXT_SLOT_COUNT] = {};
    const CObList& blocks = view.GetDocument()->m_blockList;
    for (POSITION pos = blocks.GetHeadPosition(); pos;) {
        const auto* pOther = static_cast<const CBlockObj*>(blocks.GetNext(pos));
        const int nSlot = pOther->m_nParamEx[MSGTEXT_SLOT_PARAMEX];
        if (pOther->m_nType == BT_MSGTEXT && nSlot >= 0 && nSlot < MSGTEXT_SLOT_COUNT)
            bHeld[nSlot] = TRUE;
    }
    int& nSlot = block.m_nParamEx[MSGTEXT_SLOT_PARAMEX];
    if (nSlot < 0 || nSlot >= MSGTEXT_SLOT_COUNT || bHeld[nSlot]) {
        const auto* pFree = std::find(std::begin(bHeld), std::end(bHeld), FALSE);
        nSlot = pFree == std::end(bHeld) ? MSGTEXT_NO_SLOT : int(pFree - std::begin(bHeld));
    }
    if (nSlot != MSGTEXT_NO_SLOT)
        view.MarkMsgTextSlot(nSlot, true);
}

// Links to blocks of the source are cut until the pasted wires restore those they keep.
void OpenPinLinks(CBlockObj& block)
{
    for (int nPin = 0; nPin < BLOCK_PIN_COUNT; ++nPin) {
        if (block.m_nPinSource[nPin] >= NUM_INPUT)
            block.m_nPinSource[nPin] = nPin < BLOCK_FIRST_OUTPUT ? LINK_OPEN : LINK_OUTPUT;
    }
}

// Pasted blocks by the number they were copied with.
using PastedBlocks = std::map<int, CBlockObj*>;

// What the pasted blocks name by number (their references, message-text elements and data-log
// items) after the paste: a block pasted along under its new number; an I/O point as it was, the
// same point in every diagram; another block only in the document it was copied from, where it
// still stands. What finds nothing is left out and counted, so that the user is told.
class PasteLinks {
public:
    PasteLinks(const CVetlaDoc& doc, const PastedBlocks& pasted, BOOL bSameDocument)
        : m_doc(doc), m_pasted(pasted), m_bSameDocument(bSameDocument)
    {
    }

    void Relink(CBlockObj& block)
    {
        RelinkReferences(block);
        if (auto* pLog = dynamic_cast<CBlockDataLog*>(&block))
            RelinkDataLog(*pLog);
        if (auto* pText = dynamic_cast<CBlockMSGTEXT*>(&block))
            RelinkWidgets(*pText);
    }

    int Dropped() const { return m_nDropped; }

private:
    std::optional<int> Follow(int nNumber) const
    {
        if (const auto it = m_pasted.find(nNumber); it != m_pasted.end())
            return it->second->m_nNumber;
        if (!OperandNamesBlock(nNumber) || (m_bSameDocument && m_doc.FindBlockByNumber(nNumber)))
            return nNumber;
        return std::nullopt;
    }

    // A reference and a logged block are function blocks.
    CBlockObj* FollowFunctionBlock(int nNumber) const
    {
        const std::optional<int> nNew = Follow(nNumber);
        CBlockObj* pBlock = nNew ? m_doc.FindBlockByNumber(*nNew) : nullptr;
        return pBlock && GetBlockCategory(pBlock->m_nType) == BLOCK_CATEGORY_FUNCTION ? pBlock : nullptr;
    }

    // A reference left out gives the parameter its own value again.
    void RelinkReferences(CBlockObj& block)
    {
        for (int k = 0; k < BLOCK_REF_COUNT; ++k) {
            block.m_pRefBlock[k] = nullptr;
            if (!block.m_nParam[BLOCK_REF_USED_PARAM + k])
                continue;
            CBlockObj* pRef = FollowFunctionBlock(block.m_nRefBlock[k]);
            if (!pRef) {
                block.m_nParam[BLOCK_REF_USED_PARAM + k] = 0;
                block.m_nRefBlock[k] = -1;
                ++m_nDropped;
                continue;
            }
            block.m_nRefBlock[k] = pRef->m_nNumber;
            block.m_pRefBlock[k] = pRef;
        }
    }

    void RelinkDataLog(CBlockDataLog& log)
    {
        for (INT_PTR i = log.m_arrLogItems.GetSize(); i-- > 0;) {
            DataLogItem& item = log.m_arrLogItems[i];
            if (item.strItem.IsEmpty() || item.strItem[0] != u'B')
                continue;
            CBlockObj* pBlock = FollowFunctionBlock(item.nValue1);
            if (!pBlock) {
                log.m_arrLogItems.RemoveAt(i);
                ++m_nDropped;
                continue;
            }
            item.nSpare = pBlock;
            if (item.nValue1 != pBlock->m_nNumber) {
                item.nValue1 = pBlock->m_nNumber;
                item.strItem = DataLogItemText(pBlock);
            }
        }
        log.m_nParam[DATALOG_COUNT_PARAM] = int(log.m_arrLogItems.GetSize());
    }

    void RelinkWidgets(CBlockMSGTEXT& text)
    {
        for (int i = 0; i < MSGTEXT_WIDGET_ARRAYS; ++i) {
            CObArray& widgets = text.WidgetArray(i);
            for (INT_PTR k = widgets.GetSize(); k-- > 0;) {
                auto* pWidget = static_cast<CWidget*>(widgets[k]);
                if (!pWidget)
                    continue;
                const std::optional<int> nNew = Follow(pWidget->m_nBlockNumber);
                if (!nNew) {
                    widgets.RemoveAt(k);
                    delete pWidget;
                    ++m_nDropped;
                    continue;
                }
                pWidget->m_nBlockNumber = *nNew;
                pWidget->m_pDoc = const_cast<CVetlaDoc*>(&m_doc);
                pWidget->m_pBlock = m_doc.FindBlockByNumber(*nNew);
            }
        }
    }

    const CVetlaDoc& m_doc;
    const PastedBlocks& m_pasted;
    BOOL m_bSameDocument;
    int m_nDropped = 0;
};

// Adds the pasted blocks in their order, numbered for the target. Blocks from a document of the
// other language take that language's pins (a function block on a rung has no output pin: its
// state is read by contacts).
PastedBlocks AddPastedBlocks(CVetlaView& view, DiagramClipboardContents& contents, BOOL bOtherLanguage,
                             int* pDropped)
{
    CVetlaDoc& doc = *view.GetDocument();
    doc.BeginPaste();
    PastedBlocks byOldNumber;
    for (const auto& pBlock : contents.blocks)
        byOldNumber.emplace(pBlock->m_nNumber, pBlock.get());

    // Ladder contacts that read a block pasted along follow that block's new number.
    std::vector<std::pair<CBlockObj*, CBlockObj*>> contactReads;
    if (doc.IsLadder()) {
        for (const auto& pBlock : contents.blocks) {
            const auto it = byOldNumber.find(pBlock->m_nOperand);
            if (IsLadderContact(pBlock->m_nType) && OperandNamesBlock(pBlock->m_nOperand) && it != byOldNumber.end())
                contactReads.emplace_back(pBlock.get(), it->second);
        }
    }

    for (auto& pOwned : contents.blocks) {
        CBlockObj* pBlock = pOwned.release();
        if (pBlock->m_nType == BT_MSGTEXT)
            ClaimMessageTextSlot(view, *pBlock);
        if (bOtherLanguage)
            pBlock->ReinitPins(&doc);
        view.Selection().Add(pBlock);
        if (GetBlockCategory(pBlock->m_nType) == BLOCK_CATEGORY_FUNCTION)
            doc.AddBlock(pBlock);
        else
            doc.AddPastedBlock(pBlock);
        OpenPinLinks(*pBlock);
    }
    contents.blocks.clear();

    for (const auto& [pContact, pRead] : contactReads)
        pContact->m_nOperand = pRead->m_nNumber;
    const BOOL bSameDocument = contents.nSourceDocument == doc.m_nInstanceId;
    PasteLinks links(doc, byOldNumber, bSameDocument);
    for (const auto& [nOld, pBlock] : byOldNumber)
        links.Relink(*pBlock);
    *pDropped = links.Dropped();
    return byOldNumber;
}

CPoint PinCentre(const CRect& rcPin) { return CPoint((rcPin.left + rcPin.right) / 2, (rcPin.top + rcPin.bottom) / 2); }

// Attaches a pasted wire to the pasted blocks it joined in the source; FALSE when one of them
// was not pasted along or the wire does not join an input to an output.
BOOL AttachPastedLine(CVetlaDoc& doc, CConnectLineObj& line, const PastedBlocks& pasted)
{
    const auto itStart = pasted.find(line.m_nStartBlock);
    const auto itEnd = pasted.find(line.m_nEndBlock);
    if (itStart == pasted.end() || itEnd == pasted.end())
        return FALSE;
    if ((line.m_nStartPin < BLOCK_FIRST_OUTPUT) == (line.m_nEndPin < BLOCK_FIRST_OUTPUT))
        return FALSE;
    CRect rcStart;
    CRect rcEnd;
    if (!GetBlockPinRect(&rcStart, itStart->second, line.m_nStartPin) ||
        !GetBlockPinRect(&rcEnd, itEnd->second, line.m_nEndPin))
        return FALSE;
    line.m_pDoc = &doc;
    line.m_pStartBlock = itStart->second;
    line.m_pEndBlock = itEnd->second;
    line.m_nStartBlock = itStart->second->m_nNumber;
    line.m_nEndBlock = itEnd->second->m_nNumber;
    line.m_ptStart = PinCentre(rcStart);
    line.m_ptEnd = PinCentre(rcEnd);
    if (line.m_arrVertices.GetSize() < 2) {
        line.m_arrVertices.RemoveAll();
        line.m_arrVertices.Add(line.m_ptStart);
        line.m_arrVertices.Add(line.m_ptEnd);
    }
    line.m_arrVertices[0] = line.m_ptStart;
    line.m_arrVertices[line.m_arrVertices.GetSize() - 1] = line.m_ptEnd;
    if (line.m_arrJunctions.GetSize() > line.m_arrVertices.GetSize())
        line.m_arrJunctions.SetSize(line.m_arrVertices.GetSize());
    return TRUE;
}

void AddPastedLines(CVetlaView& view, DiagramClipboardContents& contents, const PastedBlocks& pasted)
{
    CVetlaDoc& doc = *view.GetDocument();
    // An FBD input takes one wire; damaged data offering a second is not followed.
    std::set<std::pair<const CBlockObj*, int>> fedInputs;
    std::vector<CConnectLineObj*> added;
    for (auto& pOwned : contents.lines) {
        CConnectLineObj& line = *pOwned;
        if (!AttachPastedLine(doc, line, pasted))
            continue;
        const BOOL bStartIn = line.m_nStartPin < BLOCK_FIRST_OUTPUT;
        const std::pair<const CBlockObj*, int> input(bStartIn ? line.m_pStartBlock : line.m_pEndBlock,
                                                     bStartIn ? line.m_nStartPin : line.m_nEndPin);
        if (!doc.IsLadder() && !fedInputs.insert(input).second)
            continue;
        CConnectLineObj* pLine = pOwned.release();
        WritePinSources(*pLine);
        doc.AddLine(pLine);
        view.Selection().Add(pLine);
        added.push_back(pLine);
    }
    contents.lines.clear();
    // The dots the wires had where they were copied may have marked wires left behind: they
    // are made again among the pasted wires.
    for (CConnectLineObj* pLine : added)
        ResetJunctions(*pLine);
    MarkJunctionsOfWires(added);
}

void AddPastedComments(CVetlaView& view, DiagramClipboardContents& contents)
{
    for (auto& pOwned : contents.comments) {
        CBlockComment* pComment = pOwned.release();
        view.GetDocument()->AddComment(pComment);
        view.Selection().Add(pComment);
    }
    contents.comments.clear();
}

// The rectangle the selection covers: blocks, wire vertices and comment boxes.
CRect SelectionBounds(const CVetlaView& view)
{
    CRect bounds(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
    const auto take = [&bounds](int l, int t, int r, int b) {
        bounds.left = std::min<LONG>(bounds.left, l);
        bounds.top = std::min<LONG>(bounds.top, t);
        bounds.right = std::max<LONG>(bounds.right, r);
        bounds.bottom = std::max<LONG>(bounds.bottom, b);
    };
    for (const CBlockObj* pBlock : ListSnapshot<CBlockObj>(view.Selection().Blocks()))
        take(pBlock->m_ptPos.x, pBlock->m_ptPos.y, pBlock->m_ptPos.x + pBlock->m_nWidth,
             pBlock->m_ptPos.y + pBlock->m_nHeight);
    for (const CConnectLineObj* pLine : ListSnapshot<CConnectLineObj>(view.Selection().Lines())) {
        for (INT_PTR i = 0; i < pLine->m_arrVertices.GetSize(); ++i)
            take(pLine->m_arrVertices[i].x, pLine->m_arrVertices[i].y, pLine->m_arrVertices[i].x,
                 pLine->m_arrVertices[i].y);
    }
    for (const CBlockComment* pComment : ListSnapshot<CBlockComment>(view.Selection().Comments()))
        take(pComment->m_nLeft, pComment->m_nTop, pComment->m_nLeft + pComment->m_nBoxWidth,
             pComment->m_nTop + pComment->m_nBoxHeight);
    return bounds;
}

// The pasted group's top-left goes to the last press point; a group that would leave the page
// there stays where it was copied from.
void PlacePastedGroup(CVetlaView& view, CPoint ptTopLeft)
{
    const CRect bounds = SelectionBounds(view);
    if (bounds.left > bounds.right)
        return;
    const long long dx = static_cast<long long>(ptTopLeft.x) - bounds.left;
    const long long dy = static_cast<long long>(ptTopLeft.y) - bounds.top;
    if (dx == 0 && dy == 0)
        return;
    // A group as large as the diagram, or a point past its limits, leaves the group in place.
    if (!IsDiagramCoord(bounds.left + dx) || !IsDiagramCoord(bounds.right + dx) || !IsDiagramCoord(bounds.top + dy) ||
        !IsDiagramCoord(bounds.bottom + dy))
        return;
    view.MoveSelection(int(dx), int(dy), nullptr);
    view.KeepSelectionOnPage(int(view.LastMousePoint().x + dx), int(view.LastMousePoint().y + dy));
}

// Pages are added across and down until the base holds the pasted group.
void GrowPagesForSelection(CVetlaView& view)
{
    const CVetlaDoc& doc = *view.GetDocument();
    const CRect bounds = SelectionBounds(view);
    const int nPageWidth = doc.m_sizeScreen.cx;
    const int nPageHeight = doc.m_sizeScreen.cy;
    if (bounds.left > bounds.right || nPageWidth <= 0 || nPageHeight <= 0)
        return;
    if (bounds.right <= nPageWidth && bounds.bottom <= nPageHeight)
        return;
    const auto [nAcross, nDown] = GrownPageCounts(doc.m_nPagesAcross, doc.m_nPagesDown,
                                                  int(bounds.right / nPageWidth + 1), int(bounds.bottom / nPageHeight + 1));
    if (nAcross != doc.m_nPagesAcross || nDown != doc.m_nPagesDown)
        view.SetPageLayout(nAcross, nDown);
}

} // namespace

BOOL CVetlaView::CopySelection()
{
    if (!m_pDocument)
        return FALSE;
    GatherConnectorPairs(*this);
    // The selection lends its lists read only; the writer takes lists of its own.
    CObList blocks;
    CObList lines;
    CObList comments;
    blocks.AddTail(&m_selection.Blocks());
    lines.AddTail(&m_selection.Lines());
    comments.AddTail(&m_selection.Comments());
    const BOOL bWritten = WriteDiagramClipboard(blocks, lines, comments, DescribeSource(*m_pDocument, lines),
                                                m_pDocument->m_nInstanceId);
    InvalidateAll();
    return bWritten;
}

// A failed Copy leaves the clipboard as it was, and the user finds nothing new to paste.
void CVetlaView::OnEditCopy() { CopySelection(); }

// The cut objects are deleted only once the clipboard holds them: a failed write would lose
// them.
void CVetlaView::OnEditCut()
{
    if (!m_pDocument)
        return;
    if (!CopySelection()) {
        AfxMessageBox(_T("The selection could not be put on the clipboard. Nothing was cut."), MB_ICONSTOP);
        return;
    }
    OnEditDelete();
}

void CVetlaView::OnEditPaste()
{
    // A run steps the blocks it has: a paste waits for the edit.
    if (!m_pDocument || m_pDocument->m_bSimulating)
        return;
    InvalidateAll();
    DiagramClipboardContents contents;
    if (!ReadDiagramClipboard(contents, m_pDocument))
        return;
    if (contents.blocks.empty() && contents.lines.empty() && contents.comments.empty())
        return;
    CVetlaDoc& doc = *m_pDocument;
    for (const auto& pBlock : contents.blocks) {
        if (const WORD wBytes = GetSpecialProgramBytes(pBlock->m_nType, doc.m_wHardwareCode))
            pBlock->m_wProgramBytes = wBytes;
    }
    const CopySource source = contents.source.value_or(TargetAsSource(doc));
    const std::vector<CBlockObj*> blocks = RawBlocks(contents);
    BOOL bWithWires = FALSE;
    if (!AcceptPaste(doc, source, blocks, !contents.lines.empty(), &bWithWires))
        return;

    ForgetObjects();
    int nDropped = 0;
    const PastedBlocks pasted = AddPastedBlocks(*this, contents, source.nDocType != doc.m_nDocType, &nDropped);
    if (bWithWires && !pasted.empty())
        AddPastedLines(*this, contents, pasted);
    AddPastedComments(*this, contents);
    PlacePastedGroup(*this, NextPastePoint());
    GrowPagesForSelection(*this);
    doc.m_undo.SaveState(&doc);
    doc.SetModifiedFlag(TRUE);
    InvalidateAll();
    if (nDropped)
        AfxMessageBox(IDS_PASTE_LINKS_DROPPED, MB_ICONINFORMATION);
}

CPoint CVetlaView::NextPastePoint()
{
    if (m_ptPasteAnchor && *m_ptPasteAnchor == m_ptContext) {
        ++m_nPasteRepeat;
    } else {
        m_ptPasteAnchor = m_ptContext;
        m_nPasteRepeat = 0;
    }
    const int nOffset = m_nPasteRepeat * PASTE_REPEAT_OFFSET;
    return m_ptContext + CSize(nOffset, nOffset);
}

void CVetlaView::OnUpdateEditCopy(CCmdUI* pCmdUI)
{
    const BOOL bSelected = !m_selection.Blocks().IsEmpty() || !m_selection.Comments().IsEmpty();
    pCmdUI->Enable(bSelected && m_pDocument && !m_pDocument->m_bSimulating);
}

void CVetlaView::OnUpdateEditPaste(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pDocument && !m_pDocument->m_bSimulating && IsDiagramClipboardAvailable());
}
