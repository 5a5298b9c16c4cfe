#include "pages/sheet/LiveValues.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockObj.h"

int TruncatedValue(const CBlockObj& block) { return int(block.m_dRunTime); }

BOOL TimeLiveValue(CBlockObj& block, const CSimContext& sim, CString& strText)
{
    block.FormatTime(&sim, strText);
    return !strText.IsEmpty();
}

BOOL KeptTimeLiveValue(CBlockObj& block, const CSimContext&, CString& strText)
{
    strText = block.m_strTimeText;
    return TRUE;
}

BOOL AnalogLiveValue(CBlockObj& block, const CSimContext&, CString& strText)
{
    const auto* pAnalog = dynamic_cast<const CBlockAnalog*>(&block);
    if (!pAnalog)
        return FALSE;
    strText.Format(_T("%6d"), pAnalog->m_nValue);
    return TRUE;
}
