// The texts of the message-text blocks: 64 bytes of section C per text on the older controllers,
// a 1280-byte block of the message-text area on the newer ones.
#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockTypes.h"
#include "blocks/Widget.h"
#include "codec/EncodeContext.h"
#include "codec/ImageLayout.h"
#include "codec/LcdCharMap.h"
#include "codec/MessageTextScreen.h"
#include "codec/MultiByteText.h"
#include "codec/ParameterElement.h"
#include "codec/RecordWriter.h"
#include "document/VetlaDoc.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr int kLineBytes = OLD_TEXT_LINE_BYTES;
constexpr int kOldLineChars = OLD_TEXT_LINE_CHARS;
constexpr int kOldCharsAfterElement = kLineBytes - 7;
// The LCD code of a blank cell.
constexpr BYTE kLcdBlank = LCD_BLANK;
// The element kind a line of the older layout is written as.
constexpr int kLineText = OLD_TEXT_LINE_TEXT;
constexpr int kLineParameter = 2;
// The message text's own parameters, entries 0-3 of its list, are line kinds 3-6.
constexpr int kLineOwnFirst = 3;

const CWidget* FirstElement(const CObArray& line)
{
    for (int i = 0; i < line.GetSize(); ++i) {
        if (const auto* pWidget = static_cast<const CWidget*>(line[i]))
            return pWidget;
    }
    return nullptr;
}

int ElementCount(const CObArray& line)
{
    int nCount = 0;
    for (int i = 0; i < line.GetSize(); ++i)
        nCount += line[i] ? 1 : 0;
    return nCount;
}

// The line kind follows the element's parameter-name id: the message text's own parameters
// (ids 34, 1, 2, 3 of its row) are kinds 3-6, an element without a parameter is text, and any
// other parameter is a block parameter. (The list index would make a block's second, third or
// fourth parameter read back as one of the message text's own.)
int OldLineKind(int nParamId)
{
    switch (nParamId) {
    case 0x22: return 3;
    case 1: return 4;
    case 2: return 5;
    case 3: return 6;
    case -1: return kLineText;
    default: return kLineParameter;
    }
}

BYTE OldCell(const CString& strCell)
{
    if (strCell.IsEmpty() || strCell[0] == u' ')
        return kLcdBlank;
    return UnicodeToLcd(strCell[0]);
}

// A line names its element's column in one byte, column less 1, and the upload takes the
// element as wide as its parameter: an element must start on the display and end by its last
// column, or the controller would get a line the upload cannot read back.
bool OldElementFits(const CWidget& element, int nKind, const CBlockObj* pBlock)
{
    std::optional<ParameterEntry> entry;
    if (nKind == kLineParameter)
        entry = pBlock ? FindParameterEntry(pBlock->m_nType, element.m_nKind, false) : std::nullopt;
    else
        entry = FindParameterEntry(BT_MSGTEXT, nKind - kLineOwnFirst, false);
    return entry && EntryFits(*entry, element.m_nColumn, kOldLineChars);
}

void RefuseElement(EncodeContext& ctx, const CBlockMSGTEXT& text, int nLine, const CWidget& element, int nColumns)
{
    CString strMessage;
    strMessage.Format(_T("The message text of block %s has an element on line %d, column %d, that does not fit ")
                      _T("the display's %d columns. Move the element onto the display, then download again."),
                      LPCTSTR(ctx.Doc().GetBlockLabel(const_cast<CBlockMSGTEXT*>(&text))), nLine,
                      element.m_nColumn, nColumns);
    ctx.Fail(strMessage);
}

// An older line names one element: a second one would be dropped by the download and missing
// after an upload.
void RefuseCrowdedLine(EncodeContext& ctx, const CBlockMSGTEXT& text, int nLine, int nElements)
{
    CString strMessage;
    strMessage.Format(_T("The message text of block %s has %d elements on line %d, where the display shows one. ")
                      _T("Leave one element on the line, then download again."),
                      LPCTSTR(ctx.Doc().GetBlockLabel(const_cast<CBlockMSGTEXT*>(&text))), nElements, nLine);
    ctx.Fail(strMessage);
}

