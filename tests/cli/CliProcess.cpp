#include "CliProcess.h"

#include <QProcess>

namespace parolex::clitest {

QString cliPath()
{
    return QStringLiteral(PAROLEX_CLI_PATH);
}

CliResult runCli(const QStringList &arguments, const QByteArray &input, const QString &outputFile)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    process.setProcessEnvironment(environment);
    if (!outputFile.isEmpty())
        process.setStandardOutputFile(outputFile);
    process.start(cliPath(), arguments);
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

} // namespace parolex::clitest
