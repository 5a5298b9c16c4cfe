// The simulation bars under Qt's offscreen platform: every control a bar's dialog holds, from
// its template or made at run time, is a shown widget of some size lying inside its bar.
#include "blocks/BlockFactory.h"
#include "blocks/BlockIn.h"
#include "blocks/BlockOut.h"
#include "blocks/BlockTypes.h"
#include "controls/IconButton.h"
#include "document/ModelSettings.h"
#include "document/VetlaDoc.h"
#include "editor/ChildFrame.h"
#include "editor/InputsBarDlg.h"
#include "editor/OutputsBarDlg.h"
#include "editor/SimClockDlg.h"
#include "editor/SimulationBarDlg.h"
#include "editor/VetlaView.h"
#include "platform/qt/QtDialogServices.h"
#include "platform/qt/QtPeerWidget.h"
#include "platform/core/StringTable.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/WinThread.h"
#include "platform/ui/WindowPlacement.h"
#include "support/QtTestInput.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QToolTip>
#include <QWidget>

#include <gtest/gtest.h>

#include <span>

namespace {

class SimBarsQtTest : public QtBackendSuite {
protected:
    void SetUp() override
    {
        // The controls' native views, as the program has them.
        InitQtDialogServices();
        m_doc.m_nDocType = DOC_TYPE_FBD;
        m_view.SetDocument(&m_doc);
        for (int nNumber : {100, 101})
            AddBlock(new CBlockIn(BT_IN), nNumber);
        AddBlock(new CBlockOut(BT_OUT), 601);
        m_pFrame = new CChildFrame;
        ASSERT_TRUE(m_pFrame->CFrameWnd::Create(nullptr, _T("Diagram"), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                                CRect(0, 0, 1260, 600)));
        m_pFrame->SetActiveView(&m_view);
        ASSERT_EQ(m_pFrame->CreateSimBars(), 1);
    }
    void TearDown() override
    {
        if (IsWindow(m_pFrame))
            m_pFrame->DestroyWindow();
        ShutdownQtDialogServices();
        CMessageQueue::Get().Reset();
    }
    void AddBlock(CBlockObj* pBlock, int nNumber)
    {
        pBlock->m_nNumber = nNumber;
        pBlock->InitForDocument(&m_doc);
        m_doc.m_blockList.AddTail(pBlock);
    }

    // Every shown control of the bar's dialog: a visible widget, not empty, inside the bar.
    static void ExpectControlsShownInside(cdxCDynamicBar& bar, int nExpectedShown)
    {
        QWidget* pBar = QtWidgetOf(bar);
        ASSERT_NE(pBar, nullptr);
        ASSERT_TRUE(pBar->isVisible());
        int nShown = 0;
        for (CWnd* pChild = bar.GetBarDlg()->GetWindow(GW_CHILD); pChild; pChild = pChild->GetWindow(GW_HWNDNEXT)) {
            if (!(pChild->GetStyle() & WS_VISIBLE))
                continue;
            ++nShown;
            QWidget* pWidget = QtWidgetOf(*pChild);
            ASSERT_NE(pWidget, nullptr);
            EXPECT_TRUE(pWidget->isVisible()) << pChild->GetDlgCtrlID();
            EXPECT_GT(pWidget->width(), 0);
            EXPECT_GT(pWidget->height(), 0);
            const QRect rcInBar(pWidget->mapTo(pBar, QPoint(0, 0)), pWidget->size());
            EXPECT_TRUE(pBar->rect().contains(rcInBar)) << pChild->GetDlgCtrlID();
        }
        EXPECT_EQ(nShown, nExpectedShown);
    }

