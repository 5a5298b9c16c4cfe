#pragma once

#include "document/BlockNameMap.h"
#include "document/HardwareSeries.h"
#include "document/ModelSettings.h"

// The application-wide "Show at new file" setting copied into each new document.
extern int g_bShowAtNewFile;

#include "platform/ui/WinApp.h"

class CDocTemplate;
class CMultiDocTemplate;
class CVetlaDoc;

// CVetlaApp: the application object. It reads the language setting when it is made, builds the
// two document templates (FBD 129 and LAD 130; every document, FBD or LAD, is made and opened
// through the FBD template, whose menu all documents share) and the main frame, applies the
// Chinese interface when chosen, creates and opens documents, asks for file names with the
// filter of the document's own type, and keeps the zoom pane current at idle time.
class CVetlaApp : public CWinApp {
public:
    // strSettingsPath: the settings file to read (tests pass their own).
    explicit CVetlaApp(const CString& strSettingsPath);
    CVetlaApp();
    ~CVetlaApp() override;

    BOOL InitInstance() override;
    BOOL OnIdle(LONG lCount) override;
    // Always through the FBD template: the file's content says whether it is FBD or LAD.
    CDocument* OpenDocumentFile(LPCTSTR lpszFileName) override;
    BOOL DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags, BOOL bOpenFileDialog,
                          CDocTemplate* pTemplate) override;
    // Asks once, in the Close All dialog, which modified documents to save: the changes of the
    // others are dropped, the chosen ones get the usual save question. FALSE when the user
    // cancelled (the program stays open).
    BOOL SaveAllModified() override;

    // The help map, built at the end of start-up.
    void InitHelpTopics();
    // Opens the topic of nHelpId in the interface's language (shell/HelpTopics.h).
    void OpenHelp(WORD nHelpId);

    void OnFileNew();
    void OnAppAbout();
    void OnFileNewLad();
    void OnFileOpen();
    // Page Setup (VetlaAppPrint.cpp): the system's page setup over the printer settings.
    void OnFilePageSetup();

    CMultiDocTemplate* m_pFBDTemplate = nullptr;
    CMultiDocTemplate* m_pLADTemplate = nullptr;
    // The folder of the program file, ending in a separator.
    CString m_strAppFolder;
    // TRUE once the shared document menu has its Chinese captions.
    BOOL m_bDocMenusTranslated = FALSE;

protected:
    DECLARE_MESSAGE_MAP()

private:
    // After a document was created or opened: the device commands' captions from their
    // strings, no "Select hardware" item, and the document menu translated once.
    void UpdateDocumentMenu();
    // The zoom pane's text for the active view's document, "Zoom:100%" without one.
    CString ZoomPaneText() const;
    BOOL IsLadderDocumentSaving() const;

    // The document whose Save As asks for a name; null when the prompt is not for a document.
    CDocument* m_pPromptDocument = nullptr;
};

CVetlaApp* AfxGetVetlaApp();

// TRUE while the active view simulates and the Power button of its Simulation bar is held down:
// a simulated power interruption is in progress. The bars' close buttons do not close then.
BOOL IsSimulationPowerOn();
// Ends the simulated power interruption in progress, if any: the release of the mouse over the
// information window's caption does, as it would over the Power button.
void EndSimulationPowerFailure();
