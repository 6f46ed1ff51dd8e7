#include "live.h"

namespace smk {

namespace {

// A caption written one letter per line ("П р о в е р к а") is read as words: single spaces between
// letters go, longer runs of spaces separate words.
std::u16string columnAsWords(std::u16string_view text) {
    std::u16string out;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] != u' ') {
            out += text[i++];
            continue;
        }
        std::size_t run = 0;
        while (i < text.size() && text[i] == u' ') ++i, ++run;
        if (run > 1 && !out.empty() && i < text.size()) out += u' ';
    }
    return out;
}

}  // namespace

std::u16string spokenName(const Screen& screen, int control) {
    const Control& c = screen.def().controls[static_cast<std::size_t>(control)];
    const LiveControl& s = screen.state(control);
    const bool column = c.Height > 4 * c.Width;
    switch (c.kind) {
    case Kind::CommandButton:
        return column ? columnAsWords(c.Caption) : std::u16string(c.Caption);
    case Kind::Label: {
        std::u16string text = column ? columnAsWords(s.caption) : s.caption;
        if (c.AccessibleName.empty()) return text;
        if (text.empty()) return std::u16string(c.AccessibleName);
        return std::u16string(c.AccessibleName) + u": " + text;
    }
    case Kind::Image:
        if (s.picture && !s.picture->spoken.empty()) return std::u16string(s.picture->spoken);
        return std::u16string(c.AccessibleName);
    case Kind::TextBox:
        return std::u16string(c.AccessibleName);
    case Kind::Line:
    case Kind::Shape:
        return {};
    }
    return {};
}

}  // namespace smk
