// Live screens, the screen registry and the operations handlers perform. No toolkit here: a Host
// (the Qt adapter, or a null host in tests) is told what to show, hide and repaint.
#pragma once

#include <array>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model.h"

namespace smk {

class App;

// The four properties that change at run time, one record per control in stored order.
struct LiveControl {
    bool visible = true;
    std::u16string caption;
    const Asset* picture = nullptr;
    std::u16string text;
};

// Exact text comparison: same length, same 16-bit code units, case-sensitive, no trimming.
constexpr bool sameText(std::u16string_view a, std::u16string_view b) { return a == b; }

// A failing operation is fatal. By default the program ends with a message on stderr and a
// non-zero status; tests may install a hook that throws instead.
[[noreturn]] void fail(std::string_view screen, std::string_view control, std::string_view operation);
using FailHook = std::function<void(const std::string& message)>;
void setFailHook(FailHook hook);

class Screen {
public:
    Screen(App& app, const ScreenDef& def);

    const ScreenDef& def() const { return def_; }
    App& app() { return app_; }
    const LiveControl& state(int i) const { return state_[static_cast<std::size_t>(i)]; }
    bool shown() const { return shown_; }

    // --- operations of the handlers; each ends the program if its control does not exist ----
    void setVisible(std::string_view control, bool visible);
    void hide(std::initializer_list<std::string_view> controls);
    void show(std::initializer_list<std::string_view> controls);
    void setCaption(std::string_view label, std::u16string_view text);
    const std::u16string& caption(std::string_view label) const;
    void copyCaption(std::string_view fromLabel, std::string_view toLabel);
    void copyPicture(std::string_view targetImage, std::string_view sourceImage);
    const std::u16string& text(std::string_view textBox) const;
    bool textIs(std::string_view textBox, std::u16string_view expected) const;

    void showScreen(std::string_view name);  // another screen, or this one
    void hideScreen();                       // this screen
    void endProgram();
    bool screenExists(std::string_view name) const;

    // --- what the toolkit side does ------------------------------------------------------------
    // Typing: stores the new contents and runs the field's Change handler.
    void typed(int control, std::u16string text);
    // A click on the control at stored position `control` (already found by hit testing).
    void click(int control);
    // A pointer click at a point in twips; finds the control beneath it.
    void clickAt(std::int32_t x, std::int32_t y);
    int focused() const { return focused_; }
    void setFocused(int control) { focused_ = control; }

private:
    friend class App;
    int require(std::string_view control, Kind kind, std::string_view operation) const;
    void changed(int control);
    void run(int control, Event e);

    App& app_;
    const ScreenDef& def_;
    std::vector<LiveControl> state_;
    bool shown_ = false;
    bool everShown_ = false;
    int focused_ = -1;
};

// What the runtime asks of the toolkit.
class Host {
public:
    virtual ~Host() = default;
    virtual void created(Screen&) {}
    virtual void shown(Screen&, bool firstTime) = 0;  // make visible and active
    virtual void hidden(Screen&) = 0;
    virtual void changed(Screen&, int control) = 0;    // a changeable property of a control changed
    virtual void ended() = 0;                           // end the program now
};

// A host that does nothing: the runtime runs headless, for tests and tools.
class NullHost : public Host {
public:
    void shown(Screen&, bool) override {}
    void hidden(Screen&) override {}
    void changed(Screen&, int) override {}
    void ended() override {}
};

// The screen registry and the program's lifetime.
class App {
public:
    explicit App(Host& host, std::span<const ScreenDef* const> screens = program());

    void start();  // create Main and show it
    Screen* find(std::string_view name);
    Screen& showScreen(std::string_view name);
    void hideScreen(std::string_view name);
    void endProgram();
    bool ended() const { return ended_; }
    bool exists(std::string_view name) const;
    Host& host() { return host_; }
    std::span<const ScreenDef* const> screens() const { return screens_; }
    // Live screens created so far, in the order of the program's screen list (null where not yet).
    Screen* live(std::size_t i) { return live_[i].get(); }
    // The screens currently visible.
    std::vector<Screen*> visible();

private:
    int slot(std::string_view name) const;

    Host& host_;
    std::span<const ScreenDef* const> screens_;
    std::array<std::unique_ptr<Screen>, 16> live_{};
    bool ended_ = false;
};

// What a screen reader says for a control in its current state: a caption (a letter-per-line column
// read as words), a picture's name, or the control's own accessible name; empty when it has none.
std::u16string spokenName(const Screen& screen, int control);

// Standard handlers of the exercise screens.
void menuButton(Screen& s);  // hide this screen, then show Main
void exitButton(Screen& s);  // end the program at once

}  // namespace smk
