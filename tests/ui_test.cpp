// The windows of the runtime and the menu, driven offscreen as a child would.
#include <QTest>

#include "runtime/qt/units.h"
#include "ui_support.h"

using namespace smk;
using namespace smk::test;

class UiTest : public QObject {
    Q_OBJECT
private slots:
    void menuStartsAlone() {
        Program p;
        QCOMPARE(p.visibleScreens(), std::vector<std::string>{"Main"});
        QVERIFY(p.window("Main")->isVisible());
        QCOMPARE(p.window("Main")->windowTitle(), QStringLiteral("Главное меню"));
        QCOMPARE(p.window("Main")->size(), QSize(697, 671));
    }
};

QTEST_MAIN(UiTest)
#include "ui_test.moc"
