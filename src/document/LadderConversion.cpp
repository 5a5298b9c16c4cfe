// The ladder conversion: the rung logic (LadderRungLogic.h) folded into gates, the gates,
// sources and outputs made as blocks in an order the scan can step them in, and the result put
// into its document.
#include "document/LadderConversion.h"

#include "blocks/BlockDataLog.h"
#include "blocks/BlockFactory.h"
#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "blocks/Widget.h"
#include "document/BlockNumbering.h"
#include "document/LadderLayout.h"
#include "document/LadderRungLogic.h"
#include "document/VetlaDoc.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace {

constexpr UINT IDS_FUNCTION_BLOCKS_FULL = 336;
constexpr UINT IDS_PROGRAM_MEMORY_FULL = 612;
constexpr LPCTSTR WIRE_LOOP_REFUSAL =
    _T("The ladder diagram cannot be converted: its wires form a closed loop.");

// Gates take at most this many inputs; longer series and parallel branches are chained.
constexpr int GATE_INPUTS = 4;
// A message-text element of this kind names no block and stays without one.
constexpr int WIDGET_KIND_NO_BLOCK = -104;

// The operand ranges of the ladder and the block that stands for an operand of each in the
// converted diagram: sources for the contacts, outputs for the coils.
struct OperandKind {
    int nFirst;
    int nLast;
    int nType;
};
constexpr OperandKind kOperandKinds[] = {
    {NUM_INPUT, 355, BT_IN},
    {NUM_OUTPUT, 727, BT_OUT},
    {NUM_SHIFT, 1063, BT_SHIFT},
    {NUM_FKEY, 1304, BT_FKEY},
    {NUM_FLAG, 1827, BT_FLAG},
    {NUM_LOW, 2869, BT_LOW},
    {NUM_HIGH, 3899, BT_HIGH},
    {NUM_ANALOG_IN, 4127, BT_ANALOG_IN},
    {NUM_ANALOG_OUT, 4261, BT_ANALOG_OUT},
    {NUM_ANALOG_FLAG, 4799, BT_ANALOG_FLAG},
    {NUM_OPENX, 4927, BT_OPENX},
};

const OperandKind* FindOperandKind(int nNumber)
{
    for (const OperandKind& kind : kOperandKinds) {
        if (nNumber >= kind.nFirst && nNumber <= kind.nLast)
            return &kind;
    }
    return nullptr;
}

bool IsFedPinKind(int nKind) { return nKind == PINKIND_DIGITAL || nKind == PINKIND_ANALOG; }

// What feeds one input pin of a converted block.
struct PinSignal {
    int nSource = LINK_OPEN;
    bool bNegated = false;
};

// The copy of a data log leaves its items behind; they come along here, their block pointers
// still those of the ladder until the copy is in its document.
void CopyLogItems(const CBlockObj& source, CBlockObj& copy)
{
    const auto* pSourceLog = dynamic_cast<const CBlockDataLog*>(&source);
    auto* pLog = dynamic_cast<CBlockDataLog*>(&copy);
    if (!pSourceLog || !pLog)
        return;
    pLog->m_arrLogItems.Copy(pSourceLog->m_arrLogItems);
    pLog->m_nParam[DATALOG_COUNT_PARAM] = int(pLog->m_arrLogItems.GetSize());
}

} // namespace

class LadderConverter {
public:
    explicit LadderConverter(CLadderConversion& result)
        : m_result(result), m_logic(ReadLadderRungs(result.m_ladder)), m_terms(m_logic.terms)
    {
    }

    void Run()
    {
        if (m_logic.bWireLoop) {
            m_result.m_strRefusal = WIRE_LOOP_REFUSAL;
            return;
        }
        m_result.m_renumbered = m_logic.renumbered;
        m_madeFor.assign(m_logic.readers.size(), nullptr);
        PlanGates();
        MakeBlocks();
        if (CheckLimits())
            OrderBlocks();
    }

private:
    // ---- folding the terms into gates ----

