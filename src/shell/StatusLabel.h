// CStatusLabel: a static whose text is painted embossed in blue on the button face, as the
// status bar shows the hardware series. CStatusSeriesLabel is the one the main frame hosts in
// the status bar; it deletes itself once its window is gone, whoever destroyed it.
#pragma once

#include "platform/ui/Static.h"

class CStatusLabel : public CStatic {
    DECLARE_DYNAMIC(CStatusLabel)

public:
    // The DrawText format the static's style asks for.
    static UINT TextFormat(DWORD dwStyle, const CString& strText);

protected:
    void OnPaint() override;
    DECLARE_MESSAGE_MAP()
};

class CStatusSeriesLabel : public CStatusLabel {
    DECLARE_DYNAMIC(CStatusSeriesLabel)

protected:
    void PostNcDestroy() override { delete this; }
};
