// CDeviceOperations: the device operations of the transfer dispatcher, each run to its end on
// the user-interface thread: opening a device dialog, reading the settings it shows first,
// writing what a dialog's button asked for, and the factory reset of the remote-control WiFi
// module. Each opens the configured port (asking for one first when none is set), reports every
// step in the information window and closes the port again.
#pragma once

#include "controller/SettingMask.h"
#include "controller/SettingsSession.h"
#include "controller/ToolDialogKind.h"
#include "platform/core/Types.h"

class CControllerSession;
class CWnd;

class CDeviceOperations {
public:
    // The dialogs are made as windows of pParent.
    CDeviceOperations(CControllerSession& session, const DeviceDialogs& dialogs, CWnd* pParent)
        : m_session(session), m_dialogs(dialogs), m_pParent(pParent)
    {
    }

    // TRUE when the operation did what it was asked (a dialog shown counts); FALSE when it
    // failed or the port did not open. Other codes do nothing and give FALSE.
    BOOL Run(int nOperation, UINT nMask);
    // Creates the tool dialog's window (or brings the open one forward); FALSE when it could not
    // be made or the kind is not one of the four.
    BOOL ShowDialog(ToolDialogKind kind);

private:
    BOOL OpenPort();
    void ClosePort();
    // Reads the settings a dialog shows and opens it only when the read worked.
    BOOL ReadAndShow(int nOperation);
    BOOL WriteSettings(UINT nMask);
    BOOL ResetRemoteWifi();
    // Asks the user to check the cable, mode, port and model.
    void ShowLinkCheck();

    CControllerSession& m_session;
    DeviceDialogs m_dialogs;
    CWnd* m_pParent;
};
