// Encoding an FBD document into the program image of a codec allocated for a download: one
// record per function block in section J, the source of every output in its output section, the
// names, the message texts, the input settings and the document's settings.
#pragma once

#include "platform/core/String.h"
#include "platform/core/Types.h"

class CVetlaCoreRule;
class CVetlaDoc;

// String ids of the encoder's refusals.
constexpr UINT IDS_ENCODE_INTERNAL_ERROR = 604;  // "Internal error,Please notify the engineer!"
constexpr UINT IDS_ENCODE_NO_RESOURCES = 612;    // "Insufficient Resources to create/paste the blocks."

struct EncodeResult {
    BOOL bOk = TRUE;
    UINT nMessageId = 0;  // 0, or the string the download shows for the refusal
    CString strMessage;   // a refusal in its own words, shown instead of nMessageId when set
};

// Encodes the codec's document (allocated in download mode) with the download stamp stNow. The
// whole image is built aside and replaces the codec's buffers only when every block and every
// limit passed: more program bytes than the controller holds, more than 256 names, more older
// message texts than section C holds, or more I/O state names or drawn elements than a newer
// message-text screen holds are refused with 612; function blocks not numbered from
// 9000 without a gap, a block whose number or point index the image cannot express, a source that is no block the image can name, or a record that would
// not fit its block's program size with 604. An older message text's element that the image
// cannot place where it stands (outside the display's twelve columns) is refused with a text
// naming the block, and so is a data log for the older generation, whose image has no place for
// it. A refusal leaves the codec's buffers as they were.
// Buffer 1 takes the size of the records as written (each type's record size by generation).
EncodeResult BuildProgramImage(CVetlaCoreRule& codec, const SYSTEMTIME& stNow);

// The checksums that close a finished image: the sum of buffer 0 from byte 1024 and of buffer
// 1 at LC 1016 (each 4-byte word short of a full buffer 1 counting as 0xFFFFFFFF) and, for the
// newer generation with message texts, the text area's size in words at LC 1010 and its sum at
// LC 1012. The download writes them after the logo.
void WriteImageChecksums(CVetlaCoreRule& codec, BOOL bNewGeneration);
