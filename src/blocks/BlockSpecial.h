// The special blocks (847-856): memory, encoder, stepping motor and pulse train (each with an
// edge variant), 7-segment display, word to bit, user-defined communication and CRC-16. Their
// settings live in the common parameter words, so they store the common record only.
#pragma once

#include "blocks/BlockObj.h"

class CBlockMEM : public CBlockObj {
    DECLARE_SERIAL(CBlockMEM)

public:
    CBlockMEM();
    explicit CBlockMEM(int nType);
};

class CBlockENCODER : public CBlockObj {
    DECLARE_SERIAL(CBlockENCODER)

public:
    CBlockENCODER();
    explicit CBlockENCODER(int nType);
};

class CBlockSMC : public CBlockObj {
    DECLARE_SERIAL(CBlockSMC)

public:
    CBlockSMC();
    explicit CBlockSMC(int nType);
};

class CBlockSMCE : public CBlockObj {
    DECLARE_SERIAL(CBlockSMCE)

public:
    CBlockSMCE();
    explicit CBlockSMCE(int nType);
};

class CBlockPTO : public CBlockObj {
    DECLARE_SERIAL(CBlockPTO)

public:
    CBlockPTO();
    explicit CBlockPTO(int nType);
};

class CBlockPTOE : public CBlockObj {
    DECLARE_SERIAL(CBlockPTOE)

public:
    CBlockPTOE();
    explicit CBlockPTOE(int nType);
};

class CBlockSEG : public CBlockObj {
    DECLARE_SERIAL(CBlockSEG)

public:
    CBlockSEG();
    explicit CBlockSEG(int nType);
};

class CBlockWORD2BIT : public CBlockObj {
    DECLARE_SERIAL(CBlockWORD2BIT)

public:
    CBlockWORD2BIT();
    explicit CBlockWORD2BIT(int nType);
};

class CBlockUDC : public CBlockObj {
    DECLARE_SERIAL(CBlockUDC)

public:
    CBlockUDC();
    explicit CBlockUDC(int nType);
};

class CBlockCRC16 : public CBlockObj {
    DECLARE_SERIAL(CBlockCRC16)

public:
    CBlockCRC16();
    explicit CBlockCRC16(int nType);
};
