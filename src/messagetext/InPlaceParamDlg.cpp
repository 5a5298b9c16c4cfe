#include "messagetext/InPlaceParamDlg.h"

#include "blocks/BlockObj.h"
#include "blocks/Widget.h"
#include "document/VetlaDoc.h"
#include "messagetext/LcdCanvas.h"
#include "messagetext/MsgTxtDisplayIds.h"
#include "pages/controls/NumericEdit.h"
#include "platform/core/Runtime.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/SpinButtonCtrl.h"
#include "platform/ui/Static.h"

#include <algorithm>
#include <cstdlib>

IMPLEMENT_DYNAMIC(CInPlaceParamDlg, CDialog)

namespace {

// The controls' margins inside their cells (left, top, right, bottom), so that they stand in
// the LCD line like its characters.
const CRect kEditInset(0, 7, 0, 4);
const CRect kListInset(0, 7, 0, 0);
const CRect kLabelInset(0, 0, 0, 15);
const CRect kBoxInset(2, 11, 2, 8);
const CRect kCaptionedBoxInset(3, 17, 3, 0);

constexpr DWORD kDigits = WS_TABSTOP | WS_BORDER | ES_NUMBER | ES_AUTOHSCROLL;
constexpr DWORD kSpinStyle = UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS;

int DecimalDigits(int nValue)
{
    int nDigits = 1;
    for (long long n = std::llabs(nValue); n >= 10; n /= 10)
        ++nDigits;
    return nDigits;
}

CString Decimal(int nValue)
{
    CString str;
    str.Format(_T("%d"), nValue);
    return str;
}

}  // namespace

CInPlaceParamDlg::CInPlaceParamDlg(CLcdCanvas* pGrid) : CDialog(IDD_INPLACE_PARAM, pGrid), m_pGrid(pGrid)
{
    RegisterMsgTxtDisplayTemplates();
}

CInPlaceParamDlg::~CInPlaceParamDlg() = default;

BOOL CInPlaceParamDlg::Open()
{
    if (!Create(IDD_INPLACE_PARAM, m_pGrid))
        return FALSE;
    m_bSelfDeleting = TRUE;
    return TRUE;
}

CBlockObj* CInPlaceParamDlg::Block() const
{
    if (!m_pWidget)
        return nullptr;
    const ILcdGridHost* pHost = m_pGrid->GetHost();
    CVetlaDoc* pDoc = pHost ? pHost->GetGridDocument() : nullptr;
    // The element's pointer is a cache; the document says whether the block still exists.
    return pDoc ? pDoc->FindBlockByNumber(m_pWidget->m_nBlockNumber) : m_pWidget->m_pBlock;
}

BOOL CInPlaceParamDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_pWidget = m_pGrid->m_pSelectedWidget;
    const CBlockObj* pBlock = Block();
    if (!m_pWidget || !pBlock)
        return TRUE;
    m_nParamId = m_pWidget->m_nParamId;
    m_nKind = m_pWidget->m_nKind;
    m_edit = DescribeInPlaceEdit(*pBlock, m_nParamId);
    m_initial = ReadInPlaceValue(*pBlock, m_nParamId, m_nKind);
    MoveOverWidget();
    CreateControls();
    if (CWnd* pFirst = GetNextDlgTabItem(nullptr))
        GotoDlgCtrl(pFirst);
    return FALSE;
}

void CInPlaceParamDlg::MoveOverWidget()
{
    if (!m_pWidget)
        return;
    const int nCells = m_pWidget->m_nWidth > 0 ? m_pWidget->m_nWidth : 1;
    CRect rect = m_pWidget->m_rect;
    m_nCellWidth = rect.Width() / nCells;
    m_pGrid->ClientToScreen(&rect);
    SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    m_rcFirstCell = CRect(0, 0, m_nCellWidth, rect.Height());
}

CRect CInPlaceParamDlg::CellRect(int nCell, int nSpan, CRect inset) const
{
    CRect rect = m_rcFirstCell;
    rect.OffsetRect(nCell * m_nCellWidth, 0);
    rect.right = rect.left + nSpan * m_nCellWidth;
    return CRect(rect.left + inset.left, rect.top + inset.top, rect.right - inset.right, rect.bottom - inset.bottom);
}

CEdit* CInPlaceParamDlg::AddEdit(int nID, DWORD dwStyle, const CRect& rect, int nChars)
{
    auto pEdit = std::make_unique<CEdit>();
    pEdit->Create(WS_CHILD | WS_VISIBLE | dwStyle, rect, this, UINT(nID));
    pEdit->SetLimitText(UINT(nChars));
    CEdit* pRaw = pEdit.get();
    m_controls.push_back(std::move(pEdit));
    return pRaw;
}

