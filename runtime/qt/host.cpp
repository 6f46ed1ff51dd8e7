#include "host.h"

#include <QApplication>
#include <QGuiApplication>

#include "accessible.h"
#include "fonts.h"
#include "units.h"

namespace smk::qt {

QtHost::QtHost() {
    loadFonts();
    installAccessibility();
}
QtHost::~QtHost() = default;

void QtHost::created(Screen& s) { windows_[&s] = std::make_unique<ScreenWindow>(s); }

void QtHost::shown(Screen& s, bool firstTime) {
    ScreenWindow* w = window(s);
    if (!w) return;
    if (firstTime) w->centreOnDisplay();
    w->prerenderPictures();
    w->show();
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) w->raise();  // offscreen has no stacking
    w->activateWindow();
    w->focusFirst();
}

void QtHost::hidden(Screen& s) {
    if (ScreenWindow* w = window(s)) {
        w->hide();
        w->releaseSurface();  // a hidden screen keeps its widgets and state, not its pixels
    }
}

void QtHost::changed(Screen& s, int control) {
    ScreenWindow* w = window(s);
    if (!w || control < 0) return;
    w->update(w->rectOf(control).adjusted(-1, -1, 1, 1));
    w->controlChanged(control);
}

void QtHost::ended() {
    for (auto& [screen, w] : windows_) w->hide();
    QCoreApplication::exit(0);
}

ScreenWindow* QtHost::window(const Screen& s) const {
    auto it = windows_.find(&s);
    return it == windows_.end() ? nullptr : it->second.get();
}

ScreenWindow* QtHost::window(App& app, std::string_view name) const {
    Screen* s = app.find(name);
    return s ? window(*s) : nullptr;
}

int runProgram() {
    QtHost host;
    App app(host);
    app.start();
    return QApplication::exec();
}

}  // namespace smk::qt
