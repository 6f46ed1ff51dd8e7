// Exercise 6: the order of a morning. Six scenes of a girl's morning, a yellow field on each scene
// for its number, and a check button that judges all six fields at once.
#include "runtime/live.h"
#include "screens.h"

namespace smk::screens {
namespace {

// The story picture: a metafile holding one bitmap stretched over the whole drawing, so opaque.
constexpr Asset kStory{":/FrmZ6/Image1.svg", AssetFormat::MetafileBitmap, 17109, 21057};

constexpr Colour kYellow = 0x0000FFFF;
constexpr FontDef kField = fonts::SansSerif1800;

constexpr Control kControls[] = {
    Button("Command3").at(240, 1800, 615, 5535).caption(u"П р о в е р к а").graphical().back(0x000080FF).font(fonts::SansSerif2400).tab(10),  // check button
    TextBox("Text6").at(8040, 8400, 495, 495).back(kYellow).font(kField).tab(9),  // bottom right: in the nightgown by the bed
    TextBox("Text5").at(4080, 8400, 495, 495).back(kYellow).font(kField).tab(8),  // bottom left: breakfast
    TextBox("Text4").at(8040, 5640, 495, 495).back(kYellow).font(kField).tab(7),  // middle right: dressed, tying her hair
    TextBox("Text3").at(4080, 5640, 495, 495).back(kYellow).font(kField).tab(6),  // middle left: exercises
    TextBox("Text2").at(8040, 2760, 495, 495).back(kYellow).font(kField).tab(5),  // top right: washing
    TextBox("Text1").at(4080, 2760, 495, 495).back(kYellow).font(kField).tab(4),  // top left: playing
    Button("Command1").at(5040, 9480, 1095, 450).caption(u"Выход").font(fonts::Comic1200).tab(3),
    Button("Command2").at(3720, 9480, 1095, 450).caption(u"Меню").font(fonts::Comic1200).tab(2),
    Label("Label2").at(9000, 1440, 375, 5895).font(fonts::Comic1575).centre().transparent().tab(1),  // verdict column
    Image("Image1").at(1320, 840, 7215, 8055).picture(kStory).stretch(),  // the story picture
    Label("Label1").at(1680, 0, 6735, 855).caption(u"  Определи последовательность событий. Расставь цифры в пустых квадратиках.").font(fonts::Comic1425).centre().transparent().tab(0),
};

// Right only when every field holds exactly its one digit: the morning runs from the bed (1) to play (6).
void check(Screen& s) {
    const bool right = s.textIs("Text1", u"6") & s.textIs("Text2", u"3") & s.textIs("Text3", u"2") &
                       s.textIs("Text4", u"4") & s.textIs("Text5", u"5") & s.textIs("Text6", u"1");
    if (right)
        s.setCaption("Label2", u"П р а в и л ь н о");
    else
        s.setCaption("Label2", u"Н е    п р а в и л ь н о");
}

constexpr Handler kHandlers[] = {
    {"Command2", Event::Click, menuButton},
    {"Command1", Event::Click, exitButton},
    {"Command3", Event::Click, check},
};

constexpr ScreenDef kScreen{
    .name = "FrmZ6",
    .Caption = u"Задание 6",
    .BackColor = 0x00C0E0FF,
    .ClientWidth = 9885,
    .ClientHeight = 10065,
    .startUpPosition = 1,
    .controls = kControls,
    .handlers = kHandlers,
};

}  // namespace

const ScreenDef* FrmZ6() { return &kScreen; }

}  // namespace smk::screens
