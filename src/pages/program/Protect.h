// CProtect: the "Protect" page of the program Properties sheet: the controller's temperature
// protection points (High not below Low) and copy protection.
#pragma once

#include "pages/controls/NumericEdit.h"
#include "pages/program/ProgramPage.h"

// The message of a High point below the Low point.
constexpr LPCTSTR PROTECT_HIGH_BELOW_LOW =
    _T("Temperature Protect point : Field High value must greater or equal than Field Low value!");

class CProtect : public CProgramPage {
    DECLARE_DYNAMIC(CProtect)

public:
    CProtect();

    int m_nTempHigh = 90;
    int m_nTempLow = -20;
    int m_bCopyProtect = 0;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    // A High point below the Low one refuses the exchange with its message.
    void ValidateTemperatures(CDataExchange* pDX) const;

    CIntegerEdit m_editHigh{9};
    CIntegerEdit m_editLow{9};
};
