#include "CliProcess.h"
#include "key/DeriveKeyPassword.h"
#include "run/ReportRunError.h"
#include "text/Cp936.h"

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

/// What the system said of a failure it caused, in any words: "（errno 2，No such file or
/// directory）" on Linux, "（Windows 错误 2，系统找不到指定的文件）" on Windows.
const QString systemCause = u"（SYSTEM）"_s;

QString reported(int number, const QString &text, const QString &cause = {})
{
    return u"[Morvik Parolex] "_s + text + u"\nparolex-cli: 错误号 "_s + QString::number(number) + cause + u'\n';
}

QString reported(int number)
{
    return reported(number, runErrorText(Failure::Number(number)));
}

QString reportedBySystem(int number)
{
    return reported(number, runErrorText(Failure::Number(number)), systemCause);
}

/// @p err with the system's own words of a cause replaced by systemCause.
QString withCauseWords(QString err)
{
    static const QRegularExpression cause(u"（(errno|Windows 错误) [0-9]+，[^）\n]+）"_s);
    return err.replace(cause, systemCause);
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
    void keysFromStandardInput_data();
    void keysFromStandardInput();
    void aStandardStreamOnTheOtherFileIsRefused_data();
    void aStandardStreamOnTheOtherFileIsRefused();
    void failuresOfTheSystemNameItsReason();
    void helpAndVersion_data();
    void helpAndVersion();
    void closedPipeEndsQuietly_data();
    void closedPipeEndsQuietly();
    void failedWriteToStandardOutputIsReported();
    void internalErrorSaysWhatToDoOnATerminal();
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
        << QStringList{u"convert"_s, u"--count"_s, u" 0"_s, u"%DIR%/missing.txt"_s, u"%DIR%/out.txt"_s} << 0
        << QByteArray() << QString();
    const QString countRange = u"，密码个数应为 0 至 16777216。"_s;
    const QString lengthRange = u"，密码位数应为 1 至 128。"_s;
    QTest::newRow("A count above the limit names the option and its range")
        << QStringList{u"generate"_s, u"--count"_s, u"16777217"_s} << 2 << QByteArray()
        << usageNote(u"选项 --count 的值“16777217”太大"_s + countRange, u" generate"_s);
    const QString digits400(400, u'9');
    QTest::newRow("A count of 400 digits is too large, not incorrect")
        << QStringList{u"generate"_s, u"-c"_s, digits400} << 2 << QByteArray()
        << usageNote(u"选项 --count 的值“"_s + digits400 + u"”太大"_s + countRange, u" generate"_s);
    QTest::newRow("A negative count is too small")
        << QStringList{u"generate"_s, u"--count"_s, u"-1"_s} << 2 << QByteArray()
        << usageNote(u"选项 --count 的值“-1”太小"_s + countRange, u" generate"_s);
    QTest::newRow("A count with a fraction is no whole number")
        << QStringList{u"generate"_s, u"--count=2.9"_s} << 2 << QByteArray()
        << usageNote(u"选项 --count 的值“2.9”不是整数"_s + countRange, u" generate"_s);
    QTest::newRow("A count in a conversion is checked the same way")
        << QStringList{u"convert"_s, u"-c"_s, u"1e3"_s, u"%DIR%/keys.txt"_s, u"%DIR%/out.txt"_s} << 2
        << QByteArray() << usageNote(u"选项 --count 的值“1e3”不是整数"_s + countRange, u" convert"_s);
    QTest::newRow("A length of 129 is too large")
        << QStringList{u"generate"_s, u"--length"_s, u"129"_s} << 2 << QByteArray()
        << usageNote(u"选项 --length 的值“129”太大"_s + lengthRange, u" generate"_s);
    QTest::newRow("The header length of a conversion keeps the desktop's 26")
        << QStringList{u"convert"_s, u"-l"_s, u"27"_s, u"%DIR%/keys.txt"_s, u"%DIR%/out.txt"_s} << 2
        << QByteArray()
        << usageNote(u"选项 --length 的值“27”太大，密码位数应为 1 至 26。"_s, u" convert"_s);
    QTest::newRow("A length of 0 is too small")
        << QStringList{u"generate"_s, u"-l0"_s} << 2 << QByteArray()
        << usageNote(u"选项 --length 的值“0”太小"_s + lengthRange, u" generate"_s);
    QTest::newRow("A length that is no number is refused as typed, not as failure 13")
        << QStringList{u"generate"_s, u"--length"_s, u"x"_s} << 2 << QByteArray()
        << usageNote(u"选项 --length 的值“x”不是整数"_s + lengthRange, u" generate"_s);
    QTest::newRow("95 own symbols are refused with the limit")
        << QStringList{u"generate"_s, u"--symbols"_s, QString(95, u'+')} << 2 << QByteArray()
        << usageNote(u"选项 --symbols 的值“"_s + QString(95, u'+') + u"”有 95 个字符，自选字符最多为 94 个。"_s,
                     u" generate"_s);
    QTest::newRow("Exclusions that leave too few characters get the desktop's message")
        << QStringList{u"generate"_s, u"--no-letters"_s, u"--no-upper"_s, u"--exclude"_s, u"0123456789_+-="_s}
        << 2 << QByteArray()
        << warning +
               u"您选择了两个或者两个以下可以生成密码的字符，这样的密码过于简单或无法生成，请重新设置。\n"_s;
    QTest::newRow("More classes than places cannot all be had, also for a count of 0")
        << QStringList{u"generate"_s, u"--every-class"_s, u"-l"_s, u"4"_s, u"-c"_s, u"0"_s} << 2
        << QByteArray()
        << usageNote(u"选项 --every-class 要求每个密码都含有 5 类字符，4 位的密码放不下，"
                     u"请加大 --length 或减少字符的种类。"_s,
                     u" generate"_s);
    QTest::newRow("Underscore alone is too small a pool")
        << QStringList{u"generate"_s,    u"--no-letters"_s, u"--no-upper"_s,
                       u"--no-digits"_s, u"--symbols"_s,    u""_s}
        << 2 << QByteArray()
        << warning +
               u"您选择了两个或者两个以下可以生成密码的字符，这样的密码过于简单或无法生成，请重新设置。\n"_s;
    QTest::newRow("A Key file that does not exist fails with number 53")
        << QStringList{u"convert"_s, u"%DIR%/missing.txt"_s, u"%DIR%/out.txt"_s} << 3 << QByteArray()
        << reportedBySystem(53);
    // keys.txt as the output file: a refused run must leave it as it was.
    const QString smallPoolText =
        u"您选择了两个或者两个以下可以生成密码的字符，这样的密码过于简单或无法生成，请重新设置。\n"_s;
    QTest::newRow("Exclusions that leave too few characters leave the output file as it was")
        << QStringList{u"generate"_s,   u"--no-letters"_s,     u"--no-upper"_s, u"--exclude"_s,
                       u"0123456789_+-="_s, u"-o"_s, u"%DIR%/keys.txt"_s}
        << 2 << QByteArray() << warning + smallPoolText;
    QTest::newRow("A symbol the file cannot hold leaves the output file as it was")
        << QStringList{u"generate"_s, u"--symbols"_s, u"+😀"_s, u"-o"_s, u"%DIR%/keys.txt"_s} << 2 << QByteArray()
        << warning + u"自选字符中含有无法写入文本文件的字符，请重新设置。\n"_s;
    QTest::newRow("A Key file that cannot be opened leaves the output file as it was")
        << QStringList{u"convert"_s, u"%DIR%/missing.txt"_s, u"%DIR%/keys.txt"_s} << 3 << QByteArray()
        << reportedBySystem(53);
    QTest::newRow("An empty Key file name leaves the output file as it was")
        << QStringList{u"convert"_s, u""_s, u"%DIR%/keys.txt"_s} << 2 << QByteArray()
        << u"[:)] 使用本功能您必须将输入输出文件填写完全。\n"_s;
    const QString unfitSymbols =
        warning + u"自选字符中含有回车、换行等控制字符，密码无法在一行中显示或粘贴，请重新设置。\n"_s;
    QTest::newRow("DEL among the symbols is refused like a control character")
        << QStringList{u"generate"_s, u"--symbols"_s, u"ab\u007f"_s} << 2 << QByteArray() << unfitSymbols;
    QTest::newRow("The right-to-left override among the symbols is refused: it shows passwords reversed")
        << QStringList{u"generate"_s, u"--symbols"_s, u"\u202e"_s} << 2 << QByteArray() << unfitSymbols;
    QTest::newRow("A leading byte-order mark is a character of the Key")
        << QStringList{u"derive"_s, u"\ufeffabc"_s, u"abc"_s} << 0
        << (*DeriveKeyPassword(u"\ufeffabc"_s)).toUtf8() + "\n3002872312\n" << QString();
    QTest::newRow("A Key with a leading byte-order mark is not the Key without it")
        << QStringList{u"verify"_s, u"\ufeffabc"_s, u"3002872312"_s} << 1
        << u"此Key不是由 Morvik Parolex 2.X版本生成。\n"_s.toLocal8Bit() << QString();
    QTest::newRow("Converting a Key file into itself is refused before it is emptied")
        << QStringList{u"convert"_s, u"%DIR%/keys.txt"_s, u"%DIR%/./keys.txt"_s} << 2 << QByteArray()
        << u"[:)] 输入文件和输出文件不能是同一个文件，请重新选择。\n"_s;
    QTest::newRow("An empty Key file name gets the missing-names message")
        << QStringList{u"convert"_s, u""_s, u"%DIR%/out.txt"_s} << 2 << QByteArray()
        << u"[:)] 使用本功能您必须将输入输出文件填写完全。\n"_s;
    QTest::newRow("A file written names itself on standard error, standard output stays empty")
        << QStringList{u"generate"_s, u"--output"_s, u"%DIR%/out.txt"_s} << 0 << QByteArray()
        << u"[:)] 密码已经被写入%DIR%/out.txt中。\n"_s;
    QTest::newRow("Quiet, a file written says nothing")
        << QStringList{u"generate"_s, u"-q"_s, u"-o"_s, u"%DIR%/out.txt"_s} << 0 << QByteArray() << QString();
    QTest::newRow("Quiet, a conversion written says nothing")
        << QStringList{u"convert"_s, u"--quiet"_s, u"%DIR%/keys.txt"_s, u"%DIR%/out.txt"_s} << 0
        << QByteArray() << QString();
    QTest::newRow("Quiet, a rejection is still said")
        << QStringList{u"convert"_s, u"-q"_s, u""_s, u"%DIR%/out.txt"_s} << 2 << QByteArray()
        << u"[:)] 使用本功能您必须将输入输出文件填写完全。\n"_s;
    QTest::newRow("An output file in a missing folder is said in plain words, with its number")
        << QStringList{u"generate"_s, u"--output"_s, u"%DIR%/no/out.txt"_s} << 3 << QByteArray()
        << reported(76, u"找不到文件所在的文件夹（或路径中有一级不是文件夹），请检查路径是否正确。"_s, systemCause);
    QTest::newRow("--entropy tells the strength and the count of passwords on standard error")
        << QStringList{u"generate"_s,
                       u"--entropy"_s,
                       u"-c"_s,
                       u"0"_s,
                       u"-l"_s,
                       u"3"_s,
                       u"--no-letters"_s,
                       u"--no-upper"_s,
                       u"--no-underscore"_s,
                       u"--symbols"_s,
                       u""_s}
        << 0 << QByteArray() << u"parolex-cli: 每个密码的强度为 9.97 位熵，符合选项的密码共有 1000 个。\n"_s;
    QTest::newRow("--entropy with --every-class counts only the passwords that qualify")
        << QStringList{u"generate"_s, u"--entropy"_s,    u"--every-class"_s, u"-c0"_s,
                       u"-l3"_s,      u"--no-letters"_s, u"--no-upper"_s,    u"--symbols"_s,
                       u"ab"_s,       u"--exclude"_s,    u"23456789"_s}
        << 0 << QByteArray() << u"parolex-cli: 每个密码的强度为 4.58 位熵，符合选项的密码共有 24 个。\n"_s;
    QTest::newRow("A Key of 32767 characters fails with number 6")
        << QStringList{u"derive"_s, u"abc"_s, longKey} << 3 << QByteArray("3002872312\n") << reported(6);
    QTest::newRow("verify of a Key too long fails with number 6")
        << QStringList{u"verify"_s, longKey, u"0"_s} << 3 << QByteArray() << reported(6);
    QTest::newRow("verify of a match says so with status 0")
        << QStringList{u"verify"_s, u"abc"_s, u"3002872312"_s} << 0
        << u"此Key由 Morvik Parolex 2.X版本生成。\n"_s.toLocal8Bit() << QString();
    QTest::newRow("verify --quiet of a mismatch says nothing, its status tells")
        << QStringList{u"verify"_s, u"-q"_s, u"abc"_s, u"1"_s} << 1 << QByteArray() << QString();
    QTest::newRow("verify of a mismatch says so with status 1")
        << QStringList{u"verify"_s, u"abc"_s, u" 3002872312"_s} << 1
        << u"此Key不是由 Morvik Parolex 2.X版本生成。\n"_s.toLocal8Bit() << QString();
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
        << QStringList{u"verify"_s} << 2 << QByteArray() << usageNote(u"缺少参数 PASSWORD。"_s, u" verify"_s);
    QTest::newRow("A Key file beside Key arguments is bad usage")
        << QStringList{u"derive"_s, u"--key-file"_s, u"%DIR%/keys.txt"_s, u"abc"_s} << 2 << QByteArray()
        << usageNote(u"KEY 参数和 --key-file 不能同时给出。"_s, u" derive"_s);
    QTest::newRow("verify takes the Key one way only")
        << QStringList{u"verify"_s, u"--key-file"_s, u"%DIR%/keys.txt"_s, u"abc"_s, u"3002872312"_s} << 2
        << QByteArray() << usageNote(u"KEY 参数和 --key-file 不能同时给出。"_s, u" verify"_s);
    QTest::newRow("verify with the Key from the first line of a Key file")
        << QStringList{u"verify"_s, u"--key-file"_s, u"%DIR%/keys.txt"_s, u"3002872312"_s} << 0
        << u"此Key由 Morvik Parolex 2.X版本生成。\n"_s.toLocal8Bit() << QString();
    QTest::newRow("A Key file that does not exist fails with number 53 in derive too")
        << QStringList{u"derive"_s, u"--key-file"_s, u"%DIR%/missing.txt"_s} << 3 << QByteArray()
        << reportedBySystem(53);
    QTest::newRow("-- ends the options: a Key file named -x")
        << QStringList{u"convert"_s, u"--"_s, u"-x"_s, u"%DIR%/out.txt"_s} << 3 << QByteArray()
        << reportedBySystem(53);
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

    // Windows takes command lines of at most 32,767 characters, so a Key that long cannot
    // even be given there.
    if (arguments.join(u' ').size() > 32000 && QSysInfo::kernelType() == u"winnt"_s)
        QSKIP("the arguments are longer than a Windows command line");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile keys(dir.filePath(u"keys.txt"_s));
    QVERIFY(keys.open(QIODevice::WriteOnly));
    keys.write("abc\r\n");
    keys.close();
    const CliResult result = runCli(placed(arguments, dir));
    QVERIFY(!result.crashed);
    QCOMPARE(withCauseWords(result.errText()), placed(err, dir));
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
    QTest::newRow("Short options, and - as the output file for standard output")
        << QStringList{u"generate"_s, u"-c"_s, u"7"_s, u"-l12"_s, u"-o"_s, u"-"_s} << 7
        << uR"([0-9A-Z_a-z+\-=\\/]{12})"_s;
    QTest::newRow("--no-lookalikes leaves out 0 O o 1 l I | 5 S 2 Z 8 B")
        << QStringList{u"generate"_s, u"-c"_s, u"500"_s, u"--symbols"_s, u"|+"_s, u"--no-lookalikes"_s} << 500
        << u"[34679ACDEFGHJKLMNPQRTUVWXY_abcdefghijkmnpqrstuvwxyz+]{8}"_s;
    QTest::newRow("--exclude leaves out the given characters, own symbols too")
        << QStringList{u"generate"_s, u"-c"_s, u"500"_s, u"--symbols"_s, u"中+"_s, u"--exclude"_s, u"中a-z"_s}
        << 500 << u"[0-9A-Z_b-y+]{8}"_s;
    QTest::newRow("--every-class puts every class into every password")
        << QStringList{u"generate"_s, u"-c"_s, u"500"_s, u"-l"_s, u"5"_s, u"--every-class"_s} << 500
        << uR"((?=.*[0-9])(?=.*[A-Z])(?=.*_)(?=.*[a-z])(?=.*[+\-=\\/])[0-9A-Z_a-z+\-=\\/]{5})"_s;
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
    const QStringList passwords = QString::fromLocal8Bit(result.out.chopped(1)).split(u'\n');
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
        expected += (*DeriveKeyPassword(key)).toLocal8Bit() + '\n';
    const CliResult result =
        runCli(QStringList{u"derive"_s, u"abc"_s, u""_s, u"中文Key 123"_s, u"--"_s, u"-5"_s});
    QCOMPARE(result.err, QByteArray());
    QCOMPARE(result.out, expected);
    QCOMPARE(result.exitCode, 0);
}

