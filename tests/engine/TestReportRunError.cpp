#include "run/ReportRunError.h"
#include "run/RunContext.h"
#include "support/RunHarness.h"

#include <QTest>

using namespace parolex;
using namespace parolex::fakes;
using namespace Qt::StringLiterals;

namespace {

/// Notes its closing in the call record, to show the order of closing and message; its
/// closing fails, which must not stop the report.
class RecordedFile : public ByteSource, public ByteSink
{
public:
    RecordedFile(FakeRunUi &ui, QString name) : m_ui(ui), m_name(std::move(name)) {}
    Result<qsizetype> read(char *, qsizetype) override { return qsizetype(0); }
    Failure write(QByteArrayView) override { return Failure::None; }
    qint64 written() const override { return 0; }
    Failure cutBackTo(qint64) override { return Failure::None; }
    Failure close() override
    {
        if (m_closed)
            return Failure::None;
        m_closed = true;
        m_ui.calls << u"closed|"_s + m_name;
        return Failure::DeviceIoError;
    }

private:
    FakeRunUi &m_ui;
    QString m_name;
    bool m_closed = false;
};

QString internalError(const QString &number)
{
    return u"程序出现内部错误。错误号为 "_s + number +
           u"。请稍后重试，如果还不能解决问题，请您将此错误告诉我，不胜感激！我的联系方式请见“关于软件”"_s;
}

} // namespace

class TestReportRunError : public QObject, RunHarness
{
    Q_OBJECT

private slots:
    void init() { resetFakes(); }
    void everyNumberHasItsText_data();
    void everyNumberHasItsText();
    void closesTheFilesThenShowsTheMessageThenClosesTheProgressWindow();
};

void TestReportRunError::everyNumberHasItsText_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("text");

    QTest::newRow("6 overflow") << 6 << u"内存溢出，可能是您选择的文件太大了。"_s;
    QTest::newRow("53 file not found")
        << 53 << u"没有找到文件，可能是您制定了无效的文件（如无效的快捷方式等），也可能该文件已经不存在。"_s;
    QTest::newRow("57 device input/output error") << 57 << u"程序出现输入输出错误，请重试"_s;
    QTest::newRow("70 file in use")
        << 70 << u"文件的访问被拒绝，可能是该文件正在使用中。请退出包含该文件的进程并重试。"_s;
    QTest::newRow("75 access refused")
        << 75
        << u"文件的访问被拒绝，可能文件的属性为只读，请将文件的只读属性去掉问题方可解决；或者是文件路径错误，即文件根本不存在。"_s;
    QTest::newRow("13, a length that is no number, gets the generic text with a blank")
        << 13 << internalError(u"13"_s);
    QTest::newRow("61, a full disk, keeps its own number") << 61 << internalError(u"61"_s);
    QTest::newRow("76, a missing folder, keeps its own number") << 76 << internalError(u"76"_s);
    QTest::newRow("7, memory exhausted, keeps its own number") << 7 << internalError(u"7"_s);
}

void TestReportRunError::everyNumberHasItsText()
{
    QFETCH(int, number);
    QFETCH(QString, text);
    QCOMPARE(runErrorText(Failure::Number(number)), text);
}

void TestReportRunError::closesTheFilesThenShowsTheMessageThenClosesTheProgressWindow()
{
    const GenerationOptions options;
    RunContext run{options, ui, ui, random, files, 1, nullptr, nullptr};
    run.keys = std::make_unique<KeyLineReader>(std::make_unique<RecordedFile>(ui, u"keys"_s));
    run.output = std::make_unique<OutputFileWriter>(std::make_unique<RecordedFile>(ui, u"output"_s));
    ReportRunError(Failure::FileNotFound, run);
    QCOMPARE(ui.calls, (QStringList{u"closed|keys"_s, u"closed|output"_s,
                                    u"message|Information||"_s + runErrorText(Failure::FileNotFound),
                                    u"closeProgress"_s}));
}

QTEST_GUILESS_MAIN(TestReportRunError)
#include "TestReportRunError.moc"
