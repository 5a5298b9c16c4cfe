#include "editor/ChildFrame.h"

#include "blocks/SimTime.h"
#include "editor/InputsBarDlg.h"
#include "editor/OutputsBarDlg.h"
#include "editor/SimulationBarDlg.h"
#include "editor/VetlaView.h"
#include "platform/core/Document.h"
#include "platform/core/Runtime.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/PeriodicTimer.h"
#include "platform/ui/WndMessageMap.h"

#include <algorithm>
#include <ctime>

IMPLEMENT_DYNCREATE(CChildFrame, CMDIChildWnd)

BEGIN_MESSAGE_MAP(CChildFrame, CMDIChildWnd)
    ON_COMMAND(ID_FILE_SAVE, OnFileSave)
    ON_COMMAND(ID_FILE_SAVE_AS, OnFileSaveAs)
    ON_COMMAND(ID_FILE_CLOSE, OnFileClose)
    ON_WM_DESTROY()
    ON_MESSAGE(WM_SIM_TICK, OnSimTickMessage)
END_MESSAGE_MAP()

namespace {

template <class Bar>
void DeleteBar(Bar*& pBar)
{
    if (!pBar)
        return;
    if (IsWindow(pBar)) {
        pBar->ShowWindow(SW_HIDE);
        pBar->DestroyWindow();
    }
    delete pBar;
    pBar = nullptr;
}

} // namespace

CChildFrame::CChildFrame()
{
    GetLocalTime(&m_stClock);
    m_stPrevClock = m_stClock;
}

CChildFrame::~CChildFrame()
{
    StopSimTimer();
    DestroySimBars();
}

CChildFrame* AsChildFrame(CWnd* pWnd)
{
    return pWnd && pWnd->IsKindOf(RUNTIME_CLASS(CChildFrame)) ? static_cast<CChildFrame*>(pWnd) : nullptr;
}

CVetlaView* CChildFrame::GetActiveView() const { return AsVetlaView(CMDIChildWnd::GetActiveView()); }

void CChildFrame::SetActiveView(CView* pViewNew, BOOL bNotify)
{
    CMDIChildWnd::SetActiveView(pViewNew, bNotify);
    if (CVetlaView* pView = AsVetlaView(pViewNew))
        pView->SetParentFrame(this);
}

void CChildFrame::OnFileSave()
{
    if (CDocument* pDoc = GetActiveDocument())
        pDoc->DoFileSave();
}

void CChildFrame::OnFileSaveAs()
{
    if (CDocument* pDoc = GetActiveDocument())
        pDoc->DoSave(nullptr);
}

void CChildFrame::OnFileClose()
{
    // The user may keep the document by cancelling the save question.
    if (CDocument* pDoc = GetActiveDocument(); pDoc && pDoc->SaveModified())
        pDoc->OnCloseDocument();
}

SYSTEMTIME* CChildFrame::GetSimTime(SYSTEMTIME* pOut) const
{
    if (pOut)
        *pOut = m_stClock;
    return pOut;
}

void CChildFrame::GetPrevSimTime(SYSTEMTIME* pOut) const
{
    if (pOut)
        *pOut = m_stPrevClock;
}

void CChildFrame::SetSimTime(const SYSTEMTIME* pTime)
{
    if (!pTime)
        return;
    m_stPrevClock = m_stClock;
    m_stClock = *pTime;
    m_bClockSet = 1;
}

void CChildFrame::AdvanceSimTime()
{
    AdvanceSimClock(&m_stClock);
}

void CChildFrame::FormatSimTime(CString& strOut, BOOL bShortMonth, int nMode) const
{
    ::FormatSimTime(m_stClock, strOut, bShortMonth, nMode);
}

// ---- the simulation's timer and bars ----

int CChildFrame::GetSimRunState() const
{
    const CSimulationBarDlg* pBar = GetSimulationBarDlg();
    return pBar ? pBar->m_nSimRunState : m_nSimRunState;
}

