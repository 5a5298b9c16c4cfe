// CInputsBarDlg: the Inputs bar of a running simulation (template 4571): one control per input
// of the diagram, made at run time from the left: a lamp button for a digital input or function
// key that the user switches or presses, a value edit under its label for an input in value
// mode and for an analog input. The controls set the blocks' states; the blocks' Simulate
// reports changes back through RefreshInputs.
#pragma once

#include "controls/DialogBar.h"

#include <memory>
#include <vector>

class CBlockObj;
class CChildFrame;
class CVetlaDoc;

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

class CInputsBarDlg : public cdxCDynamicBarDlg {
    DECLARE_DYNAMIC(CInputsBarDlg)

public:
    explicit CInputsBarDlg(CChildFrame* pFrame);
    ~CInputsBarDlg() override;

    // The inputs the bar shows: analog inputs, then function keys, then digital inputs, each
    // by number. In a ladder document the contacts' operands stand for them, once each.
    static std::vector<int> CollectInputs(const CVetlaDoc& doc);
    // Shows the block's state (or value) on its control.
    void RefreshInputs(CBlockObj* pBlock);
    // Clears, collects and makes the controls again.
    void RebuildControls();
    const std::vector<SimBarControl>& GetControls() const { return m_controls; }
    const SimBarControl* FindControl(int nNumber) const;

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    DECLARE_MESSAGE_MAP()

private:
    void AddInputControl(int nNumber);
    void ClearControls();
    void OnInputButton(const SimBarControl& control);
    void OnValueEdit(const SimBarControl& control);
    // A momentary input's press (bDown) or release; FALSE when the control is no such button.
    BOOL PressMomentary(CWnd* pWnd, BOOL bDown);
    CBlockObj* FindBlock(int nNumber) const;
    void Redraw();

    CChildFrame* m_pFrame;
    std::vector<SimBarControl> m_controls;
    std::vector<std::unique_ptr<CWnd>> m_windows;
    int m_nValueControls = 0;
    int m_nButtonControls = 0;
};

class CInputsBar : public cdxCDynamicBar {
    DECLARE_DYNAMIC(CInputsBar)

public:
    explicit CInputsBar(CChildFrame* pFrame) : cdxCDynamicBar(new CInputsBarDlg(pFrame)) {}
    CInputsBarDlg* GetDlg() const { return static_cast<CInputsBarDlg*>(GetBarDlg()); }
};
