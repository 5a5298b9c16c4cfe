#include "pages/sheet/BlockPageRegistry.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockRelay.h"
#include "blocks/BlockTime.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "document/VetlaDoc.h"
#include "pages/blocks/AnalogPageRows.h"
#include "pages/blocks/BasicFunPar.h"
#include "pages/blocks/Boolean.h"
#include "pages/blocks/FunctionPageRows.h"
#include "pages/blocks/IoPageRows.h"
#include "pages/blocks/MiscBlockPages.h"
#include "pages/blocks/TimerPageRows.h"
#include "document/AnalogRanges.h"
#include "pages/sheet/MessageTextPageFactory.h"
#include "pages/sheet/PageIds.h"

#include <algorithm>

namespace {

int ReadCamWord(const CBlockObj& block, int n)
{
    const auto* pTimer = dynamic_cast<const CBlockTime*>(&block);
    const int* pWord = pTimer ? pTimer->CamWord(n) : nullptr;
    return pWord ? *pWord : 0;
}

// A number that names no block of the document (a block deleted meanwhile) leaves no reference.
void WriteReference(CBlockObj& block, int k, int nNumber)
{
    CBlockObj* pRef = nNumber >= 0 && block.GetDocument() ? block.GetDocument()->FindBlockByNumber(nNumber) : nullptr;
    block.m_pRefBlock[k] = pRef;
    block.m_nRefBlock[k] = pRef ? pRef->m_nNumber : -1;
}

}  // namespace

int ReadBlockWord(const CBlockObj& block, BlockWord word)
{
    switch (word.array) {
    case BlockWordArray::Param:
        return block.m_nParam[word.nIndex];
    case BlockWordArray::ParamEx:
        return block.m_nParamEx[word.nIndex];
    case BlockWordArray::Aux:
        return block.m_nAux[word.nIndex];
    case BlockWordArray::Ref:
        return block.m_pRefBlock[word.nIndex] ? block.m_pRefBlock[word.nIndex]->m_nNumber : -1;
    case BlockWordArray::Cam:
        return ReadCamWord(block, word.nIndex);
    }
    return 0;
}

void WriteBlockWord(CBlockObj& block, BlockWord word, int nValue)
{
    switch (word.array) {
    case BlockWordArray::Param:
        block.m_nParam[word.nIndex] = nValue;
        break;
    case BlockWordArray::ParamEx:
        block.m_nParamEx[word.nIndex] = nValue;
        break;
    case BlockWordArray::Aux:
        block.m_nAux[word.nIndex] = nValue;
        break;
    case BlockWordArray::Ref:
        WriteReference(block, word.nIndex, nValue);
        break;
    case BlockWordArray::Cam:
        if (auto* pTimer = dynamic_cast<CBlockTime*>(&block); pTimer && pTimer->CamWord(word.nIndex))
            *pTimer->CamWord(word.nIndex) = nValue;
        break;
    }
}

