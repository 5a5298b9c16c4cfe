#include "pages/blocks/AMathMux.h"

#include "blocks/BlockTypes.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DataExchange.h"

IMPLEMENT_DYNAMIC(CAMathMux, CAnalogPage)

namespace {

constexpr int kValueMin = -32768;
constexpr int kValueMax = 32767;

}  // namespace

CAMathMux::CAMathMux(int nType) : CAnalogPage(IDD_AMATH_MUX, nType, FALSE) {}

BOOL CAMathMux::IsMath() const { return m_nType == BT_AMATH; }

CString CAMathMux::RowCaption(int nType, int nRow)
{
    CString str;
    if (nType == BT_AMUX)
        str.Format(_T("V%d(S1=%d;S2=%d)"), nRow + 1, nRow / 2, nRow % 2);
    else
        str.Format(_T("V%d"), nRow + 1);
    return str;
}

void CAMathMux::ChoosePriority(int (&priorities)[3], int nChanged, int nNew)
{
    for (int i = 0; i < 3; ++i) {
        if (i != nChanged && priorities[i] == nNew) {
            priorities[i] = priorities[nChanged];
            break;
        }
    }
    priorities[nChanged] = nNew;
}

void CAMathMux::ReadRecord(const AnalogRecord& record)
{
    for (int i = 0; i < AMATH_ROWS; ++i) {
        m_refs[i].m_bUse = record.refs[i].bUse && record.refs[i].nBlockNumber >= 0;
        m_refs[i].m_nBlockNumber = m_refs[i].m_bUse ? record.refs[i].nBlockNumber : -1;
    }
}

void CAMathMux::FillRecord(AnalogRecord& record) const
{
    record.nReferences = AMATH_ROWS;
    for (int i = 0; i < AMATH_ROWS; ++i) {
        record.refs[i].bUse = m_refs[i].m_bUse && m_refs[i].m_nBlockNumber >= 0;
        record.refs[i].nBlockNumber = record.refs[i].bUse ? m_refs[i].m_nBlockNumber : -1;
    }
}

std::vector<CAnalogPage::IntegerBox> CAMathMux::GetIntegerBoxes() const
{
    std::vector<IntegerBox> boxes = CAnalogPage::GetIntegerBoxes();
    for (int i = 0; i < AMATH_ROWS; ++i)
        boxes.push_back({IDC_AMATH_VALUE[i], IDC_AMATH_SPIN[i], 5, kValueMin, kValueMax, BoxRule::CheckedOnLeaving});
    return boxes;
}

void CAMathMux::ExchangeFields(CDataExchange* pDX)
{
    for (int i = 0; i < AMATH_ROWS; ++i) {
        DDX_Text(pDX, IDC_AMATH_VALUE[i], m_nV[i]);
        DDV_MinMaxInt(pDX, m_nV[i], kValueMin, kValueMax);
    }
    DDX_Radio(pDX, IDC_AMATH_EN_ZERO, m_nEnOffOutput);
    for (int i = 0; i < 3; ++i) {
        ExchangeChoice(pDX, IDC_AMATH_OP[i], m_nOperator[i]);
        ExchangeChoice(pDX, IDC_AMATH_PRIO[i], m_nPriority[i]);
    }
}

BOOL CAMathMux::OnInitDialog()
{
    CAnalogPage::OnInitDialog();
    for (int i = 0; i < AMATH_ROWS; ++i) {
        m_refs[i].Create(*this, m_pDocument, m_nBlockNumber);
        if (CWnd* pCheck = GetDlgItem(IDC_AMATH_REF[i]))
            pCheck->EnableWindow(m_bCanRef);
        SetDlgItemText(IDC_AMATH_CAPTION[i], RowCaption(m_nType, i));
        ShowRow(i);
    }
    const BOOL bMath = IsMath();
    for (int i = 0; i < 3; ++i)
        ShowControls({IDC_AMATH_OP_LABEL[i], IDC_AMATH_OP[i], IDC_AMATH_PRIO_LABEL[i], IDC_AMATH_PRIO[i]}, bMath);
    ShowControls({IDC_AMATH_EN_LABEL, IDC_AMATH_EN_ZERO, IDC_AMATH_EN_LAST}, bMath);
    return TRUE;
}

void CAMathMux::ShowRow(int nRow)
{
    ShowControls({IDC_AMATH_SPIN[nRow]}, !m_refs[nRow].m_bUse);
}

void CAMathMux::OnPriorityChanged(int nIndex)
{
    const auto* pList = static_cast<const CComboBox*>(GetDlgItem(IDC_AMATH_PRIO[nIndex]));
    if (!pList || pList->GetCurSel() < 0)
        return;
    ChoosePriority(m_nPriority, nIndex, pList->GetCurSel());
    for (int i = 0; i < 3; ++i) {
        if (auto* pOther = static_cast<CComboBox*>(GetDlgItem(IDC_AMATH_PRIO[i])); pOther && pOther->GetCurSel() != m_nPriority[i])
            pOther->SetCurSel(m_nPriority[i]);
    }
    SetModified(TRUE);
}

// A row without a reference names no block.
void CAMathMux::PrepareApply()
{
    CAnalogPage::PrepareApply();
    for (CReferenceRow& row : m_refs)
        row.ReadChoice();
}

BOOL CAMathMux::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int nID = LOWORD(DWORD(wParam));
    const int nCode = HIWORD(DWORD(wParam));
    if (m_bWriting)
        return CAnalogPage::OnCommand(wParam, lParam);
    for (int i = 0; i < AMATH_ROWS; ++i) {
        if (nID == IDC_AMATH_REF[i] && nCode == BN_CLICKED) {
            m_refs[i].OnCheckClicked(*this);
            m_refs[i].ReadChoice();
            ShowRow(i);
            SetModified(TRUE);
            return TRUE;
        }
        if (nID == int(IDC_AMATH_LIST[i]) && nCode == CBN_SELCHANGE) {
            m_refs[i].ReadChoice();
            SetModified(TRUE);
            return TRUE;
        }
    }
    for (int i = 0; i < 3; ++i) {
        if (nID == IDC_AMATH_PRIO[i] && nCode == CBN_SELCHANGE) {
            OnPriorityChanged(i);
            return TRUE;
        }
    }
    const bool bValue = nCode == EN_CHANGE && (nID == IDC_AMATH_VALUE[0] || nID == IDC_AMATH_VALUE[1] ||
                                               nID == IDC_AMATH_VALUE[2] || nID == IDC_AMATH_VALUE[3]);
    const bool bOperator = nCode == CBN_SELCHANGE && (nID == IDC_AMATH_OP[0] || nID == IDC_AMATH_OP[1] || nID == IDC_AMATH_OP[2]);
    const bool bEnOption = nCode == BN_CLICKED && (nID == IDC_AMATH_EN_ZERO || nID == IDC_AMATH_EN_LAST);
    if (bValue || bOperator || bEnOption) {
        SetModified(TRUE);
        return TRUE;
    }
    return CAnalogPage::OnCommand(wParam, lParam);
}
