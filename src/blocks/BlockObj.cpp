#include "blocks/BlockObj.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockClock.h"
#include "blocks/BlockCounter.h"
#include "blocks/BlockDocument.h"
#include "blocks/BlockExtended.h"
#include "blocks/BlockFunction.h"
#include "blocks/BlockGenerator.h"
#include "blocks/BlockIn.h"
#include "blocks/BlockLadder.h"
#include "blocks/BlockMath.h"
#include "blocks/BlockNumberLookup.h"
#include "blocks/BlockOut.h"
#include "blocks/BlockPinKindTable.h"
#include "blocks/BlockRelay.h"
#include "blocks/BlockTypes.h"
#include "blocks/BlockWord.h"
#include "platform/core/StringArray.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

// A plain block keeps class schema 0; every subclass is declared versionable with schema 1.
IMPLEMENT_SERIAL(CBlockObj, CObject, 0)

// A fresh start assumes a newer-generation controller until a document says otherwise.
WORD g_wHardwareCode = 0x5188;

namespace {

constexpr int kParamDefaults[BLOCK_PARAM_COUNT] = {0, 0, 0, 0, 1, 2099, 2000, 0, 0,
                                                   0, 2, 0, 0, 0, 0, 0, 0};
constexpr int kParamExDefaults[BLOCK_PARAMEX_COUNT] = {0, 0, 2, 0, 1, 0, 0, 0,
                                                       0, 0, 0, 0, 0, 1, 1};

// Output kinds that survive in a ladder document: the contacts and the female connector feed
// other elements; every other element's output is the rung's end.
bool KeepsOutputKindInLadder(int nType)
{
    return nType == BT_MAKE || nType == BT_BREAK || nType == BT_ACONTACT || nType == BT_FEMALE;
}

// What CopyTo carries in addition for the newer controller generation, by destination class.
enum GenerationFields : unsigned {
    kParam3 = 0x01,       // the weekly timer's pulse output
    kParam3To6 = 0x02,    // m_nParam 3 .. 6: the yearly timer's, the UDC block's
    kParam7 = 0x04,       // the start value
    kParamEx10 = 0x08,    // the register index, the truth table
    kParamText = 0x10,    // m_strParamText
    kDoubleParam = 0x20,  // m_dParam
};

// The one word of m_nParamEx that a copy carries on the newer generation only.
constexpr int kNewerGenerationParamEx = SREG_INDEX_PARAMEX;
static_assert(BOOLEAN_TABLE_PARAMEX == kNewerGenerationParamEx);
// The counter's and the encoder's start values share a word.
static_assert(ENCODER_START_PARAM == COUNTER_START_PARAM);

struct GenerationRule {
    const CRuntimeClass* pClass;
    unsigned nFields;
};

const GenerationRule kGenerationRules[] = {
    {RUNTIME_CLASS(CBlockWT), kParam3},
    {RUNTIME_CLASS(CBlockYT), kParam3To6},      {RUNTIME_CLASS(CBlockUDC), kParam3To6},
    {RUNTIME_CLASS(CBlockCOUNTER), kParam7},    {RUNTIME_CLASS(CBlockENCODER), kParam7},
    {RUNTIME_CLASS(CBlockSREG), kParamEx10},    {RUNTIME_CLASS(CBlockBoolean), kParamEx10},
    {RUNTIME_CLASS(CBlockAC), kParamText},      {RUNTIME_CLASS(CBlockANDM), kParamText},
    {RUNTIME_CLASS(CBlockORM), kParamText},     {RUNTIME_CLASS(CBlockNOTM), kParamText},
    {RUNTIME_CLASS(CBlockNANDM), kParamText},   {RUNTIME_CLASS(CBlockNORM), kParamText},
    {RUNTIME_CLASS(CBlockXORM), kParamText},    {RUNTIME_CLASS(CBlockLOG), kDoubleParam},
    {RUNTIME_CLASS(CBlockSQRT), kDoubleParam},  {RUNTIME_CLASS(CBlockPOW2), kDoubleParam},
    {RUNTIME_CLASS(CBlockEXP), kDoubleParam},   {RUNTIME_CLASS(CBlockFIX), kDoubleParam},
    {RUNTIME_CLASS(CBlockROUND), kDoubleParam}, {RUNTIME_CLASS(CBlockSIN), kDoubleParam},
    {RUNTIME_CLASS(CBlockCOS), kDoubleParam},   {RUNTIME_CLASS(CBlockTAN), kDoubleParam},
    {RUNTIME_CLASS(CBlockCOT), kDoubleParam},   {RUNTIME_CLASS(CBlockSEC), kDoubleParam},
    {RUNTIME_CLASS(CBlockCSC), kDoubleParam},   {RUNTIME_CLASS(CBlockQUAD), kDoubleParam},
};

unsigned GenerationFieldsOf(const CBlockObj* pBlock)
{
    unsigned nFields = 0;
    for (const GenerationRule& rule : kGenerationRules) {
        if (pBlock->IsKindOf(rule.pClass))
            nFields |= rule.nFields;
    }
    return nFields;
}

}  // namespace

