#include "MainFormFixture.h"
#include "common/Fonts.h"
#include "common/MessageBox.h"
#include "main/PictureButton.h"

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

constexpr int titleBarHeight = 30;

bool isSkin(const QWidget *control)
{
    return control->objectName().startsWith(u"img") || control->objectName() == u"lblTitle";
}

/// The window's own controls directly inside @p parent that the user can see, without the skin.
QList<QWidget *> shownControls(const QWidget *parent)
{
    QList<QWidget *> controls;
    for (QWidget *child : parent->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!isSkin(child) && child->isVisibleTo(parent->window()))
            controls << child;
    }
    return controls;
}

/// The window and the frames it shows.
QList<QWidget *> containers(QWidget *window)
{
    QList<QWidget *> containers{window};
    for (QWidget *control : shownControls(window)) {
        if (qobject_cast<QGroupBox *>(control))
            containers << control;
    }
    return containers;
}

/// Where a control shows what matters: a caption from its left edge, as wide as its text; a
/// box or button inside its one-pixel border, which may touch a neighbour's or lie under it.
QRect shownPart(const QWidget *control)
{
    const auto *label = qobject_cast<const QLabel *>(control);
    const bool caption = (label && !label->wordWrap()) || qobject_cast<const QCheckBox *>(control) ||
                         qobject_cast<const QRadioButton *>(control);
    if (caption)
        return {control->pos(),
                QSize(std::min(control->width(), control->sizeHint().width()), control->height())};
    return control->geometry().adjusted(1, 1, -1, -1);
}

/// How far a pixel of @p image stands out from the frame's grey.
int contrast(const QImage &image, int x, int y)
{
    return std::abs(qGray(image.pixel(x, y)) - 207);
}

} // namespace

