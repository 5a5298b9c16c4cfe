#include "platform/qt/FontEntry.h"

#include "platform/core/FaceName.h"

#include <QFontMetricsF>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

constexpr int kDefaultCellHeight = 16;

QString FaceName(const LOGFONT& font)
{
    const std::u16string_view face = FaceNameOf(font);
    return QString::fromUtf16(face.data(), qsizetype(face.size()));
}

QFont::StyleHint HintFor(BYTE nPitchAndFamily)
{
    if ((nPitchAndFamily & 0x03) == FIXED_PITCH)
        return QFont::Monospace;
    switch (nPitchAndFamily & 0xF0) {
    case FF_ROMAN:
        return QFont::Serif;
    case FF_MODERN:
        return QFont::Monospace;
    case FF_SCRIPT:
        return QFont::Cursive;
    case FF_DECORATIVE:
        return QFont::Decorative;
    default:
        return QFont::SansSerif;
    }
}

// A positive height is the cell (ascent + descent), a negative one the character (em) height.
QFont MakeFont(const LOGFONT& logFont)
{
    QFont font;
    const QString face = FaceName(logFont);
    font.setFamily(face.isEmpty() ? QStringLiteral("Sans Serif") : face);
    font.setStyleHint(face.isEmpty() ? QFont::SansSerif : HintFor(logFont.lfPitchAndFamily));
    const int nWeight = logFont.lfWeight == FW_DONTCARE ? FW_NORMAL : logFont.lfWeight;
    font.setWeight(QFont::Weight(std::clamp(nWeight, 1, 1000)));
    font.setItalic(logFont.lfItalic != 0);
    font.setUnderline(logFont.lfUnderline != 0);
    font.setStrikeOut(logFont.lfStrikeOut != 0);
    if (logFont.lfQuality == NONANTIALIASED_QUALITY)
        font.setStyleStrategy(QFont::NoAntialias);
    else if (logFont.lfQuality == ANTIALIASED_QUALITY || logFont.lfQuality == CLEARTYPE_QUALITY)
        font.setStyleStrategy(QFont::PreferAntialias);

    if (logFont.lfHeight < 0) {
        font.setPixelSize(-logFont.lfHeight);
    } else {
        const int nCell = logFont.lfHeight == 0 ? kDefaultCellHeight : logFont.lfHeight;
        font.setPixelSize(nCell);
        const QFontMetricsF metrics(font);
        const qreal cell = metrics.ascent() + metrics.descent();
        const int nGuess = cell > 0 ? std::max(1, int(std::lround(nCell * nCell / cell))) : nCell;
        // Metrics round per size, so the neighbours of the estimate may fit the cell better.
        int nBest = nGuess;
        int nBestMiss = INT_MAX;
        for (int nSize : {nGuess, nGuess + 1, nGuess - 1}) {
            if (nSize < 1)
                continue;
            font.setPixelSize(nSize);
            const QFontMetrics sized(font);
            const int nMiss = std::abs(sized.ascent() + sized.descent() - nCell);
            if (nMiss < nBestMiss) {
                nBest = nSize;
                nBestMiss = nMiss;
            }
        }
        font.setPixelSize(nBest);
    }
    if (logFont.lfWidth != 0) {
        const qreal average = QFontMetricsF(font).averageCharWidth();
        if (average > 0)
            font.setStretch(std::clamp(int(std::lround(100.0 * std::abs(logFont.lfWidth) / average)), 1, 4000));
    }
    return font;
}

} // namespace

FontEntry::FontEntry(const LOGFONT& logFont)
    : font(MakeFont(logFont)), metrics(font), nAscent(metrics.ascent()), nDescent(metrics.descent())
{
}
