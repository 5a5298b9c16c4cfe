// The elements of a newer-generation message-text screen read back from their marks in the
// attribute rows, their labels and their records: the mirror of MessageTextElements.cpp. What
// the marks hold comes back (the element's place, kind, block, value index, range, option and
// state names), so that a program uploaded and downloaded again keeps its elements. An element
// showing a parameter takes its id, caption and width from the per-type parameter table, which
// the image does not carry; one whose entry the table lacks, or that would run past the text
// cells, is a damaged setting.
#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockTypes.h"
#include "blocks/Widget.h"
#include "codec/DecodeContext.h"
#include "codec/IoCodes.h"
#include "codec/MessageTextScreen.h"
#include "codec/ParameterElement.h"
#include "codec/RecordReader.h"
#include "document/VetlaDoc.h"

#include <memory>

namespace {

constexpr int kCellPixels = 20;
constexpr int kLinePixels = 37;
constexpr COLORREF kValueColour = 0x808080;
constexpr COLORREF kStateNameColour = 0xC0C0C0;
constexpr int kStateNameCells = 8;
constexpr COLORREF kGraphicColour = RGB(128, 128, 255);
constexpr COLORREF kTimeFieldColour = RGB(128, 192, 192);
constexpr int kScaleTimeCells = 11;
constexpr int kWideCells = 12;
constexpr int kRefOffsetMask = 0x03FF;

// The block number of a state name's reference word; -1 for a class the image has no block of.
int ReferencedNumber(int nRef)
{
    const int nClass = nRef >> 12;
    const int nOffset = nRef & kRefOffsetMask;
    if (nClass == IO_CLASS_FUNCTION_BLOCK)
        return NUM_FUNCTION_BLOCK + nOffset;
    const IoClass* pClass = FindIoClassByCode(nClass);
    return pClass && nOffset < pClass->nSpan ? pClass->nBase + nOffset : -1;
}

class ScreenReader {
public:
    ScreenReader(DecodeContext& ctx, const CBlockMSGTEXT& text, const ConstTextScreen& screen, CObArray* pLines)
        : m_ctx(ctx), m_text(text), m_screen(screen), m_pLines(pLines)
    {
    }

    // The cells of the row from nCol that an element's marks take (0 for a cell of text),
    // after adding the element to the row's list.
    int Read(int nRow, int nCol)
    {
        const int nFirst = nRow * TEXT_SCREEN_ROW_CELLS + nCol;
        const BYTE byMark = m_screen.attrs[std::size_t(nFirst)];
        const auto room = [&](int nCells) { return nCol + nCells <= TEXT_SCREEN_TEXT_CELLS; };
        RecordReader r(m_screen.attrs, nFirst + 1);
        if (byMark == TEXT_MARK_BLOCK_PARAMETER && room(4)) {
            const int nType = TypeOfRecordCode(BYTE(r.Byte()));
            const int nLow = r.Byte();
            const int nLast = r.Byte();
            const int nKind = nLast >> 4;
            Parameter(nRow, nCol, nKind, NUM_FUNCTION_BLOCK + (nLast & 0xF) * 256 + nLow,
                      FindParameterEntry(nType, nKind, true));
            return 4;
        }
        if (byMark >= TEXT_MARK_OWN_PARAMETER && byMark < TEXT_MARK_OWN_PARAMETER + TEXT_OWN_PARAMETERS) {
            const int nKind = byMark - TEXT_MARK_OWN_PARAMETER;
            Parameter(nRow, nCol, nKind, m_text.m_nNumber, FindParameterEntry(BT_MSGTEXT, nKind, true));
            return 1;
        }
        if (byMark == TEXT_MARK_ANALOG_VALUE && room(4)) {
            r.Skip(1);
            const int nNumber = r.Word() - TEXT_ANALOG_VALUE_BIAS;
            Parameter(nRow, nCol, 0, nNumber,
                      FindFirstParameterEntry(nNumber >= NUM_ANALOG_FLAG ? BT_ANALOG_FLAG : BT_ANALOG_IN));
            return 4;
        }
        if (byMark == TEXT_MARK_STATE_NAME && room(4)) {
            const int nLabel = r.Byte();
            StateName(nRow, nCol, nLabel, r.Word());
            return 4;
        }
        if ((byMark == TEXT_LEAD_GRAPHIC || byMark == TEXT_LEAD_TIME_FIELD) && room(2)) {
            Drawn(nRow, nCol, byMark, r.Byte());
            return 2;
        }
        return 0;
    }

private:
    CWidget& Add(int nRow, int nCol, int nCells, int nKind, int nNumber, COLORREF crColour, int nLines = 1)
    {
        auto pWidget = std::make_unique<CWidget>(nCol * kCellPixels, nRow * kLinePixels, nCells * kCellPixels,
                                                 nLines * kLinePixels, crColour);
        pWidget->m_nLine = nRow + 1;
        pWidget->m_nColumn = nCol + 1;
        pWidget->m_nKind = nKind;
        pWidget->m_nBlockNumber = nNumber;
        pWidget->m_nWidth = nCells;
        pWidget->m_pDoc = &m_ctx.Doc();
        // An I/O point shown only here has no block in the image's lists: it is made for it.
        if (nNumber < NUM_FUNCTION_BLOCK)
            m_ctx.PointBlock(nNumber, -1);
        CWidget& widget = *pWidget;
        m_pLines[nRow].Add(pWidget.release());
        return widget;
    }

