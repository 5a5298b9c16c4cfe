// An MDI application under Qt's offscreen platform: the main frame with its menu bar, toolbar,
// status bar and one document window gets real widgets, and a menu command chosen in the native
// menu arrives as WM_COMMAND through the routing.
#include "platform/core/Document.h"
#include "platform/qt/QtMenus.h"
#include "platform/qt/QtPeerWidget.h"
#include "platform/ui/DocTemplate.h"
#include "platform/ui/MDIChildWnd.h"
#include "platform/ui/MDIFrameWnd.h"
#include "platform/ui/MenuBarWnd.h"
#include "platform/ui/StatusBar.h"
#include "platform/ui/ToolBar.h"
#include "platform/ui/View.h"
#include "platform/ui/WinApp.h"
#include "support/QtTestInput.h"

#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScrollBar>
#include <QUrl>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr UINT ID_QT_VIEW = 41001;
constexpr UINT ID_QT_MAIN = 41002;
constexpr UINT IDR_QT_MAIN = 710;
constexpr UINT IDR_QT_DOC = 711;

std::vector<std::string> g_log;

class CQtDoc : public CDocument {
    DECLARE_DYNCREATE(CQtDoc)
};
IMPLEMENT_DYNCREATE(CQtDoc, CDocument)

class CQtView : public CView {
    DECLARE_DYNCREATE(CQtView)
public:
    void OnDraw(CDC*) override {}

protected:
    void OnViewCommand() { g_log.push_back("view"); }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CQtView, CView)
BEGIN_MESSAGE_MAP(CQtView, CView)
    ON_COMMAND(ID_QT_VIEW, OnViewCommand)
END_MESSAGE_MAP()

class CQtChild : public CMDIChildWnd {
    DECLARE_DYNCREATE(CQtChild)
};
IMPLEMENT_DYNCREATE(CQtChild, CMDIChildWnd)

class CQtMainFrame : public CMDIFrameWnd {
    DECLARE_DYNCREATE(CQtMainFrame)
protected:
    void OnMainCommand() { g_log.push_back("main"); }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CQtMainFrame, CMDIFrameWnd)
BEGIN_MESSAGE_MAP(CQtMainFrame, CMDIFrameWnd)
    ON_COMMAND(ID_QT_MAIN, OnMainCommand)
END_MESSAGE_MAP()

class CQtApp : public CWinApp {
public:
    CQtApp() : CWinApp(_T("QtFrames")) {}

protected:
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CQtApp, CWinApp)
    ON_COMMAND(ID_FILE_NEW, OnFileNew)
END_MESSAGE_MAP()

QAction* FindAction(QMenuBar* pMenuBar, const QString& menuText, UINT nID)
{
    for (QAction* pTop : pMenuBar->actions()) {
        if (pTop->text() != menuText || !pTop->menu())
            continue;
        emit pTop->menu()->aboutToShow();
        for (QAction* pAction : pTop->menu()->actions()) {
            if (pAction->data().toUInt() == nID)
                return pAction;
        }
    }
    return nullptr;
}

class QtFramesTest : public QtMenusSuite {
protected:
    // Main frame and document menus of File > New alone.
    static void RegisterFileMenus()
    {
        for (UINT nId : {IDR_QT_MAIN, IDR_QT_DOC}) {
            AfxRegisterMenuResource(nId, {
                {MF_POPUP | MF_END, 0, _T("&File")},
                {MF_END, ID_FILE_NEW, _T("&New\tCtrl+N")},
            });
        }
    }

    // The application with its document template and its main frame.
    static CQtMainFrame* StartApp(CQtApp& app)
    {
        app.SetProfilePath(CString::FromUtf8(testing::TempDir() + "qt_frames.ini"));
        auto* pTemplate = new CMultiDocTemplate(IDR_QT_DOC, RUNTIME_CLASS(CQtDoc), RUNTIME_CLASS(CQtChild),
                                                RUNTIME_CLASS(CQtView));
        pTemplate->SetDocStrings(_T("\nQt\nQt\nQt Files (*.qt)\n.qt\nQt.Document\nQt Document"));
        app.AddDocTemplate(pTemplate);
        auto* pFrame = new CQtMainFrame;
        EXPECT_TRUE(pFrame->LoadFrame(IDR_QT_MAIN));
        app.m_pMainWnd = pFrame;
        return pFrame;
    }
};

}  // namespace

