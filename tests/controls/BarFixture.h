// A frame for the bar tests: a headless window layer, an application whose profile is a
// temporary file, and an 800 x 600 frame with a view pane that the bars lay out around.
#pragma once

#include "platform/ui/ControlBar.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/WinApp.h"

#include "platform/ui/WindowFixture.h"

#include <filesystem>
#include <memory>

class BarTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        m_folder = std::filesystem::temp_directory_path() /
                   ("qarvo-bars-" + std::to_string(::getpid()) + "-" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(m_folder);
        m_pApp = std::make_unique<CWinApp>(_T("BarTest"));
        m_pApp->SetProfilePath(ProfilePath());
        m_pFrame = new CFrameWnd;
        ASSERT_TRUE(m_pFrame->Create(nullptr, _T("Frame"), WS_OVERLAPPEDWINDOW,
                                     CRect(0, 0, 800, 600)));
        m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
        ASSERT_TRUE(m_pane.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(), m_pFrame,
                                  AFX_IDW_PANE_FIRST));
        m_pApp->m_pMainWnd = m_pFrame;
    }
    void TearDown() override
    {
        if (IsWindow(m_pFrame))
            m_pFrame->DestroyWindow();
        m_pApp.reset();
        std::filesystem::remove_all(m_folder);
        WindowTest::TearDown();
    }

    CString ProfilePath() const { return CString::FromUtf8((m_folder / "profile.ini").string()); }
    CRect PaneRect() const { return WindowRectOf(m_pane); }
    static CRect WindowRectOf(const CWnd& wnd)
    {
        CRect rect;
        wnd.GetWindowRect(rect);
        return rect;
    }
    static CRect ClientRectOf(const CWnd& wnd)
    {
        CRect rect;
        wnd.GetClientRect(rect);
        return rect;
    }
    CRect FrameClient() const { return ClientRectOf(*m_pFrame); }
    // A press, moves and a release as the mouse gives them, in the window's client coordinates.
    static void Press(CWnd& wnd, CPoint pt)
    {
        wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MakePointLParam(pt));
    }
    static void MoveTo(CWnd& wnd, CPoint pt, UINT nFlags = MK_LBUTTON)
    {
        wnd.SendMessage(WM_MOUSEMOVE, nFlags, MakePointLParam(pt));
    }
    static void Release(CWnd& wnd, CPoint pt) { wnd.SendMessage(WM_LBUTTONUP, 0, MakePointLParam(pt)); }

    std::filesystem::path m_folder;
    std::unique_ptr<CWinApp> m_pApp;
    CFrameWnd* m_pFrame = nullptr;
    CWnd m_pane;
};
