// CLogoNote: the note of the start-up logo page that the diagram holds a logo read from a
// controller, in red.
#pragma once

#include "platform/ui/Static.h"

class CLogoNote : public CStatic {
    DECLARE_DYNAMIC(CLogoNote)

protected:
    void OnPaint() override;
    DECLARE_MESSAGE_MAP()
};
