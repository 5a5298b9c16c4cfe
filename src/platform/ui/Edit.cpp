#include "platform/ui/Edit.h"

#include "platform/core/MessageBox.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/SpinButtonCtrl.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CEdit, CControlWnd)

namespace {

// A single-line edit keeps only the first line of pasted text.
CString FirstLine(const CString& strText)
{
    const int nBreak = strText.FindOneOf(_T("\r\n"));
    return nBreak < 0 ? strText : strText.Left(nBreak);
}

bool IsDigit(TCHAR ch) { return ch >= '0' && ch <= '9'; }

// The most digits a number box takes from a paste: any more are past every box's bound, and
// an int holds nine.
constexpr int kPastedDigitsMax = 9;

// A number as it is typed: spaces around, a sign, digits, one decimal point (either mark) and its
// digits, at most nMaxDecimals of them unless that is negative (0: no point), each part optional.
bool IsNumberText(CString strText, int nMaxDecimals = -1)
{
    strText.Trim();
    int i = !strText.IsEmpty() && strText[0] == '-' ? 1 : 0;
    int nDecimals = -1;
    for (; i < strText.GetLength(); ++i) {
        if ((strText[i] == '.' || strText[i] == ',') && nDecimals < 0 && nMaxDecimals != 0)
            nDecimals = 0;
        else if (!IsDigit(strText[i]))
            return false;
        else if (nDecimals >= 0 && ++nDecimals > nMaxDecimals && nMaxDecimals >= 0)
            return false;
    }
    return true;
}

// Caret steps: a line break ("\r\n") is one step, so the caret never stands inside one.
bool BreakAt(const CString& strText, int nPos)
{
    return nPos >= 0 && nPos + 1 < strText.GetLength() && strText[nPos] == '\r' && strText[nPos + 1] == '\n';
}

int NextPosition(const CString& strText, int nPos)
{
    return std::min(nPos + (BreakAt(strText, nPos) ? 2 : 1), strText.GetLength());
}

int PreviousPosition(const CString& strText, int nPos)
{
    return std::max(nPos - (BreakAt(strText, nPos - 2) ? 2 : 1), 0);
}

int LineStart(const CString& strText, int nPos)
{
    while (nPos > 0 && strText[nPos - 1] != '\n')
        --nPos;
    return nPos;
}

int LineEnd(const CString& strText, int nPos)
{
    while (nPos < strText.GetLength() && !BreakAt(strText, nPos))
        ++nPos;
    return nPos;
}

// The caret nLines lines up (negative) or down from nPos in the same column, as far as the
// target line is long; the first or last line keeps it where it is.
int LinePosition(const CString& strText, int nPos, int nLines)
{
    const int nStart = LineStart(strText, nPos);
    const int nColumn = nPos - nStart;
    int nTarget = nStart;
    if (nLines < 0) {
        if (nStart == 0)
            return nPos;
        nTarget = LineStart(strText, nStart - 1);
    } else {
        const int nEnd = LineEnd(strText, nPos);
        if (nEnd == strText.GetLength())
            return nPos;
        nTarget = nEnd + 2;
    }
    return std::min(nTarget + nColumn, LineEnd(strText, nTarget));
}

}  // namespace

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(WC_EDIT, nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

CString CEdit::Text() const
{
    CString strText;
    GetWindowText(strText);
    return strText;
}

void CEdit::GetSel(int& nStartChar, int& nEndChar) const
{
    const DWORD dwSel = GetSel();
    nStartChar = LOWORD(dwSel);
    nEndChar = HIWORD(dwSel);
}

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL)
{
    SendMessage(EM_SETSEL, WPARAM(nStartChar), LPARAM(nEndChar));
}

void CEdit::SetSel(DWORD dwSelection, BOOL bNoScroll)
{
    SetSel(int(SHORT(LOWORD(dwSelection))), int(SHORT(HIWORD(dwSelection))), bNoScroll);
}

void CEdit::ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo)
{
    SendMessage(EM_REPLACESEL, bCanUndo, reinterpret_cast<LPARAM>(lpszNewText));
}

BOOL CEdit::LineScroll(int nLines, int nChars)
{
    return BOOL(SendMessage(EM_LINESCROLL, WPARAM(nChars), LPARAM(nLines)));
}

