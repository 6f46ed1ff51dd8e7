// The reference for the benchmark: a bare Qt Widgets window of the menu's size and nothing else.
// It shows the window, and once its first frame is painted prints the time (steady clock, ns) and
// its resident memory, then quits.
// With --second, the reference for an exercise's first showing: once the first window is painted it
// hides it and shows a second bare window of the same size, and prints the milliseconds from
// creating that window to its first painted frame.
//
// usage: bare_window [--size WxH] [--second]   (default 697x671, the menu's client area in logical
// pixels)
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
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

double nowMs() {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// Calls `then` once, after the first paint of the watched window and its flush to the display.
class AfterFirstPaint : public QObject {
public:
    explicit AfterFirstPaint(std::function<void()> then) : then_(std::move(then)) {}
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && then_) {
            // The paint and the flush to the display run before the event loop turns again.
            QTimer::singleShot(0, std::move(then_));
            then_ = nullptr;
        }
        return QObject::eventFilter(o, e);
    }

private:
    std::function<void()> then_;
};

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
    bool second = false;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--size" && i + 1 < argc) std::sscanf(argv[i + 1], "%dx%d", &w, &h);
        if (std::string(argv[i]) == "--second") second = true;
    }
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Смекалка"));
    window.setFixedSize(w, h);
    FirstPaint fp;
    std::unique_ptr<QWidget> other;
    double t0 = 0;
    AfterFirstPaint otherPainted([&] {
        std::printf("second %.3f\n", nowMs() - t0);
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    AfterFirstPaint firstPainted([&] {
        t0 = nowMs();
        window.hide();
        other = std::make_unique<QWidget>();
        other->setWindowTitle(QStringLiteral("Смекалка"));
        other->setFixedSize(w, h);
        other->installEventFilter(&otherPainted);
        other->show();
    });
    window.installEventFilter(second ? static_cast<QObject*>(&firstPainted) : &fp);
    window.show();
    return QApplication::exec();
}
