// CVetlaDoc: the project document of one FBD or LAD diagram. It owns every element of the
// diagram (blocks, wires, comment boxes and the ladder power rail), the program settings that go
// to the controller with the program, the selected hardware, the ladder operand maps and the
// undo store. One routine, Serialize, writes and reads the project file and the undo snapshots.
#pragma once

#include "blocks/BlockDocument.h"
#include "document/BlockNumberIndex.h"
#include "document/BlockNumbering.h"
#include "document/ProgramSettings.h"
#include "document/SimInputStore.h"
#include "document/UndoStore.h"
#include "platform/core/Document.h"
#include "platform/core/Geometry.h"
#include "platform/core/Map.h"
#include "platform/core/ObList.h"
#include "platform/core/String.h"
#include "platform/core/StringArray.h"
#include "platform/core/Types.h"

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

class CArchive;
class CBlockComment;
class CBlockDataLog;
class CBlockMSGTEXT;
class CBlockObj;
class CConnectLineObj;
class IDocumentObserver;
class RangeNumbering;

// Document types (m_nDocType).
constexpr int DOC_TYPE_FBD = 1;
constexpr int DOC_TYPE_LAD = 2;

// The format header: byte 0 'U' = hardware section present, byte 1 'U' = AI range pair
// present, byte 2 'U' = blocks carry the pin kinds of the current table.
constexpr int FORMAT_HEADER_SIZE = 100;
constexpr BYTE FORMAT_MARK = 'U';
constexpr BYTE FORMAT_FILL = 0xAA;

constexpr int AQ_CHANNEL_COUNT = 32;
constexpr int UPLOADED_LOGO_SIZE = 960;
constexpr int PAGE_RESERVED_COUNT = 8;
// The zoom factors the views offer, and the one a new document starts at.
constexpr float DOC_ZOOM_MIN = 0.25f;
constexpr float DOC_ZOOM_MAX = 4.0f;
constexpr float DOC_ZOOM_DEFAULT = 1.0f;

// What the view asks of HasRoomForBlock before it adds several blocks at once; the out-counts
// are filled for coils (Q, M, X operands) and LAD analog outputs (AQ, AM operands).
struct BlockRoomRequest {
    int nUnused = 0;
    int nCount = 0;
    int nOutCount[3] = {};
};

class CVetlaDoc : public CBlockDocument {
    DECLARE_DYNCREATE(CVetlaDoc)

public:
    CVetlaDoc();
    ~CVetlaDoc() override;

    CVetlaDoc(const CVetlaDoc&) = delete;
    CVetlaDoc& operator=(const CVetlaDoc&) = delete;

    // Framework document operations.
    void Serialize(CArchive& ar) override;
    // A new document's history starts with the document as created, an opened one's with the
    // document as read; both are the state that Undo and Redo find unmodified, and so is the
    // state that a save writes.
    BOOL OnNewDocument() override;
    BOOL OnOpenDocument(LPCTSTR lpszPathName) override;
    // What Open makes of the contents it has loaded, before anything sees them: the series'
    // name and firmware word of the hardware code, and the header a save writes, whose marks
    // promise the hardware section and the current pin kinds.
    void SettleOpenedContents();
    BOOL OnSaveDocument(LPCTSTR lpszPathName) override;
    void DeleteContents() override;
    // The title cut as the framework does, with ".dfb" or ".dld" by the document type.
    CString GetProposedSaveName() const override;

    BOOL IsNewGenerationDoc() const;

    // What the elements see of the document (IBlockDocument). Final, so that the document's
    // own calls stay direct.
    BOOL IsLadder() const final { return m_nDocType == DOC_TYPE_LAD; }
    WORD GetHardwareCode() const final { return m_wHardwareCode; }
    int GetDefaultCharSet() const final { return m_nDefaultCharSet; }
    const CObList& Blocks() const final { return m_blockList; }
    const CObList& Lines() const final { return m_lineList; }
    const CObList& PowerRails() const final { return m_powerBusList; }
    BOOL LookupOperandComment(int nOperand, CString& strComment) const final
    {
        return m_mapOperandComment.Lookup(nOperand, strComment);
    }
    void RemoveOperandComment(int nOperand) final { m_mapOperandComment.RemoveKey(nOperand); }
    void RestartOperandInput(int nOperand, bool bFrequencyOnly) final;
    void RefreshSimInputSettings(CBlockObj& input) final;

