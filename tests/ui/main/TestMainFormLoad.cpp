#include "MainFormFixture.h"
#include "common/Fonts.h"
#include "common/MessageBox.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTextDocumentFragment>
#include <QTimer>

using namespace parolex;

namespace {

QString caption(const QWidget *control)
{
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    if (const auto *frame = qobject_cast<const QGroupBox *>(control))
        return frame->title();
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->textFormat() == Qt::RichText
                   ? QTextDocumentFragment::fromHtml(label->text()).toPlainText()
                   : label->text();
    if (const auto *edit = qobject_cast<const QLineEdit *>(control))
        return edit->text();
    return {};
}

} // namespace

/// The main window as its load sequence leaves it: the design, the defaults, the lists.
class TestMainFormLoad : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        installFonts();
        MessageBox::setRecording(true);
    }

    void designPlacesEveryControl_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("caption");
        const struct
        {
            const char *name;
            QRect geometry;
            const char *caption;
        } controls[] = {
            {"Frame2", {32, 40, 177, 89}, "生成方式"},
            {"OptN", {8, 16, 57, 17}, "常规"},
            {"OptT", {64, 16, 89, 17}, "根据Key生成"},
            {"ChMui", {8, 40, 161, 17}, "批量输出(输入Key)到文件"},
            {"Check2", {8, 64, 153, 17}, "滤掉重复的密码(速度慢)"},
            {"Frame4", {224, 40, 193, 81}, "批量设置"},
            {"Label7", {8, 24, 65, 17}, "输出文件："},
            {"TOutput", {72, 24, 97, 18}, ""},
            {"IOutput", {168, 24, 22, 19}, ""},
            {"Label8", {8, 48, 57, 17}, "Key输入："},
            {"Tinput", {72, 48, 97, 18}, ""},
            {"Iinput", {168, 48, 22, 19}, ""},
            {"Frame3", {224, 128, 193, 65}, "输入Key"},
            {"Text1", {16, 24, 161, 22}, ""},
            {"Frame1", {32, 136, 177, 153}, "密码组成/复杂程度"},
            {"CLetter", {16, 24, 97, 17}, "字母"},
            {"CLine", {80, 24, 89, 17}, "下划线( _ )"},
            {"CNumber", {16, 48, 97, 17}, "数字"},
            {"CChooseBig", {80, 48, 81, 17}, "区分大小写"},
            {"Label1", {8, 72, 65, 17}, "自选字符："},
            {"TAL", {72, 72, 89, 18}, "+-=\\/"},
            {"Label2", {8, 96, 73, 17}, "密码长度："},
            {"CoLong", {72, 96, 89, 20}, ""},
            {"Label6", {8, 120, 65, 17}, "生成数量："},
            {"CoNum", {72, 120, 89, 20}, ""},
            {"Label4", {224, 200, 193, 25}, "您可以从下面已生成的密码中选择，或者按开始重新生成。"},
            {"CoCode", {224, 232, 193, 23}, ""},
            {"Label3", {232, 264, 161, 17}, "被选择的密码将拷贝到剪贴板"},
            {"CmdStart", {16, 296, 65, 65}, "开始"},
            {"CmdCheck", {88, 296, 65, 65}, "校验Key"},
            {"Check1", {160, 296, 65, 65}, "简单模式"},
            {"ChTop", {232, 296, 65, 65}, "总在最前"},
            {"CmdAbout", {304, 296, 65, 65}, "关于软件"},
            {"CmdExit", {376, 296, 65, 65}, "软件定制"},
            {"lblTitle", {16, 7, -1, -1}, "Morvik Parolex 2.81"},
        };
        for (const auto &control : controls)
            QTest::newRow(control.name) << QString::fromLatin1(control.name) << control.geometry
                                        << QString::fromUtf8(control.caption);
    }

    void designPlacesEveryControl()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, caption);
        MainFormFixture f({}, false);
        const auto *control = f.main->findChild<QWidget *>(name);
        QVERIFY(control);
        QCOMPARE(control->pos(), geometry.topLeft());
        if (geometry.width() > 0)
            QCOMPARE(control->size(), geometry.size());
        QCOMPARE(::caption(control), caption);
    }

    void loadSetsDefaults()
    {
        MainFormFixture f;
        QCOMPARE(f.main->size(), QSize(459, 374));
        QCOMPARE(f.main->windowTitle(), QStringLiteral("Morvik Parolex 2.81"));
        QCOMPARE(f.main->palette().color(QPalette::Window), QColor(207, 207, 207));

        QVERIFY(f.control<QAbstractButton>("OptN")->isChecked());
        for (const char *ticked : {"CLetter", "CNumber", "CChooseBig", "CLine"})
            QVERIFY2(f.control<QAbstractButton>(ticked)->isChecked(), ticked);
        for (const char *unticked : {"OptT", "ChMui", "Check2", "Check1", "ChTop"})
            QVERIFY2(!f.control<QAbstractButton>(unticked)->isChecked(), unticked);
        QCOMPARE(f.control<QComboBox>("CoLong")->currentText(), QStringLiteral("8"));
        QCOMPARE(f.control<QComboBox>("CoNum")->currentText(), QStringLiteral("10"));

        for (const char *usable :
             {"Frame1", "Frame2", "CLetter", "CChooseBig", "TAL", "CoLong", "CoNum", "CmdStart"})
            QVERIFY2(f.control<QWidget>(usable)->isEnabled(), usable);
        for (const char *unusable :
             {"Frame3", "Frame4", "CoCode", "Tinput", "Iinput", "Label8", "Text1", "TOutput"})
            QVERIFY2(!f.control<QWidget>(unusable)->isEnabled(), unusable);

        QVERIFY(!f.main->options().FilterDuplicates);
        QVERIFY(!f.main->options().FileOutput);
        QVERIFY(!f.keyMode());

        const auto *timer = f.control<QTimer>("Timer1");
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 1000);
        QVERIFY(MessageBox::takeRecorded().isEmpty());

        // The number boxes remember 0, not what they show: any key but a digit brings it back.
        for (const char *name : {"CoLong", "CoNum"}) {
            auto *box = f.control<QComboBox>(name);
            QTest::keyClick(box, Qt::Key_Shift);
            QCOMPARE(box->currentText(), QStringLiteral("0"));
        }
    }

    void listsHoldTheirEntries()
    {
        MainFormFixture f({}, false);
        const auto entries = [](const QComboBox *box) {
            QStringList texts;
            for (int i = 0; i < box->count(); ++i)
                texts << box->itemText(i);
            return texts;
        };
        QStringList lengths;
        for (int n = 2; n <= 25; ++n)
            lengths << QLatin1Char(' ') + QString::number(n);
        QCOMPARE(entries(f.control<QComboBox>("CoLong")), lengths);

        const QStringList counts = entries(f.control<QComboBox>("CoNum"));
        QCOMPARE(counts.size(), 85);
        QCOMPARE(counts.first(), QStringLiteral(" 1"));
        QCOMPARE(counts.at(49), QStringLiteral(" 50"));
        QCOMPARE(counts.at(50), QStringLiteral(" 55"));
        QCOMPARE(counts.at(64), QStringLiteral(" 195"));
        QCOMPARE(counts.at(65), QStringLiteral(" 250"));
        QCOMPARE(counts.at(80), QStringLiteral(" 1000"));
        QCOMPARE(counts.mid(81), (QStringList{QStringLiteral(" 1500"), QStringLiteral(" 2000"),
                                              QStringLiteral(" 20000"), QStringLiteral(" 200000")}));
    }

    void focusMovesInDesignOrder()
    {
        MainFormFixture f({}, false);
        const QStringList order =
            QStringLiteral("CLetter CNumber CLine CChooseBig CoLong CmdStart CoCode TAL ChTop "
                           "OptN OptT Text1 ChMui TOutput Tinput CoNum CmdCheck CmdAbout "
                           "Check1 Check2 CmdExit")
                .split(QLatin1Char(' '));
        QStringList chain;
        QWidget *first = f.control<QWidget>("CLetter");
        QWidget *widget = first;
        do {
            if (order.contains(widget->objectName()) && !chain.contains(widget->objectName()))
                chain << widget->objectName();
            widget = widget->nextInFocusChain();
        } while (widget != first);
        QCOMPARE(chain, order);
        // Each file picture comes right after its box, taking nothing from the order above.
        QCOMPARE(f.control<QWidget>("TOutput")->nextInFocusChain(), f.control<QWidget>("IOutput"));
        QCOMPARE(f.control<QWidget>("Tinput")->nextInFocusChain(), f.control<QWidget>("Iinput"));
    }
};

QTEST_MAIN(TestMainFormLoad)
#include "TestMainFormLoad.moc"
