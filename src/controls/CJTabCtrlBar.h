// CCJTabCtrlBar: a CCJControlBar holding a tab control along its bottom and one view per tab.
// Only the selected tab's view is shown and enabled; the others wait hidden and disabled. The
// bar creates its views from their run-time classes and they go with its window.
//
// A derived bar learns of the user's tab changes through OnTabSelected (the palette tells its
// view which category it now shows).
#pragma once

#include "controls/CJControlBar.h"
#include "platform/gdi/Font.h"
#include "platform/ui/TabCtrl.h"

#include <vector>

class CView;
struct CCreateContext;
struct CRuntimeClass;

class CCJTabCtrlBar : public CCJControlBar {
    DECLARE_DYNAMIC(CCJTabCtrlBar)

public:
    static constexpr UINT kTabCtrlID = 1000;
    // A tab's title keeps at most this many characters.
    static constexpr int kMaxTitle = 15;

    // Where the tab control and each view go in a bar of that window size at that dock bar,
    // relative to the content rectangle's corner.
    struct TabLayout {
        CRect rcTab;
        CRect rcView;
    };
    static TabLayout CalcTabLayout(CSize sizeWindow, UINT nDockBarID);

    // Creates a view of the class as a child of the bar (WS_CHILD | WS_VISIBLE | WS_BORDER,
    // id 0) and a tab with the title after the last. Every view but the first starts hidden and
    // disabled. FALSE when the view's window cannot be created.
    BOOL AddView(LPCTSTR lpszTitle, CRuntimeClass* pViewClass, CCreateContext* pContext = nullptr);
    // Shows, enables and focuses the view of that tab and selects the tab; the view shown before
    // is hidden and disabled. Nothing happens for -1 or the tab already active.
    void SetActiveView(int nNewTab);
    // The view of that tab; null for an index without a tab.
    CView* GetView(int nView) const;
    CView* GetActiveView() const { return m_pActiveView; }
    int GetActiveTab() const { return m_nActiveTab; }
    int GetViewCount() const { return int(m_views.size()); }
    CString GetViewTitle(int nView) const;
    CTabCtrl& GetTabCtrl() { return m_tabctrl; }
    // The pictures of the tabs (tab n shows image n); not owned. Returns the list before.
    CImageList* SetTabImageList(CImageList* pImageList) { return m_tabctrl.SetImageList(pImageList); }

protected:
    // The user chose tab nTab, whose view pView is now the active one.
    virtual void OnTabSelected(int nTab, CView* pView);

    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnDestroy() override;
    void LayoutContent() override;
    void OnSelChange(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    struct TabView {
        CView* pView;
        CString strTitle;
    };

    CTabCtrl m_tabctrl;
    CFont m_font;
    int m_nActiveTab = 0;
    CView* m_pActiveView = nullptr;
    std::vector<TabView> m_views;
};
