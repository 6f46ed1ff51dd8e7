// Exercise 1: the fitting fourth word. Eight framed rows "A - B / C - [blank]" with three candidate
// words; the right candidate fills the blank and the row's three candidates disappear.
#include "runtime/live.h"
#include "screens.h"

namespace smk::screens {
namespace {

constexpr Colour kHeader = 0x00FFC0C0;  // light blue
constexpr Colour kGreen = 0x0080FF80;   // rows 1, 3, 5, 7, 8
constexpr Colour kPeach = 0x00C0E0FF;   // rows 2, 4, 6
constexpr Colour kFrame = 0x0000C000;   // green row frames
constexpr Colour kButton = 0x00C0C0C0;  // light grey

constexpr const FontDef& kRow = fonts::Comic1425;
constexpr const FontDef& kExample = fonts::SansSerif1350;

constexpr Control kControls[] = {
    Button("Command1").at(5280, 9720, 1095, 390).caption(u"Выход").font(fonts::Garamond1575Bold).graphical().back(kButton).tab(1),
    Button("Command2").at(3840, 9720, 1095, 390).caption(u"Меню").font(fonts::Garamond1575Bold).graphical().back(kButton).tab(0),
    Label("Label1", 5).at(0, 0, 10455, 495).caption(u"Найдите в этих заданиях подходящее четвёртое слово").font(fonts::Comic1425).back(kHeader).centre().tab(55),
    Label("Label1", 1).at(0, 360, 10455, 375).caption(u"Например:").font(fonts::Comic1200Italic).back(kHeader).tab(54),
    Label("Label1", 0).at(0, 720, 10455, 375).caption(u"МОРКОВЬ - ОГОРОД").font(kExample).back(kHeader).tab(53),
    Label("Label1", 2).at(0, 720, 10455, 375).caption(u"МОРКОВЬ - ОГОРОД").font(kExample).back(kHeader).tab(52),
    Label("Label1", 3).at(0, 1080, 10455, 375).caption(u"ЯБЛОНЯ - ... (ДЕРЕВО, САД, ЯБЛОКО)").font(kExample).back(kHeader).tab(51),
    Label("Label1", 4).at(0, 1440, 10455, 495).caption(u"Морковь растёт в огороде, а яблоня  растёт в саду, значит, подходящее слово - сад. ").font(fonts::Comic1200).back(kHeader).tab(50),
    Label("Label2", 0).at(120, 2040, 2895, 375).caption(u"ПТИЦА - ГНЕЗДО").font(kRow).back(kGreen).tab(49),          // row 1: pair
    Shape("Shape1", 0).at(0, 1920, 10455, 975).border(kFrame),                                                        // row 1: frame
    Label("Label2", 1).at(120, 2400, 1695, 375).caption(u"МЕДВЕДЬ - ").font(kRow).back(kGreen).tab(48),             // row 1: second word
    Label("Label3").at(1800, 2400, 1815, 375).font(kRow).back(kGreen).says(u"пропуск").tab(47),                                        // row 1: blank
    Label("Label4").at(3960, 2400, 1935, 375).caption(u"БЕРЛОГА").font(kRow).back(kGreen).centre().tab(46),          // row 1: right
    Label("Label5").at(6120, 2400, 2055, 375).caption(u"ДЕРЕВО").font(kRow).back(kGreen).centre().tab(45),
    Label("Label6").at(8400, 2400, 1695, 375).caption(u"МЁД").font(kRow).back(kGreen).centre().tab(44),
    Label("Label25").at(8400, 8160, 1935, 375).caption(u"СУП").font(kRow).back(kGreen).centre().tab(43),             // row 7: right
    Label("Label24").at(6360, 8160, 1935, 375).caption(u"КРУПА").font(kRow).back(kGreen).centre().tab(42),
    Label("Label23").at(4080, 8160, 1935, 375).caption(u"ЛОЖКА").font(kRow).back(kGreen).centre().tab(41),
    Label("Label22").at(8400, 6240, 1935, 375).caption(u"СТЕБЕЛЬ").font(kRow).back(kGreen).centre().tab(40),         // row 5: right
    Label("Label21").at(6360, 6240, 1935, 375).caption(u"ЛЕТО").font(kRow).back(kGreen).centre().tab(39),
    Label("Label20").at(4080, 6240, 1935, 375).caption(u"БАБОЧКА").font(kRow).back(kGreen).centre().tab(38),
    Label("Label19").at(8400, 4320, 1935, 375).caption(u"ТЕЛЁНОК").font(kRow).back(kGreen).centre().tab(37),         // row 3: right
    Label("Label18").at(6360, 4320, 1935, 375).caption(u"ДОИТЬ").font(kRow).back(kGreen).centre().tab(36),
    Label("Label17").at(4080, 4320, 1935, 375).caption(u"МОЛОКО").font(kRow).back(kGreen).centre().tab(35),
    Label("Label16").at(8520, 7200, 1815, 375).caption(u"НЕБО").font(kRow).back(kPeach).centre().tab(34),
    Label("Label15").at(6360, 7200, 1815, 375).caption(u"ЗВЕЗДА").font(kRow).back(kPeach).centre().tab(33),
    Label("Label14").at(4200, 7200, 1815, 375).caption(u"НОЧЬ").font(kRow).back(kPeach).centre().tab(32),            // row 6: right
    Label("Label13").at(8160, 5280, 2055, 375).caption(u"ЗАПРАВЛЯТЬ").font(kRow).back(kPeach).centre().tab(31),
    Label("Label12").at(6120, 5280, 1815, 375).caption(u"ЛЕЖАТЬ").font(kRow).back(kPeach).centre().tab(30),          // row 4: right
    Label("Label11").at(4080, 5280, 1815, 375).caption(u"СТОЯТЬ").font(kRow).back(kPeach).centre().tab(29),
    Label("Label10").at(8520, 3360, 1575, 375).caption(u"ЦВЕТОК").font(kRow).back(kPeach).centre().tab(28),          // row 2: right
    Label("Label9").at(6240, 3360, 1935, 375).caption(u"ЛЕЙКА").font(kRow).back(kPeach).centre().tab(27),
    Label("Label8").at(4080, 3360, 1815, 375).caption(u"КЛУМБА").font(kRow).back(kPeach).centre().tab(26),
    Label("Label7").at(2040, 3360, 1575, 375).font(kRow).back(kPeach).says(u"пропуск").tab(25),                                        // row 2: blank
    Label("Label2", 13).at(120, 7800, 2895, 375).caption(u"САХАР - ЧАЙ").font(kRow).back(kGreen).tab(24),            // row 7: pair
    Label("Label2", 12).at(120, 6840, 2895, 375).caption(u"СОЛНЦЕ - ДЕНЬ").font(kRow).back(kPeach).tab(23),          // row 6: pair
    Label("Label2", 11).at(120, 5880, 2895, 375).caption(u"ДЕРЕВО - СТВОЛ").font(kRow).back(kGreen).tab(22),         // row 5: pair
    Label("Label2", 10).at(120, 4920, 2895, 375).caption(u"КРЕСЛО - СИДЕТЬ").font(kRow).back(kPeach).tab(21),        // row 4: pair
    Label("Label2", 9).at(120, 3960, 3375, 375).caption(u"ЛОШАДЬ - ЖЕРЕБЁНОК").font(kRow).back(kGreen).tab(20),      // row 3: pair
    Label("Label2", 2).at(120, 3000, 3495, 375).caption(u"АВТОБУС - ТРАНСПОРТ").font(kRow).back(kPeach).tab(19),     // row 2: pair
    Shape("Shape1", 6).at(0, 7680, 10455, 975).border(kFrame),
    Shape("Shape1", 5).at(0, 6720, 10455, 975).border(kFrame),
    Shape("Shape1", 4).at(0, 5760, 10455, 975).border(kFrame),
    Shape("Shape1", 3).at(0, 4800, 10455, 975).border(kFrame),
    Shape("Shape1", 2).at(0, 3840, 10455, 975).border(kFrame),
    Shape("Shape1", 1).at(0, 2880, 10455, 975).border(kFrame),
    Label("Label26").at(1680, 5280, 1455, 375).font(kRow).back(kPeach).says(u"пропуск").tab(18),                                       // row 4: blank
    Label("Label27").at(1200, 7200, 1215, 375).font(kRow).back(kPeach).says(u"пропуск").tab(17),                                       // row 6: blank
    Label("Label28").at(1560, 4320, 1575, 375).font(kRow).back(kGreen).says(u"пропуск").tab(16),                                       // row 3: blank
    Label("Label29").at(1800, 6240, 1815, 375).font(kRow).back(kGreen).says(u"пропуск").tab(15),                                       // row 5: blank
    Label("Label30").at(1320, 8160, 1335, 375).font(kRow).back(kGreen).says(u"пропуск").tab(14),                                       // row 7: blank
    Label("Label2", 3).at(120, 4320, 1455, 375).caption(u"КОРОВА -").font(kRow).back(kGreen).tab(13),                // row 3: second word
    Label("Label2", 4).at(120, 6240, 1695, 375).caption(u"ЦВЕТОК - ").font(kRow).back(kGreen).tab(12),               // row 5: second word
    Label("Label2", 5).at(120, 8160, 1215, 375).caption(u"СОЛЬ - ").font(kRow).back(kGreen).tab(11),                 // row 7: second word
    Label("Label31").at(120, 3360, 1935, 375).caption(u"ТЮЛЬПАН -     ").font(kRow).back(kPeach).tab(10),            // row 2: second word
    Label("Label32").at(120, 5280, 1575, 375).caption(u"КРОВАТЬ -").font(kRow).back(kPeach).tab(9),                  // row 4: second word
    Label("Label33").at(120, 7200, 1095, 375).caption(u"ЛУНА -").font(kRow).back(kPeach).tab(8),                     // row 6: second word
    Label("Label2", 6).at(120, 9120, 1695, 375).caption(u"СОБАКА- ").font(kRow).back(kGreen).tab(7),                 // row 8: second word
    Label("Label34").at(1800, 9120, 1695, 375).font(kRow).back(kGreen).says(u"пропуск").tab(6),                                        // row 8: blank
    Shape("Shape1", 7).at(0, 8640, 10455, 975).border(kFrame),                                                        // row 8: frame
    Label("Label2", 7).at(120, 8760, 2895, 375).caption(u"РЫБА - ЧЕШУЯ").font(kRow).back(kGreen).tab(5),             // row 8: pair
    Label("Label35").at(4080, 9120, 1935, 375).caption(u"ЛАЯТЬ").font(kRow).back(kGreen).centre().tab(4),
    Label("Label36").at(6360, 9120, 1935, 375).caption(u"КОНУРА").font(kRow).back(kGreen).centre().tab(3),
    Label("Label37").at(8400, 9120, 1935, 375).caption(u"ШЕРСТЬ").font(kRow).back(kGreen).centre().tab(2),           // row 8: right
};

// Each right candidate: its word fills the row's blank, then the row's three candidates go.
constexpr Handler kHandlers[] = {
    {"Command2", Event::Click, menuButton},
    {"Command1", Event::Click, exitButton},
    {"Label4", Event::Click, [](Screen& s) { s.copyCaption("Label4", "Label3"); s.hide({"Label4", "Label5", "Label6"}); }},
    {"Label10", Event::Click, [](Screen& s) { s.copyCaption("Label10", "Label7"); s.hide({"Label10", "Label8", "Label9"}); }},
    {"Label19", Event::Click, [](Screen& s) { s.copyCaption("Label19", "Label28"); s.hide({"Label19", "Label17", "Label18"}); }},
    {"Label12", Event::Click, [](Screen& s) { s.copyCaption("Label12", "Label26"); s.hide({"Label12", "Label11", "Label13"}); }},
    {"Label22", Event::Click, [](Screen& s) { s.copyCaption("Label22", "Label29"); s.hide({"Label20", "Label21", "Label22"}); }},
    {"Label14", Event::Click, [](Screen& s) { s.copyCaption("Label14", "Label27"); s.hide({"Label15", "Label14", "Label16"}); }},
    {"Label25", Event::Click, [](Screen& s) { s.copyCaption("Label25", "Label30"); s.hide({"Label25", "Label24", "Label23"}); }},
    {"Label37", Event::Click, [](Screen& s) { s.copyCaption("Label37", "Label34"); s.hide({"Label35", "Label36", "Label37"}); }},
};

constexpr ScreenDef kScreen{
    .name = "FrmZ1",
    .Caption = u"Задание 1",
    .BackColor = 0x00C0FFC0,
    .ClientWidth = 10455,
    .ClientHeight = 10065,
    .startUpPosition = 2,
    .controls = kControls,
    .handlers = kHandlers,
};

}  // namespace

const ScreenDef* FrmZ1() { return &kScreen; }

}  // namespace smk::screens
