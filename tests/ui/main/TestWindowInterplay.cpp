#include "MainFormFixture.h"
#include "common/Fonts.h"
#include "common/MessageBox.h"
#include "info/Customize.h"
#include "info/FAbout.h"
#include "keycheck/FCheck.h"
#include "progress/Waiting.h"

#include <QComboBox>
#include <QTimer>

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
            return shownWindow<FCheck>();
        }
        if (window == u"progress")
            return &f.forms->progress();
        f.forms->showAbout();
        return shownWindow<FAbout>();
    }

    static QWidget *shown(const QString &window)
    {
        if (window == u"check")
            return shownWindow<FCheck>();
        if (window == u"customize")
            return shownWindow<Customize>();
        return shownWindow<FAbout>();
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
        QVERIFY(!shown(opens));
        QTest::mouseClick(source->findChild<QWidget *>(control), Qt::LeftButton);
        QVERIFY(shown(opens));
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
        FAbout *about = shownWindow<FAbout>();
        QVERIFY(about);
        QTest::mouseClick(about->findChild<QWidget *>(control), Qt::LeftButton);
        // Null if a second one had opened.
        QCOMPARE(shownWindow<FAbout>(), about);

        f.forms->showKeyCheck();
        FCheck *check = shownWindow<FCheck>();
        QVERIFY(check);
        f.forms->showKeyCheck();
        QCOMPARE(shownWindow<FCheck>(), check);
    }

    void dialogsOpenCentredOnTheMainWindow_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("About") << "about";
        QTest::newRow("the key check") << "check";
        QTest::newRow("the service dialog") << "customize";
        QTest::newRow("the progress window") << "progress";
    }

    void dialogsOpenCentredOnTheMainWindow()
    {
        QFETCH(QString, window);
        MainFormFixture f;
        // Well away from the screen's centre, where a window left to itself may land too.
        f.main->move(40, 30);
        QWidget *dialog = nullptr;
        if (window == u"customize") {
            f.forms->showCustomize();
            dialog = shownWindow<Customize>();
        } else {
            dialog = openWindow(f, window);
        }
        QVERIFY(dialog);
        const QPoint offset = dialog->frameGeometry().center() - f.main->frameGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 2, qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
    }

    void closingAboutEnablesTheMainWindowWhileTheServiceDialogIsOpen()
    {
        MainFormFixture f;
        f.forms->showAbout();
        f.forms->showCustomize();
        QVERIFY(!f.main->isEnabled());
        shownWindow<FAbout>()->unload();
        QVERIFY(f.main->isEnabled());
        QVERIFY(shownWindow<Customize>());
        shownWindow<Customize>()->unload();
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

        bool secondStartDrewNothing = false;
        QTimer::singleShot(0, f.main, [&] {
            // About opened from the progress window and closed again enables the main window
            // while the run goes on; a press on 开始 then must not start a second run.
            QTest::mouseClick(shownWindow<Waiting>()->findChild<QWidget *>(QStringLiteral("Label5")),
                              Qt::LeftButton);
            shownWindow<FAbout>()->unload();
            QVERIFY(f.main->isEnabled());
            const qint64 drawn = f.random.bytesServed;
            f.click("CmdStart");
            secondStartDrewNothing = f.random.bytesServed == drawn;
        });
        f.click("CmdStart");

        QVERIFY(secondStartDrewNothing);
        QCOMPARE(f.control<QComboBox>("CoCode")->count(), 1000000);
        QVERIFY(MessageBox::takeRecorded().isEmpty());
    }
};

QTEST_MAIN(TestWindowInterplay)
#include "TestWindowInterplay.moc"