void TestCliCommands::keysFromStandardInput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("err");

    const auto passwords = [](const QStringList &keys) {
        QByteArray lines;
        for (const QString &key : keys) {
            const Result<QString> password = DeriveKeyPassword(key);
            if (password)
                lines += password->toUtf8() + '\n';
        }
        return lines;
    };
    const QStringList derive{u"derive"_s};
    QTest::newRow("echo abc | derive gives the password of derive abc")
        << derive << QByteArray("abc\n") << QByteArray("3002872312\n") << 0 << QString();
    QTest::newRow("UTF-8 Chinese on standard input is the Key of the same argument")
        << derive << u"中文"_s.toLocal8Bit() << passwords({u"中文"_s}) << 0 << QString();
    QTest::newRow("LF ends a line, a CR before it goes, the last line needs no ending")
        << derive << QByteArray("abc\r\n\nx y") << passwords({u"abc"_s, QString(), u"x y"_s}) << 0
        << QString();
    QTest::newRow("a CR anywhere else stays in the Key")
        << derive << QByteArray("a\rb\r\r\n") << passwords({u"a\rb\r"_s}) << 0 << QString();
    QTest::newRow("no input, no Key, no password")
        << derive << QByteArray() << QByteArray() << 0 << QString();
    QTest::newRow("--key-file - reads standard input as the desktop reads a Key file")
        << QStringList{u"derive"_s, u"--key-file"_s, u"-"_s} << Cp936::encode(u"中文\r\na\nb"_s)
        << passwords({u"中文"_s, u"a\nb"_s}) << 0 << QString();
    QTest::newRow("a line too long fails with number 6 after the lines before it")
        << derive << QByteArray("abc\n") + QByteArray(300000, 'a') << QByteArray("3002872312\n") << 3
        << reported(6);
    QTest::newRow("--key-file - counts a lone lead byte before CR LF, CR or the end as '?'")
        << QStringList{u"derive"_s, u"--key-file"_s, u"-"_s} << QByteArray("x\x81\r\nx\xfe\rx\xa0")
        << passwords({u"x?"_s, u"x?"_s, u"x?"_s}) << 0 << QString();
    // A byte-order mark has no place in code page 936, Windows' standard input.
    if (QSysInfo::kernelType() != u"winnt"_s)
        QTest::newRow("a byte-order mark at the start of standard input belongs to the first Key")
            << derive << QByteArray("\xef\xbb\xbf" "abc\nabc\n") << passwords({u"\ufeffabc"_s, u"abc"_s}) << 0
            << QString();
    QTest::newRow("verify PASSWORD takes the Key from the first line of standard input")
        << QStringList{u"verify"_s, u"3002872312"_s} << QByteArray("abc\r\nignored\n")
        << u"此Key由 Morvik Parolex 2.X版本生成。\n"_s.toLocal8Bit() << 0 << QString();
    QTest::newRow("verify --key-file - takes the first Key line, an LF stays in it")
        << QStringList{u"verify"_s, u"-q"_s, u"--key-file"_s, u"-"_s, u"3002872312"_s} << QByteArray("abc\n")
        << QByteArray() << 1 << QString();
    QTest::newRow("verify without any line to read fails with number 62 in plain words")
        << QStringList{u"verify"_s, u"0"_s} << QByteArray() << QByteArray() << 3
        << reported(62, u"没有读到Key：输入中已经没有可读的行。"_s);
}

