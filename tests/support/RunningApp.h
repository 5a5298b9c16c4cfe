// The application as the program runs it, for tests that need its main frame: on the headless
// window layer, or with every window a real widget on Qt's offscreen platform; the message queue
// on a hand-driven clock when the test gives one; the settings and profile files in a folder of
// the test's own that goes with it.
#pragma once

#include "platform/core/String.h"
#include "platform/qt/QtBackend.h"
#include "platform/qt/QtMenus.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/NativeWindow.h"
#include "shell/VetlaApp.h"
#include "support/QtTestApp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>
#include <string_view>
#include <unistd.h>

class RunningApp {
public:
    enum class Backend { Headless, Qt };

    // Test programs of the application run twice: on the headless layer and, registered a
    // second time with QARVO_TEST_BACKEND=qt, with every window a real widget (also with
    // QARVO_TEST_BACKEND=desktop, on an X display with a window manager).
    static bool OnQt()
    {
        const char* pszBackend = std::getenv("QARVO_TEST_BACKEND");
        return pszBackend && (std::string_view(pszBackend) == "qt" || std::string_view(pszBackend) == "desktop");
    }
    static Backend BackendOfTheRun() { return OnQt() ? Backend::Qt : Backend::Headless; }

    RunningApp(const char* pszFolderTag, Backend backend, CManualTickSource* pClock = nullptr)
        : m_bQt(backend == Backend::Qt), m_pClock(pClock)
    {
        if (m_bQt) {
            QtTestApp();
            InitQtBackend();
            InitQtMenus();
        } else {
            AfxSetWindowBackend(nullptr);
        }
        CMessageQueue::Get().Reset();
        if (m_pClock)
            CMessageQueue::Get().SetTickSource(m_pClock);
        // A parameterised test's name ends in "/<case>", which must not make a folder of its own
        // that the removal at the end would leave behind.
        std::string strTest = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(strTest.begin(), strTest.end(), '/', '-');
        m_folder = std::filesystem::temp_directory_path() /
                   (std::string(pszFolderTag) + "-" + std::to_string(getpid()) + "-" + strTest);
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder);
    }

    ~RunningApp()
    {
        Close();
        CMessageQueue::Get().Reset();
        if (m_pClock)
            CMessageQueue::Get().SetTickSource(nullptr);
        std::filesystem::remove_all(m_folder);
        if (m_bQt) {
            ShutdownQtMenus();
            ShutdownQtBackend();
        }
    }

    RunningApp(const RunningApp&) = delete;
    RunningApp& operator=(const RunningApp&) = delete;

    // Makes the application with the settings file of that name in the folder and runs its
    // InitInstance; FALSE when that fails.
    BOOL Start(const char* pszSettings = "missing.ini", const std::vector<std::string>& args = {})
    {
        m_pApp = std::make_unique<CVetlaApp>(Path(pszSettings));
        m_pApp->SetProfilePath(Path("profile.ini"));
        std::vector<const char*> argv = {"qarvo-editor"};
        for (const std::string& strArg : args)
            argv.push_back(strArg.c_str());
        m_pApp->SetCommandLineArgs(int(argv.size()), argv.data());
        return m_pApp->InitInstance();
    }

    // Closes every document without asking and the main window, and ends the application.
    void Close()
    {
        if (m_pApp && IsWindow(m_pApp->m_pMainWnd)) {
            m_pApp->CloseAllDocuments(TRUE);
            m_pApp->m_pMainWnd->DestroyWindow();
        }
        m_pApp.reset();
    }

    CString Path(const char* pszName) const { return CString::FromUtf8((m_folder / pszName).string()); }
    const std::filesystem::path& Folder() const { return m_folder; }
    CVetlaApp* operator->() const { return m_pApp.get(); }
    CVetlaApp* Get() const { return m_pApp.get(); }

private:
    bool m_bQt;
    CManualTickSource* m_pClock;
    std::filesystem::path m_folder;
    std::unique_ptr<CVetlaApp> m_pApp;
};
