// The kinds of tool dialog the main frame shows on request (CMainFrame::ShowToolDialog): the
// upload's password dialog, the progress window of the transfers and the four modeless device
// dialogs. The kinds keep their numbers, which the frame's callers have always used.
#pragma once

enum class ToolDialogKind : int {
    Password = 2,
    DeviceClock = 4,
    SummerTime = 5,
    Progress = 6,
    WifiSetup = 7,
    RemoteWifiSetup = 8,
    // Sets the caller's result to 1.
    ResultOne = 13,
    // Kinds that show nothing and answer 1; any other number shows nothing and answers -1.
    Idle1 = 1,
    Idle3 = 3,
    Idle9 = 9,
    Idle10 = 10,
    Idle12 = 12,
    Idle14 = 14,
};
