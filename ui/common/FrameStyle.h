#pragma once

class QGroupBox;

namespace parolex {

/// Gives a frame the system's caption: the frame's top border runs through the middle of its
/// caption, so that controls placed 16 pixels down sit below the border, not on it. The
/// platform styles draw the caption above the border instead.
void useCaptionOnBorder(QGroupBox *frame);

} // namespace parolex