void CEdit::KeepUndoState()
{
    if (m_bUndoing)
        return;
    // A run of typed characters is one step back, as in the window system's edit.
    if (m_bTyping && m_bTypingRun && m_bCanUndo)
        return;
    m_strUndo = Text();
    m_nUndoStart = m_nSelStart;
    m_nUndoEnd = m_nSelEnd;
    m_bCanUndo = true;
    m_bTypingRun = m_bTyping;
}

BOOL CEdit::UndoLastChange()
{
    if (!m_bCanUndo || IsReadOnly())
        return FALSE;
    const CString strBack = m_strUndo;
    const int nStart = m_nUndoStart;
    const int nEnd = m_nUndoEnd;
    // Undoing again takes the change back.
    m_strUndo = Text();
    m_nUndoStart = m_nSelStart;
    m_nUndoEnd = m_nSelEnd;
    m_bTypingRun = false;
    m_bUndoing = true;
    ChangeText(strBack, nEnd);
    m_bUndoing = false;
    if (IsWindow(this)) {
        m_nSelStart = std::clamp(nStart, 0, strBack.GetLength());
        m_nSelEnd = std::clamp(nEnd, 0, strBack.GetLength());
        StateChanged();
    }
    return TRUE;
}

bool CEdit::EditingChar(TCHAR ch)
{
    switch (ch) {
    case 0x01:   // Ctrl+A
        m_nSelStart = 0;
        m_nSelEnd = GetWindowTextLength();
        m_bTypingRun = false;
        StateChanged();
        return true;
    case 0x03:   // Ctrl+C
        SendMessage(WM_COPY);
        return true;
    case 0x16:   // Ctrl+V
        SendMessage(WM_PASTE);
        return true;
    case 0x18:   // Ctrl+X
        SendMessage(WM_CUT);
        return true;
    case 0x1A:   // Ctrl+Z
        SendMessage(WM_UNDO);
        return true;
    default:
        return false;
    }
}

bool CEdit::EditingKey(UINT nChar)
{
    const bool bShift = GetKeyState(VK_SHIFT) < 0;
    const bool bCtrl = GetKeyState(VK_CONTROL) < 0;
    if (nChar == VK_DELETE && bShift && !bCtrl)
        SendMessage(WM_CUT);
    else if (nChar == VK_INSERT && bCtrl && !bShift)
        SendMessage(WM_COPY);
    else if (nChar == VK_INSERT && bShift && !bCtrl)
        SendMessage(WM_PASTE);
    else
        return false;
    return true;
}

void CEdit::ChangeText(const CString& strText, int nCaret)
{
    KeepUndoState();
    CWnd::DefWindowProc(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(strText.GetString()));
    m_nSelStart = m_nSelEnd = std::clamp(nCaret, 0, strText.GetLength());
    m_bModified = TRUE;
    StateChanged();
    const bool bWasNotifying = m_bNotifyingChange;
    m_bNotifyingChange = true;
    NotifyCommand(EN_UPDATE);
    if (IsWindow(this))
        NotifyCommand(EN_CHANGE);
    m_bNotifyingChange = bWasNotifying;
}

void CEdit::ReplaceSelection(CString strInsert, bool bByUser)
{
    if (!(GetStyle() & ES_MULTILINE))
        strInsert = FirstLine(strInsert);
    const CString strText = Text();
    const int nStart = std::min(m_nSelStart, m_nSelEnd);
    const int nEnd = std::max(m_nSelStart, m_nSelEnd);
    const int nRoom = int(m_nLimit) - (strText.GetLength() - (nEnd - nStart));
    if (strInsert.GetLength() > std::max(nRoom, 0)) {
        // What does not fit is dropped; the parent hears of it.
        strInsert = strInsert.Left(std::max(nRoom, 0));
        NotifyCommand(EN_MAXTEXT);
        if (bByUser)
            MessageBeep(MB_OK);
        if (!IsWindow(this) || (strInsert.IsEmpty() && nStart == nEnd))
            return;
    }
    ChangeText(strText.Left(nStart) + strInsert + strText.Mid(nEnd),
               nStart + strInsert.GetLength());
}

