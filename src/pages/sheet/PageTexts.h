// Where the pages find their Chinese texts and open help: the application's id-to-text map and
// help file belong to the shell, which hands them over at start-up; the pages ask through these.
#pragma once

#include "platform/core/String.h"
#include "platform/core/Types.h"

#include <functional>
#include <span>

class CWnd;

// The Chinese text under key, FALSE when the map has none (the caller keeps its text).
using PageTextLookup = std::function<BOOL(WORD nKey, CString& strText)>;
void SetPageTextLookup(PageTextLookup lookup);
BOOL LookupPageText(WORD nKey, CString& strText);
// The interface is Chinese (the shell's language setting).
BOOL IsChinesePageUI();

// A control of a page or dialog whose caption, in the Chinese interface, is the Chinese text
// under nKey: from the id map, or from the string table where bStringResource is set.
struct ControlTextKey {
    int nControlID;
    WORD nKey;
    bool bStringResource = false;
};

// In the Chinese interface, each listed control of the window takes its text; a control whose
// key has no text keeps the caption it has. Each control is found by its id, so a caption
// never lands beside another control. A caption that no longer fits its control widens the
// control to the right, as far as the next control on its row or the window's client area.
void TranslateControls(CWnd& window, std::span<const ControlTextKey> keys);
// The Chinese text of one key, FALSE when there is none (or the interface is English).
BOOL LookupControlText(const ControlTextKey& key, CString& strText);

// Opens help topic nTopic; without a handler the sheets offer no Help.
using PageHelpHandler = std::function<void(UINT nTopic)>;
void SetPageHelpHandler(PageHelpHandler handler);
BOOL HasPageHelp();
void OpenPageHelp(UINT nTopic);

// Opens the program's Properties sheet on page nStartPage (the analog outputs' settings of an
// analog output's page); without a handler nothing opens.
using ProgramPropertiesOpener = std::function<void(int nStartPage)>;
void SetProgramPropertiesOpener(ProgramPropertiesOpener opener);
void OpenProgramProperties(int nStartPage);