    // How often each term is read and by what, so that a series (or parallel) term read only
    // by a term of its own kind is folded into that one's gate chain.
    void PlanGates()
    {
        m_reads.assign(m_terms.size(), 0);
        m_folded.assign(m_terms.size(), false);
        std::vector<TermOp> readerOp(m_terms.size(), TermOp::Low);
        for (const LadderReader& reader : m_logic.readers) {
            for (const auto& [nPin, nTerm] : reader.pins) {
                ++m_reads[std::size_t(nTerm)];
                // An output cannot negate its input: a NOT it reads becomes a gate.
                if (reader.bOutput && m_terms[std::size_t(nTerm)].op == TermOp::Not)
                    m_notGates.insert(nTerm);
            }
        }
        // Readers come after what they read: counting downwards reaches every reader first.
        for (std::size_t nTerm = m_terms.size(); nTerm-- > 0;) {
            const LadderTerm& term = m_terms[nTerm];
            if (m_reads[nTerm] == 0)
                continue;
            // A NOT of anything but a source (a chain, a constant) is a gate wherever it is read.
            if (term.op == TermOp::Not && (term.kids.empty() || m_terms[std::size_t(term.kids.front())].op != TermOp::Ref))
                m_notGates.insert(int(nTerm));
            for (int nKid : term.kids) {
                ++m_reads[std::size_t(nKid)];
                readerOp[std::size_t(nKid)] = term.op;
            }
        }
        for (std::size_t nTerm = 0; nTerm < m_terms.size(); ++nTerm) {
            const TermOp op = m_terms[nTerm].op;
            m_folded[nTerm] = (op == TermOp::And || op == TermOp::Or) && m_reads[nTerm] == 1 && readerOp[nTerm] == op;
        }
    }

    // The operands of a gate chain: its kids, with folded kids replaced by their own.
    std::vector<int> ChainOperands(int nTerm) const
    {
        std::vector<int> operands;
        std::vector<int> stack(m_terms[std::size_t(nTerm)].kids.rbegin(), m_terms[std::size_t(nTerm)].kids.rend());
        while (!stack.empty()) {
            const int nKid = stack.back();
            stack.pop_back();
            if (m_folded[std::size_t(nKid)]) {
                const std::vector<int>& kids = m_terms[std::size_t(nKid)].kids;
                stack.insert(stack.end(), kids.rbegin(), kids.rend());
            } else {
                operands.push_back(nKid);
            }
        }
        return operands;
    }

    // ---- making the blocks ----

    CBlockObj* NewBlock(int nType, int nNumber)
    {
        CBlockObj* pBlock = CreateBlockForType(nType, nullptr, nullptr);
        pBlock->m_nNumber = nNumber;
        m_made.emplace_back(pBlock);
        m_byNewNumber.emplace(nNumber, pBlock);
        return pBlock;
    }

    CBlockObj* NewGate(int nType)
    {
        CBlockObj* pGate = NewBlock(nType, m_nNextFunction++);
        m_gates.push_back(pGate);
        return pGate;
    }

    // The block that stands for an operand: made on first use (an input, flag, constant ...
    // of the operand's range, its operand the number less the range's base); a number no block
    // stands for reads as a constant lo.
    int SourceNumber(int nNumber)
    {
        if (m_byNewNumber.count(nNumber))
            return nNumber;
        const OperandKind* pKind = FindOperandKind(nNumber);
        if (!pKind)
            return ConstantNumber(TERM_LOW);
        CBlockObj* pSource = NewBlock(pKind->nType, nNumber);
        pSource->m_nOperand = nNumber - pKind->nFirst;
        return nNumber;
    }

    // The first hi (lo) block of the diagram, made with the lowest number of its range when
    // there is none.
    int ConstantNumber(int nTerm)
    {
        const bool bHigh = nTerm == TERM_HIGH;
        const int nFirst = bHigh ? NUM_HIGH : NUM_LOW;
        const int nLast = bHigh ? 3899 : 2869;
        int& nConstant = bHigh ? m_nHighNumber : m_nLowNumber;
        if (nConstant)
            return nConstant;
        for (const auto& [nNumber, pBlock] : m_byNewNumber) {
            if (nNumber >= nFirst && nNumber <= nLast && (nConstant == 0 || nNumber < nConstant))
                nConstant = nNumber;
        }
        if (nConstant)
            return nConstant;
        int nFree = nFirst;
        while (nFree < nLast && m_logic.refTerms.count(nFree))
            ++nFree;
        nConstant = nFree;
        return SourceNumber(nFree);
    }

    // The signal of a term at a pin that can negate its input (a gate's, a function block's).
    PinSignal Signal(int nTerm)
    {
        const LadderTerm& term = m_terms[std::size_t(nTerm)];
        switch (term.op) {
        case TermOp::Low:
        case TermOp::High:
            return {ConstantNumber(nTerm), false};
        case TermOp::Ref:
            return {SourceNumber(term.nRef), false};
        case TermOp::Not:
            if (!term.kids.empty() && m_terms[std::size_t(term.kids.front())].op == TermOp::Ref)
                return {SourceNumber(m_terms[std::size_t(term.kids.front())].nRef), true};
            return {m_gateOf.at(nTerm), false};
        default:
            return {m_gateOf.at(nTerm), false};
        }
    }

