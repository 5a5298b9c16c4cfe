#include "editor/PasteChecks.h"

#include "blocks/BlockObj.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "document/BlockNames.h"
#include "document/BlockNumbering.h"
#include "document/GenerationRules.h"
#include "document/VetlaDoc.h"
#include "editor/DiagramEditHelpers.h"

#include <algorithm>
#include <set>

namespace {

constexpr UINT IDS_PROGRAM_FULL = 612;
constexpr UINT IDS_BLOCKS_TAKEN = 336;

bool IsLadderOnly(int nType) { return IsLadderElementType(nType); }

// The FBD I/O blocks and the logic blocks without edge evaluation have no place on a rung.
bool IsFbdOnly(int nType)
{
    const BlockTypeRow* pRow = FindBlockType(nType);
    return pRow && !(pRow->byLanguages & LANG_LAD);
}

CString Caption(int nType)
{
    CString strCaption;
    g_mapBlockCaption.Lookup(nType, strCaption);
    return strCaption;
}

CString BlockLine(const CVetlaDoc& doc, CBlockObj* pBlock)
{
    CString strLine;
    strLine.Format(_T("\n-%s%s"), doc.GetBlockLabel(pBlock), Caption(pBlock->m_nType));
    return strLine;
}

int CountOfType(const CVetlaDoc& doc, int nType)
{
    int nCount = 0;
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;) {
        if (static_cast<const CBlockObj*>(doc.m_blockList.GetNext(pos))->m_nType == nType)
            ++nCount;
    }
    return nCount;
}

// The limited kinds in the order they are checked, with their refusal texts. Break and analog
// contacts have no text of their own and say how many blocks of the kind the program holds.
struct KindMessage {
    int nType;
    UINT nStringId;
};
constexpr KindMessage kKinds[] = {
    {BT_IN, 570},          {BT_CURSOR_KEY, 579},  {BT_SHIFT, 580},     {BT_LOW, 583},
    {BT_HIGH, 584},        {BT_OUT, 571},         {BT_OPENX, 581},     {BT_FLAG, 582},
    {BT_ANALOG_IN, 585},   {BT_ANALOG_OUT, 586},  {BT_ANALOG_FLAG, 587}, {BT_FKEY, 605},
    {BT_BREAK, IDS_BLOCKS_TAKEN}, {BT_ACONTACT, IDS_BLOCKS_TAKEN}, {BT_RELAY_COIL, 600},
    {BT_INV_OUT, 600},     {BT_AOUT_LAD, 599},    {BT_MSGTEXT, 592},   {BT_SREG, 593},
    {BT_AFILTER, 624},     {BT_DATALOG, 637},
};

bool IsCoil(int nType) { return nType == BT_RELAY_COIL || nType == BT_INV_OUT; }

// The operand tables of coils (Q, M, X) and of ladder analog outputs (AQ, AM) with how many
// operands each may hold.
struct OperandLimit {
    OperandTableRange range;
    int nMax;
};
constexpr OperandLimit kCoilOperands[] = {{{600, 128}, 128}, {{1316, 512}, 512}, {{4800, 128}, 128}};
constexpr OperandLimit kAnalogOutOperands[] = {{{4230, 32}, 32}, {{4288, 512}, 512}};

// The pasted operands of each table added to the document's (counted by HasRoomForBlock) stay
// within the tables.
template <std::size_t N>
bool OperandsFit(const OperandLimit (&limits)[N], const int* pExisting, std::span<CBlockObj* const> blocks,
                 bool (*isKind)(int))
{
    for (std::size_t i = 0; i < N; ++i) {
        int nCount = pExisting[i];
        for (const CBlockObj* pBlock : blocks) {
            if (isKind(pBlock->m_nType) && limits[i].range.Contains(pBlock->m_nOperand))
                ++nCount;
        }
        if (nCount > limits[i].nMax)
            return false;
    }
    return true;
}

bool HasKindRoom(const CVetlaDoc& target, int nType, std::span<CBlockObj* const> blocks)
{
    // Relay coils and inverted outputs share one limit.
    const auto sameKind = [nType](int t) { return t == nType || (IsCoil(nType) && IsCoil(t)); };
    BlockRoomRequest request;
    request.nCount = int(std::count_if(blocks.begin(), blocks.end(),
                                       [&](const CBlockObj* p) { return sameKind(p->m_nType); }));
    if (!target.HasRoomForBlock(nType, &request))
        return false;
    if (IsCoil(nType))
        return OperandsFit(kCoilOperands, request.nOutCount, blocks, [](int t) { return IsCoil(t); });
    if (nType == BT_AOUT_LAD)
        return OperandsFit(kAnalogOutOperands, request.nOutCount, blocks, [](int t) { return t == BT_AOUT_LAD; });
    return true;
}

