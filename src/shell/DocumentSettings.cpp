#include "shell/DocumentSettings.h"

#include "document/VetlaDoc.h"
#include "shell/MainFrame.h"
#include "shell/Resource.h"

#include <algorithm>
#include <iterator>

LRESULT SendFileNewToMainFrame()
{
    CMainFrame* pFrame = AfxGetMainFrame();
    return pFrame ? pFrame->SendMessage(WM_COMMAND, ID_FILE_NEW) : 0;
}

void CopyDocumentSettings(CVetlaDoc& to, const CVetlaDoc& from)
{
    to.m_strCreator = from.m_strCreator;
    to.m_strProjectName = from.m_strProjectName;
    to.m_strInstallation = from.m_strInstallation;
    to.m_strCustomer = from.m_strCustomer;
    to.m_strDiagramNo = from.m_strDiagramNo;
    to.m_strChecked = from.m_strChecked;
    to.m_strVersion1 = from.m_strVersion1;
    to.m_strVersion2 = from.m_strVersion2;
    to.m_strVersion3 = from.m_strVersion3;
    to.m_bShowAtNewFile = from.m_bShowAtNewFile;
    to.m_strProgramComment = from.m_strProgramComment;
    to.m_strProgramName = from.m_strProgramName;
    to.m_strPassword = from.m_strPassword;
    to.m_strLogoFile = from.m_strLogoFile;
    to.m_bCopyProtect = from.m_bCopyProtect;
    to.m_nRedundancy = from.m_nRedundancy;
    to.m_nSyncTime = from.m_nSyncTime;
    to.m_nTempHigh = from.m_nTempHigh;
    to.m_nTempLow = from.m_nTempLow;
    std::copy(std::begin(from.m_comSettings), std::end(from.m_comSettings), std::begin(to.m_comSettings));
    to.m_nLanguage = from.m_nLanguage;
    to.m_nLogoTime = from.m_nLogoTime;
    to.m_nLcdContrast = from.m_nLcdContrast;
    to.m_nLcdBacklight = from.m_nLcdBacklight;
    to.m_bLogoInverse = from.m_bLogoInverse;
    if (from.IsNewGenerationDoc()) {
        to.m_bKeepAqValues = from.m_bKeepAqValues;
        to.m_arrAqFixedValue.Copy(from.m_arrAqFixedValue);
        to.m_arrAqRangeType.Copy(from.m_arrAqRangeType);
        std::copy(std::begin(from.m_nAiRangeType), std::end(from.m_nAiRangeType), std::begin(to.m_nAiRangeType));
    }
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
