// Saving keeps what the user's file was: Ctrl+S on a file made read-only behind the program's
// back says so and leaves it, a private file stays private, Save As onto a symbolic link writes
// the file the link names, a name as long as the file system allows is saved; and the start
// removes the undo snapshots of runs that ended without removing their own.
#include "document/DocTestSupport.h"
#include "document/UndoStore.h"
#include "document/VetlaDoc.h"
#include "editor/VetlaView.h"
#include "platform/core/FileSystem.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/FileDialogRequest.h"
#include "platform/qt/QtPeerWidget.h"
#include "shell/CloseAllDlg.h"
#include "shell/MainFrame.h"
#include "shell/Resource.h"
#include "support/QtTestInput.h"
#include "support/RunningApp.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class SavingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_bShowAtNewFile = 0;
        m_previousDialog = AfxSetFileDialogHandler([this](FileDialogRequest& request) {
            request.strFileName = m_strAnswer;
            return TRUE;
        });
    }
    void TearDown() override
    {
        m_app.Close();
        g_bShowAtNewFile = 1;
        AfxSetFileDialogHandler(m_previousDialog);
        AfxResetKeyState();
    }

    // A new diagram with one block in it.
    CVetlaDoc& NewDiagram()
    {
        EXPECT_TRUE(m_app.Start());
        AfxGetMainFrame()->SendMessage(WM_COMMAND, ID_FILE_NEW);
        CVetlaDoc& doc = *AfxGetMainFrame()->GetActiveView()->GetDocument();
        AddNew(doc, BT_AND);
        return doc;
    }
    void CtrlS() const { QtType(QtWidgetOf(*AfxGetMainFrame()->GetActiveView()), Qt::Key_S, {}, Qt::ControlModifier); }

    RunningApp m_app{"qarvo-saving", RunningApp::Backend::Qt};
    CMessageBoxRecorder m_boxes;
    CString m_strAnswer;
    FileDialogHandler m_previousDialog;
};

