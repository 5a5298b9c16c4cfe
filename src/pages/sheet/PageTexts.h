// Where the pages find their Chinese texts and open help: the application's id-to-text map and
// help file belong to the shell, which hands them over at start-up; the pages ask through these.
#pragma once

#include "platform/core/String.h"
#include "platform/core/Types.h"

#include <functional>

// The Chinese text under key, FALSE when the map has none (the caller keeps its text).
using PageTextLookup = std::function<BOOL(WORD nKey, CString& strText)>;
void SetPageTextLookup(PageTextLookup lookup);
BOOL LookupPageText(WORD nKey, CString& strText);
// The interface is Chinese (the shell's language setting).
BOOL IsChinesePageUI();

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
