// A dialog under the offscreen platform: real widgets for its controls, synthetic Qt input
// reaching the controls' C++ state and the dialog's handlers as the classic notifications.
#include "platform/core/MessageBox.h"
#include "platform/qt/QtBackend.h"
#include "platform/qt/QtDialogServices.h"
#include "platform/qt/QtPeerWidget.h"
#include "platform/ui/Button.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Edit.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/WinThread.h"
#include "platform/ui/DialogTestSupport.h"
#include "platform/ui/WndMessageMap.h"
#include "support/QtTestInput.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QTimer>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr UINT IDD_QT = 9301;
constexpr int IDC_EDIT = 1401;
constexpr int IDC_COMBO = 1402;
constexpr int IDC_CHECK = 1403;

std::vector<std::string> g_notes;

class CQtDlg : public CDialog {
public:
    CQtDlg() : CDialog(IDD_QT) {}
    CString m_strText = _T("ab");
    int m_nChoice = 1;
    int m_bChecked = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_EDIT, m_strText);
        DDX_CBIndex(pDX, IDC_COMBO, m_nChoice);
        DDX_Check(pDX, IDC_CHECK, m_bChecked);
    }
    void OnEditUpdate() { g_notes.push_back("update"); }
    void OnEditChange() { g_notes.push_back("change"); }
    void OnComboChange() { g_notes.push_back("selchange"); }
    void OnCheckClicked()
    {
        g_notes.push_back("clicked");
        if (m_bCloseOnClick)
            DestroyWindow();
    }
    DECLARE_MESSAGE_MAP()

public:
    // A modeless dialog that goes from its own button's click, as the device dialogs' Cancel.
    bool m_bCloseOnClick = false;
};

BEGIN_MESSAGE_MAP(CQtDlg, CDialog)
    ON_EN_UPDATE(IDC_EDIT, OnEditUpdate)
    ON_EN_CHANGE(IDC_EDIT, OnEditChange)
    ON_CBN_SELCHANGE(IDC_COMBO, OnComboChange)
    ON_BN_CLICKED(IDC_CHECK, OnCheckClicked)
END_MESSAGE_MAP()

// Sees the messages its controls' widgets pass to the layer.
class CWatchingDlg : public CQtDlg {
public:
    std::vector<MSG> m_moves;

protected:
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_MOUSEMOVE)
            m_moves.push_back(*pMsg);
        return CQtDlg::PreTranslateMessage(pMsg);
    }
};

template <class W>
W* WidgetIn(CWnd* pWnd)
{
    QWidget* pPeer = pWnd ? QtWidgetOf(*pWnd) : nullptr;
    return pPeer ? pPeer->findChild<W*>() : nullptr;
}

class QtDialogTest : public QtBackendSuite {
protected:
    void SetUp() override
    {
        InitQtDialogServices();
        SetMessageBoxHandler(nullptr);
        DialogTemplate t;
        t.nID = IDD_QT;
        t.strCaption = _T("Qt dialog");
        t.size = CSize(160, 90);
        t.items = {
            Item(IDC_EDIT, WC_EDIT, WS_BORDER | WS_TABSTOP, CRect(7, 7, 150, 21)),
            Item(IDC_COMBO, WC_COMBOBOX, CBS_DROPDOWNLIST | WS_TABSTOP, CRect(7, 26, 150, 80), _T(""),
                 {CString(_T("Red")), CString(_T("Green")), CString(_T("Blue"))}),
            Item(IDC_CHECK, WC_BUTTON, BS_AUTOCHECKBOX | WS_TABSTOP, CRect(7, 45, 150, 57), _T("Enabled")),
            Item(IDOK, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, CRect(50, 68, 100, 82), _T("OK")),
        };
        AfxRegisterDialogTemplate(t);
        g_notes.clear();
    }
    void TearDown() override
    {
        CDialog::SetDialogHook(nullptr);
        ShutdownQtDialogServices();
        CMessageQueue::Get().Reset();
    }

    CWinThread m_thread;
    CMessageBoxRecorder m_boxes;
};

