#pragma once

#include "run/MessageIcon.h"

#include <QString>

namespace parolex {

/// The user-interface operations a run needs besides its results (run/ResultSink.h). The
/// main window provides them for the desktop program, the terminal front end for itself,
/// tests with a recording fake.
class RunUi
{
public:
    virtual ~RunUi() = default;

    /// A modal message with a single OK button. An empty @p title stands for the program's title.
    virtual void showMessage(const QString &text, const QString &title, MessageIcon icon) = 0;

    /// Shows the progress window, loading it (and so running its load steps) when it is not loaded.
    virtual void showProgress() = 0;
    /// Makes the progress label visible. Addresses the progress window, so a window the user
    /// closed during the run is loaded again.
    virtual void showProgressLabel() = 0;
    virtual void setProgressText(const QString &text) = 0;
    /// Unloads the progress window; does nothing when it is not loaded.
    virtual void closeProgress() = 0;

    /// Clears the clipboard, then puts @p text on it.
    virtual void setClipboardText(const QString &text) = 0;

    /// Asked once per password during a random run: whether the interface wants an event
    /// pass now. Must be cheap (a timer check).
    virtual bool eventPassDue() = 0;
    /// Lets the interface handle its pending events.
    virtual void processPendingEvents() = 0;
};

} // namespace parolex
