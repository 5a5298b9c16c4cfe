#include "platform/ui/ProfileFile.h"

#include "platform/core/FileSystem.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

// Values are single lines: line breaks in a value would start a new key.
CString OneLine(LPCTSTR lpsz)
{
    CString str(lpsz);
    str.Replace(_T('\r'), _T(' '));
    str.Replace(_T('\n'), _T(' '));
    return str;
}

bool SameName(const CString& a, LPCTSTR b) { return a.CompareNoCase(b) == 0; }

}  // namespace

CString GetUserConfigFolder()
{
    if (const char* pszXdg = std::getenv("XDG_CONFIG_HOME"); pszXdg && *pszXdg == '/')
        return CString::FromUtf8(pszXdg);
    const char* pszHome = std::getenv("HOME");
    return CString::FromUtf8(pszHome ? pszHome : "") + _T("/.config");
}

void CProfileFile::Open(const CString& strPath)
{
    m_strPath = strPath;
    m_sections.clear();
    std::ifstream file(strPath.ToUtf8(), std::ios::binary);
    std::string line;
    Section* pSection = nullptr;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        // A line that opens with a bracket names a section or is damaged: taken as an entry,
        // its key would be written back in a line that the next read could take for a section.
        if (!line.empty() && line.front() == '[') {
            if (line.size() >= 2 && line.back() == ']') {
                m_sections.push_back({OneLine(CString::FromUtf8(line.substr(1, line.size() - 2))), {}});
                pSection = &m_sections.back();
            }
            continue;
        }
        const std::size_t nEquals = line.find('=');
        if (!pSection || nEquals == std::string::npos)
            continue;
        // A carriage return left in a key or value (a CRLF line ending in one more) is kept as
        // a write keeps it, as a space: the file's own line ending could not carry it back. A
        // key that is empty so (or one that a NUL ends at once) would not be read back.
        const CString strKey = OneLine(CString::FromUtf8(line.substr(0, nEquals)));
        if (strKey.IsEmpty())
            continue;
        pSection->entries.push_back({strKey, OneLine(CString::FromUtf8(line.substr(nEquals + 1)))});
    }
}

const CProfileFile::Section* CProfileFile::FindSection(LPCTSTR lpszSection) const
{
    for (const Section& section : m_sections) {
        if (SameName(section.strName, lpszSection))
            return &section;
    }
    return nullptr;
}

CString CProfileFile::GetString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault) const
{
    if (const Section* pSection = FindSection(lpszSection)) {
        for (const Entry& entry : pSection->entries) {
            if (SameName(entry.strKey, lpszEntry))
                return entry.strValue;
        }
    }
    return CString(lpszDefault ? lpszDefault : _T(""));
}

int CProfileFile::GetInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault) const
{
    const CString strValue = GetString(lpszSection, lpszEntry, nullptr);
    if (strValue.IsEmpty())
        return nDefault;
    const std::string utf8 = strValue.ToUtf8();
    char* pEnd = nullptr;
    const long nValue = std::strtol(utf8.c_str(), &pEnd, 10);
    return (pEnd == utf8.c_str() || *pEnd) ? nDefault : int(nValue);
}

BOOL CProfileFile::WriteString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue)
{
    auto* pSection = const_cast<Section*>(FindSection(lpszSection));
    if (!lpszEntry) {
        if (pSection)
            std::erase_if(m_sections, [&](const Section& s) { return &s == pSection; });
        return Save();
    }
    if (!pSection) {
        if (!lpszValue)
            return TRUE;
        m_sections.push_back({OneLine(lpszSection), {}});
        pSection = &m_sections.back();
    }
    std::vector<Entry>& entries = pSection->entries;
    auto it = std::find_if(entries.begin(), entries.end(),
                           [&](const Entry& e) { return SameName(e.strKey, lpszEntry); });
    if (!lpszValue) {
        if (it != entries.end())
            entries.erase(it);
    } else if (it != entries.end()) {
        it->strValue = OneLine(lpszValue);
    } else {
        entries.push_back({OneLine(lpszEntry), OneLine(lpszValue)});
    }
    return Save();
}

BOOL CProfileFile::WriteInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue)
{
    CString strValue;
    strValue.Format(_T("%d"), nValue);
    return WriteString(lpszSection, lpszEntry, strValue);
}

BOOL CProfileFile::Save() const
{
    if (m_strPath.IsEmpty())
        return FALSE;
    std::ostringstream text;
    for (const Section& section : m_sections) {
        text << '[' << section.strName.ToUtf8() << "]\n";
        for (const Entry& entry : section.entries)
            text << entry.strKey.ToUtf8() << '=' << entry.strValue.ToUtf8() << '\n';
    }
    return WriteWholeFile(m_strPath, text.str()) == 0;
}
