#include "text/Cp936.h"

#include <QTest>

using namespace parolex;
using namespace Qt::StringLiterals;

// Linux converts with Qt's converter, Windows with the system's: both must read and write the
// same bytes, or a Key file converted on one would differ from the other's.
class TestCp936 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(Cp936::isAvailable()); }
    void decodes_data();
    void decodes();
    void everyLeadByteAtTheEndIsNoCharacter();
    void encodes_data();
    void encodes();
};

void TestCp936::decodes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("ASCII") << QByteArray("Key 123") << u"Key 123"_s;
    QTest::newRow("中文 and the euro sign at 0x80") << QByteArray("\xd6\xd0\xce\xc4\x80") << u"中文€"_s;
    QTest::newRow("user-defined area A140 and FEFE") << QByteArray("\xa1\x40\xfe\xfe") << u"\ue4c6\ue4c5"_s;
    QTest::newRow("a lead byte before a byte that cannot follow it")
        << QByteArray("\x81\x20x") << u"\ufffd x"_s;
    QTest::newRow("a lead byte before DEL") << QByteArray("\x81\x7f") << u"\ufffd\u007f"_s;
    QTest::newRow("a lead byte at the very end has no trail byte: no character")
        << QByteArray("ab\xd6") << u"ab\ufffd"_s;
}

void TestCp936::decodes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(Cp936::decode(bytes), text);
}

void TestCp936::everyLeadByteAtTheEndIsNoCharacter()
{
    // The end of a Key line: a lead byte there counts '?' like one before any other byte
    // that cannot follow it.
    for (int lead = 0x81; lead <= 0xfe; ++lead) {
        const QByteArray bytes = QByteArray("x") + char(lead);
        QCOMPARE(Cp936::decode(bytes), u"x\ufffd"_s);
        QCOMPARE(Cp936::decode(bytes + ' '), u"x\ufffd "_s);
    }
}

void TestCp936::encodes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("exact");

    QTest::newRow("中文 and the euro sign") << u"中文€"_s << QByteArray("\xd6\xd0\xce\xc4\x80") << true;
    QTest::newRow("é and the ideographic space") << u"é\u3000"_s << QByteArray("\xa8\xa6\xa1\xa1") << true;
    QTest::newRow("a bullet has no code: '?', never a look-alike") << u"a\u2022b"_s << QByteArray("a?b") << false;
    QTest::newRow("a no-break space is no space") << u"\u00a0"_s << QByteArray("?") << false;
    QTest::newRow("a lone surrogate") << u"x\xd800y"_s << QByteArray("x?y") << false;
    QTest::newRow("an emoji is one character beyond the code page, one '?'")
        << u"a\U0001F600b"_s << QByteArray("a?b") << false;
    // Long texts are converted a piece of 2^20 units at a time on Windows.
    const qsizetype piece = qsizetype(1) << 20;
    QTest::newRow("an emoji across a piece boundary is one character, one '?'")
        << QString(piece - 1, u'a') + u"\U0001F600b"_s << QByteArray(piece - 1, 'a') + "?b" << false;
}

void TestCp936::encodes()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, exact);
    QCOMPARE(Cp936::encode(text), bytes);
    QCOMPARE(Cp936::canEncode(text), exact);
}

QTEST_GUILESS_MAIN(TestCp936)
#include "TestCp936.moc"
