#include "pages/program/General.h"

#include "pages/program/ProgramPageIds.h"
#include "platform/ui/DataExchange.h"

IMPLEMENT_DYNAMIC(CGeneral, CProgramPage)

CGeneral::CGeneral() : CProgramPage(IDD_GENERAL) {}

BOOL CGeneral::OnInitDialog()
{
    CProgramPage::OnInitDialog();
    TranslateCaptions(IDC_GENERAL_CAPTIONS);
    TranslateCaption(IDC_SHOW_AT_NEW_FILE, TEXT_KEY_SHOW_AT_NEW_FILE);
    return TRUE;
}

void CGeneral::DoDataExchange(CDataExchange* pDX)
{
    CProgramPage::DoDataExchange(pDX);
    for (int i = 0; i < PROJECT_TEXT_COUNT; ++i) {
        DDX_Text(pDX, IDC_GENERAL_TEXTS[i], m_strText[i]);
        DDV_MaxChars(pDX, m_strText[i], GENERAL_TEXT_MAX);
    }
    DDX_Check(pDX, IDC_SHOW_AT_NEW_FILE, m_bShowAtNewFile);
}
