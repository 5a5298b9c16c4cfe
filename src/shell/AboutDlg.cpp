#include "shell/AboutDlg.h"

#include "platform/ui/Button.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Static.h"

IMPLEMENT_DYNAMIC(CAboutDlg, CDialog)

namespace {

void RegisterAboutTemplate()
{
    if (AfxFindDialogTemplate(CAboutDlg::IDD))
        return;
    DialogTemplate dialog;
    dialog.nID = CAboutDlg::IDD;
    dialog.strCaption = _T("About QARVO Editor");
    dialog.size = CSize(235, 64);
    dialog.items = {
        DialogItem(CAboutDlg::IDC_ABOUT_NAME, WC_STATIC, SS_LEFT, CRect(12, 10, 170, 20), _T("QARVO Editor")),
        DialogItem(CAboutDlg::IDC_ABOUT_LINE, WC_STATIC, SS_LEFT, CRect(12, 26, 170, 56),
                   _T("Programs the logic modules in function blocks or ladder, simulates them and ")
                   _T("transfers them over the serial line.")),
        DialogItem(IDOK, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, CRect(178, 8, 228, 22), _T("OK")),
    };
    AfxRegisterDialogTemplate(std::move(dialog));
}

}  // namespace

CAboutDlg::CAboutDlg(CWnd* pParent) : CDialog(IDD, pParent) { RegisterAboutTemplate(); }
