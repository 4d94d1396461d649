#include "run/SymbolCharacters.h"

#include "text/CodePoints.h"

#include <QChar>
#include <algorithm>

namespace parolex {

namespace {

bool breaksOrHides(char32_t point)
{
    // A line break splits a password's line in the output file and in the list, and a pasted
    // password ends early; a format character is invisible or turns the text around it
    // (U+202E shows a password reversed), so what the user reads back is not the password.
    if (point < 0x20 || (point >= 0x7f && point <= 0x9f))
        return true;
    if (point == 0x2028 || point == 0x2029)
        return true;
    return QChar::category(point) == QChar::Other_Format;
}

} // namespace

bool hasLineBreakingOrHiddenCharacter(QStringView symbols)
{
    const QList<char32_t> points = codePointsOf(symbols);
    return std::any_of(points.cbegin(), points.cend(), breaksOrHides);
}

} // namespace parolex
