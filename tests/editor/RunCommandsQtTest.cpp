// Every command and key in a simulation run. The command maps of the view, the child frame, the
// main frame and the application are walked whole: each command is sent in a run once through
// the main frame's routing, as a menu or an accelerator sends it, and once straight to its
// handler; each branch of the view's key handling comes once as Qt delivers the key and once as
// the window message. Afterwards the document saves what it saved before the run and keeps its
// undo history, or the command was refused; a save reached in the run writes the bytes a save
// before the run wrote. The diagram's run order differs from its edit order.
#include "SimulationQtWindow.h"

#include "blocks/BlockComment.h"
#include "blocks/BlockTypes.h"
#include "document/DocTestSupport.h"
#include "editor/ChildFrame.h"
#include "platform/core/CmdTarget.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/DocTemplate.h"
#include "platform/ui/FileDialogRequest.h"
#include "platform/ui/HelpBrowser.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/MessageQueue.h"
#include "shell/CloseAllDlg.h"
#include "support/DiagramPoints.h"

#include <QKeyEvent>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

// The maps are their classes' own; a class of the test's reads them.
struct ViewMap : CVetlaView {
    static const AFX_MSGMAP* Get() { return GetThisMessageMap(); }
};
struct ChildMap : CChildFrame {
    static const AFX_MSGMAP* Get() { return GetThisMessageMap(); }
};
struct MainMap : CMainFrame {
    static const AFX_MSGMAP* Get() { return GetThisMessageMap(); }
};
struct AppMap : CVetlaApp {
    static const AFX_MSGMAP* Get() { return GetThisMessageMap(); }
};

// A command handler as routing finds it: the first entry of the map chain for the id.
struct Handler {
    std::string strOwner;
    UINT nID;
    const AFX_MSGMAP_ENTRY* pEntry;
};

std::vector<Handler> CommandHandlers(const char* pszOwner, const AFX_MSGMAP* pMap)
{
    std::vector<Handler> handlers;
    std::set<UINT> seen;
    for (; pMap; pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* pEntry = pMap->lpEntries; pEntry->nMessage; ++pEntry) {
            if (pEntry->nMessage != WM_COMMAND || pEntry->nCode != UINT(CN_COMMAND))
                continue;
            // A range is one handler: its two ends stand for it.
            for (UINT nID : {pEntry->nID, pEntry->nLastID}) {
                if (seen.insert(nID).second)
                    handlers.push_back({pszOwner, nID, pEntry});
            }
        }
    }
    return handlers;
}

Bytes FileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A branch of the view's key handling: the key as Qt gives it and as the window message.
struct RunKey {
    const char* pszName;
    Qt::Key qtKey;
    UINT nVirtKey;
    bool bCtrl;
};
constexpr RunKey kRunKeys[] = {
    {"Escape", Qt::Key_Escape, VK_ESCAPE, false},   {"Page Up", Qt::Key_PageUp, VK_PRIOR, false},
    {"Page Down", Qt::Key_PageDown, VK_NEXT, false}, {"Ctrl+Home", Qt::Key_Home, VK_HOME, true},
    {"Ctrl+End", Qt::Key_End, VK_END, true},         {"Left", Qt::Key_Left, VK_LEFT, false},
    {"Right", Qt::Key_Right, VK_RIGHT, false},       {"Up", Qt::Key_Up, VK_UP, false},
    {"Down", Qt::Key_Down, VK_DOWN, false},          {"Delete", Qt::Key_Delete, VK_DELETE, false},
    {"F3", Qt::Key_F3, VK_F3, false},                {"Ctrl+F4", Qt::Key_F4, VK_F4, true},
    {"F5", Qt::Key_F5, VK_F5, false},                {"F9", Qt::Key_F9, VK_F9, false},
    {"F11", Qt::Key_F11, VK_F11, false},             {"another key", Qt::Key_A, 'A', false},
    {"Alt", Qt::Key_Alt, VK_MENU, false},
};

