#pragma once

#include "ExitStatus.h"

#include <QStringList>

namespace parolex {

class ErrorStream;

// The four commands of the terminal front end. Each takes the program's path followed by
// the arguments after the command's name.

/// Random passwords, to standard output or with --output to a file in the desktop's format.
ExitStatus runGenerateCommand(ErrorStream &errors, const QStringList &arguments);
/// A Key file converted into an output file, as the desktop's batch output does.
ExitStatus runConvertCommand(ErrorStream &errors, const QStringList &arguments);
/// The password of each Key argument, or of each line of standard input read as a Key file.
ExitStatus runDeriveCommand(ErrorStream &errors, const QStringList &arguments);
/// Whether a password is the one a Key yields, in the key check dialog's words.
ExitStatus runVerifyCommand(ErrorStream &errors, const QStringList &arguments);

} // namespace parolex
