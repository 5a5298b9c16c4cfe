#include "pages/blocks/Udc.h"

#include "blocks/BlockExtended.h"
#include "blocks/BlockObj.h"
#include "pages/blocks/MiscBlockIds.h"
#include "pages/blocks/MiscBlockTemplates.h"
#include "pages/controls/FilterEdit.h"
#include "pages/sheet/BlockPageRegistry.h"
#include "pages/sheet/PageIds.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DataExchange.h"

#include <algorithm>
#include <array>

IMPLEMENT_DYNAMIC(CUDC, CBlockPage)

namespace {

constexpr int kCharDigits = 2;
constexpr LPCTSTR kCharRange = _T("Number(Hex) between 0x00 and 0xFF");
constexpr int kMaxCycle = 9999;
constexpr int kMaxWords = 127;

struct CharacterSlot {
    int nCheckID;
    int nEditID;
    BlockWord word;
};
// In the order of m_strChars.
constexpr CharacterSlot kCharacterSlots[CUDC::kCharacters] = {
    {IDC_UDC_TX_START_CHECK, IDC_UDC_TX_START, {BlockWordArray::Param, UDC_TX_START_CHARACTER_PARAM}},
    {IDC_UDC_TX_END_CHECK, IDC_UDC_TX_END, {BlockWordArray::ParamEx, UDC_TX_END_CHARACTER_PARAMEX}},
    {IDC_UDC_RX_START_CHECK, IDC_UDC_RX_START, {BlockWordArray::Param, UDC_RX_START_CHARACTER_PARAM}},
    {IDC_UDC_RX_END_CHECK, IDC_UDC_RX_END, {BlockWordArray::ParamEx, UDC_RX_END_CHARACTER_PARAMEX}},
};

}  // namespace

int UdcLastNumber(int nArea)
{
    constexpr int kLast[] = {511, 31, 63};
    return nArea >= 0 && nArea < 3 ? kLast[nArea] : kLast[0];
}

CUDC::CUDC(int nType) : CBlockPage(IDD_UDC, nType) { RegisterMiscBlockTemplates(); }

void CUDC::CopyFromBlock(const CBlockObj& block)
{
    for (int i = 0; i < kCharacters; ++i) {
        const int nWord = ReadBlockWord(block, kCharacterSlots[i].word);
        m_strChars[i].Format(_T("%X"), nWord);
        m_nChars[i] = nWord & 0xFF;
    }
}

BOOL CUDC::OnInitDialog()
{
    CBlockPage::OnInitDialog();
    m_tooltip.Create(*this);
    m_tooltip.SetRange(*this, IDC_CYCLE, 0, kMaxCycle);
    m_tooltip.SetRange(*this, IDC_UDC_TX_WORDS, 1, kMaxWords);
    m_tooltip.SetRange(*this, IDC_UDC_RX_WORDS, 1, kMaxWords);
    // The register numbers' bounds follow their areas.
    for (int nID : {IDC_UDC_TX_NUMBER, IDC_UDC_RX_NUMBER})
        HoldPlainEditToRange(GetDlgItem(nID), 0);
    for (int i = 0; i < kCharacters; ++i) {
        m_editChars[i].SetLimitText(kCharDigits);
        m_tooltip.Set(*this, kCharacterSlots[i].nEditID, kCharRange);
    }
    EnableCharacters();
    return TRUE;
}

BOOL CUDC::PreTranslateMessage(MSG* pMsg)
{
    m_tooltip.Relay(pMsg);
    return CBlockPage::PreTranslateMessage(pMsg);
}

void CUDC::EnableCharacters()
{
    for (const CharacterSlot& slot : kCharacterSlots)
        GetDlgItem(slot.nEditID)->EnableWindow(IsDlgButtonChecked(slot.nCheckID) != 0);
}

