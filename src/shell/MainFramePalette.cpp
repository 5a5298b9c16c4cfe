// The main frame's side of the block palette: the "WorkBox" bar it docks at the left, and the
// selections the palette reports, which it keeps for the diagram view.
#include "shell/MainFrame.h"

#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "editor/VetlaView.h"
#include "editor/WorkspaceView.h"
#include "platform/core/Document.h"
#include "platform/ui/DocTemplate.h"
#include "platform/ui/WinApp.h"
#include "shell/PaletteTabImages.h"

namespace {

constexpr CSize kWorkBoxSize(160, 200);
// The bar's own CBRS_ bits, as the information window has them.
constexpr DWORD kWorkBoxExtraStyle = CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC;

// The tabs in order: the first four for every controller, the rest for the newer generation.
constexpr LPCTSTR kPaletteTabs[] = {_T("BSC"), _T("TMR"), _T("I/O"), _T("Misc"), _T("Aux"), _T("Math"), _T("Profile")};
constexpr int kOlderGenerationTabs = 4;

// Every diagram view but pActive that is still in insert mode from an earlier selection goes
// back to select mode: the palette frames the new selection now, and such a view, activated
// again, would place the old type under a click. An inactive view holds nothing else of the
// insert tool (no capture, no wire on the way).
void EndStaleInsertModes(const CVetlaView* pActive)
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return;
    for (POSITION posTemplate = pApp->GetFirstDocTemplatePosition(); posTemplate;) {
        CDocTemplate* pTemplate = pApp->GetNextDocTemplate(posTemplate);
        for (POSITION posDoc = pTemplate->GetFirstDocPosition(); posDoc;) {
            CDocument* pDoc = pTemplate->GetNextDoc(posDoc);
            for (POSITION posView = pDoc->GetFirstViewPosition(); posView;) {
                CView* pView = pDoc->GetNextView(posView);
                if (pView == pActive || !pView->IsKindOf(RUNTIME_CLASS(CVetlaView)))
                    continue;
                auto* pDiagram = static_cast<CVetlaView*>(pView);
                if (pDiagram->EditMode() == EDIT_MODE_INSERT)
                    pDiagram->ResetEditMode();
            }
        }
    }
}

} // namespace

BOOL CMainFrame::CreatePaletteBar()
{
    if (!m_wndWorkBox.Create(this, kWorkBoxID, _T("WorkBox"), kWorkBoxSize, WS_CHILD | WS_VISIBLE | CBRS_TOP))
        return FALSE;
    if (m_imlWorkBoxTabs.IsCreated() || MakePaletteTabImages(m_imlWorkBoxTabs))
        m_wndWorkBox.SetTabImageList(&m_imlWorkBoxTabs);
    // The tab set follows the controller at start-up and stays for the run.
    const int nTabs = IsNewGeneration(g_wHardwareCode) ? int(std::size(kPaletteTabs)) : kOlderGenerationTabs;
    for (int i = 0; i < nTabs; ++i) {
        if (!m_wndWorkBox.AddView(kPaletteTabs[i], RUNTIME_CLASS(CWorkspaceView)))
            return FALSE;
    }
    m_wndWorkBox.SetBarStyle(m_wndWorkBox.GetBarStyle() | kWorkBoxExtraStyle);
    m_wndWorkBox.EnableDocking(CBRS_ALIGN_ANY);
    m_pWorkBox = &m_wndWorkBox;
    DockControlBar(&m_wndWorkBox, AFX_IDW_DOCKBAR_LEFT);
    return TRUE;
}

LRESULT CMainFrame::OnPaletteSelect(WPARAM wParam, LPARAM lParam)
{
    m_nPaletteTypeCode = int(lParam);
    m_nPaletteFlag = int(wParam);
    const LRESULT lResult = SendMessage(WM_COMMAND, ID_PALETTE_REFRESH);
    EndStaleInsertModes(GetActiveView());
    return lResult;
}
