// CDC: text output, measuring and DrawText. Text is measured by the surface in device pixels
// and converted to logical units here, so layout agrees with what the surface draws.
#include "platform/gdi/DC.h"

#include "platform/gdi/DisplayDevice.h"
#include "platform/gdi/TextLayout.h"

#include <algorithm>
#include <string_view>

namespace {

std::u16string_view ViewOf(LPCTSTR lpszString, int nCount)
{
    if (!lpszString)
        return {};
    return nCount < 0 ? std::u16string_view(lpszString)
                      : std::u16string_view(lpszString, std::size_t(nCount));
}

constexpr int kTabStopChars = 8;

}  // namespace

DrawingSurface* CDC::Measurer() const
{
    if (m_pSurface)
        return m_pSurface;
    if (!m_pMeasureSurface) {
        BitmapSurfaceMaker pMaker = m_pBitmapMaker ? m_pBitmapMaker : GetDisplayDevice().pMaker;
        m_pMeasurePixels = std::make_unique<PixelBuffer>(1, 1);
        m_pMeasureSurface = pMaker(*m_pMeasurePixels, m_caps);
    }
    return m_pMeasureSurface.get();
}

SIZE CDC::DeviceTextExtent(std::u16string_view text) const
{
    return Measurer()->MeasureText(DeviceFont(), text);
}

TEXTMETRIC CDC::DeviceTextMetrics() const { return Measurer()->GetTextMetrics(DeviceFont()); }

LONG CDC::LogicalWidth(std::u16string_view text) const
{
    return ToLogicalLengthX(DeviceTextExtent(text).cx);
}

CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const
{
    const SIZE device = DeviceTextExtent(ViewOf(lpszString, nCount));
    return CSize(ToLogicalLengthX(device.cx), ToLogicalLengthY(device.cy));
}

CSize CDC::GetTextExtent(const CString& str) const
{
    return GetTextExtent(str.GetString(), str.GetLength());
}

BOOL CDC::GetTextExtentPoint32(LPCTSTR lpszString, int nCount, SIZE* lpSize) const
{
    if (!lpSize || nCount < 0 || (!lpszString && nCount > 0))
        return FALSE;
    *lpSize = GetTextExtent(lpszString, nCount);
    return TRUE;
}

BOOL CDC::GetTextMetrics(LPTEXTMETRIC lpMetrics) const
{
    if (!lpMetrics)
        return FALSE;
    TEXTMETRIC metrics = DeviceTextMetrics();
    for (LONG* pHeight : {&metrics.tmHeight, &metrics.tmAscent, &metrics.tmDescent,
                          &metrics.tmInternalLeading, &metrics.tmExternalLeading})
        *pHeight = ToLogicalLengthY(*pHeight);
    for (LONG* pWidth : {&metrics.tmAveCharWidth, &metrics.tmMaxCharWidth, &metrics.tmOverhang})
        *pWidth = ToLogicalLengthX(*pWidth);
    *lpMetrics = metrics;
    return TRUE;
}

// Places text by the text alignment (at the current position with TA_UPDATECP, which then
// moves past the text); lpDxWidths, when given, places each character itself.
BOOL CDC::OutputText(int x, int y, std::u16string_view text, const RECT* pDeviceClip,
                     const int* lpDxWidths)
{
    if (!m_pSurface)
        return FALSE;
    const UINT nAlign = m_state.nTextAlign;
    const POINT logical = (nAlign & TA_UPDATECP) ? m_state.ptCurrent : POINT{x, y};
    // Left-aligned text that leaves the current position alone does not use its width; most
    // text of a diagram is such, and measuring costs as much as drawing.
    const bool bNeedsWidth = (nAlign & (TA_CENTER | TA_UPDATECP)) != 0;
    LONG nLogicalWidth = 0;
    if (lpDxWidths)
        for (std::size_t i = 0; i < text.size(); ++i)
            nLogicalWidth += lpDxWidths[i];
    else if (bNeedsWidth)
        nLogicalWidth = LogicalWidth(text);

    POINT origin = ToDevice(logical);
    const LONG nDeviceWidth = ToDeviceLengthX(nLogicalWidth);
    if ((nAlign & TA_CENTER) == TA_CENTER)
        origin.x -= nDeviceWidth / 2;
    else if (nAlign & TA_RIGHT)
        origin.x -= nDeviceWidth;
    if ((nAlign & TA_BASELINE) == TA_BASELINE)
        origin.y -= DeviceTextMetrics().tmAscent;
    else if (nAlign & TA_BOTTOM)
        origin.y -= DeviceTextMetrics().tmHeight;

    // Empty text draws nothing; an opaque ExtTextOut has filled its rectangle already.
    const DrawState state = MakeDrawState();
    if (lpDxWidths) {
        LONG nOffset = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const POINT at{origin.x + ToDeviceLengthX(nOffset), origin.y};
            m_pSurface->Text(state, at, text.substr(i, 1), pDeviceClip);
            nOffset += lpDxWidths[i];
        }
    } else if (!text.empty()) {
        m_pSurface->Text(state, origin, text, pDeviceClip);
    }

    if (nAlign & TA_UPDATECP) {
        if ((nAlign & TA_CENTER) == TA_LEFT)
            m_state.ptCurrent.x += nLogicalWidth;
        else if ((nAlign & TA_CENTER) == TA_RIGHT)
            m_state.ptCurrent.x -= nLogicalWidth;
    }
    return TRUE;
}

