#include "platform/qt/QtTaskbarHints.h"

#include "platform/qt/QtXcb.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <memory>

namespace {

// Qt sends a window's show event before it maps the window, and merges the state a window
// carries then with its own: the hint is set on each show, as a window manager drops the state
// of a window that was hidden.
class TaskbarHints : public QObject {
public:
    explicit TaskbarHints(xcb_connection_t* pConnection)
        : m_pConnection(pConnection), m_atomState(InternAtom(pConnection, "_NET_WM_STATE")),
          m_atomSkip(InternAtom(pConnection, "_NET_WM_STATE_SKIP_TASKBAR"))
    {
    }

protected:
    bool eventFilter(QObject* pObject, QEvent* pEvent) override
    {
        if (pEvent->type() == QEvent::Show && pObject->isWidgetType()) {
            auto* pWidget = static_cast<QWidget*>(pObject);
            if (IsOwned(*pWidget))
                SkipTaskbar(xcb_window_t(pWidget->winId()));
        }
        return false;
    }

private:
    // A layer's window names its owner as its transient parent; Qt's own dialogs have a parent.
    static bool IsOwned(const QWidget& widget)
    {
        return widget.isWindow() && (widget.parentWidget() || (widget.windowHandle() &&
                                                                widget.windowHandle()->transientParent()));
    }

    void SkipTaskbar(xcb_window_t window) const
    {
        if (m_atomState == XCB_ATOM_NONE || m_atomSkip == XCB_ATOM_NONE)
            return;
        if (AtomListHolds(m_pConnection, window, m_atomState, m_atomSkip))
            return;
        xcb_change_property(m_pConnection, XCB_PROP_MODE_APPEND, window, m_atomState, XCB_ATOM_ATOM, 32, 1,
                            &m_atomSkip);
        xcb_flush(m_pConnection);
    }

    xcb_connection_t* m_pConnection;
    xcb_atom_t m_atomState;
    xcb_atom_t m_atomSkip;
};

std::unique_ptr<TaskbarHints>& Hints()
{
    static std::unique_ptr<TaskbarHints> s_pHints;
    return s_pHints;
}

}  // namespace

void KeepOwnedWindowsOffTheTaskbar()
{
    xcb_connection_t* pConnection = XcbConnection();
    if (Hints() || !pConnection || !qApp)
        return;
    Hints() = std::make_unique<TaskbarHints>(pConnection);
    qApp->installEventFilter(Hints().get());
}

void StopKeepingOwnedWindowsOffTheTaskbar()
{
    if (!Hints())
        return;
    if (qApp)
        qApp->removeEventFilter(Hints().get());
    Hints().reset();
}
