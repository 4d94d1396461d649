#include "common/QtTranslation.h"

#include "common/QtTextsFillIn.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace parolex {
namespace {

const QString fileName = QStringLiteral("qtbase_zh_CN.qm");

} // namespace

QString qtTranslationFolder()
{
    const QString folders[] = {
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations")),
        QLibraryInfo::path(QLibraryInfo::TranslationsPath),
    };
    for (const QString &folder : folders) {
        if (QFileInfo(QDir(folder).filePath(fileName)).isFile())
            return folder;
    }
    return {};
}

bool installQtTranslation()
{
    // Dates and sizes in the file dialog follow the default locale, not the translation.
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::China));

    auto *translator = new QTranslator(QCoreApplication::instance());
    const QString folder = qtTranslationFolder();
    if (folder.isEmpty() || !translator->load(fileName, folder)) {
        delete translator;
        return false;
    }
    if (!QCoreApplication::installTranslator(translator))
        return false;
    return QCoreApplication::installTranslator(new QtTextsFillIn(QCoreApplication::instance()));
}

} // namespace parolex
