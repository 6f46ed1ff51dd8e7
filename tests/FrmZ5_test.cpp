// Exercise 5, negation: figures that fit move into their own windows, each half has its verdict.
#include <QApplication>
#include <QTest>
#include <algorithm>
#include <array>

#include "runtime/qt/units.h"
#include "ui_support.h"

using namespace smk;
using namespace smk::test;

namespace {

constexpr std::string_view kScreen = "FrmZ5";
constexpr std::array<std::string_view, 4> kUpperWindows{"Image19", "Image20", "Image21", "Image22"};
constexpr std::array<std::string_view, 4> kLowerWindows{"Image28", "Image29", "Image32", "Image33"};
const std::u16string kRight = u"Правильно";
const std::u16string kWrong = u"Неправильно";

// A fitting figure and the window it goes to.
struct Placing {
    const char* figure;
    const char* window;
};
constexpr Placing kUpperPlacings[] = {{"Image3", "Image19"}, {"Image5", "Image20"}, {"Image7", "Image21"}, {"Image8", "Image22"}};
constexpr Placing kLowerPlacings[] = {{"Image12", "Image28"}, {"Image13", "Image29"}, {"Image15", "Image32"}, {"Image18", "Image33"}};
constexpr const char* kUpperMisfits[] = {"Image4", "Image6", "Image9", "Image10"};
constexpr const char* kLowerMisfits[] = {"Image11", "Image14", "Image16", "Image17"};

const Asset* pictureOf(Program& p, std::string_view control) {
    Screen& s = p.screen(kScreen);
    return s.state(s.def().find(control)).picture;
}
const Asset* tablePicture(Program& p, std::string_view control) {
    const ScreenDef& d = p.screen(kScreen).def();
    return d.controls[static_cast<std::size_t>(d.find(control))].Picture;
}
const Control& control(Program& p, std::string_view name) {
    const ScreenDef& d = p.screen(kScreen).def();
    return d.controls[static_cast<std::size_t>(d.find(name))];
}

// Everything a click on this screen can change, to compare before and after.
struct Snapshot {
    std::vector<bool> visible;
    std::vector<const Asset*> pictures;
    std::u16string upper, lower;
    friend bool operator==(const Snapshot&, const Snapshot&) = default;
};
Snapshot snapshot(Program& p) {
    Screen& s = p.screen(kScreen);
    Snapshot r;
    for (std::size_t i = 0; i < s.def().controls.size(); ++i) {
        r.visible.push_back(s.state(static_cast<int>(i)).visible);
        r.pictures.push_back(s.state(static_cast<int>(i)).picture);
    }
    r.upper = p.caption(kScreen, "Label3");
    r.lower = p.caption(kScreen, "Label4");
    return r;
}

QColor pixelAt(const QImage& img, qreal dpr, double xTwips, double yTwips) {
    return img.pixelColor(static_cast<int>(xTwips / qt::kTwipsPerPixel * dpr), static_cast<int>(yTwips / qt::kTwipsPerPixel * dpr));
}

}  // namespace

class FrmZ5Test : public QObject {
    Q_OBJECT
private slots:
    // Each figure in turn, on a fresh screen: a fitting one moves into its own window and says
    // "Правильно"; one that does not fit stays, says "Неправильно", and a second click changes
    // nothing further. The other half is never touched.
    void figure_data() {
        QTest::addColumn<QString>("figure");
        QTest::addColumn<QString>("window");  // empty: does not fit
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("otherLabel");
        auto row = [](const char* fig, const char* win, bool upper) {
            QTest::newRow(fig) << fig << win << (upper ? "Label3" : "Label4") << (upper ? "Label4" : "Label3");
        };
        row("Image3", "Image19", true);   // blue square
        row("Image4", "", true);          // red circle
        row("Image5", "Image20", true);   // green triangle
        row("Image6", "", true);          // yellow circle
        row("Image7", "Image21", true);   // yellow triangle
        row("Image8", "Image22", true);   // blue triangle
        row("Image9", "", true);          // red square
        row("Image10", "", true);         // green circle
        row("Image11", "", false);        // blue square
        row("Image12", "Image28", false); // green circle
        row("Image13", "Image29", false); // yellow circle
        row("Image14", "", false);        // yellow triangle
        row("Image15", "Image32", false); // red square
        row("Image16", "", false);        // blue triangle (the narrow one)
        row("Image17", "", false);        // green triangle
        row("Image18", "Image33", false); // red circle
    }
    void figure() {
        QFETCH(QString, figure);
        QFETCH(QString, window);
        QFETCH(QString, label);
        QFETCH(QString, otherLabel);
        const std::string fig = figure.toStdString(), win = window.toStdString();
        const std::string lab = label.toStdString(), other = otherLabel.toStdString();
        Program p;
        p.open(kScreen);
        const Snapshot before = snapshot(p);
        QVERIFY(p.caption(kScreen, lab).empty());

        p.clickControl(kScreen, fig);
        Snapshot expected = before;
        if (win.empty()) {
            QCOMPARE(q(p.caption(kScreen, lab)), q(kWrong));
            QVERIFY(p.visible(kScreen, fig));
        } else {
            QCOMPARE(q(p.caption(kScreen, lab)), q(kRight));
            QVERIFY(!p.visible(kScreen, fig));
            QCOMPARE(pictureOf(p, win), tablePicture(p, fig));
            expected.visible[static_cast<std::size_t>(p.screen(kScreen).def().find(fig))] = false;
            expected.pictures[static_cast<std::size_t>(p.screen(kScreen).def().find(win))] = tablePicture(p, fig);
        }
        (lab == "Label3" ? expected.upper : expected.lower) = p.caption(kScreen, lab);
        QVERIFY(snapshot(p) == expected);  // nothing else changed: other windows, figures, the other label
        QVERIFY(p.caption(kScreen, other).empty());

        // A second click on the same spot: a misfit answers the same; a placed figure is gone, and
        // the click lands on the background.
        p.clickControl(kScreen, fig);
        QVERIFY(snapshot(p) == expected);
    }

