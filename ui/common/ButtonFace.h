#pragma once

#include <QColor>

class QAbstractButton;
class QPainter;
class QPalette;
class QRect;
class QWidget;

namespace parolex {

// The one look of the program's buttons: a flat light grey face inside a classic raised
// edge, sunken while pressed, instead of the gradient of the platform style.

/// RGB(224, 224, 224).
QColor buttonFaceGrey();

/// Draws the face and its edge over @p rect with @p palette's button colours.
void drawButtonFace(QPainter &painter, const QRect &rect, const QPalette &palette, bool sunken);

/// The focus mark of a focused button, a dotted rectangle over @p rect of @p widget, for
/// buttons that paint themselves; the flat push buttons draw the same.
void drawFocusFrame(QPainter &painter, const QWidget *widget, const QRect &rect);

/// Gives a push button the grey face in every state and draws it with drawButtonFace(); Enter
/// presses it while it has the focus.
void useFlatFace(QAbstractButton *button);

} // namespace parolex
