// Exercise 2: four pictures made of flat shapes, and loose shapes under each picture. A shape whose
// form occurs in its quadrant's picture is right: "Молодец", and it disappears. Any other shape is
// wrong: "Ой-ой", and it stays.
#include "runtime/live.h"
#include "screens.h"

namespace smk::screens {
namespace {

// Plain line-and-shape drawings, transparent around what they draw; sizes in twips.
constexpr auto M = AssetFormat::Metafile;
// The four pictures.
constexpr Asset kImage1{":/FrmZ2/Image1.svg", M, 5310, 4051};  // fir tree, mushroom and sun
constexpr Asset kImage4{":/FrmZ2/Image4.svg", M, 5308, 4048};  // butterfly
constexpr Asset kImage5{":/FrmZ2/Image5.svg", M, 6034, 4238};  // steamship
constexpr Asset kImage6{":/FrmZ2/Image6.svg", M, 3485, 3485};  // snowman holding a flag
// Top left.
constexpr Asset kImage2{":/FrmZ2/Image2.svg", M, 736, 736};
constexpr Asset kImage3{":/FrmZ2/Image3.svg", M, 1661, 1110};
constexpr Asset kImage17{":/FrmZ2/Image17.svg", M, 910, 558};
constexpr Asset kImage18{":/FrmZ2/Image18.svg", M, 1405, 1146};
constexpr Asset kImage19{":/FrmZ2/Image19.svg", M, 904, 1014};
constexpr Asset kImage20{":/FrmZ2/Image20.svg", M, 1630, 1484};
constexpr Asset kImage21{":/FrmZ2/Image21.svg", M, 550, 558};
constexpr Asset kImage22{":/FrmZ2/Image22.svg", M, 550, 918};
constexpr Asset kImage23{":/FrmZ2/Image23.svg", M, 1193, 1197};
// Top right.
constexpr Asset kImage7{":/FrmZ2/Image7.svg", M, 374, 375};
constexpr Asset kImage8{":/FrmZ2/Image8.svg", M, 1560, 668};
constexpr Asset kImage9{":/FrmZ2/Image9.svg", M, 1377, 837};
constexpr Asset kImage10{":/FrmZ2/Image10.svg", M, 550, 558};
constexpr Asset kImage11{":/FrmZ2/Image11.svg", M, 861, 955};
constexpr Asset kImage12{":/FrmZ2/Image12.svg", M, 550, 198};
constexpr Asset kImage13{":/FrmZ2/Image13.svg", M, 1990, 198};
constexpr Asset kImage14{":/FrmZ2/Image14.svg", M, 1588, 1543};
constexpr Asset kImage15{":/FrmZ2/Image15.svg", M, 530, 536};
constexpr Asset kImage16{":/FrmZ2/Image16.svg", M, 550, 918};
// Bottom left; Image29 and Image30 show one picture, the deckhouse's long rectangle.
constexpr Asset kImage24{":/FrmZ2/Image24.svg", M, 543, 1440};
constexpr Asset kImage25{":/FrmZ2/Image25.svg", M, 5630, 1099};
constexpr Asset kImage26{":/FrmZ2/Image26.svg", M, 543, 547};
constexpr Asset kImage27{":/FrmZ2/Image27.svg", M, 543, 547};
constexpr Asset kImage28{":/FrmZ2/Image28.svg", M, 1824, 816};
constexpr Asset kImage30{":/FrmZ2/Image30.svg", M, 3783, 720};
constexpr Asset kImage31{":/FrmZ2/Image31.svg", M, 543, 547};
constexpr Asset kImage32{":/FrmZ2/Image32.svg", M, 1805, 1445};
constexpr Asset kImage33{":/FrmZ2/Image33.svg", M, 1080, 1080};
// Bottom right.
constexpr Asset kImage34{":/FrmZ2/Image34.svg", M, 1459, 1459};
constexpr Asset kImage35{":/FrmZ2/Image35.svg", M, 562, 557};
constexpr Asset kImage36{":/FrmZ2/Image36.svg", M, 562, 557};
constexpr Asset kImage37{":/FrmZ2/Image37.svg", M, 677, 384};
constexpr Asset kImage38{":/FrmZ2/Image38.svg", M, 562, 557};
constexpr Asset kImage39{":/FrmZ2/Image39.svg", M, 1483, 739};
constexpr Asset kImage40{":/FrmZ2/Image40.svg", M, 2179, 2179};
constexpr Asset kImage41{":/FrmZ2/Image41.svg", M, 739, 739};
constexpr Asset kImage42{":/FrmZ2/Image42.svg", M, 1099, 557};
constexpr Asset kImage43{":/FrmZ2/Image43.svg", M, 1392, 893};
constexpr Asset kImage44{":/FrmZ2/Image44.svg", M, 562, 557};
constexpr Asset kImage45{":/FrmZ2/Image45.svg", M, 562, 557};
constexpr Asset kImage46{":/FrmZ2/Image46.svg", M, 1119, 917};

constexpr Colour kDivider = 0x0080C0FF;  // light orange

constexpr Control kControls[] = {
    Button("Command1").at(4080, 9960, 855, 375).caption(u"Меню").font(fonts::Comic1200).tab(1),
    Button("Command2").at(5400, 9960, 975, 375).caption(u"Выход").font(fonts::Comic1200).tab(0),
    Image("Image46").at(8160, 9480, 855, 735).picture(kImage46).stretch(),    // wrong: hexagon
    Image("Image45").at(8040, 8880, 135, 135).picture(kImage45).stretch(),    // an eye
    Image("Image44").at(7320, 9360, 255, 255).picture(kImage44).stretch(),    // a hand
    Image("Image43").at(6840, 8760, 855, 375).picture(kImage43).stretch(),    // the flag
    Image("Image42").at(6120, 9240, 975, 375).picture(kImage42).stretch(),    // wrong: rectangle 2 : 1
    Image("Image41").at(9480, 8760, 735, 615).picture(kImage41).stretch(),    // wrong: square
    Image("Image40").at(9240, 9480, 1095, 975).picture(kImage40).stretch(),   // the bottom ball
    Image("Image39").at(8400, 8880, 855, 375).picture(kImage39).stretch(),    // the hat
    Image("Image38").at(6720, 10080, 135, 135).picture(kImage38).stretch(),   // an eye
    Image("Image37").at(7320, 9960, 495, 255).picture(kImage37).stretch(),    // the nose
    Image("Image36").at(5400, 9360, 495, 495).picture(kImage36).stretch(),    // the head
    Image("Image35").at(6240, 8760, 255, 255).picture(kImage35).stretch(),    // a hand
    Image("Image34").at(5280, 8640, 735, 615).picture(kImage34).stretch(),    // the middle ball
    Image("Image33").at(3240, 9840, 615, 615).picture(kImage33).stretch(),    // wrong: square
    Image("Image32").at(3480, 8760, 615, 375).picture(kImage32).stretch(),    // wrong: triangle
    Image("Image31").at(4560, 8760, 375, 375).picture(kImage31).stretch(),    // a porthole
    Image("Image30").at(3000, 9360, 2055, 375).picture(kImage30).stretch(),   // the deckhouse
    Image("Image29").at(2400, 8880, 615, 255).picture(kImage30).stretch(),    // the deckhouse, squeezed
    Image("Image28").at(1320, 9000, 1095, 615).picture(kImage28).stretch(),   // wrong: dome
    Image("Image27").at(840, 9360, 375, 375).picture(kImage27).stretch(),     // a porthole
    Image("Image26").at(840, 8880, 375, 375).picture(kImage26).stretch(),     // a porthole
    Image("Image25").at(720, 9840, 2295, 615).picture(kImage25).stretch(),    // the hull
    Image("Image24").at(240, 8880, 375, 975).picture(kImage24).stretch(),     // the funnel
    Image("Image6").at(6240, 5880, 3015, 2775).picture(kImage6).stretch(),    // picture: snowman
    Image("Image5").at(480, 6000, 4095, 2655).picture(kImage5).stretch(),     // picture: steamship
    Label("Label2").at(4200, 5400, 1935, 615).back(0x00C0FFC0).font(fonts::Comic2175).centre().tab(3),  // feedback
    Line("Line1").ends(360, 5880, 10200, 5880).border(kDivider).borderWidth(2),
    Line("Line2").ends(5160, 960, 5160, 10080).border(kDivider).borderWidth(2),
    Image("Image1").at(480, 720, 3975, 2775).picture(kImage1).stretch(),      // picture: tree, mushroom, sun
    Image("Image2").at(1320, 4320, 615, 495).picture(kImage2).stretch(),      // the sun
    Image("Image3").at(600, 4800, 1215, 615).picture(kImage3).stretch(),      // wrong: triangle 2 : 3
    Image("Image16").at(5280, 4440, 855, 495).picture(kImage16).stretch(),    // wrong: oval
    Image("Image14").at(8160, 4200, 1575, 1335).picture(kImage14).stretch(),  // a wing, tilted
    Image("Image13").at(6480, 4440, 495, 1095).picture(kImage13).stretch(),   // wrong: long bar
    Image("Image12").at(9840, 4920, 135, 495).picture(kImage12).stretch(),    // a feeler
    Image("Image11").at(7320, 3720, 735, 735).picture(kImage11).stretch(),    // the body
    Image("Image10").at(6360, 3840, 375, 375).picture(kImage10).stretch(),    // the head
    Image("Image9").at(7080, 4680, 1380, 840).picture(kImage9),               // wrong: triangle; unscaled
    Image("Image8").at(8520, 3720, 1440, 615).picture(kImage8).stretch(),     // a wing, lying flat
    Image("Image7").at(5640, 3720, 255, 255).picture(kImage7).stretch(),      // the diamond
    Image("Image4").at(5640, 720, 4095, 2775).picture(kImage4).stretch(),     // picture: butterfly
    Label("Label1").at(840, 0, 9375, 975)
        .caption(u"Из предложенных фигур выбери только те,которые использованы при составлении картинки")
        .font(fonts::Comic1425).back(sys::TitleBarText).transparent().centre().tab(2),  // title
    Image("Image22").at(3720, 3720, 495, 615).picture(kImage22).stretch(),    // the mushroom stem
    Image("Image21").at(3360, 4680, 495, 495).picture(kImage21).stretch(),    // the trunk
    Image("Image19").at(2760, 4080, 615, 615).picture(kImage19).stretch(),    // wrong: narrow oval
    Image("Image18").at(2040, 3600, 615, 735).picture(kImage18).stretch(),    // wrong: long bar
    Image("Image17").at(480, 3720, 735, 375).picture(kImage17).stretch(),     // wrong: rectangle
    Image("Image23").at(4080, 4320, 975, 855).picture(kImage23).stretch(),    // a tree triangle
    Image("Image20").at(2040, 4680, 1335, 975).picture(kImage20).stretch(),   // the mushroom cap
    Image("Image15").at(8520, 5280, 375, 495).picture(kImage15).stretch(),    // a feeler
};

// A right shape: the praise first, then the shape goes away for good.
void found(Screen& s, std::string_view shape) {
    s.setCaption("Label2", u"Молодец");
    s.setVisible(shape, false);
}
// A wrong shape: only the word; the shape stays.
void missed(Screen& s) { s.setCaption("Label2", u"Ой-ой"); }

constexpr Handler kHandlers[] = {
    {"Command1", Event::Click, menuButton},
    {"Command2", Event::Click, exitButton},
    // Right shapes.
    {"Image2", Event::Click, [](Screen& s) { found(s, "Image2"); }},
    {"Image7", Event::Click, [](Screen& s) { found(s, "Image7"); }},
    {"Image8", Event::Click, [](Screen& s) { found(s, "Image8"); }},
    {"Image10", Event::Click, [](Screen& s) { found(s, "Image10"); }},
    {"Image11", Event::Click, [](Screen& s) { found(s, "Image11"); }},
    {"Image12", Event::Click, [](Screen& s) { found(s, "Image12"); }},
    {"Image14", Event::Click, [](Screen& s) { found(s, "Image14"); }},
    {"Image15", Event::Click, [](Screen& s) { found(s, "Image15"); }},
    {"Image20", Event::Click, [](Screen& s) { found(s, "Image20"); }},
    {"Image21", Event::Click, [](Screen& s) { found(s, "Image21"); }},
    {"Image22", Event::Click, [](Screen& s) { found(s, "Image22"); }},
    {"Image23", Event::Click, [](Screen& s) { found(s, "Image23"); }},
    {"Image24", Event::Click, [](Screen& s) { found(s, "Image24"); }},
    {"Image25", Event::Click, [](Screen& s) { found(s, "Image25"); }},
    {"Image26", Event::Click, [](Screen& s) { found(s, "Image26"); }},
    {"Image27", Event::Click, [](Screen& s) { found(s, "Image27"); }},
    {"Image29", Event::Click, [](Screen& s) { found(s, "Image29"); }},
    {"Image30", Event::Click, [](Screen& s) { found(s, "Image30"); }},
    {"Image31", Event::Click, [](Screen& s) { found(s, "Image31"); }},
    {"Image34", Event::Click, [](Screen& s) { found(s, "Image34"); }},
    {"Image35", Event::Click, [](Screen& s) { found(s, "Image35"); }},
    {"Image36", Event::Click, [](Screen& s) { found(s, "Image36"); }},
    {"Image37", Event::Click, [](Screen& s) { found(s, "Image37"); }},
    {"Image38", Event::Click, [](Screen& s) { found(s, "Image38"); }},
    {"Image39", Event::Click, [](Screen& s) { found(s, "Image39"); }},
    {"Image40", Event::Click, [](Screen& s) { found(s, "Image40"); }},
    {"Image43", Event::Click, [](Screen& s) { found(s, "Image43"); }},
    {"Image44", Event::Click, [](Screen& s) { found(s, "Image44"); }},
    {"Image45", Event::Click, [](Screen& s) { found(s, "Image45"); }},
    // Wrong shapes.
    {"Image3", Event::Click, missed},
    {"Image9", Event::Click, missed},
    {"Image13", Event::Click, missed},
    {"Image16", Event::Click, missed},
    {"Image17", Event::Click, missed},
    {"Image18", Event::Click, missed},
    {"Image19", Event::Click, missed},
    {"Image28", Event::Click, missed},
    {"Image32", Event::Click, missed},
    {"Image33", Event::Click, missed},
    {"Image41", Event::Click, missed},
    {"Image42", Event::Click, missed},
    {"Image46", Event::Click, missed},
};

constexpr ScreenDef kScreen{
    .name = "FrmZ2",
    .Caption = u"Задание 2",
    .BackColor = 0x00FFFFFF,
    .ClientWidth = 10455,
    .ClientHeight = 10470,
    .startUpPosition = 1,
    .controls = kControls,
    .handlers = kHandlers,
};

}  // namespace

const ScreenDef* FrmZ2() { return &kScreen; }

}  // namespace smk::screens
