// Decoding a program image read from a controller back into an FBD document: the document's
// settings, one block per output point and per function-block record, the names, the program
// name and password, the input settings and the message texts, the references, a layout in
// columns leftwards from the outputs, and the wires.
#pragma once

#include "platform/core/String.h"
#include "platform/core/Types.h"

class CVetlaCoreRule;
class CVetlaDoc;

enum class DecodeError {
    None,
    UnknownRecord,    // a record code no block type has
    RecordPastEnd,    // a record runs past the uploaded program or an item past its record
    TextPastArea,     // a message text beyond section C or the uploaded text area
    DataLogDamaged,   // the data log's item count runs past its section
    TooManyBlocks,    // more function blocks than a reference can name
    BadSetting,       // a block setting outside what the block can hold
};

struct DecodeResult {
    BOOL bOk = TRUE;
    DecodeError error = DecodeError::None;
    int nRecord = -1;  // the stream position of the damaged record, -1 for none
};

// Decodes the codec's image (allocated for an upload and filled by it, m_nImageSize1 the bytes
// of buffer 1 it filled) into doc, a fresh FBD document whose hardware code the image sets.
// A damaged image stops the pass: doc is emptied of every block and wire, so that nothing
// partial is shown, and the result names the fault for the user.
DecodeResult DecodeProgramImage(const CVetlaCoreRule& codec, CVetlaDoc& doc);

// The message the upload shows for a failed decoding.
CString DecodeErrorText(const DecodeResult& result);
