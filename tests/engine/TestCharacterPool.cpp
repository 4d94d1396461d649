#include "run/CharacterPool.h"
#include "run/GenerationOptions.h"
#include "run/RandomRun.h"
#include "store/PasswordBlock.h"

#include <QTest>

using namespace parolex;
using namespace Qt::StringLiterals;

class TestCharacterPool : public QObject
{
    Q_OBJECT

private slots:
    void buildsThePool_data();
    void buildsThePool();
    void countsCharactersAsCodePoints_data();
    void countsCharactersAsCodePoints();
    void repeatedCharactersShareOneAlphabetIndex();
    void blockRowsRoundTripThroughTheirAlphabet();
};

void TestCharacterPool::buildsThePool_data()
{
    QTest::addColumn<bool>("letters");
    QTest::addColumn<bool>("upper");
    QTest::addColumn<bool>("digits");
    QTest::addColumn<bool>("underscore");
    QTest::addColumn<QString>("symbols");
    QTest::addColumn<bool>("punctuation");
    QTest::addColumn<QString>("pool");

    const QString digits = u"0123456789"_s;
    const QString upper = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ"_s;
    const QString lower = u"abcdefghijklmnopqrstuvwxyz"_s;
    QTest::newRow("all four classes and the default own symbols give 68 entries in code order")
        << true << true << true << true << u"+-=\\/"_s << false << digits + upper + u"_"_s + lower + u"+-=\\/"_s;
    QTest::newRow("underscore alone is one entry") << false << false << false << true << QString() << false << u"_"_s;
    QTest::newRow("underscore with a and b gives three")
        << false << false << false << true << u"ab"_s << false << u"_ab"_s;
    QTest::newRow("digits alone give ten") << false << false << true << false << QString() << false << digits;
    QTest::newRow("letters with aaa hold a four times")
        << true << false << false << false << u"aaa"_s << false << lower + u"aaa"_s;
    QTest::newRow("capitals do not depend on letters")
        << false << true << false << false << QString() << false << upper;
    QTest::newRow("blanks, repeats and Chinese symbols are entries as typed")
        << false << false << true << false << u" 中1 😀"_s << false << digits + u" 中1 😀"_s;
    QTest::newRow("punctuation joins the classes in code order, and own symbols follow")
        << true << true << true << true << u"!"_s << true
        << uR"(!"#$%&'()*+,-./)"_s + digits + uR"(:;<=>?@)"_s + upper + uR"([\]^_`)"_s + lower + u"{|}~!"_s;
}

void TestCharacterPool::buildsThePool()
{
    QFETCH(bool, letters);
    QFETCH(bool, upper);
    QFETCH(bool, digits);
    QFETCH(bool, underscore);
    QFETCH(QString, symbols);
    QFETCH(bool, punctuation);
    QFETCH(QString, pool);

    GenerationOptions options;
    options.UseLetters = letters;
    options.UseUpperCase = upper;
    options.UseDigits = digits;
    options.UseUnderscore = underscore;
    options.OwnSymbols = symbols;
    options.usePunctuation = punctuation;
    const CharacterPool built = CharacterPool::build(options);
    QCOMPARE(built.toString(), pool);
    QCOMPARE(built.size(), characterCount(pool));
}

void TestCharacterPool::countsCharactersAsCodePoints_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qsizetype>("count");

    QTest::newRow("ten ASCII symbols") << u"+-=\\/!@#$%"_s << qsizetype(10);
    QTest::newRow("a character outside the BMP counts once") << u"😀😀a"_s << qsizetype(3);
    QTest::newRow("a lone surrogate counts once") << QString(QChar(0xd800)) + u"a"_s << qsizetype(2);
}

void TestCharacterPool::countsCharactersAsCodePoints()
{
    QFETCH(QString, text);
    QFETCH(qsizetype, count);
    QCOMPARE(characterCount(text), count);
}

void TestCharacterPool::repeatedCharactersShareOneAlphabetIndex()
{
    GenerationOptions options;
    options.UseUpperCase = false;
    options.UseDigits = false;
    options.UseUnderscore = false;
    options.OwnSymbols = u"aaa"_s;
    const CharacterPool pool = CharacterPool::build(options);
    QCOMPARE(pool.size(), 29);

    QList<quint8> entryValues;
    const CharacterPool alphabet = RandomRun::alphabetOf(pool, entryValues);
    QCOMPARE(alphabet.size(), 26);
    QCOMPARE(entryValues.size(), 29);
    // Entry 0 is the letter a; entries 26 to 28 are the typed a's.
    for (int entry : {26, 27, 28})
        QCOMPARE(entryValues[entry], entryValues[0]);
}

void TestCharacterPool::blockRowsRoundTripThroughTheirAlphabet()
{
    const CharacterPool alphabet(QList<char32_t>{U'x', U'中', U'😀', U'€'});
    PasswordBlock block(alphabet, 3, 2);
    quint8 *row = block.nextRow();
    row[0] = 0;
    row[1] = 2;
    row[2] = 1;
    block.commit();
    QCOMPARE(block.text(0), u"x😀中"_s);
    QCOMPARE(block.indicesOf(u"x😀中"_s), QByteArray("\x00\x02\x01", 3));
    QCOMPARE(block.indicesOf(u"€€€"_s), QByteArray("\x03\x03\x03", 3));
    QVERIFY(block.indicesOf(u"xy中"_s).isEmpty());
    QVERIFY(block.indicesOf(u"xx"_s).isEmpty());
}

QTEST_GUILESS_MAIN(TestCharacterPool)
#include "TestCharacterPool.moc"
