// CProfileFile: the user profile of the application (recent files, window positions, bar sizes)
// as an ini-like UTF-8 text file of our own: "[section]" lines and "key=value" lines. Every
// write goes to disk at once through a temporary file renamed over the old one, so that a crash
// or a full disk never leaves half a file. Sections and keys compare without regard to ASCII
// case, as the registry the profile stands in for does.
#pragma once

#include "platform/core/String.h"
#include "platform/core/Types.h"

#include <vector>

class CProfileFile {
public:
    // Reads the file at strPath (missing or unreadable: an empty profile).
    void Open(const CString& strPath);
    const CString& GetPath() const { return m_strPath; }

    CString GetString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault) const;
    int GetInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault) const;
    // A null value removes the entry; a null entry removes the section. FALSE when the file
    // could not be written (the profile in memory keeps the change).
    BOOL WriteString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);
    BOOL WriteInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);

private:
    struct Entry {
        CString strKey;
        CString strValue;
    };
    struct Section {
        CString strName;
        std::vector<Entry> entries;
    };

    const Section* FindSection(LPCTSTR lpszSection) const;
    BOOL Save() const;

    CString m_strPath;
    std::vector<Section> m_sections;
};

// The folder for the user's settings: $XDG_CONFIG_HOME, else ~/.config; no trailing separator.
CString GetUserConfigFolder();