CBlockObj::CBlockObj()
{
    InitDefaults(0, 4);
}

CBlockObj::CBlockObj(int nType, int nInputs)
{
    InitDefaults(nType, nInputs);
    InitPins();
}

CBlockObj::~CBlockObj() = default;

void CBlockObj::InitDefaults(int nType, int nInputs)
{
    for (int i = 0; i < BLOCK_PARAM_COUNT; ++i)
        m_nParam[i] = kParamDefaults[i];
    for (int i = 0; i < BLOCK_PARAMEX_COUNT; ++i)
        m_nParamEx[i] = kParamExDefaults[i];
    for (int k = 0; k < BLOCK_REF_COUNT; ++k) {
        m_nRefBlock[k] = -1;
        m_pRefBlock[k] = nullptr;
    }
    m_nAux[INPUT_SIM_START_AUX] = 1;
    m_nAux[INPUT_SIM_VALUE_AUX] = 0;
    m_nAux[BLOCK_VALUE_MIN_AUX] = 0;
    m_nAux[BLOCK_VALUE_MAX_AUX] = 9999;
    m_nEditorInput[0] = 1;
    m_nEditorInput[1] = 1;
    m_nType = nType;
    m_nInputs = nInputs;
    m_nOutputs = 1;
}

void CBlockObj::InitPins()
{
    for (int nPin = 0; nPin < BLOCK_PIN_COUNT; ++nPin) {
        if (!IsPinUsed(nPin))
            continue;
        const bool bOutput = nPin >= BLOCK_FIRST_OUTPUT;
        m_nPinSource[nPin] = bOutput ? LINK_OUTPUT : LINK_OPEN;
        m_nPinKind[nPin] = PinKindOf(m_nType, nPin);
        m_bPinInvert[nPin] = 0;
        m_nPinValue[nPin] = 0;
        m_dPinValue[nPin] = 0.0;
        m_bPinChanged[nPin] = 0;
    }
}

void CBlockObj::ReinitPins(IBlockDocument* pDoc)
{
    for (int nPin = 0; nPin < BLOCK_PIN_COUNT; ++nPin) {
        if (IsPinUsed(nPin))
            m_nPinKind[nPin] = PinKindOf(m_nType, nPin);
    }
    if (pDoc && pDoc->IsLadder())
        ApplyLadderOutputKinds();
}

void CBlockObj::ApplyLadderOutputKinds()
{
    if (KeepsOutputKindInLadder(m_nType))
        return;
    for (int nPin = BLOCK_FIRST_OUTPUT; nPin < BLOCK_PIN_COUNT; ++nPin) {
        if (IsPinUsed(nPin))
            m_nPinKind[nPin] = PINKIND_NONE;
    }
}

BOOL CBlockObj::IsPinUsed(int nPin) const
{
    if (nPin >= 0 && nPin < BLOCK_FIRST_OUTPUT)
        return nPin < m_nInputs;
    if (nPin >= BLOCK_FIRST_OUTPUT && nPin < BLOCK_PIN_COUNT)
        return nPin < BLOCK_FIRST_OUTPUT + m_nOutputs;
    return FALSE;
}

CBlockObj* AsBlock(CObject* pOb)
{
    return pOb && pOb->IsKindOf(RUNTIME_CLASS(CBlockObj)) ? static_cast<CBlockObj*>(pOb) : nullptr;
}

BOOL IsAnyOf(const CBlockObj& block, std::initializer_list<const CRuntimeClass*> classes)
{
    return std::any_of(classes.begin(), classes.end(),
                       [&block](const CRuntimeClass* pClass) { return block.IsKindOf(pClass); });
}

