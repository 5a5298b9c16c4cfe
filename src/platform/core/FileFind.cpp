#include "platform/core/FileFind.h"

#include "platform/core/FileSystem.h"

#include <algorithm>
#include <string>
#include <string_view>

#include <dirent.h>
#include <sys/stat.h>

namespace {

// '*' matches any run of units, '?' exactly one; the last '*' seen is retried one unit further
// when the rest fails, which is enough because a later '*' covers whatever an earlier one could.
bool Glob(std::u16string_view name, std::u16string_view pattern)
{
    std::size_t n = 0;
    std::size_t p = 0;
    std::size_t starP = std::u16string_view::npos;
    std::size_t starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == u'*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() && (pattern[p] == u'?' || pattern[p] == name[n])) {
            ++n;
            ++p;
        } else if (starP != std::u16string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

} // namespace

BOOL CFileFind::MatchesPattern(LPCTSTR lpszName, LPCTSTR lpszPattern)
{
    const std::u16string_view name(lpszName);
    const std::u16string_view pattern(lpszPattern);
    if (Glob(name, pattern))
        return TRUE;
    // "name.*" stands for the name with any extension or none.
    return pattern.ends_with(u".*") && Glob(name, pattern.substr(0, pattern.size() - 2));
}

BOOL CFileFind::FindFile(LPCTSTR lpszPattern)
{
    Close();
    const CString pattern(lpszPattern ? lpszPattern : u"*.*");
    const int nSlash = pattern.ReverseFind(PATH_SEPARATOR);
    m_strRoot = pattern.Left(nSlash + 1);
    const CString namePattern = pattern.Mid(nSlash + 1);

    DIR* dir = opendir(m_strRoot.IsEmpty() ? "." : m_strRoot.ToUtf8().c_str());
    if (!dir)
        return FALSE;
    while (const dirent* entry = readdir(dir)) {
        const std::string_view rawName(entry->d_name);
        if (rawName == "." || rawName == "..")
            continue;
        CString name = CString::FromUtf8(rawName);
        if (!MatchesPattern(name, namePattern))
            continue;
        struct stat st {};
        const bool bDirectory = fstatat(dirfd(dir), entry->d_name, &st, 0) == 0 &&
                                S_ISDIR(st.st_mode);
        m_entries.push_back({std::move(name), bDirectory});
    }
    closedir(dir);
    std::sort(m_entries.begin(), m_entries.end(),
              [](const Entry& a, const Entry& b) { return a.strName < b.strName; });
    return !m_entries.empty();
}

BOOL CFileFind::FindNextFile()
{
    if (m_nNext >= m_entries.size())
        return FALSE;
    ++m_nNext;
    return m_nNext < m_entries.size();
}

void CFileFind::Close()
{
    m_strRoot.Empty();
    m_entries.clear();
    m_nNext = 0;
}

CString CFileFind::GetFileName() const
{
    return m_nNext > 0 ? m_entries[m_nNext - 1].strName : CString();
}

CString CFileFind::GetFilePath() const
{
    return m_nNext > 0 ? m_strRoot + m_entries[m_nNext - 1].strName : CString();
}

BOOL CFileFind::IsDirectory() const
{
    return m_nNext > 0 && m_entries[m_nNext - 1].bDirectory;
}