void EncodeOldLine(EncodeContext& ctx, const CBlockMSGTEXT& text, int nLine, RecordWriter& w)
{
    const CString* pRow = text.m_strCells1[nLine + 1];
    if (const int nElements = ElementCount(text.m_arrWidgets1[nLine]); nElements > 1) {
        RefuseCrowdedLine(ctx, text, nLine + 1, nElements);
        return;
    }
    const CWidget* pElement = FirstElement(text.m_arrWidgets1[nLine]);
    const int nStart = w.Position();
    if (!pElement) {
        w.Byte(kLineText);
        w.Skip(1);
        for (int nCol = 1; nCol <= kOldLineChars; ++nCol)
            w.Byte(OldCell(pRow[nCol]));
        return;
    }
    const int nKind = OldLineKind(pElement->m_nParamId);
    const CBlockObj* pBlock = nKind == kLineParameter ? ctx.Doc().FindBlockByNumber(pElement->m_nBlockNumber) : nullptr;
    if (!OldElementFits(*pElement, nKind, pBlock)) {
        RefuseElement(ctx, text, nLine + 1, *pElement, kOldLineChars);
        return;
    }
    w.Byte(nKind);
    w.Byte(pElement->m_nColumn - 1);
    if (nKind == kLineParameter) {
        w.Word(pElement->m_nBlockNumber - NUM_FUNCTION_BLOCK);
        w.Byte(pBlock ? RecordCodeOf(pBlock->m_nType) : 0);
        w.Byte(pElement->m_nKind + (pBlock && pBlock->m_nType == BT_RG ? 1 : 0));
    }
    // The characters outside the element, from byte 7.
    RecordWriter chars(w.Remaining(nStart + 7, kOldCharsAfterElement));
    for (int nCol = 1; nCol <= MSGTEXT_OLD_COLUMNS - 1; ++nCol) {
        if (nCol >= pElement->m_nColumn && nCol < pElement->m_nColumn + pElement->m_nWidth)
            continue;
        chars.Byte(OldCell(pRow[nCol]));
    }
}

// Section C at 64 bytes per text: one 16-byte line per LCD line.
void EncodeOldText(EncodeContext& ctx, const CBlockMSGTEXT& text)
{
    std::span<BYTE> c = ctx.Section("C");
    const std::size_t nOffset = std::size_t(ctx.m_nTexts) * IMAGE_OLD_TEXT_BYTES;
    if (nOffset + IMAGE_OLD_TEXT_BYTES > c.size()) {
        ctx.Fail(IDS_ENCODE_NO_RESOURCES);
        return;
    }
    std::span<BYTE> slot = c.subspan(nOffset, IMAGE_OLD_TEXT_BYTES);
    for (int nLine = 0; nLine < MSGTEXT_LINES; ++nLine) {
        RecordWriter w(slot.subspan(std::size_t(nLine * kLineBytes), kLineBytes));
        EncodeOldLine(ctx, text, nLine, w);
    }
}

// The newer layout of one text block.
constexpr int kRowCells = TEXT_SCREEN_ROW_CELLS;
constexpr int kTextCells = TEXT_SCREEN_TEXT_CELLS;
constexpr int kScreenAttrBytes = TEXT_SCREEN_ATTR_BYTES;
constexpr int kScreenCharsFirst = TEXT_SCREEN_CHARS_FIRST;
constexpr int kScreenCharBytes = TEXT_SCREEN_CHAR_BYTES;
// The label areas of the two screens from 640, their records of drawn elements from 1024.
constexpr int kScreenLabelsFirst = TEXT_SCREEN_LABELS_FIRST;
constexpr int kScreenLabelBytes = TEXT_SCREEN_LABEL_BYTES;
constexpr int kScreenRecordsFirst = TEXT_SCREEN_RECORDS_FIRST;
constexpr int kScreenRecordBytes = TEXT_SCREEN_RECORD_BYTES;
constexpr BYTE kAttrSingle = TEXT_ATTR_SINGLE;
constexpr BYTE kAttrGbk = TEXT_ATTR_GBK;
constexpr BYTE kAttrBig5 = TEXT_ATTR_BIG5;
// The settings of a screen in its attribute rows: column 27 of row 1, column 28 of each row,
// columns 29 and 30 of row 1; seven of the block's fourteen settings per screen.
constexpr int kSettingsPerScreen = TEXT_SCREEN_SETTINGS;

void PutChar(const TextScreen& screen, int nRow, int nCol, BYTE byAttr, int nValue)
{
    screen.attrs[std::size_t(nRow * kRowCells + nCol)] = byAttr;
    RecordWriter(screen.chars, (nRow * kTextCells + nCol) * 2).Word(nValue);
}

