#include "common/MessageBox.h"

#include "common/ButtonFace.h"
#include "product/ProductInfo.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <utility>

namespace parolex {
namespace {

bool recording = false;
QList<MessageBox::Shown> recorded;

QMessageBox::Icon boxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QString captionOf(const QString &title)
{
    return title.isEmpty() ? product::title() : title;
}

} // namespace

void MessageBox::show(const QString &text, const QString &title, MessageIcon icon)
{
    if (recording) {
        recorded.append({text, captionOf(title), icon});
        return;
    }
    create(text, title, icon)->exec();
}

std::unique_ptr<QMessageBox> MessageBox::create(const QString &text, const QString &title, MessageIcon icon)
{
    auto box = std::make_unique<QMessageBox>(boxIcon(icon), captionOf(title), text, QMessageBox::Ok);
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
