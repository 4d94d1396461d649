#include "LocaleText.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <QStringEncoder>
#include <cwchar>
#include <windows.h>
#include <shellapi.h>

namespace parolex {

// Windows hands a program its arguments as UTF-16 and takes file names the same way, so
// nothing is lost there; standard input and output are in the ANSI code page.

QStringList LocaleText::arguments(int, char **)
{
    // Not QCoreApplication::arguments(): it turns each argument into a QString through
    // QString::fromUtf16, which takes a leading U+FEFF for a byte-order mark and drops it, so
    // the Key "\uFEFFabc" would become "abc". The system's own split keeps every character.
    int count = 0;
    wchar_t **argv = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!argv)
        return QCoreApplication::arguments();
    QStringList arguments;
    arguments.reserve(count);
    for (int i = 0; i < count; ++i)
        arguments.append(QString(reinterpret_cast<const QChar *>(argv[i]), qsizetype(wcslen(argv[i]))));
    LocalFree(argv);
    return arguments;
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
