#pragma once

#include "io/OpenFile.h"
#include "run/RunUi.h"

#include <QString>
#include <initializer_list>

namespace parolex {

/// The message for failure number @p number: the texts of their own for 6, 53, 57, 70 and
/// 75, otherwise the internal-error text with the number in it (" 13").
QString runErrorText(int number);

/// Ends a run that failed: closes every file in @p openFiles (null entries are skipped,
/// buffered lines are written out first), shows runErrorText(@p number) with the
/// information icon and the program's title, and then closes the progress window, so the
/// main window is never left disabled behind a run that has ended.
void ReportRunError(int number, RunUi &ui, std::initializer_list<OpenFile *> openFiles = {});

} // namespace parolex
