#include "pages/ladder/LadderOperands.h"

#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "document/BlockNames.h"
#include "document/BlockNumbering.h"
#include "document/VetlaDoc.h"

#include <algorithm>
#include <set>

namespace {

constexpr int kModules = 8;
constexpr int kInputsListed = 16;
constexpr int kInputsPerModule = 32;
constexpr int kOutputsPerModule = 16;
constexpr int kOutputsListed = 8;
constexpr int kAnalogInputsPerModule = 8;
constexpr int kAnalogOutputsPerModule = 4;
constexpr int kFunctionKeys = 5;
constexpr int kShiftGroup = 16;
constexpr int kShiftGroupsOld = 1;
constexpr int kShiftGroupsNew = 4;
constexpr int kFlags = 512;
constexpr int kOpenConnectors = 128;

// Digital inputs I and function keys F; analog inputs AI.
constexpr int kLastDigitalInput = 355;
constexpr int kLastFunctionKey = 1304;
constexpr int kLastAnalogInput = 4127;
constexpr int kLastQ = NUM_OUTPUT + kModules * kOutputsPerModule - 1;
constexpr int kLastAQ = NUM_ANALOG_OUT + kModules * kAnalogOutputsPerModule - 1;
constexpr int kLastAM = NUM_ANALOG_FLAG + kFlags - 1;
constexpr int kLastCoil = 21767;
constexpr int kLastAnalogOutput = 22543;

CString Caption(int nType)
{
    CString str;
    g_mapBlockCaption.Lookup(nType, str);
    return str;
}

class ListBuilder {
public:
    ListBuilder(const CVetlaDoc& doc, int nType, int nOwnOperand) : m_doc(doc), m_nType(nType), m_nOwn(nOwnOperand)
    {
        for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;)
            m_blocks.push_back(static_cast<const CBlockObj*>(doc.m_blockList.GetNext(pos)));
    }

    std::vector<LadderOperandEntry> Build()
    {
        switch (m_nType) {
        case BT_MAKE:
        case BT_BREAK:
            AddDigitalContactList();
            break;
        case BT_ACONTACT:
            AddAnalogContactList();
            break;
        case BT_RELAY_COIL:
        case BT_INV_OUT:
            AddCoilList();
            break;
        case BT_AOUT_LAD:
            AddAnalogOutputList();
            break;
        default:
            break;
        }
        return std::move(m_entries);
    }

private:
    void Add(int nKey, const CString& strText, int nOperand) { m_entries.push_back({strText, nKey, nOperand}); }
    void Add(int nOperand, const CString& strText) { Add(nOperand, strText, nOperand); }

    void AddModular(LPCTSTR lpszPrefix, int nBase, int nPerModule, int nListed, int nCaptionType, bool bFreeOnly)
    {
        const CString strCaption = Caption(nCaptionType);
        for (int m = 0; m < kModules; ++m) {
            for (int p = 0; p < nListed; ++p) {
                const int nOperand = nBase + nPerModule * m + p;
                if (bFreeOnly && !IsFree(nOperand))
                    continue;
                CString str;
                str.Format(_T("%s%d%02d"), lpszPrefix, m, p);
                Add(nOperand, str + strCaption);
            }
        }
    }

    void AddFlat(LPCTSTR lpszPrefix, int nBase, int nCount, int nCaptionType, bool bFreeOnly)
    {
        const CString strCaption = Caption(nCaptionType);
        for (int n = 0; n < nCount; ++n) {
            if (bFreeOnly && !IsFree(nBase + n))
                continue;
            CString str;
            str.Format(_T("%s%d"), lpszPrefix, n);
            Add(nBase + n, str + strCaption);
        }
    }

    void AddShiftBits()
    {
        const int nGroups = m_doc.IsNewGenerationDoc() ? kShiftGroupsNew : kShiftGroupsOld;
        const CString strCaption = Caption(BT_SHIFT);
        for (int m = 0; m < nGroups; ++m) {
            for (int p = 0; p < kShiftGroup; ++p) {
                CString str;
                str.Format(_T("S%d.%d"), m, p);
                Add(NUM_SHIFT + kShiftGroup * m + p, str + strCaption);
            }
        }
    }

