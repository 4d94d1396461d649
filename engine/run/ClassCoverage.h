#pragma once

#include "run/CharacterPool.h"
#include "run/ExactCount.h"

#include <QList>

namespace parolex {

struct GenerationOptions;

/// Which character classes a password must contain with the terminal's --every-class, the
/// test a candidate has to pass, and what that leaves: the number of passwords that qualify
/// and the strength of one of them.
///
/// The classes are letters a-z, capitals A-Z, digits, the underscore, ASCII punctuation
/// and the own symbols, each as far as the options choose it. A class counts only when the
/// pool still holds one of its characters (exclusions may have taken them all). A character
/// may belong to two classes (an own symbol 'a' beside the letters) and then covers both.
///
/// A kept password stays a uniform draw over the passwords that qualify: candidates that
/// miss a class are thrown away whole, so what remains is the plain draw limited to the
/// qualifying ones, with every pool entry weighing the same.
class ClassCoverage
{
public:
    /// The classes of @p options over @p pool (after its restrictions). Without
    /// options.everyClass no class is required and every password qualifies.
    ClassCoverage(const GenerationOptions &options, const CharacterPool &pool);

    /// The distinct characters of the pool in the order of their first entry, the order
    /// RandomRun::alphabetOf() gives them; covers() reads rows of indices into this list.
    const QList<char32_t> &characters() const { return m_characters; }
    int requiredClassCount() const;

    /// Whether the password whose characters are @p row[0, length) contains every required class.
    bool covers(const quint8 *row, int length) const
    {
        quint8 seen = 0;
        for (int i = 0; i < length; ++i)
            seen |= m_classes[row[i]];
        return (seen & m_required) == m_required;
    }

    /// How many different passwords of @p length characters qualify (a character standing
    /// in several entries counts once). Zero when no password can hold every class.
    ExactCount qualifyingPasswords(int length) const;
    /// The Shannon entropy in bits of one kept password of @p length characters: the pool's
    /// entry weights over the passwords that qualify. log2 of qualifyingPasswords() when no
    /// character stands in two entries. 0 when no password qualifies.
    double entropyBits(int length) const;

private:
    enum Class : quint8
    {
        Letters = 1,
        Capitals = 2,
        Digits = 4,
        Underscore = 8,
        OwnSymbols = 16,
        Punctuation = 32
    };

    /// Σ over the sets S of required classes of (−1)^|S| · (Σ weight of the characters
    /// outside every class of S, and in @p only when given)^exponent: inclusion and
    /// exclusion over the classes a password misses.
    ExactCount countAvoiding(int exponent, bool byEntries, qsizetype only = -1) const;

    QList<char32_t> m_characters;
    QList<quint32> m_entries; ///< pool entries per character
    QList<quint8> m_classes;  ///< Class bits per character
    quint8 m_required = 0;
};

} // namespace parolex
