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
    return decoder.decode(bytes);
}

} // namespace parolex::cp936codec
