// CInPlaceParamDlg: the borderless popup laid over a parameter element of the simulation's
// message-text display, holding the controls for that block type and parameter (number edits
// with spins, a list, day boxes) cell by cell over the element's own cells. Enter closes it
// with its value, which the grid then checks and writes into the running block; Esc drops it;
// the grid closes it too when another element is pressed (with the value), on "Details", a page
// change or the page's end (without). It deletes itself when its window goes.
#pragma once

#include "messagetext/InPlaceParam.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/SpinButtonCtrl.h"

#include <memory>
#include <optional>
#include <vector>

class CBlockObj;
class CButton;
class CComboBox;
class CEdit;
class CLcdCanvas;
class CNumericEdit;
class CWidget;

// What the popup hands the grid when it closes with its value: the element's block and
// parameter, and the controls' value.
struct InPlaceEntry {
    int nBlockNumber = -1;
    int nParamId = -1;
    int nKind = 0;
    InPlaceValue value;
};

class CInPlaceParamDlg : public CDialog {
    DECLARE_DYNAMIC(CInPlaceParamDlg)

public:
    explicit CInPlaceParamDlg(CLcdCanvas* pGrid);
    ~CInPlaceParamDlg() override;

    // Opens the popup over the grid's selected element; FALSE when its window could not be made
    // (the caller deletes it then).
    BOOL Open();
    // The value Enter hands on; empty when the popup has nothing to write (no controls, or the
    // element's block is gone).
    std::optional<InPlaceEntry> ReadEntry() const;
    // Lays the popup onto its element again (the sheet moved).
    void MoveOverWidget();

    InPlaceControls GetControls() const { return m_edit.controls; }
    // The controls' value as Enter would read it.
    InPlaceValue ReadControls() const;

protected:
    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // The cam time's no-time box enables the time fields when it is cleared.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void PostNcDestroy() override;

private:
    CBlockObj* Block() const;
    // Cell k of the element in popup client coordinates, nSpan cells wide, inset by the margins.
    CRect CellRect(int nCell, int nSpan = 1, CRect inset = CRect()) const;
    CEdit* AddEdit(int nID, DWORD dwStyle, const CRect& rect, int nChars);
    CSpinButtonCtrl* AddSpin(int nID, const CRect& rect, CWnd* pBuddy, int nMin, int nMax, int nPos);
    CComboBox* AddList(const CRect& rect, const std::vector<CString>& items, int nSelect, int nDropHeight);
    CButton* AddBox(int nID, const CRect& rect, BOOL bChecked);
    void CreateControls();
    void CreateTimePair();
    void CreateNumber();
    void CreateWeekdays();
    void CreateCamTime();
    void CreateMonthDay();
    // The weekly cam time's box turned: the time fields follow it.
    void EnableCamTime(BOOL bEnable);
    void OnDeltaPosReal(const NMUPDOWN& change);
    int EditInt(const CEdit* pEdit) const;

    CLcdCanvas* m_pGrid;
    // Set once the window is open: from then on the window's end deletes the object.
    BOOL m_bSelfDeleting = FALSE;
    CWidget* m_pWidget = nullptr;
    int m_nParamId = -1;
    int m_nKind = 0;
    InPlaceEdit m_edit;
    InPlaceValue m_initial;
    int m_nCellWidth = 0;
    CRect m_rcFirstCell;

    std::vector<std::unique_ptr<CWnd>> m_controls;
    CEdit* m_pValue = nullptr;
    CEdit* m_pValue2 = nullptr;
    CNumericEdit* m_pReal = nullptr;
    CSpinButtonCtrl* m_pSpin = nullptr;
    CSpinButtonCtrl* m_pSpin2 = nullptr;
    CComboBox* m_pList = nullptr;
    CButton* m_pBoxes[7] = {};
};
