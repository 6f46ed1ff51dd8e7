// Exercise 3, the picture sums, driven offscreen as a child would: the right picture of each
// equation fills its answer place and takes the four answer pictures away; nothing else reacts.
#include <QTest>

#include <array>
#include <string>
#include <vector>

#include "runtime/qt/units.h"
#include "ui_support.h"

using namespace smk;
using namespace smk::test;

namespace {

struct Problem {
    const char* right;
    const char* place;
    std::array<const char*, 4> answers;  // left to right
};

// The eight problems in reading order.
const Problem kProblems[] = {
    {"Image4", "Image6", {"Image2", "Image3", "Image4", "Image5"}},
    {"Image15", "Image12", {"Image13", "Image14", "Image15", "Image16"}},
    {"Image8", "Image7", {"Image8", "Image9", "Image10", "Image11"}},
    {"Image20", "Image17", {"Image18", "Image19", "Image20", "Image21"}},
    {"Image31", "Image27", {"Image31", "Image30", "Image29", "Image28"}},
    {"Image23", "Image26", {"Image25", "Image24", "Image23", "Image22"}},
    {"Image38", "Image37", {"Image41", "Image40", "Image39", "Image38"}},
    {"Image33", "Image36", {"Image32", "Image33", "Image34", "Image35"}},
};

// What a child can change on the screen: visibility and picture of every control.
using Snapshot = std::vector<std::pair<bool, const Asset*>>;
Snapshot snapshot(Screen& s) {
    Snapshot v;
    for (std::size_t i = 0; i < s.def().controls.size(); ++i)
        v.emplace_back(s.state(static_cast<int>(i)).visible, s.state(static_cast<int>(i)).picture);
    return v;
}

const Control& control(Screen& s, std::string_view name, int index = kNoIndex) {
    return s.def().controls[static_cast<std::size_t>(s.def().find(name, index))];
}

const Asset* pictureOf(Screen& s, std::string_view name) { return s.state(s.def().find(name)).picture; }

// The screen's light blue as the window paints it.
QColor background() {
    Rgb c = resolve(0x00FFC0C0);
    return QColor(c.r, c.g, c.b);
}

// Every pixel of a control's rectangle (a pixel in from each edge), at a device pixel ratio.
std::vector<QRgb> pixelsOf(const QImage& img, const Control& c, qreal dpr) {
    QRect r = qt::controlRect(c);
    std::vector<QRgb> v;
    for (int y = qRound((r.top() + 1) * dpr); y < qRound((r.bottom() - 1) * dpr); ++y)
        for (int x = qRound((r.left() + 1) * dpr); x < qRound((r.right() - 1) * dpr); ++x)
            v.push_back(img.pixel(x, y) | 0xFF000000u);
    return v;
}

}  // namespace

class FrmZ3Test : public QObject {
    Q_OBJECT
private slots:
    void opensFresh() {
        Program p;
        Screen& s = p.open("FrmZ3");
        QCOMPARE(p.visibleScreens(), std::vector<std::string>{"FrmZ3"});
        QCOMPARE(p.window("FrmZ3")->windowTitle(), QStringLiteral("Задание 3"));
        for (const Problem& pr : kProblems) {
            for (const char* a : pr.answers) QVERIFY2(p.visible("FrmZ3", a), a);
            QVERIFY2(pictureOf(s, pr.place) == nullptr, pr.place);
            const bool shown = std::string_view(pr.place) == "Image7" || std::string_view(pr.place) == "Image17";
            QCOMPARE(p.visible("FrmZ3", pr.place), shown);
        }
    }

    // The right picture of one problem solves that problem and no other.
    void rightAnswer_data() {
        QTest::addColumn<int>("problem");
        for (int i = 0; i < 8; ++i) QTest::newRow(kProblems[i].right) << i;
    }
    void rightAnswer() {
        QFETCH(int, problem);
        const Problem& pr = kProblems[problem];
        Program p;
        Screen& s = p.open("FrmZ3");
        const Snapshot before = snapshot(s);

        p.clickControl("FrmZ3", pr.right);

        for (const char* a : pr.answers) QVERIFY2(!p.visible("FrmZ3", a), a);
        QVERIFY(p.visible("FrmZ3", pr.place));
        // The same asset as the clicked picture, not a copy; the clicked picture keeps it.
        QVERIFY(pictureOf(s, pr.place) != nullptr);
        QCOMPARE(pictureOf(s, pr.place), control(s, pr.right).Picture);
        QCOMPARE(pictureOf(s, pr.right), control(s, pr.right).Picture);

        // Nothing of the other problems moved.
        const Snapshot after = snapshot(s);
        for (std::size_t i = 0; i < after.size(); ++i) {
            const std::string_view name = s.def().controls[i].name;
            bool ours = name == pr.place;
            for (const char* a : pr.answers) ours = ours || name == a;
            if (!ours) QVERIFY2(after[i] == before[i], std::string(name).c_str());
        }

        // A second click on the same spot lands on the background; the filled place does nothing.
        p.clickControl("FrmZ3", pr.right);
        p.clickControl("FrmZ3", pr.place);
        QVERIFY(snapshot(s) == after);
    }

