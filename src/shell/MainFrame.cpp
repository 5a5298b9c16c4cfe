#include "shell/MainFrame.h"

#include "blocks/BlockObj.h"
#include "editor/ChildFrame.h"
#include "shell/VetlaApp.h"

namespace {

CMainFrame* g_pMainFrame = nullptr;

} // namespace

CMainFrame* AfxGetMainFrame() { return g_pMainFrame; }

void AfxSetMainFrame(CMainFrame* pFrame) { g_pMainFrame = pFrame; }

CMainFrame::~CMainFrame()
{
    if (g_pMainFrame == this)
        g_pMainFrame = nullptr;
}

CVetlaView* CMainFrame::GetActiveView() const
{
    return m_pActiveChild ? m_pActiveChild->GetActiveView() : nullptr;
}

void CMainFrame::OnViewInfoWindow() { m_bInfoWindowVisible = !m_bInfoWindowVisible; }

void CMainFrame::AddStatusBarControl()
{
    if (m_nPaneIndex < 0 || m_nPaneIndex > STATUS_PANE_LAST)
        return;
    if (m_nPaneControlKind == STATUS_CONTROL_BUTTON) {
        m_bStatusButton = TRUE;
    } else if (m_nPaneControlKind == STATUS_CONTROL_SERIES && !m_bSeriesLabel) {
        // The label starts with the series of the current hardware; an unknown model byte
        // leaves it empty.
        CString strSeries;
        WORD wFirmware = 0;
        GetHardwareSeries(g_wHardwareCode, &strSeries, &wFirmware);
        m_strSeriesText = strSeries;
        m_bSeriesLabel = TRUE;
    }
}

void CMainFrame::RemoveStatusBarControl(int nWhich)
{
    if (nWhich == STATUS_REMOVE_BUTTON) {
        m_bStatusButton = FALSE;
    } else if (nWhich == STATUS_REMOVE_SERIES) {
        m_bSeriesLabel = FALSE;
        m_strSeriesText.Empty();
    }
}

void CMainFrame::SetSeriesText(const CString& strText) { m_strSeriesText = strText; }
