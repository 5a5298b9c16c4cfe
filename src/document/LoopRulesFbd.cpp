// The function-block diagram's loop rule: the search upstream from the output side of the new
// connection for its input side, and the verdict by the classes of the two blocks.
#include "document/LoopRules.h"

#include "blocks/BlockObj.h"
#include "blocks/BlockOut.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "document/VetlaDoc.h"
#include "document/WireNet.h"

#include <algorithm>
#include <initializer_list>
#include <set>
#include <span>
#include <utility>

namespace {

struct LoopClassRow {
    int nClass;
    std::initializer_list<int> types;
};

// The class of the fixed end's block: 0 the logic, timer and counting blocks, 1 outputs and
// flags, 2 analog outputs and flags, 3 blocks that compute a value, 4 blocks that judge a value,
// 5 the value selectors and controllers. A code not listed is of class 3.
const LoopClassRow kSourceClasses[] = {
    {0,
     {BT_AND, BT_AND_EDGE, BT_NAND, BT_NAND_EDGE, BT_OR, BT_NOR, BT_XOR, BT_NOT, BT_DPR, BT_DDR, BT_MPLR, BT_PLR,
      BT_CPG, BT_RPR, BT_APG, BT_RG, BT_SLS, BT_MFS, BT_COUNTER, BT_HCOUNTER, BT_THTRG, BT_LR, BT_PR, BT_MSGTEXT,
      BT_SOFTKEY, BT_SREG, BT_MR, BT_MW, BT_MATHERR, BT_BOOLEAN, BT_TDT, BT_ENCODER, BT_SMC, BT_SMCE, BT_PTO,
      BT_PTOE, BT_SEG, BT_WORD2BIT, BT_UDC}},
    {1, {BT_OUT, BT_FLAG}},
    {2, {BT_ANALOG_OUT, BT_ANALOG_FLAG}},
    {3,
     {BT_AAMP, BT_AFILTER, BT_BCD, BT_BIN, BT_ROL, BT_ROR, BT_SHL, BT_SHR, BT_ANDM, BT_ORM, BT_NOTM, BT_NANDM,
      BT_NORM, BT_XORM, BT_ARRMXIV, BT_ACMXIV, BT_RAND, BT_CRC16, BT_MOD, BT_REM, BT_LOG, BT_SQRT, BT_ABS,
      BT_GCD, BT_LCM, BT_POW2, BT_EXP, BT_FIX, BT_ROUND, BT_SIN, BT_COS, BT_TAN, BT_COT, BT_SEC, BT_CSC, BT_QUAD}},
    {4, {BT_ACOMP, BT_ATHTRG, BT_AWDOG, BT_ADTRG, BT_PWM, BT_ODD, BT_EVEN}},
    {5, {BT_SW, BT_AMATH, BT_AMUX, BT_ARAMP, BT_PI, BT_MAXMIN, BT_AVGVAL, BT_MEM}},
};
constexpr int kOtherSourceClass = 3;

// The class of the target block. Targets are grouped a little differently (SW, AMATH, AMUX,
// ARAMP and MEM with the logic blocks; AWDOG, PI, PWM, MAXMIN, AVGVAL and QUAD together), and a
// code not listed takes the last column.
const LoopClassRow kTargetClasses[] = {
    {0,
     {BT_AND, BT_AND_EDGE, BT_NAND, BT_NAND_EDGE, BT_OR, BT_NOR, BT_XOR, BT_NOT, BT_DPR, BT_DDR, BT_MPLR, BT_PLR,
      BT_CPG, BT_RPR, BT_APG, BT_RG, BT_SLS, BT_MFS, BT_SW, BT_COUNTER, BT_HCOUNTER, BT_THTRG, BT_LR, BT_PR,
      BT_MSGTEXT, BT_SOFTKEY, BT_SREG, BT_MR, BT_MW, BT_AMATH, BT_AMUX, BT_ARAMP, BT_MATHERR, BT_BOOLEAN, BT_TDT,
      BT_MEM, BT_ENCODER, BT_SMC, BT_SMCE, BT_PTO, BT_PTOE, BT_SEG, BT_WORD2BIT, BT_UDC}},
    {1, {BT_OUT, BT_FLAG}},
    {2, {BT_ANALOG_OUT, BT_ANALOG_FLAG}},
    {3,
     {BT_ACOMP, BT_ATHTRG, BT_AAMP, BT_ADTRG, BT_AFILTER, BT_BCD, BT_BIN, BT_ROL, BT_ROR, BT_SHL, BT_SHR,
      BT_ANDM, BT_ORM, BT_NOTM, BT_NANDM, BT_NORM, BT_XORM, BT_ACMXIV, BT_RAND, BT_CRC16, BT_ODD, BT_EVEN,
      BT_MOD, BT_REM, BT_LOG, BT_SQRT, BT_ABS, BT_GCD, BT_LCM}},
    {4, {BT_AWDOG, BT_PI, BT_PWM, BT_MAXMIN, BT_AVGVAL, BT_QUAD}},
};
constexpr int kOtherTargetClass = 5;

// The verdict on a loop by source class (rows) and target class (columns); 0 allows it.
constexpr int kLoopVerdict[6][6] = {
    {1, 0, 2, 2, 1, 0}, {0, 0, 2, 2, 0, 2}, {2, 2, 0, 0, 0, 2},
    {2, 2, 0, 1, 1, 0}, {1, 0, 2, 2, 1, 2}, {2, 2, 0, 1, 1, 0},
};

int ClassOf(std::span<const LoopClassRow> rows, int nType, int nOther)
{
    for (const LoopClassRow& row : rows) {
        if (std::find(row.types.begin(), row.types.end(), nType) != row.types.end())
            return row.nClass;
    }
    return nOther;
}

bool IsOutputOrFlag(const CBlockObj* pBlock)
{
    return pBlock && (pBlock->IsKindOf(RUNTIME_CLASS(CBlockOut)) || pBlock->IsKindOf(RUNTIME_CLASS(CBlockFlag)) ||
                      pBlock->IsKindOf(RUNTIME_CLASS(CBlockAnalogOut)) ||
                      pBlock->IsKindOf(RUNTIME_CLASS(CBlockAnalogFlag)));
}

bool IsConnector(const CBlockObj* pBlock)
{
    return pBlock && (pBlock->m_nType == BT_MALE || pBlock->m_nType == BT_FEMALE);
}

// The search upstream from Y for X's output. Each (block, arrival pin) is expanded once, so a
// diagram that already holds a cycle ends the search; expanding it again would find nothing new.
class UpstreamSearch {
public:
    UpstreamSearch(const WireNet& net, PinEnd x, PinEnd y) : m_net(net), m_x(x), m_y(y) {}

