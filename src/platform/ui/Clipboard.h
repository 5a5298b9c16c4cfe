// The clipboard: data of several formats at once, each a byte block, replaced together when a
// program empties it. Formats are the standard numbers or numbers RegisterClipboardFormat gives
// for a name. The store is the layer's own; a backend mirrors it to the system clipboard (and
// reads the system's text back) through a mirror it installs.
#pragma once

#include "platform/core/String.h"
#include "platform/core/Types.h"

#include <map>
#include <memory>
#include <optional>
#include <vector>

using CLIPFORMAT = WORD;
constexpr UINT CF_TEXT = 1;
constexpr UINT CF_UNICODETEXT = 13;
// Registered formats take numbers from here up.
constexpr UINT CF_REGISTERED_FIRST = 0xC000;

using ClipboardData = std::map<UINT, std::vector<BYTE>>;

// The system's side of the clipboard.
class IClipboardMirror {
public:
    virtual ~IClipboardMirror() = default;
    // The layer's clipboard changed: publish every format of it.
    virtual void Publish(const ClipboardData& data) = 0;
    // What the system clipboard holds now when another program put it there; nullopt when it
    // is still what the layer published.
    virtual std::optional<ClipboardData> Fetch() = 0;
};

// The same name (without regard to case) always gives the same number; 0 for an empty name.
UINT RegisterClipboardFormat(LPCTSTR lpszFormat);
// The name of a registered format; empty for a standard or unknown one.
CString AfxGetClipboardFormatName(UINT nFormat);
// The format registered under a name; 0 when none is.
UINT AfxFindClipboardFormat(LPCTSTR lpszFormat);

class CClipboard {
public:
    // Removes every format.
    static void Empty();
    // Adds or replaces one format (the others stay).
    static void SetData(UINT nFormat, std::vector<BYTE> bytes);
    // FALSE when the format is not there.
    static BOOL GetData(UINT nFormat, std::vector<BYTE>& bytes);
    static BOOL IsFormatAvailable(UINT nFormat);
    // CF_UNICODETEXT: UTF-16LE units with a terminating NUL, as the classic clipboard holds it.
    static void SetText(const CString& strText);
    static BOOL GetText(CString& strText);

    // The mirror is not owned; null removes it.
    static void SetMirror(IClipboardMirror* pMirror);
};

BOOL IsClipboardFormatAvailable(UINT nFormat);
