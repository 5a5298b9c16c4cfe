// The texts of the message-text blocks read back: 64 bytes of section C per text on the older
// controllers, a 1280-byte block of the message-text area on the newer ones. A text beyond
// section C or beyond the uploaded area is a damaged image, never a read past the buffer.
#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockTypes.h"
#include "blocks/Widget.h"
#include "codec/DecodeContext.h"
#include "codec/ImageLayout.h"
#include "codec/LcdCharMap.h"
#include "codec/MessageTextScreen.h"
#include "codec/MultiByteText.h"
#include "codec/ParameterElement.h"
#include "codec/RecordReader.h"
#include "codec/VetlaCoreRule.h"
#include "document/VetlaDoc.h"

#include <algorithm>
#include <memory>

namespace {

constexpr int kLineBytes = OLD_TEXT_LINE_BYTES;
constexpr int kOldLineChars = OLD_TEXT_LINE_CHARS;
constexpr BYTE kLcdBlank = LCD_BLANK;
constexpr int kLineText = OLD_TEXT_LINE_TEXT;
constexpr int kOldCellPixels = 20;

// A blank cell is kept empty, as a new message keeps it.
CString Cell(TCHAR ch)
{
    return ch == 0 || ch == u' ' ? CString() : CString(ch);
}

// The line kinds of the elements: a block's parameter, and the message text's own parameters
// (entries 0-3 of its list) on kinds 3-6. The characters outside a line's element follow from
// byte 7.
constexpr int kLineParameter = 2;
constexpr int kLineOwnFirst = 3;
constexpr int kOwnParameters = 4;
constexpr int kOldCharsFirst = 7;
constexpr int kOldValueHeight = 36;
constexpr COLORREF kValueColour = 0x808080;

// The LCD codes of columns 1 to 12 but those of the element from nColumn, nWidth wide; the
// line's bytes end what there is.
void ReadOldCells(RecordReader& r, CString* pRow, int nColumn, int nWidth)
{
    for (int nCol = 1; nCol <= kOldLineChars && r.Position() < r.Size(); ++nCol) {
        if (nCol >= nColumn && nCol < nColumn + nWidth)
            continue;
        const BYTE byCode = BYTE(r.Byte());
        pRow[nCol] = Cell(byCode == kLcdBlank ? 0 : LcdToUnicode(byCode));
    }
}

struct OldElement {
    int nLine;
    int nColumn;
    int nKind;
    int nNumber;
};

// The element a line shows, as wide as its parameter; a parameter the table lacks, or one that
// would run past column 12, is a damaged setting.
bool AddOldParameter(DecodeContext& ctx, CBlockMSGTEXT& text, const OldElement& e,
                     std::optional<ParameterEntry> entry)
{
    if (!entry || !EntryFits(*entry, e.nColumn, kOldLineChars)) {
        ctx.Fail(DecodeError::BadSetting, ctx.m_nRecord);
        return false;
    }
    auto pWidget = std::make_unique<CWidget>(e.nColumn * kOldCellPixels, e.nLine * kOldValueHeight,
                                             entry->nWidth * kOldCellPixels, kOldValueHeight, kValueColour);
    pWidget->m_nLine = e.nLine + 1;
    pWidget->m_nColumn = e.nColumn;
    pWidget->m_nKind = e.nKind;
    pWidget->m_nBlockNumber = e.nNumber;
    pWidget->m_pDoc = &ctx.Doc();
    ApplyParameterEntry(*pWidget, *entry);
    text.m_arrWidgets1[e.nLine].Add(pWidget.release());
    return true;
}

// A block's parameter names the block by its stream position and the parameter by the record
// code of the block's type and the entry of its list (one further on for the pulse relay,
// whose list the controller counts from a hidden first entry).
std::optional<ParameterEntry> ReadOldBlockParameter(RecordReader& r, OldElement& e)
{
    e.nNumber = NUM_FUNCTION_BLOCK + r.Word();
    const int nType = TypeOfRecordCode(BYTE(r.Byte()));
    e.nKind = r.Byte() - (nType == BT_RG ? 1 : 0);
    return FindParameterEntry(nType, e.nKind, false);
}

void DecodeOldLine(DecodeContext& ctx, CBlockMSGTEXT& text, int nLine, RecordReader& r)
{
    const int nKind = r.Byte();
    CString* pRow = text.m_strCells1[nLine + 1];
    if (nKind == kLineText) {
        r.Skip(1);
        ReadOldCells(r, pRow, 0, 0);
        return;
    }
    if (nKind < kLineParameter || nKind >= kLineOwnFirst + kOwnParameters)
        return;
    OldElement e{nLine, r.Byte() + 1, nKind - kLineOwnFirst, text.m_nNumber};
    const std::optional<ParameterEntry> entry = nKind == kLineParameter
                                                    ? ReadOldBlockParameter(r, e)
                                                    : FindParameterEntry(BT_MSGTEXT, e.nKind, false);
    if (!AddOldParameter(ctx, text, e, entry))
        return;
    r.Skip(kOldCharsFirst - r.Position());
    ReadOldCells(r, pRow, e.nColumn, entry->nWidth);
}

void DecodeOldText(DecodeContext& ctx, CBlockMSGTEXT& text)
{
    std::span<const BYTE> c = ctx.Section("C");
    const std::size_t nOffset = std::size_t(ctx.m_nTexts) * IMAGE_OLD_TEXT_BYTES;
    if (nOffset + IMAGE_OLD_TEXT_BYTES > c.size()) {
        ctx.Fail(DecodeError::TextPastArea, ctx.m_nRecord);
        return;
    }
    std::span<const BYTE> slot = c.subspan(nOffset, IMAGE_OLD_TEXT_BYTES);
    for (int nLine = 0; nLine < MSGTEXT_LINES; ++nLine) {
        RecordReader r(slot.subspan(std::size_t(nLine * kLineBytes), kLineBytes));
        DecodeOldLine(ctx, text, nLine, r);
    }
}

// The newer layout of one text block, as MessageTextEncoder.cpp writes it.
constexpr int kRowCells = TEXT_SCREEN_ROW_CELLS;
constexpr int kTextCells = TEXT_SCREEN_TEXT_CELLS;
constexpr int kScreenAttrBytes = TEXT_SCREEN_ATTR_BYTES;
constexpr int kScreenCharsFirst = TEXT_SCREEN_CHARS_FIRST;
constexpr int kScreenCharBytes = TEXT_SCREEN_CHAR_BYTES;
constexpr BYTE kAttrGbk = TEXT_ATTR_GBK;
constexpr BYTE kAttrBig5 = TEXT_ATTR_BIG5;
constexpr int kSettingsPerScreen = TEXT_SCREEN_SETTINGS;

// An LCD symbol code stands for its character; any other value is the character itself.
TCHAR SingleCell(int nValue)
{
    const TCHAR ch = LcdSymbolChar(nValue);
    return ch ? ch : TCHAR(nValue);
}

// A cell under an element's marks keeps the character written there, whatever the mark byte.
void DecodeScreenRow(const ConstTextScreen& screen, const TextMarks& marks, CString* pRow, int nRow)
{
    for (int nCol = 0; nCol < kTextCells; ++nCol) {
        const bool bMarked = marks.test(std::size_t(nRow * kTextCells + nCol));
        const BYTE byAttr = bMarked ? TEXT_ATTR_SINGLE : screen.attrs[std::size_t(nRow * kRowCells + nCol)];
        const int nValue = RecordReader(screen.chars, (nRow * kTextCells + nCol) * 2).Word();
        if (byAttr != kAttrGbk && byAttr != kAttrBig5) {
            pRow[nCol + 1] = Cell(SingleCell(nValue));
            continue;
        }
        // A double-byte character takes its cell and the next one, which stays empty.
        const MultiBytePage page = byAttr == kAttrGbk ? MultiBytePage::Gbk936 : MultiBytePage::Big5_950;
        pRow[nCol + 1] = Cell(FromDoubleByte(WORD(nValue), page));
        if (nCol + 1 < kTextCells)
            pRow[++nCol + 1] = CString();
    }
}

void DecodeScreenSettings(std::span<const BYTE> attrs, int* pSettings)
{
    pSettings[0] = attrs[27];
    for (int nRow = 0; nRow < MSGTEXT_LINES; ++nRow)
        pSettings[1 + nRow] = attrs[std::size_t(nRow * kRowCells + 28)];
    pSettings[5] = attrs[29];
    pSettings[6] = attrs[30];
}

void DecodeNewText(DecodeContext& ctx, CBlockMSGTEXT& text)
{
    std::span<const BYTE> area = ctx.Codec().TextArea();
    const int nReported = ctx.Codec().m_nTextAreaSize;
    if (nReported > 0)
        area = area.first(std::min(area.size(), std::size_t(nReported)));
    const std::size_t nOffset = std::size_t(ctx.m_nTexts) * IMAGE_TEXT_BLOCK_BYTES;
    if (nOffset + IMAGE_TEXT_BLOCK_BYTES > area.size()) {
        ctx.Fail(DecodeError::TextPastArea, ctx.m_nRecord);
        return;
    }
    std::span<const BYTE> block = area.subspan(nOffset, IMAGE_TEXT_BLOCK_BYTES);
    for (int nScreen = 0; nScreen < 2; ++nScreen) {
        const auto part = [&](int nFirst, int nBytes) {
            return block.subspan(std::size_t(TextScreenOffset(nScreen, nFirst, nBytes)), std::size_t(nBytes));
        };
        const ConstTextScreen screen{part(0, kScreenAttrBytes), part(kScreenCharsFirst, kScreenCharBytes),
                                     part(TEXT_SCREEN_LABELS_FIRST, TEXT_SCREEN_LABEL_BYTES),
                                     part(TEXT_SCREEN_RECORDS_FIRST, TEXT_SCREEN_RECORD_BYTES)};
        CObArray* pLines = nScreen == 0 ? text.m_arrWidgets1 : text.m_arrWidgets2;
        const TextMarks marks = DecodeScreenElements(ctx, text, screen, pLines);
        auto& cells = nScreen == 0 ? text.m_strCells1 : text.m_strCells2;
        for (int nRow = 0; nRow < MSGTEXT_LINES; ++nRow)
            DecodeScreenRow(screen, marks, cells[nRow + 1], nRow);
        DecodeScreenSettings(screen.attrs, text.m_nMsgSettings + nScreen * kSettingsPerScreen);
    }
}

} // namespace

void DecodeMessageText(DecodeContext& ctx, CBlockObj& block)
{
    if (!block.IsKindOf(RUNTIME_CLASS(CBlockMSGTEXT)))
        return;
    auto& text = static_cast<CBlockMSGTEXT&>(block);
    if (ctx.IsNewGeneration())
        DecodeNewText(ctx, text);
    else
        DecodeOldText(ctx, text);
}