void TestCliCommands::keysFromStandardInput()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, out);
    QFETCH(int, status);
    QFETCH(QString, err);

    const CliResult result = runCli(arguments, input);
    QVERIFY(!result.crashed);
    QCOMPARE(result.errText(), err);
    QCOMPARE(result.out, out);
    QCOMPARE(result.exitCode, status);
}

void TestCliCommands::aStandardStreamOnTheOtherFileIsRefused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("keysAsInput");
    QTest::newRow("convert - keys.txt < keys.txt: writing would empty the Key file unread")
        << QStringList{u"convert"_s, u"-"_s, u"%KEYS%"_s} << true;
    QTest::newRow("convert keys.txt - >> keys.txt: the passwords would go into the Key file being read")
        << QStringList{u"convert"_s, u"%KEYS%"_s, u"-"_s} << false;
}

void TestCliCommands::aStandardStreamOnTheOtherFileIsRefused()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, keysAsInput);
    // The streams are opened on the Key file as a shell's redirection opens them.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString keys = dir.filePath(u"keys.txt"_s);
    QFile file(keys);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("abc\r\n");
    file.close();
    QProcess process;
    process.setProcessEnvironment(chineseEnvironment());
    if (keysAsInput)
        process.setStandardInputFile(keys);
    else
        process.setStandardOutputFile(keys, QIODevice::Append);
    process.start(cliPath(), arguments.replaceInStrings(u"%KEYS%"_s, keys));
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(QString::fromLocal8Bit(process.readAllStandardError()),
             u"[:)] 输入文件和输出文件不能是同一个文件，请重新选择。\n"_s);
    QCOMPARE(process.exitCode(), 2);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("abc\r\n"));
}

