// CConstantsIOPar: the operand page of inputs, outputs, analog inputs and analog outputs, whose
// operands lie on I/O units: a unit ("Main", "Ext.1" ..) and a number within it, each chosen
// from a list that leaves out what other blocks of the type use. Inputs also have the
// "High Speed" attribute, which only the first four inputs of the main unit offer.
#pragma once

#include "pages/sheet/BlockPage.h"

#include <vector>

class CComboBox;
struct IoOperandKind;
enum class IoUsage;

class CConstantsIOPar : public CBlockPage {
    DECLARE_DYNAMIC(CConstantsIOPar)

public:
    explicit CConstantsIOPar(int nType);

    CString m_strUnit = _T("Main");
    CString m_strNumber;
    int m_bHighSpeed = 0;
    // The operand index: unit x operands per unit + number within the unit.
    int m_nIONumber = 0;

    // m_nIONumber from the chosen unit and number; kept when the choice names no operand.
    void UpdateIONumber();
    const IoOperandKind& GetKind() const { return *m_pKind; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;

private:
    void BuildUsage();
    void FillUnits();
    // The numbers of the unit that no other block uses; the own one selected, else strSelect.
    void FillNumbers(int nUnit, const CString& strSelect);
    void OnUnitChange();
    void UpdateHighSpeed();
    // The operand the two lists name now, or -1.
    int SelectedOperand() const;
    CString SelectedText(int nID) const;
    CComboBox* Combo(int nID) const;
    BOOL IsNewGeneration() const;

    const IoOperandKind* m_pKind;
    std::vector<IoUsage> m_usage;
};
