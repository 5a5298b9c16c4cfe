#include "editor/PasteChecks.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockClock.h"
#include "blocks/BlockCounter.h"
#include "blocks/BlockFactory.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockRelay.h"
#include "blocks/BlockTypes.h"
#include "document/VetlaDoc.h"
#include "editor/EditDocuments.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

class PasteChecks : public EditingTest {
protected:
    // Blocks of the type appended to the document as they are, without numbering: the limits
    // count blocks by type.
    static void Fill(CVetlaDoc& doc, int nType, int nCount, int nOperand = 0)
    {
        for (int i = 0; i < nCount; ++i) {
            CBlockObj* pBlock = CreateBlockForType(nType, nullptr, nullptr);
            pBlock->m_nOperand = nOperand;
            doc.m_blockList.AddTail(pBlock);
        }
    }

    // One pasted block of the type, owned by the test.
    CBlockObj* Pasted(int nType, int nOperand = 0)
    {
        m_pasted.emplace_back(CreateBlockForType(nType, nullptr, nullptr));
        m_pasted.back()->m_nOperand = nOperand;
        m_raw.push_back(m_pasted.back().get());
        return m_pasted.back().get();
    }

    std::vector<std::unique_ptr<CBlockObj>> m_pasted;
    std::vector<CBlockObj*> m_raw;
};

struct KindCase {
    int nType;
    int nDocType;
    int nExisting;
    const char16_t* pszText;
};

// Each limited kind full in the target, one more pasted: the kind's own message.
TEST_F(PasteChecks, EveryFullKindRefusesWithItsMessage)
{
    const KindCase cases[] = {
        {BT_IN, DOC_TYPE_FBD, 128, u"All available Inputs are in use!"},
        {BT_CURSOR_KEY, DOC_TYPE_FBD, 0, u"All available Cursors are in use!"},
        {BT_SHIFT, DOC_TYPE_FBD, 64, u"All available Shifts are in use!"},
        {BT_LOW, DOC_TYPE_FBD, 1000, u"All available Status-Lows are in use!"},
        {BT_HIGH, DOC_TYPE_FBD, 1000, u"All available Status-Highs are in use!"},
        {BT_OUT, DOC_TYPE_FBD, 64, u"All available Outputs are in use!"},
        {BT_OPENX, DOC_TYPE_FBD, 128, u"All available Open Connectors are in use!"},
        {BT_FLAG, DOC_TYPE_FBD, 512, u"All available Flags are in use!"},
        {BT_ANALOG_IN, DOC_TYPE_FBD, 64, u"All available Analog Inputs are in use!"},
        {BT_ANALOG_OUT, DOC_TYPE_FBD, 32, u"All available Analog Outputs are in use!"},
        {BT_ANALOG_FLAG, DOC_TYPE_FBD, 512, u"All available Analog Flags are in use!"},
        {BT_FKEY, DOC_TYPE_FBD, 5, u"All Available TD Function Keys are in use!"},
        {BT_BREAK, DOC_TYPE_LAD, 2560, u"your program has taken 2560 blocks,can't  add new block"},
        {BT_ACONTACT, DOC_TYPE_LAD, 2560, u"your program has taken 2560 blocks,can't  add new block"},
        {BT_RELAY_COIL, DOC_TYPE_LAD, 768, u"All Available Relay Coils/Inverted outputs are in use!"},
        {BT_INV_OUT, DOC_TYPE_LAD, 768, u"All Available Relay Coils/Inverted outputs are in use!"},
        {BT_AOUT_LAD, DOC_TYPE_LAD, 544, u"All available Analog Outputs are in use!"},
        {BT_MSGTEXT, DOC_TYPE_FBD, 16, u"All available Message Text Blocks are in use!"},
        {BT_SREG, DOC_TYPE_FBD, 4, u"All available Shift Register Blocks are in use!"},
        {BT_AFILTER, DOC_TYPE_FBD, 8, u"All available Analog filter Blocks are in use!"},
        {BT_DATALOG, DOC_TYPE_FBD, 1, u"All available Data Log Block is in use!"},
    };
    for (const KindCase& c : cases) {
        EditDocument& d = NewDocument(c.nDocType);
        // Ladder elements belong to the active document's operand table.
        Activate(d);
        Fill(d.Doc(), c.nType, c.nExisting);
        std::vector<CBlockObj*> one = {Pasted(c.nType)};
        const auto refusal = CheckPasteCapacity(d.Doc(), one);
        ASSERT_TRUE(refusal.has_value()) << c.nType;
        EXPECT_EQ(refusal->strText, CString(c.pszText)) << c.nType;
        // One below the limit there is room (the cursor key never has any).
        if (c.nExisting > 0) {
            delete d.Doc().m_blockList.RemoveTail();
            EXPECT_FALSE(CheckPasteCapacity(d.Doc(), one).has_value()) << c.nType;
        }
    }
}

