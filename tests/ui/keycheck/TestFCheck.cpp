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

class TestFCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        installFonts();
        MessageBox::setRecording(true);
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

        FakeForms forms;
        Dialog dialog(forms);
        dialog.check(key, password);
        QCOMPARE(dialog.sentence(), match ? matchSentence : mismatchSentence);
        QCOMPARE(dialog.matchShown(), match);
        QCOMPARE(dialog.mismatchShown(), !match);
        QVERIFY(MessageBox::takeRecorded().isEmpty());
    }

    void outcomeStaysUntilTheNextCheck()
    {
        FakeForms forms;
        Dialog dialog(forms);
        dialog.check(u"abc"_s, u"3002872313"_s);
        dialog.password()->setText(u"3002872312"_s);
        QCOMPARE(dialog.sentence(), mismatchSentence);
        QVERIFY(dialog.mismatchShown());

        dialog.control<QPushButton>("Command1")->click();
        QCOMPARE(dialog.sentence(), matchSentence);
        QVERIFY(dialog.matchShown() && !dialog.mismatchShown());
    }

    void aKeyTooLongToDeriveLeavesTheLastOutcome()
    {
        FakeForms forms;
        Dialog dialog(forms);
        dialog.check(u"abc"_s, u"3002872312"_s);
        dialog.check(QString(32767, u'a'), u"0"_s);
        QCOMPARE(MessageBox::takeRecorded(),
                 (QList<MessageBox::Shown>{{u"内存溢出，可能是您选择的文件太大了。"_s, u"Morvik Parolex"_s,
                                            MessageIcon::Information}}));
        QCOMPARE(dialog.sentence(), matchSentence);
        QVERIFY(dialog.matchShown() && !dialog.mismatchShown());
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
        FakeForms forms;
        forms.chTop->setChecked(ticked);
        forms.chTopClickRuns = 0;
        QCOMPARE(FakeForms::isOnTop(&forms.main), ticked);

        Dialog dialog(forms);
        QVERIFY(!forms.mainOnTopWhenUnticked);
        QVERIFY(!forms.chTop->isChecked());
        QCOMPARE(forms.chTopClickRuns, ticked ? 1 : 0);
        QVERIFY(!FakeForms::isOnTop(&forms.main));
        QVERIFY(!FakeForms::isOnTop(dialog.window));
        QCOMPARE(dialog.window->windowTitle(), u"Morvik Parolex"_s);
        QVERIFY(dialog.empty());
    }

    void showingAgainKeepsContentsAndLoadingAfreshStartsEmpty()
    {
        FakeForms forms;
        auto dialog = std::make_unique<Dialog>(forms);
        dialog->check(u"abc"_s, u"x"_s);
        forms.chTop->setChecked(true);

        dialog->window->hide();
        dialog->window->show();
        QVERIFY(forms.chTop->isChecked());
        QVERIFY(FakeForms::isOnTop(&forms.main));
        QCOMPARE(dialog->key()->text(), u"abc"_s);
        QCOMPARE(dialog->sentence(), mismatchSentence);

        dialog->control<QPushButton>("Command2")->click();
        QVERIFY(!dialog->window || !dialog->window->isVisible());
        // Closing restores nothing: the main window stays where the load steps put it.
        QVERIFY(forms.chTop->isChecked());

        dialog = std::make_unique<Dialog>(forms);
        QVERIFY(dialog->empty());
        QVERIFY(!forms.chTop->isChecked());
    }

    void keysActOnTheButtons()
    {
        FakeForms forms;
        Dialog dialog(forms);
        dialog.key()->setText(u"abc"_s);
        dialog.password()->setText(u"3002872312"_s);
        QTest::keyClick(dialog.password(), Qt::Key_Return);
        QCOMPARE(dialog.sentence(), matchSentence);

        // Enter on "离开" leaves, as it would with any focused button.
        auto *leave = dialog.control<QPushButton>("Command2");
        leave->setFocus();
        QTest::keyClick(leave, Qt::Key_Enter);
        QVERIFY(!dialog.window->isVisible());

        Dialog second(forms);
        QTest::keyClick(second.key(), Qt::Key_Escape);
        QVERIFY(!second.window->isVisible());
    }

    void tabOrderRunsFromKeyToLeave()
    {
        FakeForms forms;
        Dialog dialog(forms);
        QStringList order;
        QWidget *widget = dialog.key();
        do {
            if (widget->focusPolicy() & Qt::TabFocus)
                order.append(widget->objectName());
            widget = widget->nextInFocusChain();
        } while (widget != dialog.key());
        QCOMPARE(order, (QStringList{u"Text1"_s, u"Text2"_s, u"Command1"_s, u"Command2"_s}));
    }

    void helpAsksForTheAboutDialog()
    {
        FakeForms forms;
        Dialog dialog(forms);
        QTest::mouseClick(dialog.control<QWidget>("imgTitleHelp"), Qt::LeftButton);
        QCOMPARE(forms.aboutRequests, 1);
    }
};

QTEST_MAIN(TestFCheck)
#include "TestFCheck.moc"
