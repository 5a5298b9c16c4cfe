#include "controls/PageLayoutDlg.h"

#include "platform/core/MessageBox.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Pen.h"
#include "platform/ui/Button.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Edit.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/Static.h"
#include "platform/ui/WndMessageMap.h"

#include <utility>

IMPLEMENT_DYNAMIC(CPageLayoutPreview, CWnd)

BEGIN_MESSAGE_MAP(CPageLayoutPreview, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CPageLayoutDlg, CDialog)

BEGIN_MESSAGE_MAP(CPageLayoutDlg, CDialog)
    ON_EN_UPDATE(CPageLayoutDlg::IDC_ACROSS, OnAcrossUpdate)
    ON_EN_UPDATE(CPageLayoutDlg::IDC_DOWN, OnDownUpdate)
END_MESSAGE_MAP()

namespace {

constexpr LPCTSTR kPreviewClass = _T("QarvoPageLayoutPreview");
constexpr LPCTSTR kTooManyPages =
    _T("For the total number of pages(horizontal x vertical) only values between 1 and 100  are valid.");
constexpr LPCTSTR kBlocksDoNotFit = _T("There are not enough pages to contain all Block(s),so size update fail!!!");
constexpr LPCTSTR kWiresDoNotFit = _T("There are not enough pages to contain all Block(s),so size update fail!");
constexpr LPCTSTR kRefusalCaption = _T("Page Size");
constexpr COLORREF kPreviewGrey = RGB(132, 130, 132);
constexpr COLORREF kGridGreen = RGB(0, 196, 98);
constexpr int kDigitWidth = 6;
constexpr int kDigitHeight = 10;

void RegisterPageLayoutTemplate()
{
    if (AfxFindDialogTemplate(CPageLayoutDlg::IDD))
        return;
    DialogTemplate dlg;
    dlg.nID = CPageLayoutDlg::IDD;
    dlg.strCaption = _T("Page Layout");
    dlg.size = CSize(250, 139);
    dlg.items = {
        DialogItem(CPageLayoutDlg::IDC_PREVIEW, kPreviewClass, 0, CRect(7, 7, 176, 114)),
        DialogItem(0xFFFF, WC_STATIC, SS_LEFT, CRect(183, 9, 243, 18), _T("Horizontal")),
        DialogItem(CPageLayoutDlg::IDC_ACROSS, WC_EDIT, WS_BORDER | WS_TABSTOP | ES_NUMBER | ES_AUTOHSCROLL,
                   CRect(183, 20, 243, 32)),
        DialogItem(0xFFFF, WC_STATIC, SS_LEFT, CRect(183, 40, 243, 49), _T("Vertical")),
        DialogItem(CPageLayoutDlg::IDC_DOWN, WC_EDIT, WS_BORDER | WS_TABSTOP | ES_NUMBER | ES_AUTOHSCROLL,
                   CRect(183, 51, 243, 63)),
        DialogItem(CPageLayoutDlg::IDC_USE_AS_DEFAULT, WC_BUTTON, BS_AUTOCHECKBOX | WS_TABSTOP,
                   CRect(7, 120, 120, 130), _T("Use As Default")),
        DialogItem(IDOK, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, CRect(183, 82, 243, 96), _T("OK")),
        DialogItem(IDCANCEL, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, CRect(183, 100, 243, 114), _T("Cancel")),
        // Help has no action.
        DialogItem(CPageLayoutDlg::IDC_HELP_BUTTON, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, CRect(183, 118, 243, 132),
                   _T("Help")),
    };
    AfxRegisterDialogTemplate(std::move(dlg));
}

}  // namespace

void CPageLayoutPreview::SetPages(int nAcross, int nDown)
{
    m_nAcross = nAcross;
    m_nDown = nDown;
    if (m_hWnd)
        Invalidate(FALSE);
}

CPoint CPageLayoutPreview::GridOrigin(int nAcross, int nDown)
{
    return CPoint((kWidth - kCellWidth * nAcross) / 2 + 2, (kHeight - kCellHeight * nDown) / 2 + 2);
}

