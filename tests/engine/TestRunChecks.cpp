#include "run/RunChecks.h"
#include "run/RunGeneration.h"
#include "support/RunHarness.h"
#include "text/Cp936.h"

#include <QTest>

using namespace parolex;
using namespace parolex::fakes;
using namespace Qt::StringLiterals;

namespace {

const QString tooLarge = u"message|None||您设置的密码生成数太大，一次最多只可以生成 16777216个密码。"_s;
const QString invalidCount = u"message|None||您设置的密码生成数不正确。"_s;
const QString badLength = u"message|Warning|提示信息|密码位数太长或太短，无法生成有效的密码。"_s;
const QString tooManySymbols = u"message|Warning|提示信息|自选符号最多为10个，请重新设置。"_s;
const QString unwritableSymbols =
    u"message|Warning|提示信息|自选字符中含有无法写入文本文件的字符，请重新设置。"_s;
const QString smallPool =
    u"message|Warning|提示信息|您选择了两个或者两个以下可以生成密码的字符，这样的密码过于简单或无法生成，请重新设置。"_s;
const QString lineBreakingSymbols =
    u"message|Warning|提示信息|自选字符中含有回车、换行等控制字符，密码无法在一行中显示或粘贴，请重新设置。"_s;
const QString error13 =
    u"message|Information||程序出现内部错误。错误号为 13。请稍后重试，如果还不能解决问题，"
    u"请您将此错误告诉我，不胜感激！我的联系方式请见“关于软件”"_s;

/// Options from a compact description: classes as letters (l letters, u upper case,
/// d digits, _ underscore), k for a Key run, f for file output.
GenerationOptions options(const QString &count, const QString &length, const QString &classes,
                          const QString &symbols)
{
    GenerationOptions o;
    o.CountText = count;
    o.LengthText = length;
    o.UseLetters = classes.contains(u'l');
    o.UseUpperCase = classes.contains(u'u');
    o.UseDigits = classes.contains(u'd');
    o.UseUnderscore = classes.contains(u'_');
    o.FromKey = classes.contains(u'k');
    o.FileOutput = classes.contains(u'f');
    o.OwnSymbols = symbols;
    o.KeyText = u"abc"_s;
    o.OutputFilePath = u"out.txt"_s;
    return o;
}

/// The same with the terminal's larger limits.
GenerationOptions longer(GenerationOptions o)
{
    o.limits = {128, 94};
    return o;
}

} // namespace

Q_DECLARE_METATYPE(parolex::GenerationOptions)

class TestRunChecks : public QObject, RunHarness
{
    Q_OBJECT

private slots:
    void init() { resetFakes(); }
    void rejectsInOrder_data();
    void rejectsInOrder();
    void acceptsAtTheLimits_data();
    void acceptsAtTheLimits();
    void aRejectedRandomRunLeavesTheHeaderAndTheListAsTheCheckSays();
};

