#include "platform/ui/PrintPreviewDlg.h"

#include "platform/gdi/DC.h"
#include "platform/ui/Button.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/FrameIds.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/Static.h"
#include "platform/ui/WndMessageMap.h"

#include <algorithm>
#include <cstdint>
#include <utility>

IMPLEMENT_DYNAMIC(CPreviewPage, CWnd)

BEGIN_MESSAGE_MAP(CPreviewPage, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CPrintPreviewDlg, CDialog)

BEGIN_MESSAGE_MAP(CPrintPreviewDlg, CDialog)
    ON_WM_SIZE()
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
    // A larger window shows a larger page.
    dlg.dwStyle |= WS_THICKFRAME;
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

void CPreviewPage::SetPaper(CSize sizePaper, PreviewPageDrawer drawPage)
{
    m_sizePaper = sizePaper;
    m_drawPage = std::move(drawPage);
}

void CPreviewPage::SetPage(UINT nPage)
{
    m_nPage = nPage;
    UpdatePicture();
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

CRect CPreviewPage::PageRect() const
{
    CRect rcClient;
    GetClientRect(rcClient);
    return FitPage(rcClient, m_sizePaper);
}

void CPreviewPage::UpdatePicture()
{
    const CSize sizePage = m_nPage ? PageRect().Size() : CSize(0, 0);
    if (m_nPage == m_nDrawnPage && sizePage == m_sizePicture)
        return;
    m_bitmap.DeleteObject();
    m_sizePicture = CSize(0, 0);
    m_nDrawnPage = 0;
    if (sizePage.cx > 0 && sizePage.cy > 0 && m_drawPage) {
        PixelBuffer picture(sizePage.cx, sizePage.cy);
        if (m_drawPage(m_nPage, sizePage, picture)) {
            m_bitmap.CreateFromPixels(picture);
            m_sizePicture = sizePage;
            m_nDrawnPage = m_nPage;
        }
    }
    if (m_hWnd)
        Invalidate(FALSE);
}

void CPreviewPage::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    UpdatePicture();
    Invalidate(FALSE);
}

void CPreviewPage::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(rcClient);
    dc.FillSolidRect(rcClient, kDeskColour);
    if (!m_bitmap.GetSafeHandle())
        return;
    // The picture was drawn at the size the page shows in.
    const CRect rcPage(PageRect().TopLeft(), m_sizePicture);
    CDC memDC;
    memDC.CreateCompatibleDC(&dc);
    CBitmap* pOld = memDC.SelectObject(&m_bitmap);
    dc.BitBlt(rcPage.left, rcPage.top, rcPage.Width(), rcPage.Height(), &memDC, 0, 0, SRCCOPY);
    memDC.SelectObject(pOld);
    dc.Draw3dRect(rcPage.left - 1, rcPage.top - 1, rcPage.Width() + 2, rcPage.Height() + 2, RGB(0, 0, 0),
                  RGB(0, 0, 0));
}

BOOL CPreviewPage::OnEraseBkgnd(CDC*) { return TRUE; }

CPrintPreviewDlg::CPrintPreviewDlg(PreviewPageDrawer drawPage, UINT nPages, CSize sizePaper, const CString& strTitle,
                                   CWnd* pParentWnd)
    : CDialog(IDD_PRINT_PREVIEW, pParentWnd),
      m_drawPage(std::move(drawPage)),
      m_nPages(nPages),
      m_sizePaper(sizePaper),
      m_strTitle(strTitle)
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
    CRect rcClient, rcArea;
    GetClientRect(rcClient);
    m_pageArea.GetWindowRect(rcArea);
    ScreenToClient(rcArea);
    m_sizeAreaMargin = CSize(rcClient.right - rcArea.right, rcClient.bottom - rcArea.bottom);
    m_pageArea.SetPaper(m_sizePaper, m_drawPage);
    ShowPage(m_nPages == 0 ? 0 : 1);
    return TRUE;
}

// The page area takes whatever the window grows or shrinks by.
void CPrintPreviewDlg::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    if (!m_pageArea.m_hWnd)
        return;
    CRect rcArea;
    m_pageArea.GetWindowRect(rcArea);
    ScreenToClient(rcArea);
    rcArea.right = std::max(rcArea.left, cx - m_sizeAreaMargin.cx);
    rcArea.bottom = std::max(rcArea.top, cy - m_sizeAreaMargin.cy);
    m_pageArea.MoveWindow(rcArea);
}

void CPrintPreviewDlg::ShowPage(UINT nPage)
{
    m_nCurPage = nPage;
    m_pageArea.SetPage(nPage);
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
