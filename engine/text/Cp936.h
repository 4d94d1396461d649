#pragma once

#include <QByteArray>
#include <QString>

namespace parolex {

/// Code page 936, the code page of every text file the program reads or writes (0x80 is the
/// euro sign), and of the codes a Key derivation counts.
class Cp936
{
public:
    /// Whether the code page can be converted here. Without it no run may start: Chinese
    /// would be written as '?' and Keys would derive other passwords than everywhere else.
    static bool isAvailable();
    /// @p text in code page 936; what the code page cannot hold becomes '?'.
    static QByteArray encode(QStringView text);
    /// Whether every character of @p text has a code in code page 936.
    static bool canEncode(QStringView text);
    /// @p bytes as text; bytes that form no character become U+FFFD, a lead byte at the end
    /// too, so that it counts '?' in a Key wherever in the line it stands.
    static QString decode(QByteArrayView bytes);

    /// The code a Key derivation counts for one UTF-16 unit: the byte of a single-byte
    /// character, lead × 256 + trail read as a signed 16-bit number for a double-byte one,
    /// and 63 ('?') for a unit the code page cannot hold (each half of a surrogate pair too).
    static int unitCode(char16_t unit)
    {
        if (unit < 0x80)
            return unit;
        return nonAsciiCodes()[unit];
    }

private:
    /// The codes of all 65,536 units, built once on first need: plain ASCII Keys never pay
    /// for it.
    static const qint16 *nonAsciiCodes();
};

} // namespace parolex