TEST_F(SavingTest, CtrlSLeavesAReadOnlyFileAndKeepsAPrivateOnePrivate)
{
    CVetlaDoc& doc = NewDiagram();
    const CString strPath = m_app.Path("plan.dfb");
    ASSERT_TRUE(doc.DoSave(strPath));
    const Bytes saved = ReadFileBytes(strPath);

    fs::permissions(strPath.ToUtf8(), fs::perms(0444));
    AddNew(doc, BT_OR);
    CtrlS();
    ASSERT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_EQ(m_boxes.Boxes()[0].text, strPath + _T(" could not be saved: Permission denied."));
    EXPECT_EQ(ReadFileBytes(strPath), saved);
    EXPECT_EQ(fs::status(strPath.ToUtf8()).permissions(), fs::perms(0444));
    EXPECT_TRUE(doc.IsModified());

    fs::permissions(strPath.ToUtf8(), fs::perms(0600));
    CtrlS();
    EXPECT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_EQ(ReadFileBytes(strPath), SaveToBytes(doc));
    EXPECT_EQ(fs::status(strPath.ToUtf8()).permissions(), fs::perms(0600));
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(SavingTest, SaveAsWritesTheFileALinkNamesAndTakesTheLongestNames)
{
    CVetlaDoc& doc = NewDiagram();
    const CString strTarget = m_app.Path("plan.dfb");
    const CString strLink = m_app.Path("link.dfb");
    fs::create_symlink(strTarget.ToUtf8(), strLink.ToUtf8());
    for (const CString& strName : {strLink, m_app.Path(std::string(NAME_MAX - 4, 'p').append(".dfb").c_str())}) {
        m_strAnswer = strName;
        AfxGetMainFrame()->SendMessage(WM_COMMAND, ID_FILE_SAVE_AS);
        EXPECT_TRUE(m_boxes.Boxes().empty()) << m_boxes.Boxes()[0].text.ToUtf8();
        EXPECT_EQ(doc.GetPathName(), strName);
        EXPECT_EQ(ReadFileBytes(strName), SaveToBytes(doc));
    }
    EXPECT_TRUE(fs::is_symlink(strLink.ToUtf8()));
    EXPECT_EQ(ReadFileBytes(strTarget), SaveToBytes(doc));
}

// Closing the program with two changed diagrams: Enter in the Close All question as it opens
// keeps every row ticked, and the save questions' default answer writes both files.
TEST_F(SavingTest, EnterInCloseAllOnExitSavesEveryChangedDiagram)
{
    std::vector<std::pair<CString, Bytes>> changed;
    for (const char* pszName : {"first.dfb", "second.dfb"}) {
        CVetlaDoc& doc = changed.empty() ? NewDiagram() : *AfxGetMainFrame()->GetActiveView()->GetDocument();
        ASSERT_TRUE(doc.DoSave(m_app.Path(pszName)));
        AddNew(doc, BT_OR);
        changed.emplace_back(m_app.Path(pszName), SaveToBytes(doc));
        AfxGetMainFrame()->SendMessage(WM_COMMAND, ID_FILE_NEW);
    }
    CDialog::SetDialogHook([&](CDialog&) {
        QApplication::processEvents();
        // Where the layer's focus is: on a desktop Qt's own focus follows only once the window
        // manager has activated the box.
        QtType(QtWidgetOf(*CWnd::GetFocus()), Qt::Key_Return, QStringLiteral("\r"));
    });
    AfxGetMainFrame()->SendMessage(WM_CLOSE);
    CDialog::SetDialogHook(nullptr);
    EXPECT_EQ(m_boxes.Boxes().size(), 2u) << "each ticked diagram is still asked about";
    for (const auto& [strPath, bytes] : changed)
        EXPECT_EQ(ReadFileBytes(strPath), bytes);
    EXPECT_EQ(m_app->m_pMainWnd, nullptr);
}

// Closing the program: a Save box cleared, then Cancel at the save question of a diagram left
// ticked. The program stays open with both changes still marked, so the next exit offers both
// again and saves them.
TEST_F(SavingTest, ACancelledExitKeepsTheChangesOfTheDiagramsNotToBeSaved)
{
    std::vector<std::pair<CString, Bytes>> changed;
    std::vector<CVetlaDoc*> docs;
    for (const char* pszName : {"a.dfb", "b.dfb"}) {
        CVetlaDoc& doc = changed.empty() ? NewDiagram() : *AfxGetMainFrame()->GetActiveView()->GetDocument();
        ASSERT_TRUE(doc.DoSave(m_app.Path(pszName)));
        AddNew(doc, BT_OR);
        changed.emplace_back(m_app.Path(pszName), SaveToBytes(doc));
        docs.push_back(&doc);
        AfxGetMainFrame()->SendMessage(WM_COMMAND, ID_FILE_NEW);
    }
    const Bytes savedA = ReadFileBytes(changed[0].first);
    std::vector<CString> listed;
    const auto exitWith = [&](const std::function<void(CDialog&)>& clicks) {
        CDialog::SetDialogHook([&](CDialog& d) {
            QApplication::processEvents();
            auto& list = *static_cast<CXListCtrl*>(d.GetDlgItem(CCloseAllDlg::IDC_DOCUMENT_LIST));
            listed.clear();
            for (int i = 0; i < list.GetItemCount(); ++i)
                listed.push_back(list.GetItemText(i, 1));
            clicks(d);
            QtType(QtWidgetOf(*CWnd::GetFocus()), Qt::Key_Return, QStringLiteral("\r"));
        });
        AfxGetMainFrame()->SendMessage(WM_CLOSE);
        CDialog::SetDialogHook(nullptr);
    };

    m_boxes.QueueAnswer(IDCANCEL);
    exitWith([](CDialog& d) {
        auto& list = *static_cast<CXListCtrl*>(d.GetDlgItem(CCloseAllDlg::IDC_DOCUMENT_LIST));
        auto* pPeer = qobject_cast<QtPeerWidget*>(QtWidgetOf(list));
        ASSERT_NE(pPeer, nullptr);
        CRect rect;
        ASSERT_TRUE(list.GetSubItemRect(0, 0, LVIR_LABEL, rect));
        const CPoint center = rect.CenterPoint();
        QtClick(pPeer, pPeer->ClientRect().topLeft() + QPoint(center.x, center.y));
        EXPECT_EQ(list.GetCheckbox(0, 0), 0);
    });
    ASSERT_EQ(m_boxes.Boxes().size(), 1u) << "only the diagram left ticked is asked about";
    EXPECT_NE(m_boxes.Boxes()[0].text.Find(_T("b.dfb")), -1) << m_boxes.Boxes()[0].text.ToUtf8();
    ASSERT_NE(m_app->m_pMainWnd, nullptr);
    EXPECT_TRUE(docs[0]->IsModified()) << "the change not to be saved is kept while the program stays";
    EXPECT_TRUE(docs[1]->IsModified());
    EXPECT_EQ(ReadFileBytes(changed[0].first), savedA);

    const std::vector<CString> titles = {docs[0]->GetTitle(), docs[1]->GetTitle()};
    m_boxes.QueueAnswer(IDYES);
    m_boxes.QueueAnswer(IDYES);
    exitWith([](CDialog&) {});
    EXPECT_EQ(listed, titles);
    EXPECT_EQ(m_boxes.Boxes().size(), 3u);
    for (const auto& [strPath, bytes] : changed)
        EXPECT_EQ(ReadFileBytes(strPath), bytes);
    EXPECT_EQ(m_app->m_pMainWnd, nullptr);
}

// A run ended by a signal (as at logout) leaves its undo snapshots behind; a store still
// running, of this run or another, keeps its own.
TEST_F(SavingTest, TheStartRemovesTheSnapshotsOfEndedRunsAndKeepsThoseInUse)
{
    // Named by the test's process: the program's tests run in parallel.
    const fs::path ended = fs::path(GetTempPath().ToUtf8()) / ("NorviTemp." + std::to_string(getpid()));
    fs::create_directories(ended);
    std::ofstream(ended / "001.tmp.1") << "snapshot";
    const CUndoStore running;
    ASSERT_TRUE(m_app.Start());
    EXPECT_FALSE(fs::exists(ended));
    EXPECT_TRUE(PathFileExists(running.GetFolder()));
}

} // namespace
