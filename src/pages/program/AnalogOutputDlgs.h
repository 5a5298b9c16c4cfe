// The two dialogs of the Parameter page for the 32 analog outputs of the newer controllers
// (AQ0-AQ3 of the main unit and of each of the seven extensions): the value each output takes
// in STOP ("Fixed value", 0 to 10 V) and each output's value range type. Both edit the values
// they are given; their OK puts them there, and the Parameter page writes them on.
#pragma once

#include "document/ProgramSettings.h"
#include "pages/blocks/PageTips.h"
#include "pages/controls/NumericEdit.h"
#include "platform/ui/Dialog.h"

#include <array>
#include <memory>

class CFixedValueDlg : public CDialog {
    DECLARE_DYNAMIC(CFixedValueDlg)

public:
    explicit CFixedValueDlg(double (&values)[PROGRAM_AQ_COUNT], CWnd* pParent = nullptr);
    ~CFixedValueDlg() override;

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    double (&m_values)[PROGRAM_AQ_COUNT];
    std::array<std::unique_ptr<CNumericEdit>, PROGRAM_AQ_COUNT> m_edits;
    CPageTips m_tips;
};

class CValueRangeTypeDlg : public CDialog {
    DECLARE_DYNAMIC(CValueRangeTypeDlg)

public:
    explicit CValueRangeTypeDlg(BYTE (&types)[PROGRAM_AQ_COUNT], CWnd* pParent = nullptr);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    BYTE (&m_types)[PROGRAM_AQ_COUNT];
};
