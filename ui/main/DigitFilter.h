#pragma once

#include <QObject>
#include <QSet>

class QComboBox;

namespace parolex {

/// Keeps a number box numeric: when a digit key of the main block is released the box's whole
/// text is remembered as a number; when any other key is released (keypad digits included)
/// the box shows the remembered number again. The remembered number starts at 0, not at the
/// box's first text.
///
/// Only keys pressed in the box count: the release of the Tab that brought the focus here,
/// or of any key pressed before the focus came, belongs to another control. Tab and
/// Shift+Tab move the focus and never count.
class DigitFilter : public QObject
{
    Q_OBJECT

public:
    explicit DigitFilter(QComboBox *box);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void keyReleased(int key, Qt::KeyboardModifiers modifiers);

    QComboBox *m_box;
    qint32 m_remembered = 0;
    /// The keys pressed while the box had the focus and not yet released.
    QSet<int> m_pressedHere;
};

} // namespace parolex