    // The signal at an output's input: a negated source goes through its NOT gate.
    PinSignal OutputSignal(int nTerm)
    {
        if (m_gateOf.count(nTerm))
            return {m_gateOf.at(nTerm), false};
        return Signal(nTerm);
    }

    static void SetPin(CBlockObj& block, int nPin, const PinSignal& signal)
    {
        block.m_nPinSource[nPin] = signal.nSource;
        block.m_bPinInvert[nPin] = signal.bNegated ? 1 : 0;
    }

    // A NOT gate of the term (a source's or a chain's inverse), or the open NOT in front of an
    // inverted output with nothing at its input.
    void MakeNotGate(int nTerm)
    {
        const std::vector<int>& kids = m_terms[std::size_t(nTerm)].kids;
        PinSignal input;
        if (!kids.empty())
            input = Signal(kids.front());
        CBlockObj* pGate = NewGate(BT_NOT);
        SetPin(*pGate, 0, {input.nSource, false});
        m_gateOf.emplace(nTerm, pGate->m_nNumber);
    }

    // An AND or OR chain: the first gate takes up to four operands, each further gate the
    // previous gate and up to three more; the last gate stands for the term.
    void MakeGateChain(int nTerm)
    {
        const int nType = m_terms[std::size_t(nTerm)].op == TermOp::And ? BT_AND : BT_OR;
        std::vector<PinSignal> signals;
        for (int nOperand : ChainOperands(nTerm))
            signals.push_back(Signal(nOperand));
        CBlockObj* pGate = nullptr;
        std::size_t nNext = 0;
        while (nNext < signals.size()) {
            CBlockObj* pPrevious = pGate;
            pGate = NewGate(nType);
            int nPin = 0;
            if (pPrevious)
                SetPin(*pGate, nPin++, {pPrevious->m_nNumber, false});
            for (; nPin < GATE_INPUTS && nNext < signals.size(); ++nPin)
                SetPin(*pGate, nPin, signals[nNext++]);
        }
        m_gateOf.emplace(nTerm, pGate->m_nNumber);
    }

    void MakeGates()
    {
        for (std::size_t nTerm = 0; nTerm < m_terms.size(); ++nTerm) {
            if (m_reads[nTerm] == 0 || m_folded[nTerm])
                continue;
            const TermOp op = m_terms[nTerm].op;
            if (op == TermOp::Not && m_notGates.count(int(nTerm)))
                MakeNotGate(int(nTerm));
            else if (op == TermOp::And || op == TermOp::Or)
                MakeGateChain(int(nTerm));
        }
    }

    // The ladder's function blocks keep their numbers; gates are numbered after the highest.
    void CopyFunctionBlocks()
    {
        int nHighest = NUM_FUNCTION_BLOCK - 1;
        for (std::size_t i = 0; i < m_logic.readers.size(); ++i) {
            if (m_logic.readers[i].bOutput)
                continue;
            const CBlockObj& source = *m_logic.readers[i].pBlock;
            CBlockObj* pCopy = NewBlock(source.m_nType, source.m_nNumber);
            const_cast<CBlockObj&>(source).CopyTo(pCopy, TRUE);
            pCopy->m_wProgramBytes = source.m_wProgramBytes;
            CopyLogItems(source, *pCopy);
            for (int nPin = 0; nPin < pCopy->m_nInputs && nPin < BLOCK_FIRST_OUTPUT; ++nPin) {
                if (IsFedPinKind(pCopy->m_nPinKind[nPin]))
                    SetPin(*pCopy, nPin, {LINK_OPEN, false});
            }
            m_madeFor[i] = pCopy;
            if (IsFunctionBlockNumber(source.m_nNumber))
                nHighest = std::max(nHighest, source.m_nNumber);
        }
        m_nNextFunction = nHighest + 1;
    }

