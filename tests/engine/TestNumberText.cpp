#include "text/NumberText.h"

#include <QTest>

using namespace parolex;
using namespace Qt::StringLiterals;

class TestNumberText : public QObject
{
    Q_OBJECT

private slots:
    void progressTexts_data();
    void progressTexts();
    void numbers_data();
    void numbers();
};

void TestNumberText::progressTexts_data()
{
    QTest::addColumn<qint64>("counter");
    QTest::addColumn<qint64>("count");
    QTest::addColumn<QString>("text");

    QTest::newRow("1000 of 1500 is rounded to 15 significant digits")
        << 1000LL << 1500LL << u" 66.6666666666667%"_s;
    QTest::newRow("1000 of 200,000 keeps its leading zero") << 1000LL << 200000LL << u" 0.5%"_s;
    QTest::newRow("1000 of 2000 has no decimals") << 1000LL << 2000LL << u" 50%"_s;
    QTest::newRow("2000 of 2000 is a hundred") << 2000LL << 2000LL << u" 100%"_s;
    QTest::newRow("1000 of the limit is written plainly, not as an exponent")
        << 1000LL << 16777216LL << u" 0.00596046447753906%"_s;
}

void TestNumberText::progressTexts()
{
    QFETCH(qint64, counter);
    QFETCH(qint64, count);
    QFETCH(QString, text);
    QCOMPARE(progressText(counter, count), text);
}

void TestNumberText::numbers_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("display");

    QTest::newRow("a failure number") << 13.0 << u"13"_s << u" 13"_s;
    QTest::newRow("zero") << 0.0 << u"0"_s << u" 0"_s;
    QTest::newRow("a negative number has no blank")
        << -36165156742.0 << u"-36165156742"_s << u"-36165156742"_s;
    QTest::newRow("15 digits stay plain")
        << 999999999999999.0 << u"999999999999999"_s << u" 999999999999999"_s;
    QTest::newRow("10^15 takes the exponent form") << 1e15 << u"1E+15"_s << u" 1E+15"_s;
    QTest::newRow("the mantissa keeps 15 digits")
        << 1248544516760371.0 << u"1.24854451676037E+15"_s << u" 1.24854451676037E+15"_s;
    QTest::newRow("a large negative number")
        << -4.35650643974836e21 << u"-4.35650643974836E+21"_s << u"-4.35650643974836E+21"_s;
    QTest::newRow("trailing zeros of a fraction go") << 2.5 << u"2.5"_s << u" 2.5"_s;
    QTest::newRow("a small fraction") << 0.0625 << u"0.0625"_s << u" 0.0625"_s;
}

void TestNumberText::numbers()
{
    QFETCH(double, value);
    QFETCH(QString, plain);
    QFETCH(QString, display);
    QCOMPARE(plainNumberText(value), plain);
    QCOMPARE(displayNumberText(value), display);
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "TestNumberText.moc"
