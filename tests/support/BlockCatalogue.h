// The block catalogue of both generations as the round-trip test and the catalogue tool build
// it: every function-block type with each setting its image record carries moved off its
// default (and, where the record carries them, references to other blocks), fed from I/O points
// away from index 0, named, with message texts whose characters and elements reach the
// display's edges, a program name and a password; and the comparison of two documents block by
// block.
//
// Which settings a record carries is found by trying each one alone: a setting that changes the
// block's record (or message text) must come back from it. The settings the record must carry
// whatever the encoder does are listed as well (kMustCarry), so that one the encoder drops
// shows.
#pragma once

#include "blocks/BlockAnalog.h"
#include "blocks/BlockClock.h"
#include "blocks/BlockGenerator.h"
#include "blocks/BlockExtended.h"
#include "blocks/BlockFactory.h"
#include "blocks/BlockIn.h"
#include "blocks/BlockMR.h"
#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTime.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "blocks/BlockWIFI.h"
#include "blocks/BlockWord.h"
#include "blocks/ParamTables.h"
#include "blocks/Widget.h"
#include "codec/EncodeContext.h"
#include "codec/ImageEncoder.h"
#include "codec/ImageLayout.h"
#include "codec/VetlaCoreRule.h"
#include "document/ParameterCaption.h"
#include "document/VetlaDoc.h"
#include "platform/core/Archive.h"
#include "platform/core/MemFile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <span>
#include <string>
#include <type_traits>
#include <vector>