void TestRunChecks::rejectsInOrder_data()
{
    QTest::addColumn<GenerationOptions>("run");
    QTest::addColumn<QStringList>("calls");

    const QString all = u"lud_"_s;
    const QString defaultSymbols = u"+-=\\/"_s;
    QTest::newRow("a count above the limit names the limit with a blank")
        << options(u"16777217"_s, u"8"_s, all, defaultSymbols) << QStringList{tooLarge, u"closeProgress"_s};
    QTest::newRow("the count is checked before anything else")
        << options(u"99999999"_s, u"x"_s, QString(), QString(20, u'+'))
        << QStringList{tooLarge, u"closeProgress"_s};
    QTest::newRow("a negative count")
        << options(u"-1"_s, u"8"_s, all, defaultSymbols) << QStringList{invalidCount, u"closeProgress"_s};
    QTest::newRow("a count rounded down below zero")
        << options(u"-0.5"_s, u"8"_s, all, defaultSymbols) << QStringList{invalidCount, u"closeProgress"_s};
    QTest::newRow("a count that is no number")
        << options(u"ten"_s, u"8"_s, all, defaultSymbols) << QStringList{invalidCount, u"closeProgress"_s};
    QTest::newRow("an empty count") << options(QString(), u"8"_s, all, defaultSymbols)
                                    << QStringList{invalidCount, u"closeProgress"_s};
    QTest::newRow("a count of 0 ends silently")
        << options(u"0"_s, u"8"_s, all, defaultSymbols) << QStringList{u"closeProgress"_s};
    QTest::newRow("a count of 0.5 rounds down to 0")
        << options(u"0.5"_s, u"8"_s, all, defaultSymbols) << QStringList{u"closeProgress"_s};
    QTest::newRow("the limit itself passes the count check")
        << options(u"16777216"_s, u"0"_s, all, defaultSymbols)
        << QStringList{u"showProgress"_s, badLength, u"closeProgress"_s};
    QTest::newRow("a length of 27") << options(u"10"_s, u"27"_s, all, defaultSymbols)
                                    << QStringList{u"showProgress"_s, badLength, u"closeProgress"_s};
    QTest::newRow("a length above larger limits is rejected with the same text")
        << longer(options(u"10"_s, u"129"_s, all, defaultSymbols))
        << QStringList{u"showProgress"_s, badLength, u"closeProgress"_s};
    QTest::newRow("own symbols above larger limits too")
        << longer(options(u"10"_s, u"8"_s, all, QString(95, u'+')))
        << QStringList{u"showProgress"_s, tooManySymbols, u"closeProgress"_s};
    QTest::newRow("a length that is no number is failure 13")
        << options(u"10"_s, u"eight"_s, all, defaultSymbols)
        << QStringList{u"showProgress"_s, error13, u"closeProgress"_s};
    QTest::newRow("eleven own symbols") << options(u"10"_s, u"8"_s, all, u"+-=\\/+-=\\/+"_s)
                                        << QStringList{u"showProgress"_s, tooManySymbols, u"closeProgress"_s};
    QTest::newRow("symbols the file cannot hold, with file output")
        << options(u"10"_s, u"8"_s, all + u"f"_s, u"+😀"_s)
        << QStringList{u"showProgress"_s, unwritableSymbols, u"closeProgress"_s};
    QTest::newRow("a line feed among the symbols, with file output, is a symbol the file cannot hold")
        << options(u"10"_s, u"8"_s, all + u"f"_s, u"+\n"_s)
        << QStringList{u"showProgress"_s, unwritableSymbols, u"closeProgress"_s};
    QTest::newRow("a carriage return among the symbols breaks the line in the list too")
        << options(u"10"_s, u"8"_s, all, u"+\r"_s)
        << QStringList{u"showProgress"_s, lineBreakingSymbols, u"closeProgress"_s};
    QTest::newRow("so does any control character below the blank, such as a tab")
        << options(u"10"_s, u"8"_s, all, u"\t"_s)
        << QStringList{u"showProgress"_s, lineBreakingSymbols, u"closeProgress"_s};
    const QList<std::pair<const char *, QString>> unfit{
        {"DEL", u"+\u007f"_s},
        {"the C1 control NEL", u"\u0085"_s},
        {"the line separator", u"a\u2028"_s},
        {"the paragraph separator", u"\u2029"_s},
        {"the zero-width space, a format character", u"\u200b"_s},
        {"the right-to-left override, which shows a password reversed", u"\u202e"_s},
        {"a format character beyond U+FFFF, the language tag", u"\U000E0001"_s},
    };
    for (const auto &[name, symbols] : unfit)
        QTest::addRow("%s among the symbols is refused like a control character", name)
            << options(u"10"_s, u"8"_s, all, symbols)
            << QStringList{u"showProgress"_s, lineBreakingSymbols, u"closeProgress"_s};
    QTest::newRow("a format character with file output is a symbol the file cannot hold")
        << options(u"10"_s, u"8"_s, all + u"f"_s, u"\u200b"_s)
        << QStringList{u"showProgress"_s, unwritableSymbols, u"closeProgress"_s};
    QTest::newRow("underscore alone is too small a pool")
        << options(u"10"_s, u"8"_s, u"_"_s, QString())
        << QStringList{u"showProgress"_s, u"clear"_s, smallPool, u"closeProgress"_s};
    QTest::newRow("a Key run still rejects a count above the limit")
        << options(u"16777217"_s, u"8"_s, u"k"_s, QString()) << QStringList{tooLarge, u"closeProgress"_s};
    QTest::newRow("a Key run with a count of 0 ends silently")
        << options(u"0"_s, u"8"_s, u"k"_s, QString()) << QStringList{u"closeProgress"_s};
}

