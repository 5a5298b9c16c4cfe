// A window updated from inside another window's paint, as the simulation scan refreshes its bars
// while the view paints: Qt cannot paint a widget inside another's paint, so the update waits for
// Qt's next pass instead of breaking the painter the first paint holds.
#include "platform/gdi/DC.h"
#include "platform/qt/QtBackend.h"
#include "platform/qt/QtPeerWidget.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/WndMessageMap.h"
#include "support/QtTestApp.h"

#include <QApplication>
#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::vector<std::string> g_paints;

class CPaintLogWnd : public CWnd {
public:
    explicit CPaintLogWnd(std::string name) : m_name(std::move(name)) {}
    CWnd* m_pUpdateDuringPaint = nullptr;

protected:
    void OnPaint() override
    {
        CPaintDC dc(this);
        g_paints.push_back(m_name + ":begin");
        if (m_pUpdateDuringPaint) {
            m_pUpdateDuringPaint->Invalidate();
            m_pUpdateDuringPaint->UpdateWindow();
        }
        CRect rect;
        GetClientRect(rect);
        dc.FillSolidRect(rect, RGB(0, 128, 0));
        g_paints.push_back(m_name + ":end");
    }

private:
    std::string m_name;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPaintLogWnd, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

// Lets Qt run until a paint of that name has ended: on a desktop the window manager maps and
// exposes the windows some time after they are shown.
bool PaintedSoon(const std::string& name, std::size_t nFrom = 0)
{
    return ProcessEventsUntil([&] {
        const auto from = g_paints.begin() + std::ptrdiff_t(std::min(nFrom, g_paints.size()));
        return std::find(from, g_paints.end(), name + ":end") != g_paints.end();
    });
}

}  // namespace

TEST(QtNestedPaint, AWindowUpdatedDuringAnotherPaintIsPaintedAfterIt)
{
    QtTestApp();
    InitQtBackend();
    g_paints.clear();
    CPaintLogWnd view("view");
    CPaintLogWnd bar("bar");
    ASSERT_TRUE(view.Create(nullptr, u"view", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 200, 100), nullptr, 0));
    ASSERT_TRUE(bar.Create(nullptr, u"bar", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 120, 200, 160), nullptr, 0));
    ASSERT_TRUE(PaintedSoon("view") && PaintedSoon("bar"));
    QApplication::processEvents();
    g_paints.clear();

    view.m_pUpdateDuringPaint = &bar;
    view.Invalidate();
    view.UpdateWindow();
    ASSERT_GE(g_paints.size(), 2u);
    EXPECT_EQ(g_paints[0], "view:begin");
    EXPECT_EQ(g_paints[1], "view:end") << "the bar does not paint inside the view's paint";
    view.m_pUpdateDuringPaint = nullptr;
    EXPECT_TRUE(PaintedSoon("bar", 2)) << "the bar is painted in Qt's next pass";
    const QImage image = QtWidgetOf(view)->grab().toImage();
    EXPECT_EQ(image.pixelColor(100, 50), QColor(0, 128, 0)) << "the view's own paint is whole";

    view.DestroyWindow();
    bar.DestroyWindow();
    ShutdownQtBackend();
}
