// CDialog: a dialog made from a registered template (DialogTemplate.h), modal or modeless.
//
// DoModal disables the parent, creates the window and its controls, runs OnInitDialog (which
// fills the controls by UpdateData(FALSE)), shows the dialog and runs a nested message loop on
// the layer's queue until EndDialog; it returns EndDialog's result (-1 when the dialog could not
// be made). Without a backend the nested loop pumps the queue and waits for timers; a backend
// that shows windows installs a runner that turns its own event loop instead. Tests end a modal
// dialog from a posted message or from the dialog hook, which sees every modal dialog once it is
// shown.
//
// The keyboard works as in the window system's dialogs (IsDialogMessage, called from
// PreTranslateMessage): Tab and Shift+Tab move through the WS_TABSTOP controls, arrows through a
// group, Enter presses the focused push button or else the default button (IDOK unless SetDefID
// said otherwise), Esc presses IDCANCEL. A control keeps a key it asks for in WM_GETDLGCODE.
#pragma once

#include "platform/ui/ControlWnd.h"
#include "platform/ui/DialogTemplate.h"

#include <functional>
#include <vector>

class CDataExchange;

constexpr UINT DM_GETDEFID = WM_USER + 0;
constexpr UINT DM_SETDEFID = WM_USER + 1;
constexpr WORD DC_HASDEFID = 0x534B;

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)

public:
    CDialog() = default;
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // ---- modal and modeless ----
    virtual INT_PTR DoModal();
    // A modeless dialog: created (and shown when its template says WS_VISIBLE); FALSE when the
    // template is unknown or a handler refused.
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    // Ends a modal dialog's loop with nResult; hides a modeless one.
    void EndDialog(int nResult);

    // ---- data exchange ----
    // Moves the members into the controls (FALSE) or reads and checks them (TRUE); FALSE when a
    // check failed (the user has been told, the focus is on the control).
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    // ---- controls ----
    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    // Focus to the control; an edit gets all its text selected.
    void GotoDlgCtrl(CWnd* pWndCtrl);
    void SetDefID(UINT nID) { SendMessage(DM_SETDEFID, nID); }
    DWORD GetDefID() const { return DWORD(const_cast<CDialog*>(this)->SendMessage(DM_GETDEFID)); }
    // The next (previous) control with WS_TABSTOP, visible and enabled, after pWndCtl, wrapping
    // round; the controls of child dialogs (WS_EX_CONTROLPARENT) take part.
    CWnd* GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
    // The next (previous) control of pWndCtl's group (WS_GROUP starts a group), wrapping round.
    CWnd* GetNextDlgGroupItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
    void MapDialogRect(LPRECT lpRect) const { AfxMapDialogRect(lpRect, m_nPointSize); }
    void SetDlgItemText(int nID, LPCTSTR lpszString);
    int GetDlgItemText(int nID, CString& rString) const;
    void SetDlgItemInt(int nID, UINT nValue, BOOL bSigned = TRUE);
    UINT GetDlgItemInt(int nID, BOOL* lpTrans = nullptr, BOOL bSigned = TRUE) const;
    void CheckDlgButton(int nIDButton, UINT nCheck);
    UINT IsDlgButtonChecked(int nIDButton) const;
    void CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton);
    int GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton) const;

    // The window system's dialog keys; TRUE when the message was used.
    BOOL IsDialogMessage(LPMSG lpMsg);
    BOOL PreTranslateMessage(MSG* pMsg) override;

    UINT m_nIDHelp = 0;
    UINT GetTemplateID() const { return m_nIDTemplate; }
    BOOL IsModal() const { return m_bModal; }

    // Runs the native event loop while bContinue() holds (a backend installs it).
    using ModalLoopRunner = std::function<void(const std::function<bool()>& bContinue)>;
    static ModalLoopRunner SetModalLoopRunner(ModalLoopRunner runner);
    // Called with every modal dialog (and property sheet) once it is shown, before its loop.
    using DialogHook = std::function<void(CDialog& dialog)>;
    static DialogHook SetDialogHook(DialogHook hook);

protected:
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* pDX);
    // Makes the window (and its controls) for DoModal or Create; a property sheet makes its own.
    virtual BOOL CreateDialogWindow(CWnd* pParentWnd, BOOL bModal);
    // The template's window and controls, with WS_CHILD and no caption for a child dialog.
    BOOL CreateFromTemplate(const DialogTemplate& dialogTemplate, CWnd* pParentWnd);
    // Sends WM_INITDIALOG (OnInitDialog) and moves the focus as its answer says.
    void InitDialogWindow();
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    UINT m_nIDTemplate = 0;
    CWnd* m_pParentWnd = nullptr;
    int m_nPointSize = 8;

    DECLARE_MESSAGE_MAP()

private:
    void RunModalLoop();
    void PumpHeadless();
    // Enter: the focused push button, else the default button.
    void PressDefaultButton(CWnd* pFocus);
    void PressButton(UINT nID);

    BOOL m_bModal = FALSE;
    BOOL m_bContinueModal = FALSE;
    int m_nModalResult = -1;
    UINT m_nDefID = IDOK;
};

// The modal state of the program while a dialog runs (the layer's own dialogs, and the
// toolkit's message boxes, file and print dialogs): every other top-level window that is enabled
// is disabled, and enabled again when the state ends, so that no click or key reaches what lies
// behind the dialog and no accelerator acts on it.
class CModalState {
public:
    explicit CModalState(const CWnd* pDialog = nullptr);
    ~CModalState();
    CModalState(const CModalState&) = delete;
    CModalState& operator=(const CModalState&) = delete;

private:
    std::vector<CWnd*> m_disabled;
};

// A window made from a template item whose class has no control class of the layer: a plain
// window the program subclasses (DDX_Control, SubclassDlgItem).
CWnd* AfxCreateTemplateControl(const DialogItemTemplate& item);
