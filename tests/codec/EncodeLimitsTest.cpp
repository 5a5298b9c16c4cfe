// Limits the encoder refuses before anything reaches the codec's buffers.
#include "CodecTestSupport.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockMath.h"
#include "blocks/BlockTime.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

class Limits : public CodecDiagram {
protected:
    // Encodes and expects the refusal, with the codec's buffers as the allocation left them.
    void ExpectRefused(UINT nMessageId)
    {
        Codec().m_pDoc = &Doc();
        ASSERT_TRUE(Codec().AllocImageBuffers(CODEC_MODE_DOWNLOAD, 0));
        const Bytes before0(Codec().Image(0).begin(), Codec().Image(0).end());
        const Bytes before1(Codec().Image(1).begin(), Codec().Image(1).end());
        const EncodeResult result = BuildProgramImage(Codec(), kStamp);
        EXPECT_FALSE(result.bOk);
        EXPECT_EQ(result.nMessageId, nMessageId);
        EXPECT_TRUE(std::ranges::equal(Codec().Image(0), before0));
        EXPECT_TRUE(std::ranges::equal(Codec().Image(1), before1));
    }
};

class NewerLimits : public Limits {
protected:
    NewerLimits() { Doc().m_wHardwareCode = kNewerHardware; }
};

// Diagrams the image cannot hold, each refused with its message.
class RefusedDiagram;
struct Refusal {
    const char* pszName;
    bool bNewer;
    void (*build)(RefusedDiagram&);
    UINT nMessageId;
};

class RefusedDiagram : public Limits, public testing::WithParamInterface<Refusal> {
public:
    using Limits::Block;
    using Limits::Feed;
    using Limits::Point;
};

const Refusal kRefusals[] = {
    // 878 PI controllers of 28 bytes: 24584 bytes.
    {"MoreProgramBytesThanTheControllerHolds", true,
     [](RefusedDiagram& d) { for (int i = 0; i < 878; ++i) d.Block(BT_PI); }, IDS_ENCODE_NO_RESOURCES},
    {"MoreThan256Names", false,
     [](RefusedDiagram& d) { for (int i = 0; i < 257; ++i) d.Block(BT_NOT)->m_strLabelSuffix = _T("N"); },
     IDS_ENCODE_NO_RESOURCES},
    {"MoreOlderMessageTextsThanSectionCHolds", false,
     [](RefusedDiagram& d) { for (int i = 0; i < 33; ++i) d.Block(BT_MSGTEXT); }, IDS_ENCODE_NO_RESOURCES},
    // The 1025th function block (9000 + 1024) would reach the reference word's negation bit.
    {"BlockNumberBeyondTheReferenceWord", false,
     [](RefusedDiagram& d) { for (int i = 0; i < 1025; ++i) d.Block(BT_NOT); }, IDS_ENCODE_INTERNAL_ERROR},
    // Records follow one another in number order and a reference names a block by its offset
    // from 9000, so the numbers must leave no gap and none may be used twice.
    {"FunctionBlockNumbersWithAGap", false, [](RefusedDiagram& d) { d.Block(BT_NOT); d.Block(BT_NOT)->m_nNumber = 9002; },
     IDS_ENCODE_INTERNAL_ERROR},
    {"FunctionBlockNumberUsedTwice", false, [](RefusedDiagram& d) { d.Block(BT_NOT); d.Block(BT_NOT)->m_nNumber = 9000; },
     IDS_ENCODE_INTERNAL_ERROR},
    {"OutputBeyondItsSection", false, [](RefusedDiagram& d) { d.Point(BT_OUT, NUM_OUTPUT + 128); },
     IDS_ENCODE_INTERNAL_ERROR},
    {"SourceTheImageCannotName", false,
     [](RefusedDiagram& d) { CBlockObj* pAnd = d.Block(BT_AND); d.Feed(d.Point(BT_IN, NUM_INPUT + 300), pAnd, 0); },
     IDS_ENCODE_INTERNAL_ERROR},
    // Allocated for no message text at all.
    {"MessageTextsBeyondTheAllocatedArea", true, [](RefusedDiagram& d) { d.Block(BT_MSGTEXT); },
     IDS_ENCODE_INTERNAL_ERROR},
    // A damaged file's block with another class's code: its record would be read as that class's.
    {"ABlockOfAnotherClassThanItsCode", true,
     [](RefusedDiagram& d) { d.Block(BT_PWM)->m_nType = BT_WIFI_IN; }, IDS_ENCODE_INTERNAL_ERROR},
};