BOOL CDC::TextOut(int x, int y, LPCTSTR lpszString, int nCount)
{
    if (nCount < 0 || (!lpszString && nCount > 0))
        return FALSE;
    return OutputText(x, y, ViewOf(lpszString, nCount), nullptr, nullptr);
}

BOOL CDC::TextOut(int x, int y, const CString& str)
{
    return OutputText(x, y, str.View(), nullptr, nullptr);
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCTSTR lpszString,
                     UINT nCount, const int* lpDxWidths)
{
    if (!m_pSurface || (!lpszString && nCount > 0))
        return FALSE;
    std::optional<RECT> clip;
    if (lpRect) {
        const RECT device = ToDeviceRect(*lpRect);
        if (nOptions & ETO_OPAQUE)
            FillDeviceRect(device, m_state.crBk);
        if (nOptions & ETO_CLIPPED)
            clip = device;
    }
    return OutputText(x, y, ViewOf(lpszString, int(nCount)), clip ? &*clip : nullptr, lpDxWidths);
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, const CString& str,
                     const int* lpDxWidths)
{
    return ExtTextOut(x, y, nOptions, lpRect, str.GetString(), UINT(str.GetLength()), lpDxWidths);
}

// One line of DrawText from its top-left corner: the runs between tab stops, and the underline
// of a prefixed character one pixel below the baseline.
void CDC::DrawTabbedLine(POINT topLeft, std::u16string_view text, int nTabWidth, int nUnderline,
                         const RECT* pDeviceClip)
{
    const TextMeasure measure = [this](std::u16string_view run) { return int(LogicalWidth(run)); };
    const DrawState state = MakeDrawState();
    std::size_t nRunStart = 0;
    for (const TextRun& run : SplitTabRuns(text, measure, nTabWidth)) {
        const POINT at = ToDevice({topLeft.x + run.nOffset, topLeft.y});
        m_pSurface->Text(state, at, run.text, pDeviceClip);
        const int nInRun = nUnderline - int(nRunStart);
        if (nInRun >= 0 && nInRun < int(run.text.size())) {
            const LONG x = topLeft.x + run.nOffset + measure(run.text.substr(0, nInRun));
            const POINT left = ToDevice({x, topLeft.y});
            const LONG nWidth = DeviceTextExtent(run.text.substr(nInRun, 1)).cx;
            const LONG nLine = left.y + DeviceTextMetrics().tmAscent + 1;
            m_pSurface->FillRect(state, {left.x, nLine, left.x + nWidth, nLine + 1}, m_state.crText);
        }
        nRunStart += run.text.size() + 1;
    }
}

int CDC::DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat)
{
    if (!lpRect || (!lpszString && nCount != 0))
        return 0;
    TEXTMETRIC metrics;
    GetTextMetrics(&metrics);
    const int nLineHeight =
        metrics.tmHeight + ((nFormat & DT_EXTERNALLEADING) ? metrics.tmExternalLeading : 0);
    const int nTabWidth = (nFormat & DT_EXPANDTABS) ? kTabStopChars * metrics.tmAveCharWidth : 0;
    const TextMeasure measure = [this](std::u16string_view run) { return int(LogicalWidth(run)); };
    const CRect rect(*lpRect);
    const std::vector<TextLine> lines =
        LayoutText(ViewOf(lpszString, nCount), nFormat, rect.Width(), measure, nTabWidth);
    const int nHeight = int(lines.size()) * nLineHeight;

    if (nFormat & DT_CALCRECT) {
        int nWidest = 0;
        for (const TextLine& line : lines)
            nWidest = std::max(nWidest, MeasureTabbed(line.text, measure, nTabWidth));
        lpRect->right = lpRect->left + nWidest;
        lpRect->bottom = lpRect->top + nHeight;
        return nHeight;
    }
    if (!m_pSurface)
        return 0;

    int y = rect.top;
    const bool bSingle = (nFormat & DT_SINGLELINE) != 0;
    if (bSingle && (nFormat & DT_VCENTER))
        y = rect.top + (rect.Height() - nLineHeight) / 2;
    else if (bSingle && (nFormat & DT_BOTTOM))
        y = rect.bottom - nLineHeight;
    const RECT clip = ToDeviceRect(rect);
    for (const TextLine& line : lines) {
        const int nWidth = MeasureTabbed(line.text, measure, nTabWidth);
        int x = rect.left;
        if (nFormat & DT_CENTER)
            x = rect.left + (rect.Width() - nWidth) / 2;
        else if (nFormat & DT_RIGHT)
            x = rect.right - nWidth;
        DrawTabbedLine({x, y}, line.text, nTabWidth, line.nUnderline,
                       (nFormat & DT_NOCLIP) ? nullptr : &clip);
        y += nLineHeight;
    }
    if (bSingle && (nFormat & (DT_VCENTER | DT_BOTTOM)))
        return y - rect.top;
    return nHeight;
}

int CDC::DrawText(const CString& str, LPRECT lpRect, UINT nFormat)
{
    return DrawText(str.GetString(), str.GetLength(), lpRect, nFormat);
}
