// The elements of a newer-generation message-text screen. Each element marks its first cells in
// the attribute rows: a code from 2 to 8 followed by its data for the elements the controller
// shows as values and names, a lead byte for the ones it draws. The I/O state names keep their
// label characters, and the drawn elements their settings, in areas of their own, in the order
// the marks stand (line by line, each line's list in order).
#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "blocks/Widget.h"
#include "codec/EncodeContext.h"
#include "codec/ImageEncoder.h"
#include "codec/IoCodes.h"
#include "codec/MessageTextScreen.h"
#include "codec/RecordWriter.h"
#include "document/VetlaDoc.h"

#include <algorithm>
#include <iterator>
#include <optional>

namespace {

constexpr BYTE kAttrBlockParameter = TEXT_MARK_BLOCK_PARAMETER;
// The message-text block's own parameters: entries 0-3 of its parameter list.
constexpr BYTE kAttrOwnParameter = TEXT_MARK_OWN_PARAMETER;
constexpr int kOwnParameters = TEXT_OWN_PARAMETERS;
constexpr BYTE kAttrAnalogValue = TEXT_MARK_ANALOG_VALUE;
constexpr BYTE kAttrStateName = TEXT_MARK_STATE_NAME;
// An analog input's or flag's value names the point by its number plus this bias.
constexpr int kAnalogValueBias = TEXT_ANALOG_VALUE_BIAS;
// The lead bytes of the drawn elements: the graphics (bar graph, scope, pointer, graph) and
// the time field.
constexpr BYTE kLeadGraphic = TEXT_LEAD_GRAPHIC;
constexpr BYTE kLeadTimeField = TEXT_LEAD_TIME_FIELD;
constexpr int kLabelChars = TEXT_LABEL_CHARS;
static_assert(kLabelChars == WIDGET_NAME_ROWS * WIDGET_NAME_COLUMNS);
constexpr int kDrawnRecordBytes = TEXT_DRAWN_RECORD_BYTES;
// The function block and the value a drawn element shows when it names none (a graph).
constexpr WORD kNoOperand = TEXT_NO_OPERAND;

// The state-name classes the controller reads back: inputs, shift-register bits, outputs,
// flags, function blocks and function keys.
constexpr int kStateNameClasses[] = {0, 2, 5, 6, IO_CLASS_FUNCTION_BLOCK, 11};

struct Element {
    const CWidget& widget;
    const CBlockObj* pBlock;
    int nRow;
    int nCol;
};

class ScreenWriter {
public:
    ScreenWriter(EncodeContext& ctx, const TextScreen& screen) : m_ctx(ctx), m_screen(screen) {}

    void Encode(const Element& e)
    {
        const CWidget& widget = e.widget;
        switch (widget.m_nKind) {
        case WIDGET_KIND_IOSTATUSNAME:
            StateName(e);
            return;
        case WIDGET_KIND_BARGRAPH:
        case WIDGET_KIND_SCOPE:
        case WIDGET_KIND_POINTER:
        case WIDGET_KIND_GRAPH:
            Drawn(e, kLeadGraphic);
            return;
        case WIDGET_KIND_SCALETIME:
            Drawn(e, kLeadTimeField);
            return;
        default:
            if (widget.m_nKind >= 0 && e.pBlock)
                Parameter(e);
            return;
        }
    }

private:
    // A writer over the element's marks; none when they would run into the setting cells.
    std::optional<RecordWriter> Marks(const Element& e, int nBytes) const
    {
        if (e.nCol < 0 || e.nCol + nBytes > TEXT_SCREEN_TEXT_CELLS)
            return std::nullopt;
        return RecordWriter(m_screen.attrs, e.nRow * TEXT_SCREEN_ROW_CELLS + e.nCol);
    }

