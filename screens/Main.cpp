// The main menu: nine task buttons, "Выход", and the boy with the pinwheel, the grass and the sun.
#include "runtime/live.h"
#include "screens.h"

namespace smk::screens {
namespace {

// Cut-out drawings: transparent around their figures.
constexpr Asset kBoy{":/Main/Image1.svg", AssetFormat::Metafile, 2127, 2928, u"мальчик с вертушкой"};
constexpr Asset kGrass{":/Main/Image2.svg", AssetFormat::Metafile, 5223, 1080, u"трава"};
constexpr Asset kSun{":/Main/Image3.svg", AssetFormat::Metafile, 4685, 3787, u"солнце"};

constexpr FontDef kFont = fonts::Comic1200;

constexpr Control kControls[] = {
    Button("Command1").at(240, 240, 5535, 615).caption(u"Задание 1 (подбери подходящее слово)").graphical().back(0x008080FF).font(kFont).tab(9),
    Button("Command2").at(240, 1200, 5535, 615).caption(u"Задание 2 (собери фигуру)").graphical().back(0x0080C0FF).font(kFont).tab(8),
    Button("Command3").at(240, 2160, 5535, 615).caption(u"Задание 3 (угодай фигуру)").graphical().back(0x0000FF00).font(kFont).tab(7),
    Button("Command4").at(240, 3120, 5535, 615).caption(u"Задание 4 (собери слово)").graphical().back(0x00FF80FF).font(kFont).tab(6),
    Button("Command5").at(240, 4080, 5535, 615).caption(u"Задание 5 (отрицание)").graphical().back(0x00FF8080).font(kFont).tab(5),
    Button("Command6").at(240, 5160, 5535, 615).caption(u"Задание 6 (последовательность)").graphical().back(0x00FFFF80).font(kFont).tab(4),
    Button("Command7").at(240, 6120, 5535, 615).caption(u"Задание 7 (догадайся)").graphical().back(0x0000FFFF).font(kFont).tab(3),
    Button("Command8").at(240, 7080, 5535, 615).caption(u"Задание 8 (покажи)").graphical().back(0x00FFC0C0).font(kFont).tab(2),
    Button("Command9").at(240, 8040, 5535, 615).caption(u"Задание 9 (подбери картинку)").graphical().back(0x000080FF).font(kFont).tab(1),
    Button("Command10").at(8640, 360, 1095, 450).caption(u"Выход").graphical().back(0x0080FFFF).font(kFont).tab(0),
    Image("Image1").at(4560, 1800, 5250, 7245).picture(kBoy).stretch(),
    Image("Image2").at(0, 7680, 9855, 2535).picture(kGrass).stretch(),
    Image("Image3").at(6720, -1320, 4815, 3735).picture(kSun).stretch(),
};

// A task button shows its exercise first, then hides the menu. An exercise that is not part of
// the program yet leaves the menu as it is.
template <const char* Name>
void open(Screen& s) {
    if (!s.screenExists(Name)) return;
    s.showScreen(Name);
    s.hideScreen();
}
constexpr char k1[] = "FrmZ1", k2[] = "FrmZ2", k3[] = "FrmZ3", k4[] = "FrmZ4", k5[] = "FrmZ5",
               k6[] = "FrmZ6", k7[] = "FrmZ7", k8[] = "FrmZ8", k9[] = "FrmZ9";

constexpr Handler kHandlers[] = {
    {"Command1", Event::Click, open<k1>},
    {"Command2", Event::Click, open<k2>},
    {"Command3", Event::Click, open<k3>},
    {"Command4", Event::Click, open<k4>},
    {"Command5", Event::Click, open<k5>},
    {"Command6", Event::Click, open<k6>},
    {"Command7", Event::Click, open<k7>},
    {"Command8", Event::Click, open<k8>},
    {"Command9", Event::Click, open<k9>},
    {"Command10", Event::Click, exitButton},
};

constexpr ScreenDef kScreen{
    .name = "Main",
    .Caption = u"Главное меню",
    .BackColor = 0x00FFFFFF,
    .ClientWidth = 10455,
    .ClientHeight = 10065,
    .startUpPosition = 1,
    .controls = kControls,
    .handlers = kHandlers,
};

}  // namespace

const ScreenDef* Main() { return &kScreen; }

}  // namespace smk::screens
