// Speed and memory of the program beside a bare Qt window of the menu's size (tools/bare_window).
// Run it through scripts/bench, which builds it and gives it a display; docs/performance.md says
// what each figure means.
//
// usage: bench [--runs N] [--screen-runs N] [--no-callgrind]
//
// The driver starts child processes and prints medians:
//   start-up      process start to the first painted frame of the menu (this executable drives the
//                 same runtime, the same way, as the program's main), and of the bare window;
//                 instructions of a start-and-quit under callgrind, for both;
//   first showing of each exercise (the menu's button clicked: window created, pictures rendered,
//                 first frame painted), at scale 1 and 2;
//   clicks        every graphical control with a Click handler of exercises 2 and 8, in stored
//                 order: handler, then the repaint of what changed;
//   keystrokes    the right words typed into three fields of exercise 4, one character at a time;
//   memory        resident set after start, and after all ten screens have been shown (scale 2);
//   size          of the program's executable.
// Internal: bench --child startup | --child screens [SCREEN] (QT_SCALE_FACTOR set by the driver;
// with SCREEN, only that screen's first showing, for callgrind --instr-atstart=no).
#include <QApplication>
#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_START_INSTRUMENTATION
#define CALLGRIND_STOP_INSTRUMENTATION
#endif
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <elf.h>
#include <sys/resource.h>
#include <fcntl.h>
#include <map>
#include <spawn.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "runtime/qt/host.h"
#include "runtime/qt/pictures.h"
#include "runtime/qt/units.h"

extern char** environ;

using namespace smk;
using Clock = std::chrono::steady_clock;

namespace {

long long nowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count();
}

double msSince(Clock::time_point t0) {
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

// A line of /proc/self/status in kB ("VmRSS", "RssAnon", "RssFile", "RssShmem"), or -1.
long statusKb(const char* key) {
    std::FILE* f = std::fopen("/proc/self/status", "r");
    if (!f) return -1;
    char line[256];
    long kb = -1;
    const std::size_t n = std::strlen(key);
    while (std::fgets(line, sizeof line, f))
        if (std::strncmp(line, key, n) == 0 && line[n] == ':') kb = std::atol(line + n + 1);
    std::fclose(f);
    return kb;
}

long residentKb() { return statusKb("VmRSS"); }

// CPU time of the whole process (every thread), ms: the work, without the waits of a busy machine.
double cpuMs() {
    timespec ts;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

// ================================================================================================
// Children: the program's runtime, driven in-process.

// Counts paint events per top-level window; paints of child widgets count for their window.
class PaintCounter : public QObject {
public:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && o->isWidgetType()) {
            QWidget* top = static_cast<QWidget*>(o)->window();
            ++counts[top];
            if (onPaint) onPaint(top);
        }
        return QObject::eventFilter(o, e);
    }
    std::map<QWidget*, int> counts;
    std::function<void(QWidget*)> onPaint;
};

void setUpLikeTheProgram() {
    QApplication::setApplicationName(QStringLiteral("smekalka"));
    QApplication::setApplicationDisplayName(QStringLiteral("Смекалка"));
    QApplication::setWindowIcon(qt::programIcon());
}

// Start-up exactly as the program's main, quitting once the menu's first frame is painted.
int childStartup(int argc, char** argv) {
    QApplication qapp(argc, argv);
    setUpLikeTheProgram();
    PaintCounter pc;
    bool seen = false;
    pc.onPaint = [&](QWidget*) {
        if (seen) return;
        seen = true;
        // The paint and the flush to the display finish before the event loop turns again.
        QTimer::singleShot(0, [] {
            std::printf("painted %lld rss %ld cpu %.3f\n", nowNs(), residentKb(), cpuMs());
            std::fflush(stdout);
            QCoreApplication::quit();
        });
    };
    qapp.installEventFilter(&pc);
    qt::QtHost host;
    App app(host);
    app.start();
    return QApplication::exec();
}

// Runs the event loop until `top` has been painted (and flushed) once more; false after 5 s.
bool waitForPaint(PaintCounter& pc, QWidget* top) {
    const int before = pc.counts[top];
    const auto t0 = Clock::now();
    while (pc.counts[top] == before) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (msSince(t0) > 60000) return false;  // a hang guard, long enough for valgrind
    }
    QCoreApplication::processEvents();  // whatever the paint posted (nothing, usually)
    return true;
}

