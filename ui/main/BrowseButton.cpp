#include "main/BrowseButton.h"

#include "common/ButtonFace.h"

#include <QKeyEvent>
#include <QPainter>

namespace parolex {

BrowseButton::BrowseButton(QWidget *parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void BrowseButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // The picture fills the control, as a stretched picture does.
    painter.drawPixmap(rect(), icon().pixmap(size(), isEnabled() ? QIcon::Normal : QIcon::Disabled));
    if (hasFocus())
        drawFocusFrame(painter, this, rect());
}

void BrowseButton::keyPressEvent(QKeyEvent *event)
{
    // Space is the button's own key; Enter does the same here, as on the dialogs' buttons.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

} // namespace parolex
