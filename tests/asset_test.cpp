// Every picture asset: present, used, valid for QtSvg without a warning, drawn with the elements QtSvg
// supports, sized as the model says, opaque or transparent as its kind requires.
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QResource>
#include <QSvgRenderer>
#include <QTest>
#include <QXmlStreamReader>
#include <map>
#include <set>

#include "runtime/qt/pictures.h"
#include "screens/screens.h"

using namespace smk;

namespace {

// Every asset the program refers to, with the first control that shows it.
std::map<QString, std::pair<const Asset*, QString>> referenced() {
    std::map<QString, std::pair<const Asset*, QString>> m;
    m[QStringLiteral(":/icon.svg")] = {&kWindowIcon, QStringLiteral("window icon")};
    for (const ScreenDef* s : program()) {
        if (!s) continue;
        for (const Control& c : s->controls)
            if (c.Picture) {
                QString file = QString::fromUtf8(c.Picture->file.data(), static_cast<qsizetype>(c.Picture->file.size()));
                m.try_emplace(file, c.Picture, QString::fromUtf8(s->name.data(), static_cast<qsizetype>(s->name.size())) + "/" +
                                                   QString::fromUtf8(c.name.data(), static_cast<qsizetype>(c.name.size())));
            }
    }
    return m;
}

QStringList warnings;
void collect(QtMsgType type, const QMessageLogContext&, const QString& msg) {
    if (type != QtDebugMsg && type != QtInfoMsg) warnings << msg;
}

}  // namespace

