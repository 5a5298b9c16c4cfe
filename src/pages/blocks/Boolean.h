// CBoolean: the main page of the Boolean function block. Its truth table has one output bit
// per combination k = 8 x Input1 + 4 x Input2 + 2 x Input3 + Input4, edited as sixteen "0"/"1"
// combos; only the low 16 bits are edited and the upper ones travel through unchanged.
#pragma once

#include "pages/sheet/BlockPage.h"

class CBoolean : public CBlockPage {
    DECLARE_DYNAMIC(CBoolean)

public:
    explicit CBoolean(int nType);

    int m_bProtection = 0;
    int m_wTruthTable = 0;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    // The combo that has the focus sets or clears its bit.
    void OnTruthTableChange();
};

// Bit k (of 0-15) of the low word of w; the upper 16 bits stay.
void SetWordBit(int& w, int k);
void ClearWordBit(int& w, int k);
