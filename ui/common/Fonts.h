#pragma once

#include <QFont>

namespace parolex {

/// Maps the families the windows ask for (Arial, 宋体, 黑体) to families that exist on the
/// machine and sets the program's default 9 pt Simplified-Chinese font. Call once after the
/// QApplication exists; tests call it too, so they measure what users see.
void installFonts();

/// Arial at @p points, with its fallbacks.
QFont arialFont(qreal points, bool bold = false);

} // namespace parolex
