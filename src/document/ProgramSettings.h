// The program settings that the Properties sheet edits, taken from a document as one value and
// written back as one: the sheet works on a copy, so that Cancel leaves the document as it was
// and OK can tell whether anything changed.
#pragma once

#include "document/ComPortSettings.h"
#include "platform/core/String.h"
#include "platform/core/Types.h"

class CVetlaDoc;

constexpr int PROJECT_TEXT_COUNT = 9;
constexpr int PROGRAM_AQ_COUNT = 32;

struct ProgramSettings {
    // Creator, project name, installation, customer, diagram no., checked, versions 1 to 3.
    CString strProject[PROJECT_TEXT_COUNT];
    int bShowAtNewFile = 1;
    CString strComment;
    CString strProgramName;
    CString strPassword;
    int nRedundancy = 0;
    int nSyncTime = 5000;
    int bCopyProtect = 0;
    int nTempHigh = 90;
    int nTempLow = -20;
    ComPortSettings com[COM_PORT_COUNT];
    CString strLogoFile;
    int bLogoInverse = 0;
    int nLanguage = 0;
    int nLogoTime = 0;
    int nLcdContrast = 2;
    int nLcdBacklight = 0;
    int nAiRangeType[2] = {};
    int bKeepAqValues = 1;
    double dAqFixedValue[PROGRAM_AQ_COUNT] = {};
    BYTE byAqRangeType[PROGRAM_AQ_COUNT] = {};
    WORD wHardwareCode = 0;

    bool operator==(const ProgramSettings& other) const;
};

// The document's settings. The LCD values of an older controller, which has no such settings,
// are given as 0.
ProgramSettings ReadProgramSettings(const CVetlaDoc& doc);
// Writes the settings into the document and returns whether anything in it changed. A new
// hardware code is applied first (ApplyHardwareChange), and the rest is written for the
// generation it gives: an older controller keeps its LCD, analog-input and analog-output values
// as they were and runs no serial port faster than 115200 baud.
BOOL WriteProgramSettings(const ProgramSettings& settings, CVetlaDoc& doc);
