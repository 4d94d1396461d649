#pragma once

#include <QList>
#include <QString>

namespace parolex {

struct GenerationOptions;

/// The ordered entries a random run draws from, one character (Unicode code point) each.
/// A character may stand in several entries and is then drawn more often.
class CharacterPool
{
public:
    CharacterPool() = default;
    explicit CharacterPool(QList<char32_t> entries) : m_entries(std::move(entries)) {}

    /// Digits, upper case, underscore, lower case and punctuation in ascending code order
    /// as the options ask, then every own symbol in the order typed, repeats included.
    static CharacterPool build(const GenerationOptions &options);

    qsizetype size() const { return m_entries.size(); }
    char32_t at(qsizetype i) const { return m_entries.at(i); }
    const QList<char32_t> &entries() const { return m_entries; }
    QString toString() const;

    friend bool operator==(const CharacterPool &, const CharacterPool &) = default;

private:
    QList<char32_t> m_entries;
};

/// The 31 printable ASCII characters that are neither letters, digits nor the underscore
/// (which is a class of its own): !"#$%&'()*+,-./:;<=>?@[\]^`{|}~
bool isAsciiPunctuation(char32_t c);

/// Number of characters of @p text as the run counts them (code points, so a character
/// outside the Basic Multilingual Plane counts once).
qsizetype characterCount(QStringView text);

} // namespace parolex
