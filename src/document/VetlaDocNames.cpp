// The document's naming services: the caption and parameter-name tables, the short address
// label of a block (I001, Q102, S1.3, B3, AQ003), the block lists that pages offer as parameter
// references and value sources, and the wire lookups of connectors and of a wire being drawn.
#include "document/VetlaDoc.h"

#include "blocks/BlockConnector.h"
#include "blocks/BlockLogic.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "document/BlockNameMap.h"
#include "document/BlockNames.h"
#include "document/ModelSettings.h"

namespace {

// Capability bits of m_nCapFlags.
constexpr BYTE CAP_REFERENCE = 0x01;
constexpr BYTE CAP_VALUE = 0x08;

struct LabelRow {
    LPCTSTR pszPrefix;
    int nBase;
};

// An address of module and point: prefix, n / d and n % d in two digits.
CString ModuleLabel(LPCTSTR pszPrefix, long long n, int nDivisor)
{
    CString str;
    str.Format(_T("%s%d%02d"), pszPrefix, n / nDivisor, n % nDivisor);
    return str;
}

CString PrefixNumber(LPCTSTR pszPrefix, long long n)
{
    CString str;
    str.Format(_T("%s%d"), pszPrefix, n);
    return str;
}

// An FBD I/O block is labelled by its operand field, the index of its point. The older
// generation numbers the points of a dotted address whole.
CString IoLabel(int nType, int k, BOOL bNewGeneration)
{
    const BlockShortLabel label = ShortLabelOf(nType);
    if (label.bPrefixOnly)
        return label.pszPrefix;
    const BlockAddressLabel* pAddress = AddressLabelOf(nType);
    if (!pAddress || pAddress->nDivisor == 0 || (pAddress->bDotted && !bNewGeneration))
        return PrefixNumber(label.pszPrefix, k);
    if (!pAddress->bDotted)
        return ModuleLabel(label.pszPrefix, k, pAddress->nDivisor);
    CString str;
    str.Format(_T("%s%d.%d"), label.pszPrefix, k / pAddress->nDivisor, k % pAddress->nDivisor);
    return str;
}

// A ladder element is labelled by its operand: an address, or the coil or analog output it
// reads back (by block number), in the address space of that element's operand.
CString LadderLabel(const CBlockObj& element, const CVetlaDoc& doc)
{
    // The element's own address, unless its operand lies in a space whose label the type takes.
    const int nType = element.m_nType;
    const BlockAddressLabel* pAddress = AddressLabelOf(nType);
    if (!pAddress)
        return CString();
    LabelRow row = {pAddress->pszPrefix, pAddress->nBase};
    auto set = [&row, nType](WORD wSpace, LabelRow changed) {
        if (TakesOperandLabel(nType, wSpace))
            row = changed;
    };
    auto setPrefix = [&row, nType](WORD wSpace, LPCTSTR pszPrefix) {
        if (TakesOperandLabel(nType, wSpace))
            row.pszPrefix = pszPrefix;
    };
    // Only a contact takes the label of what the coil or analog output its operand names writes.
    auto setRead = [&set, nType](WORD wSpace, LabelRow changed) {
        if (IsLadderContactType(nType))
            set(wSpace, changed);
    };
    int x = element.m_nOperand;
    int nDivisor = 0;
    if (x >= NUM_COIL) {
        // A named element missing from the document leaves the element's own address.
        const CBlockObj* pNamed = doc.FindBlockByNumber(x);
        const bool bAnalog = x >= NUM_AOUT_LAD;
        if (pNamed) {
            x = pNamed->m_nOperand;
            if (bAnalog && x >= NUM_ANALOG_FLAG && x < NUM_OPENX) {
                setRead(OPERAND_ANALOG_FLAG, {_T("AM"), NUM_ANALOG_FLAG});
            } else if (bAnalog && x >= NUM_ANALOG_OUT && x < 4262) {
                setRead(OPERAND_ANALOG_OUT, {_T("AQ"), NUM_ANALOG_OUT});
                nDivisor = 4;
            } else if (!bAnalog && x >= NUM_FLAG && x < 1828) {
                setRead(OPERAND_FLAG, {_T("M"), NUM_FLAG});
            } else if (!bAnalog && x >= NUM_OUTPUT && x <= 727) {
                setRead(OPERAND_OUTPUT, {_T("Q"), NUM_OUTPUT});
                nDivisor = 16;
            }
        }
    } else if (x >= NUM_FUNCTION_BLOCK) {
        set(OPERAND_FUNCTION_BLOCK, {_T("B"), NUM_FUNCTION_BLOCK});
    } else if (x >= NUM_OPENX) {
        set(OPERAND_OPENX, {_T("X"), NUM_OPENX});
    } else if (x >= NUM_ANALOG_FLAG) {
        set(OPERAND_ANALOG_FLAG, {_T("AM"), NUM_ANALOG_FLAG});
    } else if (x >= NUM_ANALOG_OUT) {
        set(OPERAND_ANALOG_OUT, {_T("AQ"), NUM_ANALOG_OUT});
        nDivisor = 4;
    } else if (x >= NUM_ANALOG_IN) {
        set(OPERAND_ANALOG_IN, {_T("AI"), NUM_ANALOG_IN});
        nDivisor = 8;
    } else if (x >= NUM_HIGH) {
        setPrefix(OPERAND_HIGH, _T("High"));
    } else if (x >= NUM_LOW) {
        setPrefix(OPERAND_LOW, _T("Low"));
    } else if (x >= NUM_FLAG) {
        set(OPERAND_FLAG, {_T("M"), NUM_FLAG});
    } else if (x >= NUM_FKEY) {
        // Function and cursor keys read as they do on an FBD diagram rather than as shift bits.
        set(OPERAND_FKEY, {_T("F"), NUM_FKEY});
    } else if (x >= NUM_CURSOR_KEY) {
        set(OPERAND_CURSOR_KEY, {_T("C"), NUM_CURSOR_KEY});
    } else if (x >= NUM_SHIFT) {
        set(OPERAND_SHIFT, {_T("S"), NUM_SHIFT});
    } else if (x >= NUM_OUTPUT) {
        set(OPERAND_OUTPUT, {_T("Q"), NUM_OUTPUT});
        nDivisor = 16;
    } else if (x >= NUM_INPUT) {
        set(OPERAND_INPUT, {_T("I"), NUM_INPUT});
        nDivisor = 32;
    }

    const long long r = static_cast<long long>(x) - row.nBase;
    if (nDivisor != 0)
        return ModuleLabel(row.pszPrefix, r, nDivisor);
    // Status operands (low 1870.., high 2900..) are shown by their name alone.
    if (x >= NUM_LOW && x <= 3899)
        return row.pszPrefix;
    return PrefixNumber(row.pszPrefix, r);
}

// The far end of a wire being drawn is at a connector.
bool EndsAtConnector(const CConnectLineObj& line)
{
    const CBlockObj* pEnd = line.m_pEndBlock;
    return pEnd && (pEnd->IsKindOf(RUNTIME_CLASS(CBlockFemale)) || pEnd->IsKindOf(RUNTIME_CLASS(CBlockMale)));
}

bool Joins(const CConnectLineObj& line, const CBlockObj* pA, int nPinA, const CBlockObj* pB, int nPinB)
{
    return line.m_pStartBlock == pA && line.m_nStartPin == nPinA && line.m_pEndBlock == pB &&
           line.m_nEndPin == nPinB;
}

} // namespace

