// The diagram's paste from the clipboard, for its fuzzer and the replay of the kept inputs. The
// first byte picks the document pasted into (function blocks or ladder, newer or older
// controller), whether a description of the source comes along (its 12 bytes follow) and whether
// links come along (bit 0x40: a 16-bit little-endian length and that many bytes follow); the rest
// is the diagram data, which any program can put on the clipboard. The paste is made
// into a document that holds a block already, every question answered yes, and the
// document must then save to a file that opens again.
#pragma once

#include "support/GoldenCorpus.h"
#include "support/OpenRoundTrip.h"

#include "editor/DiagramClipboard.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/Clipboard.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace paste_round_trip {

enum class Outcome { Refused, Pasted, SaveDoesNotReopen };

constexpr std::size_t kSourceBytes = 12;

inline Outcome Run(const std::uint8_t* pData, std::size_t nSize)
{
    if (nSize < 1)
        return Outcome::Refused;
    const BYTE byKind = pData[0];
    const bool bWithSource = (byKind & 4) != 0;
    const bool bWithLinks = (byKind & 0x40) != 0;
    std::size_t nAt = 1 + (bWithSource ? kSourceBytes : 0);
    if (nSize < nAt + (bWithLinks ? 2 : 0))
        return Outcome::Refused;
    const std::vector<BYTE> source(pData + 1, pData + nAt);
    std::vector<BYTE> links;
    if (bWithLinks) {
        const std::size_t nLinks = std::min<std::size_t>(pData[nAt] | (pData[nAt + 1] << 8), nSize - nAt - 2);
        links.assign(pData + nAt + 2, pData + nAt + 2 + nLinks);
        nAt += 2 + nLinks;
    }
    const std::vector<BYTE> diagram(pData + nAt, pData + nSize);

    golden::GoldenHost host;
    CMessageBoxRecorder answers;
    for (int i = 0; i < 8; ++i)
        answers.QueueAnswer(IDYES);
    const int nDocType = (byKind & 1) ? DOC_TYPE_LAD : DOC_TYPE_FBD;
    CVetlaDoc& doc = host.NewDocument(nDocType, (byKind & 2) ? 0x1188 : 0x5188);
    CVetlaView& view = host.View();
    CBlockObj* pFirst = view.CreateBlockObject(nDocType == DOC_TYPE_LAD ? BT_MAKE : BT_IN);
    pFirst->m_ptPos = pFirst->m_ptPos2 = CPoint(200, 200);
    doc.AddBlock(pFirst);

    CClipboard::Empty();
    CClipboard::SetData(RegisterDiagramClipboardFormats(), diagram);
    if (bWithSource)
        CClipboard::SetData(RegisterClipboardFormat(COPY_SOURCE_CLIPBOARD_FORMAT), source);
    if (bWithLinks)
        CClipboard::SetData(RegisterClipboardFormat(COPY_LINKS_CLIPBOARD_FORMAT), links);
    DiagramClipboardContents probe;
    const bool bReadable = LoadDiagramObjects(diagram, probe);
    view.SetPressPoint(CPoint(300, 300));
    view.OnEditPaste();
    CClipboard::Empty();

    const std::vector<std::uint8_t> saved = open_round_trip::Save(doc);
    CVetlaDoc reopened;
    if (!open_round_trip::Open(reopened, saved.data(), saved.size()))
        return Outcome::SaveDoesNotReopen;
    return bReadable ? Outcome::Pasted : Outcome::Refused;
}

} // namespace paste_round_trip
