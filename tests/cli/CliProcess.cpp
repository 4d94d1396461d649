#include "CliProcess.h"

#include <QProcess>

namespace parolex::clitest {

QString cliPath()
{
    return QStringLiteral(PAROLEX_CLI_PATH);
}

namespace {

// LANG rather than LC_ALL: a shell in between warns when LC_ALL names a locale the system has
// not generated, and the program needs only the name.
const QStringList chineseLocale{QStringLiteral("LANG=zh_CN.UTF-8")};

QProcessEnvironment environmentIn(const QStringList &locale)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        environment.remove(QString::fromLatin1(name));
    for (const QString &setting : locale) {
        const qsizetype equals = setting.indexOf(u'=');
        environment.insert(setting.left(equals), setting.mid(equals + 1));
    }
    return environment;
}

CliResult run(const QStringList &locale, const QStringList &arguments, const QByteArray &input,
              const QString &outputFile)
{
    QProcess process;
    process.setProcessEnvironment(environmentIn(locale));
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

} // namespace

QProcessEnvironment chineseEnvironment()
{
    return environmentIn(chineseLocale);
}

CliResult runCli(const QStringList &arguments, const QByteArray &input, const QString &outputFile)
{
    return run(chineseLocale, arguments, input, outputFile);
}

CliResult runCliInLocale(const QStringList &locale, const QStringList &arguments)
{
    return run(locale, arguments, {}, {});
}

} // namespace parolex::clitest
