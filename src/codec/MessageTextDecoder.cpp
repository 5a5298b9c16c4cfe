// The texts of the message-text blocks read back: 64 bytes of section C per text on the older
// controllers, a 1280-byte block of the message-text area on the newer ones. A text beyond
// section C or beyond the uploaded area is a damaged image, never a read past the buffer.
#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockTypes.h"
#include "blocks/ParamTables.h"
#include "blocks/Widget.h"
#include "codec/DecodeContext.h"
#include "codec/ImageLayout.h"
#include "codec/LcdCharMap.h"
#include "codec/MessageTextScreen.h"
#include "codec/MultiByteText.h"
#include "codec/RecordReader.h"
#include "codec/VetlaCoreRule.h"
#include "document/VetlaDoc.h"

#include <algorithm>
#include <memory>
#include <iterator>

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

// The message text's own parameters on a line of kinds 3-6: their parameter-name ids, as the
// encoder's line kinds name them.
constexpr int kLineOwnFirst = 3;
constexpr int kOwnParameterIds[] = {0x22, 1, 2, 3};
// The characters outside a line's element follow from byte 7.
constexpr int kOldCharsFirst = 7;
constexpr int kOldValueHeight = 36;
constexpr COLORREF kValueColour = 0x808080;

int OwnParameterId(int nKind)
{
    const int nIndex = nKind - kLineOwnFirst;
    return nIndex >= 0 && nIndex < int(std::size(kOwnParameterIds)) ? kOwnParameterIds[nIndex] : -1;
}

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

void AddOldOwnParameter(DecodeContext& ctx, CBlockMSGTEXT& text, int nLine, int nColumn, int nKind, int nParamId,
                        int nWidth)
{
    auto pWidget = std::make_unique<CWidget>(nColumn * kOldCellPixels, nLine * kOldValueHeight,
                                             nWidth * kOldCellPixels, kOldValueHeight, kValueColour);
    pWidget->m_nLine = nLine + 1;
    pWidget->m_nColumn = nColumn;
    pWidget->m_nKind = nKind;
    pWidget->m_nParamId = nParamId;
    pWidget->m_nWidth = nWidth;
    pWidget->m_nBlockNumber = text.m_nNumber;
    pWidget->m_pDoc = &ctx.Doc();
    text.m_arrWidgets1[nLine].Add(pWidget.release());
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
        const int nKind = r.Byte();
        if (nKind == kLineText) {
            r.Skip(1);
            ReadOldCells(r, text.m_strCells1[nLine + 1], 0, 0);
        } else if (const int nParamId = OwnParameterId(nKind); nParamId >= 0) {
            const int nColumn = r.Byte() + 1;
            const int nWidth = g_arrParamWidth[nParamId];
            AddOldOwnParameter(ctx, text, nLine, nColumn, nKind - kLineOwnFirst, nParamId, nWidth);
            r.Skip(kOldCharsFirst - 2);
            ReadOldCells(r, text.m_strCells1[nLine + 1], nColumn, nWidth);
        }
        // A block parameter's line (kind 2) names the parameter by its place in the block's
        // list, which only the message-text pages' tables turn into a parameter; it stays empty.
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
