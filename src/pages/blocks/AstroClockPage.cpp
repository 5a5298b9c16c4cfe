#include "pages/blocks/AstroClockPage.h"

#include "blocks/BlockClock.h"
#include "pages/blocks/FunctionPageIds.h"
#include "pages/blocks/FunctionTemplates.h"
#include "pages/blocks/ValueHints.h"
#include "pages/sheet/PageIds.h"
#include "pages/sheet/SheetApplyRecord.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Edit.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CAstroClock, CBlockPage)

namespace {

constexpr UINT kMaxMinute = 59;
constexpr LPCTSTR kEnterLocation = _T("Please enter a location.");
constexpr LPCTSTR kSaved = _T("Save successfully.");

// The position rows: side combo, then degrees, minutes and seconds edits.
constexpr int kLongFields[] = {IDC_AC_LONG_DEGREE, IDC_AC_LONG_MINUTE, IDC_AC_LONG_SECOND};
constexpr int kLatFields[] = {IDC_AC_LAT_DEGREE, IDC_AC_LAT_MINUTE, IDC_AC_LAT_SECOND};

constexpr int kLongSpins[] = {IDC_AC_LONG_DEGREE_SPIN, IDC_AC_LONG_MINUTE_SPIN, IDC_AC_LONG_SECOND_SPIN};
constexpr int kLatSpins[] = {IDC_AC_LAT_DEGREE_SPIN, IDC_AC_LAT_MINUTE_SPIN, IDC_AC_LAT_SECOND_SPIN};

void AddPositionRow(DialogTemplate& t, int y, LPCTSTR lpszLabel, int nSideID, std::initializer_list<LPCTSTR> sides,
                    const int (&fields)[3], const int (&spins)[3])
{
    t.items.push_back(PageLabel(lpszLabel, CRect(10, y + 2, 60, y + 12)));
    t.items.push_back(PageCombo(UINT(nSideID), CRect(62, y, 90, y + 40), sides));
    const LPCTSTR marks[] = {_T("\u00b0"), _T("'"), _T("\"")};
    for (int i = 0; i < 3; ++i) {
        t.items.push_back(PageEdit(UINT(fields[i]), CRect(96 + 36 * i, y, 114 + 36 * i, y + 12)));
        t.items.push_back(PageSpin(UINT(spins[i]), CRect(114 + 36 * i, y, 124 + 36 * i, y + 12)));
        t.items.push_back(PageLabel(marks[i], CRect(125 + 36 * i, y, 131 + 36 * i, y + 10)));
    }
}

DialogTemplate AstroClockTemplate()
{
    DialogTemplate t = ParameterPage(IDD_ASTRO_CLOCK, CSize(240, 170));
    AddBlockNameRow(t);
    t.items.push_back(PageLabel(_T("Location:"), CRect(10, 42, 60, 52)));
    t.items.push_back(PageCombo(UINT(IDC_AC_LOCATION), CRect(62, 40, 180, 140)));
    t.items.push_back(PageButton(UINT(IDC_AC_REMOVE), _T("Remove"), CRect(184, 40, 228, 54)));
    t.items.push_back(PageLabel(_T("Name:"), CRect(10, 60, 60, 70), UINT(IDC_AC_NAME_LABEL)));
    t.items.push_back(PageEdit(UINT(IDC_AC_LOCATION_NAME), CRect(62, 58, 180, 70)));
    t.items.push_back(PageButton(UINT(IDC_AC_SAVE), _T("Save"), CRect(184, 58, 228, 72)));
    AddPositionRow(t, 78, _T("Longitude:"), IDC_AC_LONG_SIDE, {_T("E"), _T("W")}, kLongFields, kLongSpins);
    AddPositionRow(t, 96, _T("Latitude:"), IDC_AC_LAT_SIDE, {_T("N"), _T("S")}, kLatFields, kLatSpins);
    t.items.push_back(PageLabel(_T("Time Zone(E+;W-):"), CRect(10, 116, 92, 126)));
    DialogItemTemplate zone = PageCombo(UINT(IDC_AC_ZONE), CRect(96, 114, 162, 200));
    // "GMT(+0)" to "GMT(+12)", then "GMT(-1)" to "GMT(-11)".
    for (int i = 0; i < ASTRO_TIME_ZONES; ++i) {
        CString strZone;
        strZone.Format(_T("GMT(%+d)"), i <= 12 ? i : 12 - i);
        zone.items.push_back(strZone);
    }
    t.items.push_back(zone);
    t.items.push_back(PageCheck(UINT(IDC_PAGE_PROTECTION), _T("Protection Active"), CRect(10, 152, 120, 164)));
    // The frame comes after what it holds, which so stays in front of it.
    t.items.push_back(PageGroup(_T("Location Info"), CRect(6, 26, 234, 146), 1007));
    return t;
}

struct AstroValues {
    CString strLocation;
    int nLocation;
    int nProtection;
    AstroCity place;
};

void WriteAstro(const AstroValues& v, CBlockObj& block)
{
    block.m_nParam[AC_LOCATION_PARAM] = v.nLocation;
    block.m_strParamText = v.strLocation;
    block.m_nParam[AC_LONGITUDE_WEST_PARAM] = v.place.lonDir;
    block.m_nParamEx[AC_LONGITUDE_DEGREES_PARAMEX] = v.place.lonDeg;
    block.m_nParamEx[AC_LONGITUDE_MINUTES_PARAMEX] = v.place.lonMin;
    block.m_nParamEx[AC_LONGITUDE_SECONDS_PARAMEX] = v.place.lonSec;
    block.m_nParam[AC_LATITUDE_SOUTH_PARAM] = v.place.latDir;
    block.m_nParamEx[AC_LATITUDE_DEGREES_PARAMEX] = v.place.latDeg;
    block.m_nParamEx[AC_LATITUDE_MINUTES_PARAMEX] = v.place.latMin;
    block.m_nParamEx[AC_LATITUDE_SECONDS_PARAMEX] = v.place.latSec;
    block.m_nParamEx[AC_TIME_ZONE_PARAMEX] = v.place.zone;
    block.m_nParam[BLOCK_PROTECTION_PARAM] = v.nProtection;
}

// Degrees at or past the maximum stand alone; minutes and seconds stay below 60.
void HoldAngle(int& nDegree, int& nMinute, int& nSecond, int nMaxDegree)
{
    if (nDegree >= nMaxDegree) {
        nDegree = nMaxDegree;
        nMinute = 0;
        nSecond = 0;
        return;
    }
    nMinute = std::min(nMinute, int(kMaxMinute));
    nSecond = std::min(nSecond, int(kMaxMinute));
}

}  // namespace

