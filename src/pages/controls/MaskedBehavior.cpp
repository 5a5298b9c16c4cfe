#include "pages/controls/MaskedBehavior.h"

#include "platform/ui/KeyState.h"

#include <algorithm>

namespace {

int IsDecimalDigit(TCHAR ch) { return ch >= '0' && ch <= '9' ? 1 : 0; }

// Backspace steps over this literal instead of clearing it.
constexpr TCHAR kTimeSeparator = ':';

}  // namespace

CMaskedBehavior::CMaskedBehavior(CFilterEdit* pEdit, const CString& strMask) : CEditBehavior(pEdit), m_strMask(strMask)
{
    m_symbols.emplace_back('#', IsDecimalDigit);
}

const CMaskSymbol* CMaskedBehavior::FindSymbol(TCHAR ch) const
{
    for (const CMaskSymbol& symbol : m_symbols) {
        if (symbol.GetSymbol() == ch)
            return &symbol;
    }
    return nullptr;
}

void CMaskedBehavior::SetMask(const CString& strMask)
{
    if (strMask == m_strMask)
        return;
    m_strMask = strMask;
    m_pEdit->Redraw();
}

CString CMaskedBehavior::GetNumericText() const
{
    const CString strText = m_pEdit->GetText();
    CString strOut;
    for (int i = 0; i < strText.GetLength(); ++i) {
        if (IsDecimalDigit(strText[i]))
            strOut += strText[i];
    }
    return strOut;
}

CString CMaskedBehavior::GetValidText() const
{
    const CString strText = m_pEdit->GetText();
    if (m_strMask.IsEmpty())
        return strText;
    CString strOut;
    int m = 0;
    for (int i = 0; i < strText.GetLength(); ++i) {
        const TCHAR ch = strText[i];
        for (;;) {
            if (m >= m_strMask.GetLength() || m_strMask[m] == 0)
                return strOut;
            const TCHAR chMask = m_strMask[m];
            if (const CMaskSymbol* pSymbol = FindSymbol(chMask)) {
                if (!pSymbol->Validate(ch))
                    return strOut;
                strOut += pSymbol->Convert(ch);
                ++m;
                break;
            }
            // A literal: the character may be the literal itself, else the literal is put in
            // and the character tried at the next position.
            strOut += chMask;
            ++m;
            if (ch == chMask)
                break;
        }
    }
    return strOut;
}

void CMaskedBehavior::OnChar(TCHAR ch)
{
    if (m_pEdit->IsReadOnlyBox())
        return;
    if (m_strMask.IsEmpty()) {
        m_pEdit->PassChar(ch);
        return;
    }
    int nStart = 0;
    int nEnd = 0;
    m_pEdit->GetSelection(nStart, nEnd);
    const CString strText = m_pEdit->GetText();
    if (ch == VK_BACK) {
        OnBackspace(nStart, strText);
        return;
    }
    if (nStart >= m_strMask.GetLength())
        return;
    if (ch < 0x20) {
        m_pEdit->PassChar(ch);
        return;
    }
    const TCHAR chMask = m_strMask[nStart];
    const CMaskSymbol* pSymbol = FindSymbol(chMask);
    if (pSymbol && pSymbol->Validate(ch) && m_pEdit->ShouldEnter(ch)) {
        Replace(nStart, OverwriteEnd(nStart, nEnd), CString(pSymbol->Convert(ch)));
        return;
    }
    if (!pSymbol && ch == chMask) {
        Replace(nStart, OverwriteEnd(nStart, nEnd), CString(ch));
        return;
    }
    // A character for the next symbol: the literals before it are typed in first.
    int nNext = nStart;
    while (nNext < m_strMask.GetLength() && !FindSymbol(m_strMask[nNext]))
        ++nNext;
    if (nNext == nStart || nNext >= m_strMask.GetLength())
        return;
    const CMaskSymbol* pNext = FindSymbol(m_strMask[nNext]);
    if (!pNext->Validate(ch))
        return;
    Replace(nStart, std::min(nNext, strText.GetLength()), m_strMask.Mid(nStart, nNext - nStart));
    m_pEdit->SetSel(nNext, nNext);
    OnChar(ch);
}

// In "##:##" Backspace sets the digit before the caret to 0 and steps left; behind the colon
// it only steps over it.
void CMaskedBehavior::OnBackspace(int nStart, const CString& strText)
{
    const int nTested = nStart >= m_strMask.GetLength() ? nStart - 2 : nStart - 1;
    if (nStart > 0 && nTested >= 0 && nTested < strText.GetLength() && strText[nTested] != kTimeSeparator) {
        m_pEdit->PassKey(VK_LEFT);
        OnChar('0');
        m_pEdit->PassKey(VK_LEFT);
    } else {
        m_pEdit->PassKey(VK_LEFT);
    }
}

void CMaskedBehavior::OnKeyDown(UINT nChar)
{
    if (nChar != VK_DELETE) {
        m_pEdit->PassKey(nChar);
        return;
    }
    int nStart = 0;
    int nEnd = 0;
    m_pEdit->GetSelection(nStart, nEnd);
    const int nLength = m_pEdit->GetWindowTextLength();
    if (nEnd == nLength || (nStart == nEnd && nStart == nLength - 1))
        m_pEdit->PassKey(VK_DELETE);
}
