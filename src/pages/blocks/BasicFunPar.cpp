#include "pages/blocks/BasicFunPar.h"

#include "pages/sheet/PageIds.h"

IMPLEMENT_DYNAMIC(CBasicFunPar, CBlockPage)

CBasicFunPar::CBasicFunPar(int nType) : CBlockPage(IDD_BASIC_FUN_PAR, nType) {}
