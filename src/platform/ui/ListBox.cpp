#include "platform/ui/ListBox.h"

#include "platform/ui/KeyState.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CListBox, CControlWnd)

BOOL CListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(WC_LISTBOX, nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

int CListBox::AddString(LPCTSTR lpszItem)
{
    return int(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszItem)));
}

int CListBox::InsertString(int nIndex, LPCTSTR lpszItem)
{
    return int(SendMessage(LB_INSERTSTRING, WPARAM(nIndex), reinterpret_cast<LPARAM>(lpszItem)));
}

int CListBox::GetText(int nIndex, LPTSTR lpszBuffer) const
{
    return int(Send(LB_GETTEXT, WPARAM(nIndex), reinterpret_cast<LPARAM>(lpszBuffer)));
}

void CListBox::GetText(int nIndex, CString& rString) const
{
    rString = m_items.IsValid(nIndex) ? m_items.At(nIndex).strText : CString();
}

int CListBox::FindString(int nStartAfter, LPCTSTR lpszItem) const
{
    return int(Send(LB_FINDSTRING, WPARAM(nStartAfter), reinterpret_cast<LPARAM>(lpszItem)));
}

int CListBox::FindStringExact(int nIndexStart, LPCTSTR lpszFind) const
{
    return int(Send(LB_FINDSTRINGEXACT, WPARAM(nIndexStart), reinterpret_cast<LPARAM>(lpszFind)));
}

int CListBox::SelectString(int nStartAfter, LPCTSTR lpszItem)
{
    return int(SendMessage(LB_SELECTSTRING, WPARAM(nStartAfter), reinterpret_cast<LPARAM>(lpszItem)));
}

void CListBox::Notify(UINT nCode)
{
    if (GetStyle() & LBS_NOTIFY)
        NotifyCommand(nCode);
}

void CListBox::UserSelect(int nIndex)
{
    if (!m_items.IsValid(nIndex) || nIndex == m_nCurSel)
        return;
    m_nCurSel = nIndex;
    StateChanged();
    Notify(LBN_SELCHANGE);
}

void CListBox::UserDoubleClick(int nIndex)
{
    if (!m_items.IsValid(nIndex))
        return;
    UserSelect(nIndex);
    if (IsWindow(this))
        Notify(LBN_DBLCLK);
}

void CListBox::KeyDown(UINT nChar)
{
    const int nCount = m_items.GetCount();
    if (nCount == 0)
        return;
    switch (nChar) {
    case VK_UP:
        UserSelect(std::max(m_nCurSel - 1, 0));
        break;
    case VK_DOWN:
        UserSelect(std::min(m_nCurSel + 1, nCount - 1));
        break;
    case VK_HOME:
        UserSelect(0);
        break;
    case VK_END:
        UserSelect(nCount - 1);
        break;
    default:
        break;
    }
}

LRESULT CListBox::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto lpsz = reinterpret_cast<LPCTSTR>(lParam);
    const int nIndex = int(wParam);
    switch (message) {
    case LB_ADDSTRING: {
        const int nAt = m_items.Add(CString(lpsz), (GetStyle() & LBS_SORT) != 0);
        if (m_nCurSel >= nAt)
            ++m_nCurSel;
        StateChanged();
        return nAt;
    }
    case LB_INSERTSTRING: {
        const int nAt = m_items.Insert(nIndex, CString(lpsz));
        if (nAt != LB_ERR && m_nCurSel >= nAt)
            ++m_nCurSel;
        StateChanged();
        return nAt;
    }
    case LB_DELETESTRING: {
        const int nLeft = m_items.Delete(nIndex);
        if (nLeft == LB_ERR)
            return LB_ERR;
        if (m_nCurSel == nIndex)
            m_nCurSel = LB_ERR;
        else if (m_nCurSel > nIndex)
            --m_nCurSel;
        m_nTopIndex = std::clamp(m_nTopIndex, 0, std::max(nLeft - 1, 0));
        StateChanged();
        return nLeft;
    }
    case LB_RESETCONTENT:
        m_items.Clear();
        m_nCurSel = LB_ERR;
        m_nTopIndex = 0;
        StateChanged();
        return LB_OKAY;
    case LB_GETCOUNT:
        return m_items.GetCount();
    case LB_GETCURSEL:
        return m_nCurSel;
    case LB_SETCURSEL:
        m_nCurSel = m_items.IsValid(nIndex) ? nIndex : LB_ERR;
        StateChanged();
        return m_items.IsValid(nIndex) ? nIndex : LB_ERR;
    case LB_GETTEXT: {
        if (!m_items.IsValid(nIndex))
            return LB_ERR;
        const CString& strText = m_items.At(nIndex).strText;
        if (auto* pBuffer = reinterpret_cast<LPTSTR>(lParam))
            std::copy_n(strText.GetString(), strText.GetLength() + 1, pBuffer);
        return strText.GetLength();
    }
    case LB_GETTEXTLEN:
        return m_items.IsValid(nIndex) ? m_items.At(nIndex).strText.GetLength() : LB_ERR;
    case LB_FINDSTRING:
        return m_items.FindPrefix(nIndex, CString(lpsz));
    case LB_FINDSTRINGEXACT:
        return m_items.FindExact(nIndex, CString(lpsz));
    case LB_SELECTSTRING: {
        const int nFound = m_items.FindPrefix(nIndex, CString(lpsz));
        if (nFound != LB_ERR) {
            m_nCurSel = nFound;
            StateChanged();
        }
        return nFound;
    }
    case LB_GETITEMDATA:
        return m_items.IsValid(nIndex) ? LRESULT(m_items.At(nIndex).dwData) : LB_ERR;
    case LB_SETITEMDATA:
        if (!m_items.IsValid(nIndex))
            return LB_ERR;
        m_items.At(nIndex).dwData = DWORD_PTR(lParam);
        return LB_OKAY;
    case LB_GETTOPINDEX:
        return m_nTopIndex;
    case LB_SETTOPINDEX:
        if (!m_items.IsValid(nIndex))
            return LB_ERR;
        m_nTopIndex = nIndex;
        StateChanged();
        return LB_OKAY;
    case LB_GETITEMHEIGHT:
        return m_nItemHeight;
    case LB_SETITEMHEIGHT:
        if (lParam <= 0 || lParam > 255)
            return LB_ERR;
        m_nItemHeight = int(lParam);
        StateChanged();
        return LB_OKAY;
    case WM_KEYDOWN:
        KeyDown(UINT(wParam));
        return 0;
    case WM_SETFOCUS:
        Notify(LBN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        Notify(LBN_KILLFOCUS);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    default:
        return CControlWnd::DefWindowProc(message, wParam, lParam);
    }
}

void CListBox::CopyStateFrom(CWnd& other)
{
    if (auto* pList = dynamic_cast<CListBox*>(&other)) {
        m_items = pList->m_items;
        m_nCurSel = pList->m_nCurSel;
        m_nTopIndex = pList->m_nTopIndex;
        m_nItemHeight = pList->m_nItemHeight;
        StateChanged();
    }
}
