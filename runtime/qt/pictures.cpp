#include "pictures.h"

#include <QHash>
#include <QPainter>
#include <QtConcurrent/QtConcurrentMap>
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

namespace {

struct Cached {
    QPixmap pixmap;
    quint64 used;
};
QHash<Key, Cached>& cache() {
    static QHash<Key, Cached> c;
    return c;
}
quint64 clock = 0;
qint64 bytes = 0;

Key keyOf(const Asset& asset, QSizeF logical, qreal dpr) {
    return {&asset, std::max(1, static_cast<int>(std::ceil(logical.width() * dpr - 0.01))),
            std::max(1, static_cast<int>(std::ceil(logical.height() * dpr - 0.01)))};
}

// Renders on any thread: each call has its own renderer.
QImage render(const Asset& asset, int w, int h, QSvgRenderer* shared = nullptr) {
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (shared) {
        shared->render(&p, QRectF(0, 0, w, h));
    } else {
        QSvgRenderer own(QString::fromUtf8(asset.file.data(), static_cast<qsizetype>(asset.file.size())));
        own.render(&p, QRectF(0, 0, w, h));
    }
    return img;
}

QPixmap keep(const Key& key, const QImage& img, qreal dpr) {
    QPixmap pm = QPixmap::fromImage(img);
    pm.setDevicePixelRatio(dpr);
    const auto size = [](const QPixmap& p) { return static_cast<qint64>(p.width()) * p.height() * 4; };
    bytes += size(pm);
    while (bytes > kCacheBytes && !cache().isEmpty()) {
        auto oldest = cache().begin();
        for (auto c = cache().begin(); c != cache().end(); ++c)
            if (c->used < oldest->used) oldest = c;
        bytes -= size(oldest->pixmap);
        cache().erase(oldest);
    }
    cache().insert(key, Cached{pm, ++clock});
    return pm;
}

}  // namespace

QPixmap picture(const Asset& asset, QSizeF logical, qreal dpr) {
    const Key key = keyOf(asset, logical, dpr);
    auto it = cache().find(key);
    if (it != cache().end()) {
        it->used = ++clock;
        return it->pixmap;
    }
    return keep(key, render(asset, key.w, key.h, renderer(asset)), dpr);
}

void prerender(const std::vector<std::pair<const Asset*, QSizeF>>& pictures, qreal dpr) {
    QList<Key> missing;
    for (const auto& [asset, size] : pictures) {
        const Key key = keyOf(*asset, size, dpr);
        if (!cache().contains(key) && !missing.contains(key)) missing.append(key);
    }
    if (missing.size() < 2) return;
    const QList<QImage> images = QtConcurrent::blockingMapped(missing, [](const Key& k) { return render(*k.asset, k.w, k.h); });
    for (qsizetype i = 0; i < missing.size(); ++i) keep(missing[i], images[i], dpr);
}

const QIcon& programIcon() {
    // Rendered by Qt's SVG icon engine at whatever size the desktop asks for, when it asks.
    static const QIcon icon(QString::fromUtf8(kWindowIcon.file.data(), static_cast<qsizetype>(kWindowIcon.file.size())));
    return icon;
}

}  // namespace smk::qt
