// CComConfigDlg: the "Communication Configuration" dialog in which the user picks the serial
// port of the controller link and can probe it ("Automatic Detection"). The ports are listed
// by their device paths: the serial devices that exist and open now, and the ports named
// before in this run (a pseudo-terminal, say). A path may also be typed into the box. The
// chosen path's port number (COM1 = 1) is what the dialog gives back.
#pragma once

#include "platform/ui/ComboBox.h"
#include "platform/ui/Dialog.h"

class CMainFrame;

class CComConfigDlg : public CDialog {
    DECLARE_DYNAMIC(CComConfigDlg)

public:
    enum { IDD = 126 };
    static constexpr UINT IDC_PORT = 1231;
    static constexpr UINT IDC_CONNECT = 1224;
    static constexpr UINT IDC_AUTO_DETECT = 1225;
    static constexpr UINT IDC_CANCEL = 1014;
    static constexpr UINT IDC_PORT_GROUP = 1075;
    static constexpr UINT IDC_HELP_BUTTON = 9;
    static constexpr UINT IDS_LINK_CHECK = 631;

    explicit CComConfigDlg(CMainFrame* pFrame);

    // The chosen port number: -1 until preset or chosen, 0 when OK found nothing chosen.
    int m_nPort = -1;

    CComboBox m_wndPort;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnPortChosen();
    void OnConnect();
    void OnAutoDetect();
    void OnCancelButton();
    void OnHelpButton() {}

    DECLARE_MESSAGE_MAP()

private:
    void TranslateTexts();
    void FillPortList();
    // The path in the edit field (the chosen entry or a typed one); empty when there is none.
    CString ChosenPath() const;

    CMainFrame* m_pFrame;
};
