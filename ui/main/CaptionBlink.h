#pragma once

#include <QObject>

class QAbstractButton;
class QColor;
class QTimer;

namespace parolex {

/// Draws the eye to the simple-mode button after start: from the 4th to the 10th second its
/// caption turns black, green and red in turn, then stays black; after the 12th second the
/// timer stops for good.
class CaptionBlink : public QObject
{
    Q_OBJECT

public:
    /// Starts the one-second timer `Timer1` at once.
    explicit CaptionBlink(QAbstractButton *button);

private:
    void tick();
    void setCaptionColour(const QColor &colour);

    QAbstractButton *m_button;
    QTimer *m_timer;
    qint16 m_blinkTicks = 0;
};

} // namespace parolex
