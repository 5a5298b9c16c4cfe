// Text painted on a window, not only into an image: an opaque text (the message-text elements'
// labels and values) shows its glyphs over its background.
#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"
#include "platform/qt/QtBackend.h"
#include "platform/qt/QtPeerWidget.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/WndMessageMap.h"
#include "support/QtTestApp.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kBackground = RGB(128, 128, 128);

class CTextWnd : public CWnd {
public:
    int m_nBkMode = OPAQUE;

protected:
    void OnPaint() override
    {
        CPaintDC dc(this);
        CRect rect;
        GetClientRect(rect);
        dc.FillSolidRect(rect, kBackground);
        LOGFONT lf{};
        lf.lfHeight = -12;
        lf.lfWeight = FW_BOLD;
        CFont font;
        font.CreateFontIndirect(&lf);
        CFont* pOld = dc.SelectObject(&font);
        dc.SetBkMode(m_nBkMode);
        dc.SetBkColor(kBackground);
        dc.SetTextColor(RGB(0, 0, 0));
        // Twice: a text drawn again may come from what the surface kept of the first.
        for (int i = 0; i < 2; ++i)
            dc.TextOut(10, 10 + 30 * i, CString(_T("B0 - Counter")));
        dc.SelectObject(pOld);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTextWnd, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

int DarkPixels(const QImage& image, int nTop, int nBottom)
{
    int n = 0;
    for (int y = nTop; y < nBottom; ++y)
        for (int x = 0; x < image.width(); ++x)
            n += qGray(image.pixel(x, y)) < 64 ? 1 : 0;
    return n;
}

}  // namespace

TEST(QtWindowText, OpaqueAndTransparentTextsShowTheirGlyphsOnAWindow)
{
    QtTestApp();
    InitQtBackend();
    for (const int nBkMode : {OPAQUE, TRANSPARENT}) {
        SCOPED_TRACE(nBkMode);
        CTextWnd wnd;
        wnd.m_nBkMode = nBkMode;
        ASSERT_TRUE(wnd.Create(nullptr, u"text", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 200, 80), nullptr, 0));
        QApplication::processEvents();
        // What the window shows: its backing store, not a fresh rendering into a pixmap.
        QWidget* pWidget = QtWidgetOf(wnd);
        const QImage image = pWidget->screen()->grabWindow(pWidget->winId()).toImage();
        ASSERT_GE(image.height(), 65);
        EXPECT_GT(DarkPixels(image, 5, 35), 20);
        EXPECT_GT(DarkPixels(image, 35, 65), 20);
        wnd.DestroyWindow();
    }
    ShutdownQtBackend();
}
