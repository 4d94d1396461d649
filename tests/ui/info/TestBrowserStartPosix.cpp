#include "common/MessageBox.h"
#include "info/LinkLauncher.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace parolex;
using namespace Qt::StringLiterals;

/// The browser start off Windows: the desktop's opener, given the address alone and watched
/// from the event loop. A stand-in xdg-open on the PATH plays the opener.
class TestBrowserStartPosix : public QObject
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
    void init() { MessageBox::setRecording(true); }

    void cleanup() { qputenv("PATH", m_path); }

    void theDesktopOpenerGetsTheAddressAsItsOnlyArgument()
    {
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
    }
};

QTEST_GUILESS_MAIN(TestBrowserStartPosix)
#include "TestBrowserStartPosix.moc"
