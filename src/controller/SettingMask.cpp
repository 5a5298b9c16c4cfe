#include "controller/SettingMask.h"

#include "platform/ui/Msg.h"
#include "platform/ui/WinThread.h"
#include "platform/ui/Wnd.h"

namespace {

// The main frame's transfer request and its settings operation code; the dispatcher reads the
// mask from lParam.
constexpr UINT kPlcCommandMessage = WM_USER + 53;
constexpr WPARAM kWriteSettingsOperation = 23;
constexpr WPARAM kRemoteWifiResetOperation = 27;

}  // namespace

void PostSettingsRequest(SettingMask nMask)
{
    if (CWnd* pMain = AfxGetMainWnd())
        pMain->PostMessage(kPlcCommandMessage, kWriteSettingsOperation, LPARAM(nMask));
}

void SendRemoteWifiReset()
{
    if (CWnd* pMain = AfxGetMainWnd())
        pMain->SendMessage(kPlcCommandMessage, kRemoteWifiResetOperation, 0);
}
