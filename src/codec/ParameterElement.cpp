#include "codec/ParameterElement.h"

#include "blocks/ParamTables.h"
#include "blocks/Widget.h"
#include "blocks/BlockObj.h"
#include "document/BlockNames.h"
#include "document/ParameterCaption.h"

namespace {

std::optional<ParameterEntry> EntryOfId(int nParamId)
{
    if (nParamId < 0 || nParamId >= PARAM_NAME_COUNT)
        return std::nullopt;
    return ParameterEntry{nParamId, g_arrParamWidth[nParamId]};
}

} // namespace

std::optional<ParameterEntry> FindParameterEntry(int nType, int nIndex, bool bNewGeneration)
{
    return EntryOfId(BlockParamId(FindBlockParamRow(nType), nIndex, bNewGeneration));
}

std::optional<ParameterEntry> FindFirstParameterEntry(int nType)
{
    return EntryOfId(FirstBlockParamId(FindBlockParamRow(nType)));
}

bool EntryFits(const ParameterEntry& entry, int nColumn, int nLastColumn)
{
    return nColumn >= 1 && nColumn + entry.nWidth - 1 <= nLastColumn;
}

void ApplyParameterEntry(CWidget& widget, const ParameterEntry& entry)
{
    widget.m_nParamId = entry.nParamId;
    widget.m_nWidth = entry.nWidth;
    widget.m_strCaption = ParameterCaption(entry.nParamId);
}

void ApplyShownBlock(CWidget& widget)
{
    if (!widget.m_pBlock)
        return;
    const int* pRow = FindBlockParamRow(widget.m_pBlock->m_nType);
    switch (widget.m_nKind) {
    case WIDGET_KIND_BARGRAPH:
    case WIDGET_KIND_SCALETIME:
    case WIDGET_KIND_SCOPE:
    case WIDGET_KIND_POINTER:
        widget.m_nParamId = ActualValueId(pRow, widget.m_nValueIndex);
        widget.m_strCaption = ParameterName(widget.m_nParamId);
        return;
    case WIDGET_KIND_IOSTATUSNAME:
        widget.m_nParamId = pRow ? FirstBlockParamId(pRow) : 0;
        widget.m_strCaption.Empty();
        g_mapBlockCaption.Lookup(widget.m_pBlock->m_nType, widget.m_strCaption);
        return;
    default:
        return;
    }
}
