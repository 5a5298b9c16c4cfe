// The one QApplication of a test program that uses Qt: made on first use and kept to the end of
// the process, because Qt objects that outlive the tests (fonts, the clipboard, peer widgets of
// static windows) must never see it destroyed first.
#pragma once

#include <QApplication>

inline QApplication& QtTestApp()
{
    static QApplication* pApp = [] {
        if (auto* pExisting = qobject_cast<QApplication*>(QCoreApplication::instance()))
            return pExisting;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "qarvo-tests";
        static char* argv[] = {name, nullptr};
        return new QApplication(argc, argv);
    }();
    return *pApp;
}
