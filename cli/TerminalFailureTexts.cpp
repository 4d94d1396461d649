#include "TerminalFailureTexts.h"

#include "run/ReportRunError.h"

namespace parolex {

QString terminalFailureText(Failure failure)
{
    switch (failure.number()) {
    case Failure::PathNotFound:
        return QStringLiteral("找不到文件所在的文件夹（或路径中有一级不是文件夹），请检查路径是否正确。");
    case Failure::InputPastEnd:
        return QStringLiteral("没有读到Key：输入中已经没有可读的行。");
    case Failure::OutOfMemory:
        return QStringLiteral("内存不足，放不下这么多密码，请减少密码的个数或位数后重试。");
    case Failure::DiskFull:
        return QStringLiteral(
            "磁盘已满（或超出了磁盘配额、文件大小的限制），没能全部写入，请腾出空间后重试。");
    default:
        return runErrorText(failure);
    }
}

} // namespace parolex