    CVetlaDoc m_doc;
    CVetlaView m_view;
    CChildFrame* m_pFrame = nullptr;
};

TEST_F(SimBarsQtTest, TemplateControlsOfTheSimulationBarAreShownWidgets)
{
    // Power, start, stop, suspend, step, set clock, the cycles edit, the unit combo, the clock.
    ExpectControlsShownInside(*m_pFrame->m_pSimulationBar, 9);
}

TEST_F(SimBarsQtTest, InputAndOutputLampsAreShownWidgets)
{
    // The "<<" button and one lamp per block.
    ExpectControlsShownInside(*m_pFrame->m_pInputsBar, 3);
    ExpectControlsShownInside(*m_pFrame->m_pOutputsBar, 2);
}

TEST_F(SimBarsQtTest, TheRoomBesideTheLampsIsTheDialogFaceNotWhite)
{
    CInputsBarDlg& dlg = *m_pFrame->m_pInputsBar->GetDlg();
    QWidget* pDlg = QtWidgetOf(dlg);
    ASSERT_NE(pDlg, nullptr);
    CRect rc;
    dlg.GetClientRect(rc);
    const QImage image = pDlg->grab().toImage();
    ASSERT_FALSE(image.isNull());
    const QColor colour = image.pixelColor(rc.right - 2, rc.Height() / 2);
    EXPECT_EQ(colour, QColor(240, 240, 240));
}

TEST_F(SimBarsQtTest, ALabelShowsTheDialogFaceAroundItsText)
{
    CWnd* pClock = m_pFrame->GetSimulationBarDlg()->GetDlgItem(IDC_SIM_CLOCK_TEXT);
    ASSERT_NE(pClock, nullptr);
    pClock->SetWindowText(_T(""));
    QWidget* pWidget = QtWidgetOf(*pClock);
    ASSERT_NE(pWidget, nullptr);
    const QImage image = pWidget->grab().toImage();
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.pixelColor(image.width() / 2, image.height() / 2), QColor(240, 240, 240));
}

