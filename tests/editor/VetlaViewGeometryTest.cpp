// The view's geometry without a screen: zoom steps and limits, the page layout's scroll
// extent, and the mapping between window pixels and document units under the zoom.
#include "editor/VetlaView.h"

#include "document/VetlaDoc.h"
#include "platform/core/CmdTarget.h"
#include "platform/gdi/DC.h"
#include "shell/Resource.h"

#include <gtest/gtest.h>

namespace {

class ViewGeometry : public ::testing::Test {
protected:
    ViewGeometry()
    {
        m_doc.m_sizeScreen = {1024, 768};
        m_doc.m_rcExtent = CRect(0, 0, 1024, 768);
    }

    BOOL IsEnabled(UINT nID)
    {
        CCmdUI cmdUI;
        cmdUI.m_nID = nID;
        cmdUI.DoUpdate(&m_view, FALSE);
        return cmdUI.m_bEnabled;
    }

    CVetlaDoc m_doc;
    CVetlaView m_view{&m_doc};
};

TEST_F(ViewGeometry, ZoomStepsAndTheirLimits)
{
    const struct {
        float fFrom;
        float fIn;
        float fOut;
    } steps[] = {
        {0.25f, 0.5f, 0.25f}, {0.75f, 1.0f, 0.5f}, {1.0f, 1.5f, 0.75f},
        {1.5f, 2.0f, 1.0f},   {3.5f, 4.0f, 3.0f},  {4.0f, 4.0f, 3.5f},
    };
    for (const auto& step : steps) {
        m_view.ZoomTo(step.fFrom);
        m_view.ZoomTo(CVetlaView::ZoomInStep(step.fFrom));
        EXPECT_FLOAT_EQ(m_view.GetZoom(), step.fIn) << "in from " << step.fFrom;
        m_view.ZoomTo(step.fFrom);
        m_view.ZoomTo(CVetlaView::ZoomOutStep(step.fFrom));
        EXPECT_FLOAT_EQ(m_view.GetZoom(), step.fOut) << "out from " << step.fFrom;
    }
}

TEST_F(ViewGeometry, ZoomCommandsAreDisabledAtTheirLimit)
{
    m_view.SetZoom(4.0f);
    EXPECT_FALSE(IsEnabled(ID_VIEW_ZOOM_IN));
    EXPECT_TRUE(IsEnabled(ID_VIEW_ZOOM_OUT));
    m_view.SetZoom(0.25f);
    EXPECT_TRUE(IsEnabled(ID_VIEW_ZOOM_IN));
    EXPECT_FALSE(IsEnabled(ID_VIEW_ZOOM_OUT));
    m_view.SetZoom(0.1f);
    EXPECT_FLOAT_EQ(m_view.GetZoom(), 0.25f);
}

TEST_F(ViewGeometry, PageLayoutSetsTheBaseAndTheZoomedExtent)
{
    m_view.SetZoom(1.5f);
    m_view.SetPageLayout(2, 3);
    EXPECT_EQ(m_doc.m_rcExtent, CRect(0, 0, 2048, 2304));
    EXPECT_EQ(m_doc.m_nPagesAcross, 2);
    EXPECT_EQ(m_doc.m_nPagesDown, 3);
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(m_view.GetTotalSize(), CSize(3072, 3456));
    EXPECT_EQ(m_view.GetTotalSize(), CSize(3072, 3456));

    m_view.ZoomTo(0.75f);
    EXPECT_EQ(m_view.GetTotalSize(), CSize(1536, 1728));
    m_view.SetPageLayout(0, 1);
    EXPECT_EQ(m_doc.m_nPagesAcross, 2) << "no page count below one";
}

TEST_F(ViewGeometry, DocumentPointsMapToThePixelsOfTheZoom)
{
    const struct {
        float fZoom;
        CPoint ptDoc;
        CPoint ptDevice;
    } cases[] = {
        {1.0f, {133, 80}, {133, 80}},
        {0.75f, {133, 80}, {100, 60}},   // 99.75 rounds half away from zero
        {1.5f, {101, 33}, {152, 50}},    // 151.5 and 49.5 round up
        {2.0f, {50, 30}, {100, 60}},
    };
    for (const auto& c : cases) {
        m_view.SetZoom(c.fZoom);
        CDC dc;
        EXPECT_EQ(m_view.ApplyZoomMapping(&dc), MM_TEXT);
        EXPECT_EQ(dc.GetMapMode(), MM_ISOTROPIC);
        CPoint pt = c.ptDoc;
        dc.LPtoDP(&pt);
        EXPECT_EQ(pt, c.ptDevice) << "zoom " << c.fZoom;
    }
}

TEST_F(ViewGeometry, ClicksConvertToDocumentPointsByTruncation)
{
    m_view.SetZoom(2.0f);
    EXPECT_EQ(m_view.ClientToDoc(CPoint(100, 60)), CPoint(50, 30));
    m_view.SetZoom(0.75f);
    EXPECT_EQ(m_view.ClientToDoc(CPoint(100, 60)), CPoint(133, 80));

    CRect rect(0, 0, 150, 75);
    m_view.ClientToDocRect(rect);
    EXPECT_EQ(rect, CRect(0, 0, 200, 100));
}

} // namespace
