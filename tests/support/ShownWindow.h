#pragma once

#include <QApplication>
#include <QWidget>

namespace parolex {

/// The one shown top-level window of type @p Window, or null when there is none or more than
/// one. The program's windows are shown from their loading until their unloading, so this is
/// the loaded one, seen as the user sees it.
template <typename Window> Window *shownWindow()
{
    Window *found = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *window = qobject_cast<Window *>(widget);
        if (!window || !window->isVisible())
            continue;
        if (found)
            return nullptr;
        found = window;
    }
    return found;
}

} // namespace parolex