    void Parameter(const Element& e)
    {
        const CBlockObj& block = *e.pBlock;
        const int nType = block.m_nType;
        if (nType == BT_ANALOG_IN || nType == BT_ANALOG_FLAG) {
            auto w = Marks(e, 4);
            if (!w)
                return;
            w->Byte(kAttrAnalogValue);
            w->Byte(RecordCodeOf(nType));
            w->Word(block.m_nNumber + kAnalogValueBias);
        } else if (nType == BT_MSGTEXT) {
            auto w = Marks(e, 1);
            if (w && e.widget.m_nKind < kOwnParameters)
                w->Byte(kAttrOwnParameter + e.widget.m_nKind);
        } else if (block.m_nNumber >= NUM_FUNCTION_BLOCK) {
            // The block's offset, with the parameter index in the high nibble of the last byte.
            const int nOffset = block.m_nNumber - NUM_FUNCTION_BLOCK;
            auto w = Marks(e, 4);
            if (!w)
                return;
            w->Byte(kAttrBlockParameter);
            w->Byte(RecordCodeOf(nType));
            w->Byte(nOffset & 0xFF);
            w->Byte((e.widget.m_nKind & 0xF) << 4 | ((nOffset >> 8) & 0xF));
        }
    }

    // The point's reference word, then its 27 name cells (header row and column included) as
    // one byte each in the label area.
    void StateName(const Element& e)
    {
        WORD wRef = 0;
        if (!e.pBlock || !ImageReference(e.pBlock->m_nType, e.pBlock->m_nNumber, FALSE, &wRef) ||
            std::ranges::find(kStateNameClasses, wRef >> 12) == std::end(kStateNameClasses))
            return;
        auto w = Marks(e, 4);
        if (!w)
            return;
        if ((m_nLabels + 1) * kLabelChars > int(m_screen.labels.size())) {
            m_ctx.Fail(IDS_ENCODE_NO_RESOURCES);
            return;
        }
        w->Byte(kAttrStateName);
        w->Byte(m_nLabels);
        w->Word(wRef);
        RecordWriter labels(m_screen.labels, m_nLabels * kLabelChars);
        for (const auto& row : e.widget.m_strNames)
            for (const CString& strCell : row)
                labels.Byte(strCell.IsEmpty() ? ' ' : strCell[0] & 0xFF);
        ++m_nLabels;
    }

    // The lead byte, then the kind's distance below -98 in the high nibble and the record's
    // number in the low one; the record holds the shown function block (the value's index in
    // bits 12-15), the minimum, the maximum and the kind's option, as words.
    void Drawn(const Element& e, BYTE byLead)
    {
        auto w = Marks(e, 2);
        if (!w)
            return;
        if ((m_nRecords + 1) * kDrawnRecordBytes > int(m_screen.records.size())) {
            m_ctx.Fail(IDS_ENCODE_NO_RESOURCES);
            return;
        }
        const CWidget& widget = e.widget;
        w->Byte(byLead);
        w->Byte((WIDGET_KIND_BARGRAPH + 1 - widget.m_nKind) << 4 | m_nRecords);
        RecordWriter record(m_screen.records, m_nRecords * kDrawnRecordBytes);
        const bool bBlock = e.pBlock && e.pBlock->m_nNumber >= NUM_FUNCTION_BLOCK;
        record.Word(bBlock ? (widget.m_nValueIndex & 0xF) << 12 | (e.pBlock->m_nNumber - NUM_FUNCTION_BLOCK)
                           : kNoOperand);
        record.Word(widget.m_nMinValue);
        record.Word(widget.m_nMaxValue);
        record.Word(widget.m_nOption);
        ++m_nRecords;
    }

    EncodeContext& m_ctx;
    const TextScreen& m_screen;
    int m_nLabels = 0;
    int m_nRecords = 0;
};

} // namespace

void EncodeScreenElements(EncodeContext& ctx, const TextScreen& screen, const CObArray* pLines)
{
    ScreenWriter writer(ctx, screen);
    for (int nRow = 0; nRow < MSGTEXT_LINES; ++nRow) {
        const CObArray& line = pLines[nRow];
        for (int i = 0; i < line.GetSize(); ++i) {
            const auto* pWidget = static_cast<const CWidget*>(line[i]);
            if (!pWidget)
                continue;
            writer.Encode({*pWidget, ctx.Doc().FindBlockByNumber(pWidget->m_nBlockNumber), nRow,
                           pWidget->m_nColumn - 1});
        }
    }
}
