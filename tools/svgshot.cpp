// Renders one SVG file to PNG the way the program does (QtSvg), for checking a picture by eye.
// usage: svgshot IN.svg OUT.png WIDTH HEIGHT [BACKGROUND]   (BACKGROUND such as #ffffff; default a
// grey checkerboard so that transparent parts show)
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: svgshot IN.svg OUT.png WIDTH HEIGHT [BACKGROUND]\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QSvgRenderer r(QString::fromLocal8Bit(argv[1]));
    if (!r.isValid()) {
        std::fprintf(stderr, "svgshot: %s is not a valid SVG\n", argv[1]);
        return 1;
    }
    const int w = std::atoi(argv[3]), h = std::atoi(argv[4]);
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    if (argc > 5) {
        img.fill(QColor(QString::fromLocal8Bit(argv[5])));
    } else {
        for (int y = 0; y < h; y += 8)
            for (int x = 0; x < w; x += 8)
                p.fillRect(x, y, 8, 8, ((x + y) / 8) % 2 ? QColor(200, 200, 200) : QColor(240, 240, 240));
    }
    p.setRenderHint(QPainter::Antialiasing);
    r.render(&p, QRectF(0, 0, w, h));
    p.end();
    return img.save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
