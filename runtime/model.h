// The screen and control model: constant data that describes every window of the program.
// Positions and sizes are in twips (1/1440 inch); nothing here knows about pixels or a toolkit.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace smk {

// ---------------------------------------------------------------------------------------------
// Colours: 0x00BBGGRR for a fixed colour (red in the low byte), 0x80000000 + n for system colour n.
using Colour = std::uint32_t;

inline constexpr Colour kNotGiven = 0xFFFFFFFFu;  // a colour property the table leaves out

namespace sys {
inline constexpr Colour WindowBackground = 0x80000005u;
inline constexpr Colour WindowText = 0x80000008u;
inline constexpr Colour TitleBarText = 0x80000009u;
inline constexpr Colour Highlight = 0x8000000Du;
inline constexpr Colour HighlightText = 0x8000000Eu;
inline constexpr Colour ButtonFace = 0x8000000Fu;
inline constexpr Colour ButtonText = 0x80000012u;
}  // namespace sys

struct Rgb {
    std::uint8_t r, g, b;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

// The concrete colour of a fixed or system colour value. The system colours are chosen here, once.
Rgb resolve(Colour c);

// ---------------------------------------------------------------------------------------------
// Fonts

struct FontDef {
    std::string_view face;
    std::uint32_t size;  // points × 10000, as stored: 14.25 pt is 142500
    std::uint16_t weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    std::uint8_t charset = 204;

    constexpr double points() const { return size / 10000.0; }
    constexpr bool bold() const { return weight >= 700; }
    friend constexpr bool operator==(const FontDef&, const FontDef&) = default;
};

namespace fonts {
inline constexpr FontDef Comic1200{"Comic Sans MS", 120000};
inline constexpr FontDef Comic1200Italic{"Comic Sans MS", 120000, 400, true};
inline constexpr FontDef Comic1425{"Comic Sans MS", 142500};
inline constexpr FontDef Comic1575{"Comic Sans MS", 157500};
inline constexpr FontDef Comic1800{"Comic Sans MS", 180000};
inline constexpr FontDef Comic2025Bold{"Comic Sans MS", 202500, 700};
inline constexpr FontDef Comic2175{"Comic Sans MS", 217500};
inline constexpr FontDef Comic2175Bold{"Comic Sans MS", 217500, 700};
inline constexpr FontDef Garamond1575Bold{"Garamond", 157500, 700};
inline constexpr FontDef SansSerif1350{"MS Sans Serif", 135000};
inline constexpr FontDef SansSerif1800{"MS Sans Serif", 180000};
inline constexpr FontDef SansSerif2400{"MS Sans Serif", 240000};
}  // namespace fonts

// ---------------------------------------------------------------------------------------------
// Picture assets

enum class AssetFormat : std::uint8_t {
    Bitmap,          // opaque raster; natural size in pixels
    Metafile,        // scalable drawing, transparent where it paints nothing; natural size in twips
    MetafileBitmap,  // a metafile holding one bitmap stretched over the whole drawing: opaque
};

struct Asset {
    std::string_view file;  // resource path, such as ":/FrmZ3/Image4.svg"
    AssetFormat format;
    std::int32_t width;   // natural size: pixels for a bitmap, twips for a metafile
    std::int32_t height;
    std::u16string_view spoken;  // what it shows, as a child would say it ("груша"), for screen readers

    constexpr bool opaque() const { return format != AssetFormat::Metafile; }
    constexpr std::int32_t widthTwips() const { return format == AssetFormat::Bitmap ? width * 15 : width; }
    constexpr std::int32_t heightTwips() const { return format == AssetFormat::Bitmap ? height * 15 : height; }
};

// The icon of every window and of the program.
extern const Asset kWindowIcon;

// ---------------------------------------------------------------------------------------------
// Controls

enum class Kind : std::uint8_t { CommandButton, Label, TextBox, Image, Line, Shape };
enum class Align : std::uint8_t { Left = 0, Right = 1, Centre = 2 };

inline constexpr int kNoIndex = -1;

constexpr bool isWindowed(Kind k) { return k == Kind::CommandButton || k == Kind::TextBox; }

// One control record. The fields carry the property names of the tables; a field left at its
// initial value means "not given", and the accessors below apply the default of the kind.
struct Control {
    std::string_view name;
    int Index = kNoIndex;
    Kind kind = Kind::Label;
    std::int32_t Left = 0, Top = 0, Width = 0, Height = 0;  // every kind but Line
    std::int32_t X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;            // Line only
    int TabIndex = -1;
    std::u16string_view Caption;
    const FontDef* Font = nullptr;
    std::uint8_t Style = 0;        // CommandButton: 0 standard, 1 graphical
    std::uint8_t BackStyle = 1;    // Label: 0 transparent, 1 opaque
    std::uint8_t BorderStyle = 0;  // Label: 1 thin frame
    Align Alignment = Align::Left;
    std::uint8_t BorderWidth = 0;  // Line: 0 when not given
    Colour BackColor = kNotGiven;
    Colour ForeColor = kNotGiven;
    Colour BorderColor = kNotGiven;
    const Asset* Picture = nullptr;
    bool Stretch = false;
    bool Visible = true;
    // For screen readers: what a text box is for, or what an empty label or image stands for
    // ("пропуск", "пустая клетка"). Captions and pictures speak for themselves.
    std::u16string_view AccessibleName;

