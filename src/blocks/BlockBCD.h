// The two code converters: BCD (832) turns a word of 0-9999 into packed binary-coded decimal,
// BIN (833) a packed BCD word back into binary. The converted value is kept in m_dRunTime.
#pragma once

#include "blocks/BlockObj.h"

class CBlockBCD : public CBlockObj {
    DECLARE_SERIAL(CBlockBCD)

public:
    CBlockBCD();
    explicit CBlockBCD(int nType);
};

class CBlockBIN : public CBlockObj {
    DECLARE_SERIAL(CBlockBIN)

public:
    CBlockBIN();
    explicit CBlockBIN(int nType);
};
