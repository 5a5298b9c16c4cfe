#include "shell/VetlaApp.h"

#include "platform/core/MessageBox.h"
#include "platform/ui/PrintDialog.h"

namespace {

constexpr UINT IDS_NO_PRINTER = 950;

}  // namespace

void CVetlaApp::OnFilePageSetup()
{
    if (!AfxIsPrinterInstalled()) {
        AfxMessageBox(IDS_NO_PRINTER, MB_ICONINFORMATION);
        return;
    }
    AfxDoPageSetup();
}
