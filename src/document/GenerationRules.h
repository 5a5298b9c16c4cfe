// What keeps a diagram from running on an older-generation controller: blocks the older
// firmware does not have, I/O points beyond its smaller modules, and settings of known blocks
// it cannot follow. Pasting into an older diagram and choosing an older controller for a newer
// diagram refuse with the same texts.
#pragma once

#include "platform/core/String.h"

class CBlockObj;
class CVetlaDoc;

// The text for a block that an older controller cannot hold; empty when it can. A reference
// the older firmware lacks names the device (strDeviceName) that refuses it.
CString OlderGenerationProblem(const CBlockObj& block, const CString& strDeviceName);
// The first block of the document, in list order, that an older controller cannot hold; empty
// when there is none.
CString FirstOlderGenerationProblem(const CVetlaDoc& doc, const CString& strDeviceName);
// The first WiFi block of the document, which only the WiFi series runs; empty when none.
CString FirstWifiBlockProblem(const CVetlaDoc& doc);
