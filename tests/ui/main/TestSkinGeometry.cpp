#include "MainFormFixture.h"
#include "common/Fonts.h"
#include "common/MessageBox.h"
#include "progress/Waiting.h"
#include "skin/Skin.h"
#include "skin/SkinnedWindow.h"

#include <QAbstractButton>
#include <QLabel>

using namespace parolex;

namespace {

const char *const skinControls[] = {"imgTitleLeft",        "imgTitleMain",         "imgTitleRight",
                                    "imgWindowLeft",       "imgWindowRight",       "imgWindowBottom",
                                    "imgWindowBottomLeft", "imgWindowBottomRight", "imgTitleHelp",
                                    "imgTitleMinimize",    "imgTitleClose",        "lblTitle"};

QRect skinRect(const QWidget *window, const char *name)
{
    const auto *control = window->findChild<QWidget *>(QLatin1String(name), Qt::FindDirectChildrenOnly);
    return control ? control->geometry() : QRect();
}

} // namespace

/// The skin laid out around each size a window of the program has.
class TestSkinGeometry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        installFonts();
        MessageBox::setRecording(true);
    }

    void layoutForEachWindowSize_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QList<QRect>>("pieces");
        // imgTitleRight, imgTitleMain, imgWindowLeft, imgWindowRight, imgWindowBottomLeft,
        // imgWindowBottom, imgWindowBottomRight, imgTitleHelp, imgTitleMinimize, imgTitleClose
        QTest::newRow("key check dialog, 396 x 160")
            << "plain" << QSize(396, 160)
            << QList<QRect>{{377, 0, 19, 30}, {19, 0, 377, 30},   {0, 30, 19, 100},   {377, 30, 19, 100},
                            {0, 130, 19, 30}, {19, 130, 358, 30}, {377, 130, 19, 30}, {340, 8, 13, 13},
                            {357, 8, 13, 13}, {374, 8, 13, 13}};
        QTest::newRow("main window, 459 x 374")
            << "main" << QSize(459, 374)
            << QList<QRect>{{440, 0, 19, 30}, {19, 0, 440, 30},   {0, 30, 19, 314},   {440, 30, 19, 314},
                            {0, 344, 19, 30}, {19, 344, 421, 30}, {440, 344, 19, 30}, {403, 8, 13, 13},
                            {420, 8, 13, 13}, {437, 8, 13, 13}};
        QTest::newRow("main window in simple mode, 459 x 241")
            << "simple" << QSize(459, 241)
            << QList<QRect>{{440, 0, 19, 30}, {19, 0, 440, 30},   {0, 30, 19, 181},   {440, 30, 19, 181},
                            {0, 211, 19, 30}, {19, 211, 421, 30}, {440, 211, 19, 30}, {403, 8, 13, 13},
                            {420, 8, 13, 13}, {437, 8, 13, 13}};
    }

    void layoutForEachWindowSize()
    {
        QFETCH(QString, window);
        QFETCH(QSize, size);
        QFETCH(QList<QRect>, pieces);

        std::unique_ptr<MainFormFixture> fixture;
        std::unique_ptr<SkinnedWindow> plain;
        QWidget *skinned = nullptr;
        if (window == QLatin1String("plain")) {
            plain = std::make_unique<SkinnedWindow>(QStringLiteral("Morvik Parolex"));
            plain->resize(size);
            ApplySkin(plain.get());
            skinned = plain.get();
        } else {
            fixture = std::make_unique<MainFormFixture>(
                window == QLatin1String("simple") ? QByteArrayLiteral("#TRUE#") : QByteArray());
            skinned = fixture->main;
        }
        QCOMPARE(skinned->size(), size);
        const char *names[] = {"imgTitleRight",        "imgTitleMain",        "imgWindowLeft",
                               "imgWindowRight",       "imgWindowBottomLeft", "imgWindowBottom",
                               "imgWindowBottomRight", "imgTitleHelp",        "imgTitleMinimize",
                               "imgTitleClose"};
        for (int i = 0; i < pieces.size(); ++i)
            QVERIFY2(skinRect(skinned, names[i]) == pieces.at(i), names[i]);
        QCOMPARE(skinRect(skinned, "imgTitleLeft"), QRect(0, 0, 19, 30));
        QCOMPARE(skinRect(skinned, "lblTitle").topLeft(), QPoint(16, 7));
        QCOMPARE(skinned->mask(), roundRegion(size.width(), size.height()));
        QCOMPARE(skinned->mask().boundingRect(), QRect(QPoint(0, 0), size));
        QCOMPARE(skinned->windowTitle(), skinned->findChild<QLabel *>(QStringLiteral("lblTitle"))->text());
    }

    void roundOutlineCutsTheCornersAlike()
    {
        const QRegion region = roundRegion(396, 160);
        QCOMPARE(region.boundingRect(), QRect(0, 0, 396, 160));
        // Row 0 meets the corner circle 8.6 pixels in; column 0 is inside from row 9 on.
        for (const QPoint &outside : {QPoint(8, 0), QPoint(0, 8), QPoint(387, 0), QPoint(395, 8),
                                      QPoint(8, 159), QPoint(387, 159), QPoint(0, 151), QPoint(395, 151)})
            QVERIFY2(!region.contains(outside),
                     qPrintable(QStringLiteral("%1,%2").arg(outside.x()).arg(outside.y())));
        for (const QPoint &inside :
             {QPoint(9, 0), QPoint(0, 9), QPoint(386, 0), QPoint(395, 9), QPoint(9, 159), QPoint(386, 159),
              QPoint(0, 150), QPoint(395, 150), QPoint(0, 80)})
            QVERIFY2(region.contains(inside),
                     qPrintable(QStringLiteral("%1,%2").arg(inside.x()).arg(inside.y())));
    }

    void everyWindowHoldsTheTwelveSkinControls()
    {
        MainFormFixture f;
        Waiting *progress = &f.forms->progress();
        for (QWidget *window : std::initializer_list<QWidget *>{f.main, progress})
            for (const char *name : skinControls)
                QVERIFY2(window->findChild<QWidget *>(QLatin1String(name), Qt::FindDirectChildrenOnly), name);
    }
};

QTEST_MAIN(TestSkinGeometry)
#include "TestSkinGeometry.moc"
