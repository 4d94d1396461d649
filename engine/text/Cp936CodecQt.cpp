#include "text/Cp936Codec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace parolex::cp936codec {

namespace {

constexpr auto codecName = "windows-936";

} // namespace

bool isAvailable()
{
    return QStringEncoder(codecName).isValid();
}

std::optional<QByteArray> encodeExactly(QStringView text)
{
    QStringEncoder encoder(codecName);
    QByteArray bytes = encoder.encode(text);
    if (!encoder.isValid() || encoder.hasError())
        return std::nullopt;
    return bytes;
}

QByteArray encodeReplacing(QStringView text)
{
    QStringEncoder encoder(codecName);
    return encoder.encode(text);
}

QString decode(QByteArrayView bytes)
{
    QStringDecoder decoder(codecName);
    QString text = decoder.decode(bytes);
    // A lead byte at the very end is kept back by the converter, waiting for a trail byte
    // that never comes. It is no character, as a lead byte before any byte that cannot follow
    // it is none: U+FFFD. A CR never follows a lead byte, so it brings the byte out.
    if (QString(decoder.decode(QByteArrayView("\r", 1))).size() > 1)
        text.append(QChar::ReplacementCharacter);
    return text;
}

} // namespace parolex::cp936codec
