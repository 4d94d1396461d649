#pragma once

#include <QList>
#include <QStringView>

namespace parolex {

/// The characters of @p text as code points: a surrogate pair gives one, a lone surrogate
/// stays as it is, so that turning them back into text gives @p text again.
inline QList<char32_t> codePointsOf(QStringView text)
{
    QList<char32_t> points;
    points.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        if (QChar::isHighSurrogate(unit) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            points.append(QChar::surrogateToUcs4(unit, text[i + 1].unicode()));
            ++i;
        } else {
            points.append(unit);
        }
    }
    return points;
}

/// Appends code point @p point to @p text.
inline void appendCodePoint(QString &text, char32_t point)
{
    if (QChar::requiresSurrogates(point)) {
        text.append(QChar(QChar::highSurrogate(point)));
        text.append(QChar(QChar::lowSurrogate(point)));
    } else {
        text.append(QChar(char16_t(point)));
    }
}

/// Whether @p text holds a character beyond U+FFFF (a surrogate pair).
inline bool holdsSurrogatePair(QStringView text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i].isHighSurrogate() && text[i + 1].isLowSurrogate())
            return true;
    }
    return false;
}

/// @p text with each character beyond U+FFFF as one '?': what a code page without such
/// characters (936) makes of one, where the system's converter would make two of its halves.
inline QString withPairsAsQuestionMarks(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = i + 1 < text.size() && text[i].isHighSurrogate() && text[i + 1].isLowSurrogate();
        out.append(pair ? QChar(u'?') : text[i]);
        i += pair ? 1 : 0;
    }
    return out;
}

} // namespace parolex
