// Dialog data exchange: a dialog's DoDataExchange lists its members with the controls that show
// them (DDX_) and the checks they must pass (DDV_). With m_bSaveAndValidate FALSE the members go
// into the controls; with TRUE the controls are read back and checked. A value that cannot be
// read or fails its check shows the class library's standard prompt (string ids AFX_IDP_PARSE_*)
// through the message-box sink, puts the focus back on that control (selecting an edit's text)
// and throws, so that UpdateData returns FALSE and no later member is touched.
#pragma once

#include "platform/core/String.h"
#include "platform/ui/Wnd.h"

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;

    // The control nIDC of the dialog, remembered as the one a later DDV_ or Fail concerns. A
    // missing control is a fault of the program's templates: it throws as a failure does.
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    // Focus back on the last prepared control (its text selected when it is an edit), then
    // throws a CUserException; shows nothing itself.
    [[noreturn]] void Fail();

    HWND m_hWndLastControl = nullptr;
    BOOL m_bEditLastControl = FALSE;
};

void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
// UINT is also DWORD.
void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
void DDX_Text(CDataExchange* pDX, int nIDC, long& value);
void DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value);
void DDX_Text(CDataExchange* pDX, int nIDC, double& value);
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
// 0 unchecked, 1 checked, 2 indeterminate.
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// nIDC is the first radio button of a group; value is the index of the checked one. With none
// checked (a stored index no button offers) saving leaves value as it was.
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
// DDX_CBIndex, except that a list with nothing selected (a stored index beyond its items, from
// a file, an upload or a controller) leaves the member as it was rather than storing -1, so
// that an untouched OK changes nothing.
void ExchangeChoice(CDataExchange* pDX, int nIDC, int& index);
// Loading selects the first item that begins with the value (a combo with an edit field shows
// the value itself when none does); saving reads the selected item's (or the field's) text.
void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value);
void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index);
void DDX_LBString(CDataExchange* pDX, int nIDC, CString& value);
// The member control takes over the dialog's control nIDC the first time (SubclassDlgItem).
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
// The range of a value sent to a controller, whose wire takes no other: checked even where the
// box still shows the value as given, which the other checks let pass.
void DDV_MinMaxIntSent(CDataExchange* pDX, int value, int minVal, int maxVal);
void DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal);
void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal);
void DDV_MinMaxByte(CDataExchange* pDX, BYTE value, BYTE minVal, BYTE maxVal);
void DDV_MinMaxDouble(CDataExchange* pDX, const double& value, double minVal, double maxVal);
// Saving checks the length; loading limits the last edit control to nChars.
void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars);

// The number parsers of DDX_Text: the whole text (spaces around it allowed) must be the number.
bool AfxParseInteger(const CString& strText, long long minVal, long long maxVal, long long& value);
bool AfxParseDouble(const CString& strText, double& value);
