// The modeless block sheets of a simulating view, at most one per block number, in the order
// they were opened. A sheet is listed while its window exists; it leaves the list from its
// PostNcDestroy (through the view) and deletes itself.
#pragma once

#include "platform/core/Types.h"

#include <vector>

class CAllPropertySheet;
class CBlockObj;
class CVetlaDoc;
struct CSimContext;

class COpenSheets {
public:
    COpenSheets() = default;
    COpenSheets(const COpenSheets&) = delete;
    COpenSheets& operator=(const COpenSheets&) = delete;

    CAllPropertySheet* Find(int nBlockNumber) const;
    BOOL IsOpenFor(int nBlockNumber) const { return Find(nBlockNumber) != nullptr; }
    void Add(CAllPropertySheet* pSheet);
    void Remove(CAllPropertySheet* pSheet);
    // The first sheet of nOld takes nNew; FALSE when none has nOld.
    BOOL Renumber(int nOld, int nNew);
    int GetCount() const { return int(m_sheets.size()); }
    BOOL IsEmpty() const { return m_sheets.empty(); }
    // The live value of the block into its sheet, when one is open.
    void RefreshValue(CBlockObj& block, const CSimContext& sim) const;
    // After a scan: every open sheet shows its block's value.
    void RefreshAll(const CVetlaDoc& doc, const CSimContext& sim) const;
    // Destroys every sheet's window; each leaves the list as it goes.
    void CloseAll();

private:
    std::vector<CAllPropertySheet*> m_sheets;
};
