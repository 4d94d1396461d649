#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The conversion of code page 936 itself, one file per way of doing it, chosen by CMake:
// Qt's converter where Qt has ICU (Cp936CodecQt.cpp), the system's on Windows, where Qt is
// built without ICU and cannot name the code page (Cp936CodecWindows.cpp). Both give the
// same bytes for the same text; the rest of the program goes through Cp936.
namespace parolex::cp936codec {

/// Whether this program can convert code page 936 at all.
bool isAvailable();

/// @p text in code page 936, or nothing when a character has no code there (never a
/// best-fit look-alike).
std::optional<QByteArray> encodeExactly(QStringView text);

/// @p text in code page 936 with '?' for each character the code page cannot hold.
QByteArray encodeReplacing(QStringView text);

/// @p bytes read as code page 936; a byte sequence without a character becomes U+FFFD, and
/// so does a lead byte at the very end, which has no trail byte.
QString decode(QByteArrayView bytes);

} // namespace parolex::cp936codec
