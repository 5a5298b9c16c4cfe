// The widget that shows one window of the layer. It mirrors the window's state as the layer
// tells it and turns Qt's events into the layer's messages, in client coordinates. Only the Qt
// backend and its tests see this header.
#pragma once

#include "platform/ui/NativeWindow.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class QPainter;
class QPainterSurface;
class QHelpEvent;
class QInputMethodEvent;
class QScrollBar;

class QtPeerWidget : public QWidget {
    Q_OBJECT

public:
    explicit QtPeerWidget(CWnd& wnd);
    ~QtPeerWidget() override;

    // The window shown; null once the window is gone and the widget waits to be freed.
    CWnd* Window() const { return m_pWnd; }
    // The window is gone: the widget hides, lets go of the mouse, handles no more events and is
    // freed when Qt's event loop next runs.
    void Detach();
    // The client area inside the widget.
    QRect ClientRect() const { return m_rectClient; }
    void SetClientRect(const QRect& rect);
    // The geometry the layer last gave the top-level window while it was neither maximised nor
    // minimised: what a restore returns to.
    void SetNormalGeometry(const QRect& rect) { m_rectNormal = rect; }
    // nBar: SB_HORZ or SB_VERT; the bar is made on its first use.
    void SetScrollBar(int nBar, const NativeScrollBar& bar);
    // The bar's widget; null until the window first set it.
    QScrollBar* ScrollBarWidget(int nBar) const { return m_pScrollBars[nBar]; }
    // The window's bars lie in its frame, above its child windows, which Qt does not clip to the
    // client area: a child reaching past it (an MDI client's document) would cover them.
    void RaiseScrollBars();
    DrawingSurface* PaintSurface() const;
    // Invalidations from the layer are ignored while a Qt paint hands its area to the layer.
    bool IsSyncingPaint() const { return m_bSyncingPaint; }
    // True while any peer's paint runs: Qt cannot paint another widget inside it.
    static bool IsAnyPainting();

protected:
    bool event(QEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseReleaseEvent(QMouseEvent* pEvent) override;
    void mouseDoubleClickEvent(QMouseEvent* pEvent) override;
    void mouseMoveEvent(QMouseEvent* pEvent) override;
    // The pointer left the widget: the window gets WM_MOUSELEAVE (every window does, as if it
    // tracked the pointer; those with no hover look ignore it).
    void leaveEvent(QEvent* pEvent) override;
    void wheelEvent(QWheelEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    void InputMethodMessage(QInputMethodEvent* pEvent);
    void ShowToolTip(QHelpEvent* pEvent);
    QRect WorkArea() const;
    bool Fits() const;
    bool IsAsLargeAsWorkArea() const;
    void FitRestored();
    void keyReleaseEvent(QKeyEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;
    void moveEvent(QMoveEvent* pEvent) override;
    void closeEvent(QCloseEvent* pEvent) override;
    void dragEnterEvent(QDragEnterEvent* pEvent) override;
    void dragMoveEvent(QDragMoveEvent* pEvent) override;
    void dragLeaveEvent(QDragLeaveEvent* pEvent) override;
    void dropEvent(QDropEvent* pEvent) override;
    bool focusNextPrevChild(bool) override { return false; }

private:
    void MouseMessage(QMouseEvent* pEvent, UINT nMessage);
    // The window answers HTTRANSPARENT at the event's point: the mouse is its parent's there.
    bool IsTransparentAt(CPoint ptClient) const;
    void KeyMessage(QKeyEvent* pEvent, bool bDown);
    void LayoutScrollBars();
    // Tells the window what the user did to its bar (nPos: the thumb's position).
    void ScrollMessage(int nBar, UINT nSBCode, int nPos);
    CPoint ClientPointOf(const QPointF& position) const;

    CWnd* m_pWnd;
    QRect m_rectClient;
    QRect m_rectNormal;
    // Restored from maximised and fitted by the layer; the window manager's own geometry for the
    // restored window has not come yet.
    bool m_bAwaitingRestore = false;
    bool m_bSyncingPaint = false;
    std::unique_ptr<QPainter> m_pPainter;
    std::unique_ptr<QPainterSurface> m_pSurface;
    QScrollBar* m_pScrollBars[2] = {nullptr, nullptr};   // children of this widget
};

// The INativeWindow of a window: owns its widget unless Qt deleted it with a parent first, and
// hands it to Qt to free when the window goes.
class QtNativeWindow : public INativeWindow {
public:
    explicit QtNativeWindow(CWnd& wnd);
    ~QtNativeWindow() override;

    QtPeerWidget* Widget() const { return m_pWidget.data(); }

    void SetGeometry(const RECT& rectWindow, const RECT& rectClient) override;
    void SetVisible(bool bVisible) override;
    void SetEnabled(bool bEnabled) override;
    void SetText(const CString& strText) override;
    void SetFont(const LOGFONT* pLogFont) override;
    void SetParent(INativeWindow* pParent) override;
    void StackUnder(INativeWindow* pAbove) override;
    void Invalidate(const RECT& rectClient) override;
    void UpdateNow() override;
    void SetCapture(bool bCapture) override;
    void SetFocus() override;
    void Activate() override;
    DrawingSurface* BeginPaint() override;
    void EndPaint() override;
    void SetScrollBar(int nBar, const NativeScrollBar& bar) override;
    void SetSizeLimits(const SIZE& sizeMin, const SIZE& sizeMax) override;

private:
    void KeepAboveOwner();
    static void RaiseOwnedWindows(const CWnd& wnd);

    CWnd& m_wnd;
    QPointer<QtPeerWidget> m_pWidget;
    QRect m_rectWindow;
};

// The widget showing a window, or null (no Qt backend, or no window).
QWidget* QtWidgetOf(const CWnd& wnd);
