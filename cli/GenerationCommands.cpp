// The commands that drive a whole run of RunGeneration, as the desktop's start button does.
#include "Commands.h"

#include "ArgumentBytes.h"
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
#include "run/RunTexts.h"

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
const QString punctuationOption = u"punctuation"_s;

GenerationOptions punctuationOnly()
{
    GenerationOptions options;
    options.UseLetters = options.UseUpperCase = options.UseDigits = options.UseUnderscore = false;
    options.OwnSymbols.clear();
    options.usePunctuation = true;
    return options;
}

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
    const int maxLength = options.limits.maxLength;
    if (command.isSet(countOption)) {
        options.CountText = command.value(countOption);
        if (const std::optional<QString> refusal = countRefusal(options.CountText))
            return command.refuse(*refusal);
    }
    if (command.isSet(lengthOption)) {
        options.LengthText = command.value(lengthOption);
        if (const std::optional<QString> refusal = lengthRefusal(options.LengthText, maxLength))
            return command.refuse(*refusal);
    }
    return std::nullopt;
}

/// Whether a run of @p options would get past its count checks: a count of 0 does nothing,
/// as in the desktop program, whatever else the options say.
bool countGoesOn(const GenerationOptions &options)
{
    return readCount(options.CountText).verdict == CountVerdict::Accepted;
}

/// What the options leave to draw from, looked at before the run: --every-class asking for
/// more classes than a password has places is refused in words that say so, and --entropy
/// tells the strength of one password.
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

/// What the run's own checks would refuse, in the desktop's words, but before the run empties
/// the output file: the terminal has no header to write first.
std::optional<ExitStatus> refuseBeforeTheRun(ErrorStream &errors, const GenerationOptions &options)
{
    if (!countGoesOn(options))
        return std::nullopt;
    const std::optional<Rejection> rejection = randomOptionsRejection(options);
    if (!rejection)
        return std::nullopt;
    errors.message(rejection->text, rejection->title);
    return ExitStatus::Rejected;
}

/// The terminal's files, with the Key file opened before the run: a Key file that cannot be
/// opened is told before the run empties the output file.
class KeyFileOpenedFirst : public TextFileLayer
{
public:
    KeyFileOpenedFirst(TextFileLayer &files, const QString &path, std::unique_ptr<ByteSource> keys)
        : m_files(files), m_path(path), m_keys(std::move(keys))
    {}

