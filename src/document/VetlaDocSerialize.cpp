// The project file: one routine writes and reads it in both directions, item by item. The same
// bytes are the undo snapshots.
#include "document/VetlaDoc.h"

#include "blocks/BlockComment.h"
#include "blocks/BlockDataLog.h"
#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "blocks/DiagramLimits.h"
#include "blocks/PowerBusObj.h"
#include "blocks/SendableValues.h"
#include "blocks/Widget.h"
#include "document/ArchiveDiagram.h"
#include "document/BlockNumbering.h"
#include "document/HardwareSeries.h"
#include "document/PageLayout.h"
#include "platform/core/Archive.h"
#include "platform/core/Array.h"
#include "platform/core/Exception.h"
#include "platform/core/FieldRun.h"
#include "platform/core/ObArray.h"
#include "platform/core/PointerIndexMap.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <vector>

namespace {

constexpr WORD OLD_FILE_HARDWARE_CODE = 0x1188;
constexpr int LCD_SETTING_COUNT = 4;
constexpr int MSGTEXT_DOC_SETTING_COUNT = 7;

[[noreturn]] void ThrowBadFormat() { AfxThrowArchiveException(CArchiveException::generic); }

template <class T>
void SerializeValue(CArchive& ar, T& value)
{
    if (ar.IsStoring())
        ar << value;
    else
        ar >> value;
}

template <class T, std::size_t N>
void SerializeValues(CArchive& ar, T (&values)[N])
{
    for (T& value : values)
        SerializeValue(ar, value);
}

// The analog outputs' values, stored as an array with its count: a file with another count
// keeps what it has for the channels there are, the rest 0.
template <class T, std::size_t N>
void SerializeChannels(CArchive& ar, T (&values)[N])
{
    CArray<T, T> stored;
    if (ar.IsStoring()) {
        stored.SetSize(N);
        std::copy(std::begin(values), std::end(values), stored.GetData());
        stored.Serialize(ar);
        return;
    }
    stored.Serialize(ar);
    for (std::size_t i = 0; i < N; ++i)
        values[i] = INT_PTR(i) < stored.GetSize() ? stored[INT_PTR(i)] : T{};
}

void SerializeComSettings(CArchive& ar, ComPortSettings& com)
{
    int* fields[] = {&com.nModel,    &com.nProtocol, &com.nAddress,  &com.nBaudIndex,
                     &com.nParityDataStop, &com.nParity, &com.nDataBits, &com.nStopBits,
                     &com.nTimeout,  &com.nDelay,    &com.nDataRegister, &com.nSpare};
    for (int* pField : fields)
        SerializeValue(ar, *pField);
}

// A reference number below 9000 names no function block: the reference is dropped together
// with its use flag. Higher numbers resolve to the block or to null when there is none.
void DropReference(CBlockObj* pBlock, int k)
{
    pBlock->m_pRefBlock[k] = nullptr;
    pBlock->m_nParam[BLOCK_REF_USED_PARAM + k] = 0;
}

void ResolveReference(const CVetlaDoc& doc, CBlockObj* pBlock, int k)
{
    if (pBlock->m_nRefBlock[k] >= NUM_FUNCTION_BLOCK)
        pBlock->m_pRefBlock[k] = doc.FindBlockByNumber(pBlock->m_nRefBlock[k]);
}

// How many of its parameter references a block carries in a file of the generation.
int ReferenceCount(int nType, BOOL bNewGeneration)
{
    const BlockTypeRow* pRow = FindBlockType(nType);
    if (!pRow)
        return 0;
    return bNewGeneration ? pRow->references.nNewer : pRow->references.nOlder;
}

} // namespace

// One load of a document. Everything it reads must end up owned by exactly one list or array:
// a damaged file can name an object twice (a back-reference), or put a null or an object of the
// wrong class where elements belong. Such entries are taken out before anything uses them, so
// that no object is used as what it is not or deleted twice, and the load fails.
class DocumentLoad {
public:
    explicit DocumentLoad(CVetlaDoc& doc) : m_doc(doc) {}
    ~DocumentLoad()
    {
        m_index.reset();
        // Deleted only now, so that no new object of this load can take a dropped one's
        // address and be mistaken for it.
        for (CObject* pOb : m_dropped)
            delete pOb;
    }
    DocumentLoad(const DocumentLoad&) = delete;
    DocumentLoad& operator=(const DocumentLoad&) = delete;

