// Checks that hold for every screen of the program, run headless on the real tables.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <stdexcept>

#include "runtime/hittest.h"
#include "runtime/live.h"

using namespace smk;

namespace {

std::vector<const ScreenDef*> built() {
    std::vector<const ScreenDef*> v;
    for (const ScreenDef* s : program())
        if (s) v.push_back(s);
    return v;
}

struct Recording : Host {
    std::vector<std::string> log;
    void shown(Screen& s, bool) override { log.push_back("show " + std::string(s.def().name)); }
    void hidden(Screen& s) override { log.push_back("hide " + std::string(s.def().name)); }
    void changed(Screen&, int) override {}
    void ended() override { log.push_back("end"); }
};

struct ThrowOnFailure {
    ThrowOnFailure() { setFailHook([](const std::string& m) { throw std::runtime_error(m); }); }
    ~ThrowOnFailure() { setFailHook(nullptr); }
};

TEST(Program, MainComesFirstAndEveryScreenHasItsName) {
    auto all = program();
    ASSERT_EQ(all.size(), 10u);
    ASSERT_NE(all[0], nullptr);
    EXPECT_EQ(all[0]->name, "Main");
    for (std::size_t i = 1; i < all.size(); ++i)
        if (all[i]) {
            EXPECT_EQ(all[i]->name, "FrmZ" + std::to_string(i));
        }
}

TEST(Tables, NamesUniqueTabIndicesComplete) {
    for (const ScreenDef* s : built()) {
        std::set<std::pair<std::string_view, int>> names;
        std::vector<int> tabs;
        for (const Control& c : s->controls) {
            EXPECT_TRUE(names.insert({c.name, c.Index}).second) << s->name << ": " << c.name << " twice";
            if (c.kind == Kind::Label || isWindowed(c.kind)) {
                tabs.push_back(c.TabIndex);
                EXPECT_NE(c.Font, nullptr) << s->name << ": " << c.name;
            }
            if (c.kind == Kind::Image && c.Picture && !c.Stretch) {
                // An unstretched picture is seen whole: its rectangle is its natural size rounded up to pixels.
                EXPECT_GE(c.Width, c.Picture->widthTwips()) << s->name << ": " << c.name;
                EXPECT_LT(c.Width - c.Picture->widthTwips(), 15) << s->name << ": " << c.name;
            }
        }
        std::sort(tabs.begin(), tabs.end());
        for (std::size_t i = 0; i < tabs.size(); ++i) EXPECT_EQ(tabs[i], static_cast<int>(i)) << s->name;
    }
}

TEST(Handlers, BelongToControlsThatRaiseTheirEvent) {
    const std::map<std::string_view, std::size_t> counts{{"Main", 10}, {"FrmZ1", 10}, {"FrmZ2", 44}, {"FrmZ3", 10},
                                                         {"FrmZ4", 12}, {"FrmZ5", 18}, {"FrmZ6", 3},  {"FrmZ7", 20},
                                                         {"FrmZ8", 35}, {"FrmZ9", 6}};
    for (const ScreenDef* s : built()) {
        EXPECT_EQ(s->handlers.size(), counts.at(s->name)) << s->name;
        std::set<std::pair<std::string_view, Event>> seen;
        for (const Handler& h : s->handlers) {
            EXPECT_TRUE(seen.insert({h.control, h.event}).second) << s->name << ": " << h.control << " twice";
            int i = s->find(h.control);
            ASSERT_GE(i, 0) << s->name << ": handler for missing " << h.control;
            Kind k = s->controls[static_cast<std::size_t>(i)].kind;
            if (h.event == Event::Change) EXPECT_EQ(k, Kind::TextBox) << s->name << ": " << h.control;
            else EXPECT_TRUE(k == Kind::CommandButton || k == Kind::Label || k == Kind::Image) << s->name << ": " << h.control;
        }
    }
}

// Every handler of every screen runs once on a fresh program, so a misspelt name cannot ship.
TEST(Handlers, EveryHandlerRunsWithoutAFailingOperation) {
    ThrowOnFailure guard;
    for (const ScreenDef* s : built()) {
        for (const Handler& h : s->handlers) {
            Recording host;
            App app(host);
            app.start();
            Screen& screen = app.showScreen(s->name);
            EXPECT_NO_THROW(h.run(screen)) << s->name << ": " << h.control;
        }
    }
}

TEST(Focus, FirstFocusOfEveryScreen) {
    const std::map<std::string_view, std::string_view> first{
        {"Main", "Command10"}, {"FrmZ1", "Command2"}, {"FrmZ2", "Command2"}, {"FrmZ3", "Command2"},
        {"FrmZ4", "Command2"}, {"FrmZ5", "Command2"}, {"FrmZ6", "Command2"}, {"FrmZ7", "Command1"},
        {"FrmZ8", "Command2"}, {"FrmZ9", "Command2"}};
    for (const ScreenDef* s : built())
        EXPECT_EQ(s->controls[static_cast<std::size_t>(firstFocus(*s))].name, first.at(s->name)) << s->name;
}

TEST(Focus, MenuRunsFromExitUpThroughTheTaskButtons) {
    const ScreenDef& menu = *program()[0];
    std::vector<std::string_view> names;
    for (int i : focusOrder(menu)) names.push_back(menu.controls[static_cast<std::size_t>(i)].name);
    EXPECT_EQ(names, (std::vector<std::string_view>{"Command10", "Command9", "Command8", "Command7", "Command6",
                                                    "Command5", "Command4", "Command3", "Command2", "Command1"}));
}

// The menu's task buttons show their exercise first, then hide the menu; each exercise has a
// "Меню" that goes back and a "Выход" that ends the program.
TEST(ProgramNavigation, TaskButtonsMenuAndExit) {
    ThrowOnFailure guard;
    for (int n = 1; n <= 9; ++n) {
        const std::string name = "FrmZ" + std::to_string(n);
        Recording host;
        App app(host);
        app.start();
        Screen& menu = *app.find("Main");
        menu.click(menu.def().find("Command" + std::to_string(n)));
        if (!app.exists(name)) {
            EXPECT_EQ(host.log, std::vector<std::string>{"show Main"}) << name << " does not exist: nothing happens";
            continue;
        }
        EXPECT_EQ(host.log, (std::vector<std::string>{"show Main", "show " + name, "hide Main"}));
        Screen& ex = *app.find(name);
        int menuButton = -1, exit = -1;
        for (std::size_t i = 0; i < ex.def().controls.size(); ++i) {
            const Control& c = ex.def().controls[i];
            if (c.kind != Kind::CommandButton) continue;
            if (c.Caption == u"Меню") menuButton = static_cast<int>(i);
            if (c.Caption == u"Выход") exit = static_cast<int>(i);
        }
        ASSERT_GE(menuButton, 0) << name;
        ASSERT_GE(exit, 0) << name;
        ex.click(menuButton);
        EXPECT_EQ(host.log.back(), "show Main") << name;
        EXPECT_EQ(host.log[host.log.size() - 2], "hide " + name) << name;
        menu.click(menu.def().find("Command" + std::to_string(n)));
        EXPECT_EQ(app.find(name), &ex) << name << " is created once";
        ex.click(exit);
        EXPECT_TRUE(app.ended()) << name;
    }
}

TEST(ProgramNavigation, MenuExitEndsAtOnce) {
    Recording host;
    App app(host);
    app.start();
    Screen& menu = *app.find("Main");
    menu.click(menu.def().find("Command10"));
    EXPECT_TRUE(app.ended());
}

}  // namespace
