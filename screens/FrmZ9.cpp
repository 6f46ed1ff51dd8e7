// Exercise 9: complete the matrix. Four three-by-three matrices; the right candidate fills its
// matrix's empty cell (or cells) and all three candidates of that matrix disappear.
#include "runtime/live.h"
#include "screens.h"

namespace smk::screens {
namespace {

// Opaque bitmaps on a white ground; natural sizes in pixels.
constexpr Asset kImage1{":/FrmZ9/Image1.svg", AssetFormat::Bitmap, 932, 434, u"таблица с жёлтыми колечками и таблица со звёздочками, треугольниками и кругами"};  // rings | star-triangle-circle
constexpr Asset kImage3{":/FrmZ9/Image3.svg", AssetFormat::Bitmap, 93, 88, u"жёлтое колечко с большой красной серединкой и зелёными чёрточками вокруг"};  // ring, large centre, wreath
constexpr Asset kImage4{":/FrmZ9/Image4.svg", AssetFormat::Bitmap, 83, 85, u"жёлтое колечко с маленькой красной серединкой и зелёным крестиком"};  // ring, medium centre, cross
constexpr Asset kImage5{":/FrmZ9/Image5.svg", AssetFormat::Bitmap, 84, 84, u"жёлтое колечко с маленькой красной серединкой, без чёрточек"};  // ring, medium centre, plain
constexpr Asset kImage6{":/FrmZ9/Image6.svg", AssetFormat::Bitmap, 92, 86, u"красный круг"};  // red circle
constexpr Asset kImage7{":/FrmZ9/Image7.svg", AssetFormat::Bitmap, 94, 81, u"голубой треугольник остриём вниз"};  // light-blue triangle, point down
constexpr Asset kImage8{":/FrmZ9/Image8.svg", AssetFormat::Bitmap, 94, 91, u"зелёная звёздочка с четырьмя лучами"};  // green four-pointed star
constexpr Asset kImage11{":/FrmZ9/Image11.svg", AssetFormat::Bitmap, 933, 441, u"таблица с кубиками и таблица с розовыми и голубыми треугольниками"};  // dice | two-coloured triangles
constexpr Asset kImage12{":/FrmZ9/Image12.svg", AssetFormat::Bitmap, 87, 86, u"красный кубик с тремя точками"};  // die, three dots
constexpr Asset kImage13{":/FrmZ9/Image13.svg", AssetFormat::Bitmap, 90, 91, u"красный кубик с четырьмя точками"};  // die, four dots
constexpr Asset kImage14{":/FrmZ9/Image14.svg", AssetFormat::Bitmap, 89, 89, u"красный кубик с пятью точками"};  // die, five dots
constexpr Asset kImage15{":/FrmZ9/Image15.svg", AssetFormat::Bitmap, 101, 86, u"розовый треугольник"};  // triangle, all pink
constexpr Asset kImage16{":/FrmZ9/Image16.svg", AssetFormat::Bitmap, 103, 84, u"треугольник: слева розовый, справа голубой"};  // triangle, pink | light blue
constexpr Asset kImage17{":/FrmZ9/Image17.svg", AssetFormat::Bitmap, 96, 88, u"треугольник: слева голубой, справа розовый"};  // triangle, light blue | pink

constexpr FontDef kButtonFont = fonts::Comic1200;

constexpr Control kControls[] = {
    Button("Command1").at(9480, 9600, 1095, 450).caption(u"Выход").font(kButtonFont).tab(2),
    Button("Command2").at(120, 9600, 1095, 450).caption(u"Меню").font(kButtonFont).tab(1),
    Image("Image19").at(6840, 6840, 1095, 975).stretch().says(u"пустая клетка в таблице с розовыми и голубыми треугольниками"),  // empty: triangles, row 2, column 2
    Image("Image18").at(1560, 6840, 1095, 975).stretch().says(u"пустая клетка в таблице с кубиками"),  // empty: dice, row 2, column 1
    Image("Image17").at(8160, 9120, 1095, 975).picture(kImage17).stretch(),    // triangles, wrong
    Image("Image16").at(6960, 9120, 1095, 975).picture(kImage16).stretch(),    // triangles, right
    Image("Image15").at(5760, 9120, 975, 975).picture(kImage15).stretch(),     // triangles, wrong
    Image("Image14").at(4080, 9120, 975, 975).picture(kImage14).stretch(),     // dice, right
    Image("Image13").at(2760, 9120, 975, 975).picture(kImage13).stretch(),     // dice, wrong
    Image("Image12").at(1440, 9120, 975, 975).picture(kImage12).stretch(),     // dice, wrong
    Image("Image11").at(1440, 5640, 7815, 3375).picture(kImage11).stretch(),   // lower picture
    Image("Image10").at(7920, 2160, 1095, 975).stretch().says(u"пустая клетка в таблице со звёздочками, средний ряд"),  // empty: star matrix, row 2, column 3
    Image("Image9").at(6600, 1080, 1095, 975).stretch().says(u"пустая клетка в таблице со звёздочками, верхний ряд"),  // empty: star matrix, row 1, column 2
    Image("Image8").at(8040, 4440, 975, 975).picture(kImage8).stretch(),       // star, wrong
    Image("Image7").at(6840, 4440, 975, 975).picture(kImage7).stretch(),       // triangle, right
    Image("Image6").at(5640, 4440, 975, 975).picture(kImage6).stretch(),       // circle
    Image("Image5").at(3840, 4440, 975, 975).picture(kImage5).stretch(),       // rings, right
    Image("Image4").at(2640, 4440, 975, 975).picture(kImage4).stretch(),       // rings, wrong
    Image("Image3").at(1440, 4440, 975, 975).picture(kImage3).stretch(),       // rings, wrong
    Image("Image2").at(2640, 3240, 1095, 975).stretch().says(u"пустая клетка в таблице с колечками"),  // empty: rings, row 3, column 2
    Image("Image1").at(1320, 960, 7815, 3375).picture(kImage1).stretch(),      // upper picture
    Line("Line1").ends(0, 5520, 10680, 5520),                                  // divider
    Label("Label1").at(720, 0, 9015, 975).caption(u"Выбери из предложенных вариантов подходящую фигуру в пустую клетку").font(fonts::Comic1575).centre().transparent().tab(0),
};

// The star-triangle-circle matrix has two empty cells: the triangle fills the first and, so that
// the matrix keeps its rule (each figure once in every row and column), the circle the second.
constexpr Handler kHandlers[] = {
    {"Command2", Event::Click, menuButton},
    {"Command1", Event::Click, exitButton},
    {"Image5", Event::Click, [](Screen& s) {
         s.copyPicture("Image2", "Image5");
         s.hide({"Image5", "Image3", "Image4"});
     }},
    {"Image7", Event::Click, [](Screen& s) {
         s.copyPicture("Image9", "Image7");
         s.copyPicture("Image10", "Image6");
         s.hide({"Image7", "Image6", "Image8"});
     }},
    {"Image14", Event::Click, [](Screen& s) {
         s.copyPicture("Image18", "Image14");
         s.hide({"Image13", "Image14", "Image12"});
     }},
    {"Image16", Event::Click, [](Screen& s) {
         s.copyPicture("Image19", "Image16");
         s.hide({"Image15", "Image16", "Image17"});
     }},
};

constexpr ScreenDef kScreen{
    .name = "FrmZ9",
    .Caption = u"Задание 9",
    .ClientWidth = 10695,
    .ClientHeight = 10185,
    .startUpPosition = 1,
    .controls = kControls,
    .handlers = kHandlers,
};

}  // namespace

const ScreenDef* FrmZ9() { return &kScreen; }

}  // namespace smk::screens
