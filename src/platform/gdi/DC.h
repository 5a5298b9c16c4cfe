// The device context. It maps logical to device coordinates itself (window and viewport origins
// and extents, rounding half away from zero), keeps the selected pen, brush, font and bitmap and
// the drawing modes, and hands each primitive in device pixels to its drawing surface.
//
// A context draws on a surface it is given (a window's painter, a recorder in tests) or, as a
// memory context, on the bitmap selected into it. Without a surface, drawing calls fail and do
// nothing.
#pragma once

#include "platform/core/Geometry.h"
#include "platform/core/Object.h"
#include "platform/core/String.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/DrawingSurface.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Pen.h"

#include <memory>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

// What StartDoc and the page calls return on failure.
constexpr int SP_ERROR = -1;

// A printer as its device context drives it: the page's capabilities from the start, then one
// document at a time whose pages are drawn on the surface StartDoc hands back.
class PrinterDevice {
public:
    virtual ~PrinterDevice() = default;
    // The printable area in pixels at the printer's resolution.
    virtual const DeviceCaps& GetDeviceCaps() const = 0;
    // The surface of the document's pages (the printer's, valid until EndDoc or AbortDoc);
    // nullptr when the printer refuses the document.
    virtual DrawingSurface* StartDoc(const CString& strDocName) = 0;
    virtual bool StartPage() = 0;
    virtual bool EndPage() = 0;
    virtual bool EndDoc() = 0;
    virtual void AbortDoc() = 0;
};

class CDC : public CObject {
    DECLARE_DYNAMIC(CDC)
public:
    CDC();
    explicit CDC(DrawingSurface& surface);
    ~CDC() override;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // Both handles are this context while it has a device, nullptr before.
    HDC m_hDC = nullptr;
    HDC m_hAttribDC = nullptr;
    BOOL m_bPrinting = FALSE;

