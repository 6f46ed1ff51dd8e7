// Exercise 3: eight picture sums. Each cell holds a strip that reads as an equation of pictures,
// an answer place right after its equals sign, and four answer pictures below. The right answer
// fills the answer place and takes the four answer pictures away; a wrong one does nothing.
#include "runtime/live.h"
#include "screens.h"

namespace smk::screens {
namespace {

// Opaque bitmaps on a white ground; natural sizes in pixels. Every image stretches its picture.
// The strips: thing, sign, thing, equals.
constexpr Asset kStrip0{":/FrmZ3/Image1_0.svg", AssetFormat::Bitmap, 408, 123};  // apple + leaf
constexpr Asset kStrip1{":/FrmZ3/Image1_1.svg", AssetFormat::Bitmap, 418, 158};  // house + window
constexpr Asset kStrip2{":/FrmZ3/Image1_2.svg", AssetFormat::Bitmap, 610, 197};  // circle + cross
constexpr Asset kStrip3{":/FrmZ3/Image1_3.svg", AssetFormat::Bitmap, 612, 228};  // triangle + triangle
constexpr Asset kStrip4{":/FrmZ3/Image1_4.svg", AssetFormat::Bitmap, 595, 220};  // half-ovals − rectangle
constexpr Asset kStrip5{":/FrmZ3/Image1_5.svg", AssetFormat::Bitmap, 626, 226};  // Λ and V − V
constexpr Asset kStrip6{":/FrmZ3/Image1_6.svg", AssetFormat::Bitmap, 630, 204};  // car − wheels
constexpr Asset kStrip7{":/FrmZ3/Image1_7.svg", AssetFormat::Bitmap, 639, 250};  // boat − sails
// Problem 1: the apple.
constexpr Asset kImage2{":/FrmZ3/Image2.svg", AssetFormat::Bitmap, 129, 127};
constexpr Asset kImage3{":/FrmZ3/Image3.svg", AssetFormat::Bitmap, 116, 126};
constexpr Asset kImage4{":/FrmZ3/Image4.svg", AssetFormat::Bitmap, 126, 134};
constexpr Asset kImage5{":/FrmZ3/Image5.svg", AssetFormat::Bitmap, 103, 131};
// Problem 3: the house.
constexpr Asset kImage8{":/FrmZ3/Image8.svg", AssetFormat::Bitmap, 110, 114};
constexpr Asset kImage9{":/FrmZ3/Image9.svg", AssetFormat::Bitmap, 111, 108};
constexpr Asset kImage10{":/FrmZ3/Image10.svg", AssetFormat::Bitmap, 138, 106};
constexpr Asset kImage11{":/FrmZ3/Image11.svg", AssetFormat::Bitmap, 118, 116};
// Problem 2: the circle.
constexpr Asset kImage13{":/FrmZ3/Image13.svg", AssetFormat::Bitmap, 206, 220};
constexpr Asset kImage14{":/FrmZ3/Image14.svg", AssetFormat::Bitmap, 210, 192};
constexpr Asset kImage15{":/FrmZ3/Image15.svg", AssetFormat::Bitmap, 189, 203};
constexpr Asset kImage16{":/FrmZ3/Image16.svg", AssetFormat::Bitmap, 179, 203};
// Problem 4: the triangles.
constexpr Asset kImage18{":/FrmZ3/Image18.svg", AssetFormat::Bitmap, 200, 185};
constexpr Asset kImage19{":/FrmZ3/Image19.svg", AssetFormat::Bitmap, 192, 185};
constexpr Asset kImage20{":/FrmZ3/Image20.svg", AssetFormat::Bitmap, 186, 167};
constexpr Asset kImage21{":/FrmZ3/Image21.svg", AssetFormat::Bitmap, 185, 170};
// Problem 6: the rectangle with the half-ovals.
constexpr Asset kImage22{":/FrmZ3/Image22.svg", AssetFormat::Bitmap, 139, 166};
constexpr Asset kImage23{":/FrmZ3/Image23.svg", AssetFormat::Bitmap, 132, 169};
constexpr Asset kImage24{":/FrmZ3/Image24.svg", AssetFormat::Bitmap, 132, 167};
constexpr Asset kImage25{":/FrmZ3/Image25.svg", AssetFormat::Bitmap, 129, 164};
// Problem 5: the rectangle with Λ and V.
constexpr Asset kImage28{":/FrmZ3/Image28.svg", AssetFormat::Bitmap, 173, 173};
constexpr Asset kImage29{":/FrmZ3/Image29.svg", AssetFormat::Bitmap, 191, 167};
constexpr Asset kImage30{":/FrmZ3/Image30.svg", AssetFormat::Bitmap, 172, 173};
constexpr Asset kImage31{":/FrmZ3/Image31.svg", AssetFormat::Bitmap, 182, 186};
// Problem 8: the car.
constexpr Asset kImage32{":/FrmZ3/Image32.svg", AssetFormat::Bitmap, 223, 189};
constexpr Asset kImage33{":/FrmZ3/Image33.svg", AssetFormat::Bitmap, 216, 186};
constexpr Asset kImage34{":/FrmZ3/Image34.svg", AssetFormat::Bitmap, 243, 161};
constexpr Asset kImage35{":/FrmZ3/Image35.svg", AssetFormat::Bitmap, 219, 163};
// Problem 7: the sailing boat.
constexpr Asset kImage38{":/FrmZ3/Image38.svg", AssetFormat::Bitmap, 179, 148};
constexpr Asset kImage39{":/FrmZ3/Image39.svg", AssetFormat::Bitmap, 182, 160};
constexpr Asset kImage40{":/FrmZ3/Image40.svg", AssetFormat::Bitmap, 154, 201};
constexpr Asset kImage41{":/FrmZ3/Image41.svg", AssetFormat::Bitmap, 183, 197};

constexpr FontDef kButtonFont = fonts::Comic1200;

// Strips 3960 × 1005, answer pictures 735 × 735, answer places 975 × 1005 (empty at the start).
constexpr Control kControls[] = {
    Button("Command1").at(4200, 9600, 975, 375).caption(u"Меню").font(kButtonFont).tab(1),
    Button("Command2").at(5280, 9600, 975, 375).caption(u"Выход").font(kButtonFont).tab(0),
    Image("Image1", 0).at(120, 960, 3960, 1005).picture(kStrip0).stretch(),     // 1: strip
    Image("Image2").at(120, 2160, 735, 735).picture(kImage2).stretch(),         // 1: apple with a stalk
    Image("Image3").at(1080, 2160, 735, 735).picture(kImage3).stretch(),        // 1: bitten apple
    Image("Image4").at(2040, 2160, 735, 735).picture(kImage4).stretch(),        // 1: right, apple with a leaf
    Image("Image5").at(3000, 2160, 735, 735).picture(kImage5).stretch(),        // 1: pear
    Image("Image6").at(4080, 960, 975, 1005).stretch().hidden(),                // 1: answer place
    Line("Line1").ends(5160, 960, 5160, 9720).border(0x00C00000),               // between the columns
    Image("Image1", 1).at(120, 3240, 3960, 1005).picture(kStrip1).stretch(),    // 3: strip
    Image("Image7").at(4080, 3240, 975, 1005).stretch(),                        // 3: answer place
    Image("Image8").at(120, 4320, 735, 735).picture(kImage8).stretch(),         // 3: right, house with the window
    Image("Image9").at(1080, 4320, 735, 735).picture(kImage9).stretch(),        // 3: two dark windows
    Image("Image10").at(2040, 4320, 735, 735).picture(kImage10).stretch(),      // 3: fence
    Image("Image11").at(3000, 4320, 735, 735).picture(kImage11).stretch(),      // 3: two-storey house
    Image("Image21").at(8160, 4320, 735, 735).picture(kImage21).stretch(),      // 4: cut by two lines
    Image("Image20").at(7200, 4320, 735, 735).picture(kImage20).stretch(),      // 4: right, one inset
    Image("Image19").at(6240, 4320, 735, 735).picture(kImage19).stretch(),      // 4: three insets and a yellow one
    Image("Image18").at(5280, 4320, 735, 735).picture(kImage18).stretch(),      // 4: yellow corners
    Image("Image17").at(9240, 3240, 975, 1005).stretch(),                       // 4: answer place
    Image("Image1", 3).at(5280, 3240, 3960, 1005).picture(kStrip3).stretch(),   // 4: strip
    Image("Image12").at(9240, 960, 975, 1005).stretch().hidden(),               // 2: answer place
    Image("Image16").at(8160, 2160, 735, 735).picture(kImage16).stretch(),      // 2: cross and small circle
    Image("Image15").at(7200, 2160, 735, 735).picture(kImage15).stretch(),      // 2: right, diagonal cross
    Image("Image14").at(6240, 2160, 735, 735).picture(kImage14).stretch(),      // 2: small circle
    Image("Image13").at(5280, 2160, 735, 735).picture(kImage13).stretch(),      // 2: upright cross
    Image("Image1", 2).at(5280, 960, 3960, 1005).picture(kStrip2).stretch(),    // 2: strip
    Line("Line3").ends(120, 3120, 10560, 3120).border(sys::Highlight),          // below band 1
    Line("Line4").ends(120, 7560, 10560, 7560).border(sys::Highlight),          // below band 3
    Image("Image1", 4).at(5280, 5520, 3960, 1005).picture(kStrip4).stretch(),   // 6: strip
    Image("Image22").at(8280, 6600, 735, 735).picture(kImage22).stretch(),      // 6: top half-oval only
    Image("Image23").at(7320, 6600, 735, 735).picture(kImage23).stretch(),      // 6: right, half-ovals alone
    Image("Image24").at(6360, 6600, 735, 735).picture(kImage24).stretch(),      // 6: bottom half-oval only
    Image("Image25").at(5400, 6600, 735, 735).picture(kImage25).stretch(),      // 6: plain rectangle
    Image("Image26").at(9240, 5520, 975, 1005).stretch().hidden(),              // 6: answer place
    Line("Line5").ends(120, 5280, 10560, 5280).border(sys::Highlight),          // below band 2
    Image("Image27").at(4080, 5520, 975, 1005).stretch().hidden(),              // 5: answer place
    Image("Image28").at(2880, 6600, 735, 735).picture(kImage28).stretch(),      // 5: rectangle with V
    Image("Image29").at(1920, 6600, 735, 735).picture(kImage29).stretch(),      // 5: Λ and V alone
    Image("Image30").at(960, 6600, 735, 735).picture(kImage30).stretch(),       // 5: plain rectangle
    Image("Image31").at(120, 6600, 735, 735).picture(kImage31).stretch(),       // 5: right, rectangle with Λ
    Image("Image1", 5).at(120, 5520, 3960, 1005).picture(kStrip5).stretch(),    // 5: strip
    Image("Image1", 6).at(5280, 7680, 3960, 1005).picture(kStrip6).stretch(),   // 8: strip
    Image("Image32").at(5280, 8760, 735, 735).picture(kImage32).stretch(),      // 8: front wheel only
    Image("Image33").at(6240, 8760, 735, 735).picture(kImage33).stretch(),      // 8: right, no wheels
    Image("Image34").at(7200, 8760, 735, 735).picture(kImage34).stretch(),      // 8: longer whole car
    Image("Image35").at(8160, 8760, 735, 735).picture(kImage35).stretch(),      // 8: wheels on an axle
    Image("Image36").at(9240, 7680, 975, 1005).stretch().hidden(),              // 8: answer place
    Image("Image37").at(4080, 7680, 975, 1005).stretch().hidden(),              // 7: answer place
    Image("Image38").at(3000, 8760, 735, 735).picture(kImage38).stretch(),      // 7: right, the hull
    Image("Image39").at(2040, 8760, 735, 735).picture(kImage39).stretch(),      // 7: sails, no hull
    Image("Image40").at(1080, 8760, 735, 735).picture(kImage40).stretch(),      // 7: no pennant
    Image("Image41").at(120, 8760, 735, 735).picture(kImage41).stretch(),       // 7: one sail only
    Image("Image1", 7).at(120, 7680, 3960, 1005).picture(kStrip7).stretch(),    // 7: strip
    Label("Label2").at(360, 120, 9855, 615).caption(u"Выбери нужный ответ к каждому из предметов").font(fonts::Comic1575).centre().transparent().tab(2),
};

// Each right answer hides the four answer pictures, shows the answer place and gives it the
// clicked picture, in the order below.
constexpr Handler kHandlers[] = {
    {"Command1", Event::Click, menuButton},
    {"Command2", Event::Click, exitButton},
    {"Image4", Event::Click, [](Screen& s) {
         s.hide({"Image2", "Image5"});
         s.setVisible("Image6", true);
         s.copyPicture("Image6", "Image4");
         s.hide({"Image4", "Image3"});
     }},
    {"Image15", Event::Click, [](Screen& s) {
         s.hide({"Image14", "Image13"});
         s.setVisible("Image12", true);
         s.copyPicture("Image12", "Image15");
         s.hide({"Image16", "Image15"});
     }},
    {"Image8", Event::Click, [](Screen& s) {
         s.hide({"Image8", "Image9"});
         s.setVisible("Image7", true);
         s.copyPicture("Image7", "Image8");
         s.hide({"Image10", "Image11"});
     }},
    {"Image20", Event::Click, [](Screen& s) {
         s.hide({"Image18", "Image19"});
         s.setVisible("Image17", true);
         s.copyPicture("Image17", "Image20");
         s.hide({"Image20", "Image21"});
     }},
    {"Image31", Event::Click, [](Screen& s) {
         s.hide({"Image28", "Image29"});
         s.setVisible("Image27", true);
         s.copyPicture("Image27", "Image31");
         s.hide({"Image31", "Image30"});
     }},
    {"Image23", Event::Click, [](Screen& s) {
         s.hide({"Image22", "Image23"});
         s.setVisible("Image26", true);
         s.copyPicture("Image26", "Image23");
         s.hide({"Image25", "Image24"});
     }},
    {"Image38", Event::Click, [](Screen& s) {
         s.hide({"Image39", "Image38"});
         s.setVisible("Image37", true);
         s.copyPicture("Image37", "Image38");
         s.hide({"Image40", "Image41"});
     }},
    {"Image33", Event::Click, [](Screen& s) {
         s.hide({"Image33", "Image34"});
         s.setVisible("Image36", true);
         s.copyPicture("Image36", "Image33");
         s.hide({"Image32", "Image35"});
     }},
};

constexpr ScreenDef kScreen{
    .name = "FrmZ3",
    .Caption = u"Задание 3",
    .BackColor = 0x00FFC0C0,
    .ClientWidth = 10455,
    .ClientHeight = 10065,
    .startUpPosition = 2,
    .controls = kControls,
    .handlers = kHandlers,
};

}  // namespace

const ScreenDef* FrmZ3() { return &kScreen; }

}  // namespace smk::screens
