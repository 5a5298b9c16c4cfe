#include "document/LadderRungLogic.h"

#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "document/VetlaDoc.h"

#include <algorithm>
#include <cstdint>
#include <unordered_set>

namespace {

bool IsLadderContact(int nType) { return nType == BT_MAKE || nType == BT_BREAK || nType == BT_ACONTACT; }
bool IsLadderCoil(int nType) { return nType == BT_RELAY_COIL || nType == BT_INV_OUT || nType == BT_AOUT_LAD; }
bool IsConnectorHalf(int nType) { return nType == BT_MALE || nType == BT_FEMALE; }
bool IsFedPinKind(int nKind) { return nKind == PINKIND_DIGITAL || nKind == PINKIND_ANALOG; }

// A pin-table entry that names a block (or the rail) rather than one of the codes.
bool NamesBlock(int nSource) { return nSource == NUM_POWERBUS || nSource >= NUM_INPUT; }

std::int64_t PinKey(int nNumber, int nPin) { return (std::int64_t(nNumber) << 5) | nPin; }

class RungReader {
public:
    RungReader(const CVetlaDoc& ladder, LadderRungLogic& logic) : m_ladder(ladder), m_logic(logic)
    {
        m_logic.terms = {LadderTerm{TermOp::Low, 0, {}}, LadderTerm{TermOp::High, 0, {}}};
    }

    void Run()
    {
        IndexLadder();
        CollectFeeds();
        NoteContactsAndCoils();
        if (!ReadReaders()) {
            m_logic = LadderRungLogic{};
            m_logic.bWireLoop = true;
        }
    }

private:
    // ---- the ladder as a network ----

    void IndexLadder()
    {
        for (POSITION pos = m_ladder.m_blockList.GetHeadPosition(); pos;) {
            const auto* pBlock = static_cast<const CBlockObj*>(m_ladder.m_blockList.GetNext(pos));
            m_byNumber.emplace(pBlock->m_nNumber, pBlock);
        }
    }

    const CBlockObj* LadderBlock(int nNumber) const
    {
        const auto it = m_byNumber.find(nNumber);
        return it == m_byNumber.end() ? nullptr : it->second;
    }

    // What each contact's and coil's number stands for in the converted diagram, and the
    // blocks the contacts name.
    void NoteContactsAndCoils()
    {
        for (POSITION pos = m_ladder.m_blockList.GetHeadPosition(); pos;) {
            const auto* pBlock = static_cast<const CBlockObj*>(m_ladder.m_blockList.GetNext(pos));
            if (!IsLadderContact(pBlock->m_nType) && !IsLadderCoil(pBlock->m_nType))
                continue;
            const int nSource = OperandSource(pBlock->m_nOperand);
            m_logic.renumbered.emplace(pBlock->m_nNumber, nSource);
            if (IsLadderContact(pBlock->m_nType))
                m_logic.contactSources.push_back(nSource);
        }
    }

    void AddFeed(int nNumber, int nPin, int nSource)
    {
        std::vector<int>& feeds = m_feeds[PinKey(nNumber, nPin)];
        if (std::find(feeds.begin(), feeds.end(), nSource) == feeds.end())
            feeds.push_back(nSource);
    }

    void CollectFeeds()
    {
        for (const auto& [nNumber, pBlock] : m_byNumber) {
            for (int nPin = 0; nPin < pBlock->m_nInputs && nPin < BLOCK_FIRST_OUTPUT; ++nPin) {
                if (IsFedPinKind(pBlock->m_nPinKind[nPin]) && NamesBlock(pBlock->m_nPinSource[nPin]))
                    AddFeed(nNumber, nPin, pBlock->m_nPinSource[nPin]);
            }
        }
        // A ladder wire may have been drawn from either end; its input end is the one fed.
        for (POSITION pos = m_ladder.m_lineList.GetHeadPosition(); pos;) {
            const auto& line = *static_cast<const CConnectLineObj*>(m_ladder.m_lineList.GetNext(pos));
            const bool bStartIsInput = line.m_nStartPin < BLOCK_FIRST_OUTPUT && line.m_nStartBlock != NUM_POWERBUS;
            if (bStartIsInput)
                AddFeed(line.m_nStartBlock, line.m_nStartPin, line.m_nEndBlock);
            else if (line.m_nEndPin < BLOCK_FIRST_OUTPUT && line.m_nEndBlock != NUM_POWERBUS)
                AddFeed(line.m_nEndBlock, line.m_nEndPin, line.m_nStartBlock);
        }
    }