namespace catalogue {

using Bytes = std::vector<BYTE>;

// One setting of a block, read and written as a number.
struct Field {
    std::string strName;
    std::function<double(CBlockObj&)> get;
    std::function<void(CBlockObj&, double)> set;
};

// A setting that access(block) reaches, on a block of class Block.
template <class Block, class Access>
inline void AddSetting(std::vector<Field>& fields, const std::string& strName, Access access)
{
    fields.push_back({strName, [access](CBlockObj& b) { return double(access(static_cast<Block&>(b))); },
                      [access](CBlockObj& b, double d) {
                          auto& value = access(static_cast<Block&>(b));
                          value = std::remove_reference_t<decltype(value)>(d);
                      }});
}

template <class T, class Block>
inline void AddMember(std::vector<Field>& fields, const std::string& strName, T Block::*pMember)
{
    AddSetting<Block>(fields, strName, [pMember](Block& b) -> T& { return b.*pMember; });
}

// The settings of a block of its class; the references are tried on their own.
inline std::vector<Field> FieldsOf(CBlockObj& block)
{
    std::vector<Field> fields;
    for (int i = 0; i < BLOCK_PARAM_COUNT; ++i) {
        if (i >= BLOCK_REF_USED_PARAM && i < BLOCK_REF_USED_PARAM + BLOCK_REF_COUNT)
            continue;
        AddSetting<CBlockObj>(fields, "P" + std::to_string(i), [i](CBlockObj& b) -> int& { return b.m_nParam[i]; });
    }
    for (int i = 0; i < BLOCK_PARAMEX_COUNT; ++i)
        AddSetting<CBlockObj>(fields, "X" + std::to_string(i), [i](CBlockObj& b) -> int& { return b.m_nParamEx[i]; });
    for (int i = 0; i < 4; ++i)
        AddSetting<CBlockObj>(fields, "Aux" + std::to_string(i), [i](CBlockObj& b) -> int& { return b.m_nAux[i]; });
    AddMember(fields, "dParam", &CBlockObj::m_dParam);
    if (block.IsKindOf(RUNTIME_CLASS(CBlockAnalog))) {
        using A = CBlockAnalog;
        AddMember(fields, "Sensor", &A::m_nSensor);
        AddMember(fields, "RangeMin", &A::m_nRangeMin);
        AddMember(fields, "RangeMax", &A::m_nRangeMax);
        AddMember(fields, "Unit", &A::m_nUnit);
        AddMember(fields, "Resolution", &A::m_nResolution);
        AddMember(fields, "Gain", &A::m_dGain);
        AddMember(fields, "Offset", &A::m_nOffset);
        AddMember(fields, "Threshold1", &A::m_nThreshold1);
        AddMember(fields, "Threshold2", &A::m_nThreshold2);
        AddMember(fields, "Decimals", &A::m_nDecimals);
        AddMember(fields, "PiParamSet", &A::m_nPiParamSet);
        AddMember(fields, "PiKC", &A::m_dPiKC);
        AddMember(fields, "PiUseTI", &A::m_bPiUseTI);
        AddMember(fields, "PiTIMinutes", &A::m_nPiTIMinutes);
        AddMember(fields, "PiTISeconds", &A::m_nPiTISeconds);
        AddMember(fields, "PwmOpt", &A::m_nPwmOpt);
    }
    if (block.IsKindOf(RUNTIME_CLASS(CBlockWIFI))) {
        AddMember(fields, "WifiMode", &CBlockWIFI::m_nWifiMode);
        AddMember(fields, "WifiId", &CBlockWIFI::m_nWifiId);
        AddMember(fields, "RemoteKind", &CBlockWIFI::m_nRemoteKind);
        AddMember(fields, "RemoteNumber", &CBlockWIFI::m_nRemoteNumber);
    }
    if (block.IsKindOf(RUNTIME_CLASS(CBlockMR))) {
        using M = CBlockMR;
        AddMember(fields, "Slave", &M::m_bySlave);
        AddMember(fields, "Command", &M::m_byCommand);
        AddMember(fields, "Function", &M::m_byFunction);
        AddMember(fields, "Mode", &M::m_byMode);
        AddMember(fields, "Port", &M::m_nPort);
        AddMember(fields, "Register", &M::m_wRegister);
        AddMember(fields, "Count", &M::m_wCount);
        AddMember(fields, "FirstData", &M::m_wFirstData);
        AddMember(fields, "SecondData", &M::m_wSecondData);
        AddMember(fields, "DataNumber", &M::m_wDataNumber);
        AddMember(fields, "DataKind", &M::m_nDataKind);
    }
    if (block.IsKindOf(RUNTIME_CLASS(CBlockTime))) {
        using T = CBlockTime;
        for (int c = 0; c < TIMER_CAM_COUNT; ++c) {
            const std::string strCam = "Cam" + std::to_string(c);
            AddSetting<T>(fields, strCam + "OnOff", [c](T& b) -> auto& { return b.m_bOnDisabled[c]; });
            AddSetting<T>(fields, strCam + "OffOff", [c](T& b) -> auto& { return b.m_bOffDisabled[c]; });
            for (int d = 0; d < 7; ++d)
                AddSetting<T>(fields, strCam + "Day" + std::to_string(d),
                              [=](T& b) -> auto& { return b.m_bDay[c][d]; });
            for (int k = 0; k < 2; ++k) {
                AddSetting<T>(fields, strCam + "On" + std::to_string(k),
                              [=](T& b) -> auto& { return b.m_nOnTime[c][k]; });
                AddSetting<T>(fields, strCam + "Off" + std::to_string(k),
                              [=](T& b) -> auto& { return b.m_nOffTime[c][k]; });
            }
        }
    }
    if (block.IsKindOf(RUNTIME_CLASS(CBlockMSGTEXT))) {
        for (int i = 0; i < MSGTEXT_BLOCK_SETTING_COUNT; ++i)
            AddSetting<CBlockMSGTEXT>(fields, "MsgSetting" + std::to_string(i),
                                      [i](CBlockMSGTEXT& b) -> auto& { return b.m_nMsgSettings[i]; });
    }
    return fields;
}

// Settings the controller reads from the record, which the probe must find carried: a setting
// the encoder leaves out would otherwise simply not be tried.
inline const std::map<int, std::set<std::string>> kMustCarry = {
    {BT_UDC, {"X5", "X6", "P5", "P6"}},  // the receive and send areas, by kind and number
    {BT_ADTRG, {"Threshold1", "Threshold2"}},
};

// A block's own part of the image: its record, and for a message text its text (section C or
// its block of the message-text area). The block is the only function block of its document.
inline Bytes RecordOf(const CVetlaDoc& doc, const CBlockObj& block)
{
    const BOOL bNew = doc.IsNewGenerationDoc();
    const int nBytes = ImageRecordBytes(block.m_nType, bNew);
    const bool bText = block.m_nType == BT_MSGTEXT;
    EncodeContext ctx(doc, IMAGE_PROGRAM_BYTES_MAX, bText && bNew ? IMAGE_TEXT_BLOCK_BYTES : 0);
    if (bText)
        EncodeMessageText(ctx, block);
    EncodeBlockRecord(ctx, block, ctx.Buffer(1).first(std::size_t(nBytes)));
    if (ctx.Error())
        return {};
    Bytes bytes(ctx.Buffer(1).begin(), ctx.Buffer(1).begin() + nBytes);
    if (bText) {
        std::span<const BYTE> text = bNew ? ctx.TextArea() : ctx.Section("C").first(IMAGE_OLD_TEXT_BYTES);
        bytes.insert(bytes.end(), text.begin(), text.end());
    }
    return bytes;
}

// A setting's value off its default that changes the image.
struct Carried {
    const Field* pField;
    double dValue;
};

// Values for settings whose default stands at the end of their range, where one more would be
// a setting the block cannot have.
struct KnownValue {
    int nType;
    const char* pszField;
    double dValue;
};
inline constexpr KnownValue kKnownValues[] = {
    {BT_PWM, "PwmOpt", 2},
};

// The settings of a type that its image carries, each tried alone on a block numbered 9000, in
// groups that can stand together on one block (a setting can make others meaningless, as the
// yearly timer's "every year" does its years); and which of its four references change the
// record beyond its header. The carried settings point into the probe's own list of fields.
struct Probe {
    std::vector<Field> fields;
    std::vector<std::vector<Carried>> groups;
    std::vector<int> refs;

