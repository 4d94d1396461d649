#include "MainFormFixture.h"
#include "common/Fonts.h"
#include "common/MessageBox.h"
#include "info/Customize.h"
#include "info/FAbout.h"
#include "keycheck/FCheck.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QWindow>

using namespace parolex;

namespace {

// Keys as the window system delivers them: the press to the control that has the focus, the
// release to the one that has it then, which after Tab is the next control.
void pressAndRelease(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    const QPointer<QWindow> handle = window->windowHandle();
    QTest::keyPress(handle, key, modifiers);
    // A key that closes its window is released over whatever lies below.
    if (handle)
        QTest::keyRelease(handle, key, modifiers);
}

QString focusName()
{
    QWidget *focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

/// Tabs (or with Shift, tabs back) until the focus is on @p name; fails after a whole round.
bool tabTo(QWidget *window, const QString &name, Qt::KeyboardModifiers modifiers = {})
{
    for (int i = 0; i < 40; ++i) {
        if (focusName() == name)
            return true;
        pressAndRelease(window, Qt::Key_Tab, modifiers);
    }
    return focusName() == name;
}

void activate(QWidget *window)
{
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

} // namespace

/// The main window and the dialogs by keyboard alone, with keys delivered through the window
/// system as a person's keys are.
class TestKeyboard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        installFonts();
        MessageBox::setRecording(true);
    }

    void init() { MessageBox::takeRecorded(); }

    void tabbingThroughEverythingLeavesTheNumbersForAFirstRun()
    {
        MainFormFixture f;
        activate(f.main);
        f.control<QWidget>("CLetter")->setFocus(Qt::TabFocusReason);
        // Twice round the whole order forwards, once backwards, then on to 开始.
        QStringList visited;
        while (visited.count(QStringLiteral("CLetter")) < 2 && visited.size() < 100) {
            pressAndRelease(f.main, Qt::Key_Tab);
            visited << focusName();
        }
        QVERIFY2(visited.count(QStringLiteral("CoLong")) == 2 && visited.count(QStringLiteral("CoNum")) == 2,
                 qPrintable(visited.join(u' ')));
        for (qsizetype i = 0; i < visited.size() / 2; ++i)
            pressAndRelease(f.main, Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(f.control<QComboBox>("CoLong")->currentText(), QStringLiteral("8"));
        QCOMPARE(f.control<QComboBox>("CoNum")->currentText(), QStringLiteral("10"));

        QVERIFY(tabTo(f.main, QStringLiteral("CmdStart")));
        pressAndRelease(f.main, Qt::Key_Space);
        QCOMPARE(MessageBox::takeRecorded(), QList<MessageBox::Shown>{});
        const auto *list = f.control<QComboBox>("CoCode");
        QCOMPARE(list->count(), 10);
        QCOMPARE(list->currentText().size(), 8);
    }

    void aKeyPressedElsewhereIsNotTheNumberBoxs()
    {
        MainFormFixture f;
        activate(f.main);
        auto *length = f.control<QComboBox>("CoLong");
        // A letter pressed in the symbols box and released after the focus moved on.
        f.control<QWidget>("TAL")->setFocus();
        QTest::keyPress(f.main->windowHandle(), Qt::Key_A);
        length->setFocus();
        QTest::keyRelease(f.main->windowHandle(), Qt::Key_A);
        QCOMPARE(length->currentText(), QStringLiteral("8"));
        // Its own keys still count: a letter typed here is taken back on its release.
        pressAndRelease(f.main, Qt::Key_B);
        QCOMPARE(length->currentText(), QStringLiteral("0"));
    }

    void theFocusComesBackAfterARun()
    {
        MainFormFixture f;
        activate(f.main);
        f.control<QWidget>("CLetter")->setFocus(Qt::TabFocusReason);
        QVERIFY(tabTo(f.main, QStringLiteral("CmdStart")));
        pressAndRelease(f.main, Qt::Key_Space);
        const qint64 firstRun = f.random.bytesServed;
        QVERIFY(firstRun > 0);
        QVERIFY(f.main->isEnabled());
        QTRY_COMPARE(focusName(), QStringLiteral("CmdStart"));

        // A second Space starts a second run, and Tab goes on from 开始.
        pressAndRelease(f.main, Qt::Key_Space);
        QVERIFY(f.random.bytesServed > firstRun);
        pressAndRelease(f.main, Qt::Key_Tab);
        QCOMPARE(focusName(), QStringLiteral("CoCode"));
    }

    void enterPressesAFocusedPushButton_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("effect");
        QTest::newRow("开始 starts a run") << "main" << "CmdStart" << "run";
        QTest::newRow("校验Key opens the key check") << "main" << "CmdCheck" << "check";
        QTest::newRow("关于软件 opens About") << "main" << "CmdAbout" << "about";
        QTest::newRow("软件定制 opens the service dialog") << "main" << "CmdExit" << "customize";
        QTest::newRow("离开 closes the key check") << "check" << "Command2" << "closed";
        QTest::newRow("OK closes the service dialog") << "customize" << "Command1" << "closed";
    }

