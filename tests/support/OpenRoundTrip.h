// The open path as a user drives it, for the fuzzer and for the replay of its corpus: the bytes
// are opened as a project file; when they open, the document is saved and the saved bytes
// opened again, which must give the same document.
#pragma once

#include "document/VetlaDoc.h"
#include "platform/core/Exception.h"
#include "platform/core/MemFile.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace open_round_trip {

// TRUE when the bytes opened, and then the document is as File > Open leaves it; a failure to
// open is an answer, not an error.
inline BOOL Open(CVetlaDoc& doc, const std::uint8_t* pData, std::size_t nSize)
{
    CMemFile file;
    if (nSize)
        file.Write(pData, UINT(nSize));
    file.SeekToBegin();
    try {
        doc.LoadContents(&file);
    } catch (CException* e) {
        e->Delete();
        return FALSE;
    }
    doc.SettleOpenedContents();
    return TRUE;
}

inline std::vector<std::uint8_t> Save(CVetlaDoc& doc)
{
    CMemFile file;
    doc.StoreContents(&file);
    std::vector<std::uint8_t> bytes(std::size_t(file.GetLength()));
    file.SeekToBegin();
    if (!bytes.empty())
        file.Read(bytes.data(), UINT(bytes.size()));
    return bytes;
}

enum class Outcome { Refused, RoundTripped, SaveDoesNotReopen, ReopenDiffers };

// Opens the bytes; when they open, saves, reopens the saved bytes and saves again.
inline Outcome Run(const std::uint8_t* pData, std::size_t nSize)
{
    CVetlaDoc doc;
    if (!Open(doc, pData, nSize))
        return Outcome::Refused;
    const std::vector<std::uint8_t> saved = Save(doc);
    CVetlaDoc reopened;
    if (!Open(reopened, saved.data(), saved.size()))
        return Outcome::SaveDoesNotReopen;
    return Save(reopened) == saved ? Outcome::RoundTripped : Outcome::ReopenDiffers;
}

} // namespace open_round_trip
