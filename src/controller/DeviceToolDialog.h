// CDeviceToolDialog: what the modeless device dialogs share about closing. A dialog that closes
// from one of its own buttons must not take its window (and the button) down inside that
// button's click: the native button is still delivering it. Such a dialog hides at once and
// destroys its window when the queue comes back to it; opened again meanwhile, it is made anew.
#pragma once

#include "platform/ui/Dialog.h"

#include <initializer_list>

class CDeviceToolDialog : public CDialog {
    DECLARE_DYNAMIC(CDeviceToolDialog)

public:
    // The window as its Create makes it: an open one is kept, a closing one goes first.
    BOOL CreateTool(CWnd* pParentWnd);

protected:
    explicit CDeviceToolDialog(UINT nIDTemplate) : CDialog(nIDTemplate) {}

    // The controller's values change at OK only: a list whose index the list does not offer
    // shows its first line, which OK then takes, while Cancel leaves the value as it came.
    void ShowFirstLineForUnoffered(std::initializer_list<UINT> lists);
    // Hides the window now and destroys it from the queue.
    void CloseLater();
    LRESULT OnCloseLater(WPARAM wParam, LPARAM lParam);
    // The dialog's template, registered once.
    virtual void RegisterTemplate() = 0;

    DECLARE_MESSAGE_MAP()

private:
    BOOL m_bClosing = FALSE;
};
