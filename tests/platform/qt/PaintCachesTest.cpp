// The surfaces of the GUI thread share their fonts and stamps, so that a window's paint, which
// makes a new surface every tick, finds what the paints before it made; a surface on any other
// thread keeps its own.
#include "platform/qt/PaintCaches.h"
#include "support/QtTestApp.h"

#include <gtest/gtest.h>

#include <memory>
#include <thread>

namespace {

TEST(PaintCaches, SharedOnTheGuiThreadOnly)
{
    QtTestApp();
    const std::shared_ptr<PaintCaches> pFirst = PaintCaches::ForThisThread();
    EXPECT_EQ(PaintCaches::ForThisThread(), pFirst);

    std::shared_ptr<PaintCaches> pWorker;
    std::thread worker([&pWorker] { pWorker = PaintCaches::ForThisThread(); });
    worker.join();
    ASSERT_NE(pWorker, nullptr);
    EXPECT_NE(pWorker, pFirst);

    PaintCaches::Drop();
    const std::shared_ptr<PaintCaches> pAfterDrop = PaintCaches::ForThisThread();
    EXPECT_NE(pAfterDrop, pFirst);
    EXPECT_EQ(PaintCaches::ForThisThread(), pAfterDrop);
}

// A font asked for again, after others, is the same entry with what it has kept.
TEST(PaintCaches, AFontIsMadeOnce)
{
    QtTestApp();
    PaintCaches caches;
    LOGFONT small{};
    small.lfHeight = 12;
    LOGFONT large{};
    large.lfHeight = 20;
    FontEntry& first = caches.FontFor(small);
    first.Width(QStringLiteral("I1"));
    EXPECT_NE(&caches.FontFor(large), &first);
    EXPECT_EQ(&caches.FontFor(small), &first);
    EXPECT_NE(first.widths.Find(QStringLiteral("I1")), nullptr);
    EXPECT_GT(caches.FontFor(large).metrics.height(), first.metrics.height());
}

} // namespace
