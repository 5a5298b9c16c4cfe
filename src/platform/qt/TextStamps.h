// Texts of one font kept as the pixels they leave on a plain background. Blending glyphs is most
// of what a diagram's paint costs on a large bitmap, and nearly every pin text, label and value
// box is drawn over a single colour: where the pixels under a text are that colour, copying the
// pixels it left there last time gives exactly what blending it again would.
#pragma once

#include "platform/gdi/PixelBuffer.h"
#include "platform/qt/RecentCache.h"

#include <QFont>
#include <QPainter>
#include <QRect>
#include <QRgb>
#include <QStaticText>
#include <QString>

#include <algorithm>
#include <array>
#include <cstddef>
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
        std::vector<std::uint32_t> pixels;  // the box's pixels, row after row
    };
    // The shown part of a run in the bitmap, and where its first pixel lies in a variant.
    struct Span {
        std::uint32_t* pTarget;
        std::size_t nPixels;
        std::size_t nSource;
    };
    struct Glyphs {
        // Every pixel a glyph touches, and those of them outside the cell, which opaque text
        // fills first.
        std::vector<Run> touched;
        std::vector<Run> outsideCell;
        QRect cell;
        QRect box;  // the cell and the touched pixels
    };
    // A text over more than one colour (over a line or another text) kept where it lies: the
    // pixels under its box and what drawing it there left. A diagram's texts stay where they
    // are from paint to paint, and so do the lines and texts under them.
    struct Placed {
        QPoint topLeft;
        QRgb colour;
        std::optional<QRgb> background;
        std::vector<std::uint32_t> ground;
        std::vector<std::uint32_t> result;
    };
    struct Stamp {
        QPainter::RenderHints hints;
        bool bMarked = false;
        std::optional<Glyphs> glyphs;
        std::vector<Variant> variants;
        std::vector<Placed> placed;
    };

    static std::optional<Glyphs> Mark(const StampedText& text, QPainter::RenderHints hints);
    static const Variant& VariantFor(Stamp& stamp, const StampedText& text, std::uint32_t plain);
    // The colour of every pixel in area, when they are all alike.
    static std::optional<std::uint32_t> PlainUnder(const PixelBuffer& pixels, const QRect& area);
    // A box's pixels, row after row, into area, which is the box moved into the bitmap.
    static void CopyBox(PixelBuffer& pixels, const QRect& area, const std::vector<std::uint32_t>& box);
    static std::vector<std::uint32_t> ReadBox(const PixelBuffer& pixels, const QRect& area);
    // The text by the variants for the colours under its glyphs; false for more colours than
    // they serve.
    bool DrawOverGrounds(PixelBuffer& pixels, const QRect& within, QPoint topLeft, Stamp& stamp,
                         const StampedText& text);
    // The whole box shown over more than one colour: what was left there the last time over the
    // same pixels, or drawn anew and kept.
    void DrawWhereItLies(PixelBuffer& pixels, const QRect& within, QPoint topLeft, Stamp& stamp,
                         const StampedText& text);
    // The shown parts of runs of the stamp's glyphs, with its cell's corner at topLeft; within
    // is what may change, from the same corner.
    void ShownSpans(PixelBuffer& pixels, const QRect& within, QPoint topLeft, const Glyphs& glyphs,
                    const std::vector<Run>& runs);
    void AddSpan(PixelBuffer& pixels, const QRect& within, QPoint topLeft, const Glyphs& glyphs, const Run& run);
    // The colours under the spans in the order met; false for more than a stamp serves. A pin
    // text over a wire or an outline has two or three.
    static constexpr std::size_t kMaxGrounds = 3;
    struct Grounds {
        std::array<std::uint32_t, kMaxGrounds> values{};
        std::size_t nCount = 0;
        std::size_t IndexOf(std::uint32_t pixel) const
        {
            return std::size_t(std::find(values.begin(), values.begin() + nCount, pixel) - values.begin());
        }
    };
    bool FindGrounds(Grounds& grounds) const;

    // Kept from one text to the next, so that a text allocates nothing.
    std::vector<Span> m_spans;

    // Value boxes bring new strings on every tick; the stamps keep what recent paints drew.
    RecentCache<QString, Stamp> m_stamps{2048};
};
