#include "main/BrowseButton.h"

#include "common/ButtonFace.h"
#include "common/ButtonKeys.h"

#include <QPainter>

namespace parolex {

BrowseButton::BrowseButton(QWidget *parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    pressOnEnter(this);
}

void BrowseButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // The picture fills the control, as a stretched picture does.
    painter.drawPixmap(rect(), icon().pixmap(size(), isEnabled() ? QIcon::Normal : QIcon::Disabled));
    if (hasFocus())
        drawFocusFrame(painter, this, rect());
}

} // namespace parolex
