// A block under test in a running simulation whose first digital pins are fed by inputs the
// test switches scan by scan.
#pragma once

#include "SimDriver.h"

#include "blocks/BlockFactory.h"
#include "blocks/BlockIn.h"

#include <initializer_list>
#include <vector>

// A block whose first digital pins are fed by inputs I1, I2, ...; each scan sets their levels.
class DigitalRig {
public:
    DigitalRig(int nType, int nInputs, int nDocType = DOC_TYPE_FBD) : m_sim(nDocType)
    {
        m_pBlock = m_sim.Add(CreateBlockForType(nType, nullptr), NUM_FUNCTION_BLOCK);
        for (int nPin = 0; nPin < nInputs; ++nPin) {
            m_inputs.push_back(m_sim.Add(new CBlockIn(BT_IN), NUM_INPUT + nPin));
            SimDriver::Connect(m_inputs.back(), m_pBlock, nPin);
        }
    }

    CBlockObj* Block() { return m_pBlock; }
    SimDriver& Sim() { return m_sim; }

    // One scan with the inputs at the given levels; the output state after it. The first scan
    // starts the run.
    int Scan(const std::vector<int>& levels)
    {
        if (!m_bStarted) {
            m_sim.Start();
            m_bStarted = true;
        }
        for (std::size_t i = 0; i < levels.size(); ++i) {
            if (SimDriver::State(m_inputs[i]) != levels[i])
                SimDriver::SetInput(m_inputs[i], levels[i]);
        }
        m_sim.Scan();
        return SimDriver::State(m_pBlock);
    }

    // The output states over a sequence of scans.
    std::vector<int> Run(std::initializer_list<std::vector<int>> scans)
    {
        std::vector<int> states;
        for (const std::vector<int>& levels : scans)
            states.push_back(Scan(levels));
        return states;
    }

private:
    SimDriver m_sim;
    CBlockObj* m_pBlock = nullptr;
    std::vector<CBlockObj*> m_inputs;
    bool m_bStarted = false;
};
