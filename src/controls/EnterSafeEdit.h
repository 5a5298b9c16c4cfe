// CEnterSafeEdit: an edit box that swallows the Enter key, so that Enter while typing a value
// does not press the dialog's default button and close the dialog half-filled.
#pragma once

#include "platform/ui/Edit.h"

class CEnterSafeEdit : public CEdit {
    DECLARE_DYNAMIC(CEnterSafeEdit)

public:
    BOOL PreTranslateMessage(MSG* pMsg) override;
};