namespace {

// ---- main pages ----

template <class TPage>
CBlockPage* CreatePage(int nType)
{
    return new TPage(nType);
}

const std::vector<PageBinding> kBooleanBindings = {
    {{BlockWordArray::Param, BLOCK_PROTECTION_PARAM}, &PageMember<CBoolean, &CBoolean::m_bProtection>,
     WRITE_ON_BOTH},
    {{BlockWordArray::ParamEx, BOOLEAN_TABLE_PARAMEX}, &PageMember<CBoolean, &CBoolean::m_wTruthTable>,
     WRITE_ON_BOTH},
};

const std::vector<ControlTextKey> kBasicLogicTexts = {{IDC_BLOCK_NAME_LABEL, IDC_BLOCK_NAME_LABEL}};

// ---- live values ----

// The value of word, counter and math blocks is their running value.
int TruncatedValue(const CBlockObj& block) { return int(block.m_dRunTime); }

// The time or state text of timers and clocks; nothing while it is empty.
BOOL TimeText(CBlockObj& block, const CSimContext& sim, CString& strText)
{
    block.FormatTime(&sim, strText);
    return !strText.IsEmpty();
}

// The on- and off-delay timers keep their text from the drawing; an empty one clears the box.
BOOL KeptTimeText(CBlockObj& block, const CSimContext&, CString& strText)
{
    strText = block.m_strTimeText;
    return TRUE;
}

BOOL AnalogValue(CBlockObj& block, const CSimContext&, CString& strText)
{
    const auto* pAnalog = dynamic_cast<const CBlockAnalog*>(&block);
    if (!pAnalog)
        return FALSE;
    strText.Format(_T("%6d"), pAnalog->m_nValue);
    return TRUE;
}

template <const TCHAR* Format, int Mask>
BOOL WordValue(CBlockObj& block, const CSimContext&, CString& strText)
{
    strText.Format(Format, Mask ? TruncatedValue(block) & Mask : TruncatedValue(block));
    return TRUE;
}

constexpr TCHAR kRight6[] = _T("%6d");
constexpr TCHAR kRight4[] = _T("%4d");
constexpr TCHAR kLeft6[] = _T("%-6d");
constexpr TCHAR kPlain[] = _T("%d");
constexpr TCHAR kHex4[] = _T("0x%04X");
constexpr TCHAR kHex2[] = _T("0x%02X");

// ---- the rows ----

// Every type code with a sheet: its help topic, its growth in simulation (0 for the types
// whose pages show no live value) and the formatter of the live value its page shows, if any.
struct SheetType {
    int nType;
    UINT nHelpTopic;
    int nGrowth;
    LiveValueFormatter pfnLiveValue = nullptr;
};

const SheetType kSheetTypes[] = {
    {BT_AND, 1030, 0},
    {BT_AND_EDGE, 1029, 0},
    {BT_NAND, 1066, 0},
    {BT_NAND_EDGE, 1065, 0},
    {BT_OR, 1077, 0},
    {BT_NOR, 1068, 0},
    {BT_XOR, 1105, 0},
    {BT_NOT, 1070, 0},
    {BT_DPR, 1075, 30, KeptTimeText},
    {BT_DDR, 1073, 30, KeptTimeText},
    {BT_MPLR, 1074, 30, TimeText},
    {BT_PLR, 1092, 30, KeptTimeText},
    {BT_CPG, 1103, 30, KeptTimeText},
    {BT_RPR, 1043, 30, TimeText},
    {BT_APG, 1034, 30, TimeText},
    {BT_RG, 1089, 30, TimeText},
    {BT_SLS, 1002, 50, TimeText},
    {BT_MFS, 1064, 50, TimeText},
    {BT_WT, 1110, 30, TimeText},
    {BT_YT, 1107, 30, TimeText},
    {BT_AC, 1033, 30, TimeText},
    {BT_SW, 1001, 30, TimeText},
    {BT_IN, 1052, 0},
    {BT_SHIFT, 1010, 0},
    {BT_LOW, 1080, 0},
    {BT_HIGH, 1080, 0},
    {BT_OUT, 1079, 0},
    {BT_OPENX, 1076, 0},
    {BT_FLAG, 1048, 0},
    {BT_ANALOG_IN, 1023, 0},
    {BT_ANALOG_OUT, 1025, 0},
    {BT_ANALOG_FLAG, 1048, 0},
    {BT_FKEY, 1049, 0},
    {BT_COUNTER, 1101, 30, WordValue<kRight6, 0>},
    {BT_HCOUNTER, 1051, 30},
    {BT_THTRG, 1099, 30},
    {BT_ACOMP, 1020, 30, AnalogValue},
    {BT_ATHTRG, 1027, 30, AnalogValue},
    {BT_AAMP, 1019, 30, AnalogValue},
    {BT_AWDOG, 1028, 30},
    {BT_ADTRG, 1021, 30},
    {BT_LR, 1053, 0},
    {BT_PR, 1085, 0},
    {BT_MSGTEXT, 1060, 0},
    {BT_SREG, 1009, 30},
    {BT_MR, 1062, 0},
    {BT_MW, 1063, 0},
    {BT_AMATH, 1057, 30, AnalogValue},
    {BT_AMUX, 1024, 30, AnalogValue},
    {BT_ARAMP, 1026, 30, AnalogValue},
    {BT_PI, 1081, 30, AnalogValue},
    {BT_PWM, 1086, 30, AnalogValue},
    {BT_AFILTER, 1022, 30, AnalogValue},
    {BT_MAXMIN, 1058, 30, AnalogValue},
    {BT_AVGVAL, 1035, 30, AnalogValue},
    {BT_MATHERR, 1056, 30, TimeText},
    {BT_WIFI_IN, 1113, 0},
    {BT_WIFI_OUT, 1114, 0},
    {BT_WIFI_AI, 1115, 0},
    {BT_WIFI_AOUT, 1116, 0},
    {BT_BOOLEAN, 1108, 0},
    {BT_TDT, 1098, 30, KeptTimeText},
    {BT_BCD, 1036, 30, WordValue<kHex4, 0xFFFF>},
    {BT_BIN, 1037, 30, WordValue<kRight4, 0>},
    {BT_ROL, 1093, 30, WordValue<kLeft6, 0>},
    {BT_ROR, 1094, 30, WordValue<kLeft6, 0>},
    {BT_SHL, 1008, 30, WordValue<kLeft6, 0>},
    {BT_SHR, 1007, 30, WordValue<kLeft6, 0>},
    {BT_ANDM, 1031, 30, WordValue<kLeft6, 0>},
    {BT_ORM, 1078, 30, WordValue<kLeft6, 0>},
    {BT_NOTM, 1071, 30, WordValue<kLeft6, 0>},
    {BT_NANDM, 1067, 30, WordValue<kLeft6, 0>},
    {BT_NORM, 1069, 30, WordValue<kLeft6, 0>},
    {BT_XORM, 1106, 30, WordValue<kLeft6, 0>},
    {BT_ARRMXIV, 1032, 30, WordValue<kPlain, 0>},
    {BT_ACMXIV, 1018, 30, WordValue<kPlain, 0>},
    {BT_RAND, 1088, 30, WordValue<kLeft6, 0>},
    {BT_MEM, 1059, 0},
    {BT_ENCODER, 1044, 30, WordValue<kRight6, 0>},
    {BT_SMC, 1003, 0},
    {BT_SMCE, 1004, 0},
    {BT_PTO, 1083, 0},
    {BT_PTOE, 1084, 0},
    {BT_SEG, 1097, 30, WordValue<kHex2, 0xFF>},
    {BT_WORD2BIT, 1104, 0},
    {BT_UDC, 1100, 0},
    {BT_CRC16, 1040, 30, WordValue<kHex4, 0xFFFF>},
    {BT_ODD, 1072, 0},
    {BT_EVEN, 1045, 0},
    {BT_MOD, 1061, 30, WordValue<kLeft6, 0>},
    {BT_REM, 1091, 30, WordValue<kLeft6, 0>},
    {BT_LOG, 1055, 30, WordValue<kPlain, 0>},
    {BT_SQRT, 1005, 30, WordValue<kPlain, 0>},
    {BT_ABS, 1017, 30, WordValue<kRight6, 0>},
    {BT_GCD, 1050, 30, WordValue<kRight6, 0>},
    {BT_LCM, 1054, 30, WordValue<kRight6, 0>},
    {BT_POW2, 1082, 30, WordValue<kPlain, 0>},
    {BT_EXP, 1046, 30, WordValue<kPlain, 0>},
    {BT_FIX, 1047, 30, WordValue<kPlain, 0>},
    {BT_ROUND, 1095, 30, WordValue<kPlain, 0>},
    {BT_SIN, 1006, 30, WordValue<kPlain, 0>},
    {BT_COS, 1038, 30, WordValue<kPlain, 0>},
    {BT_TAN, 1000, 30, WordValue<kPlain, 0>},
    {BT_COT, 1039, 30, WordValue<kPlain, 0>},
    {BT_SEC, 1096, 30, WordValue<kPlain, 0>},
    {BT_CSC, 1041, 30, WordValue<kPlain, 0>},
    {BT_QUAD, 1087, 30, WordValue<kPlain, 0>},
    {BT_DATALOG, 1042, 0},
};

// Controls that stand with one meaning on every page that has them: the block name's label,
// Retentivity and Protection Active (under two ids each), the two Reference buttons and the
// "(Hex)" note. A main page's controls with these ids take these Chinese texts unless the row
// keys them otherwise.
void AddSharedTexts(BlockPageRow& row)
{
    if (!row.pfnCreatePage && !row.pfnCreateDocumentPage)
        return;
    static constexpr ControlTextKey kShared[] = {
        {IDC_BLOCK_NAME_LABEL, IDC_BLOCK_NAME_LABEL}, {IDC_RETENTIVE_BOX, IDC_RETENTIVE_BOX},
        {IDC_PROTECTION, IDC_PROTECTION},             {IDC_REFERENCE_BUTTON1, IDC_REFERENCE_BUTTON1},
        {IDC_REFERENCE_BUTTON2, IDC_REFERENCE_BUTTON2}, {IDC_PAGE_PROTECTION_BOX, IDC_PROTECTION},
        {IDC_PAGE_RETENTIVE_BOX, IDC_RETENTIVE_BOX},  {IDC_HEX_NOTE, IDC_HEX_NOTE}};
    for (const ControlTextKey& shared : kShared) {
        const bool bKeyed = std::any_of(row.textKeys.begin(), row.textKeys.end(), [&shared](const ControlTextKey& key) {
            return key.nControlID == shared.nControlID;
        });
        if (!bKeyed)
            row.textKeys.push_back(shared);
    }
}

std::vector<BlockPageRow> BuildRows()
{
    std::vector<BlockPageRow> rows;
    for (const SheetType& type : kSheetTypes) {
        BlockPageRow row;
        row.nType = type.nType;
        row.nHelpTopic = type.nHelpTopic;
        row.nGrowth = type.nGrowth;
        // A block that measures an analog input fits that input's range to its own again.
        if (MeasuresAnalogRange(type.nType))
            row.pfnAfterWrite = RefreshAnalogSources;
        row.pfnLiveValue = type.pfnLiveValue;
        if (BlockFamilyOf(type.nType) == BlockFamily::Logic) {
            row.pfnCreatePage = CreatePage<CBasicFunPar>;
            row.textKeys = kBasicLogicTexts;
        } else if (type.nType == BT_BOOLEAN) {
            row.pfnCreatePage = CreatePage<CBoolean>;
            row.bindings = kBooleanBindings;
        } else if (type.nType == BT_MSGTEXT) {
            row.pfnCreateDocumentPage = CreateMessageTextPage;
        } else {
            BindMiscBlockPage(row);
        }
        AddIoPageRow(row);
        BindFunctionPage(row);
        BindAnalogPage(row);
        AddTimerPages(row);
        AddSharedTexts(row);
        rows.push_back(std::move(row));
    }
    return rows;
}

const std::vector<BlockPageRow>& Rows()
{
    static const std::vector<BlockPageRow> rows = BuildRows();
    return rows;
}

}  // namespace

const BlockPageRow* FindBlockPageRow(int nType)
{
    const std::vector<BlockPageRow>& rows = Rows();
    const auto it = std::lower_bound(rows.begin(), rows.end(), nType,
                                     [](const BlockPageRow& row, int n) { return row.nType < n; });
    return it != rows.end() && it->nType == nType ? &*it : nullptr;
}

std::span<const BlockPageRow> GetBlockPageRows() { return Rows(); }
