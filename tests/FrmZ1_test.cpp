// Exercise 1: the fitting fourth word.
#include <QApplication>
#include <QTest>

#include "runtime/qt/units.h"
#include "ui_support.h"

using namespace smk;
using namespace smk::test;

namespace {

struct Row {
    const char* blank;
    const char* right;
    const char* wrong1;
    const char* wrong2;
    std::u16string_view word;
};

const Row kRows[] = {
    {"Label3", "Label4", "Label5", "Label6", u"БЕРЛОГА"},    {"Label7", "Label10", "Label8", "Label9", u"ЦВЕТОК"},
    {"Label28", "Label19", "Label17", "Label18", u"ТЕЛЁНОК"}, {"Label26", "Label12", "Label11", "Label13", u"ЛЕЖАТЬ"},
    {"Label29", "Label22", "Label20", "Label21", u"СТЕБЕЛЬ"}, {"Label27", "Label14", "Label15", "Label16", u"НОЧЬ"},
    {"Label30", "Label25", "Label23", "Label24", u"СУП"},     {"Label34", "Label37", "Label35", "Label36", u"ШЕРСТЬ"},
};

// Everything that can change on the screen, to see that a click changed nothing.
std::vector<LiveControl> snapshot(Screen& s) {
    std::vector<LiveControl> v;
    for (std::size_t i = 0; i < s.def().controls.size(); ++i) v.push_back(s.state(static_cast<int>(i)));
    return v;
}
bool same(const std::vector<LiveControl>& a, const std::vector<LiveControl>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].visible != b[i].visible || a[i].caption != b[i].caption) return false;
    return true;
}

}  // namespace

class FrmZ1Test : public QObject {
    Q_OBJECT
private slots:
    void rightCandidateFillsTheBlankAndHidesTheRow_data() {
        QTest::addColumn<int>("row");
        for (int i = 0; i < 8; ++i) QTest::newRow(qPrintable(QString("row %1").arg(i + 1))) << i;
    }
    void rightCandidateFillsTheBlankAndHidesTheRow() {
        QFETCH(int, row);
        const Row& r = kRows[row];
        Program p;
        Screen& s = p.open("FrmZ1");
        p.clickControl("FrmZ1", r.wrong1);
        p.clickControl("FrmZ1", r.wrong2);
        QVERIFY(p.caption("FrmZ1", r.blank).empty());
        QVERIFY(p.visible("FrmZ1", r.right) && p.visible("FrmZ1", r.wrong1) && p.visible("FrmZ1", r.wrong2));
        const auto before = snapshot(s);

        p.clickControl("FrmZ1", r.right);
        QCOMPARE(p.caption("FrmZ1", r.blank), r.word);  // exact, "Ё" included
        QVERIFY(!p.visible("FrmZ1", r.right) && !p.visible("FrmZ1", r.wrong1) && !p.visible("FrmZ1", r.wrong2));
        // Nothing else changed: the other rows are still open.
        auto after = snapshot(s);
        for (const char* name : {r.blank, r.right, r.wrong1, r.wrong2}) {
            int i = s.def().find(name);
            after[static_cast<std::size_t>(i)] = before[static_cast<std::size_t>(i)];
        }
        QVERIFY(same(before, after));

        // The bare place of the candidates takes a second click (a double click) without effect.
        p.clickControl("FrmZ1", r.right);
        p.clickControl("FrmZ1", r.wrong1);
        QCOMPARE(p.caption("FrmZ1", r.blank), r.word);
    }

    void wrongCandidatesTextsAndGroundDoNothing() {
        Program p;
        Screen& s = p.open("FrmZ1");
        const auto before = snapshot(s);
        for (const Row& r : kRows) {
            p.clickControl("FrmZ1", r.wrong1);
            p.clickControl("FrmZ1", r.wrong2);
            p.clickControl("FrmZ1", r.blank);
        }
        for (int i : {0, 1, 2, 3, 4, 5}) p.clickControl("FrmZ1", "Label1", i);  // the worked example
        for (int i : {0, 1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13}) p.clickControl("FrmZ1", "Label2", i);
        p.clickAt("FrmZ1", 10300, 2100);  // a row's background inside its frame
        p.clickAt("FrmZ1", 10440, 9800);  // the ground beside the buttons
        QVERIFY(same(before, snapshot(s)));
        QCOMPARE(p.visibleScreens(), std::vector<std::string>{"FrmZ1"});
    }

    void allRowsSolvedAndTheScreenComesBackSo() {
        Program p;
        p.open("FrmZ1");
        for (const Row& r : kRows) p.clickControl("FrmZ1", r.right);
        p.button("FrmZ1", "Command2")->click();  // "Меню"
        QCOMPARE(p.visibleScreens(), std::vector<std::string>{"Main"});
        p.open("FrmZ1");
        for (const Row& r : kRows) {
            QCOMPARE(p.caption("FrmZ1", r.blank), r.word);
            QVERIFY(!p.visible("FrmZ1", r.right));
        }
        p.button("FrmZ1", "Command1")->click();  // "Выход"
        QVERIFY(p.app.ended());
    }

    void focusStartsOnMenuAndOnlyButtonsTakeIt() {
        Program p;
        p.open("FrmZ1");
        QCOMPARE(QApplication::focusWidget(), p.button("FrmZ1", "Command2"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), p.button("FrmZ1", "Command1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), p.button("FrmZ1", "Command2"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(p.visibleScreens(), std::vector<std::string>{"Main"});
    }

    // The filled word is drawn in the blank's own colours, left-aligned from the blank's left edge
    // (the candidate's centring does not carry over), at scale 1 and 2.
    void filledWordIsLeftAlignedInTheBlank_data() {
        QTest::addColumn<qreal>("dpr");
        QTest::newRow("scale 1") << 1.0;
        QTest::newRow("scale 2") << 2.0;
    }
    void filledWordIsLeftAlignedInTheBlank() {
        QFETCH(qreal, dpr);
        Program p;
        p.open("FrmZ1");
        p.clickControl("FrmZ1", "Label37");  // row 8: "ШЕРСТЬ" into Label34 (1800, 9120, 1695 × 375)
        const QImage img = render(p.window("FrmZ1"), dpr);
        const int top = int(9120 / 15.0 * dpr), bottom = int(9495 / 15.0 * dpr);
        int firstInk = -1, lastInk = -1;
        for (int x = int(1800 / 15.0 * dpr); x < int(3495 / 15.0 * dpr); ++x)
            for (int y = top; y < bottom; ++y)
                if (qGray(img.pixel(x, y)) < 80) {
                    if (firstInk < 0) firstInk = x;
                    lastInk = x;
                }
        QVERIFY(firstInk >= 0);
        QVERIFY2(firstInk < int((1800 / 15.0 + 4) * dpr), "the word starts at the blank's left edge");
        QVERIFY2(lastInk < int((1800 + 1695) / 15.0 * dpr) - int(8 * dpr), "the word is not centred");
        QCOMPARE(img.pixelColor(int(3400 / 15.0 * dpr), int(9400 / 15.0 * dpr)), QColor(0x80, 0xFF, 0x80));
        // Where the candidates stood, the row's pale green ground shows.
        QCOMPARE(img.pixelColor(int(8450 / 15.0 * dpr), int(9300 / 15.0 * dpr)), QColor(0xC0, 0xFF, 0xC0));
    }
};

QTEST_MAIN(FrmZ1Test)
#include "FrmZ1_test.moc"
