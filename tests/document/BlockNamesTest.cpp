#include "DocTestSupport.h"
#include "RuleDiagram.h"

#include "blocks/BlockComment.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "document/BlockNameMap.h"
#include "document/BlockNames.h"
#include "document/ModelSettings.h"
#include "platform/core/StringTable.h"

#include <algorithm>
#include <set>
#include <string>

namespace {

std::u16string Text(const CString& str)
{
    return std::u16string(str.View());
}

std::u16string Caption(int nType)
{
    CString str;
    return g_mapBlockCaption.Lookup(nType, str) ? Text(str) : u"<none>";
}

using BlockNames = DocTest;

// Every type of the catalogue but the two halves of a cut wire has a caption, and every
// catalogue name is in the string table.
TEST_F(BlockNames, EveryCatalogueTypeHasItsCaptionAndDisplayName)
{
    CVetlaDoc doc;
    std::set<int> captioned;
    for (const BlockTypeRow& row : BlockTypeRows()) {
        if (row.caption.pszEnglish)
            captioned.insert(row.nType);
    }
    EXPECT_EQ(captioned.size(), 116u);
    for (const BlockTypeRow& entry : FactoryTypeRows()) {
        const bool bConnector = entry.nType == BT_MALE || entry.nType == BT_FEMALE;
        EXPECT_EQ(captioned.count(entry.nType), bConnector ? 0u : 1u) << entry.nType;
        EXPECT_EQ(Caption(entry.nType) == u"<none>", bConnector) << entry.nType;
        if (entry.texts.nNameId == 0)
            continue;
        CString strName;
        EXPECT_TRUE(strName.LoadString(entry.texts.nNameId)) << entry.texts.nNameId;
        EXPECT_FALSE(strName.IsEmpty()) << entry.texts.nNameId;
    }
}

// The Chinese interface renames the WiFi blocks, leaves the cursor and soft keys as they were
// and takes the block names from the string table, keeping the English caption for a name the
// table lacks rather than showing empty brackets.
TEST_F(BlockNames, ChineseCaptions)
{
    g_mapBlockCaption.SetAt(BT_CURSOR_KEY, _T("[kept]"));
    {
        GlobalScope chinese(g_bChineseUI, 1);
        CVetlaDoc::InitBlockCaptions();
        EXPECT_EQ(Caption(BT_WIFI_IN), u"[WIFI Input]");
        EXPECT_EQ(Caption(BT_WIFI_AOUT), u"[WIFI Analog Output]");
        EXPECT_EQ(Caption(BT_CURSOR_KEY), u"[kept]");
        EXPECT_EQ(Caption(BT_AND), u"[与]");
        EXPECT_EQ(Caption(BT_QUAD), u"[Quadratic equation]");
    }
    const BlockCaption fromTable{u"[Analog output]", ChineseCaption::FromStrings, 487, nullptr};
    EXPECT_EQ(Text(BlockCaptionText(fromTable, TRUE)), u"[Analog Output]");
    EXPECT_EQ(Text(BlockCaptionText(fromTable, FALSE)), u"[Analog output]");
    CVetlaDoc::InitBlockCaptions();
    EXPECT_EQ(Caption(BT_CURSOR_KEY), u"[Cursor Key]");
}

// Every Chinese block name id has its text in the string table (none falls back to the English
// caption), and every type the palette offers has one but the WiFi blocks, whose captions are
// their own.
TEST_F(BlockNames, EveryBlockNameIdHasAChineseText)
{
    const auto entries = ProgramStringEntries();
    int nCaptions = 0;
    for (const BlockTypeRow& row : BlockTypeRows()) {
        if (row.caption.chinese == ChineseCaption::FromStrings)
            ++nCaptions;
        if (row.caption.nChineseId != 0) {
            const auto it = std::ranges::find(entries, row.caption.nChineseId, &StringTableEntry::id);
            ASSERT_NE(it, entries.end()) << row.caption.nChineseId;
            EXPECT_NE(it->chinese, nullptr) << row.caption.nChineseId;
        }
        if (row.palette.group != PaletteGroup::None && row.caption.chinese != ChineseCaption::Own) {
            EXPECT_NE(ChineseBlockName(row.caption), nullptr) << row.nType;
        }
    }
    EXPECT_EQ(nCaptions, 47);
}

// Every user of the names fills them first: a second fill must not add a second copy.
TEST_F(BlockNames, ParameterNamesAreFilledOnce)
{
    CVetlaDoc::InitParameterNames();
    CVetlaDoc::InitParameterNames();
    EXPECT_EQ(g_arrParameterNames.GetSize(), PARAMETER_NAME_COUNT);
}

struct LabelCase {
    int nType;
    int nNumber;
    int nOperand;
    WORD wHardware;
    std::u16string label;
};

class BlockLabels : public DocTest, public testing::WithParamInterface<LabelCase> {};

TEST_P(BlockLabels, AddressOfTheBlock)
{
    const LabelCase& c = GetParam();
    CVetlaDoc doc;
    doc.m_wHardwareCode = c.wHardware;
    // Elements that ladder operands of 21000 and more name.
    auto addNamed = [&doc](int nType, int nNumber, int nOperand) {
        CBlockObj* pBlock = CreateBlockForType(nType, nullptr, nullptr);
        pBlock->m_nNumber = nNumber;
        pBlock->m_nOperand = nOperand;
        doc.m_blockList.AddTail(pBlock);
        return pBlock;
    };
    addNamed(BT_RELAY_COIL, 21000, 617);
    addNamed(BT_RELAY_COIL, 21001, 1320);
    addNamed(BT_AOUT_LAD, 22000, 4290);
    addNamed(BT_AOUT_LAD, 22001, 4231);
    EXPECT_EQ(Text(doc.GetBlockLabel(addNamed(c.nType, c.nNumber, c.nOperand))), c.label);
}

constexpr WORD kNew = 0x5188;
constexpr WORD kOld = 0x2188;

INSTANTIATE_TEST_SUITE_P(
    Types, BlockLabels,
    testing::Values(LabelCase{BT_COUNTER, 9012, 0, kNew, u"B12"}, LabelCase{BT_DATALOG, 8951, 1, kNew, u"L1"},
                    LabelCase{BT_DATALOG, 9003, 0, kNew, u"L53"}, LabelCase{BT_CURSOR_KEY, 9003, 0, kNew, u"C3"},
                    LabelCase{BT_HIGH, 9004, 0, kNew, u"High"}, LabelCase{BT_LOW, 1871, 1, kNew, u"Low"},
                    LabelCase{BT_IN, 133, 33, kNew, u"I101"}, LabelCase{BT_OUT, 617, 17, kOld, u"Q101"},
                    LabelCase{BT_ANALOG_IN, 4009, 9, kNew, u"AI101"}, LabelCase{BT_ANALOG_OUT, 4235, 5, kNew, u"AQ101"},
                    LabelCase{BT_SHIFT, 1019, 19, kNew, u"S1.3"}, LabelCase{BT_SHIFT, 1019, 19, kOld, u"S19"},
                    LabelCase{BT_FLAG, 1319, 3, kNew, u"M3"}, LabelCase{BT_ANALOG_FLAG, 4290, 2, kNew, u"AM2"},
                    LabelCase{BT_MAKE, 12000, 1870, kNew, u"Low"}, LabelCase{BT_BREAK, 15000, 2900, kNew, u"High"},
                    LabelCase{BT_MAKE, 12001, 133, kNew, u"I101"}, LabelCase{BT_MAKE, 12002, 9005, kNew, u"B5"},
                    LabelCase{BT_MAKE, 12003, 1017, kNew, u"S17"}, LabelCase{BT_MAKE, 12004, 1301, kNew, u"F1"},
                    LabelCase{BT_BREAK, 15002, 1280, kNew, u"C0"},
                    LabelCase{BT_MAKE, 12005, 21000, kNew, u"Q101"}, LabelCase{BT_BREAK, 15001, 21001, kNew, u"M4"},
                    LabelCase{BT_MAKE, 12006, 21999, kNew, u"I21899"}, LabelCase{BT_ACONTACT, 18000, 22000, kNew, u"AM2"},
                    LabelCase{BT_ACONTACT, 18001, 22001, kNew, u"AQ001"}, LabelCase{BT_ACONTACT, 18002, 4009, kNew, u"AI101"},
                    LabelCase{BT_RELAY_COIL, 21002, 4801, kNew, u"X1"},
                    LabelCase{BT_RELAY_COIL, 21004, 21000, kNew, u"Q101"}, LabelCase{BT_INV_OUT, 21003, 605, kNew, u"Q005"},
                    LabelCase{BT_AOUT_LAD, 22002, 4230, kNew, u"AQ000"}, LabelCase{BT_AOUT_LAD, 22003, 4300, kNew, u"AM12"}),
    [](const auto& info) {
        return "Type" + std::to_string(info.param.nType) + "Operand" + std::to_string(info.param.nOperand) +
               (info.param.wHardware == kOld ? "Old" : "New");
    });

TEST_F(BlockNames, NullBlockHasNoLabel)
{
    CVetlaDoc doc;
    EXPECT_TRUE(doc.GetBlockLabel(nullptr).IsEmpty());
}

// A list control as the pages hand it in.
struct FakeList {
    int AddString(LPCTSTR psz)
    {
        items.push_back(psz);
        return int(items.size()) - 1;
    }
    std::vector<std::u16string> items;
};

class BlockChoices : public DocTest {
protected:
    // The name map holds the counter's name alone, whatever another test built before.
    BlockChoices()
    {
        g_mapBlockNames.RemoveAll();
        g_mapBlockNames.SetAt(BT_COUNTER, _T("[Up/Down Counter]"));
        Add(BT_COUNTER, 0x01);   // B0
        Add(BT_AND, 0x0F);       // B1: a gate is never offered
        Add(BT_ACOMP, 0x00);     // B2
        Add(BT_DPR, 0x09);       // B3
        Add(BT_IN, 0x0F);        // an input is no function block
        Add(BT_MEM, 0x08);       // B4
    }
    ~BlockChoices() override { g_mapBlockNames.RemoveAll(); }