TEST_F(PasteChecks, CoilOperandsStayWithinTheirTables)
{
    EditDocument& d = NewDocument(DOC_TYPE_LAD);
    // 128 coils on outputs Q leave room for coils but not for another Q operand.
    Fill(d.Doc(), BT_RELAY_COIL, 128, 600);
    EXPECT_EQ(CheckPasteCapacity(d.Doc(), std::vector{Pasted(BT_INV_OUT, 605)})->strText,
              CString(u"All Available Relay Coils/Inverted outputs are in use!"));
    EXPECT_FALSE(CheckPasteCapacity(d.Doc(), std::vector{Pasted(BT_RELAY_COIL, 1316)}).has_value());

    Fill(d.Doc(), BT_AOUT_LAD, 32, 4230);
    EXPECT_EQ(CheckPasteCapacity(d.Doc(), std::vector{Pasted(BT_AOUT_LAD, 4231)})->strText,
              CString(u"All available Analog Outputs are in use!"));
    EXPECT_FALSE(CheckPasteCapacity(d.Doc(), std::vector{Pasted(BT_AOUT_LAD, 4300)}).has_value());
}

TEST_F(PasteChecks, ProgramLimitsComeFirst)
{
    EditDocument& d = NewDocument();
    const CString strFull = u"Insufficient Resources to create/paste the blocks.";
    // Named blocks: 256 at most.
    for (int i = 0; i < 255; ++i) {
        CBlockObj* pBlock = d.Block(BT_NOT, 100, 100);
        pBlock->m_strLabelSuffix = _T("N");
    }
    CBlockObj* pNamed = Pasted(BT_NOT);
    pNamed->m_strLabelSuffix = _T("M");
    EXPECT_FALSE(CheckPasteCapacity(d.Doc(), std::vector{pNamed}).has_value());
    std::vector<CBlockObj*> two = {pNamed, Pasted(BT_NOT)};
    two[1]->m_strLabelSuffix = _T("O");
    EXPECT_EQ(CheckPasteCapacity(d.Doc(), two)->strText, strFull);

    // Program memory: the sum stays below 24576 bytes.
    const int nBytes = d.Doc().GetProgramSize();
    CBlockObj* pBig = Pasted(BT_AND);
    pBig->m_wProgramBytes = WORD(PROGRAM_MAX_BYTES - nBytes - 1);
    std::vector<CBlockObj*> fits = {pBig};
    EXPECT_FALSE(CheckPasteCapacity(d.Doc(), fits).has_value());
    pBig->m_wProgramBytes = WORD(PROGRAM_MAX_BYTES - nBytes);
    EXPECT_EQ(CheckPasteCapacity(d.Doc(), fits)->nStringId, 612u);
}

