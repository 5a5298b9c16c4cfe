// The diagram's private clipboard: the selected blocks, wires and comments as three object lists
// in one archive under the format "NorviFABLogic", byte for byte as other copies of the program
// write and read them, and beside it, under a format of its own, what a paste needs to know of
// the document the objects came from. Carrying that description with the data (rather than
// remembering the source document) keeps a paste sound after the source document has closed,
// and right when another copy of the program put the data there. A third format carries what
// the lists leave to the project file: the copied message texts' elements, and which open
// document the copy came from.
#pragma once

#include "platform/core/Types.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class CBlockComment;
class CBlockObj;
class CConnectLineObj;
class CDocument;
class CObList;

constexpr LPCTSTR DIAGRAM_CLIPBOARD_FORMAT = _T("NorviFABLogic");
// Registered with the diagram format and never used.
constexpr LPCTSTR DIAGRAM_CLIPBOARD_FORMAT_UNUSED = _T("NorviFAB");
constexpr LPCTSTR COPY_SOURCE_CLIPBOARD_FORMAT = _T("NorviFABLogicSource");
constexpr LPCTSTR COPY_LINKS_CLIPBOARD_FORMAT = _T("NorviFABLogicLinks");

// Registers the formats (the application does it at start-up; registering again gives the same
// numbers) and returns the diagram format's number.
UINT RegisterDiagramClipboardFormats();

// What a paste needs to know of the document the objects were copied from.
struct CopySource {
    int nDocType = 0;
    WORD wHardwareCode = 0;
    WORD wFirmwareWord = 0;
    // A copied wire has the ladder power rail at one end.
    BOOL bPowerBusWires = FALSE;

    bool operator==(const CopySource&) const = default;
};

// The description's bytes (12, little-endian) and back; nullopt for anything else.
std::vector<BYTE> EncodeCopySource(const CopySource& source);
std::optional<CopySource> DecodeCopySource(const std::vector<BYTE>& bytes);

// The objects read from the clipboard, owned until a paste takes them.
struct DiagramClipboardContents {
    std::vector<std::unique_ptr<CBlockObj>> blocks;
    std::vector<std::unique_ptr<CConnectLineObj>> lines;
    std::vector<std::unique_ptr<CBlockComment>> comments;
    // Absent when the data came without a description.
    std::optional<CopySource> source;
    // The instance id (CVetlaDoc::m_nInstanceId) of the document copied from; absent when the
    // data came without it. The message texts hold their elements when they came with them.
    std::optional<std::uint64_t> nSourceDocument;
};

// The three lists' archive. Failures of the archive are the caller's to catch.
std::vector<BYTE> StoreDiagramObjects(CObList& blocks, CObList& lines, CObList& comments);
// Replaces the clipboard's contents with the objects and their source; FALSE when they could
// not be stored (the clipboard is then left as it was).
BOOL WriteDiagramClipboard(CObList& blocks, CObList& lines, CObList& comments, const CopySource& source,
                           std::uint64_t nSourceDocument);

// The links' bytes: the document's instance id (8 bytes, little-endian), then an archive of the
// count of message texts among the blocks and each one's element arrays, in list order.
// Failures of the archive are the caller's to catch.
std::vector<BYTE> StoreCopyLinks(std::uint64_t nSourceDocument, CObList& blocks);
// Reads links into contents whose blocks are loaded: the elements go to the message texts, read
// for the target document's controller. FALSE, with no element kept, for damaged bytes or bytes
// whose count of texts is not that of the blocks.
BOOL LoadCopyLinks(const std::vector<BYTE>& bytes, DiagramClipboardContents& contents, CDocument* pTarget);

// Reads archive bytes into the contents; FALSE, with nothing kept, for bytes that are damaged
// or that hold an object of the wrong kind in a list (or one object twice).
BOOL LoadDiagramObjects(const std::vector<BYTE>& bytes, DiagramClipboardContents& contents);
// The clipboard's diagram data, with its links when they are whole, for the target document;
// FALSE when the clipboard has none or it is unusable.
BOOL ReadDiagramClipboard(DiagramClipboardContents& contents, CDocument* pTarget);
BOOL IsDiagramClipboardAvailable();