    bool Run()
    {
        From(m_y);
        return m_bFound;
    }

private:
    void From(const PinEnd& current)
    {
        if (m_bFound || !current.pBlock || !m_expanded.insert({current.pBlock, current.nPin}).second)
            return;
        for (const CConnectLineObj* pLine : GetDistinctInputLines(m_net.Doc(), *current.pBlock)) {
            Follow(*pLine, current);
            if (m_bFound)
                return;
        }
    }

    bool AtYOnItsSide(const CConnectLineObj& line) const
    {
        const auto sameSide = [this](int nPin) { return (nPin - 9) * (m_y.nPin - 9) > 0; };
        return (line.m_pStartBlock == m_y.pBlock && sameSide(line.m_nStartPin)) ||
               (line.m_pEndBlock == m_y.pBlock && sameSide(line.m_nEndPin));
    }

    // The pins of the wire, read from its X end, run against the new connection's.
    bool LeavesXAgainstTheNewWire(const CConnectLineObj& line) const
    {
        int nDiff = 0;
        if (line.m_pStartBlock == m_x.pBlock)
            nDiff = line.m_nStartPin - line.m_nEndPin;
        else if (line.m_pEndBlock == m_x.pBlock)
            nDiff = line.m_nEndPin - line.m_nStartPin;
        else
            return false;
        return nDiff * (m_x.nPin - m_y.nPin) < 0;
    }

