#include "io/SystemTextFileLayer.h"
#include "run/RunGeneration.h"
#include "support/FakeRunUi.h"
#include "support/ScriptedRandomSource.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace parolex;
using namespace parolex::fakes;
using namespace Qt::StringLiterals;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

} // namespace

Q_DECLARE_METATYPE(parolex::GenerationOptions)

/// Output files against the expected bytes in tests/data/<case>/expected.txt; Key-file
/// cases read tests/data/<case>/keys.txt.
class TestGoldenFiles : public QObject
{
    Q_OBJECT

private slots:
    void outputFileMatchesItsGoldenFile_data();
    void outputFileMatchesItsGoldenFile();
};

void TestGoldenFiles::outputFileMatchesItsGoldenFile_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<GenerationOptions>("options");
    QTest::addColumn<QByteArray>("script");

    GenerationOptions digits;
    digits.CountText = u"3"_s;
    digits.LengthText = u"4"_s;
    digits.UseLetters = digits.UseUpperCase = digits.UseUnderscore = false;
    digits.OwnSymbols.clear();
    digits.FileOutput = true;
    QTest::newRow("random-three-digit-passwords")
        << u"random-three-digit-passwords"_s << digits
        << QByteArray("\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0a\x0b\x0c");

    GenerationOptions chinese = digits;
    chinese.CountText = u" 2"_s;
    chinese.LengthText = u"3"_s;
    chinese.UseDigits = false;
    chinese.OwnSymbols = u"中€a"_s;
    QTest::newRow("random-chinese-symbols")
        << u"random-chinese-symbols"_s << chinese << QByteArray("\x00\x01\x02\x02\x01\x00", 6);

    GenerationOptions keys;
    keys.FromKey = true;
    keys.FileOutput = true;
    for (const QString &folder : {u"keys-abc-then-an-empty-line"_s, u"keys-ended-by-line-feeds-only"_s,
                                  u"keys-empty-file"_s, u"keys-chinese-and-long"_s})
        QTest::newRow(qPrintable(folder)) << folder << keys << QByteArray();
}

void TestGoldenFiles::outputFileMatchesItsGoldenFile()
{
    QFETCH(QString, folder);
    QFETCH(GenerationOptions, options);
    QFETCH(QByteArray, script);

    const QDir data(QStringLiteral(PAROLEX_TEST_DATA_DIR) + u'/' + folder);
    QTemporaryDir work;
    QVERIFY(work.isValid());
    options.OutputFilePath = work.filePath(u"out.txt"_s);
    if (options.FromKey)
        options.KeyFilePath = data.filePath(u"keys.txt"_s);

    FakeRunUi ui;
    ScriptedRandomSource random(script);
    SystemTextFileLayer files;
    RunGeneration(options, ui, ui, random, files);
    QCOMPARE(ui.callsStartingWith(u"message"_s),
             QStringList{u"message|Information|:)|密码已经被写入"_s + options.OutputFilePath + u"中。"_s});
    QCOMPARE(readAll(options.OutputFilePath), readAll(data.filePath(u"expected.txt"_s)));
}

QTEST_GUILESS_MAIN(TestGoldenFiles)
#include "TestGoldenFiles.moc"
