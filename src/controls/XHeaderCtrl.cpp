#include "controls/XHeaderCtrl.h"

#include "controls/BarColors.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/PixelBuffer.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/PaintDC.h"

IMPLEMENT_DYNAMIC(CXHeaderCtrl, CHeaderCtrl)

namespace {

constexpr int kCheckImageSize = 16;
constexpr COLORREF kMaskColour = RGB(255, 0, 255);

// A 13-pixel box in a 16-pixel cell, a two-stroke tick when checked.
void PaintCheckImage(PixelBuffer& strip, int nLeft, bool bChecked)
{
    const CRect box(nLeft + 1, 1, nLeft + 14, 14);
    const CRect clip(0, 0, strip.Width(), strip.Height());
    strip.Fill(box, clip, kColorBtnShadow);
    strip.Fill(CRect(box.left + 1, box.top + 1, box.right - 1, box.bottom - 1), clip, kColorWindow);
    if (!bChecked)
        return;
    // Down from the left to the foot, then up to the right, three pixels thick.
    const int xFoot = box.left + 5;
    const int yFoot = box.top + 9;
    for (int dy = 0; dy < 3; ++dy) {
        for (int x = box.left + 3; x <= xFoot; ++x)
            strip.SetPixel(x, yFoot - (xFoot - x) + dy - 1, kColorWindowText);
        for (int x = xFoot; x <= box.right - 4; ++x)
            strip.SetPixel(x, yFoot - (x - xFoot) + dy - 1, kColorWindowText);
    }
}

}  // namespace

BOOL MakeHeaderCheckImages(CImageList& images)
{
    PixelBuffer strip(3 * kCheckImageSize, kCheckImageSize);
    strip.Fill(CRect(0, 0, strip.Width(), strip.Height()), CRect(0, 0, strip.Width(), strip.Height()),
               kMaskColour);
    PaintCheckImage(strip, CXHeaderCtrl::kUnchecked * kCheckImageSize, false);
    PaintCheckImage(strip, CXHeaderCtrl::kChecked * kCheckImageSize, true);
    return images.Create(strip, kCheckImageSize, 1, kMaskColour);
}

CSize CXHeaderCtrl::GetImageSize() const
{
    const CImageList* pImages = GetImageList();
    return pImages && pImages->GetImageCount() > 0 ? pImages->GetImageSize() : CSize();
}

void CXHeaderCtrl::SetSpacing(int nSpace)
{
    m_nSpace = nSpace;
    Invalidate();
}

int CXHeaderCtrl::GetItemImage(int nItem) const
{
    const Item* pItem = GetItemState(nItem);
    return pItem ? pItem->iImage : -1;
}

BOOL CXHeaderCtrl::SetItemImage(int nItem, int nImage)
{
    const Item* pItem = GetItemState(nItem);
    if (!pItem)
        return FALSE;
    HDITEM item = {};
    item.mask = HDI_IMAGE | HDI_FORMAT;
    item.iImage = nImage;
    item.fmt = pItem->fmt | HDF_IMAGE;
    return SetItem(nItem, &item);
}

void CXHeaderCtrl::DrawXItem(CDC& dc, int nItem, CRect rect)
{
    const Item& item = *GetItemState(nItem);
    rect.DeflateRect(m_nSpace, 0);
    CImageList* pImages = GetImageList();
    // Image 0 is the blank of the header bitmap: it holds the place of no image.
    if (pImages && item.iImage > 0 && item.iImage < pImages->GetImageCount() && rect.Width() > 0) {
        const int nSaved = dc.SaveDC();
        dc.IntersectClipRect(rect);
        const CSize size = GetImageSize();
        pImages->Draw(&dc, item.iImage, CPoint(rect.left, rect.top + (rect.Height() - size.cy) / 2),
                      ILD_TRANSPARENT);
        dc.RestoreDC(nSaved);
        rect.left += size.cx + m_nSpace;
    }
    if (rect.right > rect.left && !item.strText.IsEmpty())
        dc.DrawText(item.strText, rect,
                    DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void CXHeaderCtrl::DrawXHeader(CDC& dc)
{
    CRect rectClient;
    GetClientRect(rectClient);
    dc.FillSolidRect(rectClient, kColorBtnFace);
    CFont* pOldFont = GetFont() ? dc.SelectObject(GetFont()) : nullptr;
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(kTextColour);
    CRect rectClip;
    dc.GetClipBox(rectClip);
    const int nCount = GetItemCount();
    CRect rectAll(0, 0, 0, rectClient.bottom);
    for (int nOrder = 0; nOrder < nCount; ++nOrder) {
        const int nItem = OrderToIndex(nOrder);
        CRect rect;
        GetItemRect(nItem, rect);
        rectAll.right = rect.right;
        CRect rectMeet;
        if (rect.Width() > 0 && rectMeet.IntersectRect(rect, rectClip))
            DrawXItem(dc, nItem, rect);
        if (nOrder + 1 < nCount) {
            dc.FillSolidRect(rect.right - 2, rect.top + 2, 1, rect.Height() - 4, kColorBtnShadow);
            dc.FillSolidRect(rect.right - 1, rect.top + 2, 1, rect.Height() - 4, kColorBtnHighlight);
        }
    }
    dc.Draw3dRect(rectAll, kColorBtnHighlight, kColorBtnShadow);
    if (pOldFont)
        dc.SelectObject(pOldFont);
}

LRESULT CXHeaderCtrl::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_PAINT)
        return CHeaderCtrl::DefWindowProc(message, wParam, lParam);
    CPaintDC dc(this);
    DrawXHeader(dc);
    return 0;
}
