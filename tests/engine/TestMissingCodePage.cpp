#include "key/KeyCheck.h"
#include "run/ReportRunError.h"
#include "support/RunHarness.h"

#include <QTest>

using namespace parolex;
using namespace parolex::fakes;
using namespace Qt::StringLiterals;

// Where code page 936 cannot be converted, nothing may be written with '?' for Chinese and
// no Key may derive a password other than everywhere else: every run is refused up front.
class TestMissingCodePage : public QObject, RunHarness
{
    Q_OBJECT

private slots:
    void init() { resetFakes(); }
    void everyRunIsRefusedBeforeItTouchesAFile_data();
    void everyRunIsRefusedBeforeItTouchesAFile();
    void aKeyIsNotChecked();
};

void TestMissingCodePage::everyRunIsRefusedBeforeItTouchesAFile_data()
{
    QTest::addColumn<bool>("fromKey");
    QTest::addColumn<bool>("fileOutput");

    QTest::newRow("random passwords into the list") << false << false;
    QTest::newRow("random passwords into a file") << false << true;
    QTest::newRow("one Key") << true << false;
    QTest::newRow("a Key file into an output file") << true << true;
}

void TestMissingCodePage::everyRunIsRefusedBeforeItTouchesAFile()
{
    QFETCH(bool, fromKey);
    QFETCH(bool, fileOutput);
    GenerationOptions options;
    options.FromKey = fromKey;
    options.FileOutput = fileOutput;
    options.KeyText = u"abc"_s;
    options.KeyFilePath = u"keys.txt"_s;
    options.OutputFilePath = u"out.txt"_s;
    files.setContent(u"keys.txt"_s, "abc\r\n");
    files.setContent(u"out.txt"_s, "kept\r\n");

    const RunOutcome outcome = runGeneration(options);

    QCOMPARE(outcome.failure, Failure(Failure::CodePageMissing));
    QCOMPARE(ui.callsStartingWith(u"message"_s),
             QStringList{u"message|Information||"_s + runErrorText(Failure::CodePageMissing)});
    QCOMPARE(files.content(u"out.txt"_s), QByteArray("kept\r\n"));
    QVERIFY(ui.callsStartingWith(u"append"_s).isEmpty());
    QVERIFY(ui.callsStartingWith(u"insert"_s).isEmpty());
}

void TestMissingCodePage::aKeyIsNotChecked()
{
    const Result<bool> match = keyMatchesPassword(u"abc"_s, u"3002872312"_s);
    QVERIFY(!match);
    QCOMPARE(match.failure(), Failure(Failure::CodePageMissing));
}

QTEST_GUILESS_MAIN(TestMissingCodePage)
#include "TestMissingCodePage.moc"
