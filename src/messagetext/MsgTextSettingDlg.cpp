#include "messagetext/MsgTextSettingDlg.h"

#include "blocks/BlockMSGTEXT.h"
#include "document/VetlaDoc.h"
#include "messagetext/DialogTexts.h"
#include "messagetext/MessageTextIds.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Edit.h"
#include "platform/ui/SpinButtonCtrl.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CMsgTextSettingDlg, CDialog)

namespace {

constexpr int kScopeTimeMin = 5;
constexpr int kScopeTimeMax = 50000;
constexpr int kTickerCharMin = 100;
constexpr int kTickerCharMax = 10000;
constexpr int kTickerStep = 100;
constexpr int kTickerLineMin = 1000;
constexpr int kTickerLineMax = 100000;
constexpr int kLineTimeFactor = 10;
constexpr int kEditChars = 5;

LPCTSTR CharSetLabel(int nSet)
{
    switch (nSet) {
    case 0: return _T("SC:Simplified Chinese, English");
    case 1: return _T("TC:Traditional Chinese, English");
    default: return _T("Others:English, Spanish,...");
    }
}

int EmptyPlane(CString (&cells)[MSGTEXT_ROWS][MSGTEXT_COLUMNS])
{
    int nEmptied = 0;
    for (int r = 1; r < MSGTEXT_ROWS; ++r) {
        for (int c = 1; c < MSGTEXT_COLUMNS; ++c) {
            if (!cells[r][c].IsEmpty() && cells[r][c].GetAt(0) >= 0x80) {
                cells[r][c].Empty();
                ++nEmptied;
            }
        }
    }
    return nEmptied;
}

}  // namespace

int EmptyExtendedCells(CVetlaDoc& doc, bool bPlane1, bool bPlane2)
{
    int nEmptied = 0;
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;) {
        auto* pText = dynamic_cast<CBlockMSGTEXT*>(static_cast<CObject*>(doc.m_blockList.GetNext(pos)));
        if (!pText)
            continue;
        if (bPlane1)
            nEmptied += EmptyPlane(pText->m_strCells1);
        if (bPlane2)
            nEmptied += EmptyPlane(pText->m_strCells2);
    }
    return nEmptied;
}

int TickerLineTimeFor(int nTickerChar)
{
    const long long nLine = (std::max(nTickerChar, 0) / kTickerStep) * static_cast<long long>(kTickerStep) * kLineTimeFactor;
    return int(std::clamp<long long>(nLine, kTickerLineMin, kTickerLineMax));
}

int TickerStepTarget(int nPos, int nSteps)
{
    // Below one step an upward click only rounds down.
    const long long nTarget = nPos < kTickerStep && nSteps > 0 ? nPos : static_cast<long long>(nPos) + kTickerStep * nSteps;
    return int(std::clamp<long long>(nTarget, 0, kTickerCharMax) / kTickerStep * kTickerStep);
}

CMsgTextSettingDlg::CMsgTextSettingDlg(CVetlaDoc* pDoc, CWnd* pParent) : CDialog(IDD_MSG_TEXT_SETTING, pParent), m_pDoc(pDoc)
{
    RegisterMessageTextTemplates();
}

void CMsgTextSettingDlg::CopyFromDocument(const CVetlaDoc& doc)
{
    m_nCharSet1 = m_nOldCharSet1 = doc.m_nCharSet1;
    m_nCharSet2 = m_nOldCharSet2 = doc.m_nCharSet2;
    m_nDefaultSet = doc.m_nDefaultCharSet;
    m_nAnalogFilter = doc.m_nAiFilter;
    m_nScopeTime = doc.m_nScopeTime;
    m_nTickerChar = doc.m_nTickerCharTime;
    m_nTickerLine = doc.m_nTickerLineTime;
}

BOOL CMsgTextSettingDlg::CopyToDocument(CVetlaDoc& doc) const
{
    const BOOL bChanged = doc.m_nCharSet1 != m_nCharSet1 || doc.m_nCharSet2 != m_nCharSet2 ||
                          doc.m_nDefaultCharSet != m_nDefaultSet || doc.m_nAiFilter != m_nAnalogFilter ||
                          doc.m_nScopeTime != m_nScopeTime || doc.m_nTickerCharTime != m_nTickerChar ||
                          doc.m_nTickerLineTime != m_nTickerLine;
    doc.m_nCharSet1 = m_nCharSet1;
    doc.m_nCharSet2 = m_nCharSet2;
    doc.m_nDefaultCharSet = m_nDefaultSet;
    doc.m_nAiFilter = m_nAnalogFilter;
    doc.m_nScopeTime = m_nScopeTime;
    doc.m_nTickerCharTime = m_nTickerChar;
    doc.m_nTickerLineTime = m_nTickerLine;
    return bChanged;
}

