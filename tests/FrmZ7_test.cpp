// Exercise 7, the missing tile, driven offscreen as a child would.
#include <QTest>

#include "runtime/layout.h"
#include "runtime/qt/fonts.h"
#include "runtime/qt/units.h"
#include "ui_support.h"

using namespace smk;
using namespace smk::test;

namespace {

const std::u16string kRight = u"П р а в и л ь н о";
const std::u16string kWrong = u"Н е    п р а в и л ь н о";
const char* const kSlots[] = {"Image4", "Image23", "Image24"};

const Asset* picture(Program& p, const char* control) {
    Screen& s = p.screen("FrmZ7");
    return s.state(s.def().find(control)).picture;
}

const Control& row(Program& p, const char* control) {
    const ScreenDef& d = p.screen("FrmZ7").def();
    return d.controls[static_cast<std::size_t>(d.find(control))];
}

// The rectangle of a control in device pixels at a pixel ratio.
QRect deviceRect(const Control& c, qreal dpr) {
    const QRectF r = qt::controlRectF(c);
    return QRectF(r.topLeft() * dpr, r.size() * dpr).toAlignedRect();
}

bool isWhite(QRgb c) { return qRed(c) > 230 && qGreen(c) > 230 && qBlue(c) > 230; }
bool isDark(QRgb c) { return qRed(c) < 90 && qGreen(c) < 90 && qBlue(c) < 90; }
bool isPaleYellow(QRgb c) { return qRed(c) > 200 && qGreen(c) > 200 && qBlue(c) < 200; }
// What the blank tile of a board is made of: white cells with black lines; a light-yellow square
// with a black edge; a white tile with a grey edge.
bool blankLike(int section, QRgb c) { return section == 1 ? isPaleYellow(c) || isDark(c) : isWhite(c) || isDark(c); }

// Pixels of the band `width` pixels wide around `inner`, inside `within`, that look like the blank.
int blankAround(const QImage& img, QRect inner, QRect within, int width, int section) {
    int n = 0;
    const QRect outer = inner.adjusted(-width, -width, width, width) & within;
    for (int y = outer.top(); y <= outer.bottom(); ++y)
        for (int x = outer.left(); x <= outer.right(); ++x)
            if (!inner.contains(x, y) && blankLike(section, img.pixel(x, y))) ++n;
    return n;
}

int count(const QImage& img, QRect r, bool (*pred)(QRgb)) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (pred(img.pixel(x, y))) ++n;
    return n;
}

bool isRed(QRgb c) { return qRed(c) > 180 && qGreen(c) < 90 && qBlue(c) < 90; }

}  // namespace

class FrmZ7Test : public QObject {
    Q_OBJECT
private slots:
    void candidate_data() {
        QTest::addColumn<QString>("candidate");
        QTest::addColumn<int>("slot");  // index into kSlots, -1 for a wrong candidate
        const char* const sections[3][6] = {
            {"Image5", "Image6", "Image7", "Image8", "Image9", "Image10"},
            {"Image11", "Image12", "Image13", "Image14", "Image15", "Image16"},
            {"Image17", "Image18", "Image19", "Image20", "Image21", "Image22"},
        };
        const char* const right[3] = {"Image6", "Image15", "Image21"};
        for (int s = 0; s < 3; ++s)
            for (const char* c : sections[s])
                QTest::newRow(c) << QString(c) << (std::string_view(c) == right[s] ? s : -1);
    }
    // A right candidate gives the verdict and fills its own section's slot with its picture; the
    // others only give the wrong verdict. Nothing is ever hidden.
    void candidate() {
        QFETCH(QString, candidate);
        QFETCH(int, slot);
        const std::string name = candidate.toStdString();
        Program p;
        p.open("FrmZ7");
        QCOMPARE(p.caption("FrmZ7", "Label2"), std::u16string());
        p.clickControl("FrmZ7", name);
        QCOMPARE(p.caption("FrmZ7", "Label2"), slot >= 0 ? kRight : kWrong);
        for (int i = 0; i < 3; ++i) {
            const Asset* expected = i == slot ? picture(p, name.c_str()) : nullptr;
            QCOMPARE(picture(p, kSlots[i]), expected);
        }
        QVERIFY(picture(p, name.c_str()) != nullptr);
        const Screen& s = p.screen("FrmZ7");
        for (int i = 0; i < static_cast<int>(s.def().controls.size()); ++i) QVERIFY(s.state(i).visible);
    }

    // Right answers stay: a second click repeats them, a wrong click after them (in the same or
    // another section) only changes the verdict; the single column always shows the latest one.
    void rightAnswersStay() {
        Program p;
        p.open("FrmZ7");
        p.clickControl("FrmZ7", "Image6");
        p.clickControl("FrmZ7", "Image6");
        QCOMPARE(p.caption("FrmZ7", "Label2"), kRight);
        QCOMPARE(picture(p, "Image4"), picture(p, "Image6"));

        p.clickControl("FrmZ7", "Image8");  // repeats the upper tiles of the board: still wrong
        QCOMPARE(p.caption("FrmZ7", "Label2"), kWrong);
        QCOMPARE(picture(p, "Image4"), picture(p, "Image6"));

        p.clickControl("FrmZ7", "Image21");
        QCOMPARE(p.caption("FrmZ7", "Label2"), kRight);
        p.clickControl("FrmZ7", "Image19");  // repeats the upper tiles of the third board
        QCOMPARE(p.caption("FrmZ7", "Label2"), kWrong);
        QCOMPARE(picture(p, "Image24"), picture(p, "Image21"));
        QCOMPARE(picture(p, "Image4"), picture(p, "Image6"));
        QCOMPARE(picture(p, "Image23"), nullptr);
    }

