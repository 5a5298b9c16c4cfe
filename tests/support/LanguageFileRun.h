// The settings file that names the interface language, for its fuzzer and the replay of the
// kept inputs: any bytes are read as the file, and the choice that reading gives, written
// anew, must read back the same.
#pragma once

#include "shell/SettingsFile.h"

#include <cstdint>
#include <fstream>
#include <string>

namespace language_file_run {

// FALSE when the file's choice is not what its text says, or does not survive a write and a
// read.
inline bool Run(const std::uint8_t* pData, std::size_t nSize, const std::string& strPath)
{
    {
        std::ofstream out(strPath, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(pData), std::streamsize(nSize));
    }
    const CString strFile = CString::FromUtf8(strPath);
    const BOOL bChinese = ReadChineseSetting(strFile);
    if (bChinese != (DecodeUtf16Le(pData, nSize).Find(_T("zh_CN")) >= 0))
        return false;
    CString strReason;
    if (!WriteLanguageSetting(strFile, bChinese ? LANGUAGE_CHINESE : LANGUAGE_ENGLISH, &strReason))
        return false;
    return ReadChineseSetting(strFile) == bChinese;
}

} // namespace language_file_run
