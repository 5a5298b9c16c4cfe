// CGridTitleTip: the grid's title tip, a small popup over a cell whose text the cell is too
// narrow for, showing the whole text in the cell's font.
#pragma once

#include "platform/core/Geometry.h"
#include "platform/core/String.h"
#include "platform/core/Types.h"
#include "platform/ui/Wnd.h"

class CGridTitleTip : public CWnd {
    DECLARE_DYNAMIC(CGridTitleTip)

public:
    CGridTitleTip() = default;
    ~CGridTitleTip() override;
    CGridTitleTip(const CGridTitleTip&) = delete;
    CGridTitleTip& operator=(const CGridTitleTip&) = delete;

    // Shows the text at rect (screen coordinates), making the popup, owned by pOwner, the
    // first time.
    void Show(CWnd* pOwner, const CRect& rect, const CString& strText, const LOGFONT& font,
              COLORREF crText, COLORREF crBack);
    void Hide();
    BOOL IsShown() const { return m_hWnd && IsWindowVisible(); }
    const CString& GetText() const { return m_strText; }
    COLORREF GetTextClr() const { return m_crText; }
    COLORREF GetBackClr() const { return m_crBack; }

protected:
    void OnPaint() override;
    DECLARE_MESSAGE_MAP()

private:
    CString m_strText;
    LOGFONT m_font{};
    COLORREF m_crText = 0;
    COLORREF m_crBack = 0;
};
