// Exercise 8: four quarters of pictures, each with its group (red things, round things, plants,
// animals). A picture outside its quarter's group is a right answer: the box says "Верно" and the
// picture goes away. A member of the group only earns "Ой-ой" and stays.
#include "runtime/live.h"
#include "screens.h"

namespace smk::screens {
namespace {

// Colour drawings on a white ground: opaque bitmaps, sizes in pixels.
// Upper left, red things.
constexpr Asset kButterfly{":/FrmZ8/Image1.svg", AssetFormat::Bitmap, 145, 137, u"жёлто-оранжевая бабочка с синими пятнышками"};
constexpr Asset kPencil{":/FrmZ8/Image2.svg", AssetFormat::Bitmap, 93, 163, u"красный карандаш"};
constexpr Asset kApple{":/FrmZ8/Image3.svg", AssetFormat::Bitmap, 109, 123, u"красное яблоко с листиком"};
constexpr Asset kCup{":/FrmZ8/Image4.svg", AssetFormat::Bitmap, 130, 104, u"белая чашка с синими цветочками"};
constexpr Asset kStrawberry{":/FrmZ8/Image5.svg", AssetFormat::Bitmap, 142, 119, u"красная клубника"};
constexpr Asset kExerciseBook{":/FrmZ8/Image6.svg", AssetFormat::Bitmap, 130, 164, u"голубая тетрадь"};
constexpr Asset kPyramid{":/FrmZ8/Image7.svg", AssetFormat::Bitmap, 121, 170, u"пирамидка из зелёных и жёлтых колец"};
constexpr Asset kCucumber{":/FrmZ8/Image8.svg", AssetFormat::Bitmap, 197, 69, u"зелёный огурец"};
constexpr Asset kBall{":/FrmZ8/Image9.svg", AssetFormat::Bitmap, 105, 102, u"красный мяч с зелёной полоской"};
// Upper right, round things.
constexpr Asset kHandbag{":/FrmZ8/Image10.svg", AssetFormat::Bitmap, 133, 164, u"коричневая сумка"};
constexpr Asset kButton{":/FrmZ8/Image11.svg", AssetFormat::Bitmap, 110, 110, u"зелёная пуговица, пришитая нитками"};
constexpr Asset kHouse{":/FrmZ8/Image12.svg", AssetFormat::Bitmap, 137, 164, u"жёлтый домик с красной крышей"};
constexpr Asset kWatermelon{":/FrmZ8/Image13.svg", AssetFormat::Bitmap, 150, 150, u"полосатый арбуз"};
constexpr Asset kCube{":/FrmZ8/Image14.svg", AssetFormat::Bitmap, 113, 125, u"красный кубик"};
constexpr Asset kBalloon{":/FrmZ8/Image15.svg", AssetFormat::Bitmap, 152, 136, u"голубой воздушный шарик на ниточке"};
constexpr Asset kSun{":/FrmZ8/Image16.svg", AssetFormat::Bitmap, 177, 164, u"солнышко с лучами"};
constexpr Asset kFlag{":/FrmZ8/Image17.svg", AssetFormat::Bitmap, 154, 157, u"розовый флажок"};
// Lower left, plants.
constexpr Asset kSparrow{":/FrmZ8/Image18.svg", AssetFormat::Bitmap, 156, 119, u"воробей"};
constexpr Asset kFence{":/FrmZ8/Image19.svg", AssetFormat::Bitmap, 151, 128, u"деревянный забор"};
constexpr Asset kSaw{":/FrmZ8/Image20.svg", AssetFormat::Bitmap, 220, 144, u"пила"};
constexpr Asset kWildStrawberry{":/FrmZ8/Image21.svg", AssetFormat::Bitmap, 168, 146, u"веточка земляники с ягодкой"};
constexpr Asset kMouse{":/FrmZ8/Image22.svg", AssetFormat::Bitmap, 164, 160, u"серая мышка"};
constexpr Asset kChanterelle{":/FrmZ8/Image23.svg", AssetFormat::Bitmap, 110, 134, u"гриб лисичка"};
constexpr Asset kLadybird{":/FrmZ8/Image24.svg", AssetFormat::Bitmap, 129, 125, u"божья коровка"};
constexpr Asset kFlower{":/FrmZ8/Image25.svg", AssetFormat::Bitmap, 126, 155, u"розовый цветок"};
// Lower right, animals.
constexpr Asset kTree{":/FrmZ8/Image26.svg", AssetFormat::Bitmap, 188, 237, u"дерево"};
constexpr Asset kFlats{":/FrmZ8/Image27.svg", AssetFormat::Bitmap, 183, 161, u"два многоэтажных дома"};
constexpr Asset kCar{":/FrmZ8/Image28.svg", AssetFormat::Bitmap, 150, 97, u"жёлтая машина"};
constexpr Asset kSquirrel{":/FrmZ8/Image29.svg", AssetFormat::Bitmap, 139, 169, u"белка с орешком"};
constexpr Asset kCabbage{":/FrmZ8/Image30.svg", AssetFormat::Bitmap, 128, 107, u"кочан капусты"};
constexpr Asset kPuppy{":/FrmZ8/Image31.svg", AssetFormat::Bitmap, 113, 143, u"коричневый щенок"};
constexpr Asset kBoletus{":/FrmZ8/Image32.svg", AssetFormat::Bitmap, 103, 93, u"гриб с коричневой шляпкой и белой ножкой"};
constexpr Asset kFish{":/FrmZ8/Image33.svg", AssetFormat::Bitmap, 140, 94, u"оранжевая рыбка"};

constexpr FontDef kButtons = fonts::Comic1200;
constexpr FontDef kText = fonts::Comic1575;

constexpr Control kControls[] = {
    Button("Command1").at(5520, 9840, 1095, 450).caption(u"Выход").font(kButtons).tab(3),
    Button("Command2").at(4200, 9840, 1095, 450).caption(u"Меню").font(kButtons).tab(2),
    Image("Image33").at(8520, 9000, 1935, 1095).picture(kFish).stretch(),        // animal
    Image("Image32").at(7080, 9000, 1215, 1095).picture(kBoletus).stretch(),     // not an animal
    Image("Image31").at(9000, 6120, 1215, 1335).picture(kPuppy).stretch(),       // animal
    Image("Image30").at(6960, 7560, 1455, 1095).picture(kCabbage).stretch(),     // not an animal
    Image("Image29").at(5520, 8040, 1335, 1575).picture(kSquirrel).stretch(),    // animal
    Image("Image28").at(8520, 7560, 2055, 1335).picture(kCar).stretch(),         // not an animal
    Image("Image27").at(6960, 6120, 1935, 1335).picture(kFlats).stretch(),       // not an animal
    Image("Image26").at(5520, 6120, 1335, 1695).picture(kTree).stretch(),        // not an animal
    Image("Image25").at(1920, 8760, 1215, 1335).picture(kFlower).stretch(),      // plant
    Image("Image24").at(360, 9000, 1095, 975).picture(kLadybird).stretch(),      // not a plant
    Image("Image23").at(3720, 8280, 1095, 1095).picture(kChanterelle).stretch(), // plant
    Image("Image22").at(1680, 7440, 1695, 1335).picture(kMouse).stretch(),       // not a plant
    Image("Image21").at(120, 7560, 1335, 1215).picture(kWildStrawberry).stretch(), // plant
    Image("Image20").at(3120, 6120, 2175, 1335).picture(kSaw).stretch(),         // not a plant
    Image("Image19").at(1680, 6120, 1215, 1095).picture(kFence).stretch(),       // not a plant
    Image("Image18").at(120, 6120, 1455, 1335).picture(kSparrow).stretch(),      // not a plant
    Label("Label5").at(6600, 5280, 4095, 975).caption(u"Покажи и назови всё, что не относится к животным").font(kText).transparent().centre().tab(6),
    Label("Label4").at(120, 5280, 4095, 975).caption(u"Покажи и назови всё, что не относится к растениям").font(kText).transparent().centre().tab(5),
    Label("Label3").at(5760, 0, 4575, 975).caption(u"Покажи и назови всё, что не круглое ").font(kText).transparent().centre().tab(4),
    Image("Image17").at(9000, 3840, 1455, 1335).picture(kFlag).stretch(),        // not round
    Image("Image16").at(7080, 3840, 1455, 1335).picture(kSun).stretch(),         // round
    Image("Image15").at(9120, 2400, 1455, 1335).picture(kBalloon).stretch(),     // round
    Image("Image14").at(9120, 840, 1455, 1335).picture(kCube).stretch(),         // not round
    Image("Image13").at(5640, 2400, 1455, 1335).picture(kWatermelon).stretch(),  // round
    Image("Image12").at(7440, 2400, 1455, 1335).picture(kHouse).stretch(),       // not round
    Image("Image11").at(7320, 960, 1335, 1215).picture(kButton).stretch(),       // round
    Image("Image10").at(5640, 960, 1095, 1095).picture(kHandbag).stretch(),      // not round
    // The feedback box over the crossing of the two lines: red text on the title-bar text colour.
    Label("Label2").at(4320, 4920, 2295, 615).font(kText).back(sys::TitleBarText).fore(0x000000FF).framed().centre().tab(1).says(u"ответ"),
    Image("Image9").at(1920, 3960, 1215, 1095).picture(kBall).stretch(),         // red
    Image("Image8").at(120, 4080, 1455, 615).picture(kCucumber).stretch(),       // not red
    Image("Image7").at(3600, 2160, 1215, 1215).picture(kPyramid).stretch(),      // not red
    Image("Image6").at(3240, 3480, 1095, 1455).picture(kExerciseBook).stretch(), // not red
    Image("Image5").at(0, 2400, 1815, 1215).picture(kStrawberry).stretch(),      // red
    Image("Image4").at(1920, 960, 1455, 1215).picture(kCup).stretch(),           // not red
    Image("Image3").at(3720, 960, 1335, 1215).picture(kApple).stretch(),         // red
    Image("Image2").at(2040, 2400, 1215, 1455).picture(kPencil).stretch(),       // red
    Image("Image1").at(120, 840, 1455, 1335).picture(kButterfly).stretch(),      // not red
    Label("Label1").at(480, 0, 4575, 975).caption(u"Покажи и назови всё, что не красного цвета").font(kText).transparent().centre().tab(0),
    Line("Line2").ends(5400, 10080, 5400, 0),   // vertical divider
    Line("Line1").ends(-120, 5280, 10560, 5280), // horizontal divider
};

// A picture outside its quarter's group: the box says so and the picture goes away for good.
template <const char* Name>
void right(Screen& s) {
    s.setCaption("Label2", u"Верно");
    s.setVisible(Name, false);
}

// A member of the group: only the word changes, the picture stays.
void wrong(Screen& s) { s.setCaption("Label2", u"Ой-ой"); }

constexpr char k1[] = "Image1", k4[] = "Image4", k6[] = "Image6", k7[] = "Image7", k8[] = "Image8",
               k10[] = "Image10", k12[] = "Image12", k14[] = "Image14", k17[] = "Image17",
               k18[] = "Image18", k19[] = "Image19", k20[] = "Image20", k22[] = "Image22",
               k24[] = "Image24", k26[] = "Image26", k27[] = "Image27", k28[] = "Image28",
               k30[] = "Image30", k32[] = "Image32";

constexpr Handler kHandlers[] = {
    {"Command2", Event::Click, menuButton},
    {"Command1", Event::Click, exitButton},
    // Not red.
    {"Image1", Event::Click, right<k1>},
    {"Image4", Event::Click, right<k4>},
    {"Image6", Event::Click, right<k6>},
    {"Image7", Event::Click, right<k7>},
    {"Image8", Event::Click, right<k8>},
    // Not round.
    {"Image10", Event::Click, right<k10>},
    {"Image12", Event::Click, right<k12>},
    {"Image14", Event::Click, right<k14>},
    {"Image17", Event::Click, right<k17>},
    // Not plants.
    {"Image18", Event::Click, right<k18>},
    {"Image19", Event::Click, right<k19>},
    {"Image20", Event::Click, right<k20>},
    {"Image22", Event::Click, right<k22>},
    {"Image24", Event::Click, right<k24>},
    // Not animals.
    {"Image26", Event::Click, right<k26>},
    {"Image27", Event::Click, right<k27>},
    {"Image28", Event::Click, right<k28>},
    {"Image30", Event::Click, right<k30>},
    {"Image32", Event::Click, right<k32>},
    // Members of their groups.
    {"Image2", Event::Click, wrong},
    {"Image3", Event::Click, wrong},
    {"Image5", Event::Click, wrong},
    {"Image9", Event::Click, wrong},
    {"Image11", Event::Click, wrong},
    {"Image13", Event::Click, wrong},
    {"Image15", Event::Click, wrong},
    {"Image16", Event::Click, wrong},
    {"Image21", Event::Click, wrong},
    {"Image23", Event::Click, wrong},
    {"Image25", Event::Click, wrong},
    {"Image29", Event::Click, wrong},
    {"Image31", Event::Click, wrong},
    {"Image33", Event::Click, wrong},
};

constexpr ScreenDef kScreen{
    .name = "FrmZ8",
    .Caption = u"Задание 8",
    .BackColor = 0x00FFFFFF,
    .ClientWidth = 10635,
    .ClientHeight = 10245,
    .startUpPosition = 1,
    .controls = kControls,
    .handlers = kHandlers,
};

}  // namespace

const ScreenDef* FrmZ8() { return &kScreen; }

}  // namespace smk::screens
