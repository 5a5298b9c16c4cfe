// A clean window layer for each test: no backend, an empty queue on a hand-driven clock, no
// focus, capture or pressed keys, and a thread object for the pump.
#pragma once

#include "platform/ui/KeyState.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/NativeWindow.h"
#include "platform/ui/WinThread.h"
#include "platform/ui/Wnd.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        AfxSetWindowBackend(nullptr);
        CMessageQueue::Get().Reset();
        CMessageQueue::Get().SetTickSource(&m_clock);
        AfxResetKeyState();
        ::SetFocus(nullptr);
        CWnd::ReleaseCapture();
    }
    void TearDown() override
    {
        CMessageQueue::Get().Reset();
        CMessageQueue::Get().SetTickSource(nullptr);
        AfxResetKeyState();
    }
    // A key-down as the backend delivers it, through the thread's filters: whether one took it.
    BOOL KeyDown(CWnd* pTarget, UINT nVirtKey)
    {
        MSG msg = {pTarget, WM_KEYDOWN, nVirtKey, 1, 0, {0, 0}};
        return m_thread.RouteMessage(msg);
    }

    CManualTickSource m_clock;
    CWinThread m_thread;
};

// Records what reaches it, as "name:argument" lines.
using EventLog = std::vector<std::string>;

inline const CRect kRect(10, 20, 110, 70);

inline CString WindowText(const CWnd& wnd)
{
    CString str;
    wnd.GetWindowText(str);
    return str;
}