void CEdit::TypeChar(TCHAR ch)
{
    if (IsReadOnly())
        return;
    const CString strText = Text();
    if (ch == VK_BACK) {
        if (m_nSelStart == m_nSelEnd)
            m_nSelStart = PreviousPosition(strText, m_nSelStart);
        if (m_nSelStart != m_nSelEnd)
            ReplaceSelection(CString(), true);
        return;
    }
    if (ch == '\r') {
        if ((GetStyle() & ES_MULTILINE) && (GetStyle() & ES_WANTRETURN))
            ReplaceSelection(CString(_T("\r\n")), true);
        return;
    }
    if (ch < 0x20 && ch != '\t')
        return;
    if (((GetStyle() & ES_NUMBER) && !IsDigit(ch)) || !KeepsNumber(ch)) {
        MessageBeep(MB_OK);
        return;
    }
    CString strChar(ch);
    if (GetStyle() & ES_UPPERCASE)
        strChar.MakeUpper();
    else if (GetStyle() & ES_LOWERCASE)
        strChar.MakeLower();
    m_bTyping = true;
    ReplaceSelection(strChar, true);
    m_bTyping = false;
}

bool CEdit::IsNumberBox() const { return (GetStyle() & ES_NUMBER) || AfxSpinOf(*this); }

bool CEdit::TakesNegative() const
{
    if (GetStyle() & ES_NUMBER)
        return false;
    const CSpinButtonCtrl* pSpin = AfxSpinOf(*this);
    if (!pSpin)
        return true;
    int nLower = 0;
    int nUpper = 0;
    pSpin->GetRange32(nLower, nUpper);
    return std::min(nLower, nUpper) < 0;
}

bool CEdit::KeepsNumber(TCHAR ch) const
{
    if (!IsNumberBox())
        return true;
    if (ch == '-' && !TakesNegative())
        return false;
    const CString strText = Text();
    const int nStart = std::min(m_nSelStart, m_nSelEnd);
    const int nEnd = std::max(m_nSelStart, m_nSelEnd);
    return !IsNumberText(strText) || IsNumberText(strText.Left(nStart) + ch + strText.Mid(nEnd), MaxDecimals());
}

int CEdit::MaxDecimals() const
{
    if (m_nMaxDecimals >= 0)
        return m_nMaxDecimals;
    // An up-down control that writes whole numbers into its buddy steps a whole number.
    const CSpinButtonCtrl* pSpin = AfxSpinOf(*this);
    return pSpin && (pSpin->GetStyle() & UDS_SETBUDDYINT) ? 0 : -1;
}

bool CEdit::PastesPastNumber(const CString& strPaste, CString& strOut) const
{
    const CString strText = Text();
    const int nStart = std::min(m_nSelStart, m_nSelEnd);
    const int nEnd = std::max(m_nSelStart, m_nSelEnd);
    CString strNumber = strText.Left(nStart) + FirstLine(strPaste) + strText.Mid(nEnd);
    strNumber.Trim();
    if (!IsNumberBox() || !IsNumberText(strNumber))
        return false;
    const bool bSign = !strNumber.IsEmpty() && strNumber[0] == '-';
    const int nPoint = strNumber.FindOneOf(_T(".,"));
    const int nWhole = (nPoint < 0 ? strNumber.GetLength() : nPoint) - (bSign ? 1 : 0);
    const int nDigits = int(std::min<long long>(m_nLimit - (bSign ? 1 : 0), kPastedDigitsMax));
    if (nWhole > nDigits && nDigits > 0) {
        strOut = CString(bSign ? _T("-") : _T("")) + CString(TCHAR('9'), nDigits);
        return true;
    }
    const int nDecimals = MaxDecimals();
    if (nPoint < 0 || nDecimals < 0 || IsNumberText(strNumber, nDecimals))
        return false;
    strOut = strNumber.Left(nDecimals > 0 ? nPoint + 1 + nDecimals : nPoint);
    return true;
}

void CEdit::KeyDown(UINT nChar)
{
    m_bTypingRun = false;
    if (!EditingKey(nChar))
        CaretOrDeleteKey(nChar);
}

