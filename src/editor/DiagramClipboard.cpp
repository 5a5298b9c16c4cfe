#include "editor/DiagramClipboard.h"

#include "blocks/BlockComment.h"
#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockObj.h"
#include "blocks/ConnectLineObj.h"
#include "blocks/DiagramLimits.h"
#include "blocks/SendableValues.h"
#include "blocks/Widget.h"
#include "document/BlockNumbering.h"
#include "platform/core/Archive.h"
#include "platform/core/Exception.h"
#include "platform/core/MemFile.h"
#include "platform/core/ObList.h"
#include "platform/ui/Clipboard.h"

#include <cstdlib>
#include <set>

namespace {

constexpr UINT kArchiveBuffer = 4096;
constexpr UINT kGrowBytes = 4096;
constexpr std::size_t kSourceBytes = 12;
constexpr std::size_t kDocumentIdBytes = 8;
// More entries than an LCD line has room for, null entries included: damaged data, which would
// otherwise grow an array entry by entry until the bytes run out.
constexpr DWORD_PTR kMaxLineEntries = 4 * WIDGET_LCD_COLUMNS;

UINT CopySourceFormat() { return RegisterClipboardFormat(COPY_SOURCE_CLIPBOARD_FORMAT); }
UINT CopyLinksFormat() { return RegisterClipboardFormat(COPY_LINKS_CLIPBOARD_FORMAT); }

std::vector<BYTE> DetachBytes(CMemFile& file)
{
    const auto nLength = std::size_t(file.GetLength());
    BYTE* pData = file.Detach();
    std::vector<BYTE> bytes(pData, pData + nLength);
    std::free(pData);
    return bytes;
}

std::vector<CBlockMSGTEXT*> MessageTexts(const DiagramClipboardContents& contents)
{
    std::vector<CBlockMSGTEXT*> texts;
    for (const auto& pBlock : contents.blocks) {
        if (pBlock->IsKindOf(RUNTIME_CLASS(CBlockMSGTEXT)))
            texts.push_back(static_cast<CBlockMSGTEXT*>(pBlock.get()));
    }
    return texts;
}

// One text's eight element arrays as SerializeWidgets writes them. Each element is written once,
// so a record that refers back to an element read before is damage: two lists would own it.
void ReadCopiedWidgets(CArchive& ar, CBlockMSGTEXT& text)
{
    for (int nArray = 0; nArray < MSGTEXT_WIDGET_ARRAYS; ++nArray) {
        const DWORD_PTR nCount = ar.ReadCount();
        if (nCount > kMaxLineEntries)
            AfxThrowArchiveException(CArchiveException::generic);
        for (DWORD_PTR i = 0; i < nCount; ++i) {
            const CRuntimeClass* pCreatedClass = nullptr;
            CObject* pWidget = ar.ReadObject(RUNTIME_CLASS(CWidget), pCreatedClass);
            if (pWidget && !pCreatedClass)
                AfxThrowArchiveException(CArchiveException::badIndex);
            text.WidgetArray(nArray).Add(pWidget);
        }
    }
}

template <class T>
void PutLittleEndian(std::vector<BYTE>& bytes, T value)
{
    for (std::size_t i = 0; i < sizeof(T); ++i)
        bytes.push_back(BYTE((std::uint64_t(value) >> (8 * i)) & 0xFF));
}

template <class T>
T GetLittleEndian(const std::vector<BYTE>& bytes, std::size_t nOffset)
{
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i)
        value |= std::uint64_t(bytes[nOffset + i]) << (8 * i);
    return T(value);
}

// Every object the three lists hold; a null entry or an object read twice (a record referring
// back to an earlier one) is damage, which valid clipboard data never holds.
BOOL CollectObjects(CObList (&lists)[3], std::set<CObject*>& objects)
{
    BOOL bSound = TRUE;
    for (CObList& list : lists) {
        for (POSITION pos = list.GetHeadPosition(); pos;) {
            CObject* pObject = list.GetNext(pos);
            if (!pObject || !objects.insert(pObject).second)
                bSound = FALSE;
        }
    }
    objects.erase(nullptr);
    return bSound;
}

void DeleteObjects(const std::set<CObject*>& objects)
{
    for (CObject* pObject : objects)
        delete pObject;
}

// Moves a list into owned objects of one class; FALSE when an object is of another class.
template <class T>
BOOL TakeList(CObList& list, const CRuntimeClass* pClass, std::vector<std::unique_ptr<T>>& out)
{
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        if (!list.GetNext(pos)->IsKindOf(pClass))
            return FALSE;
    }
    for (POSITION pos = list.GetHeadPosition(); pos;)
        out.emplace_back(static_cast<T*>(list.GetNext(pos)));
    list.RemoveAll();
    return TRUE;
}

