#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QSysInfo>
#include <QTest>

namespace parolex::clitest {

/// What one run of the built parolex-cli left behind.
struct CliResult
{
    int exitCode = -1;
    bool crashed = false;
    QByteArray out;
    QByteArray err;

    QString errText() const { return QString::fromLocal8Bit(err); }
};

/// Runs parolex-cli with @p arguments in a Chinese UTF-8 locale, in which it speaks the
/// Chinese it is written in (on Windows: in code page 936, the ANSI code page of a
/// Simplified-Chinese system; the tests read and write the terminal's text in the local
/// 8-bit encoding, which is either), feeding @p input to its standard input; with
/// @p outputFile set, standard output goes to that file instead of a pipe.
CliResult runCli(const QStringList &arguments, const QByteArray &input = {}, const QString &outputFile = {});

/// Runs parolex-cli through bash with @p arguments given as raw bytes, which need not be
/// characters of any encoding, in @p folder, with the environment changed by @p environment
/// (such as LC_ALL and LOCPATH). POSIX only.
CliResult runCliWithBytes(const QList<QByteArray> &arguments, const QString &folder,
                          const QList<std::pair<QString, QString>> &environment = {},
                          const QByteArray &input = {});

/// The environment runCli() gives the program, for tests that start it through a shell.
QProcessEnvironment chineseEnvironment();

/// Runs parolex-cli with @p arguments and, of LC_ALL, LC_MESSAGES and LANG, only the
/// settings @p locale gives ("LANG=C"; "LC_ALL=" for one set but empty).
CliResult runCliInLocale(const QStringList &locale, const QStringList &arguments);

/// The tests that lean on a POSIX shell, its pipes and /dev/zero, /dev/full or flock(1)
/// are skipped where there are none (Windows).
#define PAROLEX_NEEDS_POSIX_TOOLS()                                                                          \
    do {                                                                                                     \
        if (QSysInfo::kernelType() == QLatin1String("winnt"))                                                \
            QSKIP("needs a POSIX shell and its devices");                                                    \
    } while (false)

/// The program under test, as the build names it.
QString cliPath();

} // namespace parolex::clitest