TEST_F(QtFramesTest, MainFrameWithBarsAndADocumentGetsWidgetsAndNativeMenuCommands)
{
    RegisterFileMenus();
    AfxRegisterMenuResource(IDR_QT_DOC, {
        {MF_POPUP, 0, _T("&File")},
        {MF_END, ID_FILE_NEW, _T("&New\tCtrl+N")},
        {MF_POPUP | MF_END, 0, _T("&Test")},
        {0, ID_QT_VIEW, _T("View")},
        {MF_END, ID_QT_MAIN, _T("Main")},
    });
    AfxRegisterToolBarResource(IDR_QT_MAIN, {16, 15, {ID_FILE_NEW, 0, ID_QT_VIEW}, nullptr});
    g_log.clear();
    CQtApp app;
    CQtMainFrame* pFrame = StartApp(app);
    CStatusBar status;
    ASSERT_TRUE(status.Create(pFrame));
    const UINT indicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS};
    status.SetIndicators(indicators, 2);
    CToolBar toolBar;
    ASSERT_TRUE(toolBar.CreateEx(pFrame));
    ASSERT_TRUE(toolBar.LoadToolBar(IDR_QT_MAIN));
    pFrame->ShowWindow(SW_SHOWMAXIMIZED);
    pFrame->SendMessage(WM_COMMAND, ID_FILE_NEW);
    app.OnIdle(0);

    CMDIChildWnd* pChild = pFrame->MDIGetActive();
    ASSERT_NE(pChild, nullptr);
    for (CWnd* pWnd : {static_cast<CWnd*>(pFrame), static_cast<CWnd*>(&status),
                       static_cast<CWnd*>(&toolBar), pFrame->GetMDIClient(),
                       static_cast<CWnd*>(pChild), static_cast<CWnd*>(pChild->GetActiveView())}) {
        QWidget* pWidget = QtWidgetOf(*pWnd);
        ASSERT_NE(pWidget, nullptr);
        EXPECT_TRUE(pWidget->isVisible()) << pWnd->GetRuntimeClass()->m_lpszClassName;
    }
    auto* pBar = static_cast<CMenuBarWnd*>(pFrame->GetDlgItem(AFX_IDW_MENU_BAR));
    ASSERT_NE(pBar, nullptr);
    QMenuBar* pMenuBar = QtMenuBarOf(*pBar);
    ASSERT_NE(pMenuBar, nullptr);
    // The document menu is shown while a document is open.
    ASSERT_EQ(pMenuBar->actions().size(), 2);
    EXPECT_EQ(pMenuBar->actions()[1]->text(), QStringLiteral("&Test"));

    // Opening a menu rebuilds its actions, so each is looked up just before it is used.
    QAction* pMain = FindAction(pMenuBar, QStringLiteral("&Test"), ID_QT_MAIN);
    ASSERT_NE(pMain, nullptr);
    pMain->trigger();
    QAction* pView = FindAction(pMenuBar, QStringLiteral("&Test"), ID_QT_VIEW);
    ASSERT_NE(pView, nullptr);
    EXPECT_TRUE(pView->isEnabled());
    pView->trigger();
    EXPECT_TRUE(g_log.empty());  // posted: they arrive through the message loop
    app.PumpPending();
    EXPECT_EQ(g_log, (std::vector<std::string>{"main", "view"}));
    // Closing the document brings back the no-document menu, and the empty client area shows
    // the workspace colour.
    pChild->SendMessage(WM_CLOSE);
    EXPECT_EQ(QtMenuBarOf(*pBar)->actions().size(), 1);
    const QImage client = QtWidgetOf(*pFrame->GetMDIClient())->grab().toImage();
    ASSERT_FALSE(client.isNull());
    EXPECT_EQ(client.pixelColor(client.width() / 2, client.height() / 2), QColor(171, 171, 171));

    app.CloseAllDocuments(TRUE);
    pFrame->DestroyWindow();
}

