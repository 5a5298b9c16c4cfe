// Every block type of the table through the clipboard: Copy or Cut, then Paste into the document
// it came from and into a new one. Each block goes with the blocks it names and the blocks that
// name it (references, message-text elements, data-log items, a contact's block), and each
// pasted block of the type keeps its stored record, its elements and its logged items, all but
// its number, its message-text slot and its place, with every block it names followed to its new
// number. The function blocks come with every setting their records carry (the catalogue).
#include "EditDocuments.h"

#include "blocks/BlockDataLog.h"
#include "document/FunctionRenumbering.h"
#include "editor/DiagramEditHelpers.h"
#include "support/BlockCatalogue.h"

#include <map>
#include <set>

namespace {

using Numbers = std::map<int, int>;

template <class Fn>
void ForEachWidget(CBlockObj& block, Fn fn)
{
    auto* pText = dynamic_cast<CBlockMSGTEXT*>(&block);
    for (int i = 0; pText && i < MSGTEXT_WIDGET_ARRAYS; ++i) {
        for (INT_PTR k = 0; k < pText->WidgetArray(i).GetSize(); ++k) {
            if (auto* pWidget = static_cast<CWidget*>(pText->WidgetArray(i)[k]))
                fn(*pWidget);
        }
    }
}

// The items that log a block.
template <class Fn>
void ForEachLogItem(CBlockObj& block, Fn fn)
{
    auto* pLog = dynamic_cast<CBlockDataLog*>(&block);
    for (INT_PTR i = 0; pLog && i < pLog->m_arrLogItems.GetSize(); ++i) {
        if (pLog->m_arrLogItems[i].strItem.Left(1) == _T("B"))
            fn(pLog->m_arrLogItems[i]);
    }
}

// The numbers of the blocks a block names.
std::set<int> Named(CBlockObj& block)
{
    std::set<int> named;
    for (int k = 0; k < BLOCK_REF_COUNT; ++k) {
        if (block.m_nParam[BLOCK_REF_USED_PARAM + k])
            named.insert(block.m_nRefBlock[k]);
    }
    ForEachWidget(block, [&](CWidget& w) { named.insert(w.m_nBlockNumber); });
    ForEachLogItem(block, [&](DataLogItem& item) { named.insert(item.nValue1); });
    if (IsLadderContact(block.m_nType) && OperandNamesBlock(block.m_nOperand))
        named.insert(block.m_nOperand);
    named.erase(block.m_nNumber);
    return named;
}

// What write puts into an archive.
template <class Write>
catalogue::Bytes Archived(Write write)
{
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    write(ar);
    ar.Close();
    const auto nLength = std::size_t(file.GetLength());
    BYTE* pData = file.Detach();
    catalogue::Bytes bytes(pData, pData + nLength);
    std::free(pData);
    return bytes;
}

// A block apart from every document, through its record and elements as a clipboard holds it.
std::unique_ptr<CBlockObj> Detached(CBlockObj& block)
{
    catalogue::Bytes bytes = Archived([&](CArchive& ar) {
        ar.WriteObject(&block);
        if (auto* pText = dynamic_cast<CBlockMSGTEXT*>(&block))
            pText->SerializeWidgets(ar);
    });
    CMemFile in(bytes.data(), UINT(bytes.size()));
    CArchive ar(&in, CArchive::load);
    std::unique_ptr<CBlockObj> pCopy(static_cast<CBlockObj*>(ar.ReadObject(RUNTIME_CLASS(CBlockObj))));
    if (auto* pText = dynamic_cast<CBlockMSGTEXT*>(pCopy.get()))
        pText->SerializeWidgets(ar);
    ar.Close();
    return pCopy;
}

// The stored record with its elements and logged items, with the numbers it names taken
// through the table; its own number, slot, wires and place left out.
catalogue::Bytes Record(CBlockObj& block, const Numbers& numbers)
{
    const auto to = [&](int n) {
        const auto it = numbers.find(n);
        return it == numbers.end() ? n : it->second;
    };
    block.m_nNumber = 0;
    block.m_nParamEx[MSGTEXT_SLOT_PARAMEX] *= block.m_nType != BT_MSGTEXT;
    for (int nPin = 0; nPin < BLOCK_FIRST_OUTPUT; ++nPin)
        block.m_nPinSource[nPin] = 0;
    for (int k = 0; k < BLOCK_REF_COUNT; ++k) {
        block.m_nRefBlock[k] = to(block.m_nRefBlock[k]);
        block.m_pRefBlock[k] = nullptr;
    }
    // A contact reads its operand; an I/O block or a coil is its operand, numbered with it.
    if (IsLadderContact(block.m_nType) && OperandNamesBlock(block.m_nOperand))
        block.m_nOperand = to(block.m_nOperand);
    else if (!IsLadderContact(block.m_nType) && GetBlockCategory(block.m_nType) != BLOCK_CATEGORY_FUNCTION)
        block.m_nOperand = 0;
    ForEachLogItem(block, [&](DataLogItem& item) {
        item.nValue1 = to(item.nValue1);
        item.strItem = _T("B");
    });
    catalogue::Bytes bytes = catalogue::Stored(block);
    ForEachWidget(block, [&](CWidget& w) { w.m_nBlockNumber = to(w.m_nBlockNumber); });
    if (auto* pText = dynamic_cast<CBlockMSGTEXT*>(&block)) {
        const catalogue::Bytes elements = Archived([&](CArchive& ar) { pText->SerializeWidgets(ar); });
        bytes.insert(bytes.end(), elements.begin(), elements.end());
    }
    return bytes;
}

class PasteSweep : public EditingTest {
protected:
    // A data log of two function blocks, and a counter's value, a bar graph and an I/O status
    // name on the first message text.
    static void AddLinks(EditDocument& d)
    {
        auto* pLog = static_cast<CBlockDataLog*>(Find(d, BT_DATALOG));
        CBlockObj* pCounter = Find(d, BT_COUNTER);
        CBlockObj* pTimer = Find(d, BT_DPR);
        for (CBlockObj* pLogged : {pCounter, pTimer}) {
            DataLogItem item;
            item.nValue1 = pLogged->m_nNumber;
            item.nSpare = pLogged;
            item.strItem = DataLogItemText(pLogged);
            pLog->m_arrLogItems.Add(item);
        }
        pLog->m_nParam[DATALOG_COUNT_PARAM] = int(pLog->m_arrLogItems.GetSize());
        auto* pText = static_cast<CBlockMSGTEXT*>(Find(d, BT_MSGTEXT));
        const auto place = [&](int nLine, int nColumn, int nKind, int nWidth, CBlockObj* pShown) {
            auto* pWidget = new CWidget;
            pWidget->m_nLine = nLine;
            pWidget->m_nColumn = nColumn;
            pWidget->m_nKind = nKind;
            pWidget->m_nWidth = nWidth;
            pWidget->m_nBlockNumber = pShown->m_nNumber;
            pWidget->m_pBlock = pShown;
            pWidget->m_pDoc = &d.Doc();
            pText->m_arrWidgets2[nLine - 1].Add(pWidget);
        };
        place(1, 1, 0, 5, pCounter);
        place(2, 1, WIDGET_KIND_BARGRAPH, 10, pCounter);
        place(3, 1, WIDGET_KIND_IOSTATUSNAME, 3, Find(d, BT_IN));
    }

