#include "shell/StatusBarControls.h"

#include "document/HardwareSeries.h"
#include "platform/core/MessageBox.h"
#include "shell/CtrlStatusBar.h"
#include "shell/StatusBitmapButton.h"
#include "shell/StatusLabel.h"

void CStatusBarControls::Add(int nKind, int nPaneIndex, WORD wHardwareCode)
{
    if (nPaneIndex < 0 || nPaneIndex > kLastPaneIndex)
        return;
    if (nKind == kButton && !m_pStatusButton)
        AddButton(nPaneIndex);
    else if (nKind == kSeries && !m_pSeriesLabel)
        AddSeriesLabel(nPaneIndex, wHardwareCode);
}

BOOL CStatusBarControls::InsertPane(UINT nPaneID, int nPaneIndex, int cxWidth)
{
    if (!m_bar.AddIndicator(nPaneID, nPaneIndex)) {
        AfxMessageBox(_T("Pane index out of range\nor pane with same ID already exists in the ")
                      _T("status bar"),
                      MB_ICONSTOP);
        return FALSE;
    }
    PaneInfo info;
    m_bar.GetPaneInfoEx(nPaneIndex, info);
    info.cxWidth = cxWidth;
    m_bar.SetPaneInfoEx(nPaneIndex, info);
    return TRUE;
}

void CStatusBarControls::AddButton(int nPaneIndex)
{
    auto* pButton = new CStatusBitmapButton;
    if (!pButton->Create(_T("Button"), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_FLAT | BS_OWNERDRAW,
                         CRect(), &m_bar, ID_STATUS_MODEL_BUTTON)) {
        delete pButton;
        return;
    }
    m_pStatusButton = pButton;
    if (InsertPane(ID_PANE_MODEL_BUTTON, nPaneIndex, kButtonPaneWidth))
        m_bar.AddPaneControl(pButton, ID_PANE_MODEL_BUTTON, TRUE);
}

void CStatusBarControls::AddSeriesLabel(int nPaneIndex, WORD wHardwareCode)
{
    CString strSeries;
    GetHardwareSeries(wHardwareCode, &strSeries, nullptr);
    auto* pLabel = new CStatusSeriesLabel;
    if (!pLabel->Create(strSeries, WS_CHILD | WS_VISIBLE | WS_TABSTOP | SS_NOTIFY, CRect(), &m_bar,
                        ID_STATUS_MODEL_TEXT)) {
        delete pLabel;
        return;
    }
    m_pSeriesLabel = pLabel;
    if (InsertPane(ID_PANE_MODEL_TEXT, nPaneIndex, kSeriesPaneWidth))
        m_bar.AddPaneControl(pLabel, ID_PANE_MODEL_TEXT, TRUE);
}

void CStatusBarControls::Remove(int nWhich)
{
    UINT nPaneID = 0;
    if (nWhich == kRemoveButton) {
        // A control whose window went with the bar has deleted itself already.
        if (IsWindow(m_pStatusButton))
            m_pStatusButton->DestroyWindow();  // deletes the object
        m_pStatusButton = nullptr;
        nPaneID = ID_PANE_MODEL_BUTTON;
    } else if (nWhich == kRemoveSeries) {
        if (IsWindow(m_pSeriesLabel))
            m_pSeriesLabel->DestroyWindow();
        m_pSeriesLabel = nullptr;
        nPaneID = ID_PANE_MODEL_TEXT;
    }
    if (!nPaneID || !m_bar.RemoveIndicator(nPaneID)) {
        CString strText;
        strText.Format(_T("Pane %d was not found in the status bar \nor must be at least one of ")
                       _T("them."),
                       nWhich);
        AfxMessageBox(strText, MB_ICONSTOP);
    }
}

void CStatusBarControls::SetSeriesText(const CString& strText)
{
    if (IsWindow(m_pSeriesLabel))
        m_pSeriesLabel->SetWindowText(strText);
}
