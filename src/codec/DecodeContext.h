// The state of one decoding pass of an uploaded image into a fresh document, shared by the pass
// (ImageDecoder.cpp), the record decoders, the message-text decoder and the layout.
#pragma once

#include "codec/ImageDecoder.h"
#include "codec/MessageTextScreen.h"

#include "platform/core/Types.h"

#include <bitset>
#include <span>
#include <unordered_map>
#include <vector>

class CBlockMSGTEXT;
class CBlockObj;
class CObArray;
class CVetlaCoreRule;
class CVetlaDoc;
class RecordReader;

class DecodeContext {
public:
    DecodeContext(const CVetlaCoreRule& codec, CVetlaDoc& doc);

    CVetlaDoc& Doc() { return m_doc; }
    const CVetlaCoreRule& Codec() const { return m_codec; }
    // The image's own hardware code, once the document sections are read, decides.
    BOOL IsNewGeneration() const;
    std::span<const BYTE> Section(const char* pszName) const;

    // The block of a number this pass made, else null.
    CBlockObj* Find(int nNumber) const;
    // Gives the block its number, appends it to the document and, for an output kind, to the
    // roots of the layout.
    void Adopt(CBlockObj* pBlock, int nNumber);

    // The block of an I/O point's number, made when the image names the point before its
    // block exists (its output link nConsumer, or none for -1); null for a number of no I/O
    // class.
    CBlockObj* PointBlock(int nNumber, int nConsumer);

    // A pin's two-byte source item (an output entry or an input-pin item): none, an open
    // negated pin, a function block or an I/O point, whose block is made when it is new.
    void ReadPinSource(RecordReader& r, CBlockObj& block, int nPin, BOOL bNegation = TRUE);

    // The first failure of the pass; later ones do not replace it.
    void Fail(DecodeError error, int nRecord)
    {
        if (m_result.error == DecodeError::None)
            m_result = {FALSE, error, nRecord};
    }
    BOOL Failed() const { return m_result.error != DecodeError::None; }
    const DecodeResult& Result() const { return m_result; }

    // The output kinds in ascending number: where layout and wiring start.
    std::vector<CBlockObj*>& Roots() { return m_roots; }

    // Counters of the pass.
    int m_nRecord = 0;
    int m_nTexts = 0;

private:
    const CVetlaCoreRule& m_codec;
    CVetlaDoc& m_doc;
    std::unordered_map<int, CBlockObj*> m_byNumber;
    std::vector<CBlockObj*> m_roots;
    DecodeResult m_result;
};

// The record of the function block at stream position ctx.m_nRecord: the block of its type with
// its header flags, items and name; null (and the context failed) when the record is damaged.
CBlockObj* DecodeBlockRecord(DecodeContext& ctx, int nType, std::span<const BYTE> record);
// The type whose record starts with this code; 0 for a code no type has.
int TypeOfRecordCode(BYTE byCode);

// The text of a message-text block, the ctx.m_nTexts-th of the image.
void DecodeMessageText(DecodeContext& ctx, CBlockObj& block);
// The elements of a newer screen into its four line lists; the text cells their marks take.
using TextMarks = std::bitset<TEXT_SCREEN_TEXT_CELLS * TEXT_SCREEN_LINES>;
TextMarks DecodeScreenElements(DecodeContext& ctx, const CBlockMSGTEXT& text, const ConstTextScreen& screen,
                               CObArray* pLines);

// The document settings of buffer 0, the hardware code first.
void DecodeDocumentSections(DecodeContext& ctx);
// The newer controllers' settings and the data log, once the function blocks it logs exist.
void DecodeNewerDocumentSections(DecodeContext& ctx);

// Places the blocks in columns leftwards of the outputs, sizes the sheet and draws the wires.
void LayOutDecodedDiagram(DecodeContext& ctx);
