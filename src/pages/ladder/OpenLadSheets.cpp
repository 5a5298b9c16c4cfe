#include "pages/ladder/OpenLadSheets.h"

#include "pages/ladder/PropShLadIO.h"

#include <algorithm>

CPropShLadIO* COpenLadSheets::Find(int nElementNumber) const
{
    const auto it = std::find_if(m_sheets.begin(), m_sheets.end(),
                                 [nElementNumber](const CPropShLadIO* p) { return p->m_nElementNumber == nElementNumber; });
    return it != m_sheets.end() ? *it : nullptr;
}

void COpenLadSheets::Remove(CPropShLadIO* pSheet) { std::erase(m_sheets, pSheet); }

void COpenLadSheets::CloseAll()
{
    // Each destroyed window takes its sheet out of the list.
    const std::vector<CPropShLadIO*> sheets = m_sheets;
    for (CPropShLadIO* pSheet : sheets) {
        if (IsWindow(pSheet))
            pSheet->DestroyWindow();
        else
            Remove(pSheet);
    }
}
