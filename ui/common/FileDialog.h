#pragma once

#include <QFileDialog>
#include <QString>
#include <memory>

class QWidget;

namespace parolex {

/// The open and save dialogs of the program, with the one filter they share. Tests set the
/// next answer so that no dialog opens.
class FileDialog
{
public:
    /// The empty text on cancel.
    static QString openFileName(QWidget *parent);
    static QString saveFileName(QWidget *parent);

    /// The next call returns @p name without showing anything (an empty name acts as cancel).
    static void setNextFileName(const QString &name);
    /// The filter both dialogs use, in Qt's form.
    static QString filter();

    /// The dialog as the program shows it, not yet shown, with systemOptions().
    static std::unique_ptr<QFileDialog> create(QWidget *parent, QFileDialog::AcceptMode mode);

private:
    /// Which dialog the system gets, one file per system: on Windows its own common dialog
    /// (FileDialogSystemWindows.cpp), elsewhere Qt's (FileDialogSystemPosix.cpp).
    static QFileDialog::Options systemOptions();
};

} // namespace parolex