int CChildFrame::GetSimStepState() const
{
    const CSimulationBarDlg* pBar = GetSimulationBarDlg();
    return pBar ? pBar->m_nSimStepState : m_nSimStepState;
}

int CChildFrame::GetSimStepUnit() const
{
    const CSimulationBarDlg* pBar = GetSimulationBarDlg();
    return pBar ? pBar->GetStepUnit() : m_nSimStepUnit;
}

CSimulationBarDlg* CChildFrame::GetSimulationBarDlg() const
{
    CSimulationBarDlg* pDlg = m_pSimulationBar ? m_pSimulationBar->GetDlg() : nullptr;
    return pDlg && IsWindow(pDlg) ? pDlg : nullptr;
}

void CChildFrame::StartSimTimer()
{
    StopSimTimer();
    GetLocalTime(&m_stClock);
    m_stPrevClock = m_stClock;
    if (!m_hWnd)
        return;
    m_pSimTimer = AfxCreatePeriodicTimer();
    // The timer's thread only posts: the tick's work happens when the UI thread takes the
    // message, so the clock, the step count and the blocks have one writer.
    const HWND hWnd = m_hWnd;
    m_pSimTimer->Start(SIM_TICK_MS, [hWnd] { ::PostMessage(hWnd, WM_SIM_TICK); });
}

void CChildFrame::StopSimTimer()
{
    if (m_pSimTimer) {
        m_pSimTimer->Stop();
        m_pSimTimer.reset();
    }
}

BOOL CChildFrame::IsSimTimerRunning() const { return m_pSimTimer && m_pSimTimer->IsRunning(); }

LRESULT CChildFrame::OnSimTickMessage(WPARAM, LPARAM)
{
    // A tick posted just before the timer stopped may still arrive; it finds no timer.
    if (IsSimTimerRunning())
        OnSimTick();
    return 0;
}

