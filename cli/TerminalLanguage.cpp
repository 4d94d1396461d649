#include "TerminalLanguage.h"

#include <QCoreApplication>
#include <QLocale>

namespace parolex {

bool TerminalLanguage::localeIsChinese()
{
    // POSIX's order: LC_ALL overrides LC_MESSAGES, which overrides LANG; an empty one
    // counts as unset.
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty())
            return value.startsWith(QLatin1String("zh"));
    }
    return QLocale::system().language() == QLocale::Chinese;
}

TerminalLanguage::TerminalLanguage()
{
    if (localeIsChinese()) {
        m_installed = &m_chineseParser;
    } else if (m_english.load(QStringLiteral(":/translations/parolex-cli_en.qm"))) {
        m_installed = &m_english;
    }
    // Without its translation (which the build embeds, so this does not happen) the program
    // still speaks, in the language it is written in.
    if (m_installed)
        QCoreApplication::installTranslator(m_installed);
}

TerminalLanguage::~TerminalLanguage()
{
    if (m_installed)
        QCoreApplication::removeTranslator(m_installed);
}

} // namespace parolex
