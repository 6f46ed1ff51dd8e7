// Every screen on displays of other sizes and pixel ratios: run under several offscreen displays
// (a 1024 × 600 netbook, a large display, fractional device pixel ratios; see CMakeLists.txt).
#include <QApplication>
#include <QScreen>
#include <QTest>

#include "runtime/qt/units.h"
#include "ui_support.h"

using namespace smk;
using namespace smk::test;

namespace {

std::vector<std::string> screenNames() {
    std::vector<std::string> v;
    for (const ScreenDef* s : program())
        if (s) v.emplace_back(s->name);
    return v;
}

}  // namespace

class FitTest : public QObject {
    Q_OBJECT
private slots:
    // Each window fits the available area, centred, scaled alike in both directions; on a display
    // large enough it keeps its exact size.
    void everyScreenFitsCentredAndUndistorted() {
        Program p;
        for (const std::string& name : screenNames()) {
            if (name != "Main") p.open(name);
            auto* w = p.window(name);
            const ScreenDef& def = p.screen(name).def();
            const QRect area = w->screen()->availableGeometry();
            const QSizeF exact(qt::px(def.ClientWidth), qt::px(def.ClientHeight));
            if (area.height() >= exact.height() + 48 && area.width() >= exact.width() + 16) {
                QCOMPARE(w->scale(), 1.0);
                QCOMPARE(w->size(), exact.toSize());
            } else {
                QVERIFY2(w->scale() < 1.0, name.c_str());
                QVERIFY2(w->frameGeometry().height() <= area.height() && w->frameGeometry().width() <= area.width(), name.c_str());
                QVERIFY(qAbs(w->width() - exact.width() * w->scale()) <= 1);
                QVERIFY(qAbs(w->height() - exact.height() * w->scale()) <= 1);
            }
            QVERIFY2(qAbs(w->geometry().center().x() - area.center().x()) <= 1, name.c_str());
            QVERIFY2(qAbs(w->geometry().center().y() - area.center().y()) <= 1, name.c_str());
            // Controls keep their places relative to each other: each widget stands where its twips put it.
            for (std::size_t i = 0; i < def.controls.size(); ++i)
                if (QWidget* child = w->widget(static_cast<int>(i))) QCOMPARE(child->geometry(), w->rectOf(static_cast<int>(i)));
            if (name != "Main") p.button(name, def.controls[0].kind == Kind::CommandButton ? def.controls[0].name : "Command2");
            p.app.hideScreen(name);
            p.app.showScreen("Main");
        }
    }

    // Clicks land exactly: every right word of the first exercise, clicked at the centre of where it
    // is drawn, and the first click of a pixel beyond a control's edge goes to the ground.
    void clicksLandExactly() {
        Program p;
        p.open("FrmZ1");
        for (const char* right : {"Label4", "Label10", "Label19", "Label12", "Label22", "Label14", "Label25", "Label37"})
            p.clickControl("FrmZ1", right);
        for (const char* blank : {"Label3", "Label7", "Label28", "Label26", "Label29", "Label27", "Label30", "Label34"})
            QVERIFY2(!p.caption("FrmZ1", blank).empty(), blank);
        // The task buttons of the menu at their drawn places.
        p.button("FrmZ1", "Command2")->click();
        p.clickAt("Main", 240 + 5535 / 2, 8040 + 615 / 2);
        QCOMPARE(p.visibleScreens(), std::vector<std::string>{"FrmZ9"});
    }

    // Pictures are rendered at the device's own pixel ratio, fractional ones included, so nothing is
    // scaled a second time on the way to the screen.
    void picturesAreRenderedForTheDevice() {
        Program p;
        auto* w = p.window("Main");
        const qreal dpr = w->devicePixelRatioF();
        const QImage shot = w->grab().toImage();
        QCOMPARE(shot.size(), (QSizeF(w->size()) * dpr).toSize());
        // The face of "Задание 3" is one clean colour right up to its edges.
        const QRect face = w->rectOf(p.screen("Main").def().find("Command3")).adjusted(3, 3, -3, -3);
        QCOMPARE(shot.pixelColor(int(face.left() * dpr) + 1, int(face.center().y() * dpr)), QColor(0, 255, 0));
    }
};

QTEST_MAIN(FitTest)
#include "fit_test.moc"
