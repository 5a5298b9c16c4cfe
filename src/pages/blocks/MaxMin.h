// CMaxMin: the main page of the nine blocks with one integer parameter that a reference block
// may supply instead: Max/Min (its mode), the rotations and shifts (bits), the random
// generator, modulo and remainder (base) and word-to-bit (bit position). Each code has its own
// range, digits and caption; Max/Min alone shows its mode texts, its reset check and
// "Retentivity".
#pragma once

#include "pages/blocks/PageTips.h"
#include "pages/controls/NumericEdit.h"
#include "pages/sheet/BlockPage.h"
#include "pages/sheet/ReferenceRow.h"

// The parameter of one type code: the group's caption (null keeps "Mode"), the edit's digits and
// sign, the range, the value stored when a reference replaces it, and whether 0 is refused.
struct MaxMinKind {
    int nType;
    LPCTSTR lpszCaption;
    int nDigits;
    bool bSigned;
    int nMin;
    int nMax;
    int nReferenceValue;
    bool bRefuseZero;
};
const MaxMinKind* FindMaxMinKind(int nType);

class CMaxMin : public CBlockPage {
    DECLARE_DYNAMIC(CMaxMin)

public:
    explicit CMaxMin(int nType);

    int m_nValue = 0;
    int m_bResetOnDisable = 0;
    int m_bProtect = 0;
    int m_bRetentive = 0;
    int m_nNumber = -1;
    CReferenceRow m_reference;
    CPageTips m_tooltip;

    void ReadBlock(const CBlockObj& block) override;
    BlockWrite MakeBlockWrite(BOOL bApply) const override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;
    BOOL ShowsCurrentValue() const override;

private:
    void SetUpForType();
    // While the user types, a value out of the code's range becomes its nearer bound.
    void ClampTypedValue();
    // A reference is used once a block is chosen; the value then stands in for it.
    BOOL UsesReference() const;
    int ValueToStore() const;

    const MaxMinKind& m_kind;
    CIntegerEdit m_editValue{9};
};
