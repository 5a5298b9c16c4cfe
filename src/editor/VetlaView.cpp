#include "editor/VetlaView.h"

#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "document/VetlaDoc.h"
#include "editor/ChildFrame.h"
#include "platform/gdi/DC.h"
#include "platform/ui/WndMessageMap.h"

IMPLEMENT_DYNCREATE(CVetlaView, CScrollView)

BEGIN_MESSAGE_MAP(CVetlaView, CScrollView)
    ON_WM_CREATE()
END_MESSAGE_MAP()

namespace {

constexpr COLORREF kEditColour = RGB(0, 0, 0);

} // namespace

CVetlaView* AsVetlaView(CWnd* pWnd)
{
    return pWnd && pWnd->IsKindOf(RUNTIME_CLASS(CVetlaView)) ? static_cast<CVetlaView*>(pWnd) : nullptr;
}

CChildFrame* CVetlaView::GetParentFrame() const
{
    return m_pParentFrame ? m_pParentFrame : AsChildFrame(CScrollView::GetParentFrame());
}

int CVetlaView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CScrollView::OnCreate(lpCreateStruct) == -1)
        return -1;
    // The creation context has just made the view one of its document's views.
    CDocument* pDoc = CView::m_pDocument;
    m_pDocument = pDoc && pDoc->IsKindOf(RUNTIME_CLASS(CVetlaDoc)) ? static_cast<CVetlaDoc*>(pDoc) : nullptr;
    return 0;
}

void CVetlaView::OnInitialUpdate()
{
    if (m_pDocument) {
        SetScrollSizes(MM_TEXT, CSize(m_pDocument->m_rcExtent.right, m_pDocument->m_rcExtent.bottom));
        RebuildMsgTextSlots();
    }
    CScrollView::OnInitialUpdate();
}

void CVetlaView::SetScrollSizes(int nMapMode, CSize sizeTotal)
{
    m_sizeTotal = sizeTotal;
    CScrollView::SetScrollSizes(nMapMode, sizeTotal);
}

void CVetlaView::OnDraw(CDC* pDC)
{
    if (!m_pDocument)
        return;
    for (POSITION pos = m_pDocument->m_lineList.GetHeadPosition(); pos;)
        static_cast<CConnectLineObj*>(m_pDocument->m_lineList.GetNext(pos))->Draw(pDC, kEditColour, 0);
    for (CObList* pList : {&m_pDocument->m_powerBusList, &m_pDocument->m_blockList}) {
        for (POSITION pos = pList->GetHeadPosition(); pos;)
            static_cast<CBlockObj*>(pList->GetNext(pos))->Draw(this, pDC, TRUE, kEditColour);
    }
}

void CVetlaView::RebuildMsgTextSlots()
{
    for (int& bUsed : m_bMsgTextUsed)
        bUsed = 0;
    if (!m_pDocument)
        return;
    for (POSITION pos = m_pDocument->m_blockList.GetHeadPosition(); pos;) {
        const auto* pBlock = static_cast<const CBlockObj*>(m_pDocument->m_blockList.GetNext(pos));
        const int nSlot = pBlock->m_nParamEx[3];
        if (pBlock->m_nType == BT_MSGTEXT && nSlot >= 0 && nSlot < MSGTEXT_SLOT_COUNT)
            m_bMsgTextUsed[nSlot] = 1;
    }
}