void CVetlaDoc::InitBlockCaptions()
{
    const BOOL bChinese = g_bChineseUI != 0;
    for (const BlockTypeRow& row : BlockTypeRows()) {
        if (!row.caption.pszEnglish || (bChinese && row.caption.chinese == ChineseCaption::NotWritten))
            continue;
        g_mapBlockCaption.SetAt(row.nType, BlockCaptionText(row.caption, bChinese));
    }
}

void CVetlaDoc::InitParameterNames()
{
    const auto names = ParameterNameTable();
    g_arrParameterNames.SetSize(INT_PTR(names.size()));
    for (std::size_t i = 0; i < names.size(); ++i)
        g_arrParameterNames.SetAt(INT_PTR(i), names[i]);
}

CString CVetlaDoc::GetBlockLabel(CBlockObj* pBlock) const
{
    if (!pBlock)
        return CString();
    const int nType = pBlock->m_nType;
    const int nNumber = pBlock->m_nNumber;
    if (nNumber >= NUM_FUNCTION_BLOCK && nNumber <= FUNCTION_BLOCK_LAST) {
        const BlockShortLabel label = ShortLabelOf(nType);
        if (label.bPrefixOnly)
            return label.pszPrefix;
        const bool bDataLog = BlockFamilyOf(nType) == BlockFamily::DataLog;
        return PrefixNumber(label.pszPrefix, nNumber - (bDataLog ? NUM_DATALOG : NUM_FUNCTION_BLOCK));
    }
    if (IsLadderElementType(nType))
        return LadderLabel(*pBlock, *this);
    return IoLabel(nType, pBlock->m_nOperand, IsNewGenerationDoc());
}

