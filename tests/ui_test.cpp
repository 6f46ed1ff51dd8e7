// The windows of the runtime and the menu, driven offscreen as a child would.
#include <QApplication>
#include <QRawFont>
#include <QTest>
#include <set>

#include "runtime/qt/fonts.h"
#include "runtime/qt/pictures.h"
#include "runtime/qt/units.h"
#include "ui_support.h"

using namespace smk;
using namespace smk::test;

namespace {

QColor pixelAt(const QImage& img, int x, int y) { return img.pixelColor(x, y); }

}  // namespace

class UiTest : public QObject {
    Q_OBJECT
private slots:
    void menuStartsAloneCentred() {
        Program p;
        QCOMPARE(p.visibleScreens(), std::vector<std::string>{"Main"});
        auto* w = p.window("Main");
        QCOMPARE(w->windowTitle(), QStringLiteral("Главное меню"));
        QCOMPARE(w->size(), QSize(697, 671));  // 10455 × 10065 twips
        QVERIFY(!w->windowIcon().isNull());
        const QRect area = w->screen()->availableGeometry();
        QVERIFY(qAbs(w->geometry().center().x() - area.center().x()) <= 1);
        if (area.height() >= w->frameGeometry().height())
            QVERIFY(qAbs(w->geometry().center().y() - area.center().y()) <= 1);
    }

