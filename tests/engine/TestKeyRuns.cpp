#include "run/RunGeneration.h"
#include "support/RunHarness.h"
#include "text/Cp936.h"

#include <QTest>

using namespace parolex;
using namespace parolex::fakes;
using namespace Qt::StringLiterals;

namespace {

const QString header = u"以下密码由Morvik Parolex生成。共10个8位密码。"_s;
const QStringList closing{u"由衷的感谢您使用Morvik Parolex,Tesmo 和 Morvik 的所有软件。"_s,
                          u"http://www.morvik-parolex.example/"_s,
                          u"E-mail:tesmo@morvik-parolex.example  QQ:10001"_s};
const QString written = u"message|Information|:)|密码已经被写入out.txt中。"_s;
const QString overflow = u"message|Information||内存溢出，可能是您选择的文件太大了。"_s;

GenerationOptions keyRun(bool keyFile)
{
    GenerationOptions o;
    o.FromKey = true;
    o.FileOutput = keyFile;
    o.KeyText = u"abc"_s;
    o.KeyFilePath = u"keys.txt"_s;
    o.OutputFilePath = u"out.txt"_s;
    return o;
}

QStringList lines(const QByteArray &content)
{
    QStringList result = Cp936::decode(content).split(u"\r\n"_s);
    if (result.last().isEmpty())
        result.removeLast();
    return result;
}

QStringList inserts(const QStringList &passwords)
{
    QStringList calls;
    for (const QString &password : passwords)
        calls << u"insert|"_s + password;
    return calls;
}

} // namespace

Q_DECLARE_METATYPE(parolex::GenerationOptions)

class TestKeyRuns : public QObject, RunHarness
{
    Q_OBJECT

private slots:
    void init() { resetFakes(); }
    void aSingleKeyRunSelectsAndCopiesItsPassword();
    void aSingleKeyThatOverflowsLeavesTheListClearedAndTheClipboard();
    void aKeyFileRunInsertsOnTopAndWritesInFileOrder();
    void keyFilesAreReadByTheLineRule_data();
    void keyFilesAreReadByTheLineRule();
    void keyFileFailures_data();
    void keyFileFailures();
    void aKeyFileIsNeverItsOwnOutputFile();
    void aSecondRunAddsOnTopAndRewritesTheFile();
};

void TestKeyRuns::aSingleKeyRunSelectsAndCopiesItsPassword()
{
    ui.insertResultAtTop(u"earlier"_s);
    ui.calls.clear();
    runGeneration(keyRun(false));
    QCOMPARE(ui.calls,
             (QStringList{u"showProgress"_s, u"clear"_s, u"insert|3002872312"_s, u"select|3002872312"_s,
                          u"clipboard|3002872312"_s, u"closeProgress"_s, u"enable"_s}));
    QCOMPARE(ui.resultTexts(), QStringList{u"3002872312"_s});
    QCOMPARE(ui.selectedRow, 0);
    QVERIFY(files.contents->isEmpty());
}

void TestKeyRuns::aSingleKeyThatOverflowsLeavesTheListClearedAndTheClipboard()
{
    GenerationOptions options = keyRun(false);
    options.KeyText = QString(32767, u'a');
    ui.insertResultAtTop(u"earlier"_s);
    ui.clipboard = u"before"_s;
    ui.calls.clear();
    runGeneration(options);
    QCOMPARE(ui.calls, (QStringList{u"showProgress"_s, u"clear"_s, overflow, u"closeProgress"_s}));
    QCOMPARE(ui.results.size(), 0);
    QCOMPARE(ui.clipboard, u"before"_s);
}

void TestKeyRuns::aKeyFileRunInsertsOnTopAndWritesInFileOrder()
{
    ui.insertResultAtTop(u"earlier"_s);
    ui.calls.clear();
    files.setContent(u"keys.txt"_s, "abc\r\n\r\n");
    runGeneration(keyRun(true));

    QCOMPARE(ui.calls, (QStringList{u"showProgress"_s, u"insert|3002872312"_s, u"insert|0"_s,
                                    u"closeProgress"_s, written, u"enable"_s}));
    QCOMPARE(ui.resultTexts(), (QStringList{u"0"_s, u"3002872312"_s, u"earlier"_s}));
    QCOMPARE(lines(files.content(u"out.txt"_s)), (QStringList{header, u"3002872312"_s, u"0"_s} + closing));
    QCOMPARE(files.openCount(), 0);
}

void TestKeyRuns::keyFilesAreReadByTheLineRule_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("passwords");

    // Passwords from an independent implementation of the derivation.
    QTest::newRow("an empty file converts nothing") << QByteArray() << QStringList();
    QTest::newRow("CR alone ends a line, and a last line needs no ending")
        << QByteArray("abc\rcba") << QStringList{u"3002872312"_s, u"3002872312"_s};
    QTest::newRow("LF alone does not end a line") << QByteArray("a\nb\nc\n") << QStringList{u"6007866591"_s};
    QTest::newRow("CR LF LF leaves an LF as a Key of its own")
        << QByteArray("abc\r\n\n") << QStringList{u"3002872312"_s, u"1000667024"_s};
    QTest::newRow("Chinese in code page 936 and blanks belong to the Key")
        << Cp936::encode(u"中文Key 123\r\nabc \r\n"_s) << QStringList{u"8394522842"_s, u"4004391882"_s};
    QTest::newRow("a lone lead byte before CR LF, CR or the end of the file counts '?', as x? does")
        << QByteArray("x\x81\r\nx\xfe\rx\xa0") << QStringList(3, u"2001571196"_s);
}

