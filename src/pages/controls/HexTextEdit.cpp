#include "pages/controls/HexTextEdit.h"

IMPLEMENT_DYNAMIC(CHexTextEdit, CFilterEdit)

namespace {

int HexDigitValue(TCHAR ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    return -1;
}

TCHAR Capital(TCHAR ch) { return ch >= 'a' && ch <= 'f' ? TCHAR(ch - 'a' + 'A') : ch; }

}  // namespace

CString CHexTextEdit::GetValidText() const
{
    CString strText = GetText();
    for (int i = 0; i < strText.GetLength(); ++i)
        strText.SetAt(i, Capital(strText[i]));
    return strText;
}

void CHexTextEdit::FilterChar(TCHAR ch)
{
    // Backspace and the editing keys' control characters pass as they are.
    if (ch < ' ' || HexDigitValue(ch) >= 0)
        PassChar(Capital(ch));
}

bool ParseHexDigits(const CString& strText, int nMaxDigits, int& nValue)
{
    if (strText.GetLength() > nMaxDigits)
        return false;
    int nResult = 0;
    for (int i = 0; i < strText.GetLength(); ++i) {
        const int nDigit = HexDigitValue(strText[i]);
        if (nDigit < 0)
            return false;
        nResult = nResult * 16 + nDigit;
    }
    nValue = nResult;
    return true;
}
