// CPrintSetupDlg: "Print Setup", what the diagram view asks before it prints or previews: the
// orientation of the paper (which goes straight into the application's printer settings), the
// page size, how the diagram is scaled and whether the block parameters follow the program.
// It opens with A4 and "Scale to page size" every time, whatever was chosen before; the caller
// reads the members after OK.
#pragma once

#include "controls/EllipsisLabel.h"
#include "controls/EnterSafeButton.h"
#include "controls/EnterSafeEdit.h"
#include "platform/ui/Dialog.h"

// Page sizes and scale modes as the dialog keeps them.
constexpr int PRINT_PAGE_A2 = 2;
constexpr int PRINT_PAGE_A3 = 3;
constexpr int PRINT_PAGE_A4 = 4;
constexpr int PRINT_SCALE_TO_PAPER = 1;
constexpr int PRINT_SCALE_TO_PAGE = 2;
constexpr int PRINT_SCALE_BY_FACTOR = 3;

class CPrintSetupDlg : public CDialog {
    DECLARE_DYNAMIC(CPrintSetupDlg)

public:
    enum { IDD = 202 };
    static constexpr UINT IDC_SETUP = 3;
    static constexpr UINT IDC_HORIZONTAL = 1264;
    static constexpr UINT IDC_VERTICAL = 1265;
    static constexpr UINT IDC_SCALE_TO_PAPER = 1268;
    static constexpr UINT IDC_SCALE_TO_PAGE = 1269;
    static constexpr UINT IDC_SCALING = 1270;
    static constexpr UINT IDC_A2 = 1036;
    static constexpr UINT IDC_A3 = 1035;
    static constexpr UINT IDC_A4 = 1034;
    static constexpr UINT IDC_FACTOR = 1061;
    static constexpr UINT IDC_PRINT_PARAMETERS = 1058;
    static constexpr UINT IDC_PRINTER_NAME = 1056;
    static constexpr UINT IDC_PAPER_NAME = 1057;
    static constexpr UINT IDC_TITLE_BLOCK = 1060;
    static constexpr UINT IDC_HELP_BUTTON = 9;

    explicit CPrintSetupDlg(CWnd* pParentWnd = nullptr);

    BOOL m_bLandscape = FALSE;
    int m_nPageSize = PRINT_PAGE_A4;
    int m_nScaleMode = PRINT_SCALE_TO_PAGE;
    int m_bPrintParameters = FALSE;
    double m_dScale = 1.0;
    CString m_strPrinterName;
    CString m_strPaperName;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnSetup();
    void OnHorizontal();
    void OnVertical();
    void OnPageSize(UINT nID);
    void OnScaleToPaper();
    void OnScaleToPage();
    void OnScaling();
    DECLARE_MESSAGE_MAP()

private:
    void SetOrientation(BOOL bLandscape);
    void ReadPrinterSettings();
    void CheckOrientation();
    void CheckScaleMode();
    void CheckPageSize();
    // Checks the scale mode's radio and A4, and enables the factor and the page sizes.
    void ChooseScaleMode(int nMode, BOOL bFactor, BOOL bPageSizes);
    void EnablePageSizes(BOOL bEnable);
    // The printer and paper names into their labels, the page size's radio checked.
    void Refresh();

    CEnterSafeEdit m_wndFactor;
    CEnterSafeButton m_radios[8];
    CEllipsisLabel m_wndPrinterName{DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX, 1};
};
