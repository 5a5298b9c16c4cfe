// The reference table: per family, the parameter words that fall back to their defaults when
// the block feeding one of its references goes.
#include "document/BlockReferences.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockClock.h"
#include "blocks/BlockCounter.h"
#include "blocks/BlockDataLog.h"
#include "blocks/BlockExtended.h"
#include "blocks/BlockFunction.h"
#include "blocks/BlockMath.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockRelay.h"
#include "blocks/BlockTime.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "blocks/BlockWord.h"
#include "document/VetlaDoc.h"

#include <array>
#include <vector>

namespace {

// The parameter words a reference feeds: P0-P4 are m_nParam[8..12], Q0-Q8 m_nParamEx[0..8],
// A0 and A1 the two values an analog block compares or watches.
enum class Word { P0, P1, P2, P3, P4, Q0, Q1, Q2, Q3, Q4, Q5, Q6, Q7, Q8, A0, A1 };

constexpr int kFirstPWord = 8;
// 2 in a time base word is seconds with hundredths.
constexpr int kSecondsBase = 2;

int* WordOf(CBlockObj& block, Word word)
{
    const int n = int(word);
    if (word <= Word::P4)
        return &block.m_nParam[kFirstPWord + n];
    if (word <= Word::Q8)
        return &block.m_nParamEx[n - int(Word::Q0)];
    auto* pAnalog = dynamic_cast<CBlockAnalog*>(&block);
    if (!pAnalog)
        return nullptr;
    return word == Word::A0 ? &pAnalog->m_nThreshold1 : &pAnalog->m_nThreshold2;
}

struct WordReset {
    Word word;
    int nValue;
};
using Resets = std::vector<WordReset>;

// One row of the reference table: the classes it applies to and, per reference, the words
// that fall back to their defaults when the reference goes.
struct ReferenceRow {
    std::vector<const CRuntimeClass*> classes;
    std::array<Resets, BLOCK_REF_COUNT> resets;