    // Wrong answer pictures, the strips, the empty places, the heading, the dividers and the
    // background do nothing, however often they are clicked.
    void everythingElseDoesNothing() {
        Program p;
        Screen& s = p.open("FrmZ3");
        const Snapshot before = snapshot(s);
        for (int round = 0; round < 2; ++round) {
            for (const Problem& pr : kProblems)
                for (const char* a : pr.answers)
                    if (std::string_view(a) != pr.right) p.clickControl("FrmZ3", a);
            for (int i = 0; i < 8; ++i) p.clickControl("FrmZ3", "Image1", i);
            p.clickControl("FrmZ3", "Image7");
            p.clickControl("FrmZ3", "Image17");
            p.clickControl("FrmZ3", "Label2");
            p.clickAt("FrmZ3", 5160, 6000);   // the vertical divider
            p.clickAt("FrmZ3", 2000, 3120);   // a horizontal divider
            p.clickAt("FrmZ3", 4500, 2400);   // background beside the answer pictures
            // where the hidden answer places lie: the click reaches the background beneath
            p.clickControl("FrmZ3", "Image6");
            p.clickControl("FrmZ3", "Image36");
        }
        QVERIFY(snapshot(s) == before);
        QCOMPARE(p.visibleScreens(), std::vector<std::string>{"FrmZ3"});
    }

    // The visible empty places draw nothing until their problem is solved; then the place shows
    // the picture stretched over its whole rectangle, white ground to the corners.
    void emptyPlacesDrawNothing_data() {
        QTest::addColumn<qreal>("dpr");
        QTest::newRow("scale 1") << qreal(1);
        QTest::newRow("scale 2") << qreal(2);
    }
    void emptyPlacesDrawNothing() {
        QFETCH(qreal, dpr);
        Program p;
        Screen& s = p.open("FrmZ3");
        const QRgb bg = background().rgb();
        {
            const QImage img = render(p.window("FrmZ3"), dpr);
            for (const char* place : {"Image7", "Image17"})
                for (QRgb px : pixelsOf(img, control(s, place), dpr)) QCOMPARE(px, bg);
        }
        p.clickControl("FrmZ3", "Image8");
        p.clickControl("FrmZ3", "Image20");
        const QImage img = render(p.window("FrmZ3"), dpr);
        for (const char* place : {"Image7", "Image17"}) {
            const QRect r = qt::controlRect(control(s, place));
            const QRgb white = qRgb(255, 255, 255);
            QCOMPARE(img.pixel(qRound((r.left() + 1) * dpr), qRound((r.top() + 1) * dpr)) | 0xFF000000u, white);
            QCOMPARE(img.pixel(qRound((r.right() - 1) * dpr), qRound((r.bottom() - 1) * dpr)) | 0xFF000000u, white);
            int coloured = 0;
            for (QRgb px : pixelsOf(img, control(s, place), dpr)) coloured += px != white && px != bg;
            QVERIFY2(coloured > 100, place);
        }
        // The house's red roof and the green triangle show in their places.
        auto has = [&](const char* place, auto pred) {
            for (QRgb px : pixelsOf(img, control(s, place), dpr))
                if (pred(QColor(px))) return true;
            return false;
        };
        QVERIFY(has("Image7", [](QColor c) { return c.red() > 200 && c.green() < 80 && c.blue() < 80; }));
        QVERIFY(has("Image17", [](QColor c) { return c.green() > 150 && c.red() < 100 && c.blue() < 120; }));
    }

    // Solved in any order, all eight leave eight finished equations and no answer pictures; the
    // screen keeps that state through "Меню" and the menu's task button.
    void allSolvedAndKeptThroughMenu() {
        Program p;
        Screen& s = p.open("FrmZ3");
        for (int i = 7; i >= 0; --i) p.clickControl("FrmZ3", kProblems[i].right);
        const Snapshot solved = snapshot(s);
        for (const Problem& pr : kProblems) {
            for (const char* a : pr.answers) QVERIFY2(!p.visible("FrmZ3", a), a);
            QVERIFY(p.visible("FrmZ3", pr.place));
            QCOMPARE(pictureOf(s, pr.place), control(s, pr.right).Picture);
        }
        for (int i = 0; i < 8; ++i) QVERIFY(p.visible("FrmZ3", "Image1", i));

        p.button("FrmZ3", "Command1")->click();
        QCoreApplication::processEvents();
        QCOMPARE(p.visibleScreens(), std::vector<std::string>{"Main"});
        Screen& again = p.open("FrmZ3");
        QCOMPARE(&again, &s);
        QVERIFY(snapshot(again) == solved);
    }

    // A problem left half done is found as it was: wrong clicks changed nothing, one solved stays.
    void partialStateKeptThroughMenu() {
        Program p;
        Screen& s = p.open("FrmZ3");
        p.clickControl("FrmZ3", "Image32");
        p.clickControl("FrmZ3", "Image33");
        p.clickControl("FrmZ3", "Image2");
        const Snapshot left = snapshot(s);
        p.button("FrmZ3", "Command1")->click();
        p.open("FrmZ3");
        QVERIFY(snapshot(s) == left);
        QVERIFY(p.visible("FrmZ3", "Image2"));
        QVERIFY(!p.visible("FrmZ3", "Image33"));
        QCOMPARE(pictureOf(s, "Image36"), control(s, "Image33").Picture);
    }
};

QTEST_MAIN(FrmZ3Test)
#include "FrmZ3_test.moc"
