#include "pages/controls/FilterEdit.h"

#include "platform/ui/KeyState.h"

IMPLEMENT_DYNAMIC(CFilterEdit, CEdit)

CString CFilterEdit::GetText() const
{
    CString str;
    GetWindowText(str);
    return str;
}

void CFilterEdit::Redraw()
{
    if (!m_hWnd)
        return;
    const CString strValid = GetValidText();
    if (strValid != GetText())
        SetWindowText(strValid);
}

void CFilterEdit::PassChar(TCHAR ch) { CEdit::DefWindowProc(WM_CHAR, WPARAM(ch), 1); }

void CFilterEdit::PassKey(UINT nChar) { CaretOrDeleteKey(nChar); }

void CFilterEdit::GetSelection(int& nStart, int& nEnd) const { GetSel(nStart, nEnd); }

LRESULT CFilterEdit::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CHAR:
        FilterChar(TCHAR(wParam));
        return 0;
    case WM_KEYDOWN:
        // Shift+Delete and the like come back as the clipboard's messages below.
        if (!EditingKey(UINT(wParam)))
            FilterKeyDown(UINT(wParam));
        return 0;
    case WM_KILLFOCUS: {
        const LRESULT lResult = CEdit::DefWindowProc(message, wParam, lParam);
        FilterKillFocus();
        return lResult;
    }
    case WM_CUT:
    case WM_CLEAR: {
        int nStart = 0;
        int nEnd = 0;
        GetSel(nStart, nEnd);
        // The selection goes as Delete takes it, by the behaviour's rules: where Delete leaves
        // the text, so does a cut, which then only copies.
        if (nStart != nEnd) {
            if (message == WM_CUT)
                CEdit::DefWindowProc(WM_COPY, 0, 0);
            FilterKeyDown(VK_DELETE);
        }
        return 0;
    }
    case WM_PASTE: {
        int nStart = 0;
        int nEnd = 0;
        GetSel(nStart, nEnd);
        CEdit::DefWindowProc(message, wParam, lParam);
        const CString strValid = GetValidText();
        if (strValid != GetText()) {
            SetWindowText(strValid);
            SetSel(nStart, nEnd);
        }
        return 0;
    }
    case WM_SETTEXT: {
        const CString strGiven(reinterpret_cast<LPCTSTR>(lParam));
        const LRESULT lResult = CEdit::DefWindowProc(message, wParam, lParam);
        const CString strValid = GetValidText();
        if (strValid != strGiven && MeansTheSame(strGiven, strValid))
            CEdit::DefWindowProc(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(strValid)));
        return lResult;
    }
    default:
        return CEdit::DefWindowProc(message, wParam, lParam);
    }
}

BOOL CEditBehavior::ModifyFlags(DWORD dwAdd, DWORD dwRemove)
{
    const DWORD dwNew = (m_dwFlags & ~dwRemove) | dwAdd;
    if (dwNew == m_dwFlags)
        return FALSE;
    m_dwFlags = dwNew;
    m_pEdit->Redraw();
    return TRUE;
}

void CEditBehavior::Replace(int nStart, int nEnd, const CString& strText)
{
    m_pEdit->SetSel(nStart, nEnd);
    m_pEdit->SendMessage(EM_SCROLLCARET);
    m_pEdit->ReplaceSel(strText, TRUE);
}

int CEditBehavior::OverwriteEnd(int nStart, int nEnd) const
{
    return nEnd < m_pEdit->GetWindowTextLength() ? nStart + 1 : nEnd;
}

void HoldPlainEditToRange(CWnd* pControl, int nMin)
{
    auto* pEdit = dynamic_cast<CEdit*>(pControl);
    if (!pEdit || dynamic_cast<CFilterEdit*>(pEdit))
        return;
    pEdit->LimitDecimals(0);
    if (nMin >= 0)
        pEdit->ModifyStyle(0, ES_NUMBER);
}
