#include "blocks/BlockComment.h"

#include "platform/core/Archive.h"
#include "platform/core/Exception.h"

IMPLEMENT_SERIAL(CBlockComment, CObject, VERSIONABLE_SCHEMA | 1)

namespace {

constexpr int kDefaultFontHeight = 12;

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