void CPageLayoutPreview::Draw(CDC* pDC) const
{
    pDC->FillSolidRect(0, 0, kWidth, kHeight, kPreviewGrey);
    pDC->Draw3dRect(2, 2, kWidth - 4, kHeight - 4, RGB(64, 64, 64), RGB(255, 255, 255));
    const CPoint ptGrid = GridOrigin(m_nAcross, m_nDown);
    const CRect rcGrid(ptGrid, CSize(kCellWidth * m_nAcross, kCellHeight * m_nDown));
    pDC->FillSolidRect(rcGrid, RGB(255, 255, 255));

    CPen pen;
    pen.CreatePen(PS_SOLID, 2, kGridGreen);
    CPen* pOldPen = pDC->SelectObject(&pen);
    for (int nColumn = 0; nColumn <= m_nAcross; ++nColumn) {
        pDC->MoveTo(rcGrid.left + nColumn * kCellWidth, rcGrid.top);
        pDC->LineTo(rcGrid.left + nColumn * kCellWidth, rcGrid.bottom);
    }
    for (int nRow = 0; nRow <= m_nDown; ++nRow) {
        pDC->MoveTo(rcGrid.left, rcGrid.top + nRow * kCellHeight);
        pDC->LineTo(rcGrid.right, rcGrid.top + nRow * kCellHeight);
    }
    pDC->SelectObject(pOldPen);

    CFont font;
    font.CreateFont(kDigitHeight, kDigitWidth, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, _T("Arial"));
    CFont* pOldFont = pDC->SelectObject(&font);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(RGB(0, 0, 0));
    for (int nRow = 1; nRow <= m_nDown; ++nRow) {
        for (int nColumn = 1; nColumn <= m_nAcross; ++nColumn) {
            CString strNumber;
            strNumber.Format(_T("%d"), (nRow - 1) * m_nAcross + nColumn);
            // Centred by its digits, each kDigitWidth wide, and the font's height.
            const int x = rcGrid.left + (nColumn - 1) * kCellWidth + (kCellWidth - kDigitWidth * strNumber.GetLength()) / 2;
            const int y = rcGrid.top + (nRow - 1) * kCellHeight + (kCellHeight - kDigitHeight) / 2;
            pDC->TextOut(x, y, strNumber);
        }
    }
    pDC->SelectObject(pOldFont);
}

void CPageLayoutPreview::OnPaint()
{
    CPaintDC dc(this);
    // Drawn off-screen and copied in one piece, so the grid never shows half drawn.
    CDC memDC;
    memDC.CreateCompatibleDC(&dc);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&dc, kWidth, kHeight);
    CBitmap* pOld = memDC.SelectObject(&bitmap);
    Draw(&memDC);
    dc.BitBlt(0, 0, kWidth, kHeight, &memDC, 0, 0, SRCCOPY);
    memDC.SelectObject(pOld);
}

BOOL CPageLayoutPreview::OnEraseBkgnd(CDC*) { return TRUE; }

CPageLayoutDlg::CPageLayoutDlg(CWnd* pParentWnd) : CDialog(IDD, pParentWnd) { RegisterPageLayoutTemplate(); }

void CPageLayoutDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PREVIEW, m_preview);
    DDX_Text(pDX, IDC_ACROSS, m_nPagesAcross);
    DDV_MinMaxInt(pDX, m_nPagesAcross, 1, PAGE_LAYOUT_MAX_PAGES);
    DDX_Text(pDX, IDC_DOWN, m_nPagesDown);
    DDV_MinMaxInt(pDX, m_nPagesDown, 1, PAGE_LAYOUT_MAX_PAGES);
    DDX_Check(pDX, IDC_USE_AS_DEFAULT, m_bUseAsDefault);
}

BOOL CPageLayoutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_preview.SetWindowPos(nullptr, 0, 0, CPageLayoutPreview::kWidth, CPageLayoutPreview::kHeight,
                           SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The picture shows the layout the dialog was opened with.
    m_preview.SetPages(m_nPagesAcross, m_nPagesDown);
    return TRUE;
}

void CPageLayoutDlg::KeepPagesInRange(UINT nID)
{
    BOOL bNumber = FALSE;
    const int nValue = int(GetDlgItemInt(int(nID), &bNumber, TRUE));
    if (!bNumber)
        return;
    if (nValue < 1)
        SetDlgItemInt(int(nID), 1);
    else if (nValue > PAGE_LAYOUT_MAX_PAGES)
        SetDlgItemInt(int(nID), PAGE_LAYOUT_MAX_PAGES);
}

void CPageLayoutDlg::OnOK()
{
    const long long nPages = (long long)GetDlgItemInt(int(IDC_ACROSS), nullptr, TRUE) *
                             (long long)GetDlgItemInt(int(IDC_DOWN), nullptr, TRUE);
    if (nPages > PAGE_LAYOUT_MAX_PAGES) {
        AfxMessageBox(kTooManyPages, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (!UpdateData(TRUE))
        return;
    const PageLayoutFit fit = m_checkFit ? m_checkFit(m_nPagesAcross, m_nPagesDown) : PageLayoutFit::Fits;
    switch (fit) {
    case PageLayoutFit::Fits:
        EndDialog(IDOK);
        return;
    case PageLayoutFit::BlockOutside:
        ShowMessageBox(kBlocksDoNotFit, kRefusalCaption, MB_OK | MB_ICONSTOP);
        break;
    case PageLayoutFit::WireBelow:
        ShowMessageBox(kWiresDoNotFit, kRefusalCaption, MB_OK);
        break;
    case PageLayoutFit::WireRight:
        ShowMessageBox(kBlocksDoNotFit, kRefusalCaption, MB_OK);
        break;
    }
    EndDialog(IDCANCEL);
}
