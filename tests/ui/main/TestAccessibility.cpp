#include "MainFormFixture.h"
#include "common/Fonts.h"
#include "common/MessageBox.h"
#include "common/QtTranslation.h"
#include "info/Customize.h"
#include "info/FAbout.h"
#include "keycheck/FCheck.h"
#include "progress/Waiting.h"

#include <QAccessible>
#include <QAccessibleActionInterface>

using namespace parolex;

using Names = QMap<QString, QString>;

namespace {

// What a person can operate; each of these needs a name a screen reader can say.
const QList<QAccessible::Role> interactiveRoles = {
    QAccessible::Button,   QAccessible::PushButton,   QAccessible::CheckBox, QAccessible::RadioButton,
    QAccessible::ComboBox, QAccessible::EditableText, QAccessible::SpinBox,  QAccessible::Slider,
    QAccessible::Link,     QAccessible::ButtonMenu,
};

bool isInteractive(QAccessibleInterface *node)
{
    if (interactiveRoles.contains(node->role()))
        return true;
    const QAccessibleActionInterface *actions = node->actionInterface();
    return actions && !actions->actionNames().isEmpty();
}

/// What a screen reader calls the control. On Linux Qt gives a combo box's current text as
/// its name and leaves the name to the label it is the buddy of (the "labelled by" relation).
QString nameOf(QAccessibleInterface *node)
{
    if (node->role() != QAccessible::ComboBox)
        return node->text(QAccessible::Name);
    const auto labels = node->relations(QAccessible::Label);
    if (!labels.isEmpty())
        return labels.first().first->text(QAccessible::Name);
    return static_cast<QWidget *>(node->object())->accessibleName();
}

QString describe(QAccessibleInterface *node)
{
    const QObject *object = node->object();
    return QStringLiteral("%1 \"%2\" (role %3)")
        .arg(object ? object->objectName() : QStringLiteral("?"), nameOf(node))
        .arg(int(node->role()));
}

/// Walks the tree below @p node; a combo box's own parts (its list and text field) belong to it.
void collect(QAccessibleInterface *node, QStringList &unnamed, Names &names)
{
    if (node->state().invisible)
        return;
    if (isInteractive(node)) {
        const QString name = nameOf(node);
        if (name.trimmed().isEmpty())
            unnamed << describe(node);
        if (node->object())
            names.insert(node->object()->objectName(), name);
    }
    if (node->role() == QAccessible::ComboBox)
        return;
    for (int i = 0; i < node->childCount(); ++i) {
        if (QAccessibleInterface *child = node->child(i))
            collect(child, unnamed, names);
    }
}

} // namespace

/// Every control a person can operate has a name for screen readers, in every window; the
/// file pictures are buttons the keyboard reaches.
class TestAccessibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        installFonts();
        installQtTranslation();
        MessageBox::setRecording(true);
    }

    void everyInteractiveControlHasAName_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<Names>("someNames");
        const auto titleBar = [](Names names) {
            names.insert(QStringLiteral("imgTitleClose"), QStringLiteral("关闭"));
            names.insert(QStringLiteral("imgTitleMinimize"), QStringLiteral("最小化"));
            names.insert(QStringLiteral("imgTitleHelp"), QStringLiteral("帮助"));
            return names;
        };
        QTest::newRow("the main window")
            << QStringLiteral("MainForm")
            << titleBar({{QStringLiteral("TOutput"), QStringLiteral("输出文件")},
                         {QStringLiteral("Tinput"), QStringLiteral("Key输入")},
                         {QStringLiteral("IOutput"), QStringLiteral("选择输出文件")},
                         {QStringLiteral("Iinput"), QStringLiteral("选择Key文件")},
                         {QStringLiteral("CoCode"), QStringLiteral("被选择的密码将拷贝到剪贴板")},
                         {QStringLiteral("CoNum"), QStringLiteral("生成数量：")},
                         {QStringLiteral("Check1"), QStringLiteral("简单模式")}});
        QTest::newRow("the key check dialog")
            << QStringLiteral("FCheck")
            << titleBar({{QStringLiteral("Text1"), QStringLiteral("Key")},
                         {QStringLiteral("Text2"), QStringLiteral("密码")},
                         {QStringLiteral("Command2"), QStringLiteral("离开")}});
        QTest::newRow("the About dialog") << QStringLiteral("FAbout") << titleBar({});
        QTest::newRow("the service dialog")
            << QStringLiteral("Customize") << titleBar({{QStringLiteral("Command1"), QStringLiteral("OK")}});
        QTest::newRow("the progress window") << QStringLiteral("Waiting") << titleBar({});
    }

    void everyInteractiveControlHasAName()
    {
        QFETCH(QString, window);
        QFETCH(Names, someNames);
        MainFormFixture f;
        // The Key-file row and the batch frame in use, so nothing is left out as disabled.
        f.click("OptT");
        f.click("ChMui");
        QWidget *shown = f.main;
        if (window == QLatin1String("FCheck")) {
            f.forms->showKeyCheck();
            shown = shownWindow<FCheck>();
        } else if (window == QLatin1String("FAbout")) {
            f.forms->showAbout();
            shown = shownWindow<FAbout>();
        } else if (window == QLatin1String("Customize")) {
            f.forms->showCustomize();
            shown = shownWindow<Customize>();
        } else if (window == QLatin1String("Waiting")) {
            shown = &f.forms->progress();
        }
        QVERIFY(QTest::qWaitForWindowExposed(shown));

        QStringList unnamed;
        Names names;
        collect(QAccessible::queryAccessibleInterface(shown), unnamed, names);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
        for (auto it = someNames.cbegin(); it != someNames.cend(); ++it)
            QCOMPARE(names.value(it.key()), it.value());
    }

    void theTitleButtonsCanBePressedByAssistiveTechnology()
    {
        MainFormFixture f;
        f.forms->showAbout();
        QVERIFY(shownWindow<FAbout>());
        QAccessibleInterface *close = QAccessible::queryAccessibleInterface(
            shownWindow<FAbout>()->findChild<QWidget *>(QStringLiteral("imgTitleClose")));
        QCOMPARE(close->role(), QAccessible::Button);
        close->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(!shownWindow<FAbout>());
    }
};

QTEST_MAIN(TestAccessibility)
#include "TestAccessibility.moc"
