// A consistency check of a diagram for the editing tests: after every edit the document's wires,
// pin tables, junction lists and function-block numbers (and the view's selection lists, when a
// view is given) must agree with one another. The check reads only; it returns one readable
// line per problem, so a test can expect the list empty and print what is wrong:
//
//     EXPECT_TRUE(DiagramIsConsistent(Doc(), &View()));
//
// What it relies on, and why it holds for diagrams the editor builds:
// - A wire's end blocks are blocks of the document (or the ladder power rail) and carry the
//   numbers the wire stores for its ends (a rail end may store any number the load resolves to
//   the rail).
// - A wire's end points sit at the centres of their pins' stub rectangles (GetBlockPinRect with
//   size 5), and its first and last vertices are its end points: every wire is finished at pin
//   centres and the route tidying (MoveLineEnd, SimplifyLine, RerouteLine) keeps both ends. A
//   rail end lies on the rail's x only, its y being the rung's.
// - A wire joins one input side (pin 0-9) and one output side (pin 10-19; the rail counts as
//   an output), and the input-side block's pin table names the block at the other end. In a
//   ladder document an input may take several wires: one of them must be the one named.
// - An FBD input is fed by at most one wire.
// - A junction list is never longer than the vertex list (each entry marks that vertex).
// - Function blocks are numbered 9000, 9001, ... without gaps.
// - The view's selection lists hold each object once, only objects of the document, and
//   exactly those whose selected flag is set.
#pragma once

#include "blocks/BlockComment.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "document/VetlaDoc.h"
#include "editor/VetlaView.h"
#include "platform/core/Geometry.h"
#include "platform/core/ObList.h"
#include "support/PointText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace diagram_consistency {

template <class T>
std::vector<T*> ListOf(const CObList& list)
{
    std::vector<T*> items;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        items.push_back(static_cast<T*>(list.GetNext(pos)));
    return items;
}

inline std::string BlockText(const CBlockObj* pBlock)
{
    if (!pBlock)
        return "no block";
    return "block " + std::to_string(pBlock->m_nNumber) + " (type " + std::to_string(pBlock->m_nType) + ")";
}

inline std::string WireText(int nIndex, const CConnectLineObj* pLine)
{
    return "wire #" + std::to_string(nIndex) + " [" + std::to_string(pLine->m_nStartBlock) + ":" +
           std::to_string(pLine->m_nStartPin) + " -> " + std::to_string(pLine->m_nEndBlock) + ":" +
           std::to_string(pLine->m_nEndPin) + "]";
}

struct Context {
    const CVetlaDoc& doc;
    std::set<const CBlockObj*> blocks;
    const CBlockObj* pRail = nullptr;
    std::vector<std::string> problems;

    BOOL IsRail(const CBlockObj* pBlock) const { return pBlock && pBlock == pRail; }
};

// One end of a wire: its block pointer, stored number, pin and point.
struct End {
    const char* pszName;
    CBlockObj* pBlock;
    int nNumber;
    int nPin;
    CPoint pt;
};

inline void CheckEnd(Context& ctx, const std::string& strWire, const End& end)
{
    const std::string strWhere = strWire + " " + end.pszName;
    if (!end.pBlock) {
        ctx.problems.push_back(strWhere + " has no block");
        return;
    }
    if (end.nPin < 0 || end.nPin >= BLOCK_PIN_COUNT)
        ctx.problems.push_back(strWhere + " pin " + std::to_string(end.nPin) + " is outside 0..19");
    if (ctx.IsRail(end.pBlock)) {
        if (end.pt.x != end.pBlock->m_ptPos.x)
            ctx.problems.push_back(strWhere + " point " + PointText(end.pt) + " is off the rail at x " +
                                   std::to_string(end.pBlock->m_ptPos.x));
        return;
    }
    if (!ctx.blocks.count(end.pBlock)) {
        ctx.problems.push_back(strWhere + " block pointer is not in the block list");
        return;
    }
    if (end.pBlock->m_nNumber != end.nNumber)
        ctx.problems.push_back(strWhere + " stores number " + std::to_string(end.nNumber) + " but its block is " +
                               BlockText(end.pBlock));
    CRect rcPin;
    if (end.nPin >= 0 && end.nPin < BLOCK_PIN_COUNT && GetBlockPinRect(&rcPin, end.pBlock, end.nPin) &&
        rcPin.CenterPoint() != end.pt)
        ctx.problems.push_back(strWhere + " point " + PointText(end.pt) + " is not the centre " +
                               PointText(rcPin.CenterPoint()) + " of pin " + std::to_string(end.nPin) + " of " +
                               BlockText(end.pBlock));
}

