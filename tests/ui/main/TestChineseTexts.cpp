#include "MainFormFixture.h"
#include "common/FileDialog.h"
#include "common/Fonts.h"
#include "common/MessageBox.h"
#include "common/QtTranslation.h"

#include <QAbstractButton>
#include <QAbstractProxyModel>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileSystemModel>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSysInfo>

using namespace parolex;

namespace {

bool holdsHan(const QString &text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.script() == QChar::Script_Han; });
}

} // namespace

/// What Qt draws itself speaks Chinese too, whatever the locale the tests run in.
class TestChineseTexts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        installFonts();
        QVERIFY(installQtTranslation());
    }

    void theFileDialogsAreTheSystemsOrQtsChinese_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("title");
        QTest::newRow("the save dialog of the output file")
            << int(QFileDialog::AcceptSave) << QStringLiteral("另存为");
        QTest::newRow("the open dialog of the Key file")
            << int(QFileDialog::AcceptOpen) << QStringLiteral("打开");
    }

    void theFileDialogsAreTheSystemsOrQtsChinese()
    {
        QFETCH(int, mode);
        QFETCH(QString, title);
        MainFormFixture f;
        const std::unique_ptr<QFileDialog> dialog = FileDialog::create(f.main, QFileDialog::AcceptMode(mode));
        // Windows' own dialog on Windows (offscreen, where there is none, Qt's stands in);
        // Qt's elsewhere, where the desktop's language may differ.
        QCOMPARE(dialog->testOption(QFileDialog::DontUseNativeDialog), QSysInfo::kernelType() != u"winnt");
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        QCOMPARE(dialog->windowTitle(), title);
        for (const char *label : {"lookInLabel", "fileNameLabel", "fileTypeLabel"}) {
            const QString text = dialog->findChild<QLabel *>(QLatin1String(label))->text();
            QVERIFY2(holdsHan(text), qPrintable(text));
        }
        const auto *buttons = dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
        QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("取消"));
        QCOMPARE(dialog->nameFilters(), QStringList{FileDialog::filter()});
    }

    void theFileListSpeaksChineseToo()
    {
        // Qt writes sizes and dates in the system's locale and lacks the kinds of entry in
        // its translation.
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("子文件夹")));
        QFile file(QDir(folder.path()).filePath(QStringLiteral("密码.txt")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(858, 'x'));
        file.close();

        MainFormFixture f;
        const std::unique_ptr<QFileDialog> dialog = FileDialog::create(f.main, QFileDialog::AcceptSave);
        dialog->setDirectory(folder.path());
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        QAbstractProxyModel *list = dialog->proxyModel();
        QVERIFY(list);
        const auto *files = qobject_cast<QFileSystemModel *>(list->sourceModel());
        const QModelIndex root = list->mapFromSource(files->index(folder.path()));
        QTRY_COMPARE(list->rowCount(root), 2);
        QStringList texts;
        for (int row = 0; row < 2; ++row) {
            for (int column = 1; column < list->columnCount(root); ++column)
                texts << list->index(row, column, root).data().toString();
        }
        QVERIFY2(texts.contains(QStringLiteral("文件夹")), qPrintable(texts.join(QLatin1Char('|'))));
        // Units such as KB stay as they are; words such as "bytes", "Folder" or "Dec" do not.
        const QRegularExpression latinWord(QStringLiteral("[A-Za-z]{3,}"));
        for (const QString &text : std::as_const(texts))
            QVERIFY2(!text.contains(latinWord), qPrintable(texts.join(QLatin1Char('|'))));
    }

    void aMessageBoxButtonReadsQueDing()
    {
        const std::unique_ptr<QMessageBox> box =
            MessageBox::create(QStringLiteral("密码已经被写入out.txt中。"));
        QCOMPARE(box->buttons().size(), 1);
        QCOMPARE(box->button(QMessageBox::Ok)->text(), QStringLiteral("确定"));
    }

    void aTextBoxContextMenuIsChinese()
    {
        MainFormFixture f;
        const std::unique_ptr<QMenu> menu(f.control<QLineEdit>("TAL")->createStandardContextMenu());
        QStringList texts;
        for (const QAction *action : menu->actions()) {
            if (!action->isSeparator())
                texts << action->text();
        }
        QVERIFY(texts.size() >= 6);
        for (const QString &text : std::as_const(texts))
            QVERIFY2(holdsHan(text), qPrintable(texts.join(QLatin1Char('|'))));
    }

    void aTranslationBesideTheProgramComesFirst()
    {
        // Where Qt is bundled with the program, its translations are too.
        const QDir beside(QCoreApplication::applicationDirPath());
        const QString folder = beside.filePath(QStringLiteral("translations"));
        if (QFileInfo::exists(folder))
            QSKIP("a translations folder already lies beside the test");
        QCOMPARE(qtTranslationFolder(), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        QVERIFY(beside.mkdir(QStringLiteral("translations")));
        const bool copied = QFile::copy(QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath))
                                            .filePath(QStringLiteral("qtbase_zh_CN.qm")),
                                        QDir(folder).filePath(QStringLiteral("qtbase_zh_CN.qm")));
        const QString found = qtTranslationFolder();
        QDir(folder).removeRecursively();
        QVERIFY(copied);
        QCOMPARE(found, folder);
    }
};

QTEST_MAIN(TestChineseTexts)
#include "TestChineseTexts.moc"