    // Slots (empty or filled), boards, the title and the column are not answers.
    void onlyCandidatesAnswer() {
        Program p;
        p.open("FrmZ7");
        p.clickControl("FrmZ7", "Image23");  // empty slot over the blank square
        QCOMPARE(p.caption("FrmZ7", "Label2"), std::u16string());
        p.clickControl("FrmZ7", "Image6");
        p.clickControl("FrmZ7", "Image9");
        for (const char* c : {"Image4", "Image1", "Image2", "Image3", "Label1", "Label2"})
            p.clickControl("FrmZ7", c);
        p.clickAt("FrmZ7", 3600, 6240);  // a divider line
        QCOMPARE(p.caption("FrmZ7", "Label2"), kWrong);
        QCOMPARE(picture(p, "Image4"), picture(p, "Image6"));
        QCOMPARE(picture(p, "Image23"), nullptr);
        QCOMPARE(picture(p, "Image24"), nullptr);
    }

    // Completed boards and the last verdict are found again after "Меню".
    void stateSurvivesMenu() {
        Program p;
        p.open("FrmZ7");
        QCOMPARE(p.window("FrmZ7")->focusWidget(), p.button("FrmZ7", "Command1"));  // "Выход" first
        for (const char* c : {"Image15", "Image21", "Image6", "Image13"}) p.clickControl("FrmZ7", c);
        p.button("FrmZ7", "Command2")->click();
        QCOMPARE(p.visibleScreens(), std::vector<std::string>{"Main"});
        Screen& again = p.open("FrmZ7");
        QCOMPARE(&again, &p.screen("FrmZ7"));
        QCOMPARE(p.visibleScreens(), std::vector<std::string>{"FrmZ7"});
        QCOMPARE(p.caption("FrmZ7", "Label2"), kWrong);
        QCOMPARE(picture(p, "Image4"), picture(p, "Image6"));
        QCOMPARE(picture(p, "Image23"), picture(p, "Image15"));
        QCOMPARE(picture(p, "Image24"), picture(p, "Image21"));
    }

    // Both verdicts stand one letter a line, top down, and fit the column.
    void verdictColumn_data() {
        QTest::addColumn<QString>("verdict");
        QTest::newRow("right") << q(kRight);
        QTest::newRow("wrong") << q(kWrong);
    }
    void verdictColumn() {
        QFETCH(QString, verdict);
        Program p;
        p.open("FrmZ7");
        const Control& c = row(p, "Label2");
        const std::u16string text(reinterpret_cast<const char16_t*>(verdict.utf16()), verdict.size());
        qt::QtMeasurer m;
        const auto lines = layoutCaption(text, *c.Font, qt::px(c.Width), qt::px(c.Height), c.Alignment, false, m);
        std::u16string letters, expected;
        for (char16_t ch : text)
            if (ch != u' ') expected += ch;
        for (const auto& l : lines) {
            std::u16string t(l.text);
            std::erase(t, u' ');
            QVERIFY2(t.size() <= 1, qPrintable(q(l.text)));
            letters += t;
            QVERIFY(l.y + m.lineHeight(*c.Font) <= qt::px(c.Height));
        }
        QCOMPARE(q(letters), q(expected));
    }

    // Each board's blank tile lies under its slot: before the answer no part of the blank shows
    // outside the slot, and once the right tile is placed nothing of the blank is seen at all.
    void placedTileCoversBlank_data() {
        QTest::addColumn<int>("section");
        QTest::addColumn<qreal>("dpr");
        for (qreal dpr : {1.0, 2.0})
            for (int s = 0; s < 3; ++s)
                QTest::newRow(qPrintable(QString("board %1 at %2x").arg(s + 1).arg(dpr))) << s << dpr;
    }
    void placedTileCoversBlank() {
        QFETCH(int, section);
        QFETCH(qreal, dpr);
        const char* const boards[] = {"Image1", "Image2", "Image3"};
        const char* const right[] = {"Image6", "Image15", "Image21"};
        Program p;
        p.open("FrmZ7");
        QWidget* w = p.window("FrmZ7");
        const QRect slot = deviceRect(row(p, kSlots[section]), dpr);
        const QRect board = deviceRect(row(p, boards[section]), dpr);
        const int band = static_cast<int>(4 * dpr);

        QImage open = render(w, dpr);
        QVERIFY(count(open, slot, [](QRgb c) { return isWhite(c) || isPaleYellow(c); }) > slot.width() * slot.height() / 2);
        QCOMPARE(blankAround(open, slot, board, band, section), 0);

        p.clickControl("FrmZ7", right[section]);
        QImage done = render(w, dpr);
        QCOMPARE(blankAround(done, slot, board, band, section), 0);
        // The slot shows the candidate: the same pixels where both have the same size, and for the
        // taller square slot a red triangle in each cell.
        const QRect cand = deviceRect(row(p, right[section]), dpr);
        if (section == 0) {
            const QRect q1(slot.topLeft(), slot.size() / 2);
            for (QPoint off : {QPoint(0, 0), QPoint(q1.width(), 0), QPoint(0, q1.height()), QPoint(q1.width(), q1.height())})
                QVERIFY(count(done, q1.translated(off), isRed) > q1.width() * q1.height() / 8);
        } else {
            QCOMPARE(cand.size(), slot.size());
            const int inset = static_cast<int>(3 * dpr);
            const QRect inner = slot.adjusted(inset, inset, -inset, -inset);
            QCOMPARE(done.copy(inner), done.copy(inner.translated(cand.topLeft() - slot.topLeft())));
        }
    }
};

QTEST_MAIN(FrmZ7Test)
#include "FrmZ7_test.moc"
