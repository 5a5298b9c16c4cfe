#include "pages/controls/NumericBehavior.h"

#include "platform/core/MessageBox.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/KeyState.h"

#include <cfloat>
#include <clocale>
#include <cstdio>
#include <cstdlib>

namespace {

bool IsDigitChar(TCHAR ch) { return ch >= '0' && ch <= '9'; }

CString FormatLimit(const CNumericBehavior& behavior, double d) { return behavior.FormatDouble(d, true); }

}  // namespace

CNumericBehavior::CNumericBehavior(CFilterEdit* pEdit, int nMaxWhole, int nMaxDecimals)
    : CEditBehavior(pEdit), m_nMaxWhole(nMaxWhole < 0 ? -nMaxWhole : nMaxWhole), m_nMaxDecimals(nMaxDecimals),
      m_dMin(-DBL_MAX), m_dMax(DBL_MAX)
{
    if (nMaxWhole < 0)
        m_dwFlags |= NUM_NO_NEGATIVE;
    const std::lconv* pConv = std::localeconv();
    const TCHAR chDecimal = pConv && pConv->decimal_point && *pConv->decimal_point ? TCHAR(*pConv->decimal_point) : '.';
    const TCHAR chGroup = pConv && pConv->thousands_sep && *pConv->thousands_sep ? TCHAR(*pConv->thousands_sep) : ',';
    SetLocaleMarks('-', chDecimal, chGroup);
}

void CNumericBehavior::SetLocaleMarks(TCHAR chNegative, TCHAR chDecimal, TCHAR chGroup)
{
    m_chNegative = chNegative;
    m_chDecimal = chDecimal;
    m_chGroup = chDecimal == chGroup ? (chDecimal == ',' ? TCHAR('.') : TCHAR(',')) : chGroup;
}

// ---- the text ----

CString CNumericBehavior::GetValidText() const
{
    const CString strText = m_pEdit->GetText();
    CString strOut;
    bool bNegative = false;
    int nPoint = -1;
    int nWhole = 0;
    int nDecimals = 0;
    for (int i = 0; i < strText.GetLength(); ++i) {
        const TCHAR ch = strText[i];
        if (ch == m_chNegative && AllowsNegative()) {
            bNegative = true;
        } else if (IsDigitChar(ch)) {
            if (nPoint < 0) {
                if (nWhole < m_nMaxWhole) {
                    strOut += ch;
                    ++nWhole;
                }
            } else {
                if (nDecimals >= m_nMaxDecimals)
                    break;
                strOut += ch;
                ++nDecimals;
            }
        } else if (ch == m_chDecimal && nPoint < 0) {
            if (m_nMaxDecimals == 0)
                break;
            nPoint = strOut.GetLength();
            strOut += ch;
        }
    }
    const bool bPad = (m_dwFlags & NUM_ALWAYS_PAD_DECIMALS) ||
                      ((m_dwFlags & NUM_PAD_DECIMALS_UNLESS_ADJUSTING) && !m_bAdjusting);
    if (m_nMaxDecimals >= 1 && bPad && (!strOut.IsEmpty() || bNegative)) {
        if (strOut.IsEmpty())
            strOut = _T("0");
        if (nPoint < 0)
            strOut += m_chDecimal;
        for (; nDecimals < m_nMaxDecimals; ++nDecimals)
            strOut += '0';
    }
    if (bNegative)
        strOut.Insert(0, m_chNegative);
    return InsertSeparators(strOut);
}

