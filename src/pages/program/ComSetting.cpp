#include "pages/program/ComSetting.h"

#include "pages/program/ProgramPageIds.h"
#include "pages/sheet/PageTexts.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Edit.h"

IMPLEMENT_DYNAMIC(CComSetting, CProgramPage)

namespace {

constexpr LPCTSTR kBauds[] = {_T("1200"),  _T("2400"),  _T("4800"),   _T("9600"),   _T("14400"),  _T("19200"), _T("28800"),
                              _T("38400"), _T("57600"), _T("115200"), _T("230400"), _T("460800"), _T("921600")};
constexpr int kOlderBaudCount = 10;
constexpr int kBaud115200 = 9;
constexpr LPCTSTR kUdc = _T("UDC");
constexpr LPCTSTR kTextPanel = _T("TX330");

constexpr LPCTSTR kParities[] = {_T("None"), _T("Odd"), _T("Even")};
constexpr LPCTSTR kDataBits[] = {_T("7"), _T("8")};
constexpr LPCTSTR kStopBits[] = {_T("1"), _T("2")};
constexpr LPCTSTR kEightBitLines[] = {_T("None,8,1"), _T("None,8,2"), _T("Odd,8,1"),
                                      _T("Odd,8,2"),  _T("Even,8,1"), _T("Even,8,2")};
constexpr LPCTSTR kAsciiLines[] = {_T("None,8,1"), _T("None,8,2"), _T("Odd,7,1"),  _T("Odd,7,2"),  _T("Odd,8,1"),
                                   _T("Odd,8,2"),  _T("Even,7,1"), _T("Even,7,2"), _T("Even,8,1"), _T("Even,8,2")};
constexpr LPCTSTR kTextPanelLine = _T("None,8,1");

// The slave note "(for slave func 1~255)" has no Chinese text and stays English.
constexpr ControlTextKey kChineseTexts[] = {
    {IDC_COM_GROUP, IDC_COM_GROUP},
    {IDC_COM_MODEL_LABEL, IDC_COM_MODEL_LABEL},
    {IDC_COM_ADDRESS_LABEL, IDC_COM_ADDRESS_LABEL},
    {IDC_COM_PROTOCOL_LABEL, IDC_COM_PROTOCOL_LABEL},
    {IDC_COM_BAUD_LABEL, IDC_COM_BAUD_LABEL},
    {IDC_COM_PARITY_LABEL, IDC_COM_PARITY_LABEL},
    {IDC_COM_TIMEOUT_LABEL, IDC_COM_TIMEOUT_LABEL},
    {IDC_COM_TIMEOUT_UNIT, IDC_COM_TIMEOUT_UNIT},
    {IDC_COM_DELAY_LABEL, IDC_COM_DELAY_LABEL},
    {IDC_COM_DELAY_UNIT, IDC_COM_DELAY_UNIT},
    {IDC_COM_DATA_REGISTER_LABEL, IDC_COM_DATA_REGISTER_LABEL},
};

constexpr int kAddressMax = 255;
constexpr int kTimeoutMin = 200;
constexpr int kTimeMax = 65535;

template <std::size_t N>
int FirstContained(const CString& strText, const LPCTSTR (&parts)[N])
{
    for (std::size_t i = 0; i < N; ++i) {
        if (strText.Find(parts[i]) >= 0)
            return int(i);
    }
    return -1;
}

// A file's index (or one of another generation) that the list does not offer starts at a safe
// line: an index out of the list selected none, and OK stored no line at all.
int OfferedIndex(int nIndex, int nCount, int nDefault) { return nIndex >= 0 && nIndex < nCount ? nIndex : nDefault; }

template <std::size_t N>
LPCTSTR Part(const LPCTSTR (&parts)[N], int nIndex)
{
    return parts[nIndex >= 0 && std::size_t(nIndex) < N ? std::size_t(nIndex) : 0];
}

}  // namespace

CComSetting::CComSetting() : CProgramPage(IDD_COM_SETTING) {}

void CComSetting::CopyFrom(const ComPortSettings& com)
{
    m_nModel = com.nModel;
    m_nProtocol = com.nProtocol;
    m_nAddress = com.nAddress;
    m_nBaud = com.nBaudIndex;
    m_nParityDataStop = com.nParityDataStop;
    m_nParity = com.nParity;
    m_nDataBits = com.nDataBits;
    m_nStopBits = com.nStopBits;
    m_nTimeout = com.nTimeout;
    m_nDelay = com.nDelay;
    m_nDataRegister = com.nDataRegister;
    m_strParityText = ParityTextOfMembers();
}

ComPortSettings CComSetting::CopyTo(const ComPortSettings& base) const
{
    ComPortSettings com = base;
    com.nModel = m_nModel;
    com.nProtocol = m_nProtocol;
    com.nAddress = m_nAddress;
    com.nBaudIndex = m_nBaud;
    com.nParityDataStop = m_nParityDataStop;
    com.nParity = m_nParity;
    com.nDataBits = m_nDataBits;
    com.nStopBits = m_nStopBits;
    com.nTimeout = m_nTimeout;
    com.nDelay = m_nDelay;
    com.nDataRegister = m_nDataRegister;
    return com;
}

