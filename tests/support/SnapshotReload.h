// Undo's reload of a snapshot, for its fuzzer and the replay of the kept inputs: a document
// with a block takes two snapshots, any bytes replace the older one on disk, and Undo reloads
// them. A refused snapshot must leave the document as it was, and a reloaded one must save to
// a file that opens again.
#pragma once

#include "support/OpenRoundTrip.h"

#include "blocks/BlockComment.h"
#include "blocks/BlockFactory.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "document/UndoStore.h"
#include "platform/core/MessageBox.h"

#include <cstdint>
#include <fstream>
#include <vector>

namespace snapshot_reload {

enum class Outcome { Refused, Reloaded, RefusalChangedDocument, SaveDoesNotReopen };

inline Outcome Run(const std::uint8_t* pData, std::size_t nSize)
{
    // The refusal's report is answered and kept quiet.
    CMessageBoxRecorder quiet;
    CVetlaDoc doc;
    doc.m_nDocType = DOC_TYPE_FBD;
    doc.m_undo.SaveState(&doc);
    CBlockObj* pBlock = CreateBlockForType(BT_AND, nullptr, &doc);
    pBlock->m_ptPos = CPoint(200, 100);
    doc.AddBlock(pBlock);
    auto* pComment = new CBlockComment;
    pComment->m_nLeft = 40;
    pComment->m_nTop = 300;
    doc.AddComment(pComment);
    doc.m_undo.SaveState(&doc);
    {
        std::ofstream out(doc.m_undo.GetSnapshotPath(doc.m_undo.m_nIndex - 1).ToUtf8(),
                          std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(pData), std::streamsize(nSize));
    }
    const int nIndex = doc.m_undo.m_nIndex;
    const std::vector<std::uint8_t> before = open_round_trip::Save(doc);
    if (!doc.m_undo.Undo()) {
        const bool bKept = open_round_trip::Save(doc) == before && doc.m_undo.m_nIndex == nIndex;
        return bKept ? Outcome::Refused : Outcome::RefusalChangedDocument;
    }
    const std::vector<std::uint8_t> saved = open_round_trip::Save(doc);
    CVetlaDoc reopened;
    return open_round_trip::Open(reopened, saved.data(), saved.size()) ? Outcome::Reloaded
                                                                        : Outcome::SaveDoesNotReopen;
}

} // namespace snapshot_reload
