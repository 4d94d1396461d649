#include "run/CharacterPool.h"

#include "run/GenerationOptions.h"
#include "text/CodePoints.h"

namespace parolex {

CharacterPool CharacterPool::build(const GenerationOptions &options)
{
    QList<char32_t> entries;
    entries.reserve(94 + options.OwnSymbols.size());
    // Ascending code order: digits (48-57), capitals (65-90), underscore (95), small letters
    // (97-122), and the punctuation between and around them.
    for (char32_t c = 0; c < 128; ++c) {
        const bool wanted = (options.UseDigits && c >= U'0' && c <= U'9') ||
                            (options.UseUpperCase && c >= U'A' && c <= U'Z') ||
                            (options.UseUnderscore && c == U'_') ||
                            (options.UseLetters && c >= U'a' && c <= U'z') ||
                            (options.usePunctuation && isAsciiPunctuation(c));
        if (wanted)
            entries.append(c);
    }
    entries.append(codePointsOf(options.OwnSymbols));
    return CharacterPool(std::move(entries));
}

QString CharacterPool::toString() const
{
    QString text;
    text.reserve(m_entries.size());
    for (char32_t c : m_entries)
        appendCodePoint(text, c);
    return text;
}

bool isAsciiPunctuation(char32_t c)
{
    const bool printable = c > U' ' && c < 0x7f;
    const bool alphanumeric = (c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z');
    return printable && !alphanumeric && c != U'_';
}

qsizetype characterCount(QStringView text)
{
    return codePointsOf(text).size();
}

} // namespace parolex
