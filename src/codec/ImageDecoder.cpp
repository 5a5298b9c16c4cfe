#include "codec/ImageDecoder.h"

#include "blocks/BlockDataLog.h"
#include "blocks/BlockFactory.h"
#include "blocks/BlockIn.h"
#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "blocks/Widget.h"
#include "codec/DecodeContext.h"
#include "codec/ImageLayout.h"
#include "codec/IoCodes.h"
#include "codec/LcdCharMap.h"
#include "codec/ParameterElement.h"
#include "codec/RecordReader.h"
#include "codec/VetlaCoreRule.h"
#include "document/VetlaDoc.h"

#include <algorithm>
#include <iterator>

namespace {

struct OutputSection {
    const char* pszSection;
    int nType;
};

// The output kinds in the order they are read back.
constexpr OutputSection kOutputSections[] = {
    {"E", BT_OUT}, {"F", BT_FLAG}, {"G1", BT_ANALOG_OUT}, {"G2", BT_ANALOG_FLAG}, {"H", BT_OPENX},
};

// The kinds the layout starts from: every output point, and the write blocks of the WiFi link.
bool IsRootType(int nType)
{
    switch (nType) {
    case BT_OUT: case BT_FLAG: case BT_ANALOG_OUT: case BT_ANALOG_FLAG: case BT_OPENX:
    case BT_WIFI_OUT: case BT_WIFI_AOUT: case BT_DATALOG:
        return true;
    default:
        return false;
    }
}

int NumberBase(int nType)
{
    const IoClass* pClass = FindIoClass(nType);
    return pClass ? pClass->nBase : NUM_OPENX;
}

void DecodeOutputSection(DecodeContext& ctx, const OutputSection& section)
{
    std::span<const BYTE> bytes = ctx.Section(section.pszSection);
    const int nBase = NumberBase(section.nType);
    for (int nIndex = 0; 2 * nIndex + 1 < int(bytes.size()); ++nIndex) {
        const BYTE b0 = bytes[std::size_t(2 * nIndex)];
        const BYTE b1 = bytes[std::size_t(2 * nIndex + 1)];
        if ((b0 & b1) == 0xFF)
            continue;
        CBlockObj* pOutput = ctx.Find(nBase + nIndex);
        if (!pOutput) {
            pOutput = CreateBlockForType(section.nType, nullptr, &ctx.Doc());
            ctx.Adopt(pOutput, nBase + nIndex);
        }
        RecordReader r(bytes, 2 * nIndex);
        ctx.ReadPinSource(r, *pOutput, 0, FALSE);
    }
}

// Older controllers keep the names in LCD codes padded with the LCD blank, newer ones in the
// characters' low bytes padded with spaces; the padding goes with the trailing white space.
CString ReadName(std::span<const BYTE> bytes, BOOL bNew)
{
    CString strName;
    for (BYTE by : bytes) {
        if (by == 0)
            break;
        const TCHAR ch = bNew ? TCHAR(by) : LcdToUnicode(by);
        strName += ch ? ch : TCHAR(' ');
    }
    strName.TrimRight();
    return strName;
}

// Section A lists the named blocks' stream positions in ascending order up to 0xFFFF, section B
// their names, 8 bytes each.
void DecodeBlockNames(DecodeContext& ctx)
{
    std::span<const BYTE> a = ctx.Section("A");
    std::span<const BYTE> b = ctx.Section("B");
    for (int j = 0; 2 * j + 1 < int(a.size()); ++j) {
        const int nPosition = a[std::size_t(2 * j)] | a[std::size_t(2 * j + 1)] << 8;
        if (nPosition == 0xFFFF)
            break;
        CBlockObj* pBlock = ctx.Find(NUM_FUNCTION_BLOCK + nPosition);
        const std::size_t nFrom = std::size_t(IMAGE_NAME_BYTES * j);
        if (pBlock && nFrom + IMAGE_NAME_BYTES <= b.size())
            pBlock->m_strLabelSuffix = ReadName(b.subspan(nFrom, IMAGE_NAME_BYTES), ctx.IsNewGeneration());
    }
}

// The program name (K) and password (L): one character per byte up to the first 0xFF or 0.
CString ReadText(std::span<const BYTE> bytes)
{
    CString str;
    for (BYTE by : bytes) {
        if (by == 0xFF || by == 0)
            break;
        str += TCHAR(by);
    }
    return str;
}

void DecodeInputSettings(DecodeContext& ctx)
{
    std::span<const BYTE> pw = ctx.Section("PW");
    for (int nIndex = 0; nIndex < int(pw.size()); ++nIndex) {
        CBlockObj* pBlock = ctx.Find(NUM_INPUT + nIndex);
        if (pBlock && pBlock->IsKindOf(RUNTIME_CLASS(CBlockIn)))
            static_cast<CBlockIn*>(pBlock)->m_bHighSpeed = pw[std::size_t(nIndex)];
    }
}

// Every record from the start of buffer 1 to the end marker or the uploaded length. Each record
// is as long as its type's record by generation, the length the encoder wrote it with; one that
// would run past the upload, or whose items run past its end, is a damaged image.
void DecodeBlockStream(DecodeContext& ctx)
{
    std::span<const BYTE> j = ctx.Codec().Image(1);
    j = j.first(std::min(j.size(), std::size_t(std::max(ctx.Codec().m_nImageSize1, 0))));
    std::size_t nPos = 0;
    while (nPos < j.size() && !ctx.Failed()) {
        const BYTE b0 = j[nPos];
        const BYTE b1 = nPos + 1 < j.size() ? j[nPos + 1] : BYTE(0xFF);
        if ((b0 & b1) == 0xFF)
            return;
        const int nType = TypeOfRecordCode(b0);
        if (nType == 0) {
            ctx.Fail(DecodeError::UnknownRecord, ctx.m_nRecord);
            return;
        }
        if (ctx.m_nRecord >= IMAGE_FUNCTION_BLOCKS_MAX) {
            ctx.Fail(DecodeError::TooManyBlocks, ctx.m_nRecord);
            return;
        }
        const std::size_t nBytes = ImageRecordBytes(nType, ctx.IsNewGeneration());
        if (nBytes == 0 || nPos + nBytes > j.size()) {
            ctx.Fail(DecodeError::RecordPastEnd, ctx.m_nRecord);
            return;
        }
        CBlockObj* pBlock = DecodeBlockRecord(ctx, nType, j.subspan(nPos, nBytes));
        if (pBlock && nType == BT_MSGTEXT) {
            DecodeMessageText(ctx, *pBlock);
            ++ctx.m_nTexts;
        }
        nPos += nBytes;
        ++ctx.m_nRecord;
    }
}

// The message-text elements' blocks, which the image may name before their records, and what
// the blocks' types give the elements.
void ResolveElements(DecodeContext& ctx, CBlockMSGTEXT& text)
{
    for (int nArray = 0; nArray < MSGTEXT_WIDGET_ARRAYS; ++nArray) {
        CObArray& line = text.WidgetArray(nArray);
        for (INT_PTR i = 0; i < line.GetSize(); ++i) {
            if (auto* pWidget = static_cast<CWidget*>(line[i])) {
                pWidget->m_pBlock = ctx.Find(pWidget->m_nBlockNumber);
                ApplyShownBlock(*pWidget);
            }
        }
    }
}

// The referenced blocks' pointers, and no pin left naming a block the image did not hold (a
// damaged source item, or a record the image lacks).
void ResolveLinks(DecodeContext& ctx)
{
    for (POSITION pos = ctx.Doc().m_blockList.GetHeadPosition(); pos;) {
        auto* pBlock = static_cast<CBlockObj*>(ctx.Doc().m_blockList.GetNext(pos));
        for (int k = 0; k < BLOCK_REF_COUNT; ++k) {
            if (pBlock->m_nParam[BLOCK_REF_USED_PARAM + k])
                pBlock->m_pRefBlock[k] = ctx.Find(pBlock->m_nRefBlock[k]);
        }
        if (pBlock->IsKindOf(RUNTIME_CLASS(CBlockMSGTEXT)))
            ResolveElements(ctx, *static_cast<CBlockMSGTEXT*>(pBlock));
        if (pBlock->IsKindOf(RUNTIME_CLASS(CBlockDataLog))) {
            auto& items = static_cast<CBlockDataLog*>(pBlock)->m_arrLogItems;
            for (int i = 0; i < int(items.GetSize()); ++i) {
                if (!items[i].strItem.IsEmpty() && items[i].strItem[0] == u'B')
                    items[i].nSpare = ctx.Find(items[i].nValue1);
            }
        }
        for (int nPin = 0; nPin < pBlock->m_nInputs && nPin < BLOCK_FIRST_OUTPUT; ++nPin) {
            const int nSource = pBlock->m_nPinSource[nPin];
            if (nSource >= NUM_INPUT && !ctx.Find(nSource))
                pBlock->m_nPinSource[nPin] = LINK_OPEN;
        }
    }
}

} // namespace

