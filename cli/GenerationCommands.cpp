// The commands that drive a whole run of RunGeneration, as the desktop's start button does.
#include "Commands.h"

#include "CommandParser.h"
#include "ErrorStream.h"
#include "OptionValues.h"
#include "StandardOutput.h"
#include "TerminalFileLayer.h"
#include "TerminalRunUi.h"
#include "random/SodiumRandomSource.h"
#include "run/ClassCoverage.h"
#include "run/GenerationOptions.h"
#include "run/RunChecks.h"
#include "run/RunGeneration.h"

#include <QCoreApplication>
#include <memory>

using namespace Qt::StringLiterals;

namespace parolex {

namespace {

struct GenerateCommand
{
    Q_DECLARE_TR_FUNCTIONS(GenerateCommand)
};

const QString countOption = u"count"_s;
const QString lengthOption = u"length"_s;

void addCountAndLength(CommandParser &command, const QString &countDescription,
                       const QString &lengthDescription)
{
    command.addOption(QCommandLineOption({u"c"_s, countOption}, countDescription, u"N"_s));
    command.addOption(QCommandLineOption({u"l"_s, lengthOption}, lengthDescription, u"L"_s));
}

/// The texts exactly as given, as the desktop's fields hold them, once they are known to
/// be whole numbers in range: the output file's header quotes them.
std::optional<ExitStatus> applyCountAndLength(CommandParser &command, GenerationOptions &options)
{
    if (command.isSet(countOption)) {
        options.CountText = command.value(countOption);
        if (const std::optional<QString> refusal = countRefusal(options.CountText))
            return command.refuse(*refusal);
    }
    if (command.isSet(lengthOption)) {
        options.LengthText = command.value(lengthOption);
        if (const std::optional<QString> refusal = lengthRefusal(options.LengthText))
            return command.refuse(*refusal);
    }
    return std::nullopt;
}

/// What the options leave to draw from, looked at before the run: --every-class asking for
/// more classes than a password has places is refused in words that say so, and --entropy
/// tells the strength of one password. A pool too small is left to the run, which refuses
/// it as the desktop does.
std::optional<ExitStatus> weighPasswords(CommandParser &command, ErrorStream &errors,
                                         const GenerationOptions &options, bool entropy)
{
    const CharacterPool pool = options.restrictions.apply(CharacterPool::build(options));
    if (pool.size() < minPoolSize)
        return std::nullopt;
    const int length = options.LengthText.trimmed().toInt();
    const ClassCoverage coverage(options, pool);
    const ExactCount qualifying = coverage.qualifyingPasswords(length);
    if (qualifying.isZero())
        return command.refuse(
            GenerateCommand::tr("选项 --every-class 要求每个密码都含有 %1 类字符，%2 位的密码放不下，"
                                "请加大 --length 或减少字符的种类。")
                .arg(coverage.requiredClassCount())
                .arg(length));
    if (entropy)
        errors.note(GenerateCommand::tr("每个密码的强度为 %1 位熵，符合选项的密码共有 %2 个。")
                        .arg(QString::number(coverage.entropyBits(length), 'f', 2), qualifying.toString()));
    return std::nullopt;
}

ExitStatus runInTerminal(ErrorStream &errors, const GenerationOptions &options, bool quiet)
{
    // With an output file the passwords go there only, as in the desktop program, and
    // standard output stays empty.
    std::unique_ptr<StandardOutput> results;
    if (!options.FileOutput)
        results = std::make_unique<StandardOutput>(errors);
    TerminalRunUi ui(errors, results.get(), quiet);
    SodiumRandomSource random;
    TerminalFileLayer files;
    const RunOutcome outcome = RunGeneration(options, ui, ui, random, files);
    if (results)
        results->flush();
    const std::optional<TerminalRunUi::Message> message = ui.takeMessage();
    // A reader that has all it wanted (`| head`) is no failure, as for standard output.
    if (outcome.kind == RunOutcome::Kind::Failed && files.outputReaderHasGone())
        return ExitStatus::Success;
    if (outcome.kind == RunOutcome::Kind::Failed) {
        errors.reportFailure(outcome.failure);
    } else if (message) {
        // The completion message names the file written; standard output needs no naming.
        const bool completed = outcome.kind == RunOutcome::Kind::Completed;
        if (!(completed && (quiet || TerminalFileLayer::isStandardStream(options.OutputFilePath))))
            errors.message(message->text, message->title);
    }
    return exitStatusOf(outcome);
}

} // namespace

ExitStatus runGenerateCommand(ErrorStream &errors, const QStringList &arguments)
{
    CommandParser command(
        errors, u"generate"_s,
        GenerateCommand::tr(
            "随机生成密码，字符、检查和输出文件的格式都与桌面程序的“常规”模式相同。\n"
            "密码写到标准输出，每行一个；给出 --output 时写入文件，标准输出为空，完成的提示写到标准错误。\n"
            "--every-class、--no-lookalikes、--exclude 和 --entropy 只有终端版才有。不符合 --every-class "
            "的密码整个丢弃、重新抽取，决不挪动或替换其中的字符，所以每个密码仍是在符合选项的所有密码中"
            "随机抽取的，字符池中每一项的机会都相同。选项留下的字符少于 3 个时，与桌面程序一样拒绝生成。"));
    addCountAndLength(command,
                      GenerateCommand::tr("生成的密码个数，0 至 16777216（默认 10；0 表示什么也不做）。"),
                      GenerateCommand::tr("密码的位数，1 至 26（默认 8）。"));
    command.addOption(QCommandLineOption(u"no-letters"_s, GenerateCommand::tr("不用小写字母 a-z。")));
    command.addOption(QCommandLineOption(u"no-upper"_s, GenerateCommand::tr("不用大写字母 A-Z。")));
    command.addOption(QCommandLineOption(u"no-digits"_s, GenerateCommand::tr("不用数字 0-9。")));
    command.addOption(QCommandLineOption(u"no-underscore"_s, GenerateCommand::tr("不用下划线 _。")));
    command.addOption(QCommandLineOption(
        u"symbols"_s,
        GenerateCommand::tr(
            "自选字符，最多 10 个，按输入的顺序加入（默认 +-=\\/）；--symbols \"\" 不用自选字符。"),
        u"TEXT"_s));
    command.addOption(QCommandLineOption(u"filter-duplicates"_s, GenerateCommand::tr("滤掉重复的密码。")));
    command.addOption(QCommandLineOption(
        {u"o"_s, u"output"_s},
        GenerateCommand::tr(
            "把密码写入此文件，格式与桌面程序的输出文件相同（代码页 936，每行以 CR LF 结束）；"
            "FILE 为 - 时写到标准输出，与不给此选项相同。"),
        u"FILE"_s));
    command.addOption(QCommandLineOption(
        u"every-class"_s,
        GenerateCommand::tr("每个密码至少含有所用的每类字符中的一个：小写字母、大写字母、数字、下划线、"
                            "自选字符；某类字符被 --exclude 或 --no-lookalikes 全部排除时不算在内。")));
    QString lookalikes;
    for (const QChar c : PoolRestrictions::lookalikes())
        lookalikes += u' ' + c;
    command.addOption(QCommandLineOption(u"no-lookalikes"_s,
                                         GenerateCommand::tr("不用容易看错或输错的字符，即这 %1 个：%2。")
                                             .arg(PoolRestrictions::lookalikes().size())
                                             .arg(lookalikes.mid(1))));
    command.addOption(QCommandLineOption(
        u"exclude"_s, GenerateCommand::tr("不用 CHARS 中的字符，自选字符中的也不用。"), u"CHARS"_s));
    command.addOption(QCommandLineOption(
        u"entropy"_s,
        GenerateCommand::tr("在标准错误上显示一个密码的强度（熵，以位计）和符合选项的密码个数。")));
    command.addQuietOption(
        GenerateCommand::tr("只输出密码和错误：不显示进度和完成的提示（--entropy 要求的强度照常显示）。"));
    if (const std::optional<ExitStatus> ended = command.parse(arguments, 0, 0))
        return *ended;

    GenerationOptions options; // the main window's fields after loading
    if (const std::optional<ExitStatus> refused = applyCountAndLength(command, options))
        return *refused;
    options.UseLetters = !command.isSet(u"no-letters"_s);
    options.UseUpperCase = !command.isSet(u"no-upper"_s);
    options.UseDigits = !command.isSet(u"no-digits"_s);
    options.UseUnderscore = !command.isSet(u"no-underscore"_s);
    if (command.isSet(u"symbols"_s)) {
        options.OwnSymbols = command.value(u"symbols"_s);
        if (const std::optional<QString> refusal = symbolsRefusal(options.OwnSymbols))
            return command.refuse(*refusal);
    }
    options.FilterDuplicates = command.isSet(u"filter-duplicates"_s);
    const QString output = command.value(u"output"_s);
    options.FileOutput = command.isSet(u"output"_s) && output != u"-";
    if (options.FileOutput)
        options.OutputFilePath = output;
    options.restrictions.excluded = command.value(u"exclude"_s);
    options.restrictions.noLookalikes = command.isSet(u"no-lookalikes"_s);
    options.everyClass = command.isSet(u"every-class"_s);
    if (const std::optional<ExitStatus> refused =
            weighPasswords(command, errors, options, command.isSet(u"entropy"_s)))
        return *refused;
    return runInTerminal(errors, options, command.isQuiet());
}

ExitStatus runConvertCommand(ErrorStream &errors, const QStringList &arguments)
{
    CommandParser command(
        errors, u"convert"_s,
        GenerateCommand::tr("把Key文件批量转换为密码文件，与桌面程序的“批量输出(输入Key)到文件”相同："
                            "Key文件和输出文件都用代码页 936，输出文件的格式与桌面程序的相同。"));
    addCountAndLength(
        command,
        GenerateCommand::tr("文件头中的密码个数，0 至 16777216，照原样写入（默认 10；0 表示什么也不做）。"),
        GenerateCommand::tr("文件头中的密码位数，1 至 26，照原样写入（默认 8）。"));
    command.addQuietOption(GenerateCommand::tr("只输出错误：不显示进度和完成的提示。"));
    command.addPositional(u"KEYFILE"_s, GenerateCommand::tr("Key文件，每行一个Key；- 为标准输入。"),
                          u"KEYFILE"_s);
    command.addPositional(
        u"OUTFILE"_s, GenerateCommand::tr("输出文件；- 为标准输出，写出的字节与文件的相同。"), u"OUTFILE"_s);
    if (const std::optional<ExitStatus> ended = command.parse(arguments, 2, 2))
        return *ended;

    GenerationOptions options;
    if (const std::optional<ExitStatus> refused = applyCountAndLength(command, options))
        return *refused;
    options.FromKey = true;
    options.FileOutput = true;
    options.KeyFilePath = command.positional().at(0);
    options.OutputFilePath = command.positional().at(1);
    return runInTerminal(errors, options, command.isQuiet());
}

} // namespace parolex