CString CNumericBehavior::InsertSeparators(const CString& strText) const
{
    int nPoint = strText.Find(m_chDecimal);
    const bool bSign = !strText.IsEmpty() && strText[0] == m_chNegative;
    const int nWholeStart = bSign ? 1 : 0;
    const int nWholeEnd = nPoint < 0 ? strText.GetLength() : nPoint;
    const CString strWhole = strText.Mid(nWholeStart, nWholeEnd - nWholeStart);
    if (strWhole.IsEmpty() && nPoint < 0)
        return CString();
    CString strGrouped;
    for (int i = 0; i < strWhole.GetLength(); ++i) {
        const int nLeft = strWhole.GetLength() - i;
        if (m_nDigitsPerGroup > 0 && i > 0 && nLeft % m_nDigitsPerGroup == 0)
            strGrouped += m_chGroup;
        strGrouped += strWhole[i];
    }
    CString strOut = m_strPrefix;
    if (bSign)
        strOut += m_chNegative;
    strOut += strGrouped;
    if (nPoint >= 0)
        strOut += strText.Mid(nPoint);
    return strOut;
}

int CNumericBehavior::CountSeparators(const CString& strText) const
{
    if (m_nDigitsPerGroup <= 0)
        return 0;
    int nCount = 0;
    for (int i = m_strPrefix.GetLength(); i < strText.GetLength(); ++i) {
        if (strText[i] == m_chGroup)
            ++nCount;
    }
    return nCount;
}

CString CNumericBehavior::NormalizeText(const CString& strText, bool bPlain) const
{
    CString strOut;
    bool bNegative = false;
    bool bPoint = false;
    for (int i = 0; i < strText.GetLength(); ++i) {
        const TCHAR ch = strText[i];
        if (IsDigitChar(ch)) {
            strOut += ch;
        } else if (ch == m_chDecimal && !bPoint) {
            bPoint = true;
            strOut += bPlain ? TCHAR('.') : ch;
        } else if (ch == m_chNegative) {
            bNegative = true;
        }
    }
    if (bNegative)
        strOut.Insert(0, bPlain ? TCHAR('-') : m_chNegative);
    return strOut;
}

bool CNumericBehavior::MeansTheSame(const CString& strSet, const CString& strValid) const
{
    // The set text read plainly: its own point, grouping and prefix taken out.
    CString strPlain = strSet.Mid(strSet.Find(m_strPrefix) == 0 ? m_strPrefix.GetLength() : 0);
    strPlain.Remove(m_chGroup);
    strPlain.Replace(m_chDecimal, '.');
    strPlain.Replace(m_chNegative, '-');
    double dSet = 0;
    double dValid = 0;
    if (!AfxParseDouble(strPlain, dSet))
        return true;
    return AfxParseDouble(NormalizeText(strValid, true), dValid) && dValid == dSet;
}

CString CNumericBehavior::FormatDouble(double dValue, bool bTrim) const
{
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%f", dValue);
    CString str = CString::FromUtf8(buffer);
    // The C library may write the point of the process's locale.
    for (int i = 0; i < str.GetLength(); ++i) {
        if (str[i] == '.' || str[i] == ',')
            str.SetAt(i, m_chDecimal);
    }
    if (bTrim && str.Find(m_chDecimal) >= 0) {
        str.TrimRight('0');
        str.TrimRight(m_chDecimal);
    }
    return str;
}

double CNumericBehavior::GetDouble() const
{
    const CString strPlain = NormalizeText(m_pEdit->GetText(), true);
    // Read in the "C" way whatever the process's locale: the text is plain by now.
    double dValue = 0.0;
    std::sscanf(strPlain.ToUtf8().c_str(), "%lf", &dValue);
    return dValue;
}

int CNumericBehavior::GetInt() const { return std::atoi(NormalizeText(m_pEdit->GetText(), true).ToUtf8().c_str()); }

void CNumericBehavior::SetMaxWholeDigits(int nMaxWhole)
{
    const int nNew = nMaxWhole < 0 ? -nMaxWhole : nMaxWhole;
    const bool bChanged = nNew != m_nMaxWhole;
    m_nMaxWhole = nNew;
    if (!ModifyFlags(nMaxWhole < 0 ? NUM_NO_NEGATIVE : 0, nMaxWhole < 0 ? 0 : NUM_NO_NEGATIVE) && bChanged)
        m_pEdit->Redraw();
}

