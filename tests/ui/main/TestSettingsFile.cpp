#include "MainFormFixture.h"
#include "common/Fonts.h"
#include "common/MessageBox.h"
#include "main/SettingsFile.h"

#include <QAbstractButton>

using namespace parolex;

/// setup.ini: read while the main window loads, empty while it runs, written when it closes.
class TestSettingsFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        installFonts();
        MessageBox::setRecording(true);
    }

    void bytesAcrossOneRun_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<int>("simpleModeClicks");
        QTest::addColumn<bool>("deleteWhileRunning");
        QTest::addColumn<bool>("opensSimple");
        QTest::addColumn<QByteArray>("after");

        const QByteArray missing;
        const QByteArray trueLine = QByteArrayLiteral("#TRUE#\r\n");
        const QByteArray falseLine = QByteArrayLiteral("#FALSE#\r\n");
        QTest::newRow("first start without a file opens normal and writes #FALSE#")
            << missing << 0 << false << false << falseLine;
        QTest::newRow("#TRUE# opens simple and an untouched box writes it back")
            << trueLine << 0 << false << true << trueLine;
        QTest::newRow("switching simple mode on writes #TRUE#")
            << falseLine << 1 << false << false << trueLine;
        QTest::newRow("switching on and off again writes #FALSE#")
            << falseLine << 2 << false << false << falseLine;
        QTest::newRow("#TRUE# followed by a comma and more opens simple")
            << QByteArrayLiteral("#TRUE#,anything else\r\nmore") << 0 << false << true << trueLine;
        QTest::newRow("blanks around the value are ignored")
            << QByteArrayLiteral("  #TRUE#  \r\n") << 0 << false << true << trueLine;
        QTest::newRow("text that is not a truth value opens normal")
            << QByteArrayLiteral("TRUE\r\n") << 0 << false << false << falseLine;
        QTest::newRow("an empty file opens normal") << QByteArray("") << 0 << false << false << falseLine;
        QTest::newRow("a file deleted while the program runs is written again")
            << trueLine << 0 << true << true << trueLine;
    }

    void bytesAcrossOneRun()
    {
        QFETCH(QByteArray, before);
        QFETCH(int, simpleModeClicks);
        QFETCH(bool, deleteWhileRunning);
        QFETCH(bool, opensSimple);
        QFETCH(QByteArray, after);

        MainFormFixture f(before);
        QCOMPARE(f.control<QAbstractButton>("Check1")->isChecked(), opensSimple);
        QVERIFY(QFile::exists(f.settingsPath()));
        QCOMPARE(f.settingsBytes(), QByteArray());
        for (int i = 0; i < simpleModeClicks; ++i)
            f.click("Check1");
        if (deleteWhileRunning)
            QVERIFY(QFile::remove(f.settingsPath()));

        f.main->close();
        QCOMPARE(f.settingsBytes(), after);
    }

    void unwritableProgramFolderKeepsTheSettingInTheUsersFolder()
    {
        // Not even root may create files in /proc.
        QTemporaryDir config;
        const QString userFile = QDir(config.path()).filePath(QStringLiteral("setup.ini"));
        {
            SettingsFile settings(QStringLiteral("/proc"), config.path());
            QVERIFY(!settings.read());
            QVERIFY(QFile::exists(userFile));
            settings.write(true);
        }
        QFile file(userFile);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArrayLiteral("#TRUE#\r\n"));
        file.close();

        SettingsFile again(QStringLiteral("/proc"), config.path());
        QVERIFY(again.read());
        QCOMPARE(QFileInfo(userFile).size(), 0);
    }

    void aSetupIniThatCannotBeUsedLeavesTheSettingToTheUsersFolder_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("a folder named setup.ini") << QStringLiteral("folder");
        QTest::newRow("a link to a place where nothing can be created") << QStringLiteral("dead link");
        // Root reads and writes these all the same; then the file beside the program serves.
        QTest::newRow("a file without any permission") << QStringLiteral("no permission");
        QTest::newRow("a read-only file saying #FALSE#") << QStringLiteral("read-only");
    }

    void aSetupIniThatCannotBeUsedLeavesTheSettingToTheUsersFolder()
    {
        QFETCH(QString, kind);
        QTemporaryDir program;
        QTemporaryDir config;
        const QString beside = QDir(program.path()).filePath(QStringLiteral("setup.ini"));
        if (kind == QLatin1String("folder")) {
            QVERIFY(QDir(program.path()).mkdir(QStringLiteral("setup.ini")));
        } else if (kind == QLatin1String("dead link")) {
            QVERIFY(QFile::link(QStringLiteral("/proc/parolex-nowhere/setup.ini"), beside));
        } else {
            if (kind == QLatin1String("no permission") && QSysInfo::kernelType() == QLatin1String("winnt"))
                QSKIP("Windows keeps a file's reading to its access list, which Qt does not set");
            QFile file(beside);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("#FALSE#\r\n");
            file.close();
            QVERIFY(file.setPermissions(kind == QLatin1String("read-only") ? QFile::ReadOwner
                                                                           : QFileDevice::Permissions()));
        }

        // Starts of the program, each reading what the one before wrote when it ended.
        bool expected = false;
        for (const bool simpleMode : {true, false, true}) {
            SettingsFile settings(program.path(), config.path());
            QCOMPARE(settings.read(), expected);
            settings.write(simpleMode);
            expected = simpleMode;
        }
        QVERIFY(SettingsFile(program.path(), config.path()).read());
        if (kind == QLatin1String("folder"))
            QVERIFY(QFileInfo(beside).isDir());
    }

    void installedProgramNeverTouchesItsOwnFolder()
    {
        // A writable program folder, as /usr/bin is to root, with a setup.ini some earlier
        // portable copy left there.
        QTemporaryDir program;
        QTemporaryDir config;
        const QString beside = QDir(program.path()).filePath(QStringLiteral("setup.ini"));
        const QString userFile = QDir(config.path()).filePath(QStringLiteral("setup.ini"));
        QFile stray(beside);
        QVERIFY(stray.open(QIODevice::WriteOnly));
        stray.write("#TRUE#\r\n");
        stray.close();

        bool expected = false;
        for (const bool simpleMode : {true, false, true}) {
            SettingsFile settings(program.path(), config.path(), SettingsFile::Layout::Installed);
            QCOMPARE(settings.read(), expected);
            QCOMPARE(QFileInfo(userFile).size(), 0);
            settings.write(simpleMode);
            expected = simpleMode;
        }
        QFile file(userFile);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArrayLiteral("#TRUE#\r\n"));
        QCOMPARE(QDir(program.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{QStringLiteral("setup.ini")});
        QVERIFY(stray.open(QIODevice::ReadOnly));
        QCOMPARE(stray.readAll(), QByteArrayLiteral("#TRUE#\r\n"));
    }

    void portableProgramKeepsTheSettingBesideItself()
    {
        QTemporaryDir program;
        QTemporaryDir config;
        SettingsFile settings(program.path(), config.path(), SettingsFile::Layout::Portable);
        QVERIFY(!settings.read());
        settings.write(true);
        QFile file(QDir(program.path()).filePath(QStringLiteral("setup.ini")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArrayLiteral("#TRUE#\r\n"));
        QVERIFY(QDir(config.path()).isEmpty());
    }

    void configFolderIsCreatedWhenMissing()
    {
        QTemporaryDir base;
        const QString config = QDir(base.path()).filePath(QStringLiteral("a/b"));
        SettingsFile settings(QStringLiteral("/proc"), config);
        QVERIFY(!settings.read());
        settings.write(false);
        QFile file(QDir(config).filePath(QStringLiteral("setup.ini")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArrayLiteral("#FALSE#\r\n"));
    }
};

QTEST_MAIN(TestSettingsFile)
#include "TestSettingsFile.moc"