    bool Carries(const std::string& strName) const
    {
        for (const auto& group : groups)
            for (const Carried& c : group)
                if (c.pField->strName == strName)
                    return true;
        return false;
    }
};

inline void Apply(CBlockObj& block, const std::vector<Carried>& group)
{
    for (const Carried& c : group)
        c.pField->set(block, c.dValue);
}

inline Probe ProbeType(int nType, WORD wHardware)
{
    CVetlaDoc doc;
    doc.m_wHardwareCode = wHardware;
    const auto fresh = [&] {
        CBlockObj* pBlock = CreateBlockForType(nType, nullptr, &doc);
        pBlock->m_nNumber = NUM_FUNCTION_BLOCK;
        return std::unique_ptr<CBlockObj>(pBlock);
    };
    std::unique_ptr<CBlockObj> pBlock = fresh();
    Probe probe;
    probe.fields = FieldsOf(*pBlock);
    const Bytes base = RecordOf(doc, *pBlock);
    std::vector<Carried> remaining;
    // A setting tried on a block: the first of a few values off its default that changes the
    // block's record.
    const auto tryField = [&](CBlockObj& block, const Field& field, const Bytes& before) {
        const double dDefault = field.get(block);
        std::vector<double> values = {dDefault + 1, dDefault + 2, dDefault + 5};
        if (dDefault != std::trunc(dDefault))
            values = {dDefault + 1.25, dDefault + 2.25};
        else if (dDefault != 0)
            values.push_back(0);
        for (const KnownValue& known : kKnownValues) {
            if (known.nType == nType && field.strName == known.pszField)
                values = {known.dValue};
        }
        for (double dValue : values) {
            field.set(block, dValue);
            const Bytes record = RecordOf(doc, block);
            field.set(block, dDefault);
            if (!record.empty() && record != before) {
                remaining.push_back({&field, dValue});
                return;
            }
        }
    };
    for (const Field& field : probe.fields)
        tryField(*pBlock, field, base);
    // Settings that a default of another hides (a weekly timer's switching times while they are
    // switched off) are tried again with the others set.
    {
        std::unique_ptr<CBlockObj> pSet = fresh();
        Apply(*pSet, remaining);
        const Bytes before = RecordOf(doc, *pSet);
        const std::size_t nFirstPass = remaining.size();
        for (const Field& field : probe.fields) {
            if (std::none_of(remaining.begin(), remaining.begin() + long(nFirstPass),
                             [&](const Carried& c) { return c.pField == &field; }))
                tryField(*pSet, field, before);
        }
    }
    while (!remaining.empty()) {
        std::unique_ptr<CBlockObj> pAll = fresh();
        Apply(*pAll, remaining);
        const Bytes all = RecordOf(doc, *pAll);
        std::vector<Carried> group;
        std::vector<Carried> masked;
        for (const Carried& c : remaining) {
            const double dValue = c.pField->get(*pAll);
            c.pField->set(*pAll, c.pField->get(*pBlock));
            (RecordOf(doc, *pAll) != all ? group : masked).push_back(c);
            c.pField->set(*pAll, dValue);
        }
        if (group.empty()) {
            group.push_back(masked.front());
            masked.erase(masked.begin());
        }
        probe.groups.push_back(group);
        remaining = masked;
    }
    // Only the references a project file keeps for the type: the editor offers no others.
    const BlockTypeRow* pRow = FindBlockType(nType);
    const int nRefs = pRow ? (doc.IsNewGenerationDoc() ? pRow->references.nNewer : pRow->references.nOlder) : 0;
    for (int k = 0; k < nRefs && k < BLOCK_REF_COUNT; ++k) {
        pBlock->m_nParam[BLOCK_REF_USED_PARAM + k] = 1;
        pBlock->m_nRefBlock[k] = NUM_FUNCTION_BLOCK + 5;
        const Bytes record = RecordOf(doc, *pBlock);
        pBlock->m_nParam[BLOCK_REF_USED_PARAM + k] = 0;
        pBlock->m_nRefBlock[k] = 0;
        if (record.size() == base.size() && !std::equal(record.begin() + 2, record.end(), base.begin() + 2))
            probe.refs.push_back(k);
    }
    return probe;
}

// What a block is, setting by setting, for the report of a difference.
inline std::string Describe(CBlockObj& block, const std::vector<Field>& fields)
{
    std::string str = std::to_string(block.m_nType) + " #" + std::to_string(block.m_nNumber) + " op" +
                      std::to_string(block.m_nOperand) + " I";
    for (int nPin = 0; nPin < block.m_nInputs; ++nPin)
        str += " " + std::to_string(block.m_nPinSource[nPin]) + (block.m_bPinInvert[nPin] ? "!" : "");
    str += " R";
    for (int k = 0; k < BLOCK_REF_COUNT; ++k)
        str += " " + std::to_string(block.m_nParam[BLOCK_REF_USED_PARAM + k] ? block.m_nRefBlock[k] : 0);
    for (const Field& field : fields) {
        char sz[32];
        std::snprintf(sz, sizeof sz, "%g", field.get(block));
        str += " " + field.strName + "=" + sz;
    }
    for (TCHAR ch : std::u16string_view(block.m_strLabelSuffix))
        str += char(ch);
    return str;
}

// The block as the project file keeps it, its place on the sheet left out (the upload lays the
// blocks out anew).
inline Bytes Stored(CBlockObj& block)
{
    const CPoint ptPos = block.m_ptPos;
    const CPoint ptPos2 = block.m_ptPos2;
    const int nWidth = block.m_nWidth;
    const int nHeight = block.m_nHeight;
    int nOutputs[BLOCK_PIN_COUNT - BLOCK_FIRST_OUTPUT];
    block.m_ptPos = block.m_ptPos2 = CPoint(0, 0);
    block.m_nWidth = block.m_nHeight = 0;
    // The output side names the blocks it feeds only as the wires leave it.
    for (int i = BLOCK_FIRST_OUTPUT; i < BLOCK_FIRST_OUTPUT + block.m_nOutputs; ++i) {
        nOutputs[i - BLOCK_FIRST_OUTPUT] = block.m_nPinSource[i];
        block.m_nPinSource[i] = 0;
    }
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        block.Serialize(ar);
        ar.Close();
    }
    block.m_ptPos = ptPos;
    block.m_ptPos2 = ptPos2;
    block.m_nWidth = nWidth;
    block.m_nHeight = nHeight;
    for (int i = BLOCK_FIRST_OUTPUT; i < BLOCK_FIRST_OUTPUT + block.m_nOutputs; ++i)
        block.m_nPinSource[i] = nOutputs[i - BLOCK_FIRST_OUTPUT];
    const auto nLength = std::size_t(file.GetLength());
    BYTE* pData = file.Detach();
    Bytes bytes(pData, pData + nLength);
    std::free(pData);
    return bytes;
}


