#include "CliProcess.h"
#include "key/DeriveKeyPassword.h"
#include "run/ReportRunError.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace parolex;
using namespace parolex::clitest;
using namespace Qt::StringLiterals;

namespace {

/// "%DIR%" in @p text stands for the test's temporary folder.
QString placed(QString text, const QTemporaryDir &dir)
{
    return text.replace(u"%DIR%"_s, dir.path());
}

QStringList placed(QStringList texts, const QTemporaryDir &dir)
{
    for (QString &text : texts)
        text = placed(text, dir);
    return texts;
}

QString reported(int number)
{
    return u"[Morvik Parolex] "_s + runErrorText(Failure::Number(number)) + u"\nparolex-cli: 错误号 "_s +
           QString::number(number) + u'\n';
}

QString usageNote(const QString &text, const QString &command)
{
    return u"parolex-cli: "_s + text + u"\nparolex-cli: 运行“parolex-cli"_s + command +
           u" --help”可查看用法。\n"_s;
}

} // namespace

/// The program's answers as the shell sees them: exit status, standard output and
/// standard error, for the checks, the failures, the command line and the closed pipe.
class TestCliCommands : public QObject
{
    Q_OBJECT

private slots:
    void answersWithStatusAndMessage_data();
    void answersWithStatusAndMessage();
    void generatePrintsPasswordsOfTheChosenShape_data();
    void generatePrintsPasswordsOfTheChosenShape();
    void deriveTakesKeysFromArguments();
    void helpAndVersion_data();
    void helpAndVersion();
    void closedPipeEndsQuietly_data();
    void closedPipeEndsQuietly();
    void failedWriteToStandardOutputIsReported();
};

void TestCliCommands::answersWithStatusAndMessage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QString>("err");

    const QString warning = u"[提示信息] "_s;
    const QString longKey(32767, u'a');

    QTest::newRow("A count of 0 ends silently with status 0")
        << QStringList{u"generate"_s, u"--count"_s, u"0"_s} << 0 << QByteArray() << QString();
    QTest::newRow("A count of 0 in a conversion ends silently too")
        << QStringList{u"convert"_s, u"--count"_s, u"0.5"_s, u"%DIR%/missing.txt"_s, u"%DIR%/out.txt"_s} << 0
        << QByteArray() << QString();
    QTest::newRow("A count above the limit is rejected with the limit in the message")
        << QStringList{u"generate"_s, u"--count"_s, u"16777217"_s} << 2 << QByteArray()
        << u"[Morvik Parolex] 您设置的密码生成数太大，一次最多只可以生成 16777216个密码。\n"_s;
    QTest::newRow("A negative count is rejected")
        << QStringList{u"generate"_s, u"--count"_s, u"-1"_s} << 2 << QByteArray()
        << u"[Morvik Parolex] 您设置的密码生成数不正确。\n"_s;
    QTest::newRow("A length of 27 is rejected")
        << QStringList{u"generate"_s, u"--length"_s, u"27"_s} << 2 << QByteArray()
        << warning + u"密码位数太长或太短，无法生成有效的密码。\n"_s;
    QTest::newRow("Eleven own symbols are rejected")
        << QStringList{u"generate"_s, u"--symbols"_s, u"0123456789a"_s} << 2 << QByteArray()
        << warning + u"自选符号最多为10个，请重新设置。\n"_s;
    QTest::newRow("Underscore alone is too small a pool")
        << QStringList{u"generate"_s,    u"--no-letters"_s, u"--no-upper"_s,
                       u"--no-digits"_s, u"--symbols"_s,    u""_s}
        << 2 << QByteArray()
        << warning +
               u"您选择了两个或者两个以下可以生成密码的字符，这样的密码过于简单或无法生成，请重新设置。\n"_s;
    QTest::newRow("A length that is no number fails with number 13")
        << QStringList{u"generate"_s, u"--length"_s, u"x"_s} << 3 << QByteArray() << reported(13);
    QTest::newRow("A Key file that does not exist fails with number 53")
        << QStringList{u"convert"_s, u"%DIR%/missing.txt"_s, u"%DIR%/out.txt"_s} << 3 << QByteArray()
        << reported(53);
    QTest::newRow("Converting a Key file into itself is refused before it is emptied")
        << QStringList{u"convert"_s, u"%DIR%/keys.txt"_s, u"%DIR%/./keys.txt"_s} << 2 << QByteArray()
        << u"[:)] 输入文件和输出文件不能是同一个文件，请重新选择。\n"_s;
    QTest::newRow("An empty Key file name gets the missing-names message")
        << QStringList{u"convert"_s, u""_s, u"%DIR%/out.txt"_s} << 2 << QByteArray()
        << u"[:)] 使用本功能您必须将输入输出文件填写完全。\n"_s;
    QTest::newRow("A file written names itself on standard error, standard output stays empty")
        << QStringList{u"generate"_s, u"--output"_s, u"%DIR%/out.txt"_s} << 0 << QByteArray()
        << u"[:)] 密码已经被写入%DIR%/out.txt中。\n"_s;
    QTest::newRow("An output file in a missing folder fails with its number")
        << QStringList{u"generate"_s, u"--output"_s, u"%DIR%/no/out.txt"_s} << 3 << QByteArray()
        << reported(76);
    QTest::newRow("A Key of 32767 characters fails with number 6")
        << QStringList{u"derive"_s, u"abc"_s, longKey} << 3 << QByteArray("3002872312\n") << reported(6);
    QTest::newRow("verify of a Key too long fails with number 6")
        << QStringList{u"verify"_s, longKey, u"0"_s} << 3 << QByteArray() << reported(6);
    QTest::newRow("verify of a match says so with status 0")
        << QStringList{u"verify"_s, u"abc"_s, u"3002872312"_s} << 0
        << u"此Key由 Morvik Parolex 2.X版本生成。\n"_s.toUtf8() << QString();
    QTest::newRow("verify of a mismatch says so with status 1")
        << QStringList{u"verify"_s, u"abc"_s, u" 3002872312"_s} << 1
        << u"此Key不是由 Morvik Parolex 2.X版本生成。\n"_s.toUtf8() << QString();
    QTest::newRow("No command is bad usage")
        << QStringList() << 2 << QByteArray() << usageNote(u"缺少命令。"_s, QString());
    QTest::newRow("An unknown command is bad usage")
        << QStringList{u"make"_s} << 2 << QByteArray() << usageNote(u"未知的命令“make”。"_s, QString());
    QTest::newRow("An unknown option is bad usage")
        << QStringList{u"generate"_s, u"--colour"_s} << 2 << QByteArray()
        << usageNote(u"未知的选项“colour”。"_s, u" generate"_s);
    QTest::newRow("An option without its value is bad usage")
        << QStringList{u"generate"_s, u"--count"_s} << 2 << QByteArray()
        << usageNote(u"选项“--count”后面缺少值。"_s, u" generate"_s);
    QTest::newRow("A missing argument is bad usage")
        << QStringList{u"verify"_s, u"abc"_s} << 2 << QByteArray()
        << usageNote(u"缺少参数 PASSWORD。"_s, u" verify"_s);
    QTest::newRow("An argument too many is bad usage")
        << QStringList{u"convert"_s, u"a"_s, u"b"_s, u"c"_s} << 2 << QByteArray()
        << usageNote(u"多余的参数“c”。"_s, u" convert"_s);
}

