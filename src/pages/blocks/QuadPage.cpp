#include "pages/blocks/QuadPage.h"

#include "blocks/BlockFunction.h"
#include "pages/blocks/FunctionPageIds.h"
#include "pages/blocks/FunctionTemplates.h"
#include "pages/sheet/PageIds.h"
#include "pages/sheet/SheetApplyRecord.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/SpinButtonCtrl.h"

IMPLEMENT_DYNAMIC(CQUAD, CBlockPage)

namespace {

constexpr int kCoefficients[] = {IDC_QUAD_A, IDC_QUAD_B, IDC_QUAD_C};
constexpr int kCoefficientSpins[] = {IDC_QUAD_A_SPIN, IDC_QUAD_B_SPIN, IDC_QUAD_C_SPIN};

DialogTemplate QuadTemplate()
{
    DialogTemplate t = ParameterPage(IDD_QUAD, CSize(235, 217));
    AddBlockNameRow(t);
    const LPCTSTR names[] = {_T("A"), _T("B"), _T("C")};
    for (int i = 0; i < 3; ++i) {
        t.items.push_back(PageLabel(names[i], CRect(10, 32 + 16 * i, 20, 42 + 16 * i)));
        t.items.push_back(PageEdit(UINT(kCoefficients[i]), CRect(24, 30 + 16 * i, 80, 42 + 16 * i)));
        t.items.push_back(PageSpin(UINT(kCoefficientSpins[i]), CRect(80, 30 + 16 * i, 90, 42 + 16 * i)));
    }
    t.items.push_back(PageLabel(_T("Dir"), CRect(100, 32, 150, 42), UINT(IDC_SELECTOR_LABEL)));
    t.items.push_back(PageCombo(UINT(IDC_SELECTOR), CRect(160, 30, 196, 70), {_T("0"), _T("1")}));
    t.items.push_back(PageLabel(_T("Amplification"), CRect(100, 50, 158, 60), UINT(IDC_AMPLIFICATION_LABEL)));
    t.items.push_back(PageEdit(UINT(IDC_AMPLIFICATION), CRect(160, 48, 215, 60)));
    DialogItemTemplate spin = PageSpin(UINT(IDC_AMPLIFICATION_SPIN), CRect(215, 48, 225, 60));
    spin.dwStyle &= ~UDS_SETBUDDYINT;
    t.items.push_back(spin);
    t.items.push_back(PageCheck(UINT(IDC_PAGE_PROTECTION), _T("Protection Active"), CRect(100, 66, 225, 78)));
    const LPCTSTR formulas[] = {_T("y=Ax  + Bx + C"),
                                _T("x = ( -B + sqrt(B  -4A(C-y)) ) / 2A  ( while dir = 0 )"),
                                _T("x = ( -B - sqrt(B  -4A(C-y)) ) / 2A  ( while dir = 1 )"),
                                _T("R = 1  -->  Output = 0"),
                                _T("R = 0  -->  Output = x * Amp     ( -32767 ~ 32767 )")};
    for (int i = 0; i < 5; ++i)
        t.items.push_back(PageLabel(formulas[i], CRect(10, 100 + 20 * i, 225, 109 + 20 * i), UINT(1303 + i)));
    // The exponents above the formulas, over the gap each formula leaves for one.
    t.items.push_back(PageLabel(_T("2"), CRect(32, 91, 38, 100)));
    t.items.push_back(PageLabel(_T("2"), CRect(79, 111, 85, 120)));
    t.items.push_back(PageLabel(_T("2"), CRect(79, 131, 85, 140)));
    return t;
}

struct QuadValues {
    int nProtection;
    int nDirection;
    int nA;
    int nB;
    int nC;
    double dAmplification;
};

void WriteQuad(const QuadValues& v, CBlockObj& block)
{
    block.m_nParam[BLOCK_PROTECTION_PARAM] = v.nProtection;
    block.m_nParam[QUAD_ROOT_PARAM] = v.nDirection;
    block.m_nParam[QUAD_A_PARAM] = v.nA;
    block.m_nParamEx[QUAD_B_PARAMEX] = v.nB;
    block.m_nParamEx[QUAD_C_PARAMEX] = v.nC;
    block.m_dParam = v.dAmplification;
}

}  // namespace

CQUAD::CQUAD(int nType) : CBlockPage(IDD_QUAD, nType) { RegisterPageTemplateOnce(IDD_QUAD, QuadTemplate); }