CAstroClock::CAstroClock(int nType) : CBlockPage(IDD_ASTRO_CLOCK, nType)
{
    RegisterPageTemplateOnce(IDD_ASTRO_CLOCK, AstroClockTemplate);
}

int CAstroClock::FindLocation(const CString& strName)
{
    int nFound = 0;
    for (size_t i = 0; i < g_astroCities.size(); ++i) {
        if (g_astroCities[i].name == strName)
            nFound = int(i);
    }
    return nFound;
}

void CAstroClock::CopyFromBlock(const CBlockObj& block)
{
    m_nLocation = block.m_nParam[AC_LOCATION_PARAM];
    m_strLocationName = block.m_strParamText;
    m_nLongSide = block.m_nParam[AC_LONGITUDE_WEST_PARAM];
    m_nLongDegree = UINT(block.m_nParamEx[AC_LONGITUDE_DEGREES_PARAMEX]);
    m_nLongMinute = UINT(block.m_nParamEx[AC_LONGITUDE_MINUTES_PARAMEX]);
    m_nLongSecond = UINT(block.m_nParamEx[AC_LONGITUDE_SECONDS_PARAMEX]);
    m_nLatSide = block.m_nParam[AC_LATITUDE_SOUTH_PARAM];
    m_nLatDegree = UINT(block.m_nParamEx[AC_LATITUDE_DEGREES_PARAMEX]);
    m_nLatMinute = UINT(block.m_nParamEx[AC_LATITUDE_MINUTES_PARAMEX]);
    m_nLatSecond = UINT(block.m_nParamEx[AC_LATITUDE_SECONDS_PARAMEX]);
    m_nTimeZone = block.m_nParamEx[AC_TIME_ZONE_PARAMEX];
    m_bProtection = block.m_nParam[BLOCK_PROTECTION_PARAM];
}

AstroCity CAstroClock::PlaceOfMembers() const
{
    return {m_strLocationName, m_nLongSide, int(m_nLongDegree), int(m_nLongMinute), int(m_nLongSecond),
            m_nLatSide, int(m_nLatDegree), int(m_nLatMinute), int(m_nLatSecond), m_nTimeZone};
}

void CAstroClock::CopyToBlock(CBlockObj& block) const
{
    WriteAstro({m_strLocationName, m_nLocation, m_bProtection, PlaceOfMembers()}, block);
}

