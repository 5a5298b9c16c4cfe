#include "pages/program/Protect.h"

#include "pages/program/ProgramPageIds.h"
#include "pages/sheet/PageTexts.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Edit.h"

IMPLEMENT_DYNAMIC(CProtect, CProgramPage)

namespace {

constexpr int kTempMin = -32768;
constexpr int kTempMax = 32767;

constexpr ControlTextKey kChineseTexts[] = {
    {IDC_TEMP_GROUP, IDC_TEMP_GROUP},
    {IDC_TEMP_HIGH_LABEL, IDC_TEMP_HIGH_LABEL},
    {IDC_TEMP_LOW_LABEL, IDC_TEMP_LOW_LABEL},
    {IDC_PROGRAM_PROTECT_GROUP, TEXT_KEY_PROGRAM_PROTECT},
    {IDC_COPY_PROTECT, IDC_COPY_PROTECT},
};

}  // namespace

CProtect::CProtect() : CProgramPage(IDD_PROTECT) {}

BOOL CProtect::OnInitDialog()
{
    CProgramPage::OnInitDialog();
    m_tips.SetRange(*this, IDC_TEMP_HIGH, kTempMin, kTempMax);
    m_tips.SetRange(*this, IDC_TEMP_LOW, kTempMin, kTempMax);
    TranslateControls(*this, kChineseTexts);
    return TRUE;
}

void CProtect::DoDataExchange(CDataExchange* pDX)
{
    CProgramPage::DoDataExchange(pDX);
    if (!m_editHigh.GetSafeHwnd()) {
        DDX_Control(pDX, IDC_TEMP_HIGH, m_editHigh);
        DDX_Control(pDX, IDC_TEMP_LOW, m_editLow);
    }
    DDX_Text(pDX, IDC_TEMP_HIGH, m_nTempHigh);
    DDX_Text(pDX, IDC_TEMP_LOW, m_nTempLow);
    DDX_Check(pDX, IDC_COPY_PROTECT, m_bCopyProtect);
    ValidateTemperatures(pDX);
}

void CProtect::ValidateTemperatures(CDataExchange* pDX) const
{
    // Values loaded from the document are shown as they are; the check guards what OK takes.
    if (!pDX->m_bSaveAndValidate || m_nTempHigh >= m_nTempLow)
        return;
    AfxMessageBox(PROTECT_HIGH_BELOW_LOW, MB_ICONEXCLAMATION);
    pDX->Fail();
}

BOOL CProtect::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int nID = LOWORD(DWORD(wParam));
    if (HIWORD(DWORD(wParam)) == EN_UPDATE && (nID == IDC_TEMP_HIGH || nID == IDC_TEMP_LOW)) {
        ClampEditValue(nID, kTempMin, kTempMax);
        return TRUE;
    }
    return CProgramPage::OnCommand(wParam, lParam);
}