    // The entries that depend on the document, in the order of their keys.
    void AddSorted(std::vector<LadderOperandEntry> entries)
    {
        std::stable_sort(entries.begin(), entries.end(),
                         [](const LadderOperandEntry& a, const LadderOperandEntry& b) { return a.nKey < b.nKey; });
        m_entries.insert(m_entries.end(), entries.begin(), entries.end());
    }

    static LadderOperandEntry ModularEntry(LPCTSTR lpszPrefix, int nAddress, int nBase, int nPerModule,
                                           const CString& strCaption, int nOperand)
    {
        CString str;
        str.Format(_T("%s%d%02d"), lpszPrefix, (nAddress - nBase) / nPerModule, (nAddress - nBase) % nPerModule);
        return {str + strCaption, nAddress, nOperand};
    }

    static LadderOperandEntry FlatEntry(LPCTSTR lpszPrefix, int nAddress, int nBase, const CString& strCaption,
                                        int nOperand)
    {
        CString str;
        str.Format(_T("%s%d"), lpszPrefix, nAddress - nBase);
        return {str + strCaption, nAddress, nOperand};
    }

    static LadderOperandEntry BlockEntry(const CBlockObj& block)
    {
        CString str;
        str.Format(_T("B%d"), block.m_nNumber - NUM_FUNCTION_BLOCK);
        return {str + Caption(block.m_nType), block.m_nNumber, block.m_nNumber};
    }

    static bool IsFunctionBlock(const CBlockObj& block) { return GetBlockCategory(block.m_nType) == 2; }

    void AddDigitalContactList()
    {
        AddModular(_T("I"), NUM_INPUT, kInputsPerModule, kInputsListed, BT_IN, false);
        if (m_doc.IsNewGenerationDoc())
            AddFlat(_T("F"), NUM_FKEY, kFunctionKeys, BT_FKEY, false);
        Add(NUM_HIGH, _T("High") + Caption(BT_HIGH));
        Add(NUM_LOW, _T("Low") + Caption(BT_LOW));
        AddShiftBits();
        std::vector<LadderOperandEntry> sorted;
        std::set<int> addresses;
        // A coil's address stands in the list once, for the relay coil where there is one.
        for (int nCoilType : {BT_RELAY_COIL, BT_INV_OUT}) {
            for (const CBlockObj* pBlock : m_blocks) {
                const int nAddress = pBlock->m_nOperand;
                if (pBlock->m_nType != nCoilType || addresses.count(nAddress))
                    continue;
                if (nAddress >= NUM_FLAG && nAddress < NUM_FLAG + kFlags)
                    sorted.push_back(FlatEntry(_T("M"), nAddress, NUM_FLAG, Caption(BT_FLAG), pBlock->m_nNumber));
                else if (nAddress >= NUM_OUTPUT && nAddress <= kLastQ)
                    sorted.push_back(ModularEntry(_T("Q"), nAddress, NUM_OUTPUT, kOutputsPerModule, Caption(BT_OUT),
                                                  pBlock->m_nNumber));
                else
                    continue;
                addresses.insert(nAddress);
            }
        }
        for (const CBlockObj* pBlock : m_blocks) {
            if (IsFunctionBlock(*pBlock) && !(pBlock->m_nCapFlags & CAP_ANALOG_VALUE))
                sorted.push_back(BlockEntry(*pBlock));
        }
        AddSorted(std::move(sorted));
    }

    void AddAnalogContactList()
    {
        AddModular(_T("AI"), NUM_ANALOG_IN, kAnalogInputsPerModule, kAnalogInputsPerModule, BT_ANALOG_IN, false);
        std::vector<LadderOperandEntry> sorted;
        std::set<int> addresses;
        for (const CBlockObj* pBlock : m_blocks) {
            const int nAddress = pBlock->m_nOperand;
            if (pBlock->m_nType == BT_AOUT_LAD && !addresses.count(nAddress)) {
                if (nAddress >= NUM_ANALOG_OUT && nAddress <= kLastAQ)
                    sorted.push_back(ModularEntry(_T("AQ"), nAddress, NUM_ANALOG_OUT, kAnalogOutputsPerModule,
                                                  Caption(BT_ANALOG_OUT), pBlock->m_nNumber));
                else if (nAddress >= NUM_ANALOG_FLAG && nAddress <= kLastAM)
                    sorted.push_back(FlatEntry(_T("AM"), nAddress, NUM_ANALOG_FLAG, Caption(BT_ANALOG_FLAG),
                                               pBlock->m_nNumber));
                addresses.insert(nAddress);
            } else if (IsFunctionBlock(*pBlock) && (pBlock->m_nCapFlags & CAP_ANALOG_VALUE)) {
                sorted.push_back(BlockEntry(*pBlock));
            }
        }
        AddSorted(std::move(sorted));
    }

