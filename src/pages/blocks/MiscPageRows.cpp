#include "pages/blocks/MiscPageRows.h"

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
#include "pages/sheet/LiveValues.h"
#include "pages/sheet/MessageTextPageFactory.h"
#include "pages/sheet/PageIds.h"

namespace {

constexpr BlockWord Param(int nIndex) { return {BlockWordArray::Param, nIndex}; }
constexpr BlockWord ParamEx(int nIndex) { return {BlockWordArray::ParamEx, nIndex}; }

const SheetPage kMaskPage = {
    .pfnCreatePage = CreatePage<CMask>,
    .bindings = {{Param(BLOCK_PROTECTION_PARAM), &PageMember<CMask, &CMask::m_bProtect>, WRITE_ON_BOTH}},
};

const SheetPage kMaxMinPage = {
    .pfnCreatePage = CreatePage<CMaxMin>,
    .bindings =
        {
            {Param(BLOCK_PROTECTION_PARAM), &PageMember<CMaxMin, &CMaxMin::m_bProtect>, WRITE_ON_BOTH},
            {Param(BLOCK_RETENTIVE_PARAM), &PageMember<CMaxMin, &CMaxMin::m_bRetentive>, WRITE_ON_BOTH},
            {ParamEx(MAXMIN_RESET_PARAMEX), &PageMember<CMaxMin, &CMaxMin::m_bResetOnDisable>, WRITE_ON_BOTH},
        },
};

// The random generator has neither the reset check nor "Retentivity": its words stay.
const SheetPage kRandomPage = {
    .pfnCreatePage = CreatePage<CMaxMin>,
    .bindings = {{Param(BLOCK_PROTECTION_PARAM), &PageMember<CMaxMin, &CMaxMin::m_bProtect>, WRITE_ON_BOTH}},
};

const SheetPage kMiscRelayPage = {
    .pfnCreatePage = CreatePage<CMiscRelay>,
    .bindings =
        {
            {Param(BLOCK_RETENTIVE_PARAM), &PageMember<CMiscRelay, &CMiscRelay::m_bRetentive>, WRITE_ON_BOTH},
            {ParamEx(SREG_BIT_PARAMEX), &PageMember<CMiscRelay, &CMiscRelay::m_nBit>, WRITE_ON_BOTH},
            {ParamEx(PR_SET_WINS_PARAMEX), &PageMember<CMiscRelay, &CMiscRelay::m_nPriority>, WRITE_ON_BOTH},
            {ParamEx(SREG_INDEX_PARAMEX), &PageMember<CMiscRelay, &CMiscRelay::m_nIndex>, WRITE_ON_BOTH},
        },
    .textKeys = {{IDC_BLOCK_NAME_LABEL, IDC_BLOCK_NAME_LABEL}, {IDC_RETENTIVITY, IDC_RETENTIVITY},
                 {IDC_PRIORITY_R, IDC_PRIORITY_R},             {IDC_PRIORITY_S, IDC_PRIORITY_S},
                 {IDC_SREG_BIT_LABEL, IDC_SREG_BIT_LABEL},     {IDC_SREG_INDEX_LABEL, IDC_SREG_INDEX_LABEL}},
};

const SheetPage kMemPage = {
    .pfnCreatePage = CreatePage<CMEM>,
    .bindings =
        {
            {Param(BLOCK_RETENTIVE_PARAM), &PageMember<CMEM, &CMEM::m_bRetentive>, WRITE_ON_BOTH},
            {Param(MEM_BLOCK_INDEX_PARAM), &PageMember<CMEM, &CMEM::m_nBlockIndex>, WRITE_ON_BOTH},
            {Param(MEM_VALUE_INDEX_PARAM), &PageMember<CMEM, &CMEM::m_nValueIndex>, WRITE_ON_BOTH},
        },
    .textKeys = {{IDC_MEM_BLOCK_LABEL, TEXT_KEY_MEM_BLOCK_LABEL}},
};

using U = CUDC;
const SheetPage kUdcPage = {
    .pfnCreatePage = CreatePage<CUDC>,
    .bindings =
        {
            {ParamEx(UDC_PORT_PARAMEX), &PageMember<U, &U::m_nPort>, WRITE_ON_BOTH},
            {Param(UDC_CYCLE_PARAM), &PageMember<U, &U::m_nCycle>, WRITE_ON_BOTH},
            {Param(BLOCK_PROTECTION_PARAM), &PageMember<U, &U::m_bProtect>, WRITE_ON_BOTH},
            {Param(UDC_TX_START_FLAG_PARAM), &PageMember<U, &U::m_bTxStart>, WRITE_ON_BOTH},
            {Param(UDC_TX_END_FLAG_PARAM), &PageMember<U, &U::m_bTxEnd>, WRITE_ON_BOTH},
            {ParamEx(UDC_RX_START_FLAG_PARAMEX), &PageMember<U, &U::m_bRxStart>, WRITE_ON_BOTH},
            {Param(UDC_RX_END_FLAG_PARAM), &PageMember<U, &U::m_bRxEnd>, WRITE_ON_BOTH},
            {ParamEx(UDC_RX_AREA_PARAMEX), &PageMember<U, &U::m_nRxArea>, WRITE_ON_BOTH},
            {ParamEx(UDC_TX_AREA_PARAMEX), &PageMember<U, &U::m_nTxArea>, WRITE_ON_BOTH},
            {ParamEx(UDC_TX_WORDS_PARAMEX), &PageMember<U, &U::m_nTxWords>, WRITE_ON_BOTH},
            {ParamEx(UDC_RX_WORDS_PARAMEX), &PageMember<U, &U::m_nRxWords>, WRITE_ON_BOTH},
            {Param(UDC_TX_NUMBER_PARAM), &PageMember<U, &U::m_nTxNumber>, WRITE_ON_BOTH},
            {Param(UDC_RX_NUMBER_PARAM), &PageMember<U, &U::m_nRxNumber>, WRITE_ON_BOTH},
        },
};

// The Modbus page's labels are captioned by the texts under their own ids.
std::vector<ControlTextKey> ModbusTexts()
{
    std::vector<ControlTextKey> keys;
    for (int nID : {IDC_BLOCK_NAME_LABEL, IDC_CYCLE_LABEL, IDC_CYCLE_NOTE, IDC_SLAVE_LABEL, IDC_PORT_LABEL,
                    IDC_COMMAND_LABEL, IDC_REGISTER_LABEL, IDC_COUNT_LABEL, IDC_WRITING_MODE_GROUP, IDC_MODE_AUTO,
                    IDC_MODE_MANUAL, IDC_DATA_ADDRESS_LABEL, IDC_SETTING_BUTTON, IDC_HEX_LABEL})
        keys.push_back({nID, WORD(nID)});
    return keys;
}

const SheetPage kModbusPage = {
    .pfnCreatePage = CreatePage<CModbusPropPage>,
    .bindings = {{Param(MODBUS_CYCLE_PARAM), &PageMember<CModbusPropPage, &CModbusPropPage::m_nCycle>,
                  WRITE_ON_BOTH}},
    .textKeys = ModbusTexts(),
};

const SheetPage kWifiPage = {.pfnCreatePage = CreatePage<CWIFI>};
const SheetPage kMessageTextPage = {.pfnCreateDocumentPage = CreateMessageTextPage, .bFitsLowScreen = true};

const SheetTypeRow kRows[] = {
    {BT_LR, &kMiscRelayPage, 1053},
    {BT_PR, &kMiscRelayPage, 1085},
    {BT_MSGTEXT, &kMessageTextPage, 1060},
    {BT_SREG, &kMiscRelayPage, 1009, 30},
    {BT_MR, &kModbusPage, 1062},
    {BT_MW, &kModbusPage, 1063},
    {BT_MAXMIN, &kMaxMinPage, 1058, 30, AnalogLiveValue},
    {BT_WIFI_IN, &kWifiPage, 1113},
    {BT_WIFI_OUT, &kWifiPage, 1114},
    {BT_WIFI_AI, &kWifiPage, 1115},
    {BT_WIFI_AOUT, &kWifiPage, 1116},
    {BT_TDT, &kMiscRelayPage, 1098, 30, KeptTimeLiveValue},
    {BT_BCD, &kMiscRelayPage, 1036, 30, WordLiveValue<kWordHex4, 0xFFFF>},
    {BT_BIN, &kMiscRelayPage, 1037, 30, WordLiveValue<kWordRight4>},
    {BT_ROL, &kMaxMinPage, 1093, 30, WordLiveValue<kWordLeft6>},
    {BT_ROR, &kMaxMinPage, 1094, 30, WordLiveValue<kWordLeft6>},
    {BT_SHL, &kMaxMinPage, 1008, 30, WordLiveValue<kWordLeft6>},
    {BT_SHR, &kMaxMinPage, 1007, 30, WordLiveValue<kWordLeft6>},
    {BT_ANDM, &kMaskPage, 1031, 30, WordLiveValue<kWordLeft6>},
    {BT_ORM, &kMaskPage, 1078, 30, WordLiveValue<kWordLeft6>},
    {BT_NOTM, &kMaskPage, 1071, 30, WordLiveValue<kWordLeft6>},
    {BT_NANDM, &kMaskPage, 1067, 30, WordLiveValue<kWordLeft6>},
    {BT_NORM, &kMaskPage, 1069, 30, WordLiveValue<kWordLeft6>},
    {BT_XORM, &kMaskPage, 1106, 30, WordLiveValue<kWordLeft6>},
    {BT_RAND, &kRandomPage, 1088, 30, WordLiveValue<kWordLeft6>},
    {BT_MEM, &kMemPage, 1059},
    {BT_SEG, &kMiscRelayPage, 1097, 30, WordLiveValue<kWordHex2, 0xFF>},
    {BT_WORD2BIT, &kMaxMinPage, 1104},
    {BT_UDC, &kUdcPage, 1100},
    {BT_ODD, &kMiscRelayPage, 1072},
    {BT_EVEN, &kMiscRelayPage, 1045},
    {BT_MOD, &kMaxMinPage, 1061, 30, WordLiveValue<kWordLeft6>},
    {BT_REM, &kMaxMinPage, 1091, 30, WordLiveValue<kWordLeft6>},
    {BT_ABS, &kMiscRelayPage, 1017, 30, WordLiveValue<kWordRight6>},
    {BT_GCD, &kMiscRelayPage, 1050, 30, WordLiveValue<kWordRight6>},
    {BT_LCM, &kMiscRelayPage, 1054, 30, WordLiveValue<kWordRight6>},
};

}  // namespace

std::span<const SheetTypeRow> MiscPageRows() { return kRows; }
