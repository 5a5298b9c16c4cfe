// The program on Qt's widgets with one new FBD diagram, for tests of the windows a simulation
// opens: blocks placed by the document, the mouse as Qt delivers it to a window, and the scan
// that a repaint of the view runs.
#pragma once

#include "blocks/BlockObj.h"
#include "document/SimScan.h"
#include "document/VetlaDoc.h"
#include "editor/VetlaView.h"
#include "platform/qt/QtPeerWidget.h"
#include "platform/qt/WindowManagerRequests.h"
#include "shell/MainFrame.h"
#include "shell/Resource.h"
#include "shell/VetlaApp.h"
#include "support/QtTestApp.h"
#include "support/RunningApp.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include <gtest/gtest.h>

#include <utility>

class SimulationQtWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_bShowAtNewFile = std::exchange(g_bShowAtNewFile, 0);
        ASSERT_TRUE(m_app.Start());
        Frame()->SendMessage(WM_COMMAND, ID_FILE_NEW);
        ASSERT_NE(View(), nullptr);
    }
    void TearDown() override
    {
        m_app.Close();
        g_bShowAtNewFile = m_bShowAtNewFile;
    }

    CMainFrame* Frame() const { return AfxGetMainFrame(); }
    CVetlaView* View() const { return Frame() ? Frame()->GetActiveView() : nullptr; }
    CVetlaDoc& Doc() const { return *View()->GetDocument(); }

    CBlockObj* Block(int nType, int x, int y) const
    {
        CBlockObj* pBlock = View()->CreateBlockObject(nType);
        pBlock->m_ptPos = CPoint(x, y);
        pBlock->m_ptPos2 = pBlock->m_ptPos;
        Doc().AddBlock(pBlock);
        return pBlock;
    }
    void Simulate() const { Frame()->SendMessage(WM_COMMAND, ID_TOOLS_SIMULATION); }
    // One scan of the simulation, as the view's repaint runs it.
    void Scan() const
    {
        QWidget* pWidget = QtWidgetOf(*View());
        pWidget->repaint();
        pWidget->grab();
    }
    // The input switched by the running program, then the scan that sees it.
    void Switch(CBlockObj* pInput) const
    {
        ToggleSimulatedInput(Doc(), *pInput);
        Scan();
    }
    // A mouse event at a client point of the window, as Qt delivers it to the window's widget;
    // a move is made with the left button held.
    static void Mouse(const CWnd& wnd, QEvent::Type type, CPoint ptClient, Qt::MouseButton button = Qt::LeftButton)
    {
        QWidget* pWidget = QtWidgetOf(wnd);
        CRect rcWindow;
        wnd.GetWindowRect(rcWindow);
        CPoint ptScreen = ptClient;
        wnd.ClientToScreen(&ptScreen);
        const QPointF local(ptScreen.x - rcWindow.left, ptScreen.y - rcWindow.top);
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent event(type, local, pWidget->mapToGlobal(local), type == QEvent::MouseMove ? Qt::NoButton : button,
                          held, Qt::NoModifier);
        QApplication::sendEvent(pWidget, &event);
    }
    static void Click(const CWnd& wnd, CPoint ptClient)
    {
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
            Mouse(wnd, type, ptClient);
    }
    static void DoubleClick(const CWnd& wnd, CPoint ptClient)
    {
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                                  QEvent::MouseButtonRelease})
            Mouse(wnd, type, ptClient);
    }

    // The window manager has done what it was asked before (a window mapped and activated, a
    // window restored): on a busy desktop it may do it seconds later, in the middle of the
    // test's next step.
    void SettleWindowManager() const { ASSERT_TRUE(WaitForWindowManager(*QtWidgetOf(*Frame()))); }

    RunningApp m_app{"qarvo-simulation-windows", RunningApp::Backend::Qt};
    int m_bShowAtNewFile = 1;
};
