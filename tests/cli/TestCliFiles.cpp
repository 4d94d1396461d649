#include "CliProcess.h"
#include "io/SystemTextFileLayer.h"
#include "run/RunGeneration.h"
#include "run/RunTexts.h"
#include "support/FakeRunUi.h"
#include "support/ScriptedRandomSource.h"
#include "text/Cp936.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace parolex;
using namespace parolex::clitest;
using namespace Qt::StringLiterals;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

/// The password lines of an output file, each ended by LF instead of CR LF: what follows
/// the header, without the three closing lines of a @p completed run.
QByteArray passwordLines(const QByteArray &file, bool completed)
{
    QList<QByteArray> lines = file.split('\n');
    lines.removeLast(); // after the last CR LF
    QByteArray passwords;
    for (qsizetype i = 1; i < lines.size() - (completed ? 3 : 0); ++i)
        passwords += lines.at(i).chopped(1) + '\n';
    return passwords;
}

} // namespace

/// The files the terminal writes and reads are the desktop's, byte for byte: the engine
/// run in this process with the same options is the reference.
class TestCliFiles : public QObject
{
    Q_OBJECT

private slots:
    void convertAndDeriveMatchTheEngine_data();
    void convertAndDeriveMatchTheEngine();
    void generateWritesTheDesktopFileFormat();
    void aFileAnotherRunWritesIsLeftAlone();
    void keysWithoutLineEndsEndWithFailure6();
};

void TestCliFiles::convertAndDeriveMatchTheEngine_data()
{
    QTest::addColumn<QByteArray>("keys");
    QTest::addColumn<QStringList>("countAndLength");
    QTest::addColumn<int>("status");

    const QStringList defaults;
    QTest::newRow("abc and an empty line, ended by CR LF") << QByteArray("abc\r\n\r\n") << defaults << 0;
    QTest::newRow("lines ended by LF alone are one Key") << QByteArray("a\nb\nc\n") << defaults << 0;
    QTest::newRow("CR alone ends a line, and a last line without ending counts")
        << QByteArray("x\ry\r\nz z ") << defaults << 0;
    QTest::newRow("Chinese and the euro sign in code page 936, a Key long enough for exponent form")
        << Cp936::encode(u"中文Key 123\r\n€uro\r\n"_s + QString(760, u'a') + u"\r\n"_s + QString(20, u'中'))
        << defaults << 0;
    QTest::newRow("an empty Key file") << QByteArray() << defaults << 0;
    QTest::newRow("the header quotes count and length as given")
        << QByteArray("abc\r\n") << QStringList{u"--count"_s, u" 1500"_s, u"--length"_s, u"12 "_s} << 0;
    QTest::newRow("a line too long fails with number 6 after the lines before it")
        << QByteArray("abc\r\n") + QByteArray(40000, 'a') + QByteArray("\r\nlast") << defaults << 3;
}

void TestCliFiles::convertAndDeriveMatchTheEngine()
{
    QFETCH(QByteArray, keys);
    QFETCH(QStringList, countAndLength);
    QFETCH(int, status);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString keyFile = dir.filePath(u"keys.txt"_s);
    QVERIFY(writeAll(keyFile, keys));

    GenerationOptions options;
    options.FromKey = true;
    options.FileOutput = true;
    if (!countAndLength.isEmpty()) {
        options.CountText = countAndLength.at(1);
        options.LengthText = countAndLength.at(3);
    }
    options.KeyFilePath = keyFile;
    options.OutputFilePath = dir.filePath(u"engine.txt"_s);
    fakes::FakeRunUi ui;
    fakes::ScriptedRandomSource random;
    SystemTextFileLayer files;
    RunGeneration(options, ui, ui, random, files);
    const QByteArray expected = readAll(options.OutputFilePath);

    const QString cliFile = dir.filePath(u"cli.txt"_s);
    const CliResult converted =
        runCli(QStringList{u"convert"_s} + countAndLength + QStringList{keyFile, cliFile});
    QCOMPARE(converted.exitCode, status);
    QCOMPARE(readAll(cliFile), expected);
    if (status == 0)
        QCOMPARE(converted.errText(), u"[:)] 密码已经被写入"_s + cliFile + u"中。\n"_s);

    // The same bytes from standard input to standard output; no completion message names "-".
    const CliResult piped =
        runCli(QStringList{u"convert"_s} + countAndLength + QStringList{u"-"_s, u"-"_s}, keys);
    QCOMPARE(piped.exitCode, status);
    QCOMPARE(piped.out, expected);
    QCOMPARE(piped.err, status == 0 ? QByteArray() : converted.err);

    // derive --key-file prints the password lines of convert, from a path or standard input.
    for (const QString &path : {keyFile, u"-"_s}) {
        const CliResult derived = runCli({u"derive"_s, u"--key-file"_s, path}, keys);
        QCOMPARE(derived.exitCode, status);
        QCOMPARE(derived.out, passwordLines(expected, status == 0));
        QCOMPARE(derived.err, status == 0 ? QByteArray() : converted.err);
    }
}

