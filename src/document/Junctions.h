// Junction dots: where two wires that leave one pin part, the vertex where they part is marked
// on one of them, so that a branch can be told from two wires that only cross. Each wire keeps
// one junction entry per vertex. The wire tool marks the pair of a new wire and each wire
// already at its pin; wires that a program makes in one go (an uploaded or converted diagram,
// a paste, the connector pairs of a cut) are marked the same way, pin by pin, in the order of
// the wires, each compared once with the ones before it.
#pragma once

#include "platform/core/Types.h"

#include <span>

class CBlockObj;
class CConnectLineObj;
class CVetlaDoc;

// The junction list made as long as the vertex list; new entries mark nothing.
void FitJunctions(CConnectLineObj& line);

// Marks the dots between line and each other wire of atPin, all of them wires at pin nPin of
// pBlock, reading each from its end at that pin.
void MarkJunctionsAtPin(CConnectLineObj& line, const CBlockObj* pBlock, int nPin,
                        std::span<CConnectLineObj* const> atPin);

// Marks the dots between line and every other wire at pin nPin of pBlock; with bRefresh the
// dots of all wires at the pin are then checked against the document (RefreshJunctions).
void UpdateJunctionsAtPin(const CVetlaDoc& doc, CConnectLineObj& line, const CBlockObj* pBlock, int nPin,
                          BOOL bRefresh);
// Where more than one wire meets at pin nPin of pBlock, each is marked against the others and
// the dots checked (a wire moved to or away from the pin changes them); nothing for no block.
void RefreshJunctionsAtPin(const CVetlaDoc& doc, const CBlockObj* pBlock, int nPin);

// Puts each dot of the wires back on its vertex and drops those that no second wire of the
// document passes through; one pass over the document's wires.
void RefreshJunctions(const CVetlaDoc& doc, std::span<CConnectLineObj* const> lines);

// Marks each of the wires against every other wire of the document at each of its two pins,
// then checks the dots of all wires at those pins once (RefreshJunctions).
void RemarkJunctions(const CVetlaDoc& doc, std::span<CConnectLineObj* const> lines);

// The dots of wires that stand on pins no other wire of the document uses, in their order: at
// each end shared with an earlier wire of the list, the wire is marked against those.
void MarkJunctionsOfWires(std::span<CConnectLineObj* const> lines);