void CAstroClock::AddToApplyRecord(SheetApplyRecord& record)
{
    const AstroValues values{m_strLocationName, m_nLocation, m_bProtection, PlaceOfMembers()};
    record.writers.emplace_back([values](CBlockObj& block) { WriteAstro(values, block); });
}

BOOL CAstroClock::OnInitDialog()
{
    CBlockPage::OnInitDialog();
    for (int nID : {IDC_AC_LONG_DEGREE, IDC_AC_LONG_MINUTE, IDC_AC_LONG_SECOND, IDC_AC_LAT_DEGREE, IDC_AC_LAT_MINUTE,
                    IDC_AC_LAT_SECOND}) {
        if (auto* pEdit = static_cast<CEdit*>(GetDlgItem(nID)))
            pEdit->SetLimitText(nID == IDC_AC_LONG_DEGREE ? 3 : 2);
    }
    for (int i = 0; i < 3; ++i) {
        SetupSpin(*this, kLongSpins[i], kLongFields[i], 0, i == 0 ? int(AC_MAX_LONGITUDE) : int(kMaxMinute));
        SetupSpin(*this, kLatSpins[i], kLatFields[i], 0, i == 0 ? int(AC_MAX_LATITUDE) : int(kMaxMinute));
    }
    FillLocationCombo();
    ShowLocation(FALSE);
    // Another clock page open at the same time (sheets are modeless in a simulation) may
    // change the list.
    m_locationsSubscription = AstroCitiesSubscription([this] {
        if (IsWindow(this))
            OnLocationsChanged();
    });
    return TRUE;
}

void CAstroClock::DoDataExchange(CDataExchange* pDX)
{
    CBlockPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_AC_LONG_DEGREE, m_nLongDegree);
    DDV_MinMaxUInt(pDX, m_nLongDegree, 0, AC_MAX_LONGITUDE);
    DDX_Text(pDX, IDC_AC_LONG_MINUTE, m_nLongMinute);
    DDV_MinMaxUInt(pDX, m_nLongMinute, 0, m_nMaxLongMinute);
    DDX_Text(pDX, IDC_AC_LONG_SECOND, m_nLongSecond);
    DDV_MinMaxUInt(pDX, m_nLongSecond, 0, m_nMaxLongMinute);
    DDX_Text(pDX, IDC_AC_LAT_DEGREE, m_nLatDegree);
    DDV_MinMaxUInt(pDX, m_nLatDegree, 0, AC_MAX_LATITUDE);
    DDX_Text(pDX, IDC_AC_LAT_MINUTE, m_nLatMinute);
    DDV_MinMaxUInt(pDX, m_nLatMinute, 0, m_nMaxLatMinute);
    DDX_Text(pDX, IDC_AC_LAT_SECOND, m_nLatSecond);
    DDV_MinMaxUInt(pDX, m_nLatSecond, 0, m_nMaxLatMinute);
    ExchangeChoice(pDX, IDC_AC_LOCATION, m_nLocation);
    ExchangeChoice(pDX, IDC_AC_LONG_SIDE, m_nLongSide);
    ExchangeChoice(pDX, IDC_AC_LAT_SIDE, m_nLatSide);
    DDX_Text(pDX, IDC_AC_LOCATION_NAME, m_strLocationName);
    DDV_MaxChars(pDX, m_strLocationName, AC_MAX_LOCATION_CHARS);
    ExchangeChoice(pDX, IDC_AC_ZONE, m_nTimeZone);
    DDX_Check(pDX, IDC_PAGE_PROTECTION, m_bProtection);
}

// The place is found again by its name; the stored index only tells where it stood.
void CAstroClock::FillLocationCombo()
{
    m_nLocation = ListLocations(m_strLocationName);
}

int CAstroClock::ListLocations(const CString& strName)
{
    auto* pCombo = static_cast<CComboBox*>(GetDlgItem(IDC_AC_LOCATION));
    pCombo->ResetContent();
    for (const AstroCity& city : g_astroCities)
        pCombo->AddString(city.name);
    const int nSelected = FindLocation(strName);
    pCombo->SetCurSel(nSelected);
    return nSelected;
}

void CAstroClock::OnLocationsChanged()
{
    ListLocations(SelectedLocationName());
    ShowLocation(FALSE);
}

CString CAstroClock::SelectedLocationName() const
{
    CString strName;
    const int nSelected = Selection(IDC_AC_LOCATION);
    if (nSelected > 0)
        static_cast<const CComboBox*>(GetDlgItem(IDC_AC_LOCATION))->GetLBText(nSelected, strName);
    return strName;
}