// What the block's page leaves beside the settings it was given, and an upload rebuilds from
// them: the mask as its text, the standard pre-warning mark, the scaling as "No sensor" with the range from gain and offset,
// every month's months, and the Modbus function and data.
inline void SettleAsThePage(CBlockObj& b)
{
    int* X = b.m_nParamEx;
    const int nType = b.m_nType;
    if (IsMaskType(nType) && nType != BT_NOTM && !b.m_nParam[BLOCK_REF_USED_PARAM])
        b.m_strParamText.Format(_T("%04X"), b.m_nParam[WORDOP_OPERAND_PARAM] & 0xFFFF);
    if (nType == BT_YT && b.m_nParam[YT_MONTHLY_PARAM]) {
        b.m_nParam[YT_ON_MONTH_PARAM] = 1;
        X[YT_OFF_MONTH_PARAMEX] = 12;
    }
    if (nType == BT_SLS || nType == BT_MFS) {
        const bool bSeconds = X[TIMER_OFF_BASE_PARAMEX] == 2;
        const bool bReferred = b.m_nParam[BLOCK_REF_USED_PARAM + 2] || b.m_nParam[BLOCK_REF_USED_PARAM + 3];
        const int nWarning = nType == BT_MFS ? 0 : bSeconds ? 75 : 15;
        const int nLength = nType == BT_MFS ? 0 : bSeconds ? 5 : 1;
        X[STAIRCASE_STANDARD_PARAMEX] = !bReferred && X[STAIRCASE_WARN_TIME_HIGH_PARAMEX] == 0 &&
                                        X[STAIRCASE_WARN_TIME_LOW_PARAMEX] == nWarning &&
                                        X[STAIRCASE_WARN_LENGTH_HIGH_PARAMEX] == 0 &&
                                        X[STAIRCASE_WARN_LENGTH_LOW_PARAMEX] == nLength;
    }
    const auto links = std::span(b.m_nPinSource);
    const bool bScaled = std::ranges::find(links, 73) != links.end() && nType != BT_AMATH && nType != BT_AMUX;
    if (b.IsKindOf(RUNTIME_CLASS(CBlockAnalog)) && bScaled) {
        auto& a = static_cast<CBlockAnalog&>(b);
        a.m_nSensor = nType == BT_PWM ? a.m_nSensor : ANALOG_SENSOR_NONE;
        a.m_nRangeMin = a.m_nOffset;
        a.m_nRangeMax = int(std::lround(a.m_dGain * 1000)) + a.m_nOffset;
    }
    if (b.IsKindOf(RUNTIME_CLASS(CBlockMR))) {
        // Auto mode's address is the data number (the address given) from its kind's area.
        auto& m = static_cast<CBlockMR&>(b);
        constexpr int kStarts[2][MODBUS_KIND_COUNT] = {{596, 564, 500}, {384, 256, 0}};
        m.m_byFunction = ModbusFunctionCode(nType, m.m_byCommand);
        m.m_byMode = nType == BT_MW ? m.m_byMode : 0;
        if (m.m_byMode) {
            m.m_strFirstData.Format(_T("%X"), int(m.m_wFirstData));
            m.m_strSecondData.Format(_T("%X"), int(m.m_wSecondData));
        } else {
            m.m_wDataNumber = m.m_wFirstData;
            m.m_wFirstData = WORD(m.m_wDataNumber + kStarts[IsModbusCoilFunction(m.m_byFunction)][m.m_nDataKind]);
        }
    }
}

