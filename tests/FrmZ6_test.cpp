// Exercise 6, the order of a morning: the check button judges the six fields, the verdict column
// keeps the last verdict, the keyboard reaches everything, and the story picture's squares lie
// under the fields.
#include <QApplication>
#include <QTest>
#include <algorithm>
#include <array>

#include "runtime/qt/pictures.h"
#include "runtime/qt/units.h"
#include "ui_support.h"

using namespace smk;
using namespace smk::test;

namespace {

constexpr std::array<const char*, 6> kFields{"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"};
const QStringList kRight{"6", "3", "2", "4", "5", "1"};
const std::u16string kCorrect = u"П р а в и л ь н о";
const std::u16string kWrong = u"Н е    п р а в и л ь н о";

// Fills the six fields by typing, each emptied first, then presses the check button with the mouse.
void fillAndCheck(Program& p, const QStringList& texts) {
    for (int i = 0; i < 6; ++i) {
        qt::Field* f = p.field("FrmZ6", kFields[static_cast<std::size_t>(i)]);
        f->clear();
        typeText(f, texts[i]);
    }
    QTest::mouseClick(p.button("FrmZ6", "Command3"), Qt::LeftButton);
}

std::u16string verdict(Program& p) { return p.caption("FrmZ6", "Label2"); }

QWidget* focus() { return QApplication::focusWidget(); }

// Horizontal bands of dark ink in a column of the image, top to bottom: one band per text line.
int inkBands(const QImage& img, const QRect& column) {
    int bands = 0;
    bool inBand = false;
    for (int y = column.top(); y <= column.bottom(); ++y) {
        bool ink = false;
        for (int x = column.left(); x <= column.right() && !ink; ++x) ink = qGray(img.pixel(x, y)) < 96;
        if (ink && !inBand) ++bands;
        inBand = ink;
    }
    return bands;
}

// The rectangle of a control in device pixels of an image rendered at `dpr`.
QRect devRect(const Control& c, qreal dpr) {
    const QRectF r = qt::controlRectF(c);
    return QRectF(r.topLeft() * dpr, r.size() * dpr).toRect();
}

}  // namespace

class FrmZ6Test : public QObject {
    Q_OBJECT
private slots:
    void verdictOfTheSixFields_data() {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<bool>("right");
        QTest::newRow("the morning in order") << kRight << true;
        QTest::newRow("all empty") << QStringList{"", "", "", "", "", ""} << false;
        QTest::newRow("last one empty") << QStringList{"6", "3", "2", "4", "5", ""} << false;
        QTest::newRow("first one empty") << QStringList{"", "3", "2", "4", "5", "1"} << false;
        QTest::newRow("one different") << QStringList{"6", "3", "3", "4", "5", "1"} << false;
        QTest::newRow("two swapped") << QStringList{"6", "2", "3", "4", "5", "1"} << false;
        QTest::newRow("space before") << QStringList{"6", "3", "2", " 4", "5", "1"} << false;
        QTest::newRow("space after") << QStringList{"6", "3", "2", "4", "5", "1 "} << false;
        QTest::newRow("written twice") << QStringList{"66", "3", "2", "4", "5", "1"} << false;
        QTest::newRow("numbered as read") << QStringList{"1", "2", "3", "4", "5", "6"} << false;
    }
    void verdictOfTheSixFields() {
        QFETCH(QStringList, texts);
        QFETCH(bool, right);
        Program p;
        p.open("FrmZ6");
        QVERIFY(verdict(p).empty());
        fillAndCheck(p, texts);
        QCOMPARE(q(verdict(p)), q(right ? kCorrect : kWrong));
        // The check changes nothing in the fields.
        for (int i = 0; i < 6; ++i) QCOMPARE(p.field("FrmZ6", kFields[static_cast<std::size_t>(i)])->text(), texts[i]);
    }

    // Typing never judges; the verdict stays until the next press and then follows the fields.
    void verdictStaysUntilTheNextPress() {
        Program p;
        p.open("FrmZ6");
        qt::Field* last = p.field("FrmZ6", "Text6");
        for (int i = 0; i < 6; ++i) typeText(p.field("FrmZ6", kFields[static_cast<std::size_t>(i)]), kRight[i]);
        QVERIFY2(verdict(p).empty(), "typing alone gives no verdict");

        QTest::mouseClick(p.button("FrmZ6", "Command3"), Qt::LeftButton);
        QCOMPARE(q(verdict(p)), q(kCorrect));
        typeText(last, "1");  // "11" no longer fits, but nobody has pressed yet
        QCOMPARE(q(verdict(p)), q(kCorrect));
        QTest::mouseClick(p.button("FrmZ6", "Command3"), Qt::LeftButton);
        QCOMPARE(q(verdict(p)), q(kWrong));
        QTest::mouseClick(p.button("FrmZ6", "Command3"), Qt::LeftButton);
        QCOMPARE(q(verdict(p)), q(kWrong));
        QTest::keyClick(last, Qt::Key_Backspace);
        QCOMPARE(q(verdict(p)), q(kWrong));
        QTest::mouseClick(p.button("FrmZ6", "Command3"), Qt::LeftButton);
        QCOMPARE(q(verdict(p)), q(kCorrect));
    }

