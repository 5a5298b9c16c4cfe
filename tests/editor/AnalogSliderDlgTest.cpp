// The value popup of a simulation: which blocks open it, the range and value it starts with,
// where it stands, what moving its slider writes (block, analog contact record, Inputs bar), the
// keys that close it, and that only one is open at a time.
#include "blocks/BlockIn.h"
#include "blocks/BlockLadder.h"
#include "blocks/BlockOut.h"
#include "document/DocTestSupport.h"
#include "document/VetlaDoc.h"
#include "editor/AnalogSliderDlg.h"
#include "editor/ChildFrame.h"
#include "editor/VetlaView.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/SliderCtrl.h"
#include "platform/ui/WindowFixture.h"

#include <vector>

namespace {

// The view's frame, whose Inputs bar is told of the blocks the popup changed.
class RecordingFrame : public CChildFrame {
public:
    void RefreshInputs(CBlockObj* pBlock) override { m_refreshed.push_back(pBlock); }
    std::vector<CBlockObj*> m_refreshed;
};

class AnalogSliderDlgTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        m_doc.m_nDocType = DOC_TYPE_FBD;
        m_view.SetDocument(&m_doc);
        m_view.SetParentFrame(&m_frame);
        m_view.OnSimulation();
        ASSERT_EQ(m_view.EditMode(), EDIT_MODE_SIMULATE);
    }
    void TearDown() override
    {
        m_view.CloseValuePopup();
        if (m_view.EditMode() == EDIT_MODE_SIMULATE)
            m_view.OnSimulation();
        WindowTest::TearDown();
    }
    template <class T>
    T* Add(T* pBlock, int nNumber, CPoint pt = CPoint(200, 100))
    {
        pBlock->m_nNumber = nNumber;
        pBlock->m_ptPos = pt;
        pBlock->m_nWidth = 25;
        pBlock->m_nHeight = 30;
        pBlock->InitForDocument(&m_doc);
        m_doc.m_blockList.AddTail(pBlock);
        return pBlock;
    }
    CBlockAnalogIn* AnalogIn(int nMin, int nMax, int nValue)
    {
        auto* pBlock = Add(new CBlockAnalogIn, 4001);
        pBlock->m_nAux[BLOCK_VALUE_MIN_AUX] = nMin;
        pBlock->m_nAux[BLOCK_VALUE_MAX_AUX] = nMax;
        pBlock->m_nAux[INPUT_SIM_VALUE_AUX] = nValue;
        return pBlock;
    }
    CAnalogSliderDlg& Popup()
    {
        EXPECT_NE(m_view.Simulation().ValuePopup(), nullptr);
        return *m_view.Simulation().ValuePopup();
    }
    CString Text(UINT nID)
    {
        CString str;
        Popup().GetDlgItemText(int(nID), str);
        return str;
    }

    CVetlaDoc m_doc;
    RecordingFrame m_frame;
    CVetlaView m_view;
};

TEST_F(AnalogSliderDlgTest, OpensForAnalogInputsFrequencyInputsAndFreeAnalogContacts)
{
    auto* pAnalogIn = Add(new CBlockAnalogIn, 4000);
    auto* pSwitch = Add(new CBlockIn, 100);
    auto* pFrequency = Add(new CBlockIn, 101);
    pFrequency->m_nParamEx[INPUT_SIM_MODE_PARAMEX] = SIM_INPUT_FREQUENCY;
    auto* pKey = Add(new CBlockFKey, 1300);
    pKey->m_nParamEx[INPUT_SIM_MODE_PARAMEX] = SIM_INPUT_FREQUENCY;
    auto* pFreeContact = Add(new CBlockAContact, 0);
    pFreeContact->m_nOperand = 4005;
    auto* pBoundContact = Add(new CBlockAContact, 0);
    pBoundContact->m_nOperand = 4000;  // the analog input above stands for it
    auto* pOut = Add(new CBlockOut, 600);

    const struct {
        const CBlockObj* pBlock;
        BOOL bOpens;
    } cases[] = {{pAnalogIn, TRUE},     {pSwitch, FALSE},       {pFrequency, TRUE}, {pKey, TRUE},
                 {pFreeContact, TRUE}, {pBoundContact, FALSE}, {pOut, FALSE}};
    for (const auto& c : cases)
        EXPECT_EQ(CAnalogSliderDlg::OpensFor(m_view, *c.pBlock), c.bOpens) << c.pBlock->m_nNumber;
}

