#include "main/DigitFilter.h"

#include <QComboBox>
#include <QKeyEvent>

namespace parolex {
namespace {

bool movesFocus(int key)
{
    return key == Qt::Key_Tab || key == Qt::Key_Backtab;
}

} // namespace

DigitFilter::DigitFilter(QComboBox *box) : QObject(box), m_box(box)
{
    // An editable combo box keeps the keyboard focus itself and hands its keys to its line
    // edit, so the box sees every press and release.
    box->installEventFilter(this);
}

bool DigitFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_box)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (!movesFocus(key->key()))
            m_pressedHere.insert(key->key());
        break;
    }
    case QEvent::KeyRelease: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (m_pressedHere.contains(key->key())) {
            // A held key repeats its press and release; only the last release ends it.
            if (!key->isAutoRepeat())
                m_pressedHere.remove(key->key());
            keyReleased(key->key(), key->modifiers());
        }
        break;
    }
    case QEvent::FocusOut:
        // What is released elsewhere is released for another control.
        m_pressedHere.clear();
        break;
    default:
        break;
    }
    return false;
}

void DigitFilter::keyReleased(int key, Qt::KeyboardModifiers modifiers)
{
    const bool mainBlockDigit = key >= Qt::Key_0 && key <= Qt::Key_9 && !(modifiers & Qt::KeypadModifier);
    if (mainBlockDigit) {
        bool ok = false;
        const qint32 value = m_box->currentText().trimmed().toInt(&ok);
        if (ok) {
            m_remembered = value;
            return;
        }
        // Too many digits for a 32-bit number, or other characters left in the box: the
        // text is not a number this filter can keep, so the last good one comes back.
    }
    m_box->setEditText(QString::number(m_remembered));
}

} // namespace parolex
