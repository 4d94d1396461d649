#include "ClickableLabel.h"

#include <QMouseEvent>

namespace parolex {

ClickableLabel::ClickableLabel(QWidget *parent) : QLabel(parent) {}

void ClickableLabel::mousePressEvent(QMouseEvent *event)
{
    // Accepted, so the release comes here too and the press never reaches the window.
    event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

} // namespace parolex