// Builds the catalogue into an empty document of the generation's hardware code; the probes of
// the types, by type, for what was set.
class Builder {
public:
    Builder(CVetlaDoc& doc, bool bNewer) : m_doc(doc), m_bNewer(bNewer) {}

    std::map<int, Probe>& Probes() { return m_probes; }

    bool Build()
    {
        MakeSources();
        const BYTE byGeneration = m_bNewer ? GEN_NEWER_ONES : GEN_OLDER;
        std::vector<CBlockObj*> blocks;
        CBlockMSGTEXT* pText = nullptr;
        int nTimer = 0;
        for (const BlockTypeRow& row : FactoryTypeRows()) {
            if (!IsFunctionBlockType(row.nType) || !(row.byGenerations & byGeneration))
                continue;
            const Probe& probe = m_probes.emplace(row.nType, ProbeType(row.nType, m_doc.m_wHardwareCode)).first->second;
            // One block per group of settings that stand together, one at least.
            for (std::size_t g = 0; g < std::max<std::size_t>(probe.groups.size(), 1); ++g) {
                CBlockObj* pBlock = Add(row.nType);
                if (g < probe.groups.size())
                    Apply(*pBlock, probe.groups[g]);
                SettleAsThePage(*pBlock);
                FeedInputs(pBlock);
                pBlock->m_strLabelSuffix.Format(_T("N%d"), pBlock->m_nNumber - NUM_FUNCTION_BLOCK);
                blocks.push_back(pBlock);
                if (row.nType == BT_MSGTEXT && !pText)
                    pText = static_cast<CBlockMSGTEXT*>(pBlock);
                if (row.nType == BT_DPR && !nTimer)
                    nTimer = pBlock->m_nNumber;
            }
            if (probe.refs.empty())
                continue;
            // A second block of the type takes its parameters from blocks before it.
            CBlockObj* pReferring = Add(row.nType);
            for (int k : probe.refs) {
                pReferring->m_nParam[BLOCK_REF_USED_PARAM + k] = 1;
                pReferring->m_nRefBlock[k] = pReferring->m_nNumber - 1 - k;
                pReferring->m_pRefBlock[k] = m_doc.FindBlockByNumber(pReferring->m_nRefBlock[k]);
            }
            SettleAsThePage(*pReferring);
            FeedInputs(pReferring);
            blocks.push_back(pReferring);
        }
        if (!pText || blocks.size() < 2)
            return false;
        FillMessageText(*pText, nTimer);
        // Every block reaches an output, as a program must: the first and last feed an open
        // connector and an output, the others a flag or an analog flag of their own.
        Feed(blocks.front(), At(BT_OPENX, NUM_OPENX, 2), 0);
        Feed(blocks.back(), At(BT_OUT, NUM_OUTPUT, 3), 0);
        int nFlags = 0;
        int nAnalogFlags = 0;
        for (std::size_t i = 1; i + 1 < blocks.size(); ++i) {
            CBlockObj* pBlock = blocks[i];
            if (pBlock->m_nOutputs == 0)
                continue;
            if (pBlock->m_nPinKind[BLOCK_FIRST_OUTPUT] == PINKIND_ANALOG)
                Feed(pBlock, At(BT_ANALOG_FLAG, NUM_ANALOG_FLAG, 20 + nAnalogFlags++), 0);
            else
                Feed(pBlock, At(BT_FLAG, NUM_FLAG, 40 + nFlags++), 0);
        }
        Feed(m_analog[0], At(BT_ANALOG_FLAG, NUM_ANALOG_FLAG, 7), 0);
        if (m_bNewer)
            Feed(m_analog[1], At(BT_ANALOG_OUT, NUM_ANALOG_OUT, 2), 0);
        m_doc.m_settings.strProgramName = _T("CATALOGUE");
        m_doc.m_settings.strPassword = _T("QARVO");
        return true;
    }

private:
    CBlockObj* Add(int nType)
    {
        CBlockObj* pBlock = CreateBlockForType(nType, nullptr, &m_doc);
        m_doc.AddBlock(pBlock);
        return pBlock;
    }

