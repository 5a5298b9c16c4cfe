// A word-valued block under test in a running simulation: analog inputs with values the test
// sets feed its input pins, and value sources stand behind its parameter references.
#pragma once

#include "SimDriver.h"

#include "blocks/BlockFactory.h"
#include "blocks/BlockIn.h"

#include <map>

class WordRig {
public:
    explicit WordRig(int nType, int nDocType = DOC_TYPE_FBD) : m_sim(nDocType)
    {
        m_pBlock = m_sim.Add(CreateBlockForType(nType, nullptr), NUM_FUNCTION_BLOCK);
    }

    CBlockObj* Block() { return m_pBlock; }
    SimDriver& Sim() { return m_sim; }

    // Input pin nPin reads the signed word nValue from an analog input.
    void SetInput(int nPin, int nValue)
    {
        auto* pInput = m_sim.Add(new CBlockAnalogIn(BT_ANALOG_IN), NUM_ANALOG_IN + nPin);
        pInput->m_nAux2 = nValue;
        SimDriver::Connect(pInput, m_pBlock, nPin);
    }

    // Reference nRef names a block whose value is dValue.
    void SetReference(int nRef, double dValue)
    {
        if (!m_refs.contains(nRef)) {
            // A plain block of a value-keeping type: no step of its own changes the value.
            CBlockObj* pSource = m_sim.Add(new CBlockObj(BT_COUNTER, 4), 9100 + nRef);
            m_pBlock->m_nRefBlock[nRef] = pSource->m_nNumber;
            m_pBlock->m_pRefBlock[nRef] = pSource;
            m_refs[nRef] = {pSource, 0.0};
        }
        m_refs[nRef].dValue = dValue;
    }

    // Starts a run and steps it once; the block's value afterwards.
    double Step()
    {
        m_sim.Start();
        for (auto& [nRef, ref] : m_refs)
            ref.pSource->m_dRunTime = ref.dValue;
        m_sim.Scan();
        return m_pBlock->m_dRunTime;
    }

private:
    struct Ref {
        CBlockObj* pSource = nullptr;
        double dValue = 0.0;
    };

    SimDriver m_sim;
    CBlockObj* m_pBlock = nullptr;
    std::map<int, Ref> m_refs;
};
