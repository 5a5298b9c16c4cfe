// CNumericBehavior: what a numeric box may hold: at most so many whole digits and decimals, a
// sign when negatives are allowed, the locale's decimal point, optional digit groups and
// prefix, and a range checked when the box is left (beep, clamp, focus back, message, as the
// flags ask).
#pragma once

#include "pages/controls/FilterEdit.h"

// Flags of the numeric behaviour.
constexpr DWORD NUM_BEEP_INVALID = 0x0001;
constexpr DWORD NUM_BEEP_EMPTY = 0x0002;
constexpr DWORD NUM_CLAMP_INVALID = 0x0004;
constexpr DWORD NUM_CLAMP_EMPTY = 0x0008;
constexpr DWORD NUM_FOCUS_INVALID = 0x0010;
constexpr DWORD NUM_FOCUS_EMPTY = 0x0020;
constexpr DWORD NUM_MESSAGE_INVALID = 0x0040;
constexpr DWORD NUM_MESSAGE_EMPTY = 0x0080;
constexpr DWORD NUM_PAD_WHOLE = 0x0100;
constexpr DWORD NUM_PAD_DECIMALS = 0x0200;
constexpr DWORD NUM_EMPTY_OK = 0x0400;
constexpr DWORD NUM_STRIP_ZEROS = 0x0800;
constexpr DWORD NUM_NO_NEGATIVE = 0x1000;
constexpr DWORD NUM_POINT_BEFORE_EXTRA_DIGIT = 0x2000;
constexpr DWORD NUM_ALWAYS_PAD_DECIMALS = 0x4000;
constexpr DWORD NUM_PAD_DECIMALS_UNLESS_ADJUSTING = 0x8000;
// The leave-the-box bits.
constexpr DWORD NUM_ON_LEAVING = 0x0FFF;

class CNumericBehavior : public CEditBehavior {
public:
    // A negative nMaxWhole forbids negatives.
    CNumericBehavior(CFilterEdit* pEdit, int nMaxWhole, int nMaxDecimals);

    CString GetValidText() const override;
    void OnChar(TCHAR ch) override;
    void OnKeyDown(UINT nChar) override;
    void OnKillFocus() override;

    void SetMaxWholeDigits(int nMaxWhole);
    void SetMaxDecimalPlaces(int nMaxDecimals);
    void AllowNegative(bool bAllow = true);
    void SetRange(double dMin, double dMax);
    void SetDouble(double dValue, bool bTrim = true);
    double GetDouble() const;
    int GetInt() const;
    // The sign, the decimal point and the group separator the box works with (the user's
    // locale's by default); a group separator equal to the point is exchanged.
    void SetLocaleMarks(TCHAR chNegative, TCHAR chDecimal, TCHAR chGroup);
    void SetGrouping(int nDigitsPerGroup) { m_nDigitsPerGroup = nDigitsPerGroup; }
    void SetPrefix(const CString& strPrefix) { m_strPrefix = strPrefix; }

    // The value's digits, its first decimal point ('.' when plain) and one sign in front
    // ('-' when plain) when it had one anywhere.
    CString NormalizeText(const CString& strText, bool bPlain) const;
    // Whether the valid form of a set text holds the same number; a text that is no number
    // counts as meaning the same, so that it is cut as before.
    bool MeansTheSame(const CString& strSet, const CString& strValid) const;
    // "%lf" with the box's decimal point, trailing zeros and point cut when trimmed.
    CString FormatDouble(double dValue, bool bTrim) const;
    BOOL IsValid() const;
    void ShowErrorMessage() const;

private:
    bool AllowsNegative() const { return !(m_dwFlags & NUM_NO_NEGATIVE); }
    CString InsertSeparators(const CString& strText) const;
    int CountSeparators(const CString& strText) const;
    void AdjustSeparators(int nPreviousSeparators);
    void ClampToRange();
    void OnSign(int nStart, int nEnd, const CString& strText);
    void OnDigit(TCHAR ch, int nStart, int nEnd, const CString& strText);

    int m_nMaxWhole;
    int m_nMaxDecimals;
    TCHAR m_chNegative = '-';
    TCHAR m_chDecimal = '.';
    TCHAR m_chGroup = ',';
    int m_nDigitsPerGroup = 0;
    CString m_strPrefix;
    double m_dMin;
    double m_dMax;
    bool m_bAdjusting = false;
};
