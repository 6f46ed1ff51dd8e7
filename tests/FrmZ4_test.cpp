// Exercise 4, assemble the word: typing, pasting and undoing in the real fields, offscreen.
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>

#include "runtime/layout.h"
#include "runtime/qt/fonts.h"
#include "runtime/qt/units.h"
#include "ui_support.h"

using namespace smk;
using namespace smk::test;

namespace {

constexpr std::string_view kScreen = "FrmZ4";
constexpr std::string_view kBox = "Label12";
const QString kWellDone = QStringLiteral("Молодец");

struct Word {
    const char* field;
    const char16_t* word;
    const char* picture;
    QRgb signature;  // a flat colour that fills a good part of this picture and of no other
};

// Field → word → picture, and the colour that tells the picture apart on screen.
const Word kWords[] = {
    {"Text1", u"шар", "Image1", 0x2f6fe0},     // blue balloon
    {"Text2", u"заяц", "Image8", 0x2e9e3e},    // the hare's green waistcoat
    {"Text3", u"дом", "Image6", 0xd9a441},     // ochre walls
    {"Text4", u"зонт", "Image5", 0xf7cc1e},    // yellow umbrella
    {"Text5", u"сыр", "Image9", 0xf5c518},     // yellow cheese
    {"Text6", u"сумка", "Image10", 0x8b4a1e},  // brown handbag
    {"Text7", u"слон", "Image3", 0xe4edf8},    // pale blue-white elephant
    {"Text8", u"гриб", "Image7", 0x8b5a2b},    // brown mushroom cap
    {"Text9", u"рак", "Image2", 0x3a9a3a},     // green crayfish
    {"Text10", u"кошка", "Image4", 0x9a9a9a},  // grey cat
};

const char* const kPictures[] = {"Image1", "Image2", "Image3", "Image4", "Image5",
                                 "Image6", "Image7", "Image8", "Image9", "Image10"};

const Word& wordOf(std::string_view field) {
    for (const Word& w : kWords)
        if (field == w.field) return w;
    qFatal("no field %s", std::string(field).c_str());
}

// The exercise opened from the menu, with shortcuts to its fields and its state.
struct Task {
    Program p;
    Screen& s = p.open(kScreen);

    qt::Field* field(std::string_view name) { return p.field(kScreen, name); }
    QString box() { return q(p.caption(kScreen, kBox)); }
    bool shown(std::string_view picture) { return p.visible(kScreen, picture); }
    QString stored(std::string_view f) { return q(s.text(f)); }
    std::vector<std::string> shownPictures() {
        std::vector<std::string> v;
        for (const char* i : kPictures)
            if (shown(i)) v.emplace_back(i);
        return v;
    }
    void type(std::string_view f, const QString& text) { typeText(field(f), text); }
    void clear(std::string_view f) {
        QTest::keyClick(field(f), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field(f), Qt::Key_Delete);
    }
    void paste(std::string_view f, const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(field(f), Qt::Key_V, Qt::ControlModifier);
    }
    // Writes something into the box, so that the next change shows whether it ran.
    void markBox() { s.setCaption(kBox, u"?"); }
};

const Control& control(Screen& s, std::string_view name) {
    return s.def().controls[static_cast<std::size_t>(s.def().find(name))];
}

// Share of the pixels of a control's rectangle within `tolerance` of a colour.
double share(const QImage& img, const Control& c, QRgb colour, int tolerance = 3) {
    const qreal dpr = img.devicePixelRatio();
    const QRect r(QPoint(int(qt::px(c.Left) * dpr), int(qt::px(c.Top) * dpr)),
                  QSize(int(qt::px(c.Width) * dpr), int(qt::px(c.Height) * dpr)));
    int hits = 0, all = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x, ++all) {
            const QRgb p = img.pixel(x, y);
            if (std::abs(qRed(p) - qRed(colour)) <= tolerance && std::abs(qGreen(p) - qGreen(colour)) <= tolerance &&
                std::abs(qBlue(p) - qBlue(colour)) <= tolerance)
                ++hits;
        }
    return all ? double(hits) / all : 0;
}

QRgb rgbOf(Colour c) {
    const Rgb v = resolve(c);
    return qRgb(v.r, v.g, v.b);
}

}  // namespace