void TestCliCommands::failuresOfTheSystemNameItsReason()
{
    // The user's report needs the system's own code and words, beside the failure number.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const CliResult result = runCli({u"convert"_s, dir.filePath(u"missing.txt"_s), dir.filePath(u"out.txt"_s)});
    const QString reason = QSysInfo::kernelType() == u"winnt"_s ? u"（Windows 错误 2，"_s
                                                                  : u"（errno 2，No such file or directory）"_s;
    QVERIFY2(result.errText().contains(u"错误号 53"_s + reason), qPrintable(result.errText()));
    QCOMPARE(result.exitCode, 3);
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
    QTest::newRow("generate --help says the exact set of look-alikes")
        << QStringList{u"generate"_s, u"-h"_s}
        << QStringList{u"-c, --count <N>"_s, u"-l, --length <L>"_s, u"-o, --output <FILE>"_s,
                       u"-q, --quiet"_s,     u"--every-class"_s,    u"--exclude <CHARS>"_s,
                       u"--entropy"_s,       u"--no-lookalikes"_s,  u"0 O o 1 l I | 5 S 2 Z 8 B"_s};
    QTest::newRow("--version gives the program's version")
        << QStringList{u"--version"_s} << QStringList{u"parolex-cli 2.8.2641\n"_s};
    QTest::newRow("-V gives the version, as GNU tools do")
        << QStringList{u"-V"_s} << QStringList{u"parolex-cli 2.8.2641\n"_s};
    QTest::newRow("-v still gives the version")
        << QStringList{u"-v"_s} << QStringList{u"parolex-cli 2.8.2641\n"_s};
}