CSpinButtonCtrl* CInPlaceParamDlg::AddSpin(int nID, const CRect& rect, CWnd* pBuddy, int nMin, int nMax, int nPos)
{
    auto pSpin = std::make_unique<CSpinButtonCtrl>();
    pSpin->Create(WS_CHILD | WS_VISIBLE | kSpinStyle, rect, this, UINT(nID));
    pSpin->SetRange32(nMin, nMax);
    if (pBuddy)
        pSpin->SetBuddy(pBuddy);
    pSpin->SetPos32(nPos);
    CSpinButtonCtrl* pRaw = pSpin.get();
    m_controls.push_back(std::move(pSpin));
    return pRaw;
}

CComboBox* CInPlaceParamDlg::AddList(const CRect& rect, const std::vector<CString>& items, int nSelect,
                                     int nDropHeight)
{
    auto pList = std::make_unique<CComboBox>();
    CRect rcDrop = rect;
    rcDrop.bottom = rect.top + std::max(nDropHeight, rect.Height());
    pList->Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, rcDrop, this,
                  UINT(IDC_IPP_LIST));
    for (const CString& strItem : items)
        pList->AddString(strItem);
    pList->SetCurSel(nSelect);
    CComboBox* pRaw = pList.get();
    m_controls.push_back(std::move(pList));
    return pRaw;
}

CButton* CInPlaceParamDlg::AddBox(int nID, const CRect& rect, BOOL bChecked)
{
    auto pBox = std::make_unique<CButton>();
    pBox->Create(_T(""), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, rect, this, UINT(nID));
    pBox->SetCheck(bChecked ? BST_CHECKED : BST_UNCHECKED);
    CButton* pRaw = pBox.get();
    m_controls.push_back(std::move(pBox));
    return pRaw;
}

void CInPlaceParamDlg::CreateControls()
{
    switch (m_edit.controls) {
    case InPlaceControls::TimePair: CreateTimePair(); break;
    case InPlaceControls::WeekdayBoxes: CreateWeekdays(); break;
    case InPlaceControls::CamTime: CreateCamTime(); break;
    case InPlaceControls::MonthDay: CreateMonthDay(); break;
    case InPlaceControls::None: break;
    default: CreateNumber(); break;
    }
}

void CInPlaceParamDlg::CreateTimePair()
{
    const int nChars = DecimalDigits(m_edit.nMax);
    m_pValue = AddEdit(IDC_IPP_VALUE, kDigits | WS_GROUP, CellRect(0, 1, kEditInset), nChars);
    m_pValue->SetWindowText(Decimal(m_initial.nFirst));
    m_pSpin = AddSpin(IDC_IPP_SPIN, CellRect(1), m_pValue, 0, m_edit.nMax, m_initial.nFirst);
    m_pValue2 = AddEdit(IDC_IPP_VALUE2, kDigits, CellRect(2, 1, kEditInset), nChars);
    m_pValue2->SetWindowText(Decimal(m_initial.nSecond));
    m_pSpin2 = AddSpin(IDC_IPP_SPIN2, CellRect(3), m_pValue2, 0, m_edit.nMax, m_initial.nSecond);
    const int h = m_rcFirstCell.Height();
    m_pList = AddList(CellRect(4, 2, kListInset), m_edit.choices, m_initial.nBase, 4 * h - 53);
}

