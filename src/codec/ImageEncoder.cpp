#include "codec/ImageEncoder.h"

#include "blocks/BlockIn.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "codec/EncodeContext.h"
#include "codec/ImageLayout.h"
#include "codec/LcdCharMap.h"
#include "codec/IoCodes.h"
#include "codec/RecordWriter.h"
#include "codec/VetlaCoreRule.h"
#include "document/VetlaDoc.h"

#include <algorithm>
#include <vector>

namespace {

// Connector pairs may be chained; a chain longer than the program could hold is a loop.
constexpr int kMaxConnectorHops = 1024;

struct OutputSection {
    int nType;
    const char* pszSection;
};

// The output kinds in the order their lists are encoded (analog flags follow analog outputs).
constexpr OutputSection kOutputSections[] = {
    {BT_OUT, "E"}, {BT_FLAG, "F"}, {BT_OPENX, "H"}, {BT_ANALOG_OUT, "G1"}, {BT_ANALOG_FLAG, "G2"},
};

struct BlockLists {
    std::vector<const CBlockObj*> functions;
    std::vector<const CBlockObj*> outputs[std::size(kOutputSections)];
    std::vector<const CBlockObj*> inputs;
};

// The per-input byte of section PW.
int InputSettingOf(const CBlockObj& block)
{
    return block.IsKindOf(RUNTIME_CLASS(CBlockIn)) ? static_cast<const CBlockIn&>(block).m_bHighSpeed : 0;
}

bool HasRecord(const CBlockObj& block)
{
    return IsFunctionBlockType(block.m_nType) && FindImageRecord(block.m_nType) != nullptr;
}

// Each list in ascending block number, equal numbers in the order of the document.
BlockLists SortBlocks(const CVetlaDoc& doc)
{
    BlockLists lists;
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;) {
        const auto* pBlock = static_cast<const CBlockObj*>(doc.m_blockList.GetNext(pos));
        if (HasRecord(*pBlock)) {
            lists.functions.push_back(pBlock);
            continue;
        }
        if (pBlock->m_nType == BT_IN) {
            lists.inputs.push_back(pBlock);
            continue;
        }
        for (std::size_t i = 0; i < std::size(kOutputSections); ++i) {
            if (pBlock->m_nType == kOutputSections[i].nType)
                lists.outputs[i].push_back(pBlock);
        }
    }
    const auto byNumber = [](const CBlockObj* a, const CBlockObj* b) { return a->m_nNumber < b->m_nNumber; };
    std::ranges::stable_sort(lists.functions, byNumber);
    std::ranges::stable_sort(lists.inputs, byNumber);
    for (auto& list : lists.outputs)
        std::ranges::stable_sort(list, byNumber);
    return lists;
}

WORD RecordBytes(const CBlockObj& block, BOOL bNew)
{
    return ImageRecordBytes(block.m_nType, bNew);
}

// The point index of an I/O block within its section, -1 when the section has no place for it.
int PointIndex(const CBlockObj& block, int nEntries)
{
    const IoClass* pClass = FindIoClass(block.m_nType);
    const int nBase = pClass ? pClass->nBase : NUM_OPENX;
    const int nIndex = block.m_nNumber - nBase;
    return nIndex >= 0 && nIndex < nEntries ? nIndex : -1;
}

// The limits a program must keep before anything is written: the controller's program memory,
// the name table and, on the older generation, the message texts of section C. The function
// blocks must be numbered from 9000 without a gap: a reference names a block by its number's
// offset, which the controller (and the upload) take as the place of its record in J, so a gap or
// a twice-used number would wire the program to the wrong blocks.
UINT CheckLimits(const BlockLists& lists, BOOL bNew, int nTextCapacity)
{
    const int nOldTextsMax = FindImageSection("C")->nSize / IMAGE_OLD_TEXT_BYTES;
    int nBytes = 0;
    int nNamed = 0;
    int nTexts = 0;
    int nExpected = 0;
    for (const CBlockObj* pBlock : lists.functions) {
        const int nOffset = pBlock->m_nNumber - NUM_FUNCTION_BLOCK;
        if (nOffset != nExpected++ || nOffset >= IMAGE_FUNCTION_BLOCKS_MAX)
            return IDS_ENCODE_INTERNAL_ERROR;
        nBytes += RecordBytes(*pBlock, bNew);
        nNamed += pBlock->m_strLabelSuffix.IsEmpty() ? 0 : 1;
        nTexts += pBlock->m_nType == BT_MSGTEXT ? 1 : 0;
    }
    if (nBytes > IMAGE_PROGRAM_BYTES_MAX || nNamed > IMAGE_NAMED_BLOCKS_MAX || (!bNew && nTexts > nOldTextsMax))
        return IDS_ENCODE_NO_RESOURCES;
    if (bNew && nTexts > nTextCapacity)
        return IDS_ENCODE_INTERNAL_ERROR;
    return 0;
}