DecodeContext::DecodeContext(const CVetlaCoreRule& codec, CVetlaDoc& doc)
    : m_codec(codec), m_doc(doc)
{
}

BOOL DecodeContext::IsNewGeneration() const
{
    return m_doc.IsNewGenerationDoc();
}

std::span<const BYTE> DecodeContext::Section(const char* pszName) const
{
    return m_codec.Section(pszName);
}

CBlockObj* DecodeContext::Find(int nNumber) const
{
    const auto it = m_byNumber.find(nNumber);
    return it == m_byNumber.end() ? nullptr : it->second;
}

void DecodeContext::Adopt(CBlockObj* pBlock, int nNumber)
{
    pBlock->m_nNumber = nNumber;
    // An I/O point's operand is its index in its range: what its label and the editor's
    // numbering read.
    if (FindIoClass(pBlock->m_nType) || pBlock->m_nType == BT_OPENX)
        pBlock->m_nOperand = nNumber - NumberBase(pBlock->m_nType);
    pBlock->SetDocument(&m_doc);
    m_doc.m_blockList.AddTail(pBlock);
    m_byNumber[nNumber] = pBlock;
    if (!IsRootType(pBlock->m_nType))
        return;
    const auto it = std::ranges::upper_bound(m_roots, nNumber, {}, &CBlockObj::m_nNumber);
    m_roots.insert(it, pBlock);
}

