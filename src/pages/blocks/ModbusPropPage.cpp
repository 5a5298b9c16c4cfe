#include "pages/blocks/ModbusPropPage.h"

#include "blocks/BlockMR.h"
#include "blocks/BlockTypes.h"
#include "document/VetlaDoc.h"
#include "pages/blocks/MiscBlockIds.h"
#include "pages/blocks/MiscBlockTemplates.h"
#include "pages/blocks/SetCoilStateDlg.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DataExchange.h"

#include <algorithm>
#include <tuple>

IMPLEMENT_DYNAMIC(CModbusPropPage, CBlockPage)

namespace {

constexpr int kDataDigits = 4;
constexpr LPCTSTR kDataRange = _T("Number(Hex) between 0x0000 and 0xFFFF");
constexpr int kMaxCycle = 9999;
constexpr int kMaxSlave = 255;
constexpr int kMaxRegister = 65535;
constexpr int kModeAuto = 0;
constexpr int kModeManual = 1;

}  // namespace

CModbusPropPage::CModbusPropPage(int nType) : CBlockPage(IDD_MODBUS, nType) { RegisterMiscBlockTemplates(); }

BOOL CModbusPropPage::IsWriteBlock() const { return m_nType == BT_MW; }

void CModbusPropPage::CopyFromBlock(const CBlockObj& block)
{
    const auto* pModbus = dynamic_cast<const CBlockMR*>(&block);
    if (!pModbus)
        return;
    m_nSlave = pModbus->m_bySlave;
    m_nCommand = pModbus->m_byCommand;
    m_byFunction = pModbus->m_byFunction;
    m_nMode = pModbus->m_byMode;
    m_nPort = pModbus->m_nPort;
    m_nRegister = pModbus->m_wRegister;
    m_nCount = pModbus->m_wCount;
    m_wDataAddress = pModbus->m_wFirstData;
    m_wDataAddress2 = pModbus->m_wSecondData;
    m_nDataNumber = pModbus->m_wDataNumber;
    m_nKind = pModbus->m_nDataKind;
    m_strData = pModbus->m_strFirstData;
    m_strData2 = pModbus->m_strSecondData;
}

BOOL CModbusPropPage::OnInitDialog()
{
    CBlockPage::OnInitDialog();
    m_editData.SetLimitText(kDataDigits);
    m_editData2.SetLimitText(kDataDigits);
    m_tooltip.Create(*this);
    m_tooltip.SetRange(*this, IDC_SLAVE, 0, kMaxSlave);
    m_tooltip.SetRange(*this, IDC_REGISTER, 0, kMaxRegister);
    m_tooltip.Set(*this, IDC_DATA_FIRST, kDataRange);
    m_tooltip.Set(*this, IDC_DATA_SECOND, kDataRange);
    if (const int nIndex = ModbusCommandIndex(m_nType, m_byFunction); m_byFunction && nIndex >= 0)
        m_nCommand = nIndex;
    FillCommands();
    OnCommandChange(m_nCommand);
    EnableModeControls();
    if (!IsWriteBlock()) {
        GetDlgItem(IDC_MODE_AUTO)->EnableWindow(FALSE);
        GetDlgItem(IDC_MODE_MANUAL)->EnableWindow(FALSE);
    }
    if (m_pDocument && !m_pDocument->IsNewGenerationDoc()) {
        for (int nID : {IDC_CYCLE_LABEL, IDC_CYCLE, IDC_CYCLE_NOTE})
            GetDlgItem(nID)->ShowWindow(SW_HIDE);
    } else {
        m_tooltip.SetRange(*this, IDC_CYCLE, 0, kMaxCycle);
    }
    SetModified(FALSE);
    return TRUE;
}

