// The Qt side of the runtime: a window per live screen, shown, hidden and repainted on request.
#pragma once

#include <map>
#include <memory>

#include "runtime/live.h"
#include "window.h"

namespace smk::qt {

class QtHost : public Host {
public:
    QtHost();
    ~QtHost() override;
    void created(Screen& s) override;
    void shown(Screen& s, bool firstTime) override;
    void hidden(Screen& s) override;
    void changed(Screen& s, int control) override;
    void ended() override;

    ScreenWindow* window(const Screen& s) const;
    ScreenWindow* window(App& app, std::string_view name) const;

private:
    std::map<const Screen*, std::unique_ptr<ScreenWindow>> windows_;
};

// Runs the program: the menu first, then events until "Выход". Returns the exit status.
int runProgram();

}  // namespace smk::qt