bool HasProgramRoom(const CVetlaDoc& target, std::span<CBlockObj* const> blocks)
{
    int nFunctions = 0;
    int nNamed = 0;
    int nBytes = 0;
    for (const CBlockObj* pBlock : blocks) {
        if (GetBlockCategory(pBlock->m_nType) != BLOCK_CATEGORY_FUNCTION)
            continue;
        ++nFunctions;
        if (!pBlock->m_strLabelSuffix.IsEmpty())
            ++nNamed;
        nBytes += pBlock->m_wProgramBytes;
    }
    return nFunctions + target.CountFunctionBlocks() <= PROGRAM_MAX_FUNCTION_BLOCKS &&
           nNamed + target.CountNamedBlocks() <= PROGRAM_MAX_NAMED_BLOCKS &&
           nBytes + target.GetProgramSize() < PROGRAM_MAX_BYTES;
}

} // namespace

PasteWireCheck CheckPasteWires(int nTargetType, const CopySource& source, BOOL bWiresPasted)
{
    PasteWireCheck check;
    if (!bWiresPasted)
        return check;
    if (nTargetType == DOC_TYPE_LAD && source.nDocType == DOC_TYPE_FBD) {
        check.verdict = PasteWireVerdict::AskWithout;
        check.strText = PASTE_ASK_WITHOUT_WIRES;
    } else if (source.nDocType == DOC_TYPE_LAD && source.bPowerBusWires) {
        check.verdict = PasteWireVerdict::Refuse;
        check.strText = nTargetType == DOC_TYPE_LAD ? PASTE_POWER_BUS_LAD : PASTE_POWER_BUS_FBD;
    }
    return check;
}

CString ListBlocksOutsideLanguage(const CVetlaDoc& target, std::span<CBlockObj* const> blocks)
{
    const BOOL bLadder = target.IsLadder();
    std::set<int> pastedNumbers;
    for (const CBlockObj* pBlock : blocks)
        pastedNumbers.insert(pBlock->m_nNumber);
    CString strList;
    for (CBlockObj* pBlock : blocks) {
        const int nType = pBlock->m_nType;
        const int nOperand = pBlock->m_nOperand;
        const bool bForeign = bLadder ? IsFbdOnly(nType) : IsLadderOnly(nType);
        const bool bOrphanContact = bLadder && IsLadderContact(nType) && OperandNamesBlock(nOperand) &&
                                    !pastedNumbers.count(nOperand) && !target.FindBlockByNumber(nOperand);
        if (bForeign || bOrphanContact)
            strList += BlockLine(target, pBlock);
    }
    return strList;
}

CString ListBlocksBeyondGeneration(const CVetlaDoc& target, const CopySource& source,
                                   std::span<CBlockObj* const> blocks)
{
    CString strList;
    if (source.wFirmwareWord <= target.m_wFirmwareWord || target.IsNewGenerationDoc())
        return strList;
    for (const CBlockObj* pBlock : blocks) {
        const CString strProblem = OlderGenerationProblem(*pBlock, target.m_strHardwareName);
        if (!strProblem.IsEmpty())
            strList += _T("\n") + strProblem;
    }
    return strList;
}

CString CheckPasteBlocks(const CVetlaDoc& target, const CopySource& source, std::span<CBlockObj* const> blocks)
{
    const CString strForeign = ListBlocksOutsideLanguage(target, blocks);
    if (!strForeign.IsEmpty())
        return CString(PASTE_NOT_IN_LANGUAGE) + strForeign;
    const CString strBeyond = ListBlocksBeyondGeneration(target, source, blocks);
    if (!strBeyond.IsEmpty())
        return CString(PASTE_NOT_IN_GENERATION) + strBeyond;
    return CString();
}

std::optional<PasteCapacityRefusal> CheckPasteCapacity(const CVetlaDoc& target, std::span<CBlockObj* const> blocks)
{
    PasteCapacityRefusal refusal;
    if (!HasProgramRoom(target, blocks)) {
        refusal.nStringId = IDS_PROGRAM_FULL;
        refusal.strText.LoadString(IDS_PROGRAM_FULL);
        return refusal;
    }
    for (const KindMessage& kind : kKinds) {
        const bool bPasted = std::any_of(blocks.begin(), blocks.end(),
                                         [&](const CBlockObj* p) { return p->m_nType == kind.nType; });
        if (!bPasted || HasKindRoom(target, kind.nType, blocks))
            continue;
        refusal.nStringId = kind.nStringId;
        if (kind.nStringId == IDS_BLOCKS_TAKEN)
            refusal.strText.Format(IDS_BLOCKS_TAKEN, CountOfType(target, kind.nType));
        else
            refusal.strText.LoadString(kind.nStringId);
        return refusal;
    }
    return std::nullopt;
}
