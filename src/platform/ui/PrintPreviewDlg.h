// CPrintPreviewDlg: the print preview, a window of its own over the pages of a print job: one
// page at a time, as large as the window holds it in proportion, with "Print...", "Next Page",
// "Prev Page" and "Close". Each page is drawn when it is shown, at the size it is shown in, so a
// larger window shows a larger and still sharp page. DoModal returns ID_FILE_PRINT when the
// user chose "Print..." (the caller then prints for real) and IDCANCEL on Close.
#pragma once

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/PixelBuffer.h"
#include "platform/ui/Dialog.h"

#include <functional>

constexpr UINT IDD_PRINT_PREVIEW = 0x7C60;
constexpr UINT IDC_PREVIEW_PRINT = 0x7C61;
constexpr UINT IDC_PREVIEW_NEXT = 0x7C62;
constexpr UINT IDC_PREVIEW_PREV = 0x7C63;
constexpr UINT IDC_PREVIEW_PAGE_TEXT = 0x7C64;
constexpr UINT IDC_PREVIEW_PAGE_AREA = 0x7C65;

// Draws page nPage (from 1) of the job into a picture of the given size; FALSE when it cannot.
using PreviewPageDrawer = std::function<BOOL(UINT nPage, CSize sizePicture, PixelBuffer& picture)>;

// The page as paper on a grey desk.
class CPreviewPage : public CWnd {
    DECLARE_DYNAMIC(CPreviewPage)

public:
    // The paper's proportions (any size in them) and who draws its pages.
    void SetPaper(CSize sizePaper, PreviewPageDrawer drawPage);
    // Shows page nPage (from 1); 0 shows the desk alone.
    void SetPage(UINT nPage);
    // The size the page on show was drawn at; empty when none is.
    CSize GetPictureSize() const { return m_sizePicture; }
    // Where the page lies in the client area: as large as fits with a margin, in proportion.
    static CRect FitPage(const CRect& rcClient, CSize sizePage);

protected:
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* pDC) override;
    void OnSize(UINT nType, int cx, int cy) override;
    DECLARE_MESSAGE_MAP()

private:
    CRect PageRect() const;
    // Draws the page on show anew when the area it fits into changed its size.
    void UpdatePicture();

    PreviewPageDrawer m_drawPage;
    CSize m_sizePaper;
    UINT m_nPage = 0;
    UINT m_nDrawnPage = 0;
    CBitmap m_bitmap;
    CSize m_sizePicture;
};

class CPrintPreviewDlg : public CDialog {
    DECLARE_DYNAMIC(CPrintPreviewDlg)

public:
    // nPages pages of paper of sizePaper's proportions, drawn by drawPage as they are shown.
    CPrintPreviewDlg(PreviewPageDrawer drawPage, UINT nPages, CSize sizePaper, const CString& strTitle,
                     CWnd* pParentWnd = nullptr);

    // The page shown, from 1; 0 when the job had no pages.
    UINT GetCurPage() const { return m_nCurPage; }
    UINT GetPageCount() const { return m_nPages; }
    const CPreviewPage& GetPageArea() const { return m_pageArea; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnSize(UINT nType, int cx, int cy) override;
    void OnNextPage();
    void OnPrevPage();
    void OnPrintButton();
    DECLARE_MESSAGE_MAP()

private:
    void ShowPage(UINT nPage);

    PreviewPageDrawer m_drawPage;
    UINT m_nPages;
    CSize m_sizePaper;
    CString m_strTitle;
    UINT m_nCurPage = 0;
    CPreviewPage m_pageArea;
    // How far the page area stays from the client area's right and bottom edges.
    CSize m_sizeAreaMargin;
};
