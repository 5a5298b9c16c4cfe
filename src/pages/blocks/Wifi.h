// CWIFI: the main page of the four WiFi blocks (input, output, analog input, analog output).
// It chooses how the block exchanges its value: with a station's I/O point, with a virtual
// memory cell (VM, VAM), or, for the WiFi input, as a station's communication status. No name
// edit and no value box.
#pragma once

#include "pages/sheet/BlockPage.h"

#include <vector>

// The radio buttons' modes.
constexpr int WIFI_MODE_STATION = 0;
constexpr int WIFI_MODE_VM = 1;
constexpr int WIFI_MODE_DIAGNOSTIC = 2;

// The lines of the page's three lists for a type code, a mode and (the number list) the chosen
// block type entry; an empty list is hidden.
struct WifiLists {
    std::vector<CString> ids;
    std::vector<CString> types;
    std::vector<CString> numbers;
};
WifiLists MakeWifiLists(int nType, int nMode, int nBlockType);

class CWIFI : public CBlockPage {
    DECLARE_DYNAMIC(CWIFI)

public:
    explicit CWIFI(int nType);

    int m_nWifiId = 0;
    int m_nBlockType = 0;
    int m_nBlockNumber = 0;
    int m_nMode = 0;

    void CopyFromBlock(const CBlockObj& block) override;
    BlockWrite MakeBlockWrite(BOOL bApply) const override;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void SetCaptions();
    // The mode of the checked radio: a new mode starts its lists at their first lines, the same
    // mode selects the choice the lists show.
    void RefreshLists();
    void FillList(int nListID, int nLabelID, const std::vector<CString>& lines, int nSel);
    int SelectionOf(int nListID) const;
};
