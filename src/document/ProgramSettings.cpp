#include "document/ProgramSettings.h"

#include "blocks/BlockTypes.h"
#include "document/HardwareChange.h"
#include "document/HardwareSeries.h"
#include "document/VetlaDoc.h"

#include <cstring>

namespace {

constexpr int OLDER_BAUD_LIMIT = 10;
static_assert(PROGRAM_AQ_COUNT == AQ_CHANNEL_COUNT);

// The project texts in their page order.
CString CVetlaDoc::*const kProjectTexts[PROJECT_TEXT_COUNT] = {
    &CVetlaDoc::m_strCreator,  &CVetlaDoc::m_strProjectName, &CVetlaDoc::m_strInstallation,
    &CVetlaDoc::m_strCustomer, &CVetlaDoc::m_strDiagramNo,   &CVetlaDoc::m_strChecked,
    &CVetlaDoc::m_strVersion1, &CVetlaDoc::m_strVersion2,    &CVetlaDoc::m_strVersion3,
};

bool SameCom(const ComPortSettings& a, const ComPortSettings& b)
{
    return std::memcmp(&a, &b, sizeof(ComPortSettings)) == 0;
}

template <class T>
void Assign(T& target, const T& value, BOOL& bChanged)
{
    if (target == value)
        return;
    target = value;
    bChanged = TRUE;
}

void WriteNewerOnly(const ProgramSettings& s, CVetlaDoc& doc, BOOL& bChanged)
{
    Assign(doc.m_nLanguage, s.nLanguage, bChanged);
    Assign(doc.m_nLogoTime, s.nLogoTime, bChanged);
    Assign(doc.m_nLcdContrast, s.nLcdContrast, bChanged);
    Assign(doc.m_nLcdBacklight, s.nLcdBacklight, bChanged);
    for (int i = 0; i < 2; ++i)
        Assign(doc.m_nAiRangeType[i], s.nAiRangeType[i], bChanged);
    Assign(doc.m_bKeepAqValues, s.bKeepAqValues, bChanged);
    doc.m_arrAqFixedValue.SetSize(PROGRAM_AQ_COUNT);
    doc.m_arrAqRangeType.SetSize(PROGRAM_AQ_COUNT);
    for (int i = 0; i < PROGRAM_AQ_COUNT; ++i) {
        Assign(doc.m_arrAqFixedValue[i], s.dAqFixedValue[i], bChanged);
        Assign(doc.m_arrAqRangeType[i], s.byAqRangeType[i], bChanged);
    }
}

} // namespace

bool ProgramSettings::operator==(const ProgramSettings& o) const
{
    for (int i = 0; i < PROJECT_TEXT_COUNT; ++i) {
        if (strProject[i] != o.strProject[i])
            return false;
    }
    for (int i = 0; i < COM_PORT_COUNT; ++i) {
        if (!SameCom(com[i], o.com[i]))
            return false;
    }
    return bShowAtNewFile == o.bShowAtNewFile && strComment == o.strComment && strProgramName == o.strProgramName &&
           strPassword == o.strPassword && nRedundancy == o.nRedundancy && nSyncTime == o.nSyncTime &&
           bCopyProtect == o.bCopyProtect && nTempHigh == o.nTempHigh && nTempLow == o.nTempLow &&
           strLogoFile == o.strLogoFile && bLogoInverse == o.bLogoInverse && nLanguage == o.nLanguage &&
           nLogoTime == o.nLogoTime && nLcdContrast == o.nLcdContrast && nLcdBacklight == o.nLcdBacklight &&
           nAiRangeType[0] == o.nAiRangeType[0] && nAiRangeType[1] == o.nAiRangeType[1] &&
           bKeepAqValues == o.bKeepAqValues &&
           std::memcmp(dAqFixedValue, o.dAqFixedValue, sizeof(dAqFixedValue)) == 0 &&
           std::memcmp(byAqRangeType, o.byAqRangeType, sizeof(byAqRangeType)) == 0 && wHardwareCode == o.wHardwareCode;
}

