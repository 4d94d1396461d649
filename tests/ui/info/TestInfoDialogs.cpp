#include "common/ClickableLabel.h"
#include "common/Fonts.h"
#include "common/MessageBox.h"
#include "info/Customize.h"
#include "info/FAbout.h"
#include "info/LinkLauncher.h"
#include "product/ProductInfo.h"
#include "support/FakeForms.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

using namespace parolex;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(parolex::LinkKind)

namespace {

template <typename T> T *control(QWidget *window, const char *name)
{
    auto *found = window->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

void clickPicture(QWidget *window, const char *name)
{
    QTest::mouseClick(control<QWidget>(window, name), Qt::LeftButton);
}

void unloadAll()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (qobject_cast<SkinnedWindow *>(window))
            delete window;
    }
}

} // namespace

/// The About and service dialogs against a stand-in registry: their texts, who they enable
/// and disable, and the links they open.
class TestInfoDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { installFonts(); }

    void init()
    {
        MessageBox::setRecording(true);
        qputenv("windir", "C:\\WINDOWS");
        m_forms = std::make_unique<FakeForms>();
    }

    void cleanup()
    {
        unloadAll();
        m_forms.reset();
        setBrowserStarter({});
    }

    void aboutShowsVersionAndTheAuthorsContacts()
    {
        const QPointer<FAbout> about = load<FAbout>();
        QCOMPARE(about->windowTitle(), u"Morvik Parolex"_s);
        // Every number carries the blank of the program's number-to-text conversion.
        QCOMPARE(control<QLabel>(about, "Ver")->text(), u" 2. 8. 2641"_s);
        QCOMPARE(control<QTextEdit>(about, "Text3")->toPlainText(),
                 u"MSN:tesmo@morvik-parolex.example\nQQ:10001\n欢迎来我的主页和我一起交流经验！\n"_s);
        QCOMPARE(control<QLabel>(about, "A3")->text(), product::mailAddress());
        QCOMPARE(control<QLabel>(about, "Label1")->text(), product::webAddress());
        QCOMPARE(control<QTextEdit>(about, "Text3")->palette().color(QPalette::Base), QColor(207, 207, 207));
    }

    void customizeShowsTheServiceDescriptionLineByLine()
    {
        const QPointer<Customize> customize = load<Customize>();
        QCOMPARE(customize->windowTitle(), u"Tesmo的软件定制服务"_s);
        const QStringList lines = {
            u""_s,
            u"  每个用户都有自己的特别的需要，适合所有用户的软件是不存"_s,
            u"在的。"_s,
            u"  在使用电脑过程中遇到的某些小问题甚至大问题，思考一下，"_s,
            u"都可能都会被一个软件轻易解决。"_s,
            u""_s,
            u"  现在我们提供了根据客户需要，在已开发软件基础上进行修改"_s,
            u"，或者开发全新软件的软件定制服务。这项服务是收费的，也许"_s,
            u"这点费用对您来说微不足道，但对我们来说却是鼓励和动力，意"_s,
            u"义非凡。"_s,
        };
        // The text box turns each CR LF into one line break.
        QCOMPARE(control<QTextEdit>(customize, "Text1")->toPlainText(), lines.join(u'\n') + u'\n');
        QCOMPARE(control<QLabel>(customize, "Label2")->text(),
                 u"\r\n访问Tesmo的网站查询 软件定制成功案例 等更多信息....\r\n"_s);
        QCOMPARE(control<QLabel>(customize, "Label3")->text(),
                 u"\r\n请将您的问题、意见与定制要求寄给我：\r\n"_s);
        QCOMPARE(control<QLabel>(customize, "Label4")->text(), u"您亦可以在QQ上给我留言：\r\n"_s);
        QCOMPARE(control<QTextEdit>(customize, "Text2")->toPlainText(), u"QQ:10001\n"_s);
        QCOMPARE(control<QLabel>(customize, "Label6")->text(), product::webAddress());
        QCOMPARE(control<QLabel>(customize, "Label7")->text(), product::mailAddress());
    }

    void customizeFloatsOnTopAndKeepsTheMainWindowDisabledWhileOpen()
    {
        const QPointer<Customize> customize = load<Customize>();
        QVERIFY(FakeForms::isOnTop(customize));
        QVERIFY(!m_forms->main.isEnabled());

        QVERIFY(QTest::qWaitForWindowActive(customize));
        // The focus sits in the box outside the window, so no visible control is marked.
        QCOMPARE(customize->focusWidget(), control<QLineEdit>(customize, "Text3"));

        control<QPushButton>(customize, "Command1")->click();
        QVERIFY(customize.isNull() || !customize->isVisible());
        QVERIFY(m_forms->main.isEnabled());
    }

    void closingAboutEnablesTheMainWindowWhateverDisabledIt()
    {
        const QPointer<FAbout> about = load<FAbout>();
        QVERIFY(m_forms->main.isEnabled());
        const QPointer<Customize> customize = load<Customize>();
        QVERIFY(!m_forms->main.isEnabled());

        clickPicture(about, "imgTitleClose");
        QVERIFY(!about || !about->isVisible());
        QVERIFY(m_forms->main.isEnabled());
        QVERIFY(customize->isVisible());

        // Disabled by someone else, say the progress window: About leaves it so until it closes.
        m_forms->main.setEnabled(false);
        const QPointer<FAbout> second = load<FAbout>();
        QVERIFY(!m_forms->main.isEnabled());
        second->unload();
        QVERIFY(m_forms->main.isEnabled());
    }

    void helpAsksForTheAboutDialogExceptInTheServiceDialog()
    {
        const QPointer<FAbout> about = load<FAbout>();
        clickPicture(about, "imgTitleHelp");
        QTest::mouseClick(control<QLabel>(about, "Label5"), Qt::LeftButton);
        QCOMPARE(m_forms->aboutRequests, 2);

        const QPointer<Customize> customize = load<Customize>();
        clickPicture(customize, "imgTitleHelp");
        QCOMPARE(m_forms->aboutRequests, 2);
        QVERIFY(customize->isVisible());
    }

    void linkLabelsOpenTheAuthorsAddresses_data()
    {
        QTest::addColumn<bool>("inAbout");
        QTest::addColumn<QString>("label");
        QTest::addColumn<LinkKind>("kind");
        QTest::addColumn<QString>("address");

        QTest::newRow("About's web address opens the web page")
            << true << u"Label1"_s << LinkKind::Web << product::webAddress();
        QTest::newRow("About's mail address opens a mail link")
            << true << u"A3"_s << LinkKind::Mail << product::mailAddress();
        QTest::newRow("The service dialog's web address opens the web page")
            << false << u"Label6"_s << LinkKind::Web << product::webAddress();
        QTest::newRow("The service dialog's mail address opens a mail link")
            << false << u"Label7"_s << LinkKind::Mail << product::mailAddress();
    }

    void linkLabelsOpenTheAuthorsAddresses()
    {
        QFETCH(bool, inAbout);
        QFETCH(QString, label);
        QFETCH(LinkKind, kind);
        QFETCH(QString, address);

        QWidget *dialog = inAbout ? static_cast<QWidget *>(load<FAbout>()) : load<Customize>();
        auto *link = dialog->findChild<ClickableLabel *>(label);
        QVERIFY(link);
        // The whole address shows, clear of the window's right border.
        QVERIFY(link->sizeHint().width() <= link->width());
        QVERIFY(link->geometry().right() < dialog->width() - 19);
        // Only the service dialog's links carry a pointer of their own.
        QCOMPARE(link->testAttribute(Qt::WA_SetCursor), !inAbout);
        if (!inAbout)
            QCOMPARE(link->cursor().pixmap().size(), QSize(32, 32));

        QList<BrowserCommand> started;
        setBrowserStarter([&](const BrowserCommand &command) {
            started.append(command);
            return true;
        });
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(started, QList<BrowserCommand>{composeBrowserCommand(u"C:\\WINDOWS", kind, address)});

        // Without a browser the user is told so, and the dialog stays open.
        setBrowserStarter([](const BrowserCommand &) { return false; });
        QTest::mouseClick(link, Qt::LeftButton);
        const QList<MessageBox::Shown> shown = MessageBox::takeRecorded();
        QCOMPARE(shown, (QList<MessageBox::Shown>{{u"无法找到Internet Explorer，可能是您没有正确的安装IE。请手动访问。"_s,
                                                   u"Morvik Parolex"_s, QMessageBox::NoIcon}}));
        QVERIFY(dialog->isVisible());
        // The message sits on the dialog whose link failed.
        QCOMPARE(shown.first().over, dialog);
        dialog->move(30, 20);
        auto box = MessageBox::create(shown.first().text, {}, QMessageBox::NoIcon, dialog);
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        const QPoint offset = box->frameGeometry().center() - dialog->frameGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 2, qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
    }

private:
    // Unloading a dialog discards it, so the tests hold them by guarded pointers.
    template <typename Dialog> QPointer<Dialog> load()
    {
        auto *dialog = new Dialog(*m_forms);
        dialog->show();
        return dialog;
    }

    std::unique_ptr<FakeForms> m_forms;
};

QTEST_MAIN(TestInfoDialogs)
#include "TestInfoDialogs.moc"
