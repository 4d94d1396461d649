#include "io/SystemTextFileLayer.h"
#include "key/KeyLineReader.h"
#include "run/RunGeneration.h"
#include "support/FakeRunUi.h"
#include "support/ScriptedRandomSource.h"
#include "text/Cp936.h"
#include "text/OutputFileWriter.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace parolex;
using namespace parolex::fakes;
using namespace Qt::StringLiterals;

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QStringList readLines(TextFileLayer &layer, const QString &path)
{
    Result<std::unique_ptr<ByteSource>> opened = layer.openForReading(path);
    if (!opened)
        return {u"failure %1"_s.arg(opened.failure().number())};
    KeyLineReader reader(std::move(*opened));
    QStringList lines;
    QString line;
    while (!reader.atEnd()) {
        if (const Failure failure = reader.readLine(line))
            return {u"failure %1"_s.arg(failure.number())};
        lines << line;
    }
    return lines;
}

int openDescriptors()
{
    return int(QDir(u"/proc/self/fd"_s).entryList(QDir::Files | QDir::System).size());
}

} // namespace

class TestSystemTextFileLayer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void failuresHaveTheirNumbers_data();
    void failuresHaveTheirNumbers();
    void aFullDiskIsFailure61AtTheHeader();
    void aRunningProgramIsAFileInUse();
    void readsLinesByTheLineRule_data();
    void readsLinesByTheLineRule();
    void aLineEndingSplitAcrossReadsIsOneEnding();
    void writesCodePage936();
    void tellsWhenTwoPathsAreOneFile();
    void noFileStaysOpenAfterAFailedRun();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    SystemTextFileLayer m_layer;
    QString path(const QString &name) const { return m_dir->filePath(name); }
};

void TestSystemTextFileLayer::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    writeFile(path(u"file.txt"_s), "abc");
    QVERIFY(QDir(m_dir->path()).mkdir(u"folder"_s));
}

void TestSystemTextFileLayer::failuresHaveTheirNumbers_data()
{
    QTest::addColumn<bool>("output");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("number");

    QTest::newRow("a folder as the output file is access refused") << true << u"folder"_s << 75;
    QTest::newRow("a folder as the Key file is access refused") << false << u"folder"_s << 75;
    QTest::newRow("a Key file that is not there") << false << u"absent.txt"_s << 53;
    QTest::newRow("a Key file in a folder that is not there") << false << u"absent/keys.txt"_s << 76;
    QTest::newRow("an output file in a folder that is not there") << true << u"absent/out.txt"_s << 76;
    QTest::newRow("a path through a file") << true << u"file.txt/out.txt"_s << 76;
    QTest::newRow("an empty output path") << true << QString() << 75;
    QTest::newRow("an empty Key file path") << false << QString() << 75;
    QTest::newRow("a name longer than the system allows") << true << QString(300, u'x') << 52;
}

void TestSystemTextFileLayer::failuresHaveTheirNumbers()
{
    QFETCH(bool, output);
    QFETCH(QString, name);
    QFETCH(int, number);
    const QString full = name.isEmpty() ? QString() : path(name);
    const Failure failure =
        output ? m_layer.createForWriting(full).failure() : m_layer.openForReading(full).failure();
    QCOMPARE(failure.number(), number);
}

void TestSystemTextFileLayer::aFullDiskIsFailure61AtTheHeader()
{
    Result<std::unique_ptr<ByteSink>> full = m_layer.createForWriting(u"/dev/full"_s);
    QVERIFY(full);
    QCOMPARE((*full)->write("x\r\n"), Failure::DiskFull);

    GenerationOptions options;
    options.FileOutput = true;
    options.OutputFilePath = u"/dev/full"_s;
    FakeRunUi ui;
    ScriptedRandomSource random;
    RunGeneration(options, ui, ui, random, m_layer);
    QCOMPARE(ui.calls, (QStringList{u"message|Information||"_s +
                                        QStringLiteral("程序出现内部错误。错误号为 61。请稍后重试，"
                                                       "如果还不能解决问题，请您将此错误告诉我，"
                                                       "不胜感激！我的联系方式请见“关于软件”"),
                                    u"closeProgress"_s}));
}

void TestSystemTextFileLayer::aRunningProgramIsAFileInUse()
{
    const QString program = path(u"sleeper"_s);
    QVERIFY(QFile::copy(u"/bin/sleep"_s, program));
    QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QProcess sleeper;
    sleeper.start(program, {u"30"_s});
    QVERIFY(sleeper.waitForStarted());

    GenerationOptions options;
    options.FileOutput = true;
    options.OutputFilePath = program;
    FakeRunUi ui;
    ScriptedRandomSource random;
    RunGeneration(options, ui, ui, random, m_layer);
    sleeper.kill();
    sleeper.waitForFinished();
    QCOMPARE(ui.calls, (QStringList{u"message|Information||文件的访问被拒绝，可能是该文件正在使用中。"
                                    u"请退出包含该文件的进程并重试。"_s,
                                    u"closeProgress"_s}));
}

