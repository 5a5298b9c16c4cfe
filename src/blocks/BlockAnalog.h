// The analog function blocks: one base class holding the input scaling, thresholds, result
// values and the PI and PWM settings, and thirteen classes with their own settings, symbol,
// parameter lines and simulation step.
#pragma once

#include "blocks/BlockObj.h"

#include <vector>


// The "No sensor" entry of the sensor kinds (m_nSensor): the scaling is gain and offset alone,
// its range from the offset to the offset plus 1000 times the gain.
constexpr int ANALOG_SENSOR_NONE = 4;

// The largest magnitude an analog value takes; the analog math result may also reach -32768.
constexpr int ANALOG_LIMIT = 32767;

// The values V1-V4 of the analog math and the analog multiplexer; block references 0-3 replace
// them.
constexpr int AMATH_V1_PARAM = 9;
constexpr int AMATH_V2_PARAMEX = 1;
constexpr int AMATH_V3_PARAMEX = 6;
constexpr int AMATH_V4_PARAMEX = 8;
// The analog math's operators between V1-V2, V2-V3 and V3-V4 (indexes into "+-*/"), their
// priorities (0 low, 1 middle, 2 high), and whether the value is kept while En is 0.
constexpr int AMATH_OP1_PARAM = 8;
constexpr int AMATH_OP2_PARAMEX = 0;
constexpr int AMATH_OP3_PARAMEX = 5;
constexpr int AMATH_PRIO1_PARAM = 10;
constexpr int AMATH_PRIO2_PARAMEX = 2;
constexpr int AMATH_PRIO3_PARAMEX = 7;
constexpr int AMATH_KEEP_VALUE_PARAMEX = 11;

// The analog ramp's speed of change, largest output value and start/stop offset.
constexpr int ARAMP_SPEED_PARAM = 9;
constexpr int ARAMP_MAX_OUTPUT_PARAMEX = 1;
constexpr int ARAMP_START_STOP_PARAMEX = 6;

// The analog filter's number of samples, as a shift of 8.
constexpr int AFILTER_SAMPLES_PARAM = 10;

// The Max/Min block's mode and its reset of the kept maximum and minimum.
constexpr int MAXMIN_MODE_PARAM = 9;
constexpr int MAXMIN_RESET_PARAMEX = 4;

// The average value's sampling time (a count in a unit: days, hours, minutes, else seconds)
// and number of samples.
constexpr int AVGVAL_TIME_PARAM = 9;
constexpr int AVGVAL_UNIT_PARAM = 10;
constexpr int AVGVAL_SAMPLES_PARAM = 8;

// A scaled analog value: rounded on its first decimal digit with halves away from zero (2.5
// gives 3, -2.5 gives -3, 2.49 gives 2), clamped to -32767 .. 32767 and truncated toward zero.
// A value that is no number gives 0.
int RoundAnalogValue(double x);
// A value read from a referenced block: clamped to -32767 .. 32767 and truncated, not rounded.
int ClampAnalogValue(double x);
// What an analog math block's formula is made of: its operands V1-V4, its three operators
// (0 "+", 1 "-", 2 "*", 3 "/") and their priorities, as the block's parameters hold them.
struct AnalogFormulaInputs {
    int nOperand[4];
    int nOperator[3];
    int nPriority[3];
    bool operator==(const AnalogFormulaInputs&) const = default;
};
AnalogFormulaInputs FormulaInputsOf(const CBlockObj& block);

// A piece of a formula: a bracket, an operand's value, an operator ('+', '-', '*', '/'), or
// the end where an operator index outside "+-*/" cuts the formula short.
struct FormulaToken {
    enum Kind { Open, Close, Operand, Operator, End };
    Kind kind;
    char chSymbol = 0;
    int nValue = 0;
};
// The formula in writing order: the operands with brackets where the priorities put them
// (a priority 2 groups its operator's operands first, a priority 1 then groups the next), on
// to V4 also past an End.
std::vector<FormulaToken> AnalogFormulaTokens(const AnalogFormulaInputs& formula);
// The value of the formula. "*" and "/" bind before "+" and "-", operators of one rank bind
// left to right, brackets group. Every operator reads its operands as whole numbers and
// computes in single precision, so a quotient keeps its fraction only until the next operator.
// A division by zero gives 32767; the result is clamped to -32768 .. 32767.
int EvaluateAnalogFormula(const AnalogFormulaInputs& formula);

