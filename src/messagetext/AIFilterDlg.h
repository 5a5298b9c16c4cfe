// CAIFilterDlg ("AI filter"): the analog input (mode 0) or analog flag (mode 1) whose filtered
// value a message text shows, or the interface language of the next start (mode 2), from one
// drop-down list.
#pragma once

#include "platform/ui/Dialog.h"

class CVetlaDoc;

constexpr int AIFILTER_MODE_AI = 0;
constexpr int AIFILTER_MODE_AM = 1;
constexpr int AIFILTER_MODE_LANGUAGE = 2;

// The entry of an analog input (4000-4127) and of an analog flag (4288-4799), and back; -1 for
// a text that names neither.
CString AnalogInputEntry(int nNumber);
CString AnalogFlagEntry(int nNumber);
int AnalogInputNumber(const CString& strEntry);
int AnalogFlagNumber(const CString& strEntry);
// Whether the document holds an analog input (flag): a block in a diagram, an operand in a
// ladder program.
bool HasAnalogInput(const CVetlaDoc* pDoc, int nMode);

class CAIFilterDlg : public CDialog {
    DECLARE_DYNAMIC(CAIFilterDlg)

public:
    explicit CAIFilterDlg(CVetlaDoc* pDoc, CWnd* pParent = nullptr);

    int m_nSelNumber = -1;
    int m_nMode = AIFILTER_MODE_AI;
    // The language mode's choice, in (the language now chosen) and out: 0 English, 1 Chinese.
    int m_nLanguageChoice = 0;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    void FillAnalogEntries();
    void FillLanguages();

    CVetlaDoc* m_pDoc;
};
