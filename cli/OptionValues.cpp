#include "OptionValues.h"

#include "run/CharacterPool.h"
#include "run/RunChecks.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace parolex {

namespace {

struct OptionValues
{
    Q_DECLARE_TR_FUNCTIONS(OptionValues)
};

enum class Reading
{
    Whole,
    NotWhole,
    Huge ///< more digits than any range here can hold
};

/// Blanks around the number are allowed, as the desktop's fields allow them; then an
/// optional sign and the digits 0-9, nothing else.
Reading readWhole(const QString &text, qint64 &value)
{
    const QString trimmed = text.trimmed();
    qsizetype at = 0;
    const bool negative = trimmed.startsWith(u'-');
    if (negative || trimmed.startsWith(u'+'))
        at = 1;
    if (at == trimmed.size())
        return Reading::NotWhole;
    value = 0;
    bool huge = false;
    for (; at < trimmed.size(); ++at) {
        const char16_t c = trimmed.at(at).unicode();
        if (c < u'0' || c > u'9')
            return Reading::NotWhole;
        // Past 10^15 every range here is left behind; the digits still have to be digits.
        if (value < 1'000'000'000'000'000)
            value = value * 10 + (c - u'0');
        else
            huge = true;
    }
    if (negative)
        value = -value;
    return huge ? Reading::Huge : Reading::Whole;
}

std::optional<QString> wholeNumberRefusal(const QString &option, const QString &value, qint64 min, qint64 max,
                                          const QString &meaning)
{
    qint64 number = 0;
    const Reading reading = readWhole(value, number);
    QString problem;
    if (reading == Reading::NotWhole)
        problem = OptionValues::tr("不是整数");
    else if (number > max || (reading == Reading::Huge && number > 0))
        problem = OptionValues::tr("太大");
    else if (number < min)
        problem = OptionValues::tr("太小");
    else
        return std::nullopt;
    return OptionValues::tr("选项 %1 的值“%2”%3，%4应为 %5 至 %6。")
        .arg(option, value, problem, meaning)
        .arg(min)
        .arg(max);
}

} // namespace

std::optional<QString> countRefusal(const QString &value)
{
    return wholeNumberRefusal(u"--count"_s, value, 0, countLimit, OptionValues::tr("密码个数"));
}

std::optional<QString> lengthRefusal(const QString &value, int maxLength)
{
    return wholeNumberRefusal(u"--length"_s, value, 1, maxLength, OptionValues::tr("密码位数"));
}

std::optional<QString> symbolsRefusal(const QString &value, qsizetype maxSymbols)
{
    const qsizetype count = characterCount(value);
    if (count <= maxSymbols)
        return std::nullopt;
    return OptionValues::tr("选项 --symbols 的值“%1”有 %2 个字符，自选字符最多为 %3 个。")
        .arg(value)
        .arg(count)
        .arg(maxSymbols);
}

} // namespace parolex
