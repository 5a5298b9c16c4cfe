// What the painter surfaces keep from one primitive to the next beyond their own painter: the
// fonts with their widths, layouts and text stamps, and the shape stamps. None of it depends on
// the pixels a surface paints, so the surfaces of a thread share one set. A window's paint
// selects its memory bitmap for the paint and out again after it, which makes a new surface
// every tick; kept with that surface, every paint would shape, measure and stamp its texts anew.
#pragma once

#include "platform/gdi/GdiTypes.h"
#include "platform/qt/FontEntry.h"
#include "platform/qt/ShapeStamps.h"

#include <memory>
#include <string>
#include <unordered_map>

class PaintCaches {
public:
    // The set the surfaces of the GUI thread share, or a set of its own for a surface on any
    // other thread: fonts and stamps are not for sharing between threads.
    static std::shared_ptr<PaintCaches> ForThisThread();
    // Surfaces made after this start with empty caches; those alive keep theirs.
    static void Drop();

    // The entry stays valid as long as these caches live: a diagram uses a handful of fonts
    // (one set per zoom step), which are never dropped.
    FontEntry& FontFor(const LOGFONT& logFont);
    ShapeStamps& Shapes() { return m_shapes; }
    // Lines of wide pens, each where it lies: the pins and outlines of a simulated diagram.
    ShapeStamps& PlacedLines() { return m_placedLines; }

private:
    std::unordered_map<std::string, std::unique_ptr<FontEntry>> m_fonts;
    // The font asked for last, which is most often the one asked for next.
    LOGFONT m_lastLogFont{};
    FontEntry* m_pLastFont = nullptr;
    // Each shape of a diagram's paint has a few geometries; of a document with many block sizes
    // the stamps keep those of recent paints.
    ShapeStamps m_shapes{1024};
    // A large diagram has some thousand wide pin lines and outlines on a paint.
    ShapeStamps m_placedLines{16384};
};
