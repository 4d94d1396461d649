#pragma once

#include <QString>
#include <QStringView>
#include <functional>

class QWidget;

namespace parolex {

// The link operations of the information dialogs (module MainBAS): a web or mail address
// is handed to the browser; when it cannot be started the user is told to visit by hand.

enum class LinkKind
{
    Web,
    Mail
};

/// One browser start: the command line Windows starts, the browser program it names (given
/// to Windows on its own, so that the unquoted command line is never searched for a program
/// along its blanks: "C:\\program.exe", "C:\\program files\\internet.exe"), and the argument
/// a desktop's own opener takes instead.
struct BrowserCommand
{
    QString commandLine;
    QString program;
    QString argument;
    friend bool operator==(const BrowserCommand &, const BrowserCommand &) = default;
};

/// Composes the browser start from the Windows folder @p windir: its first three characters
/// (padded with blanks), the browser's path below that drive root, then the address, which
/// is neither quoted nor escaped; a mail address becomes a "mailto:" link.
BrowserCommand composeBrowserCommand(QStringView windir, LinkKind kind, QStringView address);

/// Starts the browser minimised without waiting; false when it could not be started.
using BrowserStarter = std::function<bool(const BrowserCommand &)>;

/// Replaces how the browser is started (tests make it fail); an empty starter restores the
/// platform's own. Returns the starter it replaces.
BrowserStarter setBrowserStarter(BrowserStarter starter);

/// The platform's own start, one file per system: the command line itself on Windows
/// (BrowserStartWindows.cpp), the desktop's opener elsewhere (BrowserStartPosix.cpp), where
/// the composed Windows path cannot exist. The opener is watched without waiting for it:
/// when it cannot be run or ends with a failure status (no browser, no mail program),
/// reportBrowserFailure() follows from the event loop.
bool startBrowserMinimized(const BrowserCommand &command);

/// Tells the user that the browser could not be started and the address is to be visited
/// by hand, in a message centred on the window whose link was followed last.
void reportBrowserFailure();

/// @p raisedBy is the window whose link it is; a failure is reported over it.
void OpenWebPage(const QString &address, QWidget *raisedBy = nullptr);
void OpenMailLink(const QString &address, QWidget *raisedBy = nullptr);

} // namespace parolex