void CNumericBehavior::SetMaxDecimalPlaces(int nMaxDecimals)
{
    if (nMaxDecimals == m_nMaxDecimals)
        return;
    m_nMaxDecimals = nMaxDecimals;
    m_pEdit->Redraw();
}

void CNumericBehavior::AllowNegative(bool bAllow) { ModifyFlags(bAllow ? 0 : NUM_NO_NEGATIVE, bAllow ? NUM_NO_NEGATIVE : 0); }

void CNumericBehavior::SetRange(double dMin, double dMax)
{
    m_dMin = dMin;
    m_dMax = dMax;
    m_pEdit->Redraw();
}

void CNumericBehavior::SetDouble(double dValue, bool bTrim) { m_pEdit->SetWindowText(FormatDouble(dValue, bTrim)); }

BOOL CNumericBehavior::IsValid() const
{
    const double d = GetDouble();
    return m_dMin <= d && d <= m_dMax;
}

// ---- typing ----

void CNumericBehavior::AdjustSeparators(int nPreviousSeparators)
{
    int nStart = 0;
    int nEnd = 0;
    m_pEdit->GetSelection(nStart, nEnd);
    m_bAdjusting = true;
    const CString strValid = GetValidText();
    if (strValid != m_pEdit->GetText())
        m_pEdit->SetWindowText(strValid);
    const int nShift = CountSeparators(strValid) - nPreviousSeparators;
    if (nShift != 0 && nStart > m_strPrefix.GetLength()) {
        nStart += nShift;
        nEnd += nShift;
    }
    m_bAdjusting = false;
    m_pEdit->SetSel(nStart, nEnd);
}

void CNumericBehavior::OnChar(TCHAR ch)
{
    if (m_pEdit->IsReadOnlyBox())
        return;
    int nStart = 0;
    int nEnd = 0;
    m_pEdit->GetSelection(nStart, nEnd);
    const CString strText = m_pEdit->GetText();
    const int nPrefix = m_strPrefix.GetLength();
    const bool bPrintable = ch >= 0x20;
    if (bPrintable && nStart < nPrefix) {
        if (ch == m_strPrefix[nStart]) {
            Replace(nStart, OverwriteEnd(nStart, nEnd), CString(ch));
        } else if (IsDigitChar(ch) || ch == m_chNegative || ch == m_chDecimal) {
            // The rest of the prefix is typed over the selection first.
            Replace(nStart, std::max(nEnd, nPrefix), m_strPrefix.Mid(nStart));
            OnChar(ch);
        }
        return;
    }
    // A sign only where the box takes a negative number; elsewhere the digits after a typed
    // minus build the number they spell.
    if (ch == m_chNegative && AllowsNegative() && m_pEdit->TakesNegative()) {
        OnSign(nStart, nEnd, strText);
        return;
    }
    // A second point takes the caret to the decimals: the user typing it means to go on there.
    if (ch == m_chDecimal && m_nMaxDecimals >= 1) {
        const int nPoint = strText.Find(m_chDecimal);
        if (nPoint < 0 || (nPoint >= nStart && nPoint < nEnd)) {
            const int nSeparators = CountSeparators(strText);
            m_pEdit->PassChar(ch);
            AdjustSeparators(nSeparators);
        } else {
            m_pEdit->SetSel(nPoint + 1, nPoint + 1);
        }
        return;
    }
    if (IsDigitChar(ch)) {
        OnDigit(ch, nStart, nEnd, strText);
        return;
    }
    if (bPrintable)
        return;
    const int nSeparators = CountSeparators(strText);
    m_pEdit->PassChar(ch);
    AdjustSeparators(nSeparators);
}

