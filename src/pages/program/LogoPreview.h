// CLogoPreview: the frame of the start-up logo page that shows the chosen logo at its own size
// (108 x 64 pixels, lit pixels black) at its top left.
#pragma once

#include "document/LogoBitmap.h"
#include "platform/ui/Static.h"

#include <array>

class CLogoPreview : public CStatic {
    DECLARE_DYNAMIC(CLogoPreview)

public:
    // The controller image of the logo to show; null shows none.
    void SetImage(const BYTE* pImage);
    bool HasImage() const { return m_bHasImage; }
    // The pixel at row, column of the shown logo.
    bool IsPixelSet(int nRow, int nColumn) const;

protected:
    void OnPaint() override;
    DECLARE_MESSAGE_MAP()

private:
    std::array<BYTE, LOGO_IMAGE_SIZE> m_image{};
    bool m_bHasImage = false;
};
