#include "CliProcess.h"
#include "text/Cp936.h"

#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

using namespace parolex;
using namespace parolex::clitest;
using namespace Qt::StringLiterals;

namespace {

/// Every printable ASCII character but the blank, in code order.
QString printableAscii()
{
    QString text;
    for (char16_t c = u'!'; c <= u'~'; ++c)
        text += QChar(c);
    return text;
}

const QString classes = u"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz"_s;

QStringList passwordsOf(const CliResult &result)
{
    return QString::fromLocal8Bit(result.out.chopped(1)).split(u'\n');
}

/// The value a chi-square statistic of @p freedom degrees exceeds with a chance of about one
/// in a million (Wilson and Hilferty): a sound draw fails this test practically never, and a
/// character drawn twice as often as the others fails it every time.
double chiSquareLimit(int freedom)
{
    const double k = freedom;
    const double z = 4.75;
    return k * std::pow(1 - 2 / (9 * k) + z * std::sqrt(2 / (9 * k)), 3);
}

/// The chi-square statistic of how often each character of @p pool stands at @p place of the
/// passwords (every place when @p place is negative), against equal chances; a character
/// outside the pool fails the test at once.
double chiSquare(const QStringList &passwords, const QString &pool, int place)
{
    QHash<QChar, qint64> counts;
    qint64 total = 0;
    for (const QString &password : passwords) {
        for (int i = 0; i < password.size(); ++i) {
            if (place >= 0 && i != place)
                continue;
            if (!pool.contains(password.at(i))) {
                qWarning() << "not in the pool:" << password.at(i);
                return qInf();
            }
            ++counts[password.at(i)];
            ++total;
        }
    }
    const double expected = double(total) / double(pool.size());
    double sum = 0;
    for (const QChar c : pool) {
        const double off = double(counts.value(c)) - expected;
        sum += off * off / expected;
    }
    return sum;
}

} // namespace

/// What generate takes on the terminal beyond the desktop: passwords of up to 128 characters,
/// the ASCII punctuation as a class (-y), up to 94 own symbols; each character still a
/// uniform draw over the pool.
class TestCliLongPasswords : public QObject
{
    Q_OBJECT

private slots:
    void takesTheLargerLimits_data();
    void takesTheLargerLimits();
    void entropyCountsEveryPasswordOf128Characters_data();
    void entropyCountsEveryPasswordOf128Characters();
    void everyPlaceDrawsEveryEntryEquallyOften_data();
    void everyPlaceDrawsEveryEntryEquallyOften();
    void aRunTooLargeForMemoryIsRefusedInPlainWords();
};

void TestCliLongPasswords::takesTheLargerLimits_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("pattern");

    const QStringList noClasses{u"--no-letters"_s, u"--no-upper"_s, u"--no-digits"_s, u"--no-underscore"_s};
    QTest::newRow("Passwords of 128 characters")
        << QStringList{u"generate"_s, u"-c"_s, u"20"_s, u"-l"_s, u"128"_s} << uR"([0-9A-Z_a-z+\-=\\/]{128})"_s;
    QTest::newRow("-y draws from all 94 printable ASCII characters")
        << QStringList{u"generate"_s, u"-y"_s, u"-c"_s, u"20"_s, u"-l"_s, u"64"_s} << u"[!-~]{64}"_s;
    QTest::newRow("--punctuation alone gives punctuation only")
        << QStringList{u"generate"_s, u"--punctuation"_s, u"-c"_s, u"20"_s} + noClasses
        << u"[!-/:-@\\[-^`{-~]{8}"_s;
    QTest::newRow("94 own symbols are taken")
        << QStringList{u"generate"_s, u"-c"_s, u"20"_s, u"--symbols"_s, printableAscii()} + noClasses
        << u"[!-~]{8}"_s;
    QTest::newRow("-y is a class of its own for --every-class")
        << QStringList{u"generate"_s, u"-y"_s, u"--every-class"_s, u"-c"_s, u"200"_s, u"-l"_s, u"5"_s}
        << uR"((?=.*[0-9])(?=.*[A-Z])(?=.*_)(?=.*[a-z])(?=.*[!-/:-@\[\\\]^`{-~])[!-~]{5})"_s;
    QTest::newRow("Long passwords go to a file in the desktop's format")
        << QStringList{u"generate"_s, u"-c"_s, u"3"_s, u"-l"_s, u"100"_s, u"-y"_s, u"-o"_s, u"%FILE%"_s}
        << u"[!-~]{100}"_s;
}

void TestCliLongPasswords::takesTheLargerLimits()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, pattern);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString file = dir.filePath(u"out.txt"_s);
    const bool toFile = arguments.contains(u"%FILE%"_s);
    arguments.replaceInStrings(u"%FILE%"_s, file);
    const CliResult result = runCli(arguments << u"-q"_s);
    QVERIFY(!result.crashed);
    QCOMPARE(result.errText(), QString());
    QCOMPARE(result.exitCode, 0);

    QStringList passwords = passwordsOf(result);
    if (toFile) {
        QFile written(file);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QStringList lines = Cp936::decode(written.readAll()).split(u"\r\n"_s);
        QCOMPARE(lines.size(), 1 + 3 + 3 + 1);
        QVERIFY2(lines.first().endsWith(u"共3个100位密码。"_s), qPrintable(lines.first()));
        passwords = lines.mid(1, 3);
    }
    const QRegularExpression shape(QRegularExpression::anchoredPattern(pattern));
    for (const QString &password : std::as_const(passwords))
        QVERIFY2(shape.match(password).hasMatch(), qPrintable(password));
}

