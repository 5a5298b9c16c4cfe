// CPWM: the page of the pulse-width modulator: the sensor scaling, the threshold range over
// which the value is modulated, the periodic time (a time value with its base, or a referenced
// block read in a unit) and the high-speed output.
#pragma once

#include "pages/blocks/AnalogPage.h"

// The high-speed output "Disable"; 0-3 are Q0-Q3.
constexpr int PWM_OUTPUT_NONE = 4;
// The third time base: seconds, or 100 ms steps while a high-speed output is driven.
constexpr int PWM_THIRD_BASE = 2;

class CPWM : public CAnalogPage {
    DECLARE_DYNAMIC(CPWM)

public:
    explicit CPWM(int nType);

    int m_nRangeLow = 0;
    int m_nRangeHigh = 0;
    int m_nFastOutput = PWM_OUTPUT_NONE;
    int m_nTimeLow = 0;
    int m_nTimeHigh = 0;
    int m_nTimeBase = PWM_THIRD_BASE;
    int m_nRefUnit = 0;
    // The periodic time from a referenced block.
    CReferenceRow m_timeRef{IDC_PWM_REF, IDC_PWM_TIME_HIGH, IDC_PWM_REF_BLOCK};

    // The third time base's caption for a high-speed output.
    static LPCTSTR ThirdBaseText(int nFastOutput);

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void ExchangeFields(CDataExchange* pDX) override;
    std::vector<IntegerBox> GetIntegerBoxes() const override;
    void ReadRecord(const AnalogRecord& record) override;
    void FillRecord(AnalogRecord& record) const override;
    void PrepareApply() override;

private:
    void CreateRefUnitCombo();
    void ShowTimeControls();
    void OnOutputChanged();
    void OnTimeBaseChanged();
    int LowPartLimit() const;
};
