// The word blocks: rotations ROL (834) and ROR (835), shifts SHL (836) and SHR (837), and the
// masks ANDM (838), ORM (839), NOTM (840), NANDM (841), NORM (842) and XORM (843). Each turns
// its 16-bit input word into a signed 16-bit result kept in m_dRunTime. The shift count or
// mask is m_nParam[9], or the value of the block m_pRefBlock[0]; the mask blocks also keep the
// mask as the text their property page edits (m_strParamText).
#pragma once

#include "blocks/BlockObj.h"

class CBlockROL : public CBlockObj {
    DECLARE_SERIAL(CBlockROL)

public:
    CBlockROL();
    explicit CBlockROL(int nType);
};

class CBlockROR : public CBlockObj {
    DECLARE_SERIAL(CBlockROR)

public:
    CBlockROR();
    explicit CBlockROR(int nType);
};

class CBlockSHL : public CBlockObj {
    DECLARE_SERIAL(CBlockSHL)

public:
    CBlockSHL();
    explicit CBlockSHL(int nType);
};

class CBlockSHR : public CBlockObj {
    DECLARE_SERIAL(CBlockSHR)

public:
    CBlockSHR();
    explicit CBlockSHR(int nType);
};

class CBlockANDM : public CBlockObj {
    DECLARE_SERIAL(CBlockANDM)

public:
    CBlockANDM();
    explicit CBlockANDM(int nType);
};

class CBlockORM : public CBlockObj {
    DECLARE_SERIAL(CBlockORM)

public:
    CBlockORM();
    explicit CBlockORM(int nType);
};

class CBlockNOTM : public CBlockObj {
    DECLARE_SERIAL(CBlockNOTM)

public:
    CBlockNOTM();
    explicit CBlockNOTM(int nType);
};

class CBlockNANDM : public CBlockObj {
    DECLARE_SERIAL(CBlockNANDM)

public:
    CBlockNANDM();
    explicit CBlockNANDM(int nType);
};

class CBlockNORM : public CBlockObj {
    DECLARE_SERIAL(CBlockNORM)

public:
    CBlockNORM();
    explicit CBlockNORM(int nType);
};

class CBlockXORM : public CBlockObj {
    DECLARE_SERIAL(CBlockXORM)

public:
    CBlockXORM();
    explicit CBlockXORM(int nType);
};