    void Parameter(int nRow, int nCol, int nKind, int nNumber, std::optional<ParameterEntry> entry)
    {
        if (!entry || !EntryFits(*entry, nCol + 1, TEXT_SCREEN_TEXT_CELLS)) {
            m_ctx.Fail(DecodeError::BadSetting, m_ctx.m_nRecord);
            return;
        }
        ApplyParameterEntry(Add(nRow, nCol, entry->nWidth, nKind, nNumber, kValueColour), *entry);
    }

    void StateName(int nRow, int nCol, int nLabel, int nRef)
    {
        const std::size_t nFrom = std::size_t(nLabel) * TEXT_LABEL_CHARS;
        if (nFrom + TEXT_LABEL_CHARS > m_screen.labels.size()) {
            m_ctx.Fail(DecodeError::TextPastArea, m_ctx.m_nRecord);
            return;
        }
        CWidget& widget =
            Add(nRow, nCol, kStateNameCells, WIDGET_KIND_IOSTATUSNAME, ReferencedNumber(nRef), kStateNameColour);
        RecordReader labels(m_screen.labels.subspan(nFrom, TEXT_LABEL_CHARS));
        for (auto& row : widget.m_strNames) {
            for (CString& strCell : row)
                strCell = CString(TCHAR(labels.Byte()));
        }
    }

    // A drawn element is as wide and as tall as its kind (a bar graph as its option says); a
    // kind the lead byte cannot carry, or an element past the LCD's cells, is a damaged setting.
    void Drawn(int nRow, int nCol, BYTE byLead, int nByte)
    {
        const int nKind = byLead == TEXT_LEAD_TIME_FIELD ? WIDGET_KIND_SCALETIME : WIDGET_KIND_BARGRAPH + 1 - (nByte >> 4);
        RecordReader record(m_screen.records, (nByte & 0xF) * TEXT_DRAWN_RECORD_BYTES);
        const int nOperand = record.Word();
        const int nMinValue = record.SignedWord();
        const int nMaxValue = record.SignedWord();
        const int nOption = record.SignedWord();
        const int nCells = DrawnCells(nKind, nOption);
        const int nLines = WidgetLineCount(nKind);
        if (nCells < 1 || nCol + nCells > TEXT_SCREEN_TEXT_CELLS || nRow + nLines > TEXT_SCREEN_LINES) {
            m_ctx.Fail(DecodeError::BadSetting, m_ctx.m_nRecord);
            return;
        }
        CWidget& widget = Add(nRow, nCol, nCells, nKind, -1, DrawnColour(nKind), nLines);
        if (nOperand != TEXT_NO_OPERAND) {
            widget.m_nValueIndex = nOperand >> 12;
            widget.m_nBlockNumber = NUM_FUNCTION_BLOCK + (nOperand & 0xFFF);
        }
        widget.m_nMinValue = nMinValue;
        widget.m_nMaxValue = nMaxValue;
        widget.m_nOption = nOption;
    }

    static int DrawnCells(int nKind, int nOption)
    {
        switch (nKind) {
        case WIDGET_KIND_BARGRAPH: return nOption;
        case WIDGET_KIND_SCALETIME: return kScaleTimeCells;
        case WIDGET_KIND_SCOPE:
        case WIDGET_KIND_POINTER:
        case WIDGET_KIND_GRAPH: return kWideCells;
        default: return 0;
        }
    }

    static COLORREF DrawnColour(int nKind)
    {
        return nKind == WIDGET_KIND_SCALETIME ? kTimeFieldColour : kGraphicColour;
    }

    DecodeContext& m_ctx;
    const CBlockMSGTEXT& m_text;
    const ConstTextScreen& m_screen;
    CObArray* m_pLines;
};

} // namespace

TextMarks DecodeScreenElements(DecodeContext& ctx, const CBlockMSGTEXT& text, const ConstTextScreen& screen,
                               CObArray* pLines)
{
    TextMarks marks;
    ScreenReader reader(ctx, text, screen, pLines);
    for (int nRow = 0; nRow < TEXT_SCREEN_LINES; ++nRow) {
        for (int nCol = 0; nCol < TEXT_SCREEN_TEXT_CELLS;) {
            const int nCells = reader.Read(nRow, nCol);
            for (int i = 0; i < nCells; ++i)
                marks.set(std::size_t(nRow * TEXT_SCREEN_TEXT_CELLS + nCol + i));
            nCol += nCells > 0 ? nCells : 1;
        }
    }
    return marks;
}
