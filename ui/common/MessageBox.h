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
        /// The window the box is centred on; null for the box's own place.
        const QWidget *over = nullptr;
        /// What the user reads: the same message whichever window it sits on.
        friend bool operator==(const Shown &a, const Shown &b)
        {
            return a.text == b.text && a.title == b.title && a.icon == b.icon;
        }
    };

    /// An empty @p title shows the program's title. With @p over, the box opens centred on
    /// that window.
    static void show(const QString &text, const QString &title = {},
                     QMessageBox::Icon icon = QMessageBox::NoIcon, QWidget *over = nullptr);

    static void setRecording(bool on);
    static QList<Shown> takeRecorded();

    /// The box as show() shows it, not yet shown.
    static std::unique_ptr<QMessageBox> create(const QString &text, const QString &title = {},
                                               QMessageBox::Icon icon = QMessageBox::NoIcon,
                                               QWidget *over = nullptr);
};

} // namespace parolex
