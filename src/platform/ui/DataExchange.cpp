#include "platform/ui/DataExchange.h"

#include "platform/core/MessageBox.h"
#include "platform/core/StringTable.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/UserException.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd)
{
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    CWnd* pControl = m_pDlgWnd ? m_pDlgWnd->GetDlgItem(nIDC) : nullptr;
    if (!pControl)
        AfxThrowUserException();
    m_hWndLastControl = pControl;
    m_bEditLastControl = FALSE;
    return pControl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND hWnd = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hWnd;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && IsWindow(m_hWndLastControl)) {
        m_hWndLastControl->SetFocus();
        if (m_bEditLastControl)
            m_hWndLastControl->SendMessage(EM_SETSEL, 0, -1);
    }
    AfxThrowUserException();
}

// ---- parsing ----

bool AfxParseInteger(const CString& strText, long long minVal, long long maxVal, long long& value)
{
    CString strTrimmed = strText;
    strTrimmed.Trim();
    int i = 0;
    const int nLength = strTrimmed.GetLength();
    const bool bNegative = nLength > 0 && strTrimmed[0] == '-';
    if (nLength > 0 && (strTrimmed[0] == '-' || strTrimmed[0] == '+'))
        i = 1;
    if (i >= nLength)
        return false;
    // Digits are added up against the limit, so that an overflowing number fails rather than
    // wrapping round into a wrong value.
    const long long nLimit = bNegative ? -minVal : maxVal;
    long long nValue = 0;
    for (; i < nLength; ++i) {
        const TCHAR ch = strTrimmed[i];
        if (ch < '0' || ch > '9')
            return false;
        nValue = nValue * 10 + (ch - '0');
        if (nValue > nLimit)
            return false;
    }
    value = bNegative ? -nValue : nValue;
    return true;
}

bool AfxParseDouble(const CString& strText, double& value)
{
    CString strTrimmed = strText;
    strTrimmed.Trim();
    if (strTrimmed.IsEmpty())
        return false;
    // Only the characters of a decimal number in the "C" form reach strtod, so the result
    // does not depend on the process locale and no hexadecimal or "inf" form slips in.
    std::string ascii;
    for (int i = 0; i < strTrimmed.GetLength(); ++i) {
        const TCHAR ch = strTrimmed[i];
        const bool bAllowed = (ch >= '0' && ch <= '9') || ch == '.' || ch == '-' || ch == '+' ||
                              ch == 'e' || ch == 'E';
        if (!bAllowed)
            return false;
        ascii.push_back(char(ch));
    }
    errno = 0;
    char* pEnd = nullptr;
    const double d = std::strtod(ascii.c_str(), &pEnd);
    if (pEnd != ascii.c_str() + ascii.size() || !std::isfinite(d) || errno == ERANGE)
        return false;
    value = d;
    return true;
}

