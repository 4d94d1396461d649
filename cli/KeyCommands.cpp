// The commands around one Key at a time: DeriveKeyPassword without a run around it, as the
// key check dialog uses it.
#include "Commands.h"

#include "CommandParser.h"
#include "ErrorStream.h"
#include "StandardOutput.h"
#include "io/SystemFile.h"
#include "key/DeriveKeyPassword.h"
#include "key/KeyCheck.h"
#include "key/KeyLineReader.h"

using namespace Qt::StringLiterals;

namespace parolex {

namespace {

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

/// Standard input read line by line exactly as a Key file is.
ExitStatus deriveStandardInput(StandardOutput &out, ErrorStream &errors)
{
    KeyLineReader keys(SystemFile::standard(SystemFile::Standard::Input));
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

} // namespace

ExitStatus runDeriveCommand(ErrorStream &errors, const QStringList &arguments)
{
    CommandParser command(errors, u"derive"_s,
                          u"根据Key生成密码，每个 KEY 一行，与桌面程序的“根据Key生成”相同。\n"
                          "没有 KEY 参数时从标准输入读取Key，读法与Key文件完全相同：代码页 936，"
                          "CR 或 CR LF 结束一行，单独的 LF 不结束一行，而是Key中的一个字符。\n"
                          "以 - 开头的Key写在 -- 之后。"_s);
    command.addQuietOption(u"只输出密码和错误（此命令本来也只输出这些）。"_s);
    command.addPositional(u"KEY"_s, u"Key的文本。"_s, u"[KEY...]"_s);
    if (const std::optional<ExitStatus> ended = command.parse(arguments, 0, -1))
        return *ended;

    StandardOutput out(errors);
    const QStringList keys = command.positional();
    if (keys.isEmpty())
        return deriveStandardInput(out, errors);
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
                          u"校验 PASSWORD 是否为 KEY 生成的密码，与桌面程序的“校验Key”相同："
                          "相符时退出状态为 0，不符时为 1。"_s);
    command.addQuietOption(u"什么也不输出，只以退出状态表示是否相符（错误照常显示）。"_s);
    command.addPositional(u"KEY"_s, u"Key的文本。"_s, u"KEY"_s);
    command.addPositional(u"PASSWORD"_s, u"要校验的密码，区分大小写，空格也算在内。"_s, u"PASSWORD"_s);
    if (const std::optional<ExitStatus> ended = command.parse(arguments, 2, 2))
        return *ended;

    const Result<bool> match = keyMatchesPassword(command.positional().at(0), command.positional().at(1));
    if (!match) {
        errors.reportFailure(match.failure());
        return ExitStatus::Failed;
    }
    if (!command.isQuiet()) {
        StandardOutput out(errors);
        out.writeLine(keyCheckSentence(*match));
        out.flush();
    }
    return *match ? ExitStatus::Success : ExitStatus::Mismatch;
}

} // namespace parolex
