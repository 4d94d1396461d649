#include "run/RunGeneration.h"
#include "support/ProcessLimit.h"
#include "support/RunHarness.h"
#include "text/Cp936.h"

#include <QFile>
#include <QTest>
#include <random>
#include <set>

using namespace parolex;
using namespace parolex::fakes;
using namespace Qt::StringLiterals;

namespace {

const QString written = u"message|Information|:)|密码已经被写入out.txt中。"_s;

GenerationOptions randomRun(const QString &count, const QString &length, const QString &symbols = QString())
{
    GenerationOptions o;
    o.CountText = count;
    o.LengthText = length;
    o.UseLetters = false;
    o.UseUpperCase = false;
    o.UseDigits = symbols.isEmpty();
    o.UseUnderscore = false;
    o.OwnSymbols = symbols;
    o.OutputFilePath = u"out.txt"_s;
    return o;
}

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray result;
    for (int v : values)
        result.append(char(v));
    return result;
}

QStringList fileLines(const MemoryTextFileLayer &files)
{
    QStringList lines = Cp936::decode(files.content(u"out.txt"_s)).split(u"\r\n"_s);
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

class TestRandomRun : public QObject, RunHarness
{
    Q_OBJECT

private slots:
    void init() { resetFakes(); }
    void callsComeInTheOrderOfTheRun();
    void anEventPassDeliversWhatCameBefore();
    void progressTextsOnEveryThousandth_data();
    void progressTextsOnEveryThousandth();
    void repeatFilterKeepsFirstOccurrencesOnly_data();
    void repeatFilterKeepsFirstOccurrencesOnly();
    void aDroppedLastCandidateSelectsItsEqual();
    void theFilterSeesARepeatedSymbolAsOneCharacter();
    void filterMatchesAReferenceAcrossBatches_data();
    void filterMatchesAReferenceAcrossBatches();
    void eachPasswordDrawsExactlyItsLength();
    void aFailingDiskEndsTheRunWithWhatWasWritten();
    void aStopKeepsTheWholeLinesWrittenSoFar_data();
    void aStopKeepsTheWholeLinesWrittenSoFar();
    void aRunThatDoesNotFitInMemoryIsFailure7();
};

void TestRandomRun::callsComeInTheOrderOfTheRun()
{
    GenerationOptions options = randomRun(u"3"_s, u"2"_s);
    options.FileOutput = true;
    random.script = bytes({1, 2, 3, 4, 5, 6});
    runGeneration(options);

    QCOMPARE(ui.calls,
             (QStringList{u"showProgress"_s, u"clear"_s, u"append|0|3"_s, u"label"_s, u"select|56"_s,
                          u"clipboard|56"_s, u"closeProgress"_s, written, u"enable"_s}));
    QCOMPARE(ui.resultTexts(), (QStringList{u"12"_s, u"34"_s, u"56"_s}));
    QCOMPARE(ui.selectedRow, 2);
    QCOMPARE(fileLines(files),
             (QStringList{u"以下密码由Morvik Parolex生成。共3个2位密码。"_s, u"12"_s, u"34"_s, u"56"_s,
                          u"由衷的感谢您使用Morvik Parolex,Tesmo 和 Morvik 的所有软件。"_s,
                          u"http://www.morvik-parolex.example/"_s,
                          u"E-mail:tesmo@morvik-parolex.example  QQ:10001"_s}));
    QCOMPARE(files.openCount(), 0);
}

void TestRandomRun::anEventPassDeliversWhatCameBefore()
{
    // Asked once per candidate: before the first, second, third and fourth.
    ui.eventPassScript = {true, false, true, true};
    random.script = bytes({1, 2, 3, 4});
    runGeneration(randomRun(u"4"_s, u"1"_s));

    QCOMPARE(ui.calls,
             (QStringList{u"showProgress"_s, u"clear"_s, u"events"_s, u"append|0|2"_s, u"label"_s,
                          u"events"_s, u"append|2|1"_s, u"label"_s, u"events"_s, u"append|3|1"_s, u"label"_s,
                          u"select|4"_s, u"clipboard|4"_s, u"closeProgress"_s, u"enable"_s}));
    QCOMPARE(ui.eventPassQuestions, 4);
}

void TestRandomRun::progressTextsOnEveryThousandth_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<QStringList>("texts");

    QTest::newRow("below 1000 the text never changes") << u"999"_s << QStringList();
    QTest::newRow("1000 of 1500") << u" 1500"_s << QStringList{u"text| 66.6666666666667%"_s};
    QTest::newRow("a run of 2000 shows 50% and then 100%")
        << u"2000"_s << QStringList{u"text| 50%"_s, u"text| 100%"_s};
}

void TestRandomRun::progressTextsOnEveryThousandth()
{
    QFETCH(QString, count);
    QFETCH(QStringList, texts);
    random.script = bytes({1, 2, 3});
    runGeneration(randomRun(count, u"4"_s));
    QCOMPARE(ui.callsStartingWith(u"text"_s), texts);
    // Each text follows the delivery of the rows up to its counter.
    for (const QString &text : texts) {
        const qsizetype at = ui.calls.indexOf(text);
        QCOMPARE(ui.calls.at(at - 1), u"label"_s);
        QVERIFY(ui.calls.at(at - 2).startsWith(u"append|"_s));
    }
}

