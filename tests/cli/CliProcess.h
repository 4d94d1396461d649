#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace parolex::clitest {

/// What one run of the built parolex-cli left behind.
struct CliResult
{
    int exitCode = -1;
    bool crashed = false;
    QByteArray out;
    QByteArray err;

    QString errText() const { return QString::fromUtf8(err); }
};

/// Runs parolex-cli with @p arguments in a UTF-8 locale, feeding @p input to its standard
/// input; with @p outputFile set, standard output goes to that file instead of a pipe.
CliResult runCli(const QStringList &arguments, const QByteArray &input = {}, const QString &outputFile = {});

/// The program under test, as the build names it.
QString cliPath();

} // namespace parolex::clitest
