// The numbering of one range-numbered block type: the lowest free number of the range and the
// block's operand, as a block added to the document takes them. Gathered from the block list in
// one walk and kept up to date as the blocks it numbers join the list, so that a run of
// additions (the cut of crossing wires adds hundreds of connectors) does not walk the list for
// each.
#pragma once

#include "document/BlockNumbering.h"
#include "platform/core/Types.h"

#include <initializer_list>
#include <vector>

class CBlockObj;
class CVetlaDoc;

class RangeNumbering {
public:
    // The numbers and operands the document's blocks of nType already hold.
    RangeNumbering(const CVetlaDoc& doc, int nType);

    // Gives a block of the type the lowest free number (and its operand unless bKeepOperand);
    // a full range leaves the block as it was. The number stays free until Take.
    void Number(CBlockObj& block, BOOL bKeepOperand) const;
    // Counts the number and operand of a block that joined the list.
    void Take(const CBlockObj& block);

private:
    // The used indexes of one table; numbers outside it (a stored number beyond its range) have
    // no place in it. The lowest free index is kept, so that a run of additions does not search
    // the table from its start for each.
    class UsedTable {
    public:
        explicit UsedTable(int nSize) : m_used(std::size_t(nSize > 0 ? nSize : 0), false) {}
        void Mark(int nIndex);
        // The lowest free index, -1 when none.
        int LowestFree() const { return m_nLowestFree < m_used.size() ? int(m_nLowestFree) : -1; }

    private:
        std::vector<bool> m_used;
        std::size_t m_nLowestFree = 0;
    };

    // The operand tables of a ladder document that coils or analog outputs draw from, in order.
    class OperandTables {
    public:
        explicit OperandTables(std::initializer_list<OperandTableRange> ranges);
        // The operand goes into the highest table whose base it reaches.
        void Mark(int nOperand);
        // The lowest free operand, taking the tables in order; -1 when all are full.
        int LowestFree() const;

    private:
        std::vector<OperandTableRange> m_ranges;
        std::vector<UsedTable> m_tables;
    };

    int m_nType;
    BOOL m_bLadder;
    const NumberRange* m_pRange;
    UsedTable m_used;
    // Coils draw their operands from Q, then M, then X; analog outputs from AQ, then AM.
    OperandTables m_coilOperands{OPERANDS_Q, OPERANDS_M, OPERANDS_X};
    OperandTables m_analogOperands{OPERANDS_AQ, OPERANDS_AM};
};