TEST_F(PasteChecks, WireRulesBetweenDocumentTypes)
{
    struct Case {
        int nTarget;
        int nSource;
        BOOL bPowerBus;
        BOOL bWires;
        PasteWireVerdict verdict;
    };
    const Case cases[] = {
        {DOC_TYPE_FBD, DOC_TYPE_FBD, FALSE, TRUE, PasteWireVerdict::Keep},
        {DOC_TYPE_LAD, DOC_TYPE_FBD, FALSE, TRUE, PasteWireVerdict::AskWithout},
        {DOC_TYPE_LAD, DOC_TYPE_FBD, FALSE, FALSE, PasteWireVerdict::Keep},
        {DOC_TYPE_LAD, DOC_TYPE_LAD, FALSE, TRUE, PasteWireVerdict::Keep},
        {DOC_TYPE_LAD, DOC_TYPE_LAD, TRUE, TRUE, PasteWireVerdict::Refuse},
        {DOC_TYPE_FBD, DOC_TYPE_LAD, TRUE, TRUE, PasteWireVerdict::Refuse},
        {DOC_TYPE_FBD, DOC_TYPE_LAD, FALSE, TRUE, PasteWireVerdict::Keep},
    };
    for (const Case& c : cases) {
        CopySource source;
        source.nDocType = c.nSource;
        source.bPowerBusWires = c.bPowerBus;
        EXPECT_EQ(CheckPasteWires(c.nTarget, source, c.bWires).verdict, c.verdict)
            << c.nTarget << " " << c.nSource << " " << c.bPowerBus;
    }
}