    // The list's object records, each object taken in as it arrives: a second walk over
    // thousands of objects found them gone from the cache. A rejected entry does not stop the
    // reading; the load fails once the list is read.
    void Read(CArchive& ar, CObList& elements, const CRuntimeClass* pClass)
    {
        ReadEach(ar, elements, pClass, [](DWORD_PTR) {}, [](CObject*, const ClassFacts&) {}, NoRuns{});
    }

    // The blocks, each looked at while it is fresh in the cache: references that name no
    // function block are dropped at once, and the blocks that need the others (references to
    // resolve, message-text elements, data-log items) are noted for the pass after the wires,
    // which then need not walk every block again.
    void ReadBlocks(CArchive& ar, CObList& blocks, BOOL bNewGeneration)
    {
        // A damaged count must not reserve more than a file could hold.
        static constexpr DWORD_PTR kMostReserved = 4096;
        const auto reserve = [this](DWORD_PTR nCount) {
            m_numbered.reserve(std::min(nCount, kMostReserved));
        };
        ReadEach(ar, blocks, RUNTIME_CLASS(CBlockObj), reserve, [&](CObject* pOb, const ClassFacts& facts) {
            auto* pBlock = static_cast<CBlockObj*>(pOb);
            // A block outside the diagram, with a value its record cannot carry or with a
            // number or operand outside the numbering's space, is damage: the view would
            // compute with it past an int's range, the download send it cut.
            if (!IsInsideDiagram(*pBlock) || !HasSendableValues(*pBlock) ||
                !IsSoundNumbering(pBlock->m_nType, pBlock->m_nNumber, pBlock->m_nOperand))
                ThrowBadFormat();
            bool bPending = facts.bMsgText || (bNewGeneration && facts.bDataLog);
            // Every reference slot is looked at, those beyond the type's count unchanged: a
            // loop as long as the count mispredicted its end from one type to the next.
            const int nRefs = ReferenceCount(pBlock->m_nType, bNewGeneration);
            for (int k = 0; k < BLOCK_REF_COUNT; ++k) {
                const bool bCounted = k < nRefs;
                const bool bDrop = bCounted && pBlock->m_nRefBlock[k] < NUM_FUNCTION_BLOCK;
                bPending = bPending || (bCounted && !bDrop);
                if (bDrop)
                    DropReference(pBlock, k);
            }
            if (bPending)
                m_pending.push_back(pBlock);
            m_numbered.push_back({pBlock, pBlock->m_nNumber});
        }, NoRuns{});
    }
    // The blocks that ReadBlocks noted, in list order.
    const std::vector<CBlockObj*>& PendingBlocks() const { return m_pending; }
    // The numbers of the blocks read, in list order.
    std::vector<int> BlockNumbers() const
    {
        std::vector<int> numbers;
        numbers.reserve(m_numbered.size());
        for (const auto& numbered : m_numbered)
            numbers.push_back(numbered.nNumber);
        return numbers;
    }

    // The wires, each resolved as it is read. Their ends are blocks, and every list that can
    // hold a block has been read and checked before the wires, so a wire can find its end
    // blocks by number at once instead of in a second walk over the wires. After the first
    // wire, the wires that follow are read as a run of records of their class: a wire record
    // is small, and the general way to an object cost as much as reading it.
    void ReadWires(CArchive& ar, CObList& lines)
    {
        CVetlaDoc* pDiagram = ArchiveDiagram(ar);
        const auto resolve = [this](CConnectLineObj* pLine) {
            if (!IsInsideDiagram(*pLine))
                ThrowBadFormat();
            if (pLine->m_pDoc == &m_doc)
                pLine->ResolveEnds(*m_index);
            else
                pLine->ResolveEnds();
        };
        const auto taken = [&](CObject* pOb, const ClassFacts&) { resolve(static_cast<CConnectLineObj*>(pOb)); };
        const auto run = [&](CArchive& runAr, DWORD_PTR nLeft) {
            CRecordReader in(runAr);
            return in.ReadRunOf<CConnectLineObj>(
                nLeft, [pDiagram](CConnectLineObj& line, CRecordReader& reader) { line.LoadRecord(reader, pDiagram); },
                [&](CConnectLineObj* pLine) {
                    NoteCreated(pLine);
                    lines.AddTail(pLine);
                    resolve(pLine);
                });
        };
        ReadEach(ar, lines, RUNTIME_CLASS(CConnectLineObj), [](DWORD_PTR) {}, taken, run);
    }

