// Texts of one font kept as the pixels they leave on a plain background. Blending glyphs is most
// of what a diagram's paint costs on a large bitmap, and nearly every pin text, label and value
// box is drawn over a single colour: where the pixels under a text are that colour, copying the
// pixels it left there last time gives exactly what blending it again would.
#pragma once

#include "platform/gdi/PixelBuffer.h"
#include "platform/qt/RecentCache.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QRgb>
#include <QStaticText>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// One text as the surface draws it: the laid-out string at the top-left corner of its cell (or,
// without a layout, the string as one line of plain text from the baseline), the cell filled
// first for opaque text.
struct StampedText {
    const QFont& font;
    const QString& string;
    int nAscent;
    // Asked for only when a stamp is made, so that a copied stamp costs one look-up: the layout
    // (nullptr for none) and the cell at the origin, the advance width by ascent + descent.
    std::function<const QStaticText*()> layout;
    std::function<QRect()> cell;
    QColor colour;
    std::optional<QColor> background;
};

class TextStamps {
public:
    // Puts the text into the pixels within clip by copying a kept stamp; false when the caller
    // must draw it itself: a string seen for the first time (value boxes change on every tick),
    // glyphs reaching further than the stamp looked, or pixels under the glyphs that are not
    // all alike. hints are the painter's, so that a stamp is drawn as the painter would draw.
    bool Draw(PixelBuffer& pixels, const QRect& clip, QPoint topLeft, const StampedText& text,
              QPainter::RenderHints hints);

private:
    // Pixels of one row from left to right, relative to the cell's top-left corner.
    struct Run {
        int y;
        int left;
        int right;
    };
    struct Variant {
        QRgb colour;
        std::optional<QRgb> background;
        std::uint32_t plain;
        QImage pixels;  // the box's pixels
    };
    struct Glyphs {
        // Every pixel a glyph touches, and those of them outside the cell, which opaque text
        // fills first.
        std::vector<Run> touched;
        std::vector<Run> outsideCell;
        QRect cell;
        QRect box;  // the cell and the touched pixels
    };
    struct Stamp {
        QPainter::RenderHints hints;
        bool bMarked = false;
        std::optional<Glyphs> glyphs;
        std::vector<Variant> variants;
    };

    static std::optional<Glyphs> Mark(const StampedText& text, QPainter::RenderHints hints);
    static const Variant& VariantFor(Stamp& stamp, const StampedText& text, std::uint32_t plain);

    // Value boxes bring new strings on every tick; the stamps keep what recent paints drew.
    RecentCache<QString, Stamp> m_stamps{2048};
};
