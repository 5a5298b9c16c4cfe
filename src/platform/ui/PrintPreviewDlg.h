// CPrintPreviewDlg: the print preview, a window of its own over the pages a print job drew into
// memory (CImagePrinter): one page at a time, scaled to fit and kept in proportion, with
// "Print...", "Next Page", "Prev Page" and "Close". DoModal returns ID_FILE_PRINT when the user
// chose "Print..." (the caller then prints for real) and IDCANCEL on Close.
#pragma once

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/ImagePrinter.h"
#include "platform/ui/Dialog.h"

constexpr UINT IDD_PRINT_PREVIEW = 0x7C60;
constexpr UINT IDC_PREVIEW_PRINT = 0x7C61;
constexpr UINT IDC_PREVIEW_NEXT = 0x7C62;
constexpr UINT IDC_PREVIEW_PREV = 0x7C63;
constexpr UINT IDC_PREVIEW_PAGE_TEXT = 0x7C64;
constexpr UINT IDC_PREVIEW_PAGE_AREA = 0x7C65;

// The page as paper on a grey desk.
class CPreviewPage : public CWnd {
    DECLARE_DYNAMIC(CPreviewPage)

public:
    // nullptr shows the desk alone.
    void SetPage(const PixelBuffer* pPage);
    // Where the page lies in the client area: as large as fits with a margin, in proportion.
    static CRect FitPage(const CRect& rcClient, CSize sizePage);

protected:
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* pDC) override;
    DECLARE_MESSAGE_MAP()

private:
    CBitmap m_bitmap;
    CSize m_sizePage;
};

class CPrintPreviewDlg : public CDialog {
    DECLARE_DYNAMIC(CPrintPreviewDlg)

public:
    CPrintPreviewDlg(ImagePages pages, const CString& strTitle, CWnd* pParentWnd = nullptr);

    // The page shown, from 1; 0 when the job had no pages.
    UINT GetCurPage() const { return m_nCurPage; }
    UINT GetPageCount() const { return UINT(m_pages.pages.size()); }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnNextPage();
    void OnPrevPage();
    void OnPrintButton();
    DECLARE_MESSAGE_MAP()

private:
    void ShowPage(UINT nPage);

    ImagePages m_pages;
    CString m_strTitle;
    UINT m_nCurPage = 0;
    CPreviewPage m_pageArea;
};