    void AddCoilList()
    {
        AddFlat(_T("M"), NUM_FLAG, kFlags, BT_FLAG, true);
        AddModular(_T("Q"), NUM_OUTPUT, kOutputsPerModule, kOutputsListed, BT_OUT, true);
        AddFlat(_T("X"), NUM_OPENX, kOpenConnectors, BT_OPENX, true);
    }

    void AddAnalogOutputList()
    {
        AddFlat(_T("AM"), NUM_ANALOG_FLAG, kFlags, BT_ANALOG_FLAG, true);
        AddModular(_T("AQ"), NUM_ANALOG_OUT, kAnalogOutputsPerModule, kAnalogOutputsPerModule, BT_AOUT_LAD, true);
    }

    // No other element has the address; the element's own counts as free.
    bool IsFree(int nAddress)
    {
        if (nAddress == m_nOwn)
            return true;
        if (!m_bUsedBuilt) {
            for (const CBlockObj* pBlock : m_blocks)
                m_used.insert(pBlock->m_nOperand);
            m_bUsedBuilt = true;
        }
        return !m_used.count(nAddress);
    }

    const CVetlaDoc& m_doc;
    int m_nType;
    int m_nOwn;
    std::vector<const CBlockObj*> m_blocks;
    std::vector<LadderOperandEntry> m_entries;
    std::set<int> m_used;
    bool m_bUsedBuilt = false;
};

}  // namespace

std::vector<LadderOperandEntry> BuildLadderOperandList(const CVetlaDoc& doc, int nType, int nOwnOperand)
{
    return ListBuilder(doc, nType, nOwnOperand).Build();
}

bool IsLadderDigitalInput(int nOperand)
{
    return (nOperand >= NUM_INPUT && nOperand <= kLastDigitalInput) ||
           (nOperand >= NUM_FKEY && nOperand <= kLastFunctionKey);
}

bool IsLadderAnalogInput(int nOperand) { return nOperand >= NUM_ANALOG_IN && nOperand <= kLastAnalogInput; }

bool IsLadderSimulatedInput(int nOperand) { return IsLadderDigitalInput(nOperand) || IsLadderAnalogInput(nOperand); }

int LadderCommentOperand(const CVetlaDoc& doc, int nOperand)
{
    constexpr int kLastShiftBit = 1063;
    constexpr int kLastLow = 2869;
    constexpr int kLastHigh = 3899;
    const auto in = [nOperand](int nFirst, int nLast) { return nOperand >= nFirst && nOperand <= nLast; };
    // A coil's and an analog output's comments live under their address, where the diagram
    // draws them from.
    const bool bOutput = in(NUM_OUTPUT, kLastQ) || in(NUM_FLAG, NUM_FLAG + kFlags - 1) ||
                         in(NUM_OPENX, NUM_OPENX + kOpenConnectors - 1) || in(NUM_ANALOG_OUT, kLastAQ) ||
                         in(NUM_ANALOG_FLAG, kLastAM);
    if (IsLadderSimulatedInput(nOperand) || in(NUM_SHIFT, kLastShiftBit) || in(NUM_LOW, kLastLow) ||
        in(NUM_HIGH, kLastHigh) || bOutput)
        return nOperand;
    if (in(NUM_COIL, kLastCoil) || in(NUM_AOUT_LAD, kLastAnalogOutput)) {
        const CBlockObj* pDriver = doc.FindBlockByNumber(nOperand);
        return pDriver ? pDriver->m_nOperand : -1;
    }
    return -1;
}