void CModbusPropPage::FillCommands()
{
    auto* pList = static_cast<CComboBox*>(GetDlgItem(IDC_COMMAND));
    pList->ResetContent();
    for (int i = 0; i < MODBUS_COMMAND_COUNT; ++i)
        pList->AddString(GetModbusCommand(m_nType, i).lpszText);
    m_nCommand = std::clamp(m_nCommand, 0, MODBUS_COMMAND_COUNT - 1);
    pList->SetCurSel(m_nCommand);
}

void CModbusPropPage::OnCommandChange(int nNewCommand)
{
    const bool bSameFamily = GetModbusCommand(m_nType, nNewCommand).bCoils == Command().bCoils;
    const int nKind = static_cast<CComboBox*>(GetDlgItem(IDC_DATA_KIND))->GetCurSel();
    m_nCommand = nNewCommand;
    FillKinds(bSameFamily && nKind >= 0 ? nKind : 0);
    const ModbusCommand& command = Command();
    m_tooltip.SetRange(*this, IDC_COUNT, 1, command.nMaxCount);
    if (IsWriteBlock()) {
        GetDlgItem(IDC_COUNT)->EnableWindow(!command.bSingle);
        if (command.bSingle)
            SetEditInt(IDC_COUNT, 1);
    }
    EnableModeControls();
    ClampCount();
    ClampNumber();
    SetModified(TRUE);
}

void CModbusPropPage::FillKinds(int nSel)
{
    auto* pList = static_cast<CComboBox*>(GetDlgItem(IDC_DATA_KIND));
    pList->ResetContent();
    for (const ModbusKind& kind : Command().kinds)
        pList->AddString(kind.lpszName);
    pList->SetCurSel(size_t(nSel) < Command().kinds.size() ? nSel : 0);
}

void CModbusPropPage::EnableModeControls()
{
    const bool bManual = IsDlgButtonChecked(IDC_MODE_MANUAL) != 0;
    GetDlgItem(IDC_DATA_KIND)->EnableWindow(!bManual);
    GetDlgItem(IDC_DATA_NUMBER)->EnableWindow(!bManual);
    GetDlgItem(IDC_DATA_FIRST)->EnableWindow(bManual);
    GetDlgItem(IDC_DATA_SECOND)->EnableWindow(bManual);
    GetDlgItem(IDC_SETTING_BUTTON)->EnableWindow(IsWriteBlock() && bManual && Command().bCoils);
}

void CModbusPropPage::OnMode(int nMode)
{
    m_nMode = nMode;
    EnableModeControls();
    ClampCount();
    SetModified(TRUE);
}

int CModbusPropPage::ReadEditInt(int nID, bool& bRead) const
{
    CString strText;
    GetDlgItem(nID)->GetWindowText(strText);
    long long nValue = 0;
    bRead = AfxParseInteger(strText, -0x7FFFFFFFLL, 0x7FFFFFFFLL, nValue);
    return int(nValue);
}

void CModbusPropPage::SetEditInt(int nID, int nValue)
{
    CString strText;
    strText.Format(_T("%d"), nValue);
    CString strOld;
    GetDlgItem(nID)->GetWindowText(strOld);
    if (strOld != strText)
        GetDlgItem(nID)->SetWindowText(strText);
}

void CModbusPropPage::ClampCount()
{
    const ModbusCommand& command = Command();
    bool bRead = false;
    const int nCount = ReadEditInt(IDC_COUNT, bRead);
    // A box being emptied to type anew is left alone; OK refuses it if it stays so.
    if (!bRead || command.bSingle)
        return;
    if (nCount > command.nMaxCount || nCount < 1)
        SetEditInt(IDC_COUNT, std::clamp(nCount, 1, command.nMaxCount));
}

void CModbusPropPage::ClampNumber()
{
    const int nKind = static_cast<CComboBox*>(GetDlgItem(IDC_DATA_KIND))->GetCurSel();
    const int nLast = GetModbusKind(Command(), nKind).nLast;
    m_tooltip.SetRange(*this, IDC_DATA_NUMBER, 0, nLast);
    bool bRead = false;
    const int nNumber = ReadEditInt(IDC_DATA_NUMBER, bRead);
    if (bRead && nNumber > nLast)
        SetEditInt(IDC_DATA_NUMBER, nLast);
}

