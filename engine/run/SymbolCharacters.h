#pragma once

#include <QStringView>

namespace parolex {

/// Whether @p symbols holds a character that has no place in a password: one that breaks
/// its line (the controls below the blank, DEL, the C1 controls, the line and paragraph
/// separators) or that hides or reorders text without being seen (the format characters,
/// such as the zero-width space U+200B or the right-to-left override U+202E).
bool hasLineBreakingOrHiddenCharacter(QStringView symbols);

} // namespace parolex
