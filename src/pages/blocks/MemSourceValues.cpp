#include "pages/blocks/MemSourceValues.h"

#include "document/BlockNames.h"
#include "document/LoggableParams.h"

std::vector<int> MemSourceValueIds(int nType)
{
    const std::span<const int> ids = LoggableParamIds(nType);
    return std::vector<int>(ids.begin(), ids.end());
}

std::vector<CString> MemSourceValueNames(int nType)
{
    const auto table = ParameterNameTable();
    std::vector<CString> names;
    for (int nId : MemSourceValueIds(nType)) {
        // The names of the interface's language once the document filled them, else English.
        if (nId < g_arrParameterNames.GetSize())
            names.push_back(g_arrParameterNames[nId]);
        else
            names.emplace_back(size_t(nId) < table.size() ? table[size_t(nId)] : _T(""));
    }
    return names;
}
