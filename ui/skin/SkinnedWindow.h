#pragma once

#include <QWidget>

namespace parolex {

/// A top-level window without system frame that wears the skin and answers its title bar:
/// pressing any mouse button on the title pieces or the title label drags it, the bar button
/// minimises it, the cross closes it, the question mark asks for help. Unloading a window
/// closes and discards it; its unload step belongs in closeEvent().
class SkinnedWindow : public QWidget
{
    Q_OBJECT

public:
    explicit SkinnedWindow(const QString &titleText, QWidget *parent = nullptr);

    /// Closes and discards the window (its closeEvent runs the unload step).
    void unload();

protected:
    /// What the cross does; unloads the window unless a window says otherwise.
    virtual void titleCloseClicked();
    /// What the question mark does; nothing unless a window says otherwise.
    virtual void titleHelpClicked();

private:
    void connectSkinControls();
};

} // namespace parolex
