#include "controller/IOStatusGrid.h"

#include "messagetext/LcdFonts.h"

#include <algorithm>
#include <cstdlib>
#include <span>

namespace {

struct ViewShape {
    int nRows;
    int nCols;
};
constexpr ViewShape kPointsShape = {9, 61};
constexpr ViewShape kFlagsShape = {7, 101};

// A run of data columns with their background (COLORREF, 0x00BBGGRR).
struct ColumnBand {
    int nFirst;
    int nLast;
    COLORREF crBack;
};
constexpr ColumnBand kPointBands[] = {
    {1, 32, 0xFFFF80}, {33, 48, 0x80FF00}, {49, 56, 0xFF8080}, {57, 60, 0x0080FF}};
constexpr ColumnBand kFlagBands[] = {{1, 50, 0xFFFF80}, {51, 100, 0x80FF00}};

// Point columns: 32 inputs, 16 outputs, 8 analog inputs, 4 analog outputs.
constexpr int kFirstOutputCol = 33;
constexpr int kFirstAnalogInputCol = 49;
constexpr int kFirstAnalogOutputCol = 57;
constexpr int kInputBytesPerRow = 4;
constexpr int kOutputBytesPerRow = 2;
constexpr int kAnalogInputsPerRow = 8;
constexpr int kAnalogOutputsPerRow = 4;
constexpr int kFlagsPerRow = 100;
constexpr int kFlagCount = 512;

ViewShape ShapeOf(IOStatusView view) { return view == IOStatusView::IoPoints ? kPointsShape : kFlagsShape; }

CString PointColumnLabel(int nCol)
{
    CString str;
    if (nCol < kFirstOutputCol)
        str.Format(_T("I%d"), nCol - 1);
    else if (nCol < kFirstAnalogInputCol)
        str.Format(_T("Q%d"), nCol - kFirstOutputCol);
    else if (nCol < kFirstAnalogOutputCol)
        str.Format(_T(" AI%d  "), nCol - kFirstAnalogInputCol);
    else
        str.Format(_T(" AQ%d  "), nCol - kFirstAnalogOutputCol);
    return str;
}

CString ColumnLabel(IOStatusView view, int nCol)
{
    CString str;
    switch (view) {
    case IOStatusView::Flags: str.Format(_T("M%d"), nCol - 1); break;
    case IOStatusView::AnalogFlags: str.Format(_T("AM%-3d"), nCol - 1); break;
    default: return PointColumnLabel(nCol);
    }
    return str;
}

CString RowLabel(IOStatusView view, int nRow, BOOL bFirstLayout)
{
    CString str;
    if (view == IOStatusView::IoPoints) {
        if (nRow == 1)
            str = _T("Main");
        else
            str.Format(bFirstLayout ? _T("Ext%d") : _T("Ext %d"), nRow - 1);
        return str;
    }
    const int nFirst = kFlagsPerRow * (nRow - 1);
    str.Format(_T("%d-%d"), nFirst, std::min(nFirst + kFlagsPerRow - 1, kFlagCount - 1));
    return str;
}

// Red, green and blue each 128 plus a random part below 128.
COLORREF RandomLightColour()
{
    return RGB(128 + std::rand() % 128, 128 + std::rand() % 128, 128 + std::rand() % 128);
}

unsigned WordAt(const std::vector<BYTE>& data, std::size_t i) { return unsigned(data[i] << 8) | data[i + 1]; }

}  // namespace

// The table's cells draw in the font of the message texts' LCD cells.
CIOStatusGrid::CIOStatusGrid() { SetCellFont(GridCellFont()); }

void CIOStatusGrid::LayOut(IOStatusView view, BOOL bFirstLayout)
{
    const ViewShape shape = ShapeOf(view);
    DeleteAllItems();
    SetRowCount(shape.nRows);
    SetColumnCount(shape.nCols);
    SetFixedRowCount(1);
    SetFixedColumnCount(1);
    GetDefaultCell(FALSE, FALSE)->SetBackClr(kDefaultBack);
    SetEditable(FALSE);
    LabelHeaders(view, bFirstLayout);
    for (const ColumnBand& band : view == IOStatusView::IoPoints ? std::span<const ColumnBand>(kPointBands)
                                                                 : std::span<const ColumnBand>(kFlagBands)) {
        for (int c = band.nFirst; c <= band.nLast; ++c) {
            for (int r = 1; r < shape.nRows; ++r) {
                SetItemBkColour(r, c, band.crBack);
                SetItemFgColour(r, c, kValueText);
            }
        }
    }
}

