// The fixed sections of buffer 0 that come from the document rather than from its blocks.
#include "blocks/BlockDataLog.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "blocks/SendableValues.h"
#include "codec/EncodeContext.h"
#include "codec/ImageLayout.h"
#include "codec/IoCodes.h"
#include "codec/RecordWriter.h"
#include "document/GenerationRules.h"
#include "document/VetlaDoc.h"

#include <cstdio>

namespace {

constexpr int kPasswordChars = 8;
constexpr int kComWords = 11;
// The document's integer of a port that is not sent.
constexpr int kComUnsentInt = 4;
// A port whose model is the text panel is sent as model 0.
constexpr int kComPanelModel = 2;
constexpr int kStampChars = 16;

// One byte per character (its low byte), at most the section's length; a NUL character would
// end the text on the controller, so it is sent as 0xFF like the unused tail.
void WriteLowBytes(std::span<BYTE> section, const CString& str, int nMaxChars)
{
    RecordWriter w(section);
    const int nChars = std::min({str.GetLength(), nMaxChars, int(section.size())});
    for (int i = 0; i < nChars; ++i)
        w.Byte(str[i] == 0 ? 0xFF : str[i] & 0xFF);
}

void WriteComPorts(EncodeContext& ctx)
{
    RecordWriter w(ctx.Section("CM"));
    for (const ComPortSettings& port : ctx.Doc().m_settings.com) {
        const int* pInts = &port.nModel;
        for (int i = 0; i < kComWords + 1; ++i) {
            if (i == kComUnsentInt)
                continue;
            w.Word(i == 0 && pInts[0] == kComPanelModel ? 0 : pInts[i]);
        }
    }
}

// "DLyyyymmddhhmmss", each pair of characters one word with the first character high.
void WriteStamp(EncodeContext& ctx, const SYSTEMTIME& st)
{
    char sz[kStampChars + 8];
    std::snprintf(sz, sizeof sz, "DL%04d%02d%02d%02d%02d%02d", st.wYear % 10000, st.wMonth % 100, st.wDay % 100,
                  st.wHour % 100, st.wMinute % 100, st.wSecond % 100);
    RecordWriter w(ctx.Section("ID"));
    for (int i = 0; i < kStampChars; i += 2)
        w.Word(BYTE(sz[i]) << 8 | BYTE(sz[i + 1]));
}

int AiFilterCode(int nSetting)
{
    constexpr int kCodes[] = {100, 200, 400, 800};
    return nSetting >= 0 && nSetting < 4 ? kCodes[nSetting] : 1000;
}

void WriteNewerSettings(EncodeContext& ctx)
{
    const CVetlaDoc& doc = ctx.Doc();
    RecordWriter c(ctx.Section("C"));
    c.Word(AiFilterCode(doc.m_nAiFilter));
    c.Word(doc.m_nTickerCharTime);
    c.Word(doc.m_nCharSet1);
    c.Word(doc.m_nCharSet2);
    c.Word(doc.m_nDefaultCharSet);
    const AnalogSettings& analog = doc.m_settings.analog;
    RecordWriter(ctx.Section("KV")).Word(analog.bKeepAqValues ? 1 : 0);
    RecordWriter qt(ctx.Section("QT"));
    for (BYTE byRangeType : analog.byAqRangeType)
        qt.Byte(byRangeType);
    RecordWriter fv(ctx.Section("FV"));
    for (double dValue : analog.dAqFixedValue) {
        if (!IsSendableAqFixedValue(dValue)) {
            ctx.Fail(IDS_ENCODE_INTERNAL_ERROR);
            return;
        }
        fv.Word(int(SentHundredths(dValue)));
    }
    // Words 0-2 carry display integers the controller keeps for the tool and never reads back:
    // the logo's inversion, the scope time and the ticker's line time.
    RecordWriter rv(ctx.Section("RV"));
    rv.Word(doc.m_settings.bLogoInverse);
    rv.Word(doc.m_nScopeTime);
    rv.Word(doc.m_nTickerLineTime);
    rv.Byte(doc.m_settings.lcd.nLanguage);
    rv.Byte(doc.m_settings.lcd.nLogoTime);
    rv.Byte(doc.m_settings.lcd.nContrast * 3 + 32);
    rv.Byte(doc.m_settings.lcd.nBacklight);
    rv.Skip(6);
    rv.Byte(analog.nAiRangeType[0]);
    rv.Byte(analog.nAiRangeType[1]);
}

// An operand item names its address by the class of the first base it reaches from the top.
void WriteOperandItem(RecordWriter& w, int nAddress)
{
    struct Base {
        int nBase;
        int nClass;
    };
    constexpr Base kBases[] = {{NUM_ANALOG_FLAG, 10}, {NUM_ANALOG_OUT, 9}, {NUM_ANALOG_IN, 8},
                               {NUM_FLAG, 6},         {NUM_OUTPUT, 5},     {NUM_INPUT, 0}};
    for (const Base& base : kBases) {
        if (nAddress >= base.nBase) {
            w.Word(0xFF00 | base.nClass);
            w.Word(nAddress - base.nBase);
            return;
        }
    }
    w.Skip(4);
}

constexpr int kDataLogReservedBytes = 10;
constexpr int kFunctionBlockItem = 7;

void WriteDataLog(EncodeContext& ctx, const CBlockDataLog& log)
{
    RecordWriter w(ctx.Section("DL"));
    for (int nPin = 0; nPin + 1 < log.m_nInputs; ++nPin)
        ctx.WritePinSource(w, log.m_nPinSource[nPin], log.m_bPinInvert[nPin]);
    w.Word(log.m_nParam[BLOCK_PROTECTION_PARAM]);
    w.Word(int(log.m_arrLogItems.GetSize()));
    w.Skip(kDataLogReservedBytes);
    for (int i = 0; i < int(log.m_arrLogItems.GetSize()); ++i) {
        const DataLogItem& item = log.m_arrLogItems[i];
        const CBlockObj* pBlock = !item.strItem.IsEmpty() && item.strItem[0] == u'B'
                                      ? ctx.Doc().FindBlockByNumber(item.nValue1)
                                      : nullptr;
        if (pBlock && IsFunctionBlockType(pBlock->m_nType)) {
            w.Word(RecordCodeOf(pBlock->m_nType) * 256 + kFunctionBlockItem);
            w.Word((item.nValue2 & 0xF) << 12 | (pBlock->m_nNumber - NUM_FUNCTION_BLOCK));
        } else {
            WriteOperandItem(w, item.nValue1);
        }
    }
    if (w.Overrun())
        ctx.Fail(IDS_ENCODE_INTERNAL_ERROR);
}

const CBlockDataLog* FirstDataLog(const CVetlaDoc& doc)
{
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;) {
        const auto* pBlock = static_cast<const CBlockObj*>(doc.m_blockList.GetNext(pos));
        if (pBlock->IsKindOf(RUNTIME_CLASS(CBlockDataLog)))
            return static_cast<const CBlockDataLog*>(pBlock);
    }
    return nullptr;
}

} // namespace