TEST_F(AnalogSliderDlgTest, StartsWithTheBlocksRangeAndValueLeftOfTheBlock)
{
    CBlockAnalogIn* pBlock = AnalogIn(10, 510, 60);
    m_view.Simulation().OpenValuePopup(pBlock, 30, 40);
    CSliderCtrl* pSlider = Popup().GetSlider();
    ASSERT_NE(pSlider, nullptr);
    EXPECT_EQ(pSlider->GetRangeMin(), 10);
    EXPECT_EQ(pSlider->GetRangeMax(), 510);
    EXPECT_EQ(pSlider->GetPos(), 60);
    EXPECT_EQ(pSlider->GetPageSize(), 50);
    EXPECT_EQ(pSlider->GetLineSize(), 1);
    EXPECT_EQ(Text(IDC_SLIDER_MIN), CString(_T("10")));
    EXPECT_EQ(Text(IDC_SLIDER_MAX), CString(_T("510")));
    CRect rc;
    Popup().GetWindowRect(rc);
    EXPECT_EQ(rc.TopLeft(), CPoint(200 - 8 * 25 - 30, 100 - 40));
    EXPECT_EQ(m_view.Simulation().PopupBlock(), pBlock);
}

TEST_F(AnalogSliderDlgTest, MovingTheSliderSetsTheBlockAndTheInputsBar)
{
    CBlockAnalogIn* pBlock = AnalogIn(0, 1000, 0);
    m_view.Simulation().OpenValuePopup(pBlock, 0, 0);
    Popup().GetSlider()->UserMove(TB_THUMBTRACK, 725);
    EXPECT_EQ(pBlock->m_nAux[INPUT_SIM_VALUE_AUX], 725);
    EXPECT_EQ(Popup().GetSliderPos(), 725);
    ASSERT_FALSE(m_frame.m_refreshed.empty());
    EXPECT_EQ(m_frame.m_refreshed.back(), pBlock);
    Popup().GetSlider()->UserMove(TB_PAGEDOWN);
    EXPECT_EQ(pBlock->m_nAux[INPUT_SIM_VALUE_AUX], 825);
    Popup().GetSlider()->UserMove(TB_BOTTOM);
    EXPECT_EQ(pBlock->m_nAux[INPUT_SIM_VALUE_AUX], 1000) << "the end of the range, never past it";
}

TEST_F(AnalogSliderDlgTest, AnAnalogContactUsesAndKeepsItsOperandRecord)
{
    auto* pNew = Add(new CBlockAContact, 0);
    pNew->m_nOperand = 4006;
    m_view.Simulation().OpenValuePopup(pNew, 0, 0);
    EXPECT_EQ(Popup().GetSlider()->GetRangeMax(), 1000) << "no record: 0 .. 1000";
    Popup().GetSlider()->UserMove(TB_THUMBPOSITION, 300);
    OperandSimRecord record;
    ASSERT_TRUE(m_doc.m_mapOperandSim.Lookup(4006, record));
    EXPECT_EQ(record.nKind, 1);
    EXPECT_EQ(record.nValue, 300);
    EXPECT_EQ(record.nMin, 0);
    EXPECT_EQ(record.nMax, 1000);
    EXPECT_EQ(record.nMode, SIM_INPUT_FREQUENCY);

    auto* pKept = Add(new CBlockAContact, 0, CPoint(400, 100));
    pKept->m_nOperand = 4007;
    m_doc.m_mapOperandSim.SetAt(4007, OperandSimRecord{1, 42, 20, 80, 3});
    m_view.Simulation().OpenValuePopup(pKept, 0, 0);
    EXPECT_EQ(Popup().GetSlider()->GetRangeMin(), 20);
    EXPECT_EQ(Popup().GetSlider()->GetRangeMax(), 80);
    EXPECT_EQ(Popup().GetSlider()->GetPos(), 42);
    EXPECT_EQ(Text(IDC_SLIDER_MIN), CString(_T("20")));
    // A file's record beyond what the Simulation page offers is held within it.
    auto* pWide = Add(new CBlockAContact, 0, CPoint(700, 100));
    pWide->m_nOperand = 4008;
    m_doc.m_mapOperandSim.SetAt(4008, OperandSimRecord{1, 0, -2000000000, 2000000000, 3});
    m_view.Simulation().OpenValuePopup(pWide, 0, 0);
    EXPECT_EQ(Popup().GetSlider()->GetRangeMin(), -32767);
    EXPECT_EQ(Popup().GetSlider()->GetRangeMax(), 32767);
}

