#include "blocks/BlockDocument.h"

#include "platform/core/Archive.h"

IMPLEMENT_DYNAMIC(CBlockDocument, CDocument)

IBlockDocument* ArchiveBlockDocument(CArchive& ar)
{
    return static_cast<CBlockDocument*>(ar.DocumentOfKind(RUNTIME_CLASS(CBlockDocument)));
}
