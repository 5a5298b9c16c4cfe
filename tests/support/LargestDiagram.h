// The diagram of the controller's largest size that the benchmarks measure and the paint
// reference test draws: 128 inputs and 64 analog inputs, then function blocks cycling through
// every function-block type (as many message texts, shift registers and analog filters as a
// controller allows) until the document holds 1024 of them, each input pin fed by a random
// earlier block of its kind, then 64 outputs fed by the last digital blocks. With the data log
// that the callers add, 1281 blocks. Smaller diagrams of the same make (an eighth, a quarter,
// a half) show how a cost grows with the diagram. Each caller places and wires the blocks its
// own way.
#pragma once

#include "blocks/BlockFactory.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "document/VetlaDoc.h"

#include <random>
#include <vector>

constexpr int LARGEST_FUNCTION_BLOCKS = 1024;
constexpr int LARGEST_INPUTS = 128;
constexpr int LARGEST_ANALOG_INPUTS = 64;
constexpr int LARGEST_OUTPUTS = 64;
// Every kind of block above and the data log.
constexpr int LARGEST_DIAGRAM_BLOCKS =
    LARGEST_INPUTS + LARGEST_ANALOG_INPUTS + LARGEST_FUNCTION_BLOCKS + LARGEST_OUTPUTS + 1;

// The blocks a diagram's inputs can be fed from, by kind, in the order they were placed.
struct LargestDiagramSources {
    std::vector<CBlockObj*> inputs;
    std::vector<CBlockObj*> digital;
    std::vector<CBlockObj*> analog;
};

// place(type) makes a block and adds it to the document; wire(source, dest, pin) feeds the pin.
// nDivisor 1, 2, 4 or 8 builds the whole diagram or a half, a quarter or an eighth of it.
template <class Place, class Wire>
LargestDiagramSources BuildLargestDiagram(const CVetlaDoc& doc, Place place, Wire wire, int nDivisor = 1)
{
    std::vector<int> functionTypes;
    for (const BlockTypeRow& entry : FactoryTypeRows()) {
        if (IsFunctionBlockType(entry.nType))
            functionTypes.push_back(entry.nType);
    }
    LargestDiagramSources sources;
    for (int i = 0; i < LARGEST_INPUTS / nDivisor; ++i)
        sources.inputs.push_back(sources.digital.emplace_back(place(BT_IN)));
    for (int i = 0; i < LARGEST_ANALOG_INPUTS / nDivisor; ++i)
        sources.analog.push_back(place(BT_ANALOG_IN));
    std::mt19937 random(1024);
    for (std::size_t i = 0; doc.CountFunctionBlocks() < LARGEST_FUNCTION_BLOCKS / nDivisor; ++i) {
        const int nType = functionTypes[i % functionTypes.size()];
        const bool bLimited = nType == BT_MSGTEXT || nType == BT_SREG || nType == BT_AFILTER;
        if (bLimited && !doc.HasRoomForBlock(nType, nullptr))
            continue;
        CBlockObj* pBlock = place(nType);
        for (int nPin = 0; nPin < pBlock->m_nInputs; ++nPin) {
            const int nKind = pBlock->m_nPinKind[nPin];
            const std::vector<CBlockObj*>& from = nKind == PINKIND_ANALOG ? sources.analog : sources.digital;
            if (nKind == PINKIND_DIGITAL || nKind == PINKIND_ANALOG)
                wire(from[random() % from.size()], pBlock, nPin);
        }
        (pBlock->m_nPinKind[BLOCK_FIRST_OUTPUT] == PINKIND_ANALOG ? sources.analog : sources.digital).push_back(pBlock);
    }
    for (int i = 0; i < LARGEST_OUTPUTS / nDivisor; ++i)
        wire(sources.digital[sources.digital.size() - 1 - std::size_t(i)], place(BT_OUT), 0);
    return sources;
}

// Feeds pin nPin of pDest from pSource's output with a wire of two segments in the document.
inline void AddRoutedWire(CVetlaDoc& doc, const CBlockObj* pSource, CBlockObj* pDest, int nPin)
{
    pDest->m_nPinSource[nPin] = pSource->m_nNumber;
    auto* pLine = new CConnectLineObj;
    pLine->m_nStartBlock = pSource->m_nNumber;
    pLine->m_nStartPin = BLOCK_FIRST_OUTPUT;
    pLine->m_nEndBlock = pDest->m_nNumber;
    pLine->m_nEndPin = nPin;
    const CPoint ptFrom = pSource->m_ptPos + CPoint(pSource->m_nWidth + 8, 10);
    const CPoint ptTo = pDest->m_ptPos + CPoint(-8, 8 + 6 * nPin);
    pLine->m_arrVertices.Add(ptFrom);
    pLine->m_arrVertices.Add(CPoint(ptFrom.x, ptTo.y));
    pLine->m_arrVertices.Add(ptTo);
    doc.m_lineList.AddTail(pLine);
}

// The divisor that gives a diagram of nBlocks blocks (161, 321, 641 or 1281); 1 for any other.
constexpr int LargestDiagramDivisor(int nBlocks)
{
    for (int nDivisor : {8, 4, 2}) {
        if (nBlocks == (LARGEST_DIAGRAM_BLOCKS - 1) / nDivisor + 1)
            return nDivisor;
    }
    return 1;
}
