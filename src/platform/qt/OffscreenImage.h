// An image in memory that the drawing layer paints with Qt, for rendering diagrams offscreen:
// draw through GetDC(), then read pixels or save a PNG. It starts white. Needs a
// QGuiApplication (or QApplication), as all Qt painting does.
#pragma once

#include "platform/gdi/DC.h"

class COffscreenImage {
public:
    // A size the layer cannot hold gives a 1 x 1 image.
    COffscreenImage(int nWidth, int nHeight);

    int Width() const;
    int Height() const;
    CDC& GetDC() { return m_dc; }
    COLORREF GetPixel(int x, int y) const;
    BOOL SavePng(LPCTSTR lpszPath) const;

private:
    CDC m_dc;
    CBitmap m_bitmap;
};
