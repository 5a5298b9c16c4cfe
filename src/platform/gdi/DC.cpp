// CDC: the device, the selected objects, the drawing modes and the saved states.
#include "platform/gdi/DC.h"

#include "platform/gdi/DisplayDevice.h"

IMPLEMENT_DYNAMIC(CDC, CObject)

namespace {

BitmapBits& BitsOf(const std::shared_ptr<GdiObjectData>& pData)
{
    return std::get<BitmapBits>(pData->value);
}

bool IsDisplayName(LPCTSTR lpszName)
{
    return lpszName && std::u16string_view(lpszName) == u"DISPLAY";
}

}  // namespace

CDC::CDC() { ResetState(); }

CDC::CDC(DrawingSurface& surface) : CDC() { AttachSurface(&surface); }

CDC::~CDC() { DeleteDC(); }

void CDC::ResetState()
{
    m_state = State{};
    m_state.pPen = CGdiObject::FromStockObject(BLACK_PEN)->GetData();
    m_state.pBrush = CGdiObject::FromStockObject(WHITE_BRUSH)->GetData();
    m_state.pFont = CGdiObject::FromStockObject(SYSTEM_FONT)->GetData();
}

void CDC::AttachSurface(DrawingSurface* pSurface)
{
    m_pSurface = pSurface;
    if (pSurface)
        m_caps = pSurface->GetDeviceCaps();
    m_hDC = m_hAttribDC = (pSurface || m_pBitmapMaker) ? this : nullptr;
}

BOOL CDC::CreateMemoryDC(BitmapSurfaceMaker pMaker, const DeviceCaps& caps)
{
    if (!pMaker)
        return FALSE;
    DeleteDC();
    m_pBitmapMaker = pMaker;
    m_caps = caps;
    m_pDefaultBitmap = std::make_shared<GdiObjectData>(GdiObjectData{BitmapBits{PixelBuffer(1, 1)}});
    m_state.pBitmap = m_pDefaultBitmap;
    AttachBitmapSurface();
    m_hDC = m_hAttribDC = this;
    return TRUE;
}

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    const DisplayDevice& display = GetDisplayDevice();
    if (!pDC)
        return CreateMemoryDC(display.pMaker, display.caps);
    BitmapSurfaceMaker pMaker = pDC->m_pBitmapMaker;
    if (!pMaker)
        pMaker = pDC->m_pSurface ? pDC->m_pSurface->GetBitmapSurfaceMaker() : display.pMaker;
    const DeviceCaps caps = pDC->m_caps;
    return CreateMemoryDC(pMaker, caps);
}

BOOL CDC::CreateDC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR /*lpszOutput*/,
                   const void* /*lpInitData*/)
{
    if (!IsDisplayName(lpszDriverName) && !IsDisplayName(lpszDeviceName))
        return FALSE;
    DeleteDC();
    m_caps = GetDisplayDevice().caps;
    m_hDC = m_hAttribDC = this;
    return TRUE;
}

BOOL CDC::DeleteDC()
{
    const BOOL bHadDevice = m_hDC != nullptr;
    ReleasePrinter();
    DetachBitmapSurface();
    m_pSurface = nullptr;
    m_pMeasureSurface.reset();
    m_pBitmapMaker = nullptr;
    m_saved.clear();
    ResetState();
    m_pDefaultBitmap.reset();
    m_rcSystemClip.reset();
    m_caps = DeviceCaps{};
    m_hDC = m_hAttribDC = nullptr;
    return bHadDevice;
}