ProgramSettings ReadProgramSettings(const CVetlaDoc& doc)
{
    ProgramSettings s;
    for (int i = 0; i < PROJECT_TEXT_COUNT; ++i)
        s.strProject[i] = doc.*kProjectTexts[i];
    s.bShowAtNewFile = doc.m_bShowAtNewFile;
    s.strComment = doc.m_strProgramComment;
    s.strProgramName = doc.m_strProgramName;
    s.strPassword = doc.m_strPassword;
    s.nRedundancy = doc.m_nRedundancy;
    s.nSyncTime = doc.m_nSyncTime;
    s.bCopyProtect = doc.m_bCopyProtect;
    s.nTempHigh = doc.m_nTempHigh;
    s.nTempLow = doc.m_nTempLow;
    for (int i = 0; i < COM_PORT_COUNT; ++i)
        s.com[i] = doc.m_comSettings[i];
    s.strLogoFile = doc.m_strLogoFile;
    s.bLogoInverse = doc.m_bLogoInverse;
    const bool bNewer = doc.IsNewGenerationDoc();
    s.nLanguage = bNewer ? doc.m_nLanguage : 0;
    s.nLogoTime = bNewer ? doc.m_nLogoTime : 0;
    s.nLcdContrast = bNewer ? doc.m_nLcdContrast : 0;
    s.nLcdBacklight = bNewer ? doc.m_nLcdBacklight : 0;
    s.nAiRangeType[0] = doc.m_nAiRangeType[0];
    s.nAiRangeType[1] = doc.m_nAiRangeType[1];
    s.bKeepAqValues = doc.m_bKeepAqValues;
    for (int i = 0; i < PROGRAM_AQ_COUNT; ++i) {
        s.dAqFixedValue[i] = i < doc.m_arrAqFixedValue.GetSize() ? doc.m_arrAqFixedValue[i] : 0.0;
        s.byAqRangeType[i] = i < doc.m_arrAqRangeType.GetSize() ? doc.m_arrAqRangeType[i] : BYTE(0);
    }
    s.wHardwareCode = doc.m_wHardwareCode;
    return s;
}

BOOL WriteProgramSettings(const ProgramSettings& s, CVetlaDoc& doc)
{
    BOOL bChanged = FALSE;
    if (GetHardwareSeries(s.wHardwareCode, nullptr, nullptr) != GetHardwareSeries(doc.m_wHardwareCode, nullptr, nullptr)) {
        ApplyHardwareChange(doc, s.wHardwareCode);
        bChanged = TRUE;
    }
    for (int i = 0; i < PROJECT_TEXT_COUNT; ++i)
        Assign(doc.*kProjectTexts[i], s.strProject[i], bChanged);
    Assign(doc.m_bShowAtNewFile, s.bShowAtNewFile, bChanged);
    Assign(doc.m_strProgramComment, s.strComment, bChanged);
    Assign(doc.m_strProgramName, s.strProgramName, bChanged);
    Assign(doc.m_strPassword, s.strPassword, bChanged);
    Assign(doc.m_nRedundancy, s.nRedundancy, bChanged);
    Assign(doc.m_nSyncTime, s.nSyncTime, bChanged);
    Assign(doc.m_bCopyProtect, s.bCopyProtect, bChanged);
    Assign(doc.m_nTempHigh, s.nTempHigh, bChanged);
    Assign(doc.m_nTempLow, s.nTempLow, bChanged);
    const bool bNewer = doc.IsNewGenerationDoc();
    for (int i = 0; i < COM_PORT_COUNT; ++i) {
        ComPortSettings com = s.com[i];
        if (!bNewer && com.nBaudIndex >= OLDER_BAUD_LIMIT)
            com.nBaudIndex = COM_BAUD_9600;
        if (!SameCom(doc.m_comSettings[i], com)) {
            doc.m_comSettings[i] = com;
            bChanged = TRUE;
        }
    }
    Assign(doc.m_strLogoFile, s.strLogoFile, bChanged);
    Assign(doc.m_bLogoInverse, s.bLogoInverse, bChanged);
    if (bNewer)
        WriteNewerOnly(s, doc, bChanged);
    return bChanged;
}
