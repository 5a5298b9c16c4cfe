// The diagram an archive reads or writes (the elements ask ArchiveBlockDocument of
// blocks/BlockDocument.h).
#pragma once

class CArchive;
class CVetlaDoc;

// Null when the archive's document is none or not a diagram.
CVetlaDoc* ArchiveDiagram(CArchive& ar);