    // An I/O point at an index, numbered and labelled by it as the editor does.
    CBlockObj* At(int nType, int nBase, int nIndex)
    {
        CBlockObj* pBlock = Add(nType);
        pBlock->m_nNumber = nBase + nIndex;
        pBlock->m_nOperand = nIndex;
        return pBlock;
    }

    // As a finished wire leaves them: the pin names its source, and an output of the source
    // with no link yet names the pin's block.
    static void Feed(CBlockObj* pFrom, CBlockObj* pTo, int nPin, BOOL bNegated = FALSE)
    {
        pTo->m_nPinSource[nPin] = pFrom->m_nNumber;
        pTo->m_bPinInvert[nPin] = bNegated;
        for (int i = BLOCK_FIRST_OUTPUT; i < BLOCK_FIRST_OUTPUT + pFrom->m_nOutputs; ++i) {
            if (pFrom->m_nPinSource[i] == 0)
                pFrom->m_nPinSource[i] = pTo->m_nNumber;
        }
    }

    // The digital and analog points the blocks are fed from, none at index 0.
    void MakeSources()
    {
        m_digital = {At(BT_IN, NUM_INPUT, 6), At(BT_IN, NUM_INPUT, 10), At(BT_SHIFT, NUM_SHIFT, 3),
                     At(BT_FLAG, NUM_FLAG, 20), At(BT_CURSOR_KEY, NUM_CURSOR_KEY, 2), At(BT_FKEY, NUM_FKEY, 1),
                     At(BT_HIGH, NUM_HIGH, 0)};
        static_cast<CBlockIn*>(m_digital[1])->m_bHighSpeed = 1;
        m_analog = {At(BT_ANALOG_IN, NUM_ANALOG_IN, 3), At(BT_ANALOG_FLAG, NUM_ANALOG_FLAG, 9)};
    }

