// Shared by the dialog, data-exchange, sheet and control tests: a parent that records the
// notifications its controls send, and templates built in a line.
#pragma once

#include "WindowFixture.h"

#include "platform/ui/Dialog.h"

#include <string>
#include <utility>
#include <vector>

// Logs "command:<id>:<code>" and "notify:<id>:<code>" for what its children report.
class CNotifyLog : public CWnd {
public:
    EventLog m_events;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        m_events.push_back("command:" + std::to_string(LOWORD(DWORD(wParam))) + ":" +
                           std::to_string(HIWORD(DWORD(wParam))));
        return CWnd::OnCommand(wParam, lParam);
    }
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        const auto* pHdr = reinterpret_cast<const NMHDR*>(lParam);
        m_events.push_back("notify:" + std::to_string(pHdr->idFrom) + ":" +
                           std::to_string(int(pHdr->code)));
        return CWnd::OnNotify(wParam, lParam, pResult);
    }
};

inline DialogItemTemplate Item(UINT nID, LPCTSTR lpszClass, DWORD dwStyle, CRect rect,
                               LPCTSTR lpszText = _T(""), std::vector<CString> items = {})
{
    DialogItemTemplate item;
    item.nID = nID;
    item.strClass = lpszClass;
    item.dwStyle = dwStyle | WS_VISIBLE;
    item.rect = rect;
    item.strText = lpszText;
    item.items = std::move(items);
    return item;
}

// A parent window for controls made in tests.
inline void CreateParent(CWnd& wnd)
{
    wnd.CreateEx(0, _T("Parent"), _T("parent"), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                 CRect(0, 0, 400, 300), nullptr, 0);
}

// Controls made in a parent window of the given kind, which logs what they report in m_events.
template <class Owner>
class OwnedControlsTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        CreateParent(m_owner);
    }
    void TearDown() override
    {
        m_owner.DestroyWindow();
        WindowTest::TearDown();
    }
    EventLog Take() { return std::exchange(m_owner.m_events, {}); }

    Owner m_owner;
};

// Dialogs over the thread's main window, a window of the given kind; a dialog hook a test set
// is taken away again.
template <class Main>
class MainWindowTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        CreateParent(m_main);
        m_thread.m_pMainWnd = &m_main;
    }
    void TearDown() override
    {
        CDialog::SetDialogHook(nullptr);
        m_thread.m_pMainWnd = nullptr;
        m_main.DestroyWindow();
        WindowTest::TearDown();
    }

    Main m_main;
};
