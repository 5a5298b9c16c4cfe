// The data-log block (911): the list of operands and block values the controller records.
#pragma once

#include "blocks/BlockObj.h"
#include "platform/core/Array.h"

// The data-log page accepts no more items than this.
constexpr int DATALOG_MAX_ITEMS = 32;
// The number of logged items, kept in a common word as well.
constexpr int DATALOG_COUNT_PARAM = 9;

// One logged item as the data-log page lists it.
struct DataLogItem {
    CString strItem;    // the logged operand or block ("B..." for a function block)
    CString strParam;   // the chosen parameter
    int nValue1 = 0;
    int nValue2 = 0;
    // Not stored: after a load of a newer-generation project, the block named by nValue1 when
    // strItem begins with "B", else null.
    CBlockObj* nSpare = nullptr;
};

class CBlockDataLog : public CBlockObj {
    DECLARE_SERIAL(CBlockDataLog)

public:
    CBlockDataLog();
    explicit CBlockDataLog(int nType);

    void DrawSymbol(CDC* pDC) const override;

    // Common record, then the items; their count is DATALOG_COUNT_PARAM of the common record. A
    // stored count outside 0..DATALOG_MAX_ITEMS is refused with the archive's generic error.
    void Serialize(CArchive& ar) override;
    // The common copy; the item count (DATALOG_COUNT_PARAM, a common word) is then set to
    // the number of items the destination holds, which the copy leaves as they were.
    void CopyTo(CBlockObj* pDst, BOOL bGeometry) override;

    CArray<DataLogItem> m_arrLogItems;
};
