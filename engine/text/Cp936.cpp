#include "text/Cp936.h"

#include "text/Cp936Codec.h"

#include <array>
#include <memory>

namespace parolex {

namespace {

int codeOfUnit(char16_t unit)
{
    if (QChar::isSurrogate(unit))
        return '?';
    const std::optional<QByteArray> bytes = cp936codec::encodeExactly(QStringView(&unit, 1));
    if (!bytes)
        return '?';
    if (bytes->size() == 1)
        return quint8((*bytes)[0]);
    if (bytes->size() == 2)
        return qint16(quint16(quint8((*bytes)[0]) << 8 | quint8((*bytes)[1])));
    return '?';
}

} // namespace

bool Cp936::isAvailable()
{
    static const bool available = cp936codec::isAvailable();
    return available;
}

QByteArray Cp936::encode(QStringView text)
{
    return cp936codec::encodeReplacing(text);
}

bool Cp936::canEncode(QStringView text)
{
    return cp936codec::encodeExactly(text).has_value();
}

QString Cp936::decode(QByteArrayView bytes)
{
    return cp936codec::decode(bytes);
}

const qint16 *Cp936::nonAsciiCodes()
{
    static const std::unique_ptr<std::array<qint16, 65536>> codes = [] {
        auto table = std::make_unique<std::array<qint16, 65536>>();
        for (int unit = 0; unit < 65536; ++unit)
            (*table)[unit] = qint16(codeOfUnit(char16_t(unit)));
        return table;
    }();
    return codes->data();
}

} // namespace parolex
