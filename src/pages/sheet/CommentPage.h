// CComment: the comment page that every block property sheet holds beside its main page; it
// edits the block's free comment text. Its edit takes the size of the main page measured by
// the sheet, or, in a sheet without a main page, the template's width and 120 pixels more.
#pragma once

#include "platform/ui/PropertyPage.h"

class CComment : public CPropertyPage {
    DECLARE_DYNAMIC(CComment)

public:
    CComment();

    CString m_strComment;
    // The sheet's main page in screen coordinates; empty when the sheet has none.
    CRect m_rcPage;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
};
