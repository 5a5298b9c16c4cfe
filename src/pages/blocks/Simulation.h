// CSimulation: how an input is driven while the program is simulated. A digital input (input,
// cursor key, function key, make or break contact of an input) is a switch, a momentary push
// button that makes or breaks while pressed, or a frequency source; a frequency source and an
// analog input (analog input block, analog contact) have a current value held within either
// an automatic range or a minimum and a maximum.
#pragma once

#include "pages/controls/NumericEdit.h"
#include "pages/controls/ToolTipWnd.h"
#include "pages/sheet/BlockPage.h"
#include "pages/sheet/SimInputValues.h"

#include <functional>

class CSimulation : public CBlockPage {
    DECLARE_DYNAMIC(CSimulation)

public:
    explicit CSimulation(int nType);

    // The current value was edited since the last Apply.
    int m_bValueChanged = 0;
    // The analog input's number, whose sources give the range of its values.
    int m_nBlockNumber = -1;
    int m_bAutoRange = 1;
    int m_nCurrent = 0;
    int m_nMin = 0;
    int m_nMax = 0;
    // SIM_INPUT_SWITCH .. SIM_INPUT_FREQUENCY.
    int m_nMode = 3;
    // The values OK keeps of those the page shows: an analog input's are fitted to its range.
    // The sheet gives it; without it the current value stays as typed.
    std::function<SimInputValues(const SimInputValues&)> m_fitValues;

    BOOL IsAnalog() const;
    SimInputValues GetValues() const { return {m_bAutoRange, m_nCurrent, m_nMin, m_nMax, m_nMode}; }
    void SetValues(const SimInputValues& values);
    // Normalised values back into the page: the members, and the edits when the page shows.
    void ShowValues(const SimInputValues& values);
    // The hint of the current value: the range the minimum and maximum typed so far give.
    CString GetValueTipText() const;

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;

private:
    void SetUpDigital();
    void SetUpAnalog();
    void SetUpToolTips(int nLow, int nHigh);
    void UpdateModeButtons();
    void UpdateRangeControls(BOOL bAutoRange);
    void OnModeClicked(int nMode);
    void OnValueChange();
    // Analog inputs: a number beyond the signed 16 bits in the edit is replaced by the limit.
    void ClampAnalogEdit(int nID);
    // The automatic range and the three numbers as the boxes show them.
    SimInputValues ShownValues() const;
    // The current value's box shows the value OK keeps. While it is typed, only a number past a
    // bound beyond zero is held to it: more digits take it only further away, while a number
    // short of a bound may still reach the range.
    void HoldValueInRange(BOOL bTyping);
    // The minimum and maximum boxes show the range OK keeps: the automatic one, or the one typed
    // as it fits the input; a pair typed out of order waits for its other end, and OK orders it.
    void HoldRangeAsKept();
    void EnableControls(std::initializer_list<int> ids, BOOL bEnable);
    int EditNumber(int nID) const;
    BOOL HoldsNumber(int nID) const;

    CIntegerEdit m_editValue{9};
    CIntegerEdit m_editMin{9};
    CIntegerEdit m_editMax{9};
    CToolTipWnd m_toolTip;
    // The page itself fills the boxes: what they hold is no user's typing.
    BOOL m_bFilling = FALSE;
};

CBlockPage* CreateSimulationPage(int nType);