void TestCliLongPasswords::entropyCountsEveryPasswordOf128Characters_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("note");

    // 94^128 and, for --every-class, the sum over the classes a password may miss; both far
    // beyond the 2^256 that passwords of 26 characters need.
    QTest::newRow("-y -l 128: 94^128 passwords")
        << QStringList{u"generate"_s, u"-y"_s, u"-l"_s, u"128"_s, u"--entropy"_s, u"-c"_s, u"0"_s}
        << u"838.99"_s +
               u"3633835478324481201225242625978813329407953758811975090418839126886926337041641709674462355789814144"
               u"6044202133455254207429332531119295237000113480604016549597395726690264795733475793428434953538197291"
               u"54917174466884698510060100716571486301461610198204416"_s;
    QTest::newRow("-y --every-class -l 128: those that hold all five classes")
        << QStringList{u"generate"_s, u"-y"_s, u"--every-class"_s, u"-l"_s, u"128"_s, u"--entropy"_s, u"-c"_s, u"0"_s}
        << u"838.56"_s +
               u"2709524389521402301296939828461133445642056041083463082987504078156013964556660883937046948053219091"
               u"7236651762288520515553286079153309752398686999420817374689537708484117816633919969329133787986761803"
               u"41815780359804049667879141719047023068143680657920000"_s;
}

void TestCliLongPasswords::entropyCountsEveryPasswordOf128Characters()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, note);

    const CliResult result = runCli(arguments);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.errText(), u"parolex-cli: 每个密码的强度为 %1 位熵，符合选项的密码共有 %2 个。\n"_s.arg(
                                   note.left(6), note.mid(6)));
}

void TestCliLongPasswords::everyPlaceDrawsEveryEntryEquallyOften_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("pool");
    QTest::addColumn<int>("place");

    // -y without --symbols must not add the default symbols +-=\/ a second time: each would
    // then come up twice as often as the other 89.
    QTest::newRow("-y: each of the 94 characters at every place")
        << QStringList{u"generate"_s, u"-y"_s, u"-c"_s, u"4000"_s, u"-l"_s, u"64"_s} << printableAscii() << -1;
    QTest::newRow("-l 128: each of the 68 entries at every place")
        << QStringList{u"generate"_s, u"-c"_s, u"3000"_s, u"-l"_s, u"128"_s} << classes + u"+-=\\/"_s << -1;
    QTest::newRow("-l 128: each of the 68 entries at the 128th place")
        << QStringList{u"generate"_s, u"-c"_s, u"6000"_s, u"-l"_s, u"128"_s} << classes + u"+-=\\/"_s << 127;
}

void TestCliLongPasswords::everyPlaceDrawsEveryEntryEquallyOften()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, pool);
    QFETCH(int, place);

    const CliResult result = runCli(arguments);
    QCOMPARE(result.exitCode, 0);
    const double score = chiSquare(passwordsOf(result), pool, place);
    const double limit = chiSquareLimit(int(pool.size()) - 1);
    QVERIFY2(score < limit, qPrintable(u"chi-square %1, limit %2"_s.arg(score).arg(limit)));
}

void TestCliLongPasswords::aRunTooLargeForMemoryIsRefusedInPlainWords()
{
    PAROLEX_NEEDS_POSIX_TOOLS();
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("a sanitizer's shadow memory does not fit under a memory limit");
#endif
    // 1 GiB of address space: enough to start, not for 16,777,216 passwords of 128
    // characters (2 GiB), which are refused before a single one is drawn.
    QProcess shell;
    shell.setProcessEnvironment(chineseEnvironment());
    shell.start(u"sh"_s, {u"-c"_s, u"ulimit -v 1048576 && exec \"$0\" \"$@\""_s, cliPath(), u"generate"_s,
                          u"-c"_s, u"16777216"_s, u"-l"_s, u"128"_s, u"--filter-duplicates"_s});
    QVERIFY(shell.waitForFinished(120000));
    QCOMPARE(shell.exitStatus(), QProcess::NormalExit);
    QCOMPARE(QString::fromUtf8(shell.readAllStandardError()),
             u"[Morvik Parolex] 内存不足，放不下这么多密码，请减少密码的个数或位数后重试。\n"
             u"parolex-cli: 错误号 7\n"_s);
    QCOMPARE(shell.readAllStandardOutput(), QByteArray());
    QCOMPARE(shell.exitCode(), 3);
}

QTEST_GUILESS_MAIN(TestCliLongPasswords)
#include "TestCliLongPasswords.moc"
