// A run is no edit: every sample diagram under tests/data, run with its Inputs bar and with the
// value popup opened on each input that has one, nothing touched, saves after the run the bytes
// it saved before, and is not marked changed.
#include "document/DocTestSupport.h"
#include "document/VetlaDoc.h"
#include "editor/AnalogSliderDlg.h"
#include "editor/ChildFrame.h"
#include "editor/InputsBarDlg.h"
#include "editor/VetlaView.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/RecordingSurface.h"
#include "platform/core/MessageBox.h"
#include "platform/qt/QtDialogServices.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/WinThread.h"
#include "support/QtTestInput.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int kScans = 5;

// Walked, not listed: a sample added later is swept too.
std::vector<std::filesystem::path> SampleDiagrams()
{
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(QARVO_FUZZ_CORPUS_DIR)) {
        const auto ext = entry.path().extension();
        if (entry.is_regular_file() && (ext == ".dfb" || ext == ".dld"))
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

class RunKeepsFileQtTest : public QtBackendSuite {
protected:
    void SetUp() override
    {
        InitQtDialogServices();
        m_boxes.emplace();
        CMessageQueue::Get().SetTickSource(&m_clock);
    }
    void TearDown() override
    {
        CMessageQueue::Get().SetTickSource(nullptr);
        m_boxes.reset();
        ShutdownQtDialogServices();
        CMessageQueue::Get().Reset();
    }

    // The view's paint is the scan; the frame's clock moves on between scans.
    void Scan(CVetlaView& view, CChildFrame& frame)
    {
        frame.AdvanceSimTime();
        m_surface.Clear();
        view.OnDraw(&m_dc);
    }
    // Whatever the bar or a popup would take after a pause in typing.
    void Pause()
    {
        m_clock.Advance(CInputsBarDlg::TYPING_PAUSE_MS);
        m_thread.PumpPending();
    }

    enum class Outcome { Kept, Changed, Unopened };
    // Opened, saved, run with the bars and popups, saved again: whether the bytes and the
    // modified flag are still those before the run.
    Outcome RunLeavesFileAsItWas(const std::filesystem::path& path)
    {
        CVetlaDoc doc;
        if (!doc.OnOpenDocument(CString::FromUtf8(path.string())))
            return Outcome::Unopened;
        CVetlaView view;
        view.SetDocument(&doc);
        auto* pFrame = new CChildFrame;
        EXPECT_TRUE(pFrame->CFrameWnd::Create(nullptr, _T("Diagram"), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                              CRect(0, 0, 1260, 600)));
        pFrame->SetActiveView(&view);
        view.SetParentFrame(pFrame);
        const Bytes before = SaveToBytes(doc);
        const BOOL bModifiedBefore = doc.IsModified();

        view.OnSimulation();
        EXPECT_TRUE(pFrame->m_pInputsBar && IsWindow(pFrame->m_pInputsBar->GetDlg())) << "the Inputs bar is open";
        Scan(view, *pFrame);
        std::vector<CBlockObj*> blocks;
        for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;)
            blocks.push_back(static_cast<CBlockObj*>(doc.m_blockList.GetNext(pos)));
        for (CBlockObj* pBlock : blocks) {
            if (!CAnalogSliderDlg::OpensFor(view, *pBlock))
                continue;
            view.Simulation().OpenValuePopup(pBlock, 0, 0);
            Scan(view, *pFrame);
        }
        for (int i = 0; i < kScans; ++i) {
            Pause();
            Scan(view, *pFrame);
        }
        view.OnSimulation();
        Pause();

        const bool bSame = SaveToBytes(doc) == before && doc.IsModified() == bModifiedBefore;
        pFrame->SetActiveView(nullptr);
        pFrame->DestroyWindow();
        view.SetDocument(nullptr);
        return bSame ? Outcome::Kept : Outcome::Changed;
    }

    // A damaged member of a corpus is refused with a box; nothing else may ask.
    std::optional<CMessageBoxRecorder> m_boxes;
    CManualTickSource m_clock;
    CWinThread m_thread;
    RecordingSurface m_surface;
    CDC m_dc{m_surface};
};

TEST_F(RunKeepsFileQtTest, EverySampleDiagramSavesTheSameBytesAfterARunWithItsBarsAndPopups)
{
    const std::vector<std::filesystem::path> files = SampleDiagrams();
    std::string strChanged;
    int nRun = 0;
    int nLadder = 0;
    for (const auto& path : files) {
        SCOPED_TRACE(path.string());
        const Outcome outcome = RunLeavesFileAsItWas(path);
        if (outcome == Outcome::Unopened)
            continue;
        ++nRun;
        nLadder += path.extension() == ".dld";
        if (outcome == Outcome::Changed)
            strChanged += " " + path.filename().string();
    }
    EXPECT_GE(nRun, 8) << "the golden diagrams at least";
    EXPECT_GT(nLadder, 0);
    EXPECT_EQ(m_boxes->Boxes().size(), files.size() - nRun) << "a box for each file refused, none else";
    EXPECT_EQ(strChanged, "") << "of " << nRun << " diagrams run, these saved other bytes after it";
}

} // namespace
