#include "editor/AnalogSliderDlg.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockIn.h"
#include "blocks/BlockLadder.h"
#include "document/AnalogRanges.h"
#include "document/SimScan.h"
#include "document/VetlaDoc.h"
#include "editor/ChildFrame.h"
#include "editor/VetlaView.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/SliderCtrl.h"
#include "platform/ui/Static.h"
#include "platform/ui/WinThread.h"
#include "platform/ui/WndMessageMap.h"

#include <cmath>

IMPLEMENT_DYNAMIC(CAnalogSliderDlg, CDialog)

BEGIN_MESSAGE_MAP(CAnalogSliderDlg, CDialog)
    // The trackbar is no scroll bar, so its WM_HSCROLL is taken as the plain message.
    ON_MESSAGE(WM_HSCROLL, OnSliderScroll)
END_MESSAGE_MAP()

namespace {

// An analog contact's operand with no record yet.
constexpr int kContactMin = 0;
constexpr int kContactMax = 1000;
constexpr int kRecordKindInput = 1;
// The popup stands this many block-width units left of its block.
constexpr int kPlacementWidths = 8;
constexpr int kMaxRangeText = 6;

constexpr UINT ID_TOOLS_SIMULATION = 32802;

// A key that leaves the simulation and then runs a command of the view or the main window.
struct CommandKey {
    UINT nMessage;   // WM_KEYDOWN (virtual key) or WM_CHAR with Ctrl held (character)
    WPARAM nKey;
    bool bCtrl;      // WM_KEYDOWN only: Ctrl must be held
    UINT nCommand;   // 0: leaving the simulation is all
    bool bMain;
};
constexpr CommandKey kCommandKeys[] = {
    {WM_KEYDOWN, VK_F3, false, 0, false},
    {WM_KEYDOWN, VK_F5, false, 32801, false},
    {WM_KEYDOWN, VK_F11, false, 32780, false},
    {WM_KEYDOWN, VK_F9, false, 32822, false},
    {WM_KEYDOWN, VK_F4, true, 57602, true},
    {WM_CHAR, 18, true, 32806, false},   // Ctrl+R
    {WM_CHAR, 23, true, 32807, false},   // Ctrl+W
    {WM_CHAR, 14, true, 57600, true},    // Ctrl+N
    {WM_CHAR, 15, true, 57601, true},    // Ctrl+O
};

// An input or function key in frequency mode, or a make or break contact whose operand runs in
// it: a contact's sheet keeps the mode in the operand's record, and the contact carries it
// itself only once a sheet applied it during a run.
bool IsInFrequencyMode(const CVetlaDoc* pDoc, const CBlockObj& block)
{
    const int nMode = pDoc ? SimulatedInputMode(*pDoc, block) : block.m_nParamEx[INPUT_SIM_MODE_PARAMEX];
    return IsAnyOf(block, {RUNTIME_CLASS(CBlockIn), RUNTIME_CLASS(CBlockFKey), RUNTIME_CLASS(CBlockMake)}) &&
           nMode == SIM_INPUT_FREQUENCY;
}

CString RangeText(int nValue)
{
    CString str;
    str.Format(_T("%d"), nValue);
    return str.Left(kMaxRangeText);
}

} // namespace

void RegisterAnalogSliderTemplate()
{
    DialogTemplate dlg;
    dlg.nID = IDD_ANALOG_SLIDER;
    dlg.dwStyle = WS_POPUP | WS_BORDER | WS_VISIBLE | DS_SETFONT;
    dlg.size = CSize(153, 16);
    dlg.items = {
        // Each range text has room for its six characters ("-32768").
        DialogItem(IDC_SLIDER_MIN, WC_STATIC, SS_RIGHT, CRect(1, 3, 33, 12)),
        DialogItem(IDC_SLIDER, TRACKBAR_CLASS, WS_TABSTOP | TBS_HORZ | TBS_NOTICKS, CRect(35, 1, 118, 15)),
        DialogItem(IDC_SLIDER_MAX, WC_STATIC, SS_LEFT, CRect(120, 3, 152, 12)),
    };
    AfxRegisterDialogTemplate(std::move(dlg));
}

CAnalogSliderDlg::CAnalogSliderDlg(CVetlaView* pView, CBlockObj* pBlock, int nOffsetX, int nOffsetY)
    : CDialog(IDD_ANALOG_SLIDER), m_pView(pView), m_pBlock(pBlock), m_nOffsetX(nOffsetX), m_nOffsetY(nOffsetY)
{
    const ValueRange range = RangeOf(*pView, *pBlock);
    m_strMin = RangeText(range.nMin);
    m_strMax = RangeText(range.nMax);
    m_nSliderPos = range.nValue;
}