    void Add(int nType, BYTE nCaps) { AddNew(m_doc, nType)->m_nCapFlags = nCaps; }

    CVetlaDoc m_doc;
};

// The older generation offers the counters and analog blocks, the newer what the capability
// flags allow; neither offers the block asking.
TEST_F(BlockChoices, ReferencesByGeneration)
{
    const auto offered = [this](WORD wCode, int nAsking) {
        m_doc.m_wHardwareCode = wCode;
        FakeList combo;
        m_doc.FillReferenceCombo(nAsking, &combo);
        return combo.items;
    };
    EXPECT_EQ(offered(kOld, -1), (std::vector<std::u16string>{u"B0[Up/Down Counter]", u"B2"}));
    EXPECT_EQ(offered(kOld, 9000), (std::vector<std::u16string>{u"B2"}));
    EXPECT_EQ(offered(kNew, 9003), (std::vector<std::u16string>{u"B0[Up/Down Counter]"}));
}

TEST_F(BlockChoices, ValueBlocksInBothGenerations)
{
    for (WORD wCode : {kOld, kNew}) {
        m_doc.m_wHardwareCode = wCode;
        FakeList combo;
        FakeList list;
        m_doc.FillValueBlockCombo(-1, &combo);
        m_doc.FillValueBlockList(9004, &list);
        EXPECT_EQ(combo.items, (std::vector<std::u16string>{u"B3", u"B4"}));
        EXPECT_EQ(list.items, (std::vector<std::u16string>{u"B3"}));
    }
    m_doc.FillReferenceCombo(-1, static_cast<FakeList*>(nullptr));
}

using ElementLookups = RuleDiagram;

TEST_F(ElementLookups, WireIntoAConnector)
{
    auto [pSource, pGate] = Blocks(BT_COUNTER, BT_AND);
    auto [pMale, pFemale] = ConnectorPair();
    EXPECT_EQ(m_doc.FindLineToConnector(pMale), nullptr);
    Wire(pSource, 10, pGate, 0);
    Wire(pFemale, 10, pGate, 1);
    CConnectLineObj* pIntoMale = Wire(pSource, 10, pMale, 0);
    EXPECT_EQ(m_doc.FindLineToConnector(pMale), pIntoMale);
    EXPECT_EQ(m_doc.FindLineToConnector(pFemale), nullptr);
    EXPECT_EQ(m_doc.FindLineToConnector(pGate), nullptr);
    EXPECT_EQ(m_doc.FindLineToConnector(nullptr), nullptr);
}

// A wire being drawn from one end is a duplicate when a wire joins its fixed pin and the
// offered pin already, in either direction; it does not count itself.
TEST_F(ElementLookups, DuplicateWires)
{
    auto [pSource, pGate] = Blocks(BT_COUNTER, BT_AND);
    CConnectLineObj drawn;
    drawn.m_pStartBlock = pSource;
    drawn.m_nStartPin = 10;
    drawn.m_pEndBlock = pGate;
    drawn.m_nEndPin = 0;
    drawn.m_nDragEnd = 1;
    EXPECT_FALSE(m_doc.IsDuplicateLine(&drawn, pGate, 0));

    CConnectLineObj* pExisting = Wire(pSource, 10, pGate, 0);
    EXPECT_TRUE(m_doc.IsDuplicateLine(&drawn, pGate, 0));
    EXPECT_FALSE(m_doc.IsDuplicateLine(&drawn, pGate, 1));
    drawn.m_nDragEnd = -1;
    EXPECT_TRUE(m_doc.IsDuplicateLine(&drawn, pSource, 10));
    EXPECT_FALSE(m_doc.IsDuplicateLine(&drawn, pGate, 0));
    EXPECT_FALSE(m_doc.IsDuplicateLine(pExisting, pGate, 0));
    EXPECT_FALSE(m_doc.IsDuplicateLine(nullptr, pGate, 0));
}

// A null comment box is not added and does not mark the document modified.
TEST_F(ElementLookups, AddCommentIgnoresNull)
{
    m_doc.SetModifiedFlag(FALSE);
    m_doc.AddComment(nullptr);
    EXPECT_EQ(m_doc.m_commentList.GetCount(), 0);
    EXPECT_FALSE(m_doc.IsModified());
    m_doc.AddComment(new CBlockComment);
    EXPECT_EQ(m_doc.m_commentList.GetCount(), 1);
    EXPECT_TRUE(m_doc.IsModified());
}

} // namespace
