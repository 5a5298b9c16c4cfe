// CAnalogSliderDlg: the small borderless value popup of a simulation (template 103): a trackbar
// between the Min and Max labels that sets the simulated value of an analog input, an input in
// frequency mode or an analog contact straight from the diagram. The view opens and closes it
// (CVetlaView::OpenValuePopup, CloseValuePopup); the window deletes itself when it goes.
#pragma once

#include "platform/ui/Dialog.h"

class CBlockObj;
class CSliderCtrl;
class CVetlaDoc;
class CVetlaView;

constexpr UINT IDD_ANALOG_SLIDER = 103;
constexpr UINT IDC_SLIDER_MIN = 1139;
constexpr UINT IDC_SLIDER_MAX = 1140;
constexpr UINT IDC_SLIDER = 1143;

class CAnalogSliderDlg : public CDialog {
    DECLARE_DYNAMIC(CAnalogSliderDlg)

public:
    CAnalogSliderDlg(CVetlaView* pView, CBlockObj* pBlock, int nOffsetX, int nOffsetY);

    // Makes and shows the modeless window.
    BOOL Create();

    // Whether a press on pBlock during the simulation opens the popup: an analog input, a
    // digital input, function key or make or break contact in frequency mode, an analog
    // contact of no analog input.
    static BOOL OpensFor(const CVetlaView& view, const CBlockObj& block);

    // The range and value the popup shows for pBlock.
    struct ValueRange {
        int nMin;
        int nMax;
        int nValue;
    };
    static ValueRange RangeOf(const CVetlaView& view, const CBlockObj& block);
    // The simulated-input record of a ladder operand takes nValue as its current value; an
    // operand without one gets the record the popup offers (0 .. 1000, frequency).
    static void StoreOperandValue(CVetlaDoc& doc, int nOperand, int nValue);

    CBlockObj* GetBlock() const { return m_pBlock; }
    CSliderCtrl* GetSlider() const;
    int GetSliderPos() const { return m_nSliderPos; }
    // Set once the window is up: from then on its destruction deletes the object.
    bool IsSelfDeleting() const { return m_bSelfDeleting; }

    BOOL PreTranslateMessage(MSG* pMsg) override;
    // The view drew itself anew (scrolled to ptScroll, the main window moved or sized): the popup
    // goes along with its block. FALSE, and the popup stays where it was, when the block is out of
    // the user's sight.
    BOOL FollowBlock(CPoint ptScroll);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    LRESULT OnSliderScroll(WPARAM wParam, LPARAM lParam);
    void PostNcDestroy() override;
    DECLARE_MESSAGE_MAP()

private:
    // The new trackbar position becomes the block's (and an analog contact's record's) value.
    void StoreValue(int nValue);
    // Posts nID to the view, or with bMain to the main window.
    void PostCommand(UINT nID, BOOL bMain) const;
    // The command keys of the diagram: leave the simulation and run the command. TRUE when
    // the key was one of them.
    BOOL HandleCommandKey(const MSG& msg) const;
    // The block as the view draws it, in the view's client coordinates, and the popup placed by it.
    CRect DrawnBlock() const;
    void PlaceAtBlock();

    CVetlaView* m_pView;
    CBlockObj* m_pBlock;
    int m_nOffsetX;
    int m_nOffsetY;
    int m_nSliderPos = 0;
    CString m_strMin;
    CString m_strMax;
    bool m_bSelfDeleting = false;
    // Alt went down over the popup and is still held: its release closes the popup.
    bool m_bAltHeld = false;
};

// Registers template 103.
void RegisterAnalogSliderTemplate();
