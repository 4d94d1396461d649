// parolex-render-picture IN.svg OUT.png SCALE
//
// Renders one of the program's SVG pictures to a PNG of SCALE times its size, for a build
// whose Qt has no SVG module. Runs on the build machine, with the build machine's Qt.
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
    bool scaleRead = false;
    const int scale = args.size() == 4 ? args[3].toInt(&scaleRead) : 0;
    if (!scaleRead || scale < 1 || scale > 16) {
        std::fprintf(stderr, "usage: parolex-render-picture IN.svg OUT.png SCALE (1-16)\n");
        return 2;
    }
    QSvgRenderer renderer(args[1]);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "parolex-render-picture: %s is not a readable SVG\n", qPrintable(args[1]));
        return 1;
    }
    QImage image(renderer.defaultSize() * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        renderer.render(&painter, QRectF(image.rect()));
    }
    QDir().mkpath(QFileInfo(args[2]).absolutePath());
    if (!image.save(args[2], "PNG")) {
        std::fprintf(stderr, "parolex-render-picture: cannot write %s\n", qPrintable(args[2]));
        return 1;
    }
    return 0;
}