void CEdit::CaretOrDeleteKey(UINT nChar)
{
    const CString strText = Text();
    const bool bShift = GetKeyState(VK_SHIFT) < 0;
    // Home and End keep to the caret's line in a multi-line edit, unless with Ctrl.
    const bool bByLine = (GetStyle() & ES_MULTILINE) && GetKeyState(VK_CONTROL) >= 0;
    int nCaret = m_nSelEnd;
    m_bTypingRun = false;
    switch (nChar) {
    case VK_DELETE:
        if (IsReadOnly())
            return;
        if (m_nSelStart == m_nSelEnd)
            m_nSelEnd = NextPosition(strText, m_nSelEnd);
        if (m_nSelStart != m_nSelEnd)
            ReplaceSelection(CString(), true);
        return;
    case VK_LEFT:
        nCaret = PreviousPosition(strText, nCaret);
        break;
    case VK_RIGHT:
        nCaret = NextPosition(strText, nCaret);
        break;
    case VK_UP:
    case VK_DOWN:
        if (!(GetStyle() & ES_MULTILINE)) {
            if (CSpinButtonCtrl* pSpin = AfxArrowKeysSpinOf(*this))
                pSpin->UserStep(nChar == VK_UP ? 1 : -1);
            return;
        }
        nCaret = LinePosition(strText, nCaret, nChar == VK_UP ? -1 : 1);
        break;
    case VK_HOME:
        nCaret = bByLine ? LineStart(strText, nCaret) : 0;
        break;
    case VK_END:
        nCaret = bByLine ? LineEnd(strText, nCaret) : strText.GetLength();
        break;
    default:
        return;
    }
    m_nSelEnd = nCaret;
    if (!bShift)
        m_nSelStart = nCaret;
    StateChanged();
}

void CEdit::UserEdit(const CString& strText, int nCaret)
{
    if (IsReadOnly() || strText == Text())
        return;
    CString strNew = strText;
    // A text the program set past the limit is shown whole and may be shortened; the limit
    // only refuses what would make it longer.
    const int nRoom = std::max(int(m_nLimit), Text().GetLength());
    if (strNew.GetLength() > nRoom) {
        strNew = strNew.Left(nRoom);
        NotifyCommand(EN_MAXTEXT);
        if (!IsWindow(this))
            return;
    }
    ChangeText(strNew, nCaret);
}

