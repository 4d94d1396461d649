#include "MainFormFixture.h"
#include "common/Fonts.h"
#include "common/MessageBox.h"
#include "info/Customize.h"
#include "info/FAbout.h"
#include "keycheck/FCheck.h"
#include "progress/Waiting.h"

#include <QApplication>
#include <QComboBox>
#include <QTimer>
#include <algorithm>

using namespace parolex;

/// The program's windows together, through the real registry: who opens whom, that each
/// exists once, and who enables the main window when.
class TestWindowInterplay : public QObject
{
    Q_OBJECT

    static QWidget *openWindow(MainFormFixture &f, const QString &window)
    {
        if (window == u"main")
            return f.main;
        if (window == u"check") {
            f.forms->showKeyCheck();
            return f.forms->keyCheck();
        }
        if (window == u"progress")
            return &f.forms->progress();
        f.forms->showAbout();
        return f.forms->about();
    }

    static QWidget *loaded(MainFormFixture &f, const QString &window)
    {
        if (window == u"check")
            return f.forms->keyCheck();
        if (window == u"customize")
            return f.forms->customize();
        return f.forms->about();
    }

private Q_SLOTS:
    void initTestCase()
    {
        installFonts();
        MessageBox::setRecording(true);
    }

    void entryPoints_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("opens");
        QTest::newRow("校验Key opens the key check dialog") << "main"
                                                            << "CmdCheck"
                                                            << "check";
        QTest::newRow("关于软件 opens About") << "main"
                                              << "CmdAbout"
                                              << "about";
        QTest::newRow("软件定制 opens the service dialog") << "main"
                                                           << "CmdExit"
                                                           << "customize";
        QTest::newRow("the main window's help picture opens About") << "main"
                                                                    << "imgTitleHelp"
                                                                    << "about";
        QTest::newRow("the key check's help picture opens About") << "check"
                                                                  << "imgTitleHelp"
                                                                  << "about";
        QTest::newRow("the progress window's help picture opens About") << "progress"
                                                                        << "imgTitleHelp"
                                                                        << "about";
        QTest::newRow("the progress window's message opens About") << "progress"
                                                                   << "Label5"
                                                                   << "about";
    }

    void entryPoints()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, opens);
        MainFormFixture f;
        QWidget *source = openWindow(f, window);
        QVERIFY(!loaded(f, opens));
        QTest::mouseClick(source->findChild<QWidget *>(control), Qt::LeftButton);
        QVERIFY(loaded(f, opens));
        QVERIFY(loaded(f, opens)->isVisible());
    }

    void eachDialogExistsOnce_data()
    {
        QTest::addColumn<QString>("control");
        QTest::newRow("About's help picture") << "imgTitleHelp";
        QTest::newRow("About's product name") << "Label5";
    }

    void eachDialogExistsOnce()
    {
        QFETCH(QString, control);
        MainFormFixture f;
        f.forms->showAbout();
        FAbout *about = f.forms->about();
        QTest::mouseClick(about->findChild<QWidget *>(control), Qt::LeftButton);
        QCOMPARE(f.forms->about(), about);
        const QWidgetList windows = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(windows.cbegin(), windows.cend(),
                               [](QWidget *w) { return qobject_cast<FAbout *>(w) && w->isVisible(); }),
                 1);

        f.forms->showKeyCheck();
        FCheck *check = f.forms->keyCheck();
        f.forms->showKeyCheck();
        QCOMPARE(f.forms->keyCheck(), check);
    }

    void closingAboutEnablesTheMainWindowWhileTheServiceDialogIsOpen()
    {
        MainFormFixture f;
        f.forms->showAbout();
        f.forms->showCustomize();
        QVERIFY(!f.main->isEnabled());
        f.forms->about()->unload();
        QVERIFY(f.main->isEnabled());
        QVERIFY(f.forms->customize());
        f.forms->customize()->unload();
        QVERIFY(f.main->isEnabled());
    }

    void closingTheMainWindowEndsEvenWithTheServiceDialogOpen()
    {
        MainFormFixture f;
        f.forms->showCustomize();
        // The service dialog disables the main window, so its close picture takes no click;
        // the window manager's close still reaches it.
        f.main->close();
        QVERIFY(!f.forms->mainForm());
        QCOMPARE(f.settingsBytes(), QByteArrayLiteral("#FALSE#\r\n"));
    }

    void closingAboutDuringARunStillHoldsOffASecondRun()
    {
        MainFormFixture f;
        f.random.script = QByteArray::fromHex("000102030405060708090a0b0c0d0e0f");
        f.control<QComboBox>("CoNum")->setEditText(QStringLiteral("1000000"));

        bool checked = false;
        QTimer::singleShot(0, f.main, [&] {
            // About opened from the progress window and closed again enables the main window
            // while the run goes on; a press on 开始 then must not start a second run.
            QTest::mouseClick(f.forms->loadedProgress()->findChild<QWidget *>(QStringLiteral("Label5")),
                              Qt::LeftButton);
            f.forms->about()->unload();
            QVERIFY(f.main->isEnabled());
            f.click("CmdStart");
            checked = f.main->isRunning();
        });
        f.click("CmdStart");

        QVERIFY(checked);
        QCOMPARE(f.control<QComboBox>("CoCode")->count(), 1000000);
        QVERIFY(!f.main->isRunning());
        QVERIFY(MessageBox::takeRecorded().isEmpty());
    }
};

QTEST_MAIN(TestWindowInterplay)
#include "TestWindowInterplay.moc"
