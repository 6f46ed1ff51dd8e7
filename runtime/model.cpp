#include "model.h"

namespace smk {

Rgb resolve(Colour c) {
    if (c & 0x80000000u) {
        switch (c) {
        case sys::WindowBackground: return {0xFF, 0xFF, 0xFF};
        case sys::WindowText: return {0x00, 0x00, 0x00};
        case sys::TitleBarText: return {0xFF, 0xFF, 0xFF};
        case sys::Highlight: return {0x00, 0x78, 0xD7};
        case sys::HighlightText: return {0xFF, 0xFF, 0xFF};
        case sys::ButtonFace: return {0xF0, 0xF0, 0xF0};
        case sys::ButtonText: return {0x00, 0x00, 0x00};
        default: return {0x00, 0x00, 0x00};
        }
    }
    return {static_cast<std::uint8_t>(c & 0xFF), static_cast<std::uint8_t>((c >> 8) & 0xFF),
            static_cast<std::uint8_t>((c >> 16) & 0xFF)};
}

int ScreenDef::find(std::string_view control, int index) const {
    for (std::size_t i = 0; i < controls.size(); ++i)
        if (controls[i].name == control && controls[i].Index == index) return static_cast<int>(i);
    return -1;
}

const Handler* ScreenDef::handler(std::string_view control, Event e) const {
    for (const Handler& h : handlers)
        if (h.control == control && h.event == e) return &h;
    return nullptr;
}

}  // namespace smk