BOOL CAnalogSliderDlg::Create()
{
    if (!AfxFindDialogTemplate(IDD_ANALOG_SLIDER))
        RegisterAnalogSliderTemplate();
    return CDialog::Create(IDD_ANALOG_SLIDER, m_pView->m_hWnd ? m_pView : nullptr);
}

BOOL CAnalogSliderDlg::OpensFor(const CVetlaView& view, const CBlockObj& block)
{
    if (block.IsKindOf(RUNTIME_CLASS(CBlockAnalogIn)) || IsInFrequencyMode(view.GetDocument(), block))
        return TRUE;
    // A contact on the operand of an analog input block follows that block instead.
    return block.IsKindOf(RUNTIME_CLASS(CBlockAContact)) && view.GetDocument() &&
           !view.GetDocument()->FindBlockByNumber(block.m_nOperand);
}

CAnalogSliderDlg::ValueRange CAnalogSliderDlg::RangeOf(const CVetlaView& view, const CBlockObj& block)
{
    if (block.IsKindOf(RUNTIME_CLASS(CBlockAContact))) {
        OperandSimRecord record;
        if (view.GetDocument() && view.GetDocument()->m_mapOperandSim.Lookup(block.m_nOperand, record))
            return {BoundedSimValue(record.nMin), BoundedSimValue(record.nMax), BoundedSimValue(record.nValue)};
        return {kContactMin, kContactMax, 0};
    }
    return {BoundedSimValue(block.m_nAux[BLOCK_VALUE_MIN_AUX]), BoundedSimValue(block.m_nAux[BLOCK_VALUE_MAX_AUX]),
            BoundedSimValue(block.m_nAux[INPUT_SIM_VALUE_AUX])};
}

void CAnalogSliderDlg::StoreOperandValue(CVetlaDoc& doc, int nOperand, int nValue)
{
    OperandSimRecord record{kRecordKindInput, 0, kContactMin, kContactMax, SIM_INPUT_FREQUENCY};
    doc.m_mapOperandSim.Lookup(nOperand, record);
    record.nValue = nValue;
    doc.m_mapOperandSim.SetAt(nOperand, record);
}

CSliderCtrl* CAnalogSliderDlg::GetSlider() const { return dynamic_cast<CSliderCtrl*>(GetDlgItem(IDC_SLIDER)); }

BOOL CAnalogSliderDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_bSelfDeleting = true;
    SetDlgItemText(IDC_SLIDER_MIN, m_strMin);
    SetDlgItemText(IDC_SLIDER_MAX, m_strMax);
    if (CSliderCtrl* pSlider = GetSlider()) {
        const ValueRange range = RangeOf(*m_pView, *m_pBlock);
        pSlider->SetLineSize(1);
        pSlider->SetPageSize((range.nMax - range.nMin) / 10);
        pSlider->SetRange(range.nMin, range.nMax);
        pSlider->SetPos(m_nSliderPos);
    }
    PlaceAtBlock();
    return TRUE;
}

// Zoomed, and scrolled by the offset.
CRect CAnalogSliderDlg::DrawnBlock() const
{
    const double dZoom = m_pView->GetZoom();
    const auto zoomed = [dZoom](int n) { return int(std::lround(n * dZoom)); };
    CRect rect(zoomed(m_pBlock->m_ptPos.x), zoomed(m_pBlock->m_ptPos.y),
               zoomed(m_pBlock->m_ptPos.x + m_pBlock->m_nWidth), zoomed(m_pBlock->m_ptPos.y + m_pBlock->m_nHeight));
    rect.OffsetRect(-m_nOffsetX, -m_nOffsetY);
    return rect;
}

