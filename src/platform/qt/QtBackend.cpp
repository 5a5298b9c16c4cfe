#include "platform/qt/QtBackend.h"

#include "platform/gdi/DisplayDevice.h"
#include "platform/qt/QPainterSurface.h"
#include "platform/qt/QtDragDrop.h"
#include "platform/qt/QtPeerWidget.h"
#include "platform/qt/QtShadedOwners.h"
#include "platform/qt/QtTaskbarHints.h"
#include "platform/ui/BusyWait.h"
#include "platform/ui/WinThread.h"
#include "platform/ui/Wnd.h"

#include <QApplication>
#include <QCursor>
#include <QEventLoop>
#include <QScreen>
#include <QStyleHints>
#include <QTimer>

#include <atomic>

namespace {

// The program's own cursor resources, shown as the nearest Qt shapes.
Qt::CursorShape ResourceShapeOf(UINT nID)
{
    static constexpr struct {
        UINT nID;
        Qt::CursorShape shape;
    } kResources[] = {
        {191, Qt::CrossCursor},          // drawing a wire
        {192, Qt::PointingHandCursor},   // a wire can be hooked on the pin under it
        {167, Qt::SplitHCursor},         // cutting a wire into a connector pair, joining one
        {232, Qt::IBeamCursor},          // placing a comment box
        {4509, Qt::DragCopyCursor},      // placing a block from the palette
    };
    for (const auto& entry : kResources) {
        if (entry.nID == nID)
            return entry.shape;
    }
    return Qt::ArrowCursor;
}

Qt::CursorShape ShapeOf(HCURSOR hCursor)
{
    if (!hCursor)
        return Qt::ArrowCursor;
    if (!hCursor->bStandard)
        return ResourceShapeOf(hCursor->nID);
    static constexpr struct {
        UINT nID;
        Qt::CursorShape shape;
    } kShapes[] = {
        {IDC_ARROW, Qt::ArrowCursor},        {IDC_IBEAM, Qt::IBeamCursor},
        {IDC_WAIT, Qt::WaitCursor},          {IDC_CROSS, Qt::CrossCursor},
        {IDC_UPARROW, Qt::UpArrowCursor},    {IDC_SIZENWSE, Qt::SizeFDiagCursor},
        {IDC_SIZENESW, Qt::SizeBDiagCursor}, {IDC_SIZEWE, Qt::SizeHorCursor},
        {IDC_SIZENS, Qt::SizeVerCursor},     {IDC_SIZEALL, Qt::SizeAllCursor},
        {IDC_NO, Qt::ForbiddenCursor},       {IDC_HAND, Qt::PointingHandCursor},
        {IDC_APPSTARTING, Qt::BusyCursor},   {IDC_HELP, Qt::WhatsThisCursor},
    };
    for (const auto& entry : kShapes) {
        if (entry.nID == hCursor->nID)
            return entry.shape;
    }
    return Qt::ArrowCursor;
}

// What the window manager makes of a top-level window. A popup without a caption (the value
// editor laid over an element, a slider under a value) is drawn by the layer alone: no native
// frame, title or buttons, and no entry of its own in the desktop's task list. A window with an
// owner (a dialog, a sheet, a floating bar) is a transient one that the window manager keeps
// above its owner. A captioned window gets the title bar's minimise and maximise buttons only
// where its styles have them (a dialog's template says so), and always the close button.
Qt::WindowFlags TopLevelFlags(const CWnd& wnd)
{
    const DWORD dwStyle = wnd.GetStyle();
    if ((dwStyle & WS_POPUP) && (dwStyle & WS_CAPTION) != WS_CAPTION)
        return Qt::Tool | Qt::FramelessWindowHint;
    if (wnd.GetExStyle() & WS_EX_TOOLWINDOW)
        return Qt::Tool;
    Qt::WindowFlags flags = wnd.GetWindow(GW_OWNER) ? Qt::Dialog : Qt::Window;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (dwStyle & WS_MINIMIZEBOX)
        flags |= Qt::WindowMinimizeButtonHint;
    if (dwStyle & WS_MAXIMIZEBOX)
        flags |= Qt::WindowMaximizeButtonHint;
    return flags;
}

class QtWindowBackend : public IWindowBackend {
public:
    QtWindowBackend()
    {
        m_timer.setSingleShot(true);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Pump(); });
    }

    std::unique_ptr<INativeWindow> CreatePeer(CWnd& wnd) override
    {
        auto pNative = std::make_unique<QtNativeWindow>(wnd);
        QtPeerWidget* pWidget = pNative->Widget();
        if ((wnd.GetStyle() & WS_CHILD) && wnd.GetParent()) {
            if (QWidget* pParent = QtWidgetOf(*wnd.GetParent()))
                pWidget->setParent(pParent);
        } else {
            pWidget->setWindowFlags(TopLevelFlags(wnd));
        }
        // Hidden until the layer shows it, even when its parent is shown.
        pWidget->hide();
        return pNative;
    }

    void Wake() override
    {
        if (m_bPumpQueued.exchange(true))
            return;
        QMetaObject::invokeMethod(&m_timer, [this] { Pump(); }, Qt::QueuedConnection);
    }

    int RunLoop(CWinThread&) override
    {
        QEventLoop loop;
        m_pLoop = &loop;
        Wake();
        const int nCode = loop.exec();
        m_pLoop = nullptr;
        return nCode;
    }

    void SetCursor(HCURSOR hCursor) override
    {
        // The cursor shows over the window under the mouse (or the one holding the capture).
        CWnd* pWnd = CWnd::GetCapture();
        QWidget* pWidget = pWnd ? QtWidgetOf(*pWnd) : QApplication::widgetAt(QCursor::pos());
        if (pWidget)
            pWidget->setCursor(ShapeOf(hCursor));
    }

    CPoint GetCursorPos() const override
    {
        const QPoint pt = QCursor::pos();
        return CPoint(pt.x(), pt.y());
    }

    void SetCursorPos(CPoint ptScreen) override { QCursor::setPos(ptScreen.x, ptScreen.y); }

    UINT GetWheelScrollLines() const override
    {
        const int nLines = QGuiApplication::styleHints()->wheelScrollLines();
        return nLines > 0 ? UINT(nLines) : 3;
    }

    CRect GetWorkArea() const override
    {
        const QScreen* pScreen = QGuiApplication::primaryScreen();
        if (!pScreen)
            return CRect();
        const QRect rect = pScreen->availableGeometry();
        return CRect(rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height());
    }

