#include "info/BrowserStartWindows.h"

#include <QCoreApplication>
#include <QFile>
#include <QTest>
#include <qt_windows.h>

using namespace parolex;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(parolex::LinkKind)

/// The browser start on Windows, with a program planted where an unquoted command line
/// would find one first: C:\program.exe, read from "C:\program files\internet explorer\…".
class TestBrowserStartWindows : public QObject
{
    Q_OBJECT

private:
    const QString m_planted = u"C:\\program.exe"_s;
    bool m_planting = false;

    static QString imageOf(HANDLE process)
    {
        wchar_t name[MAX_PATH * 4];
        DWORD size = DWORD(std::size(name));
        if (!QueryFullProcessImageNameW(process, 0, name, &size))
            return {};
        return QString::fromWCharArray(name, int(size));
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (QFile::exists(m_planted))
            QSKIP("C:\\program.exe exists already and is not this test's to replace");
        // Any program does as the plant; this test's own is at hand.
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), m_planted));
        m_planting = true;
    }

    void cleanupTestCase()
    {
        if (m_planting)
            QFile::remove(m_planted);
    }

    void startsTheBrowserAndNeverAProgramOnTheWay_data()
    {
        QTest::addColumn<LinkKind>("kind");
        QTest::addColumn<QString>("address");
        QTest::newRow("The web link starts the browser itself")
            << LinkKind::Web << u"http://www.morvik-parolex.example/"_s;
        QTest::newRow("The mail link starts the browser itself")
            << LinkKind::Mail << u"tesmo@morvik-parolex.example"_s;
    }

    void startsTheBrowserAndNeverAProgramOnTheWay()
    {
        QFETCH(LinkKind, kind);
        QFETCH(QString, address);
        const BrowserCommand command = composeBrowserCommand(qEnvironmentVariable("SystemRoot"), kind, address);
        QVERIFY(command.commandLine.startsWith(u"C:\\program files\\"_s, Qt::CaseInsensitive));
        const HANDLE process = startBrowserProcess(command);
        QVERIFY(process);
        const QString image = imageOf(process);
        // The browser would outlive the test and keep its output open.
        TerminateProcess(process, 0);
        CloseHandle(process);
        QVERIFY2(image.endsWith(u"\\internet explorer\\iexplore.exe"_s, Qt::CaseInsensitive), qPrintable(image));
    }
};

QTEST_GUILESS_MAIN(TestBrowserStartWindows)
#include "TestBrowserStartWindows.moc"
