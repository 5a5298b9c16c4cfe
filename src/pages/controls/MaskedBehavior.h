// CMaskedBehavior: text fitted to a character mask such as "##:##": a symbol position takes a
// character its symbol accepts, a literal position its own character; typing overwrites, a
// character for a later symbol types the literals up to it first, and Backspace clears the digit
// before the caret to 0 and steps over literals.
#pragma once

#include "pages/controls/FilterEdit.h"

#include <vector>

class CMaskSymbol {
public:
    using Validator = int (*)(TCHAR ch);
    using Converter = TCHAR (*)(TCHAR ch);

    CMaskSymbol(TCHAR chSymbol, Validator pfnValidate, Converter pfnConvert = nullptr)
        : m_chSymbol(chSymbol), m_pfnValidate(pfnValidate), m_pfnConvert(pfnConvert)
    {
    }
    virtual ~CMaskSymbol() = default;

    TCHAR GetSymbol() const { return m_chSymbol; }
    // No validator accepts any character.
    virtual bool Validate(TCHAR ch) const { return !m_pfnValidate || m_pfnValidate(ch) > 0; }
    virtual TCHAR Convert(TCHAR ch) const { return m_pfnConvert ? m_pfnConvert(ch) : ch; }

private:
    TCHAR m_chSymbol;
    Validator m_pfnValidate;
    Converter m_pfnConvert;
};

class CMaskedBehavior : public CEditBehavior {
public:
    // The mask with the one symbol '#', a decimal digit.
    CMaskedBehavior(CFilterEdit* pEdit, const CString& strMask);

    CString GetValidText() const override;
    void OnChar(TCHAR ch) override;
    void OnKeyDown(UINT nChar) override;

    void SetMask(const CString& strMask);
    const CString& GetMask() const { return m_strMask; }
    void AddSymbol(const CMaskSymbol& symbol) { m_symbols.push_back(symbol); }
    // The window text's digits alone.
    CString GetNumericText() const;

private:
    const CMaskSymbol* FindSymbol(TCHAR ch) const;
    void OnBackspace(int nStart, const CString& strText);

    CString m_strMask;
    std::vector<CMaskSymbol> m_symbols;
};
