// The modeless ladder element sheets of a simulating view, at most one per element, in the
// order they were opened. A sheet leaves the list from its PostNcDestroy (through the view).
#pragma once

#include <vector>

class CPropShLadIO;

class COpenLadSheets {
public:
    COpenLadSheets() = default;
    COpenLadSheets(const COpenLadSheets&) = delete;
    COpenLadSheets& operator=(const COpenLadSheets&) = delete;

    CPropShLadIO* Find(int nElementNumber) const;
    void Add(CPropShLadIO* pSheet) { m_sheets.push_back(pSheet); }
    void Remove(CPropShLadIO* pSheet);
    int GetCount() const { return int(m_sheets.size()); }
    // Destroys every sheet's window; each leaves the list as it goes.
    void CloseAll();

private:
    std::vector<CPropShLadIO*> m_sheets;
};
