// Exercise 9, complete the matrix: the right candidate fills its matrix, the others do nothing.
#include <QApplication>
#include <QTest>

#include "runtime/qt/units.h"
#include "ui_support.h"

using namespace smk;
using namespace smk::test;

namespace {

constexpr std::string_view kScreen = "FrmZ9";

// What a click can change on this screen: visibility and picture of every control.
using Snapshot = std::vector<std::pair<bool, const Asset*>>;
Snapshot snapshot(const Screen& s) {
    Snapshot v;
    for (std::size_t i = 0; i < s.def().controls.size(); ++i)
        v.emplace_back(s.state(static_cast<int>(i)).visible, s.state(static_cast<int>(i)).picture);
    return v;
}

const Asset* tablePicture(const Screen& s, std::string_view image) {
    return s.def().controls[static_cast<std::size_t>(s.def().find(image))].Picture;
}
const Asset* livePicture(const Screen& s, std::string_view image) { return s.state(s.def().find(image)).picture; }

// The colour shown at a point of the window, in twips.
QColor colourAt(QWidget* w, std::int32_t x, std::int32_t y) {
    return render(w).pixelColor(qt::pxRound(x), qt::pxRound(y));
}
bool near(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) <= 12 && std::abs(a.green() - b.green()) <= 12 && std::abs(a.blue() - b.blue()) <= 12;
}
QByteArray describe(const QColor& c) { return c.name().toLatin1(); }

const QColor kWhite{"#ffffff"}, kRed{"#e53935"}, kLightBlue{"#7fd0ff"}, kPink{"#ff8cc6"}, kDot{"#ffe600"};

// A point of an empty cell, as an offset in twips from the centre of its image.
struct Probe {
    const char* image;
    int dx, dy;
    QColor before, after;
};

const std::vector<std::string> kCandidates = {"Image3", "Image4", "Image5", "Image6", "Image7", "Image8",
                                              "Image12", "Image13", "Image14", "Image15", "Image16", "Image17"};
const std::vector<std::string> kCells = {"Image2", "Image9", "Image10", "Image18", "Image19"};

}  // namespace

Q_DECLARE_METATYPE(std::vector<std::string>)
Q_DECLARE_METATYPE(std::vector<Probe>)

class FrmZ9Test : public QObject {
    Q_OBJECT
private slots:
    // The right candidate of each matrix: the cells it fills (with which candidate's picture),
    // the three candidates it hides, and what the filled cells show on the screen.
    void rightCandidateCompletesItsMatrix_data() {
        QTest::addColumn<QString>("candidate");
        QTest::addColumn<std::vector<std::string>>("fills");  // cell, source, cell, source ...
        QTest::addColumn<std::vector<std::string>>("hides");
        QTest::addColumn<std::vector<Probe>>("probes");
        QTest::newRow("rings") << "Image5" << std::vector<std::string>{"Image2", "Image5"}
                               << std::vector<std::string>{"Image3", "Image4", "Image5"}
                               << std::vector<Probe>{{"Image2", 0, 0, kWhite, kRed}};
        // The star matrix has two empty cells: the triangle goes into row 1, column 2 and the
        // circle into row 2, column 3, so that every row and column holds each figure once.
        QTest::newRow("star-triangle-circle")
            << "Image7" << std::vector<std::string>{"Image9", "Image7", "Image10", "Image6"}
            << std::vector<std::string>{"Image6", "Image7", "Image8"}
            << std::vector<Probe>{{"Image9", 0, 0, kWhite, kLightBlue}, {"Image10", 0, 0, kWhite, kRed}};
        QTest::newRow("dice") << "Image14" << std::vector<std::string>{"Image18", "Image14"}
                              << std::vector<std::string>{"Image12", "Image13", "Image14"}
                              << std::vector<Probe>{{"Image18", 0, 0, kWhite, kDot}};
        // Pink on the left, light blue on the right: the near miss has them the other way round.
        QTest::newRow("two-coloured triangles")
            << "Image16" << std::vector<std::string>{"Image19", "Image16"}
            << std::vector<std::string>{"Image15", "Image16", "Image17"}
            << std::vector<Probe>{{"Image19", -110, 80, kWhite, kPink}, {"Image19", 110, 80, kWhite, kLightBlue}};
    }
    void rightCandidateCompletesItsMatrix() {
        QFETCH(QString, candidate);
        QFETCH(std::vector<std::string>, fills);
        QFETCH(std::vector<std::string>, hides);
        QFETCH(std::vector<Probe>, probes);
        Program p;
        Screen& s = p.open(kScreen);
        QWidget* w = p.window(kScreen);
        auto probeAt = [&](const Probe& pr) {
            const Control& c = s.def().controls[static_cast<std::size_t>(s.def().find(pr.image))];
            return colourAt(w, c.Left + c.Width / 2 + pr.dx, c.Top + c.Height / 2 + pr.dy);
        };
        for (const Probe& pr : probes) QVERIFY2(near(probeAt(pr), pr.before), describe(probeAt(pr)));

        p.clickControl(kScreen, candidate.toStdString());

        for (std::size_t i = 0; i < fills.size(); i += 2) {
            QVERIFY(tablePicture(s, fills[i + 1]) != nullptr);
            QCOMPARE(livePicture(s, fills[i]), tablePicture(s, fills[i + 1]));
        }
        for (const std::string& c : kCandidates) {
            const bool hidden = std::find(hides.begin(), hides.end(), c) != hides.end();
            QVERIFY2(p.visible(kScreen, c) != hidden, c.c_str());
        }
        for (const std::string& c : kCells) {  // the other matrices stay open
            bool filled = false;
            for (std::size_t i = 0; i < fills.size(); i += 2) filled |= fills[i] == c;
            if (!filled) QVERIFY2(livePicture(s, c) == nullptr, c.c_str());
        }
        for (const Probe& pr : probes) QVERIFY2(near(probeAt(pr), pr.after), describe(probeAt(pr)));
    }

