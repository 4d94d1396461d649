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
    m_timer->start();
}

void CaptionBlink::tick()
{
    ++m_blinkTicks;
    if (m_blinkTicks >= 4 && m_blinkTicks <= 10) {
        static const QColor colours[3] = {QColor(255, 0, 0), QColor(0, 0, 0), QColor(0, 255, 0)};
        QPalette palette = m_button->palette();
        palette.setColor(QPalette::ButtonText, colours[m_blinkTicks % 3]);
        m_button->setPalette(palette);
    } else if (m_blinkTicks == 12) {
        m_timer->stop();
    }
}

} // namespace parolex
