// The state of one encoding pass, shared by the pass (ImageEncoder.cpp), the document sections,
// the record encoders and the message-text encoders. The image is built in a draft of its own
// that replaces the codec's buffers only when the whole pass succeeded.
#pragma once

#include "codec/ImageEncoder.h"

#include "platform/core/String.h"
#include "platform/core/Types.h"

#include <span>
#include <vector>

class CBlockObj;
class CVetlaDoc;
class RecordWriter;

// What a pin's source resolves to.
enum class SourceRef {
    None,  // an open pin, a number that names no block, a connector that nothing feeds
    Word,  // the reference word
    Bad,   // a block the image cannot name
};

class EncodeContext {
public:
    EncodeContext(const CVetlaDoc& doc, int nBuffer1Bytes, int nTextAreaBytes);

    const CVetlaDoc& Doc() const { return m_doc; }
    BOOL IsNewGeneration() const { return m_bNew; }
    std::span<BYTE> Section(const char* pszName);
    std::span<BYTE> Buffer(int nBuffer) { return m_buffers[nBuffer]; }
    std::span<BYTE> TextArea() { return m_textArea; }

    // The reference word of the block numbered nSource feeding a pin, through connector pairs
    // to the block that feeds the pair.
    SourceRef ResolveSource(int nSource, BOOL bNegated, WORD* pWord) const;
    // Writes the reference of a pin's source (0x00 0xF4 for an open negated pin; an open pin or
    // one whose source names no block leaves its two bytes); a source the image cannot name
    // fails the pass.
    void WritePinSource(RecordWriter& w, int nSource, BOOL bNegated);

    // The first failure of the pass; later ones do not replace it.
    void Fail(UINT nMessageId)
    {
        if (m_nError == 0)
            m_nError = nMessageId;
    }
    UINT Error() const { return m_nError; }
    // A failure told in its own words (naming the block it concerns).
    void Fail(const CString& strMessage)
    {
        if (m_nError == 0) {
            m_nError = IDS_ENCODE_INTERNAL_ERROR;
            m_strError = strMessage;
        }
    }
    const CString& ErrorText() const { return m_strError; }

    std::vector<BYTE>& TakeBuffer(int nBuffer) { return m_buffers[nBuffer]; }
    std::vector<BYTE>& TakeTextArea() { return m_textArea; }

    // Counters of the pass.
    int m_nNamedBlocks = 0;
    int m_nTexts = 0;
    int m_nFilters = 0;

private:
    const CVetlaDoc& m_doc;
    BOOL m_bNew;
    std::vector<BYTE> m_buffers[2];
    std::vector<BYTE> m_textArea;
    UINT m_nError = 0;
    CString m_strError;
};

// Writes a function block's record (header and body) into its place in section J; failures go
// to the context.
void EncodeBlockRecord(EncodeContext& ctx, const CBlockObj& block, std::span<BYTE> record);
// The record code of a function-block type (0 for a type without a record).
BYTE RecordCodeOf(int nType);
// The two header bytes: the record code and the flag byte.
WORD BlockHeaderFlags(const CBlockObj& block);

// The message text of a CBlockMSGTEXT: section C (older generation) or its 1280-byte block of
// the message-text area (newer generation), as text number ctx.m_nTexts.
void EncodeMessageText(EncodeContext& ctx, const CBlockObj& block);

// The fixed sections from the document's settings, the download stamp and the data log.
void EncodeHeaderSections(EncodeContext& ctx, int nBuffer1Bytes);
void EncodeDocumentSections(EncodeContext& ctx, const SYSTEMTIME& stNow);
