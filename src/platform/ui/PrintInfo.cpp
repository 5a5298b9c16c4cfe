#include "platform/ui/PrintInfo.h"

#include <algorithm>

CPrintInfo::CPrintInfo()
    : m_pPD(std::make_unique<CPrintDialog>(FALSE, PD_ALLPAGES | PD_USEDEVMODECOPIES |
                                                      PD_NOSELECTION))
{
}

UINT CPrintInfo::GetFromPage() const
{
    const PrintDialogSettings& pd = m_pPD->m_pd;
    if (!m_pPD->PrintRange())
        return pd.nMinPage;
    return std::clamp<UINT>(pd.nFromPage, pd.nMinPage, std::max(pd.nMinPage, pd.nMaxPage));
}

UINT CPrintInfo::GetToPage() const
{
    const PrintDialogSettings& pd = m_pPD->m_pd;
    if (!m_pPD->PrintRange())
        return pd.nMaxPage;
    return std::clamp<UINT>(pd.nToPage, GetFromPage(), std::max(pd.nMinPage, pd.nMaxPage));
}
