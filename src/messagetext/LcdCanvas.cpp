#include "messagetext/LcdCanvas.h"

#include "blocks/Widget.h"
#include "messagetext/LcdFonts.h"
#include "messagetext/WidgetDraw.h"
#include "platform/gdi/DC.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/WndMessageMap.h"

IMPLEMENT_DYNCREATE(CLcdCanvas, CGridCtrl)

BOOL g_bShowMsgTextDetails = TRUE;

BEGIN_MESSAGE_MAP(CLcdCanvas, CGridCtrl)
    ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

CLcdCanvas::CLcdCanvas(int nRows, int nCols, int nFixedRows, int nFixedCols)
    : CGridCtrl(nRows, nCols, nFixedRows, nFixedCols)
{
    // The cells draw in the LCD's size and face.
    SetCellFont(GridCellFont());
}

CLcdCanvas::~CLcdCanvas()
{
    CloseObjectPopup(FALSE);
    DeleteWidgets();
    delete m_pDropCopy;
}

void CLcdCanvas::DeleteWidgets()
{
    for (int nLine = 0; nLine < LCD_LINE_COUNT; ++nLine) {
        for (CObArray* pList : {&m_arrWidgets[nLine], &m_arrWidgetsSet1[nLine], &m_arrWidgetsSet2[nLine]}) {
            for (INT_PTR i = 0; i < pList->GetSize(); ++i)
                delete pList->GetAt(i);
            pList->RemoveAll();
        }
    }
    m_pSelectedWidget = nullptr;
}

ILcdGridHost* CLcdCanvas::GetHost() const { return dynamic_cast<ILcdGridHost*>(GetOwner()); }

LcdGridHostKind CLcdCanvas::GetHostKind() const
{
    const ILcdGridHost* pHost = GetHost();
    return pHost ? pHost->GetGridHostKind() : LcdGridHostKind::Other;
}

// ---- keys ----

BOOL CLcdCanvas::DeleteSelectedWidgets()
{
    BOOL bRemoved = FALSE;
    for (CObArray& list : m_arrWidgets) {
        for (INT_PTR i = 0; i < list.GetSize();) {
            auto* pWidget = static_cast<CWidget*>(list.GetAt(i));
            if (pWidget && pWidget->m_bSelected) {
                delete pWidget;
                list.RemoveAt(i);
                bRemoved = TRUE;
            } else {
                ++i;
            }
        }
    }
    if (bRemoved)
        m_pSelectedWidget = nullptr;
    Invalidate();
    return bRemoved;
}

void CLcdCanvas::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == UINT(VK_DELETE)) {
        if (GetHostKind() == LcdGridHostKind::MsgTxtDisplay)
            return;
        DeleteSelectedWidgets();
    }
    CGridCtrl::OnKeyDown(nChar, nRepCnt, nFlags);
}

// ---- drawing ----

void CLcdCanvas::DrawGrid(CDC* pDC)
{
    CRect clip;
    if (!pDC || pDC->GetClipBox(&clip) == ERROR)
        return;
    CGridCtrl::DrawGrid(pDC);
    DrawWidgets(pDC);
    DrawDragOutline(pDC);
}

LOGFONT CLcdCanvas::WideCellFont(CDC& dc, const CString& strText, int nWidth, const LOGFONT&) const
{
    return FitWideGlyphFont(dc, strText, nWidth);
}

LOGFONT CLcdCanvas::NarrowCellFont(CDC& dc, const CString& strChar, int nWidth, const LOGFONT& cellFont) const
{
    return FitGlyphFont(dc, strChar, nWidth, cellFont);
}

void CLcdCanvas::DrawWidgets(CDC* pDC)
{
    INT_PTR nCount = 0;
    for (const CObArray& list : m_arrWidgets)
        nCount += list.GetSize();
    if (nCount == 0)
        return;
    const LcdGridHostKind kind = GetHostKind();
    const ILcdGridHost* pHost = GetHost();
    const CSimContext* pSim = pHost ? pHost->GetGridSimContext() : nullptr;
    CVetlaDoc* pDoc = pHost ? pHost->GetGridDocument() : nullptr;
    const BOOL bDetails = kind == LcdGridHostKind::MsgTxtDisplay ? g_bShowMsgTextDetails : TRUE;
    for (const CObArray& list : m_arrWidgets) {
        for (INT_PTR i = 0; i < list.GetSize(); ++i) {
            auto* pWidget = static_cast<CWidget*>(list.GetAt(i));
            if (!pWidget)
                continue;
            if (pWidget->m_bSelected)
                DrawWidgetSelected(*pWidget, *pDC, pDoc, pSim, bDetails);
            else
                DrawWidget(*pWidget, *pDC, pDoc, pSim, bDetails);
        }
    }
}