BOOL CModbusPropPage::PreTranslateMessage(MSG* pMsg)
{
    m_tooltip.Relay(pMsg);
    return CBlockPage::PreTranslateMessage(pMsg);
}

void CModbusPropPage::OnConfig()
{
    CSetCoilStateDlg dlg(this);
    dlg.m_nCommand = m_nCommand;
    bool bRead = false;
    dlg.m_nCount = ReadEditInt(IDC_COUNT, bRead);
    dlg.m_strData = m_editData.GetText();
    dlg.m_strData2 = m_editData2.GetText();
    if (dlg.DoModal() != IDOK)
        return;
    m_editData.SetWindowText(dlg.m_strData);
    m_editData2.SetWindowText(dlg.m_strData2);
    SetModified(TRUE);
}

void CModbusPropPage::DoDataExchange(CDataExchange* pDX)
{
    CBlockPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DATA_FIRST, m_editData);
    DDX_Control(pDX, IDC_DATA_SECOND, m_editData2);
    DDX_Text(pDX, IDC_CYCLE, m_nCycle);
    DDV_MinMaxInt(pDX, m_nCycle, 0, kMaxCycle);
    DDX_Text(pDX, IDC_SLAVE, m_nSlave);
    DDV_MinMaxInt(pDX, m_nSlave, 0, kMaxSlave);
    ExchangeChoice(pDX, IDC_PORT, m_nPort);
    if (pDX->m_bSaveAndValidate)
        ExchangeChoice(pDX, IDC_COMMAND, m_nCommand);
    DDX_Text(pDX, IDC_REGISTER, m_nRegister);
    DDV_MinMaxInt(pDX, m_nRegister, 0, kMaxRegister);
    DDX_Text(pDX, IDC_COUNT, m_nCount);
    DDV_MinMaxInt(pDX, m_nCount, 1, Command().nMaxCount);
    ExchangeChoice(pDX, IDC_DATA_KIND, m_nKind);
    DDX_Text(pDX, IDC_DATA_NUMBER, m_nDataNumber);
    DDV_MinMaxInt(pDX, m_nDataNumber, 0, GetModbusKind(Command(), m_nKind).nLast);
    for (auto [nID, pText] : {std::pair{IDC_DATA_FIRST, &m_strData}, std::pair{IDC_DATA_SECOND, &m_strData2}}) {
        DDX_Text(pDX, nID, *pText);
        int nValue = 0;
        if (pDX->m_bSaveAndValidate && !ParseHexDigits(*pText, kDataDigits, nValue)) {
            AfxMessageBox(kDataRange, MB_ICONEXCLAMATION);
            pDX->Fail();
        }
    }
    DDX_Radio(pDX, IDC_MODE_AUTO, m_nMode);
    if (pDX->m_bSaveAndValidate)
        SaveFunctionAndAddress();
}

void CModbusPropPage::SaveFunctionAndAddress()
{
    const ModbusCommand& command = Command();
    m_byFunction = ModbusFunctionCode(m_nType, m_nCommand);
    // A read block always reads into the kind's area: its mode cannot be chosen.
    if (m_nMode != kModeManual || !IsWriteBlock()) {
        m_wDataAddress = WORD(m_nDataNumber + GetModbusKind(command, m_nKind).nOffset);
        m_wDataAddress2 = 0;
        return;
    }
    int nFirst = 0;
    int nSecond = 0;
    ParseHexDigits(m_strData, kDataDigits, nFirst);
    ParseHexDigits(m_strData2, kDataDigits, nSecond);
    const ModbusDataWords words = ManualDataWords(m_byFunction, m_nCount, nFirst, nSecond);
    m_wDataAddress = words.wFirst;
    m_wDataAddress2 = words.wSecond;
    // The command keeps only the data it sends (a count of coils keeps that many bits): the
    // boxes show what was kept, not what was typed.
    for (auto [pEdit, pText, wKept] : {std::tuple{&m_editData, &m_strData, m_wDataAddress},
                                        std::tuple{&m_editData2, &m_strData2, m_wDataAddress2}}) {
        CString strKept;
        strKept.Format(_T("%X"), int(wKept));
        if (strKept != *pText)
            pEdit->SetWindowText(strKept);
        *pText = strKept;
    }
}

