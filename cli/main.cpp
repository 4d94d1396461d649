// parolex-cli: the engine of the desktop program on the terminal, for scripts, machines
// without a display and bulk work.
#include "CommandParser.h"
#include "Commands.h"
#include "ErrorStream.h"
#include "LocaleText.h"
#include "StandardOutput.h"
#include "TerminalLanguage.h"
#include "io/SystemFile.h"
#include "product/ProductInfo.h"

#include <QCoreApplication>

using namespace parolex;
using namespace Qt::StringLiterals;

namespace {

struct CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

ExitStatus runCommandLine(ErrorStream &errors, const QStringList &arguments)
{
    CommandParser program(
        errors, QString(),
        CommandLine::tr("Morvik Parolex 的终端版，与桌面程序使用同一个引擎：同样的检查、提示、输出文件格式"
                        "和根据Key生成的密码。\n\n"
                        "命令：\n"
                        "  generate  随机生成密码\n"
                        "  derive    根据Key生成密码\n"
                        "  convert   把Key文件批量转换为密码文件\n"
                        "  verify    校验密码是否由Key生成\n\n"
                        "“parolex-cli COMMAND --help”显示命令的选项。\n\n"
                        "退出状态：0 成功；1 密码与Key不符（verify）；2 选项未通过检查，或命令行有误；"
                        "3 出现带错误号的错误（错误号和说明写到标准错误）。"));
    // -V as GNU tools have it; -v too, which is what many other tools answer with their version.
    program.addOption(QCommandLineOption({u"V"_s, u"v"_s, u"version"_s}, CommandLine::tr("显示版本号。")));
    program.addPositional(u"COMMAND"_s,
                          CommandLine::tr("generate、derive、convert 或 verify，其后是命令的参数。"),
                          u"COMMAND [ARGUMENT...]"_s);
    // Everything after the command belongs to the command's own parser.
    program.parser().setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    if (const std::optional<ExitStatus> ended = program.parse(arguments, 0, -1))
        return *ended;
    if (program.isSet(u"version"_s)) {
        StandardOutput out(errors);
        out.writeLine(QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion());
        return ExitStatus::Success;
    }

    const QStringList positional = program.positional();
    if (positional.isEmpty())
        return program.refuse(CommandLine::tr("缺少命令。"));
    const QString name = positional.first();
    const QStringList commandArguments = QStringList{arguments.first()} + positional.mid(1);
    if (name == u"generate")
        return runGenerateCommand(errors, commandArguments);
    if (name == u"derive")
        return runDeriveCommand(errors, commandArguments);
    if (name == u"convert")
        return runConvertCommand(errors, commandArguments);
    if (name == u"verify")
        return runVerifyCommand(errors, commandArguments);
    return program.refuse(CommandLine::tr("未知的命令“%1”。").arg(name));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"parolex-cli"_s);
    QCoreApplication::setApplicationVersion(QString::fromLatin1(product::versionText));
    const TerminalLanguage language;
    SystemFile::ignoreBrokenPipeSignal();

    ErrorStream errors;
    return int(runCommandLine(errors, LocaleText::arguments(argc, argv)));
}
