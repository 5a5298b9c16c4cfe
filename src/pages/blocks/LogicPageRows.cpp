#include "pages/blocks/LogicPageRows.h"

#include "blocks/BlockObj.h"
#include "blocks/BlockRelay.h"
#include "blocks/BlockTypes.h"
#include "pages/blocks/BasicFunPar.h"
#include "pages/blocks/Boolean.h"
#include "pages/sheet/BlockPageRegistry.h"
#include "pages/sheet/PageIds.h"

namespace {

const SheetPage kGatePage = {
    .pfnCreatePage = CreatePage<CBasicFunPar>,
    .textKeys = {{IDC_BLOCK_NAME_LABEL, IDC_BLOCK_NAME_LABEL}},
};

const SheetPage kBooleanPage = {
    .pfnCreatePage = CreatePage<CBoolean>,
    .bindings =
        {
            {{BlockWordArray::Param, BLOCK_PROTECTION_PARAM}, &PageMember<CBoolean, &CBoolean::m_bProtection>,
             WRITE_ON_BOTH},
            {{BlockWordArray::ParamEx, BOOLEAN_TABLE_PARAMEX}, &PageMember<CBoolean, &CBoolean::m_wTruthTable>,
             WRITE_ON_BOTH},
        },
};

const SheetTypeRow kRows[] = {
    {BT_AND, &kGatePage, 1030},  {BT_AND_EDGE, &kGatePage, 1029}, {BT_NAND, &kGatePage, 1066},
    {BT_NAND_EDGE, &kGatePage, 1065}, {BT_OR, &kGatePage, 1077}, {BT_NOR, &kGatePage, 1068},
    {BT_XOR, &kGatePage, 1105},  {BT_NOT, &kGatePage, 1070},     {BT_BOOLEAN, &kBooleanPage, 1108},
};

}  // namespace

std::span<const SheetTypeRow> LogicPageRows() { return kRows; }
