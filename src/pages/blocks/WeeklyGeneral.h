// CWeeklyGeneral: the first page of the weekly timer's sheet: name, Protection Active and, on
// the newer controllers, Pulse Output. Its pulse-output flag is the one the sheet's cam pages
// follow: each sheet keeps its own, so that two weekly timers' sheets never share it.
#pragma once

#include "pages/sheet/BlockPage.h"

class CWeeklyGeneral : public CBlockPage {
    DECLARE_DYNAMIC(CWeeklyGeneral)

public:
    explicit CWeeklyGeneral(int nType);

    int m_bProtection = 0;
    int m_bPulseOutput = 0;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    // The cam pages that exist grey or free their off times.
    void OnPulseOutput();
};
