// CFileFind: lists the entries of one folder whose names match a wildcard pattern, the way the
// program finds its temporary files ("<temp>/NorviTemp.123/*.*", "<temp>/lcd.dat*"):
//
//     CFileFind finder;
//     BOOL bWorking = finder.FindFile(pattern);
//     while (bWorking) {
//         bWorking = finder.FindNextFile();
//         DeleteFile(finder.GetFilePath());
//     }
//
// The pattern's last component may hold '*' (any run of characters) and '?' (one character);
// a pattern ending in ".*" also matches names without an extension, so "*.*" matches every
// name, as on the system the program was first written for. Matching is case-sensitive, as the
// file system is. "." and ".." are never reported. The entries are read when FindFile runs and
// are reported in the order of their names, so a folder changed while it is walked is safe to
// walk.
#pragma once

#include "platform/core/String.h"
#include "platform/core/Types.h"

#include <cstddef>
#include <vector>

class CFileFind {
public:
    // Reads the folder of lpszPattern (a path in the platform's form; null means "*.*" in the
    // current folder). TRUE when at least one entry matches; call FindNextFile to reach it.
    BOOL FindFile(LPCTSTR lpszPattern = nullptr);
    // Moves to the next entry. FALSE when the entry moved to is the last one (it is still
    // valid) or when there was none to move to.
    BOOL FindNextFile();
    void Close();

    // The current entry: its name, its path (the pattern's folder part and the name), and
    // whether it is a folder (a link to a folder counts as one). Empty / FALSE before the
    // first FindNextFile.
    CString GetFileName() const;
    CString GetFilePath() const;
    BOOL IsDirectory() const;

    // Whether name matches the wildcard pattern, as FindFile matches the entries.
    static BOOL MatchesPattern(LPCTSTR lpszName, LPCTSTR lpszPattern);

private:
    struct Entry {
        CString strName;
        BOOL bDirectory;
    };

    CString m_strRoot;  // the pattern's folder part, with its separator
    std::vector<Entry> m_entries;
    std::size_t m_nNext = 0;  // the entry FindNextFile moves to
};