inline void CheckVertices(Context& ctx, const std::string& strWire, const CConnectLineObj& line)
{
    const INT_PTR nVertices = line.m_arrVertices.GetSize();
    if (nVertices > 0) {
        if (line.m_arrVertices[0] != line.m_ptStart)
            ctx.problems.push_back(strWire + " first vertex " + PointText(line.m_arrVertices[0]) +
                                   " is not its start " + PointText(line.m_ptStart));
        if (line.m_arrVertices[nVertices - 1] != line.m_ptEnd)
            ctx.problems.push_back(strWire + " last vertex " + PointText(line.m_arrVertices[nVertices - 1]) +
                                   " is not its end " + PointText(line.m_ptEnd));
    }
    if (line.m_arrJunctions.GetSize() > nVertices)
        ctx.problems.push_back(strWire + " has " + std::to_string(line.m_arrJunctions.GetSize()) +
                               " junction entries for " + std::to_string(nVertices) + " vertices");
}

// The input side of each wire, and the blocks at their far ends, per (block, pin).
using InputKey = std::pair<const CBlockObj*, int>;
using InputFeeds = std::map<InputKey, std::vector<const CBlockObj*>>;

inline void CollectInputSide(Context& ctx, const std::string& strWire, const CConnectLineObj& line,
                             InputFeeds& feeds)
{
    if (!line.m_pStartBlock || !line.m_pEndBlock)
        return;
    const bool bStartIn = line.m_nStartPin < BLOCK_FIRST_OUTPUT && !ctx.IsRail(line.m_pStartBlock);
    const bool bEndIn = line.m_nEndPin < BLOCK_FIRST_OUTPUT && !ctx.IsRail(line.m_pEndBlock);
    if (bStartIn == bEndIn) {
        ctx.problems.push_back(strWire + (bStartIn ? " joins two inputs" : " joins two outputs"));
        return;
    }
    const CBlockObj* pIn = bStartIn ? line.m_pStartBlock : line.m_pEndBlock;
    const int nPin = bStartIn ? line.m_nStartPin : line.m_nEndPin;
    const CBlockObj* pFar = bStartIn ? line.m_pEndBlock : line.m_pStartBlock;
    if (nPin >= 0)
        feeds[{pIn, nPin}].push_back(pFar);
}

inline void CheckPinSources(Context& ctx, const InputFeeds& feeds)
{
    for (const auto& [key, sources] : feeds) {
        const auto& [pBlock, nPin] = key;
        const std::string strPin = BlockText(pBlock) + " input " + std::to_string(nPin);
        if (!ctx.doc.IsLadder() && sources.size() > 1)
            ctx.problems.push_back(strPin + " is fed by " + std::to_string(sources.size()) + " wires");
        const int nSource = pBlock->m_nPinSource[nPin];
        const bool bNamed = std::any_of(sources.begin(), sources.end(),
                                        [nSource](const CBlockObj* p) { return p->m_nNumber == nSource; });
        if (!bNamed)
            ctx.problems.push_back(strPin + " pin source is " + std::to_string(nSource) + ", not " +
                                   BlockText(sources.front()) + " at its wire's other end");
    }
}

inline void CheckFunctionNumbers(Context& ctx)
{
    std::vector<int> numbers;
    for (const CBlockObj* pBlock : ctx.blocks)
        if (IsFunctionBlockType(pBlock->m_nType))
            numbers.push_back(pBlock->m_nNumber);
    std::sort(numbers.begin(), numbers.end());
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (numbers[i] != NUM_FUNCTION_BLOCK + int(i)) {
            std::ostringstream text;
            text << "function block numbers are not 9000.. without gaps:";
            for (int n : numbers)
                text << ' ' << n;
            ctx.problems.push_back(text.str());
            return;
        }
    }
}

