#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>
#include <memory>

namespace parolex {

/// Every message of the program goes through here: a modal box with one OK button. Tests
/// switch on recording, so a message returns at once and its text, title and icon can be
/// asserted instead of sitting in a modal loop.
class MessageBox
{
public:
    struct Shown
    {
        QString text;
        QString title;
        QMessageBox::Icon icon;
        friend bool operator==(const Shown &, const Shown &) = default;
    };

    /// An empty @p title shows the program's title.
    static void show(const QString &text, const QString &title = {},
                     QMessageBox::Icon icon = QMessageBox::NoIcon);

    static void setRecording(bool on);
    static QList<Shown> takeRecorded();

    /// The box as show() shows it, not yet shown.
    static std::unique_ptr<QMessageBox> create(const QString &text, const QString &title = {},
                                               QMessageBox::Icon icon = QMessageBox::NoIcon);
};

} // namespace parolex