    Result<std::unique_ptr<ByteSource>> openForReading(const QString &path) override
    {
        if (m_keys && path == m_path)
            return std::move(m_keys);
        return m_files.openForReading(path);
    }
    Result<std::unique_ptr<ByteSink>> createForWriting(const QString &path) override
    {
        return m_files.createForWriting(path);
    }
    bool sameFile(const QString &first, const QString &second) override { return m_files.sameFile(first, second); }

private:
    TextFileLayer &m_files;
    QString m_path;
    std::unique_ptr<ByteSource> m_keys;
};

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
    std::unique_ptr<ByteSource> keys;
    // A Key file that is also the output is left to the run, which refuses it with its own
    // message: opened here first, Windows' share modes would turn that into failure 70.
    if (options.FromKey && options.FileOutput && countGoesOn(options) && !options.KeyFilePath.isEmpty() &&
        !files.sameFile(options.KeyFilePath, options.OutputFilePath)) {
        Result<std::unique_ptr<ByteSource>> opened = files.openForReading(options.KeyFilePath);
        if (!opened) {
            errors.reportFailure(opened.failure());
            return ExitStatus::Failed;
        }
        keys = std::move(*opened);
    }
    KeyFileOpenedFirst layer(files, options.KeyFilePath, std::move(keys));
    const RunOutcome outcome = RunGeneration(options, ui, ui, random, layer);
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
            "-y、--every-class、--no-lookalikes、--exclude 和 --entropy 只有终端版才有，长于 26 位的密码和多于 10 个"
            "的自选字符也是。不符合 --every-class "
            "的密码整个丢弃、重新抽取，决不挪动或替换其中的字符，所以每个密码仍是在符合选项的所有密码中"
            "随机抽取的，字符池中每一项的机会都相同。选项留下的字符少于 3 个时，与桌面程序一样拒绝生成。"));
    addCountAndLength(command,
                      GenerateCommand::tr("生成的密码个数，0 至 16777216（默认 10；0 表示什么也不做）。"),
                      GenerateCommand::tr("密码的位数，1 至 128（默认 8）。"));
    command.addOption(QCommandLineOption(u"no-letters"_s, GenerateCommand::tr("不用小写字母 a-z。")));
    command.addOption(QCommandLineOption(u"no-upper"_s, GenerateCommand::tr("不用大写字母 A-Z。")));
    command.addOption(QCommandLineOption(u"no-digits"_s, GenerateCommand::tr("不用数字 0-9。")));
    command.addOption(QCommandLineOption(u"no-underscore"_s, GenerateCommand::tr("不用下划线 _。")));
    command.addOption(QCommandLineOption(
        {u"y"_s, punctuationOption},
        GenerateCommand::tr("加入 ASCII 的 31 个标点符号（下划线自成一类，不在其中）：%1。默认的自选字符都在其中，"
                            "所以不给 --symbols 时不再另加。")
            .arg(CharacterPool::build(punctuationOnly()).toString())));
    command.addOption(QCommandLineOption(
        u"symbols"_s,
        GenerateCommand::tr(
            "自选字符，最多 94 个，按输入的顺序加入（默认 +-=\\/）；--symbols \"\" 不用自选字符。"),
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
                            "标点符号、自选字符；某类字符被 --exclude 或 --no-lookalikes 全部排除时不算在内。")));
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
    options.limits = terminalLimits;
    if (const std::optional<ExitStatus> refused = applyCountAndLength(command, options))
        return *refused;
    options.UseLetters = !command.isSet(u"no-letters"_s);
    options.UseUpperCase = !command.isSet(u"no-upper"_s);
    options.UseDigits = !command.isSet(u"no-digits"_s);
    options.UseUnderscore = !command.isSet(u"no-underscore"_s);
    options.usePunctuation = command.isSet(punctuationOption);
    // The default symbols +-=\/ are punctuation already: added again they would stand in two
    // entries each and come up twice as often as the rest.
    if (options.usePunctuation)
        options.OwnSymbols.clear();
    if (command.isSet(u"symbols"_s)) {
        options.OwnSymbols = command.value(u"symbols"_s);
        if (const std::optional<QString> refusal = undecodableSymbolsRefusal(options.OwnSymbols))
            return command.refuse(*refusal);
        if (const std::optional<QString> refusal = symbolsRefusal(options.OwnSymbols, options.limits.maxOwnSymbols))
            return command.refuse(*refusal);
    }
    options.FilterDuplicates = command.isSet(u"filter-duplicates"_s);
    const QString output = command.value(u"output"_s);
    options.FileOutput = command.isSet(u"output"_s) && output != u"-";
    if (options.FileOutput) {
        options.OutputFilePath = output;
        if (const std::optional<QString> refusal = fileNameRefusal(output))
            return command.refuse(*refusal);
    }
    options.restrictions.excluded = command.value(u"exclude"_s);
    options.restrictions.noLookalikes = command.isSet(u"no-lookalikes"_s);
    options.everyClass = command.isSet(u"every-class"_s);
    if (const std::optional<ExitStatus> refused =
            weighPasswords(command, errors, options, command.isSet(u"entropy"_s)))
        return *refused;
    if (const std::optional<ExitStatus> refused = refuseBeforeTheRun(errors, options))
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
    for (const QString &path : {options.KeyFilePath, options.OutputFilePath}) {
        if (const std::optional<QString> refusal = fileNameRefusal(path))
            return command.refuse(*refusal);
    }
    // Before the run, which writes the output file's header first: a refused conversion
    // leaves the output file as it was.
    if (options.KeyFilePath.isEmpty() && countGoesOn(options)) {
        errors.message(texts::fileNamesMissing(), texts::doneTitle());
        return ExitStatus::Rejected;
    }
    return runInTerminal(errors, options, command.isQuiet());
}

} // namespace parolex
