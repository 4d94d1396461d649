#include "CliProcess.h"
#include "key/DeriveKeyPassword.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

using namespace parolex;
using namespace parolex::clitest;
using namespace Qt::StringLiterals;

namespace {

using Bytes = QList<QByteArray>;

QByteArray gb18030(const QString &text)
{
    QStringEncoder encoder("GB18030");
    return encoder.encode(text);
}

QString usageNote(const QString &text, const QString &command)
{
    return u"parolex-cli: "_s + text + u"\nparolex-cli: 运行“parolex-cli "_s + command + u" --help”可查看用法。\n"_s;
}

QString password(const QString &key)
{
    return *DeriveKeyPassword(key);
}

} // namespace

/// The terminal's arguments and standard streams in the locale's encoding, and the bytes
/// that are no character there: they never become another file's name or a replacement
/// character in a password.
class TestCliLocale : public QObject
{
    Q_OBJECT

private slots:
    void fileNamesOfBytesThatAreNoCharacterAreRefused_data();
    void fileNamesOfBytesThatAreNoCharacterAreRefused();
    void symbolsOfBytesThatAreNoCharacterAreRefused();
    void aGb18030LocaleIsReadAndWrittenInGb18030_data();
    void aGb18030LocaleIsReadAndWrittenInGb18030();
    void theCLocaleReadsUtf8();

private:
    /// LOCPATH and LC_ALL for zh_CN.GB18030, built once into the build tree (localedef takes
    /// half a minute); the test is skipped where the system cannot build it.
    QList<std::pair<QString, QString>> gb18030Locale();
};

void TestCliLocale::fileNamesOfBytesThatAreNoCharacterAreRefused_data()
{
    QTest::addColumn<Bytes>("arguments");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("shown");

    QTest::newRow("generate -o v FE .txt, which would have written v U+FFFD .txt")
        << Bytes{"generate", "-c1", "-o", "v\xfe.txt"} << u"generate"_s << uR"(v\xFE.txt)"_s;
    QTest::newRow("generate -o v FF .txt, which would have landed on the same file")
        << Bytes{"generate", "-c1", "--output=v\xff.txt"} << u"generate"_s << uR"(v\xFF.txt)"_s;
    QTest::newRow("convert's Key file") << Bytes{"convert", "k\xfe.txt", "out.txt"} << u"convert"_s
                                        << uR"(k\xFE.txt)"_s;
    QTest::newRow("convert's output file, a UTF-8 sequence cut short")
        << Bytes{"convert", "keys.txt", "\xe4\xb8.txt"} << u"convert"_s << uR"(\xE4\xB8.txt)"_s;
    QTest::newRow("derive --key-file") << Bytes{"derive", "--key-file", "keys\xfe.txt"} << u"derive"_s
                                       << uR"(keys\xFE.txt)"_s;
    QTest::newRow("verify --key-file") << Bytes{"verify", "--key-file", "keys\xfe.txt", "0"} << u"verify"_s
                                       << uR"(keys\xFE.txt)"_s;
}

void TestCliLocale::fileNamesOfBytesThatAreNoCharacterAreRefused()
{
    PAROLEX_NEEDS_POSIX_TOOLS();
    QFETCH(Bytes, arguments);
    QFETCH(QString, command);
    QFETCH(QString, shown);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile keys(dir.filePath(u"keys.txt"_s));
    QVERIFY(keys.open(QIODevice::WriteOnly));
    keys.write("abc\r\n");
    keys.close();
    const CliResult result = runCliWithBytes(arguments, dir.path());
    QVERIFY(!result.crashed);
    QCOMPARE(result.errText(),
             usageNote(u"文件名“"_s + shown +
                           u"”中有不是 UTF-8 字符的字节，程序无法照原样把这个文件名交给系统，请给文件改名后重试。"_s,
                       command));
    QCOMPARE(result.out, QByteArray());
    QCOMPARE(result.exitCode, 2);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"keys.txt"_s});
    QCOMPARE(keys.size(), 5);
}

