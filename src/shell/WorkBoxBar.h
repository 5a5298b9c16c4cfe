// CWorkBoxBar: the block palette's bar "WorkBox", a tabbed control bar with one palette page
// (CWorkspaceView) per tab. A tab the user picks shows its page with that tab's category and
// nothing selected, and tells the main window, which returns the diagram view to select mode.
//
// What a page offers depends on the active document (its generation and whether it is a ladder
// diagram), so at idle time the bar has every page repainted whose drawing no longer matches:
// opening, creating, closing or switching documents and choosing another controller all change
// the lists, and a page left showing an old list would show blocks the document is not
// offered.
#pragma once

#include "controls/CJTabCtrlBar.h"

class CWorkBoxBar : public CCJTabCtrlBar {
    DECLARE_DYNAMIC(CWorkBoxBar)

public:
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

protected:
    void OnTabSelected(int nTab, CView* pView) override;
};
