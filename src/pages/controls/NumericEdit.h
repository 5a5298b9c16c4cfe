// The numeric boxes of the pages: CNumericEdit with whole digits and decimals, CIntegerEdit with
// whole digits only, both with the numeric behaviour's rules.
#pragma once

#include "pages/controls/NumericBehavior.h"

class CNumericEdit : public CFilterEdit, public CNumericBehavior {
    DECLARE_DYNAMIC(CNumericEdit)

public:
    CNumericEdit(int nMaxWhole, int nMaxDecimals) : CNumericBehavior(this, nMaxWhole, nMaxDecimals) {}

    CString GetValidText() const override { return CNumericBehavior::GetValidText(); }
    bool MeansTheSame(const CString& strSet, const CString& strValid) const override
    {
        return CNumericBehavior::MeansTheSame(strSet, strValid);
    }

protected:
    void FilterChar(TCHAR ch) override { CNumericBehavior::OnChar(ch); }
    void FilterKeyDown(UINT nChar) override { CNumericBehavior::OnKeyDown(nChar); }
    void FilterKillFocus() override { CNumericBehavior::OnKillFocus(); }
};

class CIntegerEdit : public CNumericEdit {
    DECLARE_DYNAMIC(CIntegerEdit)

public:
    explicit CIntegerEdit(int nMaxWhole) : CNumericEdit(nMaxWhole, 0) {}
};