// Away from the prefix the sign toggles wherever the caret is; right after it, it is typed.
void CNumericBehavior::OnSign(int nStart, int nEnd, const CString& strText)
{
    const int nPrefix = m_strPrefix.GetLength();
    const bool bHasSign = strText.GetLength() > nPrefix && strText[nPrefix] == m_chNegative;
    if (nStart != nPrefix) {
        if (!bHasSign) {
            Replace(nPrefix, nPrefix, CString(m_chNegative));
            m_pEdit->SetSel(nStart + 1, nEnd + 1);
        } else {
            Replace(nPrefix, nPrefix + 1, CString());
            m_pEdit->SetSel(nStart - 1, nEnd - 1);
        }
    } else if (bHasSign) {
        Replace(nStart, OverwriteEnd(nStart, nEnd), CString(m_chNegative));
    } else {
        m_pEdit->PassChar(m_chNegative);
    }
}

void CNumericBehavior::OnDigit(TCHAR ch, int nStart, int nEnd, const CString& strText)
{
    const int nPoint = strText.Find(m_chDecimal);
    if (nPoint >= 0 && nStart > nPoint) {
        const int nDecimals = strText.GetLength() - nPoint - 1;
        if (nDecimals < m_nMaxDecimals)
            m_pEdit->PassChar(ch);
        else if (nStart < strText.GetLength())
            Replace(nStart, OverwriteEnd(nStart, nEnd), CString(ch));
        return;
    }
    const CString strNumber = NormalizeText(strText, false);
    const int nSign = !strNumber.IsEmpty() && strNumber[0] == m_chNegative ? 1 : 0;
    const int nSeparators = CountSeparators(strText);
    if (nStart == nSign + m_nMaxWhole + nSeparators + m_strPrefix.GetLength()) {
        if ((m_dwFlags & NUM_POINT_BEFORE_EXTRA_DIGIT) && m_nMaxDecimals > 0) {
            const int nReplaceEnd = nEnd < strText.GetLength() ? std::min(nStart + 2, strText.GetLength()) : nEnd;
            Replace(nStart, nReplaceEnd, CString(m_chDecimal) + ch);
        }
        return;
    }
    int nWhole = 0;
    for (int i = 0; i < (nPoint < 0 ? strText.GetLength() : nPoint); ++i) {
        if (IsDigitChar(strText[i]))
            ++nWhole;
    }
    if (nWhole >= m_nMaxWhole) {
        // The digit overwrites the next digit: a sign or group separator at the caret stays,
        // unless the selection reaches the end and the digit replaces all of it.
        int nAt = nStart;
        while (nEnd < strText.GetLength() && nAt < strText.GetLength() && !IsDigitChar(strText[nAt]))
            ++nAt;
        if (nAt < strText.GetLength())
            Replace(nAt, OverwriteEnd(nAt, nEnd), CString(ch));
        return;
    }
    m_pEdit->PassChar(ch);
    AdjustSeparators(nSeparators);
}

void CNumericBehavior::OnKeyDown(UINT nChar)
{
    if (nChar != VK_DELETE) {
        m_pEdit->PassKey(nChar);
        return;
    }
    int nStart = 0;
    int nEnd = 0;
    m_pEdit->GetSelection(nStart, nEnd);
    const CString strText = m_pEdit->GetText();
    const int nLength = strText.GetLength();
    if (nStart < m_strPrefix.GetLength() && nLength > m_strPrefix.GetLength() && nEnd != nLength)
        return;
    if (nStart == nEnd && nStart < nLength && strText[nStart] == m_chGroup)
        m_pEdit->PassKey(VK_RIGHT);
    const int nSeparators = CountSeparators(strText);
    m_pEdit->PassKey(VK_DELETE);
    AdjustSeparators(nSeparators);
    if (nEnd == nLength)
        m_pEdit->SetSel(nStart, nStart);
}

// ---- leaving the box ----

