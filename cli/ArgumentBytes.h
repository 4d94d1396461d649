#pragma once

#include <QString>
#include <optional>

namespace parolex {

// Arguments whose bytes the program cannot use as they were typed: bytes that are no
// character in the locale's encoding, or a file name the system would get in other bytes.
// Such an argument is refused, with the status of a command line not understood, rather
// than becoming another file's name or a run of replacement characters.

/// A file name given on the command line. Nothing when the system gets it as typed, else the
/// refusal, which quotes it.
std::optional<QString> fileNameRefusal(const QString &path);
/// --symbols holding bytes that are no character.
std::optional<QString> undecodableSymbolsRefusal(const QString &symbols);

} // namespace parolex
