#include "ArgumentBytes.h"

#include "LocaleText.h"

#include <QCoreApplication>

namespace parolex {

namespace {

struct ArgumentBytes
{
    Q_DECLARE_TR_FUNCTIONS(ArgumentBytes)
};

} // namespace

std::optional<QString> fileNameRefusal(const QString &path)
{
    if (LocaleText::hasUndecodableBytes(path))
        return ArgumentBytes::tr("文件名“%1”中有不是 %2 字符的字节，程序无法照原样把这个文件名交给系统，请给文件改名后重试。")
            .arg(LocaleText::visible(path), LocaleText::encodingName());
    if (!LocaleText::reachesTheSystemAsTyped(path))
        return ArgumentBytes::tr("文件名“%1”中的非 ASCII 字符是按 %2 编码输入的，程序只能按 UTF-8 把文件名交给系统，"
                                 "那将是另一个文件。请在 UTF-8 的区域设置下运行，或改用只含 ASCII 字符的文件名。")
            .arg(path, LocaleText::encodingName());
    return std::nullopt;
}

std::optional<QString> undecodableSymbolsRefusal(const QString &symbols)
{
    if (!LocaleText::hasUndecodableBytes(symbols))
        return std::nullopt;
    return ArgumentBytes::tr("选项 --symbols 的值“%1”中有不是 %2 字符的字节，请重新设置。")
        .arg(LocaleText::visible(symbols), LocaleText::encodingName());
}

} // namespace parolex