int CAstroClock::Selection(int nID) const
{
    const auto* pCombo = static_cast<const CComboBox*>(GetDlgItem(nID));
    return pCombo ? pCombo->GetCurSel() : -1;
}

void CAstroClock::Select(int nID, int nIndex)
{
    if (auto* pCombo = static_cast<CComboBox*>(GetDlgItem(nID)))
        pCombo->SetCurSel(nIndex);
}

void CAstroClock::Show(int nID, BOOL bShow)
{
    if (CWnd* pControl = GetDlgItem(nID))
        pControl->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
}

void CAstroClock::Enable(int nID, BOOL bEnable)
{
    if (CWnd* pControl = GetDlgItem(nID))
        pControl->EnableWindow(bEnable);
}

int CAstroClock::FieldNumber(int nID) const
{
    CString strText;
    if (const CWnd* pEdit = GetDlgItem(nID))
        pEdit->GetWindowText(strText);
    long long nValue = 0;
    return AfxParseInteger(strText, 0, 999, nValue) ? int(nValue) : 0;
}

void CAstroClock::SetFieldNumber(int nID, int nValue)
{
    CString strText;
    strText.Format(_T("%d"), nValue);
    if (CWnd* pEdit = GetDlgItem(nID))
        pEdit->SetWindowText(strText);
}

void CAstroClock::ShowLocation(BOOL bLoadFields)
{
    const int n = Selection(IDC_AC_LOCATION);
    const bool bBuiltIn = n >= 1 && n < ASTRO_FIRST_USER_CITY;
    const bool bUser = n >= ASTRO_FIRST_USER_CITY;
    Show(IDC_AC_REMOVE, bUser);
    Show(IDC_AC_NAME_LABEL, n == 0);
    Show(IDC_AC_LOCATION_NAME, n == 0);
    Show(IDC_AC_SAVE, !bBuiltIn);
    if (CWnd* pSave = GetDlgItem(IDC_AC_SAVE))
        pSave->SetWindowText(bUser ? _T("Update") : _T("Save"));
    for (int nID : {IDC_AC_LONG_SIDE, IDC_AC_LAT_SIDE, IDC_AC_ZONE, IDC_AC_LONG_DEGREE, IDC_AC_LONG_MINUTE,
                    IDC_AC_LONG_SECOND, IDC_AC_LAT_DEGREE, IDC_AC_LAT_MINUTE, IDC_AC_LAT_SECOND})
        Enable(nID, !bBuiltIn);
    if (bLoadFields && n >= 0 && size_t(n) < g_astroCities.size())
        LoadFields(g_astroCities[size_t(n)], n > 0);
}

void CAstroClock::LoadFields(const AstroCity& city, BOOL bName)
{
    if (bName) {
        if (CWnd* pName = GetDlgItem(IDC_AC_LOCATION_NAME))
            pName->SetWindowText(city.name);
    }
    Select(IDC_AC_LONG_SIDE, city.lonDir);
    Select(IDC_AC_LAT_SIDE, city.latDir);
    Select(IDC_AC_ZONE, city.zone);
    const int longValues[] = {city.lonDeg, city.lonMin, city.lonSec};
    const int latValues[] = {city.latDeg, city.latMin, city.latSec};
    for (int i = 0; i < 3; ++i) {
        SetFieldNumber(kLongFields[i], longValues[i]);
        SetFieldNumber(kLatFields[i], latValues[i]);
    }
}

AstroCity CAstroClock::ReadFields(const CString& strName)
{
    AstroCity city;
    city.name = strName;
    city.lonDir = std::max(0, Selection(IDC_AC_LONG_SIDE));
    city.latDir = std::max(0, Selection(IDC_AC_LAT_SIDE));
    city.zone = std::max(0, Selection(IDC_AC_ZONE));
    city.lonDeg = FieldNumber(IDC_AC_LONG_DEGREE);
    city.lonMin = FieldNumber(IDC_AC_LONG_MINUTE);
    city.lonSec = FieldNumber(IDC_AC_LONG_SECOND);
    city.latDeg = FieldNumber(IDC_AC_LAT_DEGREE);
    city.latMin = FieldNumber(IDC_AC_LAT_MINUTE);
    city.latSec = FieldNumber(IDC_AC_LAT_SECOND);
    HoldAngle(city.lonDeg, city.lonMin, city.lonSec, int(AC_MAX_LONGITUDE));
    HoldAngle(city.latDeg, city.latMin, city.latSec, int(AC_MAX_LATITUDE));
    return city;
}