bool IsSoundBlock(const CBlockObj& block)
{
    return IsInsideDiagram(block) && HasSendableValues(block) &&
           IsSoundNumbering(block.m_nType, block.m_nNumber, block.m_nOperand);
}

// Any program can put data under the diagram's format, which must hold what a project file
// may: an element outside the diagram's limits would make the paste compute its pins and
// offsets past an int's range, and a value the download cannot carry or a number or operand
// outside the numbering's space would make the document save to a file that no longer opens.
BOOL AllSound(CObList (&lists)[3])
{
    for (CObList& list : lists) {
        for (POSITION pos = list.GetHeadPosition(); pos;) {
            const CObject* pObject = list.GetNext(pos);
            if (pObject->IsKindOf(RUNTIME_CLASS(CBlockObj)) && !IsSoundBlock(*static_cast<const CBlockObj*>(pObject)))
                return FALSE;
            if (pObject->IsKindOf(RUNTIME_CLASS(CConnectLineObj)) &&
                !IsInsideDiagram(*static_cast<const CConnectLineObj*>(pObject)))
                return FALSE;
            if (pObject->IsKindOf(RUNTIME_CLASS(CBlockComment)) &&
                !IsInsideDiagram(*static_cast<const CBlockComment*>(pObject)))
                return FALSE;
        }
    }
    return TRUE;
}

} // namespace

UINT RegisterDiagramClipboardFormats()
{
    RegisterClipboardFormat(DIAGRAM_CLIPBOARD_FORMAT_UNUSED);
    CopySourceFormat();
    CopyLinksFormat();
    return RegisterClipboardFormat(DIAGRAM_CLIPBOARD_FORMAT);
}

std::vector<BYTE> EncodeCopySource(const CopySource& source)
{
    std::vector<BYTE> bytes;
    PutLittleEndian(bytes, std::int32_t(source.nDocType));
    PutLittleEndian(bytes, source.wHardwareCode);
    PutLittleEndian(bytes, source.wFirmwareWord);
    PutLittleEndian(bytes, std::int32_t(source.bPowerBusWires ? 1 : 0));
    return bytes;
}

std::optional<CopySource> DecodeCopySource(const std::vector<BYTE>& bytes)
{
    if (bytes.size() != kSourceBytes)
        return std::nullopt;
    CopySource source;
    source.nDocType = GetLittleEndian<std::int32_t>(bytes, 0);
    source.wHardwareCode = GetLittleEndian<WORD>(bytes, 4);
    source.wFirmwareWord = GetLittleEndian<WORD>(bytes, 6);
    const std::int32_t nPowerBus = GetLittleEndian<std::int32_t>(bytes, 8);
    if ((source.nDocType != 1 && source.nDocType != 2) || (nPowerBus != 0 && nPowerBus != 1))
        return std::nullopt;
    source.bPowerBusWires = nPowerBus;
    return source;
}

std::vector<BYTE> StoreDiagramObjects(CObList& blocks, CObList& lines, CObList& comments)
{
    CMemFile file(kGrowBytes);
    CArchive ar(&file, CArchive::store, int(kArchiveBuffer));
    blocks.Serialize(ar);
    lines.Serialize(ar);
    comments.Serialize(ar);
    ar.Close();
    return DetachBytes(file);
}

std::vector<BYTE> StoreCopyLinks(std::uint64_t nSourceDocument, CObList& blocks)
{
    std::vector<CBlockMSGTEXT*> texts;
    for (POSITION pos = blocks.GetHeadPosition(); pos;) {
        CObject* pBlock = blocks.GetNext(pos);
        if (pBlock->IsKindOf(RUNTIME_CLASS(CBlockMSGTEXT)))
            texts.push_back(static_cast<CBlockMSGTEXT*>(pBlock));
    }
    CMemFile file(kGrowBytes);
    CArchive ar(&file, CArchive::store, int(kArchiveBuffer));
    ar.WriteCount(texts.size());
    for (CBlockMSGTEXT* pText : texts)
        pText->SerializeWidgets(ar);
    ar.Close();
    std::vector<BYTE> bytes;
    PutLittleEndian(bytes, nSourceDocument);
    const std::vector<BYTE> archive = DetachBytes(file);
    bytes.insert(bytes.end(), archive.begin(), archive.end());
    return bytes;
}