void TestRandomRun::repeatFilterKeepsFirstOccurrencesOnly_data()
{
    QTest::addColumn<bool>("filter");
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<QStringList>("texts");

    QTest::newRow("a pool of 3 with length 1 keeps at most 3 of 5000")
        << true << bytes({0, 1, 2}) << QStringList{u"_"_s, u"a"_s, u"b"_s} << QStringList();
    QByteArray thousandth(1000, '\0');
    thousandth[999] = 1;
    QTest::newRow("the text changes only on a kept counter that is a multiple of 1000")
        << true << thousandth << QStringList{u"_"_s, u"a"_s} << QStringList{u"text| 20%"_s};
    QTest::newRow("without the filter repeats stay")
        << false << bytes({0, 1, 2}) << QStringList()
        << QStringList{u"text| 20%"_s, u"text| 40%"_s, u"text| 60%"_s, u"text| 80%"_s, u"text| 100%"_s};
}

void TestRandomRun::repeatFilterKeepsFirstOccurrencesOnly()
{
    QFETCH(bool, filter);
    QFETCH(QByteArray, script);
    QFETCH(QStringList, list);
    QFETCH(QStringList, texts);
    GenerationOptions options = randomRun(u"5000"_s, u"1"_s, u"ab"_s);
    options.UseUnderscore = true;
    options.FilterDuplicates = filter;
    random.script = script;
    runGeneration(options);
    if (filter)
        QCOMPARE(ui.resultTexts(), list);
    else
        QCOMPARE(ui.results.size(), 5000);
    QCOMPARE(ui.callsStartingWith(u"text"_s), texts);
}

void TestRandomRun::aDroppedLastCandidateSelectsItsEqual()
{
    GenerationOptions options = randomRun(u"3"_s, u"1"_s, u"ab"_s);
    options.UseUnderscore = true;
    options.FilterDuplicates = true;
    ui.clipboard = u"before"_s;
    random.script = bytes({0, 1, 0});
    runGeneration(options);
    QCOMPARE(ui.resultTexts(), (QStringList{u"_"_s, u"a"_s}));
    QCOMPARE(ui.callsStartingWith(u"select"_s), QStringList{u"select|_"_s});
    QCOMPARE(ui.selectedRow, 0);
    QCOMPARE(ui.clipboard, u"_"_s);
}

void TestRandomRun::theFilterSeesARepeatedSymbolAsOneCharacter()
{
    // Letters plus "aaa": entries 0 and 26 are both the letter a.
    GenerationOptions options = randomRun(u"2"_s, u"1"_s, u"aaa"_s);
    options.UseLetters = true;
    options.FilterDuplicates = true;
    random.script = bytes({0, 26});
    runGeneration(options);
    QCOMPARE(ui.resultTexts(), QStringList{u"a"_s});
    QCOMPARE(ui.selectedRow, 0);
}

void TestRandomRun::filterMatchesAReferenceAcrossBatches_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("filter");

    QTest::newRow("length 3 over 10 digits repeats often") << 3 << true;
    QTest::newRow("length 5 repeats now and then") << 5 << true;
    QTest::newRow("without the filter every candidate stays") << 3 << false;
}

void TestRandomRun::filterMatchesAReferenceAcrossBatches()
{
    QFETCH(int, length);
    QFETCH(bool, filter);
    const int count = 30000;
    GenerationOptions options = randomRun(QString::number(count), QString::number(length));
    options.FilterDuplicates = filter;
    std::mt19937 engine(12345);
    random.generator = [&engine] {
        return quint8(engine());
    };
    runGeneration(options);

    // The same draw, one character at a time: bytes from 250 on are rejected for 10 entries.
    std::mt19937 reference(12345);
    std::set<QString> seen;
    QStringList expected;
    QString last;
    for (int i = 0; i < count; ++i) {
        last.clear();
        while (last.size() < length) {
            const quint8 b = quint8(reference());
            if (b < 250)
                last += QChar(u'0' + b % 10);
        }
        if (!filter || seen.insert(last).second)
            expected << last;
    }
    QCOMPARE(ui.resultTexts(), expected);
    QCOMPARE(ui.callsStartingWith(u"select"_s), QStringList{u"select|"_s + last});
}

void TestRandomRun::eachPasswordDrawsExactlyItsLength()
{
    // With a script of 27 bytes, a second password starting at byte 27 would repeat the first.
    QByteArray script;
    for (int i = 0; i < 27; ++i)
        script.append(char(i));
    GenerationOptions options = randomRun(u"2"_s, u"26"_s);
    options.UseLetters = options.UseUpperCase = options.UseUnderscore = true;
    random.script = script;
    runGeneration(options);
    QCOMPARE(ui.resultTexts(),
             (QStringList{u"0123456789ABCDEFGHIJKLMNOP"_s, u"Q0123456789ABCDEFGHIJKLMNO"_s}));
}