void EncodeHeaderSections(EncodeContext& ctx, int nBuffer1Bytes)
{
    const CVetlaDoc& doc = ctx.Doc();
    std::span<BYTE> k = ctx.Section("K");
    WriteLowBytes(k, doc.m_settings.strProgramName, int(k.size()));
    WriteLowBytes(ctx.Section("L"), doc.m_settings.strPassword, kPasswordChars);
    const int nWords = (IMAGE_BUFFER0_BYTES + nBuffer1Bytes) / 2;
    RecordWriter(ctx.Section("PS")).Word(nWords);
    RecordWriter(ctx.Section("LC")).Word(nWords);
}

void EncodeDocumentSections(EncodeContext& ctx, const SYSTEMTIME& stNow)
{
    const CVetlaDoc& doc = ctx.Doc();
    WriteComPorts(ctx);
    RecordWriter(ctx.Section("PR")).Word(doc.m_settings.bCopyProtect);
    RecordWriter rd(ctx.Section("RD"));
    rd.Word(doc.m_settings.nRedundancy);
    rd.Long(doc.m_settings.nSyncTime);
    WriteStamp(ctx, stNow);
    RecordWriter(ctx.Section("HT")).Word(doc.m_settings.nTempHigh);
    RecordWriter(ctx.Section("LT")).Word(doc.m_settings.nTempLow);
    RecordWriter(ctx.Section("M1")).Word(doc.m_wHardwareCode);
    RecordWriter(ctx.Section("M2")).Word(doc.m_wHardwareCode2);
    RecordWriter(ctx.Section("V1")).Word(doc.m_wFirmwareWord);
    RecordWriter(ctx.Section("V2")).Word(doc.m_wFirmwareWord2);
    const CBlockDataLog* pLog = FirstDataLog(doc);
    if (!ctx.IsNewGeneration()) {
        // The older image has no data-log section: the log would be left out unseen, so it is
        // named as a paste or a change of controller names it.
        if (pLog)
            ctx.Fail(OlderGenerationProblem(*pLog, doc.m_strHardwareName));
        return;
    }
    WriteNewerSettings(ctx);
    if (pLog)
        WriteDataLog(ctx, *pLog);
}
