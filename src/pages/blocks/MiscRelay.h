// CMiscRelay: the main page of the relays and the small conversion blocks: latching and pulse
// relay, shift register, trigger date time, BCD, binary, segment display, odd, even, absolute
// value, GCD and LCM. Beside the name it shows, by type, "Retentivity", the pulse relay's R/S
// priority, or the shift register's output bit and (newer controllers) its register index.
#pragma once

#include "pages/sheet/BlockPage.h"

#include <vector>

class CVetlaDoc;

// The register indexes a shift register may take: those no other shift register of the
// document uses, its own always among them, in rising order.
std::vector<int> FreeShiftRegisterIndexes(const CVetlaDoc& doc, int nOwnNumber, int nOwnIndex);

class CMiscRelay : public CBlockPage {
    DECLARE_DYNAMIC(CMiscRelay)

public:
    explicit CMiscRelay(int nType);

    int m_bRetentive = 0;
    int m_nBit = 0;
    int m_nPriority = 0;
    int m_nIndex = 0;
    int m_nNumber = -1;

    void ReadBlock(const CBlockObj& block) override;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL ShowsCurrentValue() const override;

private:
    void SetUpForType();
    void SetUpShiftRegister();
    BOOL HasRetentivity() const;
    // The index list shows on a newer controller's shift register page only.
    BOOL ShowsIndexList() const;
};