void TestRandomRun::aFailingDiskEndsTheRunWithWhatWasWritten()
{
    GenerationOptions options = randomRun(u"100000"_s, u"26"_s);
    options.FileOutput = true;
    random.script = bytes({1, 2, 3, 4, 5, 6, 7});
    files.writeBudget = 500000;
    runGeneration(options);

    QVERIFY(ui.calls.endsWith(u"closeProgress"_s));
    QCOMPARE(ui.calls.at(ui.calls.size() - 2),
             u"message|Information||程序出现内部错误。错误号为 61。请稍后重试，如果还不能解决问题，"
             u"请您将此错误告诉我，不胜感激！我的联系方式请见“关于软件”"_s);
    QVERIFY(ui.callsStartingWith(u"select"_s).isEmpty());
    QVERIFY(ui.callsStartingWith(u"enable"_s).isEmpty());
    // Cut back to its last whole line: the 52-byte header and 17,855 lines of 28 bytes, not
    // the 500,000 bytes the disk took, whose last line was cut off.
    QCOMPARE(files.content(u"out.txt"_s).size(), 52 + 17855 * 28);
    // Every line in the file is in the list, in the same place.
    const QStringList lines = fileLines(files);
    QVERIFY(ui.results.size() >= lines.size() - 1);
    for (qsizetype i = 1; i < lines.size(); ++i)
        QCOMPARE(ui.results.text(i - 1), lines.at(i));
    QCOMPARE(files.openCount(), 0);
}

void TestRandomRun::aStopKeepsTheWholeLinesWrittenSoFar_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<bool>("filter");
    QTest::addColumn<QList<int>>("passesBefore");
    QTest::addColumn<int>("stopAtPass");
    QTest::addColumn<int>("keptLines");

    // Candidates are counted from 1; a pass before candidate k follows the k - 1 before it.
    QTest::newRow("a stop at the first pass keeps the lines before it")
        << u"5"_s << false << QList<int>{3} << 1 << 2;
    QTest::newRow("a pass without a stop goes on, a later stop ends the run in the next batch")
        << u"20000"_s << false << QList<int>{100, 10000} << 2 << 9999;
    QTest::newRow("a stop while the repeat filter prepares its table leaves the header only")
        << u"1000000"_s << true << QList<int>{} << 1 << 0;
}

void TestRandomRun::aStopKeepsTheWholeLinesWrittenSoFar()
{
    QFETCH(QString, count);
    QFETCH(bool, filter);
    QFETCH(QList<int>, passesBefore);
    QFETCH(int, stopAtPass);
    QFETCH(int, keptLines);

    GenerationOptions options = randomRun(count, u"26"_s);
    options.UseLetters = options.UseUpperCase = true;
    options.FilterDuplicates = filter;
    options.FileOutput = true;
    // With the filter on, the questions before the first candidate come from preparing it.
    if (filter)
        ui.eventPassScript = {true};
    for (const int candidate : passesBefore) {
        ui.eventPassScript.resize(candidate);
        ui.eventPassScript[candidate - 1] = true;
    }
    ui.stopAtPass = stopAtPass;
    std::mt19937 generator(7);
    random.generator = [&generator] {
        return quint8(generator());
    };
    const RunOutcome outcome = runGeneration(options);

    QCOMPARE(outcome.kind, RunOutcome::Kind::Stopped);
    QCOMPARE(ui.eventPasses, qsizetype(stopAtPass));
    QCOMPARE(files.openCount(), 0);
    const QByteArray content = files.content(u"out.txt"_s);
    QVERIFY(content.endsWith("\r\n"));
    const QStringList lines = fileLines(files);
    QCOMPARE(lines.size(), 1 + keptLines);
    QCOMPARE(lines.first(), u"以下密码由Morvik Parolex生成。共%1个26位密码。"_s.arg(count));
    QCOMPARE(lines.mid(1), ui.resultTexts().mid(0, keptLines));
    // No ending steps: neither closing lines nor a message, no selection, no clipboard.
    for (const QString &ending : {u"message"_s, u"select"_s, u"clipboard"_s, u"enable"_s})
        QVERIFY2(ui.callsStartingWith(ending).isEmpty(), qPrintable(ending));
    QCOMPARE(ui.calls.last(), u"closeProgress"_s);
}

void TestRandomRun::aRunThatDoesNotFitInMemoryIsFailure7()
{
    {
        // 256 MiB more than the process uses: the 436 MB of the largest run cannot be had.
        const ProcessLimit limit(ProcessLimit::Kind::AddressSpace, qint64(256) << 20);
        if (!limit.isSet())
            QSKIP("this system sets no memory limit on a process");
        runGeneration(randomRun(u"16777216"_s, u"26"_s));
    }
    QCOMPARE(
        ui.calls,
        (QStringList{u"showProgress"_s, u"clear"_s,
                     u"message|Information||程序出现内部错误。错误号为 7。请稍后重试，如果还不能解决问题，"
                     u"请您将此错误告诉我，不胜感激！我的联系方式请见“关于软件”"_s,
                     u"closeProgress"_s}));
}

QTEST_GUILESS_MAIN(TestRandomRun)
#include "TestRandomRun.moc"
