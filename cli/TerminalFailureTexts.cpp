#include "TerminalFailureTexts.h"

#include "product/ProductInfo.h"
#include "run/ReportRunError.h"

#include <QCoreApplication>

namespace parolex {

namespace {

struct TerminalFailureTexts
{
    Q_DECLARE_TR_FUNCTIONS(TerminalFailureTexts)
};

} // namespace

QString terminalFailureText(Failure failure)
{
    switch (failure.number()) {
    case Failure::PathNotFound:
        return TerminalFailureTexts::tr(
            "找不到文件所在的文件夹（或路径中有一级不是文件夹），请检查路径是否正确。");
    case Failure::InputPastEnd:
        return TerminalFailureTexts::tr("没有读到Key：输入中已经没有可读的行。");
    case Failure::OutOfMemory:
        return TerminalFailureTexts::tr("内存不足，放不下这么多密码，请减少密码的个数或位数后重试。");
    case Failure::DiskFull:
        return TerminalFailureTexts::tr(
            "磁盘已满（或超出了磁盘配额、文件大小的限制），没能全部写入，请腾出空间后重试。");
    default:
        break;
    }
    if (hasOwnRunErrorText(failure))
        return runErrorText(failure);
    // The desktop's internal-error text sends the user to its About dialog, which a
    // terminal does not have.
    return TerminalFailureTexts::tr("程序出现内部错误，错误号为 %1。请检查命令行，以及标准输入、标准输出和标准错误的"
                                    "重定向，然后重试；如果还不能解决问题，请把错误号和所用的命令行发给 %2，不胜感激！")
        .arg(failure.number())
        .arg(product::mailAddress());
}

} // namespace parolex
