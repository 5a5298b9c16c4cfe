// CWinApp: the application object. It is the UI thread (its Run is the message loop), holds the
// main window, the document templates, the user profile with the recent-file list, and is the
// last stop of the command routing: a command no view, document or frame handled reaches it.
// Exactly one exists while the program runs; AfxGetApp finds it.
#pragma once

#include "platform/core/Position.h"
#include "platform/ui/CommandLineInfo.h"
#include "platform/ui/ProfileFile.h"
#include "platform/ui/WinThread.h"

#include <memory>
#include <vector>

class CDocTemplate;
class CDocument;
class CRecentFileList;

class CWinApp : public CWinThread {
    DECLARE_DYNAMIC(CWinApp)

public:
    explicit CWinApp(LPCTSTR lpszAppName = nullptr);
    ~CWinApp() override;

    CString m_pszAppName;
    CString m_pszRegistryKey;
    CString m_pszProfileName;
    CString m_pszHelpFilePath;

    BOOL InitInstance() override;
    // Writes the recent-file list and returns the exit code.
    int ExitInstance() override;
    int Run() override;
    // Count 0 updates the menus and bars (see CWinThread::OnIdle).
    BOOL OnIdle(LONG lCount) override;

    // ---- the user profile ----
    // The profile becomes "<config folder>/<key>/<application name>.ini".
    void SetRegistryKey(LPCTSTR lpszRegistryKey);
    // Uses the profile file at strPath instead (tests use a temporary file).
    void SetProfilePath(const CString& strPath);
    CString GetProfilePath() const { return m_profile.GetPath(); }
    UINT GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault);
    BOOL WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);
    CString GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault = nullptr);
    BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);
    // Reads the recent-file list of nMaxMRU entries (0: none) from the profile.
    void LoadStdProfileSettings(UINT nMaxMRU = 4);
    void SaveStdProfileSettings();
    virtual void AddToRecentFileList(LPCTSTR lpszPathName);
    CRecentFileList* GetRecentFileList() const { return m_pRecentFileList.get(); }

    // ---- documents ----
    // The application owns the template from now on.
    void AddDocTemplate(CDocTemplate* pTemplate);
    POSITION GetFirstDocTemplatePosition() const;
    CDocTemplate* GetNextDocTemplate(POSITION& pos) const;
    // Opens through the template that fits the file best; a document already open with that
    // path is activated and returned. Null when the file cannot be opened.
    virtual CDocument* OpenDocumentFile(LPCTSTR lpszFileName);
    // Asks for a file name with the filter of pTemplate (every template's when null), the
    // proposal in fileName on entry. FALSE when cancelled.
    virtual BOOL DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags,
                                  BOOL bOpenFileDialog, CDocTemplate* pTemplate);
    // Whether every modified document may close (each is asked to save).
    virtual BOOL SaveAllModified();
    void CloseAllDocuments(BOOL bEndSession);
    int GetOpenDocumentCount() const;

    // ---- command line ----
    // The arguments after the program name, as main received them.
    void SetCommandLineArgs(int argc, const char* const* argv);
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    // FALSE ends the program (a file that cannot be opened, a print command done).
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);

    // Shell integration of the original platform: nothing to do here.
    void EnableShellOpen() {}
    void RegisterShellFileTypes(BOOL = FALSE) {}

    // Standard commands; the application's map names the ones it offers.
    void OnFileNew();
    void OnFileOpen();
    void OnAppExit();

protected:
    BOOL OnOpenRecentFile(UINT nID);
    void OnOpenRecentFileCommand(UINT nID);
    void OnUpdateRecentFileMenu(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()

private:
    CProfileFile m_profile;
    bool m_bProfileOpen = false;
    std::unique_ptr<CRecentFileList> m_pRecentFileList;
    std::vector<std::unique_ptr<CDocTemplate>> m_templates;
    std::vector<CString> m_args;

    CProfileFile& Profile();
};

CWinApp* AfxGetApp();
