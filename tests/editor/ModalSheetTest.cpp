// A block's modal property sheet over the running program: its keys stay in the sheet, and a
// block or document that goes while it is open is never written to. During a simulation, the
// activation of another window closes the value popup.
#include "editor/DiagramWindow.h"

#include "blocks/BlockTypes.h"
#include "editor/AnalogSliderDlg.h"
#include "editor/ChildFrame.h"
#include "editor/SimulationBarDlg.h"
#include "pages/sheet/PageIds.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/PropertySheet.h"
#include "platform/ui/WinThread.h"

#include <functional>

namespace {

class ModalSheetTest : public DiagramWindow {
protected:
    // A key with Ctrl as the window backend hands it over: the key-down through the thread's
    // filters (the frame's accelerators among them), then its character unless it was taken.
    static void RouteCtrlKey(char chKey)
    {
        CWnd* pTarget = CWnd::GetFocus();
        AfxSetKeyState(VK_CONTROL, true);
        MSG down = {pTarget, WM_KEYDOWN, WPARAM(chKey), 1, 0, {0, 0}};
        if (!AfxGetThread()->RouteMessage(down)) {
            MSG ch = {pTarget, WM_CHAR, WPARAM(chKey - 'A' + 1), 1, 0, {0, 0}};
            AfxGetThread()->RouteMessage(ch);
        }
        AfxSetKeyState(VK_CONTROL, false);
    }
    // Opens the current block's sheet, runs the actions in it and presses the button.
    void RunSheet(CBlockObj* pBlock, const std::function<void(CPropertySheet&)>& actions, UINT nClose = IDOK)
    {
        View()->SetCurrentObjects(pBlock, nullptr, nullptr);
        CDialog::SetDialogHook([actions, nClose](CDialog& d) {
            actions(static_cast<CPropertySheet&>(d));
            d.PostMessage(WM_COMMAND, MAKEWPARAM(nClose, BN_CLICKED), 0);
        });
        Command(ID_EDIT_BLOCK_PROPERTIES);
        CDialog::SetDialogHook(nullptr);
    }
    static void RouteKey(UINT nMessage, WPARAM wParam)
    {
        MSG msg = {CWnd::GetFocus(), nMessage, wParam, 1, 0, {0, 0}};
        AfxGetThread()->RouteMessage(msg);
    }
    static CWnd* NameEdit(CPropertySheet& sheet)
    {
        CWnd* pEdit = sheet.GetActivePage()->GetDlgItem(IDC_BLOCK_NAME);
        EXPECT_NE(pEdit, nullptr);
        return pEdit;
    }
    bool BoxSaid(const char* pszPart) const
    {
        for (const auto& box : m_boxes.Boxes()) {
            if (box.text.Find(CString(pszPart)) >= 0)
                return true;
        }
        return false;
    }
};

// Ctrl+A, Ctrl+X (or Ctrl+Z) in "Block name" reached the frame's accelerators: the diagram's
// Select All and Cut freed the block behind the sheet, and OK wrote into it.
TEST_F(ModalSheetTest, CtrlKeysInTheBlockNameEditTheNameAndLeaveTheDiagramAlone)
{
    const struct {
        const char* name;
        std::vector<char> keys;
        UINT nClose;
        const char* pszName;
    } cases[] = {
        {"cut, then OK", {'A', 'X'}, IDOK, ""},
        {"cut and undo, then OK", {'A', 'X', 'Z'}, IDOK, "Pump"},
        {"cut, then Cancel", {'A', 'X'}, IDCANCEL, "Pump"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CBlockObj* pAnd = Block(BT_AND, 200, 100);
        pAnd->m_strLabelSuffix = _T("Pump");
        const int nUndoIndex = Doc().m_undo.m_nIndex;
        CString strInEdit;
        RunSheet(pAnd, [&](CPropertySheet& sheet) {
            NameEdit(sheet)->SetFocus();
            for (char chKey : c.keys)
                RouteCtrlKey(chKey);
            NameEdit(sheet)->GetWindowText(strInEdit);
        }, c.nClose);
        ASSERT_EQ(Doc().m_blockList.GetCount(), 1);
        EXPECT_EQ(Doc().m_blockList.GetHead(), pAnd);
        EXPECT_EQ(pAnd->m_strLabelSuffix, CString(c.pszName));
        EXPECT_EQ(Doc().m_undo.m_nIndex, nUndoIndex + (c.nClose == IDOK ? 1 : 0));
        View()->SetCurrentObjects(nullptr, nullptr, nullptr);
        Doc().m_blockList.RemoveAll();
        delete pAnd;
    }
}

TEST_F(ModalSheetTest, ABlockCutWhileItsSheetIsOpenTakesNothingFromOk)
{
    CBlockObj* pAnd = Block(BT_AND, 200, 100);
    RunSheet(pAnd, [&](CPropertySheet& sheet) {
        NameEdit(sheet)->SetWindowText(_T("Gone"));
        // The program's own commands still run under the sheet (a queued one, say).
        Command(ID_EDIT_SELECT_ALL);
        Command(ID_EDIT_CUT);
    });
    EXPECT_TRUE(Doc().m_blockList.IsEmpty());
    EXPECT_TRUE(BoxSaid("no longer in the diagram"));
}

TEST_F(ModalSheetTest, ADocumentClosedUnderItsSheetEndsTheSheet)
{
    CBlockObj* pAnd = Block(BT_AND, 200, 100);
    Doc().SetModifiedFlag(FALSE);
    RunSheet(pAnd, [&](CPropertySheet&) { Command(ID_FILE_CLOSE); });
    EXPECT_EQ(m_app->GetOpenDocumentCount(), 0);
    EXPECT_EQ(View(), nullptr);
}

TEST_F(ModalSheetTest, ActivatingTheMainWindowOrASheetClosesTheValuePopup)
{
    CBlockObj* pAnalog = Block(BT_ANALOG_IN, 200, 100);
    CBlockObj* pAnd = Block(BT_AND, 300, 100);
    Command(ID_TOOLS_SIMULATION);
    ASSERT_EQ(View()->EditMode(), EDIT_MODE_SIMULATE);

    View()->Simulation().OpenValuePopup(pAnalog, 0, 0);
    ASSERT_NE(View()->Simulation().ValuePopup(), nullptr);
    View()->Simulation().ValuePopup()->SetActiveWindow(WA_CLICKACTIVE);
    Frame()->SetActiveWindow(WA_CLICKACTIVE);
    EXPECT_EQ(View()->Simulation().ValuePopup(), nullptr);

    // A modeless sheet that appears over the popup takes the activation from it.
    View()->Simulation().OpenValuePopup(pAnalog, 0, 0);
    ASSERT_NE(View()->Simulation().ValuePopup(), nullptr);
    View()->Simulation().ValuePopup()->SetActiveWindow(WA_CLICKACTIVE);
    View()->SetCurrentObjects(pAnd, nullptr, nullptr);
    Command(ID_EDIT_BLOCK_PROPERTIES);
    EXPECT_EQ(View()->Simulation().ValuePopup(), nullptr);
    Command(ID_TOOLS_SIMULATION);
}

// The step box of the Simulation bar: Ctrl+A selected the diagram's blocks instead of the box's
// "1", and 40 typed after it gave "140".
TEST_F(ModalSheetTest, TheSimulationBarsStepBoxKeepsCtrlAAndPassesF3On)
{
    Block(BT_AND, 300, 100);
    Command(ID_TOOLS_SIMULATION);
    CSimulationBarDlg* pBar = View()->GetParentFrame()->GetSimulationBarDlg();
    ASSERT_NE(pBar, nullptr);
    CWnd* pBox = pBar->GetDlgItem(IDC_SIM_STEP_CYCLES);
    ASSERT_NE(pBox, nullptr);
    pBox->EnableWindow(TRUE);
    pBox->SetFocus();
    RouteCtrlKey('A');
    RouteKey(WM_CHAR, '4');
    RouteKey(WM_CHAR, '0');
    CString strBox;
    pBox->GetWindowText(strBox);
    EXPECT_EQ(strBox, CString(_T("40")));
    EXPECT_TRUE(View()->Selection().Blocks().IsEmpty());
    // F3 still leaves the simulation from the bar.
    RouteKey(WM_KEYDOWN, VK_F3);
    Pump();
    EXPECT_NE(View()->EditMode(), EDIT_MODE_SIMULATE);
}

}  // namespace
