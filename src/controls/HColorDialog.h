// CHColorDialog: the colour dialog with a caption of the caller's, which says what the colour is
// for ("Set the linked line color"), and a Help button that does nothing.
#pragma once

#include "platform/core/String.h"
#include "platform/ui/ColorDialog.h"

class CHColorDialog : public CColorDialog {
    DECLARE_DYNAMIC(CHColorDialog)

public:
    CHColorDialog(const CString& strCaption, COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd* pParentWnd = nullptr);

protected:
    BOOL OnInitDialog() override;

private:
    CString m_strCaption;
};
