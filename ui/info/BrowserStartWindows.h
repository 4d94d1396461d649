#pragma once

#include "info/LinkLauncher.h"

namespace parolex {

/// The Windows start of the browser, with the process it started: its handle (a HANDLE, to
/// be closed by the caller), or null when it could not be started. startBrowserMinimized()
/// closes it at once; a test asks it which program really runs.
void *startBrowserProcess(const BrowserCommand &command);

} // namespace parolex