// The pointer on a button raises it (the Power button shows its red icon); leaving the button
// takes that look away again. Resting on a button shows its tip.
TEST_F(SimBarsQtTest, AButtonLooksRaisedOnlyWhileThePointerIsOnItAndShowsItsTip)
{
    const struct {
        UINT nID;
        const char* pszTip;
    } buttons[] = {
        {IDC_SIM_POWER, "Power"},
        {IDC_SIM_START, "Start Simulation"},
        {IDC_SIM_STOP, "Stop Simulation"},
        {IDC_SIM_SUSPEND, "Suspend/Resume simulation"},
        {IDC_SIM_STEP, "Perform Simulation in stepping mode"},
        {IDC_SIM_SET_CLOCK, "Set date/time-of-day for the simulation"},
    };
    CSimulationBarDlg& bar = *m_pFrame->GetSimulationBarDlg();
    for (const auto& b : buttons) {
        SCOPED_TRACE(b.pszTip);
        auto* pButton = dynamic_cast<CIconButton*>(bar.GetDlgItem(int(b.nID)));
        ASSERT_NE(pButton, nullptr);
        QWidget* pWidget = QtWidgetOf(*pButton);
        ASSERT_NE(pWidget, nullptr);
        const QPoint local(pWidget->width() / 2, pWidget->height() / 2);
        QMouseEvent move(QEvent::MouseMove, local, pWidget->mapToGlobal(local), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(pWidget, &move);
        // A disabled button (Start while running) takes no mouse, but shows its tip.
        EXPECT_EQ(pButton->IsHovered(), pButton->IsWindowEnabled());
        QHelpEvent tip(QEvent::ToolTip, local, pWidget->mapToGlobal(local));
        QApplication::sendEvent(pWidget, &tip);
        EXPECT_EQ(QToolTip::text().toStdString(), b.pszTip);
        QToolTip::hideText();

        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(pWidget, &leave);
        EXPECT_FALSE(pButton->IsHovered());
        if (b.nID == IDC_SIM_POWER) {
            EXPECT_EQ(pButton->GetShownIcon(), pButton->GetIconOut()) << "the supply is on";
        }
    }
}

// A click on Power (pressed and let go) gives the mouse back: the next click on the Inputs bar
// switches its input.
TEST_F(SimBarsQtTest, AClickOnPowerLeavesTheMouseToTheOtherControls)
{
    CWinThread thread;  // the bar's filter sees the clicks first, as in the program
    CSimulationBarDlg& bar = *m_pFrame->GetSimulationBarDlg();
    QtClick(QtWidgetOf(*bar.GetDlgItem(IDC_SIM_POWER)));
    EXPECT_FALSE(bar.IsPowerPressed());
    EXPECT_EQ(bar.m_nSimRunState, SIM_RUN_RUNNING) << "the supply is back";
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    const SimBarControl* pLamp = m_pFrame->m_pInputsBar->GetDlg()->FindControl(100);
    ASSERT_NE(pLamp, nullptr);
    QtClick(QtWidgetOf(*pLamp->pWnd));
    EXPECT_EQ(m_doc.FindBlockByNumber(100)->m_nPinValue[BLOCK_FIRST_OUTPUT], 1);
}

// In a ladder the analog input AI0 is operand 4000: a value typed into its edit reaches every
// analog contact on the operand and the operand's record.
TEST_F(SimBarsQtTest, ALadderAnalogValueTypedInTheBarDrivesItsContacts)
{
    m_doc.m_nDocType = DOC_TYPE_LAD;
    CBlockObj* contacts[2] = {};
    for (int i = 0; i < 2; ++i) {
        contacts[i] = CreateBlockForType(BT_ACONTACT, nullptr, &m_doc);
        AddBlock(contacts[i], 18000 + i);
        contacts[i]->m_nOperand = 4000;
    }
    CWinThread thread;
    CInputsBarDlg& inputs = *m_pFrame->m_pInputsBar->GetDlg();
    inputs.RebuildControls();
    const SimBarControl* pEdit = inputs.FindControl(4000);
    ASSERT_NE(pEdit, nullptr);
    QtRetype(*pEdit->pWnd, "700\r");
    for (const CBlockObj* pContact : contacts)
        EXPECT_EQ(pContact->m_nAux[INPUT_SIM_VALUE_AUX], 700);
    OperandSimRecord record;
    ASSERT_TRUE(m_doc.m_mapOperandSim.Lookup(4000, record));
    EXPECT_EQ(record.nValue, 700);
}

// A value typed into the Inputs bar takes effect once typing pauses, on Enter or when the edit
// loses the focus, never on the way: going from 310 to 280 does not pass through 2 and 28.
TEST_F(SimBarsQtTest, ATypedAnalogValueTakesEffectWhenTypingPauses)
{
    CManualTickSource clock;
    CMessageQueue::Get().SetTickSource(&clock);
    auto* pAnalog = new CBlockAnalogIn(BT_ANALOG_IN);
    AddBlock(pAnalog, 4000);
    CWinThread thread;
    CInputsBarDlg& inputs = *m_pFrame->m_pInputsBar->GetDlg();
    inputs.RebuildControls();
    const SimBarControl* pEdit = inputs.FindControl(4000);
    ASSERT_NE(pEdit, nullptr);
    QLineEdit* pLine = QtWidgetOf(*pEdit->pWnd)->findChild<QLineEdit*>();
    ASSERT_NE(pLine, nullptr);
    const auto value = [&] { return pAnalog->m_nAux[INPUT_SIM_VALUE_AUX]; };
    const auto pause = [&](UINT nMs) {
        clock.Advance(nMs);
        thread.PumpPending();
    };
    QtRetype(*pEdit->pWnd, "310\r");
    EXPECT_EQ(value(), 310) << "Enter applies the value at once";
    QtClick(pLine);
    QtTypeText(pLine, "*");
    for (const char* pszKey : {"2", "8", "0"}) {
        QtTypeText(pLine, pszKey);
        pause(CInputsBarDlg::TYPING_PAUSE_MS - 100);
        EXPECT_EQ(value(), 310) << "after " << pszKey;
    }
    pause(100);
    EXPECT_EQ(value(), 280) << "the pause applies the value";
    QtTypeText(pLine, "*45");
    EXPECT_EQ(value(), 280);
    m_pFrame->GetSimulationBarDlg()->GetDlgItem(IDC_SIM_STEP_CYCLES)->SetFocus();
    EXPECT_EQ(value(), 45) << "the edit losing the focus applies the value";
    pause(CInputsBarDlg::TYPING_PAUSE_MS);
    EXPECT_EQ(value(), 45);
    CMessageQueue::Get().SetTickSource(nullptr);
}

// The clock shows the 12-hour time with its AM or PM, all of it on one line of the label.
TEST_F(SimBarsQtTest, TheClockShowsTheWholeTwelveHourTime)
{
    CSimulationBarDlg& bar = *m_pFrame->GetSimulationBarDlg();
    CWnd* pClock = bar.GetDlgItem(IDC_SIM_CLOCK_TEXT);
    ASSERT_NE(pClock, nullptr);
    QWidget* pWidget = QtWidgetOf(*pClock);
    ASSERT_NE(pWidget, nullptr);
    const struct {
        WORD wHour, wMinute, wSecond;
        const char* pszShown;
    } times[] = {{23, 47, 14, "11:47:14 PM"}, {8, 7, 6, "8:07:06 AM"}, {10, 58, 58, "10:58:58 AM"}};
    for (const auto& t : times) {
        const SYSTEMTIME st = {2024, 3, 1, 4, t.wHour, t.wMinute, t.wSecond, 0};
        m_pFrame->SetSimTime(&st);
        bar.UpdateClockText();
        CString strShown;
        pClock->GetWindowText(strShown);
        EXPECT_EQ(strShown.ToUtf8(), t.pszShown);
        const int nWidth = QFontMetrics(pWidget->font()).horizontalAdvance(QString::fromUtf8(t.pszShown));
        EXPECT_LE(nWidth, pWidget->contentsRect().width()) << t.pszShown;
    }
}

// The step span is two pairs of digits, "##:##": a fifth digit typed has no place, and the span
// of 12:34 minutes is 754 seconds.
TEST_F(SimBarsQtTest, TheStepSpanTakesTwoPairsOfDigits)
{
    CSimulationBarDlg& bar = *m_pFrame->GetSimulationBarDlg();
    bar.OnStop();
    static_cast<CComboBox*>(bar.GetDlgItem(IDC_SIM_STEP_UNIT))->UserSelect(SIM_STEP_UNIT_MINUTES);
    CWnd* pSpan = bar.GetDlgItem(IDC_SIM_STEP_SPAN);
    ASSERT_TRUE(pSpan && (pSpan->GetStyle() & WS_VISIBLE));
    QtRetype(*pSpan, "12345");
    CString strSpan;
    pSpan->GetWindowText(strSpan);
    EXPECT_EQ(strSpan.ToUtf8(), "12:34");
    bar.OnStep();
    EXPECT_EQ(bar.m_nStepCount, 12 * 60 + 34);
}

// Each box of the Simulation bar holds the longest text it may show, in both languages, and the
// clock keeps a gap from the box before it, with the step counter shown or hidden.
TEST_F(SimBarsQtTest, EachBoxOfTheSimulationBarHoldsItsLongestText)
{
    constexpr int kGap = 4;
    const auto fitsLine = [](CWnd& edit, const char* pszText) {
        edit.SetWindowText(CString::FromUtf8(pszText));
        QLineEdit* pLine = QtWidgetOf(edit)->findChild<QLineEdit*>();
        // A text wider than the box scrolls: the caret moves less between its ends than the
        // text is wide.
        pLine->setCursorPosition(int(pLine->text().length()));
        const int nEnd = pLine->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
        pLine->setCursorPosition(0);
        const int nStart = pLine->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
        const int nFrame = pLine->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, pLine);
        return nEnd - nStart >= pLine->fontMetrics().horizontalAdvance(pLine->text()) - 1 &&
               nEnd <= pLine->width() - nFrame;
    };
    const auto left = [](CWnd& wnd) { return QtWidgetOf(wnd)->geometry().left(); };
    const auto right = [](CWnd& wnd) { return QtWidgetOf(wnd)->geometry().right(); };
    for (int nChinese : {0, 1}) {
        g_bChineseUI = nChinese;
        SetUiLanguage(nChinese ? UiLanguage::SimplifiedChinese : UiLanguage::English);
        m_pFrame->DestroySimBars();
        ASSERT_EQ(m_pFrame->CreateSimBars(), 1);
        CSimulationBarDlg& bar = *m_pFrame->GetSimulationBarDlg();
        SCOPED_TRACE(nChinese ? "zh" : "en");
        EXPECT_TRUE(fitsLine(*bar.GetDlgItem(IDC_SIM_STEP_CYCLES), "8888"));
        auto* pUnit = static_cast<CComboBox*>(bar.GetDlgItem(IDC_SIM_STEP_UNIT));
        QComboBox* pCombo = QtWidgetOf(*pUnit)->findChild<QComboBox*>();
        ASSERT_NE(pCombo, nullptr);
        QStyleOptionComboBox option;
        option.initFrom(pCombo);
        option.frame = true;
        const int nField =
            pCombo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, pCombo).width();
        for (int i = 0; i < pCombo->count(); ++i)
            EXPECT_LE(pCombo->fontMetrics().horizontalAdvance(pCombo->itemText(i)) + 2, nField)
                << pCombo->itemText(i).toStdString();
        CWnd& clock = *bar.GetDlgItem(IDC_SIM_CLOCK_TEXT);
        EXPECT_GE(left(clock) - right(*pUnit), kGap) << "the counter hidden";
        bar.OnStop();
        pUnit->UserSelect(SIM_STEP_UNIT_MINUTES);
        EXPECT_TRUE(fitsLine(*bar.GetDlgItem(IDC_SIM_STEP_SPAN), "88:88"));
        bar.OnStep();
        CWnd& counter = *bar.GetDlgItem(IDC_SIM_STEP_COUNTER);
        ASSERT_TRUE(counter.GetStyle() & WS_VISIBLE);
        auto* pLabel = QtWidgetOf(counter)->findChild<QLabel*>();
        if (!pLabel)
            pLabel = qobject_cast<QLabel*>(QtWidgetOf(counter));
        ASSERT_NE(pLabel, nullptr);
        for (const char* pszCount : {"9999", "99:59s", "99:59m", "99:59h"}) {
            counter.SetWindowText(CString::FromUtf8(pszCount));
            EXPECT_LE(pLabel->fontMetrics().horizontalAdvance(QString::fromUtf8(pszCount)),
                      pLabel->contentsRect().width())
                << pszCount;
        }
        EXPECT_GE(left(clock) - right(counter), kGap) << "the counter shown";
        EXPECT_GE(left(counter) - right(*pUnit), 0);
    }
    g_bChineseUI = 0;
    SetUiLanguage(UiLanguage::English);
}

