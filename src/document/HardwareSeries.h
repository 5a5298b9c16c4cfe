// The controller series of a hardware code. The model byte (the high byte of the code) names
// the series and its firmware generation; the document, the program-image codec, the hardware
// page and the status bar all show or store what this gives.
#pragma once

#include "platform/core/String.h"
#include "platform/core/Types.h"

// Sets the series text ("75X Series C1.XX") and the firmware word (0xB100 or 0xC100) of a
// known model byte and returns its odd result number (1, 3, 5, 7, 9: the hardware page's tree
// item of that series). An unknown model byte returns -1 and leaves both outputs unchanged.
// Either output may be null.
int GetHardwareSeries(WORD wHardwareCode, CString* pName, WORD* pFirmware);
