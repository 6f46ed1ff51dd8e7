#include "pictures.h"

#include <QHash>
#include <QPainter>
#include <QResource>
#include <QtConcurrent/QtConcurrentMap>
#include <QSvgRenderer>
#include <cmath>
#include <cstring>
#include <memory>
#include <zstd.h>

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

QSizeF drawnSize(const Control& image, const Asset& asset) {
    return image.Stretch ? controlRectF(image).size() : naturalSize(asset);
}

QSize pixelSize(QSizeF logical, qreal dpr) {
    return {std::max(1, static_cast<int>(std::ceil(logical.width() * dpr - 0.01))),
            std::max(1, static_cast<int>(std::ceil(logical.height() * dpr - 0.01)))};
}

QString prerenderedPath(const Asset& asset, QSize pixels) {
    QString file = QString::fromUtf8(asset.file.data(), static_cast<qsizetype>(asset.file.size()));
    if (file.startsWith(QLatin1String(":/"))) file.remove(0, 2);
    return QStringLiteral(":/rasters/%1@%2x%3").arg(file).arg(pixels.width()).arg(pixels.height());
}

QImage renderPicture(const Asset& asset, QSize pixels) {
    QImage img(pixels, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QSvgRenderer own(QString::fromUtf8(asset.file.data(), static_cast<qsizetype>(asset.file.size())));
    own.render(&p, QRectF(QPointF(0, 0), pixels));
    return img;
}

bool pictureValid(const Asset& asset) { return renderer(asset)->isValid(); }

// Rendered pictures are kept up to this many bytes: the menu's and those of the last screens shown
// (at scale 2 the menu holds 5.5 MB, the largest exercise 4.4 MB). Beyond it the least recently
// drawn go first, so a screen not seen for a while renders its pictures again when shown.
constexpr qint64 kCacheBytes = 12 << 20;

namespace {

struct Cached {
    QImage image;
    quint64 used;
};
QHash<Key, Cached>& cache() {
    static QHash<Key, Cached> c;
    return c;
}
quint64 clock = 0;
qint64 bytes = 0;

Key keyOf(const Asset& asset, QSizeF logical, qreal dpr) {
    const QSize s = pixelSize(logical, dpr);
    return {&asset, s.width(), s.height()};
}

// An opaque picture covers every pixel (the asset tests check it), so it is drawn as a plain copy
// of its pixels rather than blended.
QImage asDrawn(QImage img, const Asset& asset) {
    if (asset.opaque()) img.reinterpretAsFormat(QImage::Format_RGB32);
    return img;
}

// Unpacks a picture rendered ahead of time into `out` (exactly `size` bytes).
bool unpack(const QResource& raster, uchar* out, qint64 size) {
    if (raster.uncompressedSize() != size) return false;
    const auto n = static_cast<std::size_t>(size);
    switch (raster.compressionAlgorithm()) {
    case QResource::ZstdCompression:
        return ZSTD_decompress(out, n, raster.data(), static_cast<std::size_t>(raster.size())) == n;
    case QResource::NoCompression:
        if (raster.size() != size) return false;
        std::memcpy(out, raster.data(), n);
        return true;
    default: {
        const QByteArray data = raster.uncompressedData();
        if (data.size() != size) return false;
        std::memcpy(out, data.constData(), n);
        return true;
    }
    }
}

// The picture rendered ahead of time by the build when there is one, unpacked straight into the
// image, else rendered from its SVG now. Runs on any thread.
QImage obtain(const Key& k) {
    const QSize pixels(k.w, k.h);
    const QResource raster(prerenderedPath(*k.asset, pixels));
    if (raster.isValid()) {
        QImage img(pixels, QImage::Format_ARGB32_Premultiplied);
        if (!img.isNull() && img.bytesPerLine() == k.w * 4 && unpack(raster, img.bits(), img.sizeInBytes()))
            return asDrawn(std::move(img), *k.asset);
    }
    return asDrawn(renderPicture(*k.asset, pixels), *k.asset);
}

QImage keep(const Key& key, QImage img, qreal dpr) {
    img.setDevicePixelRatio(dpr);
    bytes += img.sizeInBytes();
    while (bytes > kCacheBytes && !cache().isEmpty()) {
        auto oldest = cache().begin();
        for (auto c = cache().begin(); c != cache().end(); ++c)
            if (c->used < oldest->used) oldest = c;
        bytes -= oldest->image.sizeInBytes();
        cache().erase(oldest);
    }
    cache().insert(key, Cached{img, ++clock});
    return img;
}

}  // namespace

QImage picture(const Asset& asset, QSizeF logical, qreal dpr) {
    const Key key = keyOf(asset, logical, dpr);
    auto it = cache().find(key);
    if (it != cache().end()) {
        it->used = ++clock;
        return it->image;
    }
    return keep(key, obtain(key), dpr);
}

void prerender(const std::vector<std::pair<const Asset*, QSizeF>>& pictures, qreal dpr) {
    QList<Key> missing;
    for (const auto& [asset, size] : pictures) {
        const Key key = keyOf(*asset, size, dpr);
        if (!cache().contains(key) && !missing.contains(key)) missing.append(key);
    }
    if (missing.size() < 2) return;
    const QList<QImage> images = QtConcurrent::blockingMapped(missing, obtain);
    for (qsizetype i = 0; i < missing.size(); ++i) keep(missing[i], images[i], dpr);
}

const QIcon& programIcon() {
    // Unpacked from the sizes the build rendered ahead of time: a window hands all of them to the
    // desktop each time it is created, which is cheap for pixmaps and costly for an SVG.
    static const QIcon icon = [] {
        QIcon i;
        for (int side : kIconSizes) i.addPixmap(QPixmap::fromImage(obtain({&kWindowIcon, side, side})));
        return i;
    }();
    return icon;
}

}  // namespace smk::qt