/// The main window as its load sequence leaves it: captions and layout, defaults, lists.
class TestMainFormLoad : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        installFonts();
        MessageBox::setRecording(true);
    }

    void everyControlShowsItsCaption_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        const struct
        {
            const char *name;
            const char *caption;
        } controls[] = {
            {"Frame2", "生成方式"},
            {"OptN", "常规"},
            {"OptT", "根据Key生成"},
            {"ChMui", "批量输出(输入Key)到文件"},
            {"Check2", "滤掉重复的密码(速度慢)"},
            {"Frame4", "批量设置"},
            {"Label7", "输出文件："},
            {"TOutput", ""},
            {"Label8", "Key输入："},
            {"Tinput", ""},
            {"Frame3", "输入Key"},
            {"Text1", ""},
            {"Frame1", "密码组成/复杂程度"},
            {"CLetter", "字母"},
            {"CLine", "下划线( _ )"},
            {"CNumber", "数字"},
            {"CChooseBig", "区分大小写"},
            {"Label1", "自选字符："},
            {"TAL", "+-=\\/"},
            {"Label2", "密码长度："},
            {"Label6", "生成数量："},
            {"Label4", "您可以从下面已生成的密码中选择，或者按开始重新生成。"},
            {"Label3", "被选择的密码将拷贝到剪贴板"},
            {"CmdStart", "开始"},
            {"CmdCheck", "校验Key"},
            {"Check1", "简单模式"},
            {"ChTop", "总在最前"},
            {"CmdAbout", "关于软件"},
            {"CmdExit", "软件定制"},
            {"lblTitle", "Morvik Parolex 2.81"},
        };
        for (const auto &control : controls)
            QTest::newRow(control.name)
                << QString::fromLatin1(control.name) << QString::fromUtf8(control.caption);
    }

    void everyControlShowsItsCaption()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        MainFormFixture f({}, false);
        const auto *control = f.main->findChild<QWidget *>(name);
        QVERIFY(control);
        QCOMPARE(::caption(control), caption);
    }

    void everyControlLiesInsideItsFrameAndBelowTheTitleBar_data() { addLayoutRows(); }

    void everyControlLiesInsideItsFrameAndBelowTheTitleBar()
    {
        QFETCH(QByteArray, settings);
        MainFormFixture f(settings, false);
        for (const QWidget *parent : containers(f.main)) {
            for (const QWidget *control : shownControls(parent))
                QVERIFY2(parent->rect().contains(control->geometry()), qPrintable(control->objectName()));
        }
        // The title bar stays free for dragging the window, and its title readable.
        for (const QWidget *control : shownControls(f.main))
            QVERIFY2(control->y() >= titleBarHeight, qPrintable(control->objectName()));
    }

    void frameBordersRunThroughTheirCaptionsAboveEveryControl_data() { addLayoutRows(); }

    void frameBordersRunThroughTheirCaptionsAboveEveryControl()
    {
        QFETCH(QByteArray, settings);
        MainFormFixture f(settings);
        const QList<QWidget *> frames = containers(f.main).mid(1);
        QVERIFY(!frames.isEmpty());
        for (QWidget *frame : frames) {
            const QImage image = frame->grab().toImage();
            // The top border, found in a column clear of the caption.
            int border = -1;
            for (int y = 0; y < 16 && border < 0; ++y) {
                if (contrast(image, frame->width() - 8, y) > 30)
                    border = y;
            }
            // The caption's ink, in columns well inside its text; a disabled caption is pale.
            const auto *box = static_cast<const QGroupBox *>(frame);
            const int textWidth = frame->fontMetrics().horizontalAdvance(box->title());
            int inkTop = -1, inkBottom = -1;
            for (int y = 0; y < 16; ++y) {
                for (int x = 12; x < 8 + textWidth / 2; ++x) {
                    if (contrast(image, x, y) > 12) {
                        inkTop = inkTop < 0 ? y : inkTop;
                        inkBottom = y;
                    }
                }
            }
            const QString where = QStringLiteral("%1: border at %2, caption %3 to %4")
                                      .arg(frame->objectName())
                                      .arg(border)
                                      .arg(inkTop)
                                      .arg(inkBottom);
            QVERIFY2(border >= 0 && inkTop < border && border < inkBottom, qPrintable(where));
            for (const QWidget *control : shownControls(frame))
                QVERIFY2(control->y() > border + 1, qPrintable(where + u' ' + control->objectName()));
        }
    }

    void noControlCoversAnother_data() { addLayoutRows(); }

    void noControlCoversAnother()
    {
        QFETCH(QByteArray, settings);
        MainFormFixture f(settings, false);
        for (const QWidget *parent : containers(f.main)) {
            const QList<QWidget *> controls = shownControls(parent);
            for (qsizetype i = 0; i < controls.size(); ++i) {
                for (qsizetype j = i + 1; j < controls.size(); ++j) {
                    const QString pair =
                        controls.at(i)->objectName() + QStringLiteral(" and ") + controls.at(j)->objectName();
                    QVERIFY2(!shownPart(controls.at(i)).intersects(shownPart(controls.at(j))),
                             qPrintable(pair));
                }
            }
        }
    }

    void captionsFitTheirControls()
    {
        MainFormFixture f({}, false);
        for (const QLabel *label : f.main->findChildren<QLabel *>()) {
            // The hint above the result list takes two lines in its box.
            const bool fits = label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                                : label->sizeHint().width() <= label->width();
            QVERIFY2(fits, qPrintable(label->objectName()));
        }
        const QList<PictureButton *> buttons = f.main->findChildren<PictureButton *>();
        QCOMPARE(buttons.size(), 6);
        for (const PictureButton *button : buttons) {
            // An icon of 51 to 58 pixels a side above a caption that fits the button's width.
            const QSize icon = button->iconSize();
            QVERIFY2(icon.width() == icon.height() && icon.width() >= 51 && icon.width() <= 58,
                     qPrintable(button->objectName()));
            QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) <= button->width(),
                     qPrintable(button->objectName()));
        }
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

    void focusMovesInTabOrder()
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

private:
    /// Both layouts of the window; the simple one as a start from the settings file gives it.
    static void addLayoutRows()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::newRow("the normal layout") << QByteArray();
        QTest::newRow("the simple layout") << QByteArrayLiteral("#TRUE#\r\n");
    }
};

QTEST_MAIN(TestMainFormLoad)
#include "TestMainFormLoad.moc"