class FrmZ4Test : public QObject {
    Q_OBJECT
private slots:
    void opensEmpty() {
        Task t;
        QCOMPARE(t.p.visibleScreens(), std::vector<std::string>{"FrmZ4"});
        QCOMPARE(t.p.window(kScreen)->windowTitle(), QStringLiteral("Задание 4"));
        QVERIFY(t.shownPictures().empty());
        QCOMPARE(t.box(), QString());
        for (const Word& w : kWords) QCOMPARE(t.field(w.field)->text(), QString());
        // The keyboard starts on "Меню".
        QCOMPARE(t.s.focused(), t.s.def().find("Command2"));
        QVERIFY(t.p.button(kScreen, "Command2")->hasFocus());
    }

    // Every prefix of the word runs the check and only the whole word shows the picture.
    void typingLetterByLetter_data() {
        QTest::addColumn<QString>("field");
        for (const Word& w : kWords) QTest::newRow(w.field) << QString::fromLatin1(w.field);
    }
    void typingLetterByLetter() {
        QFETCH(QString, field);
        const Word& w = wordOf(field.toStdString());
        const QString word = q(w.word);
        Task t;
        for (qsizetype n = 1; n <= word.size(); ++n) {
            t.markBox();
            t.type(w.field, word.mid(n - 1, 1));
            QCOMPARE(t.stored(w.field), word.left(n));
            if (n < word.size()) {
                QCOMPARE(t.box(), QString());
                QVERIFY(t.shownPictures().empty());
            }
        }
        QCOMPARE(t.box(), kWellDone);
        QCOMPARE(t.shownPictures(), std::vector<std::string>{w.picture});
        QCOMPARE(t.field(w.field)->text(), word);
    }

