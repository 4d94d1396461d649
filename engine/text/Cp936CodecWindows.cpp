#include "text/Cp936Codec.h"

#include "text/CodePoints.h"

#include <algorithm>
#include <windows.h>

namespace parolex::cp936codec {

namespace {

constexpr UINT codePage = 936;

// The system's functions count in int; a longer text is converted a piece at a time.
constexpr qsizetype pieceLength = 1 << 20;

// WC_NO_BEST_FIT_CHARS: a character without a code of its own must come out as '?' and be
// noticed, not as a look-alike (an 'a' for 'à') that would write a different password.
bool encodePiece(QStringView text, QByteArray &out, bool replacing)
{
    if (text.isEmpty())
        return true;
    // Code page 936 holds no character beyond U+FFFF, and the system makes two '?' of the
    // two halves of a pair: a pair is one character, one '?', as everywhere else.
    QString paired;
    if (holdsSurrogatePair(text)) {
        if (!replacing)
            return false;
        paired = withPairsAsQuestionMarks(text);
        text = paired;
    }
    const auto *wide = reinterpret_cast<const wchar_t *>(text.utf16());
    const int length = int(text.size());
    const qsizetype start = out.size();
    // No character takes more than two bytes.
    out.resize(start + 2 * qsizetype(length));
    BOOL usedDefault = FALSE;
    const int written = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide, length, out.data() + start,
                                            2 * length, "?", &usedDefault);
    out.resize(start + std::max(written, 0));
    return written > 0 && (replacing || !usedDefault);
}

bool isLeadByte(char byte)
{
    return IsDBCSLeadByteEx(codePage, BYTE(byte));
}

/// One character of one or two bytes, or U+FFFD when they are no character.
QChar decodeCharacter(const char *bytes, int length)
{
    wchar_t unit = 0;
    if (MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes, length, &unit, 1) == 1)
        return QChar(char16_t(unit));
    return QChar::ReplacementCharacter;
}

/// Character by character, for a text with bytes that form no character: each such lead
/// byte becomes U+FFFD and the byte after it is read on its own. A lead byte at the very
/// end is such a byte too: a Key line that ends in one counts it as it would count it
/// anywhere else in the line.
void decodeCarefully(QByteArrayView bytes, QString &out)
{
    const qsizetype size = bytes.size();
    for (qsizetype at = 0; at < size;) {
        if (!isLeadByte(bytes[at])) {
            out.append(decodeCharacter(bytes.data() + at, 1));
            ++at;
            continue;
        }
        if (at + 1 == size) {
            out.append(QChar::ReplacementCharacter);
            break;
        }
        const QChar character = decodeCharacter(bytes.data() + at, 2);
        out.append(character);
        at += character == QChar::ReplacementCharacter ? 1 : 2;
    }
}

/// Where a piece of at most pieceLength bytes from @p at may end without cutting a
/// character in two.
qsizetype pieceEnd(QByteArrayView bytes, qsizetype at)
{
    const qsizetype limit = std::min(bytes.size(), at + pieceLength);
    qsizetype end = at;
    while (end < limit)
        end += isLeadByte(bytes[end]) ? 2 : 1;
    return std::min(end, bytes.size());
}

/// Where a piece of at most pieceLength characters from @p at may end without cutting a
/// pair of surrogates in two: each half alone would be a character of its own, two '?'
/// for what is one character.
qsizetype textPieceEnd(QStringView text, qsizetype at)
{
    qsizetype end = std::min(text.size(), at + pieceLength);
    if (end < text.size() && text[end - 1].isHighSurrogate() && text[end].isLowSurrogate())
        --end;
    return end;
}

} // namespace

bool isAvailable()
{
    return IsValidCodePage(codePage);
}

std::optional<QByteArray> encodeExactly(QStringView text)
{
    QByteArray bytes;
    for (qsizetype at = 0; at < text.size();) {
        const qsizetype end = textPieceEnd(text, at);
        if (!encodePiece(text.sliced(at, end - at), bytes, false))
            return std::nullopt;
        at = end;
    }
    return bytes;
}

QByteArray encodeReplacing(QStringView text)
{
    QByteArray bytes;
    for (qsizetype at = 0; at < text.size();) {
        const qsizetype end = textPieceEnd(text, at);
        (void)encodePiece(text.sliced(at, end - at), bytes, true);
        at = end;
    }
    return bytes;
}

QString decode(QByteArrayView bytes)
{
    QString text;
    for (qsizetype at = 0; at < bytes.size();) {
        const qsizetype end = pieceEnd(bytes, at);
        const QByteArrayView piece = bytes.sliced(at, end - at);
        const int length = int(piece.size());
        const int units = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, piece.data(), length, nullptr, 0);
        if (units > 0) {
            const qsizetype start = text.size();
            text.resize(start + units);
            MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, piece.data(), length,
                                reinterpret_cast<wchar_t *>(text.data() + start), units);
        } else {
            decodeCarefully(piece, text);
        }
        at = end;
    }
    return text;
}

} // namespace parolex::cp936codec