void CInPlaceParamDlg::CreateNumber()
{
    const int n = m_pWidget->m_nWidth > 1 ? m_pWidget->m_nWidth : 2;
    const CRect rcValue = CellRect(0, n - 1, kEditInset);
    const int h = m_rcFirstCell.Height();
    switch (m_edit.controls) {
    case InPlaceControls::Choice:
        m_pList = AddList(CellRect(0, n, kListInset), m_edit.choices, m_initial.nFirst, 8 * h - 113);
        return;
    case InPlaceControls::Real: {
        auto pReal = std::make_unique<CNumericEdit>(5, 2);
        pReal->Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_GROUP | ES_AUTOHSCROLL, rcValue, this,
                      UINT(IDC_IPP_VALUE));
        pReal->AllowNegative(true);
        CString strText;
        strText.Format(_T("%.2f"), m_initial.dValue);
        pReal->SetWindowText(strText);
        m_pReal = pReal.get();
        m_pValue = pReal.get();
        m_controls.push_back(std::move(pReal));
        m_pSpin = AddSpin(IDC_IPP_REAL_SPIN, CellRect(n - 1), nullptr, m_edit.nMin, m_edit.nMax, 0);
        return;
    }
    case InPlaceControls::Hex:
        m_pValue = AddEdit(IDC_IPP_VALUE, WS_TABSTOP | WS_BORDER | WS_GROUP | ES_UPPERCASE | ES_AUTOHSCROLL,
                           rcValue, 4);
        m_pValue->SetWindowText(m_initial.strHex);
        return;
    case InPlaceControls::Signed: {
        auto pSigned = std::make_unique<CIntegerEdit>(DecimalDigits(m_edit.nMax));
        pSigned->Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_GROUP | ES_RIGHT | ES_AUTOHSCROLL,
                        rcValue, this, UINT(IDC_IPP_VALUE));
        pSigned->AllowNegative(true);
        pSigned->SetLimitText(UINT(Decimal(m_edit.nMin).GetLength()));
        pSigned->SetWindowText(Decimal(m_initial.nFirst));
        m_pValue = pSigned.get();
        m_controls.push_back(std::move(pSigned));
        m_pSpin = AddSpin(IDC_IPP_SPIN, CellRect(n - 1), m_pValue, m_edit.nMin, m_edit.nMax, m_initial.nFirst);
        return;
    }
    case InPlaceControls::Plain:
        m_pValue = AddEdit(IDC_IPP_VALUE, kDigits | WS_GROUP, rcValue, DecimalDigits(m_edit.nMax));
        m_pValue->SetWindowText(Decimal(m_initial.nFirst));
        return;
    default:
        m_pValue = AddEdit(IDC_IPP_VALUE, kDigits | WS_GROUP | ES_RIGHT, rcValue, DecimalDigits(m_edit.nMax));
        m_pValue->SetWindowText(Decimal(m_initial.nFirst));
        m_pSpin = AddSpin(IDC_IPP_SPIN, CellRect(n - 1), m_pValue, m_edit.nMin, m_edit.nMax, m_initial.nFirst);
        return;
    }
}

void CInPlaceParamDlg::CreateWeekdays()
{
    static const LPCTSTR kDays[7] = {_T("M"), _T("T"), _T("W"), _T("T"), _T("F"), _T("S"), _T("S")};
    for (int i = 0; i < 7; ++i) {
        auto pLabel = std::make_unique<CStatic>();
        pLabel->Create(kDays[i], WS_CHILD | WS_VISIBLE | SS_CENTER, CellRect(i, 1, kLabelInset), this);
        m_controls.push_back(std::move(pLabel));
        m_pBoxes[i] = AddBox(IDC_IPP_DAY_FIRST + i, CellRect(i, 1, kCaptionedBoxInset), m_initial.bDays[i]);
    }
}

void CInPlaceParamDlg::CreateCamTime()
{
    m_pBoxes[0] = AddBox(IDC_IPP_DAY_FIRST, CellRect(0, 1, kBoxInset), m_initial.bNoTime);
    const int nChars = DecimalDigits(m_edit.nMax);
    m_pValue = AddEdit(IDC_IPP_VALUE, kDigits, CellRect(1, 1, kEditInset), nChars);
    m_pValue->SetWindowText(Decimal(m_initial.nFirst));
    m_pSpin = AddSpin(IDC_IPP_SPIN, CellRect(2), m_pValue, 0, m_edit.nMax, m_initial.nFirst);
    m_pValue2 = AddEdit(IDC_IPP_VALUE2, kDigits, CellRect(3, 1, kEditInset), nChars);
    m_pValue2->SetWindowText(Decimal(m_initial.nSecond));
    m_pSpin2 = AddSpin(IDC_IPP_SPIN2, CellRect(4), m_pValue2, 0, m_edit.nMax, m_initial.nSecond);
    EnableCamTime(!m_initial.bNoTime);
}

void CInPlaceParamDlg::CreateMonthDay()
{
    const int nChars = DecimalDigits(m_edit.nMax);
    m_pValue = AddEdit(IDC_IPP_MONTH, kDigits | WS_GROUP, CellRect(0, 1, kEditInset), nChars);
    m_pValue->SetWindowText(Decimal(m_initial.nFirst));
    m_pSpin = AddSpin(IDC_IPP_MONTH_SPIN, CellRect(1), m_pValue, 1, 12, m_initial.nFirst);
    m_pValue2 = AddEdit(IDC_IPP_DAY, kDigits, CellRect(2, 1, kEditInset), nChars);
    m_pValue2->SetWindowText(Decimal(m_initial.nSecond));
    m_pSpin2 = AddSpin(IDC_IPP_DAY_SPIN, CellRect(3), m_pValue2, 1, 31, m_initial.nSecond);
}

