#include "pages/sheet/OpenSheets.h"

#include "blocks/BlockObj.h"
#include "document/VetlaDoc.h"
#include "pages/sheet/AllPropertySheet.h"

#include <algorithm>

CAllPropertySheet* COpenSheets::Find(int nBlockNumber) const
{
    const auto it = std::find_if(m_sheets.begin(), m_sheets.end(), [nBlockNumber](const CAllPropertySheet* p) {
        return p->m_nBlockNumber == nBlockNumber;
    });
    return it == m_sheets.end() ? nullptr : *it;
}

void COpenSheets::Add(CAllPropertySheet* pSheet) { m_sheets.push_back(pSheet); }

void COpenSheets::Remove(CAllPropertySheet* pSheet) { std::erase(m_sheets, pSheet); }

BOOL COpenSheets::Renumber(int nOld, int nNew)
{
    CAllPropertySheet* pSheet = Find(nOld);
    if (!pSheet)
        return FALSE;
    pSheet->m_nBlockNumber = nNew;
    return TRUE;
}

void COpenSheets::RefreshValue(CBlockObj& block, const CSimContext& sim) const
{
    if (CAllPropertySheet* pSheet = Find(block.m_nNumber))
        pSheet->RefreshValue(block, sim);
}

void COpenSheets::RefreshAll(const CVetlaDoc& doc, const CSimContext& sim) const
{
    for (CAllPropertySheet* pSheet : m_sheets) {
        if (CBlockObj* pBlock = doc.FindBlockByNumber(pSheet->m_nBlockNumber))
            pSheet->RefreshValue(*pBlock, sim);
    }
}

void COpenSheets::CloseAll()
{
    // Each sheet leaves the list while its window goes.
    const std::vector<CAllPropertySheet*> sheets = m_sheets;
    for (CAllPropertySheet* pSheet : sheets) {
        if (IsWindow(pSheet))
            pSheet->DestroyWindow();
        else
            Remove(pSheet);
    }
}
