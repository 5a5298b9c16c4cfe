// Choosing another controller for a diagram: the controller lines a user chooses from (items
// of the hardware page's tree: even numbers are families, odd ones their firmware lines), the
// check that refuses an older line the diagram cannot run on, and the change itself, which
// adapts the settings of blocks and serial ports to the new generation.
#pragma once

#include "platform/core/String.h"
#include "platform/core/Types.h"

class CVetlaDoc;

struct HardwareLine {
    int nFamilyItem;       // even: the family node
    LPCTSTR pszFamily;     // "3X Series"
    LPCTSTR pszFirmware;   // "B1.XX"
    WORD wCode;
};
constexpr int HARDWARE_LINE_COUNT = 5;
extern const HardwareLine g_hardwareLines[HARDWARE_LINE_COUNT];

// The hardware code of an odd (firmware line) item; any other odd item is the 75X line's.
WORD HardwareCodeOfItem(int nItem);
// The text every firmware line shows as its resources.
const CString& HardwareResourcesText();

// What refuses the move from the document's current line (item nCurrent) to item nNew, shown
// in place of the resources: a newer diagram that an older line cannot hold, or WiFi blocks
// that only the 77X line runs. Empty when the move may go on. strNewLine names the chosen line
// in a refused reference.
CString HardwareChangeProblem(const CVetlaDoc& doc, int nCurrent, int nNew, const CString& strNewLine);

// Makes wCode the document's controller: its code, series name and firmware word, the block
// settings the new generation needs (the older one knows no Modbus data kinds beyond the first
// and no baud rates above 115200; the newer one fixes the watchdog's, yearly timer's, shift
// register's and Modbus blocks' settings it would otherwise read differently) and the blocks'
// sizes. The caller tells the windows.
void ApplyHardwareChange(CVetlaDoc& doc, WORD wCode);
