// A storm of random input on the real windows, as a child gives it: clicks anywhere, double clicks,
// Tab and Shift+Tab, Space and Enter, close boxes, typing of every kind of text, huge pastes. After every
// event the rules that hold on every screen are checked. Seeded and reproducible.
//
// usage: storm_tests [--seeds 1,2,3] [--events N] [--verbose]
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QTest>
#include <cstdio>
#include <deque>
#include <map>
#include <random>
#include <set>

#include "runtime/qt/units.h"
#include "ui_support.h"

using namespace smk;
using namespace smk::test;

namespace {

// Words a feedback label may show. A label that shows anything else is a blank that an answer fills.
const std::set<std::u16string> kPositive{u"Молодец", u"Верно", u"Правильно", u"П р а в и л ь н о"};
const std::set<std::u16string> kNegative{u"Ой-ой", u"Неправильно", u"Н е    п р а в и л ь н о"};
// Most events that would end the program are passed over, so that a run goes deep into the exercises.
constexpr double kEndingKept = 0.1;

bool isVerdict(const std::u16string& s) { return s.empty() || kPositive.count(s) || kNegative.count(s); }

// What typing a text puts into a field: the keys that type nothing leave it as it is.
QString typable(const QString& t) {
    QString out;
    for (QChar ch : t)
        if (ch.isPrint() || ch.isSurrogate()) out += ch;
    return out;
}

struct Tracked {
    std::vector<LiveControl> initial, last;
    std::vector<bool> visibilityChanged, pictureChanged, blankFilled;
    std::map<int, QString> expectedText;  // per field
};

class Storm {
public:
    Storm(std::uint64_t seed, bool verbose) : rng_(seed), seed_(seed), verbose_(verbose) {}

    bool run(long events) {
        restart();
        for (event_ = 0; event_ < events; ++event_) {
            if (!step()) return false;
        }
        std::printf("seed %llu: %ld events, %d runs of the program, %ld answers changed a screen, %ld typed or pasted texts\n",
                    static_cast<unsigned long long>(seed_), events, runs_, substantive_, typed_);
        return true;
    }

private:
    // --- random helpers ------------------------------------------------------------------------
    int uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }

    QString randomText() {
        static const QString russian = QStringLiteral("абвгдеёжзийклмнопрстуфхцчшщъыьэюяАБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ");
        static const QString latin = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCXYZ");
        static const char16_t* words[] = {u"шар", u"заяц", u"дом", u"зонт", u"сыр", u"сумка", u"слон", u"гриб", u"рак", u"кошка",
                                          u"1", u"2", u"3", u"4", u"5", u"6", u"Шар", u"шар ", u"сыp"};
        QString t;
        const int kind = uniform(0, 9);
        const int n = uniform(1, 6);
        for (int i = 0; i < n; ++i) {
            switch (kind) {
            case 0: case 1: t += russian[uniform(0, int(russian.size()) - 1)]; break;
            case 2: t += latin[uniform(0, int(latin.size()) - 1)]; break;
            case 3: t += QChar(u'0' + uniform(0, 9)); break;
            case 4: t += QChar(u' '); break;
            case 5: t += QString::fromUcs4(std::u32string(1, char32_t(0x1F400 + uniform(0, 0x2FF))).data(), 1); break;
            case 6: t += QChar(char16_t(uniform(0, 31))); break;
            default: {
                const char16_t* w = words[uniform(0, int(std::size(words)) - 1)];
                t += QString::fromUtf16(w);
                i = n;
            }
            }
        }
        return t;
    }

    // --- the program ------------------------------------------------------------------------------
    void restart() {
        program_.reset();
        tracked_.clear();
        program_ = std::make_unique<Program>();
        ++runs_;
        track();
    }

    Screen& current() { return *program_->app.visible().front(); }
    qt::ScreenWindow* window() { return program_->host.window(current()); }

