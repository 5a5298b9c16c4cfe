// The one QApplication of a test program that uses Qt: made on first use and kept to the end of
// the process, because Qt objects that outlive the tests (fonts, the clipboard, peer widgets of
// static windows) must never see it destroyed first. It runs on Qt's offscreen platform unless
// told otherwise; a desktop run (QARVO_TEST_BACKEND=desktop) puts it on the X display that
// ctest handed the test as its "displays" resource, whose id is the display's number.
#pragma once

#include <QApplication>
#include <QByteArray>
#include <QDeadlineTimer>
#include <QThread>

#include <cstdio>
#include <cstdlib>

// Whether the test runs on an X display (QARVO_TEST_BACKEND=desktop) rather than offscreen.
inline bool QtTestOnDesktop() { return qgetenv("QARVO_TEST_BACKEND") == "desktop"; }

// The display of a desktop run; exits the test program when ctest handed it none.
inline QByteArray QtTestDesktopDisplay()
{
    const QByteArray resource = qgetenv("CTEST_RESOURCE_GROUP_0_DISPLAYS");  // "id:NN,slots:1"
    const qsizetype nId = resource.indexOf("id:");
    const qsizetype nEnd = resource.indexOf(',', nId);
    if (nId < 0) {
        std::fprintf(stderr, "A desktop test needs an X display from ctest's resources "
                             "(scripts/test.sh starts them).\n");
        std::exit(2);
    }
    return ":" + resource.mid(nId + 3, nEnd < 0 ? -1 : nEnd - nId - 3);
}

inline QApplication& QtTestApp()
{
    static QApplication* pApp = [] {
        if (auto* pExisting = qobject_cast<QApplication*>(QCoreApplication::instance()))
            return pExisting;
        if (QtTestOnDesktop()) {
            qputenv("DISPLAY", QtTestDesktopDisplay());
            qputenv("QT_QPA_PLATFORM", "xcb");
        } else if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        static int argc = 1;
        static char name[] = "qarvo-tests";
        static char* argv[] = {name, nullptr};
        return new QApplication(argc, argv);
    }();
    return *pApp;
}

// Qt's events until the condition holds: a window manager does what it is asked in its own time,
// seconds later on a busy machine. FALSE when the time (ten seconds unless told) went by without it.
template <typename Condition>
bool ProcessEventsUntil(Condition condition, int nMs = 10000)
{
    const QDeadlineTimer deadline(nMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(2);
    }
    return true;
}
