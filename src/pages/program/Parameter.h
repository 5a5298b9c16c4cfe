// CParameter: the "Parameter" page of the program Properties sheet: redundancy and its
// synchronizing time, the program name and password, and on the newer controllers the
// behaviour of the analog outputs in STOP (with its two dialogs) and the value ranges of AI0
// and AI1. The password travels through m_strCurrentPassword: loaded with the stored password,
// it holds after OK the password to store.
#pragma once

#include "document/ProgramSettings.h"
#include "pages/program/ProgramPage.h"

constexpr LPCTSTR PARAMETER_PASSWORD_LETTERS = _T("Every character of the password must be A - Z");
constexpr LPCTSTR PARAMETER_NAME_CHARACTERS = _T("Every character of the password must be A - Z, 0 - 9");
constexpr LPCTSTR PARAMETER_OLD_PASSWORD_WRONG = _T("The old password is wrong!");
constexpr LPCTSTR PARAMETER_PASSWORDS_DIFFER = _T("The new passwords are not identical!");

class CParameter : public CProgramPage {
    DECLARE_DYNAMIC(CParameter)

public:
    CParameter();

    int m_nRedundancy = 0;
    int m_nSyncTime = 5000;
    CString m_strCurrentPassword;
    CString m_strProgramName;
    CString m_strNewPassword;
    CString m_strRepeatPassword;
    int m_nAiRangeType[2] = {};
    // The password the program has now, which the current-password box must match.
    CString m_strStoredPassword;
    // The analog outputs' STOP behaviour of the sheet's copy of the settings; the two dialogs'
    // values are written into the document as well when they are confirmed.
    int m_bKeepAqValues = 1;
    double m_dAqFixedValue[PROGRAM_AQ_COUNT] = {};
    BYTE m_byAqRangeType[PROGRAM_AQ_COUNT] = {};

    void OnOK() override;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void ShowAnalogControls(bool bShow);
    void InitPasswordEdits();
    // Cuts the box's text before its first character outside lpszAllowed and says why.
    void KeepAllowedCharacters(int nID, LPCTSTR lpszAllowed, LPCTSTR lpszMessage);
    // A wrong current password or differing new ones refuse the exchange.
    void ValidatePasswords(CDataExchange* pDX);
    void OnKeepLastValues();
    void OnFixedValue();
    void OnValueRangeType();
    void WriteAnalogOutputs();
};
