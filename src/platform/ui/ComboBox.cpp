#include "platform/ui/ComboBox.h"

#include "platform/ui/DialogTemplate.h"
#include "platform/ui/KeyState.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CComboBox, CControlWnd)

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(WC_COMBOBOX, nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

BOOL CComboBox::PreCreateWindow(CREATESTRUCT& cs)
{
    // The height given to a drop-down combo is that of its open list; the window itself is
    // only its selection field, one line of the dialog font with its frame, so that it never
    // reaches past the strip it sits in.
    if ((DWORD(cs.style) & 0x3) != CBS_SIMPLE) {
        constexpr int kFramePixels = 8;
        cs.cy = std::min<int>(cs.cy, AfxGetDialogBaseUnits(8).cy + kFramePixels);
    }
    return CControlWnd::PreCreateWindow(cs);
}

int CComboBox::AddString(LPCTSTR lpszString)
{
    return int(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszString)));
}

int CComboBox::InsertString(int nIndex, LPCTSTR lpszString)
{
    return int(SendMessage(CB_INSERTSTRING, WPARAM(nIndex), reinterpret_cast<LPARAM>(lpszString)));
}

int CComboBox::DeleteString(UINT nIndex) { return int(SendMessage(CB_DELETESTRING, nIndex)); }

int CComboBox::GetLBText(int nIndex, LPTSTR lpszText) const
{
    return int(Send(CB_GETLBTEXT, WPARAM(nIndex), reinterpret_cast<LPARAM>(lpszText)));
}

void CComboBox::GetLBText(int nIndex, CString& rString) const
{
    rString = m_items.IsValid(nIndex) ? m_items.At(nIndex).strText : CString();
}

int CComboBox::FindString(int nStartAfter, LPCTSTR lpszString) const
{
    return int(Send(CB_FINDSTRING, WPARAM(nStartAfter), reinterpret_cast<LPARAM>(lpszString)));
}

int CComboBox::FindStringExact(int nIndexStart, LPCTSTR lpszFind) const
{
    return int(Send(CB_FINDSTRINGEXACT, WPARAM(nIndexStart), reinterpret_cast<LPARAM>(lpszFind)));
}

int CComboBox::SelectString(int nStartAfter, LPCTSTR lpszString)
{
    return int(SendMessage(CB_SELECTSTRING, WPARAM(nStartAfter),
                           reinterpret_cast<LPARAM>(lpszString)));
}

DWORD_PTR CComboBox::GetItemData(int nIndex) const
{
    return DWORD_PTR(Send(CB_GETITEMDATA, WPARAM(nIndex)));
}

int CComboBox::SetItemData(int nIndex, DWORD_PTR dwItemData)
{
    return int(SendMessage(CB_SETITEMDATA, WPARAM(nIndex), LPARAM(dwItemData)));
}

void CComboBox::ShowSelectionText()
{
    const CString strText = m_items.IsValid(m_nCurSel) ? m_items.At(m_nCurSel).strText : CString();
    CWnd::DefWindowProc(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(strText.GetString()));
}

void CComboBox::UserSelect(int nIndex)
{
    if (!m_items.IsValid(nIndex))
        return;
    const bool bChanged = nIndex != m_nCurSel;
    m_nCurSel = nIndex;
    ShowSelectionText();
    StateChanged();
    if (bChanged)
        NotifyCommand(CBN_SELCHANGE);
    if (IsWindow(this))
        NotifyCommand(CBN_SELENDOK);
}

void CComboBox::UserEditText(const CString& strText)
{
    if (!HasEdit())
        return;
    CWnd::DefWindowProc(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(strText.GetString()));
    NotifyCommand(CBN_EDITUPDATE);
    if (IsWindow(this))
        NotifyCommand(CBN_EDITCHANGE);
}

void CComboBox::TypeChar(TCHAR ch)
{
    // The edit field takes typed characters at its end, and Backspace takes the last one back,
    // so that a path the list does not hold can be typed in.
    if (!HasEdit())
        return;
    CString strText;
    GetWindowText(strText);
    if (ch == TCHAR(VK_BACK))
        strText = strText.Left(std::max(strText.GetLength() - 1, 0));
    else if (ch >= TCHAR(' ') && (m_nLimit <= 0 || strText.GetLength() < m_nLimit))
        strText += ch;
    else
        return;
    UserEditText(strText);
    // The view shows what the layer typed.
    if (IsWindow(this))
        StateChanged();
}