// The slider moves the run's value, which the run goes on from; a save during the run, and the
// document once the run ends, hold what the file held, and nothing is marked changed.
TEST_F(AnalogSliderDlgTest, WhatTheSliderMovedIsTheRunsAlone)
{
    m_view.OnSimulation();
    CBlockAnalogIn* pInput = AnalogIn(0, 1000, 1);
    // Numbered after the input, so that the run's order of the blocks is the file's.
    auto* pContact = Add(new CBlockAContact, 18000, CPoint(400, 100));
    pContact->m_nOperand = 4007;
    auto* pNew = Add(new CBlockAContact, 18001, CPoint(700, 100));
    pNew->m_nOperand = 4006;
    m_doc.m_mapOperandSim.SetAt(4007, OperandSimRecord{1, 42, 20, 80, 3});
    for (const int nDocType : {DOC_TYPE_FBD, DOC_TYPE_LAD}) {
        SCOPED_TRACE(nDocType);
        m_doc.m_nDocType = nDocType;
        const Bytes before = SaveToBytes(m_doc);
        m_view.OnSimulation();
        for (CBlockObj* pBlock : {static_cast<CBlockObj*>(pInput), static_cast<CBlockObj*>(pContact),
                                  static_cast<CBlockObj*>(pNew)}) {
            m_view.Simulation().OpenValuePopup(pBlock, 0, 0);
            Popup().GetSlider()->UserMove(TB_THUMBPOSITION, 60);
            EXPECT_EQ(pBlock->m_nAux[INPUT_SIM_VALUE_AUX], 60) << "the run goes on from the slider";
        }
        EXPECT_TRUE(SaveToBytes(m_doc) == before) << "saved during the run";
        m_view.OnSimulation();
        EXPECT_TRUE(SaveToBytes(m_doc) == before) << "after the run";
        EXPECT_FALSE(m_doc.IsModified());
    }
}

TEST_F(AnalogSliderDlgTest, OneBlockOnePopupAndAnotherBlockReplacesIt)
{
    CBlockAnalogIn* pFirst = AnalogIn(0, 100, 5);
    auto* pSecond = Add(new CBlockAnalogIn, 4002, CPoint(400, 100));
    m_view.Simulation().OpenValuePopup(pFirst, 0, 0);
    CAnalogSliderDlg* pPopup = m_view.Simulation().ValuePopup();
    m_view.Simulation().OpenValuePopup(pFirst, 0, 0);
    EXPECT_EQ(m_view.Simulation().ValuePopup(), pPopup) << "open for that block already";
    m_view.Simulation().OpenValuePopup(pSecond, 0, 0);
    EXPECT_EQ(m_view.Simulation().PopupBlock(), pSecond);
    EXPECT_EQ(Popup().GetBlock(), pSecond);
}

