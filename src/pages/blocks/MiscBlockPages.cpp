#include "pages/blocks/MiscBlockPages.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockTypes.h"
#include "blocks/BlockExtended.h"
#include "blocks/BlockMR.h"
#include "blocks/BlockRelay.h"
#include "pages/blocks/Mask.h"
#include "pages/blocks/MaxMin.h"
#include "pages/blocks/Mem.h"
#include "pages/blocks/MiscBlockIds.h"
#include "pages/blocks/MiscRelay.h"
#include "pages/blocks/ModbusPropPage.h"
#include "pages/blocks/Udc.h"
#include "pages/blocks/Wifi.h"
#include "pages/sheet/BlockPageRegistry.h"
#include "pages/sheet/PageIds.h"

#include <initializer_list>

namespace {

template <class TPage>
CBlockPage* CreatePage(int nType)
{
    return new TPage(nType);
}

constexpr BlockWord Param(int nIndex) { return {BlockWordArray::Param, nIndex}; }
constexpr BlockWord ParamEx(int nIndex) { return {BlockWordArray::ParamEx, nIndex}; }

bool IsOneOf(int nType, std::initializer_list<int> types)
{
    for (int n : types) {
        if (n == nType)
            return true;
    }
    return false;
}

void BindMask(BlockPageRow& row)
{
    row.pfnCreatePage = CreatePage<CMask>;
    row.bindings = {{Param(BLOCK_PROTECTION_PARAM), &PageMember<CMask, &CMask::m_bProtect>, WRITE_ON_BOTH}};
}

// The random generator has neither the reset check nor "Retentivity": its words stay.
void BindMaxMin(BlockPageRow& row)
{
    row.pfnCreatePage = CreatePage<CMaxMin>;
    row.bindings = {{Param(BLOCK_PROTECTION_PARAM), &PageMember<CMaxMin, &CMaxMin::m_bProtect>, WRITE_ON_BOTH}};
    if (row.nType == BT_RAND)
        return;
    row.bindings.push_back({Param(BLOCK_RETENTIVE_PARAM), &PageMember<CMaxMin, &CMaxMin::m_bRetentive>, WRITE_ON_BOTH});
    row.bindings.push_back(
        {ParamEx(MAXMIN_RESET_PARAMEX), &PageMember<CMaxMin, &CMaxMin::m_bResetOnDisable>, WRITE_ON_BOTH});
}

void BindMiscRelay(BlockPageRow& row)
{
    row.pfnCreatePage = CreatePage<CMiscRelay>;
    row.bindings = {
        {Param(BLOCK_RETENTIVE_PARAM), &PageMember<CMiscRelay, &CMiscRelay::m_bRetentive>, WRITE_ON_BOTH},
        {ParamEx(SREG_BIT_PARAMEX), &PageMember<CMiscRelay, &CMiscRelay::m_nBit>, WRITE_ON_BOTH},
        {ParamEx(PR_SET_WINS_PARAMEX), &PageMember<CMiscRelay, &CMiscRelay::m_nPriority>, WRITE_ON_BOTH},
        {ParamEx(SREG_INDEX_PARAMEX), &PageMember<CMiscRelay, &CMiscRelay::m_nIndex>, WRITE_ON_BOTH},
    };
    row.textKeys = {{IDC_BLOCK_NAME_LABEL, IDC_BLOCK_NAME_LABEL}, {IDC_RETENTIVITY, IDC_RETENTIVITY},
                    {IDC_PRIORITY_R, IDC_PRIORITY_R},             {IDC_PRIORITY_S, IDC_PRIORITY_S},
                    {IDC_SREG_BIT_LABEL, IDC_SREG_BIT_LABEL},     {IDC_SREG_INDEX_LABEL, IDC_SREG_INDEX_LABEL}};
}

void BindMem(BlockPageRow& row)
{
    row.pfnCreatePage = CreatePage<CMEM>;
    row.bindings = {
        {Param(BLOCK_RETENTIVE_PARAM), &PageMember<CMEM, &CMEM::m_bRetentive>, WRITE_ON_BOTH},
        {Param(MEM_BLOCK_INDEX_PARAM), &PageMember<CMEM, &CMEM::m_nBlockIndex>, WRITE_ON_BOTH},
        {Param(MEM_VALUE_INDEX_PARAM), &PageMember<CMEM, &CMEM::m_nValueIndex>, WRITE_ON_BOTH},
    };
    row.textKeys = {{IDC_MEM_BLOCK_LABEL, TEXT_KEY_MEM_BLOCK_LABEL}};
}

void BindUdc(BlockPageRow& row)
{
    using P = CUDC;
    row.pfnCreatePage = CreatePage<CUDC>;
    row.bindings = {
        {ParamEx(UDC_PORT_PARAMEX), &PageMember<P, &P::m_nPort>, WRITE_ON_BOTH},
        {Param(UDC_CYCLE_PARAM), &PageMember<P, &P::m_nCycle>, WRITE_ON_BOTH},
        {Param(BLOCK_PROTECTION_PARAM), &PageMember<P, &P::m_bProtect>, WRITE_ON_BOTH},
        {Param(UDC_TX_START_FLAG_PARAM), &PageMember<P, &P::m_bTxStart>, WRITE_ON_BOTH},
        {Param(UDC_TX_END_FLAG_PARAM), &PageMember<P, &P::m_bTxEnd>, WRITE_ON_BOTH},
        {ParamEx(UDC_RX_START_FLAG_PARAMEX), &PageMember<P, &P::m_bRxStart>, WRITE_ON_BOTH},
        {Param(UDC_RX_END_FLAG_PARAM), &PageMember<P, &P::m_bRxEnd>, WRITE_ON_BOTH},
        {ParamEx(UDC_RX_AREA_PARAMEX), &PageMember<P, &P::m_nRxArea>, WRITE_ON_BOTH},
        {ParamEx(UDC_TX_AREA_PARAMEX), &PageMember<P, &P::m_nTxArea>, WRITE_ON_BOTH},
        {ParamEx(UDC_TX_WORDS_PARAMEX), &PageMember<P, &P::m_nTxWords>, WRITE_ON_BOTH},
        {ParamEx(UDC_RX_WORDS_PARAMEX), &PageMember<P, &P::m_nRxWords>, WRITE_ON_BOTH},
        {Param(UDC_TX_NUMBER_PARAM), &PageMember<P, &P::m_nTxNumber>, WRITE_ON_BOTH},
        {Param(UDC_RX_NUMBER_PARAM), &PageMember<P, &P::m_nRxNumber>, WRITE_ON_BOTH},
    };
}

void BindModbus(BlockPageRow& row)
{
    row.pfnCreatePage = CreatePage<CModbusPropPage>;
    row.bindings = {
        {Param(MODBUS_CYCLE_PARAM), &PageMember<CModbusPropPage, &CModbusPropPage::m_nCycle>, WRITE_ON_BOTH}};
    // The page's labels are captioned by the texts under their own ids.
    for (int nID : {IDC_BLOCK_NAME_LABEL, IDC_CYCLE_LABEL, IDC_CYCLE_NOTE, IDC_SLAVE_LABEL, IDC_PORT_LABEL,
                    IDC_COMMAND_LABEL, IDC_REGISTER_LABEL, IDC_COUNT_LABEL, IDC_WRITING_MODE_GROUP, IDC_MODE_AUTO,
                    IDC_MODE_MANUAL, IDC_DATA_ADDRESS_LABEL, IDC_SETTING_BUTTON, IDC_HEX_LABEL})
        row.textKeys.push_back({nID, WORD(nID)});
}

}  // namespace

void BindMiscBlockPage(BlockPageRow& row)
{
    const int nType = row.nType;
    if (IsOneOf(nType, {BT_ANDM, BT_ORM, BT_NOTM, BT_NANDM, BT_NORM, BT_XORM}))
        BindMask(row);
    else if (FindMaxMinKind(nType))
        BindMaxMin(row);
    else if (IsOneOf(nType, {BT_LR, BT_PR, BT_SREG, BT_TDT, BT_BCD, BT_BIN, BT_SEG, BT_ODD, BT_EVEN, BT_ABS, BT_GCD,
                             BT_LCM}))
        BindMiscRelay(row);
    else if (nType == BT_MEM)
        BindMem(row);
    else if (nType == BT_UDC)
        BindUdc(row);
    else if (nType == BT_MR || nType == BT_MW)
        BindModbus(row);
    else if (IsOneOf(nType, {BT_WIFI_IN, BT_WIFI_OUT, BT_WIFI_AI, BT_WIFI_AOUT}))
        row.pfnCreatePage = CreatePage<CWIFI>;
}
