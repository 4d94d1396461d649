#include "common/MessageBox.h"

#include "common/ButtonFace.h"
#include "product/ProductInfo.h"

#include <QAbstractButton>
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

void MessageBox::show(const QString &text, const QString &title, QMessageBox::Icon icon)
{
    if (recording) {
        recorded.append({text, captionOf(title), icon});
        return;
    }
    create(text, title, icon)->exec();
}

std::unique_ptr<QMessageBox> MessageBox::create(const QString &text, const QString &title,
                                                QMessageBox::Icon icon)
{
    auto box = std::make_unique<QMessageBox>(icon, captionOf(title), text, QMessageBox::Ok);
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
