// A build of the program whose Qt or system cannot convert code page 936. Linked into a test
// before the engine, these definitions take the place of the engine's own conversion file.
#include "text/Cp936Codec.h"

namespace parolex::cp936codec {

bool isAvailable()
{
    return false;
}

std::optional<QByteArray> encodeExactly(QStringView)
{
    return std::nullopt;
}

QByteArray encodeReplacing(QStringView text)
{
    return QByteArray(text.size(), '?');
}

QString decode(QByteArrayView bytes)
{
    return QString(bytes.size(), QChar::ReplacementCharacter);
}

} // namespace parolex::cp936codec
