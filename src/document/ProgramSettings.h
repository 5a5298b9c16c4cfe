// The program settings of a diagram: what goes to the controller with the program besides the
// diagram and the hardware it is for. The document holds them as one value; the Properties sheet
// takes a copy and writes it back as one, so that Cancel leaves the document as it was and OK
// can tell whether anything changed.
#pragma once

#include "blocks/ComPortSettings.h"
#include "platform/core/String.h"
#include "platform/core/Types.h"

class CVetlaDoc;

constexpr int PROJECT_TEXT_COUNT = 9;
constexpr int PROGRAM_AQ_COUNT = 32;

// The project texts in their page order.
enum ProjectText {
    PROJECT_CREATOR,
    PROJECT_NAME,
    PROJECT_INSTALLATION,
    PROJECT_CUSTOMER,
    PROJECT_DIAGRAM_NO,
    PROJECT_CHECKED,
    PROJECT_VERSION1,
    PROJECT_VERSION2,
    PROJECT_VERSION3,
};

// The display of a newer controller; an older one has none.
struct LcdSettings {
    int nLanguage = 0;
    int nLogoTime = 0;
    int nContrast = 2;
    int nBacklight = 0;

    bool operator==(const LcdSettings&) const = default;
};

// The analog ranges and output values of a newer controller; an older one has none.
struct AnalogSettings {
    int nAiRangeType[2] = {};
    int bKeepAqValues = 1;
    double dAqFixedValue[PROGRAM_AQ_COUNT] = {};
    BYTE byAqRangeType[PROGRAM_AQ_COUNT] = {};

    bool operator==(const AnalogSettings& other) const;
};

struct ProgramSettings {
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
    LcdSettings lcd;
    AnalogSettings analog;

    bool operator==(const ProgramSettings& other) const;
};

// The document's settings as the sheet shows them: the LCD values of an older controller,
// which has no such settings, are given as 0.
ProgramSettings ReadProgramSettings(const CVetlaDoc& doc);
// Writes the settings for the hardware wHardwareCode into the document and returns whether
// anything in it changed. Hardware of another series is applied first (ApplyHardwareChange),
// and the settings are written for the generation it gives: an older controller keeps its LCD
// and analog values as they were and runs no serial port faster than 115200 baud.
BOOL WriteProgramSettings(const ProgramSettings& settings, WORD wHardwareCode, CVetlaDoc& doc);
