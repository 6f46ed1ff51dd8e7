// Exercise 2 driven offscreen as a child would: right shapes praise and disappear, wrong shapes
// say "Ой-ой" and stay, the latest word wins, and overlapping rectangles pass clicks by stored order.
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

#include "runtime/hittest.h"
#include "runtime/qt/units.h"
#include "ui_support.h"

using namespace smk;
using namespace smk::test;

namespace {

constexpr std::u16string_view kPraise = u"Молодец";
constexpr std::u16string_view kOops = u"Ой-ой";

// A point (twips, on a whole pixel) of the shape's rectangle where the shape itself takes the
// click, as near its centre as possible; other shapes may lie above parts of the rectangle.
QPoint freePoint(const Screen& s, std::string_view name) {
    const int i = s.def().find(name);
    const Control& c = s.def().controls[static_cast<std::size_t>(i)];
    const int cx = c.Left + c.Width / 2, cy = c.Top + c.Height / 2;
    QPoint best(-1, -1);
    long bestDist = -1;
    for (int y = (c.Top / 15 + 1) * 15; y < c.Top + c.Height; y += 15)
        for (int x = (c.Left / 15 + 1) * 15; x < c.Left + c.Width; x += 15) {
            if (hitTest(s, x, y) != i) continue;
            const long d = long(x - cx) * (x - cx) + long(y - cy) * (y - cy);
            if (bestDist < 0 || d < bestDist) best = {x, y}, bestDist = d;
        }
    return best;
}

// The colour the window shows at a point in twips.
QColor pixelAt(QWidget* w, int x, int y) { return render(w).pixelColor(qt::pxRound(x), qt::pxRound(y)); }

bool near(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) < 24 && std::abs(a.green() - b.green()) < 24 && std::abs(a.blue() - b.blue()) < 24;
}

}  // namespace

class FrmZ2Test : public QObject {
    Q_OBJECT
private slots:
    void opensWithEveryShapeAndAnEmptyWord() {
        Program p;
        Screen& s = p.open("FrmZ2");
        QCOMPARE(p.visibleScreens(), std::vector<std::string>{"FrmZ2"});
        QCOMPARE(p.window("FrmZ2")->windowTitle(), QStringLiteral("Задание 2"));
        QCOMPARE(p.window("FrmZ2")->size(), QSize(697, 698));
        for (std::size_t i = 0; i < s.def().controls.size(); ++i) QVERIFY(s.state(int(i)).visible);
        QVERIFY(p.caption("FrmZ2", "Label2").empty());
        QCOMPARE(p.button("FrmZ2", "Command1")->text(), QStringLiteral("Меню"));
        QCOMPARE(p.button("FrmZ2", "Command2")->text(), QStringLiteral("Выход"));
    }

    void exitHoldsTheFocusFirst() {
        Program p;
        Screen& s = p.open("FrmZ2");
        QCOMPARE(s.focused(), s.def().find("Command2"));
        QTest::keyClick(p.button("FrmZ2", "Command2"), Qt::Key_Space);
        QVERIFY(p.app.ended());
    }

    void everyShape_data() {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<bool>("right");
        const char* right[] = {"Image2",  "Image20", "Image21", "Image22", "Image23",              // tree, mushroom, sun
                               "Image7",  "Image8",  "Image10", "Image11", "Image12", "Image14", "Image15",  // butterfly
                               "Image24", "Image25", "Image26", "Image27", "Image29", "Image30", "Image31",  // steamship
                               "Image34", "Image35", "Image36", "Image37", "Image38", "Image39", "Image40",  // snowman
                               "Image43", "Image44", "Image45"};
        const char* wrong[] = {"Image3",  "Image17", "Image18", "Image19", "Image9",  "Image13", "Image16",
                               "Image28", "Image32", "Image33", "Image41", "Image42", "Image46"};
        for (const char* n : right) QTest::newRow(n) << QString(n) << true;
        for (const char* n : wrong) QTest::newRow(n) << QString(n) << false;
    }
    // Clicked where the child sees it: a right shape praises and goes; a wrong one says "Ой-ой", stays,
    // and says it again on every further click.
    void everyShape() {
        QFETCH(QString, shape);
        QFETCH(bool, right);
        const std::string name = shape.toStdString();
        Program p;
        Screen& s = p.open("FrmZ2");
        const QPoint at = freePoint(s, name);
        QVERIFY2(at.x() >= 0, "the shape is covered everywhere");
        p.clickAt("FrmZ2", at.x(), at.y());
        QCOMPARE(p.caption("FrmZ2", "Label2"), right ? kPraise : kOops);
        QCOMPARE(p.visible("FrmZ2", name), !right);
        p.clickAt("FrmZ2", at.x(), at.y());
        QCOMPARE(p.visible("FrmZ2", name), !right);
        QCOMPARE(p.caption("FrmZ2", "Label2"), right ? kPraise : kOops);
        int hidden = 0;
        for (std::size_t i = 0; i < s.def().controls.size(); ++i) hidden += !s.state(int(i)).visible;
        QCOMPARE(hidden, right ? 1 : 0);
    }

    void theLatestWordWins() {
        Program p;
        p.open("FrmZ2");
        p.clickControl("FrmZ2", "Image3");
        QCOMPARE(p.caption("FrmZ2", "Label2"), kOops);
        p.clickControl("FrmZ2", "Image2");
        QCOMPARE(p.caption("FrmZ2", "Label2"), kPraise);
        p.clickControl("FrmZ2", "Image46");
        QCOMPARE(p.caption("FrmZ2", "Label2"), kOops);
        QVERIFY(!p.visible("FrmZ2", "Image2"));
        // The place of a found shape is bare screen now: the click does nothing, the word stays.
        p.clickControl("FrmZ2", "Image2");
        QCOMPARE(p.caption("FrmZ2", "Label2"), kOops);
        // Pictures, lines and the labels have no handler.
        for (const char* n : {"Image1", "Image4", "Image5", "Image6", "Label1", "Label2"}) p.clickControl("FrmZ2", n);
        p.clickAt("FrmZ2", 5160, 3000);  // on the vertical line
        QCOMPARE(p.caption("FrmZ2", "Label2"), kOops);
    }