class CBlockAnalog : public CBlockObj {
    DECLARE_DYNAMIC(CBlockAnalog)

public:
    void Serialize(CArchive& ar) override;
    void CopyTo(CBlockObj* pDst, BOOL bGeometry) override;
    // The class's step, then the change of its output.
    BOOL Simulate(const CSimContext* pSim) override;
    // Keeps its value and running time.
    void ResetForRun(const SYSTEMTIME& stNow) override;
    // The step, the block in its state colour where it shows its state or black, then the
    // value box.
    void DrawSim(const CSimContext* pSim, CDC* pDC) override;
    // The value, with a second line where the class has one.
    void DrawValue(const CSimContext* pSim, CDC* pDC) override;

    // The input's sensor kind and measuring range (either bound may be the larger).
    int m_nSensor = 0;
    int m_nRangeMin = 0;
    int m_nRangeMax = 1000;
    double m_dGain = 1.0;
    int m_nOffset = 0;
    // "On" threshold; Delta1 of the watchdog.
    int m_nThreshold1 = 0;
    // "Off" threshold; Delta of the differential trigger, Delta2 of the watchdog.
    int m_nThreshold2 = 0;
    int m_nDecimals = 0;
    // The scaling's unit and resolution.
    int m_nUnit = 0;
    int m_nResolution = 1;
    // Simulation state: neither stored nor copied.
    int m_nValue = 0;
    int m_nRefValue = 0;
    int m_nAx = 0;
    int m_nAy = 0;
    // The PI controller's settings, stored in the full record and copied between PI
    // controllers: the parameter set, the gain KC, whether the integration time TI is used,
    // and TI as minutes and seconds.
    int m_nPiParamSet = 0;
    double m_dPiKC = 0.5;
    int m_bPiUseTI = 1;
    int m_nPiTIMinutes = 0;
    int m_nPiTISeconds = 30;
    int m_nPwmOpt = 0;

protected:
    // Dynamic creation before a load; the stored fields keep the typed defaults until read.
    CBlockAnalog() = default;
    // The analog fields' defaults and the value range -20000 .. 20000; the class constructor
    // adds its own settings.
    CBlockAnalog(int nType, int nInputs);

    // One simulation step; the ramp, PI, PWM, filter, max/min and average blocks keep their
    // value and state.
    virtual void Step(const CSimContext*) {}
    // The body shows the output state rather than black.
    virtual bool ShowsState() const { return false; }
    // The second line of the value box; empty: the box has one line.
    virtual CString SecondValue() const { return CString(); }

    int ScaledInput(int nPin) const;
    int Scale(int nValue) const;
    // The input's source names no block of the document: the input reads 0.
    bool IsInputOpen(int nPin) const;
    // With input nPin open, the value and Ax start a run at what that input gives them, so that
    // they show it before the first step.
    void StartFromOpenInput(int nPin);
    // The current value of reference nRef when the reference is set, else the stored word: a
    // run reads a referenced value for its steps and leaves the word the user typed as it was.
    int ReferencedOr(int nRef, int nStored);
    // The trigger rule of the comparator and the threshold trigger on nValue between the
    // thresholds nOn and nOff.
    int TriggerState(int nValue, int nOn, int nOff) const;
};