// Sends the events, then turns the event loop until a repaint of `top` has happened, or 50 ms
// without one (a click that changes nothing). Returns the time in ms, negative without a repaint.
template <class Send>
double timedWithRepaint(PaintCounter& pc, QWidget* top, Send send) {
    const int before = pc.counts[top];
    const auto t0 = Clock::now();
    send();
    while (pc.counts[top] == before) {
        QCoreApplication::processEvents();
        if (msSince(t0) > 50) return -1;
    }
    return msSince(t0);
}

void clickEveryPicture(Screen& s, qt::ScreenWindow* w, PaintCounter& pc) {
    const ScreenDef& def = s.def();
    for (const Handler& h : def.handlers) {
        if (h.event != Event::Click) continue;
        const int i = def.find(h.control);
        if (i < 0 || isWindowed(def.controls[static_cast<std::size_t>(i)].kind)) continue;
        if (!s.state(i).visible) continue;
        const Control& c = def.controls[static_cast<std::size_t>(i)];
        const QPointF at = w->pointOf(c.Left + c.Width / 2, c.Top + c.Height / 2);
        const double ms = timedWithRepaint(pc, w, [&] {
            QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(w, &press);
            QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(w, &release);
        });
        std::printf("click %.*s %.*s %.4f\n", int(def.name.size()), def.name.data(), int(h.control.size()), h.control.data(), ms);
    }
}

void typeWords(Screen& s, qt::ScreenWindow* w, PaintCounter& pc) {
    const std::pair<const char*, const char16_t*> words[] = {{"Text1", u"шар"}, {"Text2", u"заяц"}, {"Text3", u"дом"}};
    for (auto [field, word] : words) {
        QWidget* f = w->widget(s.def().find(field));
        if (!f) continue;
        f->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        for (const char16_t* c = word; *c; ++c) {
            const QString text(QChar(static_cast<char16_t>(*c)));
            const double ms = timedWithRepaint(pc, w, [&] {
                QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
                QCoreApplication::sendEvent(f, &press);
                QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, text);
                QCoreApplication::sendEvent(f, &release);
            });
            std::printf("key %.*s %s %.4f\n", int(s.def().name.size()), s.def().name.data(), field, ms);
        }
    }
}

QPushButton* buttonWithHandler(App& app, qt::QtHost& host, Screen& s, HandlerFn fn, std::string_view control = {}) {
    for (const Handler& h : s.def().handlers)
        if (h.event == Event::Click && (fn ? h.run == fn : h.control == control))
            return qobject_cast<QPushButton*>(host.window(s)->widget(s.def().find(h.control)));
    (void)app;
    return nullptr;
}