    // Wrong candidates, the cells, the wide pictures, the title and the ground do nothing, before
    // and after the matrices are done; so do the bare places of the hidden candidates.
    void otherClicksChangeNothing() {
        Program p;
        Screen& s = p.open(kScreen);
        const std::vector<std::string> inert = {"Image3", "Image4", "Image6", "Image8", "Image12", "Image13", "Image15",
                                                "Image17", "Image2", "Image9", "Image10", "Image18", "Image19",
                                                "Image1", "Image11", "Label1"};
        Snapshot start = snapshot(s);
        for (const std::string& c : inert) {
            p.clickControl(kScreen, c);
            QVERIFY2(snapshot(s) == start, c.c_str());
        }
        p.clickAt(kScreen, 5400, 9800);  // the ground between two candidates
        QVERIFY(snapshot(s) == start);

        for (const char* right : {"Image5", "Image7", "Image14", "Image16"}) p.clickControl(kScreen, right);
        Snapshot done = snapshot(s);
        for (const std::string& c : kCandidates) {
            p.clickControl(kScreen, c);  // hidden now: the click falls on the ground
            QVERIFY2(snapshot(s) == done, c.c_str());
        }
        for (const std::string& c : kCells) {
            p.clickControl(kScreen, c);
            QVERIFY2(snapshot(s) == done, c.c_str());
        }
        for (const std::string& c : kCandidates) QVERIFY2(!p.visible(kScreen, c), c.c_str());
    }

    // The second press of a double click falls on the ground where the candidate was.
    void doubleClickOnRightCandidateActsOnce() {
        Program once, twice;
        once.open(kScreen);
        twice.open(kScreen);
        once.clickControl(kScreen, "Image7");
        const Control& c = twice.screen(kScreen).def().controls[static_cast<std::size_t>(twice.screen(kScreen).def().find("Image7"))];
        // What the window system delivers for a double click: press, release, double-click press, release.
        QWidget* w = twice.window(kScreen);
        const QPoint at = qt::controlRect(c).center();
        QTest::mouseClick(w, Qt::LeftButton, {}, at);
        QTest::mouseDClick(w, Qt::LeftButton, {}, at);
        QTest::mouseRelease(w, Qt::LeftButton, {}, at);
        QVERIFY(snapshot(twice.screen(kScreen)) == snapshot(once.screen(kScreen)));
        QCOMPARE(twice.visibleScreens(), std::vector<std::string>{"FrmZ9"});
    }

    // "Меню" hides the screen with its state; the task button brings the same screen back.
    void stateSurvivesTheMenu() {
        Program p;
        Screen& s = p.open(kScreen);
        p.clickControl(kScreen, "Image14");
        p.clickControl(kScreen, "Image7");
        const Snapshot before = snapshot(s);
        p.button(kScreen, "Command2")->click();
        QCOMPARE(p.visibleScreens(), std::vector<std::string>{"Main"});
        Screen& again = p.open(kScreen);
        QCOMPARE(&again, &s);
        QCOMPARE(p.visibleScreens(), std::vector<std::string>{"FrmZ9"});
        QVERIFY(snapshot(again) == before);
        QCOMPARE(livePicture(again, "Image10"), tablePicture(again, "Image6"));
        QVERIFY(p.visible(kScreen, "Image5"));  // the rings are still open
        QCOMPARE(livePicture(again, "Image2"), nullptr);
    }

    // The title takes no focus: "Меню" has it first, and Tab moves on to "Выход".
    void focusStartsOnMenu() {
        Program p;
        p.open(kScreen);
        QWidget* menu = p.button(kScreen, "Command2");
        QWidget* exit = p.button(kScreen, "Command1");
        QCOMPARE(p.window(kScreen)->focusWidget(), menu);
        QTest::keyClick(p.window(kScreen)->focusWidget(), Qt::Key_Tab);
        QCOMPARE(p.window(kScreen)->focusWidget(), exit);
    }
};

QTEST_MAIN(FrmZ9Test)
#include "FrmZ9_test.moc"