    // From now on block numbers are looked up in an index: the wire ends, the message-text
    // elements and the references all name blocks by number.
    void IndexBlocks() { m_index.emplace(m_doc, m_numbered); }

    // The element arrays of one message-text block: the eight of the file, or the single array
    // of an old file.
    void ReadWidgets(CArchive& ar, CBlockMSGTEXT* pText, BOOL bOldStyle)
    {
        try {
            if (bOldStyle)
                pText->LoadOldStyleWidgets(ar);
            else
                pText->SerializeWidgets(ar);
        } catch (...) {
            AdoptWidgets(pText);
            throw;
        }
        if (!AdoptWidgets(pText))
            ThrowBadFormat();
        for (int i = 0; i < MSGTEXT_WIDGET_ARRAYS; ++i) {
            CObArray& widgets = pText->WidgetArray(i);
            for (INT_PTR k = 0; k < widgets.GetSize(); ++k) {
                if (widgets[k])
                    static_cast<CWidget*>(widgets[k])->ResolveBlock();
            }
        }
    }

private:
    // What the load needs to know of an object's class for the list being read.
    struct ClassFacts {
        bool bOfListClass = false;
        bool bMsgText = false;
        bool bDataLog = false;
    };

    static ClassFacts FactsOf(const CRuntimeClass* pObClass, const CRuntimeClass* pListClass)
    {
        return {pObClass->IsDerivedFrom(pListClass) != FALSE,
                pObClass->IsDerivedFrom(RUNTIME_CLASS(CBlockMSGTEXT)) != FALSE,
                pObClass->IsDerivedFrom(RUNTIME_CLASS(CBlockDataLog)) != FALSE};
    }

    // A list without runs: every record is read by ReadObject.
    struct NoRuns {
        DWORD_PTR operator()(CArchive&, DWORD_PTR) const { return 0; }
    };

    // Reads a list's count, tells it to counted, then reads and takes in the objects. After an
    // object that its record created, run(ar, records left) may read the run of records that
    // follows it and tells how many it read.
    template <class Counted, class Taken, class Run>
    void ReadEach(CArchive& ar, CObList& elements, const CRuntimeClass* pClass, Counted counted, Taken taken,
                  Run run)
    {
        m_lists.push_back(&elements);
        BOOL bClean = TRUE;
        const DWORD_PTR nCount = ar.ReadCount();
        counted(nCount);
        const ClassFacts listFacts = FactsOf(pClass, pClass);
        for (DWORD_PTR nLeft = nCount; nLeft > 0;) {
            --nLeft;
            const CRuntimeClass* pCreatedClass;
            CObject* pOb = ar.ReadObject(nullptr, pCreatedClass);
            if (pCreatedClass) {
                NoteCreated(pOb);
            } else if (!TakeReferenced(pOb)) {
                bClean = FALSE;
                continue;
            }
            const CRuntimeClass* pObClass = pCreatedClass ? pCreatedClass : pOb->GetRuntimeClass();
            const ClassFacts facts = pObClass == pClass ? listFacts : FactsOf(pObClass, pClass);
            if (KeepIfOfClass(pOb, facts)) {
                elements.AddTail(pOb);
                taken(pOb, facts);
                if (pCreatedClass)
                    nLeft -= run(ar, nLeft);
            } else {
                bClean = FALSE;
            }
        }
        if (!bClean)
            ThrowBadFormat();
    }

