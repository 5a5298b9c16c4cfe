#include "blocks/BlockDataLog.h"

#include "blocks/BlockSetup.h"
#include "blocks/BlockTypes.h"
#include "platform/core/Archive.h"
#include "platform/core/Exception.h"

IMPLEMENT_SERIAL(CBlockDataLog, CBlockObj, VERSIONABLE_SCHEMA | 1)

namespace {

// The log records what other blocks do: it has no output and its second pin holds a text.
constexpr BlockSetup kDataLogSetup = {
    .nType = BT_DATALOG, .nInputs = 2, .nCapFlags = 0x00, .links = {{{1, LINK_PARAM}}}};

}  // namespace

CBlockDataLog::CBlockDataLog()
{
    ApplyLoadDefaults(*this, kDataLogSetup);
}

CBlockDataLog::CBlockDataLog(int nType) : CBlockObj(nType, kDataLogSetup.nInputs)
{
    ApplyBlockSetup(*this, kDataLogSetup);
    m_nOutputs = 0;
}

void CBlockDataLog::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        // The reader takes the item count from the common record, so the record must carry
        // the number of items that follow it.
        m_nParam[DATALOG_COUNT_PARAM] = int(m_arrLogItems.GetSize());
        CBlockObj::Serialize(ar);
        for (INT_PTR i = 0; i < m_arrLogItems.GetSize(); ++i) {
            const DataLogItem& item = m_arrLogItems[i];
            ar << item.strItem << item.strParam << item.nValue1 << item.nValue2;
        }
        return;
    }
    CBlockObj::Serialize(ar);
    const int nCount = m_nParam[DATALOG_COUNT_PARAM];
    if (nCount < 0 || nCount > DATALOG_MAX_ITEMS)
        AfxThrowArchiveException(CArchiveException::generic);
    m_arrLogItems.SetSize(nCount);
    for (int i = 0; i < nCount; ++i) {
        DataLogItem& item = m_arrLogItems[i];
        ar >> item.strItem >> item.strParam >> item.nValue1 >> item.nValue2;
        item.nSpare = nullptr;
    }
}

void CBlockDataLog::CopyTo(CBlockObj* pDst, BOOL bGeometry)
{
    if (!pDst)
        return;
    CBlockObj::CopyTo(pDst, bGeometry);
    if (!pDst->IsKindOf(RUNTIME_CLASS(CBlockDataLog)))
        return;
    // The items are not copied; the count, copied with the common words, must name the items
    // that the destination holds.
    auto* pLog = static_cast<CBlockDataLog*>(pDst);
    pLog->m_nParam[DATALOG_COUNT_PARAM] = int(pLog->m_arrLogItems.GetSize());
}
