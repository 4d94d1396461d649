#include "LocaleText.h"

namespace parolex {

namespace {

/// Where a kept byte stands in @p text, -1 when none. A low surrogate right after a high one
/// is half of a character, never a kept byte.
qsizetype nextKeptByte(QStringView text, qsizetype from)
{
    for (qsizetype i = from; i < text.size(); ++i) {
        if (LocaleText::byteKeptIn(text[i].unicode()) >= 0 && !(i > 0 && text[i - 1].isHighSurrogate()))
            return i;
    }
    return -1;
}

} // namespace

bool LocaleText::hasUndecodableBytes(QStringView text)
{
    return nextKeptByte(text, 0) >= 0;
}

QString LocaleText::visible(QStringView text)
{
    QString shown;
    qsizetype from = 0;
    for (qsizetype at = nextKeptByte(text, 0); at >= 0; at = nextKeptByte(text, from)) {
        shown += text.mid(from, at - from);
        shown += QStringLiteral("\\x") +
                 QString::number(byteKeptIn(text[at].unicode()), 16).rightJustified(2, u'0').toUpper();
        from = at + 1;
    }
    shown += text.mid(from);
    return shown;
}

} // namespace parolex
