// The page layout a damaged file may bring, which only the painting and the printing walk: page
// counts and a base that the paint and the print loop go through page by page.
#include "DocTestSupport.h"

#include <climits>
#include <cstring>
#include <string>

namespace {

Bytes GoldenBytes(const char* pszFile)
{
    return ReadFileBytes(CString::FromUtf8(std::string(QARVO_GOLDEN_DIR "/") + pszFile));
}

// Where the pages across and down stand in every project file.
constexpr std::size_t kPagesAcrossOffset = 0x68;

class LoadedLayoutTest : public DocTest {};

// The damaged pages-across word of a file that hung the first paint: the file opens with one
// page across and a base of the pages it then has, grown to hold its blocks.
TEST_F(LoadedLayoutTest, AHugePageCountOpensAsOnePage)
{
    Bytes bytes = GoldenBytes("fbd-newer-behaviour.dfb");
    const int nDamaged = INT_MAX;
    std::memcpy(&bytes[kPagesAcrossOffset], &nDamaged, sizeof nDamaged);
    CVetlaDoc doc;
    ASSERT_FALSE(LoadFails(doc, bytes));
    EXPECT_EQ(doc.m_rcExtent, CRect(0, 0, doc.m_nPagesAcross * doc.m_sizeScreen.cx, doc.m_nPagesDown * doc.m_sizeScreen.cy));
    EXPECT_LE(doc.m_nPagesAcross * doc.m_nPagesDown, 2 * 2);
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;) {
        const auto* pBlock = static_cast<const CBlockObj*>(doc.m_blockList.GetNext(pos));
        EXPECT_LE(pBlock->m_ptPos.x + pBlock->m_nWidth, doc.m_rcExtent.right);
        EXPECT_LE(pBlock->m_ptPos.y + pBlock->m_nHeight, doc.m_rcExtent.bottom);
    }
}

// Each layout as a file holds it, and as it opens: more than a hundred pages in all, which the
// Page Layout dialog refuses, opens as one page. A base too small for its pages or past the
// diagram's limits, or one whose counts the open reset, becomes that many of this screen's pages
// (kScreenPages).
TEST_F(LoadedLayoutTest, PageCountsAndBaseOpenWithinTheLayoutsLimits)
{
    const CRect kScreenPages(-1, -1, -1, -1);
    const struct {
        int nAcross, nDown;
        CRect rcBase;
        int nOpenAcross, nOpenDown;
        CRect rcOpenBase;
    } layouts[] = {
        {2, 2, {0, 0, 2048, 1536}, 2, 2, {0, 0, 2048, 1536}},
        {3, 1, {0, 0, 3840, 1080}, 3, 1, {0, 0, 3840, 1080}},
        {10, 10, {0, 0, 10240, 7680}, 10, 10, {0, 0, 10240, 7680}},
        {100, 100, {0, 0, 102400, 76800}, 1, 1, kScreenPages},
        {60, 2, {0, 0, 61440, 1536}, 1, 1, kScreenPages},
        {INT_MAX, 2, {0, 0, 2048, 1536}, 1, 2, kScreenPages},
        {0, -5, {0, 0, 1024, 768}, 1, 1, kScreenPages},
        {101, INT_MIN, {0, 0, 1024, 768}, 1, 1, kScreenPages},
        {2, 2, {0, 0, INT_MAX, INT_MAX}, 2, 2, kScreenPages},
        {2, 2, {INT_MIN, 0, 2048, 1536}, 2, 2, kScreenPages},
        {2, 2, {0, 100, 2048, 1636}, 2, 2, {0, 100, 2048, 1636}},
        {2, 2, {0, 0, 2049, 1537}, 2, 2, {0, 0, 2049, 1537}},
        {2, 2, {0, 0, 1, 1}, 2, 2, kScreenPages},
        {1, 1, {0, 0, 0, 0}, 1, 1, kScreenPages},
        {1, 1, {0, 0, -1024, 768}, 1, 1, kScreenPages},
        {1, 1, {0, 0, 1 << 20, 768}, 1, 1, kScreenPages},
    };
    for (const auto& layout : layouts) {
        CVetlaDoc stored;
        stored.m_nPagesAcross = layout.nAcross;
        stored.m_nPagesDown = layout.nDown;
        stored.m_rcExtent = layout.rcBase;
        CVetlaDoc doc;
        ASSERT_FALSE(LoadFails(doc, SaveToBytes(stored))) << layout.nAcross;
        const CSize page = doc.m_sizeScreen;
        const CRect rcExpected = layout.rcOpenBase == kScreenPages
                                     ? CRect(0, 0, layout.nOpenAcross * page.cx, layout.nOpenDown * page.cy)
                                     : layout.rcOpenBase;
        EXPECT_EQ(doc.m_nPagesAcross, layout.nOpenAcross) << layout.nAcross << " " << layout.rcBase.right;
        EXPECT_EQ(doc.m_nPagesDown, layout.nOpenDown) << layout.nAcross << " " << layout.rcBase.right;
        EXPECT_EQ(doc.m_rcExtent, rcExpected) << layout.nAcross << " " << layout.rcBase.right;
    }
}

} // namespace
