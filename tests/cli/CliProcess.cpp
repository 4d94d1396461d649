#include "CliProcess.h"

#include <QProcess>

namespace parolex::clitest {

QString cliPath()
{
    return QStringLiteral(PAROLEX_CLI_PATH);
}

namespace {

// LANG rather than LC_ALL: a shell in between warns when LC_ALL names a locale the system has
// not generated, and the program needs only the name to choose its language.
const QStringList chineseLocale{QStringLiteral("LANG=zh_CN.UTF-8")};

/// The system's environment with, of the locale settings, only what @p locale gives, over a
/// character type of UTF-8 that every Debian system has (C.UTF-8), so that the texts the
/// tests exchange with the program are UTF-8 whichever locales the machine generated.
QProcessEnvironment environmentIn(const QStringList &locale)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("LC_CTYPE"), QStringLiteral("C.UTF-8"));
    for (const QString &setting : locale) {
        const qsizetype equals = setting.indexOf(u'=');
        environment.insert(setting.left(equals), setting.mid(equals + 1));
    }
    return environment;
}

/// Starts @p program in @p environment, feeds it @p input and waits for its end.
CliResult runToTheEnd(QProcess &process, const QString &program, const QStringList &arguments,
                      const QProcessEnvironment &environment, const QByteArray &input)
{
    process.setProcessEnvironment(environment);
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

QProcessEnvironment chineseEnvironment()
{
    return environmentIn(chineseLocale);
}

CliResult runCli(const QStringList &arguments, const QByteArray &input, const QString &outputFile)
{
    QProcess process;
    if (!outputFile.isEmpty())
        process.setStandardOutputFile(outputFile);
    return runToTheEnd(process, cliPath(), arguments, chineseEnvironment(), input);
}

CliResult runCliInLocale(const QStringList &locale, const QStringList &arguments)
{
    QProcess process;
    return runToTheEnd(process, cliPath(), arguments, environmentIn(locale), {});
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
    QProcessEnvironment changed = chineseEnvironment();
    for (const auto &[name, value] : environment)
        changed.insert(name, value);
    QProcess process;
    process.setWorkingDirectory(folder);
    return runToTheEnd(process, QStringLiteral("bash"), {QStringLiteral("-c"), script, cliPath()}, changed,
                       input);
}

} // namespace parolex::clitest
