#include "common/FileDialog.h"

#include <QFileDialog>
#include <functional>
#include <optional>

namespace parolex {
namespace {

std::optional<QString> nextFileName;

QString answer(const std::function<QString()> &ask)
{
    if (nextFileName)
        return std::exchange(nextFileName, std::nullopt).value();
    return ask();
}

} // namespace

QString FileDialog::filter()
{
    // The one filter of the program, "文本文件(*.txt)|*.txt", in Qt's notation.
    return QStringLiteral("文本文件(*.txt)");
}

QString FileDialog::openFileName(QWidget *parent)
{
    return answer([parent] { return QFileDialog::getOpenFileName(parent, QString(), QString(), filter()); });
}

QString FileDialog::saveFileName(QWidget *parent)
{
    return answer([parent] { return QFileDialog::getSaveFileName(parent, QString(), QString(), filter()); });
}

void FileDialog::setNextFileName(const QString &name)
{
    nextFileName = name;
}

} // namespace parolex