void TestCliCommands::answersWithStatusAndMessage()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QByteArray, out);
    QFETCH(QString, err);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile keys(dir.filePath(u"keys.txt"_s));
    QVERIFY(keys.open(QIODevice::WriteOnly));
    keys.write("abc\r\n");
    keys.close();
    const CliResult result = runCli(placed(arguments, dir));
    QVERIFY(!result.crashed);
    QCOMPARE(result.errText(), placed(err, dir));
    QCOMPARE(result.out, out);
    QCOMPARE(result.exitCode, status);
    QCOMPARE(keys.size(), 5);
}

void TestCliCommands::generatePrintsPasswordsOfTheChosenShape_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("lines");
    QTest::addColumn<QString>("pattern");

    const QStringList noClasses{u"--no-letters"_s, u"--no-upper"_s, u"--no-digits"_s, u"--no-underscore"_s};
    QTest::newRow("The defaults give ten passwords of eight of the 68 characters")
        << QStringList{u"generate"_s} << 10 << uR"([0-9A-Z_a-z+\-=\\/]{8})"_s;
    QTest::newRow("Digits alone, 26 of them, a thousand times")
        << QStringList{u"generate"_s,   u"--count"_s,
                       u"1000"_s,       u"--length"_s,
                       u"26"_s,         u"--no-letters"_s,
                       u"--no-upper"_s, u"--no-underscore"_s,
                       u"--symbols"_s,  u""_s}
        << 1000 << u"[0-9]{26}"_s;
    QTest::newRow("Own symbols beyond ASCII come out in the locale's encoding")
        << QStringList{u"generate"_s, u"--count"_s,   u"200"_s, u"--length"_s,
                       u"5"_s,        u"--symbols"_s, u"中€a"_s} +
               noClasses
        << 200 << u"[中€a]{5}"_s;
    QTest::newRow("The repeat filter keeps each of three passwords at most once")
        << QStringList{u"generate"_s, u"--count"_s,   u"3000"_s, u"--length"_s,
                       u"1"_s,        u"--symbols"_s, u"xyz"_s,  u"--filter-duplicates"_s} +
               noClasses
        << 3 << u"[xyz]"_s;
}

