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

} // namespace

/// The push buttons wear one flat grey face; the simple-mode caption keeps its colour while a
/// run disables the main window.
class TestFlatButtons : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        installFonts();
        installQtTranslation();
    }

    void pushButtonsHaveAFlatGreyFace_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        QTest::newRow("确定 of the key check") << QStringLiteral("FCheck") << QStringLiteral("Command1");
        QTest::newRow("离开 of the key check") << QStringLiteral("FCheck") << QStringLiteral("Command2");
        QTest::newRow("OK of the service dialog")
            << QStringLiteral("Customize") << QStringLiteral("Command1");
        QTest::newRow("确定 of a message box") << QStringLiteral("QMessageBox") << QString();
    }

    void pushButtonsHaveAFlatGreyFace()
    {
        QFETCH(QString, window);
        QFETCH(QString, button);
        MainFormFixture f;
        std::unique_ptr<QMessageBox> box;
        QAbstractButton *pushButton = nullptr;
        if (window == QLatin1String("FCheck")) {
            f.forms->showKeyCheck();
            pushButton = shownWindow<FCheck>()->findChild<QPushButton *>(button);
        } else if (window == QLatin1String("Customize")) {
            f.forms->showCustomize();
            pushButton = shownWindow<Customize>()->findChild<QPushButton *>(button);
        } else {
            box = MessageBox::create(QStringLiteral("密码已经被写入out.txt中。"));
            box->show();
            QVERIFY(QTest::qWaitForWindowExposed(box.get()));
            pushButton = box->button(QMessageBox::Ok);
        }
        QVERIFY(pushButton);
        QCOMPARE(faceColours(pushButton), QSet<QRgb>{faceGrey.rgb() & 0xffffff});
        // Pressed, the face sinks but stays flat.
        pushButton->setDown(true);
        QCOMPARE(faceColours(pushButton), QSet<QRgb>{faceGrey.rgb() & 0xffffff});
        pushButton->setDown(false);
    }

    void theSimpleModeCaptionKeepsItsColourInADisabledWindow()
    {
        MainFormFixture f;
        auto *button = f.control<QWidget>("Check1");
        // The progress window disables the main window for the whole of a run.
        f.main->setEnabled(false);
        const QColor black(0, 0, 0), green(0, 255, 0), red(255, 0, 0);
        const QList<QColor> colours = {black, black, black, black, black, green, red,
                                       black, green, red,   black, black, black};
        for (int tick = 0; tick <= 12; ++tick) {
            if (tick > 0)
                f.tickTimer1();
            QVERIFY2(captionInkOf(button, colours.at(tick)), qPrintable(QString::number(tick)));
        }
    }
};

QTEST_MAIN(TestFlatButtons)
#include "TestFlatButtons.moc"
