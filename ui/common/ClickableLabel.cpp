#include "common/ClickableLabel.h"

#include <QMouseEvent>
#include <utility>

namespace parolex {

ClickableLabel::ClickableLabel(QWidget *parent) : QLabel(parent) {}

void ClickableLabel::mousePressEvent(QMouseEvent *event)
{
    // Accepted, so the press never reaches the window below (its title drag, for one).
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    const bool wasPressed = std::exchange(m_pressed, false);
    if (wasPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

} // namespace parolex
