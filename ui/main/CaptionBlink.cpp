#include "main/CaptionBlink.h"

#include <QAbstractButton>
#include <QTimer>

namespace parolex {

CaptionBlink::CaptionBlink(QAbstractButton *button)
    : QObject(button), m_button(button), m_timer(new QTimer(this))
{
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &CaptionBlink::tick);
    // The caption is black until it blinks.
    setCaptionColour(Qt::black);
    m_timer->start();
}

void CaptionBlink::setCaptionColour(const QColor &colour)
{
    // Only for an enabled button: disabled, the caption is grey like every other one, and it
    // shows the blink's colour of the moment again when the button comes back.
    QPalette palette = m_button->palette();
    palette.setColor(QPalette::Active, QPalette::ButtonText, colour);
    palette.setColor(QPalette::Inactive, QPalette::ButtonText, colour);
    m_button->setPalette(palette);
}

void CaptionBlink::tick()
{
    ++m_blinkTicks;
    if (m_blinkTicks >= 4 && m_blinkTicks <= 10) {
        static const QColor colours[3] = {QColor(255, 0, 0), QColor(0, 0, 0), QColor(0, 255, 0)};
        setCaptionColour(colours[m_blinkTicks % 3]);
    } else if (m_blinkTicks == 12) {
        m_timer->stop();
    }
}

} // namespace parolex
