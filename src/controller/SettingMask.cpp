#include "controller/SettingMask.h"

#include "platform/ui/WinThread.h"
#include "platform/ui/Wnd.h"

void PostSettingsRequest(UINT nMask)
{
    if (CWnd* pMain = AfxGetMainWnd())
        pMain->PostMessage(WM_PLC_COMMAND, PLC_OP_WRITE_SETTINGS, LPARAM(nMask));
}

void SendRemoteWifiReset()
{
    if (CWnd* pMain = AfxGetMainWnd())
        pMain->SendMessage(WM_PLC_COMMAND, PLC_OP_REMOTE_WIFI_RESET, 0);
}