class RunCommandsQtTest : public SimulationQtWindow {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(SimulationQtWindow::SetUp());
        // Every dialog a command opens is cancelled, but Exit's list of documents to save; a
        // sheet a click opens is confirmed untouched.
        CDialog::SetDialogHook([this](CDialog& dlg) {
            dlg.PostMessage(WM_COMMAND, m_bConfirm || dynamic_cast<CCloseAllDlg*>(&dlg) ? IDOK : IDCANCEL);
        });
        m_previousFileDialog = AfxSetFileDialogHandler([this](FileDialogRequest& request) {
            if (request.bOpenFileDialog)
                return FALSE;
            request.strFileName = m_app.Path("saved-as.dfb");
            request.fileNames = {request.strFileName};
            return TRUE;
        });
        m_previousHelp = SetHelpPageOpener([](const CString&) { return TRUE; });
    }
    void TearDown() override
    {
        AfxResetKeyState();
        AfxSetFileDialogHandler(m_previousFileDialog);
        SetHelpPageOpener(m_previousHelp);
        CDialog::SetDialogHook(nullptr);
        SimulationQtWindow::TearDown();
    }

    // A new diagram saved as it is edited, then modified, so that a close asks to save it; for
    // a command or a key its function block is selected in the run, as a right click selects it.
    void StartRun(bool bSelect)
    {
        if (!IsWindow(Frame())) {
            m_app.Close();
            ASSERT_TRUE(m_app.Start());
        }
        m_app->CloseAllDocuments(TRUE);
        std::filesystem::remove(m_app.Folder() / "saved-as.dfb");
        Frame()->SendMessage(WM_COMMAND, ID_FILE_NEW);
        ASSERT_NE(View(), nullptr);
        CBlockObj* pOut = Block(BT_OUT, 500, 100);
        CBlockObj* pAnd = Block(BT_AND, 300, 100);
        CBlockObj* pSecond = Block(BT_IN, 60, 200);
        CBlockObj* pFirst = Block(BT_IN, 60, 60);
        const struct {
            CBlockObj* pFrom;
            CBlockObj* pTo;
            int nPin;
        } wires[] = {{pFirst, pAnd, 0}, {pSecond, pAnd, 1}, {pAnd, pOut, 0}};
        for (const auto& wire : wires)
            View()->WireTool().ConnectPins(PinCentre(wire.pFrom, BLOCK_FIRST_OUTPUT), wire.pFrom, BLOCK_FIRST_OUTPUT,
                                           PinCentre(wire.pTo, wire.nPin), wire.pTo, wire.nPin);
        auto* pComment = new CBlockComment;
        pComment->m_strBoxText = _T("boiler");
        pComment->m_nLeft = 300;
        pComment->m_nTop = 300;
        pComment->m_nBoxWidth = 80;
        pComment->m_nBoxHeight = 30;
        Doc().AddComment(pComment);
        // The clipboard holds the diagram, and the comment was the last thing clicked.
        Frame()->SendMessage(WM_COMMAND, ID_EDIT_SELECT_ALL);
        Frame()->SendMessage(WM_COMMAND, ID_EDIT_COPY);
        View()->Selection().Clear(SELECTION_ALL);
        View()->SetCurrentObjects(nullptr, nullptr, pComment);
        Doc().m_undo.SaveState(&Doc());
        ASSERT_TRUE(Doc().DoSave(m_app.Path("run.dfb")));
        m_saved = FileBytes(m_app.Folder() / "run.dfb");
        m_stored = SaveToBytes(Doc());
        Doc().SetModifiedFlag(TRUE);
        m_pDoc = &Doc();
        m_nUndoIndex = Doc().m_undo.m_nIndex;
        m_nUndoTop = Doc().m_undo.m_nTopIndex;
        m_fZoom = Doc().m_fZoom;
        Simulate();
        ASSERT_EQ(View()->EditMode(), EDIT_MODE_SIMULATE);
        ASSERT_NE(Doc().m_blockList.GetHead(), pOut) << "the run's order is another";
        Scan();
        if (bSelect)
            Mouse(*View(), QEvent::MouseButtonPress, BlockCentre(pAnd), Qt::RightButton);
    }

    bool DocumentOpen() const
    {
        for (POSITION pos = m_app->GetFirstDocTemplatePosition(); pos;) {
            CDocTemplate* pTemplate = m_app->GetNextDocTemplate(pos);
            for (POSITION docPos = pTemplate->GetFirstDocPosition(); docPos;) {
                if (pTemplate->GetNextDoc(docPos) == m_pDoc)
                    return true;
            }
        }
        return false;
    }

    // What the member left: the saved files, and the document once its run has ended.
    bool LeftAsBefore()
    {
        m_app->PumpPending();
        AfxResetKeyState();
        bool bSound = FileBytes(m_app.Folder() / "run.dfb") == m_saved;
        if (std::filesystem::exists(m_app.Folder() / "saved-as.dfb"))
            bSound = bSound && FileBytes(m_app.Folder() / "saved-as.dfb") == m_saved;
        if (!IsWindow(Frame()) || !DocumentOpen())
            return bSound;
        for (POSITION pos = m_pDoc->GetFirstViewPosition(); pos;) {
            if (CVetlaView* pView = AsVetlaView(m_pDoc->GetNextView(pos)); pView && pView->Simulation().IsRunning())
                pView->Simulation().Leave();
        }
        // The zoom is the user's choice of view, which the file keeps in and out of a run alike.
        m_pDoc->m_fZoom = m_fZoom;
        // A save in the run leaves the document unmodified; it wrote the bytes checked above.
        return bSound && SaveToBytes(*m_pDoc) == m_stored && m_pDoc->m_undo.m_nIndex == m_nUndoIndex &&
               m_pDoc->m_undo.m_nTopIndex == m_nUndoTop;
    }

    // bClick: a click, whose sheet is confirmed untouched, on the objects as the run found them.
    void Sweep(const std::string& strName, const std::function<void()>& dispatch, bool bClick = false)
    {
        ++m_nMembers;
        m_bConfirm = bClick;
        StartRun(!bClick);
        if (::testing::Test::HasFatalFailure())
            return;
        dispatch();
        if (!LeftAsBefore())
            m_failed.push_back(strName);
    }

    void QtKey(const RunKey& key)
    {
        const Qt::KeyboardModifiers modifiers = key.bCtrl ? Qt::ControlModifier : Qt::NoModifier;
        QWidget* pWidget = QtWidgetOf(*View());
        QKeyEvent press(QEvent::KeyPress, key.qtKey, modifiers);
        QApplication::sendEvent(pWidget, &press);
        QKeyEvent release(QEvent::KeyRelease, key.qtKey, modifiers);
        if (IsWindow(Frame()) && View())
            QApplication::sendEvent(QtWidgetOf(*View()), &release);
    }
    void MessageKey(const RunKey& key)
    {
        AfxSetKeyState(VK_CONTROL, key.bCtrl);
        View()->SendMessage(key.nVirtKey == VK_MENU ? WM_SYSKEYDOWN : WM_KEYDOWN, key.nVirtKey,
                            key.nVirtKey == VK_MENU ? LPARAM(1) | (LPARAM(1) << 29) : LPARAM(1));
        AfxSetKeyState(VK_CONTROL, false);
    }

    CMessageBoxRecorder m_boxes;
    FileDialogHandler m_previousFileDialog;
    HelpPageOpener m_previousHelp;
    // The file a save before the run wrote, and the document's bytes then.
    Bytes m_saved;
    Bytes m_stored;
    CVetlaDoc* m_pDoc = nullptr;
    bool m_bConfirm = false;
    int m_nUndoIndex = 0;
    int m_nUndoTop = 0;
    float m_fZoom = 0;
    int m_nMembers = 0;
    std::vector<std::string> m_failed;
};

