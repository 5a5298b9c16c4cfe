// The logic of a ladder's rungs, read from its wires and pin tables: what every coil and every
// input of a function block reads, as terms over the blocks the ladder's operands name.
//
// A rung is a network: an input pin of an element is fed by every wire that ends at it and by
// the block its pin table names (a diagram made without wires still reads), a connector pair
// passes on what feeds its male half, and the power rail is always on. What a contact passes on
// is what feeds it AND its operand (a break contact: NOT its operand); several feeds at one pin
// are parallel branches, ORed.
#pragma once

#include "platform/core/Types.h"

#include <unordered_map>
#include <utility>
#include <vector>

class CBlockObj;
class CVetlaDoc;

// One term. Terms only ever name terms made before them, so the term list is in an order in
// which every term's inputs come first.
enum class TermOp { Low, High, Ref, Not, And, Or };
struct LadderTerm {
    TermOp op;
    int nRef = 0;  // Ref: the number of the block whose output it reads
    std::vector<int> kids;
};
// The first two terms of every list; an input that nothing feeds has no term.
constexpr int TERM_LOW = 0;
constexpr int TERM_HIGH = 1;
constexpr int TERM_OPEN = -1;

// A ladder block that reads terms: a coil (the first of its operand; the later ones are left
// out) or a function block, with the term of each input that something feeds. An inverted
// output reads the NOT of its input.
struct LadderReader {
    const CBlockObj* pBlock;
    std::vector<std::pair<int, int>> pins;  // (pin, term)
    bool bOutput;
};

struct LadderRungLogic {
    std::vector<LadderTerm> terms;
    std::vector<LadderReader> readers;
    // The Ref term of each block number a term reads.
    std::unordered_map<int, int> refTerms;
    // Every ladder element's number and the number of the block that stands for it.
    std::unordered_map<int, int> renumbered;
    // The numbers every contact names, in list order, whether it feeds anything or not.
    std::vector<int> contactSources;
    // The wires run in a circle (a damaged file): nothing else was read.
    bool bWireLoop = false;
};

// Reads the ladder. The walks over its network are loops over explicit stacks, so that a rung of
// any length reads without deep recursion, and they stop at a closed loop of wires.
LadderRungLogic ReadLadderRungs(const CVetlaDoc& ladder);
