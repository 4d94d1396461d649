#include "TerminalFailureTexts.h"

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
    case Failure::DiskFull:
        return TerminalFailureTexts::tr(
            "磁盘已满（或超出了磁盘配额、文件大小的限制），没能全部写入，请腾出空间后重试。");
    default:
        return runErrorText(failure);
    }
}

} // namespace parolex
