// The user's clicks and keys as Qt delivers them to a widget, and the fixture of a test suite
// whose windows are Qt widgets.
#pragma once

#include "platform/qt/QtBackend.h"
#include "support/QtTestApp.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include <gtest/gtest.h>

// A left click at a point of the widget.
inline void QtClick(QWidget* pWidget, QPointF point)
{
    QMouseEvent press(QEvent::MouseButtonPress, point, pWidget->mapToGlobal(point), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(pWidget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, point, pWidget->mapToGlobal(point), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(pWidget, &release);
}

// A left click in the middle of the widget.
inline void QtClick(QWidget* pWidget)
{
    QtClick(pWidget, QRectF(pWidget->rect()).center());
}

// A key pressed and let go over the widget.
inline void QtType(QWidget* pWidget, Qt::Key key, const QString& strText)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, strText);
    QApplication::sendEvent(pWidget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, strText);
    QApplication::sendEvent(pWidget, &release);
}

// The suite's windows are Qt widgets: the backend is set up once for the suite.
class QtBackendSuite : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        QtTestApp();
        InitQtBackend();
    }
    static void TearDownTestSuite() { ShutdownQtBackend(); }
};
