#include "run/ClassCoverage.h"

#include "run/GenerationOptions.h"
#include "text/CodePoints.h"

#include <bit>
#include <cmath>

namespace parolex {

ClassCoverage::ClassCoverage(const GenerationOptions &options, const CharacterPool &pool)
{
    const QList<char32_t> own = codePointsOf(options.OwnSymbols);
    quint8 present = 0;
    for (const char32_t c : pool.entries()) {
        const qsizetype index = m_characters.indexOf(c);
        if (index >= 0) {
            ++m_entries[index];
            continue;
        }
        quint8 classes = 0;
        if (options.UseLetters && c >= U'a' && c <= U'z')
            classes |= Letters;
        if (options.UseUpperCase && c >= U'A' && c <= U'Z')
            classes |= Capitals;
        if (options.UseDigits && c >= U'0' && c <= U'9')
            classes |= Digits;
        if (options.UseUnderscore && c == U'_')
            classes |= Underscore;
        if (options.usePunctuation && isAsciiPunctuation(c))
            classes |= Punctuation;
        if (own.contains(c))
            classes |= OwnSymbols;
        m_characters.append(c);
        m_entries.append(1);
        m_classes.append(classes);
        present |= classes;
    }
    m_required = options.everyClass ? present : 0;
}

int ClassCoverage::requiredClassCount() const
{
    return std::popcount(m_required);
}

ExactCount ClassCoverage::countAvoiding(int exponent, bool byEntries, qsizetype only) const
{
    // The sum has terms of both signs; adding the two sides apart keeps every step unsigned.
    ExactCount added;
    ExactCount taken;
    quint8 missed = 0;
    do {
        quint32 weight = 0;
        const bool onlyIsOutside = only < 0 || (m_classes[only] & missed) == 0;
        for (qsizetype i = 0; i < m_characters.size() && onlyIsOutside; ++i) {
            if ((m_classes[i] & missed) == 0)
                weight += byEntries ? m_entries[i] : 1;
        }
        if (onlyIsOutside) {
            const ExactCount term = ExactCount::power(weight, exponent);
            (std::popcount(missed) % 2 == 0 ? added : taken) += term;
        }
        // The next subset of the required classes.
        missed = quint8((missed - m_required) & m_required);
    } while (missed != 0);
    added -= taken;
    return added;
}

ExactCount ClassCoverage::qualifyingPasswords(int length) const
{
    return countAvoiding(length, false);
}

double ClassCoverage::entropyBits(int length) const
{
    // Every sequence of pool entries is equally likely; a password is as likely as the
    // number of qualifying entry sequences that spell it, k(c1) · ... · k(cL). With E those
    // sequences in all, H = log2 E − (1/E) Σ over them of Σ log2 k(ci), and the sum counts
    // each character c at each of the L places: k(c) · (qualifying sequences of the other
    // L − 1 places beside c).
    const ExactCount sequences = countAvoiding(length, true);
    if (sequences.isZero())
        return 0;
    const double total = sequences.toDouble();
    double repeated = 0;
    for (qsizetype i = 0; i < m_characters.size(); ++i) {
        const quint32 k = m_entries[i];
        if (k < 2)
            continue;
        const double beside = countAvoiding(length - 1, true, i).toDouble();
        repeated += double(k) * std::log2(double(k)) * beside / total;
    }
    return std::log2(total) - double(length) * repeated;
}

} // namespace parolex