void TestCliCommands::helpAndVersion()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, shown);

    const CliResult result = runCli(arguments);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.err, QByteArray());
    const QString out = QString::fromLocal8Bit(result.out);
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
    QTest::newRow("convert to standard output stops when the reader has had enough")
        << QStringList{u"convert"_s, u"-"_s, u"-"_s} << keys;
}

void TestCliCommands::closedPipeEndsQuietly()
{
    PAROLEX_NEEDS_POSIX_TOOLS();
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);

    // A real pipe into head: QProcess::closeReadChannel() keeps draining the pipe, so the
    // program would never see the reader go.
    QProcess shell;
    shell.setProcessEnvironment(chineseEnvironment());
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
    PAROLEX_NEEDS_POSIX_TOOLS();
    // /dev/full takes no byte: the disk-full failure, reported like any run failure.
    const CliResult result = runCli({u"generate"_s, u"--count"_s, u"100000"_s}, {}, u"/dev/full"_s);
    QVERIFY(!result.crashed);
    QCOMPARE(
        withCauseWords(result.errText()),
        reported(61, u"磁盘已满（或超出了磁盘配额、文件大小的限制），没能全部写入，请腾出空间后重试。"_s, systemCause));
    QCOMPARE(result.exitCode, 3);
}

void TestCliCommands::internalErrorSaysWhatToDoOnATerminal()
{
    PAROLEX_NEEDS_POSIX_TOOLS();
    // A closed standard output is no cause of its own: the terminal's internal-error text,
    // which names the number and no dialog.
    QProcess shell;
    shell.setProcessEnvironment(chineseEnvironment());
    shell.start(u"bash"_s, {u"-c"_s, u"\"$0\" generate >&-"_s, cliPath()});
    QVERIFY(shell.waitForFinished(60000));
    QCOMPARE(withCauseWords(QString::fromUtf8(shell.readAllStandardError())),
             reported(52, u"程序出现内部错误，错误号为 52。请检查命令行，以及标准输入、标准输出和标准错误的重定向，"
                          u"然后重试；如果还不能解决问题，请把错误号和所用的命令行发给 tesmo@morvik-parolex.example，"
                          u"不胜感激！"_s, systemCause));
    QCOMPARE(shell.exitCode(), 3);
}

QTEST_GUILESS_MAIN(TestCliCommands)
#include "TestCliCommands.moc"
