// CSimIoBarDlg: what the Inputs and Outputs bars share: one control per I/O block, made at run
// time from the left after the collapse button (a lamp button, or a value edit above its label)
// and found again by block number.
#pragma once

#include "controls/DialogBar.h"

#include <memory>
#include <vector>

class CEdit;
class CIconButton;

constexpr UINT IDD_INPUTS_BAR = 4571;
constexpr UINT IDD_OUTPUTS_BAR = 4570;
constexpr UINT IDC_BAR_COLLAPSE = 1322;
constexpr UINT IDC_BAR_INPUT = 600;
constexpr UINT IDC_BAR_FKEY = 611;
constexpr UINT IDC_BAR_ANALOG_INPUT = 608;
constexpr UINT IDC_BAR_OUTPUT = 605;
constexpr UINT IDC_BAR_ANALOG_OUTPUT = 609;
constexpr UINT IDC_BAR_LABEL = 112;

// One run-time control of a bar: the block number it stands for, its window and, for a value,
// the label under it.
struct SimBarControl {
    int nNumber = 0;
    CWnd* pWnd = nullptr;
    CWnd* pLabel = nullptr;
};

class CSimIoBarDlg : public cdxCDynamicBarDlg {
    DECLARE_DYNAMIC(CSimIoBarDlg)

public:
    const std::vector<SimBarControl>& GetControls() const { return m_controls; }
    const SimBarControl* FindControl(int nNumber) const;

protected:
    CSimIoBarDlg(UINT nIDTemplate, int nValueWidth);
    ~CSimIoBarDlg() override;

    // A lamp button, off, in the next cell.
    CIconButton* AddLampButton(int nNumber, const CString& strText, UINT nID);
    // A value edit above its label in the next cell.
    CEdit* AddValueEdit(int nNumber, const CString& strLabel, DWORD dwEditStyle, UINT nID);
    void ClearControls();

    std::vector<SimBarControl> m_controls;

private:
    // The next cell of nWidth from the left: its left edge and the bar's height.
    CRect NextCell(int nWidth) const;
    void Register(const SimBarControl& control);

    std::vector<std::unique_ptr<CWnd>> m_windows;
    int m_nValueWidth;
    int m_nValueControls = 0;
    int m_nButtonControls = 0;
};
