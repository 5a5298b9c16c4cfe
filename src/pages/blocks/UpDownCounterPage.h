// CUpDownCounter: the page of the up/down counter (800) and the encoder (848): the on and off
// thresholds, each of which may come from a reference block, the start value, the encoder's
// input pair, retentivity and protection. The counter counts from 0, the encoder both ways.
#pragma once

#include "pages/blocks/ValueHints.h"
#include "pages/sheet/BlockPage.h"
#include "pages/sheet/ReferenceRow.h"

constexpr int COUNTER_VALUE_LIMIT = 999999;

class CUpDownCounter : public CBlockPage {
    DECLARE_DYNAMIC(CUpDownCounter)

public:
    explicit CUpDownCounter(int nType);

    int m_bProtection = 0;
    int m_bRetentive = 0;
    int m_nOnThreshold = 0;
    int m_nOffThreshold = 0;
    int m_nStartValue = 0;
    int m_nSource = 0;
    int m_nBlockNumber = -1;
    BOOL m_bNewGeneration = TRUE;
    CReferenceRow m_refOn;
    CReferenceRow m_refOff;

    void CopyFromBlock(const CBlockObj& block) override;
    void CopyToBlock(CBlockObj& block) const override;
    void AddToApplyRecord(SheetApplyRecord& record) override;

    // The lowest value the type takes, and the characters its value edits hold.
    static int MinValue(int nType);
    static int EditWidth(int nType);

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL ShowsCurrentValue() const override { return TRUE; }

private:
    void SetupControls();
    // A threshold's spin shows with its edit.
    void ShowSpins();

    CValueHints m_hints;
};

// An encoder whose input pair changed during a simulation starts from the pair's present state:
// its pin value 2 (pair I0, I1) or 3 (pair I2, I3) is 1 while both inputs exist and are on.
void ReseedEncoderPair(CBlockObj& encoder, int nNewSource);