TEST_F(QtFramesTest, FilesDroppedFromOutsideOpenAsDocuments)
{
    RegisterFileMenus();
    CQtApp app;
    CQtMainFrame* pFrame = StartApp(app);
    pFrame->ShowWindow(SW_SHOWMAXIMIZED);
    const std::string strPath = testing::TempDir() + "dropped.qt";
    {
        CDocument doc;
        ASSERT_TRUE(doc.OnSaveDocument(CString::FromUtf8(strPath)));
    }
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(strPath))});
    QWidget* pTarget = QtWidgetOf(*pFrame->GetMDIClient());
    ASSERT_NE(pTarget, nullptr);
    const QPointF point(10, 10);

    const auto enterAccepted = [&] {
        QDragEnterEvent enter(point.toPoint(), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(pTarget, &enter);
        return enter.isAccepted();
    };
    EXPECT_FALSE(enterAccepted()) << "refused until the frame accepts files";
    pFrame->DragAcceptFiles();
    EXPECT_TRUE(enterAccepted());
    QDropEvent drop(point, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(pTarget, &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(app.GetOpenDocumentCount(), 1);
    CMDIChildWnd* pChild = pFrame->MDIGetActive();
    ASSERT_NE(pChild, nullptr);
    EXPECT_EQ(pChild->GetActiveDocument()->GetPathName(), CString::FromUtf8(strPath));

    app.CloseAllDocuments(TRUE);
    pFrame->DestroyWindow();
}

// Documents tiled over a large main window and left at their size when the window shrinks reach
// past the client area: the area shows scroll bars over its documents, above them, and a click
// below the thumb brings the lower document's bottom into view. Tiled again, the documents fit
// and the bars go.
TEST_F(QtFramesTest, DocumentsReachingPastTheClientAreaAreScrolledIntoView)
{
    RegisterFileMenus();
    CQtApp app;
    CQtMainFrame* pFrame = StartApp(app);
    pFrame->ShowWindow(SW_SHOWNORMAL);
    pFrame->MoveWindow(0, 0, 780, 580);
    pFrame->SendMessage(WM_COMMAND, ID_FILE_NEW);
    pFrame->SendMessage(WM_COMMAND, ID_FILE_NEW);
    pFrame->SendMessage(WM_COMMAND, ID_WINDOW_TILE_HORZ);
    CWnd* pClient = pFrame->GetMDIClient();
    auto* pPeer = static_cast<QtPeerWidget*>(QtWidgetOf(*pClient));
    ASSERT_NE(pPeer, nullptr);
    auto lowestBottom = [&] {
        int nBottom = 0;
        for (CMDIChildWnd* pChild : pFrame->GetMDIChildren()) {
            CRect rect;
            pChild->GetWindowRect(rect);
            pClient->ScreenToClient(rect);
            nBottom = std::max(nBottom, int(rect.bottom));
        }
        return nBottom;
    };
    auto barShown = [&](int nBar) { return pPeer->ScrollBarWidget(nBar) && pPeer->ScrollBarWidget(nBar)->isVisible(); };
    EXPECT_FALSE(barShown(SB_VERT));

    pFrame->MoveWindow(0, 0, 780, 380);
    CRect rcClient;
    pClient->GetClientRect(rcClient);
    ASSERT_GT(lowestBottom(), rcClient.bottom);
    ASSERT_TRUE(barShown(SB_VERT));
    QScrollBar* pVert = pPeer->ScrollBarWidget(SB_VERT);
    // Between the thumb, at the top, and the arrow at the bottom.
    const QPoint ptBelowThumb(pVert->width() / 2, pVert->height() - kScrollBarThickness - 4);
    EXPECT_EQ(pPeer->childAt(pVert->mapTo(pPeer, ptBelowThumb)), pVert) << "no document covers the bar";
    QtClick(pVert, ptBelowThumb);
    EXPECT_EQ(lowestBottom(), rcClient.bottom);

    pFrame->SendMessage(WM_COMMAND, ID_WINDOW_TILE_HORZ);
    EXPECT_FALSE(barShown(SB_VERT));
    EXPECT_FALSE(barShown(SB_HORZ));
    app.CloseAllDocuments(TRUE);
    pFrame->DestroyWindow();
}
