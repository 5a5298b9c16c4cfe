// The profile file as the program reads and writes it, for its fuzzer and the replay of the
// kept inputs: any bytes are read as the profile, one entry is written (which saves the whole
// file), and the saved file, read and saved the same way again, must come out byte for byte
// the same: a value that changes on every save never settles.
#pragma once

#include "platform/ui/ProfileFile.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

namespace profile_round_trip {

inline std::string ReadAll(const std::string& strPath)
{
    std::ifstream in(strPath, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The file as saved after reading it, or empty when it could not be written.
inline std::string ReadAndSave(const std::string& strPath)
{
    CProfileFile profile;
    profile.Open(CString::FromUtf8(strPath));
    // What the program reads at start, so that every parse of a value runs.
    profile.GetInt(_T("Settings"), _T("Left"), 0);
    if (!profile.WriteInt(_T("Settings"), _T("Runs"), 1))
        return {};
    return ReadAll(strPath);
}

// FALSE when the profile saved from the bytes does not settle.
inline bool Run(const std::uint8_t* pData, std::size_t nSize, const std::string& strPath)
{
    {
        std::ofstream out(strPath, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(pData), std::streamsize(nSize));
    }
    const std::string first = ReadAndSave(strPath);
    return ReadAndSave(strPath) == first;
}

} // namespace profile_round_trip
