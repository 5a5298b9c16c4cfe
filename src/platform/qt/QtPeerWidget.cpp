#include "platform/qt/QtPeerWidget.h"

#include "platform/core/FaceName.h"
#include "platform/gdi/DisplayDevice.h"
#include "platform/qt/QPainterSurface.h"
#include "platform/qt/QtDragDrop.h"
#include "platform/qt/QtKeyMap.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/WinThread.h"
#include "platform/ui/Wnd.h"

#include <QCloseEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>
#include <QWindow>

#include <algorithm>
#include <functional>
#include <utility>

namespace {

QRect ToQRect(const RECT& rect)
{
    return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

// Input goes through the thread's filters (pre-translation, accelerators) as queued messages do,
// and is followed by idle time as they are: a shortcut or a click that opened a document must
// bring the menus and bars up to date although nothing was posted.
BOOL Route(MSG& msg)
{
    CWinThread* pThread = AfxGetThread();
    if (!pThread) {
        DispatchMessage(&msg);
        return FALSE;
    }
    const BOOL bSwallowed = pThread->RouteMessage(msg);
    IWindowBackend* pBackend = AfxGetWindowBackend();
    if (pBackend && pThread->IsIdleMessage(&msg))
        pBackend->Wake();
    return bSwallowed;
}

int ShowStateOf(Qt::WindowStates states)
{
    if (states & Qt::WindowMinimized)
        return SW_SHOWMINIMIZED;
    if (states & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return SW_SHOWMAXIMIZED;
    return SW_SHOWNORMAL;
}

void SetModifierState(Qt::KeyboardModifiers modifiers)
{
    AfxSetKeyState(VK_SHIFT, modifiers.testFlag(Qt::ShiftModifier));
    AfxSetKeyState(VK_CONTROL, modifiers.testFlag(Qt::ControlModifier));
    AfxSetKeyState(VK_MENU, modifiers.testFlag(Qt::AltModifier));
}

void SetButtonState(Qt::MouseButtons buttons)
{
    AfxSetKeyState(VK_LBUTTON, buttons.testFlag(Qt::LeftButton));
    AfxSetKeyState(VK_RBUTTON, buttons.testFlag(Qt::RightButton));
    AfxSetKeyState(VK_MBUTTON, buttons.testFlag(Qt::MiddleButton));
}

DWORD MessageTime() { return DWORD(CMessageQueue::Get().Now()); }

// A captioned top-level window without a sizing frame (a dialog whose template has none) keeps
// the size the program gives it; the window manager is told by a least size equal to the
// greatest, and then offers neither resizing nor maximising.
bool HasFixedSize(const CWnd& wnd)
{
    const DWORD dwStyle = wnd.GetStyle();
    return !(dwStyle & WS_CHILD) && (dwStyle & WS_CAPTION) == WS_CAPTION && !(dwStyle & WS_THICKFRAME);
}

// Room a window manager's title bar and borders take around a window.
constexpr int kFrameRoom = 48;
constexpr int kBorderRoom = 8;

// A window's own scroll bar. A release of the mouse ends every scroll action, after the drag's
// final position, as the classic bars report it.
class PeerScrollBar : public QScrollBar {
public:
    PeerScrollBar(Qt::Orientation orientation, QWidget* pParent, std::function<void()> onEnd)
        : QScrollBar(orientation, pParent), m_onEnd(std::move(onEnd))
    {
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void mouseReleaseEvent(QMouseEvent* pEvent) override
    {
        QScrollBar::mouseReleaseEvent(pEvent);
        m_onEnd();
    }

private:
    std::function<void()> m_onEnd;
};

UINT ScrollCodeOf(int nAction)
{
    switch (nAction) {
    case QAbstractSlider::SliderSingleStepAdd:
        return SB_LINEDOWN;
    case QAbstractSlider::SliderSingleStepSub:
        return SB_LINEUP;
    case QAbstractSlider::SliderPageStepAdd:
        return SB_PAGEDOWN;
    case QAbstractSlider::SliderPageStepSub:
        return SB_PAGEUP;
    case QAbstractSlider::SliderToMinimum:
        return SB_TOP;
    case QAbstractSlider::SliderToMaximum:
        return SB_BOTTOM;
    default:
        return SB_THUMBTRACK;
    }
}

}  // namespace

QtPeerWidget::QtPeerWidget(CWnd& wnd) : m_pWnd(&wnd)
{
    setMouseTracking(true);
    // The layer decides the focus; Qt only follows it.
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Text composed in an input method (Chinese, for one) arrives as committed strings.
    setAttribute(Qt::WA_InputMethodEnabled);
    // Drops reach the window's drop target when it has one.
    setAcceptDrops(true);
}

CPoint QtPeerWidget::ClientPointOf(const QPointF& position) const
{
    return CPoint(position.toPoint().x() - m_rectClient.left(), position.toPoint().y() - m_rectClient.top());
}

void QtPeerWidget::dragEnterEvent(QDragEnterEvent* pEvent)
{
    if (m_pWnd)
        QtDragMove(*m_pWnd, *pEvent, ClientPointOf(pEvent->position()), true);
}

void QtPeerWidget::dragMoveEvent(QDragMoveEvent* pEvent)
{
    if (m_pWnd)
        QtDragMove(*m_pWnd, *pEvent, ClientPointOf(pEvent->position()), false);
}

void QtPeerWidget::dragLeaveEvent(QDragLeaveEvent*)
{
    if (m_pWnd)
        QtDragLeave(*m_pWnd);
}

void QtPeerWidget::dropEvent(QDropEvent* pEvent)
{
    if (m_pWnd)
        QtDrop(*m_pWnd, *pEvent, ClientPointOf(pEvent->position()));
}

QtPeerWidget::~QtPeerWidget() = default;

void QtPeerWidget::Detach()
{
    if (!m_pWnd)
        return;
    m_pWnd = nullptr;
    if (QWidget::mouseGrabber() == this)
        releaseMouse();
    hide();
    deleteLater();
}

DrawingSurface* QtPeerWidget::PaintSurface() const { return m_pSurface.get(); }

void QtPeerWidget::SetClientRect(const QRect& rect)
{
    m_rectClient = rect;
    LayoutScrollBars();
}

void QtPeerWidget::SetScrollBar(int nBar, const NativeScrollBar& bar)
{
    QScrollBar*& pBar = m_pScrollBars[nBar];
    if (!pBar) {
        if (!bar.bVisible)
            return;
        pBar = new PeerScrollBar(nBar == SB_VERT ? Qt::Vertical : Qt::Horizontal, this,
                                 [this, nBar] { ScrollMessage(nBar, SB_ENDSCROLL, 0); });
        connect(pBar, &QAbstractSlider::actionTriggered, this, [this, nBar, pBar](int nAction) {
            ScrollMessage(nBar, ScrollCodeOf(nAction), pBar->sliderPosition());
        });
        connect(pBar, &QAbstractSlider::sliderReleased, this, [this, nBar, pBar] {
            ScrollMessage(nBar, SB_THUMBPOSITION, pBar->sliderPosition());
        });
        LayoutScrollBars();
    }
    // The window's state is the truth: showing it must not echo back as a scroll action.
    const QSignalBlocker blocker(pBar);
    pBar->setRange(bar.nMin, bar.nMaxPos);
    pBar->setPageStep(std::max(1, bar.nPage));
    pBar->setValue(bar.nPos);
    pBar->setEnabled(bar.bEnabled);
    pBar->setVisible(bar.bVisible);
    pBar->raise();
}

void QtPeerWidget::RaiseScrollBars()
{
    for (QScrollBar* pBar : m_pScrollBars) {
        if (pBar)
            pBar->raise();
    }
}

void QtPeerWidget::LayoutScrollBars()
{
    const QRect& rc = m_rectClient;
    if (m_pScrollBars[SB_VERT])
        m_pScrollBars[SB_VERT]->setGeometry(rc.right() + 1, rc.top(), kScrollBarThickness,
                                            rc.height());
    if (m_pScrollBars[SB_HORZ])
        m_pScrollBars[SB_HORZ]->setGeometry(rc.left(), rc.bottom() + 1, rc.width(),
                                            kScrollBarThickness);
}

void QtPeerWidget::ScrollMessage(int nBar, UINT nSBCode, int nPos)
{
    if (!m_pWnd)
        return;
    if (nSBCode == SB_THUMBTRACK || nSBCode == SB_THUMBPOSITION)
        m_pWnd->SetScrollTrackPos(nBar, nPos);
    MSG msg = {m_pWnd, UINT(nBar == SB_VERT ? WM_VSCROLL : WM_HSCROLL),
               MAKEWPARAM(WORD(nSBCode), WORD(nPos)), 0, MessageTime(), {0, 0}};
    Route(msg);
}

bool QtPeerWidget::event(QEvent* pEvent)
{
    if (!m_pWnd)
        return QWidget::event(pEvent);
    // Tab belongs to the windows (dialogs move the focus themselves), not to Qt's focus chain.
    if (pEvent->type() == QEvent::KeyPress) {
        keyPressEvent(static_cast<QKeyEvent*>(pEvent));
        return true;
    }
    if (pEvent->type() == QEvent::InputMethod) {
        InputMethodMessage(static_cast<QInputMethodEvent*>(pEvent));
        return true;
    }
    if (pEvent->type() == QEvent::ToolTip) {
        ShowToolTip(static_cast<QHelpEvent*>(pEvent));
        return true;
    }
    // The title bar's buttons maximise, minimise and restore through the window manager: the
    // layer's state follows what the window shows.
    if (pEvent->type() == QEvent::WindowStateChange && isWindow() && IsWindow(m_pWnd)) {
        const Qt::WindowStates oldStates = static_cast<QWindowStateChangeEvent*>(pEvent)->oldState();
        m_pWnd->ShowStateChanged(ShowStateOf(windowState()));
        const bool bRestored = (oldStates & Qt::WindowMaximized) && ShowStateOf(windowState()) == SW_SHOWNORMAL;
        // The window manager's own geometry for the restored window comes before its state
        // change (xfwm4, icewm) or after it (openbox, or when Qt restores the window itself).
        // A window still at its maximised size awaits it; one as large as the work area has it.
        m_bAwaitingRestore = bRestored && !Fits() && !IsAsLargeAsWorkArea();
        if (bRestored && !Fits())
            FitRestored();
    }
    // The user (or the window manager) activated this window: the layer's WM_ACTIVATE follows.
    if (pEvent->type() == QEvent::WindowActivate && isWindow() && IsWindow(m_pWnd) &&
        m_pWnd->IsInputEnabled() && CWnd::GetActiveWindow() != m_pWnd)
        m_pWnd->SetActiveWindow(WA_ACTIVE);
    return QWidget::event(pEvent);
}

QRect QtPeerWidget::WorkArea() const
{
    const QScreen* pScreen = screen() ? screen() : QGuiApplication::primaryScreen();
    return pScreen ? pScreen->availableGeometry() : QRect();
}

// The window and its frame lie inside the work area, smaller than it.
bool QtPeerWidget::Fits() const
{
    const QRect work = WorkArea();
    return work.contains(frameGeometry()) && width() < work.width() && height() < work.height();
}

// The geometry a window manager restores a window to that was shown maximised from the start: the
// layer had sized it to the whole work area.
bool QtPeerWidget::IsAsLargeAsWorkArea() const
{
    const QRect work = WorkArea();
    return width() >= work.width() && height() >= work.height();
}

// A window shown maximised from the start has no smaller geometry of its own for the window
// manager to restore: it would restore the whole work area, its frame's title bar off the
// screen. A window whose frame stood partly off the work area (a window manager may clamp a move
// a few pixels past its edge) is restored there again. Each keeps its size and is moved onto the
// work area inside its frame; one larger than that gets three quarters of the work area, in its
// middle. The size is the window manager's own geometry for the restored window where that came
// already (xfwm4, icewm, which send it before the new state), else the layer's last normal one.
void QtPeerWidget::FitRestored()
{
    const QRect work = WorkArea();
    if (work.isEmpty())
        return;
    const QRect frame = frameGeometry();
    const bool bRestoredGeometry = frame != geometry() && !frame.contains(work);
    QRect rect = bRestoredGeometry ? geometry() : m_rectNormal;
    // The frame around that geometry, where the window manager drew it already.
    const QMargins frameRoom = bRestoredGeometry ? QMargins(geometry().left() - frame.left(), geometry().top() - frame.top(),
                                                            frame.right() - geometry().right(),
                                                            frame.bottom() - geometry().bottom())
                                                 : QMargins(kBorderRoom, kFrameRoom, kBorderRoom, kBorderRoom);
    const QRect room = work.marginsRemoved(frameRoom);
    if (rect.isEmpty() || rect.width() > room.width() || rect.height() > room.height()) {
        rect = QRect(0, 0, work.width() * 3 / 4, work.height() * 3 / 4);
        rect.moveCenter(work.center());
    } else {
        rect.moveTo(std::clamp(rect.left(), room.left(), room.right() + 1 - rect.width()),
                    std::clamp(rect.top(), room.top(), room.bottom() + 1 - rect.height()));
    }
    // Through the layer, whose geometry the widget follows.
    m_pWnd->SetWindowPos(nullptr, rect.x(), rect.y(), rect.width(), rect.height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void QtPeerWidget::ShowToolTip(QHelpEvent* pEvent)
{
    const QPoint ptClient = pEvent->pos() - m_rectClient.topLeft();
    const CString strTip = m_pWnd->ToolTipTextAt(CPoint(ptClient.x(), ptClient.y()));
    if (strTip.IsEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(pEvent->globalPos(),
                           QString::fromUtf16(strTip.GetString(), strTip.GetLength()), this);
}

namespace {

int s_nPaintsRunning = 0;

}  // namespace

bool QtPeerWidget::IsAnyPainting() { return s_nPaintsRunning > 0; }

void QtPeerWidget::paintEvent(QPaintEvent* pEvent)
{
    if (!m_pWnd)
        return;
    QPainter painter(this);
    if (m_rectClient != rect()) {
        // The border styles' frame around the client area.
        const QRegion frame = QRegion(rect()).subtracted(QRegion(m_rectClient));
        for (const QRect& rectPart : frame)
            painter.fillRect(rectPart, QColor(128, 128, 128));
    }
    QRect rectDirty = pEvent->rect().intersected(m_rectClient).translated(-m_rectClient.topLeft());
    if (rectDirty.isEmpty())
        return;
    m_bSyncingPaint = true;
    const CRect rectUpdate(rectDirty.left(), rectDirty.top(), rectDirty.right() + 1,
                           rectDirty.bottom() + 1);
    // Qt keeps no pixels of the area it asks for: the window erases its background there too,
    // or what it does not draw itself would show whatever the painter held before.
    m_pWnd->InvalidateRect(rectUpdate, TRUE);
    m_bSyncingPaint = false;

    painter.translate(m_rectClient.topLeft());
    painter.setClipRect(QRect(QPoint(0, 0), m_rectClient.size()));
    const SIZE size = {m_rectClient.width(), m_rectClient.height()};
    m_pSurface = std::make_unique<QPainterSurface>(painter, size, GetDisplayDevice().caps);
    ++s_nPaintsRunning;
    m_pWnd->SendMessage(WM_PAINT);
    --s_nPaintsRunning;
    m_pSurface.reset();
}

void QtPeerWidget::MouseMessage(QMouseEvent* pEvent, UINT nMessage)
{
    if (!m_pWnd)
        return;
    SetModifierState(pEvent->modifiers());
    SetButtonState(pEvent->buttons());
    CWnd* pTarget = m_pWnd;
    CPoint point(pEvent->position().toPoint().x() - m_rectClient.left(),
                 pEvent->position().toPoint().y() - m_rectClient.top());
    if (CWnd* pCapture = CWnd::GetCapture(); pCapture && pCapture != m_pWnd) {
        // The window holding the capture gets every mouse message, in its own coordinates.
        m_pWnd->ClientToScreen(&point);
        pCapture->ScreenToClient(&point);
        pTarget = pCapture;
    } else if (IsTransparentAt(point)) {
        // Left to Qt, which offers the event to the parent's widget next.
        pEvent->ignore();
        return;
    }
    if (nMessage == WM_MOUSEMOVE)
        pTarget->SendMessage(WM_SETCURSOR, WParamFromWnd(pTarget),
                             MAKELPARAM(WORD(HTCLIENT), WORD(WM_MOUSEMOVE)));
    if (!IsWindow(pTarget))
        return;
    MSG msg = {pTarget, nMessage, AfxGetMouseKeyFlags(), MakePointLParam(point), MessageTime(),
               {0, 0}};
    Route(msg);
}

bool QtPeerWidget::IsTransparentAt(CPoint ptClient) const
{
    CPoint ptScreen = ptClient;
    m_pWnd->ClientToScreen(&ptScreen);
    return !isWindow() && m_pWnd->SendMessage(WM_NCHITTEST, 0, MakePointLParam(ptScreen)) == HTTRANSPARENT;
}

void QtPeerWidget::mousePressEvent(QMouseEvent* pEvent)
{
    switch (pEvent->button()) {
    case Qt::LeftButton:
        MouseMessage(pEvent, WM_LBUTTONDOWN);
        break;
    case Qt::RightButton:
        MouseMessage(pEvent, WM_RBUTTONDOWN);
        break;
    case Qt::MiddleButton:
        MouseMessage(pEvent, WM_MBUTTONDOWN);
        break;
    default:
        break;
    }
}

void QtPeerWidget::mouseReleaseEvent(QMouseEvent* pEvent)
{
    switch (pEvent->button()) {
    case Qt::LeftButton:
        MouseMessage(pEvent, WM_LBUTTONUP);
        break;
    case Qt::RightButton:
        MouseMessage(pEvent, WM_RBUTTONUP);
        if (m_pWnd && IsWindow(m_pWnd)) {
            // A right-button release asks for the context menu, at the screen position.
            const QPoint global = pEvent->globalPosition().toPoint();
            m_pWnd->SendMessage(WM_CONTEXTMENU, WParamFromWnd(m_pWnd),
                              MAKELPARAM(WORD(global.x()), WORD(global.y())));
        }
        break;
    case Qt::MiddleButton:
        MouseMessage(pEvent, WM_MBUTTONUP);
        break;
    default:
        break;
    }
}

void QtPeerWidget::mouseDoubleClickEvent(QMouseEvent* pEvent)
{
    if (pEvent->button() == Qt::LeftButton)
        MouseMessage(pEvent, WM_LBUTTONDBLCLK);
    else if (pEvent->button() == Qt::RightButton)
        MouseMessage(pEvent, WM_RBUTTONDBLCLK);
}

void QtPeerWidget::mouseMoveEvent(QMouseEvent* pEvent) { MouseMessage(pEvent, WM_MOUSEMOVE); }

void QtPeerWidget::leaveEvent(QEvent* pEvent)
{
    if (m_pWnd && IsWindow(m_pWnd))
        m_pWnd->SendMessage(WM_MOUSELEAVE);
    QWidget::leaveEvent(pEvent);
}

void QtPeerWidget::wheelEvent(QWheelEvent* pEvent)
{
    if (!m_pWnd)
        return;
    SetModifierState(pEvent->modifiers());
    SetButtonState(pEvent->buttons());
    // The wheel turns what has the focus while the pointer is over it (or over a window inside
    // it); over another window, that window: the palette beside a diagram that has the keyboard
    // scrolls the palette, not the diagram.
    CWnd* pFocus = CWnd::GetFocus();
    CWnd* pTarget = pFocus && (pFocus == m_pWnd || pFocus->IsChild(m_pWnd)) ? pFocus : m_pWnd;
    const QPoint global = pEvent->globalPosition().toPoint();
    MSG msg = {pTarget, WM_MOUSEWHEEL,
               MAKEWPARAM(WORD(AfxGetMouseKeyFlags()), WORD(SHORT(pEvent->angleDelta().y()))),
               MAKELPARAM(WORD(global.x()), WORD(global.y())), MessageTime(), {0, 0}};
    Route(msg);
}

void QtPeerWidget::KeyMessage(QKeyEvent* pEvent, bool bDown)
{
    if (!m_pWnd)
        return;
    SetModifierState(pEvent->modifiers());
    const bool bKeypad = pEvent->modifiers().testFlag(Qt::KeypadModifier);
    const UINT nVirtKey = VirtualKeyFromQtKey(pEvent->key(), bKeypad);
    if (nVirtKey)
        AfxSetKeyState(int(nVirtKey), bDown);
    CWnd* pTarget = CWnd::GetFocus() ? CWnd::GetFocus() : m_pWnd;
    const bool bAlt = pEvent->modifiers().testFlag(Qt::AltModifier);
    // lParam: repeat count 1, the context code (Alt) in bit 29, the previous state in bit 30,
    // the transition in bit 31.
    LPARAM lParam = 1;
    if (bAlt)
        lParam |= LPARAM(1) << 29;
    if (!bDown || pEvent->isAutoRepeat())
        lParam |= LPARAM(1) << 30;
    if (!bDown)
        lParam |= LPARAM(1) << 31;
    if (nVirtKey) {
        const UINT nMessage = bAlt ? (bDown ? WM_SYSKEYDOWN : WM_SYSKEYUP)
                                   : (bDown ? WM_KEYDOWN : WM_KEYUP);
        MSG msg = {pTarget, nMessage, nVirtKey, lParam, MessageTime(), {0, 0}};
        if (Route(msg) || !bDown)
            return;
    } else if (!bDown) {
        return;
    }
    if (!IsWindow(pTarget))
        return;
    for (QChar ch : TypedCharacters(*pEvent, nVirtKey)) {
        MSG msg = {pTarget, bAlt ? WM_SYSCHAR : WM_CHAR, ch.unicode(), lParam, MessageTime(),
                   {0, 0}};
        Route(msg);
        if (!IsWindow(pTarget))
            break;
    }
}

// Each committed character goes to the focus window as WM_IME_CHAR, as an input method editor
// hands over what the user composed.
void QtPeerWidget::InputMethodMessage(QInputMethodEvent* pEvent)
{
    CWnd* pTarget = CWnd::GetFocus() ? CWnd::GetFocus() : m_pWnd;
    for (QChar ch : pEvent->commitString()) {
        if (!IsWindow(pTarget))
            break;
        MSG msg = {pTarget, WM_IME_CHAR, ch.unicode(), 1, MessageTime(), {0, 0}};
        Route(msg);
    }
    pEvent->accept();
}

void QtPeerWidget::keyPressEvent(QKeyEvent* pEvent) { KeyMessage(pEvent, true); }
void QtPeerWidget::keyReleaseEvent(QKeyEvent* pEvent) { KeyMessage(pEvent, false); }

void QtPeerWidget::resizeEvent(QResizeEvent* pEvent)
{
    if (!m_pWnd)
        return;
    // The user (or the window manager) resized a top-level window: the layer takes the new size.
    CRect rectWindow;
    m_pWnd->GetWindowRect(rectWindow);
    if (isWindow() && (rectWindow.Width() != width() || rectWindow.Height() != height()))
        m_pWnd->SetWindowPos(nullptr, 0, 0, width(), height(),
                           SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The window manager's first size after a restore is its own geometry for the restored
    // window: fitted when it is the whole work area, kept as it is otherwise.
    if (m_bAwaitingRestore && pEvent->spontaneous()) {
        m_bAwaitingRestore = false;
        if (ShowStateOf(windowState()) == SW_SHOWNORMAL && IsAsLargeAsWorkArea())
            FitRestored();
    }
}

void QtPeerWidget::moveEvent(QMoveEvent*)
{
    if (!m_pWnd)
        return;
    // The layer's window is the widget's geometry (its own frame is drawn inside); the native
    // frame of a window manager lies outside it, where x() and y() would count it.
    CRect rectWindow;
    m_pWnd->GetWindowRect(rectWindow);
    const QPoint pos = geometry().topLeft();
    if (isWindow() && rectWindow.TopLeft() != CPoint(pos.x(), pos.y()))
        m_pWnd->SetWindowPos(nullptr, pos.x(), pos.y(), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void QtPeerWidget::closeEvent(QCloseEvent* pEvent)
{
    // The window decides: WM_CLOSE destroys it (and so the widget) unless a handler refuses.
    // A disabled window (the owner of a modal dialog) cannot be closed, as on the classic
    // system: the dialog would be left running on a window that is gone.
    pEvent->ignore();
    if (m_pWnd && m_pWnd->IsInputEnabled())
        m_pWnd->SendMessage(WM_CLOSE);
}

// ---- QtNativeWindow ----

QtNativeWindow::QtNativeWindow(CWnd& wnd) : m_wnd(wnd), m_pWidget(new QtPeerWidget(wnd)) {}

// Qt may still hold the widget while the window goes (an activation change that runs the
// window's handlers keeps the old and the new active window in its lists): it is only cut off
// from the window here and freed when Qt is back in its event loop.
QtNativeWindow::~QtNativeWindow()
{
    if (m_pWidget)
        m_pWidget->Detach();
}

void QtNativeWindow::SetGeometry(const RECT& rectWindow, const RECT& rectClient)
{
    if (!m_pWidget)
        return;
    QRect rect = ToQRect(rectWindow);
    if (auto* pParent = qobject_cast<QtPeerWidget*>(m_pWidget->parentWidget()))
        rect.translate(pParent->ClientRect().topLeft());
    m_pWidget->SetClientRect(ToQRect(rectClient));
    if (m_pWidget->isWindow() && !m_wnd.IsZoomed() && !m_wnd.IsIconic())
        m_pWidget->SetNormalGeometry(rect);
    // The size goes first: a fixed window's old limits would hold the new size back.
    if (m_pWidget->isWindow() && HasFixedSize(m_wnd))
        m_pWidget->setFixedSize(rect.size());
    m_pWidget->setGeometry(rect);
    m_pWidget->update();
}

void QtNativeWindow::SetVisible(bool bVisible)
{
    if (!m_pWidget)
        return;
    const CWnd& wnd = m_wnd;
    if (!bVisible || !m_pWidget->isWindow()) {
        m_pWidget->setVisible(bVisible);
        return;
    }
    KeepAboveOwner();
    // A modal dialog blocks the program's other windows in Qt as well: a click on its owner
    // activates the dialog again, and the window manager keeps it above the owner's windows.
    if (const auto* pDialog = dynamic_cast<const CDialog*>(&wnd))
        m_pWidget->setWindowModality(pDialog->IsModal() ? Qt::ApplicationModal : Qt::NonModal);
    // The layer has already sized a maximised window to the work area; a window manager, where
    // there is one, is told as well so that it keeps the window maximised under its own frame.
    if (wnd.IsZoomed())
        m_pWidget->showMaximized();
    else
        m_pWidget->show();
    // A captioned window (a frame, a dialog) takes the keyboard when it appears, as it does on
    // the classic system; without a window manager nothing else would give it the focus.
    if ((wnd.GetStyle() & WS_CAPTION) == WS_CAPTION)
        m_pWidget->activateWindow();
}

void QtNativeWindow::SetEnabled(bool bEnabled)
{
    if (m_pWidget)
        m_pWidget->setEnabled(bEnabled);
}

void QtNativeWindow::SetText(const CString& strText)
{
    if (m_pWidget)
        m_pWidget->setWindowTitle(QString::fromUtf16(strText.GetString(), strText.GetLength()));
}

void QtNativeWindow::SetFont(const LOGFONT* pLogFont)
{
    if (!m_pWidget)
        return;
    if (!pLogFont) {
        m_pWidget->setFont(QFont());
        return;
    }
    QFont font;
    if (const std::u16string_view face = FaceNameOf(*pLogFont); !face.empty())
        font.setFamily(QString::fromUtf16(face.data(), qsizetype(face.size())));
    if (pLogFont->lfHeight != 0)
        font.setPixelSize(std::abs(int(pLogFont->lfHeight)));
    font.setWeight(pLogFont->lfWeight >= 600 ? QFont::Bold : QFont::Normal);
    font.setItalic(pLogFont->lfItalic != 0);
    font.setUnderline(pLogFont->lfUnderline != 0);
    m_pWidget->setFont(font);
}

void QtNativeWindow::SetParent(INativeWindow* pParent)
{
    if (!m_pWidget)
        return;
    const bool bVisible = m_wnd.GetStyle() & WS_VISIBLE;
    auto* pParentWindow = static_cast<QtNativeWindow*>(pParent);
    m_pWidget->setParent(pParentWindow ? pParentWindow->Widget() : nullptr);
    m_pWidget->setVisible(bVisible);
}

void QtNativeWindow::StackUnder(INativeWindow* pAbove)
{
    if (!m_pWidget)
        return;
    auto* pAboveWindow = static_cast<QtNativeWindow*>(pAbove);
    if (pAboveWindow && pAboveWindow->Widget()) {
        m_pWidget->stackUnder(pAboveWindow->Widget());
    } else {
        m_pWidget->raise();
        if (m_pWidget->isWindow())
            RaiseOwnedWindows(m_wnd);
    }
    if (auto* pParent = qobject_cast<QtPeerWidget*>(m_pWidget->parentWidget()))
        pParent->RaiseScrollBars();
}

// An owned window stays above its owner. A window manager keeps it there by the transient hint;
// without one, nothing would.
void QtNativeWindow::KeepAboveOwner()
{
    CWnd* pOwner = m_wnd.GetWindow(GW_OWNER);
    QWidget* pOwnerWidget = pOwner ? QtWidgetOf(*pOwner) : nullptr;
    if (!pOwnerWidget)
        return;
    m_pWidget->winId();
    pOwnerWidget->winId();
    m_pWidget->windowHandle()->setTransientParent(pOwnerWidget->windowHandle());
}

// Raises the shown windows that wnd owns over it, each with its own owned windows over it, in
// the layer's order among themselves.
void QtNativeWindow::RaiseOwnedWindows(const CWnd& wnd)
{
    for (CWnd* pWnd = wnd.GetWindow(GW_HWNDLAST); pWnd; pWnd = pWnd->GetWindow(GW_HWNDPREV)) {
        QWidget* pWidget = pWnd->GetWindow(GW_OWNER) == &wnd ? QtWidgetOf(*pWnd) : nullptr;
        if (pWidget && pWidget->isVisible()) {
            pWidget->raise();
            RaiseOwnedWindows(*pWnd);
        }
    }
}

void QtNativeWindow::Invalidate(const RECT& rectClient)
{
    if (m_pWidget && !m_pWidget->IsSyncingPaint())
        m_pWidget->update(ToQRect(rectClient).translated(m_pWidget->ClientRect().topLeft()));
}

void QtNativeWindow::UpdateNow()
{
    if (!m_pWidget)
        return;
    CRect rect;
    if (!m_wnd.GetUpdateRect(rect))
        return;
    if (QtPeerWidget::IsAnyPainting()) {
        // A window updated from inside another's paint (a bar refreshed by the simulation scan)
        // would break the painter that paint holds: it is painted in Qt's next pass instead.
        m_pWidget->update(ToQRect(rect).translated(m_pWidget->ClientRect().topLeft()));
        return;
    }
    m_pWidget->repaint(ToQRect(rect).translated(m_pWidget->ClientRect().topLeft()));
    // Qt may decline to paint (no backing store yet); the layer's paint runs anyway.
    if (m_pWidget && m_wnd.GetUpdateRect(nullptr))
        m_wnd.SendMessage(WM_PAINT);
}

void QtNativeWindow::SetCapture(bool bCapture)
{
    if (!m_pWidget || !m_pWidget->isVisible())
        return;
    if (bCapture)
        m_pWidget->grabMouse();
    else
        m_pWidget->releaseMouse();
}

void QtNativeWindow::SetFocus()
{
    if (!m_pWidget)
        return;
    m_pWidget->setFocus(Qt::OtherFocusReason);
    // The focus made its top-level window the layer's active one; Qt's follows, so that the
    // next window the user activates is reported.
    QWidget* pTop = m_pWidget->window();
    CWnd* pActive = CWnd::GetActiveWindow();
    if (pTop->isVisible() && !pTop->isActiveWindow() && pActive && QtWidgetOf(*pActive) == pTop)
        pTop->activateWindow();
}

// A minimised window is left so: the window manager's activation would restore it.
void QtNativeWindow::Activate()
{
    if (m_pWidget && m_pWidget->isWindow() && m_pWidget->isVisible() && !m_pWidget->isMinimized() &&
        !m_pWidget->isActiveWindow())
        m_pWidget->activateWindow();
}

DrawingSurface* QtNativeWindow::BeginPaint()
{
    return m_pWidget ? m_pWidget->PaintSurface() : nullptr;
}

void QtNativeWindow::EndPaint() {}

void QtNativeWindow::SetScrollBar(int nBar, const NativeScrollBar& bar)
{
    if (m_pWidget)
        m_pWidget->SetScrollBar(nBar, bar);
}

void QtNativeWindow::SetSizeLimits(const SIZE& sizeMin, const SIZE& sizeMax)
{
    if (!m_pWidget || !m_pWidget->isWindow() || HasFixedSize(m_wnd))
        return;
    const auto limit = [](LONG n) { return n >= MINMAXINFO_NO_LIMIT ? QWIDGETSIZE_MAX : int(n); };
    m_pWidget->setMinimumSize(int(sizeMin.cx), int(sizeMin.cy));
    m_pWidget->setMaximumSize(limit(sizeMax.cx), limit(sizeMax.cy));
}

QWidget* QtWidgetOf(const CWnd& wnd)
{
    auto* pNative = dynamic_cast<QtNativeWindow*>(wnd.GetNativeWindow());
    return pNative ? pNative->Widget() : nullptr;
}
