#include "pictures.h"

#include <QHash>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>
#include <memory>

#include "units.h"

namespace smk::qt {

namespace {

QSvgRenderer* renderer(const Asset& asset) {
    static QHash<const Asset*, std::shared_ptr<QSvgRenderer>> renderers;
    auto it = renderers.find(&asset);
    if (it == renderers.end()) {
        auto r = std::make_shared<QSvgRenderer>(QString::fromUtf8(asset.file.data(), static_cast<qsizetype>(asset.file.size())));
        it = renderers.insert(&asset, r);
    }
    return it->get();
}

struct Key {
    const Asset* asset;
    int w, h;
    friend bool operator==(const Key&, const Key&) = default;
};
size_t qHash(const Key& k, size_t seed = 0) { return qHashMulti(seed, k.asset, k.w, k.h); }

}  // namespace

QSizeF naturalSize(const Asset& asset) { return {px(asset.widthTwips()), px(asset.heightTwips())}; }

bool pictureValid(const Asset& asset) { return renderer(asset)->isValid(); }

// Rendered pictures are kept up to this many bytes: the menu's and those of the last screens shown
// (at scale 2 the menu holds 5.5 MB, the largest exercise 4.4 MB). Beyond it the least recently
// drawn go first, so a screen not seen for a while renders its pictures again when shown.
constexpr qint64 kCacheBytes = 12 << 20;

QPixmap picture(const Asset& asset, QSizeF logical, qreal dpr) {
    struct Cached {
        QPixmap pixmap;
        quint64 used;
    };
    static QHash<Key, Cached> cache;
    static quint64 clock = 0;
    static qint64 bytes = 0;
    const int w = std::max(1, static_cast<int>(std::ceil(logical.width() * dpr - 0.01)));
    const int h = std::max(1, static_cast<int>(std::ceil(logical.height() * dpr - 0.01)));
    const Key key{&asset, w, h};
    auto it = cache.find(key);
    if (it != cache.end()) {
        it->used = ++clock;
        return it->pixmap;
    }
    QPixmap pm(w, h);
    pm.fill(Qt::transparent);
    {
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        renderer(asset)->render(&p, QRectF(0, 0, w, h));
    }
    pm.setDevicePixelRatio(dpr);
    const auto size = [](const QPixmap& p) { return static_cast<qint64>(p.width()) * p.height() * 4; };
    bytes += size(pm);
    while (bytes > kCacheBytes && !cache.isEmpty()) {
        auto oldest = cache.begin();
        for (auto c = cache.begin(); c != cache.end(); ++c)
            if (c->used < oldest->used) oldest = c;
        bytes -= size(oldest->pixmap);
        cache.erase(oldest);
    }
    cache.insert(key, Cached{pm, ++clock});
    return pm;
}

const QIcon& programIcon() {
    static const QIcon icon = [] {
        QIcon i;
        for (int s : {16, 22, 32, 48, 64, 128, 256}) {
            QPixmap pm = picture(kWindowIcon, QSizeF(s, s), 1.0);
            i.addPixmap(pm);
        }
        return i;
    }();
    return icon;
}

}  // namespace smk::qt
