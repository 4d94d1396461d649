#include "MainFormFixture.h"
#include "common/FileDialog.h"
#include "common/Fonts.h"
#include "common/MessageBox.h"
#include "info/FAbout.h"
#include "keycheck/FCheck.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QSysInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QTimer>
#include <QWindow>

using namespace parolex;

namespace {

struct Key
{
    int key;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

} // namespace

Q_DECLARE_METATYPE(QList<Key>)

/// The main window's handlers: interlocks, number filters, caption blink, clipboard, pickers.
class TestMainFormHandlers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        installFonts();
        MessageBox::setRecording(true);
    }

    void interlocks_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("usable");
        QTest::addColumn<QStringList>("unusable");
        QTest::addColumn<QStringList>("ticked");
        QTest::addColumn<QStringList>("unticked");
        QTest::addColumn<bool>("fileOutput");
        QTest::addColumn<bool>("keyMode");
        const auto list = [](const char *names) {
            return QString::fromLatin1(names).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        };

        QTest::newRow("batch output in random mode makes only the output row usable")
            << list("ChMui") << list("Frame4 Label7 TOutput IOutput Frame1")
            << list("Label8 Tinput Iinput Frame3") << list("") << list("") << true << false;
        QTest::newRow("Key mode then makes the Key-file row usable as well")
            << list("ChMui OptT") << list("Label7 TOutput IOutput Label8 Tinput Iinput Frame3 Text1")
            << list("Frame1 CLetter CoLong CoNum TAL") << list("CLetter CNumber CChooseBig CLine") << list("")
            << true << true;
        QTest::newRow("Key mode alone keeps the whole batch frame unusable")
            << list("OptT") << list("Frame3 Text1") << list("Frame1 Frame4 TOutput Tinput Iinput") << list("")
            << list("") << false << true;
        QTest::newRow("unticking batch output in Key mode disables the batch frame again")
            << list("OptT ChMui ChMui") << list("Text1") << list("Frame4 TOutput Tinput") << list("")
            << list("ChMui") << false << true;
        QTest::newRow("back in random mode the composition frame is usable with its ticks")
            << list("OptT OptN") << list("Frame1 CLetter CChooseBig CoLong CoNum TAL") << list("Frame3 Text1")
            << list("CLetter CNumber CChooseBig CLine OptN") << list("OptT") << false << false;
        QTest::newRow("unticking letters unticks and disables upper case")
            << list("CLetter") << list("CNumber") << list("CChooseBig") << list("CNumber")
            << list("CLetter CChooseBig") << false << false;
        QTest::newRow("ticking letters again enables upper case but leaves it unticked")
            << list("CLetter CLetter") << list("CChooseBig") << list("") << list("CLetter")
            << list("CChooseBig") << false << false;
    }

    void interlocks()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, usable);
        QFETCH(QStringList, unusable);
        QFETCH(QStringList, ticked);
        QFETCH(QStringList, unticked);
        QFETCH(bool, fileOutput);
        QFETCH(bool, keyMode);
        MainFormFixture f;
        const QString lengthText = f.control<QComboBox>("CoLong")->currentText();
        for (const QString &name : clicks)
            f.click(name.toLatin1());
        for (const QString &name : usable)
            QVERIFY2(f.control<QWidget>(name.toLatin1())->isEnabled(), qPrintable(name));
        for (const QString &name : unusable)
            QVERIFY2(!f.control<QWidget>(name.toLatin1())->isEnabled(), qPrintable(name));
        for (const QString &name : ticked)
            QVERIFY2(f.control<QAbstractButton>(name.toLatin1())->isChecked(), qPrintable(name));
        for (const QString &name : unticked)
            QVERIFY2(!f.control<QAbstractButton>(name.toLatin1())->isChecked(), qPrintable(name));
        QCOMPARE(f.main->options().FileOutput, fileOutput);
        QCOMPARE(f.keyMode(), keyMode);
        QCOMPARE(f.control<QComboBox>("CoLong")->currentText(), lengthText);
    }

    void duplicateFilterFollowsItsBox()
    {
        MainFormFixture f;
        f.click("Check2");
        QVERIFY(f.main->options().FilterDuplicates);
        f.click("Check2");
        QVERIFY(!f.main->options().FilterDuplicates);
    }

    void digitFilter_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("selectAllFirst");
        QTest::addColumn<QList<Key>>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("remembered");

        QTest::newRow("Backspace right after start gives 0")
            << "CoNum" << false << QList<Key>{{Qt::Key_Backspace}} << "0" << 0;
        QTest::newRow("a digit typed over the selected text is remembered")
            << "CoLong" << true << QList<Key>{{Qt::Key_2}} << "2" << 2;
        QTest::newRow("digits typed after the text are read with it")
            << "CoNum" << false << QList<Key>{{Qt::Key_5}} << "105" << 105;
        QTest::newRow("a keypad digit restores the remembered value")
            << "CoLong" << true << QList<Key>{{Qt::Key_1}, {Qt::Key_2}, {Qt::Key_5, Qt::KeypadModifier}}
            << "12" << 12;
        QTest::newRow("a letter disappears when its key is released")
            << "CoNum" << true << QList<Key>{{Qt::Key_3}, {Qt::Key_A}} << "3" << 3;
        QTest::newRow("moving through the list with an arrow key is undone on release")
            << "CoLong" << false << QList<Key>{{Qt::Key_Down}} << "0" << 0;
        QTest::newRow("a number too big for 32 bits brings back the last good one")
            << "CoNum" << true
            << QList<Key>{{Qt::Key_2}, {Qt::Key_1}, {Qt::Key_4}, {Qt::Key_7}, {Qt::Key_4}, {Qt::Key_8},
                          {Qt::Key_3}, {Qt::Key_6}, {Qt::Key_4}, {Qt::Key_7}, {Qt::Key_1}}
            << "2147483647" << 2147483647;
    }

    void digitFilter()
    {
        QFETCH(QString, box);
        QFETCH(bool, selectAllFirst);
        QFETCH(QList<Key>, keys);
        QFETCH(QString, text);
        QFETCH(int, remembered);
        MainFormFixture f;
        auto *combo = f.control<QComboBox>(box.toLatin1());
        combo->setFocus();
        if (selectAllFirst)
            combo->lineEdit()->selectAll();
        else
            combo->lineEdit()->end(false);
        for (const Key &key : keys)
            QTest::keyClick(combo, Qt::Key(key.key), key.modifiers);
        QCOMPARE(combo->currentText(), text);
        // Any key but a main-block digit shows what the box remembers.
        QTest::keyClick(combo, Qt::Key_Shift);
        QCOMPARE(combo->currentText(), QString::number(remembered));
    }

    void pickingFromTheListLeavesTheRememberedValue()
    {
        MainFormFixture f;
        auto *combo = f.control<QComboBox>("CoNum");
        combo->setCurrentIndex(4);
        QCOMPARE(combo->currentText(), QStringLiteral(" 5"));
        QTest::keyClick(combo, Qt::Key_Shift);
        QCOMPARE(combo->currentText(), QStringLiteral("0"));
    }

    void captionBlinks()
    {
        MainFormFixture f;
        auto *button = f.control<QAbstractButton>("Check1");
        const auto *timer = f.control<QTimer>("Timer1");
        const QColor before = button->palette().color(QPalette::ButtonText);
        const QColor black(0, 0, 0), green(0, 255, 0), red(255, 0, 0);
        const QList<QColor> expected = {before, before, before, black, green, red,
                                        black,  green,  red,    black, black, black};
        for (int tick = 1; tick <= 12; ++tick) {
            QVERIFY(timer->isActive());
            f.tickTimer1();
            QCOMPARE(button->palette().color(QPalette::ButtonText), expected.at(tick - 1));
        }
        QVERIFY(!timer->isActive());
    }

    void pickingAPasswordCopiesExactlyIt()
    {
        MainFormFixture f;
        f.random.script = QByteArray::fromHex("000102030405060708090a0b0c0d0e0f");
        f.control<QComboBox>("CoNum")->setEditText(QStringLiteral("2"));
        f.click("CmdStart");
        QGuiApplication::clipboard()->setText(QStringLiteral("something else"));

        auto *list = f.control<QComboBox>("CoCode");
        QVERIFY(list->isEnabled());
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Up);
        QCOMPARE(list->currentText(), QStringLiteral("01234567"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("01234567"));
        // What Windows' clipboard holds is read back under wine by tests/windows.
        if (QSysInfo::kernelType() == QLatin1String("winnt"))
            return;
        const QMimeData *data = QGuiApplication::clipboard()->mimeData();
        QCOMPARE(data->formats(),
                 (QStringList{QStringLiteral("text/plain"), QStringLiteral("x-kde-passwordManagerHint")}));
        QCOMPARE(data->data(QStringLiteral("x-kde-passwordManagerHint")), QByteArrayLiteral("secret"));
    }

    void filePickers_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("key");
        QTest::newRow("a click on the open picture fills the Key file") << "Iinput"
                                                                        << "Tinput" << 0;
        QTest::newRow("a click on the save picture fills the output file") << "IOutput"
                                                                           << "TOutput" << 0;
        QTest::newRow("Tab from the output file reaches the save picture, Space presses it")
            << "IOutput"
            << "TOutput" << int(Qt::Key_Space);
        QTest::newRow("Tab from the Key file reaches the open picture, Enter presses it")
            << "Iinput"
            << "Tinput" << int(Qt::Key_Return);
    }

    void filePickers()
    {
        QFETCH(QString, picture);
        QFETCH(QString, box);
        QFETCH(int, key);
        MainFormFixture f;
        f.click("OptT");
        f.click("ChMui");
        auto *edit = f.control<QLineEdit>(box.toLatin1());
        auto *pictureControl = f.control<QWidget>(picture.toLatin1());
        edit->setText(QStringLiteral("before.txt"));
        f.main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.main));
        const auto press = [&] {
            if (key == 0) {
                QTest::mouseClick(pictureControl, Qt::LeftButton);
                return;
            }
            edit->setFocus();
            QTest::keyClick(edit, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), pictureControl);
            QTest::keyClick(pictureControl, Qt::Key(key));
        };

        FileDialog::setNextFileName(QString());
        press();
        QCOMPARE(edit->text(), QStringLiteral("before.txt"));

        FileDialog::setNextFileName(QStringLiteral("/home/user/密码.txt"));
        press();
        QCOMPARE(edit->text(), QStringLiteral("/home/user/密码.txt"));
    }

    void alwaysOnTopFollowsItsBox()
    {
        MainFormFixture f;
        auto *box = f.control<QAbstractButton>("ChTop");
        const QPoint place = f.main->pos();
        QTest::mouseClick(box, Qt::LeftButton);
        QVERIFY(f.main->windowHandle()->flags() & Qt::WindowStaysOnTopHint);
        QTest::mouseClick(box, Qt::LeftButton);
        QVERIFY(!(f.main->windowHandle()->flags() & Qt::WindowStaysOnTopHint));
        QCOMPARE(f.main->pos(), place);
    }

    void closePictureUnloadsTheDialogsAndWritesTheSettings()
    {
        MainFormFixture f;
        f.forms->showAbout();
        f.forms->showKeyCheck();
        QVERIFY(shownWindow<FAbout>() && shownWindow<FCheck>());
        QTest::mouseClick(f.control<QWidget>("imgTitleClose"), Qt::LeftButton);
        QVERIFY(!shownWindow<FAbout>());
        QVERIFY(!shownWindow<FCheck>());
        QVERIFY(!f.forms->mainForm());
        QCOMPARE(f.settingsBytes(), QByteArrayLiteral("#FALSE#\r\n"));
    }
};

QTEST_MAIN(TestMainFormHandlers)
#include "TestMainFormHandlers.moc"