BOOL LoadCopyLinks(const std::vector<BYTE>& bytes, DiagramClipboardContents& contents, CDocument* pTarget)
{
    if (bytes.size() < kDocumentIdBytes)
        return FALSE;
    const std::vector<CBlockMSGTEXT*> texts = MessageTexts(contents);
    BOOL bLoaded = TRUE;
    try {
        std::vector<BYTE> copy(bytes.begin() + long(kDocumentIdBytes), bytes.end());
        CMemFile file(copy.data(), UINT(copy.size()));
        CArchive ar(&file, CArchive::load, int(kArchiveBuffer));
        // The elements are fitted to the target's controller as a load of its file would fit them.
        ar.m_pDocument = pTarget;
        if (ar.ReadCount() != texts.size())
            AfxThrowArchiveException(CArchiveException::generic);
        for (CBlockMSGTEXT* pText : texts)
            ReadCopiedWidgets(ar, *pText);
        ar.Close();
    } catch (CException* e) {
        e->Delete();
        bLoaded = FALSE;
    }
    if (!bLoaded) {
        for (CBlockMSGTEXT* pText : texts)
            pText->DeleteWidgets();
        return FALSE;
    }
    contents.nSourceDocument = GetLittleEndian<std::uint64_t>(bytes, 0);
    return TRUE;
}

BOOL WriteDiagramClipboard(CObList& blocks, CObList& lines, CObList& comments, const CopySource& source,
                           std::uint64_t nSourceDocument)
{
    std::vector<BYTE> bytes;
    std::vector<BYTE> links;
    try {
        bytes = StoreDiagramObjects(blocks, lines, comments);
        links = StoreCopyLinks(nSourceDocument, blocks);
    } catch (CException* e) {
        e->Delete();
        return FALSE;
    }
    const UINT nFormat = RegisterDiagramClipboardFormats();
    CClipboard::Empty();
    CClipboard::SetData(nFormat, std::move(bytes));
    CClipboard::SetData(CopySourceFormat(), EncodeCopySource(source));
    CClipboard::SetData(CopyLinksFormat(), std::move(links));
    return TRUE;
}

BOOL LoadDiagramObjects(const std::vector<BYTE>& bytes, DiagramClipboardContents& contents)
{
    CObList lists[3];
    std::set<CObject*> objects;
    BOOL bLoaded = TRUE;
    try {
        std::vector<BYTE> copy = bytes;
        CMemFile file(copy.data(), UINT(copy.size()));
        CArchive ar(&file, CArchive::load, int(kArchiveBuffer));
        // No document: the wires are attached to the pasted blocks by number afterwards, and
        // no loaded element may reach into any document before the paste adopts it.
        ar.m_pDocument = nullptr;
        for (CObList& list : lists)
            list.Serialize(ar);
        ar.Close();
    } catch (CException* e) {
        e->Delete();
        bLoaded = FALSE;
    }
    const BOOL bSound = CollectObjects(lists, objects);
    if (!bLoaded || !bSound) {
        DeleteObjects(objects);
        return FALSE;
    }
    DiagramClipboardContents loaded;
    if (!AllSound(lists) ||
        !TakeList(lists[0], RUNTIME_CLASS(CBlockObj), loaded.blocks) ||
        !TakeList(lists[1], RUNTIME_CLASS(CConnectLineObj), loaded.lines) ||
        !TakeList(lists[2], RUNTIME_CLASS(CBlockComment), loaded.comments)) {
        // What a list could not take is still listed; what it took is owned by loaded.
        std::set<CObject*> listed;
        CollectObjects(lists, listed);
        DeleteObjects(listed);
        return FALSE;
    }
    contents.blocks = std::move(loaded.blocks);
    contents.lines = std::move(loaded.lines);
    contents.comments = std::move(loaded.comments);
    return TRUE;
}

BOOL ReadDiagramClipboard(DiagramClipboardContents& contents, CDocument* pTarget)
{
    std::vector<BYTE> bytes;
    if (!CClipboard::GetData(RegisterDiagramClipboardFormats(), bytes) || !LoadDiagramObjects(bytes, contents))
        return FALSE;
    std::vector<BYTE> sourceBytes;
    contents.source.reset();
    if (CClipboard::GetData(CopySourceFormat(), sourceBytes))
        contents.source = DecodeCopySource(sourceBytes);
    // Data from a program that writes no links pastes its texts without elements.
    std::vector<BYTE> links;
    contents.nSourceDocument.reset();
    if (CClipboard::GetData(CopyLinksFormat(), links))
        LoadCopyLinks(links, contents, pTarget);
    return TRUE;
}

BOOL IsDiagramClipboardAvailable() { return CClipboard::IsFormatAvailable(RegisterDiagramClipboardFormats()); }
