#include "common/MessageBox.h"
#include "info/LinkLauncher.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace parolex;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(parolex::LinkKind)

class TestLinkLauncher : public QObject
{
    Q_OBJECT

private:
    const QString failureText =
        QStringLiteral("无法找到Internet Explorer，可能是您没有正确的安装IE。请手动访问。");
    QByteArray m_path = qgetenv("PATH");

    /// Puts a stand-in xdg-open running @p body in front of the PATH.
    void installOpener(const QTemporaryDir &dir, const QByteArray &body)
    {
        QFile opener(dir.filePath(u"xdg-open"_s));
        QVERIFY(opener.open(QIODevice::WriteOnly));
        opener.write("#!/bin/sh\n" + body + "\n");
        opener.close();
        opener.setPermissions(opener.permissions() | QFile::ExeOwner);
        qputenv("PATH", QFile::encodeName(dir.path()) + ':' + m_path);
    }

    static qsizetype openersLeft() { return QCoreApplication::instance()->findChildren<QProcess *>().size(); }

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
        qputenv("PATH", m_path);
    }

    void composesTheBrowserCommand_data()
    {
        QTest::addColumn<QString>("windir");
        QTest::addColumn<LinkKind>("kind");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("argument");

        const QString web = QStringLiteral("http://www.morvik-parolex.example/");
        QTest::newRow("Windows on drive D: the browser is looked for below D's root")
            << u"D:\\WINDOWS"_s << LinkKind::Web << web
            << u"D:\\program files\\internet explorer\\iexplore.exe http://www.morvik-parolex.example/"_s
            << web;
        QTest::newRow("A windir shorter than three characters is padded with blanks")
            << u"C:"_s << LinkKind::Web << web
            << u"C: program files\\internet explorer\\iexplore.exe http://www.morvik-parolex.example/"_s
            << web;
        QTest::newRow("An unset windir leaves three blanks")
            << QString() << LinkKind::Web << web
            << u"   program files\\internet explorer\\iexplore.exe http://www.morvik-parolex.example/"_s
            << web;
        QTest::newRow("An address with spaces goes on unquoted and unchanged")
            << u"C:\\WINNT"_s << LinkKind::Web << u"http://a b/c d?e=\"f\""_s
            << u"C:\\program files\\internet explorer\\iexplore.exe http://a b/c d?e=\"f\""_s
            << u"http://a b/c d?e=\"f\""_s;
        QTest::newRow("A mail address gets mailto: in front, with no slashes")
            << u"C:\\WINDOWS"_s << LinkKind::Mail << u"tesmo@morvik-parolex.example"_s
            << u"C:\\program files\\internet explorer\\iexplore.exe mailto:tesmo@morvik-parolex.example"_s
            << u"mailto:tesmo@morvik-parolex.example"_s;
    }

    void composesTheBrowserCommand()
    {
        QFETCH(QString, windir);
        QFETCH(LinkKind, kind);
        QFETCH(QString, address);
        QFETCH(QString, commandLine);
        QFETCH(QString, argument);
        QCOMPARE(composeBrowserCommand(windir, kind, address), (BrowserCommand{commandLine, argument}));
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

    void theDesktopOpenerGetsTheAddressAsItsOnlyArgument()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows starts the composed command line itself");
#else
        // A stand-in opener on the PATH records what it was given; a shell would have split
        // the address or run what follows the semicolon.
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString record = dir.filePath(u"record"_s);
        installOpener(dir,
                      "printf '%s\\n' \"$#\" \"$@\" > \"$RECORD.tmp\" && mv \"$RECORD.tmp\" \"$RECORD\"");
        qputenv("RECORD", QFile::encodeName(record));

        const QString address = u"http://a b/c;touch $HOME/x"_s;
        QVERIFY(startBrowserMinimized(composeBrowserCommand(u"C:\\WINDOWS", LinkKind::Web, address)));
        QTRY_VERIFY(QFile::exists(record));
        QFile result(record);
        QVERIFY(result.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(result.readAll()), u"1\n"_s + address + u"\n"_s);
        QTRY_VERIFY(openersLeft() == 0);
        QVERIFY(MessageBox::takeRecorded().isEmpty());
#endif
    }

    void theOpenersFailureIsReportedWithoutWaiting_data()
    {
        QTest::addColumn<QByteArray>("opener");
        QTest::addColumn<bool>("failure");

        QTest::newRow("no program to open the link with (status 3) is a failure")
            << QByteArray("exit 3") << true;
        QTest::newRow("a program that fails to open it (status 4) is a failure")
            << QByteArray("exit 4") << true;
        QTest::newRow("any other failure status is a failure") << QByteArray("exit 1") << true;
        QTest::newRow("an opener killed by a signal is a failure") << QByteArray("kill -9 $$") << true;
        QTest::newRow("no opener on the PATH at all is a failure") << QByteArray() << true;
        QTest::newRow("status 0 is a success") << QByteArray("exit 0") << false;
    }

    void theOpenersFailureIsReportedWithoutWaiting()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows starts the composed command line itself");
#else
        QFETCH(QByteArray, opener);
        QFETCH(bool, failure);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        if (!opener.isNull())
            installOpener(dir, opener);
        else
            qputenv("PATH", QFile::encodeName(dir.path()));

        OpenMailLink(u"a@x.example"_s);
        // The opener is watched, not waited for: its status is not known yet.
        if (!opener.isNull())
            QVERIFY(MessageBox::takeRecorded().isEmpty());
        QTRY_VERIFY(openersLeft() == 0);
        const QList<MessageBox::Shown> expected = {{failureText, u"Morvik Parolex"_s, QMessageBox::NoIcon}};
        QCOMPARE(MessageBox::takeRecorded(), failure ? expected : QList<MessageBox::Shown>());
#endif
    }
};

QTEST_GUILESS_MAIN(TestLinkLauncher)
#include "TestLinkLauncher.moc"
