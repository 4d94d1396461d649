#include "common/MessageBox.h"
#include "info/LinkLauncher.h"

#include <QProcess>
#include <QTest>

using namespace parolex;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(parolex::LinkKind)

/// What a link click hands to the browser start, and what the user is told when the start
/// fails: the same on every system. The start itself has a test per system
/// (TestBrowserStartPosix).
class TestLinkLauncher : public QObject
{
    Q_OBJECT

private:
    const QString failureText =
        QStringLiteral("无法找到Internet Explorer，可能是您没有正确的安装IE。请手动访问。");

private Q_SLOTS:
    void init()
    {
        MessageBox::setRecording(true);
        qputenv("windir", "D:\\WINDOWS");
    }

    void cleanup()
    {
        setBrowserStarter({});
        qunsetenv("windir");
    }

    void composesTheBrowserCommand_data()
    {
        QTest::addColumn<QString>("windir");
        QTest::addColumn<LinkKind>("kind");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("argument");

        const QString web = QStringLiteral("http://www.morvik-parolex.example/");
        QTest::newRow("Windows on drive D: the browser is looked for below D's root")
            << u"D:\\WINDOWS"_s << LinkKind::Web << web
            << u"D:\\program files\\internet explorer\\iexplore.exe http://www.morvik-parolex.example/"_s
            << u"D:\\program files\\internet explorer\\iexplore.exe"_s
            << web;
        QTest::newRow("A windir shorter than three characters is padded with blanks")
            << u"C:"_s << LinkKind::Web << web
            << u"C: program files\\internet explorer\\iexplore.exe http://www.morvik-parolex.example/"_s
            << u"C: program files\\internet explorer\\iexplore.exe"_s
            << web;
        QTest::newRow("An unset windir leaves three blanks")
            << QString() << LinkKind::Web << web
            << u"   program files\\internet explorer\\iexplore.exe http://www.morvik-parolex.example/"_s
            << u"   program files\\internet explorer\\iexplore.exe"_s
            << web;
        QTest::newRow("An address with spaces goes on unquoted and unchanged")
            << u"C:\\WINNT"_s << LinkKind::Web << u"http://a b/c d?e=\"f\""_s
            << u"C:\\program files\\internet explorer\\iexplore.exe http://a b/c d?e=\"f\""_s
            << u"C:\\program files\\internet explorer\\iexplore.exe"_s
            << u"http://a b/c d?e=\"f\""_s;
        QTest::newRow("A mail address gets mailto: in front, with no slashes")
            << u"C:\\WINDOWS"_s << LinkKind::Mail << u"tesmo@morvik-parolex.example"_s
            << u"C:\\program files\\internet explorer\\iexplore.exe mailto:tesmo@morvik-parolex.example"_s
            << u"C:\\program files\\internet explorer\\iexplore.exe"_s
            << u"mailto:tesmo@morvik-parolex.example"_s;
    }

    void composesTheBrowserCommand()
    {
        QFETCH(QString, windir);
        QFETCH(LinkKind, kind);
        QFETCH(QString, address);
        QFETCH(QString, commandLine);
        QFETCH(QString, program);
        QFETCH(QString, argument);
        QCOMPARE(composeBrowserCommand(windir, kind, address), (BrowserCommand{commandLine, program, argument}));
    }

    void opensTheLinkWithTheWindowsFolderOfTheEnvironment()
    {
        QList<BrowserCommand> started;
        setBrowserStarter([&](const BrowserCommand &command) {
            started.append(command);
            return true;
        });
        OpenWebPage(u"http://x.example/"_s);
        OpenMailLink(u"a@x.example"_s);
        const QList<BrowserCommand> expected = {
            composeBrowserCommand(u"D:\\WINDOWS", LinkKind::Web, u"http://x.example/"),
            composeBrowserCommand(u"D:\\WINDOWS", LinkKind::Mail, u"a@x.example"),
        };
        QCOMPARE(started, expected);
        QVERIFY(MessageBox::takeRecorded().isEmpty());
    }

    void aFailedStartTellsTheUserToVisitByHand()
    {
        setBrowserStarter([](const BrowserCommand &) { return false; });
        OpenWebPage(u"http://x.example/"_s);
        OpenMailLink(u"a@x.example"_s);
        const MessageBox::Shown failure{failureText, u"Morvik Parolex"_s, QMessageBox::NoIcon};
        QCOMPARE(MessageBox::takeRecorded(), (QList<MessageBox::Shown>{failure, failure}));
    }

    // The real start on Windows: wine puts its stand-in browser just where the composed
    // command looks, and a drive without it makes the start fail.
    void theWindowsStartRunsTheComposedCommand()
    {
        if (QSysInfo::kernelType() != u"winnt"_s)
            QSKIP("the composed command line is started as it is only on Windows");
        const QString windows = qEnvironmentVariable("SystemRoot");
        QVERIFY(startBrowserMinimized(composeBrowserCommand(windows, LinkKind::Mail, u"a@x.example")));
        // The browser would outlive the test and keep its output open.
        QProcess::execute(u"taskkill"_s, {u"/f"_s, u"/im"_s, u"iexplore.exe"_s});

        qputenv("windir", "Q:\\WINDOWS");
        setBrowserStarter(&startBrowserMinimized);
        OpenMailLink(u"a@x.example"_s);
        const MessageBox::Shown failure{failureText, u"Morvik Parolex"_s, QMessageBox::NoIcon};
        QCOMPARE(MessageBox::takeRecorded(), QList<MessageBox::Shown>{failure});
    }
};

QTEST_GUILESS_MAIN(TestLinkLauncher)
#include "TestLinkLauncher.moc"
