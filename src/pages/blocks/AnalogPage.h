// CAnalogPage: the base of the analog blocks' main pages. It copies the block's analog fields
// through the analog form of the apply record, so that the modal OK and Apply store the same
// fields, and it hosts the sensor-scaling group for the pages that carry one: the group's
// controls show a CSensorScaling and every edit goes through its rules. The decimals row, the
// live value and the helpers the pages share for their rows live here too.
#pragma once

#include "pages/blocks/AnalogPageIds.h"
#include "pages/blocks/AnalogRecord.h"
#include "pages/blocks/SensorScaling.h"
#include "pages/controls/ToolTipWnd.h"
#include "pages/sheet/BlockPage.h"
#include "pages/sheet/ReferenceRow.h"

#include <initializer_list>
#include <memory>
#include <vector>

class CDataExchange;
class CNumericEdit;

class CAnalogPage : public CBlockPage {
    DECLARE_DYNAMIC(CAnalogPage)

public:
    CAnalogPage(UINT nIDTemplate, int nType, BOOL bHasScaling);
    ~CAnalogPage() override;

    // The scaling group's values; the decimals are used by every analog page.
    CSensorScaling m_scaling;
    int m_bProtection = 0;
    int m_nBlockNumber = -1;
    // The document holds at least one block this one may reference.
    BOOL m_bCanRef = FALSE;
    // The high byte of the document's hardware code: the controller's generation.
    int m_nModelByte = 0;

    void CopyFromBlock(const CBlockObj& block) override;
    void CopyToBlock(CBlockObj& block) const override;
    // Settles the scaling group, then hands the record over as a writer.
    void AddToApplyRecord(SheetApplyRecord& record) override;
    // The record as the page's members stand.
    AnalogRecord MakeRecord() const;

    BOOL OffersReferences() const;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // The hint of a control, for tests and the tips of moved controls.
    const CToolTipWnd& GetTips() const { return m_tips; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    BOOL ShowsCurrentValue() const override { return TRUE; }

    // The page's own controls and members besides the name, protection, scaling and decimals.
    virtual void ExchangeFields(CDataExchange* pDX) { (void)pDX; }
    virtual void ReadRecord(const AnalogRecord& record) = 0;
    virtual void FillRecord(AnalogRecord& record) const = 0;
    // What OnOK settles before the members are stored: the scaling, the unused references.
    // Apply runs no OnOK, so it settles the same here before the record is made.
    virtual void PrepareApply();
    void OnOK() override;
    // The settling pass for every sensor but "No sensor", its result shown.
    void SettleScaling();

    // ---- the two parameter rows (On/Off, L1/L2, SP/Mq), each a value or a referenced block ----
    CReferenceRow m_limitRefs[2] = {{IDC_LIMIT1_REF, IDC_LIMIT1, IDC_LIMIT1_LIST},
                                    {IDC_LIMIT2_REF, IDC_LIMIT2, IDC_LIMIT2_LIST}};
    void CreateLimitRows();
    // Row nRow with its caption: hidden, or its edit and spin or its block list by its flag.
    // A caption with a key takes, in the Chinese interface, the Chinese text under the key.
    void ShowLimitRow(int nRow, BOOL bShown, LPCTSTR lpszCaption, WORD nKey = 0);
    // The Reference boxes and the lists; TRUE when the command was one of theirs.
    BOOL OnLimitRowCommand(int nID, int nCode);
    virtual void OnLimitReferenceChanged() {}
    void ReadLimitRows(const AnalogRecord& record);
    void FillLimitReferences(AnalogRecord& record) const;

    // ---- value boxes that take whole numbers only ----
    enum class BoxRule {
        // The page's own rules handle the box (the scaling group, the decimals).
        Own,
        // Typing beyond the range is replaced by the bound.
        Clamped,
        // The range is checked when the page is left.
        CheckedOnLeaving,
    };
    struct IntegerBox {
        int nEditID;
        int nSpinID;
        int nDigits;
        int nLow;
        int nHigh;
        BoxRule rule;
    };
    // The page's whole-number boxes; the base gives the scaling group's and the decimals'. The
    // spins and hints of the boxes without rules of their own take the box's range.
    virtual std::vector<IntegerBox> GetIntegerBoxes() const;

    // ---- value boxes of two whole digits and two decimals ----
    struct HundredthsBox {
        int nEditID;
        int nSpinID;
        BOOL bNegative;
        // A digit typed behind the full whole part goes in behind a point.
        BOOL bPointBeforeExtraDigit;
    };
    // The page's boxes of hundredths; the base gives the scaling group's gain. Their values and
    // ranges are the page's own rules.
    virtual std::vector<HundredthsBox> GetHundredthsBoxes() const;

    // ---- hints: the valid range of a value box ----
    struct RangeTip {
        int nID;
        int nLow;
        int nHigh;
    };
    void AddRangeTips(std::initializer_list<RangeTip> tips);
    // Tips of hundredths ("%.2f") over nLow / 100 .. nHigh / 100.
    void AddHundredthsTip(int nID, int nLow, int nHigh);
    void ReplaceRangeTip(int nID, int nLow, int nHigh);
    CToolTipWnd m_tips;

    // ---- helpers of the rows ----
    void ShowControls(std::initializer_list<int> ids, BOOL bShow);
    void EnableControls(std::initializer_list<int> ids, BOOL bEnable);
    void SetSpinRange(int nSpinID, int nLow, int nHigh);
    // The control's text, set without running the page's edit rules; unchanged text is left.
    void PutText(int nID, const CString& strText);
    void PutInt(int nID, int nValue);
    // The whole number an edit holds; FALSE while it holds none (empty, a lone sign).
    BOOL ReadInt(int nID, int& nValue) const;
    // An edit's typed number held within nLow..nHigh in place; FALSE while it holds none.
    BOOL ClampTyped(int nID, int nLow, int nHigh, int& nValue);
    void SetComboItem(int nID, int nIndex, LPCTSTR lpszText);

    // Set while the page writes its controls: their notifications are no user's edits.
    BOOL m_bWriting = FALSE;

private:
    BOOL OnScalingCommand(int nID, int nCode);
    void OnDecimalsChanged();
    // The sample of where the decimal point goes in a message text.
    void FillDecimalsCombo(int nDecimals);
    void OnGainChanged();
    void InitScaling();
    // The group's controls from m_scaling; the edit the user types in keeps its text unless
    // its value was cut.
    void ShowScaling(int nTypedID = 0);
    void ShowSensorControls();
    void LayOutForSensor();

    // The boxes become numeric boxes before their values go in; their spins keep them as buddies.
    void MakeNumberBoxes(CDataExchange* pDX);
    void AddNumberBox(CDataExchange* pDX, std::unique_ptr<CNumericEdit> pEdit, int nEditID, int nSpinID);
    void SetUpIntegerBoxes();
    // EN_CHANGE of a box without rules of its own; FALSE for any other control.
    BOOL OnIntegerBoxChanged(int nID);

    BOOL m_bHasScaling;
    std::vector<std::unique_ptr<CNumericEdit>> m_numberBoxes;
    static constexpr int kLayoutRows = 7;
    CRect m_rcRange[kLayoutRows];
    CRect m_rcParameter[kLayoutRows];
    BOOL m_bRectsKept = FALSE;
};
