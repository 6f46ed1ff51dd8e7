// Exercise 7, the missing tile: three boards of four tiles with the lower-right tile blank; of the
// six tiles offered beside each board, the one that repeats the lower-left tile fills the blank.
#include "runtime/live.h"
#include "screens.h"

namespace smk::screens {
namespace {

// Section 1: figures in a 2×2 grid (bitmaps).
constexpr Asset kBoard1{":/FrmZ7/Image1.svg", AssetFormat::Bitmap, 364, 359, u"две клетки с синими квадратиками, клетка с красными треугольниками и пустая клетка"};
constexpr Asset kTile5{":/FrmZ7/Image5.svg", AssetFormat::Bitmap, 142, 142, u"синий квадратик вверху слева и красный треугольник внизу справа"};
constexpr Asset kTile6{":/FrmZ7/Image6.svg", AssetFormat::Bitmap, 139, 137, u"четыре красных треугольника"};
constexpr Asset kTile7{":/FrmZ7/Image7.svg", AssetFormat::Bitmap, 134, 137, u"четыре жёлтых кружка"};
constexpr Asset kTile8{":/FrmZ7/Image8.svg", AssetFormat::Bitmap, 139, 137, u"четыре синих квадратика"};
constexpr Asset kTile9{":/FrmZ7/Image9.svg", AssetFormat::Bitmap, 140, 136, u"два жёлтых кружка наискосок"};
constexpr Asset kTile10{":/FrmZ7/Image10.svg", AssetFormat::Bitmap, 134, 136, u"синие квадратики слева, красные треугольники справа"};
// Section 2: ways of dividing a yellow square (line drawings, transparent around them).
constexpr Asset kBoard2{":/FrmZ7/Image2.svg", AssetFormat::Metafile, 2899, 2899, u"зелёная доска: три жёлтых квадрата по девять клеток и пустой жёлтый квадрат"};
constexpr Asset kTile11{":/FrmZ7/Image11.svg", AssetFormat::Metafile, 1099, 1099, u"жёлтый квадрат, четыре клетки"};
constexpr Asset kTile12{":/FrmZ7/Image12.svg", AssetFormat::Metafile, 1099, 1099, u"жёлтый квадрат, шесть клеток"};
constexpr Asset kTile13{":/FrmZ7/Image13.svg", AssetFormat::Metafile, 1099, 1099, u"жёлтый квадрат, три косые линии"};
constexpr Asset kTile14{":/FrmZ7/Image14.svg", AssetFormat::Metafile, 1099, 1099, u"жёлтый квадрат, тридцать шесть мелких клеток"};
constexpr Asset kTile15{":/FrmZ7/Image15.svg", AssetFormat::Metafile, 1099, 1099, u"жёлтый квадрат, девять клеток"};
constexpr Asset kTile16{":/FrmZ7/Image16.svg", AssetFormat::Metafile, 1099, 1099, u"жёлтый квадрат, три полоски"};
// Section 3: coloured stripes (bitmaps).
constexpr Asset kBoard3{":/FrmZ7/Image3.svg", AssetFormat::Bitmap, 366, 365, u"две клетки с косыми полосками, клетка с волнистыми полосками и пустая клетка"};
constexpr Asset kTile17{":/FrmZ7/Image17.svg", AssetFormat::Bitmap, 140, 139, u"лежачие полоски: красная, зелёная, жёлтая"};
constexpr Asset kTile18{":/FrmZ7/Image18.svg", AssetFormat::Bitmap, 139, 134, u"полоски дугой из уголка: синяя, красная, зелёная, жёлтая, синяя"};
constexpr Asset kTile19{":/FrmZ7/Image19.svg", AssetFormat::Bitmap, 133, 135, u"косые полоски: голубая, красная, зелёная, жёлтая, голубая"};
constexpr Asset kTile20{":/FrmZ7/Image20.svg", AssetFormat::Bitmap, 141, 132, u"стоячие полоски: голубая, красная, зелёная, жёлтая, голубая"};
constexpr Asset kTile21{":/FrmZ7/Image21.svg", AssetFormat::Bitmap, 134, 134, u"волнистые полоски: синяя, красная, зелёная, жёлтая, синяя"};
constexpr Asset kTile22{":/FrmZ7/Image22.svg", AssetFormat::Bitmap, 131, 134, u"лежачие полоски: голубая, жёлтая, зелёная, красная, голубая"};

constexpr Control kControls[] = {
    Button("Command2").at(3600, 9480, 1095, 450).caption(u"Меню").font(fonts::Comic1200).tab(2),
    Button("Command1").at(5040, 9480, 1095, 450).caption(u"Выход").font(fonts::Comic1200).tab(1),
    Image("Image24").at(1800, 7800, 1095, 975).stretch().says(u"пустая клетка"),  // section 3: slot on the blank tile
    Image("Image23").at(1800, 5040, 1095, 975).stretch().says(u"пустая клетка"),  // section 2: slot on the blank tile
    Image("Image22").at(7800, 7800, 1095, 975).picture(kTile22).stretch(),  // section 3 candidates
    Image("Image21").at(6120, 7800, 1095, 975).picture(kTile21).stretch(),  //   right
    Image("Image20").at(4200, 7800, 1095, 975).picture(kTile20).stretch(),
    Image("Image19").at(7800, 6480, 1095, 975).picture(kTile19).stretch(),
    Image("Image18").at(6120, 6480, 1095, 975).picture(kTile18).stretch(),
    Image("Image17").at(4200, 6480, 1095, 975).picture(kTile17).stretch(),
    Image("Image16").at(7800, 5040, 1095, 975).picture(kTile16).stretch(),  // section 2 candidates
    Image("Image15").at(6000, 5040, 1095, 975).picture(kTile15).stretch(),  //   right
    Image("Image14").at(4200, 5040, 1095, 975).picture(kTile14).stretch(),
    Image("Image13").at(7800, 3720, 1095, 975).picture(kTile13).stretch(),
    Image("Image12").at(6000, 3720, 1095, 975).picture(kTile12).stretch(),
    Image("Image11").at(4200, 3720, 1095, 975).picture(kTile11).stretch(),
    Image("Image10").at(7800, 2160, 1095, 975).picture(kTile10).stretch(),  // section 1 candidates
    Image("Image9").at(6000, 2160, 1095, 975).picture(kTile9).stretch(),
    Image("Image8").at(4200, 2160, 1095, 975).picture(kTile8).stretch(),
    Image("Image7").at(7800, 960, 1095, 975).picture(kTile7).stretch(),
    Image("Image6").at(6000, 960, 1095, 975).picture(kTile6).stretch(),     //   right
    Image("Image5").at(4200, 960, 1095, 975).picture(kTile5).stretch(),
    Image("Image4").at(1800, 2280, 1095, 1095).stretch().says(u"пустая клетка"),  // section 1: slot on the blank tile
    Image("Image3").at(240, 6360, 2775, 2535).picture(kBoard3).stretch(),   // section 3: board
    Image("Image2").at(240, 3600, 2775, 2535).picture(kBoard2).stretch(),   // section 2: board
    Image("Image1").at(240, 840, 2775, 2535).picture(kBoard1).stretch(),    // section 1: board
    Label("Label1").at(480, 0, 9135, 855)
        .caption(u"Догадайся, какой из шести предложенных рисунков должен быть в пустой клеточке в каждом из трёх случаев")
        .font(fonts::Comic1425).transparent().centre().tab(3),              // title
    Line("Line2").ends(0, 6240, 9000, 6240),                                // between sections 2 and 3
    Line("Line1").ends(0, 3480, 9000, 3480),                                // between sections 1 and 2
    Label("Label2").at(9240, 2040, 375, 5895).font(fonts::Comic1575).transparent().centre().says(u"ответ").tab(0),  // verdict column
};

// One letter a line in the narrow column.
constexpr std::u16string_view kRight = u"П р а в и л ь н о";
constexpr std::u16string_view kWrong = u"Н е    п р а в и л ь н о";

// Every wrong candidate only gives its verdict; the slots stay as they are.
void wrong(Screen& s) { s.setCaption("Label2", kWrong); }

constexpr Handler kHandlers[] = {
    {"Command2", Event::Click, menuButton},
    {"Command1", Event::Click, exitButton},
    {"Image6", Event::Click, [](Screen& s) { s.setCaption("Label2", kRight); s.copyPicture("Image4", "Image6"); }},
    {"Image15", Event::Click, [](Screen& s) { s.setCaption("Label2", kRight); s.copyPicture("Image23", "Image15"); }},
    {"Image21", Event::Click, [](Screen& s) { s.setCaption("Label2", kRight); s.copyPicture("Image24", "Image21"); }},
    {"Image5", Event::Click, wrong},
    {"Image7", Event::Click, wrong},
    {"Image8", Event::Click, wrong},
    {"Image9", Event::Click, wrong},
    {"Image10", Event::Click, wrong},
    {"Image11", Event::Click, wrong},
    {"Image12", Event::Click, wrong},
    {"Image13", Event::Click, wrong},
    {"Image14", Event::Click, wrong},
    {"Image16", Event::Click, wrong},
    {"Image17", Event::Click, wrong},
    {"Image18", Event::Click, wrong},
    {"Image19", Event::Click, wrong},
    {"Image20", Event::Click, wrong},
    {"Image22", Event::Click, wrong},
};

constexpr ScreenDef kScreen{
    .name = "FrmZ7",
    .Caption = u"Задание 7",
    .BackColor = 0x00C0C0FF,
    .ClientWidth = 9885,
    .ClientHeight = 10065,
    .startUpPosition = 1,
    .controls = kControls,
    .handlers = kHandlers,
};

}  // namespace

const ScreenDef* FrmZ7() { return &kScreen; }

}  // namespace smk::screens
