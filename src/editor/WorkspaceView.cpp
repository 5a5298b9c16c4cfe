#include "editor/WorkspaceView.h"

#include "blocks/BlockObj.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "document/VetlaDoc.h"
#include "editor/ActiveDiagram.h"
#include "editor/ChildFrame.h"
#include "editor/PaletteHost.h"
#include "editor/PaletteTypes.h"
#include "editor/SimulationBarDlg.h"
#include "editor/VetlaView.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/DC.h"
#include "platform/ui/Cursor.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/WinThread.h"
#include "platform/ui/WndMessageMap.h"

#include <algorithm>

namespace {

constexpr int ITEM_LEFT = 10;
constexpr int ITEM_TOP = 15;
constexpr int ITEM_PITCH = 46;
constexpr int ITEM_WIDTH = 25;
constexpr int ITEM_HEIGHT = 36;

// The older generation's timer tab ends before the astronomical clock and the stopwatch.
constexpr std::size_t OLDER_TIMER_COUNT = 12;

// The cursor over a palette item: the program's insert cursor; elsewhere the arrow.
constexpr UINT IDC_PALETTE_ITEM = 4509;

// Where no main window offers a colour the palette stands on white.
constexpr COLORREF DEFAULT_PALETTE_BACKGROUND = RGB(255, 255, 255);

// Every palette page that exists, for RedrawAll.
std::vector<CWorkspaceView*>& PalettePages()
{
    static std::vector<CWorkspaceView*> pages;
    return pages;
}

} // namespace

IMPLEMENT_DYNCREATE(CWorkspaceView, CScrollView)

BEGIN_MESSAGE_MAP(CWorkspaceView, CScrollView)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_MESSAGE(WM_NCLBUTTONUP, OnNcLButtonUp)
END_MESSAGE_MAP()

CWorkspaceView::CWorkspaceView() { PalettePages().push_back(this); }

CWorkspaceView::~CWorkspaceView() { std::erase(PalettePages(), this); }

void CWorkspaceView::RedrawAll()
{
    for (CWorkspaceView* pPage : PalettePages())
        pPage->Repaint();
}

CRect CWorkspaceView::ItemBox(int nIndex)
{
    const int nTop = ITEM_TOP + ITEM_PITCH * nIndex;
    return CRect(ITEM_LEFT, nTop, ITEM_LEFT + ITEM_WIDTH, nTop + ITEM_HEIGHT);
}

std::vector<UINT> CWorkspaceView::PaletteItems(int nCategory, BYTE byModel, BOOL bLadder)
{
    const int nList = PaletteListOfTab(nCategory, byModel, bLadder);
    if (nList < 0)
        return {};
    const CUIntArray& list = g_paletteTypeLists[nList];
    std::vector<UINT> items;
    for (INT_PTR i = 0; i < list.GetSize(); ++i)
        items.push_back(list[i]);
    if (nCategory == PALETTE_TAB_BSC && bLadder) {
        // A rung combines contacts itself; of the gates only the edge-triggered ones have a place
        // in a ladder program.
        std::erase_if(items, [](UINT nType) {
            const BlockTypeRow* pRow = FindBlockType(int(nType));
            return !pRow || !(pRow->byLanguages & LANG_LAD);
        });
    } else if (nCategory == PALETTE_TAB_TMR && byModel < MODEL_NEW_GENERATION && items.size() > OLDER_TIMER_COUNT) {
        items.resize(OLDER_TIMER_COUNT);
    }
    return items;
}

CWorkspaceView::DocumentKind CWorkspaceView::ActiveDocumentKind()
{
    const CVetlaDoc* pDoc = GetActiveVetlaDoc();
    const WORD wHardware = pDoc ? pDoc->m_wHardwareCode : g_wHardwareCode;
    return {HIBYTE(wHardware), pDoc && pDoc->IsLadder()};
}

std::vector<UINT> CWorkspaceView::GetItems() const
{
    const DocumentKind kind = ActiveDocumentKind();
    return PaletteItems(m_nCategory, kind.byModel, kind.bLadder);
}

BOOL CWorkspaceView::ShowsCurrentItems() const { return !m_shownItems || *m_shownItems == GetItems(); }

