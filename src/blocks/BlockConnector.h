// The two ends of a cut wire: CBlockMale takes the signal in, CBlockFemale gives it out again
// elsewhere on the diagram. A pair is linked by number: the female is its male's number + 2000.
#pragma once

#include "blocks/BlockObj.h"

class CBlockMale : public CBlockObj {
    DECLARE_SERIAL(CBlockMale)

public:
    CBlockMale();
    explicit CBlockMale(int nType);
};

class CBlockFemale : public CBlockObj {
    DECLARE_SERIAL(CBlockFemale)

public:
    CBlockFemale();
    explicit CBlockFemale(int nType);
};
