#include "RecordTestSupport.h"

#include "blocks/BlockComment.h"
#include "blocks/BlockFactory.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class BlockCommentTest : public testing::Test {
protected:
    static void SetUpTestSuite() { RegisterBlockClasses(); }
};

std::u16string FaceName(const LOGFONT& lf)
{
    return std::u16string(lf.lfFaceName);
}

TEST_F(BlockCommentTest, NewBoxSaysCommentInTwelveUnitArial)
{
    CBlockComment comment;
    EXPECT_EQ(comment.m_strBoxText, _T("Comment"));
    EXPECT_EQ(comment.m_nLineCount, 1);
    EXPECT_EQ(comment.m_crText, RGB(0, 0, 0));
    EXPECT_EQ(comment.m_logFont.lfHeight, 12);
    EXPECT_EQ(comment.m_logFont.lfWeight, 0);
    EXPECT_EQ(FaceName(comment.m_logFont), u"Arial");
}

TEST_F(BlockCommentTest, RecordHasTheBoxLayout)
{
    CBlockComment comment;
    comment.m_nLeft = 1;
    comment.m_nTop = 2;
    comment.m_nAuxX = 3;
    comment.m_nAuxY = 4;
    comment.m_nBoxWidth = 5;
    comment.m_nBoxHeight = 6;
    comment.m_strBoxText = _T("a\r\nb");
    comment.m_nLineCount = 2;
    comment.m_crText = RGB(1, 2, 3);
    comment.m_logFont.lfWeight = 700;
    comment.m_logFont.lfItalic = 1;
    comment.m_logFont.lfPitchAndFamily = 0x22;
    comment.m_nTransient = 9;
    const Bytes bytes = StoreObject(&comment);
    const std::size_t n = ClassHeaderLength(&comment);
    // Six ints, the text (4 + 2 x 4), two ints, five font ints, eight font bytes, 32 units.
    ASSERT_EQ(bytes.size(), n + 24 + 12 + 8 + 20 + 8 + 64);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(ReadI32(bytes, n + 4 * std::size_t(i)), i + 1);
    EXPECT_EQ(ReadI32(bytes, n + 36), 2);
    EXPECT_EQ(ReadI32(bytes, n + 40), int(RGB(1, 2, 3)));
    EXPECT_EQ(ReadI32(bytes, n + 44), 12);
    EXPECT_EQ(ReadI32(bytes, n + 60), 700);
    EXPECT_EQ(bytes[n + 64], 1);
    EXPECT_EQ(bytes[n + 71], 0x22);
    EXPECT_EQ(ReadU16(bytes, n + 72), unsigned('A'));
    EXPECT_EQ(ReadU16(bytes, n + 80), unsigned('l'));

    auto pLoaded = LoadObjectAs<CBlockComment>(bytes, nullptr);
    ASSERT_TRUE(pLoaded);
    EXPECT_EQ(pLoaded->m_nTransient, 0);
    EXPECT_EQ(StoreObject(pLoaded.get()), bytes);
}

// Older files stored the face name in single bytes.
TEST_F(BlockCommentTest, SchemaZeroFaceNameLoadsToTheSameFace)
{
    CBlockComment comment;
    const Bytes wide = StoreObject(&comment);
    Bytes narrow = WithSchema(wide, 0);
    const std::size_t nFace = narrow.size() - 64;
    narrow.resize(nFace);
    for (int i = 0; i < 32; ++i)
        narrow.push_back(BYTE(comment.m_logFont.lfFaceName[i]));
    auto pLoaded = LoadObjectAs<CBlockComment>(narrow, nullptr);
    ASSERT_TRUE(pLoaded);
    EXPECT_EQ(FaceName(pLoaded->m_logFont), u"Arial");
    EXPECT_EQ(StoreObject(pLoaded.get()), wide);
}

TEST_F(BlockCommentTest, OtherSchemaIsRefused)
{
    CBlockComment comment;
    const Bytes schema2 = WithSchema(StoreObject(&comment), 2);
    EXPECT_EQ(ArchiveFailure([&] { LoadObjectAs<CBlockComment>(schema2, nullptr); }),
              CArchiveException::badSchema);
}

}  // namespace
