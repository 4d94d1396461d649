#include "common/FileDialog.h"

#include "common/FileListInLocale.h"

#include <optional>
#include <utility>

namespace parolex {
namespace {

std::optional<QString> nextFileName;

QString answer(QWidget *parent, QFileDialog::AcceptMode mode)
{
    if (nextFileName)
        return std::exchange(nextFileName, std::nullopt).value();
    const std::unique_ptr<QFileDialog> dialog = FileDialog::create(parent, mode);
    if (dialog->exec() != QDialog::Accepted)
        return {};
    return dialog->selectedFiles().value(0);
}

} // namespace

QString FileDialog::filter()
{
    // The one filter of the program, "文本文件(*.txt)|*.txt", in Qt's notation.
    return QStringLiteral("文本文件(*.txt)");
}

std::unique_ptr<QFileDialog> FileDialog::create(QWidget *parent, QFileDialog::AcceptMode mode)
{
    auto dialog = std::make_unique<QFileDialog>(parent, QString(), QString(), filter());
    dialog->setOptions(systemOptions());
    // Used wherever the dialog is Qt's own (off Windows, or where the system has none).
    dialog->setProxyModel(new FileListInLocale(dialog.get()));
    dialog->setAcceptMode(mode);
    dialog->setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    return dialog;
}

QString FileDialog::openFileName(QWidget *parent)
{
    return answer(parent, QFileDialog::AcceptOpen);
}

QString FileDialog::saveFileName(QWidget *parent)
{
    return answer(parent, QFileDialog::AcceptSave);
}

void FileDialog::setNextFileName(const QString &name)
{
    nextFileName = name;
}

} // namespace parolex