void TestCliCommands::generatePrintsPasswordsOfTheChosenShape()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, lines);
    QFETCH(QString, pattern);

    const CliResult result = runCli(arguments);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.err, QByteArray());
    QVERIFY(result.out.endsWith('\n'));
    const QStringList passwords = QString::fromUtf8(result.out.chopped(1)).split(u'\n');
    QCOMPARE(passwords.size(), lines);
    const QRegularExpression shape(QRegularExpression::anchoredPattern(pattern));
    for (const QString &password : passwords)
        QVERIFY2(shape.match(password).hasMatch(), qPrintable(password));
    if (arguments.contains(u"--filter-duplicates"_s))
        QCOMPARE(QSet<QString>(passwords.begin(), passwords.end()).size(), passwords.size());
}

void TestCliCommands::deriveTakesKeysFromArguments()
{
    // Arguments arrive in the locale's encoding; the derivation counts code page 936 codes.
    const QStringList keys{u"abc"_s, u""_s, u"中文Key 123"_s, u"-5"_s};
    QByteArray expected;
    for (const QString &key : keys)
        expected += (*DeriveKeyPassword(key)).toUtf8() + '\n';
    const CliResult result =
        runCli(QStringList{u"derive"_s, u"abc"_s, u""_s, u"中文Key 123"_s, u"--"_s, u"-5"_s});
    QCOMPARE(result.err, QByteArray());
    QCOMPARE(result.out, expected);
    QCOMPARE(result.exitCode, 0);
}

void TestCliCommands::helpAndVersion_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("--help names the commands and the exit statuses")
        << QStringList{u"--help"_s}
        << QStringList{u"用法：parolex-cli [选项] COMMAND"_s,
                       u"generate"_s,
                       u"derive"_s,
                       u"convert"_s,
                       u"verify"_s,
                       u"--version"_s,
                       u"退出状态"_s};
    QTest::newRow("generate --help lists every option of the command")
        << QStringList{u"generate"_s, u"--help"_s}
        << QStringList{u"用法：parolex-cli generate [选项]"_s,
                       u"--count <N>"_s,
                       u"--length <L>"_s,
                       u"--no-letters"_s,
                       u"--no-upper"_s,
                       u"--no-digits"_s,
                       u"--no-underscore"_s,
                       u"--symbols <TEXT>"_s,
                       u"--filter-duplicates"_s,
                       u"--output <FILE>"_s};
    QTest::newRow("convert -h shows its arguments")
        << QStringList{u"convert"_s, u"-h"_s}
        << QStringList{u"用法：parolex-cli convert [选项] KEYFILE OUTFILE"_s, u"参数："_s};
    QTest::newRow("--version gives the program's version")
        << QStringList{u"--version"_s} << QStringList{u"parolex-cli 2.8.2641\n"_s};
}

void TestCliCommands::helpAndVersion()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, shown);

    const CliResult result = runCli(arguments);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.err, QByteArray());
    const QString out = QString::fromUtf8(result.out);
    for (const QString &text : shown)
        QVERIFY2(out.contains(text), qPrintable(text));
}

void TestCliCommands::closedPipeEndsQuietly_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");

    QTest::newRow("generate stops when the reader has had enough")
        << QStringList{u"generate"_s, u"--count"_s, u"16777216"_s} << QByteArray();
    QByteArray keys;
    for (int i = 0; i < 200000; ++i)
        keys += QByteArray::number(i) + "\r\n";
    QTest::newRow("derive stops when the reader has had enough") << QStringList{u"derive"_s} << keys;
}

void TestCliCommands::closedPipeEndsQuietly()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);

    // A real pipe into head: QProcess::closeReadChannel() keeps draining the pipe, so the
    // program would never see the reader go.
    QProcess shell;
    shell.start(u"bash"_s,
                QStringList{u"-c"_s, u"\"$0\" \"$@\" | head -n 1; exit ${PIPESTATUS[0]}"_s, cliPath()} +
                    arguments);
    QVERIFY(shell.waitForStarted());
    shell.write(input);
    shell.closeWriteChannel();
    QVERIFY(shell.waitForFinished(60000));
    QCOMPARE(shell.readAllStandardError(), QByteArray());
    QCOMPARE(shell.readAllStandardOutput().count('\n'), 1);
    QCOMPARE(shell.exitCode(), 0);
}

void TestCliCommands::failedWriteToStandardOutputIsReported()
{
    // /dev/full takes no byte: the disk-full failure, reported like any run failure.
    const CliResult result = runCli({u"generate"_s, u"--count"_s, u"100000"_s}, {}, u"/dev/full"_s);
    QVERIFY(!result.crashed);
    QCOMPARE(result.errText(), reported(61));
    QCOMPARE(result.exitCode, 3);
}

QTEST_GUILESS_MAIN(TestCliCommands)
#include "TestCliCommands.moc"