int CDC::GetDeviceCaps(int nIndex) const
{
    struct Entry {
        int nIndex;
        int DeviceCaps::*pField;
    };
    static constexpr Entry entries[] = {
        {HORZSIZE, &DeviceCaps::nHorzSizeMm},
        {VERTSIZE, &DeviceCaps::nVertSizeMm},
        {HORZRES, &DeviceCaps::nHorzRes},
        {VERTRES, &DeviceCaps::nVertRes},
        {BITSPIXEL, &DeviceCaps::nBitsPixel},
        {PLANES, &DeviceCaps::nPlanes},
        {LOGPIXELSX, &DeviceCaps::nLogPixelsX},
        {LOGPIXELSY, &DeviceCaps::nLogPixelsY},
        {PHYSICALWIDTH, &DeviceCaps::nPhysicalWidth},
        {PHYSICALHEIGHT, &DeviceCaps::nPhysicalHeight},
        {PHYSICALOFFSETX, &DeviceCaps::nPhysicalOffsetX},
        {PHYSICALOFFSETY, &DeviceCaps::nPhysicalOffsetY},
    };
    for (const Entry& entry : entries)
        if (entry.nIndex == nIndex)
            return m_caps.*entry.pField;
    return 0;
}

void CDC::SetSystemClip(const RECT* pDeviceRect)
{
    if (pDeviceRect)
        m_rcSystemClip = *pDeviceRect;
    else
        m_rcSystemClip.reset();
}

// --- Objects -------------------------------------------------------------------------------

CGdiObject* CDC::OwnerOf(const std::shared_ptr<GdiObjectData>& pData) const
{
    if (!pData)
        return nullptr;
    if (pData->pOwner)
        return pData->pOwner;
    m_ownerless.push_back(CGdiObject::MakeOwnerFor(pData));
    return m_ownerless.back().get();
}

CGdiObject* CDC::SelectInto(std::shared_ptr<GdiObjectData>& slot, CGdiObject* pObject)
{
    if (!pObject || !pObject->GetData())
        return nullptr;
    std::shared_ptr<GdiObjectData> pPrevious = std::exchange(slot, pObject->GetData());
    return OwnerOf(pPrevious);
}

CPen* CDC::SelectObject(CPen* pPen) { return static_cast<CPen*>(SelectInto(m_state.pPen, pPen)); }

CBrush* CDC::SelectObject(CBrush* pBrush)
{
    return static_cast<CBrush*>(SelectInto(m_state.pBrush, pBrush));
}

CFont* CDC::SelectObject(CFont* pFont)
{
    return static_cast<CFont*>(SelectInto(m_state.pFont, pFont));
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap)
{
    if (!m_pBitmapMaker || !pBitmap || !pBitmap->GetData())
        return nullptr;
    const std::shared_ptr<GdiObjectData>& pData = pBitmap->GetData();
    const CDC* pHolder = BitsOf(pData).pSelectedIn;
    if (pHolder && pHolder != this)
        return nullptr;
    const std::shared_ptr<GdiObjectData> pPrevious = m_state.pBitmap;
    DetachBitmapSurface();
    m_state.pBitmap = pData;
    AttachBitmapSurface();
    return static_cast<CBitmap*>(OwnerOf(pPrevious));
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject)
{
    if (!pObject || !pObject->GetData())
        return nullptr;
    switch (pObject->GetData()->value.index()) {
    case 0:
        return SelectInto(m_state.pPen, pObject);
    case 1:
        return SelectInto(m_state.pBrush, pObject);
    case 2:
        return SelectInto(m_state.pFont, pObject);
    default:
        return SelectObject(static_cast<CBitmap*>(pObject));
    }
}

CGdiObject* CDC::SelectStockObject(int nIndex)
{
    return SelectObject(CGdiObject::FromStockObject(nIndex));
}

CPen* CDC::GetCurrentPen() const { return static_cast<CPen*>(OwnerOf(m_state.pPen)); }
CBrush* CDC::GetCurrentBrush() const { return static_cast<CBrush*>(OwnerOf(m_state.pBrush)); }
CFont* CDC::GetCurrentFont() const { return static_cast<CFont*>(OwnerOf(m_state.pFont)); }
CBitmap* CDC::GetCurrentBitmap() const { return static_cast<CBitmap*>(OwnerOf(m_state.pBitmap)); }

// The surface over a bitmap points into its pixels, so it goes before the bitmap may go.
void CDC::DetachBitmapSurface()
{
    if (m_pBitmapSurface && m_pSurface == m_pBitmapSurface.get())
        m_pSurface = nullptr;
    m_pBitmapSurface.reset();
    if (m_state.pBitmap)
        BitsOf(m_state.pBitmap).pSelectedIn = nullptr;
}

