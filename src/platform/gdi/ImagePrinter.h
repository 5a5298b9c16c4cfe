// A printer whose pages become pictures in memory: the print preview shows a job's pages from
// here, and the pages can be looked at pixel by pixel. Each page starts white and is drawn by a
// surface of the display's kind, so it looks as the same drawing does on the screen.
#pragma once

#include "platform/gdi/DC.h"
#include "platform/gdi/PixelBuffer.h"

#include <vector>

// The pages of the last finished job, in print order; owned by the caller so that they outlive
// the printer, which its device context owns.
struct ImagePages {
    std::vector<PixelBuffer> pages;
};

class CImagePrinter : public PrinterDevice {
public:
    // A printable area of nWidth x nHeight pixels at nDpi; the pages go to pOut when the job
    // ends (an aborted job leaves them as they were).
    CImagePrinter(int nWidth, int nHeight, int nDpi, ImagePages& out);

    const DeviceCaps& GetDeviceCaps() const override { return m_caps; }
    DrawingSurface* StartDoc(const CString& strDocName) override;
    bool StartPage() override;
    bool EndPage() override;
    bool EndDoc() override;
    void AbortDoc() override;

private:
    DeviceCaps m_caps;
    ImagePages& m_out;
    PixelBuffer m_page;
    std::unique_ptr<DrawingSurface> m_pSurface;
    std::vector<PixelBuffer> m_done;
    bool m_bInPage = false;
};