BOOL CMsgTextSettingDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    TranslateDialogButtons(*this);
    static_cast<CEdit*>(GetDlgItem(IDC_MTS_TICKER_CHAR))->LimitText(kEditChars);
    static_cast<CEdit*>(GetDlgItem(IDC_MTS_SCOPE_TIME))->LimitText(kEditChars);
    auto* pTickerSpin = static_cast<CSpinButtonCtrl*>(GetDlgItem(IDC_MTS_TICKER_SPIN));
    pTickerSpin->SetRange32(kTickerCharMin, kTickerCharMax);
    pTickerSpin->SetPos(m_nTickerChar);
    // Each arrow starts at its box's value: a range set alone puts the arrow's own start (the
    // least time) into the box, which an untouched OK would store.
    auto* pScopeSpin = static_cast<CSpinButtonCtrl*>(GetDlgItem(IDC_MTS_SCOPE_SPIN));
    pScopeSpin->SetRange32(kScopeTimeMin, kScopeTimeMax);
    pScopeSpin->SetPos(m_nScopeTime);
    UpdateSetLabel(IDC_MTS_CHARSET1, IDC_MTS_LABEL1);
    UpdateSetLabel(IDC_MTS_CHARSET2, IDC_MTS_LABEL2);
    return TRUE;
}

void CMsgTextSettingDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    ExchangeChoice(pDX, IDC_MTS_CHARSET1, m_nCharSet1);
    ExchangeChoice(pDX, IDC_MTS_CHARSET2, m_nCharSet2);
    DDX_Radio(pDX, IDC_MTS_DEFAULT1, m_nDefaultSet);
    ExchangeChoice(pDX, IDC_MTS_FILTER, m_nAnalogFilter);
    DDX_Text(pDX, IDC_MTS_SCOPE_TIME, m_nScopeTime);
    DDV_MinMaxInt(pDX, m_nScopeTime, kScopeTimeMin, kScopeTimeMax);
    UINT nTickerChar = UINT(m_nTickerChar);
    DDX_Text(pDX, IDC_MTS_TICKER_CHAR, nTickerChar);
    DDV_MinMaxUInt(pDX, nTickerChar, kTickerCharMin, kTickerCharMax);
    if (pDX->m_bSaveAndValidate && nTickerChar % kTickerStep != 0) {
        AfxMessageBox(_T("Enter a ticker time character by character from 100 to 10000 ms, in steps of 100 ms."),
                      MB_ICONEXCLAMATION);
        pDX->Fail();
    }
    m_nTickerChar = int(nTickerChar);
    UINT nTickerLine = UINT(m_nTickerLine);
    DDX_Text(pDX, IDC_MTS_TICKER_LINE, nTickerLine);
    DDV_MinMaxUInt(pDX, nTickerLine, kTickerLineMin, kTickerLineMax);
    m_nTickerLine = int(nTickerLine);
}

// Every field is checked before the question, and the cells go only when the answer is Yes:
// a refused field or a No leaves every message text as it was.
void CMsgTextSettingDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    const bool bSet1 = m_nCharSet1 != m_nOldCharSet1;
    const bool bSet2 = m_nCharSet2 != m_nOldCharSet2;
    if (bSet1 || bSet2) {
        if (AfxMessageBox(_T("Some message contents will be removed.\nDo you want to continue?"), MB_YESNO) != IDYES)
            return;
        if (m_pDoc)
            EmptyExtendedCells(*m_pDoc, bSet1, bSet2);
    }
    EndDialog(IDOK);
}

BOOL CMsgTextSettingDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int nID = LOWORD(DWORD(wParam));
    const UINT nCode = HIWORD(DWORD(wParam));
    if (nCode == CBN_SELCHANGE && (nID == IDC_MTS_CHARSET1 || nID == IDC_MTS_CHARSET2)) {
        UpdateSetLabel(nID, nID == IDC_MTS_CHARSET1 ? IDC_MTS_LABEL1 : IDC_MTS_LABEL2);
        return TRUE;
    }
    if (nCode == EN_UPDATE && nID == IDC_MTS_TICKER_CHAR) {
        OnTickerCharUpdate();
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

// The character ticker's arrows move by 100 ms onto the 100 ms steps.
BOOL CMsgTextSettingDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    auto* pHdr = reinterpret_cast<NMHDR*>(lParam);
    if (int(wParam) == IDC_MTS_TICKER_SPIN && pHdr->code == UDN_DELTAPOS) {
        auto* pUpDown = reinterpret_cast<NMUPDOWN*>(lParam);
        pUpDown->iDelta = TickerStepTarget(pUpDown->iPos, pUpDown->iDelta) - pUpDown->iPos;
        *pResult = 0;
        return TRUE;
    }
    return CDialog::OnNotify(wParam, lParam, pResult);
}

void CMsgTextSettingDlg::UpdateSetLabel(int nComboID, int nLabelID)
{
    const int nSel = static_cast<CComboBox*>(GetDlgItem(nComboID))->GetCurSel();
    SetDlgItemText(nLabelID, CharSetLabel(nSel));
}

void CMsgTextSettingDlg::OnTickerCharUpdate()
{
    BOOL bNumber = FALSE;
    const UINT nValue = GetDlgItemInt(IDC_MTS_TICKER_CHAR, &bNumber, FALSE);
    if (bNumber)
        SetDlgItemInt(IDC_MTS_TICKER_LINE, UINT(TickerLineTimeFor(int(std::min<UINT>(nValue, 1000000)))), FALSE);
}
