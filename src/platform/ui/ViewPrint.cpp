// The view's print loop: the printer comes from the print dialog (or the default printer), the
// pages of the chosen range are printed in order, each prepared and drawn by the view.
#include "platform/core/Document.h"
#include "platform/core/MessageBox.h"
#include "platform/gdi/DC.h"
#include "platform/ui/FrameIds.h"
#include "platform/ui/PrintInfo.h"
#include "platform/ui/View.h"

namespace {

bool IsDirectPrint()
{
    const MSG* pMsg = CWnd::GetCurrentMessage();
    return pMsg && pMsg->message == WM_COMMAND && LOWORD(pMsg->wParam) == ID_FILE_PRINT_DIRECT;
}

}  // namespace

BOOL CView::OnPreparePrinting(CPrintInfo* pInfo) { return DoPreparePrinting(pInfo); }

BOOL CView::DoPreparePrinting(CPrintInfo* pInfo)
{
    CPrintDialog& dlg = *pInfo->m_pPD;
    dlg.m_pd.pOwner = this;
    dlg.m_pd.nFromPage = static_cast<WORD>(pInfo->GetMinPage());
    dlg.m_pd.nToPage = static_cast<WORD>(pInfo->GetMaxPage());
    if (pInfo->m_bDirect || pInfo->m_bPreview) {
        // Without a default printer a direct print still lets the user choose one.
        if (!dlg.GetDefaults() && (!pInfo->m_bDirect || dlg.DoModal() != IDOK))
            return FALSE;
        return TRUE;
    }
    return dlg.DoModal() == IDOK;
}

void CView::OnBeginPrinting(CDC*, CPrintInfo*) {}

void CView::OnPrint(CDC* pDC, CPrintInfo*) { OnDraw(pDC); }

void CView::OnEndPrinting(CDC*, CPrintInfo*) {}

void CView::OnFilePrint()
{
    CPrintInfo printInfo;
    printInfo.m_bDirect = IsDirectPrint();
    if (!OnPreparePrinting(&printInfo))
        return;
    CDC dcPrint;
    if (!printInfo.m_pPD->CreatePrinterDC(dcPrint))
        return;

    OnBeginPrinting(&dcPrint, &printInfo);
    CString strTitle;
    if (m_pDocument)
        strTitle = m_pDocument->GetTitle();
    else
        GetWindowText(strTitle);
    if (dcPrint.StartDoc(strTitle) == SP_ERROR) {
        OnEndPrinting(&dcPrint, &printInfo);
        AfxMessageBox(_T("Failed to start the print job."), MB_OK | MB_ICONEXCLAMATION);
        return;
    }

    const UINT nFirstPage = printInfo.GetFromPage();
    const UINT nLastPage = printInfo.GetToPage();
    bool bError = false;
    for (printInfo.m_nCurPage = nFirstPage; printInfo.m_nCurPage <= nLastPage;
         ++printInfo.m_nCurPage) {
        OnPrepareDC(&dcPrint, &printInfo);
        if (!printInfo.m_bContinuePrinting)
            break;
        printInfo.m_rectDraw.SetRect(0, 0, dcPrint.GetDeviceCaps(HORZRES),
                                     dcPrint.GetDeviceCaps(VERTRES));
        dcPrint.DPtoLP(&printInfo.m_rectDraw);
        if (dcPrint.StartPage() == SP_ERROR) {
            bError = true;
            break;
        }
        OnPrint(&dcPrint, &printInfo);
        if (dcPrint.EndPage() == SP_ERROR) {
            bError = true;
            break;
        }
    }
    if (bError)
        dcPrint.AbortDoc();
    else
        dcPrint.EndDoc();
    OnEndPrinting(&dcPrint, &printInfo);
    if (bError)
        AfxMessageBox(_T("The printer failed; the document was not printed."),
                      MB_OK | MB_ICONEXCLAMATION);
}
