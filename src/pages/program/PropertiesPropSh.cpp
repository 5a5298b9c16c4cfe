#include "pages/program/PropertiesPropSh.h"

#include "document/VetlaDoc.h"
#include "pages/program/ProgramPageIds.h"
#include "pages/sheet/PageTexts.h"

IMPLEMENT_DYNAMIC(CPropertiesPropSh, CPropertySheet)

namespace {

constexpr LPCTSTR kComTitles[COM_PORT_COUNT] = {_T("COM0"), _T("COM1"), _T("COM2")};

}  // namespace

CPropertiesPropSh::CPropertiesPropSh(LPCTSTR lpszCaption, CWnd* pParentWnd, UINT nFirstPage)
    : CPropertySheet(lpszCaption, pParentWnd, nFirstPage)
{
    m_psh.dwFlags |= PSH_HASHELP | PSH_NOAPPLYNOW;
    AddPage(&m_general);
    AddPage(&m_comment);
    AddPage(&m_parameter);
    AddPage(&m_protect);
    for (int i = 0; i < COM_PORT_COUNT; ++i) {
        m_com[i].m_psp.dwFlags |= PSP_USETITLE;
        m_com[i].m_psp.pszTitle = kComTitles[i];
        AddPage(&m_com[i]);
    }
    AddPage(&m_startUpBmp);
    AddPage(&m_hardware);
    if (IsChinesePageUI())
        TranslateTitles();
}

void CPropertiesPropSh::TranslateTitles()
{
    for (int i = 0; i < PAGE_COUNT; ++i) {
        CPropertyPage* pPage = GetPage(i);
        if (!pPage || !LookupPageText(TEXT_KEYS_PROGRAM_PAGES[i], m_strTitles[i]))
            continue;
        pPage->m_psp.dwFlags |= PSP_USETITLE;
        pPage->m_psp.pszTitle = m_strTitles[i];
    }
}

void CPropertiesPropSh::CopyFromDocument(CVetlaDoc& doc)
{
    for (int i = 0; i < PAGE_COUNT; ++i) {
        if (auto* pPage = dynamic_cast<CProgramPage*>(GetPage(i)))
            pPage->SetDocument(&doc);
    }
    m_startUpBmp.m_bHasUploadedLogo = doc.m_bHasUploadedLogo;
    CopyIn(ReadProgramSettings(doc));
    m_hardware.m_wHardwareCode = doc.m_wHardwareCode;
}

void CPropertiesPropSh::CopyIn(const ProgramSettings& s)
{
    m_base = s;
    for (int i = 0; i < PROJECT_TEXT_COUNT; ++i)
        m_general.m_strText[i] = s.strProject[i];
    m_general.m_bShowAtNewFile = s.bShowAtNewFile;
    m_comment.m_strComment = s.strComment;
    m_parameter.m_strProgramName = s.strProgramName;
    m_parameter.m_strCurrentPassword = s.strPassword;
    m_parameter.m_strStoredPassword = s.strPassword;
    m_parameter.m_nRedundancy = s.nRedundancy;
    m_parameter.m_nSyncTime = s.nSyncTime;
    m_parameter.m_nAiRangeType[0] = s.analog.nAiRangeType[0];
    m_parameter.m_nAiRangeType[1] = s.analog.nAiRangeType[1];
    m_parameter.m_bKeepAqValues = s.analog.bKeepAqValues;
    std::copy(std::begin(s.analog.dAqFixedValue), std::end(s.analog.dAqFixedValue), m_parameter.m_dAqFixedValue);
    std::copy(std::begin(s.analog.byAqRangeType), std::end(s.analog.byAqRangeType), m_parameter.m_byAqRangeType);
    m_protect.m_bCopyProtect = s.bCopyProtect;
    m_protect.m_nTempHigh = s.nTempHigh;
    m_protect.m_nTempLow = s.nTempLow;
    for (int i = 0; i < COM_PORT_COUNT; ++i)
        m_com[i].CopyFrom(s.com[i]);
    m_startUpBmp.m_strLogoFile = s.strLogoFile;
    m_startUpBmp.m_bLogoInverse = s.bLogoInverse;
    m_startUpBmp.m_nLanguage = s.lcd.nLanguage;
    m_startUpBmp.m_nLogoTime = s.lcd.nLogoTime;
    m_startUpBmp.m_nLcdContrast = s.lcd.nContrast;
    m_startUpBmp.m_nLcdBacklight = s.lcd.nBacklight;
}

