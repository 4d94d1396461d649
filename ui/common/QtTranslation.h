#pragma once

#include <QString>

namespace parolex {

/// Where Qt's own Simplified-Chinese texts are found: a translations folder beside the
/// program (where Qt comes bundled with it), else Qt's own translations folder; empty when
/// neither holds them.
QString qtTranslationFolder();

/// Loads Qt's own Simplified-Chinese texts from qtTranslationFolder(), so that what Qt draws
/// itself (the file dialogs, the text boxes' context menu, the message boxes' button) speaks
/// the program's language whatever the system's locale. Call once after the QApplication
/// exists; tests that look at what Qt draws call it too. Returns whether the texts were
/// loaded.
bool installQtTranslation();

} // namespace parolex