BOOL CModbusPropPage::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int nID = LOWORD(DWORD(wParam));
    const int nCode = HIWORD(DWORD(wParam));
    switch (nID) {
    case IDC_MODE_AUTO:
    case IDC_MODE_MANUAL:
        if (nCode == BN_CLICKED)
            OnMode(nID == IDC_MODE_MANUAL ? kModeManual : kModeAuto);
        return TRUE;
    case IDC_COMMAND:
        if (nCode == CBN_SELCHANGE)
            OnCommandChange(static_cast<CComboBox*>(GetDlgItem(IDC_COMMAND))->GetCurSel());
        return TRUE;
    case IDC_COUNT:
    case IDC_DATA_NUMBER:
        if (nCode == EN_UPDATE) {
            if (nID == IDC_COUNT)
                ClampCount();
            else
                ClampNumber();
        } else if (nCode == EN_CHANGE) {
            SetModified(TRUE);
        }
        return TRUE;
    case IDC_DATA_KIND:
        if (nCode == CBN_SELCHANGE) {
            ClampNumber();
            SetModified(TRUE);
        }
        return TRUE;
    case IDC_SETTING_BUTTON:
        if (nCode == BN_CLICKED)
            OnConfig();
        return TRUE;
    case IDC_PORT:
        if (nCode == CBN_SELCHANGE)
            SetModified(TRUE);
        return TRUE;
    case IDC_CYCLE:
    case IDC_SLAVE:
    case IDC_REGISTER:
    case IDC_DATA_FIRST:
    case IDC_DATA_SECOND:
        if (nCode == EN_CHANGE)
            SetModified(TRUE);
        return TRUE;
    default:
        return CBlockPage::OnCommand(wParam, lParam);
    }
}

BlockWrite CModbusPropPage::MakeBlockWrite(BOOL) const
{
    struct Values {
        int nSlave, nCommand, nFunction, nMode, nPort, nRegister, nCount, nAddress, nAddress2, nNumber, nKind;
        CString strData, strData2;
    };
    const Values v{m_nSlave,        m_nCommand,    m_byFunction,   m_nMode,       m_nPort, m_nRegister,
                   m_nCount,        m_wDataAddress, m_wDataAddress2, m_nDataNumber, m_nKind, m_strData,
                   m_strData2};
    return [v](CBlockObj& block) {
        auto* pModbus = dynamic_cast<CBlockMR*>(&block);
        if (!pModbus)
            return;
        pModbus->m_bySlave = BYTE(v.nSlave);
        pModbus->m_byCommand = BYTE(v.nCommand);
        pModbus->m_byFunction = BYTE(v.nFunction);
        pModbus->m_byMode = BYTE(v.nMode);
        pModbus->m_nPort = v.nPort;
        pModbus->m_wRegister = WORD(v.nRegister);
        pModbus->m_wCount = WORD(v.nCount);
        pModbus->m_wFirstData = WORD(v.nAddress);
        pModbus->m_wSecondData = WORD(v.nAddress2);
        pModbus->m_wDataNumber = WORD(v.nNumber);
        pModbus->m_nDataKind = v.nKind;
        pModbus->m_strFirstData = v.strData;
        pModbus->m_strSecondData = v.strData2;
    };
}