// Escape and Enter close the popup when pressed, Alt when let go (Alt+F4 must find the popup
// still there). A key typed while Alt is held does nothing.
TEST_F(AnalogSliderDlgTest, EscapeEnterAndAltCloseIt)
{
    CBlockAnalogIn* pBlock = AnalogIn(0, 100, 5);
    const struct {
        WPARAM nKey;
        UINT nDown;
        UINT nUp;
    } keys[] = {{VK_ESCAPE, WM_KEYDOWN, WM_KEYUP}, {VK_RETURN, WM_KEYDOWN, WM_KEYUP}, {VK_MENU, WM_SYSKEYDOWN, WM_KEYUP},
                {VK_MENU, WM_KEYDOWN, WM_SYSKEYUP}};
    for (const auto& key : keys) {
        SCOPED_TRACE(key.nKey);
        m_view.Simulation().OpenValuePopup(pBlock, 0, 0);
        CWnd* pSlider = m_view.Simulation().ValuePopup()->GetSlider();
        const bool bAlt = key.nKey == VK_MENU;
        MSG down{pSlider, key.nDown, key.nKey, 0, 0, {0, 0}};
        AfxSetKeyState(VK_MENU, bAlt);
        EXPECT_TRUE(m_view.Simulation().ValuePopup()->PreTranslateMessage(&down));
        EXPECT_EQ(m_view.Simulation().ValuePopup() != nullptr, bAlt);
        if (bAlt) {
            MSG f3{pSlider, WM_SYSKEYDOWN, VK_F3, 0, 0, {0, 0}};
            EXPECT_TRUE(m_view.Simulation().ValuePopup()->PreTranslateMessage(&f3));
            m_thread.PumpPending();
            EXPECT_EQ(m_view.EditMode(), EDIT_MODE_SIMULATE) << "F3 under Alt left the simulation";
            AfxSetKeyState(VK_MENU, false);
            MSG up{pSlider, key.nUp, key.nKey, 0, 0, {0, 0}};
            EXPECT_TRUE(m_view.Simulation().ValuePopup()->PreTranslateMessage(&up));
        }
        EXPECT_EQ(m_view.Simulation().ValuePopup(), nullptr);
        EXPECT_EQ(m_view.Simulation().PopupBlock(), nullptr);
    }
}

// Records the commands that reach it.
class CommandRecorder : public CWnd {
public:
    std::vector<UINT> m_commands;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND)
            m_commands.push_back(UINT(wParam));
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

TEST_F(AnalogSliderDlgTest, FileKeysReachTheMainWindowOnlyWithControlHeld)
{
    CommandRecorder mainWnd;
    ASSERT_TRUE(mainWnd.CreateEx(0, nullptr, _T("Main"), WS_OVERLAPPEDWINDOW, kRect, nullptr, 0));
    m_thread.m_pMainWnd = &mainWnd;
    m_view.Simulation().OpenValuePopup(AnalogIn(0, 100, 5), 0, 0);
    const struct {
        UINT nMessage;
        WPARAM nKey;
        bool bCtrl;
        UINT nCommand;   // 0: none
    } cases[] = {{WM_KEYDOWN, VK_F4, true, 57602}, {WM_KEYDOWN, VK_F4, false, 0}, {WM_CHAR, 14, true, 57600},
                 {WM_CHAR, 15, true, 57601},       {WM_CHAR, 15, false, 0}};
    for (const auto& c : cases) {
        AfxSetKeyState(VK_CONTROL, c.bCtrl);
        MSG msg{m_view.Simulation().ValuePopup(), c.nMessage, c.nKey, 0, 0, {0, 0}};
        m_view.Simulation().ValuePopup()->PreTranslateMessage(&msg);
        m_thread.PumpPending();
        const std::vector<UINT> expected = c.nCommand ? std::vector<UINT>{c.nCommand} : std::vector<UINT>{};
        EXPECT_EQ(mainWnd.m_commands, expected) << c.nKey << (c.bCtrl ? " with Ctrl" : "");
        mainWnd.m_commands.clear();
    }
    AfxSetKeyState(VK_CONTROL, false);
    m_view.CloseValuePopup();
    m_thread.m_pMainWnd = nullptr;
    mainWnd.DestroyWindow();
}

TEST_F(AnalogSliderDlgTest, APressOnTheDiagramOpensOrClosesIt)
{
    CBlockAnalogIn* pBlock = AnalogIn(0, 100, 5);
    Add(new CBlockOut, 600, CPoint(400, 100));
    EXPECT_TRUE(m_view.PressSimulatedInput(CPoint(210, 110)));
    EXPECT_EQ(m_view.Simulation().PopupBlock(), pBlock);
    EXPECT_TRUE(m_view.PressSimulatedInput(CPoint(410, 110)));
    EXPECT_EQ(m_view.Simulation().ValuePopup(), nullptr) << "a press on another block closes it";
    m_view.PressSimulatedInput(CPoint(210, 110));
    EXPECT_FALSE(m_view.PressSimulatedInput(CPoint(5, 5)));
    EXPECT_EQ(m_view.Simulation().ValuePopup(), nullptr) << "and so does a press beside every block";
}

} // namespace
