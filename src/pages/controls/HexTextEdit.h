// CHexTextEdit: an edit for a few hexadecimal digits (a mask, a data word, a frame character).
// Typed digits pass, small letters a-f as capitals, and every other character is swallowed.
// Pasted text keeps its characters, small letters as capitals, so that what is no digit shows
// and is refused when the page is confirmed (ParseHexDigits) rather than read as a wrong value;
// digits past the box's size give its largest value (FFFF, FF), not the paste's first digits.
#pragma once

#include "pages/controls/FilterEdit.h"

class CHexTextEdit : public CFilterEdit {
    DECLARE_DYNAMIC(CHexTextEdit)

public:
    CString GetValidText() const override;

protected:
    void FilterChar(TCHAR ch) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// The value of up to nMaxDigits hexadecimal digits of either case; an empty text is 0. FALSE
// for any other character or too many digits.
bool ParseHexDigits(const CString& strText, int nMaxDigits, int& nValue);
