// The wiring of one document as the loop checks walk it: the wires at a pin, the pins of a
// block, and a connector pair (Male, Female numbered the Male's plus 2000) crossed as if it
// were one wire.
#pragma once

#include <vector>

class CBlockObj;
class CConnectLineObj;
class CVetlaDoc;

// One end of a wire.
struct PinEnd {
    CBlockObj* pBlock = nullptr;
    int nPin = -1;

    bool operator==(const PinEnd& other) const { return pBlock == other.pBlock && nPin == other.nPin; }
};

bool Touches(const CConnectLineObj& line, const CBlockObj* pBlock, int nPin);
bool TouchesBlock(const CConnectLineObj& line, const CBlockObj* pBlock);
// The end of the wire away from (pBlock, nPin).
PinEnd FarEnd(const CConnectLineObj& line, const CBlockObj* pBlock, int nPin);

class WireNet {
public:
    explicit WireNet(const CVetlaDoc& doc) : m_doc(doc) {}

    const CVetlaDoc& Doc() const { return m_doc; }

    std::vector<CConnectLineObj*> LinesAt(const CBlockObj* pBlock, int nPin) const;
    // The ladder power rail; null in a function-block diagram.
    CBlockObj* Rail() const;

    // The input pins of a block and its output pins (the rail's one is pin 10).
    static std::vector<int> InputPins(const CBlockObj& block);
    std::vector<int> OutputPins(const CBlockObj& block) const;

    // The partner of a connector, when it exists and is of the other kind.
    CBlockObj* Partner(const CBlockObj& connector) const;
    // Across the pair from a connector: a Female's driver is at the far end of the wire into
    // its Male, a Male's consumer at the far end of the first wire at its Female. Null when
    // the partner or its wire is missing.
    const CConnectLineObj* PartnerLine(const CBlockObj& connector) const;
    // The far end of the partner's wire; the end itself when there is none.
    PinEnd Across(const PinEnd& end) const;
    // A Female stands for the block that drives its pair; anything else for itself.
    PinEnd FollowFemale(const PinEnd& end) const;
    // A Male stands for the consumer behind its pair.
    PinEnd FollowMale(const PinEnd& end) const;

    // The loop-trace marks of every block and the rail, the visited flags of a walk.
    void ClearVisited() const;

private:
    const CVetlaDoc& m_doc;
};
