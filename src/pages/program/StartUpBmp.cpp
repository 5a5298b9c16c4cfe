#include "pages/program/StartUpBmp.h"

#include "document/LogoBitmap.h"
#include "pages/program/ProgramPageIds.h"
#include "pages/sheet/PageTexts.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/FileDialog.h"

IMPLEMENT_DYNAMIC(CStartUpBmp, CProgramPage)

namespace {

constexpr LPCTSTR kLanguages[] = {_T("English"),  _T("Italy"),  _T("Dutch"),   _T("Spanish"),
                                  _T("French"),   _T("Traditional Chinese"), _T("Simplied Chinese"),
                                  _T("German"),   _T("Turkish"), _T("Russian")};
constexpr LPCTSTR kContrasts[] = {_T("0"), _T("1"), _T("2"), _T("3"), _T("4"), _T("5"), _T("6"), _T("7")};
constexpr LPCTSTR kLogoTimes[] = {_T("None"), _T("5 Seconds"), _T("10 Seconds"), _T("15 Seconds")};
constexpr LPCTSTR kBacklight[] = {_T("OFF"), _T("ON")};

constexpr int kLcdCombos[] = {IDC_LCD_LANGUAGE, IDC_LOGO_TIME, IDC_LCD_CONTRAST, IDC_LCD_BACKLIGHT};
constexpr LPCTSTR kLogoTip = _T("Company Name or File Name containing Company Logo(Size = 108x64 pixels)");
// The other LCD labels and the group have no Chinese texts and stay English.
constexpr ControlTextKey kChineseTexts[] = {
    {IDC_LCD_LANGUAGE_LABEL, TEXT_KEY_LCD_LANGUAGE},
    {IDC_LOGO_FILE_LABEL, IDC_LOGO_FILE_LABEL},
    {IDC_LOGO_OPEN, IDC_LOGO_OPEN},
    {IDC_LOGO_INVERSE, IDC_LOGO_INVERSE},
};
constexpr LPCTSTR kBmp = _T("BMP");
constexpr int kExtensionLength = 4;

// A path's extension as the page judges it: "BMP" for a path ending in ".bmp" in any case.
CString LogoExtension(const CString& strPath)
{
    CString strExtension = strPath.Right(kExtensionLength);
    return strExtension.CompareNoCase(_T(".BMP")) == 0 ? CString(kBmp) : strExtension;
}

}  // namespace

CStartUpBmp::CStartUpBmp() : CProgramPage(IDD_STARTUP_BMP)
{
    m_psp.dwFlags |= PSP_USETITLE;
    m_psp.pszTitle = _T("LCD Setting");
}

BOOL CStartUpBmp::OnInitDialog()
{
    CProgramPage::OnInitDialog();
    m_preview.SubclassDlgItem(UINT(IDC_LOGO_FRAME), this);
    m_note.SubclassDlgItem(UINT(IDC_LOGO_NOTE), this);
    if (m_bHasUploadedLogo) {
        m_note.SetWindowText(STARTUP_UPLOADED_LOGO_NOTE);
        m_note.ShowWindow(SW_SHOW);
    }
    m_strCheckedLogoFile = m_strLogoFile;
    if (!m_strLogoFile.IsEmpty())
        SetLogoFile(m_strLogoFile, LogoExtension(m_strLogoFile));
    m_tips.Set(*this, IDC_LOGO_FILE, kLogoTip);
    FillCombos();
    TranslateControls(*this, kChineseTexts);
    return TRUE;
}

void CStartUpBmp::FillCombo(int nID, std::span<const LPCTSTR> items, int nSelect)
{
    auto* pCombo = static_cast<CComboBox*>(GetDlgItem(nID));
    pCombo->ResetContent();
    for (LPCTSTR lpszItem : items)
        pCombo->AddString(lpszItem);
    pCombo->SetCurSel(nSelect >= 0 && nSelect < int(items.size()) ? nSelect : 0);
}

void CStartUpBmp::FillCombos()
{
    if (!IsNewGeneration()) {
        ShowControl(IDC_LCD_GROUP, false);
        for (int nID = IDC_LCD_LABEL_FIRST; nID <= IDC_LCD_LABEL_LAST; ++nID)
            ShowControl(nID, false);
        for (int nID : kLcdCombos)
            ShowControl(nID, false);
        return;
    }
    FillCombo(IDC_LCD_LANGUAGE, kLanguages, m_nLanguage);
    FillCombo(IDC_LOGO_TIME, kLogoTimes, m_nLogoTime);
    FillCombo(IDC_LCD_CONTRAST, kContrasts, m_nLcdContrast);
    FillCombo(IDC_LCD_BACKLIGHT, kBacklight, m_nLcdBacklight);
}

void CStartUpBmp::DoDataExchange(CDataExchange* pDX)
{
    CProgramPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_LOGO_FILE, m_strLogoFile);
    DDV_MaxChars(pDX, m_strLogoFile, LOGO_PATH_MAX);
    // A typed path is stored only when it names a logo the controller can show; an empty box
    // sends no logo.
    if (pDX->m_bSaveAndValidate && !m_strLogoFile.IsEmpty() && m_strLogoFile != m_strCheckedLogoFile &&
        !SetLogoFile(m_strLogoFile, LogoExtension(m_strLogoFile)))
        pDX->Fail();
    DDX_Check(pDX, IDC_LOGO_INVERSE, m_bLogoInverse);
    // The older controllers have no LCD settings: their lists stay empty and say nothing.
    if (!IsNewGeneration())
        return;
    DDX_CBIndex(pDX, IDC_LCD_BACKLIGHT, m_nLcdBacklight);
    DDX_CBIndex(pDX, IDC_LCD_LANGUAGE, m_nLanguage);
    DDX_CBIndex(pDX, IDC_LCD_CONTRAST, m_nLcdContrast);
    DDX_CBIndex(pDX, IDC_LOGO_TIME, m_nLogoTime);
}

BOOL CStartUpBmp::SetLogoFile(const CString& strPath, const CString& strExtension)
{
    m_preview.SetImage(nullptr);
    BYTE image[LOGO_IMAGE_SIZE];
    const LogoLoad result = LoadLogoBitmap(strPath, image);
    if (result == LogoLoad::ReadFailed) {
        AfxMessageBox(_T("Open file error!"), MB_ICONSTOP);
        return FALSE;
    }
    if (result == LogoLoad::BadFormat && strExtension.CompareNoCase(kBmp) == 0) {
        AfxMessageBox(LogoFormatMessage(strPath, FALSE), MB_ICONEXCLAMATION);
        return FALSE;
    }
    if (result != LogoLoad::Ok || strExtension.CompareNoCase(kBmp) != 0) {
        AfxMessageBox(LogoNotFoundMessage(strPath), MB_ICONEXCLAMATION);
        return FALSE;
    }
    m_preview.SetImage(image);
    SetDlgItemText(IDC_LOGO_FILE, strPath);
    m_strCheckedLogoFile = strPath;
    return TRUE;
}

void CStartUpBmp::OnOpenBitmap()
{
    CFileDialog dlg(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, _T("Graphic files(*.bmp)|*.bmp||"),
                    this);
    if (dlg.DoModal() == IDOK)
        SetLogoFile(dlg.GetPathName(), dlg.GetFileExt());
}

BOOL CStartUpBmp::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(DWORD(wParam)) == IDC_LOGO_OPEN && HIWORD(DWORD(wParam)) == BN_CLICKED) {
        OnOpenBitmap();
        return TRUE;
    }
    return CProgramPage::OnCommand(wParam, lParam);
}