    BOOL AdoptWidgets(CBlockMSGTEXT* pText)
    {
        BOOL bClean = TRUE;
        for (int i = 0; i < MSGTEXT_WIDGET_ARRAYS; ++i)
            bClean = Adopt(pText->WidgetArray(i), RUNTIME_CLASS(CWidget)) && bClean;
        return bClean;
    }
    // FALSE when an entry had to be taken out.
    BOOL Accept(CObject* pOb, const CRuntimeClass* pClass)
    {
        return TakeReferenced(pOb) && KeepIfOfClass(pOb, FactsOf(pOb->GetRuntimeClass(), pClass));
    }
    // An object that its record has just created: no list or array can hold it yet, as every
    // object taken so far stays alive until the load ends, and no new object can have its
    // address.
    void NoteCreated(CObject* pOb)
    {
        if (m_bOwnedFilled)
            Owned().FindOrAdd(pOb) = kOwned;
    }
    // An object met again, or null: FALSE when there is none or it is taken already.
    BOOL TakeReferenced(CObject* pOb)
    {
        if (!pOb)
            return FALSE;
        DWORD& dwOwned = Owned().FindOrAdd(pOb);
        if (dwOwned)
            return FALSE;
        dwOwned = kOwned;
        return TRUE;
    }
    BOOL KeepIfOfClass(CObject* pOb, const ClassFacts& facts)
    {
        if (facts.bOfListClass)
            return TRUE;
        m_dropped.push_back(pOb);
        return FALSE;
    }
    // The objects taken so far, entered only when an object is met that its record did not
    // create (a back-reference, or an element of a message text): a file without such records,
    // nearly every file, never needs them.
    CPointerIndexMap& Owned()
    {
        if (!m_bOwnedFilled) {
            m_bOwnedFilled = true;
            for (const CObList* pList : m_lists) {
                for (POSITION pos = pList->GetHeadPosition(); pos;) {
                    if (CObject* pOb = pList->GetNext(pos))
                        m_owned.FindOrAdd(pOb) = kOwned;
                }
            }
            for (CObject* pOb : m_dropped)
                m_owned.FindOrAdd(pOb) = kOwned;
        }
        return m_owned;
    }
    // Element arrays may hold null entries: an element is found by its index in the array.
    BOOL Adopt(CObArray& array, const CRuntimeClass* pClass)
    {
        BOOL bClean = TRUE;
        for (INT_PTR i = array.GetSize() - 1; i >= 0; --i) {
            if (array[i] && !Accept(array[i], pClass)) {
                array.RemoveAt(i);
                bClean = FALSE;
            }
        }
        return bClean;
    }

    // The objects already taken into a list or array, in one flat table: a node allocated per
    // object cost as much as reading the objects.
    static constexpr DWORD kOwned = 1;

    CVetlaDoc& m_doc;
    std::vector<const CObList*> m_lists; // read so far
    CPointerIndexMap m_owned;
    bool m_bOwnedFilled = false;
    std::vector<CObject*> m_dropped;
    std::vector<CBlockObj*> m_pending;
    std::vector<CBlockNumberIndex::NumberedBlock> m_numbered;
    std::optional<CBlockNumberIndex> m_index;
};

void CVetlaDoc::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        StoreFile(ar);
    else
        LoadFile(ar);
}

void CVetlaDoc::StoreFile(CArchive& ar)
{
    // A save or an undo snapshot in a run writes the inputs as the file had them, not as the
    // run moved them.
    const SimInputStore::Exchanged held(*this);
    // The object table is sized once for the elements of every list, rather than rebuilt as
    // each list in turn outgrows it.
    ar.ReserveObjects(std::size_t(m_commentList.GetCount() + m_blockList.GetCount() +
                                  m_powerBusList.GetCount() + m_lineList.GetCount()));
    ar.Write(m_byFormatHeader, FORMAT_HEADER_SIZE);
    SerializeSettings(ar);
    m_commentList.Serialize(ar);
    if (IsLadder())
        SerializeOperandMaps(ar);
    SerializeHardware(ar);
    // A run holds the list in its own order for the scan; what is stored is the user's order.
    CObList editOrder;
    CObList* pBlocks = &m_blockList;
    if (!m_editOrder.empty()) {
        for (CBlockObj* pBlock : BlocksInEditOrder())
            editOrder.AddTail(pBlock);
        pBlocks = &editOrder;
    }
    pBlocks->Serialize(ar);
    if (IsLadder())
        m_powerBusList.Serialize(ar);
    m_lineList.Serialize(ar);
    for (POSITION pos = pBlocks->GetHeadPosition(); pos;) {
        CObject* pBlock = pBlocks->GetNext(pos);
        if (pBlock->IsKindOf(RUNTIME_CLASS(CBlockMSGTEXT)))
            static_cast<CBlockMSGTEXT*>(pBlock)->SerializeWidgets(ar);
    }
}

