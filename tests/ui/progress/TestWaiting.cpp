#include "AppForms.h"
#include "common/Fonts.h"
#include "common/MessageBox.h"
#include "info/FAbout.h"
#include "main/MainForm.h"
#include "progress/Waiting.h"
#include "support/MemoryTextFileLayer.h"
#include "support/ScriptedRandomSource.h"
#include "support/ShownWindow.h"

#include <QAbstractButton>
#include <QFontMetricsF>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

using namespace parolex;

namespace {

bool onTop(const QWidget *window)
{
    return window->windowHandle() && (window->windowHandle()->flags() & Qt::WindowStaysOnTopHint);
}

QString progressText(const Waiting &waiting)
{
    return waiting.findChild<QLabel *>(QStringLiteral("Label1"))->text();
}

} // namespace

/// The progress window's load and unload steps and what they do to the main window.
class TestWaiting : public QObject
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
        m_forms =
            std::make_unique<AppForms>(MainFormSetup{m_folder.path(), m_folder.path(), &m_random, &m_files});
        m_main = m_forms->mainForm();
        m_main->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_main));
        m_top = m_main->findChild<QAbstractButton *>(QStringLiteral("ChTop"));
    }

    void cleanup() { m_forms.reset(); }

    void loadingDisablesTheMainWindowAndTakesItsPlaceOnTop_data()
    {
        QTest::addColumn<bool>("mainWasOnTop");
        QTest::newRow("main window on top: the box is unticked and the layer left") << true;
        QTest::newRow("main window in the normal layer") << false;
    }

    void loadingDisablesTheMainWindowAndTakesItsPlaceOnTop()
    {
        QFETCH(bool, mainWasOnTop);
        if (mainWasOnTop)
            QTest::mouseClick(m_top, Qt::LeftButton);
        QCOMPARE(onTop(m_main), mainWasOnTop);

        Waiting &waiting = m_forms->progress();
        QCOMPARE(shownWindow<Waiting>(), &waiting);
        QVERIFY(!m_main->isEnabled());
        QVERIFY(!m_top->isChecked());
        QVERIFY(!onTop(m_main));
        QVERIFY(onTop(&waiting));
        QCOMPARE(waiting.size(), QSize(350, 173));
        QCOMPARE(waiting.windowTitle(), QStringLiteral("Morvik Parolex"));
        QCOMPARE(progressText(waiting), QStringLiteral("0%"));
        QCOMPARE(waiting.findChild<QLabel *>(QStringLiteral("Label5"))->text(),
                 QStringLiteral("正在生成，请耐心等待……"));
        QCOMPARE(waiting.mask().boundingRect(), QRect(0, 0, 350, 173));

        m_forms->unloadProgress();
        QVERIFY(!shownWindow<Waiting>());
        QVERIFY(m_main->isEnabled());
        QVERIFY2(!m_top->isChecked() && !onTop(m_main), "nothing else is restored");
    }

    void everyLoadStartsAtZeroPercent()
    {
        Waiting *first = &m_forms->progress();
        first->setProgressText(QStringLiteral(" 50%"));
        QCOMPARE(&m_forms->progress(), first);
        QCOMPARE(progressText(*first), QStringLiteral(" 50%"));
        QTest::mouseClick(first->findChild<QWidget *>(QStringLiteral("imgTitleClose")), Qt::LeftButton);
        QVERIFY(m_main->isEnabled());
        QCOMPARE(progressText(m_forms->progress()), QStringLiteral("0%"));
        QVERIFY(!m_main->isEnabled());
    }

    void progressTextFitsItsLabel_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("fullSize");
        QTest::newRow("a short share keeps the label's 18 points") << " 50%" << true;
        QTest::newRow("a share of fifteen digits gets smaller and shows whole")
            << " 66.6666666666667%" << false;
    }

    void progressTextFitsItsLabel()
    {
        QFETCH(QString, text);
        QFETCH(bool, fullSize);
        Waiting &waiting = m_forms->progress();
        waiting.setProgressText(text);
        const auto *label = waiting.findChild<QLabel *>(QStringLiteral("Label1"));
        QCOMPARE(label->text(), text);
        QCOMPARE(label->font().pointSizeF() == 18, fullSize);
        QVERIFY(QFontMetricsF(label->font()).horizontalAdvance(text) <= label->width());
        waiting.setProgressText(QStringLiteral(" 1%"));
        QCOMPARE(label->font().pointSizeF(), 18);
    }

    void unloadingWhenNotLoadedDoesNothing()
    {
        m_forms->unloadProgress();
        QVERIFY(m_main->isEnabled());
        QVERIFY(!shownWindow<Waiting>());
    }

    void messageAndHelpOpenTheAboutDialog_data()
    {
        QTest::addColumn<QString>("control");
        QTest::newRow("the message text") << "Label5";
        QTest::newRow("the help picture") << "imgTitleHelp";
    }

    void messageAndHelpOpenTheAboutDialog()
    {
        QFETCH(QString, control);
        Waiting &waiting = m_forms->progress();
        QVERIFY(!shownWindow<FAbout>());
        QTest::mouseClick(waiting.findChild<QWidget *>(control), Qt::LeftButton);
        QVERIFY(shownWindow<FAbout>());
        QCOMPARE(shownWindow<Waiting>(), &waiting);
    }

private:
    QTemporaryDir m_folder;
    fakes::ScriptedRandomSource m_random;
    fakes::MemoryTextFileLayer m_files;
    std::unique_ptr<AppForms> m_forms;
    MainForm *m_main = nullptr;
    QAbstractButton *m_top = nullptr;
};

QTEST_MAIN(TestWaiting)
#include "TestWaiting.moc"
