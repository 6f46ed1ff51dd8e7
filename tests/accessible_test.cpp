// What a screen reader finds on every screen: each button, field, label and picture with a name.
#include <QAccessible>
#include <QTest>

#include "ui_support.h"

using namespace smk;
using namespace smk::test;

namespace {

// Every control of a window as a screen reader walks it: name and role.
std::vector<std::pair<QString, QAccessible::Role>> walk(QWidget* window) {
    std::vector<std::pair<QString, QAccessible::Role>> v;
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window);
    for (int i = 0; root && i < root->childCount(); ++i)
        if (QAccessibleInterface* c = root->child(i); c && !c->state().invisible) v.emplace_back(c->text(QAccessible::Name), c->role());
    return v;
}

}  // namespace

class AccessibleTest : public QObject {
    Q_OBJECT
private slots:
    void everyControlOfEveryScreenHasAName_data() {
        QTest::addColumn<QString>("screen");
        for (const ScreenDef* s : program())
            if (s) QTest::newRow(s->name.data()) << QString::fromUtf8(s->name.data(), static_cast<qsizetype>(s->name.size()));
    }
    void everyControlOfEveryScreenHasAName() {
        QFETCH(QString, screen);
        const std::string name = screen.toStdString();
        Program p;
        if (name != "Main") p.open(name);
        const ScreenDef& def = p.screen(name).def();
        QAccessibleInterface* root = QAccessible::queryAccessibleInterface(p.window(name));
        QVERIFY(root);
        QCOMPARE(root->text(QAccessible::Name), q(def.Caption));
        std::size_t expected = 0;
        for (std::size_t i = 0; i < def.controls.size(); ++i) {
            const Control& c = def.controls[i];
            if (isWindowed(c.kind) || ((c.kind == Kind::Label || c.kind == Kind::Image) && p.screen(name).state(int(i)).visible))
                ++expected;
        }
        const auto found = walk(p.window(name));
        QCOMPARE(found.size(), expected);
        QStringList unnamed;
        for (std::size_t i = 0; i < def.controls.size(); ++i) {
            const Control& c = def.controls[i];
            const bool shown = isWindowed(c.kind) || ((c.kind == Kind::Label || c.kind == Kind::Image) && p.screen(name).state(int(i)).visible);
            if (shown && q(spokenName(p.screen(name), int(i))).trimmed().isEmpty())
                unnamed << QString::fromUtf8(c.name.data(), c.name.size()) + (c.Index == kNoIndex ? QString() : QString("(%1)").arg(c.Index));
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(screen + ": no name for " + unnamed.join(", ")));
        for (std::size_t k = 0; k < found.size(); ++k) QVERIFY(!found[k].first.trimmed().isEmpty());
    }

    void namesFollowTheState() {
        Program p;
        p.open("FrmZ1");
        auto names = [&] {
            std::vector<QString> v;
            for (auto& [n, r] : walk(p.window("FrmZ1"))) v.push_back(n);
            return v;
        };
        auto has = [&](const QString& s) { auto v = names(); return std::find(v.begin(), v.end(), s) != v.end(); };
        QVERIFY(has(QStringLiteral("ДЕРЕВО")));
        const std::size_t before = names().size();
        p.clickControl("FrmZ1", "Label4");
        QVERIFY(!has(QStringLiteral("ДЕРЕВО")));  // the row's candidates are gone
        QCOMPARE(names().size(), before - 3);
        bool filled = false;
        for (const QString& n : names()) filled = filled || n.endsWith(QStringLiteral("БЕРЛОГА"));
        QVERIFY(filled);                                      // the blank now holds the word
        QCOMPARE(p.button("FrmZ1", "Command2")->accessibleName(), QStringLiteral("Меню"));
    }

    // A letter-per-line column is read as words.
    void columnsAreReadAsWords() {
        Program p;
        if (!p.app.exists("FrmZ6")) QSKIP("no sixth exercise");
        p.open("FrmZ6");
        QCOMPARE(p.button("FrmZ6", "Command3")->accessibleName(), QStringLiteral("Проверка"));
        p.button("FrmZ6", "Command3")->click();
        bool found = false;
        for (auto& [n, r] : walk(p.window("FrmZ6"))) found = found || n.endsWith(QStringLiteral("Не правильно"));
        QVERIFY(found);
    }
};

QTEST_MAIN(AccessibleTest)
#include "accessible_test.moc"
