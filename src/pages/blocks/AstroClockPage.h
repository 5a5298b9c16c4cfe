// CAstroClock: the page of the astronomical clock (412): the place the controller runs at, as
// longitude, latitude and time zone, picked from the list of places (g_astroCities) or typed.
// The user's own places are saved, updated and removed in that list here; those edits last for
// every later page whether the sheet is confirmed or not.
#pragma once

#include "document/AstroCities.h"
#include "pages/sheet/BlockPage.h"

constexpr UINT AC_MAX_LONGITUDE = 180;
constexpr UINT AC_MAX_LATITUDE = 90;
constexpr int AC_MAX_LOCATION_CHARS = 25;

class CAstroClock : public CBlockPage {
    DECLARE_DYNAMIC(CAstroClock)

public:
    explicit CAstroClock(int nType);

    UINT m_nLongDegree = 0;
    UINT m_nLongMinute = 0;
    UINT m_nLongSecond = 0;
    UINT m_nLatDegree = 0;
    UINT m_nLatMinute = 0;
    UINT m_nLatSecond = 0;
    int m_nLocation = 0;
    int m_nLongSide = 0;
    int m_nLatSide = 0;
    CString m_strLocationName;
    int m_nTimeZone = 0;
    int m_bProtection = 0;
    // The bound of minutes and seconds: 0 while the degrees stand at their maximum.
    UINT m_nMaxLongMinute = 59;
    UINT m_nMaxLatMinute = 59;

    void CopyFromBlock(const CBlockObj& block) override;
    void CopyToBlock(CBlockObj& block) const override;
    void AddToApplyRecord(SheetApplyRecord& record) override;

    // The index of the last place named exactly strName (letter case counts); 0 for none.
    static int FindLocation(const CString& strName);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL ShowsCurrentValue() const override { return TRUE; }

private:
    void FillLocationCombo();
    // Fills the combo from the list and selects the last place named strName exactly, or entry
    // 0 when there is none; the index selected.
    int ListLocations(const CString& strName);
    // The list changed (here or on another clock page): the combo shows it again and keeps the
    // place it showed, found by its name.
    void OnLocationsChanged();
    // The name of the place the combo shows; empty for "User-defined".
    CString SelectedLocationName() const;
    void ShowLocation(BOOL bLoadFields);
    void OnSaveLocation();
    void OnRemoveLocation();
    void OnFieldChange(int nID);
    // The place the controls show, positions held to their ranges.
    AstroCity ReadFields(const CString& strName);
    AstroCity PlaceOfMembers() const;
    void LoadFields(const AstroCity& city, BOOL bName);
    int FieldNumber(int nID) const;
    void SetFieldNumber(int nID, int nValue);
    int Selection(int nID) const;
    void Select(int nID, int nIndex);
    void Show(int nID, BOOL bShow);
    void Enable(int nID, BOOL bEnable);

    AstroCitiesSubscription m_locationsSubscription;
};
