#pragma once

#include "CommandLineTexts.h"

#include <QTranslator>

namespace parolex {

/// The language of every terminal text. The texts are written in Chinese; under a Chinese
/// locale they stay as written (with Qt's parser speaking Chinese too), under any other,
/// C and POSIX included, the English translation embedded in the program is installed.
/// Lives for as long as the program writes anything.
class TerminalLanguage
{
public:
    TerminalLanguage();
    ~TerminalLanguage();
    TerminalLanguage(const TerminalLanguage &) = delete;
    TerminalLanguage &operator=(const TerminalLanguage &) = delete;

    /// Whether the locale asks for Chinese: the first of LC_ALL, LC_MESSAGES and LANG that
    /// is set and not empty begins with "zh"; with none set, the system's language (which
    /// on Windows is the user's, and elsewhere the C locale's) is Chinese.
    static bool localeIsChinese();

private:
    QTranslator *m_installed = nullptr;
    CommandLineTexts m_chineseParser;
    QTranslator m_english;
};

} // namespace parolex
