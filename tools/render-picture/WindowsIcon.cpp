#include "WindowsIcon.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>
#include <QtEndian>

namespace {

// Qt's own ico writer stores a single image, so the file is put together here: a directory of
// entries followed by one PNG per size (PNG entries are what Windows since Vista reads).
constexpr int iconSizes[] = {16, 24, 32, 48, 64, 256};
constexpr int directorySize = 6;
constexpr int entrySize = 16;

QByteArray renderPng(QSvgRenderer &renderer, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        renderer.render(&painter, QRectF(image.rect()));
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return {};
    return png;
}

void appendLe16(QByteArray &bytes, quint16 value)
{
    char raw[2];
    qToLittleEndian(value, raw);
    bytes.append(raw, 2);
}

void appendLe32(QByteArray &bytes, quint32 value)
{
    char raw[4];
    qToLittleEndian(value, raw);
    bytes.append(raw, 4);
}

} // namespace

bool writeWindowsIcon(QSvgRenderer &renderer, const QString &path)
{
    QList<QByteArray> images;
    for (const int size : iconSizes) {
        images.append(renderPng(renderer, size));
        if (images.constLast().isEmpty())
            return false;
    }

    QByteArray file;
    appendLe16(file, 0); // reserved
    appendLe16(file, 1); // an icon, not a cursor
    appendLe16(file, quint16(images.size()));
    quint32 offset = directorySize + entrySize * quint32(images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        // A width or height of 256 does not fit the byte and is written as 0.
        const char side = char(iconSizes[i] & 0xff);
        file.append(side).append(side).append(char(0)).append(char(0));
        appendLe16(file, 1);  // colour planes
        appendLe16(file, 32); // bits per pixel
        appendLe32(file, quint32(images[i].size()));
        appendLe32(file, offset);
        offset += quint32(images[i].size());
    }
    for (const QByteArray &image : images)
        file.append(image);

    // QSaveFile: a build interrupted half-way leaves no truncated icon for windres to take.
    QSaveFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(file) == file.size() && out.commit();
}
