// CEdit: the edit control. Its text, limit, selection, modified flag and read-only state live in
// the object. Every change of the text, the program's (SetWindowText, ReplaceSel) as well as the
// user's, sends EN_UPDATE and then EN_CHANGE to the parent, as the window system's edit does.
// A text the parent sets while it hears of an edit (typing, a paste, ReplaceSel), such as a value
// held to its bounds, leaves the caret behind it, or is selected where the edit emptied the box:
// at the start, the next digits typed would make another number of it.
#pragma once

#include "platform/ui/ControlWnd.h"

constexpr DWORD ES_LEFT = 0x0000;
constexpr DWORD ES_CENTER = 0x0001;
constexpr DWORD ES_RIGHT = 0x0002;
constexpr DWORD ES_MULTILINE = 0x0004;
constexpr DWORD ES_UPPERCASE = 0x0008;
constexpr DWORD ES_LOWERCASE = 0x0010;
constexpr DWORD ES_PASSWORD = 0x0020;
constexpr DWORD ES_AUTOVSCROLL = 0x0040;
constexpr DWORD ES_AUTOHSCROLL = 0x0080;
constexpr DWORD ES_NOHIDESEL = 0x0100;
constexpr DWORD ES_READONLY = 0x0800;
constexpr DWORD ES_WANTRETURN = 0x1000;
constexpr DWORD ES_NUMBER = 0x2000;

constexpr UINT EM_GETSEL = 0x00B0;
constexpr UINT EM_SETSEL = 0x00B1;
constexpr UINT EM_LINESCROLL = 0x00B6;
constexpr UINT EM_SCROLLCARET = 0x00B7;
constexpr UINT EM_GETMODIFY = 0x00B8;
constexpr UINT EM_SETMODIFY = 0x00B9;
constexpr UINT EM_GETLINECOUNT = 0x00BA;
constexpr UINT EM_REPLACESEL = 0x00C2;
constexpr UINT EM_LIMITTEXT = 0x00C5;
constexpr UINT EM_CANUNDO = 0x00C6;
constexpr UINT EM_UNDO = 0x00C7;
constexpr UINT EM_EMPTYUNDOBUFFER = 0x00CD;
constexpr UINT EM_SETLIMITTEXT = EM_LIMITTEXT;
constexpr UINT EM_GETFIRSTVISIBLELINE = 0x00CE;
constexpr UINT EM_SETREADONLY = 0x00CF;
constexpr UINT EM_GETLIMITTEXT = 0x00D5;

class CEdit : public CControlWnd {
    DECLARE_DYNAMIC(CEdit)

public:
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // 0 restores the default limit (0x7FFFFFFE units).
    void SetLimitText(UINT nMax) { SendMessage(EM_LIMITTEXT, nMax); }
    void LimitText(int nChars = 0) { SetLimitText(UINT(nChars)); }
    UINT GetLimitText() const { return UINT(Send(EM_GETLIMITTEXT)); }
    void GetSel(int& nStartChar, int& nEndChar) const;
    DWORD GetSel() const { return DWORD(Send(EM_GETSEL)); }
    // nStartChar -1 removes the selection; nEndChar -1 means the end of the text.
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
    void SetSel(DWORD dwSelection, BOOL bNoScroll = FALSE);
    void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE);
    int GetLineCount() const { return int(Send(EM_GETLINECOUNT)); }
    BOOL LineScroll(int nLines, int nChars = 0);
    int GetFirstVisibleLine() const { return int(Send(EM_GETFIRSTVISIBLELINE)); }
    BOOL SetReadOnly(BOOL bReadOnly = TRUE) { return BOOL(SendMessage(EM_SETREADONLY, bReadOnly)); }
    BOOL GetModify() const { return BOOL(Send(EM_GETMODIFY)); }
    void SetModify(BOOL bModified = TRUE) { SendMessage(EM_SETMODIFY, bModified); }
    void Clear() { SendMessage(WM_CLEAR); }
    void Copy() { SendMessage(WM_COPY); }
    void Cut() { SendMessage(WM_CUT); }
    void Paste() { SendMessage(WM_PASTE); }
    // One step back: the text and selection before the last change (a run of typed characters
    // counts as one); undoing again takes the change back. Setting the text empties it.
    BOOL Undo() { return BOOL(SendMessage(EM_UNDO)); }
    BOOL CanUndo() const { return BOOL(Send(EM_CANUNDO)); }
    void EmptyUndoBuffer() { SendMessage(EM_EMPTYUNDOBUFFER); }

    // A number box (digits only, or an up-down control's buddy) holds a number: a typed
    // character never makes its number malformed, it takes a sign only where the up-down
    // control's range reaches below zero, and a number pasted past what the box holds becomes
    // the largest number it holds, which the box's bound then takes over as when typed.
    bool IsNumberBox() const;
    bool TakesNegative() const;
    // A number box that holds so many decimals refuses a further digit typed after its point,
    // which the page would round away.
    void LimitDecimals(int nPlaces) { m_nMaxDecimals = nPlaces; }

    // The text a dialog put into the box from the value it edits. While the box still shows it,
    // the value is the one the dialog was given (from a file, an upload or a controller), which
    // its checks at OK let pass as it came, even where the box's range or limit would not.
    void NoteGivenText()
    {
        m_strGiven = Text();
        m_bGiven = true;
    }
    bool ShowsGivenText() const { return m_bGiven && Text() == m_strGiven; }

    // The user's edit in the native view: the whole new text and the caret after it. Read-only
    // controls refuse it; the limit cuts what it adds; the parent hears EN_UPDATE and EN_CHANGE.
    void UserEdit(const CString& strText, int nCaret);