    // --- The device ---------------------------------------------------------------------------
    // Draws on pSurface (not owned) from now on; nullptr detaches. The state is kept.
    void AttachSurface(DrawingSurface* pSurface);
    DrawingSurface* GetSurface() const { return m_pSurface; }
    HDC GetSafeHdc() const { return m_hDC; }
    static CDC* FromHandle(HDC hDC) { return hDC; }
    // A memory context whose bitmaps are drawn by surfaces of pDC's kind (the display's when
    // pDC is nullptr). It starts with a 1 x 1 bitmap selected.
    BOOL CreateCompatibleDC(CDC* pDC);
    BOOL CreateMemoryDC(BitmapSurfaceMaker pMaker, const DeviceCaps& caps);
    // Only the display ("DISPLAY") exists: a context to query and to make memory contexts from.
    BOOL CreateDC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput,
                  const void* lpInitData);
    BOOL DeleteDC();
    int GetDeviceCaps(int nIndex) const;
    BOOL IsPrinting() const { return m_bPrinting; }
    // The area the window system allows painting in (a paint's invalid area), device units;
    // nullptr allows the whole surface. Kept outside the saved state, like the system's.
    void SetSystemClip(const RECT* pDeviceRect);

    // --- Printing (DCPrint.cpp) ---------------------------------------------------------------
    // A context on the printer (owned from now on): GetDeviceCaps reports its page and
    // IsPrinting is TRUE. Drawing reaches the printer between StartPage and EndPage.
    BOOL CreatePrinterDC(std::unique_ptr<PrinterDevice> pPrinter);
    // Each returns SP_ERROR when the printer fails or the call comes out of order (a page
    // outside a document, a document inside another); StartDoc returns a positive job number.
    int StartDoc(LPCTSTR lpszDocName);
    int StartPage();
    int EndPage();
    // Ends an open page first.
    int EndDoc();
    int AbortDoc();

    // --- Mapping ------------------------------------------------------------------------------
    // MM_TEXT, MM_ISOTROPIC and MM_ANISOTROPIC; other modes are refused with 0.
    int SetMapMode(int nMapMode);
    int GetMapMode() const { return m_state.nMapMode; }
    CPoint SetWindowOrg(int x, int y);
    CPoint SetWindowOrg(POINT point) { return SetWindowOrg(point.x, point.y); }
    CPoint OffsetWindowOrg(int nWidth, int nHeight);
    CPoint GetWindowOrg() const { return m_state.ptWindowOrg; }
    CPoint SetViewportOrg(int x, int y);
    CPoint SetViewportOrg(POINT point) { return SetViewportOrg(point.x, point.y); }
    CPoint OffsetViewportOrg(int nWidth, int nHeight);
    CPoint GetViewportOrg() const { return m_state.ptViewportOrg; }
    // Extents change only in the two scalable modes and never to zero; in MM_ISOTROPIC the
    // viewport extent is shrunk on one axis so that a logical unit is as long in x as in y.
    CSize SetWindowExt(int cx, int cy);
    CSize SetWindowExt(SIZE size) { return SetWindowExt(size.cx, size.cy); }
    CSize GetWindowExt() const { return m_state.szWindowExt; }
    CSize SetViewportExt(int cx, int cy);
    CSize SetViewportExt(SIZE size) { return SetViewportExt(size.cx, size.cy); }
    CSize GetViewportExt() const { return m_state.szViewportExt; }
    void LPtoDP(LPPOINT lpPoints, int nCount = 1) const;
    void LPtoDP(LPRECT lpRect) const;
    void LPtoDP(SIZE* lpSize) const;  // lengths: magnitudes of the extents, no origins
    void DPtoLP(LPPOINT lpPoints, int nCount = 1) const;
    void DPtoLP(LPRECT lpRect) const;
    void DPtoLP(SIZE* lpSize) const;

    // --- Objects and state --------------------------------------------------------------------
    // Each returns the object selected before, or nullptr when the object holds nothing (or, for
    // a bitmap, when this is no memory context or the bitmap is selected elsewhere).
    CPen* SelectObject(CPen* pPen);
    CBrush* SelectObject(CBrush* pBrush);
    CFont* SelectObject(CFont* pFont);
    CBitmap* SelectObject(CBitmap* pBitmap);
    CGdiObject* SelectObject(CGdiObject* pObject);
    CGdiObject* SelectStockObject(int nIndex);
    CPen* GetCurrentPen() const;
    CBrush* GetCurrentBrush() const;
    CFont* GetCurrentFont() const;
    CBitmap* GetCurrentBitmap() const;

    COLORREF SetTextColor(COLORREF crColor);
    COLORREF GetTextColor() const { return m_state.crText; }
    COLORREF SetBkColor(COLORREF crColor);
    COLORREF GetBkColor() const { return m_state.crBk; }
    int SetBkMode(int nBkMode);  // TRANSPARENT or OPAQUE; 0 refuses anything else
    int GetBkMode() const { return m_state.nBkMode; }
    int SetROP2(int nDrawMode);  // R2_BLACK .. R2_WHITE
    int GetROP2() const { return m_state.nRop2; }
    int SetArcDirection(int nArcDirection);
    int GetArcDirection() const { return m_state.nArcDirection; }
    int SetPolyFillMode(int nPolyFillMode);
    int GetPolyFillMode() const { return m_state.nPolyFillMode; }
    int SetStretchBltMode(int nStretchMode);
    int GetStretchBltMode() const { return m_state.nStretchBltMode; }
    UINT SetTextAlign(UINT nFlags);
    UINT GetTextAlign() const { return m_state.nTextAlign; }

    // Returns the level of the saved state, from 1; 0 on failure.
    int SaveDC();
    // A positive level restores that state, a negative one counts back from the last (-1).
    BOOL RestoreDC(int nSavedDC);

    // --- Clipping (logical units in, device units kept) ---------------------------------------
    int IntersectClipRect(int x1, int y1, int x2, int y2);
    int IntersectClipRect(LPCRECT lpRect);
    int SelectClipRgn(std::nullptr_t);  // removes the clip rectangle
    int GetClipBox(LPRECT lpRect) const;
    BOOL RectVisible(LPCRECT lpRect) const;

    // --- Lines and shapes ---------------------------------------------------------------------
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT point) { return MoveTo(point.x, point.y); }
    CPoint GetCurrentPosition() const { return m_state.ptCurrent; }
    // A line to the point, which becomes the current position; a line of length zero drawn with
    // a pen wider than one pixel leaves a round dot.
    BOOL LineTo(int x, int y);
    BOOL LineTo(POINT point) { return LineTo(point.x, point.y); }
    BOOL Polyline(const POINT* lpPoints, int nCount);
    // Lines drawn between the two may be stored together at the end (DrawingSurface::
    // BeginLineRun); CLineRun pairs the calls. Read no pixels of the bitmap in between.
    void BeginLineRun();
    void EndLineRun();
    BOOL Polygon(const POINT* lpPoints, int nCount);
    BOOL Rectangle(int x1, int y1, int x2, int y2);
    BOOL Rectangle(LPCRECT lpRect);
    BOOL Ellipse(int x1, int y1, int x2, int y2);
    BOOL Ellipse(LPCRECT lpRect);
    BOOL Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    BOOL Arc(LPCRECT lpRect, POINT ptStart, POINT ptEnd);
    // Like Arc, after a line from the current position to the arc's start; the arc's end
    // becomes the current position.
    BOOL ArcTo(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    BOOL ArcTo(LPCRECT lpRect, POINT ptStart, POINT ptEnd);

    // --- Fills and pixels ---------------------------------------------------------------------
    void FillRect(LPCRECT lpRect, CBrush* pBrush);
    // Also leaves crColor as the background colour, as the class library's version does.
    void FillSolidRect(LPCRECT lpRect, COLORREF crColor);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF crColor);
    // A border one logical unit wide.
    void FrameRect(LPCRECT lpRect, CBrush* pBrush);
    void Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight);
    void Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight);
    COLORREF SetPixel(int x, int y, COLORREF crColor);
    COLORREF SetPixel(POINT point, COLORREF crColor) { return SetPixel(point.x, point.y, crColor); }
    // CLR_INVALID outside the clip area or on a surface whose pixels cannot be read.
    COLORREF GetPixel(int x, int y) const;
    COLORREF GetPixel(POINT point) const { return GetPixel(point.x, point.y); }
    // Only SRCCOPY. The source must be a memory context or a surface with readable pixels.
    BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                DWORD dwRop);
    BOOL StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                    int nSrcWidth, int nSrcHeight, DWORD dwRop);

    // --- Text ---------------------------------------------------------------------------------
    BOOL TextOut(int x, int y, LPCTSTR lpszString, int nCount);
    BOOL TextOut(int x, int y, const CString& str);
    // lpDxWidths, when given, places each character that many logical units after the last.
    BOOL ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCTSTR lpszString, UINT nCount,
                    const int* lpDxWidths);
    BOOL ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, const CString& str,
                    const int* lpDxWidths);
    // nCount -1 takes the string up to its NUL. Returns the height of the text (with DT_VCENTER
    // or DT_BOTTOM: from the rectangle's top to the bottom of the text).
    int DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat);
    int DrawText(const CString& str, LPRECT lpRect, UINT nFormat);
    CSize GetTextExtent(LPCTSTR lpszString, int nCount) const;
    CSize GetTextExtent(const CString& str) const;
    BOOL GetTextExtentPoint32(LPCTSTR lpszString, int nCount, SIZE* lpSize) const;
    BOOL GetTextMetrics(LPTEXTMETRIC lpMetrics) const;

