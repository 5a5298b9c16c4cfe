// The diagram an archive reads or writes: the document that a loaded block, wire or
// message-text element belongs to.
#pragma once

#include "document/VetlaDoc.h"
#include "platform/core/Archive.h"

// Null when the archive's document is none or not a diagram.
inline CVetlaDoc* ArchiveDiagram(CArchive& ar)
{
    return static_cast<CVetlaDoc*>(ar.DocumentOfKind(RUNTIME_CLASS(CVetlaDoc)));
}