    // On screen: the shown picture covers its square and is the one its word names; the others
    // leave the screen's ground.
    void pictureOnScreen_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<qreal>("dpr");
        for (qreal dpr : {1.0, 2.0})
            for (const Word& w : kWords)
                QTest::newRow(qPrintable(QStringLiteral("%1@%2").arg(w.field).arg(dpr))) << QString::fromLatin1(w.field) << dpr;
    }
    void pictureOnScreen() {
        QFETCH(QString, field);
        QFETCH(qreal, dpr);
        const Word& w = wordOf(field.toStdString());
        Task t;
        t.type(w.field, q(w.word));
        const QImage img = render(t.p.window(kScreen), dpr);
        const QRgb ground = rgbOf(t.s.def().backColor());
        for (const Word& other : kWords) {
            const Control& c = control(t.s, other.picture);
            if (other.picture == w.picture) {
                QCOMPARE(share(img, c, ground, 0), 0.0);
                QVERIFY2(share(img, c, other.signature) > 0.05, other.picture);
            } else {
                QCOMPARE(share(img, c, ground, 0), 1.0);
            }
        }
        // The box says it in the highlight-text colour on light orange.
        const Control& box = control(t.s, kBox);
        QVERIFY(share(img, box, rgbOf(box.foreColor()), 0) > 0.01);
        QVERIFY(share(img, box, rgbOf(box.backColor()), 0) > 0.5);
    }

    // Each picture is told apart by its own colour: no other picture has much of it.
    void signaturesAreDistinct() {
        Task t;
        for (const Word& w : kWords) t.type(w.field, q(w.word));
        const QImage img = render(t.p.window(kScreen));
        for (const Word& w : kWords)
            for (const Word& other : kWords)
                if (&w != &other)
                    QVERIFY2(share(img, control(t.s, other.picture), w.signature) < 0.04,
                             qPrintable(QStringLiteral("%1 in %2").arg(w.picture, other.picture)));
    }

    void allTenWords() {
        Task t;
        for (const Word& w : kWords) {
            t.type(w.field, q(w.word));
            QCOMPARE(t.box(), kWellDone);
        }
        QCOMPARE(t.shownPictures().size(), std::size(kPictures));
        QCOMPARE(t.p.visibleScreens(), std::vector<std::string>{"FrmZ4"});
    }

    // After a right word: one letter more, back to the word, clearing, the word again.
    void editingASolvedField() {
        Task t;
        t.type("Text1", QStringLiteral("шар"));
        QCOMPARE(t.box(), kWellDone);

        t.type("Text1", QStringLiteral("ы"));
        QCOMPARE(t.stored("Text1"), QStringLiteral("шары"));
        QCOMPARE(t.box(), QString());
        QVERIFY(t.shown("Image1"));

        QTest::keyClick(t.field("Text1"), Qt::Key_Backspace);
        QCOMPARE(t.stored("Text1"), QStringLiteral("шар"));
        QCOMPARE(t.box(), kWellDone);

        t.clear("Text1");
        QCOMPARE(t.stored("Text1"), QString());
        QCOMPARE(t.box(), QString());
        QVERIFY(t.shown("Image1"));

        t.type("Text1", QStringLiteral("шар"));
        QCOMPARE(t.box(), kWellDone);
        QCOMPARE(t.shownPictures(), std::vector<std::string>{"Image1"});
    }

    // Any change in another field empties the box; the solved picture stays.
    void anotherFieldEmptiesTheBox() {
        Task t;
        t.type("Text1", QStringLiteral("шар"));
        t.type("Text2", QStringLiteral("з"));
        QCOMPARE(t.box(), QString());
        QCOMPARE(t.shownPictures(), std::vector<std::string>{"Image1"});
        QCOMPARE(t.stored("Text1"), QStringLiteral("шар"));

        // A right word in a field whose picture already shows says it again.
        t.type("Text1", QStringLiteral("ы"));
        QTest::keyClick(t.field("Text1"), Qt::Key_Backspace);
        QCOMPARE(t.box(), kWellDone);
        t.type("Text2", QStringLiteral("аяц"));
        QCOMPARE(t.box(), kWellDone);
        QCOMPARE(t.shownPictures(), (std::vector<std::string>{"Image1", "Image8"}));
    }

    // A paste is one change: the word pasted at once shows its picture.
    void pasteIsOneChange() {
        Task t;
        QSignalSpy changes(t.field("Text6"), &qt::Field::textChanged);
        t.markBox();
        t.paste("Text6", QStringLiteral("сумка"));
        QCOMPARE(changes.count(), 1);
        QCOMPARE(t.stored("Text6"), QStringLiteral("сумка"));
        QCOMPARE(t.box(), kWellDone);
        QCOMPARE(t.shownPictures(), std::vector<std::string>{"Image10"});

        // Pasted over part of the text: the middle letters replaced by a wrong pair.
        t.field("Text6")->setSelection(1, 2);
        t.paste("Text6", QStringLiteral("ор"));
        QCOMPARE(changes.count(), 2);
        QCOMPARE(t.stored("Text6"), QStringLiteral("сорка"));
        QCOMPARE(t.box(), QString());
        QVERIFY(t.shown("Image10"));
    }

    // Undo and redo are changes like any other.
    void undoAndRedo() {
        Task t;
        t.type("Text7", QStringLiteral("слон"));
        t.clear("Text7");
        QCOMPARE(t.box(), QString());
        QTest::keyClick(t.field("Text7"), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(t.stored("Text7"), QStringLiteral("слон"));
        QCOMPARE(t.box(), kWellDone);
        QTest::keyClick(t.field("Text7"), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(t.stored("Text7"), QString());
        QCOMPARE(t.box(), QString());
        QVERIFY(t.shown("Image3"));

        // Cut is a change too.
        t.paste("Text8", QStringLiteral("гриб"));
        t.field("Text8")->selectAll();
        QTest::keyClick(t.field("Text8"), Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(t.stored("Text8"), QString());
        QCOMPARE(t.box(), QString());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("гриб"));
        QCOMPARE(t.shownPictures(), (std::vector<std::string>{"Image3", "Image7"}));
    }

    // Near misses typed into the real fields: none counts, and the field keeps what was typed.
    void nearMisses_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::newRow("capitals") << "Text1" << "ШАР";
        QTest::newRow("capital first") << "Text1" << "Шар";
        QTest::newRow("leading space") << "Text1" << " шар";
        QTest::newRow("trailing space") << "Text1" << "шар ";
        QTest::newRow("space inside") << "Text1" << "ш ар";
        QTest::newRow("latin a") << "Text1" << "шaр";
        QTest::newRow("latin p") << "Text5" << "сыp";
        QTest::newRow("latin o k") << "Text10" << "кoшкa";
        QTest::newRow("all six letters") << "Text10" << "кошкаа";
        QTest::newRow("other order") << "Text10" << "кошак";
        QTest::newRow("letters as shown") << "Text9" << "кра";
        QTest::newRow("digit") << "Text3" << "дом1";
        QTest::newRow("digit zero for o") << "Text3" << "д0м";
        QTest::newRow("i with breve") << "Text8" << "грйб";
        QTest::newRow("combining accent") << "Text8" << QStringLiteral("гри\u0301б");
        QTest::newRow("another word") << "Text2" << "шар";
    }
    void nearMisses() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        const std::string f = field.toStdString();
        const Word& w = wordOf(f);
        {
            // Typed: the last change empties the box; the picture shows only if the word itself
            // was typed on the way ("шар" before "шар ").
            Task t;
            t.type(f, text.chopped(1));
            t.markBox();
            t.type(f, text.right(1));
            QCOMPARE(t.box(), QString());
            QCOMPARE(t.field(f)->text(), text);
            QCOMPARE(t.stored(f), text);
            QCOMPARE(t.shown(w.picture), text.startsWith(q(w.word)));
        }
        {
            // Pasted at once: nothing shows.
            Task t;
            t.paste(f, text);
            QCOMPARE(t.stored(f), text);
            QCOMPARE(t.box(), QString());
            QVERIFY(t.shownPictures().empty());
        }
    }

    // Characters outside the 16-bit range and control characters, typed and pasted.
    void strangeCharacters() {
        Task t;
        const QString emoji = QString::fromUcs4(U"\U0001F431");  // a cat face: two code units
        t.type("Text10", QStringLiteral("кошка"));
        QTest::sendKeyEvent(QTest::Click, t.field("Text10"), Qt::Key_unknown, emoji, {});
        QCOMPARE(t.stored("Text10"), QStringLiteral("кошка") + emoji);
        QCOMPARE(t.box(), QString());
        // One Backspace takes the whole character away and the word is right again.
        QTest::keyClick(t.field("Text10"), Qt::Key_Backspace);
        QCOMPARE(t.stored("Text10"), QStringLiteral("кошка"));
        QCOMPARE(t.box(), kWellDone);

        // A control character typed inserts nothing and changes nothing.
        t.markBox();
        QSignalSpy changes(t.field("Text1"), &qt::Field::textChanged);
        for (char16_t c : {u'\a', u'\x1b', u'\0'})
            QTest::sendKeyEvent(QTest::Click, t.field("Text1"), Qt::Key_unknown, QString(QChar(c)), {});
        QCOMPARE(changes.count(), 0);
        QCOMPARE(t.box(), QStringLiteral("?"));

        // Pasted, control characters stay in the field and the word does not count.
        for (const QString& s : {QStringLiteral("ш\tар"), QStringLiteral("шар\a"), QStringLiteral("\u200bшар"),
                                 QStringLiteral("шар") + QChar(0), emoji + QStringLiteral("шар")}) {
            t.clear("Text1");
            t.paste("Text1", s);
            QCOMPARE(t.field("Text1")->text(), t.stored("Text1"));
            QVERIFY(t.stored("Text1") != QStringLiteral("шар"));
            QCOMPARE(t.box(), QString());
            QVERIFY(!t.shown("Image1"));
        }
    }

    // A megabyte pasted is one change, is not taken, and the screen goes on answering.
    void megabytePaste() {
        Task t;
        QString huge(1 << 20, QChar(u'ш'));
        huge += QStringLiteral("шар");
        QElapsedTimer clock;
        clock.start();
        QSignalSpy changes(t.field("Text1"), &qt::Field::textChanged);
        t.paste("Text1", huge);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(t.stored("Text1").size(), huge.size());
        QCOMPARE(t.box(), QString());
        QVERIFY(!t.shown("Image1"));
        render(t.p.window(kScreen));
        QTest::keyClick(t.field("Text1"), Qt::Key_Home);
        QTest::keyClick(t.field("Text1"), Qt::Key_Delete);
        QCOMPARE(t.stored("Text1").size(), huge.size() - 1);
        // Replaced by the word, it counts.
        t.field("Text1")->selectAll();
        t.type("Text1", QStringLiteral("шар"));
        QCOMPARE(t.stored("Text1"), QStringLiteral("шар"));
        QCOMPARE(t.box(), kWellDone);
        QVERIFY2(clock.elapsed() < 20000, qPrintable(QString::number(clock.elapsed())));
    }

    // From the menu, with the keyboard only: Tab runs "Меню", "Выход", then Text10 up to Text1.
    void typedFromTheKeyboard() {
        Task t;
        QWidget* w = t.p.window(kScreen);
        const char* const order[] = {"Text10", "Text9", "Text8", "Text7", "Text6",
                                     "Text5", "Text4", "Text3", "Text2", "Text1"};
        QTest::keyClick(w->focusWidget(), Qt::Key_Tab);
        QCOMPARE(w->focusWidget(), t.p.button(kScreen, "Command1"));
        for (const char* f : order) {
            QTest::keyClick(w->focusWidget(), Qt::Key_Tab);
            QCOMPARE(w->focusWidget(), t.field(f));
            typeText(w->focusWidget(), q(wordOf(f).word));
            QCOMPARE(t.box(), kWellDone);
            QVERIFY(t.shown(wordOf(f).picture));
        }
        QCOMPARE(t.shownPictures().size(), std::size(kPictures));
    }

    // "Меню" only hides the screen: texts, pictures and the box are there on coming back.
    void stateSurvivesTheMenu() {
        Task t;
        t.type("Text4", QStringLiteral("зонт"));
        t.type("Text9", QStringLiteral("ра"));
        t.type("Text3", QStringLiteral("дом"));
        t.p.button(kScreen, "Command2")->click();
        QCOMPARE(t.p.visibleScreens(), std::vector<std::string>{"Main"});
        Screen& again = t.p.open(kScreen);
        QCOMPARE(&again, &t.s);
        QCOMPARE(t.p.visibleScreens(), std::vector<std::string>{"FrmZ4"});
        QCOMPARE(t.field("Text4")->text(), QStringLiteral("зонт"));
        QCOMPARE(t.field("Text9")->text(), QStringLiteral("ра"));
        QCOMPARE(t.field("Text3")->text(), QStringLiteral("дом"));
        QCOMPARE(t.box(), kWellDone);
        QCOMPARE(t.shownPictures(), (std::vector<std::string>{"Image5", "Image6"}));
        t.type("Text9", QStringLiteral("к"));
        QCOMPARE(t.shownPictures(), (std::vector<std::string>{"Image2", "Image5", "Image6"}));
    }

    // Clicks on the letters and on the pictures do nothing.
    void clicksDoNothing() {
        Task t;
        t.type("Text5", QStringLiteral("сыр"));
        t.p.clickControl(kScreen, "Image9");
        t.p.clickControl(kScreen, "Label7");
        t.p.clickControl(kScreen, kBox);
        t.p.clickControl(kScreen, "Image1");  // hidden: the screen's ground beneath
        QCOMPARE(t.box(), kWellDone);
        QCOMPARE(t.shownPictures(), std::vector<std::string>{"Image9"});
        QCOMPARE(t.p.visibleScreens(), std::vector<std::string>{"FrmZ4"});
    }

    // Each letter group stands on the first line of its label, every letter of it clear of the
    // field beside it.
    void letterGroupsShowEveryLetter_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("field");
        const std::pair<const char*, const char*> rows[] = {
            {"Label2", "Text1"}, {"Label3", "Text2"}, {"Label4", "Text3"}, {"Label5", "Text4"},  {"Label6", "Text10"},
            {"Label7", "Text5"}, {"Label8", "Text6"}, {"Label9", "Text7"}, {"Label10", "Text8"}, {"Label11", "Text9"}};
        for (auto [label, field] : rows) QTest::newRow(label) << label << field;
    }
    void letterGroupsShowEveryLetter() {
        QFETCH(QString, label);
        QFETCH(QString, field);
        Task t;
        const Control& c = control(t.s, label.toStdString());
        const Control& f = control(t.s, field.toStdString());
        qt::QtMeasurer m;
        const auto lines = layoutCaption(c.Caption, *c.Font, qt::px(c.Width), qt::px(c.Height), c.Alignment, false, m);
        auto letters = [](std::u16string_view v) { return std::count_if(v.begin(), v.end(), [](char16_t ch) { return ch != u' '; }); };
        QVERIFY(!lines.empty() && letters(lines[0].text) == letters(c.Caption));
        QVERIFY(qt::px(c.Left) + lines[0].x + lines[0].width <= qt::px(f.Left));
    }

    void exitEndsTheProgram() {
        Task t;
        t.type("Text1", QStringLiteral("шар"));
        t.p.button(kScreen, "Command1")->click();
        QVERIFY(t.p.app.ended());
    }
};

QTEST_MAIN(FrmZ4Test)
#include "FrmZ4_test.moc"
