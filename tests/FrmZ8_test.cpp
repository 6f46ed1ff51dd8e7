// Exercise 8, show what does not belong: clicking pictures in the four quarters, offscreen.
#include <QTest>

#include "runtime/qt/units.h"
#include "ui_support.h"

using namespace smk;
using namespace smk::test;

namespace {

constexpr std::string_view kScreen = "FrmZ8";
constexpr std::string_view kBox = "Label2";
const QString kRight = QStringLiteral("Верно");
const QString kOops = QStringLiteral("Ой-ой");

struct Picture {
    const char* name;
    const char* what;
    bool right;  // outside its quarter's group: clicking it away is a right answer
};

const Picture kPictures[] = {
    // Red things.
    {"Image1", "butterfly", true}, {"Image2", "red pencil", false}, {"Image3", "red apple", false},
    {"Image4", "cup", true}, {"Image5", "strawberry", false}, {"Image6", "exercise book", true},
    {"Image7", "ring pyramid", true}, {"Image8", "cucumber", true}, {"Image9", "red ball", false},
    // Round things.
    {"Image10", "handbag", true}, {"Image11", "button", false}, {"Image12", "house", true},
    {"Image13", "watermelon", false}, {"Image14", "red cube", true}, {"Image15", "balloon", false},
    {"Image16", "sun", false}, {"Image17", "flag", true},
    // Plants.
    {"Image18", "sparrow", true}, {"Image19", "fence", true}, {"Image20", "saw", true},
    {"Image21", "wild strawberry", false}, {"Image22", "mouse", true}, {"Image23", "chanterelle", false},
    {"Image24", "ladybird", true}, {"Image25", "flower", false},
    // Animals.
    {"Image26", "tree", true}, {"Image27", "blocks of flats", true}, {"Image28", "car", true},
    {"Image29", "squirrel", false}, {"Image30", "cabbage", true}, {"Image31", "puppy", false},
    {"Image32", "boletus", true}, {"Image33", "fish", false},
};

// The exercise opened from the menu.
struct Task {
    Program p;
    Screen& s = p.open(kScreen);

    void click(std::string_view picture) { p.clickControl(kScreen, picture); }
    QString box() { return q(p.caption(kScreen, kBox)); }
    bool shown(std::string_view picture) { return p.visible(kScreen, picture); }
    const Control& control(std::string_view name) {
        return s.def().controls[static_cast<std::size_t>(s.def().find(name))];
    }
    std::vector<std::string> shownPictures() {
        std::vector<std::string> v;
        for (const Picture& pic : kPictures)
            if (shown(pic.name)) v.emplace_back(pic.name);
        return v;
    }
};

bool isRed(QRgb c) { return qRed(c) > 170 && qGreen(c) < 90 && qBlue(c) < 90; }
bool isWhite(QRgb c) { return qRed(c) > 240 && qGreen(c) > 240 && qBlue(c) > 240; }

}  // namespace

class FrmZ8Test : public QObject {
    Q_OBJECT
private slots:
    // Every picture, clicked on a fresh screen: a right one says "Верно" and goes, a wrong one
    // says "Ой-ой" and stays; no other picture is touched.
    void eachPicture_data() {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<bool>("right");
        for (const Picture& pic : kPictures)
            QTest::newRow(pic.what) << QString::fromLatin1(pic.name) << pic.right;
    }
    void eachPicture() {
        QFETCH(QString, picture);
        QFETCH(bool, right);
        Task t;
        const std::string name = picture.toStdString();
        QCOMPARE(t.box(), QString());
        t.click(name);
        QCOMPARE(t.box(), right ? kRight : kOops);
        QCOMPARE(t.shown(name), !right);
        QCOMPARE(t.shownPictures().size(), right ? std::size(kPictures) - 1 : std::size(kPictures));
        // A second click: a wrong picture repeats its word; a right one is gone, so the click
        // falls through and changes nothing.
        t.click(name);
        QCOMPARE(t.box(), right ? kRight : kOops);
        QCOMPARE(t.shown(name), !right);
    }

    // One box for all four quarters, showing the verdict of the latest click only.
    void latestWordWins() {
        Task t;
        t.click("Image4");   // cup, red things
        QCOMPARE(t.box(), kRight);
        t.click("Image33");  // fish, animals
        QCOMPARE(t.box(), kOops);
        t.click("Image14");  // red cube, round things
        QCOMPARE(t.box(), kRight);
        t.click("Image21");  // wild strawberry, plants
        QCOMPARE(t.box(), kOops);
        QVERIFY(t.shown("Image33") && t.shown("Image21"));
        QVERIFY(!t.shown("Image4") && !t.shown("Image14"));
    }

    // A vanished picture takes no clicks: its place passes them to the instruction label or the
    // background, neither of which answers, so the box keeps whatever it said last.
    void vanishedPlacePassesClicksThrough() {
        Task t;
        t.click("Image1");  // butterfly
        QVERIFY(!t.shown("Image1"));
        t.click("Image3");  // apple
        QCOMPARE(t.box(), kOops);
        const Control& butterfly = t.control("Image1");
        const std::int32_t x = butterfly.Left + butterfly.Width / 2;
        t.p.clickAt(kScreen, x, butterfly.Top + butterfly.Height / 2);  // the background
        QCOMPARE(t.box(), kOops);
        t.p.clickAt(kScreen, x, butterfly.Top + 60);  // the strip under the instruction
        QCOMPARE(t.box(), kOops);
        QVERIFY(!t.shown("Image1"));
        // The place shows the white screen again.
        QImage img = render(t.p.window(kScreen));
        const QRect r = qt::controlRect(butterfly).adjusted(0, 10, 0, 0);
        for (int y = r.top(); y <= r.bottom(); y += 3)
            for (int xx = r.left(); xx <= r.right(); xx += 3)
                QVERIFY2(isWhite(img.pixel(xx, y)), qPrintable(QStringLiteral("pixel %1,%2").arg(xx).arg(y)));
    }

