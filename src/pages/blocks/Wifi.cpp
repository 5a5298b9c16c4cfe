#include "pages/blocks/Wifi.h"

#include "blocks/BlockTypes.h"
#include "blocks/BlockWIFI.h"
#include "pages/blocks/MiscBlockIds.h"
#include "pages/blocks/MiscBlockTemplates.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DataExchange.h"

IMPLEMENT_DYNAMIC(CWIFI, CBlockPage)

namespace {

std::vector<CString> Numbered(LPCTSTR lpszFormat, int nFirst, int nLast)
{
    std::vector<CString> lines;
    for (int n = nFirst; n <= nLast; ++n) {
        CString str;
        str.Format(lpszFormat, n);
        lines.push_back(str);
    }
    return lines;
}

bool IsAnalog(int nType) { return nType == BT_WIFI_AI || nType == BT_WIFI_AOUT; }
bool IsOutput(int nType) { return nType == BT_WIFI_OUT || nType == BT_WIFI_AOUT; }

// A station's points: the type list's entries and, for each, the number list.
WifiLists StationLists(int nType, int nBlockType)
{
    struct Point {
        LPCTSTR lpszType;
        LPCTSTR lpszFormat;
        int nLast;
    };
    constexpr Point kInput = {_T("Input"), _T("I%d"), 31};
    constexpr Point kOutput = {_T("Output"), _T("Q%d"), 15};
    constexpr Point kAnalogInput = {_T("Analon Input"), _T("AI%d"), 7};
    constexpr Point kAnalogOutput = {_T("Analog Output"), _T("AQ%d"), 3};
    std::vector<Point> points;
    if (nType == BT_WIFI_IN)
        points = {kInput, kOutput};
    else if (nType == BT_WIFI_OUT)
        points = {kOutput};
    else if (nType == BT_WIFI_AI)
        points = {kAnalogInput, kAnalogOutput};
    else
        points = {kAnalogOutput};
    WifiLists lists;
    lists.ids = Numbered(_T("%d"), 1, 7);
    for (const Point& point : points)
        lists.types.emplace_back(point.lpszType);
    const Point& chosen = points[nBlockType >= 0 && size_t(nBlockType) < points.size() ? size_t(nBlockType) : 0];
    lists.numbers = Numbered(chosen.lpszFormat, 0, chosen.nLast);
    return lists;
}

}  // namespace

WifiLists MakeWifiLists(int nType, int nMode, int nBlockType)
{
    WifiLists lists;
    switch (nMode) {
    case WIFI_MODE_VM:
        if (!IsOutput(nType))
            lists.ids = Numbered(_T("%d"), 0, 7);
        lists.numbers = Numbered(IsAnalog(nType) ? _T("VAM%d") : _T("VM%d"), 0, 31);
        return lists;
    case WIFI_MODE_DIAGNOSTIC:
        lists.types = Numbered(_T("WiFi ID%d communication status"), 1, 7);
        return lists;
    default:
        return StationLists(nType, nBlockType);
    }
}

CWIFI::CWIFI(int nType) : CBlockPage(IDD_WIFI, nType) { RegisterMiscBlockTemplates(); }

void CWIFI::CopyFromBlock(const CBlockObj& block)
{
    if (const auto* pWifi = dynamic_cast<const CBlockWIFI*>(&block)) {
        m_nMode = pWifi->m_nWifiMode;
        m_nWifiId = pWifi->m_nWifiId;
        m_nBlockType = pWifi->m_nRemoteKind;
        m_nBlockNumber = pWifi->m_nRemoteNumber;
    }
}

BlockWrite CWIFI::MakeBlockWrite(BOOL) const
{
    const int values[] = {m_nMode, m_nWifiId, m_nBlockType, m_nBlockNumber};
    return [mode = values[0], id = values[1], type = values[2], number = values[3]](CBlockObj& block) {
        if (auto* pWifi = dynamic_cast<CBlockWIFI*>(&block)) {
            pWifi->m_nWifiMode = mode;
            pWifi->m_nWifiId = id;
            pWifi->m_nRemoteKind = type;
            pWifi->m_nRemoteNumber = number;
        }
    };
}

BOOL CWIFI::OnInitDialog()
{
    CBlockPage::OnInitDialog();
    SetCaptions();
    // A stored mode the block type lacks (a damaged record) shows as Station.
    if (m_nMode < WIFI_MODE_STATION || m_nMode > WIFI_MODE_DIAGNOSTIC ||
        (m_nMode == WIFI_MODE_DIAGNOSTIC && m_nType != BT_WIFI_IN)) {
        CheckDlgButton(IDC_WIFI_VM, 0);
        CheckDlgButton(IDC_WIFI_DIAGNOSTIC, 0);
        CheckDlgButton(IDC_WIFI_STATION, 1);
    }
    // Filling the lists marks the page modified, at opening too: Apply is offered at once.
    RefreshLists();
    return TRUE;
}

