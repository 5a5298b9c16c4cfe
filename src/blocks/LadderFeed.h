// Which block a wire feeds and from where: a wire may have been drawn from either end, so its
// source is the end at an output pin.
#pragma once

class CBlockObj;
class CConnectLineObj;

struct LadderFeed {
    CBlockObj* pReader = nullptr;  // the block whose input the wire ends at; NULL when neither end is an input
    int nPin = 0;                  // that input pin
    CBlockObj* pFeed = nullptr;    // the block at the output end
};

LadderFeed FeedOfLine(const CConnectLineObj& line);

// The value a ladder input reads when several wires end at it: on (1) while any of the blocks
// at their far ends is on. nFeeds is 0 when the pin has one wire or none, and the pin then
// reads its pin source alone. Walks the document's wires; a scan asks the number index.
int ReadParallelFeeds(const CBlockObj& reader, int nPin, int* pFeeds);
