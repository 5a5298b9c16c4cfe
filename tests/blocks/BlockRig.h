// A block under test in a running simulation: digital inputs that the test switches scan by
// scan, or analog inputs holding words, feed its pins; plain value blocks stand behind its
// parameter references.
#pragma once

#include "SimDriver.h"

#include "blocks/BlockFactory.h"
#include "blocks/BlockIn.h"

#include <initializer_list>
#include <map>
#include <vector>

class BlockRig {
public:
    explicit BlockRig(int nType, int nDigitalPins = 0, int nDocType = DOC_TYPE_FBD)
        : m_sim(nDocType)
    {
        m_pBlock = m_sim.Add(CreateBlockForType(nType, nullptr, &m_sim.Doc()), NUM_FUNCTION_BLOCK);
        for (int nPin = 0; nPin < nDigitalPins; ++nPin) {
            m_inputs.push_back(m_sim.Add(new CBlockIn(BT_IN), NUM_INPUT + nPin));
            SimDriver::Connect(m_inputs.back(), m_pBlock, nPin);
        }
    }

    CBlockObj* Block() { return m_pBlock; }
    SimDriver& Sim() { return m_sim; }

    // Input pin nPin reads the signed word nValue from an analog input (held through the start
    // of a run, which clears the inputs' values).
    void SetWord(int nPin, int nValue)
    {
        auto* pInput = m_sim.Add(new CBlockAnalogIn(BT_ANALOG_IN), NUM_ANALOG_IN + nPin);
        HoldWord(pInput, nValue);
        SimDriver::Connect(pInput, m_pBlock, nPin);
    }

    // An analog input or flag holds the word nValue, also through the start of a run.
    void HoldWord(CBlockObj* pBlock, int nValue)
    {
        pBlock->m_nHeldValue = nValue;
        m_words[pBlock] = nValue;
    }

    // Reference nRef names a block whose value is dValue.
    void SetReference(int nRef, double dValue)
    {
        Ref& ref = m_refs[nRef];
        if (!ref.pSource) {
            // A plain block of a value-keeping type: no step of its own changes the value.
            ref.pSource = m_sim.Add(new CBlockObj(BT_COUNTER, 4), 9100 + nRef);
            m_pBlock->m_pRefBlock[nRef] = ref.pSource;
        }
        ref.dValue = dValue;
        ref.pSource->m_dRunTime = dValue;
    }

    // One scan with the digital inputs at the given levels; the output state after it. The
    // first scan starts the run.
    int Scan(const std::vector<int>& levels = {})
    {
        if (!m_bStarted)
            Start();
        for (std::size_t i = 0; i < levels.size(); ++i) {
            if (SimDriver::State(m_inputs[i]) != levels[i])
                SimDriver::SetInput(m_inputs[i], levels[i]);
        }
        m_sim.Scan();
        return SimDriver::State(m_pBlock);
    }

    std::vector<int> Run(std::initializer_list<std::vector<int>> scans)
    {
        std::vector<int> states;
        for (const std::vector<int>& levels : scans)
            states.push_back(Scan(levels));
        return states;
    }

    // A new run stepped once; the block's value afterwards.
    double Step()
    {
        Start();
        m_sim.Scan();
        return m_pBlock->m_dRunTime;
    }

private:
    void Start()
    {
        m_sim.Start();
        m_bStarted = true;
        for (auto& [nRef, ref] : m_refs)
            ref.pSource->m_dRunTime = ref.dValue;
        for (auto& [pBlock, nValue] : m_words)
            pBlock->m_nHeldValue = nValue;
    }

    struct Ref {
        CBlockObj* pSource = nullptr;
        double dValue = 0.0;
    };

    SimDriver m_sim;
    CBlockObj* m_pBlock = nullptr;
    std::vector<CBlockObj*> m_inputs;
    std::map<int, Ref> m_refs;
    std::map<CBlockObj*, int> m_words;
    bool m_bStarted = false;
};