void TestRunChecks::rejectsInOrder()
{
    QFETCH(GenerationOptions, run);
    QFETCH(QStringList, calls);
    runGeneration(run);
    QCOMPARE(ui.calls, calls);
    QCOMPARE(files.openCount(), 0);
    QVERIFY(!ui.progressLoaded);
    // The same checks without a run, as a front end asks them before it touches a file.
    if (!run.FromKey && readCount(run.CountText).verdict == CountVerdict::Accepted) {
        const std::optional<Rejection> ahead = randomOptionsRejection(run);
        QCOMPARE(ahead ? QStringList{u"message|Warning|"_s + ahead->title + u'|' + ahead->text} : QStringList(),
                 ui.callsStartingWith(u"message|Warning"_s));
    }
}

void TestRunChecks::acceptsAtTheLimits_data()
{
    QTest::addColumn<GenerationOptions>("run");
    QTest::addColumn<QStringList>("list");

    // Script byte k picks pool entry k of the 68-entry pool of the default options: 0 is '0', 10 is 'A'.
    QTest::newRow("a list entry with its leading blank")
        << options(u" 3"_s, u"1"_s, u"lud_"_s, u"+-=\\/"_s) << QStringList{u"0"_s, u"A"_s, u"0"_s};
    QTest::newRow("a count of 2.9 makes 2")
        << options(u"2.9"_s, u"1"_s, u"lud_"_s, u"+-=\\/"_s) << QStringList{u"0"_s, u"A"_s};
    QTest::newRow("a length of 26") << options(u"1"_s, u"26"_s, u"lud_"_s, u"+-=\\/"_s)
                                    << QStringList{u"0A0A0A0A0A0A0A0A0A0A0A0A0A"_s};
    QTest::newRow("larger limits take 128 characters and 94 own symbols")
        << longer(options(u"1"_s, u"128"_s, QString(), u"01"_s + QString(92, u'+')))
        << QStringList{u"0+"_s.repeated(64)};
    QTest::newRow("ten own symbols") << options(u"1"_s, u"2"_s, u"lud_"_s, u"+-=\\/+-=\\/"_s)
                                     << QStringList{u"0A"_s};
    QTest::newRow("underscore with a and b makes a pool of 3")
        << options(u"2"_s, u"1"_s, u"_"_s, u"ab"_s) << QStringList{u"_"_s, u"a"_s};
    QTest::newRow("symbols the file cannot hold are fine without file output")
        << options(u"1"_s, u"2"_s, QString(), u"😀xy"_s) << QStringList{u"😀x"_s};
    QTest::newRow("a no-break space and the ideographic space are characters one sees as blanks")
        << options(u"1"_s, u"2"_s, QString(), u"\u00a0\u3000x"_s) << QStringList{u"\u00a0\u3000"_s};
    QTest::newRow("a Key run ignores length, symbols and pool")
        << options(u"1"_s, u"eight"_s, u"k"_s, QString(11, u'+')) << QStringList{u"3002872312"_s};
}

void TestRunChecks::acceptsAtTheLimits()
{
    QFETCH(GenerationOptions, run);
    QFETCH(QStringList, list);
    // Bytes 0 and 10 alternate; a pool of three reads byte 10 as entry 1.
    random.script = QByteArray("\x00\x0a", 2);
    runGeneration(run);
    QCOMPARE(ui.resultTexts(), list);
    QCOMPARE(ui.calls.last(), u"enable"_s);
    QVERIFY(ui.callsStartingWith(u"message"_s).isEmpty());
}

void TestRunChecks::aRejectedRandomRunLeavesTheHeaderAndTheListAsTheCheckSays()
{
    const QByteArray header = Cp936::encode(u"以下密码由Morvik Parolex生成。共 2000个0位密码。\r\n"_s);

    FakeRunUi lengthRejected;
    lengthRejected.insertResultAtTop(u"earlier"_s);
    RunGeneration(options(u" 2000"_s, u"0"_s, u"lud_f"_s, QString()), lengthRejected, lengthRejected, random,
                  files);
    QCOMPARE(lengthRejected.resultTexts(), QStringList{u"earlier"_s});
    QCOMPARE(files.content(u"out.txt"_s), header);

    FakeRunUi poolRejected;
    poolRejected.insertResultAtTop(u"earlier"_s);
    RunGeneration(options(u" 2000"_s, u"8"_s, u"_f"_s, QString()), poolRejected, poolRejected, random, files);
    QVERIFY(poolRejected.resultTexts().isEmpty());
    QCOMPARE(files.content(u"out.txt"_s),
             Cp936::encode(u"以下密码由Morvik Parolex生成。共 2000个8位密码。\r\n"_s));
    QCOMPARE(files.openCount(), 0);
}

QTEST_GUILESS_MAIN(TestRunChecks)
#include "TestRunChecks.moc"