namespace {

CString ControlText(CDataExchange* pDX, int nIDC)
{
    CString strText;
    pDX->PrepareEditCtrl(nIDC)->GetWindowText(strText);
    return strText;
}

void SetControlText(CDataExchange* pDX, int nIDC, const CString& strText)
{
    HWND hWnd = pDX->PrepareEditCtrl(nIDC);
    hWnd->SetWindowText(strText);
    if (auto* pEdit = dynamic_cast<CEdit*>(hWnd))
        pEdit->NoteGivenText();
}

// A saved value the user left as the dialog was given it: its checks let it pass, so that a
// value the control's range or limit does not take comes back unchanged from an untouched OK.
bool IsGivenValue(CDataExchange* pDX)
{
    auto* pEdit = pDX->m_bEditLastControl ? dynamic_cast<CEdit*>(pDX->m_hWndLastControl) : nullptr;
    return pEdit && IsWindow(pEdit) && pEdit->ShowsGivenText();
}

// The prompt of a failed exchange, then Fail.
[[noreturn]] void FailWith(CDataExchange* pDX, UINT nIDPrompt)
{
    AfxMessageBox(nIDPrompt);
    pDX->Fail();
}

template <class T>
void ExchangeInteger(CDataExchange* pDX, int nIDC, T& value, UINT nIDPrompt)
{
    using Limits = std::numeric_limits<T>;
    if (pDX->m_bSaveAndValidate) {
        long long nValue = 0;
        if (!AfxParseInteger(ControlText(pDX, nIDC), (long long)(Limits::min()),
                             (long long)(Limits::max()), nValue))
            FailWith(pDX, nIDPrompt);
        value = T(nValue);
    } else {
        CString strText;
        if constexpr (Limits::is_signed)
            strText.Format(_T("%lld"), (long long)(value));
        else
            strText.Format(_T("%llu"), (unsigned long long)(value));
        SetControlText(pDX, nIDC, strText);
    }
}

CString NumberText(long long n)
{
    CString strText;
    strText.Format(_T("%lld"), n);
    return strText;
}

CString NumberText(double d)
{
    CString strText;
    strText.Format(_T("%.15g"), d);
    return strText;
}

// The double as a box shows it: 15 significant digits, never in the exponent form, which a box
// that takes only digits, a sign and a point would read as another number (1e-05 as -105).
CString ShownNumberText(double d)
{
    CString strText = NumberText(d);
    if (strText.Find('e') < 0)
        return strText;
    const int nExponent = int(std::floor(std::log10(std::fabs(d))));
    strText.Format(_T("%.*f"), std::max(0, 14 - nExponent), d);
    if (strText.Find('.') >= 0) {
        strText.TrimRight('0');
        strText.TrimRight('.');
    }
    return strText;
}

// The range prompt with the limits in it, then Fail; only when saving, as a loaded value is the
// program's own.
template <class T>
void CheckRange(CDataExchange* pDX, T value, T minVal, T maxVal, UINT nIDPrompt, bool bEvenGiven = false)
{
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal) || (!bEvenGiven && IsGivenValue(pDX)))
        return;
    CString strPrompt;
    if constexpr (std::is_floating_point_v<T>)
        AfxFormatString2(strPrompt, nIDPrompt, NumberText(double(minVal)),
                         NumberText(double(maxVal)));
    else
        AfxFormatString2(strPrompt, nIDPrompt, NumberText((long long)(minVal)),
                         NumberText((long long)(maxVal)));
    AfxMessageBox(strPrompt, MB_ICONEXCLAMATION, nIDPrompt);
    pDX->Fail();
}

}  // namespace

void DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    ExchangeInteger(pDX, nIDC, value, AFX_IDP_PARSE_INT);
}

void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value)
{
    ExchangeInteger(pDX, nIDC, value, AFX_IDP_PARSE_UINT);
}

void DDX_Text(CDataExchange* pDX, int nIDC, long& value)
{
    // LONG semantics: 32 bits whatever the platform's long.
    int nValue = int(value);
    ExchangeInteger(pDX, nIDC, nValue, AFX_IDP_PARSE_INT);
    value = nValue;
}

void DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value)
{
    ExchangeInteger(pDX, nIDC, value, AFX_IDP_PARSE_BYTE);
}

void DDX_Text(CDataExchange* pDX, int nIDC, double& value)
{
    if (pDX->m_bSaveAndValidate) {
        if (!AfxParseDouble(ControlText(pDX, nIDC), value))
            FailWith(pDX, AFX_IDP_PARSE_REAL);
    } else {
        SetControlText(pDX, nIDC, ShownNumberText(value));
    }
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    if (pDX->m_bSaveAndValidate)
        value = ControlText(pDX, nIDC);
    else
        SetControlText(pDX, nIDC, value);
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = int(hWnd->SendMessage(BM_GETCHECK));
    else
        hWnd->SendMessage(BM_SETCHECK, WPARAM(value));
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndFirst = pDX->PrepareCtrl(nIDC);
    // A stored index no button of the group offers (from a file, an upload or a controller)
    // checks none; saving then leaves the member as it was, so that an untouched OK keeps it.
    int nChecked = -1;
    int nIndex = 0;
    for (CWnd* pWnd = hWndFirst; pWnd; pWnd = pWnd->GetWindow(GW_HWNDNEXT)) {
        if (pWnd != hWndFirst && (pWnd->GetStyle() & WS_GROUP))
            break;
        if (!(pWnd->SendMessage(WM_GETDLGCODE) & DLGC_RADIOBUTTON))
            continue;
        if (pDX->m_bSaveAndValidate) {
            if (pWnd->SendMessage(BM_GETCHECK) != BST_UNCHECKED)
                nChecked = nIndex;
        } else {
            pWnd->SendMessage(BM_SETCHECK, nIndex == value ? BST_CHECKED : BST_UNCHECKED);
        }
        ++nIndex;
    }
    if (pDX->m_bSaveAndValidate && nChecked >= 0)
        value = nChecked;
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = int(hWnd->SendMessage(CB_GETCURSEL));
    else
        hWnd->SendMessage(CB_SETCURSEL, WPARAM(index));
}