class AssetTest : public QObject {
    Q_OBJECT
private slots:
    void everyFileIsUsedAndEveryReferenceExists() {
        auto refs = referenced();
        std::set<QString> files;
        QDirIterator it(QStringLiteral(":/"), {QStringLiteral("*.svg")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) files.insert(it.next());
        for (const auto& [file, ref] : refs) QVERIFY2(files.count(file), qPrintable(file + " is missing (" + ref.second + ")"));
        for (const QString& f : files) QVERIFY2(refs.count(f), qPrintable(f + " is used by no control"));
    }

    void everyAssetFollowsTheRules_data() {
        QTest::addColumn<QString>("file");
        for (const auto& [file, ref] : referenced()) QTest::newRow(qPrintable(file)) << file;
    }

    void everyAssetFollowsTheRules() {
        QFETCH(QString, file);
        const Asset& asset = *referenced().at(file).first;
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray svg = f.readAll();

        // Only what QtSvg 6.4 draws; nothing it silently drops.
        static const std::set<QString> forbidden{"clipPath", "mask", "filter", "pattern", "marker", "text", "style",
                                                 "image", "foreignObject", "tspan", "symbol", "switch"};
        QXmlStreamReader xml(svg);
        bool root = true, firstShape = true;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            const QString name = xml.name().toString();
            const auto attrs = xml.attributes();
            QVERIFY2(!forbidden.count(name), qPrintable(file + " uses <" + name + ">"));
            if (root) {
                root = false;
                QCOMPARE(name, QStringLiteral("svg"));
                const QString expected = QStringLiteral("0 0 %1 %2").arg(asset.width).arg(asset.height);
                QVERIFY2(attrs.value("viewBox").toString().simplified() == expected,
                         qPrintable(file + ": viewBox " + attrs.value("viewBox").toString() + ", natural size " + expected));
                continue;
            }
            if (name == "radialGradient") {
                QVERIFY2(attrs.value("gradientUnits") == QStringLiteral("userSpaceOnUse") && attrs.hasAttribute("r") &&
                             !attrs.value("r").contains('%'),
                         qPrintable(file + ": radialGradient needs numeric r in userSpaceOnUse"));
            }
            static const std::set<QString> shapes{"rect", "circle", "ellipse", "path", "polygon", "polyline", "line", "use"};
            if (firstShape && shapes.count(name)) {
                firstShape = false;
                const bool ground = name == "rect" && attrs.value("x").toDouble() <= 0 && attrs.value("y").toDouble() <= 0 &&
                                    attrs.value("width").toDouble() >= asset.width && attrs.value("height").toDouble() >= asset.height;
                // A transparent drawing may still fill its frame (a square figure does), so only the
                // opaque kinds are held to a rule here.
                if (asset.opaque()) QVERIFY2(ground, qPrintable(file + ": an opaque picture starts with its full-size ground"));
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(file + ": " + xml.errorString()));

        warnings.clear();
        auto previous = qInstallMessageHandler(collect);
        QSvgRenderer renderer(file);
        const bool valid = renderer.isValid();
        QImage img(64, 64, QImage::Format_ARGB32);
        img.fill(Qt::transparent);
        {
            QPainter p(&img);
            renderer.render(&p, QRectF(0, 0, 64, 64));
        }
        qInstallMessageHandler(previous);
        QVERIFY2(valid, qPrintable(file + " is not valid"));
        QVERIFY2(warnings.isEmpty(), qPrintable(file + ": " + warnings.join("; ")));

        if (asset.opaque()) {
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    QVERIFY2(qAlpha(img.pixel(x, y)) == 255, qPrintable(file + ": opaque picture lets the ground through"));
        }
    }

    // Every picture a screen shows at ratio 1 or 2 was rendered ahead of time by the build, and what
    // the program unpacks is exactly what it would render from the SVG.
    void prerenderedPicturesAreTheSvgRendered() {
        for (const ScreenDef* s : program())
            for (const Control& c : s->controls)
                if (c.Picture)
                    for (qreal dpr : {1.0, 2.0}) {
                        const QString path = qt::prerenderedPath(*c.Picture, qt::pixelSize(qt::drawnSize(c, *c.Picture), dpr));
                        QVERIFY2(QResource(path).isValid(), qPrintable(path + " was not rendered ahead of time"));
                    }

        const auto refs = referenced();
        int compared = 0;
        QDirIterator it(QStringLiteral(":/rasters"), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const qsizetype at = path.lastIndexOf(QLatin1Char('@'));
            const QString file = QStringLiteral(":/") + path.mid(10, at - 10);  // after ":/rasters/"
            const QStringList wh = path.mid(at + 1).split(QLatin1Char('x'));
            QVERIFY2(refs.count(file) && wh.size() == 2, qPrintable(path));
            const Asset& asset = *refs.at(file).first;
            const QSize pixels(wh[0].toInt(), wh[1].toInt());
            const QByteArray raw = QResource(path).uncompressedData();
            QCOMPARE(raw.size(), qsizetype{pixels.width()} * pixels.height() * 4);
            const QImage stored(reinterpret_cast<const uchar*>(raw.constData()), pixels.width(), pixels.height(),
                                pixels.width() * 4, QImage::Format_ARGB32_Premultiplied);
            QVERIFY2(stored == qt::renderPicture(asset, pixels), qPrintable(path + " differs from its SVG rendered now"));
            const QImage unpacked = qt::picture(asset, QSizeF(pixels), 1.0);
            QVERIFY2(unpacked.convertToFormat(QImage::Format_ARGB32_Premultiplied) == stored, qPrintable(path + " unpacked wrongly"));
            ++compared;
        }
        QVERIFY(compared > 100);
    }

    // A screen's pictures are unpacked side by side into memory they share: each must come out
    // whole and apart from its neighbours, at both ratios.
    void picturesUnpackedTogetherAreEachTheirOwn() {
        for (qreal dpr : {1.0, 2.0})
            for (const ScreenDef* s : program()) {
                std::vector<std::pair<const Asset*, QSizeF>> shown;
                for (const Control& c : s->controls)
                    if (c.Picture) shown.emplace_back(c.Picture, qt::drawnSize(c, *c.Picture));
                qt::prerender(shown, dpr);
                for (const auto& [asset, size] : shown) {
                    const QImage img = qt::picture(*asset, size, dpr);
                    QVERIFY2(img.convertToFormat(QImage::Format_ARGB32_Premultiplied) ==
                                 qt::renderPicture(*asset, qt::pixelSize(size, dpr)),
                             asset->file.data());
                }
            }
    }

    // The program draws from a cache: the same size comes back without rendering again.
    void picturesAreCachedPerSize() {
        QImage a = qt::picture(kWindowIcon, QSizeF(40, 30), 2.0);
        QImage b = qt::picture(kWindowIcon, QSizeF(40, 30), 2.0);
        QCOMPARE(a.cacheKey(), b.cacheKey());
        QCOMPARE(a.size(), QSize(80, 60));
        QCOMPARE(a.devicePixelRatio(), 2.0);
    }
};

QTEST_MAIN(AssetTest)
#include "asset_test.moc"
