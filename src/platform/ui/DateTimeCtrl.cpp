#include "platform/ui/DateTimeCtrl.h"

#include "platform/core/Runtime.h"

#include <array>
#include <tuple>

IMPLEMENT_DYNAMIC(CDateTimeCtrl, CControlWnd)

namespace {

bool IsLeapYear(int nYear) { return (nYear % 4 == 0 && nYear % 100 != 0) || nYear % 400 == 0; }

int DaysInMonth(int nYear, int nMonth)
{
    constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return nMonth == 2 && IsLeapYear(nYear) ? 29 : kDays[std::size_t(nMonth - 1)];
}

// 0 is Sunday (Sakamoto's method).
WORD DayOfWeek(int nYear, int nMonth, int nDay)
{
    constexpr std::array<int, 12> kOffsets = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (nMonth < 3)
        --nYear;
    return WORD((nYear + nYear / 4 - nYear / 100 + nYear / 400 + kOffsets[std::size_t(nMonth - 1)] +
                 nDay) % 7);
}

auto Key(const SYSTEMTIME& st)
{
    return std::make_tuple(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond);
}

// The classic picker's format letters: d dd M MM yyyy yy H HH h hh m mm s ss t tt; text in
// single quotes is copied.
CString ApplyFormat(const CString& strFormat, const SYSTEMTIME& st)
{
    CString strOut;
    for (int i = 0; i < strFormat.GetLength();) {
        const TCHAR ch = strFormat[i];
        int nRun = 1;
        while (i + nRun < strFormat.GetLength() && strFormat[i + nRun] == ch)
            ++nRun;
        CString strPart;
        const int nHour12 = st.wHour % 12 == 0 ? 12 : st.wHour % 12;
        switch (ch) {
        case 'd':
            strPart.Format(nRun >= 2 ? _T("%02d") : _T("%d"), st.wDay);
            break;
        case 'M':
            if (nRun >= 3) {
                static const LPCTSTR kMonths[12] = {
                    _T("January"), _T("February"), _T("March"),     _T("April"),
                    _T("May"),     _T("June"),     _T("July"),      _T("August"),
                    _T("September"), _T("October"), _T("November"), _T("December")};
                strPart = kMonths[(st.wMonth + 11) % 12];
                if (nRun == 3)
                    strPart = strPart.Left(3);
            } else {
                strPart.Format(nRun >= 2 ? _T("%02d") : _T("%d"), st.wMonth);
            }
            break;
        case 'y':
            strPart.Format(nRun >= 3 ? _T("%04d") : _T("%02d"), nRun >= 3 ? st.wYear : st.wYear % 100);
            break;
        case 'H':
            strPart.Format(nRun >= 2 ? _T("%02d") : _T("%d"), st.wHour);
            break;
        case 'h':
            strPart.Format(nRun >= 2 ? _T("%02d") : _T("%d"), nHour12);
            break;
        case 'm':
            strPart.Format(nRun >= 2 ? _T("%02d") : _T("%d"), st.wMinute);
            break;
        case 's':
            strPart.Format(nRun >= 2 ? _T("%02d") : _T("%d"), st.wSecond);
            break;
        case 't':
            strPart = st.wHour < 12 ? _T("AM") : _T("PM");
            if (nRun == 1)
                strPart = strPart.Left(1);
            break;
        case '\'': {
            const int nEnd = strFormat.Find(_T('\''), i + 1);
            const int nStop = nEnd < 0 ? strFormat.GetLength() : nEnd;
            strOut += strFormat.Mid(i + 1, nStop - i - 1);
            i = nStop + 1;
            continue;
        }
        default:
            strPart = strFormat.Mid(i, nRun);
            break;
        }
        strOut += strPart;
        i += nRun;
    }
    return strOut;
}

}  // namespace

bool AfxIsValidSystemTime(const SYSTEMTIME& st)
{
    return st.wYear >= 1601 && st.wYear <= 30827 && st.wMonth >= 1 && st.wMonth <= 12 &&
           st.wDay >= 1 && st.wDay <= DaysInMonth(st.wYear, st.wMonth) && st.wHour < 24 &&
           st.wMinute < 60 && st.wSecond < 60 && st.wMilliseconds < 1000;
}

int AfxCompareSystemTime(const SYSTEMTIME& a, const SYSTEMTIME& b)
{
    return Key(a) < Key(b) ? -1 : Key(b) < Key(a) ? 1 : 0;
}

CDateTimeCtrl::CDateTimeCtrl() { GetLocalTime(&m_time); }

