#include "Pictures.h"

#include <QImage>
#include <QPainter>

namespace parolex {

// The PNGs hold each picture at several times its drawn size (see resources/CMakeLists.txt):
// a skin piece stretched across a window is scaled up from them and a cursor down, smoothly
// both ways, so they look as near to the SVG as bitmaps can.
struct Picture::Data
{
    QImage image;
};

Picture::Picture(QStringView name) : m_data(std::make_unique<Data>())
{
    // The resource keeps the SVG's name (see resources/CMakeLists.txt).
    m_data->image.load(QStringLiteral(":/%1.svg").arg(name), "PNG");
}

Picture::~Picture() = default;

bool Picture::isValid() const
{
    return !m_data->image.isNull();
}

void Picture::draw(QPainter &painter, const QRectF &target) const
{
    const QPainter::RenderHints hints = painter.renderHints();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, m_data->image);
    painter.setRenderHints(hints);
}

QPixmap Picture::pixmap(QSize size) const
{
    return QPixmap::fromImage(
        m_data->image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

QIcon programIcon()
{
    return QIcon(Picture(u"main/app-icon").pixmap(QSize(256, 256)));
}

} // namespace parolex