void CDC::AttachBitmapSurface()
{
    if (!m_pBitmapMaker || !m_state.pBitmap)
        return;
    BitmapBits& bits = BitsOf(m_state.pBitmap);
    bits.pSelectedIn = this;
    m_pBitmapSurface = m_pBitmapMaker(bits.pixels, m_caps);
    m_pSurface = m_pBitmapSurface.get();
}

// --- Modes ---------------------------------------------------------------------------------

namespace {

// Stores a mode when it lies in [first, last] and returns the previous one; 0 refuses.
int SetMode(int& nMode, int nNew, int nFirst, int nLast)
{
    if (nNew < nFirst || nNew > nLast)
        return 0;
    return std::exchange(nMode, nNew);
}

}  // namespace

COLORREF CDC::SetTextColor(COLORREF crColor) { return std::exchange(m_state.crText, crColor); }
COLORREF CDC::SetBkColor(COLORREF crColor) { return std::exchange(m_state.crBk, crColor); }
int CDC::SetBkMode(int nBkMode) { return SetMode(m_state.nBkMode, nBkMode, TRANSPARENT, OPAQUE); }
int CDC::SetROP2(int nDrawMode) { return SetMode(m_state.nRop2, nDrawMode, R2_BLACK, R2_WHITE); }

int CDC::SetArcDirection(int nArcDirection)
{
    return SetMode(m_state.nArcDirection, nArcDirection, AD_COUNTERCLOCKWISE, AD_CLOCKWISE);
}

int CDC::SetPolyFillMode(int nPolyFillMode)
{
    return SetMode(m_state.nPolyFillMode, nPolyFillMode, ALTERNATE, WINDING);
}

int CDC::SetStretchBltMode(int nStretchMode)
{
    return SetMode(m_state.nStretchBltMode, nStretchMode, BLACKONWHITE, HALFTONE);
}

UINT CDC::SetTextAlign(UINT nFlags)
{
    if (nFlags & ~(TA_UPDATECP | TA_CENTER | TA_BASELINE))
        return GDI_ERROR;
    return std::exchange(m_state.nTextAlign, nFlags);
}

// --- Saved states ----------------------------------------------------------------------------

int CDC::SaveDC()
{
    m_saved.push_back(m_state);
    return int(m_saved.size());
}

BOOL CDC::RestoreDC(int nSavedDC)
{
    const int nLevel = nSavedDC < 0 ? int(m_saved.size()) + nSavedDC + 1 : nSavedDC;
    if (nSavedDC == 0 || nLevel < 1 || nLevel > int(m_saved.size()))
        return FALSE;
    State restored = std::move(m_saved[nLevel - 1]);
    m_saved.resize(nLevel - 1);
    const bool bNewBitmap = restored.pBitmap != m_state.pBitmap;
    if (bNewBitmap)
        DetachBitmapSurface();
    m_state = std::move(restored);
    if (bNewBitmap)
        AttachBitmapSurface();
    return TRUE;
}

BOOL LPtoDP(HDC hDC, LPPOINT lpPoints, int nCount)
{
    if (!hDC || !lpPoints || nCount < 0)
        return FALSE;
    hDC->LPtoDP(lpPoints, nCount);
    return TRUE;
}

BOOL DPtoLP(HDC hDC, LPPOINT lpPoints, int nCount)
{
    if (!hDC || !lpPoints || nCount < 0)
        return FALSE;
    hDC->DPtoLP(lpPoints, nCount);
    return TRUE;
}

int GetDeviceCaps(HDC hDC, int nIndex) { return hDC ? hDC->GetDeviceCaps(nIndex) : 0; }

BOOL GetTextExtentPoint32(HDC hDC, LPCTSTR lpszString, int nCount, SIZE* lpSize)
{
    return hDC && hDC->GetTextExtentPoint32(lpszString, nCount, lpSize);
}
