#include "pages/blocks/ConstantsPar.h"

#include "blocks/BlockTypes.h"
#include "document/VetlaDoc.h"
#include "pages/blocks/IoOperands.h"
#include "pages/blocks/IoPageIds.h"
#include "pages/sheet/PageTexts.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Static.h"

IMPLEMENT_DYNAMIC(CConstantsPar, CBlockPage)

namespace {

constexpr int kMaxNumberChars = 5;
constexpr int kNoteHeight = 30;
constexpr int IDC_IO_FLAG_NOTE = 1005;

}  // namespace

CConstantsPar::CConstantsPar(int nType) : CBlockPage(IDD_CONSTANTS_PAR, nType), m_pKind(FindIoOperandKind(nType))
{
    RegisterIoPageTemplates();
}

BOOL CConstantsPar::OnInitDialog()
{
    CBlockPage::OnInitDialog();
    CString strLabel = m_pKind && m_pKind->lpszLabel ? m_pKind->lpszLabel : _T("");
    if (m_pKind && m_pKind->nLabelKey && IsChinesePageUI())
        LookupPageText(m_pKind->nLabelKey, strLabel);
    if (!strLabel.IsEmpty())
        SetDlgItemText(IDC_IO_NUMBER_LABEL, strLabel);
    FillNumbers();
    ShowFlagNote();
    return TRUE;
}

void CConstantsPar::DoDataExchange(CDataExchange* pDX)
{
    CBlockPage::DoDataExchange(pDX);
    if (pDX->m_bSaveAndValidate) {
        DDX_CBString(pDX, IDC_IO_NUMBER, m_strNumber);
        DDV_MaxChars(pDX, m_strNumber, kMaxNumberChars);
    }
}

void CConstantsPar::FillNumbers()
{
    auto* pNumbers = static_cast<CComboBox*>(GetDlgItem(IDC_IO_NUMBER));
    if (!pNumbers)
        return;
    pNumbers->ResetContent();
    if (!m_pKind || !m_pDocument)
        return;
    const BOOL bNew = m_pDocument->IsNewGenerationDoc();
    const std::vector<IoUsage> usage = BuildIoUsage(*m_pDocument, *m_pKind, m_nIONumber);
    int nSelect = -1;
    for (int nIndex = 0; nIndex < m_pKind->Count(); ++nIndex) {
        if (!m_pKind->IsOffered(nIndex, bNew) || usage[size_t(nIndex)] == IoUsage::Taken)
            continue;
        const int nItem = pNumbers->AddString(IoOperandText(*m_pKind, nIndex));
        if (usage[size_t(nIndex)] == IoUsage::Own)
            nSelect = nItem;
    }
    pNumbers->SetCurSel(nSelect);
}

void CConstantsPar::ShowFlagNote()
{
    if (m_nType != BT_FLAG)
        return;
    CString strNote = _T("M511 = Message Character Set Flag");
    if (IsChinesePageUI())
        LookupPageText(TEXT_KEY_FLAG_NOTE, strNote);
    if (!m_pNote) {
        CWnd* pLabel = GetDlgItem(IDC_IO_NUMBER_LABEL);
        CRect rcLabel;
        CRect rcClient;
        GetClientRect(rcClient);
        if (pLabel) {
            pLabel->GetWindowRect(rcLabel);
            ScreenToClient(rcLabel);
        }
        const int nTop = rcClient.Height() * 3 / 5;
        auto* pNote = new CStatic;
        pNote->SetAutoDelete(TRUE);
        if (!pNote->Create(strNote, WS_CHILD | WS_VISIBLE, CRect(rcLabel.left, nTop, rcClient.right, nTop + kNoteHeight),
                           this, IDC_IO_FLAG_NOTE)) {
            delete pNote;
            return;
        }
        m_pNote = pNote;
    }
    m_pNote->SetWindowText(strNote);
}

CString CConstantsPar::GetNoteText() const
{
    CString str;
    if (m_pNote)
        m_pNote->GetWindowText(str);
    return str;
}

BOOL CConstantsPar::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int nCode = HIWORD(DWORD(wParam));
    if (LOWORD(DWORD(wParam)) == IDC_IO_NUMBER && (nCode == CBN_SELCHANGE || nCode == CBN_EDITCHANGE)) {
        SetModified(TRUE);
        ShowFlagNote();
        return TRUE;
    }
    return CBlockPage::OnCommand(wParam, lParam);
}

void CConstantsPar::PostNcDestroy()
{
    m_pNote = nullptr;
    CBlockPage::PostNcDestroy();
}