void CVetlaDoc::LoadFile(CArchive& ar)
{
    DocumentLoad load(*this);
    ar.EnsureRead(m_byFormatHeader, FORMAT_HEADER_SIZE);
    SerializeSettings(ar);
    const bool bPagesReset = SettleLoadedPageLayout(*this);
    load.Read(ar, m_commentList, RUNTIME_CLASS(CBlockComment));
    for (POSITION pos = m_commentList.GetHeadPosition(); pos;) {
        if (!IsInsideDiagram(*static_cast<CBlockComment*>(m_commentList.GetNext(pos))))
            ThrowBadFormat();
    }
    if (IsLadder())
        SerializeOperandMaps(ar);
    if (m_byFormatHeader[0] == FORMAT_MARK) {
        SerializeHardware(ar);
    } else {
        m_wHardwareCode = OLD_FILE_HARDWARE_CODE;
        GetHardwareSeries(m_wHardwareCode, &m_strHardwareName, &m_wFirmwareWord);
    }
    // The pointers that the file keeps as numbers are rebuilt by the generation of the loaded
    // hardware.
    const BOOL bNew = IsNewGenerationDoc();
    load.ReadBlocks(ar, m_blockList, bNew);
    // Two function blocks of one number: the wires and references that name it cannot tell
    // which of them they mean.
    if (CheckFunctionNumbering(load.BlockNumbers()) == FunctionNumbering::Twice)
        ThrowBadFormat();
    if (IsLadder()) {
        load.Read(ar, m_powerBusList, RUNTIME_CLASS(CPowerBusObj));
        for (POSITION pos = m_powerBusList.GetHeadPosition(); pos;) {
            if (!IsInsideDiagram(*static_cast<CBlockObj*>(m_powerBusList.GetNext(pos))))
                ThrowBadFormat();
        }
    }
    load.IndexBlocks();
    load.ReadWires(ar, m_lineList);

    // The element arrays of the message texts follow the wires, in the order of their blocks.
    const BOOL bOldStyleTexts = !bNew && m_byFormatHeader[0] != FORMAT_MARK;
    for (CBlockObj* pBlock : load.PendingBlocks()) {
        if (pBlock->IsKindOf(RUNTIME_CLASS(CBlockMSGTEXT)))
            load.ReadWidgets(ar, static_cast<CBlockMSGTEXT*>(pBlock), bOldStyleTexts);
        if (bNew && pBlock->IsKindOf(RUNTIME_CLASS(CBlockDataLog)))
            ResolveDataLogItems(static_cast<CBlockDataLog*>(pBlock));
        const int nRefs = ReferenceCount(pBlock->m_nType, bNew);
        for (int k = 0; k < nRefs; ++k)
            ResolveReference(*this, pBlock, k);
    }
    // Every byte belongs to a record: bytes left over mean that a damaged count or length made
    // the load stop short of what the file holds.
    BYTE byLeftOver = 0;
    if (ar.Read(&byLeftOver, 1) != 0)
        ThrowBadFormat();
    if (bPagesReset)
        GrowBaseToHoldBlocks(*this);
}

void CVetlaDoc::ResolveDataLogItems(CBlockDataLog* pLog) const
{
    const int nCount = pLog->m_nParam[DATALOG_COUNT_PARAM];
    if (nCount < 0 || nCount > DATALOG_MAX_ITEMS)
        ThrowBadFormat();
    pLog->m_arrLogItems.SetSize(nCount);
    for (INT_PTR i = 0; i < pLog->m_arrLogItems.GetSize(); ++i) {
        DataLogItem& item = pLog->m_arrLogItems[i];
        item.nSpare = !item.strItem.IsEmpty() && item.strItem[0] == u'B' ? FindBlockByNumber(item.nValue1)
                                                                          : nullptr;
    }
}