// Opens each exercise from the menu in turn, times its first showing, clicks or types where asked,
// and goes back to the menu.
int childScreens(int argc, char** argv) {
    QApplication qapp(argc, argv);
    setUpLikeTheProgram();
    PaintCounter pc;
    qapp.installEventFilter(&pc);
    qt::QtHost host;
    App app(host);
    app.start();
    Screen& menu = *app.live(0);
    qt::ScreenWindow* menuWindow = host.window(menu);
    if (!waitForPaint(pc, menuWindow)) { std::fprintf(stderr, "bench: the menu was never painted\n"); return 1; }
    std::printf("rss start %ld\n", residentKb());
    int shown = 1;
    // With a screen's name after "screens", only that screen is opened, and only its first showing
    // is measured by callgrind (started with --instr-atstart=no).
    const std::string only = argc > 3 ? argv[3] : "";
    for (std::size_t k = 1; k < app.screens().size(); ++k) {
        const ScreenDef* def = app.screens()[k];
        const std::string button = "Command" + std::to_string(k);
        if (def && !only.empty() && def->name != only) continue;
        if (!def) {
            std::printf("absent %zu\n", k);
            continue;
        }
        QPushButton* open = buttonWithHandler(app, host, menu, nullptr, button);
        if (!open) { std::fprintf(stderr, "bench: the menu has no %s\n", button.c_str()); return 1; }
        const auto t0 = Clock::now();
        const double c0 = cpuMs();
        rusage u0;
        getrusage(RUSAGE_SELF, &u0);
        CALLGRIND_START_INSTRUMENTATION;
        open->click();
        Screen* s = app.find(def->name);
        qt::ScreenWindow* w = s ? host.window(*s) : nullptr;
        if (!w || !waitForPaint(pc, w)) { std::fprintf(stderr, "bench: %.*s was never painted\n", int(def->name.size()), def->name.data()); return 1; }
        CALLGRIND_STOP_INSTRUMENTATION;
        if (!only.empty()) {
            rusage u1;
            getrusage(RUSAGE_SELF, &u1);
            auto ms = [](timeval a, timeval b) { return (b.tv_sec - a.tv_sec) * 1e3 + (b.tv_usec - a.tv_usec) / 1e3; };
            std::printf("show %.*s %.1f ms: user %.1f ms, system %.1f ms, %ld page faults\n", int(def->name.size()),
                        def->name.data(), msSince(t0), ms(u0.ru_utime, u1.ru_utime), ms(u0.ru_stime, u1.ru_stime),
                        u1.ru_minflt - u0.ru_minflt);
            return 0;
        }
        std::printf("show %.*s %.4f %.4f\n", int(def->name.size()), def->name.data(), msSince(t0), cpuMs() - c0);
        ++shown;
        if (def->name == "FrmZ2" || def->name == "FrmZ8") clickEveryPicture(*s, w, pc);
        if (def->name == "FrmZ4") typeWords(*s, w, pc);
        QPushButton* back = buttonWithHandler(app, host, *s, menuButton);
        if (!back) { std::fprintf(stderr, "bench: %.*s has no menu button\n", int(def->name.size()), def->name.data()); return 1; }
        back->click();
        if (!waitForPaint(pc, menuWindow)) { std::fprintf(stderr, "bench: the menu was not painted again\n"); return 1; }
    }
    std::printf("rss all %ld shown %d\n", residentKb(), shown);
    std::printf("rss parts anon %ld file %ld shmem %ld\n", statusKb("RssAnon"), statusKb("RssFile"), statusKb("RssShmem"));
    return 0;
}

// ================================================================================================
// The driver.

std::string selfDir() {
    char buf[4096];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return ".";
    buf[n] = 0;
    std::string p(buf);
    return p.substr(0, p.rfind('/'));
}

bool exists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

struct Run {
    long long startNs = 0;
    pid_t pid = 0;
    std::string out, err;
    int status = -1;
};

std::string readAll(int fd) {
    std::string s;
    char buf[4096];
    ssize_t n;
    while ((n = ::read(fd, buf, sizeof buf)) > 0) s.append(buf, static_cast<std::size_t>(n));
    return s;
}

// Runs a process with extra environment entries; captures stdout and (to a file) stderr.
Run spawn(const std::vector<std::string>& args, const std::vector<std::string>& env = {}) {
    std::vector<std::string> envs;
    for (char** e = environ; *e; ++e) {
        std::string s(*e);
        bool replaced = false;
        for (const auto& x : env)
            if (s.substr(0, s.find('=') + 1) == x.substr(0, x.find('=') + 1)) replaced = true;
        if (!replaced) envs.push_back(s);
    }
    for (const auto& x : env) envs.push_back(x);
    std::vector<char*> argv, envp;
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    for (const auto& e : envs) envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);

    int out[2];
    if (pipe(out) != 0) return {};
    char errPath[] = "/tmp/bench-stderr-XXXXXX";
    int errFd = mkstemp(errPath);
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_adddup2(&fa, out[1], 1);
    posix_spawn_file_actions_adddup2(&fa, errFd, 2);
    posix_spawn_file_actions_addclose(&fa, out[0]);
    Run r;
    r.startNs = nowNs();
    if (posix_spawn(&r.pid, argv[0], &fa, nullptr, argv.data(), envp.data()) != 0) {
        std::fprintf(stderr, "bench: cannot start %s\n", argv[0]);
        std::exit(1);
    }
    posix_spawn_file_actions_destroy(&fa);
    ::close(out[1]);
    r.out = readAll(out[0]);
    ::close(out[0]);
    waitpid(r.pid, &r.status, 0);
    lseek(errFd, 0, SEEK_SET);
    r.err = readAll(errFd);
    ::close(errFd);
    ::unlink(errPath);
    return r;
}