    // Block-list services (VetlaDocBlocks.cpp).
    void AddBlock(CBlockObj* pBlock);
    // AddBlock of a block of the numbering's type, numbered as AddBlock numbers it but without
    // a walk of the list (a run of additions of one type).
    void AddBlock(CBlockObj* pBlock, RangeNumbering& numbering);
    void AddPastedBlock(CBlockObj* pBlock);
    // A paste begins: connectors pasted alone before pair with none of its blocks.
    void BeginPaste() { m_mapPastedConnectors.clear(); }
    CBlockObj* FindBlockByNumber(int nNumber) const final
    {
        return m_pNumberIndex ? m_pNumberIndex->Find(nNumber) : FindBlockInList(nNumber);
    }
    // The blocks numbered nFirst to nLast in list order; from the number index while one is
    // set (one block per number), else by a walk of the list.
    std::vector<CBlockObj*> FindBlocksInNumberRange(int nFirst, int nLast) const final;
    // The index of a scan or a load while one lives, else null.
    const CBlockNumberIndex* GetNumberIndex() const final { return m_pNumberIndex; }
    // The shell that was told of this document when it was made, while it is still the
    // documents' observer; null for none.
    IDocumentObserver* GetObserver() const;
    CBlockObj* FindBlockByOperand(int nOperand, int nType) const;
    CBlockObj* BlockAtPoint(int x, int y) const;
    CBlockObj* BlockAtPointWithPins(int x, int y) const;
    CBlockComment* CommentAtPoint(int x, int y) const;
    CConnectLineObj* LineAtPoint(int x, int y);
    void AddLine(CConnectLineObj* pLine);
    void RemoveLine(CConnectLineObj* pLine);
    void AddComment(CBlockComment* pComment);
    int CountFunctionBlocks() const;
    int CountNonConnectorBlocks() const;
    int CountReferenceBlocks(int nExcludeNumber) const;
    int GetProgramSize() const;
    int CountNamedBlocks() const;
    BOOL HasRoomForBlock(int nType, BlockRoomRequest* pRequest) const;
    void UpdateSpecialBlockSizes();
    void SetClickPoint(int x, int y);

    // Names and lookups for pages and the view (VetlaDocNames.cpp).
    static void InitBlockCaptions();
    static void InitParameterNames();
    CString GetBlockLabel(CBlockObj* pBlock) const final;
    // The blocks a page may offer as a parameter reference, or as a value source: one
    // "B%d[type name]" line each, leaving out the block being edited. The lists are filled
    // through their AddString, so that the document needs no window class; null adds nothing.
    enum class BlockChoice { Reference, Value };
    void GetBlockChoiceLines(BlockChoice choice, int nExcludeNumber, CStringArray& lines) const;
    template <class TCombo>
    void FillReferenceCombo(int nExcludeNumber, TCombo* pCombo) const
    {
        FillBlockChoices(BlockChoice::Reference, nExcludeNumber, pCombo);
    }
    template <class TCombo>
    void FillValueBlockCombo(int nExcludeNumber, TCombo* pCombo) const
    {
        FillBlockChoices(BlockChoice::Value, nExcludeNumber, pCombo);
    }
    template <class TList>
    void FillValueBlockList(int nExcludeNumber, TList* pList) const
    {
        FillBlockChoices(BlockChoice::Value, nExcludeNumber, pList);
    }
    CConnectLineObj* FindLineToConnector(CBlockObj* pConnector) const final;
    BOOL IsDuplicateLine(CConnectLineObj* pLine, CBlockObj* pBlock, int nPin) const;

    // Wire route tidying (VetlaDocRoute.cpp): a wire end follows its moved block; pin side
    // LINE_PIN_SIDE_INPUT, _OUTPUT or _NONE (document/LineRoute.h).
    void MoveLineEnd(CConnectLineObj* pLine, int x, int y, BOOL bStart, int nPinSide);
    void SimplifyLine(CConnectLineObj* pLine);

    // Data model, in declaration order.
    int m_nPagesAcross = 1;
    int m_nPagesDown = 1;
    int m_nPageReserved[PAGE_RESERVED_COUNT] = {1, 1, 1, 1, 1, 1, 1, 1};
    int m_bEditLock = 0;
    CRect m_rcExtent;
    // The margins of the last Page Setup (hundredths of a millimetre), kept twice as the
    // document has always kept them; the project file does not hold them.
    CRect m_rcPageMargin;
    CRect m_rcPrintMargin;
    SIZE m_sizeScreen = {};
    int m_bSimulating = 0;
    // The block list in the order the file keeps: the edit order a run kept, any block it does
    // not name after it in list order; the list itself outside a run.
    std::vector<CBlockObj*> BlocksInEditOrder() const;
    // The block list's order before a run, kept while the run holds the list in simulation
    // order, so that the file and the undo snapshots go on holding the order the user made;
    // empty outside a run.
    std::vector<CBlockObj*> m_editOrder;
    CObList m_blockList;
    CObList m_lineList;
    CObList m_commentList;
    // The reserved texts and numbers (and m_nPageReserved) have their places in the project
    // file: a load keeps what the file holds and a save writes it back; nothing else reads them.
    CString m_strReserved1;
    CString m_strReserved2;
    int m_nReserved1 = 0;
    CString m_strReserved3;
    CString m_strReserved4;
    CString m_strReserved5;
    int m_nDocType = DOC_TYPE_FBD;
    int m_nReserved2 = 0;
    ProgramSettings m_settings;
    float m_fZoom = DOC_ZOOM_DEFAULT;  // DOC_ZOOM_MIN .. DOC_ZOOM_MAX
    int m_bHasUploadedLogo = 0;
    std::unique_ptr<BYTE[]> m_pUploadedLogo;  // UPLOADED_LOGO_SIZE bytes when set
    WORD m_wHardwareCode = 0;
    WORD m_wHardwareCode2 = 0;
    WORD m_wFirmwareWord = 0;
    WORD m_wFirmwareWord2 = 0;
    CString m_strHardwareName;
    CMap<int, int, CString, LPCTSTR> m_mapOperandComment;
    CMap<int, int, OperandSimRecord, const OperandSimRecord&> m_mapOperandSim;
    // The simulated-input settings the file keeps, while a run moves the inputs' own.
    SimInputStore m_simInputs;
    CObList m_powerBusList;
    int m_nCharSet1 = 0;
    int m_nCharSet2 = 0;
    int m_nDefaultCharSet = 0;
    int m_nTickerCharTime = 1000;
    int m_nTickerLineTime = 10000;
    int m_nAiFilter = 0;
    int m_nScopeTime = 5;
    CUndoStore m_undo;
    // Tells this open document from every other one, in this process and in other copies of the
    // program: a paste knows by it that it goes back into the document it was copied from.
    const std::uint64_t m_nInstanceId = NewInstanceId();
    POINT m_ptClick = {};
    BYTE m_byFormatHeader[FORMAT_HEADER_SIZE] = {};

protected:
    // A random start for the process, so that two copies of the program number their documents
    // apart, and a count within it.
    static std::uint64_t NewInstanceId();

