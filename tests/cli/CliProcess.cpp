#include "CliProcess.h"

#include <QProcess>

namespace parolex::clitest {

QString cliPath()
{
    return QStringLiteral(PAROLEX_CLI_PATH);
}

namespace {

/// Starts @p program in a UTF-8 locale changed by @p environment, feeds it @p input and waits
/// for its end.
CliResult runToTheEnd(QProcess &process, const QString &program, const QStringList &arguments,
                      const QList<std::pair<QString, QString>> &environment, const QByteArray &input)
{
    QProcessEnvironment changed = QProcessEnvironment::systemEnvironment();
    changed.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    for (const auto &[name, value] : environment)
        changed.insert(name, value);
    process.setProcessEnvironment(changed);
    process.start(program, arguments);
    CliResult result;
    if (!process.waitForStarted())
        return result;
    if (!input.isEmpty())
        process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(120000);
    result.crashed = process.exitStatus() != QProcess::NormalExit;
    result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

} // namespace

CliResult runCli(const QStringList &arguments, const QByteArray &input, const QString &outputFile)
{
    QProcess process;
    if (!outputFile.isEmpty())
        process.setStandardOutputFile(outputFile);
    return runToTheEnd(process, cliPath(), arguments, {}, input);
}

CliResult runCliWithBytes(const QList<QByteArray> &arguments, const QString &folder,
                          const QList<std::pair<QString, QString>> &environment, const QByteArray &input)
{
    // Each byte as \xHH inside $'...', so that the shell hands the program exactly these bytes.
    QString script = QStringLiteral("exec \"$0\"");
    for (const QByteArray &argument : arguments) {
        script += QStringLiteral(" $'");
        for (const char byte : argument)
            script += QStringLiteral("\\x") + QString::number(uchar(byte), 16).rightJustified(2, u'0');
        script += u'\'';
    }
    QProcess process;
    process.setWorkingDirectory(folder);
    return runToTheEnd(process, QStringLiteral("bash"), {QStringLiteral("-c"), script, cliPath()}, environment,
                       input);
}

} // namespace parolex::clitest
