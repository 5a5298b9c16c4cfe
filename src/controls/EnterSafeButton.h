// CEnterSafeButton: a push button that swallows the Enter key, so that Enter while it has the
// focus presses neither it nor the dialog's default button.
#pragma once

#include "platform/ui/Button.h"

class CEnterSafeButton : public CButton {
    DECLARE_DYNAMIC(CEnterSafeButton)

public:
    BOOL PreTranslateMessage(MSG* pMsg) override;
};