    static CBlockObj* Find(EditDocument& d, int nType)
    {
        for (CBlockObj* pBlock : d.Blocks()) {
            if (pBlock->m_nType == nType)
                return pBlock;
        }
        return nullptr;
    }

    // The function-block catalogue of the newer controllers with a block of every other type
    // the language has; a ladder diagram with a contact on a timer.
    static void Fill(EditDocument& d)
    {
        const BYTE byLanguage = d.Doc().IsLadder() ? LANG_LAD : LANG_FBD;
        if (!d.Doc().IsLadder()) {
            catalogue::Builder builder(d.Doc(), true);
            ASSERT_TRUE(builder.Build());
        }
        int nPlaced = 0;
        for (const BlockTypeRow& row : FactoryTypeRows()) {
            if (!(row.byLanguages & byLanguage) || !(row.byGenerations & GEN_NEWER) || Find(d, row.nType) ||
                row.nType == BT_MALE || row.nType == BT_FEMALE)
                continue;
            d.Block(row.nType, 100 + 60 * (nPlaced % 12), 100 + 60 * (nPlaced / 12));
            ++nPlaced;
        }
        if (d.Doc().IsLadder())
            Find(d, BT_MAKE)->m_nOperand = Find(d, BT_DPR)->m_nNumber;
        else
            AddLinks(d);
        // As an opened file has them: the sizes some blocks take on the document's controller.
        d.Doc().UpdateSpecialBlockSizes();
        // A connector pair in place of a wire from an input to an output.
        const bool bLadder = d.Doc().IsLadder();
        CConnectLineObj* pLine = d.Wire(Find(d, bLadder ? BT_MAKE : BT_IN), 10, Find(d, bLadder ? BT_RELAY_COIL : BT_OUT), 0);
        d.View().SetCurrentObjects(nullptr, pLine, nullptr);
        d.View().SeparateLine();
        d.View().Selection().Clear(SELECTION_ALL);
    }