void TestSystemTextFileLayer::readsLinesByTheLineRule_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("abc CR LF CR LF is abc and an empty line")
        << QByteArray("abc\r\n\r\n") << QStringList{u"abc"_s, QString()};
    QTest::newRow("an empty file has no line") << QByteArray() << QStringList();
    QTest::newRow("CR alone ends a line") << QByteArray("a\rb\r") << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("LF alone stays in the line") << QByteArray("a\nb\n") << QStringList{u"a\nb\n"_s};
    QTest::newRow("a last line without an ending is a line")
        << QByteArray("a\r\nb") << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("code page 936: D6 D0 is 中 and 0x80 the euro sign")
        << QByteArray("\xd6\xd0\x80\r\n") << QStringList{u"中€"_s};
    QTest::newRow("a lead byte left at a line's end does not swallow the next line")
        << QByteArray("x\xd6\r\xd0") << QStringList{u"x"_s, Cp936::decode("\xd0")};
}

void TestSystemTextFileLayer::readsLinesByTheLineRule()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, lines);
    writeFile(path(u"keys.txt"_s), content);
    QCOMPARE(readLines(m_layer, path(u"keys.txt"_s)), lines);
}

void TestSystemTextFileLayer::aLineEndingSplitAcrossReadsIsOneEnding()
{
    // The reader takes 256 KiB at a time: the CR is the last byte of the first piece.
    const qsizetype first = 256 * 1024 - 1;
    writeFile(path(u"keys.txt"_s), QByteArray(first, 'a') + "\r\nb");
    const QStringList lines = readLines(m_layer, path(u"keys.txt"_s));
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.at(0).size(), first);
    QCOMPARE(lines.at(1), u"b"_s);

    // An endless line keeps only what any derivation would need to fail.
    writeFile(path(u"keys.txt"_s), QByteArray(3 * KeyLineReader::maxLineBytes, 'a') + "\rb");
    const QStringList longLines = readLines(m_layer, path(u"keys.txt"_s));
    QCOMPARE(longLines.size(), 2);
    QCOMPARE(longLines.at(0).size(), KeyLineReader::maxLineBytes);
    QCOMPARE(longLines.at(1), u"b"_s);
}

void TestSystemTextFileLayer::writesCodePage936()
{
    Result<std::unique_ptr<ByteSink>> out = m_layer.createForWriting(path(u"file.txt"_s));
    QVERIFY(out);
    OutputFileWriter writer(std::move(*out));
    QCOMPARE(writer.writeLine(u"中€"_s), Failure::None);
    QCOMPARE(writer.writeLine(u"x"_s), Failure::None);
    QCOMPARE(writer.close(), Failure::None);
    QFile file(path(u"file.txt"_s));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("\xd6\xd0\x80\r\nx\r\n"));
}

void TestSystemTextFileLayer::tellsWhenTwoPathsAreOneFile()
{
    const QString file = path(u"file.txt"_s);
    QVERIFY(QFile::link(file, path(u"link.txt"_s)));
    writeFile(path(u"other.txt"_s), "abc");
    QVERIFY(QDir::setCurrent(m_dir->path()));
    QVERIFY(m_layer.sameFile(file, u"file.txt"_s));
    QVERIFY(m_layer.sameFile(file, u"folder/../file.txt"_s));
    QVERIFY(m_layer.sameFile(file, path(u"link.txt"_s)));
    QVERIFY(!m_layer.sameFile(file, path(u"other.txt"_s)));
    QVERIFY(!m_layer.sameFile(file, path(u"absent.txt"_s)));
    QVERIFY(!m_layer.sameFile(QString(), QString()));

    // Through a run: the Key file behind a link is neither emptied nor converted.
    GenerationOptions options;
    options.FromKey = true;
    options.FileOutput = true;
    options.KeyFilePath = u"file.txt"_s;
    options.OutputFilePath = path(u"link.txt"_s);
    FakeRunUi ui;
    ScriptedRandomSource random;
    RunGeneration(options, ui, ui, random, m_layer);
    QCOMPARE(ui.calls.size(), 2);
    QFile keys(file);
    QVERIFY(keys.open(QIODevice::ReadOnly));
    QCOMPARE(keys.readAll(), QByteArray("abc"));
}

void TestSystemTextFileLayer::noFileStaysOpenAfterAFailedRun()
{
    writeFile(path(u"keys.txt"_s), QByteArray("abc\r\n") + QByteArray(40000, 'a'));
    const int before = openDescriptors();
    GenerationOptions options;
    options.FromKey = true;
    options.FileOutput = true;
    options.KeyFilePath = path(u"keys.txt"_s);
    options.OutputFilePath = path(u"out.txt"_s);
    FakeRunUi ui;
    ScriptedRandomSource random;
    RunGeneration(options, ui, ui, random, m_layer);
    QCOMPARE(ui.callsStartingWith(u"message"_s),
             QStringList{u"message|Information||内存溢出，可能是您选择的文件太大了。"_s});
    QCOMPARE(openDescriptors(), before);
    QFile out(path(u"out.txt"_s));
    QVERIFY(out.open(QIODevice::ReadOnly));
    QVERIFY(out.readAll().endsWith("\r\n3002872312\r\n"));
}

QTEST_GUILESS_MAIN(TestSystemTextFileLayer)
#include "TestSystemTextFileLayer.moc"
