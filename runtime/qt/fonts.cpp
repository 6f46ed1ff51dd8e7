#include "fonts.h"

#include <QDir>
#include <QFontDatabase>
#include <map>
#include <memory>

#include "units.h"

namespace smk::qt {

namespace {

struct Entry {
    QFont font;
    std::unique_ptr<QFontMetricsF> metrics;
};

std::map<std::tuple<std::string_view, std::uint32_t, std::uint16_t, bool>, Entry>& cache() {
    static std::map<std::tuple<std::string_view, std::uint32_t, std::uint16_t, bool>, Entry> c;
    return c;
}

QString family(std::string_view face) {
    QString name = QString::fromUtf8(face.data(), static_cast<qsizetype>(face.size()));
    if (QFontDatabase::hasFamily(name)) return name;
    if (face == "Comic Sans MS") return QStringLiteral("Smekalka Comic");
    if (face == "Garamond") return QStringLiteral("Smekalka Garamond");
    return QStringLiteral("Smekalka Sans");  // "MS Sans Serif"
}

Entry& entry(const FontDef& f) {
    auto key = std::make_tuple(f.face, f.size, f.weight, f.italic);
    auto it = cache().find(key);
    if (it != cache().end()) return it->second;
    Entry e;
    e.font = QFont(family(f.face));
    e.font.setPixelSize(fontPixels(f));
    e.font.setWeight(f.bold() ? QFont::Bold : QFont::Normal);
    e.font.setItalic(f.italic);
    e.font.setUnderline(f.underline);
    e.font.setStrikeOut(f.strikeout);
    e.metrics = std::make_unique<QFontMetricsF>(e.font);
    return cache().emplace(key, std::move(e)).first->second;
}

}  // namespace

void loadFonts() {
    static bool loaded = false;
    if (loaded) return;
    loaded = true;
    const QStringList files = QDir(QStringLiteral(":/fonts")).entryList(QDir::Files);
    for (const QString& f : files) QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/") + f);
}

const QFont& qfont(const FontDef& f) { return entry(f).font; }
const QFontMetricsF& metrics(const FontDef& f) { return *entry(f).metrics; }

double QtMeasurer::width(const FontDef& f, std::u16string_view text) const {
    return metrics(f).horizontalAdvance(qstr(text));
}

double QtMeasurer::lineHeight(const FontDef& f) const { return metrics(f).height(); }

}  // namespace smk::qt
