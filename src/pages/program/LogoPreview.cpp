#include "pages/program/LogoPreview.h"

#include "controls/BarColors.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/WndMessageMap.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CLogoPreview, CStatic)

namespace {

// The logo keeps clear of the frame's lines.
constexpr int kInset = 2;

}  // namespace

BEGIN_MESSAGE_MAP(CLogoPreview, CStatic)
    ON_WM_PAINT()
END_MESSAGE_MAP()

void CLogoPreview::SetImage(const BYTE* pImage)
{
    m_bHasImage = pImage != nullptr;
    if (pImage)
        std::copy_n(pImage, LOGO_IMAGE_SIZE, m_image.begin());
    if (GetSafeHwnd())
        Invalidate();
}

bool CLogoPreview::IsPixelSet(int nRow, int nColumn) const
{
    return m_bHasImage && (m_image[size_t(LOGO_PAGE_COLUMNS * (nRow / 8) + nColumn)] >> (nRow % 8)) & 1;
}

void CLogoPreview::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(rcClient);
    dc.FillSolidRect(rcClient, kColorBtnFace);
    // An etched frame, with the logo inside it at its top left.
    dc.Draw3dRect(rcClient, RGB(160, 160, 160), RGB(255, 255, 255));
    if (!m_bHasImage)
        return;
    dc.FillSolidRect(kInset, kInset, LOGO_WIDTH, LOGO_HEIGHT, RGB(255, 255, 255));
    for (int nRow = 0; nRow < LOGO_HEIGHT; ++nRow) {
        for (int nColumn = 0; nColumn < LOGO_WIDTH; ++nColumn) {
            if (IsPixelSet(nRow, nColumn))
                dc.SetPixel(kInset + nColumn, kInset + nRow, RGB(0, 0, 0));
        }
    }
}
