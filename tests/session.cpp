// A scripted session from start to «Выход», as the program runs it: the menu, every exercise opened,
// a few answers, back to the menu, and «Выход». Run with the leak checker by scripts/test-sanitized.
#include <QApplication>
#include <QTest>
#include <QTimer>

#include "runtime/qt/host.h"
#include "runtime/qt/widgets.h"

using namespace smk;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int status = 0;
    {
        qt::QtHost host;
        App program(host);
        program.start();
        auto button = [&](std::string_view screen, std::string_view name) {
            Screen* s = program.find(screen);
            return qobject_cast<QPushButton*>(host.window(*s)->widget(s->def().find(name)));
        };
        for (int n = 1; n <= 9; ++n) {
            const std::string task = "FrmZ" + std::to_string(n);
            button("Main", "Command" + std::to_string(n))->click();
            Screen* s = program.find(task);
            if (!s) continue;
            // Click every picture and label once, and type into every field.
            for (std::size_t i = 0; i < s->def().controls.size(); ++i) {
                const Control& c = s->def().controls[i];
                if (c.kind == Kind::Label || c.kind == Kind::Image) s->click(static_cast<int>(i));
                if (auto* f = qobject_cast<qt::Field*>(host.window(*s)->widget(static_cast<int>(i))))
                    f->insert(QStringLiteral("шар"));
            }
            QCoreApplication::processEvents();
            for (std::size_t i = 0; i < s->def().controls.size(); ++i)
                if (s->def().controls[i].Caption == u"Меню") qobject_cast<QPushButton*>(host.window(*s)->widget(static_cast<int>(i)))->click();
        }
        QTimer::singleShot(0, [&] { button("Main", "Command10")->click(); });
        status = QApplication::exec();
    }
    return status;
}
