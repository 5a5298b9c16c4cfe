// CStatusBitmapButton: the flat picture button the main frame hosts in the status bar, beside
// the hardware series. It paints a small controller module in place of a bitmap resource, and
// deletes itself once its window is gone, whoever destroyed it.
#pragma once

#include "platform/ui/Button.h"

class CStatusBitmapButton : public CButton {
    DECLARE_DYNAMIC(CStatusBitmapButton)

protected:
    void OnPaint() override;
    void PostNcDestroy() override { delete this; }
    DECLARE_MESSAGE_MAP()
};