void CInPlaceParamDlg::EnableCamTime(BOOL bEnable)
{
    for (CWnd* pWnd : {static_cast<CWnd*>(m_pValue), static_cast<CWnd*>(m_pValue2), static_cast<CWnd*>(m_pSpin),
                       static_cast<CWnd*>(m_pSpin2)}) {
        if (pWnd)
            pWnd->EnableWindow(bEnable);
    }
}

int CInPlaceParamDlg::EditInt(const CEdit* pEdit) const
{
    if (!pEdit)
        return 0;
    CString strText;
    pEdit->GetWindowText(strText);
    // An empty edit reads as 0.
    return _wtoi(strText);
}

InPlaceValue CInPlaceParamDlg::ReadControls() const
{
    InPlaceValue value = m_initial;
    value.nFirst = EditInt(m_pValue);
    value.nSecond = EditInt(m_pValue2);
    if (m_pList)
        (m_edit.controls == InPlaceControls::TimePair ? value.nBase : value.nFirst) = m_pList->GetCurSel();
    if (m_pReal)
        value.dValue = m_pReal->GetDouble();
    if (m_edit.controls == InPlaceControls::Hex && m_pValue)
        m_pValue->GetWindowText(value.strHex);
    if (m_edit.controls == InPlaceControls::WeekdayBoxes) {
        for (int i = 0; i < 7; ++i)
            value.bDays[i] = m_pBoxes[i] && m_pBoxes[i]->GetCheck() == BST_CHECKED;
    }
    if (m_edit.controls == InPlaceControls::CamTime && m_pBoxes[0])
        value.bNoTime = m_pBoxes[0]->GetCheck() == BST_CHECKED;
    return value;
}

std::optional<InPlaceEntry> CInPlaceParamDlg::ReadEntry() const
{
    if (!Block() || m_edit.controls == InPlaceControls::None)
        return std::nullopt;
    return InPlaceEntry{m_pWidget->m_nBlockNumber, m_nParamId, m_nKind, ReadControls()};
}

BOOL CInPlaceParamDlg::PreTranslateMessage(MSG* pMsg)
{
    const bool bKey = pMsg->message == WM_KEYDOWN || pMsg->message == WM_SYSKEYDOWN;
    if (bKey && (pMsg->wParam == VK_ESCAPE || pMsg->wParam == VK_RETURN)) {
        // The popup is gone when this returns (and a refusal of Enter's value has been told
        // under a message loop): nothing of it may be touched after.
        m_pGrid->CloseObjectPopup(pMsg->wParam == VK_RETURN);
        return TRUE;
    }
    return CDialog::PreTranslateMessage(pMsg);
}

BOOL CInPlaceParamDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const bool bNoTimeBox = LOWORD(DWORD(wParam)) == IDC_IPP_DAY_FIRST && HIWORD(DWORD(wParam)) == BN_CLICKED;
    if (bNoTimeBox && m_edit.controls == InPlaceControls::CamTime && m_pBoxes[0]) {
        EnableCamTime(m_pBoxes[0]->GetCheck() != BST_CHECKED);
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

BOOL CInPlaceParamDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const auto* pHdr = reinterpret_cast<const NMHDR*>(lParam);
    if (pHdr && pHdr->idFrom == UINT_PTR(IDC_IPP_REAL_SPIN) && pHdr->code == UDN_DELTAPOS) {
        OnDeltaPosReal(*reinterpret_cast<const NMUPDOWN*>(lParam));
        *pResult = 0;
        return TRUE;
    }
    return CDialog::OnNotify(wParam, lParam, pResult);
}

void CInPlaceParamDlg::OnDeltaPosReal(const NMUPDOWN& change)
{
    if (!m_pReal)
        return;
    const double dNew = m_pReal->GetDouble() + change.iDelta * 0.01;
    if (dNew >= m_edit.nMin && dNew <= m_edit.nMax)
        m_pReal->SetDouble(dNew, true);
}

void CInPlaceParamDlg::PostNcDestroy()
{
    CDialog::PostNcDestroy();
    if (m_pGrid->m_pParamPopup == this)
        m_pGrid->m_pParamPopup = nullptr;
    if (m_bSelfDeleting)
        delete this;
}
