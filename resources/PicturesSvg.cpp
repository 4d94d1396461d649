#include "Pictures.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

namespace parolex {

struct Picture::Data
{
    QSvgRenderer renderer;
};

Picture::Picture(QStringView name) : m_data(std::make_unique<Data>())
{
    const QString path = QStringLiteral(":/%1.svg").arg(name);
    if (QFile::exists(path))
        m_data->renderer.load(path);
    m_data->renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
}

Picture::~Picture() = default;

bool Picture::isValid() const
{
    return m_data->renderer.isValid();
}

void Picture::draw(QPainter &painter, const QRectF &target) const
{
    m_data->renderer.render(&painter, target);
}

QPixmap Picture::pixmap(QSize size) const
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    draw(painter, QRectF(pixmap.rect()));
    return pixmap;
}

QIcon programIcon()
{
    return QIcon(QStringLiteral(":/main/app-icon.svg"));
}

} // namespace parolex
