// CWifiDialogBase: what the two WiFi module dialogs share: Enter moves to the next field
// instead of pressing OK (the module's settings are many fields, and an early Enter would write
// half-edited values), every message passes the tooltip window first, and the SSID and
// password fields take only the characters the modules accept.
#pragma once

#include "pages/controls/ToolTipWnd.h"
#include "controller/DeviceToolDialog.h"

class CWifiDialogBase : public CDeviceToolDialog {
    DECLARE_DYNAMIC(CWifiDialogBase)

public:
    static constexpr LPCTSTR kTextCharsMessage = _T("Every character must be A - Z, a - z, and 0 - 9");
    static constexpr LPCTSTR kKeyCharsMessage = _T("Every character must be 1 - 6");
    static constexpr LPCTSTR kSsidEmptyMessage = _T("Enter 1 numerics or characters at least!");

    static bool IsTextChar(TCHAR ch);
    static bool IsKeyChar(TCHAR ch) { return ch >= '1' && ch <= '6'; }
    // The length of the text before its first character that fails the test.
    static int AcceptedLength(const CString& strText, bool (*pAllowed)(TCHAR));

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    explicit CWifiDialogBase(UINT nIDTemplate) : CDeviceToolDialog(nIDTemplate) {}

    // A change the user makes in the focused field nID: the text is cut before its first
    // refused character, the message shown and the field focused again. Changes made while
    // another control has the focus (the program's own) are left alone.
    void FilterFocusedField(UINT nID, bool (*pAllowed)(TCHAR), LPCTSTR pszMessage);
    void AddTip(UINT nID, LPCTSTR pszText);
    // Shows the message, focuses the field and gives FALSE.
    BOOL Refuse(UINT nID, LPCTSTR pszMessage, UINT nIcon);

    CToolTipWnd m_tips;
};