class CBlockACOMP : public CBlockAnalog {
    DECLARE_SERIAL(CBlockACOMP)

public:
    CBlockACOMP();
    explicit CBlockACOMP(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;
    // With both inputs open: Ax and Ay at what an open input gives, the difference 0.
    void ResetForRun(const SYSTEMTIME& stNow) override;

protected:
    void Step(const CSimContext* pSim) override;
    bool ShowsState() const override { return true; }
};

class CBlockATHTRG : public CBlockAnalog {
    DECLARE_SERIAL(CBlockATHTRG)

public:
    CBlockATHTRG();
    explicit CBlockATHTRG(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;
    // From an open Ax, its value.
    void ResetForRun(const SYSTEMTIME& stNow) override;

protected:
    void Step(const CSimContext* pSim) override;
    bool ShowsState() const override { return true; }
};

class CBlockAAMP : public CBlockAnalog {
    DECLARE_SERIAL(CBlockAAMP)

public:
    CBlockAAMP();
    explicit CBlockAAMP(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;
    // From an open Ax, its value.
    void ResetForRun(const SYSTEMTIME& stNow) override;

protected:
    void Step(const CSimContext* pSim) override;

private:
    // The amplifier in a feedback loop takes the value of the nearest analog block up its
    // input-0 chain.
    int LoopValue() const;
};

class CBlockAWDOG : public CBlockAnalog {
    DECLARE_SERIAL(CBlockAWDOG)

public:
    CBlockAWDOG();
    explicit CBlockAWDOG(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;
    // From an open Ax, its value.
    void ResetForRun(const SYSTEMTIME& stNow) override;
    // The older line has one threshold for both directions: unequal ones are refused, and the
    // newer line starts from the second.
    CString OlderLineProblem(long long nIndex, const CString& strCaption) const override;
    void AdaptToNewerLine() override;

protected:
    void Step(const CSimContext* pSim) override;
    bool ShowsState() const override { return true; }
    // The reference value the band is taken around.
    CString SecondValue() const override;
};

class CBlockADTRG : public CBlockAnalog {
    DECLARE_SERIAL(CBlockADTRG)

public:
    CBlockADTRG();
    explicit CBlockADTRG(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;
    // From an open Ax, its value.
    void ResetForRun(const SYSTEMTIME& stNow) override;

protected:
    void Step(const CSimContext* pSim) override;
    bool ShowsState() const override { return true; }
    // The upper threshold, On plus Delta.
    CString SecondValue() const override;
};

class CBlockAMATH : public CBlockAnalog {
    DECLARE_SERIAL(CBlockAMATH)

public:
    CBlockAMATH();
    explicit CBlockAMATH(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;

    // Starts at value 0.
    void ResetForRun(const SYSTEMTIME& stNow) override;

protected:
    void Step(const CSimContext* pSim) override;

private:
    // The formula and the value it gave at its last evaluation: its inputs mostly stay the
    // same from one step to the next. Simulation state, neither stored nor copied.
    AnalogFormulaInputs m_lastFormula{};
    int m_nLastFormulaValue = 0;
    bool m_bFormulaEvaluated = false;
};

class CBlockAMUX : public CBlockAnalog {
    DECLARE_SERIAL(CBlockAMUX)

public:
    CBlockAMUX();
    explicit CBlockAMUX(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;

    // Starts at value 0.
    void ResetForRun(const SYSTEMTIME& stNow) override;

protected:
    void Step(const CSimContext* pSim) override;
};

class CBlockARAMP : public CBlockAnalog {
    DECLARE_SERIAL(CBlockARAMP)

public:
    CBlockARAMP();
    explicit CBlockARAMP(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;
};

class CBlockPI : public CBlockAnalog {
    DECLARE_SERIAL(CBlockPI)

public:
    CBlockPI();
    explicit CBlockPI(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;
};

class CBlockPWM : public CBlockAnalog {
    DECLARE_SERIAL(CBlockPWM)

public:
    CBlockPWM();
    explicit CBlockPWM(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;
};

class CBlockAFILTER : public CBlockAnalog {
    DECLARE_SERIAL(CBlockAFILTER)

public:
    CBlockAFILTER();
    explicit CBlockAFILTER(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;
};

class CBlockMAXMIN : public CBlockAnalog {
    DECLARE_SERIAL(CBlockMAXMIN)

public:
    CBlockMAXMIN();
    explicit CBlockMAXMIN(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;
};

class CBlockAVGVAL : public CBlockAnalog {
    DECLARE_SERIAL(CBlockAVGVAL)

public:
    CBlockAVGVAL();
    explicit CBlockAVGVAL(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;
};
