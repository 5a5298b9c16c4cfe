// The block catalogue of both generations (tests/support/BlockCatalogue.h) through an image and
// back: the decoded document holds the same blocks, settings, sources, inversions, operands,
// names and message texts, and encodes to the same image.
#include "CodecTestSupport.h"

#include "codec/ImageDecoder.h"
#include "support/BlockCatalogue.h"


namespace {

using namespace catalogue;

class CatalogueRoundTrip : public CodecDiagram, public testing::WithParamInterface<bool> {
protected:
    CatalogueRoundTrip() : CodecDiagram(GetParam() ? kNewerHardware : kOlderHardware) {}
};

TEST_P(CatalogueRoundTrip, EveryTypeWithItsSettingsComesBack)
{
    Builder builder(Doc(), GetParam());
    ASSERT_TRUE(builder.Build());
    ASSERT_TRUE(Encode().bOk);
    for (const auto& [nType, fields] : kMustCarry) {
        const auto it = builder.Probes().find(nType);
        for (const std::string& strName : fields)
            EXPECT_TRUE(it == builder.Probes().end() || it->second.Carries(strName)) << nType << " " << strName;
    }

    CVetlaDoc decoded;
    const DecodeResult result = DecodeProgramImage(Codec(), decoded);
    ASSERT_TRUE(result.bOk) << DecodeErrorText(result).ToUtf8();
    for (const std::string& strDifference : CompareDocuments(Doc(), decoded))
        ADD_FAILURE() << strDifference;

    CVetlaCoreRule again;
    again.m_pDoc = &decoded;
    ASSERT_TRUE(again.AllocImageBuffers(CODEC_MODE_DOWNLOAD, int(Codec().TextArea().size()) / IMAGE_TEXT_BLOCK_BYTES));
    ASSERT_TRUE(BuildProgramImage(again, kStamp).bOk);
    for (int i = 0; i < 2; ++i)
        EXPECT_TRUE(std::ranges::equal(again.Image(i), Codec().Image(i))) << "buffer " << i;
    EXPECT_TRUE(std::ranges::equal(again.TextArea(), Codec().TextArea()));
}

INSTANTIATE_TEST_SUITE_P(Generations, CatalogueRoundTrip, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& info) { return info.param ? "Newer" : "Older"; });

class OlderElementPlace : public CodecDiagram {};

// The older image names an element's column in one byte, column less 1, and the upload reads it
// as wide as its parameter: an element at column 0 or running past column 12 has no place in it.
// The download is refused, naming the block as the diagram labels it, instead of sending a line
// the upload cannot read back.
TEST_F(OlderElementPlace, ElementOffTheDisplayIsRefusedByTheBlocksLabel)
{
    for (int nBlock = 0; nBlock < 30; ++nBlock)
        Block(BT_AND);
    auto* pText = static_cast<CBlockMSGTEXT*>(Block(BT_MSGTEXT));
    for (int nColumn : {0, 12}) {
        CWidget* pWidget = PlaceParameter(*pText, 1, 2, nColumn, 2, pText->m_nNumber, 2);
        const EncodeResult result = Encode();
        EXPECT_FALSE(result.bOk) << nColumn;
        EXPECT_NE(result.strMessage.Find(_T("block B30 ")), -1) << nColumn;
        EXPECT_NE(result.strMessage.Find(CString(_T("column ")) + CString(std::to_string(nColumn).c_str())), -1);
        pText->m_arrWidgets1[1].RemoveAll();
        delete pWidget;
    }
}

// An older line names one element: a download that kept the first of two would report success
// with the second lost. It is refused by the block's label and line until one is left.
TEST_F(OlderElementPlace, ALineWithASecondElementIsRefusedByTheBlocksLabel)
{
    Block(BT_AND);
    auto* pText = static_cast<CBlockMSGTEXT*>(Block(BT_MSGTEXT));
    PlaceParameter(*pText, 1, 3, 1, 2, pText->m_nNumber, 2);
    CWidget* pSecond = PlaceParameter(*pText, 1, 3, 10, 1, pText->m_nNumber, 33);
    const EncodeResult result = Encode();
    EXPECT_FALSE(result.bOk);
    EXPECT_NE(result.strMessage.Find(_T("block B1 has 2 elements on line 3")), -1) << result.strMessage.ToUtf8();
    pText->m_arrWidgets1[2].RemoveAt(1);
    delete pSecond;
    EXPECT_TRUE(Encode().bOk);
}

// A newer screen would leave such an element out of its marks without a word.
TEST_F(NewerCodecDiagram, ElementOffTheDisplayIsRefusedByTheBlocksLabel)
{
    Block(BT_AND);
    auto* pText = static_cast<CBlockMSGTEXT*>(Block(BT_MSGTEXT));
    PlaceElement(*pText, 2, 3, 0, 2, pText->m_nNumber, g_arrParamWidth[2]);
    const EncodeResult result = Encode();
    EXPECT_FALSE(result.bOk);
    EXPECT_NE(result.strMessage.Find(_T("block B1 has an element on line 3, column 0")), -1);
}

// A damaged record is named by the label the diagram gives the block.
TEST(DecodeErrorText, NamesTheBlockByItsLabel)
{
    const CString strText = DecodeErrorText({FALSE, DecodeError::BadSetting, 30});
    EXPECT_NE(strText.Find(_T("block B30 ")), -1);
}

} // namespace
