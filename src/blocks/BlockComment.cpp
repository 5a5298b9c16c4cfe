#include "blocks/BlockComment.h"

#include "platform/core/Archive.h"
#include "platform/core/Exception.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Pen.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <string_view>

IMPLEMENT_SERIAL(CBlockComment, CObject, VERSIONABLE_SCHEMA | 1)

namespace {

constexpr int kDefaultFontHeight = 12;
// The tallest font a comment may have, in either sign: a font of 1638 points, the largest that
// font dialogs offer, on a screen of 96 pixels per inch. The text is rendered at that size, so
// a damaged height would have every paint render glyphs of millions of pixels.
constexpr int kMostFontPixels = 2184;
constexpr COLORREF kBackground = RGB(180, 180, 180);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kGripFill = RGB(255, 0, 0);
// Half the side of a grip square.
constexpr int kGripHalf = 4;

// Coordinates come from files and may hold any int: sums are taken wide and held to the int
// range rather than overflow.
int ClampToInt(long long n)
{
    using Limits = std::numeric_limits<int>;
    return int(std::clamp<long long>(n, Limits::min(), Limits::max()));
}

POINT Point(long long x, long long y)
{
    return POINT{ClampToInt(x), ClampToInt(y)};
}

}  // namespace

CBlockComment::CBlockComment() : m_strBoxText(_T("Comment"))
{
    m_logFont.lfHeight = kDefaultFontHeight;
    const CString strFace(_T("Arial"));
    for (int i = 0; i < strFace.GetLength(); ++i)
        m_logFont.lfFaceName[i] = strFace[i];
}

void CBlockComment::Serialize(CArchive& ar)
{
    LOGFONT& lf = m_logFont;
    if (ar.IsStoring()) {
        ar << POINT{m_nLeft, m_nTop} << POINT{m_nAuxX, m_nAuxY}
           << SIZE{m_nBoxWidth, m_nBoxHeight};
        ar << m_strBoxText << m_nLineCount << m_crText;
        ar << lf.lfHeight << lf.lfWidth << lf.lfEscapement << lf.lfOrientation << lf.lfWeight;
        ar << lf.lfItalic << lf.lfUnderline << lf.lfStrikeOut << lf.lfCharSet
           << lf.lfOutPrecision << lf.lfClipPrecision << lf.lfQuality << lf.lfPitchAndFamily;
        for (WCHAR ch : lf.lfFaceName)
            ar << WORD(ch);
        return;
    }
    POINT ptTopLeft{};
    POINT ptAux{};
    SIZE size{};
    ar >> ptTopLeft >> ptAux >> size;
    ar >> m_strBoxText >> m_nLineCount >> m_crText;
    ar >> lf.lfHeight >> lf.lfWidth >> lf.lfEscapement >> lf.lfOrientation >> lf.lfWeight;
    ar >> lf.lfItalic >> lf.lfUnderline >> lf.lfStrikeOut >> lf.lfCharSet >> lf.lfOutPrecision >>
        lf.lfClipPrecision >> lf.lfQuality >> lf.lfPitchAndFamily;
    // The font is the box's look alone: one it cannot be drawn in takes the new box's.
    if (std::abs(static_cast<long long>(lf.lfHeight)) > kMostFontPixels ||
        std::abs(static_cast<long long>(lf.lfWidth)) > kMostFontPixels) {
        lf.lfHeight = kDefaultFontHeight;
        lf.lfWidth = 0;
    }
    m_nLeft = ptTopLeft.x;
    m_nTop = ptTopLeft.y;
    m_nAuxX = ptAux.x;
    m_nAuxY = ptAux.y;
    m_nBoxWidth = size.cx;
    m_nBoxHeight = size.cy;
    const UINT nSchema = ar.GetObjectSchema();
    if (nSchema > 1)
        AfxThrowArchiveException(CArchiveException::badSchema);
    for (WCHAR& ch : lf.lfFaceName) {
        if (nSchema == 0) {
            BYTE by = 0;
            ar >> by;
            ch = WCHAR(by);
        } else {
            WORD w = 0;
            ar >> w;
            ch = WCHAR(w);
        }
    }
}

