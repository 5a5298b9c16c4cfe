// CARRMXIV: the page shared by the register-range block (844), the two-value max/min/average
// (845), the stepping motor (849, 850), the pulse train (851, 852) and the CRC-16 (856). The
// same rows (mode, area or output pins with the data address, count or speed, steps) are
// relabelled, refilled or hidden by the type code, and references replace the mode or steps
// row (first reference) and the count row (second).
#pragma once

#include "pages/blocks/ValueHints.h"
#include "pages/sheet/BlockPage.h"
#include "pages/sheet/ReferenceRow.h"

#include <vector>

constexpr int ARR_MAX_ADDRESS = 511;
constexpr UINT ARR_MAX_STEPS = 99999999;

class CARRMXIV : public CBlockPage {
    DECLARE_DYNAMIC(CARRMXIV)

public:
    explicit CARRMXIV(int nType);

    int m_nMode = 0;
    int m_nArea = 0;
    UINT m_nDataAddress = 0;
    UINT m_nCount = 1;
    UINT m_nSteps = 0;
    int m_bProtection = 0;
    int m_nBlockNumber = -1;
    CReferenceRow m_ref1;
    CReferenceRow m_ref2;

    void CopyFromBlock(const CBlockObj& block) override;
    void CopyToBlock(CBlockObj& block) const override;
    void AddToApplyRecord(SheetApplyRecord& record) override;

    // Which references the type offers.
    static bool HasRef1(int nType);
    static bool HasRef2(int nType);
    // The highest data address of an area (0 AM, 1 AQ, 2 AI).
    static UINT MaxAddress(int nArea);
    // The count the type's edit is held to while typing; FALSE when it is not held.
    static BOOL CountRange(int nType, UINT& nMin, UINT& nMax);
    // The text beside the speed or pulse width n; bEdited: after the user changed it.
    static CString SpeedText(int nType, UINT n, BOOL bEdited);

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL ShowsCurrentValue() const override;

private:
    void ShowModeControls();
    void ShowReferences();
    void FillCombo(int nID, const std::vector<LPCTSTR>& items, int nSelect);
    void SetText(int nID, LPCTSTR lpszText);
    void Show(int nID, BOOL bShow);
    void UpdateSpeedText(BOOL bEdited);
    void UpdateStepTime();
    void OnUpdateDataAddress();
    void OnUpdateCount();
    void OnUpdateSteps();
    void OnReference(CReferenceRow& row);
    // The number in an edit; FALSE when it holds none.
    BOOL EditNumber(int nID, long long& nValue) const;
    void SetEditNumber(int nID, long long nValue);

    CValueHints m_hints;
};