    void MakeOutputs()
    {
        for (std::size_t i = 0; i < m_logic.readers.size(); ++i) {
            if (!m_logic.readers[i].bOutput)
                continue;
            const CBlockObj& coil = *m_logic.readers[i].pBlock;
            const int nOperand = coil.m_nOperand;
            const OperandKind* pKind = FindOperandKind(nOperand);
            const bool bAnalog = coil.m_nType == BT_AOUT_LAD;
            int nType = pKind ? pKind->nType : BT_OUT;
            if (bAnalog && nType != BT_ANALOG_FLAG)
                nType = BT_ANALOG_OUT;
            else if (!bAnalog && nType != BT_FLAG && nType != BT_OPENX)
                nType = BT_OUT;
            CBlockObj* pOutput = NewBlock(nType, nOperand);
            pOutput->m_nOperand = nOperand - (pKind ? pKind->nFirst : NUM_OUTPUT);
            pOutput->m_strComment = coil.m_strComment;
            m_madeFor[i] = pOutput;
        }
    }

    void FeedReaders()
    {
        for (std::size_t i = 0; i < m_logic.readers.size(); ++i) {
            const LadderReader& reader = m_logic.readers[i];
            for (const auto& [nPin, nTerm] : reader.pins)
                SetPin(*m_madeFor[i], nPin, reader.bOutput ? OutputSignal(nTerm) : Signal(nTerm));
        }
    }

    // A contact that feeds nothing still names its operand: the operand's block is there.
    void MakeContactSources()
    {
        for (int nSource : m_logic.contactSources)
            SourceNumber(nSource);
    }

    void MakeBlocks()
    {
        CopyFunctionBlocks();
        MakeOutputs();
        MakeGates();
        FeedReaders();
        MakeContactSources();
    }

    bool CheckLimits()
    {
        int nFunctions = 0;
        int nBytes = 0;
        for (const auto& pBlock : m_made) {
            if (IsFunctionBlockNumber(pBlock->m_nNumber))
                ++nFunctions;
            if (GetBlockCategory(pBlock->m_nType) == BLOCK_CATEGORY_FUNCTION)
                nBytes += pBlock->m_wProgramBytes;
        }
        if (nFunctions > CONVERTED_MAX_FUNCTION_BLOCKS || m_nNextFunction - 1 > FUNCTION_BLOCK_LAST) {
            m_result.m_strRefusal.Format(IDS_FUNCTION_BLOCKS_FULL, CONVERTED_MAX_FUNCTION_BLOCKS);
            return false;
        }
        if (nBytes >= CONVERTED_MAX_PROGRAM_BYTES) {
            m_result.m_strRefusal.LoadString(IDS_PROGRAM_MEMORY_FULL);
            return false;
        }
        return true;
    }

    // ---- the order of the list ----

    // Every function block after the gates and blocks it reads (where a loop allows), so that
    // a change passes through the whole diagram in one scan as it passes through a rung.
    void OrderBlocks()
    {
        std::unordered_map<const CBlockObj*, std::unique_ptr<CBlockObj>*> owner;
        for (auto& pMade : m_made)
            owner.emplace(pMade.get(), &pMade);
        std::vector<std::unique_ptr<CBlockObj>>& blocks = m_result.m_blocks;
        std::unordered_set<const CBlockObj*> opened;
        auto isPlaced = [&](const CBlockObj* pBlock) { return !*owner.at(pBlock); };
        std::vector<CBlockObj*> roots = m_madeFor;
        roots.insert(roots.end(), m_gates.begin(), m_gates.end());
        for (CBlockObj* pRoot : roots) {
            std::vector<CBlockObj*> stack{pRoot};
            while (!stack.empty()) {
                CBlockObj* pBlock = stack.back();
                if (isPlaced(pBlock)) {
                    stack.pop_back();
                    continue;
                }
                if (opened.insert(pBlock).second) {
                    for (int nPin = 0; nPin < pBlock->m_nInputs && nPin < BLOCK_FIRST_OUTPUT; ++nPin) {
                        const auto it = m_byNewNumber.find(pBlock->m_nPinSource[nPin]);
                        if (it != m_byNewNumber.end() && !opened.count(it->second))
                            stack.push_back(it->second);
                    }
                    continue;
                }
                blocks.push_back(std::move(*owner.at(pBlock)));
                stack.pop_back();
            }
        }
        for (auto& pMade : m_made) {
            if (pMade)
                blocks.push_back(std::move(pMade));
        }
        m_made.clear();
    }

    CLadderConversion& m_result;
    const LadderRungLogic m_logic;
    const std::vector<LadderTerm>& m_terms;
    // The block made for each reader of the rung logic.
    std::vector<CBlockObj*> m_madeFor;