void CQUAD::CopyFromBlock(const CBlockObj& block)
{
    m_bProtection = block.m_nParam[BLOCK_PROTECTION_PARAM];
    m_nDirection = block.m_nParam[QUAD_ROOT_PARAM];
    m_nCoefA = block.m_nParam[QUAD_A_PARAM];
    m_nCoefB = block.m_nParamEx[QUAD_B_PARAMEX];
    m_nCoefC = block.m_nParamEx[QUAD_C_PARAMEX];
    m_dAmplification = block.m_dParam;
}

void CQUAD::CopyToBlock(CBlockObj& block) const
{
    WriteQuad({m_bProtection, m_nDirection, m_nCoefA, m_nCoefB, m_nCoefC, m_dAmplification}, block);
}

void CQUAD::AddToApplyRecord(SheetApplyRecord& record)
{
    const QuadValues values{m_bProtection, m_nDirection, m_nCoefA, m_nCoefB, m_nCoefC, m_dAmplification};
    record.writers.emplace_back([values](CBlockObj& block) { WriteQuad(values, block); });
}

BOOL CQUAD::OnInitDialog()
{
    CBlockPage::OnInitDialog();
    for (int i = 0; i < 3; ++i) {
        SetupSpin(*this, kCoefficientSpins[i], kCoefficients[i], -QUAD_COEF_LIMIT, QUAD_COEF_LIMIT);
        m_hints.AddRange(*this, kCoefficients[i], -QUAD_COEF_LIMIT, QUAD_COEF_LIMIT);
    }
    SetupFreeSpin(*this, IDC_AMPLIFICATION_SPIN, -int(AMPLIFICATION_LIMIT), int(AMPLIFICATION_LIMIT),
                  int(CAmplificationRow::Clamped(m_dAmplification)));
    m_hints.AddRange(*this, IDC_AMPLIFICATION, -AMPLIFICATION_LIMIT, AMPLIFICATION_LIMIT);
    return TRUE;
}

BOOL CQUAD::PreTranslateMessage(MSG* pMsg)
{
    m_hints.Relay(pMsg);
    return CBlockPage::PreTranslateMessage(pMsg);
}

BOOL CQUAD::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const auto* pHeader = reinterpret_cast<const NMHDR*>(lParam);
    if (pHeader && pHeader->idFrom == UINT_PTR(IDC_AMPLIFICATION_SPIN) && pHeader->code == UDN_DELTAPOS) {
        m_amplification.OnDeltaPos(*this, IDC_AMPLIFICATION, reinterpret_cast<const NMUPDOWN*>(lParam)->iDelta);
        *pResult = 0;
        return TRUE;
    }
    return CBlockPage::OnNotify(wParam, lParam, pResult);
}

void CQUAD::DoDataExchange(CDataExchange* pDX)
{
    CBlockPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_PAGE_PROTECTION, m_bProtection);
    ExchangeChoice(pDX, IDC_SELECTOR, m_nDirection);
    int* members[] = {&m_nCoefA, &m_nCoefB, &m_nCoefC};
    for (int i = 0; i < 3; ++i) {
        DDX_Text(pDX, kCoefficients[i], *members[i]);
        DDV_MinMaxInt(pDX, *members[i], -QUAD_COEF_LIMIT, QUAD_COEF_LIMIT);
    }
    m_amplification.Exchange(pDX, IDC_AMPLIFICATION, m_dAmplification);
    CheckCoefA(pDX);
}

void CQUAD::CheckCoefA(CDataExchange* pDX) const
{
    if (!pDX->m_bSaveAndValidate || m_nCoefA != 0)
        return;
    AfxMessageBox(_T("Please enter a integer except 0"), MB_ICONEXCLAMATION);
    pDX->PrepareEditCtrl(IDC_QUAD_A);
    pDX->Fail();
}

BOOL CQUAD::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int nID = LOWORD(DWORD(wParam));
    const int nCode = HIWORD(DWORD(wParam));
    if (nID == IDC_AMPLIFICATION && nCode == EN_UPDATE)
        m_amplification.OnUpdate(*this, IDC_AMPLIFICATION);
    const bool bChange = (nCode == EN_CHANGE && (nID == IDC_QUAD_A || nID == IDC_QUAD_B || nID == IDC_QUAD_C ||
                                                 nID == IDC_AMPLIFICATION)) ||
                         (nCode == CBN_SELCHANGE && nID == IDC_SELECTOR) ||
                         (nCode == BN_CLICKED && nID == IDC_PAGE_PROTECTION);
    if (bChange)
        SetModified(TRUE);
    return CBlockPage::OnCommand(wParam, lParam);
}
