#include "ui_support.h"

#include <QTest>

#include "runtime/qt/units.h"

namespace smk::test {

Program::Program() {
    app.start();
    if (!QTest::qWaitForWindowActive(window("Main"))) qWarning("the menu did not become active");
}

Screen& Program::open(std::string_view name) {
    // The task button whose number matches the exercise: "FrmZ3" is opened by "Command3".
    std::string cmd = "Command" + std::string(name.substr(4));
    button("Main", cmd)->click();
    if (auto* w = window(name); w && !QTest::qWaitForWindowActive(w)) qWarning("the exercise did not become active");
    return screen(name);
}

QPushButton* Program::button(std::string_view s, std::string_view control) {
    return qobject_cast<QPushButton*>(window(s)->widget(screen(s).def().find(control)));
}

qt::Field* Program::field(std::string_view s, std::string_view control) {
    return qobject_cast<qt::Field*>(window(s)->widget(screen(s).def().find(control)));
}

namespace {
// A click at a point of a window goes, as on a desktop, to the widget that lies there.
void clickWindowAt(QWidget* w, QPoint pt) {
    QWidget* child = w->childAt(pt);
    QWidget* target = child ? child : w;
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(w, pt));
}
}  // namespace

void Program::clickControl(std::string_view s, std::string_view control, int index) {
    clickWindowAt(window(s), window(s)->rectOf(screen(s).def().find(control, index)).center());
}

void Program::clickAt(std::string_view s, std::int32_t x, std::int32_t y) { clickWindowAt(window(s), window(s)->pointOf(x, y)); }

bool Program::visible(std::string_view s, std::string_view control, int index) {
    return screen(s).state(screen(s).def().find(control, index)).visible;
}

std::u16string Program::caption(std::string_view s, std::string_view control, int index) {
    return screen(s).state(screen(s).def().find(control, index)).caption;
}

std::vector<std::string> Program::visibleScreens() {
    std::vector<std::string> v;
    for (Screen* s : app.visible()) {
        if (auto* w = host.window(*s); w && w->isVisible()) v.emplace_back(s->def().name);
    }
    return v;
}

void typeText(QWidget* w, const QString& text) {
    for (QChar ch : text) QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), {});
}

QString q(std::u16string_view s) { return QString::fromUtf16(s.data(), static_cast<qsizetype>(s.size())); }

QImage render(QWidget* w, qreal dpr) {
    QImage img((w->size() * dpr), QImage::Format_ARGB32);
    img.setDevicePixelRatio(dpr);
    img.fill(Qt::transparent);
    w->render(&img);
    return img;
}

}  // namespace smk::test
