#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace parolex {

/// The terminal's text in the encoding of the user's locale (LC_ALL, LC_CTYPE, LANG): the
/// program's arguments, Keys read as text lines from standard input, and everything the
/// program writes to standard output and standard error. The C and POSIX locales, which
/// name plain ASCII, read and write UTF-8, of which ASCII is a part.
///
/// A byte that is no character in that encoding is kept, as the lone surrogate U+DC00 plus
/// its value: such a unit is never a character of a decoded text, so it tells where the bytes
/// were that the encoding could not read, and writing the text gives back those very bytes.
/// A byte-order mark is a character like any other and stays where it is.
class LocaleText
{
public:
    /// The program's arguments, the path it was started with first.
    static QStringList arguments(int argc, char **argv);

    static QString decode(QByteArrayView bytes);
    /// @p text in the locale's encoding: a kept byte as itself, and '?' for a character the
    /// encoding cannot hold.
    static QByteArray encode(QStringView text);
    /// The name of the locale's encoding, as the system names it ("UTF-8", "GB18030").
    static QString encodingName();

    /// Whether @p text holds bytes that were no character in the locale's encoding.
    static bool hasUndecodableBytes(QStringView text);
    /// @p text for a message that quotes it: each byte that was no character as \xHH.
    static QString visible(QStringView text);

    /// Whether the system, given @p path as a file name, gets exactly the bytes the user
    /// typed. Where it would get others, the name would be another file's.
    static bool reachesTheSystemAsTyped(const QString &path);

    /// The unit that keeps @p byte; the unit's byte, or -1 for any other unit.
    static char16_t keptByte(uchar byte) { return char16_t(keptBase + byte); }
    static int byteKeptIn(char16_t unit) { return unit >= keptBase && unit <= keptBase + 0xff ? unit - keptBase : -1; }

private:
    static constexpr char16_t keptBase = 0xdc00;
};

} // namespace parolex