void CWIFI::SetCaptions()
{
    if (IsOutput(m_nType))
        GetDlgItem(IDC_WIFI_GROUP)->SetWindowText(_T("Write value to"));
    if (IsAnalog(m_nType))
        GetDlgItem(IDC_WIFI_VM)->SetWindowText(_T("VAM"));
    if (m_nType != BT_WIFI_IN)
        GetDlgItem(IDC_WIFI_DIAGNOSTIC)->ShowWindow(SW_HIDE);
}

void CWIFI::DoDataExchange(CDataExchange* pDX)
{
    CBlockPage::DoDataExchange(pDX);
    // The radio alone goes into the page: RefreshLists fills and selects the lists.
    DDX_Radio(pDX, IDC_WIFI_STATION, m_nMode);
    if (!pDX->m_bSaveAndValidate)
        return;
    for (auto [nID, pValue] : {std::pair{IDC_WIFI_ID, &m_nWifiId}, std::pair{IDC_WIFI_TYPE, &m_nBlockType},
                               std::pair{IDC_WIFI_NUMBER, &m_nBlockNumber}}) {
        // A hidden list keeps the first line's index.
        const int nSel = SelectionOf(nID);
        *pValue = nSel >= 0 ? nSel : 0;
    }
}

void CWIFI::RefreshLists()
{
    const int nMode = IsDlgButtonChecked(IDC_WIFI_VM)           ? WIFI_MODE_VM
                      : IsDlgButtonChecked(IDC_WIFI_DIAGNOSTIC) ? WIFI_MODE_DIAGNOSTIC
                                                                : WIFI_MODE_STATION;
    if (nMode != m_nMode) {
        m_nWifiId = 0;
        m_nBlockType = 0;
        m_nBlockNumber = 0;
    }
    m_nMode = nMode;
    const WifiLists lists = MakeWifiLists(m_nType, m_nMode, m_nBlockType);
    FillList(IDC_WIFI_ID, IDC_WIFI_ID_LABEL, lists.ids, m_nWifiId);
    FillList(IDC_WIFI_TYPE, IDC_WIFI_TYPE_LABEL, lists.types, m_nBlockType);
    FillList(IDC_WIFI_NUMBER, IDC_WIFI_NUMBER_LABEL, lists.numbers, m_nBlockNumber);
    GetDlgItem(IDC_WIFI_TYPE_LABEL)
        ->SetWindowText(m_nMode == WIFI_MODE_DIAGNOSTIC ? _T("Diagnostic Type") : _T("Block Type"));
    SetModified(TRUE);
}

int CWIFI::SelectionOf(int nListID) const { return static_cast<const CComboBox*>(GetDlgItem(nListID))->GetCurSel(); }

void CWIFI::FillList(int nListID, int nLabelID, const std::vector<CString>& lines, int nSel)
{
    auto* pList = static_cast<CComboBox*>(GetDlgItem(nListID));
    pList->ResetContent();
    for (const CString& line : lines)
        pList->AddString(line);
    pList->SetCurSel(nSel >= 0 && size_t(nSel) < lines.size() ? nSel : lines.empty() ? -1 : 0);
    const int nShow = lines.empty() ? SW_HIDE : SW_SHOW;
    pList->ShowWindow(nShow);
    GetDlgItem(nLabelID)->ShowWindow(nShow);
}

BOOL CWIFI::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int nID = LOWORD(DWORD(wParam));
    const int nCode = HIWORD(DWORD(wParam));
    switch (nID) {
    case IDC_WIFI_STATION:
    case IDC_WIFI_VM:
    case IDC_WIFI_DIAGNOSTIC:
        if (nCode == BN_CLICKED)
            RefreshLists();
        return TRUE;
    case IDC_WIFI_TYPE:
        if (nCode == CBN_SELCHANGE) {
            m_nBlockType = SelectionOf(IDC_WIFI_TYPE);
            m_nBlockNumber = 0;
            const WifiLists lists = MakeWifiLists(m_nType, m_nMode, m_nBlockType);
            FillList(IDC_WIFI_NUMBER, IDC_WIFI_NUMBER_LABEL, lists.numbers, m_nBlockNumber);
            SetModified(TRUE);
        }
        return TRUE;
    case IDC_WIFI_ID:
    case IDC_WIFI_NUMBER:
        // The choice is the page's at once: a refill of the same mode selects it again.
        if (nCode == CBN_SELCHANGE) {
            (nID == IDC_WIFI_ID ? m_nWifiId : m_nBlockNumber) = SelectionOf(nID);
            SetModified(TRUE);
        }
        return TRUE;
    default:
        return CBlockPage::OnCommand(wParam, lParam);
    }
}