    void FeedInputs(CBlockObj* pBlock)
    {
        for (int nPin = 0; nPin < pBlock->m_nInputs; ++nPin) {
            const int n = m_nFed++;
            if (pBlock->m_nPinKind[nPin] == PINKIND_ANALOG)
                Feed(m_analog[std::size_t(n) % m_analog.size()], pBlock, nPin);
            else if (pBlock->m_nPinKind[nPin] == PINKIND_DIGITAL)
                Feed(m_digital[std::size_t(n) % m_digital.size()], pBlock, nPin, n % 3 == 1);
        }
    }

    // Characters at the first and last column and elements that start at the first column or
    // end at the last, on every screen the generation has.
    void FillMessageText(CBlockMSGTEXT& text, int nTimer)
    {
        CVetlaDoc::InitParameterNames();
        const int nLast = m_bNewer ? 24 : 12;
        const auto place = [&](CObArray* pLines, int nLine, int nColumn, int nKind, int nNumber, int nParamId) {
            auto* pWidget = new CWidget;
            pWidget->m_nLine = nLine;
            pWidget->m_nKind = nKind;
            pWidget->m_nBlockNumber = nNumber;
            pWidget->m_nParamId = nParamId;
            pWidget->m_nWidth = g_arrParamWidth[nParamId];
            pWidget->m_nColumn = nColumn > 0 ? nColumn : nLast - pWidget->m_nWidth + 1;
            pWidget->m_strCaption = ParameterCaption(nParamId);
            pLines[nLine - 1].Add(pWidget);
        };
        const int nTimerId = m_bNewer ? 50 : 4;
        const int nTimerEntry = m_bNewer ? 2 : 1;
        place(text.m_arrWidgets1, 1, 1, nTimerEntry, nTimer, nTimerId);
        place(text.m_arrWidgets1, 2, 0, 2, text.m_nNumber, 2);
        text.m_strCells1[3][1] = _T("A");
        text.m_strCells1[3][nLast] = _T("Z");
        text.m_strCells1[4][2] = _T("7");
        if (m_bNewer) {
            place(text.m_arrWidgets2, 4, 0, nTimerEntry, nTimer, nTimerId);
            text.m_strCells2[1][1] = _T("B");
            text.m_strCells2[1][nLast] = _T("Y");
        }
    }

