// The Qt side of the standard controls: for each control the layer creates, a real Qt widget
// inside the window's peer widget. The widget only shows the control's state (re-read on every
// change) and turns the user's input into the control's own operations, so that the C++ state
// stays the one truth and the parent gets the classic notifications. Keys reach the layer first
// (as WM_KEYDOWN and WM_CHAR through the thread's filters), so dialog keys and the program's
// key handlers work as on the classic system.
#pragma once

#include "platform/ui/ControlWnd.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class QKeyEvent;
class QMouseEvent;

class QtControlView : public IControlView {
public:
    // The widget fills the window's peer and takes the focus the layer gives the peer.
    QtControlView(CWnd& wnd, QWidget* pWidget);
    ~QtControlView() override;

    void Refresh() final;

protected:
    // Shows the control's state in the widget (its signals are blocked meanwhile).
    virtual void Sync() = 0;
    // Keys the widget handles itself instead of the layer: those of a native editor whose
    // editing the layer does not model (the caret in a combo's edit, a date's fields). None by
    // default.
    virtual bool KeepsKey(const QKeyEvent&) const { return false; }
    // An event the view handles in the widget's stead (TRUE when it did): the ways into a
    // native editor that would bypass the control's own rules. None by default.
    virtual bool TakesEvent(QEvent&) { return false; }
    // Sends a Qt key event to the layer instead of the widget: the peer turns it into the
    // layer's key messages for the window with the focus.
    bool ForwardKey(QEvent* pEvent);
    // The user focused the widget (a click): the layer's focus follows.
    void FollowFocus();
    // The mouse moved over the widget: the window's filters (a tip window's relay) see it as
    // WM_MOUSEMOVE; the widget handles the move itself.
    void ForwardMouseMove(const QMouseEvent& event);

    // Whether the view still lives. A handler of the widget's signals holds a copy: the control
    // it calls may destroy its window (a choice that closes the dialog) and the view with it,
    // and the widget may signal again before Qt frees it.
    using LifeToken = std::shared_ptr<const bool>;
    LifeToken Life() const { return m_pAlive; }

    CWnd& m_wnd;
    QPointer<QWidget> m_pWidget;

private:
    class EventFilter;
    EventFilter* m_pFilter = nullptr;
    std::shared_ptr<bool> m_pAlive = std::make_shared<bool>(true);
};

// Installs the view factory for the standard controls (call once, after InitQtBackend).
void InitQtControls();
