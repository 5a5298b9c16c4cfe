// The diagram an archive reads or writes: the document that a loaded block, wire or
// message-text element belongs to.
#pragma once

class CArchive;
class CVetlaDoc;
class IBlockDocument;

// Null when the archive's document is none or not a diagram.
CVetlaDoc* ArchiveDiagram(CArchive& ar);
// The same document as the elements see it.
IBlockDocument* ArchiveBlockDocument(CArchive& ar);
