#include "random/SodiumRandomSource.h"
#include "random/UniformDraw.h"
#include "support/ScriptedRandomSource.h"

#include <QTest>
#include <algorithm>
#include <array>
#include <numeric>
#include <vector>

using namespace parolex;
using namespace parolex::fakes;

namespace {

constexpr int poolSize = 68;
constexpr qsizetype draws = 2'000'000;
// Chi-square over 68 entries has 67 degrees of freedom: mean 67, standard deviation 11.6.
// 140 lies beyond the 1 - 10^-6 quantile (about 137), so a fair draw fails about once in
// a million runs; a draw that favours 52 entries by 4/3, as b mod 68 over all 256 bytes
// does, scores in the tens of thousands.
constexpr double threshold = 140.0;

double chiSquare(const std::array<qint64, poolSize> &counts)
{
    const double total = double(std::accumulate(counts.begin(), counts.end(), qint64(0)));
    const double expected = total / poolSize;
    double sum = 0;
    for (const qint64 count : counts)
        sum += (double(count) - expected) * (double(count) - expected) / expected;
    return sum;
}

QList<quint8> identityEntries()
{
    QList<quint8> values;
    for (int i = 0; i < poolSize; ++i)
        values.append(quint8(i));
    return values;
}

} // namespace

class TestUniformDraw : public QObject
{
    Q_OBJECT

private slots:
    void everyEntryHasTheSameChance();
    void rejectsTheBytesAboveTheLastFullRound();
    void sodiumBytesAreFreshEachTime();
};

void TestUniformDraw::everyEntryHasTheSameChance()
{
    SodiumRandomSource random;
    UniformDraw draw(identityEntries(), random);
    std::vector<quint8> out(draws);
    draw.draw(out.data(), draws);
    QVERIFY(*std::max_element(out.begin(), out.end()) < poolSize);
    std::array<qint64, poolSize> counts{};
    for (const quint8 entry : out)
        ++counts[entry];
    const double score = chiSquare(counts);
    QVERIFY2(score < threshold, qPrintable(QString::number(score)));

    // The same number of fresh bytes taken modulo 68 without rejection must fail the test.
    std::vector<quint8> bytes(draws);
    random.fill(bytes);
    std::array<qint64, poolSize> biased{};
    for (const quint8 b : bytes)
        ++biased[b % poolSize];
    QVERIFY(chiSquare(biased) > threshold);
}

void TestUniformDraw::rejectsTheBytesAboveTheLastFullRound()
{
    // 256 mod 68 = 52: bytes 0..203 are taken as b mod 68, bytes 204..255 are skipped.
    ScriptedRandomSource random(QByteArray("\x00\x43\x44\xcb\xcc\xff\x05", 7));
    UniformDraw draw(identityEntries(), random);
    std::array<quint8, 5> out{};
    draw.draw(out.data(), 5);
    QCOMPARE(out, (std::array<quint8, 5>{0, 67, 0, 67, 5}));
}

void TestUniformDraw::sodiumBytesAreFreshEachTime()
{
    SodiumRandomSource first;
    SodiumRandomSource second;
    // Requests of odd sizes, across and beyond the 64 KiB blocks.
    std::vector<quint8> a(3 * SodiumRandomSource::blockSize + 5);
    std::vector<quint8> b(a.size());
    first.fill(std::span(a).first(7));
    first.fill(std::span(a).subspan(7));
    second.fill(b);
    QVERIFY(a != b);
    QVERIFY(std::count(a.begin(), a.end(), 0) < qsizetype(a.size()) / 128);
}

QTEST_GUILESS_MAIN(TestUniformDraw)
#include "TestUniformDraw.moc"
