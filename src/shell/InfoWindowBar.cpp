#include "shell/InfoWindowBar.h"

#include "platform/ui/WndMessageMap.h"

IMPLEMENT_DYNAMIC(CInfoWindowBar, CSizingControlBarCF)

BEGIN_MESSAGE_MAP(CInfoWindowBar, CSizingControlBarCF)
    ON_WM_CREATE()
END_MESSAGE_MAP()

namespace {

CInfoWindowBar::PowerReleaseHandler g_pfnPowerRelease = nullptr;

// Line feeds become carriage return and line feed, as the edit box breaks lines; a line feed
// that already has its carriage return keeps just the one.
CString WithLineBreaks(const CString& strText)
{
    CString strOut;
    for (int i = 0; i < strText.GetLength(); ++i) {
        const TCHAR ch = strText[i];
        if (ch == _T('\n') && (i == 0 || strText[i - 1] != _T('\r')))
            strOut += _T('\r');
        strOut += ch;
    }
    return strOut;
}

}  // namespace

CInfoWindowBar::PowerReleaseHandler CInfoWindowBar::SetPowerReleaseHandler(PowerReleaseHandler pfnHandler)
{
    const PowerReleaseHandler pfnOld = g_pfnPowerRelease;
    g_pfnPowerRelease = pfnHandler;
    return pfnOld;
}

int CInfoWindowBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CSizingControlBarCF::OnCreate(lpCreateStruct) == -1)
        return -1;
    FitThicknessToTitle();
    // Edges drawn, and the edit box always fills the bar.
    m_dwSCBStyle = (m_dwSCBStyle & ~SCBS_EDGEALL) | SCBS_SHOWEDGES | SCBS_SIZECHILD;
    UpdateEdges();
    CRect rect;
    GetInsideRect(rect);
    if (!m_wndEdit.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
                          rect, this, kID))
        return -1;
    m_wndEdit.ModifyStyleEx(0, WS_EX_CLIENTEDGE);
    if (!m_font.CreateStockObject(DEFAULT_GUI_FONT) &&
        !m_font.CreatePointFont(80, _T("MS Sans Serif")))
        return -1;
    m_wndEdit.SetFont(&m_font, TRUE);
    return 0;
}

void CInfoWindowBar::AppendLog(const CString& strText)
{
    CString strLog;
    m_wndEdit.GetWindowText(strLog);
    strLog += WithLineBreaks(strText);
    m_wndEdit.SetWindowText(strLog);
    m_wndEdit.LineScroll(-m_wndEdit.GetLineCount());
    m_wndEdit.LineScroll(m_wndEdit.GetLineCount() - kLinesInView);
}

CString CInfoWindowBar::GetLogText() const
{
    CString strLog;
    m_wndEdit.GetWindowText(strLog);
    return strLog;
}

void CInfoWindowBar::OnNcLButtonUp(UINT nHitTest, CPoint point)
{
    if (g_pfnPowerRelease)
        g_pfnPowerRelease();
    CSizingControlBarCF::OnNcLButtonUp(nHitTest, point);
}