CBlockObj* DecodeContext::PointBlock(int nNumber, int nConsumer)
{
    if (CBlockObj* pBlock = Find(nNumber))
        return pBlock;
    const IoClass* pClass = FindIoClassOfNumber(nNumber);
    if (!pClass)
        return nullptr;
    CBlockObj* pPoint = CreateBlockForType(pClass->nType, nullptr, &m_doc);
    if (nConsumer >= 0)
        pPoint->m_nPinSource[BLOCK_FIRST_OUTPUT] = nConsumer;
    Adopt(pPoint, nNumber);
    return pPoint;
}

void DecodeContext::ReadPinSource(RecordReader& r, CBlockObj& block, int nPin, BOOL bNegation)
{
    const int b0 = r.Byte();
    const int b1 = r.Byte();
    if ((b0 & b1) == 0xFF)
        return;
    const BOOL bNegated = bNegation && (b1 & 0x04) != 0;
    if (b0 == 0 && b1 == 0xF4) {
        block.m_bPinInvert[nPin] = bNegation;
        return;
    }
    if (b1 >> 4 == IO_CLASS_FUNCTION_BLOCK) {
        block.m_nPinSource[nPin] = NUM_FUNCTION_BLOCK + b0 + 256 * (b1 & 3);
    } else {
        if (DecodeIoCode(WORD(b0 << 8 | b1), &block, nPin) < 0)
            return;
        PointBlock(block.m_nPinSource[nPin], block.m_nNumber);
    }
    block.m_bPinInvert[nPin] = bNegated;
    if (block.m_nFirstInput < 0)
        block.m_nFirstInput = nPin;
}

DecodeResult DecodeProgramImage(const CVetlaCoreRule& codec, CVetlaDoc& doc)
{
    if (codec.Image(0).size() != std::size_t(IMAGE_BUFFER0_BYTES))
        return {FALSE, DecodeError::RecordPastEnd, -1};
    // The hardware code decides the generation every record is read for.
    DecodeContext ctx(codec, doc);
    DecodeDocumentSections(ctx);
    for (const OutputSection& section : kOutputSections)
        DecodeOutputSection(ctx, section);
    DecodeBlockStream(ctx);
    if (!ctx.Failed())
        DecodeNewerDocumentSections(ctx);
    if (ctx.Failed()) {
        doc.DeleteContents();
        return ctx.Result();
    }
    DecodeBlockNames(ctx);
    doc.m_settings.strProgramName = ReadText(ctx.Section("K"));
    doc.m_settings.strPassword = ReadText(ctx.Section("L"));
    DecodeInputSettings(ctx);
    ResolveLinks(ctx);
    LayOutDecodedDiagram(ctx);
    return ctx.Result();
}

CString DecodeErrorText(const DecodeResult& result)
{
    CString strText;
    switch (result.error) {
    case DecodeError::None:
        break;
    case DecodeError::UnknownRecord:
        strText.Format(_T("The device's program holds a block this software does not know (block B%d)."),
                       result.nRecord);
        break;
    case DecodeError::RecordPastEnd:
        strText.Format(_T("The device's program is damaged: block B%d runs past its end."), result.nRecord);
        break;
    case DecodeError::TextPastArea:
        strText.Format(_T("The device's program is damaged: the message text of block B%d is missing."),
                       result.nRecord);
        break;
    case DecodeError::DataLogDamaged:
        strText = _T("The device's program is damaged: the data log runs past its end.");
        break;
    case DecodeError::BadSetting:
        strText.Format(_T("The device's program is damaged: block B%d has a setting it cannot hold."),
                       result.nRecord);
        break;
    case DecodeError::TooManyBlocks:
        strText = _T("The device's program holds more blocks than a program may have.");
        break;
    }
    return strText;
}
