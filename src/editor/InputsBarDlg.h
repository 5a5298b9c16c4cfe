// CInputsBarDlg: the Inputs bar of a running simulation (template 4571): one control per input
// of the diagram, made at run time from the left: a lamp button for a digital input or function
// key that the user switches or presses, a value edit under its label for an input in value
// mode and for an analog input. The controls set the blocks' states; the blocks' Simulate
// reports changes back through RefreshInputs.
#pragma once

#include "editor/SimIoBarDlg.h"

#include <vector>

class CBlockObj;
class CChildFrame;
class CVetlaDoc;

class CInputsBarDlg : public CSimIoBarDlg {
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

    BOOL PreTranslateMessage(MSG* pMsg) override;

    // A value typed into an edit takes effect once typing pauses this long, on Enter, or when
    // the edit loses the focus: the numbers on the way to it never reach the diagram.
    static constexpr UINT TYPING_PAUSE_MS = 500;

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnTimer(UINT_PTR nIDEvent) override;
    DECLARE_MESSAGE_MAP()

private:
    void AddInputControl(int nNumber);
    void OnInputButton(const SimBarControl& control);
    // The edit's text changed: its value waits for the pause in typing.
    void OnValueTyped(const SimBarControl& control);
    // The value waiting in the edit, if any, takes effect now.
    void ApplyTypedValue(const SimBarControl& control);
    void OnValueEdit(const SimBarControl& control);
    // Sets the edit's text without taking it for typing.
    void ShowValue(CWnd& edit, const CString& strValue);
    // A momentary input's press (bDown) or release; FALSE when the control is no such button.
    BOOL PressMomentary(CWnd* pWnd, BOOL bDown);
    CBlockObj* FindBlock(int nNumber) const;
    // The contacts of a ladder document on input nNumber: its analog contacts for an analog
    // input, else its make and break contacts.
    static std::vector<CBlockObj*> ContactsOn(CVetlaDoc& doc, int nNumber);
    void SetAnalogOperand(int nOperand, int nValue);
    CVetlaDoc* GetDocument() const;
    // How the input's control operates it, as a click in the diagram would; a switch where the
    // number names no input.
    int InputMode(const CBlockObj* pBlock) const;
    // The diagram shows what a contact's operand did.
    void InvalidateView();
    void Redraw();

    CChildFrame* m_pFrame;
    // The block numbers of the edits whose typed value has not yet taken effect.
    std::vector<int> m_typedNumbers;
    // The bar itself is setting an edit's text.
    bool m_bShowingValue = false;
};

class CInputsBar : public cdxCDynamicBar {
    DECLARE_DYNAMIC(CInputsBar)

public:
    explicit CInputsBar(CChildFrame* pFrame) : cdxCDynamicBar(new CInputsBarDlg(pFrame)) {}
    CInputsBarDlg* GetDlg() const { return static_cast<CInputsBarDlg*>(GetBarDlg()); }
};
