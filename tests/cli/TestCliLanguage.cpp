#include "CliProcess.h"
#include "run/RunTexts.h"
#include "text/Cp936.h"

#include <QFile>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <QSysInfo>
#include <QTest>

using namespace parolex;
using namespace parolex::clitest;
using namespace Qt::StringLiterals;

/// The terminal's language follows the locale: Chinese under zh*, English under anything
/// else; what the program writes as data (passwords, the output file) never changes with it.
class TestCliLanguage : public QObject
{
    Q_OBJECT

private slots:
    void languageFollowsTheLocale_data()
    {
        QTest::addColumn<QStringList>("locale");
        QTest::addColumn<bool>("chinese");

        QTest::newRow("LANG=zh_CN.UTF-8 speaks Chinese") << QStringList{u"LANG=zh_CN.UTF-8"_s} << true;
        QTest::newRow("LANG=zh_TW.UTF-8 speaks Chinese too") << QStringList{u"LANG=zh_TW.UTF-8"_s} << true;
        QTest::newRow("LANG=C speaks English") << QStringList{u"LANG=C"_s} << false;
        QTest::newRow("LC_ALL=POSIX speaks English") << QStringList{u"LC_ALL=POSIX"_s} << false;
        QTest::newRow("LANG=en_US.UTF-8 speaks English") << QStringList{u"LANG=en_US.UTF-8"_s} << false;
        QTest::newRow("LANG=de_DE.UTF-8 speaks English") << QStringList{u"LANG=de_DE.UTF-8"_s} << false;
        // With none of them set the system's language decides: C on Linux, the user's on Windows,
        // which is Chinese in the Simplified-Chinese wine the Windows tests run in.
        QTest::newRow("no locale at all leaves it to the system's language")
            << QStringList{} << (QSysInfo::kernelType() == u"winnt"_s);
        QTest::newRow("LC_ALL=C overrides a Chinese LANG")
            << QStringList{u"LC_ALL=C"_s, u"LANG=zh_CN.UTF-8"_s} << false;
        QTest::newRow("LC_MESSAGES=zh_CN.UTF-8 overrides LANG=C")
            << QStringList{u"LC_MESSAGES=zh_CN.UTF-8"_s, u"LANG=C"_s} << true;
        QTest::newRow("LC_ALL set but empty leaves it to LC_MESSAGES")
            << QStringList{u"LC_ALL="_s, u"LC_MESSAGES=zh_CN.GB18030"_s, u"LANG=C"_s} << true;
    }

    void languageFollowsTheLocale()
    {
        QFETCH(QStringList, locale);
        QFETCH(bool, chinese);

        // A refusal of the terminal's own, one of the run's and the parser's own, in one go.
        const CliResult refused = runCliInLocale(locale, {u"generate"_s, u"-l"_s, u"200"_s});
        QCOMPARE(refused.exitCode, 2);
        const CliResult tooSmall = runCliInLocale(
            locale, {u"generate"_s, u"--no-letters"_s, u"--no-upper"_s, u"--no-digits"_s, u"--symbols=+"_s});
        QCOMPARE(tooSmall.exitCode, 2);
        const CliResult unknown = runCliInLocale(locale, {u"generate"_s, u"--bogus"_s});
        QCOMPARE(unknown.exitCode, 2);
        const QString said = refused.errText() + tooSmall.errText() + unknown.errText();
        if (chinese) {
            QCOMPARE(refused.errText(), u"parolex-cli: 选项 --length 的值“200”太大，密码位数应为 1 至 128。\n"
                                        "parolex-cli: 运行“parolex-cli generate --help”可查看用法。\n"_s);
            QVERIFY2(said.contains(u"[提示信息] 您选择了两个或者两个以下"_s), qPrintable(said));
            QVERIFY2(said.contains(u"未知的选项“bogus”"_s), qPrintable(said));
        } else {
            QCOMPARE(
                refused.errText(),
                u"parolex-cli: The value '200' of option --length is too large: the length of a password "
                "must be 1 to 128.\nparolex-cli: Run 'parolex-cli generate --help' for how to use it.\n"_s);
            QVERIFY2(said.contains(u"[Notice] You chose two or fewer characters"_s), qPrintable(said));
            QVERIFY2(said.contains(u"Unknown option 'bogus'."_s), qPrintable(said));
            for (const QChar c : said)
                QVERIFY2(c.unicode() < 0x80, qPrintable(said));
        }
    }

    void failuresAndHelpInEnglish()
    {
        QTemporaryDir dir;
        const QString missing = dir.filePath(u"no-such-folder/out.txt"_s);
        const CliResult failed = runCliInLocale({u"LANG=C"_s}, {u"generate"_s, u"-o"_s, missing});
        QCOMPARE(failed.exitCode, 3);
        // The system's own words of the cause differ between systems; their frame does not.
        static const QRegularExpression cause(u"\\((errno|Windows error) [0-9]+, [^)\n]+\\)"_s);
        QCOMPARE(failed.errText().replace(cause, u"(cause)"_s),
                 u"[Morvik Parolex] The folder of the file cannot be found (or a part of the "
                 "path is not a folder); please check the path.\n"
                 "parolex-cli: Failure number 76 (cause)\n"_s);

        const CliResult help = runCliInLocale({u"LANG=C"_s}, {u"derive"_s, u"--help"_s});
        QCOMPARE(help.exitCode, 0);
        const QString text = QString::fromLocal8Bit(help.out);
        QVERIFY2(text.startsWith(u"Usage: parolex-cli derive [options] [KEY...]\n"_s), qPrintable(text));
        QVERIFY2(text.contains(u"\nOptions:\n"_s), qPrintable(text));
    }

    void derivedPasswordsAndOutputFilesDoNotDependOnTheLanguage()
    {
        QTemporaryDir dir;
        QByteArray headers[2];
        int i = 0;
        for (const QString &locale : {u"LANG=C"_s, u"LANG=zh_CN.UTF-8"_s}) {
            const CliResult derived = runCliInLocale({locale}, {u"derive"_s, u"abc"_s});
            QCOMPARE(derived.out, QByteArrayLiteral("3002872312\n"));

            const QString path = dir.filePath(QString::number(i) + u".txt"_s);
            const CliResult written =
                runCliInLocale({locale}, {u"generate"_s, u"-q"_s, u"-c"_s, u"1"_s, u"-o"_s, path});
            QCOMPARE(written.exitCode, 0);
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            headers[i++] = file.readLine();
        }
        QCOMPARE(headers[0], Cp936::encode(texts::fileHeader(u"1"_s, u"8"_s)) + "\r\n");
        QCOMPARE(headers[1], headers[0]);
    }

    void deriveSaysWhatItsPasswordsDependOn_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("sentence");
        QTest::newRow("in English")
            << u"LANG=C"_s
            << u"A derived password depends only on the Key's length and the sum of its character codes"_s;
        QTest::newRow("in Chinese") << u"LANG=zh_CN.UTF-8"_s
                                    << u"根据Key生成的密码只取决于Key的长度和各字符代码之和"_s;
    }

    void deriveSaysWhatItsPasswordsDependOn()
    {
        QFETCH(QString, locale);
        QFETCH(QString, sentence);
        const CliResult help = runCliInLocale({locale}, {u"derive"_s, u"--help"_s});
        const QString text = QString::fromLocal8Bit(help.out);
        QVERIFY2(text.contains(sentence), qPrintable(text));
        QVERIFY2(text.contains(u"generate"_s), qPrintable(text));
    }
};

QTEST_GUILESS_MAIN(TestCliLanguage)
#include "TestCliLanguage.moc"
