#include "pages/sheet/SheetButtons.h"

#include "pages/sheet/PageTexts.h"
#include "platform/ui/PropertySheet.h"
#include "platform/ui/TabCtrl.h"
#include "platform/ui/WinThread.h"

namespace {

// The height of a modeless sheet's button strip.
constexpr int kButtonStrip = 29;
constexpr int kButtonGap = 6;

constexpr int kCascadeStep = 24;

constexpr int kStripButtons[] = {IDHELP, ID_APPLY_NOW, IDCANCEL, IDOK};

struct ButtonText {
    int nID;
    LPCTSTR lpszText;
};
constexpr ButtonText kButtonTexts[] = {
    {IDOK, _T("OK")}, {IDCANCEL, _T("Cancel")}, {ID_APPLY_NOW, _T("Apply")}, {IDHELP, _T("Help")}};

}  // namespace

void ShowModelessButtonStrip(CPropertySheet& sheet)
{
    CRect rcTab;
    sheet.GetTabControl()->GetWindowRect(rcTab);
    sheet.ScreenToClient(rcTab);
    CRect rcSheet;
    sheet.GetWindowRect(rcSheet);
    sheet.SetWindowPos(nullptr, 0, 0, rcSheet.Width(), rcSheet.Height() + kButtonStrip,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (int nID : kStripButtons) {
        CWnd* pButton = sheet.GetDlgItem(nID);
        CRect rect;
        pButton->GetWindowRect(rect);
        sheet.ScreenToClient(rect);
        pButton->SetWindowPos(nullptr, rect.left, rcTab.bottom + kButtonGap, 0, 0,
                              SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        pButton->ShowWindow(SW_SHOW);
        pButton->EnableWindow(TRUE);
    }
}

void SetSheetButtonTexts(CPropertySheet& sheet)
{
    CString strText;
    for (const ButtonText& button : kButtonTexts) {
        CWnd* pButton = sheet.GetDlgItem(button.nID);
        if (!pButton)
            continue;
        pButton->SetWindowText(button.lpszText);
        if (IsChinesePageUI() && LookupPageText(WORD(button.nID), strText))
            pButton->SetWindowText(strText);
    }
}

void PlaceSheetOverMainWindow(CPropertySheet& sheet, int nCascade)
{
    CWnd* pMain = AfxGetMainWnd();
    if (!pMain || !IsWindow(pMain))
        return;
    CRect rcMain;
    pMain->GetWindowRect(rcMain);
    CRect rect;
    sheet.GetWindowRect(rect);
    const int nStep = kCascadeStep * nCascade;
    sheet.SetWindowPos(nullptr, rcMain.left + (rcMain.Width() - rect.Width()) / 2 + nStep,
                       rcMain.top + (rcMain.Height() - rect.Height()) / 3 + nStep, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
