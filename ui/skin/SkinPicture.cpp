#include "skin/SkinPicture.h"

#include <QMouseEvent>
#include <QPainter>

namespace parolex {

SkinPicture::SkinPicture(QStringView picture, QSize size, QWidget *parent) : QWidget(parent)
{
    resize(size);
    setPicture(picture);
}

SkinPicture::~SkinPicture() = default;

void SkinPicture::setPicture(QStringView picture)
{
    m_picture = std::make_unique<Picture>(picture);
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
    m_picture->draw(painter, QRectF(rect()));
}

void SkinPicture::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() == Qt::LeftButton)
        Q_EMIT pressed();
}

void SkinPicture::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

} // namespace parolex