void CBlockObj::InitForDocument(IBlockDocument* pDoc)
{
    m_pDocument = pDoc;
    if (pDoc && pDoc->IsLadder())
        ApplyLadderOutputKinds();
}

BOOL CBlockObj::CopiesNewGeneration(const CBlockObj* pDst) const
{
    return m_pDocument || !pDst ? IsNewGeneration() : pDst->IsNewGeneration();
}

WORD CBlockObj::GetHardwareCode() const
{
    return m_pDocument ? m_pDocument->GetHardwareCode() : g_wHardwareCode;
}

BOOL CBlockObj::IsNewGeneration() const
{
    return ::IsNewGeneration(GetHardwareCode());
}

BOOL CBlockObj::GetRect(CRect* pRect) const
{
    pRect->SetRect(m_ptPos.x, m_ptPos.y, m_ptPos.x + m_nWidth, m_ptPos.y + m_nHeight);
    return TRUE;
}

BOOL CBlockObj::GetPinRect(CRect* pRect, int nPin, int nSize) const
{
    if (!IsPinUsed(nPin)) {
        pRect->SetRectEmpty();
        return FALSE;
    }
    const int k = nSize < 2 ? 1 : 2;
    const int e = nSize < 2 ? 0 : nSize / 2;
    const int a = nSize < 2 ? 0 : (3 * nSize) / 2;
    int nCentre = 0;
    int nLeft = 0;
    int nRight = 0;
    if (nPin < BLOCK_FIRST_OUTPUT) {
        const int nStep = m_nHeight / (m_nInputs + 1);
        nCentre = m_ptPos.y + nStep * (nPin + 1);
        nLeft = m_ptPos.x - a - 2;
        nRight = m_ptPos.x + 2;
    } else {
        const int nStep = m_nHeight / (m_nOutputs + 1);
        nCentre = m_ptPos.y + nStep * (nPin - 9);
        nLeft = m_ptPos.x + m_nWidth - 2;
        nRight = nLeft + a + 2;
    }
    pRect->SetRect(nLeft, nCentre - e - k, nRight, nCentre + e + k);
    return TRUE;
}

int CBlockObj::HitTest(CPoint point) const
{
    CRect body;
    GetRect(&body);
    // The rail is a thin line; a band around it keeps it clickable.
    if (m_nType == BT_POWERBUS)
        body.InflateRect(5, 0);
    if (body.PtInRect(point))
        return 20;
    for (int nPin = 0; nPin < BLOCK_PIN_COUNT; ++nPin) {
        if (!IsPinUsed(nPin) || m_nPinKind[nPin] == PINKIND_NONE)
            continue;
        CRect pin;
        if (GetPinRect(&pin, nPin, 5) && pin.PtInRect(point))
            return nPin;
    }
    return -1;
}

void CBlockObj::GetHandleRect(CRect rects[4]) const
{
    const int l = m_ptPos.x;
    const int t = m_ptPos.y;
    const int r = m_ptPos.x + m_nWidth;
    const int b = m_ptPos.y + m_nHeight;
    const CPoint corners[4] = {CPoint(l, t), CPoint(l, b), CPoint(r, b), CPoint(r, t)};
    for (int i = 0; i < 4; ++i)
        rects[i].SetRect(corners[i].x - 4, corners[i].y - 4, corners[i].x + 4, corners[i].y + 4);
}

int IntToBCD(int n)
{
    return ((n / 1000) << 12) | (((n % 1000) / 100) << 8) | (((n % 100) / 10) << 4) | (n % 10);
}

int BCDToInt(int v)
{
    if (v < 0)
        v = 0;
    if (v >= 0x999A)
        v = 0x9999;
    int nResult = 0;
    for (int nShift = 12; nShift >= 0; nShift -= 4) {
        const int nDigit = (v >> nShift) & 0xF;
        if (nDigit > 9)
            return 0;
        nResult = nResult * 10 + nDigit;
    }
    return nResult;
}

int Gcd(int a, int b)
{
    int r = a % b;
    while (r != 0) {
        a = b;
        b = r;
        r = a % b;
    }
    return b;
}

int Lcm(int a, int b)
{
    return (a / Gcd(a, b)) * b;
}

