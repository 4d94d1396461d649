#pragma once

class QAbstractButton;

namespace parolex {

/// Enter (either key) presses @p button while it has the focus, as Space does, the way a
/// focused push button answers Enter on Windows. A checkable button keeps only its own keys:
/// a check box is ticked with Space, never with Enter.
void pressOnEnter(QAbstractButton *button);

} // namespace parolex
