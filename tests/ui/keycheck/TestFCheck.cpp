#include "common/Fonts.h"
#include "common/MessageBox.h"
#include "key/DeriveKeyPassword.h"
#include "keycheck/FCheck.h"
#include "support/FakeForms.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace parolex;
using namespace Qt::StringLiterals;

namespace {

const QString matchSentence = u"此Key由 Morvik Parolex 2.X版本生成。"_s;
const QString mismatchSentence = u"此Key不是由 Morvik Parolex 2.X版本生成。"_s;

// The dialog as the user sees it: its two fields, its buttons and its outcome.
struct Dialog
{
    explicit Dialog(FakeForms &forms) : window(new FCheck(forms)) { window->show(); }
    ~Dialog() { delete window; }

    template <typename T> T *control(const char *name) const
    {
        auto *found = window->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QLineEdit *key() const { return control<QLineEdit>("Text1"); }
    QLineEdit *password() const { return control<QLineEdit>("Text2"); }
    QString sentence() const { return control<QLabel>("Label3")->text(); }
    bool matchShown() const { return control<QLabel>("Image1")->isVisible(); }
    bool mismatchShown() const { return control<QLabel>("Image2")->isVisible(); }
    bool empty() const
    {
        return key()->text().isEmpty() && password()->text().isEmpty() && sentence().isEmpty() &&
               !matchShown() && !mismatchShown();
    }
    void check(const QString &keyText, const QString &passwordText) const
    {
        key()->setText(keyText);
        password()->setText(passwordText);
        control<QPushButton>("Command1")->click();
    }

    QPointer<FCheck> window;
};

} // namespace

/// The key check dialog, loaded afresh for every test beside a stand-in registry.
class TestFCheck : public QObject
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
        m_forms = std::make_unique<FakeForms>();
        m_dialog = std::make_unique<Dialog>(*m_forms);
    }

    void cleanup()
    {
        m_dialog.reset();
        m_forms.reset();
    }

    void checkComparesExactly_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("match");

        const QString longKey(760, u'a');
        const QString longPassword = *DeriveKeyPassword(longKey);
        QTest::newRow("Nothing typed is a mismatch: no Key derives to an empty text")
            << QString() << QString() << false;
        QTest::newRow("The empty Key derives to 0") << QString() << u"0"_s << true;
        QTest::newRow("The worked Key abc matches its password") << u"abc"_s << u"3002872312"_s << true;
        QTest::newRow("Only the characters count, not their order") << u"cba"_s << u"3002872312"_s << true;
        QTest::newRow("A leading blank in the password never matches")
            << u"abc"_s << u" 3002872312"_s << false;
        QTest::newRow("A trailing blank in the password never matches")
            << u"abc"_s << u"3002872312 "_s << false;
        QTest::newRow("A blank in the Key is part of the Key") << u"abc "_s << u"3002872312"_s << false;
        QTest::newRow("A long Key's exponent form matches as derived") << longKey << longPassword << true;
        QTest::newRow("The exponent's capital E must not be typed small")
            << longKey << longPassword.toLower() << false;
    }

    void checkComparesExactly()
    {
        QFETCH(QString, key);
        QFETCH(QString, password);
        QFETCH(bool, match);
        if (key.size() >= 760)
            QVERIFY(password.contains(u'E', Qt::CaseInsensitive));

        m_dialog->check(key, password);
        QCOMPARE(m_dialog->sentence(), match ? matchSentence : mismatchSentence);
        QCOMPARE(m_dialog->matchShown(), match);
        QCOMPARE(m_dialog->mismatchShown(), !match);
        QVERIFY(MessageBox::takeRecorded().isEmpty());
    }

    void outcomeStaysUntilTheNextCheck()
    {
        m_dialog->check(u"abc"_s, u"3002872313"_s);
        m_dialog->password()->setText(u"3002872312"_s);
        QCOMPARE(m_dialog->sentence(), mismatchSentence);
        QVERIFY(m_dialog->mismatchShown());

        m_dialog->control<QPushButton>("Command1")->click();
        QCOMPARE(m_dialog->sentence(), matchSentence);
        QVERIFY(m_dialog->matchShown() && !m_dialog->mismatchShown());
    }

    void aKeyTooLongToDeriveLeavesTheLastOutcome()
    {
        m_dialog->check(u"abc"_s, u"3002872312"_s);
        m_dialog->check(QString(32767, u'a'), u"0"_s);
        QCOMPARE(MessageBox::takeRecorded(),
                 (QList<MessageBox::Shown>{{u"内存溢出，可能是您选择的文件太大了。"_s, u"Morvik Parolex"_s,
                                            QMessageBox::Information}}));
        QCOMPARE(m_dialog->sentence(), matchSentence);
        QVERIFY(m_dialog->matchShown() && !m_dialog->mismatchShown());
    }

    void loadingTakesTheMainWindowOutOfTheTopLayer_data()
    {
        QTest::addColumn<bool>("ticked");
        QTest::newRow("A ticked box is unticked through its own click handling") << true;
        QTest::newRow("An unticked box stays as it is") << false;
    }

    void loadingTakesTheMainWindowOutOfTheTopLayer()
    {
        QFETCH(bool, ticked);
        m_forms->chTop->setChecked(ticked);
        m_forms->chTopClickRuns = 0;
        QCOMPARE(FakeForms::isOnTop(&m_forms->main), ticked);

        reload();
        QVERIFY(!m_forms->mainOnTopWhenUnticked);
        QVERIFY(!m_forms->chTop->isChecked());
        QCOMPARE(m_forms->chTopClickRuns, ticked ? 1 : 0);
        QVERIFY(!FakeForms::isOnTop(&m_forms->main));
        QVERIFY(!FakeForms::isOnTop(m_dialog->window));
        QCOMPARE(m_dialog->window->windowTitle(), u"Morvik Parolex"_s);
        QVERIFY(m_dialog->empty());
    }

    void showingAgainKeepsContentsAndLoadingAfreshStartsEmpty()
    {
        m_dialog->check(u"abc"_s, u"x"_s);
        m_forms->chTop->setChecked(true);

        m_dialog->window->hide();
        m_dialog->window->show();
        QVERIFY(m_forms->chTop->isChecked());
        QVERIFY(FakeForms::isOnTop(&m_forms->main));
        QCOMPARE(m_dialog->key()->text(), u"abc"_s);
        QCOMPARE(m_dialog->sentence(), mismatchSentence);

        m_dialog->control<QPushButton>("Command2")->click();
        QVERIFY(!m_dialog->window || !m_dialog->window->isVisible());
        // Closing restores nothing: the main window stays where the load steps put it.
        QVERIFY(m_forms->chTop->isChecked());

        reload();
        QVERIFY(m_dialog->empty());
        QVERIFY(!m_forms->chTop->isChecked());
    }

    void keysActOnTheButtons()
    {
        m_dialog->key()->setText(u"abc"_s);
        m_dialog->password()->setText(u"3002872312"_s);
        QTest::keyClick(m_dialog->password(), Qt::Key_Return);
        QCOMPARE(m_dialog->sentence(), matchSentence);

        // Enter on "离开" leaves, as it would with any focused button.
        auto *leave = m_dialog->control<QPushButton>("Command2");
        leave->setFocus();
        QTest::keyClick(leave, Qt::Key_Enter);
        QVERIFY(!m_dialog->window->isVisible());

        reload();
        QTest::keyClick(m_dialog->key(), Qt::Key_Escape);
        QVERIFY(!m_dialog->window->isVisible());
    }

    void tabOrderRunsFromKeyToLeave()
    {
        QStringList order;
        QWidget *widget = m_dialog->key();
        do {
            if (widget->focusPolicy() & Qt::TabFocus)
                order.append(widget->objectName());
            widget = widget->nextInFocusChain();
        } while (widget != m_dialog->key());
        QCOMPARE(order, (QStringList{u"Text1"_s, u"Text2"_s, u"Command1"_s, u"Command2"_s}));
    }

    void helpAsksForTheAboutDialog()
    {
        QTest::mouseClick(m_dialog->control<QWidget>("imgTitleHelp"), Qt::LeftButton);
        QCOMPARE(m_forms->aboutRequests, 1);
    }

private:
    /// Unloads the dialog and loads it anew, so its load steps run again.
    void reload()
    {
        m_dialog.reset();
        m_dialog = std::make_unique<Dialog>(*m_forms);
    }

    std::unique_ptr<FakeForms> m_forms;
    std::unique_ptr<Dialog> m_dialog;
};

QTEST_MAIN(TestFCheck)
#include "TestFCheck.moc"
