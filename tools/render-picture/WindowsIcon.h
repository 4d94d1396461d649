#pragma once

class QString;
class QSvgRenderer;

// Writes the picture as a Windows icon file (.ico) that holds it drawn at each size Windows
// asks for (16 px in lists up to 256 px in large tile views), each size rendered from the SVG
// rather than scaled down from the largest, so that thin lines stay sharp.
bool writeWindowsIcon(QSvgRenderer &renderer, const QString &path);