void CUDC::DoDataExchange(CDataExchange* pDX)
{
    CBlockPage::DoDataExchange(pDX);
    ExchangeChoice(pDX, IDC_PORT, m_nPort);
    DDX_Text(pDX, IDC_CYCLE, m_nCycle);
    DDV_MinMaxInt(pDX, m_nCycle, 0, kMaxCycle);
    DDX_Check(pDX, IDC_PROTECTION, m_bProtect);
    DDX_Check(pDX, IDC_UDC_TX_START_CHECK, m_bTxStart);
    DDX_Check(pDX, IDC_UDC_TX_END_CHECK, m_bTxEnd);
    DDX_Check(pDX, IDC_UDC_RX_START_CHECK, m_bRxStart);
    DDX_Check(pDX, IDC_UDC_RX_END_CHECK, m_bRxEnd);
    ExchangeChoice(pDX, IDC_UDC_RX_AREA, m_nRxArea);
    ExchangeChoice(pDX, IDC_UDC_TX_AREA, m_nTxArea);
    DDX_Text(pDX, IDC_UDC_TX_WORDS, m_nTxWords);
    DDV_MinMaxInt(pDX, m_nTxWords, 1, kMaxWords);
    DDX_Text(pDX, IDC_UDC_RX_WORDS, m_nRxWords);
    DDV_MinMaxInt(pDX, m_nRxWords, 1, kMaxWords);
    for (int i = 0; i < kCharacters; ++i) {
        DDX_Control(pDX, kCharacterSlots[i].nEditID, m_editChars[i]);
        DDX_Text(pDX, kCharacterSlots[i].nEditID, m_strChars[i]);
        if (pDX->m_bSaveAndValidate && !ParseHexDigits(m_strChars[i], kCharDigits, m_nChars[i])) {
            AfxMessageBox(kCharRange, MB_ICONEXCLAMATION);
            pDX->Fail();
        }
    }
    DDX_Text(pDX, IDC_UDC_TX_NUMBER, m_nTxNumber);
    DDV_MinMaxInt(pDX, m_nTxNumber, 0, UdcLastNumber(m_nTxArea));
    DDX_Text(pDX, IDC_UDC_RX_NUMBER, m_nRxNumber);
    DDV_MinMaxInt(pDX, m_nRxNumber, 0, UdcLastNumber(m_nRxArea));
}

BOOL CUDC::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int nID = LOWORD(DWORD(wParam));
    const int nCode = HIWORD(DWORD(wParam));
    switch (nID) {
    case IDC_UDC_TX_START_CHECK:
    case IDC_UDC_TX_END_CHECK:
    case IDC_UDC_RX_START_CHECK:
    case IDC_UDC_RX_END_CHECK:
    case IDC_PROTECTION:
        EnableCharacters();
        SetModified(TRUE);
        return TRUE;
    case IDC_UDC_TX_AREA:
        if (nCode == CBN_SELCHANGE) {
            ClampNumber(IDC_UDC_TX_NUMBER, static_cast<CComboBox*>(GetDlgItem(IDC_UDC_TX_AREA))->GetCurSel());
            SetModified(TRUE);
        }
        return TRUE;
    case IDC_UDC_TX_NUMBER:
    case IDC_UDC_RX_NUMBER:
        if (nCode == EN_UPDATE) {
            const int nAreaID = nID == IDC_UDC_TX_NUMBER ? IDC_UDC_TX_AREA : IDC_UDC_RX_AREA;
            ClampNumber(nID, static_cast<CComboBox*>(GetDlgItem(nAreaID))->GetCurSel());
        } else if (nCode == EN_CHANGE) {
            SetModified(TRUE);
        }
        return TRUE;
    case IDC_PORT:
    case IDC_UDC_RX_AREA:
        if (nCode == CBN_SELCHANGE)
            SetModified(TRUE);
        return TRUE;
    default:
        if (nCode == EN_CHANGE && nID != IDC_BLOCK_NAME) {
            SetModified(TRUE);
            return TRUE;
        }
        return CBlockPage::OnCommand(wParam, lParam);
    }
}

void CUDC::ClampNumber(int nNumberID, int nArea)
{
    CWnd* pEdit = GetDlgItem(nNumberID);
    CString strText;
    pEdit->GetWindowText(strText);
    long long nNumber = 0;
    const int nLast = UdcLastNumber(nArea);
    if (AfxParseInteger(strText, 0, 0xFFFFFFFFLL, nNumber) && nNumber > nLast) {
        strText.Format(_T("%d"), nLast);
        pEdit->SetWindowText(strText);
    }
}

BlockWrite CUDC::MakeBlockWrite(BOOL) const
{
    std::array<int, kCharacters> chars;
    std::copy(std::begin(m_nChars), std::end(m_nChars), chars.begin());
    return [chars](CBlockObj& block) {
        for (int i = 0; i < kCharacters; ++i)
            WriteBlockWord(block, kCharacterSlots[i].word, chars[size_t(i)]);
    };
}
