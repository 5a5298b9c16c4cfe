// CTimeValueRow: one time value of a timer page, a constant "high:low" in a time base (hours and
// minutes, minutes and seconds, seconds and hundredths) or, on its Reference button, the value
// of another block read in a reference unit. The row makes the unit and block lists over the
// base list and the edits when the page opens, keeps the low part within its base, and names
// the block words a time slot is stored in, so that every timer page encodes its times alike.
#pragma once

#include "pages/sheet/BlockPageRegistry.h"

#include <vector>

class CDataExchange;
class CDialog;
class CComboBox;

// Time-base codes, in the order of the base list.
constexpr int TIME_BASE_HOURS = 0;
constexpr int TIME_BASE_MINUTES = 1;
constexpr int TIME_BASE_SECONDS = 2;
// Reference units: the referenced value counts minutes, seconds or milliseconds.
constexpr int REF_UNIT_MINUTES = 0;
constexpr int REF_UNIT_MILLISECONDS = 2;
// Both parts of a constant time take two digits.
constexpr int TIME_PART_MAX = 99;
constexpr int TIME_PART_CHARS = 2;

// The largest low part in a base: 59 minutes or seconds, 99 hundredths.
int MaxLowPart(int nBase);
// A low part above its base's largest becomes the largest.
int ClampLowPart(int nLow, int nBase);

// The texts of a time base ("Hours(h:m)" ...) and of a reference unit ("Minutes" ...).
CString TimeBaseText(int nBase);
CString RefUnitText(int nUnit);

// The block words one time value lives in. refUnit, refFlag and ref are absent (nIndex -1) for
// the pre-warning values, which follow another time's base.
struct TimeSlot {
    BlockWord low;
    BlockWord high;
    BlockWord base;
    BlockWord refUnit;
    BlockWord refFlag;
    BlockWord ref;
};
// Time 1 (a single time, TH, the TL of the multi-function switch) and time 2 (TL, T).
extern const TimeSlot TIME_SLOT_1;
extern const TimeSlot TIME_SLOT_2;

// The running block gives up the slot's reference at once: its running time and the slot's
// parts become 0 and it stops timing; the flag, unit and base words take the page's choice.
void GiveUpRunningReference(CBlockObj& block, const TimeSlot& slot, int nUnit, int nBase);

// The controls of one time value; 0 for a control the value lacks (the pre-warning values have
// no base list and no unit list of their own).
struct TimeValueIds {
    int nHigh;
    int nHighSpin;
    int nColon;
    int nLow;
    int nLowSpin;
    int nBase;
    int nReference;
    UINT nUnitCombo;
    UINT nBlockCombo;
};

class CTimeValueRow {
public:
    explicit CTimeValueRow(const TimeValueIds& ids) : m_ids(ids) {}

    int m_nLow = 0;
    int m_nHigh = 0;
    int m_nBase = TIME_BASE_SECONDS;
    int m_nRefUnit = 0;
    // A reference is in use exactly while m_nRefBlock names a block.
    int m_bUseRef = 0;
    int m_nRefBlock = -1;
    // The document offers a block to refer to.
    BOOL m_bCanRef = FALSE;
    // The largest high part (its digits limit the edit) and the low spin's top; a time that is
    // not a timer's (the hours counter's interval) sets its own before Create.
    int m_nHighMax = TIME_PART_MAX;
    int m_nLowSpinMax = TIME_PART_MAX;

    // Makes the lists, fills them and shows the constant or the reference presentation. Without
    // bOffersReference (the older controllers) the button is hidden and the value is constant,
    // whatever the block held.
    void Create(CDialog& page, const CVetlaDoc* pDoc, int nOwnNumber, BOOL bOffersReference);
    // The parts, the base and (saving) the unit list's choice; the high part 0..99.
    void Exchange(CDataExchange* pDX);

    enum class Notice { None, Changed, ReferenceOn, ReferenceOff };
    // A notification of one of the row's controls; nGoverningBase is the base the low part is
    // limited by (the row's own base list unless it follows another time).
    Notice OnCommand(CDialog& page, int nID, int nCode, int nGoverningBase);
    // The base shown: the unit list's while referenced (when the row has one), else the base list's.
    int ShownBase(CDialog& page) const;
    // The low part shown above the base's largest becomes the largest.
    void ClampShownLow(CDialog& page, int nBase) const;
    // Turns the reference off as its button does; FALSE when none was in use.
    BOOL GiveUpReference(CDialog& page);
    // OK: a referenced time keeps no constant, a constant one no reference or unit.
    void Normalise();
    // Shows the constant controls or the lists as m_bUseRef says.
    void Show(CDialog& page) const;
    // Enables the edits, spins and Reference button (the pre-warning values while standard).
    void Enable(CDialog& page, BOOL bEnable) const;
    // The constant parts shown in the edits.
    void ShowParts(CDialog& page) const;
    const TimeValueIds& Ids() const { return m_ids; }

private:
    CComboBox* MakeUnitList(CDialog& page);
    CComboBox* MakeList(CDialog& page, int nLeftID, int nRightID, UINT nListID, int nDropHeight);
    void ToggleReference(CDialog& page);
    void SelectBlock();

    TimeValueIds m_ids;
    CComboBox* m_pUnitCombo = nullptr;
    CComboBox* m_pBlockCombo = nullptr;
};

// The accessors of the members of the row TPage::*Row, for the bindings of a page.
template <class TPage, CTimeValueRow TPage::*Row>
struct TimeRowMembers {
    static CTimeValueRow& R(CBlockPage& page) { return static_cast<TPage&>(page).*Row; }
    static int& Low(CBlockPage& page) { return R(page).m_nLow; }
    static int& High(CBlockPage& page) { return R(page).m_nHigh; }
    static int& Base(CBlockPage& page) { return R(page).m_nBase; }
    static int& Unit(CBlockPage& page) { return R(page).m_nRefUnit; }
    static int& Flag(CBlockPage& page) { return R(page).m_bUseRef; }
    static int& Ref(CBlockPage& page) { return R(page).m_nRefBlock; }
};

// The bindings of the row TPage::*Row to the words of slot, written back by OK and Apply.
template <class TPage, CTimeValueRow TPage::*Row>
void AddTimeBindings(std::vector<PageBinding>& bindings, const TimeSlot& slot)
{
    using M = TimeRowMembers<TPage, Row>;
    const std::pair<BlockWord, int& (*)(CBlockPage&)> words[] = {
        {slot.low, &M::Low},    {slot.high, &M::High}, {slot.base, &M::Base},
        {slot.refUnit, &M::Unit}, {slot.refFlag, &M::Flag}, {slot.ref, &M::Ref}};
    for (const auto& [word, pfnMember] : words) {
        if (word.nIndex >= 0)
            bindings.push_back({word, pfnMember, WRITE_ON_BOTH});
    }
}
