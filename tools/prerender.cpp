// Renders, at build time, every picture the screens can draw at device pixel ratios 1 and 2, so
// that the program unpacks pixels instead of rendering SVG when a screen is first shown.
// usage: prerender OUT_DIR
// Writes OUT_DIR/rasters.qrc and beside it one raw file per picture and size (premultiplied ARGB32,
// row after row), named as prerenderedPath() looks them up. A file whose bytes have not changed is
// left untouched.
//
// Which pictures a control can show: its own, and whatever a handler copies into it. The handlers
// are explored headless: each clickable control clicked on a fresh screen, then all of them in
// stored order and in reverse, each from a fresh program. The window icon is rendered at the sizes
// the windows hand to the desktop.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <map>
#include <set>

#include "runtime/live.h"
#include "runtime/qt/pictures.h"

namespace {

using Use = std::pair<const smk::Control*, const smk::Asset*>;

void collect(const smk::Screen& s, std::set<Use>& uses) {
    const auto& controls = s.def().controls;
    for (std::size_t i = 0; i < controls.size(); ++i)
        if (controls[i].kind == smk::Kind::Image && s.state(static_cast<int>(i)).picture)
            uses.insert({&controls[i], s.state(static_cast<int>(i)).picture});
}

// Clicks `order` on a fresh program showing `screen`, collecting the pictures after each click.
void explore(std::size_t screen, const std::vector<int>& order, std::set<Use>& uses) {
    smk::NullHost host;
    smk::App app(host);
    smk::Screen& s = app.showScreen(app.screens()[screen]->name);
    collect(s, uses);
    for (int c : order) {
        if (app.ended()) return;
        s.click(c);
        collect(s, uses);
    }
}

bool writeIfChanged(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (f.open(QIODevice::ReadOnly) && f.readAll() == bytes) return true;
    f.close();
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: prerender OUT_DIR\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication qapp(argc, argv);
    const QDir out(QString::fromLocal8Bit(argv[1]));

    std::set<Use> uses;
    const auto screens = smk::program();
    for (std::size_t i = 0; i < screens.size(); ++i) {
        std::vector<int> clickable;
        for (std::size_t c = 0; c < screens[i]->controls.size(); ++c)
            if (screens[i]->handler(screens[i]->controls[c].name, smk::Event::Click))
                clickable.push_back(static_cast<int>(c));
        for (int c : clickable) explore(i, {c}, uses);
        explore(i, clickable, uses);
        explore(i, {clickable.rbegin(), clickable.rend()}, uses);
    }

    std::map<QString, std::pair<const smk::Asset*, QSize>> rasters;  // by resource name, sorted
    for (const auto& [control, asset] : uses)
        for (qreal dpr : {1.0, 2.0}) {
            const QSize pixels = smk::qt::pixelSize(smk::qt::drawnSize(*control, *asset), dpr);
            rasters[smk::qt::prerenderedPath(*asset, pixels).mid(QStringLiteral(":/rasters/").size())] = {asset, pixels};
        }

    for (int side : smk::qt::kIconSizes) {
        const QSize pixels(side, side);
        rasters[smk::qt::prerenderedPath(smk::kWindowIcon, pixels).mid(QStringLiteral(":/rasters/").size())] = {&smk::kWindowIcon, pixels};
    }

    QByteArray qrc = "<RCC>\n  <qresource prefix=\"/rasters\">\n";
    qint64 total = 0;
    for (const auto& [name, what] : rasters) {
        const QImage img = smk::qt::renderPicture(*what.first, what.second);
        const QByteArray bytes(reinterpret_cast<const char*>(img.constBits()), img.sizeInBytes());
        const QString file = QString(name).replace(QLatin1Char('/'), QLatin1Char('_'));
        if (!writeIfChanged(out.filePath(file), bytes)) {
            std::fprintf(stderr, "prerender: cannot write %s\n", qPrintable(out.filePath(file)));
            return 1;
        }
        qrc += "    <file alias=\"" + name.toUtf8() + "\">" + file.toUtf8() + "</file>\n";
        total += bytes.size();
    }
    qrc += "  </qresource>\n</RCC>\n";
    if (!writeIfChanged(out.filePath(QStringLiteral("rasters.qrc")), qrc)) return 1;
    std::printf("prerender: %zu pictures, %.1f MB of pixels\n", rasters.size(), total / 1048576.0);
    return 0;
}
