// The pacer on a clock the test moves by hand: each question costs what its stretch says, and
// the pass must come once the interval is over, whatever the questions cost, without reading
// the clock at every quick question.

#include "main/EventPassPacer.h"

#include <QTest>

using namespace parolex;

namespace {

constexpr qint64 intervalNs = 10'000'000;
// How late a pass may come: the pacer reads the clock about every half millisecond of quick
// questions, or at the very next question once one took long.
constexpr qint64 lateByAtMostNs = 500'000;

struct Stretch
{
    qint64 questions;
    qint64 costNs;
};

struct FakeClock
{
    qint64 now = 0;
    qint64 reads = 0;

    EventPassPacer::Clock clock()
    {
        return [this] {
            ++reads;
            return now;
        };
    }
};

/// Asks through @p stretches until the first pass is due; returns the fake time then, or -1.
qint64 firstPassAt(EventPassPacer &pacer, FakeClock &time, const QList<Stretch> &stretches)
{
    for (const Stretch &stretch : stretches) {
        for (qint64 i = 0; i < stretch.questions; ++i) {
            time.now += stretch.costNs;
            if (pacer.due())
                return time.now;
        }
    }
    return -1;
}

} // namespace

Q_DECLARE_METATYPE(QList<Stretch>)

class TestEventPassPacer : public QObject
{
    Q_OBJECT

private slots:
    void aPassComesOnceTheIntervalIsOver_data();
    void aPassComesOnceTheIntervalIsOver();
    void slowQuestionsAfterAPassAreNotSkipped();
};

void TestEventPassPacer::aPassComesOnceTheIntervalIsOver_data()
{
    QTest::addColumn<QList<Stretch>>("stretches");
    QTest::addColumn<qint64>("mostReads");

    // A password costs about 100 ns; reading the clock at each would be 100,000 reads.
    QTest::newRow("quick questions") << QList<Stretch>{{1'000'000, 100}} << qint64(100);
    // Preparing the repeat filter: a piece of its table costs a millisecond or more.
    QTest::newRow("slow questions") << QList<Stretch>{{100, 3'000'000}} << qint64(100);
    // A batch drawn, or a page of the block faulted in, between quick questions.
    QTest::newRow("one long question among quick ones")
        << QList<Stretch>{{20'000, 100}, {1, 9'000'000}, {1'000'000, 100}} << qint64(200);
    // Passwords of 26 characters after passwords of one, or a busy machine.
    QTest::newRow("quick questions that become ten times slower")
        << QList<Stretch>{{30'000, 100}, {1'000'000, 1'000}} << qint64(200);
    QTest::newRow("quick questions after slow ones")
        << QList<Stretch>{{3, 2'000'000}, {1'000'000, 100}} << qint64(100);
}

void TestEventPassPacer::aPassComesOnceTheIntervalIsOver()
{
    QFETCH(QList<Stretch>, stretches);
    QFETCH(qint64, mostReads);

    FakeClock time;
    EventPassPacer pacer(intervalNs, time.clock());
    time.reads = 0;
    const qint64 passAt = firstPassAt(pacer, time, stretches);

    QVERIFY2(passAt > intervalNs, qPrintable(QString::number(passAt)));
    qint64 longest = 0;
    for (const Stretch &stretch : std::as_const(stretches))
        longest = qMax(longest, stretch.costNs);
    QVERIFY2(passAt <= intervalNs + qMax(lateByAtMostNs, longest), qPrintable(QString::number(passAt)));
    QVERIFY2(time.reads <= mostReads, qPrintable(QString::number(time.reads)));
}

void TestEventPassPacer::slowQuestionsAfterAPassAreNotSkipped()
{
    // A run of quick questions teaches the pacer to read the clock seldom; the next run starts
    // with the repeat filter's slow pieces, which must be read at each again.
    FakeClock time;
    EventPassPacer pacer(intervalNs, time.clock());
    QVERIFY(firstPassAt(pacer, time, {{1'000'000, 100}}) > 0);

    pacer.restart();
    const qint64 start = time.now;
    const qint64 passAt = firstPassAt(pacer, time, {{100, 3'000'000}});
    QCOMPARE(passAt - start, 4 * 3'000'000);
}

QTEST_GUILESS_MAIN(TestEventPassPacer)
#include "TestEventPassPacer.moc"