    const std::vector<int>& FeedsOf(int nNumber, int nPin) const
    {
        static const std::vector<int> s_none;
        const auto it = m_feeds.find(PinKey(nNumber, nPin));
        return it == m_feeds.end() ? s_none : it->second;
    }

    // The feeds that decide an element's output: a contact's own input, a female connector's
    // male partner's input; null for an element whose output is a source of its own.
    const std::vector<int>* PassedFeeds(int nNumber) const
    {
        const CBlockObj* pBlock = LadderBlock(nNumber);
        if (!pBlock)
            return nullptr;
        if (pBlock->m_nType == BT_MAKE || pBlock->m_nType == BT_BREAK)
            return &FeedsOf(nNumber, 0);
        if (pBlock->m_nType == BT_FEMALE)
            return &FeedsOf(nNumber - NUM_FEMALE_OFFSET, 0);
        return nullptr;
    }

    // ---- terms ----

    int NewTerm(TermOp op, int nRef, std::vector<int> kids)
    {
        m_logic.terms.push_back(LadderTerm{op, nRef, std::move(kids)});
        return int(m_logic.terms.size()) - 1;
    }

    int RefTerm(int nNumber)
    {
        const auto [it, bNew] = m_logic.refTerms.emplace(nNumber, 0);
        if (bNew)
            it->second = NewTerm(TermOp::Ref, nNumber, {});
        return it->second;
    }

    int NotTerm(int nTerm)
    {
        if (m_logic.terms[std::size_t(nTerm)].op == TermOp::Not)
            return m_logic.terms[std::size_t(nTerm)].kids.front();
        if (m_logic.terms[std::size_t(nTerm)].op == TermOp::Ref) {
            const auto [it, bNew] = m_notTerms.emplace(nTerm, 0);
            if (bNew)
                it->second = NewTerm(TermOp::Not, 0, {nTerm});
            return it->second;
        }
        return NewTerm(TermOp::Not, 0, {nTerm});
    }

    int AndTerm(int nA, int nB)
    {
        if (nA == TERM_LOW || nB == TERM_LOW)
            return TERM_LOW;
        if (nA == TERM_HIGH)
            return nB;
        if (nB == TERM_HIGH)
            return nA;
        return NewTerm(TermOp::And, 0, {nA, nB});
    }

    // Parallel branches; no branch at all is an open input.
    int OrTerm(std::vector<int> kids)
    {
        if (kids.empty())
            return TERM_OPEN;
        std::vector<int> branches;
        for (int nKid : kids) {
            if (nKid == TERM_HIGH)
                return TERM_HIGH;
            if (nKid != TERM_LOW && std::find(branches.begin(), branches.end(), nKid) == branches.end())
                branches.push_back(nKid);
        }
        if (branches.empty())
            return TERM_LOW;
        if (branches.size() == 1)
            return branches.front();
        return NewTerm(TermOp::Or, 0, std::move(branches));
    }

    // The number of the block that stands for a contact's operand in the converted diagram:
    // a coil's or LAD analog output's number names that element's operand.
    int OperandSource(int nOperand) const
    {
        if (const CBlockObj* pNamed = LadderBlock(nOperand); pNamed && IsLadderCoil(pNamed->m_nType))
            return pNamed->m_nOperand;
        return nOperand;
    }

    // The element's own negation of an input, which the ladder's scan applies as it reads it.
    int AsRead(const CBlockObj& element, int nPin, int nTerm)
    {
        return element.m_bPinInvert[nPin] && nTerm != TERM_OPEN ? NotTerm(nTerm) : nTerm;
    }

    // What an element passes on, once every feed of it has its term.
    int PassedTerm(const CBlockObj& element)
    {
        std::vector<int> branches;
        for (int nFeed : *PassedFeeds(element.m_nNumber))
            branches.push_back(m_outputTerms.at(nFeed));
        // A contact with nothing at its input passes nothing on.
        const int nInput = branches.empty() ? TERM_LOW : AsRead(element, 0, OrTerm(std::move(branches)));
        if (element.m_nType == BT_FEMALE)
            return nInput;
        const int nOperand = RefTerm(OperandSource(element.m_nOperand));
        return AndTerm(nInput, element.m_nType == BT_BREAK ? NotTerm(nOperand) : nOperand);
    }