    void Follow(const CConnectLineObj& wire, const PinEnd& current)
    {
        if (Touches(wire, current.pBlock, current.nPin) || AtYOnItsSide(wire) ||
            IsOutputOrFlag(wire.m_pStartBlock) || IsOutputOrFlag(wire.m_pEndBlock))
            return;
        const CBlockObj* pC = current.pBlock;
        const CConnectLineObj* pLine = &wire;
        const PinEnd far = FarFrom(wire, pC);
        if (IsConnector(far.pBlock)) {
            const CConnectLineObj* pPartnerLine = m_net.PartnerLine(*far.pBlock);
            if (pPartnerLine && TouchesBlock(*pPartnerLine, m_x.pBlock))
                pLine = pPartnerLine;
        }
        if (LeavesXAgainstTheNewWire(*pLine)) {
            m_bFound = true;
            return;
        }
        if (!TouchesBlock(*pLine, pC))
            return;
        From(IsConnector(far.pBlock) ? m_net.Across(far) : far);
    }

    // The end of a wire at the block's input away from it.
    static PinEnd FarFrom(const CConnectLineObj& line, const CBlockObj* pBlock)
    {
        if (line.m_pEndBlock == pBlock && line.m_nEndPin < BLOCK_FIRST_OUTPUT)
            return {line.m_pStartBlock, line.m_nStartPin};
        return {line.m_pEndBlock, line.m_nEndPin};
    }

    const WireNet& m_net;
    PinEnd m_x;
    PinEnd m_y;
    std::set<std::pair<const CBlockObj*, int>> m_expanded;
    bool m_bFound = false;
};

// The side of the wire that stays put: its start, or while one end is dragged the other end.
PinEnd FixedEnd(const CConnectLineObj& line)
{
    if (line.m_bEndDrag && line.m_nDragEnd == -1)
        return {line.m_pEndBlock, line.m_nEndPin};
    return {line.m_pStartBlock, line.m_nStartPin};
}

} // namespace

std::vector<CConnectLineObj*> GetDistinctInputLines(const CVetlaDoc& doc, const CBlockObj& block)
{
    const WireNet net(doc);
    std::vector<CConnectLineObj*> lines;
    std::set<const CBlockObj*> farBlocks;
    for (POSITION pos = doc.m_lineList.GetHeadPosition(); pos;) {
        auto* pLine = static_cast<CConnectLineObj*>(doc.m_lineList.GetNext(pos));
        PinEnd far;
        if (pLine->m_pEndBlock == &block && pLine->m_nEndPin < BLOCK_FIRST_OUTPUT)
            far = {pLine->m_pStartBlock, pLine->m_nStartPin};
        else if (pLine->m_pStartBlock == &block && pLine->m_nStartPin < BLOCK_FIRST_OUTPUT)
            far = {pLine->m_pEndBlock, pLine->m_nEndPin};
        else
            continue;
        if (farBlocks.insert(net.FollowFemale(far).pBlock).second)
            lines.push_back(pLine);
    }
    return lines;
}

int CheckLoopRule(const CVetlaDoc& doc, const CConnectLineObj& line, CBlockObj& target, int nPin)
{
    const WireNet net(doc);
    PinEnd s = FixedEnd(line);
    if (line.m_bEndDrag && IsConnector(s.pBlock))
        s = net.Across(s);
    if (!s.pBlock)
        return 0;
    const PinEnd t{&target, nPin};
    if (s.pBlock != &target) {
        const bool bFixedIsInput = s.nPin < BLOCK_FIRST_OUTPUT;
        const PinEnd x = bFixedIsInput ? s : t;
        const PinEnd y = bFixedIsInput ? t : s;
        if (!UpstreamSearch(net, x, y).Run())
            return 0;
    }
    const int nSourceClass = ClassOf(kSourceClasses, s.pBlock->m_nType, kOtherSourceClass);
    const int nTargetClass = ClassOf(kTargetClasses, target.m_nType, kOtherTargetClass);
    return kLoopVerdict[nSourceClass][nTargetClass];
}