    // Each fitting figure has its own window, whatever the order of placing.
    void anyOrderFillsOwnWindows_data() {
        QTest::addColumn<QList<int>>("order");
        QTest::newRow("table order") << QList<int>{0, 1, 2, 3};
        QTest::newRow("reversed") << QList<int>{3, 2, 1, 0};
        QTest::newRow("mixed") << QList<int>{2, 0, 3, 1};
    }
    void anyOrderFillsOwnWindows() {
        QFETCH(QList<int>, order);
        Program p;
        p.open(kScreen);
        for (const auto* placings : {kUpperPlacings, kLowerPlacings}) {
            std::vector<bool> placed(4, false);
            for (int i : order) {
                p.clickControl(kScreen, placings[i].figure);
                placed[static_cast<std::size_t>(i)] = true;
                for (int j = 0; j < 4; ++j) {
                    const Asset* expected = placed[static_cast<std::size_t>(j)] ? tablePicture(p, placings[j].figure) : nullptr;
                    QCOMPARE(pictureOf(p, placings[j].window), expected);
                    QCOMPARE(p.visible(kScreen, placings[j].figure), !placed[static_cast<std::size_t>(j)]);
                }
            }
        }
        // Both houses full: the four misfits of each half remain, and still answer "Неправильно".
        for (const char* f : kUpperMisfits) QVERIFY(p.visible(kScreen, f));
        for (const char* f : kLowerMisfits) QVERIFY(p.visible(kScreen, f));
        p.clickControl(kScreen, "Image16");
        QCOMPARE(q(p.caption(kScreen, "Label4")), q(kWrong));
        QCOMPARE(q(p.caption(kScreen, "Label3")), q(kRight));
    }

    // The label of a half shows the latest verdict of that half only.
    void labelShowsLatestVerdictOfItsHalf() {
        Program p;
        p.open(kScreen);
        struct Step {
            const char* figure;
            const std::u16string* upper;  // null: still empty
            const std::u16string* lower;
        };
        const Step steps[] = {
            {"Image4", &kWrong, nullptr},   // red circle: not for the upper house
            {"Image3", &kRight, nullptr},   // blue square moves in
            {"Image10", &kWrong, nullptr},  // green circle
            {"Image12", &kWrong, &kRight},  // lower half: green circle moves in there
            {"Image16", &kWrong, &kWrong},  // blue triangle
            {"Image8", &kRight, &kWrong},   // upper: blue triangle moves in
            {"Image18", &kRight, &kRight},  // lower: red circle moves in
        };
        for (const Step& s : steps) {
            p.clickControl(kScreen, s.figure);
            QCOMPARE(q(p.caption(kScreen, "Label3")), s.upper ? q(*s.upper) : QString());
            QCOMPARE(q(p.caption(kScreen, "Label4")), s.lower ? q(*s.lower) : QString());
        }
    }

    // A filled window, the spot a placed figure left, the houses, the labels and the headings take
    // clicks and do nothing: the figure in a window cannot be taken out again.
    void clicksElsewhereDoNothing() {
        Program p;
        p.open(kScreen);
        p.clickControl(kScreen, "Image3");
        p.clickControl(kScreen, "Image15");
        p.clickControl(kScreen, "Image4");   // upper verdict now "Неправильно"
        p.clickControl(kScreen, "Image11");  // lower verdict now "Неправильно"
        const Snapshot before = snapshot(p);
        for (const char* c : {"Image3", "Image15", "Image19", "Image32", "Image20", "Image33", "Image1", "Image2",
                              "Label1", "Label2", "Label3", "Label4"}) {
            p.clickControl(kScreen, c);
            QVERIFY2(snapshot(p) == before, c);
        }
        p.clickAt(kScreen, 300, 4800);    // the divider
        p.clickAt(kScreen, 10200, 9000);  // the background
        QVERIFY(snapshot(p) == before);
    }