    // The term of an output that is a source of its own: the rail is on, an analog contact
    // gives its operand's value, a function block (or anything else) its own output.
    int SourceTerm(int nNumber)
    {
        if (nNumber == NUM_POWERBUS)
            return TERM_HIGH;
        const CBlockObj* pBlock = LadderBlock(nNumber);
        if (!pBlock)
            return TERM_LOW;
        if (pBlock->m_nType == BT_ACONTACT || IsLadderCoil(pBlock->m_nType))
            return RefTerm(OperandSource(pBlock->m_nOperand));
        return RefTerm(nNumber);
    }

    // The term of an element's output, with the terms of everything before it on its rung.
    // Depth-first on an explicit stack: an element is expanded once (its unfinished feeds
    // pushed above it) and finished when it comes up again; meeting an element that is
    // expanded but unfinished means the wires run in a circle.
    bool OutputTerm(int nTop)
    {
        if (m_outputTerms.count(nTop))
            return true;
        std::vector<int> stack{nTop};
        while (!stack.empty()) {
            const int nNumber = stack.back();
            if (m_outputTerms.count(nNumber)) {
                stack.pop_back();
                continue;
            }
            const std::vector<int>* pFeeds = PassedFeeds(nNumber);
            if (!pFeeds) {
                m_outputTerms.emplace(nNumber, SourceTerm(nNumber));
                stack.pop_back();
                continue;
            }
            if (m_expanded.insert(nNumber).second) {
                for (int nFeed : *pFeeds) {
                    if (m_outputTerms.count(nFeed))
                        continue;
                    if (m_expanded.count(nFeed))
                        return false;
                    stack.push_back(nFeed);
                }
                continue;
            }
            for (int nFeed : *pFeeds) {
                if (!m_outputTerms.count(nFeed))
                    return false;
            }
            m_outputTerms.emplace(nNumber, PassedTerm(*LadderBlock(nNumber)));
            stack.pop_back();
        }
        return true;
    }

    // The term at an input pin of a coil or function block; TERM_OPEN when nothing feeds it.
    bool InputTerm(int nNumber, int nPin, int* pTerm)
    {
        std::vector<int> branches;
        for (int nFeed : FeedsOf(nNumber, nPin)) {
            if (!OutputTerm(nFeed))
                return false;
            branches.push_back(m_outputTerms.at(nFeed));
        }
        *pTerm = OrTerm(std::move(branches));
        return true;
    }

    // ---- the blocks that read terms ----

    bool ReadReaders()
    {
        for (POSITION pos = m_ladder.m_blockList.GetHeadPosition(); pos;) {
            const auto* pBlock = static_cast<const CBlockObj*>(m_ladder.m_blockList.GetNext(pos));
            const int nType = pBlock->m_nType;
            if (IsLadderContact(nType) || IsConnectorHalf(nType))
                continue;
            if (IsLadderCoil(nType) && m_outputs.count(pBlock->m_nOperand))
                continue;  // the first coil of an operand is its output
            LadderReader reader{pBlock, {}, IsLadderCoil(nType)};
            for (int nPin = 0; nPin < pBlock->m_nInputs && nPin < BLOCK_FIRST_OUTPUT; ++nPin) {
                if (!IsFedPinKind(pBlock->m_nPinKind[nPin]))
                    continue;
                int nTerm = TERM_OPEN;
                if (!InputTerm(pBlock->m_nNumber, nPin, &nTerm))
                    return false;
                nTerm = AsRead(*pBlock, nPin, nTerm);
                // An inverted output is a NOT in front of an output; with nothing at its input
                // the NOT stays open.
                if (nType == BT_INV_OUT && nPin == 0)
                    nTerm = nTerm == TERM_OPEN ? NewTerm(TermOp::Not, 0, {}) : NotTerm(nTerm);
                if (nTerm != TERM_OPEN)
                    reader.pins.emplace_back(nPin, nTerm);
            }
            if (reader.bOutput)
                m_outputs.insert(pBlock->m_nOperand);
            m_logic.readers.push_back(std::move(reader));
        }
        return true;
    }

    const CVetlaDoc& m_ladder;
    LadderRungLogic& m_logic;
    std::unordered_map<int, const CBlockObj*> m_byNumber;
    std::unordered_map<std::int64_t, std::vector<int>> m_feeds;
    std::unordered_map<int, int> m_notTerms;
    std::unordered_map<int, int> m_outputTerms;
    std::unordered_set<int> m_expanded;
    // The operands whose first coil has been read.
    std::unordered_set<int> m_outputs;
};

} // namespace

LadderRungLogic ReadLadderRungs(const CVetlaDoc& ladder)
{
    LadderRungLogic logic;
    RungReader(ladder, logic).Run();
    return logic;
}