TEST_F(QtDialogTest, ControlsShowAsRealWidgetsAndUserInputReachesTheirState)
{
    CQtDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_QT));
    dlg.ShowWindow(SW_SHOW);
    auto* pLine = WidgetIn<QLineEdit>(dlg.GetDlgItem(IDC_EDIT));
    auto* pBox = WidgetIn<QComboBox>(dlg.GetDlgItem(IDC_COMBO));
    auto* pCheck = WidgetIn<QCheckBox>(dlg.GetDlgItem(IDC_CHECK));
    ASSERT_NE(pLine, nullptr);
    ASSERT_NE(pBox, nullptr);
    ASSERT_NE(pCheck, nullptr);
    EXPECT_TRUE(pLine->isVisible());
    EXPECT_EQ(pLine->text(), QStringLiteral("ab"));
    EXPECT_EQ(pBox->count(), 3);
    EXPECT_EQ(pBox->currentText(), QStringLiteral("Green"));
    EXPECT_EQ(pCheck->text(), QStringLiteral("Enabled"));
    EXPECT_FALSE(pCheck->isChecked());

    // Typing goes through the layer into the edit's own text and notifies the dialog.
    g_notes.clear();
    ASSERT_EQ(CWnd::GetFocus(), dlg.GetDlgItem(IDC_EDIT));
    static_cast<CEdit*>(dlg.GetDlgItem(IDC_EDIT))->SetSel(2, 2);
    QtType(pLine, Qt::Key_C, QStringLiteral("c"));
    EXPECT_EQ(WindowText(*dlg.GetDlgItem(IDC_EDIT)), CString(_T("abc")));
    EXPECT_EQ(pLine->text(), QStringLiteral("abc"));
    EXPECT_EQ(g_notes, (std::vector<std::string>{"update", "change"}));

    // A click on the check box checks the control and sends BN_CLICKED.
    g_notes.clear();
    QtClick(pCheck);
    EXPECT_EQ(static_cast<CButton*>(dlg.GetDlgItem(IDC_CHECK))->GetCheck(), BST_CHECKED);
    EXPECT_TRUE(pCheck->isChecked());
    EXPECT_EQ(g_notes, (std::vector<std::string>{"clicked"}));
    EXPECT_EQ(CWnd::GetFocus(), dlg.GetDlgItem(IDC_CHECK));

    // Choosing in the native list is the user's selection.
    g_notes.clear();
    emit pBox->activated(2);
    EXPECT_EQ(static_cast<CComboBox*>(dlg.GetDlgItem(IDC_COMBO))->GetCurSel(), 2);
    EXPECT_EQ(g_notes, (std::vector<std::string>{"selchange"}));

    // The program's changes show in the widgets.
    dlg.CheckDlgButton(IDC_CHECK, BST_UNCHECKED);
    EXPECT_FALSE(pCheck->isChecked());
    EXPECT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(dlg.m_strText, CString(_T("abc")));
    EXPECT_EQ(dlg.m_nChoice, 2);
    dlg.DestroyWindow();
}

TEST_F(QtDialogTest, TheMouseMovingOverAControlsWidgetReachesTheDialogsFilter)
{
    CWatchingDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_QT));
    dlg.ShowWindow(SW_SHOW);
    auto* pLine = WidgetIn<QLineEdit>(dlg.GetDlgItem(IDC_EDIT));
    ASSERT_NE(pLine, nullptr);
    EXPECT_TRUE(pLine->hasMouseTracking()) << "moves without a button held";
    const QPointF point(10, 6);
    QMouseEvent move(QEvent::MouseMove, point, pLine->mapToGlobal(point), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(pLine, &move);
    ASSERT_EQ(dlg.m_moves.size(), 1u);
    EXPECT_EQ(dlg.m_moves[0].hwnd, dlg.GetDlgItem(IDC_EDIT));
    CPoint ptScreen(GET_X_LPARAM(dlg.m_moves[0].lParam), GET_Y_LPARAM(dlg.m_moves[0].lParam));
    dlg.GetDlgItem(IDC_EDIT)->ClientToScreen(&ptScreen);
    const QPoint ptGlobal = pLine->mapToGlobal(point.toPoint());
    EXPECT_EQ(ptScreen, CPoint(ptGlobal.x(), ptGlobal.y()));
    dlg.DestroyWindow();
}

