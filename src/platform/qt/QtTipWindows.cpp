#include "platform/qt/QtTipWindows.h"

#include "platform/qt/QtPeerWidget.h"
#include "platform/ui/TipWindow.h"

#include <QWidget>

namespace {

class QtTipWindowBackend : public ITipWindowBackend {
public:
    void MakeTipWindow(CWnd& wnd) override
    {
        QWidget* pWidget = QtWidgetOf(wnd);
        if (!pWidget)
            return;
        // Changing the flags hides the widget; the layer shows it again when the tip shows.
        const bool bVisible = pWidget->isVisible();
        pWidget->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
        pWidget->setAttribute(Qt::WA_ShowWithoutActivating);
        pWidget->setVisible(bVisible);
    }
};

QtTipWindowBackend g_tipBackend;

} // namespace

void InitQtTipWindows() { AfxSetTipWindowBackend(&g_tipBackend); }

void ShutdownQtTipWindows()
{
    if (AfxGetTipWindowBackend() == &g_tipBackend)
        AfxSetTipWindowBackend(nullptr);
}
