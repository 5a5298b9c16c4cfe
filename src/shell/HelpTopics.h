// The help: one HTML page per block family in a folder beside the program, "QARVOEDITOR.CHM"
// for the English interface and "QARVOEDITOR_GBK.CHM" for the Chinese one, opened in the user's
// browser (platform/ui/HelpBrowser.h). A block's property sheet opens the page of its type and
// Help Contents the page of the inputs.
#pragma once

#include "platform/core/String.h"
#include "platform/core/Types.h"

#include <map>

// The topic of the inputs: Help Contents and the sheets of types without a page of their own.
constexpr WORD HELP_TOPIC_INPUTS = 1052;
// The page a help folder opens at when the id has no topic.
constexpr TCHAR HELP_DEFAULT_PAGE[] = _T("index.htm");

// Help id -> topic page, 106 rows from 1000 to 1116.
extern std::map<WORD, CString> g_mapHelpTopic;
// (Re)builds g_mapHelpTopic.
void InitHelpTopics();

// The help folder for the program file's help path ("<folder>/QARVOEditor.HLP"): the file name
// upper-cased, then in the Chinese interface "QARVOEDITOR.HLP" replaced by
// "QARVOEDITOR_GBK.CHM", else every "HLP" by "CHM". The folder part keeps its case: file names
// are case-sensitive here.
CString HelpFileForLanguage(const CString& strHelpPath, BOOL bChinese);
// "<help file>::\<topic>"; an id without a topic adds nothing after the separator.
CString BuildHelpAddress(const CString& strHelpFile, WORD nHelpId);
// The page file an address names: the topic inside the help folder, the default page without one.
CString HelpPageOfAddress(const CString& strAddress);

// Opens the topic of nHelpId from the help beside the program in strAppFolder (ending in a
// separator). A missing help folder or page is shown as "Can't Find <path>, Please Check!";
// a browser that does not start shows nothing.
void OpenHelpTopic(const CString& strAppFolder, BOOL bChinese, WORD nHelpId);
