#include "key/DeriveKeyPassword.h"
#include "text/Cp936.h"

#include <QTest>

using namespace parolex;
using namespace Qt::StringLiterals;

class TestDeriveKeyPassword : public QObject
{
    Q_OBJECT

private slots:
    void derivesTheWorkedValues_data();
    void derivesTheWorkedValues();
    void keysOf32767UnitsOrMoreOverflow();
    void unitCodesFollowCodePage936_data();
    void unitCodesFollowCodePage936();
};

void TestDeriveKeyPassword::derivesTheWorkedValues_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("password");

    // Expected values come from an independent implementation of the derivation.
    QTest::newRow("abc gives 3002872312") << u"abc"_s << u"3002872312"_s;
    QTest::newRow("order does not matter: cba gives the same") << u"cba"_s << u"3002872312"_s;
    QTest::newRow("ad and bc share length and code sum") << u"ad"_s << u"2001589844"_s;
    QTest::newRow("bc gives the password of ad") << u"bc"_s << u"2001589844"_s;
    QTest::newRow("the empty Key gives 0") << QString() << u"0"_s;
    QTest::newRow("a trailing blank counts") << u"abc "_s << u"4004391882"_s;
    QTest::newRow("one Chinese character still gives a positive number") << u"中"_s << u"997152542"_s;
    QTest::newRow("twenty times 中 gives a negative number") << QString(20, u'中') << u"-36165156742"_s;
    QTest::newRow("700 times a is written plainly with 15 digits")
        << QString(700, u'a') << u"898119147645512"_s;
    QTest::newRow("760 times a passes 10^15 and takes the exponent form")
        << QString(760, u'a') << u"1.24854451676037E+15"_s;
    QTest::newRow("32,766 characters are still derived") << QString(32766, u'a') << u"4.35650643974836E+21"_s;
    QTest::newRow("the euro sign counts as its code 0x80") << u"€"_s << u"1000706318"_s;
    QTest::newRow("an emoji is two units of 63 each") << u"😀"_s << u"2001495272"_s;
    QTest::newRow("a mixed Key") << u"中文Key 123"_s << u"8394522842"_s;
    QTest::newRow("a line feed is a character of code 10") << u"\n"_s << u"1000667024"_s;
    QTest::newRow("all kinds together") << u"Ab1_中€"_s << u"5882795787"_s;
}

void TestDeriveKeyPassword::derivesTheWorkedValues()
{
    QFETCH(QString, key);
    QFETCH(QString, password);
    const Result<QString> derived = DeriveKeyPassword(key);
    QVERIFY(derived);
    QCOMPARE(*derived, password);
}

void TestDeriveKeyPassword::keysOf32767UnitsOrMoreOverflow()
{
    QVERIFY(!DeriveKeyPassword(QString(32767, u'a')));
    QVERIFY(!DeriveKeyPassword(QString(40000, u'a')));
    // L counts UTF-16 units: 16,384 emoji are 32,768 units.
    QString emoji;
    for (int i = 0; i < 16384; ++i)
        emoji += u"😀"_s;
    QVERIFY(!DeriveKeyPassword(emoji));
}

void TestDeriveKeyPassword::unitCodesFollowCodePage936_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("code");

    QTest::newRow("ASCII is its own code") << int(u'a') << 97;
    QTest::newRow("中 is D6 D0 read as signed 16 bits") << int(u'中') << -10544;
    QTest::newRow("the euro sign is the single byte 0x80") << 0x20ac << 128;
    QTest::newRow("a character outside the code page is '?'") << 0x0e01 << 63;
    QTest::newRow("a lone surrogate is '?'") << 0xd800 << 63;
}

void TestDeriveKeyPassword::unitCodesFollowCodePage936()
{
    QFETCH(int, unit);
    QFETCH(int, code);
    QCOMPARE(Cp936::unitCode(char16_t(unit)), code);
}

QTEST_GUILESS_MAIN(TestDeriveKeyPassword)
#include "TestDeriveKeyPassword.moc"
