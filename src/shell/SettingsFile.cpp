#include "shell/SettingsFile.h"

#include "platform/core/Exception.h"
#include "platform/core/File.h"
#include "platform/core/FileSystem.h"
#include "platform/ui/ProfileFile.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

namespace {

CString Utf8ToString(const char* psz) { return CString::FromUtf8(psz); }

CString& AstroCityFilePath()
{
    static CString s_strPath;
    return s_strPath;
}

std::string Utf16LeBytes(const CString& strText)
{
    std::string bytes;
    for (char16_t ch : strText.View()) {
        bytes.push_back(char(ch & 0xFF));
        bytes.push_back(char(ch >> 8));
    }
    return bytes;
}

// The first place from nFrom on where the UTF-16LE bytes of a text start at a whole code unit.
std::size_t FindUnit(const std::string& bytes, const std::string& unit, std::size_t nFrom)
{
    for (std::size_t nAt = bytes.find(unit, nFrom); nAt != std::string::npos; nAt = bytes.find(unit, nAt + 1)) {
        if (nAt % 2 == 0)
            return nAt;
    }
    return std::string::npos;
}

// Where the text that DecodeUtf16Le reads of the bytes ends: at the first NUL code unit, or at
// the last whole one.
std::size_t TextEnd(const std::string& bytes)
{
    std::size_t nEnd = 0;
    while (nEnd + 1 < bytes.size() && (bytes[nEnd] != 0 || bytes[nEnd + 1] != 0))
        nEnd += 2;
    return nEnd;
}

// The whole file; a missing file is empty. 0, or the errno value of the failure.
int ReadFileBytes(const CString& strPath, std::string& bytes)
{
    CFile file;
    CFileException error;
    if (!file.Open(strPath, CFile::modeRead, &error)) {
        if (error.m_cause == CFileException::fileNotFound)
            return 0;
        return error.m_lOsError > 0 ? int(error.m_lOsError) : EIO;
    }
    try {
        bytes.resize(std::size_t(file.GetLength()));
        bytes.resize(file.Read(bytes.data(), UINT(bytes.size())));
    } catch (CFileException* e) {
        const int nError = e->m_lOsError > 0 ? int(e->m_lOsError) : EIO;
        e->Delete();
        return nError;
    }
    return 0;
}

} // namespace

CString GetSettingsFolder() { return GetUserConfigFolder() + _T("/qarvo-editor/DruvoProperty"); }

CString GetSettingsFileToRead(LPCTSTR lpszName)
{
    const CString strName = CString(_T("/")) + lpszName;
    const CString strTemp = GetTempPath();
    const CString folders[] = {GetSettingsFolder(), strTemp + _T("DruvoProperty"), strTemp + _T("QarvoProperty")};
    for (const CString& strFolder : folders) {
        if (PathFileExists(strFolder + strName))
            return strFolder + strName;
    }
    return folders[0] + strName;
}

CString GetSettingsFilePath() { return GetSettingsFolder() + _T("/") + LANGUAGE_FILE_NAME; }

CString GetAstroCityFilePath()
{
    return AstroCityFilePath().IsEmpty() ? GetSettingsFolder() + _T("/") + ASTRO_CITY_FILE_NAME : AstroCityFilePath();
}

CString GetAstroCityFileToRead()
{
    return AstroCityFilePath().IsEmpty() ? GetSettingsFileToRead(ASTRO_CITY_FILE_NAME) : AstroCityFilePath();
}

void SetAstroCityFilePath(const CString& strPath) { AstroCityFilePath() = strPath; }

CString DecodeUtf16Le(const BYTE* pBytes, std::size_t nLength)
{
    std::u16string text;
    text.reserve(nLength / 2);
    for (std::size_t i = 0; i + 1 < nLength; i += 2) {
        const auto ch = char16_t(pBytes[i] | (pBytes[i + 1] << 8));
        if (ch == 0)
            break;
        text.push_back(ch);
    }
    return CString(std::u16string_view(text));
}

BOOL ReadChineseSetting(const CString& strPath)
{
    CFile file;
    CFileException error;
    if (!file.Open(strPath, CFile::modeRead, &error)) {
        // No file is the English default; a file that is there but cannot be opened is told.
        if (error.m_cause != CFileException::fileNotFound)
            error.ReportError();
        return FALSE;
    }
    try {
        std::vector<BYTE> bytes(std::size_t(file.GetLength()));
        bytes.resize(file.Read(bytes.data(), UINT(bytes.size())));
        return DecodeUtf16Le(bytes.data(), bytes.size()).Find(_T("zh_CN")) >= 0;
    } catch (CException* e) {
        e->ReportError();
        e->Delete();
        return FALSE;
    }
}

BOOL WriteLanguageSetting(const CString& strPath, int nLanguage, CString* pReason)
{
    auto fail = [pReason](int nError) {
        if (pReason)
            *pReason = Utf8ToString(std::strerror(nError));
        return FALSE;
    };
    std::string bytes;
    if (const int nError = ReadFileBytes(strPath, bytes))
        return fail(nError);
    CString strLine;
    strLine.Format(_T("language=%s\n"), nLanguage == LANGUAGE_CHINESE ? _T("zh_CN") : _T("en_US"));
    const std::string line = Utf16LeBytes(strLine);
    // The old language line gives way to the new one and what follows it stays; a file without
    // one keeps its text behind the new line. Only the text a read sees counts, the bytes up to
    // the first NUL: what lies behind it stays as it is.
    const std::string text = bytes.substr(0, TextEnd(bytes));
    const std::size_t nStart = FindUnit(text, Utf16LeBytes(_T("language=")), 0);
    if (nStart == std::string::npos) {
        bytes.insert(0, line);
    } else {
        const std::size_t nBreak = FindUnit(text, Utf16LeBytes(_T("\n")), nStart);
        const std::size_t nEnd = nBreak == std::string::npos ? text.size() : nBreak + 2;
        bytes.replace(nStart, nEnd - nStart, line);
    }
    if (const int nError = WriteWholeFile(strPath, bytes))
        return fail(nError);
    return TRUE;
}