double median(std::vector<double> v) {
    if (v.empty()) return -1;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

double maxOf(const std::vector<double>& v) { return v.empty() ? -1 : *std::max_element(v.begin(), v.end()); }

struct Startup {
    double ms = -1;
    double rssMb = -1;
    double cpuMs = -1;
};

Startup parseStartup(const Run& r) {
    long long painted = 0;
    long rss = -1;
    double cpu = -1;
    if (std::sscanf(r.out.c_str(), "painted %lld rss %ld cpu %lf", &painted, &rss, &cpu) != 3) {
        std::fprintf(stderr, "bench: a start-up run failed:\n%s%s\n", r.out.c_str(), r.err.c_str());
        std::exit(1);
    }
    return {(painted - r.startNs) / 1e6, rss / 1024.0, cpu};
}

// Instructions executed under callgrind, or -1.
long long instructions(const std::vector<std::string>& args, const std::string& outFile) {
    std::vector<std::string> a{"/usr/bin/valgrind", "--tool=callgrind", "--callgrind-out-file=" + outFile};
    a.insert(a.end(), args.begin(), args.end());
    Run r = spawn(a);
    // Only the process started here: a child forked on the way (a helper Qt or D-Bus starts) reports
    // its own count, which includes the parent's up to the fork.
    const std::string key = "==" + std::to_string(r.pid) + "== Collected : ";
    auto at = r.err.find(key);
    if (at == std::string::npos) {
        std::fprintf(stderr, "bench: callgrind failed:\n%s\n", r.err.c_str());
        return -1;
    }
    return std::atoll(r.err.c_str() + at + key.size());
}

// The size of the loadable segments of an ELF file (what the program maps), and the whole file.
std::pair<long, long> executableSize(const std::string& path) {
    int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) return {-1, -1};
    struct stat st;
    fstat(fd, &st);
    Elf64_Ehdr eh;
    long loadable = 0;
    if (pread(fd, &eh, sizeof eh, 0) == sizeof eh && std::memcmp(eh.e_ident, ELFMAG, SELFMAG) == 0) {
        for (int i = 0; i < eh.e_phnum; ++i) {
            Elf64_Phdr ph;
            if (pread(fd, &ph, sizeof ph, static_cast<off_t>(eh.e_phoff + i * eh.e_phentsize)) != sizeof ph) break;
            if (ph.p_type == PT_LOAD) loadable += static_cast<long>(ph.p_filesz);
        }
    }
    ::close(fd);
    return {loadable, static_cast<long>(st.st_size)};
}

const char* verdict(bool ok) { return ok ? "met" : "MISSED"; }

