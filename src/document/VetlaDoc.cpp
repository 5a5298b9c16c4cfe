#include "document/VetlaDoc.h"

#include "blocks/BlockIn.h"
#include "blocks/BlockLadder.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "document/AnalogRanges.h"
#include "document/DocumentObserver.h"
#include "document/FunctionRenumbering.h"
#include "document/HardwareSeries.h"
#include "platform/gdi/DC.h"

#include <algorithm>
#include <atomic>
#include <random>

IMPLEMENT_DYNCREATE(CVetlaDoc, CBlockDocument)

namespace {

constexpr int OPERAND_MAP_BUCKETS = 17;

// A new document's extent is the screen, as the display reports it.
SIZE GetDisplaySize()
{
    CDC dc;
    dc.CreateDC(_T("DISPLAY"), nullptr, nullptr, nullptr);
    return {dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES)};
}

// The object lists own their elements: emptying one deletes them, head first.
void DeleteListElements(CObList& list)
{
    while (!list.IsEmpty())
        delete list.RemoveHead();
    list.RemoveAll();
}

} // namespace

std::uint64_t CVetlaDoc::NewInstanceId()
{
    static const std::uint64_t s_nProcess = (std::uint64_t(std::random_device{}()) << 32) ^ std::random_device{}();
    static std::atomic<std::uint64_t> s_nCount{0};
    return s_nProcess + ++s_nCount;
}

CVetlaDoc::CVetlaDoc() : m_undo(TRUE)
{
    // The captions follow the interface language of the moment a document is made.
    InitBlockCaptions();
    InitContents();
    m_pObserver = GetDocumentObserver();
    if (m_pObserver)
        m_pObserver->OnDocumentCreated(*this);
}

CVetlaDoc::CVetlaDoc(TrialTag) : m_undo(FALSE) { InitContents(); }

void CVetlaDoc::InitContents()
{
    m_mapOperandComment.InitHashTable(OPERAND_MAP_BUCKETS);
    m_mapOperandSim.InitHashTable(OPERAND_MAP_BUCKETS);

    std::fill(std::begin(m_byFormatHeader), std::end(m_byFormatHeader), FORMAT_FILL);
    m_byFormatHeader[0] = m_byFormatHeader[1] = m_byFormatHeader[2] = FORMAT_MARK;
    m_sizeScreen = GetDisplaySize();
    m_rcExtent = CRect(0, 0, m_sizeScreen.cx, m_sizeScreen.cy);

    GetHardwareSeries(g_wHardwareCode, &m_strHardwareName, &m_wFirmwareWord);
    m_wHardwareCode = g_wHardwareCode;
}

CVetlaDoc::~CVetlaDoc()
{
    if (IDocumentObserver* pObserver = GetObserver())
        pObserver->OnDocumentDestroyed(*this);
    DeleteContents();
}

IDocumentObserver* CVetlaDoc::GetObserver() const
{
    return m_pObserver && m_pObserver == GetDocumentObserver() ? m_pObserver : nullptr;
}

BOOL CVetlaDoc::IsNewGenerationDoc() const { return IsNewGeneration(m_wHardwareCode); }

void CVetlaDoc::DeleteContents()
{
    // The held settings name blocks that go now.
    m_simInputs = {};
    // The ladder elements leave their operand comments to this: the same comments go, in one
    // walk of the list instead of one per element. Only a ladder diagram holds elements, so a
    // function block diagram skips the walk, which asked every block for its class (an element
    // that a damaged file put there still takes its comment with it, in a walk of its own).
    const std::vector<int> unusedOperands =
        IsLadder() ? CLadderElement::DetachForDeletingAll(m_blockList, this) : std::vector<int>{};
    DeleteListElements(m_blockList);
    for (const int nOperand : unusedOperands)
        m_mapOperandComment.RemoveKey(nOperand);
    DeleteListElements(m_lineList);
    DeleteListElements(m_commentList);
    DeleteListElements(m_powerBusList);
    CDocument::DeleteContents();
}

void CVetlaDoc::PrepareForReload()
{
    m_mapOperandComment.RemoveAll();
    m_mapOperandSim.RemoveAll();
}

void CVetlaDoc::RestartOperandInput(int nOperand, bool bFrequencyOnly)
{
    OperandSimRecord record;
    if (!m_mapOperandSim.Lookup(nOperand, record))
        return;
    if (!bFrequencyOnly || record.nMode == SIM_INPUT_FREQUENCY) {
        record.nValue = record.nMin;
        m_mapOperandSim.SetAt(nOperand, record);
    }
}

void CVetlaDoc::RefreshSimInputSettings(CBlockObj& input) { UpdateSimInputSettings(*this, &input, TRUE); }

CString CVetlaDoc::GetProposedSaveName() const
{
    return CDocument::GetProposedSaveName() + (IsLadder() ? _T(".dld") : _T(".dfb"));
}

BOOL CVetlaDoc::OnOpenDocument(LPCTSTR lpszPathName)
{
    if (!CDocument::OnOpenDocument(lpszPathName))
        return FALSE;

    g_wHardwareCode = m_wHardwareCode;
    SettleOpenedContents();
    if (IDocumentObserver* pObserver = GetObserver())
        pObserver->OnHardwareSeriesChanged(*this);
    m_undo.SaveOpenedState(this);
    m_undo.MarkSaved();
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CVetlaDoc::SettleOpenedContents()
{
    GetHardwareSeries(m_wHardwareCode, &m_strHardwareName, &m_wFirmwareWord);
    // Written files always carry the hardware section with its AI pair; blocks of a file
    // without the third mark carry the pin kinds of an older table and get the current ones.
    m_byFormatHeader[0] = m_byFormatHeader[1] = FORMAT_MARK;
    if (m_byFormatHeader[2] != FORMAT_MARK) {
        m_byFormatHeader[2] = FORMAT_MARK;
        for (POSITION pos = m_blockList.GetHeadPosition(); pos;)
            static_cast<CBlockObj*>(m_blockList.GetNext(pos))->ReinitPins(this);
    }
    // A new function block takes 9000 + their count: with a gap in the numbers it would take
    // one that a block has already. The numbers close up as after a delete; every link by
    // number has been resolved by the load and follows its block.
    std::vector<int> numbers;
    for (POSITION pos = m_blockList.GetHeadPosition(); pos;)
        numbers.push_back(static_cast<CBlockObj*>(m_blockList.GetNext(pos))->m_nNumber);
    if (CheckFunctionNumbering(numbers) == FunctionNumbering::Gaps)
        RenumberFunctionBlocks(*this);
}

BOOL CVetlaDoc::OnNewDocument()
{
    if (!CBlockDocument::OnNewDocument())
        return FALSE;
    // Undo of the first edit gives back the diagram as created, settings and pages included,
    // rather than only emptying the lists.
    m_undo.SaveOpenedState(this);
    m_undo.MarkSaved();
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CVetlaDoc::OnSaveDocument(LPCTSTR lpszPathName)
{
    if (!CBlockDocument::OnSaveDocument(lpszPathName))
        return FALSE;
    m_undo.MarkSaved();
    return TRUE;
}
