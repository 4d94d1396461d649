#include "CommandParser.h"

#include "ErrorStream.h"
#include "StandardOutput.h"

#include <QCoreApplication>

namespace parolex {

CommandParser::CommandParser(ErrorStream &errors, const QString &command, const QString &description)
    : m_errors(errors), m_command(command)
{
    m_parser.setApplicationDescription(description);
    // Not addHelpOption(): its --help-all lists Qt's own options, which mean nothing here.
    m_parser.addOption(QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")}, tr("显示本帮助。")));
}

void CommandParser::addPositional(const QString &name, const QString &description, const QString &syntax)
{
    m_parser.addPositionalArgument(name, description, syntax);
    m_positionalNames.append(name);
    m_positionalSyntax.append(syntax);
}

void CommandParser::addQuietOption(const QString &description)
{
    m_parser.addOption(QCommandLineOption({QStringLiteral("q"), QStringLiteral("quiet")}, description));
}

QString CommandParser::commandLine() const
{
    const QString program = QCoreApplication::applicationName();
    return m_command.isEmpty() ? program : program + u' ' + m_command;
}

QString CommandParser::helpText() const
{
    // Qt's usage line names the program by the path it was started with; the program's
    // name and the command read better and can be typed as shown.
    QString text = m_parser.helpText();
    const qsizetype firstLineEnd = text.indexOf(u'\n');
    QString usage = tr("用法：%1 [选项]").arg(commandLine());
    for (const QString &syntax : m_positionalSyntax)
        usage += u' ' + syntax;
    text.replace(0, firstLineEnd, usage);
    return text;
}

ExitStatus CommandParser::refuse(const QString &text)
{
    m_errors.note(text);
    m_errors.note(tr("运行“%1 --help”可查看用法。").arg(commandLine()));
    return ExitStatus::Rejected;
}

std::optional<ExitStatus> CommandParser::parse(const QStringList &arguments, qsizetype minPositional,
                                               qsizetype maxPositional)
{
    if (!m_parser.parse(arguments))
        return refuse(m_parser.errorText());
    if (m_parser.isSet(QStringLiteral("help"))) {
        StandardOutput out(m_errors);
        QString text = helpText();
        if (text.endsWith(u'\n'))
            text.chop(1);
        out.writeLine(text);
        return ExitStatus::Success;
    }
    const QStringList given = m_parser.positionalArguments();
    if (given.size() < minPositional)
        return refuse(tr("缺少参数 %1。").arg(m_positionalNames.mid(given.size()).join(u' ')));
    if (maxPositional >= 0 && given.size() > maxPositional)
        return refuse(tr("多余的参数“%1”。").arg(given.at(maxPositional)));
    return std::nullopt;
}

} // namespace parolex