TEST_F(PasteChecks, OlderControllerLimits)
{
    EditDocument& older = NewDocument(DOC_TYPE_FBD, HW_OLDER);
    CopySource newer;
    newer.nDocType = DOC_TYPE_FBD;
    newer.wHardwareCode = HW_NEWER;
    newer.wFirmwareWord = FIRMWARE_NEWER;
    struct Case {
        int nType;
        int nOperand;
        const char16_t* pszLine;  // null: the older controller holds it
    };
    const Case cases[] = {
        {BT_IN, 15, nullptr},
        {BT_IN, 16, u"\nI016 [Input] : Block number too high!"},
        {BT_OUT, 7, nullptr},
        {BT_OUT, 24, u"\nQ18 [Output] : Block number too high!"},
        {BT_SHIFT, 15, nullptr},
        {BT_SHIFT, 17, u"\nS1.1 [Shift register bit] : Block number too high!"},
        {BT_YT, 0, nullptr},
        {BT_AC, 0, u"\nB0[Astronomical clock] : Not supported!"},
    };
    for (const Case& c : cases) {
        std::vector<CBlockObj*> one = {Pasted(c.nType, c.nOperand)};
        one[0]->m_nNumber = NUM_FUNCTION_BLOCK;
        const CString strList = ListBlocksBeyondGeneration(older.Doc(), newer, one);
        EXPECT_EQ(strList, c.pszLine ? CString(c.pszLine) : CString())
            << c.nType << " " << c.nOperand << ": " << std::string(strList.View().begin(), strList.View().end());
    }
    // A counter with a start value, and one using its third reference.
    CBlockObj* pCounter = Pasted(BT_COUNTER);
    pCounter->m_nNumber = 9002;
    pCounter->m_nParam[COUNTER_START_PARAM] = 5;
    std::vector<CBlockObj*> counter = {pCounter};
    EXPECT_GE(ListBlocksBeyondGeneration(older.Doc(), newer, counter).Find(_T("B2")), 0);
    EXPECT_GE(ListBlocksBeyondGeneration(older.Doc(), newer, counter).Find(_T("The start value cannot be used")), 0);
    pCounter->m_nParam[COUNTER_START_PARAM] = 0;
    pCounter->m_nParam[BLOCK_REF_USED_PARAM + 2] = 1;
    EXPECT_GE(ListBlocksBeyondGeneration(older.Doc(), newer, counter).Find(_T("The reference is not supported")), 0);
    // Settings the older controllers cannot follow, each with its text.
    struct Setting {
        int nType;
        std::function<void(CBlockObj&)> set;
        const char16_t* pszLine;
    };
    const Setting settings[] = {
        {BT_WT, [](CBlockObj& b) { b.m_nParam[WT_PULSE_PARAM] = 1; }, u"\nB3 : The pulse function is not available"},
        {BT_YT, [](CBlockObj& b) { b.m_nParam[YT_OFF_YEAR_PARAM] = 2030; },
         u"\nB3:Year range function is not available. On year must be  2000 and Off year must be 2099."},
        {BT_YT, [](CBlockObj& b) { b.m_nParam[YT_YEARLY_PARAM] = 0; }, u"\nB3 : Yearly mode must be selected."},
        {BT_YT, [](CBlockObj& b) { b.m_nParam[YT_PULSE_PARAM] = 1; }, u"\nB3 : The pulse function is not available"},
        {BT_HCOUNTER, [](CBlockObj& b) { b.m_nParam[HCOUNTER_MI_MINUTES_PARAM] = 30; },
         u"\nB3[Hours Counter] : Cannot convert time to hours"},
        {BT_HCOUNTER, [](CBlockObj& b) { b.m_nParam[HCOUNTER_MI_HOURS_PARAM] = 30; }, nullptr},
        {BT_AWDOG, [](CBlockObj& b) { static_cast<CBlockAnalog&>(b).m_nThreshold1 = 7; },
         u"\nB3[Analog watchdog] : The two threshold settings must be equal"},
        {BT_SREG, [](CBlockObj& b) { b.m_nParamEx[SREG_INDEX_PARAMEX] = 1; },
         u"\nB3[Shift Register] : Only the first shift register can be used."},
        {BT_MSGTEXT, [](CBlockObj&) {}, u"\nB3[Message texts] : Rich Text Format not supported."},
    };
    for (const Setting& setting : settings) {
        CBlockObj* pBlock = Pasted(setting.nType);
        pBlock->m_nNumber = 9003;
        setting.set(*pBlock);
        const CString strList = ListBlocksBeyondGeneration(older.Doc(), newer, std::vector{pBlock});
        EXPECT_EQ(strList, setting.pszLine ? CString(setting.pszLine) : CString())
            << setting.nType << ": " << std::string(strList.View().begin(), strList.View().end());
    }
    // A contact on a shift bit beyond the older sixteen.
    EditDocument& olderLad = NewDocument(DOC_TYPE_LAD, HW_OLDER);
    CopySource newerLad = newer;
    newerLad.nDocType = DOC_TYPE_LAD;
    std::vector<CBlockObj*> contact = {Pasted(BT_MAKE, NUM_SHIFT + 17)};
    EXPECT_GE(ListBlocksBeyondGeneration(olderLad.Doc(), newerLad, contact).Find(_T("S1.1 [Shift register bit] : Block number too high!")), 0);
    // From an older controller nothing is checked.
    CopySource same = newer;
    same.wFirmwareWord = FIRMWARE_OLDER;
    EXPECT_TRUE(ListBlocksBeyondGeneration(older.Doc(), same, counter).IsEmpty());
}

TEST(CopySourceRecord, RoundTripsAndRefusesDamage)
{
    CopySource source;
    source.nDocType = DOC_TYPE_LAD;
    source.wHardwareCode = 0x5288;
    source.wFirmwareWord = 0xC100;
    source.bPowerBusWires = TRUE;
    const std::vector<BYTE> bytes = EncodeCopySource(source);
    EXPECT_EQ(bytes, (std::vector<BYTE>{2, 0, 0, 0, 0x88, 0x52, 0x00, 0xC1, 1, 0, 0, 0}));
    EXPECT_EQ(DecodeCopySource(bytes), source);
    EXPECT_FALSE(DecodeCopySource({2, 0, 0, 0}).has_value());
    std::vector<BYTE> badType = bytes;
    badType[0] = 7;
    EXPECT_FALSE(DecodeCopySource(badType).has_value());
}

} // namespace