// One selection list against the selected flags of the document's objects of that kind.
template <class T, class Flag>
void CheckSelection(Context& ctx, const char* pszKind, const CObList& selection, const CObList& all, Flag isSelected)
{
    const std::vector<T*> listed = ListOf<T>(selection);
    const std::set<T*> listedSet(listed.begin(), listed.end());
    if (listedSet.size() != listed.size())
        ctx.problems.push_back(std::string("the selected ") + pszKind + " list holds an object twice");
    const std::vector<T*> items = ListOf<T>(all);
    const std::set<T*> itemSet(items.begin(), items.end());
    int nIndex = 0;
    for (T* pItem : listed) {
        if (!itemSet.count(pItem))
            ctx.problems.push_back(std::string("selected ") + pszKind + " #" + std::to_string(nIndex) +
                                   " is not in the document");
        ++nIndex;
    }
    nIndex = 0;
    for (T* pItem : items) {
        const bool bFlag = isSelected(pItem);
        if (bFlag != bool(listedSet.count(pItem)))
            ctx.problems.push_back(std::string(pszKind) + " #" + std::to_string(nIndex) +
                                   (bFlag ? " has its selected flag but is not listed" : " is listed but has no selected flag"));
        ++nIndex;
    }
}

inline void CheckView(Context& ctx, const CVetlaView& view)
{
    CheckSelection<CBlockObj>(ctx, "block", view.Selection().Blocks(), ctx.doc.m_blockList,
                              [](const CBlockObj* p) { return p->m_bSelected != 0; });
    CheckSelection<CConnectLineObj>(ctx, "wire", view.Selection().Lines(), ctx.doc.m_lineList,
                                    [](const CConnectLineObj* p) { return p->m_bLineSelected != 0; });
    CheckSelection<CBlockComment>(ctx, "comment", view.Selection().Comments(), ctx.doc.m_commentList,
                                  [](const CBlockComment* p) { return p->m_bCommentSelected != 0; });
}

}  // namespace diagram_consistency

// Every problem of the document (and of the view's selection, when a view is given).
inline std::vector<std::string> DiagramProblems(const CVetlaDoc& doc, const CVetlaView* pView = nullptr)
{
    using namespace diagram_consistency;
    Context ctx{doc, {}, nullptr, {}};
    for (CBlockObj* pBlock : ListOf<CBlockObj>(doc.m_blockList))
        ctx.blocks.insert(pBlock);
    if (doc.IsLadder() && !doc.m_powerBusList.IsEmpty())
        ctx.pRail = static_cast<const CBlockObj*>(doc.m_powerBusList.GetHead());

    InputFeeds feeds;
    int nIndex = 0;
    for (CConnectLineObj* pLine : ListOf<CConnectLineObj>(doc.m_lineList)) {
        const std::string strWire = WireText(nIndex++, pLine);
        CheckEnd(ctx, strWire, {"start", pLine->m_pStartBlock, pLine->m_nStartBlock, pLine->m_nStartPin, pLine->m_ptStart});
        CheckEnd(ctx, strWire, {"end", pLine->m_pEndBlock, pLine->m_nEndBlock, pLine->m_nEndPin, pLine->m_ptEnd});
        CheckVertices(ctx, strWire, *pLine);
        CollectInputSide(ctx, strWire, *pLine, feeds);
    }
    CheckPinSources(ctx, feeds);
    CheckFunctionNumbers(ctx);
    if (pView)
        CheckView(ctx, *pView);
    return ctx.problems;
}

// For EXPECT_TRUE / ASSERT_TRUE: fails with one line per problem.
inline ::testing::AssertionResult DiagramIsConsistent(const CVetlaDoc& doc, const CVetlaView* pView = nullptr)
{
    const std::vector<std::string> problems = DiagramProblems(doc, pView);
    if (problems.empty())
        return ::testing::AssertionSuccess();
    ::testing::AssertionResult result = ::testing::AssertionFailure();
    result << problems.size() << " diagram problem(s):";
    for (const std::string& strProblem : problems)
        result << "\n  " << strProblem;
    return result;
}
