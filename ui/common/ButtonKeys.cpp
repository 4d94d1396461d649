#include "common/ButtonKeys.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace parolex {
namespace {

class EnterPresses : public QObject
{
public:
    explicit EnterPresses(QAbstractButton *button) : QObject(button), m_button(button)
    {
        button->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_button || event->type() != QEvent::KeyPress || m_button->isCheckable())
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) || key->isAutoRepeat())
            return false;
        m_button->click();
        return true;
    }

private:
    QAbstractButton *m_button;
};

} // namespace

void pressOnEnter(QAbstractButton *button)
{
    new EnterPresses(button);
}

} // namespace parolex
