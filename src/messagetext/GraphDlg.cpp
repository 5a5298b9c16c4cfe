#include "messagetext/GraphDlg.h"

#include "messagetext/DialogTexts.h"

IMPLEMENT_DYNAMIC(CGraphDlg, CDialog)

CGraphDlg::CGraphDlg(CWnd* pParent) : CDialog(IDD_GRAPH, pParent) { RegisterMessageTextTemplates(); }

BOOL CGraphDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    TranslateDialogButtons(*this);
    for (int i = 0; i < GRAPH_COUNT; ++i) {
        m_btnGraphs[i].SubclassDlgItem(UINT(IDC_GRAPH_FIRST + i), this);
        m_btnGraphs[i].SetFlat(FALSE);
        m_btnGraphs[i].SetGraph(i);
    }
    m_btnPreview.SubclassDlgItem(IDC_GRAPH_PREVIEW, this);
    m_btnPreview.SetFlat(FALSE);
    const bool bKnown = m_bEdit && m_nGraph >= 0 && m_nGraph < GRAPH_COUNT;
    Select(IDC_GRAPH_FIRST + (bKnown ? m_nGraph : 0));
    return TRUE;
}

void CGraphDlg::Select(int nID)
{
    m_nSelectedId = nID;
    m_btnPreview.SetGraph(nID - IDC_GRAPH_FIRST);
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
