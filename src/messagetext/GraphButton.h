// CGraphButton: an icon button of the Graph dialog whose picture is one of the predefined
// graphs (GraphPictures.h), filling the button inside its border.
#pragma once

#include "controls/IconButton.h"

class CGraphButton : public CIconButton {
    DECLARE_DYNAMIC(CGraphButton)

public:
    // The graph shown from now on; -1 shows none.
    void SetGraph(int nGraph);
    int GetGraph() const { return m_nGraph; }

protected:
    void DrawTheIcon(CDC* pDC, BOOL bHasTitle, const CRect& rcItem, CRect& rcCaption, BOOL bPressed,
                     BOOL bDisabled) override;

private:
    int m_nGraph = -1;
};
