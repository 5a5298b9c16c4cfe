#include "platform/ui/PrintPreviewDlg.h"

#include "platform/gdi/DC.h"
#include "platform/ui/Button.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/FrameIds.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/Static.h"
#include "platform/ui/WndMessageMap.h"

#include <cstdint>
#include <utility>

IMPLEMENT_DYNAMIC(CPreviewPage, CWnd)

BEGIN_MESSAGE_MAP(CPreviewPage, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CPrintPreviewDlg, CDialog)

BEGIN_MESSAGE_MAP(CPrintPreviewDlg, CDialog)
    ON_BN_CLICKED(IDC_PREVIEW_NEXT, OnNextPage)
    ON_BN_CLICKED(IDC_PREVIEW_PREV, OnPrevPage)
    ON_BN_CLICKED(IDC_PREVIEW_PRINT, OnPrintButton)
END_MESSAGE_MAP()

namespace {

constexpr LPCTSTR kPageAreaClass = _T("QarvoPreviewPage");
constexpr COLORREF kDeskColour = RGB(128, 128, 128);
constexpr int kDeskMargin = 8;

void RegisterPreviewTemplate()
{
    if (AfxFindDialogTemplate(IDD_PRINT_PREVIEW))
        return;
    DialogTemplate dlg;
    dlg.nID = IDD_PRINT_PREVIEW;
    dlg.strCaption = _T("Print Preview");
    dlg.size = CSize(400, 300);
    dlg.items = {
        DialogItem(IDC_PREVIEW_PRINT, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, CRect(4, 4, 54, 18), _T("&Print...")),
        DialogItem(IDC_PREVIEW_NEXT, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, CRect(58, 4, 108, 18), _T("&Next Page")),
        DialogItem(IDC_PREVIEW_PREV, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, CRect(112, 4, 162, 18), _T("Pre&v Page")),
        DialogItem(IDCANCEL, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, CRect(166, 4, 216, 18), _T("&Close")),
        DialogItem(IDC_PREVIEW_PAGE_TEXT, WC_STATIC, SS_LEFT, CRect(224, 7, 396, 17)),
        DialogItem(IDC_PREVIEW_PAGE_AREA, kPageAreaClass, 0, CRect(4, 22, 396, 296)),
    };
    AfxRegisterDialogTemplate(std::move(dlg));
}

}  // namespace

void CPreviewPage::SetPage(const PixelBuffer* pPage)
{
    m_bitmap.DeleteObject();
    m_sizePage = CSize(0, 0);
    if (pPage) {
        m_bitmap.CreateFromPixels(*pPage);
        m_sizePage = CSize(pPage->Width(), pPage->Height());
    }
    if (m_hWnd)
        Invalidate(FALSE);
}

CRect CPreviewPage::FitPage(const CRect& rcClient, CSize sizePage)
{
    CRect rcDesk = rcClient;
    rcDesk.DeflateRect(kDeskMargin, kDeskMargin);
    if (sizePage.cx <= 0 || sizePage.cy <= 0 || rcDesk.Width() <= 0 || rcDesk.Height() <= 0)
        return CRect(rcDesk.TopLeft(), rcDesk.TopLeft());
    // The limiting side fills the desk; the other keeps the page's proportion.
    int nWidth = rcDesk.Width();
    int nHeight = int(std::int64_t(nWidth) * sizePage.cy / sizePage.cx);
    if (nHeight > rcDesk.Height()) {
        nHeight = rcDesk.Height();
        nWidth = int(std::int64_t(nHeight) * sizePage.cx / sizePage.cy);
    }
    const int nLeft = rcDesk.left + (rcDesk.Width() - nWidth) / 2;
    const int nTop = rcDesk.top + (rcDesk.Height() - nHeight) / 2;
    return CRect(nLeft, nTop, nLeft + nWidth, nTop + nHeight);
}

void CPreviewPage::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(rcClient);
    dc.FillSolidRect(rcClient, kDeskColour);
    if (!m_bitmap.GetSafeHandle())
        return;
    const CRect rcPage = FitPage(rcClient, m_sizePage);
    CDC memDC;
    memDC.CreateCompatibleDC(&dc);
    CBitmap* pOld = memDC.SelectObject(&m_bitmap);
    dc.SetStretchBltMode(HALFTONE);
    dc.StretchBlt(rcPage.left, rcPage.top, rcPage.Width(), rcPage.Height(), &memDC, 0, 0, m_sizePage.cx,
                  m_sizePage.cy, SRCCOPY);
    memDC.SelectObject(pOld);
    dc.Draw3dRect(rcPage.left - 1, rcPage.top - 1, rcPage.Width() + 2, rcPage.Height() + 2, RGB(0, 0, 0),
                  RGB(0, 0, 0));
}

BOOL CPreviewPage::OnEraseBkgnd(CDC*) { return TRUE; }

CPrintPreviewDlg::CPrintPreviewDlg(ImagePages pages, const CString& strTitle, CWnd* pParentWnd)
    : CDialog(IDD_PRINT_PREVIEW, pParentWnd), m_pages(std::move(pages)), m_strTitle(strTitle)
{
    RegisterPreviewTemplate();
}

void CPrintPreviewDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PREVIEW_PAGE_AREA, m_pageArea);
}

BOOL CPrintPreviewDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!m_strTitle.IsEmpty())
        SetWindowText(m_strTitle + _T(" - Print Preview"));
    ShowPage(m_pages.pages.empty() ? 0 : 1);
    return TRUE;
}

void CPrintPreviewDlg::ShowPage(UINT nPage)
{
    m_nCurPage = nPage;
    m_pageArea.SetPage(nPage ? &m_pages.pages[nPage - 1] : nullptr);
    CString strText;
    if (nPage)
        strText.Format(_T("Page %u of %u"), nPage, GetPageCount());
    SetDlgItemText(int(IDC_PREVIEW_PAGE_TEXT), strText);
    if (CWnd* pNext = GetDlgItem(int(IDC_PREVIEW_NEXT)))
        pNext->EnableWindow(nPage < GetPageCount());
    if (CWnd* pPrev = GetDlgItem(int(IDC_PREVIEW_PREV)))
        pPrev->EnableWindow(nPage > 1);
}

void CPrintPreviewDlg::OnNextPage()
{
    if (m_nCurPage < GetPageCount())
        ShowPage(m_nCurPage + 1);
}

void CPrintPreviewDlg::OnPrevPage()
{
    if (m_nCurPage > 1)
        ShowPage(m_nCurPage - 1);
}

void CPrintPreviewDlg::OnPrintButton() { EndDialog(int(ID_FILE_PRINT)); }