void TestCliFiles::generateWritesTheDesktopFileFormat()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"out.txt"_s);
    const CliResult result = runCli({u"generate"_s, u"--count"_s, u"5"_s, u"--length"_s, u"26"_s,
                                     u"--symbols"_s, u"中€"_s, u"--output"_s, path});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, QByteArray());

    QList<QByteArray> lines = readAll(path).split('\n');
    QCOMPARE(lines.takeLast(), QByteArray()); // every line ends in CR LF
    QCOMPARE(lines.size(), 1 + 5 + 3);
    for (const QByteArray &line : std::as_const(lines))
        QVERIFY(line.endsWith('\r'));
    QCOMPARE(Cp936::decode(lines.first().chopped(1)), texts::fileHeader(u"5"_s, u"26"_s));
    const QRegularExpression shape(QRegularExpression::anchoredPattern(uR"([0-9A-Z_a-z中€]{26})"_s));
    for (qsizetype i = 1; i <= 5; ++i)
        QVERIFY(shape.match(Cp936::decode(lines.at(i).chopped(1))).hasMatch());
    QCOMPARE(Cp936::decode(lines.at(6).chopped(1)), texts::closingThanks());
    QCOMPARE(Cp936::decode(lines.at(7).chopped(1)), texts::closingWeb());
    QCOMPARE(Cp936::decode(lines.at(8).chopped(1)), texts::closingContact());
}

void TestCliFiles::aFileAnotherRunWritesIsLeftAlone()
{
    PAROLEX_NEEDS_POSIX_TOOLS();
    QTemporaryDir dir;
    const QString out = dir.filePath(u"out.txt"_s);
    QVERIFY(writeAll(out, "another run's line\r\n"));
    // flock(1) holds the file's lock as another run would, for as long as it sleeps.
    QProcess holder;
    holder.start(u"flock"_s, {u"--exclusive"_s, out, u"sleep"_s, u"30"_s});
    QVERIFY(holder.waitForStarted());
    QTRY_VERIFY(QProcess::execute(u"flock"_s, {u"--nonblock"_s, out, u"true"_s}) != 0);

    const CliResult result = runCli({u"generate"_s, u"-c"_s, u"5"_s, u"-o"_s, out});
    holder.kill();
    holder.waitForFinished();
    QCOMPARE(result.exitCode, 3);
    QVERIFY2(result.errText().contains(u"错误号 70"_s), qPrintable(result.errText()));
    QCOMPARE(readAll(out), QByteArray("another run's line\r\n"));
}

void TestCliFiles::keysWithoutLineEndsEndWithFailure6()
{
    PAROLEX_NEEDS_POSIX_TOOLS();
    // /dev/zero never ends a line: the reading stops once the line is longer than any Key.
    QTemporaryDir dir;
    for (const QStringList &arguments :
         {QStringList{u"convert"_s, u"/dev/zero"_s, dir.filePath(u"out.txt"_s)},
          QStringList{u"derive"_s, u"--key-file"_s, u"/dev/zero"_s}}) {
        const CliResult result = runCli(arguments);
        QCOMPARE(result.exitCode, 3);
        QVERIFY2(result.errText().contains(u"错误号 6"_s), qPrintable(result.errText()));
    }
    QProcess zeros;
    zeros.setStandardInputFile(u"/dev/zero"_s);
    zeros.start(cliPath(), {u"derive"_s});
    QVERIFY(zeros.waitForFinished(30000));
    QCOMPARE(zeros.exitCode(), 3);
}

QTEST_GUILESS_MAIN(TestCliFiles)
#include "TestCliFiles.moc"
