#include "io/SystemTextFileLayer.h"
#include "key/KeyLineReader.h"
#include "run/RunGeneration.h"
#include "support/FakeRunUi.h"
#include "support/ProcessLimit.h"
#include "support/ScriptedRandomSource.h"
#include "support/SleepingProgram.h"
#include "text/Cp936.h"
#include "text/OutputFileWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace parolex;
using namespace parolex::fakes;
using namespace Qt::StringLiterals;

namespace {

bool onWindows()
{
    return QSysInfo::kernelType() == u"winnt"_s;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

/// The lines of @p path as the run reads them; a failure ends the list as "failure N".
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
            return lines << u"failure %1"_s.arg(failure.number());
        lines << line;
    }
    return lines;
}

QStringList readLines(TextFileLayer &layer, const QString &path, const QByteArray &content)
{
    writeFile(path, content);
    return readLines(layer, path);
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
    void anEndlessLineEndsTheReadingAtOnce();
    void oneWriterPerFileAndNoWriterWhileItIsRead();
    void newOutputFilesAreTheOwnersAlone();
    void aFullDiskLeavesOnlyWholeLines();
    void writesCodePage936();
    void tellsWhenTwoPathsAreOneFile();
    void aPathOf300CharactersIsAFileLikeAnyOther();
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
    // Windows says of a path longer than it allows that the path is not found.
    if (number == Failure::BadFileName && onWindows())
        number = Failure::PathNotFound;
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
    // Linux refuses to write a running program (ETXTBSY), Windows any file another process
    // opened without sharing it, which a running program is.
    const SleepingProgram original = sleepingProgram();
    const QString suffix = QFileInfo(original.path).suffix();
    const QString program = path(suffix.isEmpty() ? u"sleeper"_s : u"sleeper."_s + suffix);
    QVERIFY(QFile::copy(original.path, program));
    QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QProcess sleeper;
    sleeper.start(program, original.arguments);
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
    QTest::newRow("a lead byte left at a line's end is no character and does not swallow the next line")
        << QByteArray("x\xd6\r\xd0") << QStringList{u"x\ufffd"_s, u"\ufffd"_s};
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
    const QByteArray line(999, 'a');
    QByteArray content;
    while (content.size() + 2 * 1001 < first)
        content += line + "\r\n";
    const qsizetype lastLength = first - content.size();
    content += QByteArray(lastLength, 'a') + "\r\nb";
    const QStringList lines = readLines(m_layer, path(u"keys.txt"_s), content);
    QCOMPARE(lines.size(), content.count("\r\n") + 1);
    QCOMPARE(lines.at(lines.size() - 2).size(), lastLength);
    QCOMPARE(lines.last(), u"b"_s);
}

void TestSystemTextFileLayer::anEndlessLineEndsTheReadingAtOnce()
{
    // More bytes than any Key the derivation takes, and no line ending: the reading ends
    // with the derivation's failure instead of reading on.
    QCOMPARE(readLines(m_layer, path(u"keys.txt"_s), QByteArray(KeyLineReader::maxLineBytes, 'a')),
             QStringList{u"failure 6"_s});
    QCOMPARE(
        readLines(m_layer, path(u"keys.txt"_s), "abc\r" + QByteArray(3 * KeyLineReader::maxLineBytes, 'a')),
        (QStringList{u"abc"_s, u"failure 6"_s}));
    QCOMPARE(readLines(m_layer, u"/dev/zero"_s), QStringList{u"failure 6"_s});
    // The longest line that is read whole.
    QCOMPARE(readLines(m_layer, path(u"keys.txt"_s), QByteArray(KeyLineReader::maxLineBytes - 1, 'a')).size(),
             1);
}