void CAnalogSliderDlg::PlaceAtBlock()
{
    // The popup keeps its own size, so it stands the same pixels to the left of its block at
    // every zoom.
    CPoint pt = DrawnBlock().TopLeft();
    pt.x -= kPlacementWidths * m_pBlock->m_nWidth;
    if (m_pView->m_hWnd)
        m_pView->ClientToScreen(&pt);
    SetWindowPos(nullptr, pt.x, pt.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// What the user sees of the view: its client area, cut by every window around it (a document
// window partly outside the main window's, the main window made smaller).
BOOL CAnalogSliderDlg::FollowBlock(CPoint ptScroll)
{
    m_nOffsetX = ptScroll.x;
    m_nOffsetY = ptScroll.y;
    if (m_pView->m_hWnd) {
        CRect rcBlock = DrawnBlock();
        m_pView->ClientToScreen(rcBlock);
        for (const CWnd* pWnd = m_pView; pWnd && !rcBlock.IsRectEmpty(); pWnd = pWnd->GetParent()) {
            CRect rcClient;
            pWnd->GetClientRect(rcClient);
            pWnd->ClientToScreen(rcClient);
            rcBlock.IntersectRect(rcBlock, rcClient);
            if (pWnd->GetStyle() & WS_POPUP)
                break;
        }
        if (rcBlock.IsRectEmpty())
            return FALSE;
    }
    PlaceAtBlock();
    return TRUE;
}

LRESULT CAnalogSliderDlg::OnSliderScroll(WPARAM, LPARAM)
{
    if (const CSliderCtrl* pSlider = GetSlider())
        StoreValue(pSlider->GetPos());
    return 0;
}

void CAnalogSliderDlg::StoreValue(int nValue)
{
    CVetlaDoc* pDoc = m_pView->GetDocument();
    const bool bOperandRecord = m_pBlock->IsKindOf(RUNTIME_CLASS(CBlockAContact)) ||
                                (m_pBlock->IsKindOf(RUNTIME_CLASS(CBlockMake)) && IsInFrequencyMode(pDoc, *m_pBlock));
    if (bOperandRecord && pDoc)
        StoreOperandValue(*pDoc, m_pBlock->m_nOperand, nValue);
    m_nSliderPos = nValue;
    m_pBlock->m_nAux[INPUT_SIM_VALUE_AUX] = nValue;
    m_pView->UpdateSimInputSettings(m_pBlock);
    // The Inputs bar shows the new value even while the simulation is suspended and no scan
    // runs to report it.
    if (CChildFrame* pFrame = m_pView->GetParentFrame())
        pFrame->RefreshInputs(m_pBlock);
    m_pView->InvalidateAll();
}

void CAnalogSliderDlg::PostCommand(UINT nID, BOOL bMain) const
{
    CWnd* pTarget = bMain ? AfxGetMainWnd() : m_pView;
    if (pTarget && pTarget->m_hWnd)
        pTarget->PostMessage(WM_COMMAND, nID);
}

BOOL CAnalogSliderDlg::HandleCommandKey(const MSG& msg) const
{
    const UINT nMessage = msg.message == WM_SYSKEYDOWN ? UINT(WM_KEYDOWN) : msg.message;
    const bool bCtrl = GetKeyState(VK_CONTROL) < 0;
    for (const CommandKey& key : kCommandKeys) {
        if (key.nMessage != nMessage || key.nKey != msg.wParam || (key.bCtrl && !bCtrl))
            continue;
        PostCommand(ID_TOOLS_SIMULATION, FALSE);
        if (key.nCommand)
            PostCommand(key.nCommand, key.bMain);
        return TRUE;
    }
    return FALSE;
}

// Alt closes the popup when the Alt chord ends, on its release, not on its press: Alt+F4 is the
// window manager's, which closes the window that has the keyboard when F4 comes. Closed on the
// press, the popup would leave the keyboard to the main window by then, and the program would
// end. Keys typed while Alt is held do nothing here; a release whose press the popup did not
// see closes nothing.
BOOL CAnalogSliderDlg::PreTranslateMessage(MSG* pMsg)
{
    const bool bKeyDown = pMsg->message == WM_KEYDOWN || pMsg->message == WM_SYSKEYDOWN;
    const bool bKeyUp = pMsg->message == WM_KEYUP || pMsg->message == WM_SYSKEYUP;
    if (pMsg->wParam == VK_MENU && (bKeyDown || bKeyUp)) {
        const bool bChordEnds = bKeyUp && m_bAltHeld;
        m_bAltHeld = bKeyDown;
        if (bChordEnds)
            m_pView->Simulation().CloseValuePopup();   // this object is gone now
        return TRUE;
    }
    // A chord whose release went to another window is over.
    if (GetKeyState(VK_MENU) >= 0)
        m_bAltHeld = false;
    if (m_bAltHeld && (bKeyDown || bKeyUp || pMsg->message == WM_CHAR || pMsg->message == WM_SYSCHAR))
        return TRUE;
    if (bKeyDown && (pMsg->wParam == VK_ESCAPE || pMsg->wParam == VK_RETURN)) {
        m_pView->Simulation().CloseValuePopup();   // this object is gone now
        return TRUE;
    }
    if (HandleCommandKey(*pMsg))
        return TRUE;
    return CDialog::PreTranslateMessage(pMsg);
}

void CAnalogSliderDlg::OnOK() { m_pView->Simulation().CloseValuePopup(); }

void CAnalogSliderDlg::OnCancel() { m_pView->Simulation().CloseValuePopup(); }

void CAnalogSliderDlg::PostNcDestroy()
{
    m_pView->Simulation().OnPopupGone(this);
    if (m_bSelfDeleting)
        delete this;
}