TEST_F(QtDialogTest, ModalDialogRunsInQtsLoopAndEndsWithEnter)
{
    CQtDlg dlg;
    CDialog::SetDialogHook([](CDialog& d) {
        // Enter, typed once Qt's loop turns, presses the default button.
        QTimer::singleShot(0, [&d] {
            auto* pLine = WidgetIn<QLineEdit>(d.GetDlgItem(IDC_EDIT));
            QtType(pLine, Qt::Key_X, QStringLiteral("x"));
            QtType(pLine, Qt::Key_Return, QStringLiteral("\r"));
        });
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_strText, CString(_T("x")));
}

// The title bar offers minimising, maximising and resizing only where the template's styles
// have them; a dialog without a sizing frame keeps its size.
TEST_F(QtDialogTest, TheTemplatesStylesDecideTheTitleBarsButtonsAndTheSizing)
{
    constexpr UINT IDD_QT_SIZABLE = 9302;
    DialogTemplate sizable;
    sizable.nID = IDD_QT_SIZABLE;
    sizable.strCaption = _T("Sizable");
    sizable.dwStyle |= WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    sizable.size = CSize(160, 90);
    AfxRegisterDialogTemplate(sizable);
    const struct {
        UINT nTemplate;
        bool bButtonsAndSizing;
    } kCases[] = {{IDD_QT, false}, {IDD_QT_SIZABLE, true}};
    for (const auto& c : kCases) {
        CQtDlg dlg;
        ASSERT_TRUE(dlg.Create(c.nTemplate));
        dlg.ShowWindow(SW_SHOW);
        const QWidget* pWidget = QtWidgetOf(dlg);
        ASSERT_NE(pWidget, nullptr);
        EXPECT_EQ(pWidget->windowFlags().testFlag(Qt::WindowMinimizeButtonHint), c.bButtonsAndSizing) << c.nTemplate;
        EXPECT_EQ(pWidget->windowFlags().testFlag(Qt::WindowMaximizeButtonHint), c.bButtonsAndSizing) << c.nTemplate;
        EXPECT_TRUE(pWidget->windowFlags().testFlag(Qt::WindowCloseButtonHint)) << c.nTemplate;
        EXPECT_EQ(pWidget->minimumSize() != pWidget->maximumSize(), c.bButtonsAndSizing) << c.nTemplate;
        CRect rect;
        dlg.GetWindowRect(rect);
        EXPECT_EQ(pWidget->size(), QSize(rect.Width(), rect.Height())) << c.nTemplate;
        dlg.DestroyWindow();
    }
}

// A modal dialog is modal to Qt as well, which tells the window manager: it keeps the dialog
// above the program's other windows and gives it the activation when its owner is clicked.
// Once the dialog is gone nothing stays modal.
TEST_F(QtDialogTest, AModalDialogIsModalToQtWhileItRuns)
{
    QWidget* pModal = nullptr;
    bool bModal = false;
    CDialog::SetDialogHook([&](CDialog& d) {
        pModal = QtWidgetOf(d);
        bModal = QApplication::activeModalWidget() == pModal;
        d.EndDialog(IDCANCEL);
    });
    CQtDlg dlg;
    dlg.DoModal();
    ASSERT_NE(pModal, nullptr);
    EXPECT_TRUE(bModal);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(QtDialogTest, ClipboardFormatsReachQtsClipboard)
{
    // On an X display the test program owns whatever it puts on the clipboard: only another
    // program could play the other program here.
    if (QtTestOnDesktop())
        GTEST_SKIP() << "another program's clipboard text needs another X client";
    const UINT nFormat = RegisterClipboardFormat(_T("NorviFAB"));
    CClipboard::Empty();
    CClipboard::SetData(nFormat, {1, 2, 3});
    CClipboard::SetText(_T("hi"));
    const QMimeData* pMime = QApplication::clipboard()->mimeData();
    ASSERT_NE(pMime, nullptr);
    EXPECT_EQ(pMime->text(), QStringLiteral("hi"));
    EXPECT_EQ(pMime->data(QStringLiteral("application/x-qarvo-NorviFAB")), QByteArray("\x01\x02\x03"));
    // Text another program puts there replaces the layer's formats.
    QApplication::clipboard()->setText(QStringLiteral("outside"));
    CString strText;
    ASSERT_TRUE(CClipboard::GetText(strText));
    EXPECT_EQ(strText, CString(_T("outside")));
    EXPECT_FALSE(CClipboard::IsFormatAvailable(nFormat));
    // And every later text of another program, not only the first.
    QApplication::clipboard()->setText(QStringLiteral("again"));
    ASSERT_TRUE(CClipboard::GetText(strText));
    EXPECT_EQ(strText, CString(_T("again")));
}

}  // namespace

TEST_F(QtDialogTest, ADialogClosingFromItsOwnButtonsClickLeavesNothingBehind)
{
    CQtDlg dlg;
    dlg.m_bCloseOnClick = true;
    ASSERT_TRUE(dlg.Create(IDD_QT, nullptr));
    dlg.ShowWindow(SW_SHOW);
    auto* pCheck = WidgetIn<QCheckBox>(&dlg);
    ASSERT_NE(pCheck, nullptr);
    g_notes.clear();
    // The button's window and its view go inside the click; nothing of them is touched after.
    pCheck->click();
    QApplication::processEvents();
    EXPECT_EQ(g_notes, std::vector<std::string>{"clicked"});
    EXPECT_EQ(dlg.GetSafeHwnd(), nullptr);
}
