// CGraphDlg ("Graph"): one of the 30 predefined graphs for a graph element, each a button
// with its picture, and a larger preview of the current choice.
#pragma once

#include "messagetext/GraphButton.h"
#include "messagetext/MessageTextIds.h"
#include "platform/ui/Dialog.h"

class CGraphDlg : public CDialog {
    DECLARE_DYNAMIC(CGraphDlg)

public:
    explicit CGraphDlg(CWnd* pParent = nullptr);

    // The chosen graph, 0-29; with m_bEdit set it holds the element's graph on entry.
    int m_nGraph = 0;
    int m_nSelectedId = 0;
    int m_bEdit = 0;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void Select(int nID);

    CGraphButton m_btnGraphs[GRAPH_COUNT];
    CGraphButton m_btnPreview;
};
