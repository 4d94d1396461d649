#include "MainFormFixture.h"
#include "common/Fonts.h"
#include "common/MessageBox.h"

#include <QAbstractButton>

using namespace parolex;

namespace {

struct Place
{
    const char *name;
    QPoint normal;
    QPoint simple;
};

const Place moved[] = {
    {"Frame1", {32, 136}, {32, 56}},     {"Label4", {224, 200}, {224, 60}},
    {"Label3", {232, 264}, {232, 124}},  {"CoCode", {224, 232}, {224, 92}},
    {"CmdStart", {16, 296}, {226, 156}}, {"CmdAbout", {304, 296}, {304, 156}},
    {"Check1", {160, 296}, {380, 156}},  {"lblTitle", {16, 7}, {16, 7}},
};
const char *const folded[] = {"Frame2", "Frame3", "Frame4", "CmdCheck", "ChTop", "CmdExit"};

void verifyLayout(const MainFormFixture &f, bool simple)
{
    for (const Place &place : moved)
        QVERIFY2(f.control<QWidget>(place.name)->pos() == (simple ? place.simple : place.normal), place.name);
    for (const char *name : folded)
        QVERIFY2(f.control<QWidget>(name)->isVisibleTo(f.main) == !simple, name);
    // 5610 and 3610 twips: 374 and 240 2/3 pixels, the nearest whole pixel.
    QCOMPARE(f.main->size(), QSize(459, simple ? 241 : 374));
}

} // namespace

/// The reduced layout: fixed offsets both ways, the height in twips, and the same layout
/// when the settings file asks for it at start.
class TestSimpleMode : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        installFonts();
        MessageBox::setRecording(true);
    }

    void switchingOnAndOffReturnsEverything()
    {
        MainFormFixture f;
        const QPoint place = f.main->pos();
        auto *box = f.control<QAbstractButton>("Check1");
        for (int round = 0; round < 2; ++round) {
            QTest::mouseClick(box, Qt::LeftButton);
            verifyLayout(f, true);
            QTest::mouseClick(box, Qt::LeftButton);
            verifyLayout(f, false);
        }
        QCOMPARE(f.main->pos(), place);
    }

    void startingFromTheSettingsFileGivesTheSameLayout()
    {
        MainFormFixture f(QByteArrayLiteral("#TRUE#\r\n"));
        QVERIFY(f.control<QAbstractButton>("Check1")->isChecked());
        verifyLayout(f, true);
        f.click("Check1");
        verifyLayout(f, false);
    }

    void switchingOnForcesRandomModeWithoutBatchOutput()
    {
        MainFormFixture f;
        f.click("OptT");
        f.click("ChMui");
        f.click("Check2");
        f.click("Check1");

        QVERIFY(f.control<QAbstractButton>("OptN")->isChecked());
        QVERIFY(!f.control<QAbstractButton>("ChMui")->isChecked());
        QVERIFY(f.control<QWidget>("Frame1")->isEnabled());
        QVERIFY(!f.control<QWidget>("Frame3")->isEnabled());
        QVERIFY(!f.control<QWidget>("Frame4")->isEnabled());
        QVERIFY(!f.main->options().FileOutput);
        QVERIFY(!f.keyMode());
        QVERIFY2(f.main->options().FilterDuplicates, "the hidden filter box keeps its effect");

        f.click("Check1");
        QVERIFY(f.control<QWidget>("Frame3")->isVisible());
        QVERIFY(!f.control<QWidget>("Frame3")->isEnabled());
        QVERIFY(!f.control<QWidget>("Frame4")->isEnabled());
        QVERIFY(f.control<QAbstractButton>("OptN")->isChecked());
    }
};

QTEST_MAIN(TestSimpleMode)
#include "TestSimpleMode.moc"
