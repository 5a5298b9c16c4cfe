// CARAMP: the main page of the analog ramp: the sensor scaling (with a gain of 0 or more), the
// two levels L1 and L2, each a value or a referenced block, the speed of change, the largest
// output value and the start/stop offset.
#pragma once

#include "pages/blocks/AnalogPage.h"

class CARAMP : public CAnalogPage {
    DECLARE_DYNAMIC(CARAMP)

public:
    explicit CARAMP(int nType);

    int m_nLevel1 = 0;
    int m_nLevel2 = 0;
    int m_nSpeed = 10;
    int m_nMaxOutput = 1000;
    int m_nStartStopOffset = 0;

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void ExchangeFields(CDataExchange* pDX) override;
    std::vector<IntegerBox> GetIntegerBoxes() const override;
    void ReadRecord(const AnalogRecord& record) override;
    void FillRecord(AnalogRecord& record) const override;
    void OnLimitReferenceChanged() override;
};
