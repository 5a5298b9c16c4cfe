#include "document/SimInputStore.h"

#include "blocks/BlockIn.h"
#include "blocks/BlockLadder.h"
#include "document/VetlaDoc.h"

#include <utility>
#include <vector>

namespace {

// The blocks whose words hold a simulated input: input blocks, function keys, analog inputs and
// the ladder contacts that stand for an input.
bool IsSimulatedInput(const CBlockObj& block)
{
    return IsAnyOf(block, {RUNTIME_CLASS(CBlockIn), RUNTIME_CLASS(CBlockFKey), RUNTIME_CLASS(CBlockAnalogIn),
                           RUNTIME_CLASS(CBlockMake), RUNTIME_CLASS(CBlockAContact)});
}

template <class Fn>
void ForEachInput(const CVetlaDoc& doc, Fn fn)
{
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;) {
        auto* pBlock = static_cast<CBlockObj*>(doc.m_blockList.GetNext(pos));
        if (IsSimulatedInput(*pBlock))
            fn(*pBlock);
    }
}

} // namespace

void SimInputStore::Hold(const CVetlaDoc& doc)
{
    m_inputs.clear();
    m_operands.clear();
    ForEachInput(doc, [this](CBlockObj& block) {
        m_inputs[&block] = {block.m_nParamEx[INPUT_SIM_AUTO_RANGE_PARAMEX], block.m_nAux[INPUT_SIM_VALUE_AUX],
                            block.m_nAux[BLOCK_VALUE_MIN_AUX], block.m_nAux[BLOCK_VALUE_MAX_AUX]};
    });
    for (POSITION pos = doc.m_mapOperandSim.GetStartPosition(); pos;) {
        int nOperand = 0;
        OperandSimRecord record;
        doc.m_mapOperandSim.GetNextAssoc(pos, nOperand, record);
        m_operands[nOperand] = record;
    }
    m_bHeld = TRUE;
}

void SimInputStore::Release(CVetlaDoc& doc)
{
    if (!m_bHeld)
        return;
    if (m_bExchanged)
        Exchange(doc);
    ForEachInput(doc, [this](CBlockObj& block) {
        const auto it = m_inputs.find(&block);
        if (it == m_inputs.end())
            return;
        block.m_nParamEx[INPUT_SIM_AUTO_RANGE_PARAMEX] = it->second.nAuto;
        block.m_nAux[INPUT_SIM_VALUE_AUX] = it->second.nValue;
        block.m_nAux[BLOCK_VALUE_MIN_AUX] = it->second.nMin;
        block.m_nAux[BLOCK_VALUE_MAX_AUX] = it->second.nMax;
    });
    // A record goes in place, so that the map keeps the order the file gives it.
    std::vector<int> runOnly;
    for (POSITION pos = doc.m_mapOperandSim.GetStartPosition(); pos;) {
        int nOperand = 0;
        OperandSimRecord record;
        doc.m_mapOperandSim.GetNextAssoc(pos, nOperand, record);
        if (!m_operands.contains(nOperand))
            runOnly.push_back(nOperand);
    }
    for (int nOperand : runOnly)
        doc.m_mapOperandSim.RemoveKey(nOperand);
    for (const auto& [nOperand, record] : m_operands)
        doc.m_mapOperandSim.SetAt(nOperand, record);
    *this = {};
}

void SimInputStore::KeepEdit(const CVetlaDoc& doc, const CBlockObj& input)
{
    if (!m_bHeld || !IsSimulatedInput(input))
        return;
    m_inputs[&input] = {input.m_nParamEx[INPUT_SIM_AUTO_RANGE_PARAMEX], input.m_nAux[INPUT_SIM_VALUE_AUX],
                        input.m_nAux[BLOCK_VALUE_MIN_AUX], input.m_nAux[BLOCK_VALUE_MAX_AUX]};
    OperandSimRecord record;
    if (dynamic_cast<const CLadderElement*>(&input) && doc.m_mapOperandSim.Lookup(input.m_nOperand, record))
        m_operands[input.m_nOperand] = record;
}

// Held and run settings change places: the words of every input held, the records held, and
// the records only the run made out of the map (and back in).
void SimInputStore::Exchange(CVetlaDoc& doc)
{
    ForEachInput(doc, [this](CBlockObj& block) {
        const auto it = m_inputs.find(&block);
        if (it == m_inputs.end())
            return;
        std::swap(block.m_nParamEx[INPUT_SIM_AUTO_RANGE_PARAMEX], it->second.nAuto);
        std::swap(block.m_nAux[INPUT_SIM_VALUE_AUX], it->second.nValue);
        std::swap(block.m_nAux[BLOCK_VALUE_MIN_AUX], it->second.nMin);
        std::swap(block.m_nAux[BLOCK_VALUE_MAX_AUX], it->second.nMax);
    });
    if (m_bExchanged) {
        for (const auto& [nOperand, record] : m_runOnly)
            doc.m_mapOperandSim.SetAt(nOperand, record);
        m_runOnly.clear();
    } else {
        for (POSITION pos = doc.m_mapOperandSim.GetStartPosition(); pos;) {
            int nOperand = 0;
            OperandSimRecord record;
            doc.m_mapOperandSim.GetNextAssoc(pos, nOperand, record);
            if (!m_operands.contains(nOperand))
                m_runOnly[nOperand] = record;
        }
        for (const auto& [nOperand, record] : m_runOnly)
            doc.m_mapOperandSim.RemoveKey(nOperand);
    }
    for (auto& [nOperand, record] : m_operands) {
        OperandSimRecord& inDoc = doc.m_mapOperandSim[nOperand];
        std::swap(inDoc, record);
    }
    m_bExchanged = !m_bExchanged;
}

SimInputStore::Exchanged::Exchanged(CVetlaDoc& doc) : m_doc(doc)
{
    if (m_doc.m_simInputs.IsHeld())
        m_doc.m_simInputs.Exchange(m_doc);
}

SimInputStore::Exchanged::~Exchanged()
{
    if (m_doc.m_simInputs.IsHeld())
        m_doc.m_simInputs.Exchange(m_doc);
}