    // Clears the ladder operand maps: a load merges into them, so a reload that must reproduce
    // a stored state exactly starts from empty maps.
    void PrepareForReload() override;
    // A trial document that starts with the values of this one that a file may leave out.
    std::unique_ptr<CDocument> CreateTrialDocument() const override;
    // Takes over everything the trial has loaded, its elements as they are.
    BOOL AdoptTrialContents(CDocument& trial) override;

private:
    // FindBlockByNumber without an index: the rail, then the first block of the list.
    CBlockObj* FindBlockInList(int nNumber) const;
    // FindBlocksInNumberRange without an index: every block of the run, in list order.
    std::vector<CBlockObj*> FindBlocksInList(int nFirst, int nLast) const;
    // The stored values that a file of an older generation or format leaves out.
    void CopyOptionalStoredValues(const CVetlaDoc& from);
    void TakeStoredValues(CVetlaDoc& loaded);
    void TakeElements(CVetlaDoc& loaded);

    template <class TList>
    void FillBlockChoices(BlockChoice choice, int nExcludeNumber, TList* pList) const
    {
        if (!pList)
            return;
        CStringArray lines;
        GetBlockChoiceLines(choice, nExcludeNumber, lines);
        for (INT_PTR i = 0; i < lines.GetSize(); ++i)
            pList->AddString(lines[i]);
    }

    struct TrialTag {};
    // A document that only a load is tried on: the shell is not told of it, and it keeps no
    // undo history.
    explicit CVetlaDoc(TrialTag);

    friend class CBlockNumberIndex;
    friend class DocumentLoad;

    void InitContents();

    // The project file (VetlaDocSerialize.cpp).
    void StoreFile(CArchive& ar);
    void LoadFile(CArchive& ar);
    void SerializeSettings(CArchive& ar);
    void SerializeUploadedLogo(CArchive& ar);
    void SerializeOperandMaps(CArchive& ar);
    void SerializeHardware(CArchive& ar);
    void ResolveDataLogItems(CBlockDataLog* pLog) const;
    // Numbers a range-numbered block with the lowest free number of its range (and its
    // operand); a full range leaves the block as it was.
    void NumberInRange(CBlockObj* pBlock, BOOL bKeepOperand);
    void NumberPastedConnector(CBlockObj* pBlock);
    // The block joins the list as this document's.
    void AppendBlock(CBlockObj* pBlock);

    // The shell that was told of this document when it was made; null for none.
    IDocumentObserver* m_pObserver = nullptr;
    // Set while a CBlockNumberIndex of this document lives.
    const CBlockNumberIndex* m_pNumberIndex = nullptr;
    // The index of the last scan, for the next one to take over while it still holds.
    std::unique_ptr<BlockNumberTables> m_pKeptNumberTables;
    // Connectors of the current paste still without their partner: old number -> new number,
    // so that the partner pasted after it takes the matching number.
    std::unordered_map<int, int> m_mapPastedConnectors;
};

// The document that holds an element, as the document it is: only diagrams hold elements.
inline CVetlaDoc* AsVetlaDoc(IBlockDocument* pDoc) { return static_cast<CVetlaDoc*>(pDoc); }
inline const CVetlaDoc* AsVetlaDoc(const IBlockDocument* pDoc) { return static_cast<const CVetlaDoc*>(pDoc); }

// The pin's stub rectangle of size 5; FALSE for a null block, a pin outside 0..19 or a pin of
// kind 0.
BOOL GetBlockPinRect(CRect* pRect, CBlockObj* pBlock, int nPin);
