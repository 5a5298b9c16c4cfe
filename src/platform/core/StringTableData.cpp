// The program's string table, sorted by id. Later work adds the program's own texts here; an id
// may have an English text, a Chinese text or both (nullptr for the missing one).
#include "platform/core/StringTable.h"

namespace {

constexpr StringTableEntry kEntries[] = {
    {AFX_IDP_PARSE_INT, u"Please enter an integer.", nullptr},
    {AFX_IDP_PARSE_REAL, u"Please enter a number.", nullptr},
    {AFX_IDP_PARSE_INT_RANGE, u"Please enter an integer between %1 and %2.", nullptr},
    {AFX_IDP_PARSE_REAL_RANGE, u"Please enter a number between %1 and %2.", nullptr},
    {AFX_IDP_PARSE_STRING_SIZE, u"Enter no more than %1 characters.", nullptr},
    {AFX_IDP_PARSE_RADIO_BUTTON, u"Please select a button.", nullptr},
    {AFX_IDP_PARSE_BYTE, u"Please enter an integer between 0 and 255.", nullptr},
    {AFX_IDP_PARSE_UINT, u"Please enter a positive integer.", nullptr},
};

static_assert(IsSortedUniqueById(kEntries), "string table entries must be sorted by id, without repeats");

} // namespace

std::span<const StringTableEntry> ProgramStringEntries()
{
    return kEntries;
}
