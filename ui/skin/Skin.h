#pragma once

#include <QRegion>
#include <QString>

class QWidget;

namespace parolex {

// The skin every window wears: title-bar and border pictures, the title label, a grey
// background and a rounded outline.

/// Creates the twelve skin controls (imgTitleLeft ... imgTitleClose, lblTitle) as children of
/// @p window, stacked so that the title label and buttons lie above the title band and the
/// window's own controls, created afterwards, above all of them.
void createSkinControls(QWidget *window, const QString &titleText);

/// Lays the skin controls out around the window's current size, copies the title label's
/// text into the window title, paints the background grey and rounds the outline.
void ApplySkin(QWidget *window);

/// The window's rounded outline: a rectangle of the window's size whose corners are 24 x 24
/// ellipses.
void ApplyRoundRegion(QWidget *window);
QRegion roundRegion(int width, int height);

/// Qt positions are pixels already, so there is nothing to set; the call marks the last step
/// of the main window's load sequence.
void UsePixelScale(QWidget *window);

/// Hands the window to the window manager's interactive move; without one, the window
/// follows the mouse until the button is released.
void StartWindowDrag(QWidget *window);

/// Puts the window into (or takes it out of) the always-on-top layer without re-creating the
/// native window, keeping its place; a hidden window is shown.
void SetAlwaysOnTop(QWidget *window, bool on);

} // namespace parolex
