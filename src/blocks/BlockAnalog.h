// The analog function blocks (803-807, 815-822): one base class holding the input scaling,
// thresholds, result values and the PI and PWM settings, and thirteen classes that differ only
// in their constructors.
#pragma once

#include "blocks/BlockObj.h"

class CBlockAnalog : public CBlockObj {
    DECLARE_DYNAMIC(CBlockAnalog)

public:
    void Serialize(CArchive& ar) override;
    void CopyTo(CBlockObj* pDst, BOOL bGeometry) override;

    int m_nAnalogOpt1 = 0;
    int m_nAnalogOpt2 = 0;
    int m_nAnalogOpt3 = 1000;
    double m_dGain = 1.0;
    int m_nOffset = 0;
    // "On" threshold; Delta1 of the watchdog.
    int m_nThreshold1 = 0;
    // "Off" threshold; Delta of the differential trigger, Delta2 of the watchdog.
    int m_nThreshold2 = 0;
    int m_nDecimals = 0;
    int m_nAnalogOpt4 = 0;
    int m_nAnalogOpt5 = 1;
    // Simulation state: neither stored nor copied.
    int m_nValue = 0;
    int m_nRefValue = 0;
    int m_nAx = 0;
    int m_nAy = 0;
    int m_nPiOpt1 = 0;
    double m_dPiOpt2 = 0.5;
    int m_nPiOpt3 = 1;
    int m_nPiOpt4 = 0;
    int m_nPiOpt5 = 30;
    int m_nPwmOpt = 0;

protected:
    // Dynamic creation before a load; the stored fields keep the typed defaults until read.
    CBlockAnalog() = default;
    // The analog fields' defaults and the value range -20000 .. 20000; the class constructor
    // adds its own settings.
    CBlockAnalog(int nType, int nInputs);
};

class CBlockACOMP : public CBlockAnalog {
    DECLARE_SERIAL(CBlockACOMP)

public:
    CBlockACOMP();
    explicit CBlockACOMP(int nType);
};

class CBlockATHTRG : public CBlockAnalog {
    DECLARE_SERIAL(CBlockATHTRG)

public:
    CBlockATHTRG();
    explicit CBlockATHTRG(int nType);
};

class CBlockAAMP : public CBlockAnalog {
    DECLARE_SERIAL(CBlockAAMP)

public:
    CBlockAAMP();
    explicit CBlockAAMP(int nType);
};

class CBlockAWDOG : public CBlockAnalog {
    DECLARE_SERIAL(CBlockAWDOG)

public:
    CBlockAWDOG();
    explicit CBlockAWDOG(int nType);
};

class CBlockADTRG : public CBlockAnalog {
    DECLARE_SERIAL(CBlockADTRG)

public:
    CBlockADTRG();
    explicit CBlockADTRG(int nType);
};

class CBlockAMATH : public CBlockAnalog {
    DECLARE_SERIAL(CBlockAMATH)

public:
    CBlockAMATH();
    explicit CBlockAMATH(int nType);
};

class CBlockAMUX : public CBlockAnalog {
    DECLARE_SERIAL(CBlockAMUX)

public:
    CBlockAMUX();
    explicit CBlockAMUX(int nType);
};

class CBlockARAMP : public CBlockAnalog {
    DECLARE_SERIAL(CBlockARAMP)

public:
    CBlockARAMP();
    explicit CBlockARAMP(int nType);
};

class CBlockPI : public CBlockAnalog {
    DECLARE_SERIAL(CBlockPI)

public:
    CBlockPI();
    explicit CBlockPI(int nType);
};

class CBlockPWM : public CBlockAnalog {
    DECLARE_SERIAL(CBlockPWM)

public:
    CBlockPWM();
    explicit CBlockPWM(int nType);
};

class CBlockAFILTER : public CBlockAnalog {
    DECLARE_SERIAL(CBlockAFILTER)

public:
    CBlockAFILTER();
    explicit CBlockAFILTER(int nType);
};

class CBlockMAXMIN : public CBlockAnalog {
    DECLARE_SERIAL(CBlockMAXMIN)

public:
    CBlockMAXMIN();
    explicit CBlockMAXMIN(int nType);
};

class CBlockAVGVAL : public CBlockAnalog {
    DECLARE_SERIAL(CBlockAVGVAL)

public:
    CBlockAVGVAL();
    explicit CBlockAVGVAL(int nType);
};