void CBlockObj::CopyTo(CBlockObj* pDst, BOOL bGeometry)
{
    if (!pDst)
        return;
    pDst->m_nNumber = m_nNumber;
    pDst->m_bShowComment = m_bShowComment;
    pDst->m_strComment = m_strComment;
    pDst->m_strText = m_strText;
    pDst->m_nOperand = m_nOperand;
    pDst->m_strLabelSuffix = m_strLabelSuffix;
    // Word 12 is the unit of a referenced off time: a copy without it would read the
    // referenced value in another unit.
    for (int i : {0, 1, 2, 8, 9, 10, 11, 12, 13, 14})
        pDst->m_nParam[i] = m_nParam[i];
    for (int k : {0, 1})
        CopyReference(pDst, k);
    for (int i = 0; i < BLOCK_PARAMEX_COUNT; ++i) {
        if (i != kNewerGenerationParamEx)
            pDst->m_nParamEx[i] = m_nParamEx[i];
    }
    if (CopiesNewGeneration(pDst))
        CopyGenerationFields(pDst);
    if (bGeometry) {
        pDst->m_ptPos = m_ptPos;
        for (int nPin = 0; nPin < BLOCK_PIN_COUNT; ++nPin) {
            if (IsPinUsed(nPin))
                pDst->m_nPinSource[nPin] = m_nPinSource[nPin];
        }
        pDst->m_ptPos2 = m_ptPos2;
        pDst->m_nWidth = m_nWidth;
        pDst->m_nHeight = m_nHeight;
    }
}

void CBlockObj::CopyReference(CBlockObj* pDst, int k) const
{
    pDst->m_nRefBlock[k] = m_nRefBlock[k];
    pDst->m_pRefBlock[k] = m_pRefBlock[k];
}

void CBlockObj::CopyGenerationFields(CBlockObj* pDst) const
{
    const unsigned nFields = GenerationFieldsOf(pDst);
    // References 2 and 3 go with every class: the number, the flag and the block together, as
    // the ladder conversion points the copy's references at its own blocks by number.
    for (int k : {2, 3}) {
        pDst->m_nParam[BLOCK_REF_USED_PARAM + k] = m_nParam[BLOCK_REF_USED_PARAM + k];
        CopyReference(pDst, k);
    }
    if (nFields & kParam3)
        pDst->m_nParam[WT_PULSE_PARAM] = m_nParam[WT_PULSE_PARAM];
    if (nFields & kParam3To6) {
        for (int i = 3; i <= 6; ++i)
            pDst->m_nParam[i] = m_nParam[i];
    }
    if (nFields & kParam7)
        pDst->m_nParam[COUNTER_START_PARAM] = m_nParam[COUNTER_START_PARAM];
    if (nFields & kParamEx10)
        pDst->m_nParamEx[kNewerGenerationParamEx] = m_nParamEx[kNewerGenerationParamEx];
    if (nFields & kParamText)
        pDst->m_strParamText = m_strParamText;
    if (nFields & kDoubleParam)
        pDst->m_dParam = m_dParam;
}

void CBlockObj::GetInputValue(WORD* pOut, int nPin) const
{
    *pOut = 0;
    if (nPin < 0 || nPin >= BLOCK_PIN_COUNT || !m_pDocument)
        return;
    FindInputValue(m_pDocument, m_nPinSource[nPin], pOut);
}

void CBlockObj::GetFormulaText(CString& strOut, CStringArray& parts) const
{
    if (!IsKindOf(RUNTIME_CLASS(CBlockAMATH)))
        return;
    // The end of the formula is an empty entry.
    std::vector<CString> tokens;
    for (const FormulaToken& token : AnalogFormulaTokens(FormulaInputsOf(*this))) {
        CString strToken;
        if (token.kind == FormulaToken::Operand)
            strToken.Format(_T("%d"), token.nValue);
        else if (token.kind != FormulaToken::End)
            strToken = CString(TCHAR(token.chSymbol));
        tokens.push_back(strToken);
    }

    constexpr int kPartCount = 20;
    parts.RemoveAll();
    parts.SetSize(kPartCount);
    strOut.Empty();
    bool bEnded = false;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        parts[INT_PTR(i)] = tokens[i];
        bEnded = bEnded || tokens[i].IsEmpty();
        if (!bEnded)
            strOut += tokens[i];
    }
}