int driver(int argc, char** argv) {
    int runs = 9, screenRuns = 5;
    bool callgrind = true;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--runs" && i + 1 < argc) runs = std::max(1, std::atoi(argv[++i]));
        else if (a == "--screen-runs" && i + 1 < argc) screenRuns = std::max(1, std::atoi(argv[++i]));
        else if (a == "--no-callgrind") callgrind = false;
        else {
            std::fprintf(stderr, "usage: bench [--runs N] [--screen-runs N] [--no-callgrind]\n");
            return 2;
        }
    }
    const std::string dir = selfDir();
    const std::string self = dir + "/bench", bare = dir + "/bare_window", program = dir + "/smekalka";
    if (!exists(bare)) { std::fprintf(stderr, "bench: %s is missing; build the bare_window target\n", bare.c_str()); return 1; }
    const ScreenDef& menuDef = *smk::program()[0];
    const std::string size = std::to_string(qt::pxRound(menuDef.ClientWidth)) + "x" + std::to_string(qt::pxRound(menuDef.ClientHeight));
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("Smekalka benchmark: platform %s, display %s, %d start-up runs, %d runs of the screens; medians.\n",
                platform ? platform : "(default)", std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "(none)", runs, screenRuns);
    std::printf("Reference: a bare Qt window of %s logical pixels (tools/bare_window).\n\n", size.c_str());

    // --- 1. Start-up --------------------------------------------------------------------------
    std::vector<double> progMs, bareMs, progRss, bareRss, progCpu, bareCpu;
    spawn({self, "--child", "startup"});  // warm the file cache and the font caches
    spawn({bare, "--size", size});
    for (int i = 0; i < runs; ++i) {
        Startup p = parseStartup(spawn({self, "--child", "startup"}));
        Startup b = parseStartup(spawn({bare, "--size", size}));
        progMs.push_back(p.ms), progRss.push_back(p.rssMb), progCpu.push_back(p.cpuMs);
        bareMs.push_back(b.ms), bareRss.push_back(b.rssMb), bareCpu.push_back(b.cpuMs);
    }
    const double pm = median(progMs), bm = median(bareMs);
    std::printf("1. Start-up, process start to the menu's first painted frame\n");
    std::printf("   program %8.1f ms   bare window %8.1f ms   ratio %.2f (target <= 1.15: %s)\n", pm, bm, pm / bm, verdict(pm / bm <= 1.15));
    std::printf("   CPU time to that frame: program %.1f ms   bare window %.1f ms   ratio %.2f\n",
                median(progCpu), median(bareCpu), median(progCpu) / median(bareCpu));
    std::printf("   (all runs, program: ");
    for (double v : progMs) std::printf("%.0f ", v);
    std::printf("; bare: ");
    for (double v : bareMs) std::printf("%.0f ", v);
    std::printf("ms)\n");
    if (callgrind && exists("/usr/bin/valgrind")) {
        const long long pi = instructions({self, "--child", "startup"}, dir + "/callgrind.program.out");
        const long long bi = instructions({bare, "--size", size}, dir + "/callgrind.bare.out");
        if (pi > 0 && bi > 0)
            std::printf("   instructions of start-and-quit: program %.1f M   bare window %.1f M   ratio %.2f (target <= 1.2: %s)\n"
                        "   (profiles: %s/callgrind.{program,bare}.out)\n",
                        pi / 1e6, bi / 1e6, double(pi) / double(bi), verdict(double(pi) / double(bi) <= 1.2), dir.c_str());
    } else {
        std::printf("   instructions: skipped (no valgrind, or --no-callgrind)\n");
    }

    // --- 2-4. Screens, clicks, keystrokes, memory ----------------------------------------------
    std::map<std::string, std::vector<double>> show[3], showCpu[3];  // by scale
    std::vector<double> clicks[3], keys[3];
    std::map<std::string, std::vector<double>> clickBy[3];
    std::vector<double> rssStart2, rssAll2, bareRss2, bareSecond[3];
    std::vector<int> absent;
    std::string memoryParts;
    int shown = 0;
    for (int scale : {1, 2}) {
        const std::vector<std::string> env{"QT_SCALE_FACTOR=" + std::to_string(scale)};
        for (int i = 0; i < screenRuns; ++i) {
            Run r = spawn({self, "--child", "screens"}, env);
            if (r.status != 0) {
                std::fprintf(stderr, "bench: the screens run failed:\n%s%s\n", r.out.c_str(), r.err.c_str());
                return 1;
            }
            char name[64], control[64];
            double ms, cpu;
            long kb;
            int n;
            for (std::size_t pos = 0; pos < r.out.size();) {
                std::size_t end = r.out.find('\n', pos);
                const std::string line = r.out.substr(pos, end - pos);
                pos = end == std::string::npos ? r.out.size() : end + 1;
                if (std::sscanf(line.c_str(), "show %63s %lf %lf", name, &ms, &cpu) == 3)
                    show[scale][name].push_back(ms), showCpu[scale][name].push_back(cpu);
                else if (std::sscanf(line.c_str(), "click %63s %63s %lf", name, control, &ms) == 3) {
                    if (ms >= 0) clicks[scale].push_back(ms), clickBy[scale][name].push_back(ms);
                } else if (std::sscanf(line.c_str(), "key %63s %63s %lf", name, control, &ms) == 3) {
                    if (ms >= 0) keys[scale].push_back(ms);
                } else if (std::sscanf(line.c_str(), "rss start %ld", &kb) == 1) {
                    if (scale == 2) rssStart2.push_back(kb / 1024.0);
                } else if (std::sscanf(line.c_str(), "rss all %ld shown %d", &kb, &n) == 2) {
                    if (scale == 2) rssAll2.push_back(kb / 1024.0);
                    shown = n;
                } else if (line.rfind("rss parts", 0) == 0) {
                    if (scale == 2 && i == 0) memoryParts = line.substr(10);
                } else if (std::sscanf(line.c_str(), "absent %d", &n) == 1) {
                    if (scale == 1 && i == 0) absent.push_back(n);
                }
            }
        }
        if (scale == 2)
            for (int i = 0; i < runs; ++i)
                bareRss2.push_back(parseStartup(spawn({bare, "--size", size}, env)).rssMb);
        for (int i = 0; i < screenRuns; ++i) {
            const Run r = spawn({bare, "--size", size, "--second"}, env);
            double ms;
            if (std::sscanf(r.out.c_str(), "second %lf", &ms) == 1) bareSecond[scale].push_back(ms);
        }
    }
    std::printf("\n2. First showing of each exercise (menu button clicked to first frame painted), ms\n");
    std::printf("   %-8s %9s %9s %9s %9s\n", "screen", "scale 1", "(CPU)", "scale 2", "(CPU)");
    double worst2 = 0, worstCpu2 = 0;
    for (const auto& [name, v] : show[1]) {
        const double s2 = median(show[2][name]), c2 = median(showCpu[2][name]);
        worst2 = std::max(worst2, s2);
        worstCpu2 = std::max(worstCpu2, c2);
        std::printf("   %-8s %9.1f %9.1f %9.1f %9.1f\n", name.c_str(), median(v), median(showCpu[1][name]), s2, c2);
    }
    for (int k : absent) std::printf("   FrmZ%-4d not built yet\n", k);
    if (!bareSecond[1].empty() && !bareSecond[2].empty())
        std::printf("   %-8s %9.1f %9s %9.1f   (reference: a bare window of the menu's size shown\n"
                    "   %-8s %9s %9s %9s    after the first, to its first painted frame)\n",
                    "bare", median(bareSecond[1]), "", median(bareSecond[2]), "", "", "", "");
    std::printf("   slowest at scale 2: %.1f ms, %.1f ms of CPU (target < 30: %s)\n", worst2, worstCpu2, verdict(worst2 < 30));

    std::printf("\n3. A click or keystroke, handler and repaint, ms (median / slowest over every sample)\n");
    double worstInput = 0;
    for (const char* screen : {"FrmZ2", "FrmZ8"}) {
        for (int scale : {1, 2}) {
            const auto& v = clickBy[scale][screen];
            if (v.empty()) { std::printf("   click %s: not built yet\n", screen); break; }
            std::printf("   click %s, scale %d: %.2f / %.2f (%zu samples)\n", screen, scale, median(v), maxOf(v), v.size());
            worstInput = std::max(worstInput, median(v));
        }
    }
    for (int scale : {1, 2}) {
        if (keys[scale].empty()) { std::printf("   keystroke FrmZ4: not built yet\n"); break; }
        std::printf("   keystroke FrmZ4, scale %d: %.2f / %.2f (%zu samples)\n", scale, median(keys[scale]), maxOf(keys[scale]), keys[scale].size());
        worstInput = std::max(worstInput, median(keys[scale]));
    }
    std::printf("   slowest median: %.2f ms (target < 2: %s)\n", worstInput, verdict(worstInput < 2));

    const double rs = median(rssStart2), ra = median(rssAll2), rb = median(bareRss), rb2 = median(bareRss2);
    std::printf("\n4. Resident memory, MB\n");
    std::printf("   after start, scale 1:   program %6.1f   bare window %6.1f\n", median(progRss), rb);
    std::printf("   after start, scale 2:   program %6.1f   bare window %6.1f\n", rs, rb2);
    std::printf("   all %d screens shown, scale 2: program %6.1f   bare window %6.1f   difference %.1f (target <= 40: %s)\n",
                shown, ra, rb2, ra - rb2, verdict(ra - rb2 <= 40));
    std::printf("   (program, all shown, kB: %s)\n", memoryParts.c_str());

    const auto [load, file] = executableSize(program);
    const auto [bareLoad, bareFile] = executableSize(bare);
    std::printf("\n5. Executable size\n");
    if (load < 0) std::printf("   %s is missing; build the smekalka target\n", program.c_str());
    else std::printf("   smekalka: %.2f MB loaded (code, data, embedded pictures and fonts), %.2f MB file with debug info\n"
                     "   bare window: %.3f MB loaded\n", load / 1048576.0, file / 1048576.0, bareLoad / 1048576.0);
    (void)bareFile;
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::string(argv[1]) == "--child") {
        const std::string what = argv[2];
        if (what == "startup") return childStartup(argc, argv);
        if (what == "screens") return childScreens(argc, argv);
        return 2;
    }
    return driver(argc, argv);
}
