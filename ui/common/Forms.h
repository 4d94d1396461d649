#pragma once

class QWidget;

namespace parolex {

class Waiting;

/// The program's windows exist at most once each and reach one another only through here,
/// so no window library depends on another. A window is loaded (constructed, running its
/// load steps) when it is first shown and discarded when it is unloaded.
class Forms
{
public:
    virtual ~Forms() = default;

    virtual QWidget *mainWindow() = 0;
    /// Unticks the main window's always-on-top box; when it was ticked its click handling runs.
    virtual void untickMainAlwaysOnTop() = 0;

    /// Show a dialog modeless and without owner; a loaded one is shown again as it is.
    virtual void showAbout() = 0;
    virtual void showKeyCheck() = 0;
    virtual void showCustomize() = 0;
    /// Unloading a window that is not loaded does nothing.
    virtual void unloadAbout() = 0;
    virtual void unloadKeyCheck() = 0;

    /// The progress window, loaded (with its load steps) when it is not.
    virtual Waiting &progress() = 0;
    virtual void unloadProgress() = 0;
};

} // namespace parolex
