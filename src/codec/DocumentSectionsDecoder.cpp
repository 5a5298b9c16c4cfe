// The fixed sections of buffer 0 read back into the document's settings, and the data log
// rebuilt from section DL: the mirror of DocumentSections.cpp.
#include "blocks/BlockDataLog.h"
#include "blocks/BlockFactory.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "codec/DecodeContext.h"
#include "codec/IoCodes.h"
#include "codec/RecordReader.h"
#include "document/BlockNameMap.h"
#include "document/DataLogTexts.h"
#include "document/HardwareSeries.h"
#include "document/VetlaDoc.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <vector>

namespace {

constexpr int kComWords = 11;
constexpr int kComUnsentInt = 4;
constexpr int kComPanelModel = 2;
constexpr int kLogoFlagOffset = 1022;
constexpr int kLogoFirstByte = 2;

void DecodeLogo(DecodeContext& ctx)
{
    std::span<const BYTE> lc = ctx.Section("LC");
    CVetlaDoc& doc = ctx.Doc();
    if (lc.size() < std::size_t(kLogoFlagOffset + 2))
        return;
    doc.m_bHasUploadedLogo = RecordReader(lc, kLogoFlagOffset).Word();
    if (!doc.m_bHasUploadedLogo)
        return;
    doc.m_pUploadedLogo = std::make_unique<BYTE[]>(UPLOADED_LOGO_SIZE);
    std::memcpy(doc.m_pUploadedLogo.get(), lc.data() + kLogoFirstByte, UPLOADED_LOGO_SIZE);
}

// A port's model travels as 0 for the text panel, which is the only model with device address 0.
void DecodeComPorts(DecodeContext& ctx)
{
    RecordReader r(ctx.Section("CM"));
    for (ComPortSettings& port : ctx.Doc().m_settings.com) {
        int* pInts = &port.nModel;
        for (int i = 0; i < kComWords + 1; ++i) {
            if (i != kComUnsentInt)
                pInts[i] = r.Word();
        }
        if (port.nAddress == 0)
            port.nModel = kComPanelModel;
    }
}

int AiFilterSetting(int nCode)
{
    constexpr int kCodes[] = {100, 200, 400, 800};
    const auto* it = std::ranges::find(kCodes, nCode);
    return int(it - std::begin(kCodes));
}

void DecodeNewerSettings(DecodeContext& ctx)
{
    CVetlaDoc& doc = ctx.Doc();
    RecordReader c(ctx.Section("C"));
    doc.m_nAiFilter = AiFilterSetting(c.Word());
    doc.m_nTickerCharTime = c.Word();
    // The line time is the Message Text Setting dialog's character time x 10; the RV word the
    // download writes for it holds 16 bits and so not every line time.
    doc.m_nTickerLineTime = doc.m_nTickerCharTime * 10;
    doc.m_nCharSet1 = c.Word();
    doc.m_nCharSet2 = c.Word();
    doc.m_nDefaultCharSet = c.Word();
    AnalogSettings& analog = doc.m_settings.analog;
    analog.bKeepAqValues = RecordReader(ctx.Section("KV")).Word();
    RecordReader qt(ctx.Section("QT"));
    for (BYTE& byRangeType : analog.byAqRangeType)
        byRangeType = BYTE(qt.Byte());
    RecordReader fv(ctx.Section("FV"));
    for (double& dValue : analog.dAqFixedValue)
        dValue = fv.Word() / 100.0;
    RecordReader rv(ctx.Section("RV"));
    doc.m_settings.bLogoInverse = rv.Word();
    doc.m_nScopeTime = rv.Word();
    rv.Skip(2);
    doc.m_settings.lcd.nLanguage = rv.Byte();
    doc.m_settings.lcd.nLogoTime = rv.Byte();
    doc.m_settings.lcd.nContrast = (rv.Byte() - 32) / 3;
    doc.m_settings.lcd.nBacklight = rv.Byte();
    rv.Skip(6);
    analog.nAiRangeType[0] = rv.Byte();
    analog.nAiRangeType[1] = rv.Byte();
}

constexpr int kFunctionBlockItem = 7;
constexpr int kDataLogReservedBytes = 10;

// The analog operands a data log records, named by their operand alone.
struct AnalogLogName {
    int nType;
    LPCTSTR pszPrefix;
    int nPerUnit;  // 0: numbered without units
};
constexpr AnalogLogName kAnalogLogNames[] = {
    {BT_ANALOG_IN, _T("AI"), 8}, {BT_ANALOG_OUT, _T("AQ"), 4}, {BT_ANALOG_FLAG, _T("AM"), 0}};

// An uploaded operand the data-log page lists: an analog one as "AI001", "AQ103" or "AM7",
// followed by the comment the document keeps for the operand where it has one; a range of
// eight as the page names it.
CString LogOperandText(const CVetlaDoc& doc, const IoClass& ioClass, int nNumber)
{
    const CString strListed = DataLogOperandText(nNumber);
    const auto* pAnalog = std::ranges::find(kAnalogLogNames, ioClass.nType, &AnalogLogName::nType);
    if (strListed.IsEmpty() || pAnalog == std::end(kAnalogLogNames))
        return strListed;
    CString strComment;
    doc.LookupOperandComment(nNumber, strComment);
    const int nIndex = nNumber - ioClass.nBase;
    CString strText;
    if (pAnalog->nPerUnit)
        strText.Format(_T("%s%d%02d%s"), pAnalog->pszPrefix, nIndex / pAnalog->nPerUnit, nIndex % pAnalog->nPerUnit,
                       LPCTSTR(strComment));
    else
        strText.Format(_T("%s%d%s"), pAnalog->pszPrefix, nIndex, LPCTSTR(strComment));
    return strText;
}

// One logged item: a function block's value, an I/O operand, or an unused entry. Its texts are
// the data-log page's own, which the page reads back as the same block, value and operand.
DataLogItem ReadLogItem(DecodeContext& ctx, RecordReader& r)
{
    const int nKind = r.Word();
    const int nValue = r.Word();
    DataLogItem item;
    if ((nKind & 0xFF) == kFunctionBlockItem) {
        item.nValue1 = NUM_FUNCTION_BLOCK + (nValue & 0xFFF);
        item.nValue2 = nValue >> 12;
        // The block the image holds decides; the item's own record code names one it lacks.
        const CBlockObj* pBlock = ctx.Find(item.nValue1);
        const int nType = pBlock ? pBlock->m_nType : TypeOfRecordCode(BYTE(nKind >> 8));
        item.strItem = BlockListText(item.nValue1, nType);
        const std::vector<CString> names = LoggableParamNames(nType);
        if (std::size_t(item.nValue2) < names.size())
            item.strParam = names[std::size_t(item.nValue2)];
        return item;
    }
    // An operand: 0xFF, its I/O class, then its index in the class.
    const IoClass* pClass = (nKind & 0xFF00) == 0xFF00 ? FindIoClassByCode(nKind & 0xFF) : nullptr;
    if (pClass && nValue < pClass->nSpan) {
        item.nValue1 = pClass->nBase + nValue;
        item.strItem = LogOperandText(ctx.Doc(), *pClass, item.nValue1);
    }
    return item;
}

void DecodeDataLog(DecodeContext& ctx)
{
    std::span<const BYTE> dl = ctx.Section("DL");
    CBlockObj* pBlock = CreateBlockForType(BT_DATALOG, nullptr, &ctx.Doc());
    if (!pBlock || !pBlock->IsKindOf(RUNTIME_CLASS(CBlockDataLog))) {
        delete pBlock;
        return;
    }
    const int nPins = std::max(pBlock->m_nInputs - 1, 0);
    RecordReader probe(dl, 2 * nPins);
    if (probe.Word() == 0xFFFF) {
        delete pBlock;
        return;
    }
    auto* pLog = static_cast<CBlockDataLog*>(pBlock);
    ctx.Adopt(pLog, NUM_DATALOG);
    RecordReader r(dl);
    for (int nPin = 0; nPin < nPins; ++nPin)
        ctx.ReadPinSource(r, *pLog, nPin);
    pLog->m_nParam[BLOCK_PROTECTION_PARAM] = r.Word();
    const int nCount = r.Word();
    r.Skip(kDataLogReservedBytes);
    if (nCount > DATALOG_MAX_ITEMS || r.Position() + 4 * nCount > r.Size()) {
        ctx.Fail(DecodeError::DataLogDamaged, -1);
        return;
    }
    pLog->m_arrLogItems.SetSize(nCount);
    for (int i = 0; i < nCount; ++i)
        pLog->m_arrLogItems[i] = ReadLogItem(ctx, r);
    pLog->m_nParam[DATALOG_COUNT_PARAM] = nCount;
}

} // namespace