int ProgramBytes(const BlockLists& lists, BOOL bNew)
{
    int nBytes = 0;
    for (const CBlockObj* pBlock : lists.functions)
        nBytes += RecordBytes(*pBlock, bNew);
    return nBytes;
}

// Older generation: LCD codes padded with 0x5B; newer: the characters' low bytes padded with
// spaces.
void WriteName(EncodeContext& ctx, const CBlockObj& block)
{
    const CString& strName = block.m_strLabelSuffix;
    if (strName.IsEmpty())
        return;
    const int k = ctx.m_nNamedBlocks++;
    RecordWriter index(ctx.Section("A"), 2 * k);
    index.Word(block.m_nNumber - NUM_FUNCTION_BLOCK);
    RecordWriter name(ctx.Section("B"), IMAGE_NAME_BYTES * k);
    const BOOL bNew = ctx.IsNewGeneration();
    for (int i = 0; i < IMAGE_NAME_BYTES; ++i) {
        if (i < strName.GetLength())
            name.Byte(bNew ? BYTE(strName[i] & 0xFF) : UnicodeToLcd(strName[i]));
        else
            name.Byte(bNew ? 0x20 : 0x5B);
    }
}

void EncodeFunctionBlocks(EncodeContext& ctx, const std::vector<const CBlockObj*>& blocks)
{
    int nStart = 0;
    std::span<BYTE> j = ctx.Buffer(1);
    for (const CBlockObj* pBlock : blocks) {
        WriteName(ctx, *pBlock);
        if (pBlock->m_nType == BT_MSGTEXT)
            EncodeMessageText(ctx, *pBlock);
        const int nBytes = RecordBytes(*pBlock, ctx.IsNewGeneration());
        EncodeBlockRecord(ctx, *pBlock, j.subspan(std::size_t(nStart), std::size_t(nBytes)));
        if (pBlock->m_nType == BT_MSGTEXT)
            ++ctx.m_nTexts;
        nStart += nBytes;
    }
}

// The source of each output's input 1, never negated, at its point index.
void EncodeOutputSources(EncodeContext& ctx, const OutputSection& section, const std::vector<const CBlockObj*>& blocks)
{
    std::span<BYTE> bytes = ctx.Section(section.pszSection);
    for (const CBlockObj* pBlock : blocks) {
        const int nIndex = PointIndex(*pBlock, int(bytes.size() / 2));
        if (nIndex < 0) {
            ctx.Fail(IDS_ENCODE_INTERNAL_ERROR);
            return;
        }
        RecordWriter w(bytes, 2 * nIndex);
        ctx.WritePinSource(w, pBlock->m_nPinSource[0], FALSE);
    }
}

void EncodeInputSettings(EncodeContext& ctx, const std::vector<const CBlockObj*>& inputs)
{
    std::span<BYTE> pw = ctx.Section("PW");
    for (const CBlockObj* pBlock : inputs) {
        const int nIndex = PointIndex(*pBlock, int(pw.size()));
        if (nIndex < 0) {
            ctx.Fail(IDS_ENCODE_INTERNAL_ERROR);
            return;
        }
        if (const int nSetting = InputSettingOf(*pBlock))
            pw[std::size_t(nIndex)] = BYTE(nSetting & 0xFF);
    }
}

} // namespace

