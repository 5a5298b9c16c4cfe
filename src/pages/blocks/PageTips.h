// CPageTips: the hints of a page's value controls (mostly their valid range, "Number between 1
// and 15"), shown by the page's tooltip window. A hint may change while the page is open, as
// the Modbus page's count range follows its command.
#pragma once

#include "pages/controls/ToolTipWnd.h"

#include <map>

class CPageTips {
public:
    // The window, owned by the page; before any Set.
    void Create(CWnd& page);
    // The control's hint, replacing the one it had; nothing for a control the page lacks.
    void Set(CWnd& page, int nID, const CString& strText);
    // "Number between %d and %d"; a plain edit takes what the hint says (HoldPlainEditToRange).
    void SetRange(CWnd& page, int nID, int nMin, int nMax, LPCTSTR lpszMore = _T(""));
    // Every message the page pretranslates.
    void Relay(const MSG* pMsg);
    // The control's hint, empty without one.
    CString GetText(int nID) const;

private:
    CToolTipWnd m_wnd;
    std::map<int, CString> m_texts;
};