void TestCliLocale::symbolsOfBytesThatAreNoCharacterAreRefused()
{
    PAROLEX_NEEDS_POSIX_TOOLS();
    // Read as U+FFFD, they gave passwords of one character repeated, of no strength at all.
    const CliResult result =
        runCliWithBytes({"generate", "--entropy", "--symbols", "\xff\xfe\xfd", "--no-letters", "--no-upper",
                         "--no-digits", "--no-underscore"},
                        QDir::tempPath());
    QVERIFY(!result.crashed);
    QCOMPARE(result.errText(), usageNote(uR"(选项 --symbols 的值“\xFF\xFE\xFD”中有不是 UTF-8 字符的字节，请重新设置。)"_s,
                                         u"generate"_s));
    QCOMPARE(result.out, QByteArray());
    QCOMPARE(result.exitCode, 2);
}

QList<std::pair<QString, QString>> TestCliLocale::gb18030Locale()
{
    const QString folder = QStringLiteral(PAROLEX_TEST_LOCALES);
    const QString name = u"zh_CN.GB18030"_s;
    if (!QFile::exists(folder + u'/' + name + u"/LC_CTYPE"_s)) {
        QDir().mkpath(folder);
        QProcess localedef;
        localedef.start(u"localedef"_s, {u"-i"_s, u"zh_CN"_s, u"-f"_s, u"GB18030"_s, folder + u'/' + name});
        if (!localedef.waitForFinished(600000) || !QFile::exists(folder + u'/' + name + u"/LC_CTYPE"_s))
            return {};
    }
    return {{u"LOCPATH"_s, folder}, {u"LC_ALL"_s, name}};
}

void TestCliLocale::aGb18030LocaleIsReadAndWrittenInGb18030_data()
{
    QTest::addColumn<Bytes>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QByteArray>("err");

    const QByteArray key = gb18030(u"密码"_s);
    const QByteArray keyPassword = password(u"密码"_s).toLatin1() + '\n';
    QTest::newRow("a Key argument in GB18030 is the Key of the same characters in UTF-8")
        << Bytes{"derive", key} << QByteArray() << 0 << keyPassword << QByteArray();
    QTest::newRow("a Key line on standard input in GB18030 too")
        << Bytes{"derive"} << key + "\n" << 0 << keyPassword << QByteArray();
    QTest::newRow("standard output is written in GB18030")
        << Bytes{"verify", "abc", "3002872312"} << QByteArray() << 0
        << gb18030(u"此Key由 Morvik Parolex 2.X版本生成。\n"_s) << QByteArray();
    QTest::newRow("a Chinese file name would reach the system as UTF-8: refused, in GB18030 on standard error")
        << Bytes{"generate", "-o", gb18030(u"密码.txt"_s)} << QByteArray() << 2 << QByteArray()
        << gb18030(usageNote(u"文件名“密码.txt”中的非 ASCII 字符是按 GB18030 编码输入的，程序只能按 UTF-8 "
                             u"把文件名交给系统，那将是另一个文件。请在 UTF-8 的区域设置下运行，或改用只含 ASCII "
                             u"字符的文件名。"_s,
                             u"generate"_s));
}

void TestCliLocale::aGb18030LocaleIsReadAndWrittenInGb18030()
{
    PAROLEX_NEEDS_POSIX_TOOLS();
    QFETCH(Bytes, arguments);
    QFETCH(QByteArray, input);
    QFETCH(int, status);
    QFETCH(QByteArray, out);
    QFETCH(QByteArray, err);

    const QList<std::pair<QString, QString>> locale = gb18030Locale();
    if (locale.isEmpty())
        QSKIP("localedef cannot build zh_CN.GB18030 here");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const CliResult result = runCliWithBytes(arguments, dir.path(), locale, input);
    QVERIFY(!result.crashed);
    QCOMPARE(result.err, err);
    QCOMPARE(result.out, out);
    QCOMPARE(result.exitCode, status);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
}

void TestCliLocale::theCLocaleReadsUtf8()
{
    PAROLEX_NEEDS_POSIX_TOOLS();
    // The C locale names ASCII only, which says that nothing was chosen: UTF-8 holds it.
    const CliResult result =
        runCliWithBytes({"derive", u"密码"_s.toUtf8()}, QDir::tempPath(), {{u"LC_ALL"_s, u"C"_s}});
    QCOMPARE(result.err, QByteArray());
    QCOMPARE(result.out, password(u"密码"_s).toLatin1() + '\n');
    QCOMPARE(result.exitCode, 0);
}

QTEST_GUILESS_MAIN(TestCliLocale)
#include "TestCliLocale.moc"