// The Set Clock dialog's time is set part by part: a click on the hour and "17:30" typed.
TEST_F(SimBarsQtTest, TheSetClockTimeTakesAClickedPartsDigits)
{
    const SYSTEMTIME stStart = {2024, 3, 2, 5, 8, 7, 6, 0};
    m_pFrame->SetSimTime(&stStart);
    CSimulationBarDlg& bar = *m_pFrame->GetSimulationBarDlg();
    static_cast<CButton*>(bar.GetDlgItem(IDC_SIM_SET_CLOCK))->Click();
    CSimClockDlg* pDlg = bar.GetClockDlg();
    QtTypeAtCharacter(*pDlg->GetDlgItem(int(IDC_SIM_CLOCK_TIME)), 0, "17:30");
    static_cast<CButton*>(pDlg->GetDlgItem(int(IDC_SIM_CLOCK_APPLY)))->Click();
    SYSTEMTIME st = {};
    m_pFrame->GetSimTime(&st);
    EXPECT_EQ(st.wHour * 100 + st.wMinute, 1730);
}

// Qt's left-button events in turn, the presses at pt and the rest at pt + delta.
void QtMouse(QWidget* pWidget, std::span<const QEvent::Type> types, QPoint pt, QPoint delta = QPoint())
{
    for (const QEvent::Type type : types) {
        const QPoint at = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick ? pt : pt + delta;
        QMouseEvent event(type, at, pWidget->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(pWidget, &event);
    }
}
constexpr QEvent::Type kDrag[] = {QEvent::MouseButtonPress, QEvent::MouseMove, QEvent::MouseButtonRelease};
constexpr QEvent::Type kDoubleClick[] = {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonPress,
                                         QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease};

CRect RectOf(const CWnd& wnd)
{
    CRect rect;
    wnd.GetWindowRect(rect);
    return rect;
}

// The room beside the Inputs bar's controls, and a label, are the bar's own: a press there and a
// move drag the bar out to float, its caption the tool window's only title, and a double click
// there docks it again at its place. The thin frame around the floating bar sizes it.
TEST_F(SimBarsQtTest, ABarIsDraggedAndDockedByTheRoomBesideItsControlsAndItsLabels)
{
    CInputsBar& inputs = *m_pFrame->m_pInputsBar;
    QWidget* pDlg = QtWidgetOf(*inputs.GetBarDlg());
    const CRect rcDocked = RectOf(inputs);
    for (const QPoint pt : {QPoint(pDlg->width() - 10, pDlg->height() / 2), QPoint(pDlg->width() / 2, pDlg->height() - 3)}) {
        ASSERT_EQ(pDlg->childAt(pt), nullptr) << "no control there";
        QtMouse(pDlg, kDrag, pt, QPoint(0, -250));
        ASSERT_TRUE(inputs.IsFloating());
        EXPECT_TRUE(QtWidgetOf(*inputs.GetParent())->windowFlags().testFlag(Qt::FramelessWindowHint));
        QtMouse(pDlg, kDoubleClick, pt);
        EXPECT_EQ(RectOf(inputs), rcDocked);
    }
    cdxCDynamicBar& sim = *m_pFrame->m_pSimulationBar;
    m_pFrame->FloatControlBar(&sim, CPoint(100, 100));
    const CRect rcFloating = RectOf(sim);
    QWidget* pMini = QtWidgetOf(*sim.GetParent());
    QtMouse(pMini, kDrag, QPoint(pMini->width() - 1, pMini->height() - 1), QPoint(40, 30));
    EXPECT_EQ(RectOf(sim), CRect(rcFloating.TopLeft(), rcFloating.Size() + CSize(40, 30)));
    QWidget* pClock = QtWidgetOf(*m_pFrame->GetSimulationBarDlg()->GetDlgItem(IDC_SIM_CLOCK_TEXT));
    QtMouse(pClock, kDoubleClick, QPoint(pClock->width() / 2, pClock->height() / 2));
    EXPECT_FALSE(sim.IsFloating());
}

// With the other two bars floating the Outputs bar runs the frame's whole width. Grabbed near
// its far end and let go in the frame's middle, it floats far shorter than it lay: its window
// lies on the screen, and the mouse still over the bar.
TEST_F(SimBarsQtTest, ALongBarGrabbedNearItsEndFloatsUnderTheMouseOnTheScreen)
{
    m_pFrame->FloatControlBar(m_pFrame->m_pInputsBar, CPoint(100, 100));
    m_pFrame->FloatControlBar(m_pFrame->m_pSimulationBar, CPoint(100, 300));
    COutputsBar& outputs = *m_pFrame->m_pOutputsBar;
    QWidget* pDlg = QtWidgetOf(*outputs.GetBarDlg());
    ASSERT_GT(RectOf(outputs).Width(), 1000);
    const QPoint ptGrip(pDlg->width() - 60, pDlg->height() - 3);
    ASSERT_EQ(pDlg->childAt(ptGrip), nullptr) << "no control there";
    const CPoint ptDrop = RectOf(*m_pFrame).CenterPoint();
    QtMouse(pDlg, kDrag, ptGrip, QPoint(ptDrop.x, ptDrop.y) - pDlg->mapToGlobal(ptGrip));
    ASSERT_TRUE(outputs.IsFloating());
    const CRect rcScreen = AfxGetScreenArea();
    const CRect rcWindow = RectOf(*outputs.GetParent());
    EXPECT_EQ(rcWindow & rcScreen, rcWindow) << "on the screen";
    EXPECT_TRUE(RectOf(outputs).PtInRect(ptDrop)) << "under the mouse";
}

}  // namespace
