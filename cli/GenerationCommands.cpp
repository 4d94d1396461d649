// The commands that drive a whole run of RunGeneration, as the desktop's start button does.
#include "Commands.h"

#include "CommandParser.h"
#include "ErrorStream.h"
#include "StandardOutput.h"
#include "TerminalRunUi.h"
#include "io/SystemTextFileLayer.h"
#include "random/SodiumRandomSource.h"
#include "run/GenerationOptions.h"
#include "run/RunGeneration.h"

#include <memory>

using namespace Qt::StringLiterals;

namespace parolex {

namespace {

const QString countOption = u"count"_s;
const QString lengthOption = u"length"_s;

void addCountAndLength(CommandParser &command, const QString &countDescription,
                       const QString &lengthDescription)
{
    command.addOption(QCommandLineOption(countOption, countDescription, u"N"_s));
    command.addOption(QCommandLineOption(lengthOption, lengthDescription, u"L"_s));
}

/// The texts exactly as given, as the desktop's fields hold them: the output file's header
/// quotes them, and the run's own checks judge them.
void applyCountAndLength(const CommandParser &command, GenerationOptions &options)
{
    if (command.isSet(countOption))
        options.CountText = command.value(countOption);
    if (command.isSet(lengthOption))
        options.LengthText = command.value(lengthOption);
}

ExitStatus runInTerminal(ErrorStream &errors, const GenerationOptions &options)
{
    // With an output file the passwords go there only, as in the desktop program, and
    // standard output stays empty.
    std::unique_ptr<StandardOutput> results;
    if (!options.FileOutput)
        results = std::make_unique<StandardOutput>(errors);
    TerminalRunUi ui(errors, results.get());
    SodiumRandomSource random;
    SystemTextFileLayer files;
    const RunOutcome outcome = RunGeneration(options, ui, ui, random, files);
    if (results)
        results->flush();
    if (outcome.kind == RunOutcome::Kind::Failed)
        errors.failureNumber(outcome.failure);
    return exitStatusOf(outcome);
}

} // namespace

ExitStatus runGenerateCommand(ErrorStream &errors, const QStringList &arguments)
{
    CommandParser command(errors, u"generate"_s,
                          u"随机生成密码，检查、字符和输出文件的格式都与桌面程序的“常规”模式相同。\n"
                          "密码写到标准输出，每行一个；给出 --output 时写入文件，标准输出为空，"
                          "完成的提示写到标准错误。"_s);
    addCountAndLength(command, u"生成的密码个数，最多 16777216（默认 10）。"_s,
                      u"密码的位数，1 至 26（默认 8）。"_s);
    command.addOption(QCommandLineOption(u"no-letters"_s, u"不用小写字母 a-z。"_s));
    command.addOption(QCommandLineOption(u"no-upper"_s, u"不用大写字母 A-Z。"_s));
    command.addOption(QCommandLineOption(u"no-digits"_s, u"不用数字 0-9。"_s));
    command.addOption(QCommandLineOption(u"no-underscore"_s, u"不用下划线 _。"_s));
    command.addOption(QCommandLineOption(
        u"symbols"_s,
        u"自选字符，最多 10 个，按输入的顺序加入（默认 +-=\\/）；--symbols \"\" 不用自选字符。"_s,
        u"TEXT"_s));
    command.addOption(QCommandLineOption(u"filter-duplicates"_s, u"滤掉重复的密码。"_s));
    command.addOption(
        QCommandLineOption(u"output"_s, u"把密码写入此文件，格式与桌面程序的输出文件相同。"_s, u"FILE"_s));
    if (const std::optional<ExitStatus> ended = command.parse(arguments, 0, 0))
        return *ended;

    GenerationOptions options; // the main window's fields after loading
    applyCountAndLength(command, options);
    options.UseLetters = !command.isSet(u"no-letters"_s);
    options.UseUpperCase = !command.isSet(u"no-upper"_s);
    options.UseDigits = !command.isSet(u"no-digits"_s);
    options.UseUnderscore = !command.isSet(u"no-underscore"_s);
    if (command.isSet(u"symbols"_s))
        options.OwnSymbols = command.value(u"symbols"_s);
    options.FilterDuplicates = command.isSet(u"filter-duplicates"_s);
    options.FileOutput = command.isSet(u"output"_s);
    options.OutputFilePath = command.value(u"output"_s);
    return runInTerminal(errors, options);
}

ExitStatus runConvertCommand(ErrorStream &errors, const QStringList &arguments)
{
    CommandParser command(errors, u"convert"_s,
                          u"把Key文件批量转换为密码文件，与桌面程序的“批量输出(输入Key)到文件”相同："
                          "Key文件和输出文件都用代码页 936，输出文件的格式与桌面程序的相同。"_s);
    addCountAndLength(command, u"文件头中的密码个数，照原样写入，并像桌面程序一样检查（默认 10）。"_s,
                      u"文件头中的密码位数，照原样写入（默认 8）。"_s);
    command.addPositional(u"KEYFILE"_s, u"Key文件，每行一个Key。"_s, u"KEYFILE"_s);
    command.addPositional(u"OUTFILE"_s, u"输出文件。"_s, u"OUTFILE"_s);
    if (const std::optional<ExitStatus> ended = command.parse(arguments, 2, 2))
        return *ended;

    GenerationOptions options;
    applyCountAndLength(command, options);
    options.FromKey = true;
    options.FileOutput = true;
    options.KeyFilePath = command.positional().at(0);
    options.OutputFilePath = command.positional().at(1);
    return runInTerminal(errors, options);
}

} // namespace parolex
