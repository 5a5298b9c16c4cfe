// Message-text element texts of the clock blocks (weekly and yearly timer, astronomical clock,
// stopwatch) and of the message-text block's own time and date fields. The current time comes
// from the simulated clock while a simulation runs, else from the PC.
#include "blocks/BlockWidgetText.h"

#include "blocks/BlockClock.h"
#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockTime.h"
#include "blocks/SimContext.h"
#include "blocks/SimTime.h"
#include "platform/core/Runtime.h"

namespace {

// The weekly timer's element list holds three entries per cam; the list index names the cam.
int CamOfElement(const WidgetTextRequest& req)
{
    constexpr int kEntriesPerCam = 3;
    if (req.nKind >= 0 && req.nKind < kEntriesPerCam * TIMER_CAM_COUNT)
        return req.nKind / kEntriesPerCam;
    // An element without a list index falls back on the id, which also names the cam.
    switch (req.nParamId) {
    case 44: case 45: case 46: return 1;
    case 47: case 48: case 49: return 2;
    default: return 0;
    }
}

// Monday first: the day's letter when the cam switches on that day, else "-".
CString WeekdaysText(const WidgetTextRequest& req)
{
    const auto* pTimer = dynamic_cast<const CBlockTime*>(&req.block);
    if (!pTimer)
        return CString();
    static constexpr TCHAR kLetters[] = _T("SMTWTFS");
    static constexpr int kMondayFirst[] = {1, 2, 3, 4, 5, 6, 0};
    const int nCam = CamOfElement(req);
    CString str;
    for (int nDay : kMondayFirst)
        str += pTimer->m_bDay[nCam][nDay] ? kLetters[nDay] : _T('-');
    return str;
}

CString CamTimeText(const WidgetTextRequest& req, bool bOn)
{
    const auto* pTimer = dynamic_cast<const CBlockTime*>(&req.block);
    if (!pTimer)
        return CString();
    const int nCam = CamOfElement(req);
    const int(&hm)[2] = bOn ? pTimer->m_nOnTime[nCam] : pTimer->m_nOffTime[nCam];
    return Formatted(req.bDisplay ? _T("%02d:%02d") : _T("%02d:%02d Hours"), hm[0], hm[1]);
}

CString CamOn(const WidgetTextRequest& r) { return CamTimeText(r, true); }
CString CamOff(const WidgetTextRequest& r) { return CamTimeText(r, false); }

// The yearly timer's dates; a set month wildcard shows only the day.
CString DateText(const WidgetTextRequest& req, int nMonth, int nDay)
{
    CString str = req.block.m_nParam[YT_MONTHLY_PARAM]
                      ? Formatted(_T("**.%02d "), nDay)
                      : Formatted(_T("%02d.%02d "), nMonth, nDay);
    if (!req.bDisplay)
        str += _T("Day.Month");
    return str;
}

CString OnDate(const WidgetTextRequest& r)
{
    return DateText(r, r.block.m_nParam[YT_ON_MONTH_PARAM], r.block.m_nParam[YT_ON_DAY_PARAM]);
}

CString OffDate(const WidgetTextRequest& r)
{
    return DateText(r, r.block.m_nParamEx[YT_OFF_MONTH_PARAMEX],
                    r.block.m_nParamEx[YT_OFF_DAY_PARAMEX]);
}

// Longitude and latitude as the parameter pin shows them: direction, degrees, minutes and
// seconds. The editor has no text for them.
CString AngleText(const WidgetTextRequest& req, bool bLongitude)
{
    if (!req.bDisplay)
        return CString();
    const CBlockObj& b = req.block;
    constexpr LPCTSTR kFormat = _T("%s%d.%d'%d\"");
    if (bLongitude) {
        return Formatted(kFormat, b.m_nParam[AC_LONGITUDE_WEST_PARAM] == 0 ? _T("E") : _T("W"),
                            b.m_nParamEx[AC_LONGITUDE_DEGREES_PARAMEX],
                            b.m_nParamEx[AC_LONGITUDE_MINUTES_PARAMEX],
                            b.m_nParamEx[AC_LONGITUDE_SECONDS_PARAMEX]);
    }
    return Formatted(kFormat, b.m_nParam[AC_LATITUDE_SOUTH_PARAM] == 0 ? _T("N") : _T("S"),
                        b.m_nParamEx[AC_LATITUDE_DEGREES_PARAMEX],
                        b.m_nParamEx[AC_LATITUDE_MINUTES_PARAMEX],
                        b.m_nParamEx[AC_LATITUDE_SECONDS_PARAMEX]);
}

CString Longitude(const WidgetTextRequest& r) { return AngleText(r, true); }
CString Latitude(const WidgetTextRequest& r) { return AngleText(r, false); }

// Zones above 12 lie west of Greenwich.
CString TimeZone(const WidgetTextRequest& r)
{
    const int nStored = r.block.m_nParamEx[AC_TIME_ZONE_PARAMEX];
    const long long nZone = nStored > 12 ? 12LL - nStored : nStored;
    return Formatted(r.bDisplay ? _T("%2d") : _T("%d"), nZone);
}

// No operation computes sunrise or sunset: the clock shows zero hours and minutes.
CString SunTime(const WidgetTextRequest& r)
{
    if (r.bDisplay)
        return Formatted(_T("%02d:%02dh"), 0, 0);
    return Formatted(_T("00:00 %s"), WidgetEditorBaseWord(0));
}

CString StopwatchBase(const WidgetTextRequest& r)
{
    static constexpr LPCTSTR kBases[] = {_T("h"), _T("m"), _T("s")};
    const int n = r.block.m_nParam[SW_BASE_PARAM];
    return n >= 0 && n <= 2 ? CString(kBases[n]) : CString(_T("ms"));
}

SYSTEMTIME CurrentTime(const WidgetTextRequest& req)
{
    SYSTEMTIME st = {};
    if (req.bSimulating && req.pSim)
        st = req.pSim->stNow;
    else
        GetLocalTime(&st);
    return st;
}

// "%p %I:%M:%S": the half of the day, then the 12-hour clock.
CString ClockText(const SYSTEMTIME& st)
{
    const int nHour12 = st.wHour % 12 == 0 ? 12 : st.wHour % 12;
    return Formatted(_T("%s %02d:%02d:%02d"), st.wHour < 12 ? _T("AM") : _T("PM"), nHour12,
                        int(st.wMinute), int(st.wSecond));
}

// The LCD's clock: the weekday's first two letters and a blank, then "%H:%M".
CString LcdClockText(const SYSTEMTIME& st)
{
    const CString strDay = CString(g_astrDayNames[st.wDayOfWeek % 7]).Left(2);
    return Formatted(_T("%s %02d:%02d"), strDay, int(st.wHour), int(st.wMinute));
}

// "%Y-%m-%d".
CString DateOfDay(const SYSTEMTIME& st)
{
    return Formatted(_T("%04d-%02d-%02d"), int(st.wYear), int(st.wMonth), int(st.wDay));
}

CString CurrentTimeText(const WidgetTextRequest& r)
{
    const SYSTEMTIME st = CurrentTime(r);
    return r.bDisplay ? LcdClockText(st) : ClockText(st);
}

CString CurrentDateText(const WidgetTextRequest& r)
{
    return DateOfDay(CurrentTime(r));
}

// The message's enable time and date are kept as texts; a set refresh flag has the next text
// taken from the clock once, formatted as the current time or date of this element's mode, and
// stored.
CString EnableText(const WidgetTextRequest& req, int nField)
{
    auto* pMessage = dynamic_cast<CBlockMSGTEXT*>(&req.block);
    if (!pMessage)
        return CString();
    if (pMessage->m_bRefresh[nField]) {
        const SYSTEMTIME st = CurrentTime(req);
        pMessage->m_strCached[nField] =
            nField == 1 ? DateOfDay(st) : req.bDisplay ? LcdClockText(st) : ClockText(st);
        pMessage->m_bRefresh[nField] = 0;
    }
    return pMessage->m_strCached[nField];
}

CString EnableTime(const WidgetTextRequest& r) { return EnableText(r, 0); }
CString EnableDate(const WidgetTextRequest& r) { return EnableText(r, 1); }

constexpr WidgetTextRow kWeekly[] = {
    {15, WeekdaysText},
    {44, WeekdaysText},
    {47, WeekdaysText},
    {42, CamOn},
    {45, CamOn},
    {48, CamOn},
    {43, CamOff},
    {46, CamOff},
    {49, CamOff},
};

constexpr WidgetTextRow kYearly[] = {
    {35, OnDate},
    {36, OffDate},
};

constexpr WidgetTextRow kAstro[] = {
    {75, Longitude},
    {76, Latitude},
    {77, TimeZone},
    {78, SunTime},
    {79, SunTime},
};

constexpr WidgetTextRow kStopwatch[] = {
    {80, StopwatchBase},
    {81, WidgetStopwatchTime},
    {82, WidgetStopwatchTime},
    {83, WidgetStopwatchTime},
};

constexpr WidgetTextRow kMessage[] = {
    {34, CurrentTimeText},
    {1, CurrentDateText},
    {2, EnableTime},
    {3, EnableDate},
};

}  // namespace

std::span<const WidgetTextRow> WeeklyTimerWidgetTexts() { return kWeekly; }
std::span<const WidgetTextRow> YearlyTimerWidgetTexts() { return kYearly; }
std::span<const WidgetTextRow> AstroClockWidgetTexts() { return kAstro; }
std::span<const WidgetTextRow> StopwatchWidgetTexts() { return kStopwatch; }
std::span<const WidgetTextRow> MessageTextWidgetTexts() { return kMessage; }
