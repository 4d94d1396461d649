#include "LocaleText.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <QStringEncoder>

namespace parolex {

// Windows hands a program its arguments as UTF-16 and takes file names the same way, so
// nothing is lost there; standard input and output are in the ANSI code page.

QStringList LocaleText::arguments(int, char **)
{
    return QCoreApplication::arguments();
}

QString LocaleText::decode(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::System, QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

QByteArray LocaleText::encode(QStringView text)
{
    QStringEncoder encoder(QStringEncoder::System);
    return encoder.encode(text);
}

QString LocaleText::encodingName()
{
    return QStringLiteral("ANSI");
}

bool LocaleText::reachesTheSystemAsTyped(const QString &)
{
    return true;
}

} // namespace parolex
