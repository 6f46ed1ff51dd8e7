#include "live.h"

#include <cstdio>
#include <cstdlib>

#include "hittest.h"

namespace smk {

namespace {
FailHook& failHook() {
    static FailHook hook;
    return hook;
}
}  // namespace

void setFailHook(FailHook hook) { failHook() = std::move(hook); }

void fail(std::string_view screen, std::string_view control, std::string_view operation) {
    std::string message = "smekalka: operation '" + std::string(operation) + "' failed on screen '" +
                          std::string(screen) + "', control '" + std::string(control) + "'";
    if (failHook()) failHook()(message);
    std::fprintf(stderr, "%s\n", message.c_str());
    std::exit(70);
}

// --- Screen ---------------------------------------------------------------------------------

Screen::Screen(App& app, const ScreenDef& def) : app_(app), def_(def), state_(def.controls.size()) {
    for (std::size_t i = 0; i < def.controls.size(); ++i) {
        const Control& c = def.controls[i];
        LiveControl& s = state_[i];
        s.visible = c.Visible;
        s.caption = std::u16string(c.Caption);
        s.picture = c.Picture;
    }
}

int Screen::require(std::string_view control, Kind kind, std::string_view operation) const {
    int i = def_.find(control);
    if (i < 0 || def_.controls[static_cast<std::size_t>(i)].kind != kind) fail(def_.name, control, operation);
    return i;
}

void Screen::changed(int control) { app_.host().changed(*this, control); }

void Screen::setVisible(std::string_view control, bool visible) {
    int i = def_.find(control);
    if (i < 0) fail(def_.name, control, "set Visible");
    Kind k = def_.controls[static_cast<std::size_t>(i)].kind;
    if (k != Kind::Label && k != Kind::Image) fail(def_.name, control, "set Visible");
    LiveControl& s = state_[static_cast<std::size_t>(i)];
    if (s.visible == visible) return;
    s.visible = visible;
    changed(i);
}

void Screen::hide(std::initializer_list<std::string_view> controls) {
    for (auto c : controls) setVisible(c, false);
}

void Screen::show(std::initializer_list<std::string_view> controls) {
    for (auto c : controls) setVisible(c, true);
}

void Screen::setCaption(std::string_view label, std::u16string_view text) {
    int i = require(label, Kind::Label, "set Caption");
    LiveControl& s = state_[static_cast<std::size_t>(i)];
    if (s.caption == text) return;
    s.caption = std::u16string(text);
    changed(i);
}

const std::u16string& Screen::caption(std::string_view label) const {
    return state_[static_cast<std::size_t>(require(label, Kind::Label, "read Caption"))].caption;
}

void Screen::copyCaption(std::string_view fromLabel, std::string_view toLabel) {
    std::u16string text = caption(fromLabel);
    setCaption(toLabel, text);
}

void Screen::copyPicture(std::string_view targetImage, std::string_view sourceImage) {
    const Asset* picture = state_[static_cast<std::size_t>(require(sourceImage, Kind::Image, "copy Picture"))].picture;
    int t = require(targetImage, Kind::Image, "copy Picture");
    LiveControl& s = state_[static_cast<std::size_t>(t)];
    if (s.picture == picture) return;
    s.picture = picture;
    changed(t);
}

const std::u16string& Screen::text(std::string_view textBox) const {
    return state_[static_cast<std::size_t>(require(textBox, Kind::TextBox, "read Text"))].text;
}

bool Screen::textIs(std::string_view textBox, std::u16string_view expected) const {
    return sameText(text(textBox), expected);
}

void Screen::showScreen(std::string_view name) {
    if (!app_.exists(name)) fail(def_.name, name, "show screen");
    app_.showScreen(name);
}

void Screen::hideScreen() { app_.hideScreen(def_.name); }

void Screen::endProgram() { app_.endProgram(); }

bool Screen::screenExists(std::string_view name) const { return app_.exists(name); }

void Screen::run(int control, Event e) {
    if (app_.ended() || control < 0) return;
    const Handler* h = def_.handler(def_.controls[static_cast<std::size_t>(control)].name, e);
    if (!h || def_.controls[static_cast<std::size_t>(control)].Index != kNoIndex) return;
    h->run(*this);
}

void Screen::typed(int control, std::u16string_view text) {
    if (app_.ended() || control < 0 || static_cast<std::size_t>(control) >= state_.size()) return;
    if (def_.controls[static_cast<std::size_t>(control)].kind != Kind::TextBox) return;
    state_[static_cast<std::size_t>(control)].text.assign(text);  // reuses the storage: a long text is not reallocated
    run(control, Event::Change);
}

void Screen::click(int control) {
    if (control < 0 || static_cast<std::size_t>(control) >= state_.size()) return;
    const Control& c = def_.controls[static_cast<std::size_t>(control)];
    if (c.kind == Kind::Line || c.kind == Kind::Shape || c.kind == Kind::TextBox) return;
    if (!state_[static_cast<std::size_t>(control)].visible) return;
    run(control, Event::Click);
}

void Screen::clickAt(std::int32_t x, std::int32_t y) { click(hitTest(*this, x, y)); }

// --- App --------------------------------------------------------------------------------------

App::App(Host& host, std::span<const ScreenDef* const> screens) : host_(host), screens_(screens) {}

int App::slot(std::string_view name) const {
    for (std::size_t i = 0; i < screens_.size() && i < live_.size(); ++i)
        if (screens_[i] && screens_[i]->name == name) return static_cast<int>(i);
    return -1;
}

bool App::exists(std::string_view name) const { return slot(name) >= 0; }

Screen* App::find(std::string_view name) {
    int i = slot(name);
    return i < 0 ? nullptr : live_[static_cast<std::size_t>(i)].get();
}

void App::start() {
    if (screens_.empty() || !screens_[0]) fail("", "", "start");
    showScreen(screens_[0]->name);
}

Screen& App::showScreen(std::string_view name) {
    int i = slot(name);
    if (i < 0) fail(name, "", "show screen");
    auto& p = live_[static_cast<std::size_t>(i)];
    bool first = false;
    if (!p) {
        p = std::make_unique<Screen>(*this, *screens_[static_cast<std::size_t>(i)]);
        host_.created(*p);
    }
    if (!p->everShown_) {
        first = true;
        p->everShown_ = true;
        p->focused_ = firstFocus(p->def());
    }
    p->shown_ = true;
    if (!ended_) host_.shown(*p, first);
    return *p;
}

void App::hideScreen(std::string_view name) {
    Screen* s = find(name);
    if (!s) fail(name, "", "hide screen");
    if (!s->shown_) return;
    s->shown_ = false;
    if (!ended_) host_.hidden(*s);
}

void App::endProgram() {
    if (ended_) return;
    ended_ = true;
    host_.ended();
}

std::vector<Screen*> App::visible() {
    std::vector<Screen*> v;
    for (auto& p : live_)
        if (p && p->shown_) v.push_back(p.get());
    return v;
}

void menuButton(Screen& s) {
    s.hideScreen();
    s.showScreen("Main");
}

void exitButton(Screen& s) { s.endProgram(); }

}  // namespace smk
