#include "MainFormFixture.h"
#include "common/Fonts.h"
#include "common/MessageBox.h"
#include "common/QtTranslation.h"
#include "info/Customize.h"
#include "keycheck/FCheck.h"

#include <QMessageBox>
#include <QPushButton>

using namespace parolex;

namespace {

const QColor faceGrey(224, 224, 224);

/// The colours of a strip down the button's face, clear of its edge and its caption.
QSet<QRgb> faceColours(QWidget *button)
{
    const QImage image = button->grab().toImage();
    QSet<QRgb> colours;
    for (int y = 4; y < image.height() - 4; ++y)
        colours.insert(image.pixel(5, y) & 0xffffff);
    return colours;
}

/// Whether the caption strip at the bottom of a picture button holds ink of @p colour.
bool captionInkOf(QWidget *button, const QColor &colour)
{
    const QImage image = button->grab().toImage();
    for (int y = image.height() - 18; y < image.height() - 2; ++y) {
        for (int x = 2; x < image.width() - 2; ++x) {
            if (QColor(image.pixel(x, y)) == colour)
                return true;
        }
    }
    return false;
}

/// Whether some row or column of @p image holds a run of at least 12 pixels alternating between
/// a dark dot and a light gap, as a dotted focus rectangle draws.
bool hasDottedLine(const QImage &image)
{
    auto dark = [&](int x, int y) { return qGray(image.pixel(x, y)) < 80; };
    auto longestRun = [&](int length, auto at) {
        int best = 0, run = 0;
        for (int i = 1; i < length; ++i) {
            run = at(i) != at(i - 1) ? run + 1 : 0;
            best = std::max(best, run);
        }
        return best;
    };
    for (int y = 0; y < image.height(); ++y) {
        if (longestRun(image.width(), [&](int x) { return dark(x, y); }) >= 12)
            return true;
    }
    for (int x = 0; x < image.width(); ++x) {
        if (longestRun(image.height(), [&](int y) { return dark(x, y); }) >= 12)
            return true;
    }
    return false;
}

QAbstractButton *openButton(MainFormFixture &f, const QString &window, const QString &button,
                            std::unique_ptr<QMessageBox> &box)
{
    if (window == QLatin1String("FCheck")) {
        f.forms->showKeyCheck();
        return shownWindow<FCheck>()->findChild<QPushButton *>(button);
    }
    if (window == QLatin1String("Customize")) {
        f.forms->showCustomize();
        return shownWindow<Customize>()->findChild<QPushButton *>(button);
    }
    if (window == QLatin1String("MainForm"))
        return f.control<QAbstractButton>(button.toLatin1());
    box = MessageBox::create(QStringLiteral("密码已经被写入out.txt中。"));
    box->show();
    if (!QTest::qWaitForWindowExposed(box.get()))
        return nullptr;
    return box->button(QMessageBox::Ok);
}

void addFlatButtonRows()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("button");
    QTest::newRow("确定 of the key check") << QStringLiteral("FCheck") << QStringLiteral("Command1");
    QTest::newRow("离开 of the key check") << QStringLiteral("FCheck") << QStringLiteral("Command2");
    QTest::newRow("OK of the service dialog") << QStringLiteral("Customize") << QStringLiteral("Command1");
    QTest::newRow("确定 of a message box") << QStringLiteral("QMessageBox") << QString();
}

} // namespace

/// The push buttons wear one flat grey face and show the focus as the system's buttons do; the
/// simple-mode caption greys with its window.
class TestFlatButtons : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        installFonts();
        installQtTranslation();
    }

    void pushButtonsHaveAFlatGreyFace_data() { addFlatButtonRows(); }

    void pushButtonsHaveAFlatGreyFace()
    {
        QFETCH(QString, window);
        QFETCH(QString, button);
        MainFormFixture f;
        std::unique_ptr<QMessageBox> box;
        QAbstractButton *pushButton = openButton(f, window, button, box);
        QVERIFY(pushButton);
        // The focus mark has a test of its own.
        pushButton->clearFocus();
        QCOMPARE(faceColours(pushButton), QSet<QRgb>{faceGrey.rgb() & 0xffffff});
        // Pressed, the face sinks but stays flat.
        pushButton->setDown(true);
        QCOMPARE(faceColours(pushButton), QSet<QRgb>{faceGrey.rgb() & 0xffffff});
        pushButton->setDown(false);
    }

    void aFocusedButtonShowsADottedFocusRectangle_data()
    {
        addFlatButtonRows();
        QTest::newRow("开始, a picture button") << QStringLiteral("MainForm") << QStringLiteral("CmdStart");
    }

    void aFocusedButtonShowsADottedFocusRectangle()
    {
        QFETCH(QString, window);
        QFETCH(QString, button);
        MainFormFixture f;
        std::unique_ptr<QMessageBox> box;
        QAbstractButton *pushButton = openButton(f, window, button, box);
        QVERIFY(pushButton);
        QWidget *holder = pushButton->window();
        holder->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(holder));

        pushButton->clearFocus();
        QTRY_VERIFY(!pushButton->hasFocus());
        const QImage unfocused = pushButton->grab().toImage();
        pushButton->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(pushButton->hasFocus());
        const QImage focused = pushButton->grab().toImage();
        QVERIFY(!hasDottedLine(unfocused));
        QVERIFY(hasDottedLine(focused));
    }

    void theSimpleModeCaptionGreysWithItsWindowAndBlinksOnWhenEnabled()
    {
        MainFormFixture f;
        auto *button = f.control<QWidget>("Check1");
        const QColor grey = button->palette().color(QPalette::Disabled, QPalette::ButtonText);
        const QColor black(0, 0, 0), green(0, 255, 0), red(255, 0, 0);
        QVERIFY(captionInkOf(button, black));
        // The progress window disables the main window for the whole of a run.
        f.main->setEnabled(false);
        for (int tick = 1; tick <= 5; ++tick) {
            f.tickTimer1();
            for (const QColor &colour : {black, green, red})
                QVERIFY2(!captionInkOf(button, colour), qPrintable(QString::number(tick)));
            QVERIFY(captionInkOf(button, grey));
        }
        // Enabled again, the caption shows where the blink stands, and it goes on.
        f.main->setEnabled(true);
        QVERIFY(captionInkOf(button, green));
        f.tickTimer1();
        QVERIFY(captionInkOf(button, red));
        for (int tick = 7; tick <= 12; ++tick)
            f.tickTimer1();
        QVERIFY(captionInkOf(button, black));
    }
};

QTEST_MAIN(TestFlatButtons)
#include "TestFlatButtons.moc"