    void sharedDeckhouseGoesOnlyWhereClicked() {
        Program p;
        Screen& s = p.open("FrmZ2");
        QCOMPARE(s.state(s.def().find("Image29")).picture, s.state(s.def().find("Image30")).picture);
        p.clickControl("FrmZ2", "Image29");
        QVERIFY(!p.visible("FrmZ2", "Image29"));
        QVERIFY(p.visible("FrmZ2", "Image30"));
        p.clickControl("FrmZ2", "Image30");
        QVERIFY(!p.visible("FrmZ2", "Image30"));
    }

    void overlapsOfTheTiltedWing_data() {
        QTest::addColumn<QString>("beneath");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<QColor>("seen");
        QTest::addColumn<bool>("beneathRight");
        QTest::newRow("rose triangle, right-hand corner") << "Image9" << 8370 << 5460 << QColor(0xFF, 0x99, 0xCC) << false;
        QTest::newRow("orange segment, lowest strip") << "Image8" << 9240 << 4215 << QColor(0xFF, 0x99, 0x00) << true;
        QTest::newRow("lavender bar, upper half") << "Image15" << 8790 << 5400 << QColor(0xCC, 0x99, 0xFF) << true;
    }
    // Image14 is stored above its neighbours: where its rectangle overlaps theirs it takes the click,
    // although what is drawn there is the other shape. Once it is gone, the same point reaches that shape.
    void overlapsOfTheTiltedWing() {
        QFETCH(QString, beneath);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(QColor, seen);
        QFETCH(bool, beneathRight);
        const std::string name = beneath.toStdString();
        Program p;
        p.open("FrmZ2");
        QVERIFY(near(pixelAt(p.window("FrmZ2"), x, y), seen));
        p.clickAt("FrmZ2", x, y);
        QCOMPARE(p.caption("FrmZ2", "Label2"), kPraise);
        QVERIFY(!p.visible("FrmZ2", "Image14"));
        QVERIFY(p.visible("FrmZ2", name));
        p.clickControl("FrmZ2", "Image46");  // a wrong shape, so that the next word shows
        p.clickAt("FrmZ2", x, y);
        QCOMPARE(p.caption("FrmZ2", "Label2"), beneathRight ? kPraise : kOops);
        QCOMPARE(p.visible("FrmZ2", name), !beneathRight);
    }

    // The snowman's right hand is drawn again over the stick: the stick shows above and below the
    // hand, not across it.
    void snowmansHandLiesOverTheStick() {
        Program p;
        p.open("FrmZ2");
        QWidget* w = p.window("FrmZ2");
        const auto at = [](double px, double py) { return QPoint(6240 + int(px * 3015 / 100), 5880 + int(py * 2775 / 100)); };
        const QPoint inHand = at(63.8, 44.3), onStick = at(65.4, 37.0);
        QVERIFY(near(pixelAt(w, inHand.x(), inHand.y()), Qt::white));
        QVERIFY(near(pixelAt(w, onStick.x(), onStick.y()), Qt::black));
    }

    void stateSurvivesTheMenu() {
        Program p;
        p.open("FrmZ2");
        p.clickControl("FrmZ2", "Image40");
        p.clickControl("FrmZ2", "Image25");
        p.clickControl("FrmZ2", "Image41");
        p.button("FrmZ2", "Command1")->click();
        QCOMPARE(p.visibleScreens(), std::vector<std::string>{"Main"});
        p.open("FrmZ2");
        QCOMPARE(p.visibleScreens(), std::vector<std::string>{"FrmZ2"});
        QVERIFY(!p.visible("FrmZ2", "Image40"));
        QVERIFY(!p.visible("FrmZ2", "Image25"));
        QVERIFY(p.visible("FrmZ2", "Image41"));
        QCOMPARE(p.caption("FrmZ2", "Label2"), kOops);
    }

    // Every picture is a plain drawing, transparent where it draws nothing (its corners), with
    // something drawn at its centre (the tilted wing leaves its middle to its neighbours' corners).
    void picturesAreTransparentDrawings() {
        Program p;
        Screen& s = p.open("FrmZ2");
        for (const Control& c : s.def().controls) {
            if (c.kind != Kind::Image) continue;
            QVERIFY(c.Picture);
            QCOMPARE(c.Picture->format, AssetFormat::Metafile);
            QSvgRenderer r(QString::fromUtf8(c.Picture->file.data(), qsizetype(c.Picture->file.size())));
            QVERIFY2(r.isValid(), c.name.data());
            QImage img(qt::pxRound(c.Width), qt::pxRound(c.Height), QImage::Format_ARGB32);
            img.fill(Qt::transparent);
            QPainter painter(&img);
            r.render(&painter);
            painter.end();
            QVERIFY2(qAlpha(img.pixel(0, 0)) == 0, c.name.data());
            QVERIFY2(qAlpha(img.pixel(img.width() - 1, img.height() - 1)) == 0, c.name.data());
            QVERIFY2(qAlpha(img.pixel(img.width() / 2, img.height() / 2)) > 0 || c.name == "Image14", c.name.data());
        }
    }
};

QTEST_MAIN(FrmZ2Test)
#include "FrmZ2_test.moc"
