// The main frame as the observer of the documents: the information window and the status bar's
// controls while documents are open, the settings a new document takes from the shell, the
// hardware series, and the view of a document that Undo or Redo reloaded.
#include "shell/MainFrame.h"

#include "document/VetlaDoc.h"
#include "editor/VetlaView.h"
#include "shell/VetlaApp.h"

void CMainFrame::OnDocumentCreated(CVetlaDoc& doc)
{
    if (m_nOpenDocuments == 0)
        OnViewInfoWindow();
    ++m_nOpenDocuments;

    doc.m_settings.bShowAtNewFile = g_bShowAtNewFile;
    // The frame asks for a ladder document once; the next new document is an FBD again.
    if (m_nNewDocType != DOC_TYPE_FBD) {
        doc.m_nDocType = m_nNewDocType;
        m_nNewDocType = DOC_TYPE_FBD;
    }

    if (!HasSeriesLabel()) {
        m_nPaneControlKind = STATUS_CONTROL_BUTTON;
        m_nPaneIndex = 1;
        AddStatusBarControl();
        m_nPaneControlKind = STATUS_CONTROL_SERIES;
        m_nPaneIndex = 2;
        AddStatusBarControl();
    }
}

void CMainFrame::OnDocumentDestroyed(CVetlaDoc&)
{
    if (m_nOpenDocuments <= 0)
        return;
    if (--m_nOpenDocuments == 0 && IsInfoWindowVisible()) {
        OnViewInfoWindow();
        RemoveStatusBarControl(STATUS_REMOVE_SERIES);
        RemoveStatusBarControl(STATUS_REMOVE_BUTTON);
    }
}

void CMainFrame::OnHardwareSeriesChanged(CVetlaDoc& doc) { SetSeriesText(doc.m_strHardwareName); }

void CMainFrame::OnContentsReloaded(CVetlaDoc& doc)
{
    CVetlaView* pView = GetActiveView();
    // Only a view of this document shows what the reload changed.
    if (!pView || pView->GetDocument() != &doc)
        return;
    pView->UpdateScrollSizes();
    pView->RebuildMsgTextSlots();
    // A snapshot holds the hardware too: undoing a change of controller brings back the
    // old one, and the palette, the checks and the status bar must follow it.
    if (g_wHardwareCode != doc.m_wHardwareCode || GetSeriesText() != doc.m_strHardwareName) {
        g_wHardwareCode = doc.m_wHardwareCode;
        SetSeriesText(doc.m_strHardwareName);
        if (m_pWorkBox && m_pWorkBox->GetActiveView())
            m_pWorkBox->GetActiveView()->Invalidate();
    }
}
