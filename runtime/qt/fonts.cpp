#include "fonts.h"

#include <QDir>
#include <QFontDatabase>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>

#include "units.h"

namespace smk::qt {

namespace {

// Widths of the texts measured so far: captions are laid out again on every repaint, and laying
// out measures each line while it grows.
struct TextHash {
    using is_transparent = void;
    size_t operator()(std::u16string_view s) const { return std::hash<std::u16string_view>{}(s); }
};

struct Entry {
    QFont font;
    std::unique_ptr<QFontMetricsF> metrics;
    std::unordered_map<std::u16string, double, TextHash, std::equal_to<>> widths;
    double lineHeight = 0;
};

std::map<std::tuple<std::string_view, std::uint32_t, std::uint16_t, bool>, Entry>& cache() {
    static std::map<std::tuple<std::string_view, std::uint32_t, std::uint16_t, bool>, Entry> c;
    return c;
}

// The face itself where it is installed under its own name, else the embedded face that stands in
// for it. The installed families are looked through by name: QFontDatabase::hasFamily would follow
// fontconfig's substitution rules (3 M instructions a question) and take a face that a rule
// merely puts in its place.
QString family(std::string_view face) {
    static std::map<std::string_view, QString> known;
    if (auto it = known.find(face); it != known.end()) return it->second;
    QString name = QString::fromUtf8(face.data(), static_cast<qsizetype>(face.size()));
    if (!QFontDatabase::families().contains(name, Qt::CaseInsensitive)) {
        if (face == "Comic Sans MS") name = QStringLiteral("Smekalka Comic");
        else if (face == "Garamond") name = QStringLiteral("Smekalka Garamond");
        else name = QStringLiteral("Smekalka Sans");  // "MS Sans Serif"
    }
    return known.emplace(face, name).first->second;
}

Entry& entry(const FontDef& f) {
    auto key = std::make_tuple(f.face, f.size, f.weight, f.italic);
    auto it = cache().find(key);
    if (it != cache().end()) return it->second;
    Entry e;
    const QString name = family(f.face);
    e.font = QFont(name);
    // The replacement's bold cut is a little wider than the face it stands in for; condensed by 6 %
    // the letter groups of the word exercise stay clear of the fields beside them.
    if (f.bold() && name == QLatin1String("Smekalka Comic")) e.font.setStretch(94);
    e.font.setPixelSize(fontPixels(f));
    e.font.setWeight(f.bold() ? QFont::Bold : QFont::Normal);
    e.font.setItalic(f.italic);
    e.font.setUnderline(f.underline);
    e.font.setStrikeOut(f.strikeout);
    e.metrics = std::make_unique<QFontMetricsF>(e.font);
    e.lineHeight = e.metrics->height();
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
    Entry& e = entry(f);
    auto it = e.widths.find(text);
    if (it != e.widths.end()) return it->second;
    const double w = e.metrics->horizontalAdvance(qstr(text));
    e.widths.emplace(std::u16string(text), w);
    return w;
}

double QtMeasurer::lineHeight(const FontDef& f) const { return entry(f).lineHeight; }

}  // namespace smk::qt
