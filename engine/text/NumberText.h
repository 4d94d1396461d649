#pragma once

#include <QString>

namespace parolex {

/// @p value as text the way the program writes numbers: rounded to 15 significant digits,
/// a point as the decimal mark, no trailing zeros, no separators, a minus sign when
/// negative; from 10^15 in magnitude on, the exponent form "1.23456789012345E+15".
QString plainNumberText(double value);

/// plainNumberText() with the leading blank that numbers shown to the user carry when they
/// are not negative: " 13", " 66.6666666666667".
QString displayNumberText(double value);

/// The progress window's text after @p counter of @p count passwords: the percentage
/// counter ÷ count × 100 (in that order, in double precision) as a display number and "%",
/// for example " 66.6666666666667%" after 1000 of 1500.
QString progressText(qint64 counter, qint64 count);

} // namespace parolex
