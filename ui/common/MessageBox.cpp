#include "common/MessageBox.h"

#include "product/ProductInfo.h"

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

} // namespace

void MessageBox::show(const QString &text, const QString &title, MessageIcon icon)
{
    const QString caption = title.isEmpty() ? product::title() : title;
    if (recording) {
        recorded.append({text, caption, icon});
        return;
    }
    QMessageBox box(boxIcon(icon), caption, text, QMessageBox::Ok);
    // The progress window floats above everything while a run reports; the message must not
    // hide behind it.
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
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