    void track() {
        for (std::size_t k = 0; k < program_->app.screens().size(); ++k) {
            Screen* s = program_->app.live(k);
            if (!s || tracked_.count(s)) continue;
            Tracked t;
            for (std::size_t i = 0; i < s->def().controls.size(); ++i) t.initial.push_back(s->state(int(i)));
            t.last = t.initial;
            t.visibilityChanged.assign(t.initial.size(), false);
            t.pictureChanged.assign(t.initial.size(), false);
            t.blankFilled.assign(t.initial.size(), false);
            for (std::size_t i = 0; i < s->def().controls.size(); ++i)
                if (s->def().controls[i].kind == Kind::TextBox) t.expectedText[int(i)] = QString();
            tracked_[s] = std::move(t);
        }
    }

    // The widget a press at `pt` of the window reaches, and the point in its own coordinates.
    std::pair<QWidget*, QPoint> target(QPoint pt) {
        QWidget* w = window();
        QWidget* child = w->childAt(pt);
        QWidget* t = child ? child : w;
        return {t, t->mapFrom(w, pt)};
    }
    static bool isExit(QWidget* w) {
        auto* b = qobject_cast<qt::Button*>(w);
        return b && b->control().Caption == u"Выход";
    }
    qt::Field* focusedField() { return qobject_cast<qt::Field*>(QApplication::focusWidget()); }
    qt::Field* randomField() {
        std::vector<qt::Field*> fields;
        for (std::size_t i = 0; i < current().def().controls.size(); ++i)
            if (auto* f = qobject_cast<qt::Field*>(window()->widget(int(i)))) fields.push_back(f);
        return fields.empty() ? nullptr : fields[std::size_t(uniform(0, int(fields.size()) - 1))];
    }
    int fieldIndex(qt::Field* f) { return current().def().find(f->control().name); }