    bool Matches(const CBlockObj& block) const
    {
        for (const CRuntimeClass* pClass : classes)
            if (block.IsKindOf(pClass))
                return true;
        return false;
    }
};

const Resets kTimerFirst = {{Word::P3, 0}, {Word::P1, 0}, {Word::P0, 0}, {Word::P2, kSecondsBase}};

// Tested in this order; the first row whose classes match applies. The counter row and the
// timer row (last) also serve the older generation, whose type rows say how many references
// they cover there.
const std::vector<ReferenceRow>& ReferenceRows()
{
    static const std::vector<ReferenceRow> rows = {
        {{RUNTIME_CLASS(CBlockCOUNTER), RUNTIME_CLASS(CBlockARRMXIV), RUNTIME_CLASS(CBlockENCODER)},
         {Resets{{Word::P1, 0}}, Resets{{Word::Q1, 0}}, Resets{}, Resets{}}},
        {{RUNTIME_CLASS(CBlockHCOUNTER)}, {Resets{{Word::P1, 0}, {Word::P0, 0}}, Resets{}, Resets{}, Resets{}}},
        {{RUNTIME_CLASS(CBlockTHTRG)}, {Resets{{Word::Q1, 0}, {Word::Q0, 0}}, Resets{}, Resets{}, Resets{}}},
        {{RUNTIME_CLASS(CBlockPWM)}, {kTimerFirst, Resets{}, Resets{}, Resets{}}},
        {{RUNTIME_CLASS(CBlockAMUX), RUNTIME_CLASS(CBlockAMATH)},
         {Resets{{Word::P1, 0}}, Resets{{Word::Q1, 0}}, Resets{{Word::Q6, 0}}, Resets{{Word::Q8, 0}}}},
        {{RUNTIME_CLASS(CBlockMAXMIN)},
         {Resets{{Word::P1, 0}}, Resets{{Word::A1, 0}}, Resets{{Word::Q6, 0}}, Resets{{Word::Q8, 0}}}},
        {{RUNTIME_CLASS(CBlockACOMP), RUNTIME_CLASS(CBlockATHTRG), RUNTIME_CLASS(CBlockAWDOG),
          RUNTIME_CLASS(CBlockARAMP), RUNTIME_CLASS(CBlockPI)},
         {Resets{{Word::A0, 0}}, Resets{{Word::A1, 0}}, Resets{{Word::Q6, 0}}, Resets{{Word::Q8, 0}}}},
        {{RUNTIME_CLASS(CBlockMATHERR), RUNTIME_CLASS(CBlockANDM), RUNTIME_CLASS(CBlockORM),
          RUNTIME_CLASS(CBlockNOTM), RUNTIME_CLASS(CBlockNANDM), RUNTIME_CLASS(CBlockNORM),
          RUNTIME_CLASS(CBlockXORM), RUNTIME_CLASS(CBlockACMXIV), RUNTIME_CLASS(CBlockLOG),
          RUNTIME_CLASS(CBlockWORD2BIT)},
         {Resets{{Word::P1, 0}}, Resets{}, Resets{}, Resets{}}},
        {{RUNTIME_CLASS(CBlockMEM)}, {Resets{{Word::P0, 0}, {Word::P1, 0}}, Resets{}, Resets{}, Resets{}}},
        {{RUNTIME_CLASS(CBlockROL), RUNTIME_CLASS(CBlockROR), RUNTIME_CLASS(CBlockSHL),
          RUNTIME_CLASS(CBlockSHR), RUNTIME_CLASS(CBlockRAND)},
         {Resets{{Word::P1, 1}}, Resets{}, Resets{}, Resets{}}},
        {{RUNTIME_CLASS(CBlockPTO), RUNTIME_CLASS(CBlockPTOE)},
         {Resets{{Word::Q6, 0}}, Resets{{Word::Q1, 0}}, Resets{}, Resets{}}},
        {{RUNTIME_CLASS(CBlockSMC), RUNTIME_CLASS(CBlockSMCE)},
         {Resets{{Word::Q6, 0}}, Resets{{Word::Q1, 250}}, Resets{}, Resets{}}},
        {{RUNTIME_CLASS(CBlockMOD), RUNTIME_CLASS(CBlockREM)}, {Resets{{Word::P1, 10}}, Resets{}, Resets{}, Resets{}}},
        {{RUNTIME_CLASS(CBlockFIX), RUNTIME_CLASS(CBlockROUND)}, {Resets{{Word::P2, 0}}, Resets{}, Resets{}, Resets{}}},
        {{RUNTIME_CLASS(CBlockTime)},
         {kTimerFirst, Resets{{Word::P4, 0}, {Word::Q1, 0}, {Word::Q0, 0}, {Word::Q2, kSecondsBase}},
          Resets{{Word::Q6, 0}, {Word::Q5, 0}}, Resets{{Word::Q8, 0}, {Word::Q7, 0}}}},
    };
    return rows;
}

bool IsClockTimer(const CBlockObj& block)
{
    return block.IsKindOf(RUNTIME_CLASS(CBlockWT)) || block.IsKindOf(RUNTIME_CLASS(CBlockYT)) ||
           block.IsKindOf(RUNTIME_CLASS(CBlockAC)) || block.IsKindOf(RUNTIME_CLASS(CBlockSW));
}

// How many of a block's references the reference table covers: on the newer generation all,
// on the older the ones its type carries there (none on most types).
int CoveredReferenceCount(const CBlockObj& block, BOOL bNewGeneration)
{
    if (bNewGeneration)
        return BLOCK_REF_COUNT;
    const BlockTypeRow* pType = FindBlockType(block.m_nType);
    return pType ? pType->references.nOlder : 0;
}

// The row of a block and how many of its references the row covers; the older generation
// takes the same row as the newer for the references it keeps.
const ReferenceRow* FindReferenceRow(const CBlockObj& block, BOOL bNewGeneration, int* pRefCount)
{
    *pRefCount = CoveredReferenceCount(block, bNewGeneration);
    if (*pRefCount == 0 || IsClockTimer(block))
        return nullptr;
    for (const ReferenceRow& row : ReferenceRows())
        if (row.Matches(block))
            return &row;
    return nullptr;
}

void DropReference(CBlockObj& block, int k)
{
    block.m_pRefBlock[k] = nullptr;
    block.m_nRefBlock[k] = -1;
}

// Reference k of the block fed from the deleted block: the reference goes, its use flag is
// cleared and the words it fed fall back to the row's values.
void ClearReference(CBlockObj& block, int k, const Resets& resets)
{
    DropReference(block, k);
    block.m_nParam[BLOCK_REF_USED_PARAM + k] = 0;
    for (const WordReset& reset : resets)
        if (int* pWord = WordOf(block, reset.word))
            *pWord = reset.nValue;
}

void ClearBlockReferences(CBlockObj& block, const CBlockObj* pDeleted, BOOL bNewGeneration)
{
    int nRefCount = 0;
    if (const ReferenceRow* pRow = FindReferenceRow(block, bNewGeneration, &nRefCount)) {
        for (int k = 0; k < nRefCount; ++k)
            if (block.m_pRefBlock[k] == pDeleted)
                ClearReference(block, k, pRow->resets[k]);
    }
    // A reference that no row covers keeps its words, but never the deleted block's address.
    for (int k = 0; k < BLOCK_REF_COUNT; ++k)
        if (block.m_pRefBlock[k] == pDeleted)
            DropReference(block, k);
}

void DropLogItems(CBlockDataLog& log, const CBlockObj* pDeleted)
{
    for (INT_PTR i = log.m_arrLogItems.GetSize() - 1; i >= 0; --i)
        if (log.m_arrLogItems[i].nSpare == pDeleted)
            log.m_arrLogItems.RemoveAt(i);
    log.m_nParam[DATALOG_COUNT_PARAM] = int(log.m_arrLogItems.GetSize());
}

} // namespace

void ClearReferencesTo(CVetlaDoc& doc, const CBlockObj* pDeleted)
{
    if (!pDeleted)
        return;
    const BOOL bNewGeneration = doc.IsNewGenerationDoc();
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;) {
        auto* pBlock = static_cast<CBlockObj*>(doc.m_blockList.GetNext(pos));
        if (auto* pLog = dynamic_cast<CBlockDataLog*>(pBlock)) {
            if (bNewGeneration)
                DropLogItems(*pLog, pDeleted);
            else
                for (INT_PTR i = 0; i < pLog->m_arrLogItems.GetSize(); ++i)
                    if (pLog->m_arrLogItems[i].nSpare == pDeleted)
                        pLog->m_arrLogItems[i].nSpare = nullptr;
        }
        ClearBlockReferences(*pBlock, pDeleted, bNewGeneration);
    }
}
