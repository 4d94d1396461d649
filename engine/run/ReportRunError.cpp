#include "run/ReportRunError.h"

#include "run/RunContext.h"

#include "text/NumberText.h"

#include <QCoreApplication>

#include <optional>

namespace parolex {

namespace {

struct RunErrorTexts
{
    Q_DECLARE_TR_FUNCTIONS(RunErrorTexts)
};

std::optional<QString> ownText(Failure failure)
{
    switch (failure.number()) {
    case Failure::Overflow:
        return RunErrorTexts::tr("内存溢出，可能是您选择的文件太大了。");
    case Failure::FileNotFound:
        return RunErrorTexts::tr(
            "没有找到文件，可能是您制定了无效的文件（如无效的快捷方式等），也可能该文件已经不存在。");
    case Failure::DeviceIoError:
        return RunErrorTexts::tr("程序出现输入输出错误，请重试");
    case Failure::PermissionDenied:
        return RunErrorTexts::tr("文件的访问被拒绝，可能是该文件正在使用中。请退出包含该文件的进程并重试。");
    case Failure::PathFileAccessError:
        return RunErrorTexts::tr("文件的访问被拒绝，可能文件的属性为只读，请将文件的只读属性去掉问题方可解决；"
                              "或者是文件路径错误，即文件根本不存在。");
    case Failure::CodePageMissing:
        return RunErrorTexts::tr("无法使用简体中文代码页 936（GBK）转换文字，程序不能生成密码，也不能读写文本文件。");
    default:
        return std::nullopt;
    }
}

} // namespace

bool hasOwnRunErrorText(Failure failure)
{
    return ownText(failure).has_value();
}

QString runErrorText(Failure failure)
{
    if (std::optional<QString> text = ownText(failure))
        return *text;
    return RunErrorTexts::tr("程序出现内部错误。错误号为%1。请稍后重试，如果还不能解决问题，请您将此错误告诉我，"
                             "不胜感激！我的联系方式请见“关于软件”")
        .arg(displayNumberText(failure.number()));
}

void ReportRunError(Failure failure, RunContext &run)
{
    // The run has failed already; a second failure while closing adds nothing the user
    // could act on.
    (void)run.closeFiles();
    run.ui.showMessage(runErrorText(failure), QString(), MessageIcon::Information);
    run.ui.closeProgress();
}

} // namespace parolex
