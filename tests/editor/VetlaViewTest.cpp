#include "support/ActiveDocument.h"
#include "editor/ChildFrame.h"
#include "editor/VetlaView.h"

#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "document/VetlaDoc.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/RecordingSurface.h"

#include <gtest/gtest.h>

namespace {

TEST(VetlaView, AWindowlessViewTakesItsFrameAndDocumentDirectly)
{
    CVetlaDoc doc;
    CVetlaView view(&doc);
    CChildFrame frame;
    EXPECT_EQ(view.GetParentFrame(), nullptr);
    frame.SetActiveView(&view);
    EXPECT_EQ(frame.GetActiveView(), &view);
    EXPECT_EQ(view.GetParentFrame(), &frame);
    EXPECT_EQ(view.GetDocument(), &doc);
    frame.SetActiveView(nullptr);
    EXPECT_EQ(frame.GetActiveView(), nullptr);
}

TEST(VetlaView, CastHelpersTellDiagramWindowsFromOthers)
{
    CVetlaView view;
    CChildFrame frame;
    CWnd plain;
    EXPECT_EQ(AsVetlaView(&view), &view);
    EXPECT_EQ(AsVetlaView(&plain), nullptr);
    EXPECT_EQ(AsVetlaView(nullptr), nullptr);
    EXPECT_EQ(AsChildFrame(&frame), &frame);
    EXPECT_EQ(AsChildFrame(&view), nullptr);
}

TEST(VetlaView, ScrollSizesReachTheScrollViewAndTheModel)
{
    CVetlaView view;
    view.SetScrollSizes(MM_TEXT, CSize(2048, 1536));
    EXPECT_EQ(view.m_sizeTotal, CSize(2048, 1536));
    EXPECT_EQ(view.GetTotalSize(), CSize(2048, 1536));
}

// Only the active view of the main window draws: an inactive one keeps its last image.
TEST(VetlaView, OnlyTheActiveViewDrawsAndNothingWithoutADocument)
{
    ActiveDocument active;
    for (int nType : {BT_AND, BT_OR}) {
        CBlockObj* pBlock = active.View().CreateBlockObject(nType);
        ASSERT_NE(pBlock, nullptr);
        active.Add(pBlock);
    }
    RecordingSurface surface;
    CDC dc(surface);
    active.View().OnDraw(&dc);
    EXPECT_FALSE(surface.Records().empty());

    CVetlaView inactive(&active.Doc());
    RecordingSurface inactiveSurface;
    CDC inactiveDc(inactiveSurface);
    inactive.OnDraw(&inactiveDc);
    EXPECT_TRUE(inactiveSurface.Records().empty());

    CVetlaView empty;
    RecordingSurface emptySurface;
    CDC emptyDc(emptySurface);
    empty.OnDraw(&emptyDc);
    EXPECT_TRUE(emptySurface.Records().empty());
}

} // namespace
