#include "run/RunGeneration.h"
#include "support/FakeRunUi.h"
#include "support/MemoryTextFileLayer.h"
#include "support/ScriptedRandomSource.h"
#include "text/Cp936.h"

#include <QFile>
#include <QTest>
#include <random>
#include <set>
#include <sys/resource.h>

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

class TestRandomRun : public QObject
{
    Q_OBJECT

private slots:
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
    void aRunThatDoesNotFitInMemoryIsFailure7();
};

void TestRandomRun::callsComeInTheOrderOfTheRun()
{
    GenerationOptions options = randomRun(u"3"_s, u"2"_s);
    options.FileOutput = true;
    FakeRunUi ui;
    ScriptedRandomSource random(bytes({1, 2, 3, 4, 5, 6}));
    MemoryTextFileLayer files;
    RunGeneration(options, ui, ui, random, files);

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
    FakeRunUi ui;
    // Asked once per candidate: before the first, second, third and fourth.
    ui.eventPassScript = {true, false, true, true};
    ScriptedRandomSource random(bytes({1, 2, 3, 4}));
    MemoryTextFileLayer files;
    RunGeneration(randomRun(u"4"_s, u"1"_s), ui, ui, random, files);

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
    FakeRunUi ui;
    ScriptedRandomSource random(bytes({1, 2, 3}));
    MemoryTextFileLayer files;
    RunGeneration(randomRun(count, u"4"_s), ui, ui, random, files);
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
    FakeRunUi ui;
    ScriptedRandomSource random(script);
    MemoryTextFileLayer files;
    RunGeneration(options, ui, ui, random, files);
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
    FakeRunUi ui;
    ui.clipboard = u"before"_s;
    ScriptedRandomSource random(bytes({0, 1, 0}));
    MemoryTextFileLayer files;
    RunGeneration(options, ui, ui, random, files);
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
    FakeRunUi ui;
    ScriptedRandomSource random(bytes({0, 26}));
    MemoryTextFileLayer files;
    RunGeneration(options, ui, ui, random, files);
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
    FakeRunUi ui;
    ScriptedRandomSource random;
    std::mt19937 engine(12345);
    random.generator = [&engine] {
        return quint8(engine());
    };
    MemoryTextFileLayer files;
    RunGeneration(options, ui, ui, random, files);

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
    FakeRunUi ui;
    ScriptedRandomSource random(script);
    MemoryTextFileLayer files;
    RunGeneration(options, ui, ui, random, files);
    QCOMPARE(ui.resultTexts(),
             (QStringList{u"0123456789ABCDEFGHIJKLMNOP"_s, u"Q0123456789ABCDEFGHIJKLMNO"_s}));
}

void TestRandomRun::aFailingDiskEndsTheRunWithWhatWasWritten()
{
    GenerationOptions options = randomRun(u"100000"_s, u"26"_s);
    options.FileOutput = true;
    FakeRunUi ui;
    ScriptedRandomSource random(bytes({1, 2, 3, 4, 5, 6, 7}));
    MemoryTextFileLayer files;
    files.writeBudget = 500000;
    RunGeneration(options, ui, ui, random, files);

    QVERIFY(ui.calls.endsWith(u"closeProgress"_s));
    QCOMPARE(ui.calls.at(ui.calls.size() - 2),
             u"message|Information||程序出现内部错误。错误号为 61。请稍后重试，如果还不能解决问题，"
             u"请您将此错误告诉我，不胜感激！我的联系方式请见“关于软件”"_s);
    QVERIFY(ui.callsStartingWith(u"select"_s).isEmpty());
    QVERIFY(ui.callsStartingWith(u"enable"_s).isEmpty());
    QCOMPARE(files.content(u"out.txt"_s).size(), 500000);
    // Every complete line in the file is in the list, in the same place.
    const QStringList lines = fileLines(files);
    QVERIFY(ui.results.size() >= lines.size() - 2);
    for (qsizetype i = 1; i + 1 < lines.size(); ++i)
        QCOMPARE(ui.results.text(i - 1), lines.at(i));
    QCOMPARE(files.openCount(), 0);
}

void TestRandomRun::aRunThatDoesNotFitInMemoryIsFailure7()
{
    // Leave the process 256 MiB more address space than it uses: the 436 MB of the
    // largest run cannot be had.
    QFile status(u"/proc/self/statm"_s);
    QVERIFY(status.open(QIODevice::ReadOnly));
    const qint64 pages = status.readAll().split(' ').first().toLongLong();
    rlimit original{};
    QCOMPARE(getrlimit(RLIMIT_AS, &original), 0);
    rlimit tight = original;
    tight.rlim_cur = rlim_t(pages * 4096 + (256 << 20));
    QCOMPARE(setrlimit(RLIMIT_AS, &tight), 0);

    GenerationOptions options = randomRun(u"16777216"_s, u"26"_s);
    FakeRunUi ui;
    ScriptedRandomSource random;
    MemoryTextFileLayer files;
    RunGeneration(options, ui, ui, random, files);
    setrlimit(RLIMIT_AS, &original);

    QCOMPARE(
        ui.calls,
        (QStringList{u"showProgress"_s, u"clear"_s,
                     u"message|Information||程序出现内部错误。错误号为 7。请稍后重试，如果还不能解决问题，"
                     u"请您将此错误告诉我，不胜感激！我的联系方式请见“关于软件”"_s,
                     u"closeProgress"_s}));
}

QTEST_GUILESS_MAIN(TestRandomRun)
#include "TestRandomRun.moc"
