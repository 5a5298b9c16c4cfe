// The math functions that scale their result by a factor m_dParam (1.0 for a new block):
// logarithm (864), square root (865), powers of 2 and of e (869, 870), the six trigonometric
// functions of whole degrees (873-878) and the quadratic equation A y^2 + B y + C = x (879).
// The result is kept in m_dRunTime; everything they store is in the common record.
#pragma once

#include "blocks/BlockWordValue.h"

constexpr int LOG_BASE_PARAM = 10;  // 0 e, 1 two, 2 ten
constexpr int QUAD_A_PARAM = 9;
constexpr int QUAD_B_PARAMEX = 1;
constexpr int QUAD_C_PARAMEX = 6;
constexpr int QUAD_ROOT_PARAM = 10;  // which root: 0 or 1

// The step shared by the factor blocks: the function is chosen by the type code.
class CBlockFactorFn : public CBlockWordValue {
    DECLARE_DYNAMIC(CBlockFactorFn)

public:
    WordValueStyle ValueStyle() const override;
    void WritePinText(PinTextWriter& w) const override;
    BOOL Simulate(const CSimContext* pSim) override;

protected:
    CBlockFactorFn() = default;
    CBlockFactorFn(int nType, int nInputs) : CBlockWordValue(nType, nInputs) {}
};

// The value of factor block nType for the signed input word x, the factor k and (LOG only) the
// base word. Undefined cases give the block's fixed value: a logarithm of x <= 0 gives 0, a
// square root of x < 0 gives -1, a pole of TAN, COT, SEC or CSC gives 32767.
double FactorFunction(int nType, int x, double k, int nBase);

class CBlockLOG : public CBlockFactorFn {
    DECLARE_SERIAL(CBlockLOG)

public:
    CBlockLOG();
    explicit CBlockLOG(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;
};

class CBlockSQRT : public CBlockFactorFn {
    DECLARE_SERIAL(CBlockSQRT)

public:
    CBlockSQRT();
    explicit CBlockSQRT(int nType);

    void DrawSymbol(CDC* pDC) const override;
};

class CBlockPOW2 : public CBlockFactorFn {
    DECLARE_SERIAL(CBlockPOW2)

public:
    CBlockPOW2();
    explicit CBlockPOW2(int nType);

    void DrawSymbol(CDC* pDC) const override;
};

class CBlockEXP : public CBlockFactorFn {
    DECLARE_SERIAL(CBlockEXP)

public:
    CBlockEXP();
    explicit CBlockEXP(int nType);

    void DrawSymbol(CDC* pDC) const override;
};

class CBlockSIN : public CBlockFactorFn {
    DECLARE_SERIAL(CBlockSIN)

public:
    CBlockSIN();
    explicit CBlockSIN(int nType);

    void DrawSymbol(CDC* pDC) const override;
};

class CBlockCOS : public CBlockFactorFn {
    DECLARE_SERIAL(CBlockCOS)

public:
    CBlockCOS();
    explicit CBlockCOS(int nType);

    void DrawSymbol(CDC* pDC) const override;
};

class CBlockTAN : public CBlockFactorFn {
    DECLARE_SERIAL(CBlockTAN)

public:
    CBlockTAN();
    explicit CBlockTAN(int nType);

    void DrawSymbol(CDC* pDC) const override;
};

class CBlockCOT : public CBlockFactorFn {
    DECLARE_SERIAL(CBlockCOT)

public:
    CBlockCOT();
    explicit CBlockCOT(int nType);

    void DrawSymbol(CDC* pDC) const override;
};

class CBlockSEC : public CBlockFactorFn {
    DECLARE_SERIAL(CBlockSEC)

public:
    CBlockSEC();
    explicit CBlockSEC(int nType);

    void DrawSymbol(CDC* pDC) const override;
};

class CBlockCSC : public CBlockFactorFn {
    DECLARE_SERIAL(CBlockCSC)

public:
    CBlockCSC();
    explicit CBlockCSC(int nType);

    void DrawSymbol(CDC* pDC) const override;
};

// Pin 0 at 1 suppresses the result (0).
class CBlockQUAD : public CBlockWordValue {
    DECLARE_SERIAL(CBlockQUAD)

public:
    CBlockQUAD();
    explicit CBlockQUAD(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;
    WordValueStyle ValueStyle() const override;

    BOOL Simulate(const CSimContext* pSim) override;
    // The root y for the input word at pin 1; 0 when there is no real root, when the root
    // word is neither 0 nor 1, and when A is 0 (only from a damaged record or an upload: the
    // property page refuses it), so that no division by zero happens.
    double SolveRoot() const;
};
