// The block-name edit (1266) that every main page with a name has: at most 8 characters, no
// character of code 128 or more (the controller's LCD shows only the lower half of its
// character set), and no new name once 256 blocks are named (the controller's name table is
// full), while a block that has a name may still change it.
#pragma once

#include "platform/core/String.h"
#include "platform/core/Types.h"

class CDialog;
class CVetlaDoc;

constexpr int BLOCK_NAME_MAX_CHARS = 8;
constexpr int NAMED_BLOCKS_MAX = 256;

class CNameEdit {
public:
    // The edit is enabled while fewer than NAMED_BLOCKS_MAX blocks are named or the block has
    // a name.
    static BOOL IsEnabled(int nNamedBlocks, const CString& strName);
    // The document's count of named blocks; no document counts none.
    static BOOL IsEnabled(const CVetlaDoc* pDoc, const CString& strName);
    // The text without its characters of code 128 and above.
    static CString Filter(const CString& strText);
    // EN_CHANGE of the page's name edit. strShown is the text the edit held after the last
    // change it kept. While the edit has the focus, the whole text loses the characters Filter
    // drops; when an edit inserted nothing else, the text it replaced and its selection stay.
    static void OnChange(CDialog& page, CString& strShown);
    // Enables the page's name edit by the rule above.
    static void Enable(CDialog& page, const CVetlaDoc* pDoc, const CString& strName);
};