    // The blocks of the type, those they name and those that name them; for a connector both
    // of the pair with the wires into them and the blocks at both far ends.
    static void SelectMember(EditDocument& d, int nType)
    {
        const bool bConnector = nType == BT_MALE || nType == BT_FEMALE;
        const auto isMember = [&](const CBlockObj* pBlock) {
            return bConnector ? IsConnectorBlock(pBlock) : pBlock->m_nType == nType;
        };
        std::set<int> numbers;
        for (CBlockObj* pBlock : d.Blocks()) {
            if (!isMember(pBlock))
                continue;
            numbers.insert(pBlock->m_nNumber);
            numbers.merge(Named(*pBlock));
        }
        for (CBlockObj* pBlock : d.Blocks()) {
            for (int n : Named(*pBlock)) {
                if (d.Doc().FindBlockByNumber(n) && d.Doc().FindBlockByNumber(n)->m_nType == nType)
                    numbers.insert(pBlock->m_nNumber);
            }
        }
        for (CConnectLineObj* pLine : d.Lines()) {
            if (isMember(pLine->m_pEndBlock) && bConnector)
                numbers.insert(pLine->m_nStartBlock);
            if (isMember(pLine->m_pStartBlock) && bConnector)
                numbers.insert(pLine->m_nEndBlock);
        }
        // And whatever the chosen blocks name in turn (a contact's timer at a connector's end).
        for (std::size_t nBefore = 0; nBefore != numbers.size();) {
            nBefore = numbers.size();
            for (int n : std::set<int>(numbers)) {
                if (CBlockObj* pBlock = d.Doc().FindBlockByNumber(n))
                    numbers.merge(Named(*pBlock));
            }
        }
        for (int n : numbers) {
            if (CBlockObj* pBlock = d.Doc().FindBlockByNumber(n))
                d.Select(pBlock);
        }
        for (CConnectLineObj* pLine : d.Lines()) {
            if (bConnector && (isMember(pLine->m_pEndBlock) || isMember(pLine->m_pStartBlock)))
                d.Select(pLine);
        }
    }

    // One member in one way: the differences between the copied blocks of the type and the
    // pasted ones; empty when the paste was refused because the target has no room for the type
    // (a second data log, a cursor key, which is never placed).
    static std::vector<std::string> Sweep(EditDocument& source, EditDocument& target, int nType, bool bCut)
    {
        SelectMember(source, nType);
        source.View().OnEditCopy();
        std::vector<std::unique_ptr<CBlockObj>> copied;
        for (CBlockObj* pBlock : ListSnapshot<CBlockObj>(source.View().Selection().Blocks()))
            copied.push_back(Detached(*pBlock));
        if (bCut)
            source.View().OnEditCut();
        source.View().Selection().Clear(SELECTION_ALL);
        CMessageBoxRecorder boxes;
        for (int i = 0; i < 4; ++i)
            boxes.QueueAnswer(IDYES);
        Paste(target, CPoint(1200, 900));
        const std::vector<CBlockObj*> pasted = ListSnapshot<CBlockObj>(target.View().Selection().Blocks());
        if (pasted.empty() && boxes.Boxes().size() == 1 && boxes.Boxes()[0].type == UINT(MB_ICONSTOP) &&
            !target.Doc().HasRoomForBlock(nType, nullptr))
            return {};
        if (pasted.size() != copied.size())
            return {"pasted " + std::to_string(pasted.size()) + " of " + std::to_string(copied.size()) + " blocks"};
        Numbers numbers;
        for (std::size_t i = 0; i < copied.size(); ++i)
            numbers[copied[i]->m_nNumber] = pasted[i]->m_nNumber;
        std::vector<std::string> differences;
        for (std::size_t i = 0; i < copied.size(); ++i) {
            const std::unique_ptr<CBlockObj> pPasted = Detached(*pasted[i]);
            // An input's high-speed attribute belongs to its point: a new point starts without.
            if (auto* pInput = dynamic_cast<CBlockIn*>(copied[i].get()); pInput && pInput->m_nNumber != pPasted->m_nNumber)
                pInput->m_bHighSpeed = 0;
            const catalogue::Bytes a = Record(*copied[i], numbers);
            const catalogue::Bytes b = Record(*pPasted, {});
            if (copied[i]->m_nType == nType && a != b)
                differences.push_back("block " + std::to_string(i) + " differs from byte " +
                                      std::to_string(std::ranges::mismatch(a, b).in1 - a.begin()));
        }
        // The source gets back what it lost, and keeps only what it had.
        if (&source == &target && !bCut)
            target.View().OnEditDelete();
        if (&source != &target && bCut)
            Paste(source, CPoint(1200, 900));
        source.View().Selection().Clear(SELECTION_ALL);
        target.View().Selection().Clear(SELECTION_ALL);
        return differences;
    }
};

// 207 types in all: the function-block catalogue with the other FBD types, and the ladder's.
TEST_F(PasteSweep, EveryBlockTypeKeepsWhatItHoldsAndNames)
{
    for (const int nDocType : {DOC_TYPE_FBD, DOC_TYPE_LAD}) {
        for (const bool bCut : {false, true}) {
            for (const bool bSame : {true, false}) {
                EditDocument& source = NewDocument(nDocType, HW_NEWER);
                Fill(source);
                std::set<int> types;
                for (CBlockObj* pBlock : source.Blocks())
                    types.insert(pBlock->m_nType);
                for (int nType : types) {
                    SCOPED_TRACE(std::to_string(nType) + (bCut ? " cut" : " copied") +
                                 (bSame ? " into its document" : " into a new one") +
                                 (nDocType == DOC_TYPE_LAD ? ", ladder" : ""));
                    EditDocument& target = bSame ? source : NewDocument(nDocType, HW_NEWER);
                    for (const std::string& strDifference : Sweep(source, target, nType, bCut))
                        ADD_FAILURE() << strDifference;
                }
            }
        }
    }
}

} // namespace
