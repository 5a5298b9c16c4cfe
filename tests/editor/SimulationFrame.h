// A diagram window with its simulation bars and a hand-fired tick timer (no real time passes),
// for the tests of the bars and of the dialogs they open.
#pragma once

#include "blocks/SimTime.h"
#include "document/VetlaDoc.h"
#include "editor/ChildFrame.h"
#include "editor/SimulationBarDlg.h"
#include "editor/VetlaView.h"
#include "platform/ui/PeriodicTimer.h"
#include "platform/ui/WindowFixture.h"

#include <memory>

constexpr SYSTEMTIME kSimStart = {2024, 3, 1, 4, 8, 0, 0, 0};  // Monday 4 March 2024 08:00:00

class SimulationFrameTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        m_previousFactory = AfxSetPeriodicTimerFactory([this] {
            auto pTimer = std::make_unique<CManualPeriodicTimer>();
            m_pTimer = pTimer.get();
            return pTimer;
        });
        m_doc.m_nDocType = DOC_TYPE_FBD;
        m_view.SetDocument(&m_doc);
    }
    void TearDown() override
    {
        if (IsWindow(m_pFrame))
            m_pFrame->DestroyWindow();
        AfxSetPeriodicTimerFactory(m_previousFactory);
        WindowTest::TearDown();
    }

    // The block numbered nNumber, added to pDoc or else to the fixture's document.
    template <class T>
    T* Add(T* pBlock, int nNumber, CVetlaDoc* pDoc = nullptr)
    {
        CVetlaDoc& doc = pDoc ? *pDoc : m_doc;
        pBlock->m_nNumber = nNumber;
        pBlock->InitForDocument(&doc);
        doc.m_blockList.AddTail(pBlock);
        return pBlock;
    }

    // A frame of nWidth that shows the view, no simulation started yet.
    bool CreateFrame(int nWidth = 2400)
    {
        m_pFrame = new CChildFrame;
        if (!m_pFrame->CFrameWnd::Create(nullptr, _T("Diagram"), WS_OVERLAPPEDWINDOW, CRect(0, 0, nWidth, 600)))
            return false;
        m_pFrame->SetActiveView(&m_view);
        return true;
    }

    // The frame with its bars and a running timer, the clock at stStart.
    void StartSimulation(int nWidth = 2400, const SYSTEMTIME& stStart = kSimStart)
    {
        ASSERT_TRUE(CreateFrame(nWidth));
        ASSERT_EQ(m_pFrame->CreateSimBars(), 1);
        m_pFrame->StartSimTimer();
        ASSERT_NE(m_pTimer, nullptr);
        m_pFrame->SetSimTime(&stStart);
        m_pFrame->m_bClockSet = 0;
    }
    // nTicks ticks of the timer, taken by the UI thread.
    void Tick(int nTicks = 1)
    {
        m_pTimer->Fire(nTicks);
        m_thread.PumpPending();
    }
    SYSTEMTIME Clock() const
    {
        SYSTEMTIME st = {};
        m_pFrame->GetSimTime(&st);
        return st;
    }
    CSimulationBarDlg& Bar() { return *m_pFrame->GetSimulationBarDlg(); }

    CVetlaDoc m_doc;
    CVetlaView m_view;
    CChildFrame* m_pFrame = nullptr;
    CManualPeriodicTimer* m_pTimer = nullptr;
    PeriodicTimerFactory m_previousFactory;
};