void CVetlaDoc::GetBlockChoiceLines(BlockChoice choice, int nExcludeNumber, CStringArray& lines) const
{
    const BOOL bNew = IsNewGenerationDoc();
    for (POSITION pos = m_blockList.GetHeadPosition(); pos;) {
        const auto* pBlock = static_cast<const CBlockObj*>(m_blockList.GetNext(pos));
        if (pBlock->m_nNumber == nExcludeNumber)
            continue;
        const int nType = pBlock->m_nType;
        const bool bFunction =
            GetBlockCategory(nType) == BLOCK_CATEGORY_FUNCTION && !pBlock->IsKindOf(RUNTIME_CLASS(CBlockLogic));
        bool bOffered = false;
        if (choice == BlockChoice::Value)
            bOffered = bFunction && (pBlock->m_nCapFlags & CAP_VALUE);
        else if (bNew)
            bOffered = bFunction && (pBlock->m_nCapFlags & CAP_REFERENCE);
        else
            bOffered = HasTypeFlag(nType, BTF_OLDER_REFERENCE);
        if (!bOffered)
            continue;
        lines.Add(BlockListText(pBlock->m_nNumber, nType));
    }
}

CConnectLineObj* CVetlaDoc::FindLineToConnector(CBlockObj* pConnector) const
{
    if (!pConnector)
        return nullptr;
    for (POSITION pos = m_lineList.GetHeadPosition(); pos;) {
        auto* pLine = static_cast<CConnectLineObj*>(m_lineList.GetNext(pos));
        // The end block is compared first: asking a block for its class costs more, and every
        // paint of a connector asks for the wire into its partner.
        if (pLine->m_pEndBlock == pConnector && EndsAtConnector(*pLine))
            return pLine;
    }
    return nullptr;
}

BOOL CVetlaDoc::IsDuplicateLine(CConnectLineObj* pLine, CBlockObj* pBlock, int nPin) const
{
    if (!pLine || !pBlock)
        return FALSE;
    // The end the wire is drawn from stays; the other end is the pin offered.
    const bool bFromStart = pLine->m_nDragEnd == 1;
    const CBlockObj* pFixed = bFromStart ? pLine->m_pStartBlock : pLine->m_pEndBlock;
    const int nFixedPin = bFromStart ? pLine->m_nStartPin : pLine->m_nEndPin;
    for (POSITION pos = m_lineList.GetHeadPosition(); pos;) {
        const auto* pOther = static_cast<const CConnectLineObj*>(m_lineList.GetNext(pos));
        if (pOther == pLine)
            continue;
        if (Joins(*pOther, pFixed, nFixedPin, pBlock, nPin) || Joins(*pOther, pBlock, nPin, pFixed, nFixedPin))
            return TRUE;
    }
    return FALSE;
}
