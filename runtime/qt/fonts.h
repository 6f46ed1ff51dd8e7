// Fonts: the program's faces where installed, otherwise the replacements embedded into the binary.
#pragma once

#include <QFont>
#include <QFontMetricsF>

#include "runtime/layout.h"
#include "runtime/model.h"

namespace smk::qt {

// Registers the embedded faces; call once after the application object exists.
void loadFonts();
// The QFont for a font of the tables, at its pixel size.
const QFont& qfont(const FontDef& f);
const QFontMetricsF& metrics(const FontDef& f);

class QtMeasurer : public TextMeasurer {
public:
    double width(const FontDef& f, std::u16string_view text) const override;
    double lineHeight(const FontDef& f) const override;
};

inline QString qstr(std::u16string_view s) {
    return QString::fromUtf16(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace smk::qt
