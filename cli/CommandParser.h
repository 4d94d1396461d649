#pragma once

#include "ExitStatus.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <optional>

namespace parolex {

class ErrorStream;

/// Qt's command-line parser for the program or one of its commands, with what every
/// command shares: --help printed to standard output, and a command line that is not
/// understood answered with a note on standard error and status 2.
class CommandParser
{
    Q_DECLARE_TR_FUNCTIONS(CommandParser)

public:
    /// @p command is empty for the program's own options.
    CommandParser(ErrorStream &errors, const QString &command, const QString &description);

    QCommandLineParser &parser() { return m_parser; }
    void addOption(const QCommandLineOption &option) { m_parser.addOption(option); }
    /// @p syntax is how the argument appears in the usage line, such as "[KEY...]".
    void addPositional(const QString &name, const QString &description, const QString &syntax);

    /// Parses @p arguments (the program's path first). Returns a status when the program
    /// ends here: help shown, or the command line refused, also for fewer than
    /// @p minPositional or more than @p maxPositional positional arguments (-1: any number).
    std::optional<ExitStatus> parse(const QStringList &arguments, qsizetype minPositional,
                                    qsizetype maxPositional);

    /// -q, --quiet, described as @p description.
    void addQuietOption(const QString &description);
    bool isQuiet() const { return isSet(QStringLiteral("quiet")); }

    bool isSet(const QString &name) const { return m_parser.isSet(name); }
    QString value(const QString &name) const { return m_parser.value(name); }
    QStringList positional() const { return m_parser.positionalArguments(); }

    /// Notes @p text and how to get help; returns the status for a command line not understood.
    ExitStatus refuse(const QString &text);
    QString helpText() const;

private:
    QString commandLine() const;

    ErrorStream &m_errors;
    QString m_command;
    QCommandLineParser m_parser;
    QStringList m_positionalNames;
    QStringList m_positionalSyntax;
};

} // namespace parolex
