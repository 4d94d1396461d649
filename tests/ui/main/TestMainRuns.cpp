#include "MainFormFixture.h"
#include "common/Fonts.h"
#include "common/MessageBox.h"
#include "progress/Waiting.h"
#include "text/Cp936.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTimer>

using namespace parolex;

namespace {

// The pool of all four classes and the default own symbols, in pool order: with script
// bytes below the rejection limit, byte k draws entry k.
const QString pool = QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz+-=\\/");

QByteArray countingScript(int entries)
{
    QByteArray script;
    for (int i = 0; i < entries; ++i)
        script.append(char(i));
    return script;
}

QStringList listTexts(const QComboBox *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    return texts;
}

void setText(MainFormFixture &f, const char *name, const QString &text)
{
    if (auto *box = f.main->findChild<QComboBox *>(QLatin1String(name)))
        box->setEditText(text);
    else
        f.control<QLineEdit>(name)->setText(text);
}

void writeTo(MainFormFixture &f, const QString &outputFile)
{
    f.click("ChMui");
    setText(f, "TOutput", outputFile);
}

void start(MainFormFixture &f)
{
    f.click("CmdStart");
}

} // namespace

/// Runs started from the real main window, with a scripted random source and files in memory.
class TestMainRuns : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        installFonts();
        MessageBox::setRecording(true);
    }

    void init()
    {
        MessageBox::takeRecorded();
        QGuiApplication::clipboard()->setText(QStringLiteral("before the run"));
    }

    void randomRunFillsListSelectionClipboardAndFile()
    {
        MainFormFixture f;
        f.random.script = countingScript(24);
        setText(f, "CoNum", QStringLiteral(" 3"));
        writeTo(f, QStringLiteral("out.txt"));
        start(f);

        const auto *list = f.control<QComboBox>("CoCode");
        const QStringList passwords{QStringLiteral("01234567"), QStringLiteral("89ABCDEF"),
                                    QStringLiteral("GHIJKLMN")};
        QCOMPARE(listTexts(list), passwords);
        QCOMPARE(list->currentText(), passwords.last());
        QVERIFY(list->isEnabled());
        QCOMPARE(QGuiApplication::clipboard()->text(), passwords.last());
        QVERIFY(!shownWindow<Waiting>());
        QVERIFY(f.main->isEnabled());

        const QByteArray file =
            Cp936::encode(QStringLiteral("以下密码由Morvik Parolex生成。共 3个8位密码。\r\n"
                                 "01234567\r\n89ABCDEF\r\nGHIJKLMN\r\n"
                                 "由衷的感谢您使用Morvik Parolex,Tesmo 和 Morvik 的所有软件。\r\n"
                                 "http://www.morvik-parolex.example/\r\n"
                                 "E-mail:tesmo@morvik-parolex.example  QQ:10001\r\n"));
        QCOMPARE(f.files.content(QStringLiteral("out.txt")), file);
        QCOMPARE(MessageBox::takeRecorded(),
                 (QList<MessageBox::Shown>{{QStringLiteral("密码已经被写入out.txt中。"), QStringLiteral(":)"),
                                            QMessageBox::Information}}));
    }

    void singleKeyRunPutsItsPasswordOnTop()
    {
        MainFormFixture f;
        start(f);
        QCOMPARE(f.control<QComboBox>("CoCode")->count(), 10);
        f.click("OptT");
        setText(f, "Text1", QStringLiteral("abc"));
        start(f);

        const auto *list = f.control<QComboBox>("CoCode");
        QCOMPARE(listTexts(list), QStringList{QStringLiteral("3002872312")});
        QCOMPARE(list->currentText(), QStringLiteral("3002872312"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("3002872312"));
        QVERIFY(f.main->isEnabled());
        QVERIFY(MessageBox::takeRecorded().isEmpty());
    }

    void keyFileRunAddsOnTopInReverseOrderAndSelectsNothing()
    {
        MainFormFixture f;
        f.files.setContent(QStringLiteral("keys.txt"), QByteArrayLiteral("abc\r\n\r\n"));
        f.click("OptT");
        f.click("ChMui");
        setText(f, "Tinput", QStringLiteral("keys.txt"));
        setText(f, "TOutput", QStringLiteral("out.txt"));
        start(f);

        const auto *list = f.control<QComboBox>("CoCode");
        QCOMPARE(listTexts(list), (QStringList{QStringLiteral("0"), QStringLiteral("3002872312")}));
        QCOMPARE(list->currentIndex(), -1);
        QVERIFY(list->isEnabled());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before the run"));
        QVERIFY(f.files.content(QStringLiteral("out.txt")).contains("3002872312\r\n0\r\n"));
        QCOMPARE(MessageBox::takeRecorded(),
                 (QList<MessageBox::Shown>{{QStringLiteral("密码已经被写入out.txt中。"), QStringLiteral(":)"),
                                            QMessageBox::Information}}));
        QVERIFY(f.main->isEnabled());
    }

    void rejectedRunLeavesTheWindowUsable_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("icon");
        QTest::newRow("a length out of range is a warning titled 提示信息")
            << "CoLong"
            << "27"
            << "密码位数太长或太短，无法生成有效的密码。"
            << "提示信息" << int(QMessageBox::Warning);
        QTest::newRow("a count too large shows no icon under the program's title")
            << "CoNum"
            << "16777217"
            << "您设置的密码生成数太大，一次最多只可以生成 16777216个密码。"
            << "Morvik Parolex" << int(QMessageBox::NoIcon);
    }

    void rejectedRunLeavesTheWindowUsable()
    {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, message);
        QFETCH(QString, title);
        QFETCH(int, icon);
        MainFormFixture f;
        setText(f, box.toLatin1(), text);
        start(f);
        QCOMPARE(MessageBox::takeRecorded(),
                 (QList<MessageBox::Shown>{{message, title, QMessageBox::Icon(icon)}}));
        QVERIFY(f.main->isEnabled());
        QVERIFY(!shownWindow<Waiting>());
        QVERIFY(!f.control<QComboBox>("CoCode")->isEnabled());
    }

    void secondRunIsHeldOffWhileTheFirstGoesOn()
    {
        MainFormFixture f;
        f.random.script = countingScript(68);
        setText(f, "CoNum", QStringLiteral("1000000"));

        bool runReturned = false;
        bool closedDuringRun = false;
        bool secondStartDrewNothing = false;
        bool reloaded = false;
        QTimer watch;
        // Runs at the first event pass of the run: the user closes the progress window, which
        // enables the main window, and presses start again.
        QTimer::singleShot(0, f.main, [&] {
            QVERIFY(!runReturned);
            QVERIFY(shownWindow<Waiting>());
            QVERIFY(!f.main->isEnabled());
            QTest::mouseClick(shownWindow<Waiting>()->findChild<QWidget *>(QStringLiteral("imgTitleClose")),
                              Qt::LeftButton);
            QVERIFY(!shownWindow<Waiting>());
            QVERIFY(f.main->isEnabled());
            const qint64 drawn = f.random.bytesServed;
            start(f);
            secondStartDrewNothing = f.random.bytesServed == drawn;
            closedDuringRun = true;
            // Some event passes may come before the run's next progress step loads the window
            // again (a slow build draws a whole batch first): look at every pass until it has.
            watch.callOnTimeout(f.main, [&] {
                if (!runReturned && shownWindow<Waiting>() && !f.main->isEnabled()) {
                    reloaded = true;
                    watch.stop();
                }
            });
            watch.start(0);
        });
        start(f);
        runReturned = true;

        QVERIFY(closedDuringRun);
        QVERIFY(secondStartDrewNothing);
        QVERIFY(reloaded);
        QCOMPARE(f.control<QComboBox>("CoCode")->count(), 1000000);
        QVERIFY(f.main->isEnabled());
        QVERIFY(!shownWindow<Waiting>());
        QVERIFY(MessageBox::takeRecorded().isEmpty());
    }

    void closingTheMainWindowDuringARunStopsItAndEndsTheProgram()
    {
        MainFormFixture f;
        f.random.script = countingScript(68);
        setText(f, "CoNum", QStringLiteral("1000000"));
        writeTo(f, QStringLiteral("out.txt"));

        bool runReturned = false;
        bool closedDuringRun = false;
        QTimer::singleShot(0, f.main, [&] {
            f.forms->unloadProgress();
            f.main->close();
            closedDuringRun = !runReturned && !f.main->isVisible() && !shownWindow<Waiting>();
        });
        start(f);
        runReturned = true;

        QVERIFY(closedDuringRun);
        QVERIFY2(!f.forms->mainForm(), "the main window unloads once the run has stopped");
        QVERIFY(!shownWindow<Waiting>());
        QCOMPARE(f.settingsBytes(), QByteArrayLiteral("#FALSE#\r\n"));
        QVERIFY2(MessageBox::takeRecorded().isEmpty(), "no message after the user has left");

        // The header and the whole lines drawn before the stop, without the closing lines.
        const QByteArray content = f.files.content(QStringLiteral("out.txt"));
        QVERIFY(content.endsWith("\r\n"));
        QList<QByteArray> lines = content.split('\n');
        lines.removeLast();
        QVERIFY2(lines.size() < 1000001, "the run stopped before its end");
        QCOMPARE(lines.first(),
                 Cp936::encode(u"以下密码由Morvik Parolex生成。共1000000个8位密码。\r"));
        for (qsizetype row = 0; row + 1 < lines.size(); ++row) {
            QByteArray expected;
            for (qint64 k = row * 8; k < row * 8 + 8; ++k)
                expected += pool.at(k % 68).toLatin1();
            QCOMPARE(lines.at(row + 1), expected + '\r');
        }
    }

    void millionPasswordsReachListSelectionAndClipboard()
    {
        MainFormFixture f;
        f.random.script = countingScript(68);
        setText(f, "CoNum", QStringLiteral("1000000"));
        start(f);

        const auto *list = f.control<QComboBox>("CoCode");
        const int count = 1000000;
        QCOMPARE(list->count(), count);
        // Password i is made of drawn characters 8i to 8i + 7.
        const auto expected = [](int row) {
            QString password;
            for (qint64 k = qint64(row) * 8; k < qint64(row) * 8 + 8; ++k)
                password += pool.at(k % 68);
            return password;
        };
        for (int row : {0, 1, 16, 499999, 999998, count - 1})
            QCOMPARE(list->itemText(row), expected(row));
        QCOMPARE(list->itemText(list->currentIndex()), expected(count - 1));
        QCOMPARE(list->currentText(), expected(count - 1));
        QCOMPARE(QGuiApplication::clipboard()->text(), expected(count - 1));
        QVERIFY(list->isEnabled());
        QVERIFY(f.main->isEnabled());
        QVERIFY(MessageBox::takeRecorded().isEmpty());

        auto *box = f.control<QComboBox>("CoCode");
        box->showPopup();
        QAbstractItemView *popup = box->view();
        QVERIFY(popup->isVisible());
        QCOMPARE(popup->currentIndex().row(), box->currentIndex());
        QVERIFY2(popup->viewport()->rect().intersects(popup->visualRect(popup->currentIndex())),
                 "the list opens at the selected password");
        box->hidePopup();
    }

    void theOpenListShowsTheLongestPasswordsWhole_data()
    {
        QTest::addColumn<QString>("symbols");
        QTest::addColumn<QChar>("character");
        QTest::newRow("26 W, the widest of the four classes") << QStringLiteral("+-=\\/") << QChar(u'W');
        QTest::newRow("26 @, the widest symbol of all") << QStringLiteral("@") << QChar(u'@');
    }

    void theOpenListShowsTheLongestPasswordsWhole()
    {
        QFETCH(QString, symbols);
        QFETCH(QChar, character);
        MainFormFixture f;
        setText(f, "TAL", symbols);
        const QString fullPool = pool.left(63) + symbols;
        f.random.script = QByteArray(1, char(fullPool.indexOf(character)));
        setText(f, "CoLong", QStringLiteral("26"));
        setText(f, "CoNum", QStringLiteral("2"));
        start(f);
        QVERIFY(MessageBox::takeRecorded().isEmpty());

        auto *box = f.control<QComboBox>("CoCode");
        const QString longest(26, character);
        QCOMPARE(box->itemText(0), longest);
        const QSize closed = box->size();
        box->showPopup();
        QAbstractItemView *popup = box->view();
        QVERIFY(popup->isVisible());
        // The cell's text as the list draws it: whole, not cut short with "…".
        const QRect cell = popup->visualRect(popup->model()->index(0, 0));
        const int margins = 2 * (popup->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, popup) + 1);
        const QFontMetrics metrics(popup->font());
        QCOMPARE(metrics.elidedText(longest, Qt::ElideRight, cell.width() - margins), longest);
        QVERIFY(cell.right() < popup->viewport()->width());
        box->hidePopup();
        QCOMPARE(box->size(), closed);
    }
};

QTEST_MAIN(TestMainRuns)
#include "TestMainRuns.moc"