void CIOStatusGrid::LabelHeaders(IOStatusView view, BOOL bFirstLayout)
{
    SetItemText(0, 0, _T("Index"));
    SetItemBkColour(0, 0, RandomLightColour());
    for (int c = 1; c < GetColumnCount(); ++c) {
        SetItemText(0, c, ColumnLabel(view, c));
        SetItemBkColour(0, c, RandomLightColour());
    }
    for (int r = 1; r < GetRowCount(); ++r) {
        SetItemText(r, 0, RowLabel(view, r, bFirstLayout));
        SetItemBkColour(r, 0, RandomLightColour());
    }
}

void CIOStatusGrid::AutoSize()
{
    // The default cell measured its font on a 14-character text.
    const CGridDefaultCell* pDefault = GetDefaultCell(FALSE, FALSE);
    const int nCharWidth = std::max(1, pDefault->GetWidth() / 14);
    const int nMargin = 2 * int(pDefault->GetMargin());
    std::vector<int> widths(std::size_t(GetColumnCount()), 1);
    for (int r = 0; r < GetRowCount(); ++r) {
        for (int c = 0; c < GetColumnCount(); ++c) {
            // Two characters more: the default cell measured a narrower letter than digits.
            const int nChars = GetItemText(r, c).GetLength() + 2;
            widths[std::size_t(c)] = std::max(widths[std::size_t(c)], nChars * nCharWidth + nMargin);
        }
    }
    for (int c = 0; c < GetColumnCount(); ++c)
        SetColumnWidth(c, widths[std::size_t(c)]);
    for (int r = 0; r < GetRowCount(); ++r)
        SetRowHeight(r, pDefault->GetHeight());
    ResetScrollBars();
}

void CIOStatusGrid::ShowValue(int nRow, int nCol, int nValue)
{
    CString str;
    str.Format(_T("%d"), nValue);
    SetItemText(nRow, nCol, str);
    SetItemFgColour(nRow, nCol, nValue != 0 ? kValueText : RGB(0, 0, 0));
}

void CIOStatusGrid::FillBits(const std::vector<BYTE>& data, int nBytesPerRow, int nFirstCol)
{
    for (std::size_t i = 0; i < data.size(); ++i) {
        const int nRow = 1 + int(i) / nBytesPerRow;
        const int nByte = int(i) % nBytesPerRow;
        if (nRow >= GetRowCount())
            return;
        for (int b = 0; b < 8; ++b)
            ShowValue(nRow, nFirstCol + 8 * nByte + b, int((data[i] >> b) & 1U));
    }
}

void CIOStatusGrid::FillRegisters(const std::vector<BYTE>& data, int nPerRow, int nFirstCol)
{
    for (std::size_t i = 0; i + 1 < data.size(); i += 2) {
        const int k = int(i / 2);
        const int nRow = 1 + k / nPerRow;
        if (nRow >= GetRowCount())
            return;
        ShowValue(nRow, nFirstCol + k % nPerRow, int(WordAt(data, i)));
    }
}

void CIOStatusGrid::FillFlagBits(const std::vector<BYTE>& data)
{
    for (int k = 0; k < kFlagCount && std::size_t(k / 8) < data.size(); ++k)
        ShowValue(k / kFlagsPerRow + 1, k % kFlagsPerRow + 1, int((data[std::size_t(k / 8)] >> (k % 8)) & 1U));
}

void CIOStatusGrid::Fill(IOStatusView view, const CIOStatusCycle::Result& result)
{
    const auto& areas = result.areas;
    switch (view) {
    case IOStatusView::Flags:
        FillFlagBits(areas[IOAREA_FLAGS]);
        break;
    case IOStatusView::AnalogFlags:
        FillRegisters(areas[IOAREA_ANALOG_FLAGS], kFlagsPerRow, 1);
        break;
    default:
        FillBits(areas[IOAREA_INPUTS], kInputBytesPerRow, 1);
        FillBits(areas[IOAREA_OUTPUTS], kOutputBytesPerRow, kFirstOutputCol);
        FillRegisters(areas[IOAREA_ANALOG_INPUTS], kAnalogInputsPerRow, kFirstAnalogInputCol);
        FillRegisters(areas[IOAREA_ANALOG_OUTPUTS], kAnalogOutputsPerRow, kFirstAnalogOutputCol);
        break;
    }
}