TEST_F(RunCommandsQtTest, NoCommandKeyOrClickInARunChangesWhatIsSavedOrUndone)
{
    using Target = std::function<CCmdTarget*()>;
    const struct {
        const char* pszOwner;
        const AFX_MSGMAP* pMap;
        Target target;
    } owners[] = {
        {"view", ViewMap::Get(), [this] { return static_cast<CCmdTarget*>(View()); }},
        {"child frame", ChildMap::Get(), [this] { return static_cast<CCmdTarget*>(View()->GetParentFrame()); }},
        {"main frame", MainMap::Get(), [this] { return static_cast<CCmdTarget*>(Frame()); }},
        {"application", AppMap::Get(), [this] { return static_cast<CCmdTarget*>(m_app.Get()); }},
    };
    std::set<UINT> routed;
    for (const auto& owner : owners) {
        for (const Handler& handler : CommandHandlers(owner.pszOwner, owner.pMap)) {
            const std::string strID = std::to_string(handler.nID);
            if (routed.insert(handler.nID).second)
                Sweep("command " + strID, [&] { Frame()->SendMessage(WM_COMMAND, handler.nID); });
            Sweep(handler.strOwner + " handler " + strID, [&] {
                AFX_MSGCALL call;
                call.nMessage = WM_COMMAND;
                call.nID = handler.nID;
                handler.pEntry->pfn(owner.target(), call);
            });
        }
    }
    for (const RunKey& key : kRunKeys) {
        Sweep(std::string("Qt key ") + key.pszName, [&] { QtKey(key); });
        Sweep(std::string("key message ") + key.pszName, [&] { MessageKey(key); });
    }
    // A double click in the run on empty ground, and on the comment.
    Sweep("double click on empty ground", [&] { DoubleClick(*View(), CPoint(700, 400)); }, true);
    Sweep("double click on a comment", [&] { DoubleClick(*View(), CPoint(320, 310)); }, true);
    EXPECT_GT(m_nMembers, 100);
    std::string strFailed;
    for (const std::string& strName : m_failed)
        strFailed += strName + "\n";
    EXPECT_TRUE(m_failed.empty()) << m_failed.size() << " of " << m_nMembers << " changed the program:\n" << strFailed;
}

} // namespace
