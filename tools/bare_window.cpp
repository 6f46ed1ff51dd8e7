// The reference for the benchmark: a bare Qt Widgets window of the menu's size and nothing else.
// It shows the window, and once its first frame is painted prints the time (steady clock, ns) and
// its resident memory, then quits.
//
// usage: bare_window [--size WxH]   (default 697x671, the menu's client area in logical pixels)
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>

namespace {

long residentKb() {
    std::FILE* f = std::fopen("/proc/self/status", "r");
    if (!f) return -1;
    char line[256];
    long kb = -1;
    while (std::fgets(line, sizeof line, f))
        if (std::strncmp(line, "VmRSS:", 6) == 0) kb = std::atol(line + 6);
    std::fclose(f);
    return kb;
}

class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // The paint and the flush to the display run before the event loop turns again.
            QTimer::singleShot(0, [] {
                const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(
                    std::chrono::steady_clock::now().time_since_epoch()).count();
                timespec cpu;
                clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
                std::printf("painted %lld rss %ld cpu %.3f\n", static_cast<long long>(ns), residentKb(),
                            cpu.tv_sec * 1e3 + cpu.tv_nsec / 1e6);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(o, e);
    }

private:
    bool seen_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    int w = 697, h = 671;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string(argv[i]) == "--size") std::sscanf(argv[i + 1], "%dx%d", &w, &h);
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Смекалка"));
    window.setFixedSize(w, h);
    FirstPaint fp;
    window.installEventFilter(&fp);
    window.show();
    return QApplication::exec();
}
