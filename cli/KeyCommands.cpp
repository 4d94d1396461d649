// The commands around one Key at a time: DeriveKeyPassword without a run around it, as the
// key check dialog uses it.
#include "Commands.h"

#include "ArgumentBytes.h"
#include "CommandParser.h"
#include "ErrorStream.h"
#include "StandardOutput.h"
#include "TerminalFileLayer.h"
#include "UnixLineReader.h"
#include "io/SystemFile.h"
#include "key/DeriveKeyPassword.h"
#include "key/KeyCheck.h"
#include "key/KeyLineReader.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace parolex {

namespace {

struct KeyCommands
{
    Q_DECLARE_TR_FUNCTIONS(KeyCommands)
};

const QString keyFileOption = u"key-file"_s;

// The texts of the help that say how Keys are read, the same for both commands. Functions,
// not constants: they are translated once the program's language is known.
QString unixLinesText()
{
    return KeyCommands::tr("按 Unix 文本行的读法：LF 结束一行，LF 前的 CR 去掉，最后一行可以没有结束符；"
                           "用当前区域设置的编码解码，与命令行参数相同");
}
QString keyFileLinesText()
{
    return KeyCommands::tr("按桌面程序读Key文件的读法：代码页 936，CR 或 CR LF 结束一行，"
                           "单独的 LF 不结束一行，而是Key中的一个字符");
}

void addKeyFileOption(CommandParser &command, const QString &description)
{
    command.addOption(QCommandLineOption(keyFileOption, description, u"PATH"_s));
}

/// Derives @p key onto @p out; on the overflow failure reports it and returns false.
bool deriveOnto(StandardOutput &out, ErrorStream &errors, QStringView key)
{
    const Result<QString> password = DeriveKeyPassword(key);
    if (!password) {
        // The passwords before it stand, as the lines before a long line of a Key file do.
        out.flush();
        errors.reportFailure(password.failure());
        return false;
    }
    out.writeLine(*password);
    return true;
}

/// One password per line of @p keys (a UnixLineReader or a KeyLineReader).
template <typename LineReader>
ExitStatus deriveLines(LineReader &keys, StandardOutput &out, ErrorStream &errors)
{
    QString key;
    while (!keys.atEnd()) {
        if (const Failure failure = keys.readLine(key)) {
            out.flush();
            errors.reportFailure(failure);
            return ExitStatus::Failed;
        }
        if (!deriveOnto(out, errors, key))
            return ExitStatus::Failed;
    }
    out.flush();
    return ExitStatus::Success;
}

/// A --key-file the system would not get as typed is refused, as the command line.
std::optional<ExitStatus> refusedKeyFileName(CommandParser &command)
{
    if (!command.isSet(keyFileOption))
        return std::nullopt;
    if (const std::optional<QString> refusal = fileNameRefusal(command.value(keyFileOption)))
        return command.refuse(*refusal);
    return std::nullopt;
}

/// The Key file named by --key-file ("-" for standard input), read as the desktop reads it.
Result<std::unique_ptr<KeyLineReader>> openKeyFile(const CommandParser &command)
{
    TerminalFileLayer files;
    Result<std::unique_ptr<ByteSource>> source = files.openForReading(command.value(keyFileOption));
    if (!source)
        return source.failure();
    return std::make_unique<KeyLineReader>(std::move(*source));
}

std::unique_ptr<UnixLineReader> standardInputLines()
{
    return std::make_unique<UnixLineReader>(SystemFile::standard(SystemFile::Standard::Input));
}

/// The first line of @p keys, or the failure of reading it (InputPastEnd when there is none).
template <typename LineReader> Result<QString> firstLine(LineReader &keys)
{
    QString key;
    if (const Failure failure = keys.readLine(key))
        return failure;
    return key;
}

ExitStatus reportFailure(ErrorStream &errors, Failure failure)
{
    errors.reportFailure(failure);
    return ExitStatus::Failed;
}

} // namespace