void EncodeScreenRow(const TextScreen& screen, const CString* pRow, int nRow)
{
    const bool bDoubleByteSet = screen.nCharSet == 0 || screen.nCharSet == 1;
    for (int nCol = 0; nCol < kTextCells; ++nCol) {
        const CString& strCell = pRow[nCol + 1];
        const TCHAR ch = strCell.IsEmpty() ? u' ' : strCell[0];
        const int nSpecial = LcdSymbolCode(ch);
        if (!bDoubleByteSet || ch < 0x80 || nSpecial >= 0) {
            PutChar(screen, nRow, nCol, kAttrSingle, nSpecial >= 0 ? nSpecial : ch);
            continue;
        }
        const BYTE byAttr = screen.nCharSet == 0 ? kAttrGbk : kAttrBig5;
        const WORD wDouble = ToDoubleByte(ch, byAttr == kAttrBig5 ? MultiBytePage::Big5_950 : MultiBytePage::Gbk936);
        if (wDouble == 0 || nCol + 1 >= kTextCells) {
            PutChar(screen, nRow, nCol, kAttrSingle, u' ');
            continue;
        }
        PutChar(screen, nRow, nCol, byAttr, wDouble);
        RecordWriter(screen.chars, (nRow * kTextCells + nCol + 1) * 2).Word(u' ');
        ++nCol;
    }
}

void EncodeScreenSettings(const TextScreen& screen, const int* pSettings)
{
    screen.attrs[27] = BYTE(pSettings[0]);
    for (int nRow = 0; nRow < MSGTEXT_LINES; ++nRow)
        screen.attrs[std::size_t(nRow * kRowCells + 28)] = BYTE(pSettings[1 + nRow]);
    screen.attrs[29] = BYTE(pSettings[5]);
    screen.attrs[30] = BYTE(pSettings[6]);
}

// An element the display's columns do not hold (from a file: the pages place none there) would
// be left out of the screen's marks without a word and be missing after an upload.
bool NewElementsFit(EncodeContext& ctx, const CBlockMSGTEXT& text, const CObArray* pLines)
{
    for (int nRow = 0; nRow < MSGTEXT_LINES; ++nRow) {
        for (int i = 0; i < pLines[nRow].GetSize(); ++i) {
            const auto* pWidget = static_cast<const CWidget*>(pLines[nRow][i]);
            if (pWidget && (pWidget->m_nColumn < 1 ||
                            pWidget->m_nColumn + std::max(pWidget->m_nWidth, 1) - 1 > TEXT_SCREEN_TEXT_CELLS)) {
                RefuseElement(ctx, text, nRow + 1, *pWidget, TEXT_SCREEN_TEXT_CELLS);
                return false;
            }
        }
    }
    return true;
}

void EncodeNewText(EncodeContext& ctx, const CBlockMSGTEXT& text)
{
    std::span<BYTE> area = ctx.TextArea();
    const std::size_t nOffset = std::size_t(ctx.m_nTexts) * IMAGE_TEXT_BLOCK_BYTES;
    if (nOffset + IMAGE_TEXT_BLOCK_BYTES > area.size()) {
        ctx.Fail(IDS_ENCODE_INTERNAL_ERROR);
        return;
    }
    std::span<BYTE> block = area.subspan(nOffset, IMAGE_TEXT_BLOCK_BYTES);
    const CVetlaDoc& doc = ctx.Doc();
    for (int nScreen = 0; nScreen < 2; ++nScreen) {
        const auto part = [&](int nFirst, int nBytes) {
            return block.subspan(std::size_t(nFirst + nScreen * nBytes), std::size_t(nBytes));
        };
        const TextScreen screen{part(0, kScreenAttrBytes), part(kScreenCharsFirst, kScreenCharBytes),
                                part(kScreenLabelsFirst, kScreenLabelBytes),
                                part(kScreenRecordsFirst, kScreenRecordBytes),
                                nScreen == 0 ? doc.m_nCharSet1 : doc.m_nCharSet2};
        const auto& cells = nScreen == 0 ? text.m_strCells1 : text.m_strCells2;
        const CObArray* pLines = nScreen == 0 ? text.m_arrWidgets1 : text.m_arrWidgets2;
        for (int nRow = 0; nRow < MSGTEXT_LINES; ++nRow)
            EncodeScreenRow(screen, cells[nRow + 1], nRow);
        if (!NewElementsFit(ctx, text, pLines))
            return;
        EncodeScreenElements(ctx, screen, pLines);
        EncodeScreenSettings(screen, text.m_nMsgSettings + nScreen * kSettingsPerScreen);
    }
}

} // namespace

void EncodeMessageText(EncodeContext& ctx, const CBlockObj& block)
{
    if (!block.IsKindOf(RUNTIME_CLASS(CBlockMSGTEXT))) {
        ctx.Fail(IDS_ENCODE_INTERNAL_ERROR);
        return;
    }
    const auto& text = static_cast<const CBlockMSGTEXT&>(block);
    if (ctx.IsNewGeneration())
        EncodeNewText(ctx, text);
    else
        EncodeOldText(ctx, text);
}