    // "Меню" keeps everything; the menu's task button brings back the same screen as it was left.
    void stateSurvivesMenu() {
        Program p;
        Screen& first = p.open(kScreen);
        QCOMPARE(p.window(kScreen)->windowTitle(), QStringLiteral("Задание 5"));
        p.clickControl(kScreen, "Image7");
        p.clickControl(kScreen, "Image13");
        p.clickControl(kScreen, "Image14");
        const Snapshot before = snapshot(p);
        p.button(kScreen, "Command2")->click();
        QCoreApplication::processEvents();
        QCOMPARE(p.visibleScreens(), std::vector<std::string>{"Main"});
        Screen& again = p.open(kScreen);
        QCOMPARE(&again, &first);
        QCOMPARE(p.visibleScreens(), std::vector<std::string>{"FrmZ5"});
        QVERIFY(snapshot(p) == before);
        QCOMPARE(q(p.caption(kScreen, "Label4")), q(kWrong));
    }

    // The screen opens with the focus on "Меню": the space bar goes back to the menu.
    void focusStartsOnMenu() {
        Program p;
        p.open(kScreen);
        QCOMPARE(p.window(kScreen)->focusWidget(), static_cast<QWidget*>(p.button(kScreen, "Command2")));
        QTest::keyClick(p.button(kScreen, "Command2"), Qt::Key_Space);
        QCoreApplication::processEvents();
        QCOMPARE(p.visibleScreens(), std::vector<std::string>{"Main"});
    }

    // Each window slot lies on the white of its house's window, with white all round it; a placed
    // figure is seen there in its own colour, on white.
    void placedFigureShowsInWindowOnWhite_data() {
        QTest::addColumn<qreal>("dpr");
        QTest::newRow("scale 1") << 1.0;
        QTest::newRow("scale 2") << 2.0;
    }
    void placedFigureShowsInWindowOnWhite() {
        QFETCH(qreal, dpr);
        Program p;
        p.open(kScreen);
        const QColor white(Qt::white);
        // Every pixel of a slot and of a ring 4 pixels wide around it.
        auto checkEmptyWindow = [&](const QImage& img, std::string_view slot) {
            const Control& c = control(p, slot);
            const int m = 4 * 15;
            for (int y = c.Top - m; y < c.Top + c.Height + m; y += 5)
                for (int x = c.Left - m; x < c.Left + c.Width + m; x += 5)
                    if (pixelAt(img, dpr, x, y) != white)
                        return QString("%1 not white at %2,%3").arg(QString::fromUtf8(slot.data(), slot.size())).arg(x).arg(y);
            return QString();
        };
        QImage img = render(p.window(kScreen), dpr);
        for (auto windows : {kUpperWindows, kLowerWindows})
            for (std::string_view s : windows) {
                const QString err = checkEmptyWindow(img, s);
                QVERIFY2(err.isEmpty(), qPrintable(err));
            }

        const QColor blue(0, 0, 255), red(255, 0, 0), green(0, 255, 0), yellow(255, 255, 0);
        struct Placed {
            const char* figure;
            const char* window;
            QColor colour;
            bool triangle;
        };
        const Placed placed[] = {
            {"Image3", "Image19", blue, false},  {"Image5", "Image20", green, true},
            {"Image7", "Image21", yellow, true}, {"Image8", "Image22", blue, true},
            {"Image12", "Image28", green, false}, {"Image13", "Image29", yellow, false},
            {"Image15", "Image32", red, false},  {"Image18", "Image33", red, false},
        };
        for (const Placed& f : placed) p.clickControl(kScreen, f.figure);
        img = render(p.window(kScreen), dpr);
        for (const Placed& f : placed) {
            const Control& c = control(p, f.window);
            const double cx = c.Left + c.Width / 2.0, cy = c.Top + c.Height / 2.0;
            QCOMPARE(pixelAt(img, dpr, cx, cy), f.colour);
            // White beside the window slot, and in a triangle's upper corners.
            QCOMPARE(pixelAt(img, dpr, c.Left - 45, cy), white);
            QCOMPARE(pixelAt(img, dpr, c.Left + c.Width + 45, cy), white);
            QCOMPARE(pixelAt(img, dpr, cx, c.Top - 45), white);
            QCOMPARE(pixelAt(img, dpr, cx, c.Top + c.Height + 45), white);
            if (f.triangle) {
                QCOMPARE(pixelAt(img, dpr, c.Left + 60, c.Top + 60), white);
                QCOMPARE(pixelAt(img, dpr, c.Left + c.Width - 60, c.Top + 60), white);
            }
        }
    }
};

QTEST_MAIN(FrmZ5Test)
#include "FrmZ5_test.moc"
