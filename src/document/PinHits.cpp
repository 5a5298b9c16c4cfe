#include "document/PinHits.h"

#include "blocks/BlockObj.h"
#include "document/VetlaDoc.h"

namespace {

// Pin stubs are tested with a little slack: an input is reached from its wire's side and a
// little into the body, an output only from outside the body.
constexpr int INPUT_SLACK_LEFT = 2;
constexpr int INPUT_SLACK_RIGHT = 1;
constexpr int OUTPUT_SLACK_RIGHT = 2;
constexpr int PIN_SLACK_VERTICAL = 1;
constexpr int PIN_STUB_SIZE = 5;
// The power rail is thin; a band around it takes the press.
constexpr int POWER_BUS_REACH = 7;

} // namespace

int PinAt(const CBlockObj* pBlock, int x, int y)
{
    if (!pBlock)
        return -1;
    const CPoint point(x, y);
    // A pin of kind 0 has no stub to hit.
    auto hits = [&](int nPin, int nLeft, int nRight) {
        CRect stub;
        if (pBlock->m_nPinKind[nPin] == PINKIND_NONE || !pBlock->GetPinRect(&stub, nPin, PIN_STUB_SIZE))
            return false;
        stub.InflateRect(nLeft, PIN_SLACK_VERTICAL, nRight, PIN_SLACK_VERTICAL);
        return stub.PtInRect(point) != FALSE;
    };
    for (int i = 0; i < pBlock->m_nInputs && i < BLOCK_FIRST_OUTPUT; ++i) {
        if (hits(i, INPUT_SLACK_LEFT, INPUT_SLACK_RIGHT))
            return i;
    }
    for (int i = BLOCK_FIRST_OUTPUT; i < BLOCK_FIRST_OUTPUT + pBlock->m_nOutputs && i < BLOCK_PIN_COUNT; ++i) {
        if (hits(i, 0, OUTPUT_SLACK_RIGHT))
            return i;
    }
    return -1;
}

CBlockObj* PowerBusAt(const CVetlaDoc& doc, int x, int y)
{
    if (!doc.IsLadder())
        return nullptr;
    const CPoint point(x, y);
    for (POSITION pos = doc.m_powerBusList.GetHeadPosition(); pos;) {
        auto* pRail = dynamic_cast<CBlockObj*>(doc.m_powerBusList.GetNext(pos));
        if (!pRail)
            continue;
        CRect rect;
        pRail->GetRect(&rect);
        rect.InflateRect(POWER_BUS_REACH, 0);
        if (rect.PtInRect(point))
            return pRail;
    }
    return nullptr;
}

bool IsOnWireEnd(const CVetlaDoc& doc, int x, int y)
{
    return PinAt(doc.BlockAtPointWithPins(x, y), x, y) >= 0 || PowerBusAt(doc, x, y) != nullptr;
}
