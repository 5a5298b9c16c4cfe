// CAboutDlg: the modal About box of the Help menu: the program's name and its fixed line.
#pragma once

#include "platform/ui/Dialog.h"

class CAboutDlg : public CDialog {
    DECLARE_DYNAMIC(CAboutDlg)

public:
    enum { IDD = 100 };
    static constexpr UINT IDC_ABOUT_NAME = 1227;
    static constexpr UINT IDC_ABOUT_LINE = 1228;

    explicit CAboutDlg(CWnd* pParent = nullptr);
};