// Every clock page shows the one list, which may have changed since this page showed it: the
// place is found there by its name, never by the combo's index.
void CAstroClock::OnSaveLocation()
{
    CWnd* pName = GetDlgItem(IDC_AC_LOCATION_NAME);
    CString strName;
    pName->GetWindowText(strName);
    strName.TrimRight(_T(" "));
    pName->SetWindowText(strName);
    if (strName.IsEmpty()) {
        AfxMessageBox(kEnterLocation, MB_ICONHAND);
        return;
    }
    if (Selection(IDC_AC_LOCATION) >= ASTRO_FIRST_USER_CITY) {
        const AstroCity city = ReadFields(SelectedLocationName());
        if (!UpdateUserAstroCity(city))
            return;
        LoadFields(city, FALSE);
    } else {
        const int nSame = FindAstroCityIgnoringCase(strName);
        if (nSame >= 0) {
            AfxMessageBox(nSame == 0 ? kEnterLocation : _T("This city name already exists."), MB_ICONHAND);
            return;
        }
        const AstroCity city = ReadFields(strName);
        AddUserAstroCity(city);
        Select(IDC_AC_LOCATION, FindLocation(strName));
        LoadFields(city, FALSE);
    }
    ShowLocation(FALSE);
    SetModified(TRUE);
    // The place is kept in the list either way; a failed write is tried again when the
    // program ends.
    CString strReason;
    if (StoreAstroCities(&strReason))
        AfxMessageBox(kSaved, MB_OK);
    else
        AfxMessageBox(ASTRO_SAVE_FAILED + strReason, MB_ICONSTOP);
}

// After the last user place, entry 11 is selected and shows its own position.
void CAstroClock::OnRemoveLocation()
{
    if (Selection(IDC_AC_LOCATION) < ASTRO_FIRST_USER_CITY || !RemoveUserAstroCity(SelectedLocationName()))
        return;
    Select(IDC_AC_LOCATION, int(g_astroCities.size()) - 1);
    ShowLocation(TRUE);
    SetModified(TRUE);
}

void CAstroClock::OnFieldChange(int nID)
{
    CWnd* pFocus = CWnd::GetFocus();
    const struct {
        int nDegree;
        UINT nMax;
        const int* fields;
    } angles[] = {{IDC_AC_LONG_DEGREE, AC_MAX_LONGITUDE, kLongFields}, {IDC_AC_LAT_DEGREE, AC_MAX_LATITUDE, kLatFields}};
    for (const auto& angle : angles) {
        CWnd* pDegree = GetDlgItem(angle.nDegree);
        if (nID != angle.nDegree || pFocus != pDegree || FieldNumber(angle.nDegree) != int(angle.nMax))
            continue;
        for (int i = 1; i < 3; ++i) {
            if (FieldNumber(angle.fields[i]) != 0)
                SetFieldNumber(angle.fields[i], 0);
        }
    }
    SetModified(TRUE);
}

BOOL CAstroClock::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int nID = LOWORD(DWORD(wParam));
    const int nCode = HIWORD(DWORD(wParam));
    if (nCode == BN_CLICKED && nID == IDC_AC_SAVE) {
        OnSaveLocation();
        return TRUE;
    }
    if (nCode == BN_CLICKED && nID == IDC_AC_REMOVE) {
        OnRemoveLocation();
        return TRUE;
    }
    if (nCode == CBN_SELCHANGE && nID == IDC_AC_LOCATION) {
        ShowLocation(TRUE);
        SetModified(TRUE);
    } else if (nCode == EN_UPDATE && nID == IDC_AC_LONG_DEGREE) {
        m_nMaxLongMinute = UINT(FieldNumber(nID)) < AC_MAX_LONGITUDE ? kMaxMinute : 0;
    } else if (nCode == EN_UPDATE && nID == IDC_AC_LAT_DEGREE) {
        m_nMaxLatMinute = UINT(FieldNumber(nID)) < AC_MAX_LATITUDE ? kMaxMinute : 0;
    } else if (nCode == EN_CHANGE || (nCode == CBN_SELCHANGE && (nID == IDC_AC_LONG_SIDE || nID == IDC_AC_LAT_SIDE ||
                                                                 nID == IDC_AC_ZONE)) ||
               (nCode == BN_CLICKED && nID == IDC_PAGE_PROTECTION)) {
        OnFieldChange(nID);
    }
    return CBlockPage::OnCommand(wParam, lParam);
}
