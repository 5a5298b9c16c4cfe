// CConstantsPar: the operand page of the connector kinds with one flat operand range (shift-
// register bits, open connectors, flags, analog flags, function keys, cursor keys): one list of
// the operands no other block of the type uses. A flag's page notes what M511 is for.
#pragma once

#include "pages/sheet/BlockPage.h"

class CStatic;
struct IoOperandKind;

class CConstantsPar : public CBlockPage {
    DECLARE_DYNAMIC(CConstantsPar)

public:
    explicit CConstantsPar(int nType);

    CString m_strNumber;
    int m_nIONumber = 0;

    // The flag note's text; empty when the page shows none.
    CString GetNoteText() const;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;

private:
    void FillNumbers();
    void ShowFlagNote();

    const IoOperandKind* m_pKind;
    // Made on demand and destroyed with the page.
    CStatic* m_pNote = nullptr;
};