    // --- one event ----------------------------------------------------------------------------------
    bool step() {
        Screen* before = &current();
        Screen* second = before;
        bool expectEnd = false;
        bool textUnknown = false;  // after undo and redo, the field's text is read, not predicted
        QString what;
        const int r = uniform(0, 99);
        QWidget* w = window();
        if (r < 40) {  // a click anywhere on the window
            const QPoint pt(uniform(0, w->width() - 1), uniform(0, w->height() - 1));
            auto [t, local] = target(pt);
            expectEnd = isExit(t);
            if (expectEnd && !chance(kEndingKept)) return true;
            what = QString("click %1,%2").arg(pt.x()).arg(pt.y());
            QTest::mouseClick(t, Qt::LeftButton, {}, local);
        } else if (r < 46) {  // a double click: two presses, the second a double click
            const QPoint pt(uniform(0, w->width() - 1), uniform(0, w->height() - 1));
            auto [t, local] = target(pt);
            expectEnd = isExit(t);
            if (expectEnd && !chance(kEndingKept)) return true;
            what = QString("double click %1,%2").arg(pt.x()).arg(pt.y());
            QTest::mouseClick(t, Qt::LeftButton, {}, local);
            if (!program_->app.ended()) {
                second = &current();  // the first click may have opened another screen
                auto [t2, local2] = target(pt);
                expectEnd = expectEnd || isExit(t2);
                QTest::mouseDClick(t2, Qt::LeftButton, {}, local2);
                QTest::mouseRelease(t2, Qt::LeftButton, {}, local2);
            }
        } else if (r < 56) {  // Tab or Shift+Tab
            QWidget* f = QApplication::focusWidget() ? QApplication::focusWidget() : w;
            const bool back = chance(0.4);
            what = back ? "Shift+Tab" : "Tab";
            QTest::keyClick(f, back ? Qt::Key_Backtab : Qt::Key_Tab, back ? Qt::ShiftModifier : Qt::NoModifier);
        } else if (r < 62) {  // Space or Enter on whatever has the focus
            QWidget* f = QApplication::focusWidget();
            if (!f) return true;
            const Qt::Key key = chance(0.5) ? Qt::Key_Space : Qt::Key_Return;
            expectEnd = isExit(f);
            if (expectEnd && !chance(kEndingKept)) return true;
            what = key == Qt::Key_Space ? "Space" : "Enter";
            if (auto* field = qobject_cast<qt::Field*>(f)) {
                QTest::keyClick(field, Qt::Key_End);
                if (key == Qt::Key_Space) tracked_[before].expectedText[fieldIndex(field)] += QChar(u' ');
            }
            QTest::keyClick(f, key);
        } else if (r < 64) {  // the close box
            expectEnd = before == program_->app.live(0);
            if (expectEnd && !chance(kEndingKept)) return true;
            what = "close";
            w->close();
        } else if (r < 94) {  // typing, pasting and deleting in a field
            qt::Field* f = chance(0.5) ? focusedField() : nullptr;
            if (!f) f = randomField();
            if (!f) return true;
            QTest::mouseClick(f, Qt::LeftButton, {}, QPoint(2, f->height() / 2));
            QTest::keyClick(f, Qt::Key_End);
            QString& expected = tracked_[before].expectedText[fieldIndex(f)];
            const int op = uniform(0, 19);
            if (op < 12) {
                const QString t = randomText();
                what = "type " + t;
                for (int i = 0; i < t.size(); ++i) {
                    const int n = t[i].isHighSurrogate() && i + 1 < t.size() ? 2 : 1;
                    QTest::sendKeyEvent(QTest::Click, f, Qt::Key_unknown, t.mid(i, n), {});
                    i += n - 1;
                }
                expected += typable(t);
                ++typed_;
            } else if (op < 15) {
                const bool huge = chance(0.05);
                const QString t = huge ? QString(uniform(1, 1 << 20), QChar(u'ш')) + randomText() : randomText();
                what = QString("paste %1 characters").arg(t.size());
                QGuiApplication::clipboard()->setText(t);
                QTest::keyClick(f, Qt::Key_V, Qt::ControlModifier);
                expected += t;
                ++typed_;
            } else if (op < 17) {
                what = "Backspace";
                QTest::keyClick(f, Qt::Key_Backspace);
                if (!expected.isEmpty()) expected.chop(expected.size() > 1 && expected.back().isLowSurrogate() && expected[expected.size() - 2].isHighSurrogate() ? 2 : 1);
            } else if (op < 18) {
                what = "select all, Delete";
                QTest::keyClick(f, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClick(f, Qt::Key_Delete);
                expected.clear();
            } else {
                what = op == 18 ? "undo" : "redo";
                QTest::keyClick(f, op == 18 ? Qt::Key_Z : Qt::Key_Y, Qt::ControlModifier);
                textUnknown = true;
            }
        } else {  // a right-button or middle-button click: nothing
            const QPoint pt(uniform(0, w->width() - 1), uniform(0, w->height() - 1));
            auto [t, local] = target(pt);
            what = "right click";
            QTest::mouseClick(t, chance(0.5) ? Qt::RightButton : Qt::MiddleButton, {}, local);
        }
        remember(what);
        if (!program_->app.ended()) QCoreApplication::processEvents();
        return check(before, second, expectEnd, textUnknown);
    }

    void remember(const QString& what) {
        history_.push_back(QString("%1 on %2").arg(what, QString::fromUtf8(current().def().name.data(), current().def().name.size())));
        if (history_.size() > 12) history_.pop_front();
        if (verbose_) std::printf("%ld %s\n", event_, qPrintable(history_.back()));
    }

    bool failure(const QString& why) {
        std::fprintf(stderr, "storm: seed %llu, event %ld: %s\nlast events:\n", static_cast<unsigned long long>(seed_), event_, qPrintable(why));
        for (const QString& h : history_) std::fprintf(stderr, "  %s\n", qPrintable(h));
        return false;
    }

    // --- the rules ----------------------------------------------------------------------------------
    bool check(Screen* before, Screen* second, bool expectEnd, bool textUnknown) {
        if (program_->app.ended()) {
            if (!expectEnd) return failure("the program ended without «Выход» or the menu's close box");
            if (!program_->visibleScreens().empty()) return failure("a window is still visible after the end");
            restart();
            return true;
        }
        if (expectEnd) return failure("«Выход» did not end the program");
        const auto shown = program_->visibleScreens();
        if (shown.size() != 1) return failure(QString("%1 screens visible").arg(shown.size()));
        track();

        for (auto& [screen, t] : tracked_) {
            const auto& controls = screen->def().controls;
            bool substantive = false;
            std::vector<std::u16string> verdicts;
            for (std::size_t i = 0; i < controls.size(); ++i) {
                const LiveControl& now = screen->state(int(i));
                LiveControl& was = t.last[i];
                const QString name = QString::fromUtf8(controls[i].name.data(), controls[i].name.size());
                if (now.visible != was.visible) {
                    if (t.visibilityChanged[i]) return failure(name + " changed its visibility back");
                    t.visibilityChanged[i] = true;
                    substantive = true;
                }
                if (now.picture != was.picture) {
                    if (t.pictureChanged[i] || !now.picture) return failure(name + " lost or changed a picture it was given");
                    t.pictureChanged[i] = true;
                    substantive = true;
                }
                if (now.caption != was.caption) {
                    if (t.blankFilled[i]) return failure(name + ": a filled blank changed");
                    if (isVerdict(now.caption) && isVerdict(was.caption)) {
                        verdicts.push_back(now.caption);
                    } else {
                        t.blankFilled[i] = true;
                        substantive = true;
                    }
                }
                if (controls[i].kind == Kind::TextBox) {
                    auto* f = qobject_cast<qt::Field*>(program_->host.window(*screen)->widget(int(i)));
                    if (f->text() != q(now.text)) return failure(name + ": the field shows another text than it holds");
                    if (textUnknown) t.expectedText[int(i)] = f->text();
                    if (f->text() != t.expectedText[int(i)]) return failure(name + ": the field does not hold what was typed");
                }
                was = now;
            }
            if ((substantive || !verdicts.empty()) && screen != before && screen != second)
                return failure("a screen changed that did not receive the event");
            for (const auto& v : verdicts) {
                if (substantive && kNegative.count(v)) return failure("a wrong answer changed more than its feedback word");
                if (substantive && v.empty() == false && !kPositive.count(v)) return failure("a right answer showed a word that is not praise");
            }
            if (substantive) ++substantive_;
        }
        return true;
    }

    std::mt19937_64 rng_;
    std::uint64_t seed_;
    bool verbose_;
    long event_ = 0;
    int runs_ = 0;
    long substantive_ = 0, typed_ = 0;
    std::unique_ptr<Program> program_;
    std::map<Screen*, Tracked> tracked_;
    std::deque<QString> history_;
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::vector<std::uint64_t> seeds{1, 2, 3};
    long events = 1500;
    bool verbose = false;
    const QStringList args = QCoreApplication::arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == "--seeds" && i + 1 < args.size()) {
            seeds.clear();
            for (const QString& s : args[++i].split(',')) seeds.push_back(s.toULongLong());
        } else if (args[i] == "--events" && i + 1 < args.size()) {
            events = args[++i].toLong();
        } else if (args[i] == "--verbose") {
            verbose = true;
        }
    }
    QElapsedTimer clock;
    clock.start();
    int failed = 0;
    for (std::uint64_t seed : seeds) {
        Storm storm(seed, verbose);
        if (!storm.run(events)) ++failed;
    }
    std::printf("%d passed, %d failed\n", int(seeds.size()) - failed, failed);
    std::printf("%lld ms for %ld events\n", static_cast<long long>(clock.elapsed()), events * long(seeds.size()));
    return failed ? 1 : 0;
}
