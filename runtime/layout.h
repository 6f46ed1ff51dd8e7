// Laying out a caption: word wrap at spaces, alignment, letter-per-line columns. The measuring of
// text is behind an interface, so the rule is tested without a toolkit; units are the measurer's.
#pragma once

#include <string_view>
#include <vector>

#include "model.h"

namespace smk {

class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    virtual double width(const FontDef& font, std::u16string_view text) const = 0;
    virtual double lineHeight(const FontDef& font) const = 0;
};

struct LaidLine {
    std::u16string_view text;  // a view into the caption
    double x, y;               // top-left of the line inside the control
    double width;
};

// Lines of `text` in a box of `boxWidth` × `boxHeight`. Labels stack lines from the top;
// buttons (centreVertically) centre the block. Lines that start below the bottom are dropped;
// a word wider than the box stands alone at x = 0 and is cut off at the right by the painter.
std::vector<LaidLine> layoutCaption(std::u16string_view text, const FontDef& font, double boxWidth,
                                    double boxHeight, Align align, bool centreVertically,
                                    const TextMeasurer& measure);

}  // namespace smk