ProgramSettings CPropertiesPropSh::GetSettings() const
{
    ProgramSettings s = m_base;
    for (int i = 0; i < PROJECT_TEXT_COUNT; ++i)
        s.strProject[i] = m_general.m_strText[i];
    s.bShowAtNewFile = m_general.m_bShowAtNewFile;
    s.strComment = m_comment.m_strComment;
    s.strProgramName = m_parameter.m_strProgramName;
    s.strPassword = m_parameter.m_strCurrentPassword;
    s.nRedundancy = m_parameter.m_nRedundancy;
    s.nSyncTime = m_parameter.m_nSyncTime;
    s.analog.nAiRangeType[0] = m_parameter.m_nAiRangeType[0];
    s.analog.nAiRangeType[1] = m_parameter.m_nAiRangeType[1];
    s.analog.bKeepAqValues = m_parameter.m_bKeepAqValues;
    std::copy(std::begin(m_parameter.m_dAqFixedValue), std::end(m_parameter.m_dAqFixedValue), s.analog.dAqFixedValue);
    std::copy(std::begin(m_parameter.m_byAqRangeType), std::end(m_parameter.m_byAqRangeType), s.analog.byAqRangeType);
    s.bCopyProtect = m_protect.m_bCopyProtect;
    s.nTempHigh = m_protect.m_nTempHigh;
    s.nTempLow = m_protect.m_nTempLow;
    for (int i = 0; i < COM_PORT_COUNT; ++i)
        s.com[i] = m_com[i].CopyTo(m_base.com[i]);
    s.strLogoFile = m_startUpBmp.m_strLogoFile;
    s.bLogoInverse = m_startUpBmp.m_bLogoInverse;
    s.lcd.nLanguage = m_startUpBmp.m_nLanguage;
    s.lcd.nLogoTime = m_startUpBmp.m_nLogoTime;
    s.lcd.nContrast = m_startUpBmp.m_nLcdContrast;
    s.lcd.nBacklight = m_startUpBmp.m_nLcdBacklight;
    return s;
}

BOOL CPropertiesPropSh::OnInitDialog()
{
    const BOOL bResult = CPropertySheet::OnInitDialog();
    // The comment fills the page area, as the other pages do.
    if (CPropertyPage* pShown = GetActivePage(); pShown && pShown->GetSafeHwnd())
        pShown->GetWindowRect(m_comment.m_rcPage);
    struct Button {
        int nID;
        LPCTSTR lpszText;
        WORD nKey;
    };
    constexpr Button kButtons[] = {{IDOK, _T("OK"), TEXT_KEY_OK},
                                   {IDCANCEL, _T("Cancel"), TEXT_KEY_CANCEL},
                                   {IDHELP, _T("Help"), TEXT_KEY_HELP},
                                   {ID_APPLY_NOW, nullptr, TEXT_KEY_APPLY}};
    for (const Button& button : kButtons) {
        CWnd* pButton = GetDlgItem(button.nID);
        if (!pButton)
            continue;
        CString strText = button.lpszText ? button.lpszText : _T("");
        if (IsChinesePageUI())
            LookupPageText(button.nKey, strText);
        if (!strText.IsEmpty())
            pButton->SetWindowText(strText);
    }
    return bResult;
}

BOOL CPropertiesPropSh::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // The program settings have no help topic: Help does nothing.
    if (LOWORD(DWORD(wParam)) == IDHELP)
        return TRUE;
    return CPropertySheet::OnCommand(wParam, lParam);
}
