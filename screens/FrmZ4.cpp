// Exercise 4, assemble the word: ten groups of scrambled letters, a field beside each; the right
// word typed into its field shows its picture below and writes "Молодец" in the feedback box.
#include "runtime/live.h"
#include "screens.h"

namespace smk::screens {
namespace {

// Colour drawings on a white ground. Nine are metafiles holding one bitmap (opaque), natural size
// in twips; the handbag is a bitmap, natural size in pixels. Each is stretched into its square.
constexpr Asset kBalloon{":/FrmZ4/Image1.svg", AssetFormat::MetafileBitmap, 2323, 2123, u"синий воздушный шарик"};
constexpr Asset kCrayfish{":/FrmZ4/Image2.svg", AssetFormat::MetafileBitmap, 1733, 1790, u"зелёный рак с клешнями"};
constexpr Asset kElephant{":/FrmZ4/Image3.svg", AssetFormat::MetafileBitmap, 2840, 2141, u"светло-голубой слон"};
constexpr Asset kCat{":/FrmZ4/Image4.svg", AssetFormat::MetafileBitmap, 1918, 2030, u"серая полосатая кошка"};
constexpr Asset kUmbrella{":/FrmZ4/Image5.svg", AssetFormat::MetafileBitmap, 1696, 1643, u"жёлтый зонтик"};
constexpr Asset kHouse{":/FrmZ4/Image6.svg", AssetFormat::MetafileBitmap, 2065, 1329, u"домик с красной крышей"};
constexpr Asset kMushroom{":/FrmZ4/Image7.svg", AssetFormat::MetafileBitmap, 1494, 1735, u"гриб с коричневой шляпкой"};
constexpr Asset kHare{":/FrmZ4/Image8.svg", AssetFormat::MetafileBitmap, 1641, 2326, u"белый заяц в зелёной жилетке"};
constexpr Asset kCheese{":/FrmZ4/Image9.svg", AssetFormat::MetafileBitmap, 2083, 1606, u"кусок сыра с дырками"};
constexpr Asset kHandbag{":/FrmZ4/Image10.svg", AssetFormat::Bitmap, 133, 164, u"коричневая сумка"};

constexpr Colour kPink = 0x00FFC0FF;       // light pink-violet
constexpr Colour kDarkBlue = 0x00C00000;   // the letters
constexpr Colour kOrange = 0x0080C0FF;     // light orange feedback box

constexpr FontDef kButtonFont = fonts::Comic1200;
constexpr FontDef kLetterFont = fonts::Comic2025Bold;  // letter labels and fields

// A field for a word, a row of scrambled letters, a hidden picture.
constexpr Control WordField(std::string_view n) { return TextBox(n).font(kLetterFont); }
constexpr Control LetterRow(std::string_view n) { return Label(n).font(kLetterFont).fore(kDarkBlue).transparent(); }
constexpr Control HiddenPicture(std::string_view n, const Asset& a, std::int32_t l, std::int32_t t) {
    return Image(n).at(l, t, 1575, 1575).picture(a).stretch().hidden();
}

constexpr Control kControls[] = {
    WordField("Text1").at(2400, 600, 2055, 690).says(u"слово из букв Р, Ш, А").tab(11),  // "шар", left column row 1
    WordField("Text2").at(2400, 1440, 2055, 690).says(u"слово из букв А, З, Ц, Я").tab(10),  // "заяц", left row 2
    WordField("Text3").at(2400, 2280, 2055, 690).says(u"слово из букв О, Д, М").tab(9),  // "дом", left row 3
    WordField("Text4").at(2400, 3120, 2055, 690).says(u"слово из букв Н, О, З, Т").tab(8),  // "зонт", left row 4
    WordField("Text5").at(7800, 600, 2055, 690).says(u"слово из букв С, Р, Ы").tab(7),  // "сыр", right column row 1
    WordField("Text6").at(7800, 1440, 2055, 690).says(u"слово из букв У, М, К, А, С").tab(6),  // "сумка", right row 2
    WordField("Text7").at(7800, 2280, 2055, 690).says(u"слово из букв О, Н, С, Л").tab(5),  // "слон", right row 3
    WordField("Text8").at(7800, 3120, 2055, 690).says(u"слово из букв Б, Р, Г, И").tab(4),  // "гриб", right row 4
    WordField("Text9").at(7800, 3960, 2055, 690).says(u"слово из букв К, Р, А").tab(3),  // "рак", right row 5
    WordField("Text10").at(2400, 3960, 2055, 690).says(u"слово из букв К, Ш, А, О, К, А").tab(2),  // "кошка", left row 5
    Button("Command1").at(5400, 9480, 1095, 450).caption(u"Выход").font(kButtonFont).tab(1),
    Button("Command2").at(3840, 9480, 1095, 450).caption(u"Меню").back(kPink).font(kButtonFont).tab(0),  // standard: face colour
    Label("Label1").at(2040, 0, 6255, 615).caption(u"Составь слова, переставив буквы").font(fonts::Comic1800).centre().transparent().tab(23),
    LetterRow("Label3").at(360, 1440, 1815, 615).caption(u"А З Ц Я ").says(u"буквы").tab(22),
    LetterRow("Label4").at(720, 2280, 1695, 615).caption(u"О Д М ").says(u"буквы").tab(21),
    LetterRow("Label5").at(360, 3120, 1815, 615).caption(u"Н О З Т ").says(u"буквы").tab(20),
    HiddenPicture("Image1", kBalloon, 240, 5280),
    HiddenPicture("Image2", kCrayfish, 8160, 7200),
    HiddenPicture("Image3", kElephant, 6120, 7680),
    HiddenPicture("Image4", kCat, 4200, 5760),
    HiddenPicture("Image5", kUmbrella, 2280, 7680),
    HiddenPicture("Image6", kHouse, 2280, 5760),
    HiddenPicture("Image7", kMushroom, 8160, 5280),
    HiddenPicture("Image8", kHare, 240, 7200),
    HiddenPicture("Image9", kCheese, 4200, 7680),
    HiddenPicture("Image10", kHandbag, 6120, 5760),
    LetterRow("Label2").at(840, 600, 1575, 615).caption(u"Р Ш А").says(u"буквы").tab(19),
    LetterRow("Label6").at(120, 3960, 2415, 615).caption(u"К Ш А О К А").says(u"буквы").tab(18),  // one "А" more than "кошка"
    LetterRow("Label7").at(6120, 600, 1575, 615).caption(u"С Р Ы").says(u"буквы").tab(17),
    LetterRow("Label8").at(5160, 1440, 2415, 615).caption(u" У М К А С").says(u"буквы").tab(16),
    LetterRow("Label9").at(5760, 2280, 1815, 615).caption(u"О Н С Л ").says(u"буквы").tab(15),
    LetterRow("Label10").at(5760, 3120, 2055, 615).caption(u" Б Р Г И  ").says(u"буквы").tab(14),
    LetterRow("Label11").at(6120, 3960, 1575, 615).caption(u"  К Р А").says(u"буквы").tab(13),
    Label("Label12").at(3600, 4920, 3255, 615).font(fonts::Comic2175Bold).back(kOrange).fore(sys::HighlightText).centre().says(u"ответ").tab(12),  // feedback box
};

// Every change empties the feedback box; only the whole word, exactly, shows its picture for good.
template <const char16_t* Word, const char* Field, const char* Pic>
void check(Screen& s) {
    s.setCaption("Label12", u"");
    if (s.textIs(Field, Word)) {
        s.setVisible(Pic, true);
        s.setCaption("Label12", u"Молодец");
    }
}

constexpr char16_t kShar[] = u"шар", kZayats[] = u"заяц", kDom[] = u"дом", kZont[] = u"зонт",
                   kSyr[] = u"сыр", kSumka[] = u"сумка", kSlon[] = u"слон", kGrib[] = u"гриб",
                   kRak[] = u"рак", kKoshka[] = u"кошка";
constexpr char kT1[] = "Text1", kT2[] = "Text2", kT3[] = "Text3", kT4[] = "Text4", kT5[] = "Text5",
               kT6[] = "Text6", kT7[] = "Text7", kT8[] = "Text8", kT9[] = "Text9", kT10[] = "Text10";
constexpr char kI1[] = "Image1", kI2[] = "Image2", kI3[] = "Image3", kI4[] = "Image4", kI5[] = "Image5",
               kI6[] = "Image6", kI7[] = "Image7", kI8[] = "Image8", kI9[] = "Image9", kI10[] = "Image10";

constexpr Handler kHandlers[] = {
    {"Command2", Event::Click, menuButton},
    {"Command1", Event::Click, exitButton},
    {"Text1", Event::Change, check<kShar, kT1, kI1>},       // balloon
    {"Text2", Event::Change, check<kZayats, kT2, kI8>},     // hare
    {"Text3", Event::Change, check<kDom, kT3, kI6>},        // house
    {"Text4", Event::Change, check<kZont, kT4, kI5>},       // umbrella
    {"Text5", Event::Change, check<kSyr, kT5, kI9>},        // cheese
    {"Text6", Event::Change, check<kSumka, kT6, kI10>},     // handbag
    {"Text7", Event::Change, check<kSlon, kT7, kI3>},       // elephant
    {"Text8", Event::Change, check<kGrib, kT8, kI7>},       // mushroom
    {"Text9", Event::Change, check<kRak, kT9, kI2>},        // crayfish
    {"Text10", Event::Change, check<kKoshka, kT10, kI4>},   // cat
};

constexpr ScreenDef kScreen{
    .name = "FrmZ4",
    .Caption = u"Задание 4",
    .BackColor = kPink,
    .ClientWidth = 10860,
    .ClientHeight = 10065,
    .startUpPosition = 1,
    .controls = kControls,
    .handlers = kHandlers,
};

}  // namespace

const ScreenDef* FrmZ4() { return &kScreen; }

}  // namespace smk::screens
