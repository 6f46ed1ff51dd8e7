// Helpers for the in-process window tests: the real windows, offscreen.
#pragma once

#include <QPushButton>
#include <QString>
#include <QWidget>
#include <memory>
#include <string>

#include "runtime/live.h"
#include "runtime/qt/host.h"
#include "runtime/qt/widgets.h"

namespace smk::test {

// The program started as `main` starts it, without running the event loop.
struct Program {
    qt::QtHost host;
    App app{host};
    Program();

    Screen& screen(std::string_view name) { return *app.find(name); }
    qt::ScreenWindow* window(std::string_view name) { return host.window(app, name); }
    // Opens an exercise through its menu button, as a child does.
    Screen& open(std::string_view name);
    QPushButton* button(std::string_view screen, std::string_view control);
    qt::Field* field(std::string_view screen, std::string_view control);
    // Clicks at the centre of a graphical control, through the window's mouse events.
    void clickControl(std::string_view screen, std::string_view control, int index = kNoIndex);
    // Clicks at a point of a window, in twips.
    void clickAt(std::string_view screen, std::int32_t x, std::int32_t y);
    bool visible(std::string_view screen, std::string_view control, int index = kNoIndex);
    std::u16string caption(std::string_view screen, std::string_view control, int index = kNoIndex);
    std::vector<std::string> visibleScreens();
};

// Types text one character at a time, as key events (QTest::keyClicks aborts on Cyrillic).
void typeText(QWidget* w, const QString& text);
QString q(std::u16string_view s);
// The widget rendered at a device pixel ratio.
QImage render(QWidget* w, qreal dpr = 1.0);

}  // namespace smk::test