void CComboBox::KeyDown(UINT nChar)
{
    const int nCount = m_items.GetCount();
    if (nCount == 0)
        return;
    int nIndex = m_nCurSel;
    switch (nChar) {
    case VK_UP:
        nIndex = std::max(nIndex - 1, 0);
        break;
    case VK_DOWN:
        nIndex = std::min(nIndex + 1, nCount - 1);
        break;
    case VK_HOME:
        nIndex = 0;
        break;
    case VK_END:
        nIndex = nCount - 1;
        break;
    default:
        return;
    }
    if (nIndex != m_nCurSel)
        UserSelect(nIndex);
}

LRESULT CComboBox::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto lpsz = reinterpret_cast<LPCTSTR>(lParam);
    const int nIndex = int(wParam);
    switch (message) {
    case CB_ADDSTRING: {
        const int nAt = m_items.Add(CString(lpsz), (GetStyle() & CBS_SORT) != 0);
        if (m_nCurSel >= nAt)
            ++m_nCurSel;
        StateChanged();
        return nAt;
    }
    case CB_INSERTSTRING: {
        const int nAt = m_items.Insert(nIndex, CString(lpsz));
        if (nAt == CB_ERR)
            return CB_ERR;
        if (m_nCurSel >= nAt)
            ++m_nCurSel;
        StateChanged();
        return nAt;
    }
    case CB_DELETESTRING: {
        const int nLeft = m_items.Delete(nIndex);
        if (nLeft == CB_ERR)
            return CB_ERR;
        if (m_nCurSel == nIndex) {
            m_nCurSel = CB_ERR;
            ShowSelectionText();
        } else if (m_nCurSel > nIndex) {
            --m_nCurSel;
        }
        StateChanged();
        return nLeft;
    }
    case CB_RESETCONTENT:
        m_items.Clear();
        m_nCurSel = CB_ERR;
        ShowSelectionText();
        StateChanged();
        return CB_OKAY;
    case CB_GETCOUNT:
        return m_items.GetCount();
    case CB_GETCURSEL:
        return m_nCurSel;
    case CB_SETCURSEL:
        m_nCurSel = m_items.IsValid(nIndex) ? nIndex : CB_ERR;
        ShowSelectionText();
        StateChanged();
        return m_nCurSel;
    case CB_GETLBTEXT: {
        if (!m_items.IsValid(nIndex))
            return CB_ERR;
        const CString& strText = m_items.At(nIndex).strText;
        if (auto* pBuffer = reinterpret_cast<LPTSTR>(lParam)) {
            std::copy_n(strText.GetString(), strText.GetLength() + 1, pBuffer);
        }
        return strText.GetLength();
    }
    case CB_GETLBTEXTLEN:
        return m_items.IsValid(nIndex) ? m_items.At(nIndex).strText.GetLength() : CB_ERR;
    case CB_FINDSTRING:
        return m_items.FindPrefix(nIndex, CString(lpsz));
    case CB_FINDSTRINGEXACT:
        return m_items.FindExact(nIndex, CString(lpsz));
    case CB_SELECTSTRING: {
        const int nFound = m_items.FindPrefix(nIndex, CString(lpsz));
        if (nFound != CB_ERR) {
            m_nCurSel = nFound;
            ShowSelectionText();
            StateChanged();
        }
        return nFound;
    }
    case CB_GETITEMDATA:
        return m_items.IsValid(nIndex) ? LRESULT(m_items.At(nIndex).dwData) : CB_ERR;
    case CB_SETITEMDATA:
        if (!m_items.IsValid(nIndex))
            return CB_ERR;
        m_items.At(nIndex).dwData = DWORD_PTR(lParam);
        return CB_OKAY;
    case CB_LIMITTEXT:
        m_nLimit = nIndex;
        return TRUE;
    case CB_SHOWDROPDOWN:
        if (bool(m_bDropped) != (wParam != 0)) {
            m_bDropped = wParam != 0;
            NotifyCommand(m_bDropped ? CBN_DROPDOWN : CBN_CLOSEUP);
            StateChanged();
        }
        return TRUE;
    case CB_GETDROPPEDSTATE:
        return m_bDropped;
    case WM_KEYDOWN:
        KeyDown(UINT(wParam));
        return 0;
    case WM_CHAR:
        TypeChar(TCHAR(wParam));
        return 0;
    case WM_SETFOCUS:
        NotifyCommand(CBN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        NotifyCommand(CBN_KILLFOCUS);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    default:
        return CControlWnd::DefWindowProc(message, wParam, lParam);
    }
}

void CComboBox::CopyStateFrom(CWnd& other)
{
    if (auto* pCombo = dynamic_cast<CComboBox*>(&other)) {
        m_items = pCombo->m_items;
        m_nCurSel = pCombo->m_nCurSel;
        m_nLimit = pCombo->m_nLimit;
        StateChanged();
    }
}
