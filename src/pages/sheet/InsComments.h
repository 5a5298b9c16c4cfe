// The sheet of a comment box on the diagram: CInsComments edits the box's text and, through the
// font dialog, its font and colour; CInsCommentsPropSh holds the one page. The font dialog's
// choice stays a working pair until the page's OK commits it, so that Cancel changes nothing.
#pragma once

#include "platform/ui/PropertySheet.h"

class CInsComments : public CPropertyPage {
    DECLARE_DYNAMIC(CInsComments)

public:
    CInsComments();

    CString m_strText;
    // The text's extent measured by OK: the widest line by the line height times the lines.
    CSize m_size;
    int m_nLines = 0;
    COLORREF m_crText = 0;
    COLORREF m_crWork = 0;
    LOGFONT m_lf = {};
    LOGFONT m_lfWork = {};

    // The extent of the text in the font: the widest of its lines (never narrower than
    // "Comment") by the line height times nLines.
    static CSize MeasureText(const CString& strText, const LOGFONT& lf, int nLines);

    void OnOK() override;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void OnFont();
    DECLARE_MESSAGE_MAP()
};

class CInsCommentsPropSh : public CPropertySheet {
    DECLARE_DYNAMIC(CInsCommentsPropSh)

public:
    CInsCommentsPropSh(LPCTSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);

    CInsComments m_page;

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
};
