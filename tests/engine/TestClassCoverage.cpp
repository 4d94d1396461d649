#include "run/ClassCoverage.h"
#include "run/GenerationOptions.h"
#include "support/PasswordEnumeration.h"

#include <QTest>
#include <cmath>

using namespace parolex;
using namespace parolex::fakes;
using namespace Qt::StringLiterals;

namespace {

/// Options from a compact description: classes as letters (l letters, u capitals, d digits,
/// _ underscore, e every class), then the own symbols and the characters left out.
GenerationOptions options(const QString &classes, const QString &symbols, const QString &excluded)
{
    GenerationOptions o;
    o.UseLetters = classes.contains(u'l');
    o.UseUpperCase = classes.contains(u'u');
    o.UseDigits = classes.contains(u'd');
    o.UseUnderscore = classes.contains(u'_');
    o.everyClass = classes.contains(u'e');
    o.OwnSymbols = symbols;
    o.restrictions.excluded = excluded;
    return o;
}

CharacterPool poolOf(const GenerationOptions &o)
{
    return o.restrictions.apply(CharacterPool::build(o));
}

} // namespace

Q_DECLARE_METATYPE(parolex::GenerationOptions)

/// What --every-class leaves: the passwords that qualify and the strength of one, against a
/// brute-force enumeration of every sequence of pool entries.
class TestClassCoverage : public QObject
{
    Q_OBJECT

private slots:
    void matchesTheEnumeration_data();
    void matchesTheEnumeration();
    void theLargestOptionsAreCountedExactly();
};

void TestClassCoverage::matchesTheEnumeration_data()
{
    QTest::addColumn<GenerationOptions>("run");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("entries");
    QTest::addColumn<QStringList>("classes");

    const QString notDigits01 = u"23456789"_s;
    QTest::newRow("without every-class every password of the pool qualifies")
        << options(u"d"_s, QString(), QString()) << 3 << u"0123456789"_s << QStringList();
    QTest::newRow("three classes in three places: one of each, in any order")
        << options(u"d_e"_s, u"ab"_s, notDigits01) << 3 << u"01_ab"_s
        << QStringList{u"01"_s, u"_"_s, u"ab"_s};
    QTest::newRow("three classes in five places") << options(u"d_e"_s, u"ab"_s, notDigits01) << 5
                                                  << u"01_ab"_s << QStringList{u"01"_s, u"_"_s, u"ab"_s};
    QTest::newRow("a repeated own symbol weighs twice in the entropy but counts once")
        << options(u"de"_s, u"aab"_s, notDigits01) << 3 << u"01aab"_s << QStringList{u"01"_s, u"ab"_s};
    QTest::newRow("a repeated symbol without every-class lowers the entropy below log2 of the count")
        << options(u"d"_s, u"000"_s, notDigits01) << 2 << u"01000"_s << QStringList();
    QTest::newRow("an own symbol that is also a letter covers both classes in one place")
        << options(u"le"_s, u"a"_s, u"cdefghijklmnopqrstuvwxyz"_s) << 1 << u"aba"_s
        << QStringList{u"ab"_s, u"a"_s};
    QTest::newRow("a class whose characters are all left out is not required")
        << options(u"d_e"_s, u"xyz"_s, u"0123456789"_s) << 2 << u"_xyz"_s << QStringList{u"_"_s, u"xyz"_s};
    QTest::newRow("capitals without letters are a class of their own")
        << options(u"ude"_s, QString(), notDigits01 + u"CDEFGHIJKLMNOPQRSTUVWXYZ"_s) << 2 << u"01AB"_s
        << QStringList{u"01"_s, u"AB"_s};
    QTest::newRow("more classes than places leave no password")
        << options(u"d_e"_s, u"ab"_s, notDigits01) << 2 << u"01_ab"_s
        << QStringList{u"01"_s, u"_"_s, u"ab"_s};
}

void TestClassCoverage::matchesTheEnumeration()
{
    QFETCH(GenerationOptions, run);
    QFETCH(int, length);
    QFETCH(QString, entries);
    QFETCH(QStringList, classes);

    const CharacterPool pool = poolOf(run);
    QCOMPARE(pool.toString(), entries);
    const ClassCoverage coverage(run, pool);
    QCOMPARE(coverage.requiredClassCount(), classes.size());

    const QMap<QString, double> expected = enumeratedDistribution(entries, length, classes);
    QCOMPARE(coverage.qualifyingPasswords(length).toString(), QString::number(expected.size()));
    const double bits = expected.isEmpty() ? 0.0 : entropyBitsOf(expected);
    QVERIFY2(std::abs(coverage.entropyBits(length) - bits) < 1e-9,
             qPrintable(u"%1 instead of %2"_s.arg(coverage.entropyBits(length)).arg(bits)));

    // covers() agrees with the enumeration on every password of the pool's characters.
    const QList<char32_t> &characters = coverage.characters();
    const QMap<QString, double> all = enumeratedDistribution(entries, length, {});
    for (auto it = all.keyBegin(); it != all.keyEnd(); ++it) {
        QList<quint8> row;
        for (const QChar c : *it)
            row.append(quint8(characters.indexOf(c.unicode())));
        QCOMPARE(coverage.covers(row.constData(), length), expected.contains(*it));
    }
}

void TestClassCoverage::theLargestOptionsAreCountedExactly()
{
    // All four classes and the default own symbols, 26 places: the inclusion and exclusion over
    // five classes, worked out with whole numbers of any size.
    GenerationOptions run;
    run.everyClass = true;
    const ClassCoverage coverage(run, poolOf(run));
    QCOMPARE(coverage.qualifyingPasswords(26).toString(),
             u"118288055042188539561943461763979816814851520000"_s);
    QVERIFY(std::abs(coverage.entropyBits(26) - 156.3729248545885) < 1e-9);
    run.everyClass = false;
    QCOMPARE(ClassCoverage(run, poolOf(run)).qualifyingPasswords(26), ExactCount::power(68, 26));
    QCOMPARE(ExactCount::power(68, 26).toString(), u"441806122887085986867261093835888988805476122624"_s);
}

QTEST_GUILESS_MAIN(TestClassCoverage)
#include "TestClassCoverage.moc"
