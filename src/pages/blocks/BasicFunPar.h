// CBasicFunPar: the main page of the basic logic gates (AND to NOT), whose only parameter is
// the block name.
#pragma once

#include "pages/sheet/BlockPage.h"

class CBasicFunPar : public CBlockPage {
    DECLARE_DYNAMIC(CBasicFunPar)

public:
    explicit CBasicFunPar(int nType);
};
