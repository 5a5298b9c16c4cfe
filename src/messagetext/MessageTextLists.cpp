#include "messagetext/MessageTextLists.h"

#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "blocks/ParamTables.h"
#include "blocks/Widget.h"
#include "document/VetlaDoc.h"
#include "platform/ui/ComboBox.h"

#include <cwctype>

int BlockNumberOfEntry(const CString& strEntry)
{
    if (strEntry.GetLength() < 2 || strEntry.GetAt(0) != _T('B') || !std::iswdigit(strEntry.GetAt(1)))
        return -1;
    int nValue = 0;
    for (int i = 1; i < strEntry.GetLength() && std::iswdigit(strEntry.GetAt(i)) && nValue < 100000; ++i)
        nValue = nValue * 10 + (strEntry.GetAt(i) - _T('0'));
    return nValue + NUM_FUNCTION_BLOCK;
}

bool HasActualValueBlock(const CVetlaDoc* pDoc)
{
    if (!pDoc)
        return false;
    CStringArray lines;
    pDoc->GetBlockChoiceLines(CVetlaDoc::BlockChoice::Value, -1, lines);
    return lines.GetSize() > 0;
}

void FillActualValueBlocks(CComboBox& combo, const CVetlaDoc* pDoc, int nSelectNumber)
{
    combo.ResetContent();
    if (!pDoc)
        return;
    CStringArray lines;
    pDoc->GetBlockChoiceLines(CVetlaDoc::BlockChoice::Value, -1, lines);
    for (INT_PTR i = 0; i < lines.GetSize(); ++i) {
        const int nIndex = combo.AddString(lines[i]);
        if (BlockNumberOfEntry(lines[i]) == nSelectNumber)
            combo.SetCurSel(nIndex);
    }
}

void FillActualValues(CComboBox& combo, int nType)
{
    combo.ResetContent();
    const int* pRow = FindBlockParamRow(nType);
    for (int i = 0; i < ActualValueCount(pRow); ++i)
        combo.AddString(ParameterName(ActualValueId(pRow, i)));
}

int SelectedBlockNumber(const CComboBox& combo)
{
    const int nSel = combo.GetCurSel();
    if (nSel < 0)
        return -1;
    CString strEntry;
    combo.GetLBText(nSel, strEntry);
    return BlockNumberOfEntry(strEntry);
}

void RefillActualValues(const CComboBox& blocks, CComboBox& actual, const CVetlaDoc* pDoc)
{
    const CBlockObj* pBlock = pDoc ? pDoc->FindBlockByNumber(SelectedBlockNumber(blocks)) : nullptr;
    FillActualValues(actual, pBlock ? pBlock->m_nType : 0);
    if (actual.GetCurSel() < 0 && actual.GetCount() > 0)
        actual.SetCurSel(0);
}

int ChosenActualValueId(const CVetlaDoc* pDoc, int nNumber, int nActual, CBlockObj** ppBlock)
{
    CBlockObj* pBlock = pDoc ? pDoc->FindBlockByNumber(nNumber) : nullptr;
    *ppBlock = pBlock;
    return pBlock ? ActualValueId(FindBlockParamRow(pBlock->m_nType), nActual) : -1;
}

void BindWidgetToValue(CWidget* pWidget, int nNumber, CBlockObj* pBlock, int nParamId)
{
    if (!pWidget)
        return;
    pWidget->m_nBlockNumber = nNumber;
    pWidget->m_pBlock = pBlock;
    pWidget->m_nParamId = nParamId;
}
