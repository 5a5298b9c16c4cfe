#include "editor/ChildFrame.h"

#include "blocks/SimTime.h"
#include "editor/VetlaView.h"
#include "platform/core/Document.h"
#include "platform/core/Runtime.h"
#include "platform/ui/WndMessageMap.h"

#include <ctime>

const LPCTSTR g_astrDayNames[7] = {_T("Sunday"),   _T("Monday"), _T("Tuesday"), _T("Wednesday"),
                                   _T("Thursday"), _T("Friday"), _T("Saturday")};
const LPCTSTR g_astrMonthNames[13] = {
    _T(""),     _T("January"), _T("February"),  _T("March"),   _T("April"),    _T("May"),     _T("June"),
    _T("July"), _T("August"),  _T("September"), _T("October"), _T("November"), _T("December")};

IMPLEMENT_DYNCREATE(CChildFrame, CMDIChildWnd)

BEGIN_MESSAGE_MAP(CChildFrame, CMDIChildWnd)
    ON_COMMAND(ID_FILE_SAVE, OnFileSave)
    ON_COMMAND(ID_FILE_SAVE_AS, OnFileSaveAs)
    ON_COMMAND(ID_FILE_CLOSE, OnFileClose)
END_MESSAGE_MAP()

namespace {

// Names of a clock that was set to something impossible show as empty text rather than
// reading outside the tables.
CString DayName(WORD wDayOfWeek) { return wDayOfWeek < 7 ? CString(g_astrDayNames[wDayOfWeek]) : CString(); }

CString MonthName(WORD wMonth, BOOL bShort)
{
    const CString strName = wMonth >= 1 && wMonth <= 12 ? CString(g_astrMonthNames[wMonth]) : CString();
    return bShort ? strName.Left(3) : strName;
}

} // namespace

CChildFrame::CChildFrame()
{
    GetLocalTime(&m_stClock);
    m_stPrevClock = m_stClock;
}

CChildFrame* AsChildFrame(CWnd* pWnd)
{
    return pWnd && pWnd->IsKindOf(RUNTIME_CLASS(CChildFrame)) ? static_cast<CChildFrame*>(pWnd) : nullptr;
}

CVetlaView* CChildFrame::GetActiveView() const { return AsVetlaView(CMDIChildWnd::GetActiveView()); }

void CChildFrame::SetActiveView(CView* pViewNew, BOOL bNotify)
{
    CMDIChildWnd::SetActiveView(pViewNew, bNotify);
    if (CVetlaView* pView = AsVetlaView(pViewNew))
        pView->SetParentFrame(this);
}

void CChildFrame::OnFileSave()
{
    if (CDocument* pDoc = GetActiveDocument())
        pDoc->DoFileSave();
}

void CChildFrame::OnFileSaveAs()
{
    if (CDocument* pDoc = GetActiveDocument())
        pDoc->DoSave(nullptr);
}

void CChildFrame::OnFileClose()
{
    // The user may keep the document by cancelling the save question.
    if (CDocument* pDoc = GetActiveDocument(); pDoc && pDoc->SaveModified())
        pDoc->OnCloseDocument();
}

SYSTEMTIME* CChildFrame::GetSimTime(SYSTEMTIME* pOut) const
{
    if (pOut)
        *pOut = m_stClock;
    return pOut;
}

void CChildFrame::GetPrevSimTime(SYSTEMTIME* pOut) const
{
    if (pOut)
        *pOut = m_stPrevClock;
}

void CChildFrame::SetSimTime(const SYSTEMTIME* pTime)
{
    if (!pTime)
        return;
    m_stPrevClock = m_stClock;
    m_stClock = *pTime;
    m_bClockSet = 1;
}

void CChildFrame::AdvanceSimTime()
{
    m_stClock.wMilliseconds = WORD(m_stClock.wMilliseconds + SIM_TICK_MS);
    if (m_stClock.wMilliseconds < 1000)
        return;
    // The part above a full second is dropped, so the clock never skips a second.
    m_stClock.wSecond = WORD(m_stClock.wSecond + 1);
    m_stClock.wMilliseconds = 0;
    struct tm tmClock = {};
    SystemTimeToTm(&m_stClock, &tmClock);
    if (MakeTimeUtc(&tmClock) >= 0)
        TmToSystemTime(&tmClock, &m_stClock);
}

void CChildFrame::FormatSimTime(CString& strOut, BOOL bShortMonth, int nMode) const
{
    strOut.Empty();
    const SYSTEMTIME& st = m_stClock;
    const BOOL bAm = st.wHour < 12 || st.wHour > 23;
    const CString strSuffix = bAm ? _T("AM") : _T("PM");
    const int nHour12 = !bAm && st.wHour >= 13 ? st.wHour - 12 : st.wHour;
    switch (nMode) {
    case SIMTIME_FULL:
        strOut.Format(_T("%s, %s %d, %d %d:%d:%d %s"), DayName(st.wDayOfWeek), MonthName(st.wMonth, FALSE),
                      st.wDay, st.wYear, nHour12, st.wMinute, st.wSecond, strSuffix);
        break;
    case SIMTIME_DATE:
        strOut.Format(_T("%s %d, %d"), MonthName(st.wMonth, bShortMonth), st.wDay, st.wYear);
        break;
    case SIMTIME_CLOCK:
        strOut.Format(_T("%d:%02d:%02d %s"), nHour12, st.wMinute, st.wSecond, strSuffix);
        break;
    case SIMTIME_DIGITS:
        strOut.Format(_T("%02d%02d%02d%02d%02d%02d"), st.wYear % 100, st.wMonth, st.wDay, st.wHour, st.wMinute,
                      st.wSecond);
        break;
    default:
        break;
    }
}