    void enterPressesAFocusedPushButton()
    {
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(QString, effect);
        MainFormFixture f;
        QWidget *holder = f.main;
        if (window == u"check") {
            f.forms->showKeyCheck();
            holder = shownWindow<FCheck>();
        } else if (window == u"customize") {
            f.forms->showCustomize();
            holder = shownWindow<Customize>();
        }
        QVERIFY(holder);
        const QPointer<QWidget> dialog = holder;
        activate(holder);
        auto *target = holder->findChild<QAbstractButton *>(button);
        target->setFocus(Qt::TabFocusReason);
        pressAndRelease(holder, Qt::Key_Return);

        if (effect == u"run")
            QCOMPARE(f.control<QComboBox>("CoCode")->count(), 10);
        else if (effect == u"check")
            QVERIFY(shownWindow<FCheck>());
        else if (effect == u"about")
            QVERIFY(shownWindow<FAbout>());
        else if (effect == u"customize")
            QVERIFY(shownWindow<Customize>());
        else
            QTRY_VERIFY(!dialog || !dialog->isVisible());
    }

    void pictureCheckBoxesKeepTheirOwnKeys()
    {
        MainFormFixture f;
        activate(f.main);
        auto *top = f.control<QAbstractButton>("ChTop");
        top->setFocus(Qt::TabFocusReason);
        pressAndRelease(f.main, Qt::Key_Return);
        pressAndRelease(f.main, Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(!top->isChecked());
        pressAndRelease(f.main, Qt::Key_Space);
        QVERIFY(top->isChecked());
    }

    void onlyTheLeftButtonDragsTheWindow()
    {
        MainFormFixture f;
        f.main->move(200, 150);
        auto *title = f.control<QLabel>("lblTitle");
        const QPoint start = f.main->pos();

        QTest::mousePress(title, Qt::RightButton, {}, QPoint(20, 8));
        QTest::mouseMove(title, QPoint(60, 40));
        QTest::mouseRelease(title, Qt::RightButton, {}, QPoint(60, 40));
        QTest::mouseMove(title, QPoint(90, 60));
        QCOMPARE(f.main->pos(), start);
        QVERIFY(!QWidget::mouseGrabber());

        // The left button moves it, and lets go on release.
        QTest::mousePress(title, Qt::LeftButton, {}, QPoint(20, 8));
        QTest::mouseMove(title, QPoint(60, 40));
        QVERIFY(f.main->pos() != start);
        QTest::mouseRelease(QWidget::mouseGrabber() ? QWidget::mouseGrabber() : title, Qt::LeftButton);
        QVERIFY(!QWidget::mouseGrabber());
        const QPoint dropped = f.main->pos();
        QTest::mouseMove(title, QPoint(90, 60));
        QCOMPARE(f.main->pos(), dropped);
    }
};

QTEST_MAIN(TestKeyboard)
#include "TestKeyboard.moc"