    // A child with only the keyboard: Tab from "Меню" through "Выход" and the six fields in reading
    // order to the check button, which Space and Enter press; one more Tab wraps to "Меню".
    void keyboardOnly() {
        Program p;
        p.open("FrmZ6");
        QApplication::setActiveWindow(p.window("FrmZ6"));
        QCOMPARE(focus(), p.button("FrmZ6", "Command2"));
        QTest::keyClick(focus(), Qt::Key_Tab);
        QCOMPARE(focus(), p.button("FrmZ6", "Command1"));
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(focus(), Qt::Key_Tab);
            QCOMPARE(focus(), p.field("FrmZ6", kFields[static_cast<std::size_t>(i)]));
            typeText(focus(), kRight[i]);
        }
        QTest::keyClick(focus(), Qt::Key_Tab);
        QCOMPARE(focus(), p.button("FrmZ6", "Command3"));
        QVERIFY(verdict(p).empty());
        QTest::keyClick(focus(), Qt::Key_Space);
        QCOMPARE(q(verdict(p)), q(kCorrect));

        p.field("FrmZ6", "Text1")->setText("5");
        QTest::keyClick(p.button("FrmZ6", "Command3"), Qt::Key_Return);
        QCOMPARE(q(verdict(p)), q(kWrong));
        p.field("FrmZ6", "Text1")->setText("6");
        QTest::keyClick(p.button("FrmZ6", "Command3"), Qt::Key_Enter);
        QCOMPARE(q(verdict(p)), q(kCorrect));

        QTest::keyClick(p.button("FrmZ6", "Command3"), Qt::Key_Tab);
        QCOMPARE(focus(), p.button("FrmZ6", "Command2"));
        QCOMPARE(p.visibleScreens(), std::vector<std::string>{"FrmZ6"});
    }

    // "Меню" only hides the exercise: opened again, its digits and its verdict are as they were.
    void stateSurvivesTheMenu() {
        Program p;
        Screen& first = p.open("FrmZ6");
        fillAndCheck(p, {"6", "3", "2", "4", "1", "5"});
        QCOMPARE(q(verdict(p)), q(kWrong));
        p.button("FrmZ6", "Command2")->click();
        QCOMPARE(p.visibleScreens(), std::vector<std::string>{"Main"});
        QCOMPARE(&p.open("FrmZ6"), &first);
        QCOMPARE(p.visibleScreens(), std::vector<std::string>{"FrmZ6"});
        QCOMPARE(q(verdict(p)), q(kWrong));
        QCOMPARE(p.field("FrmZ6", "Text5")->text(), QStringLiteral("1"));
        QCOMPARE(p.field("FrmZ6", "Text6")->text(), QStringLiteral("5"));
        QCOMPARE(p.field("FrmZ6", "Text1")->text(), QStringLiteral("6"));
    }

    // Both verdicts and the check button's caption stand one letter per line, every letter seen.
    void oneLetterPerLine_data() {
        QTest::addColumn<qreal>("dpr");
        QTest::newRow("scale 1") << 1.0;
        QTest::newRow("scale 2") << 2.0;
    }
    void oneLetterPerLine() {
        QFETCH(qreal, dpr);
        Program p;
        Screen& s = p.open("FrmZ6");
        const ScreenDef& def = s.def();
        const Control& column = def.controls[static_cast<std::size_t>(def.find("Label2"))];
        const Control& check = def.controls[static_cast<std::size_t>(def.find("Command3"))];
        QWidget* w = p.window("FrmZ6");

        QCOMPARE(inkBands(render(w, dpr), devRect(column, dpr)), 0);
        QCOMPARE(inkBands(render(w, dpr), devRect(check, dpr).adjusted(4, 4, -4, -4)), 8);  // П р о в е р к а

        fillAndCheck(p, kRight);
        QCOMPARE(inkBands(render(w, dpr), devRect(column, dpr)), 9);  // П р а в и л ь н о
        fillAndCheck(p, {"", "", "", "", "", ""});
        QCOMPARE(inkBands(render(w, dpr), devRect(column, dpr)), 11);  // Н е | п р а в и л ь н о
    }

    // The story picture's yellow squares lie exactly under the six fields: at the size the screen
    // shows the picture, each field's centre is yellow and no yellow shows beyond the fields.
    void squaresLieUnderTheFields_data() { oneLetterPerLine_data(); }
    void squaresLieUnderTheFields() {
        QFETCH(qreal, dpr);
        Program p;
        Screen& s = p.open("FrmZ6");
        const ScreenDef& def = s.def();
        const int image = def.find("Image1");
        const Control& ic = def.controls[static_cast<std::size_t>(image)];
        QVERIFY(s.state(image).picture);
        const QImage pic = qt::picture(*s.state(image).picture, qt::controlRectF(ic).size(), dpr);
        const QPoint origin = devRect(ic, dpr).topLeft();
        auto yellow = [](QRgb c) { return qRed(c) > 235 && qGreen(c) > 235 && qBlue(c) < 60; };

        std::vector<QRect> fields;
        for (const char* name : kFields) {
            const QRect r = devRect(def.controls[static_cast<std::size_t>(def.find(name))], dpr).translated(-origin);
            QVERIFY2(yellow(pic.pixel(r.center())), name);
            fields.push_back(r.adjusted(-1, -1, 1, 1));
        }
        int stray = 0;
        for (int y = 0; y < pic.height(); ++y)
            for (int x = 0; x < pic.width(); ++x)
                if (yellow(pic.pixel(x, y)) &&
                    std::none_of(fields.begin(), fields.end(), [&](const QRect& r) { return r.contains(x, y); }))
                    ++stray;
        QCOMPARE(stray, 0);
    }
};

QTEST_MAIN(FrmZ6Test)
#include "FrmZ6_test.moc"
