// The texts of the message-text blocks read back: 64 bytes of section C per text on the older
// controllers, a 1280-byte block of the message-text area on the newer ones. A text beyond
// section C or beyond the uploaded area is a damaged image, never a read past the buffer.
#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockTypes.h"
#include "codec/DecodeContext.h"
#include "codec/ImageLayout.h"
#include "codec/LcdCharMap.h"
#include "codec/MessageTextScreen.h"
#include "codec/MultiByteText.h"
#include "codec/RecordReader.h"
#include "codec/VetlaCoreRule.h"
#include "document/VetlaDoc.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr int kLineBytes = OLD_TEXT_LINE_BYTES;
constexpr int kOldLineChars = OLD_TEXT_LINE_CHARS;
constexpr BYTE kLcdBlank = LCD_BLANK;
constexpr int kLineText = OLD_TEXT_LINE_TEXT;

// A blank cell is kept empty, as a new message keeps it.
CString Cell(TCHAR ch)
{
    return ch == 0 || ch == u' ' ? CString() : CString(ch);
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
        // The lines that show a value keep their place for the value's element.
        if (r.Byte() != kLineText)
            continue;
        r.Skip(1);
        for (int nCol = 1; nCol <= kOldLineChars; ++nCol) {
            const BYTE byCode = BYTE(r.Byte());
            text.m_strCells1[nLine + 1][nCol] = Cell(byCode == kLcdBlank ? 0 : LcdToUnicode(byCode));
        }
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