private:
    struct State {
        int nMapMode = MM_TEXT;
        POINT ptWindowOrg{0, 0};
        POINT ptViewportOrg{0, 0};
        SIZE szWindowExt{1, 1};
        SIZE szViewportExt{1, 1};
        std::shared_ptr<GdiObjectData> pPen;
        std::shared_ptr<GdiObjectData> pBrush;
        std::shared_ptr<GdiObjectData> pFont;
        std::shared_ptr<GdiObjectData> pBitmap;
        COLORREF crText = RGB(0, 0, 0);
        COLORREF crBk = RGB(255, 255, 255);
        int nBkMode = OPAQUE;
        int nRop2 = R2_COPYPEN;
        int nArcDirection = AD_COUNTERCLOCKWISE;
        int nPolyFillMode = ALTERNATE;
        int nStretchBltMode = BLACKONWHITE;
        UINT nTextAlign = TA_LEFT | TA_TOP;
        POINT ptCurrent{0, 0};
        std::optional<RECT> rcClip;  // device units
    };

    void ResetState();
    CGdiObject* SelectInto(std::shared_ptr<GdiObjectData>& slot, CGdiObject* pObject);
    CGdiObject* OwnerOf(const std::shared_ptr<GdiObjectData>& pData) const;
    void DetachBitmapSurface();
    void AttachBitmapSurface();
    void AdjustIsotropic();

    POINT ToDevice(POINT point) const;
    POINT ToLogical(POINT point) const;
    RECT ToDeviceRect(const RECT& rect) const;     // normalized
    LONG ToDeviceLengthX(LONG length) const;
    LONG ToDeviceLengthY(LONG length) const;
    LONG ToLogicalLengthX(LONG length) const;
    LONG ToLogicalLengthY(LONG length) const;
    SIZE DeviceSize() const;
    RECT DeviceClip() const;
    bool IsMirrored() const;

    DrawState MakeDrawState() const;
    LOGFONT DeviceFont() const;
    const LOGPEN& CurrentPen() const;
    void FillDeviceRect(const RECT& rect, COLORREF colour);
    BOOL DrawArc(const RECT& bounds, POINT ptStart, POINT ptEnd, bool bMoveTo);
    const PixelBuffer* ReadablePixels() const;

    DrawingSurface* Measurer() const;
    SIZE DeviceTextExtent(std::u16string_view text) const;
    TEXTMETRIC DeviceTextMetrics() const;
    LONG LogicalWidth(std::u16string_view text) const;
    BOOL OutputText(int x, int y, std::u16string_view text, const RECT* pDeviceClip,
                    const int* lpDxWidths);
    void DrawTabbedLine(POINT topLeft, std::u16string_view text, int nTabWidth, int nUnderline,
                        const RECT* pDeviceClip);

    void ReleasePrinter();

    State m_state;
    std::vector<State> m_saved;
    enum class PrintPhase { None, Document, Page };
    std::unique_ptr<PrinterDevice> m_pPrinter;
    PrintPhase m_printPhase = PrintPhase::None;
    DrawingSurface* m_pSurface = nullptr;
    DeviceCaps m_caps;
    std::optional<RECT> m_rcSystemClip;
    // A memory context: how its bitmaps get a surface, its own first bitmap, and the surface
    // over the selected bitmap (declared after the bitmaps so that it goes first).
    BitmapSurfaceMaker m_pBitmapMaker = nullptr;
    std::shared_ptr<GdiObjectData> m_pDefaultBitmap;
    std::unique_ptr<DrawingSurface> m_pBitmapSurface;
    // Measures text for a context that has no surface to draw on.
    mutable std::unique_ptr<PixelBuffer> m_pMeasurePixels;
    mutable std::unique_ptr<DrawingSurface> m_pMeasureSurface;
    // Objects made to hand back data whose own object has gone.
    mutable std::vector<std::unique_ptr<CGdiObject>> m_ownerless;
};

// A run of line drawing on a context for as long as the object lives.
class CLineRun {
public:
    explicit CLineRun(CDC* pDC) : m_pDC(pDC) { m_pDC->BeginLineRun(); }
    ~CLineRun() { m_pDC->EndLineRun(); }
    CLineRun(const CLineRun&) = delete;
    CLineRun& operator=(const CLineRun&) = delete;

private:
    CDC* m_pDC;
};

// The classic calls on a context handle.
BOOL LPtoDP(HDC hDC, LPPOINT lpPoints, int nCount);
BOOL DPtoLP(HDC hDC, LPPOINT lpPoints, int nCount);
int GetDeviceCaps(HDC hDC, int nIndex);
BOOL GetTextExtentPoint32(HDC hDC, LPCTSTR lpszString, int nCount, SIZE* lpSize);
