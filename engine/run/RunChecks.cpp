#include "run/RunChecks.h"

#include "run/ClassCoverage.h"
#include "run/RunTexts.h"
#include "text/Cp936.h"

#include <algorithm>
#include <cmath>

namespace parolex {

namespace {

constexpr int minLength = 1;

bool readDecimal(const QString &text, double &value)
{
    bool ok = false;
    value = text.trimmed().toDouble(&ok);
    return ok && !std::isnan(value);
}

} // namespace

CountReading readCount(const QString &countText)
{
    double value = 0;
    if (!readDecimal(countText, value))
        return {CountVerdict::Invalid, 0};
    const double count = std::floor(value);
    if (count > double(countLimit))
        return {CountVerdict::TooLarge, 0};
    if (count < 0)
        return {CountVerdict::Invalid, 0};
    if (count == 0)
        return {CountVerdict::Zero, 0};
    return {CountVerdict::Accepted, qint64(count)};
}

RunStep checkRandomOptions(RunContext &run, int &length, CharacterPool &pool)
{
    const GenerationOptions &options = run.options;

    double lengthValue = 0;
    if (!readDecimal(options.LengthText, lengthValue))
        return Failure::TypeMismatch;
    if (lengthValue > options.limits.maxLength || lengthValue < minLength)
        return run.reject(texts::lengthOutOfRange(), texts::warningTitle(), MessageIcon::Warning);
    // A fractional length becomes a whole number the way a conversion to an integer
    // rounds: to the nearest, halves to even.
    length = int(std::nearbyint(lengthValue));

    if (characterCount(options.OwnSymbols) > options.limits.maxOwnSymbols)
        return run.reject(texts::tooManySymbols(), texts::warningTitle(), MessageIcon::Warning);
    // A control character (CR, LF, tab, ...) would break a password's line in the file and
    // in the list, and cannot be pasted; the file would hold '?' where the list shows a
    // character that code page 936 cannot hold.
    const bool breaksTheLine = std::any_of(options.OwnSymbols.cbegin(), options.OwnSymbols.cend(),
                                           [](QChar c) { return c.unicode() < 0x20; });
    if (options.FileOutput && (breaksTheLine || !Cp936::canEncode(options.OwnSymbols)))
        return run.reject(texts::symbolsNotWritable(), texts::warningTitle(), MessageIcon::Warning);
    if (breaksTheLine)
        return run.reject(texts::symbolsBreakTheLine(), texts::warningTitle(), MessageIcon::Warning);

    run.results.clearResults();
    pool = options.restrictions.apply(CharacterPool::build(options));
    if (pool.size() < minPoolSize)
        return run.reject(texts::poolTooSmall(), texts::warningTitle(), MessageIcon::Warning);
    // No candidate could ever pass: the draw would never end.
    if (options.everyClass && ClassCoverage(options, pool).qualifyingPasswords(length).isZero())
        return run.reject(texts::poolTooSmall(), texts::warningTitle(), MessageIcon::Warning);
    return RunStep::proceed();
}

} // namespace parolex