    // Clicking the instructions, the box or the crossing of the lines does nothing.
    void nothingElseAnswers() {
        Task t;
        t.p.clickAt(kScreen, 2700, 300);    // instruction, red things
        t.p.clickAt(kScreen, 5400, 5200);   // the box over the crossing
        t.p.clickAt(kScreen, 2700, 5600);   // instruction, plants
        t.p.clickAt(kScreen, 5200, 3000);   // background
        QCOMPARE(t.box(), QString());
        QCOMPARE(t.shownPictures().size(), std::size(kPictures));
    }

    // All nineteen away leaves the fourteen members; no word of its own at the end, the buttons
    // still work, and "Меню" then the menu's button bring the same screen back as it was left.
    void clearedScreenSurvivesMenu() {
        Task t;
        std::vector<std::string> members;
        for (const Picture& pic : kPictures) {
            if (pic.right) t.click(pic.name);
            else members.emplace_back(pic.name);
        }
        QCOMPARE(t.box(), kRight);
        QCOMPARE(t.shownPictures(), members);
        QCOMPARE(members.size(), std::size_t{14});

        t.p.button(kScreen, "Command2")->click();
        QCOMPARE(t.p.visibleScreens(), std::vector<std::string>{"Main"});
        Screen& again = t.p.open(kScreen);
        QCOMPARE(&again, &t.s);
        QCOMPARE(t.p.visibleScreens(), std::vector<std::string>{"FrmZ8"});
        QCOMPARE(t.shownPictures(), members);
        QCOMPARE(t.box(), kRight);
        t.click("Image9");
        QCOMPARE(t.box(), kOops);

        t.p.button(kScreen, "Command1")->click();
        QVERIFY(t.p.app.ended());
    }

    // The focus starts on "Меню"; Tab goes to "Выход" and back.
    void focusStartsOnMenu() {
        Task t;
        QWidget* w = t.p.window(kScreen);
        QPushButton* menu = t.p.button(kScreen, "Command2");
        QPushButton* exit = t.p.button(kScreen, "Command1");
        QCOMPARE(menu->text(), QStringLiteral("Меню"));
        QCOMPARE(w->focusWidget(), menu);
        QTest::keyClick(menu, Qt::Key_Tab);
        QCOMPARE(w->focusWidget(), exit);
        QTest::keyClick(exit, Qt::Key_Tab);
        QCOMPARE(w->focusWidget(), menu);
    }

    // The box is a thin frame at the centre, white inside; the word in it is red.
    void boxShowsRedWordInFrame() {
        Task t;
        const QRect r = qt::controlRect(t.control(kBox));
        auto redPixels = [&](const QImage& img) {
            int n = 0;
            for (int y = r.top() + 2; y < r.bottom() - 1; ++y)
                for (int x = r.left() + 2; x < r.right() - 1; ++x) n += isRed(img.pixel(x, y));
            return n;
        };
        auto framed = [&](const QImage& img) {
            // A dark line along each edge, drawn just inside the rectangle.
            auto dark = [&](int x, int y) { return qGray(img.pixel(x, y)) < 100; };
            const int mx = r.center().x(), my = r.center().y();
            return (dark(mx, r.top()) || dark(mx, r.top() + 1)) && (dark(mx, r.bottom()) || dark(mx, r.bottom() - 1)) &&
                   (dark(r.left(), my) || dark(r.left() + 1, my)) && (dark(r.right(), my) || dark(r.right() - 1, my));
        };
        QImage empty = render(t.p.window(kScreen));
        QVERIFY(framed(empty));
        QCOMPARE(redPixels(empty), 0);
        QVERIFY(isWhite(empty.pixel(r.center())));  // the crossing of the lines is covered

        t.click("Image8");  // cucumber
        QImage said = render(t.p.window(kScreen));
        QVERIFY(framed(said));
        QVERIFY2(redPixels(said) > 40, qPrintable(QString::number(redPixels(said))));
    }

    // The red quarter's answer rests on colour: each member shows plenty of red as drawn on the
    // screen, and every picture clicked away there shows none.
    void redQuarterByColour_data() {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<bool>("red");
        for (const Picture& pic : kPictures) {
            const int n = QString::fromLatin1(pic.name).mid(5).toInt();
            if (n <= 9) QTest::newRow(pic.what) << QString::fromLatin1(pic.name) << !pic.right;
        }
    }
    void redQuarterByColour() {
        QFETCH(QString, picture);
        QFETCH(bool, red);
        Task t;
        QImage img = render(t.p.window(kScreen));
        const QRect r = qt::controlRect(t.control(picture.toStdString()));
        int painted = 0, reds = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) {
                const QRgb c = img.pixel(x, y);
                if (isWhite(c)) continue;
                ++painted;
                reds += isRed(c);
            }
        QVERIFY(painted > r.width() * r.height() / 5);
        const double share = double(reds) / painted;
        if (red) QVERIFY2(share > 0.4, qPrintable(QString::number(share)));
        else QVERIFY2(reds == 0, qPrintable(QString::number(reds)));
    }
};

QTEST_MAIN(FrmZ8Test)
#include "FrmZ8_test.moc"