private:
    void Pump()
    {
        m_bPumpQueued = false;
        // A busy wait holds the layer's messages and timers back; it wakes the pump when done.
        if (CBusyWait::IsRunning())
            return;
        CMessageQueue& queue = CMessageQueue::Get();
        CWinThread* pThread = AfxGetThread();
        if (pThread) {
            pThread->PumpPending();
            if (pThread->IsQuitReceived()) {
                if (m_pLoop)
                    m_pLoop->exit(pThread->GetExitCode());
                return;
            }
            pThread->RunIdle();
        } else {
            MSG msg;
            while (queue.Take(msg)) {
                if (msg.message == WM_QUIT) {
                    if (m_pLoop)
                        m_pLoop->exit(int(msg.wParam));
                    return;
                }
                DispatchMessage(&msg);
            }
        }
        if (const std::optional<ULONGLONG> nDue = queue.NextTimerDue()) {
            const ULONGLONG nNow = queue.Now();
            m_timer.start(int(*nDue > nNow ? *nDue - nNow : 0));
        }
    }

    QTimer m_timer;
    std::atomic<bool> m_bPumpQueued{false};
    QEventLoop* m_pLoop = nullptr;
};

std::unique_ptr<QtWindowBackend>& Instance()
{
    static std::unique_ptr<QtWindowBackend> s_pBackend;
    return s_pBackend;
}

std::unique_ptr<QApplication>& OwnApplication()
{
    static std::unique_ptr<QApplication> s_pApp;
    return s_pApp;
}

}  // namespace

void InitQtBackend(int& argc, char** argv)
{
    if (!QCoreApplication::instance())
        OwnApplication() = std::make_unique<QApplication>(argc, argv);
    InitQtBackend();
}

void InitQtBackend()
{
    if (Instance())
        return;
    QPainterSurface::InstallAsDisplay();
    Instance() = std::make_unique<QtWindowBackend>();
    AfxSetWindowBackend(Instance().get());
    WatchShadedOwners();
    KeepOwnedWindowsOffTheTaskbar();
    AfxSetDragLoop(RunQtDrag);
    CBusyWait::SetBackend(
        [](const std::function<bool()>& bDone) {
            // Paints, resizes and the wake go on; clicks and keys wait for the end.
            while (!bDone())
                QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents);
        },
        [] {
            if (QCoreApplication* pApp = QCoreApplication::instance())
                QMetaObject::invokeMethod(pApp, [] {}, Qt::QueuedConnection);
        });
}

void ShutdownQtBackend()
{
    // The widgets of windows destroyed since the event loop last ran are freed first.
    if (QCoreApplication::instance())
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    CBusyWait::SetBackend(nullptr, nullptr);
    AfxSetDragLoop(nullptr);
    StopWatchingShadedOwners();
    StopKeepingOwnedWindowsOffTheTaskbar();
    AfxSetWindowBackend(nullptr);
    ResetDisplayDevice();
    Instance().reset();
    OwnApplication().reset();
}