protected:
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void CopyStateFrom(CWnd& other) override;
    // Shift+Delete, Ctrl+Insert and Shift+Insert as cut, copy and paste; FALSE for any other key.
    bool EditingKey(UINT nChar);
    // A key that moves the caret or deletes, whatever Shift says of the clipboard: Shift+Delete
    // is a plain Delete here, so that a cut may delete through it.
    void CaretOrDeleteKey(UINT nChar);

private:
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return const_cast<CEdit*>(this)->SendMessage(message, wParam, lParam);
    }
    CString Text() const;
    // Replaces the selection by the text as far as the limit lets it; the caret follows it.
    void ReplaceSelection(CString strInsert, bool bByUser);
    void ChangeText(const CString& strText, int nCaret);
    void TypeChar(TCHAR ch);
    // FALSE when the typed character would make a number box's number malformed.
    bool KeepsNumber(TCHAR ch) const;
    // The decimals a number box holds; -1 for any.
    int MaxDecimals() const;
    // TRUE when the paste would make a number box's number longer than the box holds (or than
    // nine digits), or give it more decimals than it holds; strOut is then the text to replace
    // the whole text: the largest number it holds, or the number cut to its decimals as the limit
    // cuts a paste, so that the box shows no digit its page would round away.
    bool PastesPastNumber(const CString& strPaste, CString& strOut) const;
    void KeyDown(UINT nChar);
    // Ctrl+A, Ctrl+C, Ctrl+V, Ctrl+X and Ctrl+Z as their characters; FALSE for any other.
    bool EditingChar(TCHAR ch);
    void KeepUndoState();
    BOOL UndoLastChange();
    bool IsReadOnly() const { return (GetStyle() & ES_READONLY) != 0; }

    UINT m_nLimit = 0x7FFFFFFE;
    int m_nMaxDecimals = -1;   // any
    int m_nSelStart = 0;
    int m_nSelEnd = 0;
    int m_nFirstLine = 0;
    BOOL m_bModified = FALSE;
    CString m_strGiven;
    bool m_bGiven = false;
    // The state Undo goes back to.
    CString m_strUndo;
    int m_nUndoStart = 0;
    int m_nUndoEnd = 0;
    bool m_bCanUndo = false;
    bool m_bTyping = false;      // the change being made is a typed character
    bool m_bTypingRun = false;   // the undo state was kept at the start of a run of typing
    bool m_bUndoing = false;
    bool m_bNotifyingChange = false;   // the parent hears of an edit of the text
};
