// The core without a toolkit: caption layout, hit testing, focus order, text comparison, navigation.
#include <gtest/gtest.h>

#include <stdexcept>

#include "runtime/editing.h"
#include "runtime/hittest.h"
#include "runtime/layout.h"
#include "runtime/live.h"

using namespace smk;

namespace {

// Every character 10 units wide, lines 20 high.
struct FixedMeasurer : TextMeasurer {
    double width(const FontDef&, std::u16string_view t) const override { return 10.0 * static_cast<double>(t.size()); }
    double lineHeight(const FontDef&) const override { return 20; }
};

std::vector<std::u16string> lineTexts(const std::vector<LaidLine>& lines) {
    std::vector<std::u16string> v;
    for (const auto& l : lines) v.emplace_back(l.text);
    return v;
}

// --- Caption layout ------------------------------------------------------------------------------

struct LayoutCase {
    const char* what;
    std::u16string_view text;
    double width, height;
    Align align;
    std::vector<std::u16string> lines;
    std::vector<double> xs;
};

class Layout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(Layout, BreaksAndPlacesLines) {
    const LayoutCase& c = GetParam();
    auto lines = layoutCaption(c.text, fonts::Comic1425, c.width, c.height, c.align, false, FixedMeasurer{});
    EXPECT_EQ(lineTexts(lines), c.lines) << c.what;
    for (std::size_t i = 0; i < c.xs.size() && i < lines.size(); ++i) EXPECT_DOUBLE_EQ(lines[i].x, c.xs[i]) << c.what << " line " << i;
    for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_DOUBLE_EQ(lines[i].y, 20.0 * static_cast<double>(i)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Captions, Layout,
    ::testing::Values(
        LayoutCase{"fits on one line", u"ab cd", 100, 100, Align::Left, {u"ab cd"}, {0}},
        LayoutCase{"wraps at the last space that fits", u"ab cd ef", 50, 100, Align::Left, {u"ab cd", u"ef"}, {0, 0}},
        LayoutCase{"leading spaces keep their width", u"  ab", 100, 100, Align::Left, {u"  ab"}, {0}},
        LayoutCase{"leading spaces move a centred line", u"  ab", 100, 100, Align::Centre, {u"  ab"}, {30}},
        LayoutCase{"right alignment", u"ab", 100, 100, Align::Right, {u"ab"}, {80}},
        LayoutCase{"a word wider than the box stands alone at the left", u"abcdefghij x", 50, 100, Align::Centre,
                   {u"abcdefghij", u"x"}, {0, 20}},
        LayoutCase{"letter-spaced word in a narrow column: one letter a line", u"П р а в и л ь н о", 25, 1000, Align::Centre,
                   {u"П", u"р", u"а", u"в", u"и", u"л", u"ь", u"н", u"о"}, {7.5}},
        LayoutCase{"a run of spaces at a break leaves no empty line", u"Н е    п р а в и л ь н о", 25, 1000, Align::Centre,
                   {u"Н", u"е", u"п", u"р", u"а", u"в", u"и", u"л", u"ь", u"н", u"о"}, {}},
        LayoutCase{"lines below the bottom edge are cut off", u"a b c d", 10, 45, Align::Left, {u"a", u"b", u"c"}, {}},
        LayoutCase{"trailing spaces do not shift a centred line", u"ab  ", 100, 100, Align::Centre, {u"ab"}, {40}},
        LayoutCase{"empty caption, no lines", u"", 100, 100, Align::Left, {}, {}}));

TEST(Layout, ButtonsCentreTheBlockVertically) {
    auto lines = layoutCaption(u"ab cd", fonts::Comic1200, 20, 100, Align::Centre, true, FixedMeasurer{});
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_DOUBLE_EQ(lines[0].y, 30);
    EXPECT_DOUBLE_EQ(lines[1].y, 50);
}

// --- A small screen for hit testing, focus and operations ------------------------------------

constexpr Asset kPic{":/none.svg", AssetFormat::Metafile, 100, 100, u"картинка"};

void noteClick(Screen& s) { s.setCaption("Label1", s.caption("Label1") + u"!"); }

constexpr Control kControls[] = {
    Label("Label1").at(0, 0, 1000, 1000).caption(u"top").tab(4),      // over Image1
    Button("Command1").at(2000, 0, 500, 500).caption(u"OK").tab(2),
    Image("Image1").at(500, 500, 1000, 1000).picture(kPic),           // under Label1, over Image2
    Line("Line1").ends(0, 3000, 5000, 3000),
    Shape("Shape1").at(0, 2900, 5000, 200),
    Image("Image2").at(0, 0, 3000, 3000),                              // no picture, under everything
    TextBox("Text1").at(1800, 200, 400, 400).tab(0),                   // stored after images, still above them
    Label("Label2", 3).at(4000, 4000, 100, 100).tab(1),
    Label("Label3").at(4000, 4000, 100, 100).tab(3).hidden(),
};

constexpr Handler kHandlers[] = {
    {"Image1", Event::Click, noteClick},
    {"Image2", Event::Click, [](Screen& s) { s.setCaption("Label1", u"image2"); }},
    {"Label3", Event::Click, [](Screen& s) { s.setCaption("Label1", u"label3"); }},
    {"Text1", Event::Change, [](Screen& s) { s.setCaption("Label1", s.textIs("Text1", u"шар") ? u"yes" : u"no"); }},
    {"Command1", Event::Click, [](Screen& s) { s.showScreen("Other"); s.hideScreen(); }},
};

constexpr ScreenDef kScreen{.name = "Test", .Caption = u"Test", .ClientWidth = 5000, .ClientHeight = 5000,
                            .controls = kControls, .handlers = kHandlers};

constexpr Handler kOtherHandlers[] = {
    {"Command1", Event::Click, menuButton},
    {"Command2", Event::Click, exitButton},
    {"Label1", Event::Click, [](Screen& s) { s.hide({"Nothing"}); }},
};
constexpr Control kOtherControls[] = {
    Button("Command1").tab(1), Button("Command2").tab(0), Label("Label1").at(0, 0, 100, 100).tab(2),
};
constexpr ScreenDef kOther{.name = "Other", .Caption = u"Other", .ClientWidth = 100, .ClientHeight = 100,
                           .controls = kOtherControls, .handlers = kOtherHandlers};

// "Main" of this little program is the test screen.
constexpr ScreenDef kMain{.name = "Main", .Caption = u"Main", .ClientWidth = 5000, .ClientHeight = 5000,
                          .controls = kControls, .handlers = kHandlers};
const ScreenDef* const kProgram[] = {&kMain, &kOther};

// A host that records what it is asked to do.
struct RecordingHost : Host {
    std::vector<std::string> log;
    void shown(Screen& s, bool first) override { log.push_back("show " + std::string(s.def().name) + (first ? " first" : "")); }
    void hidden(Screen& s) override { log.push_back("hide " + std::string(s.def().name)); }
    void changed(Screen&, int) override {}
    void ended() override { log.push_back("end"); }
};

struct Fixture : ::testing::Test {
    RecordingHost host;
    App app{host, kProgram};
    void SetUp() override {
        setFailHook([](const std::string& m) { throw std::runtime_error(m); });
        app.start();
    }
    void TearDown() override { setFailHook(nullptr); }
    Screen& main() { return *app.find("Main"); }
};

struct HitCase {
    std::int32_t x, y;
    const char* expected;  // control name, or nullptr for the screen itself
};

using HitTest = Fixture;

TEST_F(HitTest, FirstStoredVisibleWinsWindowedAboveGraphical) {
    const HitCase cases[] = {
        {600, 600, "Label1"},    // label stored before the image that it overlaps
        {1200, 1200, "Image1"},  // image alone
        {1900, 300, "Text1"},    // text box stored late still lies above the empty image
        {2100, 100, "Command1"},
        {100, 2950, "Image2"},   // shape and line pass the press through
        {2999, 2999, "Image2"},  // last twip inside, an image without picture counts
        {3000, 3000, nullptr},   // first twip outside
        {4050, 4050, "Label2"},  // hidden Label3 does not hide Label2
    };
    for (const HitCase& c : cases) {
        int i = hitTest(main(), c.x, c.y);
        std::string got = i < 0 ? "(screen)" : std::string(main().def().controls[static_cast<std::size_t>(i)].name);
        EXPECT_EQ(got, c.expected ? c.expected : "(screen)") << "at " << c.x << "," << c.y;
    }
}

TEST_F(HitTest, HiddenControlPassesTheClickToWhatLiesBeneath) {
    main().clickAt(600, 600);  // Label1 has no handler: nothing happens
    EXPECT_EQ(main().caption("Label1"), u"top");
    main().setVisible("Label1", false);
    main().clickAt(600, 600);  // now Image1 beneath takes it
    main().setVisible("Label1", true);
    EXPECT_EQ(main().caption("Label1"), u"top!");
    main().clickAt(600, 600);
    main().clickAt(600, 600);  // double click: the second press is a click of its own
    EXPECT_EQ(main().caption("Label1"), u"top!");
    main().setVisible("Label1", false);
    main().clickAt(600, 600);
    main().clickAt(600, 600);
    EXPECT_EQ(main().caption("Label1"), u"top!!!");
}

TEST(FocusOrder, ByTabIndexLabelsSkippedWrapping) {
    EXPECT_EQ(focusOrder(kScreen), (std::vector<int>{6, 1}));
    EXPECT_EQ(firstFocus(kScreen), 6);
    EXPECT_EQ(nextFocus(kScreen, 6, true), 1);
    EXPECT_EQ(nextFocus(kScreen, 1, true), 6);
    EXPECT_EQ(nextFocus(kScreen, 6, false), 1);
    EXPECT_EQ(firstFocus(kOther), 1);
}

TEST(TextComparison, ExactCodeUnits) {
    struct { std::u16string_view a, b; bool equal; } cases[] = {
        {u"шар", u"шар", true}, {u"Шар", u"шар", false}, {u"ШАР", u"шар", false}, {u"шар ", u"шар", false},
        {u" шар", u"шар", false}, {u"ёж", u"еж", false}, {u"", u"", true}, {u"6", u"6", true}, {u"66", u"6", false},
        {u"e", u"е", false},  // Latin e and Cyrillic е
    };
    for (auto& c : cases) EXPECT_EQ(sameText(c.a, c.b), c.equal);
}

using Operations = Fixture;

TEST_F(Operations, TypingRunsTheChangeHandlerWithTheNewText) {
    int text = main().def().find("Text1");
    main().typed(text, u"ш");
    EXPECT_EQ(main().caption("Label1"), u"no");
    main().typed(text, u"шар");
    EXPECT_EQ(main().caption("Label1"), u"yes");
    main().typed(text, u"шар ");
    EXPECT_EQ(main().caption("Label1"), u"no");
    EXPECT_EQ(main().text("Text1"), u"шар ");
}

TEST_F(Operations, CopiedPictureIsSharedAndSurvivesHidingTheSource) {
    main().copyPicture("Image2", "Image1");
    main().setVisible("Image1", false);
    EXPECT_EQ(main().state(main().def().find("Image2")).picture, &kPic);
}

TEST_F(Operations, FailingOperationNamesScreenControlAndOperation) {
    try {
        main().setCaption("Label9", u"x");
        FAIL() << "no failure";
    } catch (const std::runtime_error& e) {
        std::string m = e.what();
        EXPECT_NE(m.find("Main"), std::string::npos);
        EXPECT_NE(m.find("Label9"), std::string::npos);
        EXPECT_NE(m.find("set Caption"), std::string::npos);
    }
    EXPECT_THROW(main().setVisible("Line1", false), std::runtime_error);  // lines are never hidden
    EXPECT_THROW(main().setCaption("Image1", u"x"), std::runtime_error);  // wrong kind
    EXPECT_THROW(main().text("Label1"), std::runtime_error);
}

TEST(FailWithoutHook, EndsTheProgramWithAMessage) {
    RecordingHost host;
    App app{host, kProgram};
    app.start();
    EXPECT_EXIT(app.find("Main")->setVisible("Nope", true), ::testing::ExitedWithCode(70),
                "operation 'set Visible' failed on screen 'Main', control 'Nope'");
}

using Navigation = Fixture;

TEST_F(Navigation, ShowBeforeHideAndTheSameScreenComesBack) {
    EXPECT_EQ(host.log, (std::vector<std::string>{"show Main first"}));
    main().click(main().def().find("Command1"));
    EXPECT_EQ(host.log, (std::vector<std::string>{"show Main first", "show Other first", "hide Main"}));
    Screen* other = app.find("Other");
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(other->focused(), other->def().find("Command2"));  // lowest TabIndex

    other->click(other->def().find("Command1"));  // "Меню"
    EXPECT_EQ(host.log.back(), "show Main");
    EXPECT_EQ(app.visible(), std::vector<Screen*>{&main()});
    main().click(main().def().find("Command1"));
    EXPECT_EQ(app.find("Other"), other);  // not created again
    EXPECT_EQ(host.log[host.log.size() - 2], "show Other");
}

TEST_F(Navigation, EndingStopsEverything) {
    main().click(main().def().find("Command1"));
    Screen* other = app.find("Other");
    other->click(other->def().find("Command2"));  // "Выход"
    EXPECT_TRUE(app.ended());
    EXPECT_EQ(host.log.back(), "end");
    const auto before = host.log;
    other->click(other->def().find("Command1"));  // no event after the end
    other->typed(0, u"x");
    EXPECT_EQ(host.log, before);
}

TEST(Defaults, FollowTheKind) {
    constexpr Control text = TextBox("Text1");
    constexpr Control standard = Button("Command2").back(0x00FFC0FF);
    constexpr Control graphical = Button("Command1").back(0x00C0C0C0).graphical();
    constexpr Control label = Label("Label1");
    static_assert(text.backColor() == sys::WindowBackground && text.foreColor() == sys::WindowText);
    static_assert(standard.faceColor() == sys::ButtonFace);  // BackColor has no effect on Style 0
    static_assert(graphical.faceColor() == 0x00C0C0C0);
    static_assert(label.backColor() == sys::ButtonFace && label.foreColor() == sys::ButtonText && label.opaque());
    static_assert(Line("Line1").borderColor() == sys::WindowText);
    EXPECT_EQ(resolve(0x008080FF), (Rgb{0xFF, 0x80, 0x80}));  // red in the low byte
    EXPECT_EQ(resolve(0x00FF6633), (Rgb{0x33, 0x66, 0xFF}));
}

}  // namespace

// --- The text field's editing model ------------------------------------------------------------

namespace {

TEST(Editing, TypingDeletingSelectingUndoRedo) {
    EditBuffer b;
    EXPECT_TRUE(b.insert(u"ш"));
    EXPECT_TRUE(b.insert(u"ар"));
    EXPECT_EQ(b.text(), u"шар");
    EXPECT_TRUE(b.backspace());
    EXPECT_EQ(b.text(), u"ша");
    EXPECT_FALSE(b.deleteForward());  // nothing after the cursor
    b.home(false);
    EXPECT_TRUE(b.deleteForward());
    EXPECT_EQ(b.text(), u"а");
    EXPECT_TRUE(b.undo());
    EXPECT_EQ(b.text(), u"ша");
    EXPECT_TRUE(b.undo());
    EXPECT_EQ(b.text(), u"шар");
    EXPECT_TRUE(b.redo());
    EXPECT_EQ(b.text(), u"ша");
    b.selectAll();
    EXPECT_TRUE(b.insert(u"дом"));  // typing over a selection replaces it: one change
    EXPECT_EQ(b.text(), u"дом");
    EXPECT_FALSE(b.redo());         // a new edit ends the redo history
    b.setSelection(1, 1);
    EXPECT_EQ(b.selectedText(), u"о");
    EXPECT_TRUE(b.backspace());
    EXPECT_EQ(b.text(), u"дм");
    b.selectAll();
    EXPECT_FALSE(b.insert(u"дм"));  // the same text again is no change
}

TEST(Editing, CharactersBeyondSixteenBitsMoveAndDeleteWhole) {
    EditBuffer b;
    b.insert(u"a\U0001F431b");  // a cat face: two code units
    b.end(false);
    b.left(false);
    b.left(false);  // over the cat face in one step
    EXPECT_EQ(b.cursor(), 1u);
    EXPECT_TRUE(b.deleteForward());
    EXPECT_EQ(b.text(), u"ab");
    b.end(false);
    b.insert(u"\U0001F431");
    EXPECT_TRUE(b.backspace());
    EXPECT_EQ(b.text(), u"ab");
    b.moveTo(2, false);  // never between the halves of a pair
    b.insert(u"\U0001F431");
    b.moveTo(3, false);
    EXPECT_EQ(b.cursor(), 2u);
}

TEST(Editing, AMegabyteCostsWhatItChanges) {
    EditBuffer b;
    const std::u16string huge(1 << 20, u'ш');
    EXPECT_TRUE(b.insert(huge));
    for (int i = 0; i < 1000; ++i) {  // a thousand keystrokes after it
        b.insert(u"x");
        b.backspace();
    }
    EXPECT_EQ(b.text().size(), huge.size());
    EXPECT_TRUE(b.undo());  // the last Backspace
    EXPECT_TRUE(b.undo());
    EXPECT_EQ(b.text().size(), huge.size());
    b.selectAll();
    b.insert(u"шар");
    EXPECT_TRUE(sameText(b.text(), u"шар"));
}

// --- What a screen reader says ----------------------------------------------------------------

constexpr Asset kPear{":/pear.svg", AssetFormat::Bitmap, 10, 10, u"груша"};
constexpr Control kSpokenControls[] = {
    Button("Command1").at(0, 0, 615, 5535).caption(u"П р о в е р к а").tab(0),
    Label("Label1").at(0, 0, 375, 5895).caption(u"Н е    п р а в и л ь н о").tab(1),
    Label("Label2").at(0, 0, 3000, 375).says(u"пропуск").tab(2),
    Label("Label3").at(0, 0, 3000, 375).caption(u"Р Ш А").says(u"буквы").tab(3),
    Image("Image1").at(0, 0, 100, 100).picture(kPear),
    Image("Image2").at(0, 0, 100, 100).says(u"пустая клетка"),
    TextBox("Text1").at(0, 0, 100, 100).says(u"слово").tab(4),
};
constexpr ScreenDef kSpoken{.name = "Main", .Caption = u"Spoken", .ClientWidth = 9000, .ClientHeight = 9000,
                            .controls = kSpokenControls, .handlers = {}};
const ScreenDef* const kSpokenProgram[] = {&kSpoken};

TEST(Spoken, CaptionsPicturesAndGivenNames) {
    NullHost host;
    App app(host, kSpokenProgram);
    app.start();
    Screen& s = *app.find("Main");
    auto say = [&](const char* name) { return spokenName(s, s.def().find(name)); };
    EXPECT_EQ(say("Command1"), u"Проверка");        // a letter-per-line column is read as words
    EXPECT_EQ(say("Label1"), u"Не правильно");
    EXPECT_EQ(say("Label2"), u"пропуск");
    EXPECT_EQ(say("Label3"), u"буквы: Р Ш А");      // a wide label keeps its letters apart
    EXPECT_EQ(say("Image1"), u"груша");
    EXPECT_EQ(say("Image2"), u"пустая клетка");
    EXPECT_EQ(say("Text1"), u"слово");
    s.setCaption("Label2", u"БЕРЛОГА");
    s.copyPicture("Image2", "Image1");
    EXPECT_EQ(say("Label2"), u"пропуск: БЕРЛОГА");
    EXPECT_EQ(say("Image2"), u"груша");               // a filled cell says what it now shows
}

}  // namespace