    CVetlaDoc& m_doc;
    bool m_bNewer;
    std::map<int, Probe> m_probes;
    std::vector<CBlockObj*> m_digital;
    std::vector<CBlockObj*> m_analog;
    int m_nFed = 0;
};

// The differences between two documents' blocks, block by block by number: type, settings,
// sources, inversions, operands, names and message texts (the stored record without the place on
// the sheet); the program name and password.
inline std::vector<std::string> CompareDocuments(CVetlaDoc& original, CVetlaDoc& other)
{
    std::vector<std::string> differences;
    const auto narrow = [](const CString& str) { return std::string(str.ToUtf8()); };
    if (original.m_settings.strProgramName != other.m_settings.strProgramName)
        differences.push_back("program name " + narrow(original.m_settings.strProgramName) + " / " + narrow(other.m_settings.strProgramName));
    if (original.m_settings.strPassword != other.m_settings.strPassword)
        differences.push_back("password " + narrow(original.m_settings.strPassword) + " / " + narrow(other.m_settings.strPassword));
    if (original.m_blockList.GetCount() != other.m_blockList.GetCount())
        differences.push_back("blocks " + std::to_string(original.m_blockList.GetCount()) + " / " +
                              std::to_string(other.m_blockList.GetCount()));
    for (POSITION pos = original.m_blockList.GetHeadPosition(); pos;) {
        auto* pBlock = static_cast<CBlockObj*>(original.m_blockList.GetNext(pos));
        CBlockObj* pOther = other.FindBlockByNumber(pBlock->m_nNumber);
        if (!pOther) {
            differences.push_back("block " + std::to_string(pBlock->m_nNumber) + " missing");
            continue;
        }
        if (pOther->m_nType != pBlock->m_nType) {
            differences.push_back("block " + std::to_string(pBlock->m_nNumber) + " of type " +
                                  std::to_string(pBlock->m_nType) + " is of type " + std::to_string(pOther->m_nType));
            continue;
        }
        const std::vector<Field> fields = FieldsOf(*pBlock);
        const std::string strOriginal = Describe(*pBlock, fields);
        const std::string strOther = Describe(*pOther, fields);
        if (strOriginal != strOther)
            differences.push_back(strOriginal + "\n    came back as\n" + strOther);
        else if (const Bytes a = Stored(*pBlock), b = Stored(*pOther); a != b) {
            const auto at = std::ranges::mismatch(a, b).in1 - a.begin();
            differences.push_back("stored record of block " + std::to_string(pBlock->m_nNumber) + " from byte " +
                                  std::to_string(at));
        }
    }
    return differences;
}

} // namespace catalogue
