// CDateTimeCtrl: the date and time picker. The time (a SYSTEMTIME, or none with DTS_SHOWNONE),
// its allowed range and the display format live in the object. The program's SetTime notifies
// nobody and refuses a time that is not a real date or lies outside the range; a change the
// user makes is held inside the range and reported with DTN_DATETIMECHANGE.
#pragma once

#include "platform/ui/ControlWnd.h"

constexpr DWORD DTS_SHORTDATEFORMAT = 0x0000;
constexpr DWORD DTS_UPDOWN = 0x0001;
constexpr DWORD DTS_SHOWNONE = 0x0002;
constexpr DWORD DTS_LONGDATEFORMAT = 0x0004;
constexpr DWORD DTS_TIMEFORMAT = 0x0009;

constexpr DWORD GDT_ERROR = DWORD(-1);
constexpr DWORD GDT_VALID = 0;
constexpr DWORD GDT_NONE = 1;

constexpr DWORD GDTR_MIN = 0x0001;
constexpr DWORD GDTR_MAX = 0x0002;

constexpr UINT DTM_FIRST = 0x1000;
constexpr UINT DTM_GETSYSTEMTIME = DTM_FIRST + 1;
constexpr UINT DTM_SETSYSTEMTIME = DTM_FIRST + 2;
constexpr UINT DTM_GETRANGE = DTM_FIRST + 3;
constexpr UINT DTM_SETRANGE = DTM_FIRST + 4;
constexpr UINT DTM_SETFORMAT = DTM_FIRST + 50;

constexpr UINT DTN_DATETIMECHANGE = UINT(-759);

struct NMDATETIMECHANGE {
    NMHDR nmhdr;
    DWORD dwFlags;  // GDT_VALID or GDT_NONE
    SYSTEMTIME st;
};
using LPNMDATETIMECHANGE = NMDATETIMECHANGE*;

// Whether the fields name a real date and time of day (years 1601 to 30827).
bool AfxIsValidSystemTime(const SYSTEMTIME& st);
// -1, 0 or 1 as a is before, the same as or after b (day of week and milliseconds aside).
int AfxCompareSystemTime(const SYSTEMTIME& a, const SYSTEMTIME& b);

class CDateTimeCtrl : public CControlWnd {
    DECLARE_DYNAMIC(CDateTimeCtrl)

public:
    CDateTimeCtrl();
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Null clears the time (only with DTS_SHOWNONE). The day of the week is worked out.
    BOOL SetTime(const SYSTEMTIME* pTimeNew);
    // GDT_VALID with the time, or GDT_NONE.
    DWORD GetTime(SYSTEMTIME* pTimeDest) const;
    // A null end leaves that side open.
    BOOL SetRange(const SYSTEMTIME* pMinRange, const SYSTEMTIME* pMaxRange);
    // GDTR_MIN and GDTR_MAX for the ends that are set.
    DWORD GetRange(SYSTEMTIME* pMinRange, SYSTEMTIME* pMaxRange) const;
    // A format string of the classic picker ("dd.MM.yyyy", "HH:mm"); empty: the style's own.
    BOOL SetFormat(LPCTSTR pstrFormat);
    const CString& GetFormat() const { return m_strFormat; }
    // Shows the time as the format says.
    CString FormatTime() const;

    // The user picked a time (bValid false: the "none" box cleared).
    void UserSetTime(const SYSTEMTIME& st, bool bValid = true);

protected:
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void CopyStateFrom(CWnd& other) override;

private:
    bool InRange(const SYSTEMTIME& st) const;

    SYSTEMTIME m_time = {};
    bool m_bValid = true;
    SYSTEMTIME m_min = {};
    SYSTEMTIME m_max = {};
    DWORD m_dwRangeFlags = 0;
    CString m_strFormat;
};
