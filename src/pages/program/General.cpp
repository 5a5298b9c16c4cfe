#include "pages/program/General.h"

#include "pages/program/ProgramPageIds.h"
#include "pages/sheet/PageTexts.h"
#include "platform/ui/DataExchange.h"

IMPLEMENT_DYNAMIC(CGeneral, CProgramPage)

namespace {

constexpr ControlTextKey kChineseTexts[] = {
    {IDC_CREATOR_LABEL, IDC_CREATOR_LABEL},   {IDC_PROJECT_NAME_LABEL, IDC_PROJECT_NAME_LABEL},
    {IDC_INSTALLATION_LABEL, IDC_INSTALLATION_LABEL}, {IDC_CUSTOMER_LABEL, IDC_CUSTOMER_LABEL},
    {IDC_DIAGRAM_NO_LABEL, IDC_DIAGRAM_NO_LABEL}, {IDC_CHECKED_LABEL, IDC_CHECKED_LABEL},
    {IDC_VERSION_LABEL, IDC_VERSION_LABEL},   {IDC_SHOW_AT_NEW_FILE, TEXT_KEY_SHOW_AT_NEW_FILE},
};

}  // namespace

CGeneral::CGeneral() : CProgramPage(IDD_GENERAL) {}

BOOL CGeneral::OnInitDialog()
{
    CProgramPage::OnInitDialog();
    TranslateControls(*this, kChineseTexts);
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
