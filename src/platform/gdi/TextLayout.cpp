#include "platform/gdi/TextLayout.h"

#include "platform/gdi/GdiTypes.h"

namespace {

constexpr std::u16string_view kEllipsis = u"...";

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

// '&' marks the next character, "&&" is a literal '&'; the first marked character is returned.
std::u16string StripPrefixes(std::u16string_view text, int& nUnderline)
{
    std::u16string plain;
    nUnderline = -1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u'&') {
            plain += text[i];
            continue;
        }
        if (i + 1 < text.size() && text[i + 1] == u'&') {
            plain += u'&';
            ++i;
        } else if (i + 1 < text.size() && nUnderline < 0) {
            nUnderline = int(plain.size());
        }
    }
    return plain;
}

struct Span {
    std::size_t nStart;
    std::size_t nLength;
};

std::vector<Span> SplitParagraphs(std::u16string_view text)
{
    std::vector<Span> paragraphs;
    std::size_t nStart = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' && text[i] != u'\n')
            continue;
        paragraphs.push_back({nStart, i - nStart});
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        nStart = i + 1;
    }
    paragraphs.push_back({nStart, text.size() - nStart});
    return paragraphs;
}

// Greedy wrapping at blanks: a line takes words while they fit (always at least one word); blanks
// where a line breaks belong to neither line.
void WrapParagraph(std::u16string_view text, Span paragraph, int nWidth,
                   const TextMeasure& width, std::vector<Span>& lines)
{
    const std::size_t nEnd = paragraph.nStart + paragraph.nLength;
    std::size_t nStart = paragraph.nStart;
    do {
        std::size_t nFit = nStart;
        std::size_t nNext = nStart;
        while (nNext < nEnd) {
            std::size_t nWordEnd = nNext;
            while (nWordEnd < nEnd && IsBlank(text[nWordEnd]))
                ++nWordEnd;
            while (nWordEnd < nEnd && !IsBlank(text[nWordEnd]))
                ++nWordEnd;
            if (nFit != nStart && width(text.substr(nStart, nWordEnd - nStart)) > nWidth)
                break;
            nFit = nNext = nWordEnd;
        }
        std::size_t nLineEnd = nFit;
        while (nLineEnd > nStart && IsBlank(text[nLineEnd - 1]))
            --nLineEnd;
        lines.push_back({nStart, nLineEnd - nStart});
        nStart = nFit;
        while (nStart < nEnd && IsBlank(text[nStart]))
            ++nStart;
    } while (nStart < nEnd);
}

void AddEllipsis(TextLine& line, int nWidth, const TextMeasure& width)
{
    if (width(line.text) <= nWidth)
        return;
    std::u16string kept = line.text;
    while (!kept.empty() && width(kept + std::u16string(kEllipsis)) > nWidth)
        kept.pop_back();
    if (line.nUnderline >= int(kept.size()))
        line.nUnderline = -1;
    line.text = kept + std::u16string(kEllipsis);
}

// A path keeps its last part (the file or printer name) whole and loses characters before it,
// so that the end the user recognises stays readable; a path too long even for that loses the
// end of its last part instead.
void AddPathEllipsis(TextLine& line, int nWidth, const TextMeasure& width)
{
    const std::size_t nSlash = line.text.find_last_of(u"\\/");
    if (width(line.text) <= nWidth || nSlash == std::u16string::npos) {
        AddEllipsis(line, nWidth, width);
        return;
    }
    const std::u16string tail = line.text.substr(nSlash);
    std::u16string head = line.text.substr(0, nSlash);
    line.nUnderline = -1;
    while (!head.empty() && width(head + std::u16string(kEllipsis) + tail) > nWidth)
        head.pop_back();
    line.text = head + std::u16string(kEllipsis) + tail;
    // Even the last part alone is too wide: it loses its end instead.
    if (head.empty())
        AddEllipsis(line, nWidth, width);
}

}  // namespace

std::vector<TextRun> SplitTabRuns(std::u16string_view line, const TextMeasure& measure,
                                  int nTabWidth)
{
    if (nTabWidth <= 0)
        return {TextRun{0, line}};
    std::vector<TextRun> runs;
    int nOffset = 0;
    std::size_t nStart = 0;
    for (std::size_t i = 0; i <= line.size(); ++i) {
        if (i < line.size() && line[i] != u'\t')
            continue;
        const std::u16string_view run = line.substr(nStart, i - nStart);
        runs.push_back({nOffset, run});
        nOffset = (nOffset + measure(run)) / nTabWidth * nTabWidth + nTabWidth;
        nStart = i + 1;
    }
    return runs;
}

int MeasureTabbed(std::u16string_view line, const TextMeasure& measure, int nTabWidth)
{
    const std::vector<TextRun> runs = SplitTabRuns(line, measure, nTabWidth);
    return runs.back().nOffset + measure(runs.back().text);
}

std::vector<TextLine> LayoutText(std::u16string_view text, UINT nFormat, int nWidth,
                                 const TextMeasure& measure, int nTabWidth)
{
    int nUnderline = -1;
    const std::u16string plain = (nFormat & DT_NOPREFIX) ? std::u16string(text)
                                                         : StripPrefixes(text, nUnderline);
    const TextMeasure width = [&](std::u16string_view run) {
        return MeasureTabbed(run, measure, nTabWidth);
    };

    std::vector<Span> spans;
    if (nFormat & DT_SINGLELINE)
        spans.push_back({0, plain.size()});
    else
        for (const Span& paragraph : SplitParagraphs(plain)) {
            if (nFormat & DT_WORDBREAK)
                WrapParagraph(plain, paragraph, nWidth, width, spans);
            else
                spans.push_back(paragraph);
        }

    std::vector<TextLine> lines;
    for (const Span& span : spans) {
        TextLine line{plain.substr(span.nStart, span.nLength)};
        if (nUnderline >= int(span.nStart) && nUnderline < int(span.nStart + span.nLength))
            line.nUnderline = nUnderline - int(span.nStart);
        if (nFormat & DT_PATH_ELLIPSIS)
            AddPathEllipsis(line, nWidth, width);
        else if (nFormat & DT_END_ELLIPSIS)
            AddEllipsis(line, nWidth, width);
        lines.push_back(std::move(line));
    }
    return lines;
}
