#include "pages/program/AnalogOutputDlgs.h"

#include "pages/program/ProgramPageIds.h"
#include "pages/program/ProgramPageTemplates.h"
#include "platform/ui/ComboBox.h"

IMPLEMENT_DYNAMIC(CFixedValueDlg, CDialog)
IMPLEMENT_DYNAMIC(CValueRangeTypeDlg, CDialog)

namespace {

constexpr double kFixedMin = 0.0;
constexpr double kFixedMax = 10.0;
constexpr int kRangeTypes = 2;

}  // namespace

CFixedValueDlg::CFixedValueDlg(double (&values)[PROGRAM_AQ_COUNT], CWnd* pParent)
    : CDialog(IDD_FIXED_VALUE, pParent), m_values(values)
{
    RegisterProgramPageTemplates();
}

CFixedValueDlg::~CFixedValueDlg() = default;

BOOL CFixedValueDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_tips.Create(*this);
    for (int i = 0; i < PROGRAM_AQ_COUNT; ++i) {
        auto pEdit = std::make_unique<CNumericEdit>(2, 2);
        if (!pEdit->SubclassDlgItem(UINT(IDC_FIXED_VALUE_FIRST + i), this))
            continue;
        // A value typed outside 0..10 V is put back into the range when the box is left.
        pEdit->ModifyFlags(NUM_CLAMP_INVALID | NUM_NO_NEGATIVE, 0);
        pEdit->SetRange(kFixedMin, kFixedMax);
        pEdit->SetDouble(m_values[i]);
        pEdit->NoteGivenText();
        m_tips.SetRange(*this, IDC_FIXED_VALUE_FIRST + i, int(kFixedMin), int(kFixedMax), _T("V"));
        m_edits[size_t(i)] = std::move(pEdit);
    }
    return TRUE;
}

BOOL CFixedValueDlg::PreTranslateMessage(MSG* pMsg)
{
    m_tips.Relay(pMsg);
    return CDialog::PreTranslateMessage(pMsg);
}

void CFixedValueDlg::OnOK()
{
    for (int i = 0; i < PROGRAM_AQ_COUNT; ++i) {
        if (const auto& pEdit = m_edits[size_t(i)]) {
            // A stored value outside 0..10 V stays while its box still shows it; the box clamps
            // what is typed when it is left, and OK may come while the last one has the focus.
            if (pEdit->ShowsGivenText())
                continue;
            const double d = pEdit->GetDouble();
            m_values[i] = d < kFixedMin ? kFixedMin : d > kFixedMax ? kFixedMax : d;
        }
    }
    CDialog::OnOK();
}

CValueRangeTypeDlg::CValueRangeTypeDlg(BYTE (&types)[PROGRAM_AQ_COUNT], CWnd* pParent)
    : CDialog(IDD_VALUE_RANGE_TYPE, pParent), m_types(types)
{
    RegisterProgramPageTemplates();
}

BOOL CValueRangeTypeDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    for (int i = 0; i < PROGRAM_AQ_COUNT; ++i) {
        if (auto* pCombo = static_cast<CComboBox*>(GetDlgItem(IDC_RANGE_TYPE_FIRST + i)))
            pCombo->SetCurSel(m_types[i] < kRangeTypes ? m_types[i] : 0);
    }
    return TRUE;
}

void CValueRangeTypeDlg::OnOK()
{
    for (int i = 0; i < PROGRAM_AQ_COUNT; ++i) {
        if (auto* pCombo = static_cast<CComboBox*>(GetDlgItem(IDC_RANGE_TYPE_FIRST + i))) {
            const int nSel = pCombo->GetCurSel();
            m_types[i] = BYTE(nSel < 0 ? 0 : nSel);
        }
    }
    CDialog::OnOK();
}