BOOL CDateTimeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(DATETIMEPICK_CLASS, nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

bool CDateTimeCtrl::InRange(const SYSTEMTIME& st) const
{
    return !((m_dwRangeFlags & GDTR_MIN) && AfxCompareSystemTime(st, m_min) < 0) &&
           !((m_dwRangeFlags & GDTR_MAX) && AfxCompareSystemTime(st, m_max) > 0);
}

BOOL CDateTimeCtrl::SetTime(const SYSTEMTIME* pTimeNew)
{
    if (!pTimeNew) {
        if (!(GetStyle() & DTS_SHOWNONE))
            return FALSE;
        m_bValid = false;
        StateChanged();
        return TRUE;
    }
    if (!AfxIsValidSystemTime(*pTimeNew) || !InRange(*pTimeNew))
        return FALSE;
    m_time = *pTimeNew;
    m_time.wDayOfWeek = DayOfWeek(m_time.wYear, m_time.wMonth, m_time.wDay);
    m_bValid = true;
    StateChanged();
    return TRUE;
}

DWORD CDateTimeCtrl::GetTime(SYSTEMTIME* pTimeDest) const
{
    if (!pTimeDest)
        return GDT_ERROR;
    if (!m_bValid)
        return GDT_NONE;
    *pTimeDest = m_time;
    return GDT_VALID;
}

BOOL CDateTimeCtrl::SetRange(const SYSTEMTIME* pMinRange, const SYSTEMTIME* pMaxRange)
{
    if ((pMinRange && !AfxIsValidSystemTime(*pMinRange)) ||
        (pMaxRange && !AfxIsValidSystemTime(*pMaxRange)))
        return FALSE;
    m_dwRangeFlags = (pMinRange ? GDTR_MIN : 0) | (pMaxRange ? GDTR_MAX : 0);
    if (pMinRange)
        m_min = *pMinRange;
    if (pMaxRange)
        m_max = *pMaxRange;
    // The time moves inside the new range.
    if (pMinRange && AfxCompareSystemTime(m_time, m_min) < 0)
        m_time = m_min;
    else if (pMaxRange && AfxCompareSystemTime(m_time, m_max) > 0)
        m_time = m_max;
    m_time.wDayOfWeek = DayOfWeek(m_time.wYear, m_time.wMonth, m_time.wDay);
    StateChanged();
    return TRUE;
}

DWORD CDateTimeCtrl::GetRange(SYSTEMTIME* pMinRange, SYSTEMTIME* pMaxRange) const
{
    if (pMinRange && (m_dwRangeFlags & GDTR_MIN))
        *pMinRange = m_min;
    if (pMaxRange && (m_dwRangeFlags & GDTR_MAX))
        *pMaxRange = m_max;
    return m_dwRangeFlags;
}

BOOL CDateTimeCtrl::SetFormat(LPCTSTR pstrFormat)
{
    m_strFormat = pstrFormat ? CString(pstrFormat) : CString();
    StateChanged();
    return TRUE;
}

CString CDateTimeCtrl::FormatTime() const
{
    if (!m_bValid)
        return CString();
    if (!m_strFormat.IsEmpty())
        return ApplyFormat(m_strFormat, m_time);
    const DWORD dwFormat = GetStyle() & DTS_TIMEFORMAT;
    if (dwFormat == DTS_TIMEFORMAT)
        return ApplyFormat(_T("H:mm:ss"), m_time);
    return ApplyFormat(dwFormat == DTS_LONGDATEFORMAT ? _T("dd MMMM yyyy") : _T("dd.MM.yyyy"), m_time);
}

void CDateTimeCtrl::UserSetTime(const SYSTEMTIME& st, bool bValid)
{
    if (bValid && !AfxIsValidSystemTime(st)) {
        StateChanged();  // the view shows the time as it was
        return;
    }
    if (bValid) {
        m_time = st;
        if ((m_dwRangeFlags & GDTR_MIN) && AfxCompareSystemTime(m_time, m_min) < 0)
            m_time = m_min;
        if ((m_dwRangeFlags & GDTR_MAX) && AfxCompareSystemTime(m_time, m_max) > 0)
            m_time = m_max;
        m_time.wDayOfWeek = DayOfWeek(m_time.wYear, m_time.wMonth, m_time.wDay);
    }
    m_bValid = bValid || !(GetStyle() & DTS_SHOWNONE);
    StateChanged();
    NMDATETIMECHANGE nm = {};
    nm.dwFlags = m_bValid ? GDT_VALID : GDT_NONE;
    nm.st = m_time;
    NotifyOwner(nm.nmhdr, DTN_DATETIMECHANGE);
}

LRESULT CDateTimeCtrl::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case DTM_GETSYSTEMTIME:
        return LRESULT(GetTime(reinterpret_cast<SYSTEMTIME*>(lParam)));
    case DTM_SETSYSTEMTIME:
        return SetTime(wParam == GDT_NONE ? nullptr : reinterpret_cast<const SYSTEMTIME*>(lParam));
    case DTM_GETRANGE: {
        auto* pRange = reinterpret_cast<SYSTEMTIME*>(lParam);
        return LRESULT(GetRange(pRange, pRange ? pRange + 1 : nullptr));
    }
    case DTM_SETRANGE: {
        const auto* pRange = reinterpret_cast<const SYSTEMTIME*>(lParam);
        if (!pRange)
            return FALSE;
        return SetRange((wParam & GDTR_MIN) ? pRange : nullptr,
                        (wParam & GDTR_MAX) ? pRange + 1 : nullptr);
    }
    case DTM_SETFORMAT:
        return SetFormat(reinterpret_cast<LPCTSTR>(lParam));
    default:
        return CControlWnd::DefWindowProc(message, wParam, lParam);
    }
}

void CDateTimeCtrl::CopyStateFrom(CWnd& other)
{
    if (auto* pPicker = dynamic_cast<CDateTimeCtrl*>(&other)) {
        m_time = pPicker->m_time;
        m_bValid = pPicker->m_bValid;
        m_min = pPicker->m_min;
        m_max = pPicker->m_max;
        m_dwRangeFlags = pPicker->m_dwRangeFlags;
        m_strFormat = pPicker->m_strFormat;
        StateChanged();
    }
}