void CNumericBehavior::OnKillFocus()
{
    CString strText = NormalizeText(m_pEdit->GetText(), false);
    if (!(m_dwFlags & NUM_STRIP_ZEROS) || strText.IsEmpty()) {
        if (!(m_dwFlags & NUM_ON_LEAVING) || (strText.IsEmpty() && (m_dwFlags & NUM_EMPTY_OK)))
            return;
    } else {
        const bool bSign = strText[0] == m_chNegative;
        if (bSign)
            strText = strText.Mid(1);
        strText.TrimLeft('0');
        if (strText.IsEmpty() || strText[0] == m_chDecimal)
            strText.Insert(0, '0');
        if (bSign)
            strText.Insert(0, m_chNegative);
    }
    if ((m_dwFlags & NUM_PAD_DECIMALS) && m_nMaxDecimals >= 1) {
        if (strText.IsEmpty() || strText == CString(m_chNegative))
            strText += '0';
        int nPoint = strText.Find(m_chDecimal);
        if (nPoint < 0) {
            nPoint = strText.GetLength();
            strText += m_chDecimal;
        }
        while (strText.GetLength() - nPoint - 1 < m_nMaxDecimals)
            strText += '0';
    }
    if ((m_dwFlags & NUM_PAD_WHOLE) && m_nMaxWhole > 0) {
        const int nSign = !strText.IsEmpty() && strText[0] == m_chNegative ? 1 : 0;
        const int nPoint = strText.Find(m_chDecimal);
        int nWhole = (nPoint < 0 ? strText.GetLength() : nPoint) - nSign;
        for (; nWhole < m_nMaxWhole; ++nWhole)
            strText.Insert(nSign, '0');
    }
    if (strText != m_pEdit->GetText()) {
        int nStart = 0;
        int nEnd = 0;
        m_pEdit->GetSelection(nStart, nEnd);
        m_pEdit->SetWindowText(strText);
        m_pEdit->SetSel(nStart, nEnd);
    }
    const bool bEmpty = m_pEdit->GetText().IsEmpty();
    if (!bEmpty && IsValid())
        return;
    const DWORD dwBeep = bEmpty ? NUM_BEEP_EMPTY : NUM_BEEP_INVALID;
    const DWORD dwClamp = bEmpty ? NUM_CLAMP_EMPTY : NUM_CLAMP_INVALID;
    const DWORD dwFocus = bEmpty ? NUM_FOCUS_EMPTY : NUM_FOCUS_INVALID;
    const DWORD dwMessage = bEmpty ? NUM_MESSAGE_EMPTY : NUM_MESSAGE_INVALID;
    if (m_dwFlags & dwBeep)
        MessageBeep(MB_ICONEXCLAMATION);
    if (m_dwFlags & dwClamp)
        ClampToRange();
    if ((m_dwFlags & dwMessage) && (m_dwFlags & dwFocus))
        ShowErrorMessage();
    if (m_dwFlags & dwFocus)
        m_pEdit->SetFocus();
}

void CNumericBehavior::ClampToRange()
{
    if (!m_pEdit->GetText().IsEmpty() && IsValid())
        return;
    if (m_pEdit->GetText().IsEmpty())
        m_pEdit->SetWindowText(_T(" "));
    else
        m_pEdit->Redraw();
    const double d = GetDouble();
    if (d < m_dMin)
        SetDouble(m_dMin, true);
    else if (d > m_dMax)
        SetDouble(m_dMax, true);
}

void CNumericBehavior::ShowErrorMessage() const
{
    const bool bMin = m_dMin != -DBL_MAX;
    const bool bMax = m_dMax != DBL_MAX;
    CString strMessage;
    if (bMin && bMax)
        strMessage = _T("Please specify a numeric value between ") + FormatLimit(*this, m_dMin) + _T(" and ") +
                     FormatLimit(*this, m_dMax) + _T(".");
    else if (bMin)
        strMessage = _T("Please specify a numeric value greater than or equal to ") + FormatLimit(*this, m_dMin) + _T(".");
    else if (bMax)
        strMessage = _T("Please specify a numeric value less than or equal to ") + FormatLimit(*this, m_dMax) + _T(".");
    else
        strMessage = _T("Please specify a valid numeric value.");
    AfxMessageBox(strMessage, MB_ICONEXCLAMATION);
}