void TestSystemTextFileLayer::oneWriterPerFileAndNoWriterWhileItIsRead()
{
    const QString file = path(u"out.txt"_s);
    writeFile(file, "earlier\r\n");
    Result<std::unique_ptr<ByteSink>> writing = m_layer.createForWriting(file);
    QVERIFY(writing);
    QCOMPARE((*writing)->write("first\r\n"), Failure::None);
    // A second writer and a reader are turned away as "in use", and nothing is emptied.
    QCOMPARE(m_layer.createForWriting(file).failure(), Failure::PermissionDenied);
    QCOMPARE(m_layer.openForReading(file).failure(), Failure::PermissionDenied);
    QCOMPARE((*writing)->close(), Failure::None);
    QCOMPARE(readLines(m_layer, file), QStringList{u"first"_s});

    // While a Key file is read, others may read it too, but nobody may write it.
    Result<std::unique_ptr<ByteSource>> reading = m_layer.openForReading(file);
    QVERIFY(reading);
    QCOMPARE(readLines(m_layer, file), QStringList{u"first"_s});
    QCOMPARE(m_layer.createForWriting(file).failure(), Failure::PermissionDenied);
    QCOMPARE((*reading)->close(), Failure::None);
    QVERIFY(m_layer.createForWriting(file));

    // Through a run: a second run on the same output file fails with 70 before writing.
    Result<std::unique_ptr<ByteSink>> first = m_layer.createForWriting(file);
    QVERIFY(first);
    QCOMPARE((*first)->write("first run\r\n"), Failure::None);
    GenerationOptions options;
    options.FileOutput = true;
    options.OutputFilePath = file;
    FakeRunUi ui;
    ScriptedRandomSource random;
    RunGeneration(options, ui, ui, random, m_layer);
    QCOMPARE(
        ui.callsStartingWith(u"message"_s),
        QStringList{
            u"message|Information||文件的访问被拒绝，可能是该文件正在使用中。请退出包含该文件的进程并重试。"_s});
    QCOMPARE((*first)->close(), Failure::None);
    QCOMPARE(readLines(m_layer, file), QStringList{u"first run"_s});
}

void TestSystemTextFileLayer::newOutputFilesAreTheOwnersAlone()
{
    if (onWindows())
        QSKIP("a Windows file takes its access list from its folder, the user's own");
    const auto othersMay =
        QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther;
    const QString created = path(u"new.txt"_s);
    QVERIFY(m_layer.createForWriting(created));
    QCOMPARE(QFile::permissions(created) & othersMay, QFileDevice::Permissions());
    QVERIFY(QFile::permissions(created) & QFileDevice::WriteOwner);

    // A file that exists keeps what its owner gave it.
    const QString shared = path(u"shared.txt"_s);
    writeFile(shared, "x");
    QVERIFY(QFile::setPermissions(shared, QFile::permissions(shared) | QFileDevice::ReadOther));
    QVERIFY(m_layer.createForWriting(shared));
    QVERIFY(QFile::permissions(shared) & QFileDevice::ReadOther);
}

void TestSystemTextFileLayer::aFullDiskLeavesOnlyWholeLines()
{
    GenerationOptions options;
    options.CountText = u"100000"_s;
    options.LengthText = u"26"_s;
    options.FileOutput = true;
    options.OutputFilePath = path(u"out.txt"_s);
    FakeRunUi ui;
    ScriptedRandomSource random(QByteArray("\x01\x02\x03\x04\x05\x06\x07"));
    {
        // A disk with room for 500,000 bytes: the header and 17,855.3 lines of 28 bytes.
        const ProcessLimit limit(ProcessLimit::Kind::FileSize, 500000);
        if (!limit.isSet())
            QSKIP("This system cannot limit the size of a process's files.");
        RunGeneration(options, ui, ui, random, m_layer);
    }
    QVERIFY(ui.callsStartingWith(u"message"_s).constFirst().contains(u"错误号为 61"_s));
    QFile file(options.OutputFilePath);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    QCOMPARE(content.size(), 52 + 17855 * 28);
    QVERIFY(content.endsWith("\r\n"));
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

void TestSystemTextFileLayer::aPathOf300CharactersIsAFileLikeAnyOther()
{
    // Longer than Windows' MAX_PATH of 260, in folders of 50-character names.
    QString folder = m_dir->path();
    while (folder.size() < 300 - 10)
        folder += u'/' + QString(50, u'k');
    QVERIFY(QDir().mkpath(folder));
    const QString keys = folder + u"/keys.txt"_s;
    QVERIFY(keys.size() >= 300);

    Result<std::unique_ptr<ByteSink>> out = m_layer.createForWriting(keys);
    QVERIFY2(out, qPrintable(QString::number(out.failure().number())));
    QCOMPARE((*out)->write("abc\r\n"), Failure::None);
    QCOMPARE((*out)->close(), Failure::None);
    Result<std::unique_ptr<ByteSource>> in = m_layer.openForReading(keys);
    QVERIFY2(in, qPrintable(QString::number(in.failure().number())));
    char bytes[16];
    const Result<qsizetype> got = (*in)->read(bytes, sizeof bytes);
    QVERIFY(got);
    QCOMPARE(QByteArray(bytes, *got), QByteArray("abc\r\n"));
    QVERIFY(m_layer.sameFile(keys, keys));
    QVERIFY(!m_layer.sameFile(keys, path(u"file.txt"_s)));
}

void TestSystemTextFileLayer::tellsWhenTwoPathsAreOneFile()
{
    if (onWindows())
        QSKIP("Qt's links on Windows are shortcut files, which the system does not follow");
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