    std::vector<int> m_reads;
    std::vector<bool> m_folded;
    std::unordered_set<int> m_notGates;

    std::vector<std::unique_ptr<CBlockObj>> m_made;
    std::unordered_map<int, CBlockObj*> m_byNewNumber;
    std::vector<CBlockObj*> m_gates;
    std::unordered_map<int, int> m_gateOf;
    int m_nNextFunction = NUM_FUNCTION_BLOCK;
    int m_nHighNumber = 0;
    int m_nLowNumber = 0;
};

CLadderConversion::CLadderConversion(const CVetlaDoc& ladder) : m_ladder(ladder)
{
    LadderConverter(*this).Run();
}

CLadderConversion::~CLadderConversion() = default;

namespace {

// A message text's elements name blocks by number: an element of a ladder element takes the
// block that stands for it now; one whose block is gone is dropped, unless it names none.
void PointWidgetsAt(CBlockMSGTEXT& text, CVetlaDoc& doc, const std::unordered_map<int, int>& renumbered)
{
    for (int i = 0; i < MSGTEXT_WIDGET_ARRAYS; ++i) {
        CObArray& widgets = text.WidgetArray(i);
        for (INT_PTR k = widgets.GetSize(); k-- > 0;) {
            auto* pWidget = static_cast<CWidget*>(widgets[k]);
            if (!pWidget)
                continue;
            const auto it = renumbered.find(pWidget->m_nBlockNumber);
            if (it != renumbered.end())
                pWidget->m_nBlockNumber = it->second;
            pWidget->m_pDoc = &doc;
            pWidget->m_pBlock = doc.FindBlockByNumber(pWidget->m_nBlockNumber);
            if (!pWidget->m_pBlock && pWidget->m_nKind != WIDGET_KIND_NO_BLOCK) {
                widgets.RemoveAt(k);
                delete pWidget;
            }
        }
    }
}

// The copies came with pointers into the ladder: each takes the converted diagram's block of
// the same number (a parameter reference names a function block, a data-log item a block when
// it begins with "B").
void PointReferencesAt(CBlockObj& block, const CVetlaDoc& doc)
{
    for (int k = 0; k < BLOCK_REF_COUNT; ++k) {
        const int nNumber = block.m_nRefBlock[k];
        block.m_pRefBlock[k] = nNumber >= NUM_FUNCTION_BLOCK ? doc.FindBlockByNumber(nNumber) : nullptr;
    }
    if (auto* pLog = dynamic_cast<CBlockDataLog*>(&block)) {
        for (INT_PTR i = 0; i < pLog->m_arrLogItems.GetSize(); ++i) {
            DataLogItem& item = pLog->m_arrLogItems[i];
            const bool bNamesBlock = !item.strItem.IsEmpty() && item.strItem[0] == u'B';
            item.nSpare = bNamesBlock ? doc.FindBlockByNumber(item.nValue1) : nullptr;
        }
    }
}

void CopyHardware(CVetlaDoc& to, const CVetlaDoc& from)
{
    to.m_strHardwareName = from.m_strHardwareName;
    to.m_wHardwareCode = from.m_wHardwareCode;
    to.m_wHardwareCode2 = from.m_wHardwareCode2;
    to.m_wFirmwareWord = from.m_wFirmwareWord;
    to.m_wFirmwareWord2 = from.m_wFirmwareWord2;
}

} // namespace

BOOL CLadderConversion::PutInto(CVetlaDoc& fbd)
{
    if (IsRefused() || m_bPut)
        return FALSE;
    m_bPut = TRUE;
    fbd.m_nDocType = DOC_TYPE_FBD;
    CopyHardware(fbd, m_ladder);
    for (std::unique_ptr<CBlockObj>& pBlock : m_blocks) {
        pBlock->InitForDocument(&fbd);
        fbd.m_blockList.AddTail(pBlock.release());
    }
    m_blocks.clear();
    for (POSITION pos = fbd.m_blockList.GetHeadPosition(); pos;) {
        auto* pBlock = static_cast<CBlockObj*>(fbd.m_blockList.GetNext(pos));
        PointReferencesAt(*pBlock, fbd);
        if (auto* pText = dynamic_cast<CBlockMSGTEXT*>(pBlock))
            PointWidgetsAt(*pText, fbd, m_renumbered);
    }
    LayOutConvertedDiagram(fbd);
    WireFromPinSources(fbd);
    fbd.SetModifiedFlag(TRUE);
    return TRUE;
}
