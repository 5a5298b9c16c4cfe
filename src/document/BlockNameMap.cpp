#include "document/BlockNameMap.h"

#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"

#include <algorithm>
#include <vector>

CMap<int, int, CString, LPCTSTR> g_mapBlockNames;

void InitBlockNames()
{
    std::vector<const BlockTypeRow*> named;
    for (const BlockTypeRow& row : BlockTypeRows()) {
        if (row.listName.pszName)
            named.push_back(&row);
    }
    std::ranges::sort(named, {}, [](const BlockTypeRow* pRow) { return pRow->listName.nOrder; });
    g_mapBlockNames.RemoveAll();
    g_mapBlockNames.InitHashTable(BLOCK_NAME_HASH_SIZE);
    for (const BlockTypeRow* pRow : named)
        g_mapBlockNames.SetAt(pRow->nType, pRow->listName.pszName);
}

CString BlockListText(int nNumber, int nType)
{
    CString strName;
    g_mapBlockNames.Lookup(nType, strName);
    CString strText;
    strText.Format(_T("B%d%s"), static_cast<long long>(nNumber) - NUM_FUNCTION_BLOCK, strName);
    return strText;
}
