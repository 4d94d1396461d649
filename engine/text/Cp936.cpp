#include "text/Cp936.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <array>
#include <memory>

namespace parolex {

namespace {

constexpr auto codecName = "windows-936";

int codeOfUnit(char16_t unit)
{
    if (QChar::isSurrogate(unit))
        return '?';
    // A fresh encoder per unit: hasError() stays set once raised, even after resetState().
    QStringEncoder encoder(codecName);
    const QByteArray bytes = encoder.encode(QStringView(&unit, 1));
    if (encoder.hasError())
        return '?';
    if (bytes.size() == 1)
        return quint8(bytes[0]);
    if (bytes.size() == 2)
        return qint16(quint16(quint8(bytes[0]) << 8 | quint8(bytes[1])));
    return '?';
}

bool isAscii(QStringView text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

// Should the code page be missing from the Qt build (no ICU), ASCII still comes out right
// and everything else as '?', rather than texts vanishing.
QByteArray asciiOnly(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        bytes[i] = text[i].unicode() < 0x80 ? char(text[i].unicode()) : '?';
    return bytes;
}

} // namespace

QByteArray Cp936::encode(QStringView text)
{
    QStringEncoder encoder(codecName);
    if (!encoder.isValid())
        return asciiOnly(text);
    return encoder.encode(text);
}

bool Cp936::canEncode(QStringView text)
{
    QStringEncoder encoder(codecName);
    if (!encoder.isValid())
        return isAscii(text);
    const QByteArray bytes = encoder.encode(text);
    return !encoder.hasError();
}

QString Cp936::decode(QByteArrayView bytes)
{
    QStringDecoder decoder(codecName);
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    return decoder.decode(bytes);
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