LRESULT CEdit::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SETTEXT: {
        // Text set by the program is not cut to the limit, and notifies as typing does.
        const bool bEmptied = GetWindowTextLength() == 0;
        CWnd::DefWindowProc(message, wParam, lParam);
        m_nSelStart = m_nSelEnd = 0;
        if (m_bNotifyingChange) {
            // The parent rewrote what was just typed (a value held to its bounds): the caret goes
            // behind the new text, so that the next digit cannot make another number of it. A
            // value put into a box the user emptied is selected, so that typing replaces it.
            m_nSelEnd = GetWindowTextLength();
            m_nSelStart = bEmptied ? 0 : m_nSelEnd;
        }
        m_bModified = FALSE;
        m_nFirstLine = 0;
        m_bCanUndo = false;
        m_bTypingRun = false;
        StateChanged();
        NotifyCommand(EN_UPDATE);
        if (IsWindow(this))
            NotifyCommand(EN_CHANGE);
        return TRUE;
    }
    case EM_LIMITTEXT:
        m_nLimit = wParam ? UINT(wParam) : 0x7FFFFFFE;
        StateChanged();
        return 0;
    case EM_GETLIMITTEXT:
        return m_nLimit;
    case EM_GETSEL: {
        const int nStart = std::min(m_nSelStart, m_nSelEnd);
        const int nEnd = std::max(m_nSelStart, m_nSelEnd);
        if (auto* pStart = reinterpret_cast<DWORD*>(wParam))
            *pStart = DWORD(nStart);
        if (auto* pEnd = reinterpret_cast<DWORD*>(lParam))
            *pEnd = DWORD(nEnd);
        return MAKELONG(WORD(std::min(nStart, 0xFFFF)), WORD(std::min(nEnd, 0xFFFF)));
    }
    case EM_SETSEL: {
        const int nLength = GetWindowTextLength();
        const int nStart = int(wParam);
        const int nEnd = int(lParam);
        m_bTypingRun = false;
        if (nStart == -1) {
            m_nSelStart = m_nSelEnd;
        } else {
            m_nSelStart = std::clamp(nStart, 0, nLength);
            m_nSelEnd = nEnd < 0 ? nLength : std::min(nEnd, nLength);
        }
        StateChanged();
        return 0;
    }
    case EM_REPLACESEL:
        ReplaceSelection(CString(reinterpret_cast<LPCTSTR>(lParam)), false);
        return 0;
    case EM_GETLINECOUNT: {
        if (!(GetStyle() & ES_MULTILINE))
            return 1;
        const CString strText = Text();
        int nLines = 1;
        for (int i = 0; i < strText.GetLength(); ++i) {
            if (strText[i] == '\n')
                ++nLines;
        }
        return nLines;
    }
    case EM_LINESCROLL:
        if (!(GetStyle() & ES_MULTILINE))
            return FALSE;
        m_nFirstLine = std::clamp(m_nFirstLine + int(lParam), 0, GetLineCount() - 1);
        StateChanged();
        return TRUE;
    case EM_GETFIRSTVISIBLELINE:
        return m_nFirstLine;
    case EM_SCROLLCARET:
        StateChanged();
        return TRUE;
    case EM_SETREADONLY:
        ModifyStyle(wParam ? 0 : ES_READONLY, wParam ? ES_READONLY : 0);
        StateChanged();
        return TRUE;
    case EM_GETMODIFY:
        return m_bModified;
    case EM_SETMODIFY:
        m_bModified = BOOL(wParam != 0);
        return 0;
    case WM_CHAR:
        if (!EditingChar(TCHAR(wParam)))
            TypeChar(TCHAR(wParam));
        return 0;
    case EM_CANUNDO:
        return m_bCanUndo;
    case EM_UNDO:
    case WM_UNDO:
        return UndoLastChange();
    case EM_EMPTYUNDOBUFFER:
        m_bCanUndo = false;
        m_bTypingRun = false;
        return 0;
    case WM_KEYDOWN:
        KeyDown(UINT(wParam));
        return 0;
    case WM_COPY:
    case WM_CUT:
        // A password never leaves its box.
        if (m_nSelStart != m_nSelEnd && !(GetStyle() & ES_PASSWORD)) {
            const int nStart = std::min(m_nSelStart, m_nSelEnd);
            CClipboard::Empty();
            CClipboard::SetText(Text().Mid(nStart, std::abs(m_nSelEnd - m_nSelStart)));
            if (message == WM_CUT && !IsReadOnly())
                ReplaceSelection(CString(), false);
        }
        return 0;
    case WM_CLEAR:
        if (m_nSelStart != m_nSelEnd && !IsReadOnly())
            ReplaceSelection(CString(), false);
        return 0;
    case WM_PASTE: {
        CString strPaste;
        if (IsReadOnly() || !CClipboard::GetText(strPaste))
            return 0;
        CString strNumber;
        if (PastesPastNumber(strPaste, strNumber)) {
            m_nSelStart = 0;
            m_nSelEnd = GetWindowTextLength();
            strPaste = strNumber;
        }
        ReplaceSelection(strPaste, false);
        return 0;
    }
    case WM_SETFOCUS:
        NotifyCommand(EN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        NotifyCommand(EN_KILLFOCUS);
        return 0;
    case WM_GETDLGCODE: {
        UINT nCode = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
        const auto* pMsg = reinterpret_cast<const MSG*>(lParam);
        // Enter (its key and its character) belongs to a multi-line edit that wants returns.
        if (pMsg && (pMsg->message == WM_KEYDOWN || pMsg->message == WM_CHAR) &&
            pMsg->wParam == WPARAM(VK_RETURN) &&
            (GetStyle() & ES_MULTILINE) && (GetStyle() & ES_WANTRETURN))
            nCode |= DLGC_WANTMESSAGE;
        return nCode;
    }
    default:
        return CControlWnd::DefWindowProc(message, wParam, lParam);
    }
}

void CEdit::CopyStateFrom(CWnd& other)
{
    if (auto* pEdit = dynamic_cast<CEdit*>(&other)) {
        m_nLimit = pEdit->m_nLimit;
        m_nSelStart = pEdit->m_nSelStart;
        m_nSelEnd = pEdit->m_nSelEnd;
        m_bModified = pEdit->m_bModified;
        m_strGiven = pEdit->m_strGiven;
        m_bGiven = pEdit->m_bGiven;
        m_nMaxDecimals = pEdit->m_nMaxDecimals;
        StateChanged();
    }
}
