#include "codec/ParameterElement.h"

#include "blocks/ParamTables.h"
#include "blocks/Widget.h"
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
