#include "main/PictureButton.h"

#include "common/ButtonFace.h"
#include "common/ButtonKeys.h"

#include <QPainter>

namespace parolex {
namespace {

constexpr int iconTop = 1;
constexpr int captionBottomMargin = 3;

} // namespace

PictureButton::PictureButton(QWidget *parent) : QToolButton(parent)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Button, buttonFaceGrey());
    setPalette(palette);
    pressOnEnter(this);
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const bool sunken = isDown() || isChecked();
    drawButtonFace(painter, rect(), palette(), sunken);

    // A pressed classic button moves its contents one pixel down and right.
    const QPoint shift = sunken ? QPoint(1, 1) : QPoint();
    const QSize iconSize = this->iconSize();
    const QRect iconRect(QPoint((width() - iconSize.width()) / 2, iconTop) + shift, iconSize);
    icon().paint(&painter, iconRect, Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled,
                 isChecked() ? QIcon::On : QIcon::Off);

    const QFontMetrics metrics(font());
    const int captionHeight = metrics.ascent();
    const QRect captionRect(0, height() - captionBottomMargin - captionHeight, width(), captionHeight);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    // The caption's ink sits in the ascent; the font's descent may reach into the border.
    painter.drawText(captionRect.translated(shift), Qt::AlignHCenter | Qt::AlignBottom | Qt::TextDontClip,
                     text());

    if (hasFocus())
        drawFocusFrame(painter, this, rect().adjusted(4, 4, -4, -4));
}

} // namespace parolex