void DecodeDocumentSections(DecodeContext& ctx)
{
    CVetlaDoc& doc = ctx.Doc();
    DecodeLogo(ctx);
    DecodeComPorts(ctx);
    doc.m_settings.bCopyProtect = RecordReader(ctx.Section("PR")).Word();
    RecordReader rd(ctx.Section("RD"));
    doc.m_settings.nRedundancy = rd.Word();
    doc.m_settings.nSyncTime = rd.Long();
    doc.m_settings.nTempHigh = RecordReader(ctx.Section("HT")).SignedWord();
    doc.m_settings.nTempLow = RecordReader(ctx.Section("LT")).SignedWord();
    doc.m_wHardwareCode = WORD(RecordReader(ctx.Section("M1")).Word());
    doc.m_wHardwareCode2 = WORD(RecordReader(ctx.Section("M2")).Word());
    doc.m_wFirmwareWord = WORD(RecordReader(ctx.Section("V1")).Word());
    doc.m_wFirmwareWord2 = WORD(RecordReader(ctx.Section("V2")).Word());
    WORD wSeriesFirmware = 0;
    GetHardwareSeries(doc.m_wHardwareCode, &doc.m_strHardwareName, &wSeriesFirmware);
}

void DecodeNewerDocumentSections(DecodeContext& ctx)
{
    if (!ctx.IsNewGeneration())
        return;
    DecodeNewerSettings(ctx);
    DecodeDataLog(ctx);
}