void TestKeyRuns::keyFilesAreReadByTheLineRule()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, passwords);
    for (const qsizetype piece : {qsizetype(1), qsizetype(7), qsizetype(1 << 20)}) {
        resetFakes();
        files.readPieceSize = piece;
        files.setContent(u"keys.txt"_s, content);
        runGeneration(keyRun(true));
        QCOMPARE(ui.callsStartingWith(u"insert"_s), inserts(passwords));
        QCOMPARE(lines(files.content(u"out.txt"_s)), QStringList{header} + passwords + closing);
    }
}

void TestKeyRuns::keyFileFailures_data()
{
    QTest::addColumn<GenerationOptions>("run");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<qint64>("readFailureAt");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<QStringList>("fileLines");

    const QString missing =
        u"message|Information||没有找到文件，可能是您制定了无效的文件（如无效的快捷方式等），"
        u"也可能该文件已经不存在。"_s;
    const QString refused = u"message|Information||文件的访问被拒绝，可能文件的属性为只读，"
                            u"请将文件的只读属性去掉问题方可解决；或者是文件路径错误，即文件根本不存在。"_s;
    const QString deviceError = u"message|Information||程序出现输入输出错误，请重试"_s;

    GenerationOptions noKeyFile = keyRun(true);
    noKeyFile.KeyFilePath.clear();
    QTest::newRow("no Key file name: the message of its own, the header stays")
        << noKeyFile << QByteArray() << qint64(-1)
        << QStringList{u"showProgress"_s,
                       u"message|Information|:)|使用本功能您必须将输入输出文件填写完全。"_s,
                       u"closeProgress"_s}
        << QStringList{header};
    GenerationOptions noOutput = keyRun(true);
    noOutput.OutputFilePath.clear();
    QTest::newRow("no output file name fails at the header, before the progress window")
        << noOutput << QByteArray("abc") << qint64(-1) << QStringList{refused, u"closeProgress"_s}
        << QStringList();
    GenerationOptions absent = keyRun(true);
    absent.KeyFilePath = u"absent.txt"_s;
    QTest::newRow("a Key file that is not there is failure 53")
        << absent << QByteArray() << qint64(-1) << QStringList{u"showProgress"_s, missing, u"closeProgress"_s}
        << QStringList{header};
    QTest::newRow("a line of 40,000 characters overflows after the lines before it")
        << keyRun(true) << QByteArray("abc\r\n") + QByteArray(40000, 'a') + "\r\nabc" << qint64(-1)
        << QStringList{u"showProgress"_s, u"insert|3002872312"_s, overflow, u"closeProgress"_s}
        << QStringList{header, u"3002872312"_s};
    QTest::newRow("a read failure ends the run with its number")
        << keyRun(true) << QByteArray("abc\r\nabc\r\nabc\r\n") << qint64(7)
        << QStringList{u"showProgress"_s, u"insert|3002872312"_s, deviceError, u"closeProgress"_s}
        << QStringList{header, u"3002872312"_s};
}

void TestKeyRuns::keyFileFailures()
{
    QFETCH(GenerationOptions, run);
    QFETCH(QByteArray, content);
    QFETCH(qint64, readFailureAt);
    QFETCH(QStringList, calls);
    QFETCH(QStringList, fileLines);
    ui.insertResultAtTop(u"earlier"_s);
    ui.calls.clear();
    files.setContent(u"keys.txt"_s, content);
    files.readFailureAt = readFailureAt;
    runGeneration(run);
    QCOMPARE(ui.calls, calls);
    QCOMPARE(lines(files.content(u"out.txt"_s)), fileLines);
    QCOMPARE(ui.resultTexts().last(), u"earlier"_s);
    QCOMPARE(files.openCount(), 0);
}

void TestKeyRuns::aKeyFileIsNeverItsOwnOutputFile()
{
    GenerationOptions options = keyRun(true);
    options.OutputFilePath = u"./sub/../keys.txt"_s;
    files.setContent(u"keys.txt"_s, "abc\r\n");
    runGeneration(options);
    QCOMPARE(ui.calls,
             (QStringList{u"message|Information|:)|输入文件和输出文件不能是同一个文件，请重新选择。"_s,
                          u"closeProgress"_s}));
    QCOMPARE(files.content(u"keys.txt"_s), QByteArray("abc\r\n"));
    QCOMPARE(files.contents->size(), 1);
}

void TestKeyRuns::aSecondRunAddsOnTopAndRewritesTheFile()
{
    files.setContent(u"keys.txt"_s, "abc\r\nad");
    runGeneration(keyRun(true));
    runGeneration(keyRun(true));
    QCOMPARE(ui.resultTexts(),
             (QStringList{u"2001589844"_s, u"3002872312"_s, u"2001589844"_s, u"3002872312"_s}));
    QCOMPARE(lines(files.content(u"out.txt"_s)),
             (QStringList{header, u"3002872312"_s, u"2001589844"_s} + closing));
}

QTEST_GUILESS_MAIN(TestKeyRuns)
#include "TestKeyRuns.moc"
