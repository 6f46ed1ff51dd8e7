// Renders a screen of the program offscreen to PNG, optionally after clicks and typing.
//
// usage: snapshot [--scale N] [--out FILE.png] SCREEN [ACTION ...]
//   SCREEN           Main, FrmZ1 ... FrmZ9 (shown as if opened from the menu)
//   click:NAME       click a control by name (NAME or NAME(INDEX))
//   at:X,Y           a pointer click at a point in twips
//   type:NAME=TEXT   type TEXT into a text field, one character at a time
#include <QApplication>
#include <QPushButton>
#include <cstdio>
#include <string>

#include "runtime/qt/host.h"
#include "runtime/qt/widgets.h"

using namespace smk;

namespace {

int findControl(const ScreenDef& def, const std::string& spec) {
    auto open = spec.find('(');
    if (open == std::string::npos) return def.find(spec);
    return def.find(std::string_view(spec).substr(0, open), std::stoi(spec.substr(open + 1)));
}

}  // namespace

int main(int argc, char** argv) {
    std::string scale = "1", out, screenName;
    std::vector<std::string> actions;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--scale" && i + 1 < argc) scale = argv[++i];
        else if (a == "--out" && i + 1 < argc) out = argv[++i];
        else if (screenName.empty()) screenName = a;
        else actions.push_back(a);
    }
    if (screenName.empty()) {
        std::fprintf(stderr, "usage: snapshot [--scale N] [--out FILE.png] SCREEN [click:NAME | at:X,Y | type:NAME=TEXT ...]\n");
        return 2;
    }
    if (out.empty()) out = screenName + "@" + scale + "x.png";
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", QByteArray::fromStdString(scale));
    QApplication qapp(argc, argv);

    qt::QtHost host;
    App app(host);
    app.start();
    if (screenName != "Main") {
        if (!app.exists(screenName)) {
            std::fprintf(stderr, "snapshot: no screen %s\n", screenName.c_str());
            return 1;
        }
        app.showScreen(screenName);
        app.hideScreen("Main");
    }
    Screen& s = *app.find(screenName);
    qt::ScreenWindow* w = host.window(s);
    QCoreApplication::processEvents();

    for (const std::string& a : actions) {
        if (a.rfind("click:", 0) == 0) {
            int i = findControl(s.def(), a.substr(6));
            if (i < 0) { std::fprintf(stderr, "snapshot: no control %s\n", a.c_str() + 6); return 1; }
            if (auto* b = qobject_cast<QPushButton*>(w->widget(i))) b->click();
            else s.click(i);
        } else if (a.rfind("at:", 0) == 0) {
            auto comma = a.find(',');
            s.clickAt(std::stoi(a.substr(3, comma - 3)), std::stoi(a.substr(comma + 1)));
        } else if (a.rfind("type:", 0) == 0) {
            auto eq = a.find('=');
            int i = findControl(s.def(), a.substr(5, eq - 5));
            auto* f = qobject_cast<qt::Field*>(w->widget(i));
            if (!f) { std::fprintf(stderr, "snapshot: no text field %s\n", a.c_str() + 5); return 1; }
            for (QChar ch : QString::fromStdString(a.substr(eq + 1))) f->insert(QString(ch));
        } else {
            std::fprintf(stderr, "snapshot: unknown action %s\n", a.c_str());
            return 2;
        }
        QCoreApplication::processEvents();
    }
    QCoreApplication::processEvents();
    if (!w->grab().save(QString::fromStdString(out))) {
        std::fprintf(stderr, "snapshot: cannot write %s\n", out.c_str());
        return 1;
    }
    std::printf("%s\n", out.c_str());
    return 0;
}
