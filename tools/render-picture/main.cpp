// parolex-render-picture IN.svg OUT.png SCALE
// parolex-render-picture IN.svg OUT.ico
// parolex-render-picture IN.svg OUT.bmp
//
// Renders one of the program's SVG pictures to a PNG of SCALE times its size, for a build
// whose Qt has no SVG module, to the Windows icon file of the program, or to a BMP of its
// own size on white (the installer's pictures: NSIS reads BMP only, without transparency).
// Runs on the build machine, with the build machine's Qt.
#include "WindowsIcon.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char *argv[])
{
    // No display is needed or wanted: the pictures hold no text.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    const bool icon = args.size() == 3 && args[2].endsWith(QStringLiteral(".ico"), Qt::CaseInsensitive);
    const bool bitmap = args.size() == 3 && args[2].endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive);
    bool scaleRead = false;
    const int scale = args.size() == 4 ? args[3].toInt(&scaleRead) : bitmap ? 1 : 0;
    if (!icon && !bitmap && (!scaleRead || scale < 1 || scale > 16)) {
        std::fprintf(stderr, "usage: parolex-render-picture IN.svg OUT.png SCALE (1-16)\n"
                             "       parolex-render-picture IN.svg OUT.ico\n"
                             "       parolex-render-picture IN.svg OUT.bmp\n");
        return 2;
    }
    QSvgRenderer renderer(args[1]);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "parolex-render-picture: %s is not a readable SVG\n", qPrintable(args[1]));
        return 1;
    }
    QDir().mkpath(QFileInfo(args[2]).absolutePath());
    if (icon) {
        if (!writeWindowsIcon(renderer, args[2])) {
            std::fprintf(stderr, "parolex-render-picture: cannot write %s\n", qPrintable(args[2]));
            return 1;
        }
        return 0;
    }
    QImage image(renderer.defaultSize() * scale, bitmap ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    image.fill(bitmap ? Qt::white : Qt::transparent);
    {
        QPainter painter(&image);
        renderer.render(&painter, QRectF(image.rect()));
    }
    if (!image.save(args[2], bitmap ? "BMP" : "PNG")) {
        std::fprintf(stderr, "parolex-render-picture: cannot write %s\n", qPrintable(args[2]));
        return 1;
    }
    return 0;
}
