// CFilterEdit and CEditBehavior: the two halves of the numeric and masked edit boxes. The edit
// half owns the window and routes its messages; the behaviour half decides what the text may
// be. Typed characters and keys go to the behaviour, and so do a cut's and a clear's deletion;
// text that is pasted or set by the program is cut to the behaviour's valid form, so that the
// box only ever takes a well-formed value, except a value the program set that the valid form
// would change: that one is shown as it is, so that an untouched OK gives it back.
#pragma once

#include "platform/ui/Edit.h"

class CFilterEdit : public CEdit {
    DECLARE_DYNAMIC(CFilterEdit)

public:
    CString GetText() const;
    void SetText(const CString& strText) { SetWindowText(strText); }
    // The window text replaced by its valid form where they differ.
    virtual void Redraw();
    // The text the box may hold for its current window text; the base keeps it.
    virtual CString GetValidText() const { return GetText(); }
    // Whether the valid form of a text the program set means what the text did; where it would
    // not (a stored value with more digits than the box takes), the box shows the text as set.
    virtual bool MeansTheSame(const CString& /*strSet*/, const CString& /*strValid*/) const { return true; }
    // A hook through which a box may refuse a character; none does.
    virtual bool ShouldEnter(TCHAR) const { return true; }

    // The edit's own handling of a character or key, past the behaviour.
    void PassChar(TCHAR ch);
    void PassKey(UINT nChar);
    // The selection, start before end.
    void GetSelection(int& nStart, int& nEnd) const;
    BOOL IsReadOnlyBox() const { return (GetStyle() & ES_READONLY) != 0; }

protected:
    // What the behaviour does with a typed character, a key and the loss of the focus; the
    // base passes them on.
    virtual void FilterChar(TCHAR ch) { PassChar(ch); }
    virtual void FilterKeyDown(UINT nChar) { PassKey(nChar); }
    virtual void FilterKillFocus() {}
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class CEditBehavior {
public:
    explicit CEditBehavior(CFilterEdit* pEdit) : m_pEdit(pEdit) {}
    virtual ~CEditBehavior() = default;
    CEditBehavior(const CEditBehavior&) = delete;
    CEditBehavior& operator=(const CEditBehavior&) = delete;

    virtual CString GetValidText() const = 0;
    virtual void OnChar(TCHAR ch) = 0;
    virtual void OnKeyDown(UINT nChar) { m_pEdit->PassKey(nChar); }
    virtual void OnKillFocus() {}

    DWORD GetFlags() const { return m_dwFlags; }
    // flags := (flags & ~dwRemove) | dwAdd; TRUE (after a redraw) when that changed them.
    BOOL ModifyFlags(DWORD dwAdd, DWORD dwRemove);

protected:
    // Selects [nStart, nEnd) and replaces it, undoably, with the text.
    void Replace(int nStart, int nEnd, const CString& strText);
    // Typing overwrites one character unless the selection reaches the end of the text.
    int OverwriteEnd(int nStart, int nEnd) const;

    CFilterEdit* m_pEdit;
    DWORD m_dwFlags = 0;
};

// A plain edit that its page holds to whole numbers from nMin up takes no decimal point, and
// digits only when nMin is not below zero, so that a typed minus cannot make another number of
// the digits after it; the numeric and masked boxes keep their own rules.
void HoldPlainEditToRange(CWnd* pControl, int nMin);
