// CMaskedEdit: a box whose text fits a mask ("##:##" for a time of day).
#pragma once

#include "pages/controls/MaskedBehavior.h"

class CMaskedEdit : public CFilterEdit, public CMaskedBehavior {
    DECLARE_DYNAMIC(CMaskedEdit)

public:
    explicit CMaskedEdit(const CString& strMask) : CMaskedBehavior(this, strMask) {}

    CString GetValidText() const override { return CMaskedBehavior::GetValidText(); }

protected:
    void FilterChar(TCHAR ch) override { CMaskedBehavior::OnChar(ch); }
    void FilterKeyDown(UINT nChar) override { CMaskedBehavior::OnKeyDown(nChar); }
};
