#include "pages/controls/HexEdit.h"

IMPLEMENT_DYNAMIC(CHexEdit, CMaskedEdit)

namespace {

constexpr TCHAR kHexSymbol = 'H';

int IsHexDigit(TCHAR ch)
{
    return (ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'F') || (ch >= 'a' && ch <= 'f') ? 1 : 0;
}

TCHAR ToUpperHex(TCHAR ch) { return ch >= 'a' && ch <= 'f' ? TCHAR(ch - 'a' + 'A') : ch; }

}  // namespace

CHexEdit::CHexEdit() : CMaskedEdit(_T("HHHH")) { AddSymbol(CMaskSymbol(kHexSymbol, IsHexDigit, ToUpperHex)); }