void CVetlaDoc::SerializeSettings(CArchive& ar)
{
    SerializeValue(ar, m_nReserved2);
    SerializeValue(ar, m_nPagesAcross);
    SerializeValue(ar, m_nPagesDown);
    SerializeValues(ar, m_nPageReserved);
    SerializeValue(ar, m_strReserved1);
    SerializeValue(ar, m_strReserved2);
    SerializeValue(ar, m_nReserved1);
    SerializeValue(ar, m_strReserved3);
    SerializeValue(ar, m_strReserved4);
    SerializeValue(ar, m_strReserved5);
    SerializeValue(ar, static_cast<RECT&>(m_rcExtent));
    SerializeValue(ar, m_nDocType);
    if (m_nDocType != DOC_TYPE_FBD && m_nDocType != DOC_TYPE_LAD)
        ThrowBadFormat();
    ProgramSettings& settings = m_settings;
    SerializeValue(ar, settings.strProgramName);
    SerializeValue(ar, settings.strPassword);
    SerializeValue(ar, m_fZoom);
    // The views map every point through the zoom and divide by it: a factor they do not offer
    // (0, negative, huge, not a number) from a damaged or foreign file opens at the default.
    if (ar.IsLoading() && !(m_fZoom >= DOC_ZOOM_MIN && m_fZoom <= DOC_ZOOM_MAX))
        m_fZoom = DOC_ZOOM_DEFAULT;
    // The start-up logo's file stands among the project texts.
    for (int i = 0; i < PROJECT_TEXT_COUNT; ++i) {
        if (i == PROJECT_VERSION1)
            SerializeValue(ar, settings.strLogoFile);
        SerializeValue(ar, settings.strProject[i]);
    }
    SerializeValue(ar, settings.bShowAtNewFile);
    SerializeValue(ar, settings.strComment);
    int* protection[] = {&settings.bCopyProtect, &settings.nRedundancy, &settings.nSyncTime, &settings.nTempHigh,
                         &settings.nTempLow};
    for (int* pValue : protection)
        SerializeValue(ar, *pValue);
    for (ComPortSettings& com : settings.com)
        SerializeComSettings(ar, com);
    SerializeValue(ar, settings.bLogoInverse);
    SerializeValue(ar, m_bHasUploadedLogo);
    SerializeUploadedLogo(ar);
}

void CVetlaDoc::SerializeUploadedLogo(CArchive& ar)
{
    if (ar.IsLoading()) {
        m_pUploadedLogo.reset();
        if (m_bHasUploadedLogo) {
            auto pLogo = std::make_unique<BYTE[]>(UPLOADED_LOGO_SIZE);
            ar.EnsureRead(pLogo.get(), UPLOADED_LOGO_SIZE);
            m_pUploadedLogo = std::move(pLogo);
        }
        return;
    }
    if (!m_bHasUploadedLogo)
        return;
    // A flag set without a logo stores an empty logo rather than reading memory it lacks.
    static const BYTE s_emptyLogo[UPLOADED_LOGO_SIZE] = {};
    ar.Write(m_pUploadedLogo ? m_pUploadedLogo.get() : s_emptyLogo, UPLOADED_LOGO_SIZE);
}

void CVetlaDoc::SerializeOperandMaps(CArchive& ar)
{
    m_mapOperandComment.Serialize(ar);
    m_mapOperandSim.Serialize(ar);
}

void CVetlaDoc::SerializeHardware(CArchive& ar)
{
    SerializeValue(ar, m_wHardwareCode);
    SerializeValue(ar, m_wHardwareCode2);
    SerializeValue(ar, m_wFirmwareWord);
    SerializeValue(ar, m_wFirmwareWord2);
    SerializeValue(ar, m_strHardwareName);
    if (!IsNewGenerationDoc())
        return;
    AnalogSettings& analog = m_settings.analog;
    SerializeValue(ar, analog.bKeepAqValues);
    SerializeChannels(ar, analog.byAqRangeType);
    SerializeChannels(ar, analog.dAqFixedValue);
    if (ar.IsLoading()) {
        for (double dValue : analog.dAqFixedValue) {
            if (!IsSendableAqFixedValue(dValue))
                ThrowBadFormat();
        }
    }
    LcdSettings& lcd = m_settings.lcd;
    int* lcdValues[LCD_SETTING_COUNT] = {&lcd.nLanguage, &lcd.nLogoTime, &lcd.nContrast, &lcd.nBacklight};
    for (int* pValue : lcdValues)
        SerializeValue(ar, *pValue);
    int* msgText[MSGTEXT_DOC_SETTING_COUNT] = {&m_nCharSet1,       &m_nCharSet2,  &m_nDefaultCharSet,
                                           &m_nTickerCharTime, &m_nTickerLineTime, &m_nAiFilter,
                                           &m_nScopeTime};
    for (int* pValue : msgText)
        SerializeValue(ar, *pValue);
    if (ar.IsStoring() || m_byFormatHeader[1] == FORMAT_MARK)
        SerializeValues(ar, analog.nAiRangeType);
}
