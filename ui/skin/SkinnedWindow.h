#pragma once

#include <QWidget>

namespace parolex {

/// A top-level window without system frame that wears the skin and answers its title bar:
/// pressing the left mouse button on the title pieces or the title label drags it (another
/// button would leave the system's move waiting for a release it never sees), the bar button
/// minimises it, the cross closes it, the question mark asks for help. Unloading a window
/// closes and discards it; its unload step belongs in closeEvent().
class SkinnedWindow : public QWidget
{
    Q_OBJECT

public:
    explicit SkinnedWindow(const QString &titleText, QWidget *parent = nullptr);

    /// Closes and discards the window (its closeEvent runs the unload step).
    void unload();

    /// Places the window centred on @p other, or on its screen when @p other is not shown.
    void centreOver(const QWidget *other);

protected:
    /// What the cross does; unloads the window unless a window says otherwise.
    virtual void titleCloseClicked();
    /// What the question mark does; nothing unless a window says otherwise.
    virtual void titleHelpClicked();

private:
    void connectSkinControls();
};

} // namespace parolex
