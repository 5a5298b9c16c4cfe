// CWorkspaceView: one page of the block palette ("WorkBox"), a vertical list of block symbols
// with their names. The tab bar sets its category (the tab index, PaletteTab) and clears its
// selection on a tab change; a click on a symbol box selects that block type for insertion and
// tells the main window with WM_PALETTE_SELECT (editor/PaletteHost.h). Which items a category
// offers depends on the active document: its controller generation (model byte) and whether it
// is a ladder diagram.
#pragma once

#include "platform/core/Geometry.h"
#include "platform/core/Types.h"
#include "platform/ui/Msg.h"
#include "platform/ui/ScrollView.h"

#include <optional>
#include <vector>

class CWorkspaceView : public CScrollView {
    DECLARE_DYNCREATE(CWorkspaceView)

public:
    CWorkspaceView();
    ~CWorkspaceView() override;
    CWorkspaceView(const CWorkspaceView&) = delete;
    CWorkspaceView& operator=(const CWorkspaceView&) = delete;

    // Repaints every palette page that has a window: their lists follow the active document,
    // which has just changed.
    static void RedrawAll();

    // The palette's scroll extent.
    static constexpr int SCROLL_WIDTH = 30;
    static constexpr int SCROLL_HEIGHT = 1300;

    // The symbol box of item nIndex in scrolled view coordinates: 25 x 36 pixels, one item
    // every 46 pixels down.
    static CRect ItemBox(int nIndex);
    // The type codes a category offers, in order: the tab's list for the model byte and the
    // document kind, narrowed to the basic edge blocks in a ladder diagram and to the first
    // twelve timers below the newer generation. Empty where the tab offers nothing.
    static std::vector<UINT> PaletteItems(int nCategory, BYTE byModel, BOOL bLadder);
    // What the lists depend on: the active document's model byte and kind (the model byte of
    // g_wHardwareCode and an FBD diagram when no diagram view is active).
    struct DocumentKind {
        BYTE byModel;
        BOOL bLadder;
    };
    static DocumentKind ActiveDocumentKind();
    // The items of the view's category for the active document.
    std::vector<UINT> GetItems() const;
    // Whether the page shows the items of the active document (also before its first drawing);
    // FALSE once another document or controller became active after it was drawn.
    BOOL ShowsCurrentItems() const;

    // 1 with *pwParam 1 and *pnType the item's type code when (x, y), in scrolled view
    // coordinates, lies in the symbol box of an item; else 0. The name beside a box is no hit.
    // The boxes are those the page drew last, so that a click gives the block the user saw
    // there even when the active document changed after the drawing; a block the active
    // document is not offered is no hit.
    int HitTestItem(WPARAM* pwParam, int* pnType, int x, int y) const;

    void OnInitialUpdate() override;
    // The items of the category in scrolled view coordinates (WorkspaceViewPainter.cpp).
    void OnDraw(CDC* pDC) override;

    int m_nCategory = 0;
    int m_nScrollWidth = SCROLL_WIDTH;
    int m_nScrollHeight = SCROLL_HEIGHT;
    // The type code of the item clicked last, framed in the drawing; 0 after a tab change.
    int m_nSelectedType = 0;

protected:
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* pDC) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;
    // A release on the border while the Simulation bar's Power button is held ends the
    // simulated power failure, as a release in the client area of the bar would.
    LRESULT OnNcLButtonUp(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    // The items of the last drawing, in box order; none before the first one.
    std::optional<std::vector<UINT>> m_shownItems;

    // The item under a client point (scrolled here), or 0.
    int TypeAtClientPoint(CPoint point) const;
    void Repaint();
};
