#include "messagetext/LcdFonts.h"

#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"

#include <algorithm>

LOGFONT MakeLcdFont(int nHeight, int nWidth, int nWeight, BYTE nPitchAndFamily)
{
    LOGFONT lf{};
    lf.lfHeight = nHeight;
    lf.lfWidth = nWidth;
    lf.lfWeight = nWeight;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_TT_PRECIS;
    lf.lfPitchAndFamily = nPitchAndFamily;
    return lf;
}

LOGFONT GridCellFont() { return MakeLcdFont(24, 8, FW_NORMAL, DEFAULT_PITCH | FF_SWISS); }

LOGFONT WideGlyphFont() { return MakeLcdFont(20, 16, FW_NORMAL, FIXED_PITCH | FF_SWISS); }

LOGFONT SansFont(int nHeight, int nWidth, int nWeight)
{
    return MakeLcdFont(nHeight, nWidth, nWeight, DEFAULT_PITCH | FF_SWISS);
}

LOGFONT FixedFont(int nHeight, int nWidth, int nWeight)
{
    return MakeLcdFont(nHeight, nWidth, nWeight, FIXED_PITCH);
}

LOGFONT FitWideGlyphFont(CDC& dc, const CString& strChar, int nTargetWidth)
{
    LOGFONT lf = WideGlyphFont();
    CFont font;
    if (strChar.IsEmpty() || nTargetWidth <= 0 || !font.CreateFontIndirect(&lf))
        return lf;
    CFont* pOld = dc.SelectObject(&font);
    const int nMeasured = dc.GetTextExtent(strChar).cx;
    dc.SelectObject(pOld);
    if (nMeasured > 0)
        lf.lfWidth = std::max(1, int(lf.lfWidth) * nTargetWidth / nMeasured);
    return lf;
}

LOGFONT FitGlyphFont(CDC& dc, const CString& strChar, int nWidth, const LOGFONT& font)
{
    LOGFONT lf = font;
    CFont measured;
    if (strChar.IsEmpty() || nWidth <= 0 || lf.lfWidth <= 0 || !measured.CreateFontIndirect(&lf))
        return lf;
    CFont* pOld = dc.SelectObject(&measured);
    const int nMeasured = dc.GetTextExtent(strChar).cx;
    dc.SelectObject(pOld);
    if (nMeasured > nWidth)
        lf.lfWidth = std::max(1, int(lf.lfWidth) * nWidth / nMeasured);
    return lf;
}
