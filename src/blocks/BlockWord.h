// The word blocks: rotations ROL (834) and ROR (835), shifts SHL (836) and SHR (837), and the
// masks ANDM (838), ORM (839), NOTM (840), NANDM (841), NORM (842) and XORM (843). Each turns
// its 16-bit input word into a signed 16-bit result kept in m_dRunTime. The shift count or
// mask is a parameter word, or the value of the block m_pRefBlock[0]; the mask blocks also keep
// the mask as the text their property page edits (m_strParamText).
#pragma once

#include "blocks/BlockWordValue.h"

constexpr int WORDOP_OPERAND_PARAM = 9;  // the shift count or mask

// The step shared by the ten word blocks: the operation is chosen by the type code.
class CBlockWordOp : public CBlockWordValue {
    DECLARE_DYNAMIC(CBlockWordOp)

public:
    void WritePinText(PinTextWriter& w) const override;
    BOOL Simulate(const CSimContext* pSim) override;

protected:
    CBlockWordOp() = default;
    CBlockWordOp(int nType, int nInputs) : CBlockWordValue(nType, nInputs) {}

private:
    // The shift count or mask: the parameter word, or the referenced block's value.
    int Operand();
};

// The rotations and shifts (ROL, ROR, SHL, SHR), whose operand is a count of places.
bool IsShiftType(int nType);
// The masks (ANDM, ORM, NOTM, NANDM, NORM, XORM), whose operand is a word of bits (NOTM has
// none).
bool IsMaskType(int nType);

// The operation of word block nType on the input word w with operand n (a shift count or a
// mask), as a signed 16-bit result. A shift count outside 0-15 (only from a damaged record)
// rotates by its remainder modulo 16, shifts out every bit when 16 or more and leaves the word
// unchanged when negative.
int WordOperation(int nType, WORD w, int n);

class CBlockROL : public CBlockWordOp {
    DECLARE_SERIAL(CBlockROL)

public:
    CBlockROL();
    explicit CBlockROL(int nType);

    void DrawSymbol(CDC* pDC) const override;
};

class CBlockROR : public CBlockWordOp {
    DECLARE_SERIAL(CBlockROR)

public:
    CBlockROR();
    explicit CBlockROR(int nType);

    void DrawSymbol(CDC* pDC) const override;
};

class CBlockSHL : public CBlockWordOp {
    DECLARE_SERIAL(CBlockSHL)

public:
    CBlockSHL();
    explicit CBlockSHL(int nType);

    void DrawSymbol(CDC* pDC) const override;
};

class CBlockSHR : public CBlockWordOp {
    DECLARE_SERIAL(CBlockSHR)

public:
    CBlockSHR();
    explicit CBlockSHR(int nType);

    void DrawSymbol(CDC* pDC) const override;
};

class CBlockANDM : public CBlockWordOp {
    DECLARE_SERIAL(CBlockANDM)

public:
    CBlockANDM();
    explicit CBlockANDM(int nType);

    void DrawSymbol(CDC* pDC) const override;
};

class CBlockORM : public CBlockWordOp {
    DECLARE_SERIAL(CBlockORM)

public:
    CBlockORM();
    explicit CBlockORM(int nType);

    void DrawSymbol(CDC* pDC) const override;
};

class CBlockNOTM : public CBlockWordOp {
    DECLARE_SERIAL(CBlockNOTM)

public:
    CBlockNOTM();
    explicit CBlockNOTM(int nType);

    void DrawSymbol(CDC* pDC) const override;
};

class CBlockNANDM : public CBlockWordOp {
    DECLARE_SERIAL(CBlockNANDM)

public:
    CBlockNANDM();
    explicit CBlockNANDM(int nType);

    void DrawSymbol(CDC* pDC) const override;
};

class CBlockNORM : public CBlockWordOp {
    DECLARE_SERIAL(CBlockNORM)

public:
    CBlockNORM();
    explicit CBlockNORM(int nType);

    void DrawSymbol(CDC* pDC) const override;
};

class CBlockXORM : public CBlockWordOp {
    DECLARE_SERIAL(CBlockXORM)

public:
    CBlockXORM();
    explicit CBlockXORM(int nType);

    void DrawSymbol(CDC* pDC) const override;
};
