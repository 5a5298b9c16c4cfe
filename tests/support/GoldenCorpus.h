// The golden corpus: documents of both controller generations, FBD and LAD, built as an edit
// session builds them (blocks placed from the palette lists through the view's placement, wires
// laid by the view after its connection rules allowed them, a wire cut into a connector pair,
// comment boxes placed by the view), with message texts, parameter references, operand
// comments and a data log filled in as the property pages leave them. The catalogue documents
// hold every type code the generation's palette offers; the behaviour documents a smaller set
// with setpoints that run out within the golden simulation script (GoldenTrace.h).
//
// Everything is fixed: the simulated clock of the host frame (the blocks take their stamps from
// it), the positions, the order of placement and of wiring.
#pragma once

#include "GoldenTrace.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockComment.h"
#include "blocks/BlockDataLog.h"
#include "blocks/BlockFactory.h"
#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTime.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "blocks/MessageTextClasses.h"
#include "blocks/PowerBusObj.h"
#include "blocks/Widget.h"
#include "codec/ParameterElement.h"
#include "document/BlockNameMap.h"
#include "document/HardwareSeries.h"
#include "document/VetlaDoc.h"
#include "editor/ChildFrame.h"
#include "editor/PaletteTypes.h"
#include "editor/VetlaView.h"
#include "editor/WorkspaceView.h"
#include "platform/core/Geometry.h"
#include "shell/MainFrame.h"

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace golden {

constexpr WORD kOlderHardware = 0x1188;
// The newer generation's model with the WiFi blocks, whose palette offers the most codes.
constexpr WORD kNewerHardware = 0x5288;

enum class Content { Catalogue, Behaviour };

struct CorpusEntry {
    const char* pszName;  // file name without extension
    int nDocType;
    WORD wHardwareCode;
    Content content;
};

inline const std::vector<CorpusEntry>& Corpus()
{
    static const std::vector<CorpusEntry> entries = {
        {"fbd-older-catalogue", DOC_TYPE_FBD, kOlderHardware, Content::Catalogue},
        {"fbd-newer-catalogue", DOC_TYPE_FBD, kNewerHardware, Content::Catalogue},
        {"lad-older-catalogue", DOC_TYPE_LAD, kOlderHardware, Content::Catalogue},
        {"lad-newer-catalogue", DOC_TYPE_LAD, kNewerHardware, Content::Catalogue},
        {"fbd-older-behaviour", DOC_TYPE_FBD, kOlderHardware, Content::Behaviour},
        {"fbd-newer-behaviour", DOC_TYPE_FBD, kNewerHardware, Content::Behaviour},
        {"lad-older-behaviour", DOC_TYPE_LAD, kOlderHardware, Content::Behaviour},
        {"lad-newer-behaviour", DOC_TYPE_LAD, kNewerHardware, Content::Behaviour},
    };
    return entries;
}

// The project file name as the program proposes it.
inline std::string FileName(const CorpusEntry& entry)
{
    return std::string(entry.pszName) + (entry.nDocType == DOC_TYPE_LAD ? ".dld" : ".dfb");
}

// Once per process: the classes a load creates by name, the caption and name tables (the
// parameter names give the message-text elements their captions), the palette lists.
inline void InitGoldenTables()
{
    static const bool bDone = [] {
        RegisterBlockClasses();
        RegisterMessageTextClasses();
        CVetlaDoc::InitBlockCaptions();
        CVetlaDoc::InitParameterNames();
        InitBlockNames();
        InitPaletteTypeLists();
        return true;
    }();
    (void)bDone;
}

// A new, empty document of the kind and controller, two pages of 1024 x 768 across and down, a
// ladder diagram with its power rail.
inline void MakeNewDocument(CVetlaDoc& doc, int nDocType, WORD wHardwareCode)
{
    doc.m_nDocType = nDocType;
    doc.m_wHardwareCode = wHardwareCode;
    GetHardwareSeries(wHardwareCode, &doc.m_strHardwareName, &doc.m_wFirmwareWord);
    doc.m_sizeScreen = {1024, 768};
    doc.m_nPagesAcross = doc.m_nPagesDown = 2;
    doc.m_rcExtent = CRect(0, 0, 2048, 1536);
    if (nDocType == DOC_TYPE_LAD && doc.m_powerBusList.IsEmpty()) {
        auto* pRail = new CPowerBusObj(BT_POWERBUS);
        pRail->m_ptPos = CPoint(20, 20);
        pRail->m_nWidth = 4;
        pRail->m_nHeight = 1400;
        doc.m_powerBusList.AddTail(pRail);
    }
}

// The application around one document: a main frame, its active child frame and the view of
// the document, as the program has them when a diagram is edited or simulated. The frame's
// clock stands at kStartClock.
class GoldenHost {
public:
    GoldenHost() : m_wOldHardware(g_wHardwareCode)
    {
        InitGoldenTables();
        AfxSetMainFrame(&m_frame);
        m_child.SetActiveView(&m_view);
        m_frame.MDIActivate(&m_child);
        m_child.SetSimTime(&kStartClock);
        m_child.m_bClockSet = 0;
    }
    ~GoldenHost()
    {
        if (m_view.EditMode() == EDIT_MODE_SIMULATE)
            m_view.OnSimulation();
        m_view.SetDocument(nullptr);
        m_pDoc.reset();
        m_child.SetActiveView(nullptr);
        m_frame.MDIActivate(nullptr);
        AfxSetMainFrame(nullptr);
        g_wHardwareCode = m_wOldHardware;
    }
    GoldenHost(const GoldenHost&) = delete;
    GoldenHost& operator=(const GoldenHost&) = delete;

    // A new, empty document of the kind and controller, two pages across and down, a ladder
    // diagram with its power rail.
    CVetlaDoc& NewDocument(int nDocType, WORD wHardwareCode)
    {
        Attach(std::make_unique<CVetlaDoc>());
        CVetlaDoc& doc = *m_pDoc;
        g_wHardwareCode = wHardwareCode;
        MakeNewDocument(doc, nDocType, wHardwareCode);
        m_view.UpdateScrollSizes();
        return doc;
    }

    // The project file opened as the program opens it; null when it cannot be.
    CVetlaDoc* OpenDocument(const std::string& strPath)
    {
        Attach(std::make_unique<CVetlaDoc>());
        if (!m_pDoc->OnOpenDocument(CString::FromUtf8(strPath)))
            return nullptr;
        m_view.UpdateScrollSizes();
        return m_pDoc.get();
    }

    CVetlaDoc& Doc() { return *m_pDoc; }
    CVetlaView& View() { return m_view; }
    CChildFrame& Frame() { return m_child; }

private:
    void Attach(std::unique_ptr<CVetlaDoc> pDoc)
    {
        m_view.SetDocument(nullptr);
        m_pDoc = std::move(pDoc);
        m_view.SetDocument(m_pDoc.get());
    }

    WORD m_wOldHardware;
    CMainFrame m_frame;
    CChildFrame m_child;
    CVetlaView m_view;
    std::unique_ptr<CVetlaDoc> m_pDoc;
};

// The type codes the palette offers a document of the kind and controller, every tab, in the
// palette's order.
inline std::vector<int> PaletteCodes(int nDocType, WORD wHardwareCode)
{
    std::vector<int> codes;
    for (int nTab : {PALETTE_TAB_BSC, PALETTE_TAB_TMR, PALETTE_TAB_IO, PALETTE_TAB_MISC, PALETTE_TAB_AUX,
                     PALETTE_TAB_MATH, PALETTE_TAB_PROFILE}) {
        for (UINT nCode : CWorkspaceView::PaletteItems(nTab, HIBYTE(wHardwareCode), nDocType == DOC_TYPE_LAD))
            codes.push_back(int(nCode));
    }
    return codes;
}

// What a build left undone; a corpus test requires all of it empty.
struct BuildReport {
    std::vector<int> refusedTypes;  // codes the placement refused
    int nWires = 0;
    int nRefusedWires = 0;          // pins whose every candidate the connection rules refused
    std::set<int> placedTypes;
};

// Builds one document into a host, block by block in a grid, feeding the inputs of each new
// block from earlier blocks so that no wire closes a loop.
class DiagramBuilder {
public:
    DiagramBuilder(GoldenHost& host, const CorpusEntry& entry)
        : m_host(host), m_doc(host.NewDocument(entry.nDocType, entry.wHardwareCode)), m_entry(entry)
    {
    }

    BuildReport Build()
    {
        if (IsLadder())
            PlaceContacts();
        else
            PlaceInputs();
        for (int nType : TypesToPlace())
            PlaceWired(nType);
        if (m_entry.content == Content::Catalogue)
            AddDocumentExtras();
        return m_report;
    }

private:
    static constexpr int kDigitalSources = 8;
    static constexpr int kAnalogSources = 4;
    static constexpr int kColumns = 14;

    bool IsLadder() const { return m_entry.nDocType == DOC_TYPE_LAD; }
    bool IsNewer() const { return IsNewGeneration(m_entry.wHardwareCode); }
    CVetlaView& View() { return m_host.View(); }

    std::vector<int> TypesToPlace() const
    {
        const std::vector<int> offered = PaletteCodes(m_entry.nDocType, m_entry.wHardwareCode);
        std::vector<int> types = m_entry.content == Content::Catalogue ? offered : BehaviourTypes();
        // A behaviour diagram keeps to what the generation offers; the sources are placed first.
        std::erase_if(types, [&](int nType) {
            return std::find(offered.begin(), offered.end(), nType) == offered.end() ||
                   (!IsLadder() && (nType == BT_IN || nType == BT_ANALOG_IN));
        });
        return types;
    }

    // Each block after the one it should follow: a counter after a pulse generator, the analog
    // comparators after the blocks whose value changes.
    std::vector<int> BehaviourTypes() const
    {
        if (IsLadder())
            return {BT_AND_EDGE, BT_DPR, BT_DDR, BT_CPG, BT_APG, BT_COUNTER, BT_SLS, BT_MFS, BT_WT, BT_YT, BT_LR,
                    BT_AAMP, BT_ARAMP, BT_ATHTRG, BT_RELAY_COIL, BT_RELAY_COIL, BT_INV_OUT, BT_RELAY_COIL,
                    BT_AOUT_LAD};
        return {BT_AND, BT_OR, BT_NOT, BT_XOR, BT_NAND_EDGE, BT_DPR, BT_DDR, BT_MPLR, BT_PLR, BT_CPG, BT_RPR,
                BT_APG, BT_COUNTER, BT_RG, BT_SLS, BT_MFS, BT_WT, BT_YT, BT_THTRG, BT_AAMP, BT_ARAMP, BT_ATHTRG,
                BT_ACOMP, BT_AMATH, BT_MAXMIN, BT_LR, BT_SREG, BT_RAND, BT_FLAG, BT_FLAG, BT_OUT, BT_OUT, BT_OUT,
                BT_OUT, BT_ANALOG_OUT, BT_ANALOG_FLAG};
    }

    CPoint NextCell()
    {
        const int nCell = m_nCell++;
        return CPoint(90 + 100 * (nCell % kColumns), 40 + 90 * (nCell / kColumns));
    }

    CBlockObj* Place(int nType)
    {
        POINT pt = NextCell();
        CBlockObj* pBlock = View().PlaceNewBlock(nType, &pt);
        if (!pBlock) {
            m_report.refusedTypes.push_back(nType);
            return nullptr;
        }
        m_doc.AddBlock(pBlock);
        m_report.placedTypes.insert(nType);
        return pBlock;
    }

    CBlockObj* Rail() { return static_cast<CBlockObj*>(m_doc.m_powerBusList.GetHead()); }

    static CPoint PinCentre(CBlockObj* pBlock, int nPin)
    {
        CRect rc;
        GetBlockPinRect(&rc, pBlock, nPin);
        return rc.CenterPoint();
    }

    // A wire from the output of pFrom (or the rail) to input nPin of pTo, when the view's
    // connection rules allow it.
    bool Wire(CBlockObj* pFrom, CBlockObj* pTo, int nPin)
    {
        CConnectLineObj probe;
        probe.m_pDoc = &m_doc;
        probe.m_pStartBlock = pFrom;
        probe.m_nStartBlock = pFrom->m_nNumber;
        probe.m_nStartPin = BLOCK_FIRST_OUTPUT;
        if (CheckConnectionRules(m_doc, probe, *pTo, nPin) != HOVER_ALLOWED)
            return false;
        const CPoint ptTo = PinCentre(pTo, nPin);
        const bool bRail = IsLadder() && pFrom == Rail();
        const CPoint ptFrom = bRail ? CPoint(pFrom->m_ptPos.x, ptTo.y) : PinCentre(pFrom, BLOCK_FIRST_OUTPUT);
        if (!View().WireTool().ConnectPins(ptFrom, pFrom, BLOCK_FIRST_OUTPUT, ptTo, pTo, nPin))
            return false;
        ++m_report.nWires;
        return true;
    }

    // An input pin takes the first allowed candidate in a fixed rotation: the first pin of a
    // function block an input (so that clicks reach it), every other pin an earlier block of the
    // pin's kind, counted back from the newest, so that the blocks form chains.
    void FeedInputs(CBlockObj* pBlock)
    {
        const bool bFunction = pBlock->m_nNumber >= NUM_FUNCTION_BLOCK && pBlock->m_nNumber < NUM_MAKE;
        for (int nPin = 0; nPin < pBlock->m_nInputs && nPin < BLOCK_FIRST_OUTPUT; ++nPin) {
            if (pBlock->m_nPinSource[nPin] != LINK_OPEN)
                continue;
            const int nKind = pBlock->m_nPinKind[nPin];
            if (nKind != PINKIND_DIGITAL && nKind != PINKIND_ANALOG)
                continue;
            const bool bFromInput = nKind == PINKIND_DIGITAL && nPin == 0 && bFunction;
            const std::vector<CBlockObj*>& pool = nKind == PINKIND_ANALOG ? m_analog : bFromInput ? m_inputs : m_digital;
            bool bWired = false;
            for (std::size_t i = 0; i < pool.size() && !bWired; ++i) {
                // Inputs in turn; a function block's other pins from one, two or three back from
                // the newest block, an output's or a flag's from anywhere back.
                const std::size_t nStart = bFromInput ? m_nPick : bFunction ? m_nPick % 3 : m_nPick * 5;
                const std::size_t nTurn = (nStart + i) % pool.size();
                CBlockObj* pFrom = bFromInput ? pool[nTurn] : pool[pool.size() - 1 - nTurn];
                bWired = pFrom != pBlock && Wire(pFrom, pBlock, nPin);
            }
            ++m_nPick;
            if (!bWired && !pool.empty())
                ++m_report.nRefusedWires;
        }
    }

    void AddSource(CBlockObj* pBlock)
    {
        if (pBlock->m_nOutputs < 1)
            return;
        const int nKind = pBlock->m_nPinKind[BLOCK_FIRST_OUTPUT];
        if (nKind == PINKIND_DIGITAL)
            m_digital.push_back(pBlock);
        else if (nKind == PINKIND_ANALOG)
            m_analog.push_back(pBlock);
    }

    void PlaceInputs()
    {
        for (int i = 0; i < kDigitalSources; ++i) {
            if (CBlockObj* pIn = Place(BT_IN)) {
                m_inputs.push_back(pIn);
                AddSource(pIn);
            }
        }
        for (int i = 0; i < kAnalogSources; ++i) {
            if (CBlockObj* pIn = Place(BT_ANALOG_IN))
                AddSource(pIn);
        }
    }

    // Make contacts on inputs I1..I8 and analog contacts on AI1..AI4, each on the rail.
    void PlaceContacts()
    {
        for (int i = 0; i < kDigitalSources; ++i) {
            if (CBlockObj* pContact = Place(BT_MAKE)) {
                pContact->m_nOperand = NUM_INPUT + i;
                Wire(Rail(), pContact, 0);
                m_inputs.push_back(pContact);
                m_digital.push_back(pContact);
            }
        }
        for (int i = 0; i < kAnalogSources; ++i) {
            if (CBlockObj* pContact = Place(BT_ACONTACT)) {
                pContact->m_nOperand = NUM_ANALOG_IN + i;
                Wire(Rail(), pContact, 0);
                m_analog.push_back(pContact);
            }
        }
    }

    void PlaceWired(int nType)
    {
        CBlockObj* pBlock = Place(nType);
        if (!pBlock)
            return;
        Configure(*pBlock);
        if (IsLadder() && (nType == BT_MAKE || nType == BT_BREAK || nType == BT_ACONTACT))
            Wire(Rail(), pBlock, 0);
        else
            FeedInputs(pBlock);
        AddSource(pBlock);
    }

    // The settings a property page would have given: short setpoints, low thresholds, cams
    // and dates that the script's clock passes, operands of the ladder elements.
    void Configure(CBlockObj& block)
    {
        const int nType = block.m_nType;
        if ((nType >= BT_DPR && nType <= BT_MFS) || nType == BT_AC || nType == BT_SW) {
            block.m_nParam[10] = 1;  // TH: 1 s
            block.m_nParam[9] = 0;
            block.m_nParam[8] = 1;
            block.m_nParamEx[2] = 2;  // TL: 0.50 s
            block.m_nParamEx[1] = 0;
            block.m_nParamEx[0] = 50;
        }
        if (nType == BT_RPR)
            block.m_nParamEx[3] = 1;
        if (auto* pTimer = dynamic_cast<CBlockTime*>(&block); pTimer && nType == BT_WT) {
            pTimer->m_bDay[0][1] = 1;  // Monday 08:01 to 23:59
            pTimer->m_bOnDisabled[0] = 0;
            pTimer->m_bOffDisabled[0] = 0;
            pTimer->m_nOnTime[0][0] = 8;
            pTimer->m_nOnTime[0][1] = 1;
            pTimer->m_nOffTime[0][0] = 23;
            pTimer->m_nOffTime[0][1] = 59;
        }
        if (nType == BT_YT) {
            block.m_nParam[9] = 3;  // 4 March to 5 March
            block.m_nParam[8] = 4;
            block.m_nParamEx[1] = 3;
            block.m_nParamEx[0] = 5;
        }
        if (nType == BT_COUNTER || nType == BT_HCOUNTER) {
            block.m_nParam[9] = 3;
            block.m_nParamEx[1] = 2;
        }
        if (nType == BT_RAND)
            block.m_nParam[9] = 1000;
        // The simulated analog inputs give no level to the blocks they feed: the offsets give
        // each analog block a value of its own, between the thresholds of the next ones.
        if (auto* pAnalog = dynamic_cast<CBlockAnalog*>(&block)) {
            pAnalog->m_nOffset = 100 + 60 * (m_nAnalogBlocks++ % 6);
            pAnalog->m_nThreshold1 = 300;
            pAnalog->m_nThreshold2 = 200;
        }
        ConfigureOperand(block);
    }

    void ConfigureOperand(CBlockObj& block)
    {
        switch (block.m_nType) {
        case BT_MAKE:
            block.m_nOperand = NUM_INPUT + 2;
            break;
        case BT_BREAK:
            block.m_nOperand = NUM_INPUT + 1;
            break;
        case BT_ACONTACT:
            block.m_nOperand = NUM_ANALOG_IN + 1;
            break;
        case BT_RELAY_COIL:
            block.m_nOperand = m_nNextCoil < 4 ? NUM_OUTPUT + m_nNextCoil : NUM_FLAG + m_nNextCoil - 4;
            ++m_nNextCoil;
            break;
        case BT_INV_OUT:
            block.m_nOperand = NUM_OUTPUT + 7;
            break;
        case BT_AOUT_LAD:
            block.m_nOperand = NUM_ANALOG_OUT;
            break;
        default:
            break;
        }
    }

    CBlockObj* FirstOfType(int nType)
    {
        for (POSITION pos = m_doc.m_blockList.GetHeadPosition(); pos;) {
            auto* pBlock = static_cast<CBlockObj*>(m_doc.m_blockList.GetNext(pos));
            if (pBlock->m_nType == nType)
                return pBlock;
        }
        return nullptr;
    }

    // What the catalogue documents carry besides blocks and wires.
    void AddDocumentExtras()
    {
        AddReferences();
        AddMessageText();
        AddDataLog();
        AddComment(120, 1300, _T("Golden corpus"));
        AddComment(700, 1300, _T("Second\r\ncomment"));
        if (IsLadder()) {
            m_doc.m_mapOperandComment.SetAt(NUM_INPUT, _T("Start button"));
            m_doc.m_mapOperandComment.SetAt(NUM_OUTPUT, _T("Motor"));
            m_doc.m_mapOperandSim.SetAt(NUM_INPUT, OperandSimRecord{1, 0, 0, 9999, 2});
        }
        SeparateOneWire();
    }

    // An on-delay whose TH comes from an analog amplifier, a counter whose ON threshold comes
    // from an analog math block.
    void AddReferences()
    {
        const std::pair<int, int> refs[] = {{BT_DPR, BT_AAMP}, {BT_COUNTER, BT_AMATH}};
        for (auto [nUser, nSource] : refs) {
            CBlockObj* pUser = FirstOfType(nUser);
            CBlockObj* pSource = FirstOfType(nSource);
            if (!pUser || !pSource)
                continue;
            pUser->m_nRefBlock[0] = pSource->m_nNumber;
            pUser->m_pRefBlock[0] = pSource;
        }
    }

    // An element as the message-text editor places it: on a line (1 to 4) and from a column
    // (1 on), the display's own, showing entry nKind of the block's parameter list with that
    // entry's id, caption and width.
    void AddWidget(CBlockMSGTEXT& text, int nScreen, const CBlockObj* pBlock, int nKind, int nLine, int nColumn)
    {
        const auto entry = pBlock ? FindParameterEntry(pBlock->m_nType, nKind, IsNewer()) : std::nullopt;
        if (!entry)
            return;
        auto* pWidget = new CWidget(nColumn * 8, nLine * 16, 40, 16, RGB(0, 0, 255));
        pWidget->m_nBlockNumber = pBlock->m_nNumber;
        pWidget->m_pBlock = const_cast<CBlockObj*>(pBlock);
        pWidget->m_nKind = nKind;
        pWidget->m_nLine = nLine;
        pWidget->m_nColumn = nColumn;
        ApplyParameterEntry(*pWidget, *entry);
        pWidget->m_pDoc = &m_doc;
        (nScreen == 1 ? text.m_arrWidgets1 : text.m_arrWidgets2)[nLine - 1].Add(pWidget);
    }

    // Text and elements where the editor lets a user put them: cells and elements from line 1
    // and column 1 (row and column 0 are the grid's headings), one element a line, no text
    // under an element.
    void AddMessageText()
    {
        auto* pText = dynamic_cast<CBlockMSGTEXT*>(FirstOfType(BT_MSGTEXT));
        if (!pText)
            return;
        pText->m_strCells1[1][1] = _T("H");
        pText->m_strCells1[1][2] = _T("i");
        pText->m_strCells1[3][4] = _T("T");
        AddWidget(*pText, 1, FirstOfType(BT_DPR), 0, 1, 5);
        AddWidget(*pText, 1, FirstOfType(BT_COUNTER), 1, 2, 1);
        AddWidget(*pText, 1, FirstOfType(BT_AAMP), 2, 4, 1);
        if (IsNewer()) {
            pText->m_strCells2[2][3] = _T("x");
            AddWidget(*pText, 2, FirstOfType(BT_AMATH), 2, 3, 2);
        }
    }

    void AddDataLog()
    {
        auto* pLog = dynamic_cast<CBlockDataLog*>(FirstOfType(BT_DATALOG));
        if (!pLog)
            return;
        for (const CBlockObj* pLogged : {FirstOfType(BT_DPR), FirstOfType(BT_COUNTER)}) {
            if (!pLogged)
                continue;
            DataLogItem item;
            item.strItem.Format(_T("B%03d"), pLogged->m_nNumber - NUM_FUNCTION_BLOCK + 1);
            item.strParam = _T("Cur");
            item.nValue1 = pLogged->m_nNumber;
            item.nValue2 = 1;
            pLog->m_arrLogItems.Add(item);
        }
    }

    void AddComment(int x, int y, LPCTSTR pszText)
    {
        CBlockComment* pComment = View().PlaceComment(x, y);
        if (!pComment)
            return;
        pComment->m_strBoxText = pszText;
        m_doc.AddComment(pComment);
    }

    // The wire into the first function block's first input becomes a connector pair, as Cut
    // does to a selected wire.
    void SeparateOneWire()
    {
        for (POSITION pos = m_doc.m_lineList.GetHeadPosition(); pos;) {
            auto* pLine = static_cast<CConnectLineObj*>(m_doc.m_lineList.GetNext(pos));
            if (!pLine->m_pStartBlock || !pLine->m_pEndBlock || pLine->m_pStartBlock->m_nType == BT_POWERBUS ||
                pLine->m_pEndBlock->m_nNumber < NUM_FUNCTION_BLOCK)
                continue;
            View().Selection().Clear(SELECTION_ALL);
            View().Selection().Add(pLine);
            View().SetCurrentObjects(nullptr, pLine, nullptr);
            View().SeparateLine();
            View().Selection().Clear(SELECTION_ALL);
            return;
        }
    }

    GoldenHost& m_host;
    CVetlaDoc& m_doc;
    CorpusEntry m_entry;
    BuildReport m_report;
    int m_nCell = 0;
    std::size_t m_nPick = 0;
    int m_nNextCoil = 0;
    int m_nAnalogBlocks = 0;
    std::vector<CBlockObj*> m_inputs;
    std::vector<CBlockObj*> m_digital;
    std::vector<CBlockObj*> m_analog;
};

} // namespace golden
