#include "skin/SkinPicture.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace parolex {

SkinPicture::SkinPicture(const QString &resource, QSize size, QWidget *parent)
    : QWidget(parent), m_renderer(new QSvgRenderer(this))
{
    resize(size);
    setResource(resource);
}

void SkinPicture::setResource(const QString &resource)
{
    m_renderer->load(resource);
    m_renderer->setAspectRatioMode(Qt::IgnoreAspectRatio);
    update();
}

void SkinPicture::makeButton(const QString &name)
{
    m_button = true;
    setAccessibleName(name);
}

void SkinPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_renderer->render(&painter, QRectF(rect()));
}

void SkinPicture::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    Q_EMIT pressed();
}

void SkinPicture::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

} // namespace parolex
