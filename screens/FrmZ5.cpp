// Exercise 5, negation: two houses, each with two crossed-out signs on its roof, and eight figures
// beside each. A figure that fits moves into its own window of the house; each half has its verdict.
#include "runtime/live.h"
#include "screens.h"

namespace smk::screens {
namespace {

// The eight figures: one solid shape each, transparent around it. The upper half shows each of
// them once (Image3 ... Image10); the lower half shows the same eight again.
constexpr Asset kBlueSquare{":/FrmZ5/Image3.svg", AssetFormat::Metafile, 1080, 1080, u"синий квадрат"};
constexpr Asset kRedCircle{":/FrmZ5/Image4.svg", AssetFormat::Metafile, 1085, 1085, u"красный круг"};
constexpr Asset kGreenTriangle{":/FrmZ5/Image5.svg", AssetFormat::Metafile, 1445, 1085, u"зелёный треугольник"};
constexpr Asset kYellowCircle{":/FrmZ5/Image6.svg", AssetFormat::Metafile, 1085, 1085, u"жёлтый круг"};
constexpr Asset kYellowTriangle{":/FrmZ5/Image7.svg", AssetFormat::Metafile, 1445, 1085, u"жёлтый треугольник"};
constexpr Asset kBlueTriangle{":/FrmZ5/Image8.svg", AssetFormat::Metafile, 1445, 1085, u"синий треугольник"};
constexpr Asset kRedSquare{":/FrmZ5/Image9.svg", AssetFormat::Metafile, 1080, 1080, u"красный квадрат"};
constexpr Asset kGreenCircle{":/FrmZ5/Image10.svg", AssetFormat::Metafile, 1085, 1085, u"зелёный круг"};
// The two houses: one bitmap over the whole frame, opaque, white around the house.
constexpr Asset kHouseNotBlueNotTriangle{":/FrmZ5/Image2.svg", AssetFormat::MetafileBitmap, 9716, 12900, u"домик, на крыше зачёркнуты синяя клякса и треугольник"};
constexpr Asset kHouseNotRedNotCircle{":/FrmZ5/Image1.svg", AssetFormat::MetafileBitmap, 8757, 12900, u"домик, на крыше зачёркнуты красная клякса и круг"};

constexpr FontDef kFont = fonts::Comic1425;
constexpr Colour kVerdictBack = 0x00C0FFFF;  // light yellow

constexpr Control kControls[] = {
    Button("Command1").at(5880, 9600, 1095, 450).caption(u"Выход").font(fonts::Comic1200).tab(5),
    Button("Command2").at(4440, 9600, 1095, 450).caption(u"Меню").font(fonts::Comic1200).tab(4),
    Image("Image9").at(7920, 2400, 735, 735).picture(kRedSquare).stretch(),        // upper: wrong (red)
    Image("Image8").at(6720, 2400, 735, 735).picture(kBlueTriangle).stretch(),     // upper: right → Image22
    Image("Image33").at(2880, 8400, 735, 735).stretch().says(u"пустое окошко"),    // lower window, lower right
    Image("Image32").at(1680, 8400, 735, 735).stretch().says(u"пустое окошко"),    // lower window, lower left
    Image("Image29").at(2880, 7200, 735, 735).stretch().says(u"пустое окошко"),    // lower window, upper right
    Image("Image28").at(1680, 7200, 735, 735).stretch().says(u"пустое окошко"),    // lower window, upper left
    Image("Image22").at(1440, 3600, 735, 735).stretch().says(u"пустое окошко"),    // upper window, lower left
    Image("Image21").at(2760, 3600, 735, 735).stretch().says(u"пустое окошко"),    // upper window, lower right
    Image("Image20").at(2760, 2400, 735, 735).stretch().says(u"пустое окошко"),    // upper window, upper right
    Image("Image19").at(1440, 2400, 735, 735).stretch().says(u"пустое окошко"),    // upper window, upper left
    Label("Label4").at(5400, 7920, 4575, 855).font(kFont).centre().back(kVerdictBack).says(u"ответ").tab(3),  // lower verdict
    Image("Image18").at(9120, 6720, 735, 735).picture(kRedCircle).stretch(),       // lower: right → Image33
    Image("Image17").at(7920, 6720, 735, 735).picture(kGreenTriangle).stretch(),   // lower: wrong (triangle)
    Image("Image16").at(6720, 6720, 615, 735).picture(kBlueTriangle).stretch(),    // lower: wrong (blue, triangle)
    Image("Image15").at(5520, 6720, 735, 735).picture(kRedSquare).stretch(),       // lower: right → Image32
    Image("Image14").at(9120, 5760, 735, 735).picture(kYellowTriangle).stretch(),  // lower: wrong (triangle)
    Image("Image13").at(7920, 5760, 735, 735).picture(kYellowCircle).stretch(),    // lower: right → Image29
    Image("Image12").at(6720, 5760, 735, 735).picture(kGreenCircle).stretch(),     // lower: right → Image28
    Image("Image11").at(5520, 5760, 735, 735).picture(kBlueSquare).stretch(),      // lower: wrong (blue)
    Label("Label3").at(5400, 3600, 4575, 855).font(kFont).centre().back(kVerdictBack).says(u"ответ").tab(2),  // upper verdict
    Image("Image10").at(9120, 2400, 735, 735).picture(kGreenCircle).stretch(),     // upper: wrong (circle)
    Image("Image7").at(5520, 2400, 735, 735).picture(kYellowTriangle).stretch(),   // upper: right → Image21
    Image("Image6").at(9120, 1320, 735, 735).picture(kYellowCircle).stretch(),     // upper: wrong (circle)
    Image("Image5").at(7920, 1320, 735, 735).picture(kGreenTriangle).stretch(),    // upper: right → Image20
    Image("Image4").at(6720, 1320, 735, 735).picture(kRedCircle).stretch(),        // upper: wrong (red, circle)
    Image("Image3").at(5520, 1320, 735, 735).picture(kBlueSquare).stretch(),       // upper: right → Image19
    Image("Image2").at(1200, 5520, 2895, 3975).picture(kHouseNotBlueNotTriangle).stretch(),  // lower house
    Label("Label1").at(480, 120, 9375, 855).caption(u" Рассели геометрические фигуры в подходящие для них домики Щелкни по нужной фигуре").font(kFont).centre().transparent().tab(1),
    Label("Label2").at(360, 4800, 9375, 855).caption(u"    Рассели геометрические фигуры в подходящие для них домики Щелкни по нужной фигуре").font(kFont).centre().transparent().tab(0),
    Line("Line1").ends(120, 4800, 10560, 4800),                                    // divider of the halves
    Image("Image1").at(1080, 840, 2895, 3855).picture(kHouseNotRedNotCircle).stretch(),      // upper house
};

// A fitting figure moves into its own window: its picture goes into the window, the half's label
// says so, and the figure leaves the group.
template <const char* Figure, const char* Window, const char* Verdict>
void place(Screen& s) {
    s.copyPicture(Window, Figure);
    s.setCaption(Verdict, u"Правильно");
    s.setVisible(Figure, false);
}
// A figure that does not fit stays where it is; only the half's label answers.
template <const char* Verdict>
void reject(Screen& s) {
    s.setCaption(Verdict, u"Неправильно");
}

constexpr char kUpper[] = "Label3", kLower[] = "Label4";
constexpr char k3[] = "Image3", k5[] = "Image5", k7[] = "Image7", k8[] = "Image8";
constexpr char k12[] = "Image12", k13[] = "Image13", k15[] = "Image15", k18[] = "Image18";
constexpr char k19[] = "Image19", k20[] = "Image20", k21[] = "Image21", k22[] = "Image22";
constexpr char k28[] = "Image28", k29[] = "Image29", k32[] = "Image32", k33[] = "Image33";

constexpr Handler kHandlers[] = {
    {"Command2", Event::Click, menuButton},
    {"Command1", Event::Click, exitButton},
    // Upper house: not red, not a circle.
    {"Image3", Event::Click, place<k3, k19, kUpper>},  // blue square
    {"Image4", Event::Click, reject<kUpper>},          // red circle
    {"Image5", Event::Click, place<k5, k20, kUpper>},  // green triangle
    {"Image6", Event::Click, reject<kUpper>},          // yellow circle
    {"Image7", Event::Click, place<k7, k21, kUpper>},  // yellow triangle
    {"Image8", Event::Click, place<k8, k22, kUpper>},  // blue triangle
    {"Image9", Event::Click, reject<kUpper>},          // red square
    {"Image10", Event::Click, reject<kUpper>},         // green circle
    // Lower house: not blue, not a triangle.
    {"Image11", Event::Click, reject<kLower>},            // blue square
    {"Image12", Event::Click, place<k12, k28, kLower>},   // green circle
    {"Image13", Event::Click, place<k13, k29, kLower>},   // yellow circle
    {"Image14", Event::Click, reject<kLower>},            // yellow triangle
    {"Image15", Event::Click, place<k15, k32, kLower>},   // red square
    {"Image16", Event::Click, reject<kLower>},            // blue triangle
    {"Image17", Event::Click, reject<kLower>},            // green triangle
    {"Image18", Event::Click, place<k18, k33, kLower>},   // red circle
};

constexpr ScreenDef kScreen{
    .name = "FrmZ5",
    .Caption = u"Задание 5",
    .BackColor = 0x00FFC0FF,
    .ClientWidth = 10455,
    .ClientHeight = 10065,
    .startUpPosition = 1,
    .controls = kControls,
    .handlers = kHandlers,
};

}  // namespace

const ScreenDef* FrmZ5() { return &kScreen; }

}  // namespace smk::screens
