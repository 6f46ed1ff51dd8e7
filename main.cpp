// Smekalka: nine thinking exercises for young children.
#include <QApplication>

#include "runtime/qt/host.h"
#include "runtime/qt/pictures.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("smekalka"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.smekalka.Smekalka"));
    QApplication::setWindowIcon(smk::qt::programIcon());
    return smk::qt::runProgram();
}
