#include "random/SodiumRandomSource.h"
#include "run/RunGeneration.h"
#include "support/FakeRunUi.h"
#include "support/MemoryTextFileLayer.h"
#include "support/PasswordEnumeration.h"
#include "support/ScriptedRandomSource.h"

#include <QTest>
#include <cmath>

using namespace parolex;
using namespace parolex::fakes;
using namespace Qt::StringLiterals;

namespace {

/// Digits, underscore and own symbols as asked, no letters; L and N as given.
GenerationOptions run(int count, int length, bool underscore, const QString &symbols, const QString &excluded)
{
    GenerationOptions o;
    o.CountText = QString::number(count);
    o.LengthText = QString::number(length);
    o.UseLetters = false;
    o.UseUpperCase = false;
    o.UseUnderscore = underscore;
    o.OwnSymbols = symbols;
    o.restrictions.excluded = excluded;
    return o;
}

/// The chi-square value that a fair draw over @p outcomes outcomes exceeds about once in a
/// million runs (Wilson and Hilferty's approximation of the 1 − 10^-6 quantile).
double chiSquareLimit(qsizetype outcomes)
{
    const double k = double(outcomes - 1);
    const double z = 4.753;
    const double a = 2.0 / (9.0 * k);
    return k * std::pow(1.0 - a + z * std::sqrt(a), 3);
}

} // namespace

Q_DECLARE_METATYPE(parolex::GenerationOptions)

/// Runs with --exclude, --no-lookalikes and --every-class keep every kept password a draw
/// of the pool's entries limited to the passwords that qualify.
class TestRestrictedRuns : public QObject
{
    Q_OBJECT

private slots:
    void keptPasswordsFollowTheReference_data();
    void keptPasswordsFollowTheReference();
    void aMissedClassIsDrawnAgainBeforeTheRepeatFilter();
};

void TestRestrictedRuns::keptPasswordsFollowTheReference_data()
{
    QTest::addColumn<GenerationOptions>("options");
    QTest::addColumn<QString>("entries");
    QTest::addColumn<QStringList>("classes");

    const int count = 200000;
    QTest::newRow("--exclude: the characters left out never come, the others are equally likely")
        << run(count, 2, false, u"+-"_s, u"13579-"_s) << u"02468+"_s << QStringList();
    GenerationOptions lookalikes = run(count, 2, false, u"|x"_s, QString());
    lookalikes.restrictions.noLookalikes = true;
    QTest::newRow("--no-lookalikes: the look-alikes never come, the others are equally likely")
        << lookalikes << u"34679x"_s << QStringList();
    GenerationOptions everyClass = run(count, 4, true, u"ab"_s, u"23456789"_s);
    everyClass.everyClass = true;
    // Placing one character of each class and drawing the rest would favour the 240
    // passwords unevenly; only rejecting whole candidates keeps them level.
    QTest::newRow("--every-class: each of the 240 qualifying passwords is equally likely")
        << everyClass << u"01_ab"_s << QStringList{u"01"_s, u"_"_s, u"ab"_s};
    GenerationOptions weighted = run(count, 3, false, u"aab"_s, u"23456789"_s);
    weighted.everyClass = true;
    QTest::newRow("--every-class keeps a repeated own symbol twice as likely")
        << weighted << u"01aab"_s << QStringList{u"01"_s, u"ab"_s};
    GenerationOptions all = run(count, 3, true, u"|ab"_s, u"4679"_s);
    all.restrictions.noLookalikes = true;
    all.everyClass = true;
    QTest::newRow("all three together") << all << u"3_ab"_s << QStringList{u"3"_s, u"_"_s, u"ab"_s};
}

void TestRestrictedRuns::keptPasswordsFollowTheReference()
{
    QFETCH(GenerationOptions, options);
    QFETCH(QString, entries);
    QFETCH(QStringList, classes);

    FakeRunUi ui;
    SodiumRandomSource random;
    MemoryTextFileLayer files;
    QCOMPARE(RunGeneration(options, ui, ui, random, files).kind, RunOutcome::Kind::Completed);

    const QMap<QString, double> expected =
        enumeratedDistribution(entries, options.LengthText.toInt(), classes);
    QMap<QString, qint64> seen;
    for (qsizetype i = 0; i < ui.results.size(); ++i) {
        const QString password = ui.results.text(i);
        QVERIFY2(expected.contains(password), qPrintable(password));
        ++seen[password];
    }
    const double total = double(ui.results.size());
    QCOMPARE(total, options.CountText.toDouble());
    double score = 0;
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        const double wanted = it.value() * total;
        const double difference = double(seen.value(it.key())) - wanted;
        score += difference * difference / wanted;
    }
    const double limit = chiSquareLimit(expected.size());
    QVERIFY2(score < limit, qPrintable(u"chi-square %1, limit %2"_s.arg(score).arg(limit)));
}

void TestRestrictedRuns::aMissedClassIsDrawnAgainBeforeTheRepeatFilter()
{
    // Pool "_ab", two places, two candidates: "ab" and "_a". "ab" misses the underscore and
    // is drawn again in its place, as "_a". Only when that happens before the repeat filter
    // does the filter see two "_a" and keep one.
    GenerationOptions options = run(2, 2, true, u"ab"_s, u"0123456789"_s);
    options.everyClass = true;
    options.FilterDuplicates = true;
    FakeRunUi ui;
    ScriptedRandomSource random(QByteArray("\x01\x02\x00\x01\x00\x01", 6));
    MemoryTextFileLayer files;
    RunGeneration(options, ui, ui, random, files);
    QCOMPARE(ui.resultTexts(), QStringList{u"_a"_s});
    QCOMPARE(ui.callsStartingWith(u"select"_s), QStringList{u"select|_a"_s});
}

QTEST_GUILESS_MAIN(TestRestrictedRuns)
#include "TestRestrictedRuns.moc"
