#include "blocks/BlockTime.h"

#include "blocks/BlockTypes.h"
#include "blocks/SimTime.h"
#include "platform/core/Archive.h"
#include "platform/core/Exception.h"

#include <algorithm>
#include <iterator>
#include <type_traits>

IMPLEMENT_SERIAL(CBlockTime, CBlockObj, VERSIONABLE_SCHEMA | 1)

namespace {

// Which generic words of a timer hold a time-base index (into g_TimeBaseTable) or the unit of
// a referenced time (into g_TimeLimitTable). Only the words a class reads as such are checked:
// the astronomical clock keeps its time zone in m_nParamEx[2], and the stopwatch has a fourth
// time base (10 ms) of its own.
struct TimeBaseWords {
    int nType;
    bool bOnBase;     // m_nParam[10]
    bool bOnRefUnit;  // m_nParam[11]
    bool bOffBase;    // m_nParamEx[2]
    bool bOffRefUnit; // m_nParam[12]
    int nOnBaseCount; // valid ON base indexes 0 .. count-1
};

constexpr TimeBaseWords kTimeBaseWords[] = {
    {BT_DPR, true, true, false, false, TIME_BASE_COUNT},
    {BT_DDR, true, true, false, false, TIME_BASE_COUNT},
    {BT_MPLR, true, true, true, true, TIME_BASE_COUNT},
    {BT_PLR, true, true, false, false, TIME_BASE_COUNT},
    {BT_CPG, true, true, false, false, TIME_BASE_COUNT},
    {BT_RPR, true, true, true, true, TIME_BASE_COUNT},
    {BT_APG, true, true, true, true, TIME_BASE_COUNT},
    {BT_RG, true, true, true, true, TIME_BASE_COUNT},
    {BT_SLS, true, false, true, true, TIME_BASE_COUNT},
    {BT_MFS, true, true, true, true, TIME_BASE_COUNT},
    {BT_WT, true, false, false, false, TIME_BASE_COUNT},
    {BT_YT, true, false, false, false, TIME_BASE_COUNT},
    {BT_AC, true, false, false, false, TIME_BASE_COUNT},
    {BT_SW, true, false, false, false, TIME_BASE_COUNT + 1},
};

bool InRange(int nIndex, int nCount)
{
    return nIndex >= 0 && nIndex < nCount;
}

template <class T, std::size_t N>
void SerializeInts(CArchive& ar, T (&values)[N])
{
    for (T& value : values) {
        if constexpr (std::is_array_v<T>)
            SerializeInts(ar, value);
        else if (ar.IsStoring())
            ar << value;
        else
            ar >> value;
    }
}

} // namespace

CBlockTime::CBlockTime()
{
    std::fill(std::begin(m_bOnDisabled), std::end(m_bOnDisabled), 1);
    std::fill(std::begin(m_bOffDisabled), std::end(m_bOffDisabled), 1);
}

CBlockTime::CBlockTime(int nType, int nInputs) : CBlockObj(nType, nInputs)
{
    m_nAux[3] = 99;
    m_nSetpointChanged = -1;
    std::fill(std::begin(m_bOnDisabled), std::end(m_bOnDisabled), 1);
    std::fill(std::begin(m_bOffDisabled), std::end(m_bOffDisabled), 1);
}

void CBlockTime::Serialize(CArchive& ar)
{
    CBlockObj::Serialize(ar);
    SerializeCams(ar);
    if (ar.IsLoading())
        CheckTimeBases();
}

// Record order: the 21 day flags, the ON times, the ON-unset flags, the OFF times, the
// OFF-unset flags, each cam 0 first.
void CBlockTime::SerializeCams(CArchive& ar)
{
    SerializeInts(ar, m_bDay);
    SerializeInts(ar, m_nOnTime);
    SerializeInts(ar, m_bOnDisabled);
    SerializeInts(ar, m_nOffTime);
    SerializeInts(ar, m_bOffDisabled);
}

// The steps and the value texts index the time tables with these words; a damaged record must
// fail the load rather than lead them past the tables.
void CBlockTime::CheckTimeBases() const
{
    const auto* pEnd = std::end(kTimeBaseWords);
    const auto* pRow = std::find_if(std::begin(kTimeBaseWords), pEnd,
                                    [this](const TimeBaseWords& row) { return row.nType == m_nType; });
    if (pRow == pEnd)
        return;
    const bool bValid = (!pRow->bOnBase || InRange(m_nParam[10], pRow->nOnBaseCount)) &&
                        (!pRow->bOnRefUnit || InRange(m_nParam[11], TIME_BASE_COUNT)) &&
                        (!pRow->bOffBase || InRange(m_nParamEx[2], TIME_BASE_COUNT)) &&
                        (!pRow->bOffRefUnit || InRange(m_nParam[12], TIME_BASE_COUNT));
    if (!bValid)
        AfxThrowArchiveException(CArchiveException::generic);
}

void CBlockTime::CopyCamsTo(CBlockTime* pDst) const
{
    std::copy(&m_bDay[0][0], &m_bDay[0][0] + TIMER_CAM_COUNT * 7, &pDst->m_bDay[0][0]);
    std::copy(&m_nOnTime[0][0], &m_nOnTime[0][0] + TIMER_CAM_COUNT * 2, &pDst->m_nOnTime[0][0]);
    std::copy(std::begin(m_bOnDisabled), std::end(m_bOnDisabled), pDst->m_bOnDisabled);
    std::copy(&m_nOffTime[0][0], &m_nOffTime[0][0] + TIMER_CAM_COUNT * 2, &pDst->m_nOffTime[0][0]);
    std::copy(std::begin(m_bOffDisabled), std::end(m_bOffDisabled), pDst->m_bOffDisabled);
}
