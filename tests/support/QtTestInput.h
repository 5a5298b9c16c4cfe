// The user's clicks and keys as Qt delivers them to a widget, and the fixture of a test suite
// whose windows are Qt widgets.
#pragma once

#include "platform/qt/QtBackend.h"
#include "platform/qt/QtControlView.h"
#include "platform/qt/QtMenus.h"
#include "platform/qt/QtPeerWidget.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/WinThread.h"
#include "platform/ui/WindowStyles.h"
#include "support/QtTestApp.h"

#include <QApplication>
#include <QDateTimeEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstring>

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
inline void QtType(QWidget* pWidget, Qt::Key key, const QString& strText,
                   Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const QPointer<QWidget> pAlive(pWidget);
    QKeyEvent press(QEvent::KeyPress, key, modifiers, strText);
    QApplication::sendEvent(pWidget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, strText);
    if (pAlive)  // a key that closes the widget's window is let go over what lies below
        QApplication::sendEvent(pWidget, &release);
}

// A key as Qt gives it on X11 (Delete's text is the DEL character), for tables of keys.
struct QtKey {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char16_t* text;

    void TypeInto(QWidget* pWidget) const { QtType(pWidget, key, QString::fromUtf16(text), modifiers); }
};

inline constexpr QtKey kQtDelete{Qt::Key_Delete, Qt::NoModifier, u"\x7f"};
inline constexpr QtKey kQtBackspace{Qt::Key_Backspace, Qt::NoModifier, u"\b"};
inline constexpr QtKey kQtHome{Qt::Key_Home, Qt::NoModifier, u""};
inline constexpr QtKey kQtEnd{Qt::Key_End, Qt::NoModifier, u""};
inline constexpr QtKey kQtLeft{Qt::Key_Left, Qt::NoModifier, u""};
inline constexpr QtKey kQtRight{Qt::Key_Right, Qt::NoModifier, u""};
inline constexpr QtKey kQtUp{Qt::Key_Up, Qt::NoModifier, u""};
inline constexpr QtKey kQtDown{Qt::Key_Down, Qt::NoModifier, u""};
inline constexpr QtKey kQtShiftHome{Qt::Key_Home, Qt::ShiftModifier, u""};
inline constexpr QtKey kQtShiftEnd{Qt::Key_End, Qt::ShiftModifier, u""};
inline constexpr QtKey kQtShiftLeft{Qt::Key_Left, Qt::ShiftModifier, u""};
inline constexpr QtKey kQtShiftRight{Qt::Key_Right, Qt::ShiftModifier, u""};

// Keys typed one at a time: '\b' Backspace, '^' Up, 'v' Down, '<' Left, '>' Right, '*' Ctrl+A,
// '\t' Tab, '\r' Enter; any other character (digits, signs, separators) is its own key.
inline void QtTypeText(QWidget* pWidget, const char* pszText)
{
    static const char kNamed[] = "\b^v<>*\t\r";
    static const QtKey kNamedKeys[] = {kQtBackspace, kQtUp, kQtDown, kQtLeft, kQtRight,
                                       {Qt::Key_A, Qt::ControlModifier, u"\x01"}, {Qt::Key_Tab, Qt::NoModifier, u"\t"},
                                       {Qt::Key_Return, Qt::NoModifier, u"\r"}};
    for (const char* p = pszText; *p; ++p) {
        if (const char* pszNamed = std::strchr(kNamed, *p))
            kNamedKeys[pszNamed - kNamed].TypeInto(pWidget);
        else
            QtType(pWidget, Qt::Key(*p), QString(QChar(*p)));
    }
}

// A click on the character nChar of the text of the layer's date or time field, then the keys.
inline void QtTypeAtCharacter(CWnd& field, int nChar, const char* pszText)
{
    auto* pEdit = QtWidgetOf(field)->findChild<QDateTimeEdit*>();
    QLineEdit* pLine = pEdit->findChild<QLineEdit*>();
    const int nX = pLine->fontMetrics().horizontalAdvance(pLine->text().left(nChar)) + 5;
    QtClick(pLine, QPointF(nX, pLine->height() / 2.0));
    QtTypeText(pEdit, pszText);
}

// A click on the line box behind the layer's edit, Ctrl+A and the text typed over it.
inline void QtRetype(CWnd& edit, const char* pszText)
{
    QLineEdit* pLine = QtWidgetOf(edit)->findChild<QLineEdit*>();
    QtClick(pLine);
    QtTypeText(pLine, "*");
    QtTypeText(pLine, pszText);
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

// A suite whose menu bars and popup menus are the toolkit's own menus as well.
class QtMenusSuite : public QtBackendSuite {
protected:
    static void SetUpTestSuite()
    {
        QtBackendSuite::SetUpTestSuite();
        InitQtMenus();
    }
    static void TearDownTestSuite()
    {
        ShutdownQtMenus();
        QtBackendSuite::TearDownTestSuite();
    }
};

// A suite whose controls are the toolkit's own widgets, in a top window made for each test, with
// the message queue and the key state fresh.
class QtControlsSuite : public QtBackendSuite {
protected:
    void SetUp() override
    {
        InitQtControls();
        CMessageQueue::Get().Reset();
        AfxResetKeyState();
        ASSERT_TRUE(m_top.Create(nullptr, u"top", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 300, 200),
                                 nullptr, 0));
    }
    void TearDown() override
    {
        m_top.DestroyWindow();
        AfxResetKeyState();
    }

    CWinThread m_thread;
    CWnd m_top;
};