TEST_P(RefusedDiagram, IsRefusedWithItsMessage)
{
    if (GetParam().bNewer)
        Doc().m_wHardwareCode = kNewerHardware;
    GetParam().build(*this);
    ExpectRefused(GetParam().nMessageId);
}

INSTANTIATE_TEST_SUITE_P(Limits, RefusedDiagram, testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.pszName); });

TEST_F(Limits, ExactlyTheProgramMemoryIsAccepted)
{
    // 1024 comparators of 24 bytes fill the 24576 bytes.
    for (int i = 0; i < 1024; ++i)
        Block(BT_ACOMP);
    ASSERT_TRUE(Encode().bOk);
    EXPECT_EQ(Codec().m_nImageSize1, 24576);
    EXPECT_EQ(SectionBytes("J", 24552, 1), Bytes{0x36});
}

TEST_F(Limits, ThirtyTwoOlderMessageTextsFit)
{
    for (int i = 0; i < 32; ++i)
        Block(BT_MSGTEXT);
    ASSERT_TRUE(Encode().bOk);
    EXPECT_EQ(SectionBytes("C", 31 * 64, 1), Bytes{1});
}

// Values its fields cannot carry, which only a damaged file or a fault could put into a
// document: the download would send them cut to other values.
TEST_F(NewerLimits, AnAnalogOutputFixedValueBeyondItsWord)
{
    Doc().m_settings.analog.dAqFixedValue[2] = std::nan("");
    ExpectRefused(IDS_ENCODE_INTERNAL_ERROR);
    Doc().m_settings.analog.dAqFixedValue[2] = 700.0;
    ExpectRefused(IDS_ENCODE_INTERNAL_ERROR);
    Doc().m_settings.analog.dAqFixedValue[2] = 10.0;
    EXPECT_TRUE(Encode().bOk);
}

TEST_F(Limits, AGainOrATimeBeyondItsField)
{
    auto* pAmp = static_cast<CBlockAnalog*>(Block(BT_AAMP));
    pAmp->m_dGain = 1e9;
    ExpectRefused(IDS_ENCODE_INTERNAL_ERROR);
    pAmp->m_dGain = 2.5;
    auto* pWeekly = static_cast<CBlockTime*>(Block(BT_WT));
    pWeekly->m_bOnDisabled[0] = 0;
    pWeekly->m_nOnTime[0][0] = 1200;
    ExpectRefused(IDS_ENCODE_INTERNAL_ERROR);
    pWeekly->m_nOnTime[0][0] = 23;
    CBlockObj* pTimer = Block(BT_DPR);
    pTimer->m_nParam[TIMER_ON_HIGH_PARAM] = 40000000;
    ExpectRefused(IDS_ENCODE_INTERNAL_ERROR);
    pTimer->m_nParam[TIMER_ON_HIGH_PARAM] = 99;
    EXPECT_TRUE(Encode().bOk);
}

// Values of a damaged file that their fields do carry cut, as the controller reads them: no
// sum, product or conversion of them may pass what its type holds on the way.
TEST_F(NewerLimits, ExtremeValuesEncodeWithoutOverflow)
{
    CBlockObj* pFirst = Block(BT_SQRT);
    pFirst->m_dParam = 1e300;
    CBlockObj* pMem = Block(BT_MEM);
    pMem->m_nParam[ARRMXIV_AREA_PARAM] = INT_MAX;
    pMem->m_nParam[BLOCK_REF_USED_PARAM] = 1;
    pMem->m_nRefBlock[0] = INT_MAX;
    auto* pTrigger = static_cast<CBlockAnalog*>(Block(BT_ADTRG));
    pTrigger->m_nThreshold1 = pTrigger->m_nThreshold2 = INT_MAX;
    Block(BT_AFILTER)->m_nParam[AFILTER_SAMPLES_PARAM] = INT_MAX;
    Block(BT_AVGVAL)->m_nParam[AVGVAL_TIME_PARAM] = INT_MAX;
    static_cast<CBlockAnalog*>(Block(BT_PWM))->m_nPwmOpt = INT_MAX;
    pFirst->m_nParam[BLOCK_REF_USED_PARAM] = 1;
    pFirst->m_nRefBlock[0] = INT_MIN;
    EXPECT_TRUE(Encode().bOk);
}

} // namespace
