// What a document made by the program rather than by the user (the ladder conversion's, an
// upload's) takes over: a new FBD document opened through the main window, and the settings of
// the document it stands in for.
#pragma once

#include "platform/core/Types.h"

class CVetlaDoc;

// Sends File New (an FBD document) to the application's main window without opening the new
// document's Properties sheet; the document, then the active one, carries the application's
// "Show at new file" all the same. Null when no new document opened.
CVetlaDoc* OpenDocumentWithoutSheet();

// Copies from one document to the other the program settings ("Show at new file" among them;
// those of analog inputs and outputs only from a newer-generation source), the hardware code
// with its three words and the message-text settings. Not the diagram, the zoom, the uploaded
// logo or the hardware name.
void CopyDocumentSettings(CVetlaDoc& to, const CVetlaDoc& from);
