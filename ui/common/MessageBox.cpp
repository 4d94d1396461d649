#include "common/MessageBox.h"

#include "common/ButtonFace.h"
#include "product/ProductInfo.h"

#include <QAbstractButton>
#include <QPointer>
#include <utility>

namespace parolex {
namespace {

bool recording = false;
QList<MessageBox::Shown> recorded;

QString captionOf(const QString &title)
{
    return title.isEmpty() ? product::title() : title;
}

} // namespace

void MessageBox::show(const QString &text, const QString &title, QMessageBox::Icon icon, QWidget *over)
{
    if (recording) {
        recorded.append({text, captionOf(title), icon, over});
        return;
    }
    std::unique_ptr<QMessageBox> box = create(text, title, icon, over);
    const QPointer<QMessageBox> alive = box.get();
    box->exec();
    // A window it sits on that went away during the box took the box with it.
    if (!alive)
        (void)box.release();
}

std::unique_ptr<QMessageBox> MessageBox::create(const QString &text, const QString &title,
                                                QMessageBox::Icon icon, QWidget *over)
{
    // A dialog with a parent window opens centred on it.
    auto box = std::make_unique<QMessageBox>(icon, captionOf(title), text, QMessageBox::Ok,
                                             over ? over->window() : nullptr);
    // The progress window floats above everything while a run reports; the message must not
    // hide behind it.
    box->setWindowFlag(Qt::WindowStaysOnTopHint);
    for (QAbstractButton *button : box->buttons())
        useFlatFace(button);
    return box;
}

void MessageBox::setRecording(bool on)
{
    recording = on;
    recorded.clear();
}

QList<MessageBox::Shown> MessageBox::takeRecorded()
{
    return std::exchange(recorded, {});
}

} // namespace parolex