void ExchangeChoice(CDataExchange* pDX, int nIDC, int& index)
{
    int nChoice = index;
    DDX_CBIndex(pDX, nIDC, nChoice);
    if (nChoice >= 0)
        index = nChoice;
}

void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    const bool bList = (hWnd->GetStyle() & 0x3) == CBS_DROPDOWNLIST;
    if (pDX->m_bSaveAndValidate) {
        if (bList) {
            auto* pCombo = dynamic_cast<CComboBox*>(hWnd);
            const int nSel = int(hWnd->SendMessage(CB_GETCURSEL));
            value.Empty();
            if (pCombo && nSel != CB_ERR)
                pCombo->GetLBText(nSel, value);
        } else {
            hWnd->GetWindowText(value);
        }
    } else if (hWnd->SendMessage(CB_SELECTSTRING, WPARAM(-1),
                                 reinterpret_cast<LPARAM>(value.GetString())) == CB_ERR &&
               !bList) {
        hWnd->SetWindowText(value);
    }
}

void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = int(hWnd->SendMessage(LB_GETCURSEL));
    else
        hWnd->SendMessage(LB_SETCURSEL, WPARAM(index));
}

void DDX_LBString(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        value.Empty();
        const int nSel = int(hWnd->SendMessage(LB_GETCURSEL));
        if (auto* pList = dynamic_cast<CListBox*>(hWnd); pList && nSel != LB_ERR)
            pList->GetText(nSel, value);
    } else if (hWnd->SendMessage(LB_SELECTSTRING, WPARAM(-1),
                                 reinterpret_cast<LPARAM>(value.GetString())) == LB_ERR) {
        hWnd->SendMessage(LB_SETCURSEL, WPARAM(-1));
    }
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.GetSafeHwnd())
        return;
    pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassDlgItem(UINT(nIDC), pDX->m_pDlgWnd))
        AfxThrowUserException();
    pDX->m_hWndLastControl = &rControl;
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal)
{
    CheckRange(pDX, value, minVal, maxVal, AFX_IDP_PARSE_INT_RANGE);
}

void DDV_MinMaxIntSent(CDataExchange* pDX, int value, int minVal, int maxVal)
{
    CheckRange(pDX, value, minVal, maxVal, AFX_IDP_PARSE_INT_RANGE, true);
}

void DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal)
{
    CheckRange(pDX, value, minVal, maxVal, AFX_IDP_PARSE_INT_RANGE);
}

void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal)
{
    CheckRange(pDX, value, minVal, maxVal, AFX_IDP_PARSE_INT_RANGE);
}

void DDV_MinMaxByte(CDataExchange* pDX, BYTE value, BYTE minVal, BYTE maxVal)
{
    CheckRange(pDX, value, minVal, maxVal, AFX_IDP_PARSE_INT_RANGE);
}

void DDV_MinMaxDouble(CDataExchange* pDX, const double& value, double minVal, double maxVal)
{
    CheckRange(pDX, value, minVal, maxVal, AFX_IDP_PARSE_REAL_RANGE);
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars)
{
    if (!pDX->m_bSaveAndValidate) {
        if (IsWindow(pDX->m_hWndLastControl) && pDX->m_bEditLastControl)
            pDX->m_hWndLastControl->SendMessage(EM_LIMITTEXT, WPARAM(nChars));
        return;
    }
    if (value.GetLength() <= nChars || IsGivenValue(pDX))
        return;
    CString strPrompt;
    AfxFormatString1(strPrompt, AFX_IDP_PARSE_STRING_SIZE, NumberText((long long)(nChars)));
    AfxMessageBox(strPrompt, MB_ICONEXCLAMATION, AFX_IDP_PARSE_STRING_SIZE);
    pDX->Fail();
}
