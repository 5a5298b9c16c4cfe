// The input blocks, where a simulation takes the user's input: digital inputs I (600),
// function keys F (611), shift-register bits S (602) and analog inputs AI (608). Their state
// or value is set from outside (the Inputs bar, a click on the block, the shift register);
// their steps only echo a change back to the Inputs bar.
#pragma once

#include "blocks/BlockObj.h"

// The simulated input of I, F, AI and the analog contacts: the mode of I and F (SimInputMode),
// the value a frequency input's run starts with and the current value (a frequency in Hz, an
// analog level); the range offered is BLOCK_VALUE_MIN_AUX .. BLOCK_VALUE_MAX_AUX.
constexpr int INPUT_SIM_MODE_PARAMEX = 12;
constexpr int INPUT_SIM_START_AUX = 0;
constexpr int INPUT_SIM_VALUE_AUX = 1;
// The "Automatic Range Of Values" flag of the simulated input (1 by default).
constexpr int INPUT_SIM_AUTO_RANGE_PARAMEX = 13;
// The value a run of an analog input or analog contact starts from, fitted into the input's
// range; the run's end gives the input back what the file holds. No page sets it, so a ladder's
// analog contact, which starts at its minimum, and its converted input agree.
constexpr int ANALOG_SIM_DEFAULT_VALUE = 0;
int AnalogSimDefault(const CBlockObj& block);

// The simulated-input modes.
constexpr int SIM_INPUT_SWITCH = 0;
constexpr int SIM_INPUT_PUSH_MAKE = 1;
constexpr int SIM_INPUT_PUSH_BREAK = 2;
constexpr int SIM_INPUT_FREQUENCY = 3;

class CBlockIn : public CBlockObj {
    DECLARE_SERIAL(CBlockIn)

public:
    CBlockIn() = default;
    explicit CBlockIn(int nType);

    void Serialize(CArchive& ar) override;
    BOOL Simulate(const CSimContext* pSim) override;
    // A momentary-break input starts on; a frequency input starts at its start value.
    void ResetForRun(const SYSTEMTIME& stNow) override;
    // ON or OFF, with the voltage for the controller's own inputs (numbers 100 to 355).
    void DrawStateLabel(const CSimContext* pSim, CDC* pDC) override;

    float m_fVoltage = 0.0f;  // volts, shown by the state label
    int m_nShownValue = 0;    // the simulated value as the Inputs bar last showed it
    int m_bHighSpeed = 0;     // the input attribute; the only own field that is stored
};

class CBlockFKey : public CBlockObj {
    DECLARE_SERIAL(CBlockFKey)

public:
    CBlockFKey() = default;
    explicit CBlockFKey(int nType);

    BOOL Simulate(const CSimContext* pSim) override;
    // As an input: a momentary-break key starts on, a frequency key at its start value.
    void ResetForRun(const SYSTEMTIME& stNow) override;

    int m_nShownValue = 0;
};

// A shift-register bit: its state is written by the shift register's step.
class CBlockShift : public CBlockObj {
    DECLARE_SERIAL(CBlockShift)

public:
    CBlockShift() = default;
    explicit CBlockShift(int nType);

    // The block alone: a shift-register bit has no state label.
    void DrawStateLabel(const CSimContext* pSim, CDC* pDC) override;
    // Its operand.
    int ShiftBitRead() const override { return m_nOperand; }
};

class CBlockAnalogIn : public CBlockObj {
    DECLARE_SERIAL(CBlockAnalogIn)

public:
    CBlockAnalogIn();
    explicit CBlockAnalogIn(int nType);

    BOOL Simulate(const CSimContext* pSim) override;
    // Starts at its start value, its settings fitted to the blocks it feeds; not timed.
    void ResetForRun(const SYSTEMTIME& stNow) override;
    // The block in its state colour, then its value box.
    void DrawSim(const CSimContext* pSim, CDC* pDC) override;
    // ON or OFF, with the voltage for the controller's own inputs (numbers 4000 to 4127).
    void DrawStateLabel(const CSimContext* pSim, CDC* pDC) override;
    // The simulated value and, when it is not negative, the value the block passes on.
    void DrawValue(const CSimContext* pSim, CDC* pDC) override;

    float m_fVoltage = 0.0f;
    int m_nShownValue = 0;
};
