// CAnalogComparator: the main page of the analog comparator, threshold trigger, amplifier,
// watchdog and differential trigger. Besides the sensor scaling it edits the two thresholds,
// each a value or a referenced block; which rows show and how they are captioned depend on the
// type and the controller's generation.
#pragma once

#include "pages/blocks/AnalogPage.h"

class CAnalogComparator : public CAnalogPage {
    DECLARE_DYNAMIC(CAnalogComparator)

public:
    explicit CAnalogComparator(int nType);

    int m_nOn = 0;
    int m_nOff = 0;
    int m_bRetentive = 0;

    // The thresholds' limits for the type: the watchdog's deltas cannot be negative.
    int GetThresholdFloor() const;

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void ExchangeFields(CDataExchange* pDX) override;
    std::vector<IntegerBox> GetIntegerBoxes() const override;
    void ReadRecord(const AnalogRecord& record) override;
    void FillRecord(AnalogRecord& record) const override;
    void OnLimitReferenceChanged() override { ShowThresholdLabels(); }

private:
    void ShowThresholdLabels();
    void SetUpGenerationControls();
};