CComboBox& CComSetting::Combo(int nID) const { return *static_cast<CComboBox*>(GetDlgItem(nID)); }

CString CComSetting::ParityTextOfMembers() const
{
    CString strText;
    strText.Format(_T("%s,%s,%s"), Part(kParities, m_nParity), Part(kDataBits, m_nDataBits), Part(kStopBits, m_nStopBits));
    return strText;
}

BOOL CComSetting::OnInitDialog()
{
    CProgramPage::OnInitDialog();
    FillLists();
    CComboBox& model = Combo(IDC_COM_MODEL);
    model.DeleteString(COM_MODEL_TEXT_PANEL);
    model.InsertString(COM_MODEL_TEXT_PANEL, kTextPanel);
    m_nModel = OfferedIndex(m_nModel, model.GetCount(), COM_MODEL_SLAVE);
    model.SetCurSel(m_nModel);
    CComboBox& dataRegister = Combo(IDC_COM_DATA_REGISTER);
    m_nDataRegister = OfferedIndex(m_nDataRegister, dataRegister.GetCount(), 0);
    dataRegister.SetCurSel(m_nDataRegister);
    m_strParityText = ParityTextOfMembers();
    OnProtocolChange();
    OnModelChange();
    m_tips.SetRange(*this, IDC_COM_DELAY, 0, kTimeMax);
    m_tips.SetRange(*this, IDC_COM_ADDRESS, 1, kAddressMax);
    m_tips.SetRange(*this, IDC_COM_TIMEOUT, kTimeoutMin, kTimeMax);
    TranslateControls(*this, kChineseTexts);
    return TRUE;
}

void CComSetting::FillLists()
{
    const bool bNewer = IsNewGeneration();
    CComboBox& baud = Combo(IDC_COM_BAUD);
    baud.ResetContent();
    const int nBauds = bNewer ? int(std::size(kBauds)) : kOlderBaudCount;
    for (int i = 0; i < nBauds; ++i)
        baud.AddString(kBauds[i]);
    CComboBox& protocol = Combo(IDC_COM_PROTOCOL);
    protocol.ResetContent();
    protocol.AddString(_T("RTU"));
    protocol.AddString(_T("ASC"));
    if (bNewer)
        protocol.AddString(kUdc);
    protocol.SetCurSel(OfferedIndex(m_nProtocol, protocol.GetCount(), 0));
    baud.SetCurSel(OfferedIndex(m_nBaud, nBauds, COM_BAUD_9600));
}

void CComSetting::OnProtocolChange()
{
    CComboBox& parity = Combo(IDC_COM_PARITY);
    parity.ResetContent();
    const CString strProtocol = SelectedProtocol();
    if (strProtocol == _T("ASC")) {
        for (LPCTSTR lpszLine : kAsciiLines)
            parity.AddString(lpszLine);
    } else if (!strProtocol.IsEmpty()) {
        for (LPCTSTR lpszLine : kEightBitLines)
            parity.AddString(lpszLine);
    }
    ShowWordOrder();
    if (parity.GetCount() == 0)
        return;
    const int nLine = parity.FindStringExact(-1, m_strParityText);
    m_nParityDataStop = nLine >= 0 ? nLine : 0;
    parity.SetCurSel(m_nParityDataStop);
    parity.GetLBText(m_nParityDataStop, m_strParityText);
}

void CComSetting::SplitParityText(const CString& strText)
{
    if (const int n = FirstContained(strText, kParities); n >= 0)
        m_nParity = n;
    if (const int n = FirstContained(strText, kDataBits); n >= 0)
        m_nDataBits = n;
    if (const int n = FirstContained(strText, kStopBits); n >= 0)
        m_nStopBits = n;
    m_strParityText = strText;
}

void CComSetting::SetUdcOffered(bool bOffered)
{
    CComboBox& protocol = Combo(IDC_COM_PROTOCOL);
    const int nUdc = protocol.FindStringExact(-1, kUdc);
    if (bOffered && nUdc < 0) {
        protocol.AddString(kUdc);
    } else if (!bOffered && nUdc >= 0) {
        protocol.DeleteString(UINT(nUdc));
        if (protocol.GetCurSel() < 0) {
            protocol.SetCurSel(0);
            OnProtocolChange();
        }
    }
}

int CComSetting::AddressMinimum() const
{
    return Combo(IDC_COM_MODEL).GetCurSel() == COM_MODEL_TEXT_PANEL ? 0 : 1;
}

void CComSetting::OnModelChange()
{
    const int nModel = Combo(IDC_COM_MODEL).GetCurSel();
    if (nModel == COM_MODEL_TEXT_PANEL) {
        SetUdcOffered(false);
        FixForTextPanel();
        ShowAddress(false);
        ShowLineControls(false);
        return;
    }
    CString strAddress;
    GetDlgItemText(IDC_COM_ADDRESS, strAddress);
    if (strAddress == _T("0"))
        SetDlgItemText(IDC_COM_ADDRESS, _T("1"));
    SetUdcOffered(nModel == COM_MODEL_MASTER && IsNewGeneration());
    ShowAddress(nModel != COM_MODEL_MASTER);
    ShowLineControls(true);
    OnProtocolChange();
}