int CWorkspaceView::HitTestItem(WPARAM* pwParam, int* pnType, int x, int y) const
{
    const std::vector<UINT> current = GetItems();
    // The two lists differ only between a change of the active document and the repaint it
    // asked for; a click in between means the block that was on the screen, which another
    // generation's list may have elsewhere or not at all.
    const std::vector<UINT>& shown = m_shownItems ? *m_shownItems : current;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        if (!ItemBox(int(i)).PtInRect(CPoint(x, y)))
            continue;
        if (std::find(current.begin(), current.end(), shown[i]) == current.end())
            return 0;
        *pwParam = 1;
        *pnType = int(shown[i]);
        return 1;
    }
    return 0;
}

int CWorkspaceView::TypeAtClientPoint(CPoint point) const
{
    const CPoint ptScrolled = point + GetScrollPosition();
    WPARAM wParam = 0;
    int nType = 0;
    return HitTestItem(&wParam, &nType, ptScrolled.x, ptScrolled.y) ? nType : 0;
}

void CWorkspaceView::OnInitialUpdate()
{
    SetScrollSizes(MM_TEXT, CSize(m_nScrollWidth, m_nScrollHeight));
    CScrollView::OnInitialUpdate();
}

void CWorkspaceView::Repaint()
{
    if (m_hWnd)
        Invalidate(FALSE);
}

// Everything is drawn off screen first and reaches the window in one copy, so the list does not
// flicker when a click or a mouse move repaints it.
void CWorkspaceView::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(rcClient);
    CDC memDC;
    memDC.CreateCompatibleDC(&dc);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&dc, rcClient.Width(), rcClient.Height());
    CBitmap* pOldBitmap = memDC.SelectObject(&bitmap);
    const IPaletteHost* pHost = AfxGetPaletteHost();
    memDC.FillSolidRect(rcClient, pHost ? pHost->GetPaletteBackground() : DEFAULT_PALETTE_BACKGROUND);
    const CPoint ptScroll = GetScrollPosition();
    memDC.SetViewportOrg(-ptScroll.x, -ptScroll.y);
    OnDraw(&memDC);
    memDC.SetViewportOrg(0, 0);
    dc.BitBlt(0, 0, rcClient.Width(), rcClient.Height(), &memDC, 0, 0, SRCCOPY);
    memDC.SelectObject(pOldBitmap);
}

BOOL CWorkspaceView::OnEraseBkgnd(CDC*) { return TRUE; }

void CWorkspaceView::OnLButtonDown(UINT nFlags, CPoint point)
{
    const int nType = TypeAtClientPoint(point);
    if (nType != 0) {
        m_nSelectedType = nType;
        if (CWnd* pMain = AfxGetMainWnd())
            pMain->SendMessage(WM_PALETTE_SELECT, 1, nType);
    }
    // A page still showing another document's list is brought up to date by any click.
    if (nType != 0 || !ShowsCurrentItems())
        Repaint();
    CScrollView::OnLButtonDown(nFlags, point);
}

void CWorkspaceView::OnMouseMove(UINT nFlags, CPoint point)
{
    SetCursor(TypeAtClientPoint(point) != 0 ? AfxLoadCursor(IDC_PALETTE_ITEM) : AfxLoadStandardCursor(IDC_ARROW));
    Repaint();
    CScrollView::OnMouseMove(nFlags, point);
}

LRESULT CWorkspaceView::OnNcLButtonUp(WPARAM wParam, LPARAM lParam)
{
    CVetlaView* pView = GetActiveVetlaView();
    if (pView && pView->EditMode() == EDIT_MODE_SIMULATE) {
        CChildFrame* pFrame = pView->GetParentFrame();
        CSimulationBarDlg* pBar = pFrame ? pFrame->GetSimulationBarDlg() : nullptr;
        // The bar's own filter lets the button go and ends the power failure.
        if (pBar && pBar->IsPowerPressed()) {
            MSG msg{m_hWnd, WM_NCLBUTTONUP, wParam, lParam, 0, {0, 0}};
            pBar->PreTranslateMessage(&msg);
        }
    }
    return DefWindowProc(WM_NCLBUTTONUP, wParam, lParam);
}