void CBlockComment::Draw(CDC* pDC)
{
    CFont font;
    font.CreateFontIndirect(&m_logFont);
    CFont* pOldFont = pDC->SelectObject(&font);
    const COLORREF crOldBk = pDC->SetBkColor(kBackground);
    pDC->SetTextColor(m_crText);
    if (m_nLineCount != 0)
        DrawText(pDC);
    pDC->SelectObject(pOldFont);
    pDC->SetTextColor(kBlack);
    pDC->SetBkColor(crOldBk);
}

void CBlockComment::DrawText(CDC* pDC) const
{
    const std::u16string_view separator = u"\r\n";
    std::u16string_view rest = m_strBoxText.View();
    long long nLine = 0;
    auto lineTop = [&] {
        return ClampToInt(m_nTop + (long long)m_nBoxHeight * nLine / m_nLineCount);
    };
    for (std::size_t nBreak = rest.find(separator); nBreak != std::u16string_view::npos;
         nBreak = rest.find(separator)) {
        pDC->TextOut(m_nLeft, lineTop(), CString(rest.substr(0, nBreak)));
        rest.remove_prefix(nBreak + separator.size());
        ++nLine;
    }
    if (!rest.empty())
        pDC->TextOut(m_nLeft, lineTop(), CString(rest));
}

void CBlockComment::DrawSelected(CDC* pDC)
{
    Draw(pDC);
    DrawGrips(pDC);
}

void CBlockComment::DrawGrips(CDC* pDC)
{
    CPen pen(PS_SOLID, 1, kBlack);
    CBrush brush(kGripFill);
    CPen* pOldPen = pDC->SelectObject(&pen);
    CBrush* pOldBrush = pDC->SelectObject(&brush);
    const int nOldFill = pDC->SetPolyFillMode(ALTERNATE);
    for (int nGrip = 0; nGrip < COMMENT_GRIP_COUNT; ++nGrip) {
        const CPoint c = GripCorner(nGrip);
        const long long x = c.x;
        const long long y = c.y;
        const POINT square[4] = {Point(x - kGripHalf, y - kGripHalf),
                                 Point(x - kGripHalf, y + kGripHalf),
                                 Point(x + kGripHalf, y + kGripHalf),
                                 Point(x + kGripHalf, y - kGripHalf)};
        pDC->Polygon(square, 4);
    }
    pDC->SetPolyFillMode(nOldFill);
    pDC->SelectObject(pOldBrush);
    pDC->SelectObject(pOldPen);
}

CPoint CBlockComment::GripCorner(int nGrip) const
{
    const int nRight = ClampToInt((long long)m_nLeft + m_nBoxWidth);
    const int nBottom = ClampToInt((long long)m_nTop + m_nBoxHeight);
    switch (nGrip) {
    case COMMENT_GRIP_BOTTOM_LEFT: return CPoint(m_nLeft, nBottom);
    case COMMENT_GRIP_BOTTOM_RIGHT: return CPoint(nRight, nBottom);
    case COMMENT_GRIP_TOP_RIGHT: return CPoint(nRight, m_nTop);
    default: return CPoint(m_nLeft, m_nTop);
    }
}

CRect CBlockComment::GetBoxRect() const
{
    const CPoint bottomRight = GripCorner(COMMENT_GRIP_BOTTOM_RIGHT);
    return CRect(m_nLeft, m_nTop, bottomRight.x, bottomRight.y);
}

BOOL CBlockComment::HitTest(CPoint point) const
{
    return GetBoxRect().PtInRect(point);
}

int CBlockComment::HitTestGrip(CPoint point) const
{
    for (int nGrip = 0; nGrip < COMMENT_GRIP_COUNT; ++nGrip) {
        const CPoint c = GripCorner(nGrip);
        if (std::llabs((long long)point.x - c.x) <= kGripHalf &&
            std::llabs((long long)point.y - c.y) <= kGripHalf)
            return nGrip;
    }
    return -1;
}

void CBlockComment::MoveGrip(int nGrip, CPoint point)
{
    if (nGrip < 0 || nGrip >= COMMENT_GRIP_COUNT)
        return;
    // Grips 0 and 2, and 1 and 3, face each other.
    const CPoint fixed = GripCorner((nGrip + 2) % COMMENT_GRIP_COUNT);
    m_nLeft = std::min(fixed.x, point.x);
    m_nTop = std::min(fixed.y, point.y);
    m_nBoxWidth = ClampToInt((long long)std::max(fixed.x, point.x) - m_nLeft);
    m_nBoxHeight = ClampToInt((long long)std::max(fixed.y, point.y) - m_nTop);
}