void CComSetting::FixForTextPanel()
{
    SetDlgItemText(IDC_COM_ADDRESS, _T("0"));
    Combo(IDC_COM_PROTOCOL).SetCurSel(0);
    Combo(IDC_COM_BAUD).SetCurSel(kBaud115200);
    m_strParityText = kTextPanelLine;
    OnProtocolChange();
    SplitParityText(kTextPanelLine);
    SetDlgItemText(IDC_COM_TIMEOUT, _T("200"));
    SetDlgItemText(IDC_COM_DELAY, _T("0"));
    Combo(IDC_COM_DATA_REGISTER).SetCurSel(0);
}

void CComSetting::ShowAddress(bool bShow)
{
    for (int nID : {IDC_COM_ADDRESS, IDC_COM_ADDRESS_LABEL, IDC_COM_SLAVE_NOTE})
        ShowControl(nID, bShow);
}

void CComSetting::ShowLineControls(bool bShow)
{
    for (int nID : {IDC_COM_PROTOCOL, IDC_COM_BAUD, IDC_COM_PARITY, IDC_COM_TIMEOUT, IDC_COM_DELAY})
        ShowControl(nID, bShow);
    for (int nID : IDC_COM_LINE_LABELS)
        ShowControl(nID, bShow);
    ShowWordOrder();
}

CString CComSetting::SelectedProtocol() const
{
    CString strProtocol;
    if (const int n = Combo(IDC_COM_PROTOCOL).GetCurSel(); n >= 0)
        Combo(IDC_COM_PROTOCOL).GetLBText(n, strProtocol);
    return strProtocol;
}

void CComSetting::ShowWordOrder()
{
    // UDC has no word order, and the text panel's link is fixed.
    const bool bShow = SelectedProtocol() != kUdc && Combo(IDC_COM_MODEL).GetCurSel() != COM_MODEL_TEXT_PANEL;
    ShowControl(IDC_COM_DATA_REGISTER, bShow);
    ShowControl(IDC_COM_DATA_REGISTER_LABEL, bShow);
}

void CComSetting::DoDataExchange(CDataExchange* pDX)
{
    CProgramPage::DoDataExchange(pDX);
    DDX_CBIndex(pDX, IDC_COM_MODEL, m_nModel);
    DDX_CBIndex(pDX, IDC_COM_PROTOCOL, m_nProtocol);
    // A master has no address: its hidden box, clamped as it was filled, leaves the file's own.
    if (!pDX->m_bSaveAndValidate || Combo(IDC_COM_MODEL).GetCurSel() != COM_MODEL_MASTER) {
        DDX_Text(pDX, IDC_COM_ADDRESS, m_nAddress);
        DDV_MinMaxInt(pDX, m_nAddress, 0, kAddressMax);
    }
    DDX_CBIndex(pDX, IDC_COM_BAUD, m_nBaud);
    DDX_CBIndex(pDX, IDC_COM_PARITY, m_nParityDataStop);
    DDX_Text(pDX, IDC_COM_TIMEOUT, m_nTimeout);
    DDV_MinMaxInt(pDX, m_nTimeout, kTimeoutMin, kTimeMax);
    DDX_Text(pDX, IDC_COM_DELAY, m_nDelay);
    DDV_MinMaxInt(pDX, m_nDelay, 0, kTimeMax);
    DDX_CBIndex(pDX, IDC_COM_DATA_REGISTER, m_nDataRegister);
    // The members follow the chosen line even when the list was set without the user.
    if (pDX->m_bSaveAndValidate && m_nParityDataStop >= 0) {
        CString strLine;
        Combo(IDC_COM_PARITY).GetLBText(m_nParityDataStop, strLine);
        SplitParityText(strLine);
    }
}

BOOL CComSetting::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int nID = LOWORD(DWORD(wParam));
    const UINT nCode = HIWORD(DWORD(wParam));
    if (nID == IDC_COM_MODEL && nCode == CBN_SELCHANGE) {
        OnModelChange();
        return TRUE;
    }
    if (nID == IDC_COM_PROTOCOL && nCode == CBN_SELCHANGE) {
        OnProtocolChange();
        return TRUE;
    }
    if (nID == IDC_COM_PARITY && nCode == CBN_SELENDOK) {
        CString strLine;
        if (const int n = Combo(IDC_COM_PARITY).GetCurSel(); n >= 0) {
            Combo(IDC_COM_PARITY).GetLBText(n, strLine);
            SplitParityText(strLine);
        }
        return TRUE;
    }
    if (nCode == EN_UPDATE && nID == IDC_COM_DELAY) {
        ClampEditValue(nID, 0, kTimeMax);
        return TRUE;
    }
    if (nCode == EN_UPDATE && nID == IDC_COM_ADDRESS) {
        ClampEditValue(nID, AddressMinimum(), kAddressMax);
        return TRUE;
    }
    return CProgramPage::OnCommand(wParam, lParam);
}
