// CRecentFileList: the most recently used files, newest first, at most a fixed number, each
// absolute path once. Stored in the user profile as "File1".."Filen" of its section, and shown
// in the menu where the item of its first command (ID_FILE_MRU_FILE1) stands.
#pragma once

#include "platform/core/String.h"
#include "platform/core/Types.h"

#include <vector>

class CCmdUI;
class CMenu;
class CProfileFile;

class CRecentFileList {
public:
    CRecentFileList(UINT nStart, LPCTSTR lpszSection, LPCTSTR lpszEntryFormat, int nSize);
    // Its functions may be overridden, and the application deletes it through this class.
    virtual ~CRecentFileList() = default;

    int GetSize() const { return m_nSize; }
    int GetCount() const { return int(m_files.size()); }
    const CString& operator[](int nIndex) const { return m_files[std::size_t(nIndex)]; }
    // Puts the path, made absolute, first; an entry already there moves up, the oldest drops
    // off a full list.
    virtual void Add(LPCTSTR lpszPathName);
    virtual void Remove(int nIndex);
    // "&1 name": the menu text of entry nIndex, the file name, with as many of its folders in
    // front ("&2 old/sump.dfb") as tell it from other entries of that name.
    CString GetMenuText(int nIndex) const;
    // Replaces the item of pCmdUI (in its menu) by one item per entry, or by the disabled
    // "Recent File" when the list is empty.
    virtual void UpdateMenu(CCmdUI* pCmdUI);

    void ReadList(const CProfileFile& profile);
    void WriteList(CProfileFile& profile) const;

private:
    // Whether an entry other than nIndex ends in strEnd.
    bool AnotherEndsWith(int nIndex, const CString& strEnd) const;
    // Whether the menu already shows the list from position nFirst on.
    bool MenuShowsList(const CMenu& menu, UINT nFirst) const;

    UINT m_nStart;
    CString m_strSection;
    CString m_strEntryFormat;
    int m_nSize;
    std::vector<CString> m_files;
};
