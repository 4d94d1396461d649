#include "LocaleText.h"

#include <QFile>
#include <QSysInfo>

#include <cerrno>
#include <clocale>
#include <cstring>
#include <iconv.h>
#include <langinfo.h>

namespace parolex {

namespace {

constexpr const char *utf16 = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? "UTF-16LE" : "UTF-16BE";
const auto noConversion = iconv_t(-1);

/// The locale's encoding, found once, and the conversions both ways.
struct Conversions
{
    QByteArray name;
    iconv_t toText = noConversion;
    iconv_t toBytes = noConversion;

    Conversions()
    {
        std::setlocale(LC_CTYPE, "");
        name = nl_langinfo(CODESET);
        // The C and POSIX locales name ASCII alone, which says only that nothing was chosen;
        // UTF-8 holds ASCII, and Qt reads this system's file names as UTF-8 there.
        if (name.isEmpty() || name == "ANSI_X3.4-1968" || name == "ASCII" || name == "US-ASCII")
            name = "UTF-8";
        toText = iconv_open(utf16, name.constData());
        toBytes = iconv_open(name.constData(), utf16);
        if (toText == noConversion || toBytes == noConversion) {
            // The system converts every encoding its locales name; should it not, UTF-8 is
            // what the rest of the system assumes.
            name = "UTF-8";
            toText = iconv_open(utf16, "UTF-8");
            toBytes = iconv_open("UTF-8", utf16);
        }
    }
};

Conversions &conversions()
{
    static Conversions conversions;
    return conversions;
}

/// What stands in the output for input the conversion cannot take, and how many input bytes
/// that is.
struct Replacement
{
    QByteArray bytes;
    qsizetype taken = 1;
};

/// All of @p in through @p conversion; where it cannot go on, @p replace says what to write.
template <typename Replace>
QByteArray convertAll(iconv_t conversion, QByteArrayView in, qsizetype expectedSize, Replace replace)
{
    QByteArray out(expectedSize + 16, Qt::Uninitialized);
    qsizetype used = 0;
    iconv(conversion, nullptr, nullptr, nullptr, nullptr);
    auto *inAt = const_cast<char *>(in.data());
    size_t inLeft = size_t(in.size());
    for (;;) {
        char *outAt = out.data() + used;
        size_t outLeft = size_t(out.size() - used);
        const bool ending = inLeft == 0;
        // With no input left, the call writes what returns to the initial shift state.
        const size_t result = ending ? iconv(conversion, nullptr, nullptr, &outAt, &outLeft)
                                     : iconv(conversion, &inAt, &inLeft, &outAt, &outLeft);
        const int error = errno;
        used = outAt - out.data();
        if (result == size_t(-1) && error == E2BIG) {
            out.resize(out.size() * 2);
            continue;
        }
        if (ending)
            break;
        if (result != size_t(-1))
            continue;
        // EILSEQ, or EINVAL for what is cut off at the end.
        const Replacement replacement = replace(QByteArrayView(inAt, qsizetype(inLeft)));
        if (out.size() - used < replacement.bytes.size())
            out.resize(out.size() * 2 + replacement.bytes.size());
        std::memcpy(out.data() + used, replacement.bytes.constData(), size_t(replacement.bytes.size()));
        used += replacement.bytes.size();
        inAt += replacement.taken;
        inLeft -= size_t(replacement.taken);
    }
    out.resize(used);
    return out;
}

template <typename Unit> bool isAscii(const Unit *units, qsizetype size)
{
    for (qsizetype i = 0; i < size; ++i) {
        if (char16_t(units[i]) >= 0x80)
            return false;
    }
    return true;
}

char16_t unitAt(QByteArrayView bytes, qsizetype index)
{
    char16_t unit = 0;
    std::memcpy(&unit, bytes.data() + 2 * index, sizeof unit);
    return unit;
}

} // namespace

QStringList LocaleText::arguments(int argc, char **argv)
{
    QStringList arguments;
    arguments.reserve(argc);
    for (int i = 0; i < argc; ++i)
        arguments.append(decode(QByteArrayView(argv[i])));
    return arguments;
}

QString LocaleText::decode(QByteArrayView bytes)
{
    // Every encoding a locale names holds ASCII as it is: most Keys and arguments need no
    // conversion.
    if (isAscii(reinterpret_cast<const uchar *>(bytes.data()), bytes.size()))
        return QString::fromLatin1(bytes);
    const QByteArray units = convertAll(conversions().toText, bytes, 2 * bytes.size(), [](QByteArrayView rest) {
        const char16_t kept = keptByte(uchar(rest.front()));
        return Replacement{QByteArray(reinterpret_cast<const char *>(&kept), sizeof kept), 1};
    });
    return QString(reinterpret_cast<const QChar *>(units.constData()), units.size() / 2);
}

QByteArray LocaleText::encode(QStringView text)
{
    if (isAscii(text.utf16(), text.size()))
        return QString::fromRawData(text.data(), text.size()).toLatin1();
    const QByteArrayView units(reinterpret_cast<const char *>(text.utf16()), 2 * text.size());
    return convertAll(conversions().toBytes, units, 2 * units.size(), [](QByteArrayView rest) {
        const char16_t unit = unitAt(rest, 0);
        if (const int byte = byteKeptIn(unit); byte >= 0)
            return Replacement{QByteArray(1, char(byte)), 2};
        const bool pair = QChar::isHighSurrogate(unit) && rest.size() >= 4 && QChar::isLowSurrogate(unitAt(rest, 1));
        return Replacement{QByteArray(1, '?'), pair ? 4 : 2};
    });
}

QString LocaleText::encodingName()
{
    return QString::fromLatin1(conversions().name);
}

bool LocaleText::reachesTheSystemAsTyped(const QString &path)
{
    // The file layer names files as Qt does on this system, in UTF-8.
    return QFile::encodeName(path) == encode(path);
}

} // namespace parolex
