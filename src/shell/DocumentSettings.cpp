#include "shell/DocumentSettings.h"

#include "document/VetlaDoc.h"
#include "editor/VetlaView.h"
#include "shell/MainFrame.h"
#include "shell/Resource.h"
#include "shell/VetlaApp.h"

namespace {

CVetlaDoc* ActiveDocument(const CMainFrame& frame)
{
    const CVetlaView* pView = frame.GetActiveView();
    return pView ? pView->GetDocument() : nullptr;
}

}  // namespace

CVetlaDoc* OpenDocumentWithoutSheet()
{
    CMainFrame* pFrame = AfxGetMainFrame();
    if (!pFrame)
        return nullptr;
    const CVetlaDoc* pBefore = ActiveDocument(*pFrame);
    // File New opens the Properties sheet while the setting is on: it is held off for the
    // command, and the document then takes it as it stands, so that OK on its sheet later does
    // not turn the setting off.
    const int bShowAtNewFile = g_bShowAtNewFile;
    g_bShowAtNewFile = 0;
    pFrame->SendMessage(WM_COMMAND, ID_FILE_NEW);
    g_bShowAtNewFile = bShowAtNewFile;
    CVetlaDoc* pDoc = ActiveDocument(*pFrame);
    if (!pDoc || pDoc == pBefore)
        return nullptr;
    pDoc->m_settings.bShowAtNewFile = bShowAtNewFile;
    return pDoc;
}

void CopyDocumentSettings(CVetlaDoc& to, const CVetlaDoc& from)
{
    // An older source has no analog settings: the target keeps its own.
    const AnalogSettings analog = from.IsNewGenerationDoc() ? from.m_settings.analog : to.m_settings.analog;
    to.m_settings = from.m_settings;
    to.m_settings.analog = analog;
    to.m_wHardwareCode = from.m_wHardwareCode;
    to.m_wHardwareCode2 = from.m_wHardwareCode2;
    to.m_wFirmwareWord = from.m_wFirmwareWord;
    to.m_wFirmwareWord2 = from.m_wFirmwareWord2;
    to.m_nCharSet1 = from.m_nCharSet1;
    to.m_nCharSet2 = from.m_nCharSet2;
    to.m_nDefaultCharSet = from.m_nDefaultCharSet;
    to.m_nTickerCharTime = from.m_nTickerCharTime;
    to.m_nTickerLineTime = from.m_nTickerLineTime;
    to.m_nAiFilter = from.m_nAiFilter;
    to.m_nScopeTime = from.m_nScopeTime;
}
