#pragma once

#include "failure/Failure.h"

#include <QString>

namespace parolex {

struct RunContext;

/// The message for @p failure: the texts of their own for 6, 53, 57, 70 and 75, otherwise
/// the internal-error text with the number in it (" 13").
QString runErrorText(Failure failure);
/// Whether runErrorText(@p failure) is a text of its own rather than the internal-error text.
bool hasOwnRunErrorText(Failure failure);

/// Ends a run that failed: closes every file the run holds open (buffered lines are written
/// out first), shows runErrorText(@p failure) with the information icon and the program's
/// title, and then closes the progress window, so the main window is never left disabled
/// behind a run that has ended.
void ReportRunError(Failure failure, RunContext &run);

} // namespace parolex
