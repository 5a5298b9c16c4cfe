#include "platform/ui/RecentFileList.h"

#include "platform/core/CmdTarget.h"
#include "platform/core/FileSystem.h"
#include "platform/ui/Menu.h"
#include "platform/ui/ProfileFile.h"

#include <algorithm>

CRecentFileList::CRecentFileList(UINT nStart, LPCTSTR lpszSection, LPCTSTR lpszEntryFormat,
                                 int nSize)
    : m_nStart(nStart), m_strSection(lpszSection), m_strEntryFormat(lpszEntryFormat),
      m_nSize(std::max(0, nSize))
{
}

void CRecentFileList::Add(LPCTSTR lpszPathName)
{
    if (!lpszPathName || !*lpszPathName || m_nSize == 0)
        return;
    const CString strPath = AbsolutePath(lpszPathName);
    std::erase(m_files, strPath);
    m_files.insert(m_files.begin(), strPath);
    if (int(m_files.size()) > m_nSize)
        m_files.resize(std::size_t(m_nSize));
}

void CRecentFileList::Remove(int nIndex)
{
    if (nIndex >= 0 && nIndex < GetCount())
        m_files.erase(m_files.begin() + nIndex);
}

CString CRecentFileList::GetMenuText(int nIndex) const
{
    const CString& strPath = m_files[std::size_t(nIndex)];
    // Folders are added from the end while another entry ends the same way.
    int nStart = strPath.ReverseFind(PATH_SEPARATOR);
    while (nStart > 0 && AnotherEndsWith(nIndex, strPath.Mid(nStart)))
        nStart = strPath.Left(nStart).ReverseFind(PATH_SEPARATOR);
    CString strName = strPath.Mid(nStart + 1);
    // A '&' in a file name is shown, not taken as a mnemonic.
    strName.Replace(_T("&"), _T("&&"));
    CString strText;
    strText.Format(_T("&%d %s"), nIndex + 1, strName);
    return strText;
}

void CRecentFileList::UpdateMenu(CCmdUI* pCmdUI)
{
    CMenu* pMenu = pCmdUI->m_pMenu;
    if (!pMenu)
        return;
    if (MenuShowsList(*pMenu, pCmdUI->m_nIndex)) {
        // Already right (the idle update asks every time): leave the menu untouched, so that a
        // native menu is not rebuilt for nothing.
        pCmdUI->m_nIndex += UINT(std::max(0, GetCount() - 1));
        pCmdUI->m_bEnableChanged = TRUE;
        return;
    }
    // The entries shown last time go; the first keeps the place.
    for (UINT nID = m_nStart + 1; nID < m_nStart + UINT(m_nSize); ++nID)
        pMenu->RemoveMenu(nID, MF_BYCOMMAND);
    if (m_files.empty()) {
        pMenu->ModifyMenu(pCmdUI->m_nIndex, MF_BYPOSITION | MF_STRING | MF_GRAYED, m_nStart,
                          _T("Recent File"));
        pCmdUI->m_nIndexMax = pMenu->GetMenuItemCount();
        return;
    }
    pMenu->ModifyMenu(pCmdUI->m_nIndex, MF_BYPOSITION | MF_STRING, m_nStart, GetMenuText(0));
    for (int i = 1; i < GetCount(); ++i)
        pMenu->InsertMenu(pCmdUI->m_nIndex + UINT(i), MF_BYPOSITION | MF_STRING,
                          m_nStart + UINT(i), GetMenuText(i));
    // The caller's walk goes on after the items put in here.
    pCmdUI->m_nIndex += UINT(GetCount() - 1);
    pCmdUI->m_nIndexMax = pMenu->GetMenuItemCount();
    pCmdUI->m_bEnableChanged = TRUE;
}

bool CRecentFileList::AnotherEndsWith(int nIndex, const CString& strEnd) const
{
    for (int i = 0; i < GetCount(); ++i) {
        const CString& strPath = m_files[std::size_t(i)];
        if (i != nIndex && strPath.GetLength() >= strEnd.GetLength() &&
            strPath.Right(strEnd.GetLength()) == strEnd)
            return true;
    }
    return false;
}

bool CRecentFileList::MenuShowsList(const CMenu& menu, UINT nFirst) const
{
    if (m_files.empty()) {
        CString strText;
        menu.GetMenuString(nFirst, strText, MF_BYPOSITION);
        return menu.GetMenuItemID(int(nFirst)) == m_nStart && strText == _T("Recent File") &&
               (menu.GetMenuState(nFirst, MF_BYPOSITION) & MF_GRAYED) &&
               menu.GetMenuItemID(int(nFirst) + 1) != m_nStart + 1;
    }
    for (int i = 0; i < GetCount(); ++i) {
        CString strText;
        menu.GetMenuString(nFirst + UINT(i), strText, MF_BYPOSITION);
        if (menu.GetMenuItemID(int(nFirst) + i) != m_nStart + UINT(i) || strText != GetMenuText(i))
            return false;
    }
    return menu.GetMenuItemID(int(nFirst) + GetCount()) != m_nStart + UINT(GetCount());
}

void CRecentFileList::ReadList(const CProfileFile& profile)
{
    m_files.clear();
    for (int i = 0; i < m_nSize; ++i) {
        CString strEntry;
        strEntry.Format(m_strEntryFormat, i + 1);
        const CString strPath = profile.GetString(m_strSection, strEntry, nullptr);
        // A relative entry, which older runs wrote for a file named on the command line, names
        // a file in whatever folder the program starts in: not one to offer.
        if (!strPath.IsEmpty() && strPath[0] == PATH_SEPARATOR &&
            std::find(m_files.begin(), m_files.end(), strPath) == m_files.end())
            m_files.push_back(strPath);
    }
}

void CRecentFileList::WriteList(CProfileFile& profile) const
{
    profile.WriteString(m_strSection, nullptr, nullptr);
    for (int i = 0; i < GetCount(); ++i) {
        CString strEntry;
        strEntry.Format(m_strEntryFormat, i + 1);
        profile.WriteString(m_strSection, strEntry, m_files[std::size_t(i)]);
    }
}
