#include "messagetext/GraphDlg.h"

#include "messagetext/DialogTexts.h"
#include "messagetext/MessageTextIds.h"

IMPLEMENT_DYNAMIC(CGraphDlg, CDialog)

CGraphDlg::CGraphDlg(CWnd* pParent) : CDialog(IDD_GRAPH, pParent) { RegisterMessageTextTemplates(); }

BOOL CGraphDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    TranslateDialogButtons(*this);
    const bool bKnown = m_bEdit && m_nGraph >= 0 && m_nGraph < GRAPH_COUNT;
    Select(IDC_GRAPH_FIRST + (bKnown ? m_nGraph : 0));
    return TRUE;
}

// The preview shows the chosen graph's number: the graphs' pictures are drawn by the element.
void CGraphDlg::Select(int nID)
{
    m_nSelectedId = nID;
    CString strText;
    strText.Format(_T("%d"), nID - IDC_GRAPH_FIRST + 1);
    GetDlgItem(IDC_GRAPH_PREVIEW)->SetWindowText(strText);
}

void CGraphDlg::OnOK()
{
    m_nGraph = m_nSelectedId - IDC_GRAPH_FIRST;
    CDialog::OnOK();
}

BOOL CGraphDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int nID = LOWORD(DWORD(wParam));
    if (HIWORD(DWORD(wParam)) == BN_CLICKED && nID >= IDC_GRAPH_FIRST && nID < IDC_GRAPH_FIRST + GRAPH_COUNT) {
        Select(nID);
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}
