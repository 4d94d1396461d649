#include "text/NumberText.h"

#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace parolex {

QString plainNumberText(double value)
{
    if (value == 0 || !std::isfinite(value))
        return value == 0 ? QStringLiteral("0") : QString::number(value);

    // std::to_chars ignores the C locale, which a Qt program sets from the environment.
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, 14);
    const std::string_view text(buffer, size_t(result.ptr - buffer)); // d.dddddddddddddde±XX
    const size_t exponentAt = text.find('e');
    std::string digits;
    digits += text[0];
    digits.append(text.substr(2, exponentAt - 2));
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    // The exponent is "+dd" or "-dd"; from_chars takes no plus sign.
    const char *exponentEnd = text.data() + text.size();
    const char *exponentDigits = text.data() + exponentAt + 2;
    int exponent = 0;
    std::from_chars(exponentDigits, exponentEnd, exponent);
    if (text[exponentAt + 1] == '-')
        exponent = -exponent;

    QString out;
    if (value < 0)
        out += QLatin1Char('-');
    if (exponent >= 15) {
        out += QLatin1Char(digits[0]);
        if (digits.size() > 1) {
            out += QLatin1Char('.');
            out += QLatin1StringView(digits.data() + 1, qsizetype(digits.size() - 1));
        }
        out += QStringLiteral("E+");
        if (exponent < 10)
            out += QLatin1Char('0');
        out += QString::number(exponent);
    } else if (exponent >= 0) {
        const size_t integerDigits = size_t(exponent) + 1;
        if (digits.size() <= integerDigits) {
            out += QLatin1StringView(digits.data(), qsizetype(digits.size()));
            out += QString(qsizetype(integerDigits - digits.size()), QLatin1Char('0'));
        } else {
            out += QLatin1StringView(digits.data(), qsizetype(integerDigits));
            out += QLatin1Char('.');
            out += QLatin1StringView(digits.data() + integerDigits, qsizetype(digits.size() - integerDigits));
        }
    } else {
        out += QStringLiteral("0.");
        out += QString(qsizetype(-exponent - 1), QLatin1Char('0'));
        out += QLatin1StringView(digits.data(), qsizetype(digits.size()));
    }
    return out;
}

QString displayNumberText(double value)
{
    const QString text = plainNumberText(value);
    return value < 0 ? text : QLatin1Char(' ') + text;
}

QString progressText(qint64 counter, qint64 count)
{
    return displayNumberText(double(counter) / double(count) * 100.0) + QLatin1Char('%');
}

} // namespace parolex
