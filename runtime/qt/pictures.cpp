#include "pictures.h"

#include <QHash>
#include <QPainter>
#include <QResource>
#include <QtConcurrent/QtConcurrentMap>
#include <QSvgRenderer>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <numeric>
#include <sys/mman.h>
#include <zstd.h>

#include "units.h"

namespace smk::qt {

namespace {

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

namespace {

// Pictures unpacked together (a screen's, or one large picture) share memory of their own, aligned
// to 2 MB and offered to the kernel for huge pages: 4 MB of new pictures then cost two page faults
// instead of a thousand, which is most of the cost of unpacking them on a virtual machine where a
// fault takes 5–10 µs. The memory goes back to the system when the last picture in it is dropped.
// Where the kernel has no huge page to give, the memory is ordinary; where it cannot be mapped at
// all, each picture gets an ordinary image.
constexpr std::size_t kHugePage = std::size_t{2} << 20;

class Arena {
public:
    static std::shared_ptr<Arena> make(std::size_t bytes) {
        // A last part of half a huge page or more gets a whole one: up to 1 MB more memory, for up
        // to 256 page faults less.
        std::size_t length = (bytes + 4095) & ~std::size_t{4095};
        if (length % kHugePage >= kHugePage / 2) length += kHugePage - length % kHugePage;
        // A huge page more than needed, then what lies before the first 2 MB boundary and after
        // the arena given back.
        void* raw = mmap(nullptr, length + kHugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (raw == MAP_FAILED) return nullptr;
        const auto start = reinterpret_cast<std::uintptr_t>(raw);
        const std::uintptr_t aligned = (start + kHugePage - 1) & ~std::uintptr_t{kHugePage - 1};
        const std::uintptr_t end = start + length + kHugePage;
        if (aligned > start) munmap(raw, aligned - start);
        if (end > aligned + length) munmap(reinterpret_cast<void*>(aligned + length), end - (aligned + length));
        madvise(reinterpret_cast<void*>(aligned), length, MADV_HUGEPAGE);
        return std::shared_ptr<Arena>(new Arena(reinterpret_cast<uchar*>(aligned), length));
    }
    ~Arena() { munmap(base_, length_); }
    Arena(const Arena&) = delete;
    Arena& operator=(const Arena&) = delete;

    // An image over `pixels` at `offset`, holding the arena while it lives.
    static QImage image(std::shared_ptr<Arena> arena, std::size_t offset, QSize pixels) {
        uchar* at = arena->base_ + offset;
        auto* hold = new std::shared_ptr<Arena>(std::move(arena));
        return QImage(at, pixels.width(), pixels.height(), pixels.width() * 4, QImage::Format_ARGB32_Premultiplied,
                      [](void* h) { delete static_cast<std::shared_ptr<Arena>*>(h); }, hold);
    }

private:
    Arena(uchar* base, std::size_t length) : base_(base), length_(length) {}
    uchar* base_;
    std::size_t length_;
};

std::size_t bytesOf(QSize pixels) {
    return static_cast<std::size_t>(pixels.width()) * static_cast<std::size_t>(pixels.height()) * 4;
}

// Images for `sizes`, side by side in one arena when together they fill half a huge page or more.
std::vector<QImage> newImages(const std::vector<QSize>& sizes) {
    std::vector<std::size_t> offsets;
    std::size_t total = 0;
    for (QSize s : sizes) {
        offsets.push_back(total);
        total += (bytesOf(s) + 63) & ~std::size_t{63};  // each picture's rows start on a cache line
    }
    const auto arena = total >= kHugePage / 2 ? Arena::make(total) : nullptr;
    std::vector<QImage> images;
    for (std::size_t i = 0; i < sizes.size(); ++i)
        images.push_back(arena ? Arena::image(arena, offsets[i], sizes[i]) : QImage(sizes[i], QImage::Format_ARGB32_Premultiplied));
    return images;
}

void renderInto(QImage& img, const Asset& asset) {
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QSvgRenderer own(QString::fromUtf8(asset.file.data(), static_cast<qsizetype>(asset.file.size())));
    own.render(&p, QRectF(QPointF(0, 0), img.size()));
}

}  // namespace

QImage renderPicture(const Asset& asset, QSize pixels) {
    QImage img = std::move(newImages({pixels}).front());
    renderInto(img, asset);
    return img;
}

// Rendered pictures are kept up to this many bytes: the menu's and those of the last screens shown
// (at scale 2 the menu holds 5.5 MB, the largest exercise 4.4 MB). Beyond it the least recently
// drawn go first, so a screen not seen for a while unpacks (or renders) its pictures again when
// shown.
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

// Unpacks a picture rendered ahead of time into `out` (exactly `size` bytes). rcc packs them with
// zstd; one it left as it was (too small to gain) is copied.
bool unpack(const QResource& raster, uchar* out, qint64 size) {
    if (raster.uncompressedSize() != size) return false;
    const auto n = static_cast<std::size_t>(size);
    if (raster.compressionAlgorithm() == QResource::ZstdCompression)
        return ZSTD_decompress(out, n, raster.data(), static_cast<std::size_t>(raster.size())) == n;
    const QByteArray data = raster.uncompressedData();
    if (data.size() != size) return false;
    std::memcpy(out, data.constData(), n);
    return true;
}

// Fills `img` (the picture's size, not shared) with the picture rendered ahead of time by the
// build when there is one, else renders it from its SVG now. Runs on any thread.
void fill(QImage& img, const Asset& asset) {
    const QResource raster(prerenderedPath(asset, img.size()));
    if (!(raster.isValid() && img.bytesPerLine() == img.width() * 4 && unpack(raster, img.bits(), img.sizeInBytes())))
        renderInto(img, asset);
    // An opaque picture covers every pixel (the asset tests check it): drawn as a plain copy of its
    // pixels rather than blended.
    if (asset.opaque()) img.reinterpretAsFormat(QImage::Format_RGB32);
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
    QImage img = std::move(newImages({QSize(key.w, key.h)}).front());
    fill(img, asset);
    return keep(key, std::move(img), dpr);
}

void prerender(const std::vector<std::pair<const Asset*, QSizeF>>& pictures, qreal dpr) {
    QList<Key> missing;
    for (const auto& [asset, size] : pictures) {
        const Key key = keyOf(*asset, size, dpr);
        if (!cache().contains(key) && !missing.contains(key)) missing.append(key);
    }
    if (missing.size() < 2) return;
    std::vector<QSize> sizes;
    for (const Key& k : missing) sizes.emplace_back(k.w, k.h);
    std::vector<QImage> images = newImages(sizes);
    QList<int> order(missing.size());
    std::iota(order.begin(), order.end(), 0);
    QtConcurrent::blockingMap(order, [&](int i) { fill(images[static_cast<std::size_t>(i)], *missing[i].asset); });
    for (qsizetype i = 0; i < missing.size(); ++i) keep(missing[i], std::move(images[static_cast<std::size_t>(i)]), dpr);
}

const QIcon& programIcon() {
    // Unpacked from the sizes the build rendered ahead of time: a window hands all of them to the
    // desktop each time it is created, which is cheap for pixmaps and costly for an SVG.
    static const QIcon icon = [] {
        QIcon i;
        for (int side : kIconSizes) {
            QImage img(side, side, QImage::Format_ARGB32_Premultiplied);
            fill(img, kWindowIcon);
            i.addPixmap(QPixmap::fromImage(img));
        }
        return i;
    }();
    return icon;
}

}  // namespace smk::qt
