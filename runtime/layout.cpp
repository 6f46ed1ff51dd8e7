#include "layout.h"

namespace smk {

std::vector<LaidLine> layoutCaption(std::u16string_view text, const FontDef& font, double boxWidth,
                                    double boxHeight, Align align, bool centreVertically,
                                    const TextMeasurer& measure) {
    struct Span { std::size_t begin, end; };
    std::vector<Span> spans;
    const std::size_t n = text.size();
    auto skipSpaces = [&](std::size_t p) { while (p < n && text[p] == u' ') ++p; return p; };
    auto skipWord = [&](std::size_t p) { while (p < n && text[p] != u' ') ++p; return p; };

    std::size_t pos = 0;
    bool first = true;
    while (pos < n) {
        // The run of spaces at a line break is consumed; leading spaces of the text keep their width.
        std::size_t start = first ? pos : skipSpaces(pos);
        if (start >= n) break;
        std::size_t end = skipWord(skipSpaces(start));
        while (end < n) {
            std::size_t next = skipSpaces(end);
            if (next >= n) break;
            std::size_t wordEnd = skipWord(next);
            if (measure.width(font, text.substr(start, wordEnd - start)) > boxWidth) break;
            end = wordEnd;
        }
        spans.push_back({start, end});
        pos = end;
        first = false;
    }

    const double lh = measure.lineHeight(font);
    double top = 0;
    if (centreVertically) top = (boxHeight - lh * static_cast<double>(spans.size())) / 2;

    std::vector<LaidLine> lines;
    for (std::size_t i = 0; i < spans.size(); ++i) {
        double y = top + lh * static_cast<double>(i);
        if (!centreVertically && y >= boxHeight) break;
        std::u16string_view line = text.substr(spans[i].begin, spans[i].end - spans[i].begin);
        double w = measure.width(font, line);
        double x = 0;
        if (w <= boxWidth) {
            if (align == Align::Right) x = boxWidth - w;
            else if (align == Align::Centre) x = (boxWidth - w) / 2;
        }
        lines.push_back({line, x, y, w});
    }
    return lines;
}

}  // namespace smk