EncodeContext::EncodeContext(const CVetlaDoc& doc, int nBuffer1Bytes, int nTextAreaBytes)
    : m_doc(doc), m_bNew(doc.IsNewGenerationDoc())
{
    m_buffers[0].resize(IMAGE_BUFFER0_BYTES);
    PresetImageBuffer0(m_buffers[0]);
    m_buffers[1].assign(std::size_t(nBuffer1Bytes), BYTE(0xFF));
    m_textArea.resize(std::size_t(nTextAreaBytes));
    PresetTextArea(m_textArea);
}

std::span<BYTE> EncodeContext::Section(const char* pszName)
{
    return ImageSectionBytes(m_buffers, pszName);
}

SourceRef EncodeContext::ResolveSource(int nSource, BOOL bNegated, WORD* pWord) const
{
    const CBlockObj* pSource = m_doc.FindBlockByNumber(nSource);
    for (int nHop = 0; pSource && nHop < kMaxConnectorHops; ++nHop) {
        const int nType = pSource->m_nType;
        if (nType != BT_MALE && nType != BT_FEMALE)
            break;
        // The pair stands for one wire: what feeds the Male's input feeds the Female's pins.
        const CBlockObj* pMale =
            nType == BT_FEMALE ? m_doc.FindBlockByNumber(pSource->m_nNumber - NUM_FEMALE_OFFSET) : pSource;
        if (!pMale || pMale->m_nPinSource[0] < NUM_INPUT)
            return SourceRef::None;
        pSource = m_doc.FindBlockByNumber(pMale->m_nPinSource[0]);
    }
    if (!pSource)
        return SourceRef::None;
    return ImageReference(pSource->m_nType, pSource->m_nNumber, bNegated, pWord) ? SourceRef::Word : SourceRef::Bad;
}

void EncodeContext::WritePinSource(RecordWriter& w, int nSource, BOOL bNegated)
{
    if (nSource == LINK_OPEN) {
        if (bNegated)
            w.Word(IMAGE_OPEN_NEGATED);
        else
            w.Skip(2);
        return;
    }
    WORD wRef = 0;
    switch (ResolveSource(nSource, bNegated, &wRef)) {
    case SourceRef::Word:
        w.Word(wRef);
        return;
    case SourceRef::Bad:
        Fail(IDS_ENCODE_INTERNAL_ERROR);
        break;
    case SourceRef::None:
        break;
    }
    w.Skip(2);
}

EncodeResult BuildProgramImage(CVetlaCoreRule& codec, const SYSTEMTIME& stNow)
{
    if (!codec.m_pDoc || codec.Image(0).size() != std::size_t(IMAGE_BUFFER0_BYTES))
        return {FALSE, IDS_ENCODE_INTERNAL_ERROR, {}};
    const CVetlaDoc& doc = *codec.m_pDoc;
    const BOOL bNew = doc.IsNewGenerationDoc();
    const BlockLists lists = SortBlocks(doc);
    const int nTextCapacity = int(codec.TextArea().size()) / IMAGE_TEXT_BLOCK_BYTES;
    if (const UINT nId = CheckLimits(lists, bNew, nTextCapacity))
        return {FALSE, nId, {}};

    const int nBuffer1Bytes = ImageBuffer1Bytes(ProgramBytes(lists, bNew));
    EncodeContext ctx(doc, nBuffer1Bytes, int(codec.TextArea().size()));
    EncodeFunctionBlocks(ctx, lists.functions);
    for (std::size_t i = 0; i < std::size(kOutputSections); ++i)
        EncodeOutputSources(ctx, kOutputSections[i], lists.outputs[i]);
    EncodeHeaderSections(ctx, nBuffer1Bytes);
    EncodeInputSettings(ctx, lists.inputs);
    EncodeDocumentSections(ctx, stNow);
    if (ctx.Error())
        return {FALSE, ctx.Error(), ctx.ErrorText()};

    std::ranges::copy(ctx.TakeBuffer(0), codec.Image(0).begin());
    codec.ReplaceBuffer1(std::move(ctx.TakeBuffer(1)));
    std::ranges::copy(ctx.TakeTextArea(), codec.TextArea().begin());
    return {};
}
