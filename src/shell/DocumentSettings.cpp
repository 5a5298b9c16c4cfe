#include "shell/DocumentSettings.h"

#include "document/VetlaDoc.h"
#include "shell/MainFrame.h"
#include "shell/Resource.h"

LRESULT SendFileNewToMainFrame()
{
    CMainFrame* pFrame = AfxGetMainFrame();
    return pFrame ? pFrame->SendMessage(WM_COMMAND, ID_FILE_NEW) : 0;
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
