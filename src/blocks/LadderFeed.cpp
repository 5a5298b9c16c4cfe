#include "blocks/LadderFeed.h"

#include "blocks/BlockConnector.h"
#include "blocks/BlockDocument.h"
#include "blocks/BlockNumberLookup.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"

LadderFeed FeedOfLine(const CConnectLineObj& line)
{
    const bool bStartIsInput = line.m_nStartPin < BLOCK_FIRST_OUTPUT;
    const bool bEndIsInput = line.m_nEndPin < BLOCK_FIRST_OUTPUT;
    if (bStartIsInput == bEndIsInput)
        return {};
    if (bEndIsInput)
        return {line.m_pEndBlock, line.m_nEndPin, line.m_pStartBlock};
    return {line.m_pStartBlock, line.m_nStartPin, line.m_pEndBlock};
}

namespace {

// A branch that comes through a connector pair is on while the block that feeds the pair is.
int AnyOn(const IBlockDocument& doc, const std::vector<CBlockObj*>& feeds)
{
    for (CBlockObj* pFeed : feeds) {
        const CBlockObj* pSource =
            WireSourceAcrossPairs(pFeed, [&doc](int nNumber) { return doc.FindBlockByNumber(nNumber); });
        if (pSource->m_nPinValue[BLOCK_FIRST_OUTPUT] != 0)
            return 1;
    }
    return 0;
}

}  // namespace

int ReadParallelFeeds(const CBlockObj& reader, int nPin, int* pFeeds)
{
    *pFeeds = 0;
    const IBlockDocument* pDoc = reader.GetDocument();
    if (!pDoc || !pDoc->IsLadder())
        return 0;
    if (const IBlockNumberIndex* pIndex = pDoc->GetNumberIndex()) {
        const std::vector<CBlockObj*>* pIndexed = pIndex->ParallelFeeds(&reader, nPin);
        if (!pIndexed)
            return 0;
        *pFeeds = int(pIndexed->size());
        return AnyOn(*pDoc, *pIndexed);
    }
    std::vector<CBlockObj*> feeds;
    for (POSITION pos = pDoc->Lines().GetHeadPosition(); pos;) {
        const LadderFeed feed = FeedOfLine(*static_cast<const CConnectLineObj*>(pDoc->Lines().GetNext(pos)));
        if (feed.pReader == &reader && feed.nPin == nPin && feed.pFeed)
            feeds.push_back(feed.pFeed);
    }
    if (feeds.size() < 2)
        return 0;
    *pFeeds = int(feeds.size());
    return AnyOn(*pDoc, feeds);
}
