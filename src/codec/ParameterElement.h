// The elements of a message text that show a parameter, read back from an image: the image
// names the shown block's type and the entry of its parameter list, and the per-type parameter
// table gives the rest (the parameter-name id, the caption and the width in LCD cells), as the
// message-text pages give them when they place such an element.
#pragma once

#include <optional>

class CWidget;

struct ParameterEntry {
    int nParamId;
    int nWidth;
};

// Entry nIndex of the type's parameter list on a generation; none for a type without that entry.
std::optional<ParameterEntry> FindParameterEntry(int nType, int nIndex, bool bNewGeneration);
// The first entry of the type's list, whatever the generation (an analog input's or flag's value).
std::optional<ParameterEntry> FindFirstParameterEntry(int nType);
// Whether an element of the entry's width from 1-based nColumn ends by nLastColumn.
bool EntryFits(const ParameterEntry& entry, int nColumn, int nLastColumn);
// Gives the element the entry's id, caption and width.
void ApplyParameterEntry(CWidget& widget, const ParameterEntry& entry);
// Once the element's block is resolved: a drawn element takes the id and caption of the actual
// value it shows, a state name the first entry's id and the caption of its block's type.
void ApplyShownBlock(CWidget& widget);