ExitStatus runDeriveCommand(ErrorStream &errors, const QStringList &arguments)
{
    CommandParser command(
        errors, u"derive"_s,
        KeyCommands::tr("根据Key生成密码，每个Key一行，与桌面程序的“根据Key生成”相同。\n"
                        "根据Key生成的密码只取决于Key的长度和各字符代码之和，所以许多Key生成同一个密码"
                        "（abc、cba 和 bca 都生成 3002872312）；保留这种算法是为了已在使用的Key，"
                        "新的密码请用 generate 生成。\n"
                        "Key可以是 KEY 参数；没有 KEY 参数时从标准输入逐行读取，%1；"
                        "或用 --key-file 从Key文件读取，%2。\n以 - 开头的Key写在 -- 之后。")
            .arg(unixLinesText(), keyFileLinesText()));
    addKeyFileOption(command,
                     KeyCommands::tr("从此Key文件读取Key，每个Key行输出一个密码；PATH 为 - 时读标准输入，"
                                     "仍按Key文件的读法。"));
    command.addQuietOption(KeyCommands::tr("只输出密码和错误（此命令本来也只输出这些）。"));
    command.addPositional(u"KEY"_s, KeyCommands::tr("Key的文本。"), u"[KEY...]"_s);
    if (const std::optional<ExitStatus> ended = command.parse(arguments, 0, -1))
        return *ended;
    const QStringList keys = command.positional();
    const bool fromKeyFile = command.isSet(keyFileOption);
    if (fromKeyFile && !keys.isEmpty())
        return command.refuse(KeyCommands::tr("KEY 参数和 --key-file 不能同时给出。"));
    if (const std::optional<ExitStatus> refused = refusedKeyFileName(command))
        return *refused;

    StandardOutput out(errors);
    if (fromKeyFile) {
        Result<std::unique_ptr<KeyLineReader>> keyFile = openKeyFile(command);
        if (!keyFile)
            return reportFailure(errors, keyFile.failure());
        return deriveLines(**keyFile, out, errors);
    }
    if (keys.isEmpty())
        return deriveLines(*standardInputLines(), out, errors);
    for (const QString &key : keys) {
        if (!deriveOnto(out, errors, key))
            return ExitStatus::Failed;
    }
    out.flush();
    return ExitStatus::Success;
}

ExitStatus runVerifyCommand(ErrorStream &errors, const QStringList &arguments)
{
    CommandParser command(errors, u"verify"_s,
                          KeyCommands::tr("校验 PASSWORD 是否为Key生成的密码，与桌面程序的“校验Key”相同："
                                          "相符时退出状态为 0，不符时为 1。\n"
                                          "只给出 PASSWORD 时，Key是标准输入的第一行，%1；"
                                          "给出 --key-file 时，Key是该文件的第一个Key行，%2。")
                              .arg(unixLinesText(), keyFileLinesText()));
    addKeyFileOption(
        command, KeyCommands::tr("Key是此Key文件的第一个Key行；PATH 为 - 时读标准输入，仍按Key文件的读法。"));
    command.addQuietOption(KeyCommands::tr("什么也不输出，只以退出状态表示是否相符（错误照常显示）。"));
    command.addPositional(u"KEY"_s, KeyCommands::tr("Key的文本。"), u"[KEY]"_s);
    command.addPositional(u"PASSWORD"_s, KeyCommands::tr("要校验的密码，区分大小写，空格也算在内。"),
                          u"PASSWORD"_s);
    if (const std::optional<ExitStatus> ended = command.parse(arguments, 0, 2))
        return *ended;
    const QStringList given = command.positional();
    if (given.isEmpty())
        return command.refuse(KeyCommands::tr("缺少参数 PASSWORD。"));
    const bool fromKeyFile = command.isSet(keyFileOption);
    if (fromKeyFile && given.size() == 2)
        return command.refuse(KeyCommands::tr("KEY 参数和 --key-file 不能同时给出。"));
    if (const std::optional<ExitStatus> refused = refusedKeyFileName(command))
        return *refused;

    Result<QString> key = given.first();
    if (fromKeyFile) {
        Result<std::unique_ptr<KeyLineReader>> keyFile = openKeyFile(command);
        if (!keyFile)
            return reportFailure(errors, keyFile.failure());
        key = firstLine(**keyFile);
    } else if (given.size() == 1) {
        key = firstLine(*standardInputLines());
    }
    if (!key)
        return reportFailure(errors, key.failure());

    const Result<bool> match = keyMatchesPassword(*key, given.last());
    if (!match)
        return reportFailure(errors, match.failure());
    if (!command.isQuiet()) {
        StandardOutput out(errors);
        out.writeLine(keyCheckSentence(*match));
        out.flush();
    }
    return *match ? ExitStatus::Success : ExitStatus::Mismatch;
}

} // namespace parolex
