// The math functions that scale their result by a factor m_dParam (1.0 for a new block):
// logarithm (864, base m_nParam[10]: 0 e, 1 two, 2 ten), square root (865), powers of 2 and of
// e (869, 870), the six trigonometric functions of whole degrees (873-878) and the quadratic
// equation A y^2 + B y + C = x (879: A m_nParam[9], B m_nParamEx[1], C m_nParamEx[6], root
// m_nParam[10]). The result is kept in m_dRunTime; everything they store is in the common
// record.
#pragma once

#include "blocks/BlockObj.h"

class CBlockLOG : public CBlockObj {
    DECLARE_SERIAL(CBlockLOG)

public:
    CBlockLOG();
    explicit CBlockLOG(int nType);
};

class CBlockSQRT : public CBlockObj {
    DECLARE_SERIAL(CBlockSQRT)

public:
    CBlockSQRT();
    explicit CBlockSQRT(int nType);
};

class CBlockPOW2 : public CBlockObj {
    DECLARE_SERIAL(CBlockPOW2)

public:
    CBlockPOW2();
    explicit CBlockPOW2(int nType);
};

class CBlockEXP : public CBlockObj {
    DECLARE_SERIAL(CBlockEXP)

public:
    CBlockEXP();
    explicit CBlockEXP(int nType);
};

class CBlockSIN : public CBlockObj {
    DECLARE_SERIAL(CBlockSIN)

public:
    CBlockSIN();
    explicit CBlockSIN(int nType);
};

class CBlockCOS : public CBlockObj {
    DECLARE_SERIAL(CBlockCOS)

public:
    CBlockCOS();
    explicit CBlockCOS(int nType);
};

class CBlockTAN : public CBlockObj {
    DECLARE_SERIAL(CBlockTAN)

public:
    CBlockTAN();
    explicit CBlockTAN(int nType);
};

class CBlockCOT : public CBlockObj {
    DECLARE_SERIAL(CBlockCOT)

public:
    CBlockCOT();
    explicit CBlockCOT(int nType);
};

class CBlockSEC : public CBlockObj {
    DECLARE_SERIAL(CBlockSEC)

public:
    CBlockSEC();
    explicit CBlockSEC(int nType);
};

class CBlockCSC : public CBlockObj {
    DECLARE_SERIAL(CBlockCSC)

public:
    CBlockCSC();
    explicit CBlockCSC(int nType);
};

class CBlockQUAD : public CBlockObj {
    DECLARE_SERIAL(CBlockQUAD)

public:
    CBlockQUAD();
    explicit CBlockQUAD(int nType);
};
