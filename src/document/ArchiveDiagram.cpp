#include "document/ArchiveDiagram.h"

#include "document/VetlaDoc.h"
#include "platform/core/Archive.h"

CVetlaDoc* ArchiveDiagram(CArchive& ar)
{
    return static_cast<CVetlaDoc*>(ar.DocumentOfKind(RUNTIME_CLASS(CVetlaDoc)));
}
