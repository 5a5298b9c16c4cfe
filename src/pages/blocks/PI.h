// CPI: the page of the PI controller: the sensor scaling, the set value SP and the manual
// output Mq (each a value or a referenced block), KC and TI from one of six parameter sets or
// entered freely, and the direction of action.
#pragma once

#include "pages/blocks/AnalogPage.h"

// The parameter set whose KC, TI and direction the user enters.
constexpr int PI_SET_USER_DEFINED = 6;

// KC and TI of a fixed parameter set (0-5).
struct PIParameterSet {
    double dKC;
    int nTIMinutes;
    int nTISeconds;
};
const PIParameterSet& GetPIParameterSet(int nSet);

class CPI : public CAnalogPage {
    DECLARE_DYNAMIC(CPI)

public:
    explicit CPI(int nType);

    int m_nSetpoint = 0;
    int m_nManualOutput = 0;
    int m_bRetentive = 1;
    int m_nParamSet = 0;
    double m_dKC = 0.5;
    int m_bUseTI = 1;
    int m_nTIMinutes = 0;
    int m_nTISeconds = 30;
    int m_nDirection = 0;
    // TI as it stood before TI was switched off, brought back when it is switched on again.
    int m_nSavedTIMinutes = 0;
    int m_nSavedTISeconds = 30;

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void ExchangeFields(CDataExchange* pDX) override;
    std::vector<IntegerBox> GetIntegerBoxes() const override;
    std::vector<HundredthsBox> GetHundredthsBoxes() const override;
    void ReadRecord(const AnalogRecord& record) override;
    void FillRecord(AnalogRecord& record) const override;
    void PrepareApply() override;
    void OnLimitReferenceChanged() override;

private:
    void OnParamSetChanged();
    void OnUseTIClicked();
    void EnableTIEdits(BOOL bEnable);
    void PutKC(double dKC);
};
