// A window's own scroll bars under the offscreen platform: real QScrollBars along the client's
// edges, and the user's actions on them arriving as the classic scroll messages.
#include "platform/gdi/DC.h"
#include "platform/qt/QtBackend.h"
#include "platform/qt/QtPeerWidget.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/WinThread.h"
#include "platform/ui/WndMessageMap.h"
#include "support/QtTestInput.h"

#include <QApplication>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <vector>

namespace {

class CLoggingScrollView : public CScrollView {
public:
    std::vector<UINT> m_codes;

protected:
    void OnDraw(CDC*) override {}
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) override
    {
        m_codes.push_back(nSBCode);
        CScrollView::OnVScroll(nSBCode, nPos, pScrollBar);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLoggingScrollView, CScrollView)
    ON_WM_VSCROLL()
END_MESSAGE_MAP()

class QtScrollBarTest : public QtBackendSuite {
protected:
    void SetUp() override
    {
        CMessageQueue::Get().Reset();
        ASSERT_TRUE(m_top.Create(nullptr, u"top", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 400, 300),
                                 nullptr, 0));
        // A view deletes itself when its window goes.
        m_pView = new CLoggingScrollView;
        ASSERT_TRUE(m_pView->CreateEx(WS_EX_CLIENTEDGE, nullptr, nullptr, WS_CHILD | WS_VISIBLE,
                                    CRect(0, 0, 300, 200), &m_top, 1));
        m_pPeer = static_cast<QtPeerWidget*>(QtWidgetOf(*m_pView));
        ASSERT_NE(m_pPeer, nullptr);
    }
    void TearDown() override { m_top.DestroyWindow(); }

    CWinThread m_thread;
    CWnd m_top;
    CLoggingScrollView* m_pView = nullptr;
    QtPeerWidget* m_pPeer = nullptr;
};

TEST_F(QtScrollBarTest, ALargeDocumentShowsBarsAlongTheClientEdges)
{
    m_pView->SetScrollSizes(MM_TEXT, CSize(1000, 800));
    QScrollBar* pVert = m_pPeer->ScrollBarWidget(SB_VERT);
    QScrollBar* pHorz = m_pPeer->ScrollBarWidget(SB_HORZ);
    ASSERT_NE(pVert, nullptr);
    ASSERT_NE(pHorz, nullptr);
    EXPECT_TRUE(pVert->isVisible());
    EXPECT_TRUE(pHorz->isVisible());
    // Inside the 2-pixel client edge, the client area is 296 - 16 by 196 - 16.
    EXPECT_EQ(pVert->geometry(), QRect(2 + 280, 2, kScrollBarThickness, 180));
    EXPECT_EQ(pHorz->geometry(), QRect(2, 2 + 180, 280, kScrollBarThickness));
    EXPECT_EQ(pVert->minimum(), 0);
    EXPECT_EQ(pVert->maximum(), 800 - 180);
    EXPECT_EQ(pVert->pageStep(), 180);
    EXPECT_EQ(pHorz->maximum(), 1000 - 280);

    m_pView->ScrollToPosition(CPoint(30, 40));
    EXPECT_EQ(pHorz->value(), 30);
    EXPECT_EQ(pVert->value(), 40);

    m_pView->SetScrollSizes(MM_TEXT, CSize(100, 100));
    EXPECT_FALSE(pVert->isVisible());
    EXPECT_FALSE(pHorz->isVisible());
}

TEST_F(QtScrollBarTest, AClickOnThePageAreaScrollsByAPage)
{
    m_pView->SetScrollSizes(MM_TEXT, CSize(1000, 800), CSize(150, 120), CSize(15, 12));
    QScrollBar* pVert = m_pPeer->ScrollBarWidget(SB_VERT);
    ASSERT_NE(pVert, nullptr);
    // Below the thumb, which sits at the top.
    QtClick(pVert, QPoint(kScrollBarThickness / 2, pVert->height() * 3 / 4));
    EXPECT_EQ(m_pView->m_codes, (std::vector<UINT>{SB_PAGEDOWN, SB_ENDSCROLL}));
    EXPECT_EQ(m_pView->GetScrollPosition(), CPoint(0, 120));
    EXPECT_EQ(pVert->value(), 120);
}

TEST_F(QtScrollBarTest, MovingTheThumbTracksThePosition)
{
    m_pView->SetScrollSizes(MM_TEXT, CSize(1000, 800));
    QScrollBar* pVert = m_pPeer->ScrollBarWidget(SB_VERT);
    ASSERT_NE(pVert, nullptr);
    pVert->setSliderPosition(333);
    EXPECT_EQ(m_pView->m_codes, (std::vector<UINT>{SB_THUMBTRACK}));
    EXPECT_EQ(m_pView->GetScrollPosition().y, 333);
    EXPECT_EQ(pVert->value(), 333);
}

}  // namespace