    void enterOrSpaceRightAfterStartEnds_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }
    void enterOrSpaceRightAfterStartEnds() {
        QFETCH(int, key);
        Program p;
        QCOMPARE(QApplication::focusWidget(), p.button("Main", "Command10"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QVERIFY(p.app.ended());
        QVERIFY(p.visibleScreens().empty());
    }

    void tabRunsThroughTheTaskButtonsAndWraps() {
        Program p;
        const char* order[] = {"Command9", "Command8", "Command7", "Command6", "Command5",
                               "Command4", "Command3", "Command2", "Command1", "Command10"};
        for (const char* name : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), p.button("Main", name));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), p.button("Main", "Command1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);  // a task button by keyboard
        QCOMPARE(p.visibleScreens(), std::vector<std::string>{"FrmZ1"});
    }

    void picturesOfTheMenuDoNothingButtonsAboveThemWin() {
        Program p;
        p.clickControl("Main", "Image1");
        p.clickControl("Main", "Image2");
        p.clickAt("Main", 9000, 1500);  // the sun, below the exit button
        p.clickAt("Main", 3000, 3000);  // the white ground
        QCOMPARE(p.visibleScreens(), std::vector<std::string>{"Main"});
        QVERIFY(!p.app.ended());
        // The boy's picture reaches under the first task button: the button takes the click.
        p.clickAt("Main", 5000, 500);
        QCOMPARE(p.visibleScreens(), std::vector<std::string>{"FrmZ1"});
    }

    void anExerciseComesBackAsItWasLeft() {
        Program p;
        p.open("FrmZ1");
        auto* first = p.window("FrmZ1");
        p.clickControl("FrmZ1", "Label4");
        QCOMPARE(p.caption("FrmZ1", "Label3"), u"БЕРЛОГА");
        p.window("FrmZ1")->move(p.window("FrmZ1")->pos() + QPoint(40, 30));
        const QPoint moved = p.window("FrmZ1")->pos();
        p.button("FrmZ1", "Command2")->click();  // "Меню"
        QCOMPARE(p.visibleScreens(), std::vector<std::string>{"Main"});
        p.open("FrmZ1");
        QCOMPARE(p.window("FrmZ1"), first);
        QCOMPARE(p.window("FrmZ1")->pos(), moved);
        QCOMPARE(p.caption("FrmZ1", "Label3"), u"БЕРЛОГА");
        QVERIFY(!p.visible("FrmZ1", "Label4"));
    }

    // A click is a press and a release over the same control; other pointer buttons do nothing.
    void pressAndReleaseMustMeetOnOneControl() {
        Program p;
        p.open("FrmZ1");
        auto* w = p.window("FrmZ1");
        const QPoint right(4900 / 15, 2580 / 15), wrong(7100 / 15, 2580 / 15);  // "БЕРЛОГА", "ДЕРЕВО"
        QTest::mousePress(w, Qt::LeftButton, {}, right);
        QTest::mouseRelease(w, Qt::LeftButton, {}, wrong);
        QTest::mousePress(w, Qt::LeftButton, {}, wrong);
        QTest::mouseRelease(w, Qt::LeftButton, {}, right);
        QTest::mouseClick(w, Qt::RightButton, {}, right);
        QTest::mouseClick(w, Qt::MiddleButton, {}, right);
        QVERIFY(p.caption("FrmZ1", "Label3").empty());
        // A double click: press, release, then a second press (delivered as a double click) and release.
        QTest::mouseClick(w, Qt::LeftButton, {}, right);
        QTest::mouseDClick(w, Qt::LeftButton, {}, right);  // the second press finds bare ground
        QTest::mouseRelease(w, Qt::LeftButton, {}, right);
        QCOMPARE(p.caption("FrmZ1", "Label3"), u"БЕРЛОГА");
        QVERIFY(!p.visible("FrmZ1", "Label4"));
    }

    void closingThroughTheFrame() {
        Program p;
        p.open("FrmZ1");
        p.clickControl("FrmZ1", "Label10");
        p.window("FrmZ1")->close();  // like "Меню": hidden with its state
        QCOMPARE(p.visibleScreens(), std::vector<std::string>{"Main"});
        p.open("FrmZ1");
        QCOMPARE(p.caption("FrmZ1", "Label7"), u"ЦВЕТОК");
        p.button("FrmZ1", "Command2")->click();
        p.window("Main")->close();  // like "Выход"
        QVERIFY(p.app.ended());
        QVERIFY(p.visibleScreens().empty());
    }

    void exitEndsWithOtherScreensHidden() {
        Program p;
        p.open("FrmZ1");
        QTest::keyClick(p.button("FrmZ1", "Command1"), Qt::Key_Return);
        QVERIFY(p.app.ended());
        QVERIFY(p.visibleScreens().empty());
    }

    // Where drawing order or colour decides: the white ground, the faces of graphical buttons, the
    // transparent surroundings of the menu's pictures, at scale 1 and 2.
    void menuPixels_data() {
        QTest::addColumn<qreal>("dpr");
        QTest::newRow("scale 1") << 1.0;
        QTest::newRow("scale 2") << 2.0;
    }
    void menuPixels() {
        QFETCH(qreal, dpr);
        Program p;
        const QImage img = render(p.window("Main"), dpr);
        auto at = [&](int xTwips, int yTwips) { return pixelAt(img, int(xTwips / 15.0 * dpr), int(yTwips / 15.0 * dpr)); };
        QCOMPARE(at(6000, 1000), QColor(Qt::white));           // ground between the buttons and the boy
        QCOMPARE(at(300, 2200), QColor(0x00, 0xFF, 0x00));     // face of "Задание 3", bright green
        QCOMPARE(at(300, 8100), QColor(0xFF, 0x80, 0x00));     // face of "Задание 9", orange
        QCOMPARE(at(8685, 585), QColor(0xFF, 0xFF, 0x80));     // "Выход" lies over the sun
        QCOMPARE(at(6760, 2360), QColor(Qt::white));           // sun's corner between two rays
        QCOMPARE(at(9780, 5000), QColor(Qt::white));           // right edge of the boy's rectangle
    }

    void exerciseButtonFacesFollowTheirStyle() {
        Program p;
        p.open("FrmZ1");
        const QImage img = render(p.window("FrmZ1"), 1.0);
        QCOMPARE(pixelAt(img, 3840 / 15 + 4, 9720 / 15 + 4), QColor(0xC0, 0xC0, 0xC0));  // graphical, light grey
        QCOMPARE(pixelAt(img, 100, 2700 / 15), QColor(0x80, 0xFF, 0x80));                // row 1 label, light green
        QCOMPARE(pixelAt(img, 0, 2600 / 15), QColor(0x00, 0xC0, 0x00));                  // row frame: left edge
    }

    // Every text the program shows, in every font it uses, has its glyphs: no box, no fallback face.
    void everyCaptionHasItsGlyphs() {
        Program p;
        std::map<const FontDef*, std::set<char16_t>> needed;
        const std::u16string alphabet = u"АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯабвгдеёжзийклмнопрстуфхцчшщъыьэюя0123456789";
        for (const ScreenDef* s : program()) {
            if (!s) continue;
            for (const Control& c : s->controls) {
                if (!c.Font) continue;
                for (char16_t ch : c.Caption) needed[c.Font].insert(ch);
                for (char16_t ch : alphabet) needed[c.Font].insert(ch);  // typed answers and written verdicts
            }
        }
        for (const auto& [font, chars] : needed) {
            QRawFont raw = QRawFont::fromFont(qt::qfont(*font));
            QVERIFY(raw.isValid());
            for (char16_t ch : chars) {
                if (ch == u' ') continue;
                QVERIFY2(raw.supportsCharacter(QChar(ch)),
                         qPrintable(QString("%1 lacks %2 (%3)").arg(raw.familyName()).arg(QChar(ch)).arg(int(ch))));
            }
        }
    }
};

QTEST_MAIN(UiTest)
#include "ui_test.moc"
