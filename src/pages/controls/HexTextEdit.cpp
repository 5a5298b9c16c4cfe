#include "pages/controls/HexTextEdit.h"

#include "platform/ui/Clipboard.h"

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

bool AllHexDigits(const CString& strText)
{
    for (int i = 0; i < strText.GetLength(); ++i) {
        if (HexDigitValue(strText[i]) < 0)
            return false;
    }
    return true;
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

LRESULT CHexTextEdit::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    CString strPaste;
    if (message != WM_PASTE || IsReadOnlyBox() || !CClipboard::GetText(strPaste))
        return CFilterEdit::DefWindowProc(message, wParam, lParam);
    int nStart = 0;
    int nEnd = 0;
    GetSelection(nStart, nEnd);
    const CString strText = GetText();
    const CString strDigits = strText.Left(nStart) + strPaste.Trim() + strText.Mid(nEnd);
    const int nSize = int(GetLimitText());
    if (strDigits.GetLength() <= nSize || !AllHexDigits(strDigits))
        return CFilterEdit::DefWindowProc(message, wParam, lParam);
    SetSel(0, -1);
    ReplaceSel(CString(TCHAR('F'), nSize), TRUE);
    return 0;
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