    // --- builders, so that a table row reads left to right like the screen's table ----------
    constexpr Control at(std::int32_t l, std::int32_t t, std::int32_t w, std::int32_t h) const {
        Control c = *this; c.Left = l; c.Top = t; c.Width = w; c.Height = h; return c;
    }
    constexpr Control ends(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) const {
        Control c = *this; c.X1 = x1; c.Y1 = y1; c.X2 = x2; c.Y2 = y2; return c;
    }
    constexpr Control caption(std::u16string_view s) const { Control c = *this; c.Caption = s; return c; }
    constexpr Control font(const FontDef& f) const { Control c = *this; c.Font = &f; return c; }
    constexpr Control tab(int i) const { Control c = *this; c.TabIndex = i; return c; }
    constexpr Control graphical() const { Control c = *this; c.Style = 1; return c; }
    constexpr Control back(Colour col) const { Control c = *this; c.BackColor = col; return c; }
    constexpr Control fore(Colour col) const { Control c = *this; c.ForeColor = col; return c; }
    constexpr Control border(Colour col) const { Control c = *this; c.BorderColor = col; return c; }
    constexpr Control borderWidth(std::uint8_t w) const { Control c = *this; c.BorderWidth = w; return c; }
    constexpr Control transparent() const { Control c = *this; c.BackStyle = 0; return c; }
    constexpr Control framed() const { Control c = *this; c.BorderStyle = 1; return c; }
    constexpr Control align(Align a) const { Control c = *this; c.Alignment = a; return c; }
    constexpr Control centre() const { return align(Align::Centre); }
    constexpr Control right() const { return align(Align::Right); }
    constexpr Control picture(const Asset& a) const { Control c = *this; c.Picture = &a; return c; }
    constexpr Control stretch() const { Control c = *this; c.Stretch = true; return c; }
    constexpr Control hidden() const { Control c = *this; c.Visible = false; return c; }
    constexpr Control says(std::u16string_view s) const { Control c = *this; c.AccessibleName = s; return c; }

    // --- properties with the defaults of the kind applied ------------------------------------
    constexpr Colour backColor() const {
        if (BackColor != kNotGiven) return BackColor;
        return kind == Kind::TextBox ? sys::WindowBackground : sys::ButtonFace;
    }
    // The colour a button's face is painted in: BackColor only for a graphical button.
    constexpr Colour faceColor() const { return Style == 1 ? backColor() : sys::ButtonFace; }
    constexpr Colour foreColor() const {
        if (kind == Kind::TextBox) return sys::WindowText;
        if (kind == Kind::CommandButton) return sys::ButtonText;
        return ForeColor != kNotGiven ? ForeColor : sys::ButtonText;
    }
    constexpr Colour borderColor() const { return BorderColor != kNotGiven ? BorderColor : sys::WindowText; }
    constexpr bool opaque() const { return BackStyle == 1; }
    constexpr bool contains(std::int32_t x, std::int32_t y) const {
        return x >= Left && y >= Top && x < Left + Width && y < Top + Height;
    }
};

// Row starters: Button("Command1"), Label("Label2", 9), ...
constexpr Control Button(std::string_view n, int i = kNoIndex) { Control c; c.name = n; c.Index = i; c.kind = Kind::CommandButton; return c; }
constexpr Control Label(std::string_view n, int i = kNoIndex) { Control c; c.name = n; c.Index = i; c.kind = Kind::Label; return c; }
constexpr Control TextBox(std::string_view n, int i = kNoIndex) { Control c; c.name = n; c.Index = i; c.kind = Kind::TextBox; c.Alignment = Align::Centre; return c; }
constexpr Control Image(std::string_view n, int i = kNoIndex) { Control c; c.name = n; c.Index = i; c.kind = Kind::Image; return c; }
constexpr Control Line(std::string_view n, int i = kNoIndex) { Control c; c.name = n; c.Index = i; c.kind = Kind::Line; return c; }
constexpr Control Shape(std::string_view n, int i = kNoIndex) { Control c; c.name = n; c.Index = i; c.kind = Kind::Shape; return c; }

// ---------------------------------------------------------------------------------------------
// Screens and their handlers

enum class Event : std::uint8_t { Click, Change };

class Screen;  // a live screen, see runtime/live.h
using HandlerFn = void (*)(Screen&);

struct Handler {
    std::string_view control;  // no member of an indexed group has a handler
    Event event;
    HandlerFn run;
};

struct ScreenDef {
    std::string_view name;
    std::u16string_view Caption;
    Colour BackColor = kNotGiven;
    std::int32_t ClientWidth = 0, ClientHeight = 0;
    int startUpPosition = 2;
    std::span<const Control> controls;  // stored order: topmost first
    std::span<const Handler> handlers;

    constexpr Colour backColor() const { return BackColor != kNotGiven ? BackColor : sys::ButtonFace; }

    // Position of a control in stored order, or -1.
    int find(std::string_view control, int index = kNoIndex) const;
    const Handler* handler(std::string_view control, Event e) const;
};

// The program: the ten screens, Main first. A screen not built yet is absent.
std::span<const ScreenDef* const> program();

}  // namespace smk
