// A font as the painter surface uses it, with what text output asks of it again and again: the
// metrics, and the widths, laid-out glyphs and stamps of the strings drawn lately.
#pragma once

#include "platform/gdi/GdiTypes.h"
#include "platform/qt/RecentCache.h"
#include "platform/qt/TextStamps.h"

#include <QFont>
#include <QFontMetrics>
#include <QStaticText>
#include <QString>

#include <algorithm>
#include <cstddef>
#include <optional>

// Shaping a string costs more than drawing it, and a diagram draws the same pin texts and
// labels on every paint.
struct FontEntry {
    // A positive height is the cell (ascent + descent), a negative one the character (em)
    // height; an empty face is the default sans family.
    explicit FontEntry(const LOGFONT& logFont);

    int Width(const QString& string)
    {
        if (const int* pWidth = widths.Find(string))
            return *pWidth;
        return widths.Insert(string, metrics.horizontalAdvance(string));
    }

    // A laid-out text draws as the painter draws one line of plain text; line breaks, tabs
    // and the font's lines under or through the text are left to the painter.
    bool CanLayOut(const QString& string) const
    {
        if (font.underline() || font.strikeOut())
            return false;
        return std::none_of(string.cbegin(), string.cend(), [](QChar c) { return c.unicode() < u' '; });
    }

    const QStaticText& Layout(const QString& string)
    {
        if (const QStaticText* pText = layouts.Find(string))
            return *pText;
        QStaticText text(string);
        text.setTextFormat(Qt::PlainText);
        text.prepare(QTransform(), font);
        return layouts.Insert(string, std::move(text));
    }

    // Value boxes bring new texts on every tick; the caches keep what recent paints drew.
    static constexpr std::size_t kGeneration = 4096;

    QFont font;
    QFontMetrics metrics;
    // Asked for by every text: the metrics look them up in the font engine each time.
    int nAscent;
    int nDescent;
    std::optional<TEXTMETRIC> textMetrics;
    RecentCache<QString, int> widths{kGeneration};
    RecentCache<QString, QStaticText> layouts{kGeneration};
    TextStamps stamps;
};
