#include "pages/sheet/BlockPageRegistry.h"

#include "blocks/BlockObj.h"
#include "blocks/BlockTime.h"
#include "document/AnalogRanges.h"
#include "document/VetlaDoc.h"
#include "pages/blocks/AnalogPageRows.h"
#include "pages/blocks/FunctionPageRows.h"
#include "pages/blocks/IoPageRows.h"
#include "pages/blocks/LogicPageRows.h"
#include "pages/blocks/MiscPageRows.h"
#include "pages/blocks/TimerPageRows.h"
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

BlockPageRow MakeRow(const SheetTypeRow& type)
{
    BlockPageRow row;
    if (type.pPage)
        static_cast<SheetPage&>(row) = *type.pPage;
    row.nType = type.nType;
    row.nHelpTopic = type.nHelpTopic;
    row.nGrowth = type.nGrowth;
    row.pfnLiveValue = type.pfnLiveValue;
    // A block that measures an analog input fits that input's range to its own again.
    if (!row.pfnAfterWrite && MeasuresAnalogRange(type.nType))
        row.pfnAfterWrite = RefreshAnalogSources;
    AddSharedTexts(row);
    return row;
}

std::vector<BlockPageRow> BuildRows()
{
    std::vector<BlockPageRow> rows;
    for (const std::span<const SheetTypeRow> family :
         {LogicPageRows(), IoPageRows(), TimerPageRows(), FunctionPageRows(), AnalogPageRows(), MiscPageRows()}) {
        for (const SheetTypeRow& type : family)
            rows.push_back(MakeRow(type));
    }
    std::sort(rows.begin(), rows.end(), [](const BlockPageRow& a, const BlockPageRow& b) { return a.nType < b.nType; });
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