void CChildFrame::OnSimTick()
{
    if (!m_pSimulationBar)
        return;
    AdvanceSimTime();
    if (CSimulationBarDlg* pBar = GetSimulationBarDlg();
        pBar && pBar->m_nSimStepState == SIM_STEP_STEPPING && pBar->GetStepUnit() == SIM_STEP_UNIT_CYCLES &&
        SystemTimeToMs(&m_stClock) - SystemTimeToMs(&m_stStepRef) >= SIM_TICK_MS) {
        m_stStepRef = m_stClock;
        pBar->StepCyclesTick(this);
    }
    if (CVetlaView* pView = GetActiveView(); pView && pView->m_hWnd)
        pView->Invalidate(FALSE);
    if (!m_bBarsRedrawn) {
        m_bBarsRedrawn = 1;
        for (CControlBar* pBar : m_barRow)
            pBar->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
}

int CChildFrame::CreateSimBars()
{
    if (!m_pSimulationBar)
        m_pSimulationBar = new CSimulationBar(this);
    if (!m_pOutputsBar)
        m_pOutputsBar = new COutputsBar(this);
    if (!m_pInputsBar)
        m_pInputsBar = new CInputsBar(this);
    if (!m_hWnd)
        return -1;
    RegisterSimBarTemplates();
    constexpr DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM;
    const struct {
        cdxCDynamicBar* pBar;
        LPCTSTR lpszTitle;
        UINT nID;
    } bars[] = {{m_pSimulationBar, _T("Simulation"), ID_SIMULATION_BAR},
                {m_pOutputsBar, _T("Outputs"), ID_OUTPUTS_BAR},
                {m_pInputsBar, _T("Inputs"), ID_INPUTS_BAR}};
    for (const auto& bar : bars) {
        if (!IsWindow(bar.pBar) && !bar.pBar->Create(bar.lpszTitle, this, bar.nID, dwStyle))
            return -1;
        bar.pBar->SetBarStyle(bar.pBar->GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC);
        bar.pBar->EnableDocking(CBRS_ALIGN_BOTTOM);
    }
    EnableDocking(CBRS_ALIGN_ANY);
    // The frame lays its row of bars out itself (LayOutBarRow), the Inputs bar first.
    m_pInputsBar->m_dwStyle = (m_pInputsBar->m_dwStyle & ~CBRS_ALIGN_ANY) | CBRS_ALIGN_BOTTOM;
    DockBarAfter(m_pOutputsBar, m_pInputsBar);
    DockBarAfter(m_pSimulationBar, m_pOutputsBar);
    return 1;
}

void CChildFrame::RefreshInputs(CBlockObj* pBlock)
{
    if (m_pInputsBar && IsWindow(m_pInputsBar->GetDlg()))
        m_pInputsBar->GetDlg()->RefreshInputs(pBlock);
}

void CChildFrame::RefreshOutputs(CBlockObj* pBlock)
{
    if (m_pOutputsBar && IsWindow(m_pOutputsBar->GetDlg()))
        m_pOutputsBar->GetDlg()->RefreshOutputs(pBlock);
}

void CChildFrame::DestroySimBars()
{
    m_barRow.clear();
    DeleteBar(m_pSimulationBar);
    DeleteBar(m_pOutputsBar);
    DeleteBar(m_pInputsBar);
    if (m_hWnd)
        RecalcLayout();
}

void CChildFrame::OnDestroy()
{
    // The timer stops before the bars go, so that no tick finds them half destroyed.
    if (m_pSimulationBar) {
        StopSimTimer();
        DestroySimBars();
    }
    CMDIChildWnd::OnDestroy();
}

void CChildFrame::DockBarAfter(CControlBar* pBar, CControlBar* pAfter)
{
    if (!pBar || !pAfter || pBar == pAfter)
        return;
    if (std::find(m_barRow.begin(), m_barRow.end(), pAfter) == m_barRow.end()) {
        // The reference bar starts the row; the frame lays the row out itself from now on.
        m_barRow.assign(1, pAfter);
        RemoveControlBar(pAfter);
    }
    std::erase(m_barRow, pBar);
    RemoveControlBar(pBar);
    m_barRow.insert(std::find(m_barRow.begin(), m_barRow.end(), pAfter) + 1, pBar);
    pBar->m_dwStyle = (pBar->m_dwStyle & ~CBRS_ALIGN_ANY) | (pAfter->m_dwStyle & CBRS_ALIGN_ANY);
    pBar->m_pDockSite = this;
    RecalcLayout();
}

void CChildFrame::DockControlBar(CControlBar* pBar, UINT nDockBarID, LPCRECT lpRect)
{
    const auto it = std::find(m_barRow.begin(), m_barRow.end(), pBar);
    if (it == m_barRow.end()) {
        CMDIChildWnd::DockControlBar(pBar, nDockBarID, lpRect);
        return;
    }
    TakeBackFloatingBar(pBar);
    if (lpRect) {
        m_barRow.erase(it);
        const std::vector<CControlBar*> line = BarLineAt(CRect(lpRect).CenterPoint());
        const size_t nPlace = DropPlaceInRow(line, *lpRect, true);
        auto itPlace = m_barRow.end();
        if (nPlace < line.size())
            itPlace = std::find(m_barRow.begin(), m_barRow.end(), line[nPlace]);
        else if (!line.empty())
            itPlace = std::find(m_barRow.begin(), m_barRow.end(), line.back()) + 1;
        m_barRow.insert(itPlace, pBar);
    }
    RecalcLayout();
}

std::vector<CControlBar*> CChildFrame::GetDockRow(const CControlBar* pBar) const
{
    if (std::find(m_barRow.begin(), m_barRow.end(), pBar) == m_barRow.end())
        return CMDIChildWnd::GetDockRow(pBar);
    if (!IsWindow(const_cast<CControlBar*>(pBar)) || pBar->IsFloating())
        return {};
    CRect rect;
    pBar->GetWindowRect(rect);
    std::vector<CControlBar*> line = BarLineAt(rect.CenterPoint());
    if (std::find(line.begin(), line.end(), pBar) == line.end())
        line.clear();
    return line;
}

std::vector<CControlBar*> CChildFrame::BarLineAt(CPoint ptScreen) const
{
    std::vector<CControlBar*> line;
    for (CControlBar* pBar : m_barRow) {
        if (!IsWindow(pBar) || !(pBar->GetStyle() & WS_VISIBLE) || pBar->IsFloating())
            continue;
        CRect rect;
        pBar->GetWindowRect(rect);
        if (ptScreen.y >= rect.top && ptScreen.y < rect.bottom)
            line.push_back(pBar);
    }
    return line;
}

void CChildFrame::RecalcLayout(BOOL bNotify)
{
    CMDIChildWnd::RecalcLayout(bNotify);
    CWnd* pPane = GetDlgItem(AFX_IDW_PANE_FIRST);
    if (!m_hWnd || m_barRow.empty())
        return;
    CRect rectPane;
    if (pPane) {
        pPane->GetWindowRect(rectPane);
        ScreenToClient(rectPane);
    } else {
        GetClientRect(rectPane);
    }
    LayOutBarRow(rectPane);
    if (pPane)
        pPane->MoveWindow(rectPane);
}

namespace {

// A bar of the frame's row: the size it asks for and the least width that shows its controls.
struct BarEntry {
    CControlBar* pBar;
    CSize size;
    int nMinWidth;
};

int BarLineHeight(const std::vector<BarEntry>& line)
{
    int nHeight = 0;
    for (const BarEntry& entry : line)
        nHeight = std::max<int>(nHeight, entry.size.cy);
    return nHeight;
}

// A line wider than the frame gives up the room its bars hold beyond their controls, in row
// order; a narrower one lets its last bar reach the frame's edge.
void FitBarLine(std::vector<BarEntry>& line, int nWidth)
{
    int nTotal = 0;
    for (const BarEntry& entry : line)
        nTotal += entry.size.cx;
    int nExcess = nTotal - nWidth;
    for (BarEntry& entry : line) {
        const int nGive = std::clamp<int>(nExcess, 0, entry.size.cx - entry.nMinWidth);
        entry.size.cx -= nGive;
        nExcess -= nGive;
    }
    if (nExcess < 0 && !line.empty())
        line.back().size.cx -= nExcess;
}

}  // namespace

void CChildFrame::LayOutBarRow(CRect& rectPane)
{
    // Lines of bars, each holding as many as fit at their content sizes; a bar that does not fit
    // even so has a line of its own.
    std::vector<std::vector<BarEntry>> lines(1);
    int nLineMin = 0;
    for (CControlBar* pBar : m_barRow) {
        // A floating bar lies in its own tool window.
        if (!IsWindow(pBar) || !(pBar->GetStyle() & WS_VISIBLE) || pBar->IsFloating())
            continue;
        CSize size = pBar->CalcFixedLayout(FALSE, TRUE);
        auto* pDynamic = dynamic_cast<cdxCDynamicBar*>(pBar);
        // A bar whose content grew (the Simulation bar's step counter) asks for room for it.
        const int nContent = pDynamic ? int(pDynamic->CalcContentSize().cx) : 0;
        size.cx = std::max<int>(size.cx, nContent);
        const int nMinWidth = pDynamic ? nContent : size.cx;
        if (!lines.back().empty() && nLineMin + nMinWidth > rectPane.Width()) {
            lines.emplace_back();
            nLineMin = 0;
        }
        lines.back().push_back({pBar, size, nMinWidth});
        nLineMin += nMinWidth;
    }
    for (auto& line : lines)
        FitBarLine(line, rectPane.Width());
    int nTotal = 0;
    for (const auto& line : lines)
        nTotal += BarLineHeight(line);
    int y = std::max<int>(rectPane.top, rectPane.bottom - nTotal);
    rectPane.bottom = y;
    for (const auto& line : lines) {
        const int nHeight = BarLineHeight(line);
        int x = rectPane.left;
        for (const BarEntry& entry : line) {
            entry.pBar->MoveWindow(x, y, entry.size.cx, nHeight);
            x += entry.size.cx;
        }
        y += nHeight;
    }
}
