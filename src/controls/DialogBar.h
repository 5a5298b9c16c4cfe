// The bar dialogs and their docking bars: cdxCDynamicBarDlg is a resizable child dialog that
// lives in a bar and cannot be closed by Enter, Escape or a close request; cdxCDynamicBar is a
// sizing bar with a caption whose whole inside is that dialog, never smaller than the dialog's
// first size. Commands and their update requests reach the dialog before the bar.
#pragma once

#include "controls/ResizableDialog.h"
#include "controls/SizingControlBarCF.h"

#include <memory>

class cdxCDynamicBarDlg : public cdxCDynamicChildDlg {
    DECLARE_DYNAMIC(cdxCDynamicBarDlg)

public:
    // The simulation bars' dialogs stretch both ways and smooth their resizing.
    explicit cdxCDynamicBarDlg(UINT nIDTemplate, DWORD dwFreedom = fdAll, DWORD dwFlags = flAntiFlicker);

    // The dialog from its template, as a child of the bar.
    virtual BOOL Create(CWnd* pParentWnd);
    using CDialog::Create;
    // Runs the update handlers of the dialog's controls, the dialog's own first and then those
    // pTarget's routing reaches, and shows their state on the controls. A control without an
    // update handler keeps its state whatever bDisableIfNoHndler says: the dialog handles its
    // controls' commands itself, in ways the routing cannot see.
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);

protected:
    void OnOK() override {}
    void OnCancel() override {}
    void OnClose() override { OnCancel(); }
    // The room between the controls belongs to the bar: the mouse goes through to it there, so
    // that a press drags the bar and a double click docks it again.
    LRESULT OnNcHitTest(WPARAM, LPARAM) { return HTTRANSPARENT; }
    DECLARE_MESSAGE_MAP()
};

class cdxCDynamicBar : public CSizingControlBarCF {
    DECLARE_DYNAMIC(cdxCDynamicBar)

public:
    // The bar owns the dialog.
    explicit cdxCDynamicBar(cdxCDynamicBarDlg* pDlg);
    ~cdxCDynamicBar() override;

    cdxCDynamicBarDlg* GetBarDlg() const { return m_pDlg.get(); }
    // The least size, docked in a row, that still shows every shown control of the dialog
    // whole: a row short of room may give the bar no less.
    CSize CalcContentSize();

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnDestroy() override;
    DECLARE_MESSAGE_MAP()

private:
    // What the bar's frame takes around its inside when it lies at nDockBarID.
    CSize NonClientMargins(UINT nDockBarID);

    std::unique_ptr<cdxCDynamicBarDlg> m_pDlg;
};
