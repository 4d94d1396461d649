#include "run/RunChecks.h"

#include "run/ClassCoverage.h"
#include "run/RunTexts.h"
#include "run/SymbolCharacters.h"
#include "text/Cp936.h"

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

namespace {

std::optional<Rejection> warning(const QString &text)
{
    return Rejection{text, texts::warningTitle(), MessageIcon::Warning};
}

std::optional<Rejection> lengthRejection(const GenerationOptions &options, double lengthValue)
{
    if (lengthValue > options.limits.maxLength || lengthValue < minLength)
        return warning(texts::lengthOutOfRange());
    return std::nullopt;
}

/// A fractional length becomes a whole number the way a conversion to an integer rounds:
/// to the nearest, halves to even.
int wholeLength(double lengthValue)
{
    return int(std::nearbyint(lengthValue));
}

std::optional<Rejection> ownSymbolsRejection(const GenerationOptions &options)
{
    if (characterCount(options.OwnSymbols) > options.limits.maxOwnSymbols)
        return warning(texts::tooManySymbols());
    // The file would hold '?' where the list shows a character that code page 936 cannot
    // hold, and a line break would split a password's line there too.
    const bool breaksOrHides = hasLineBreakingOrHiddenCharacter(options.OwnSymbols);
    if (options.FileOutput && (breaksOrHides || !Cp936::canEncode(options.OwnSymbols)))
        return warning(texts::symbolsNotWritable());
    if (breaksOrHides)
        return warning(texts::symbolsBreakTheLine());
    return std::nullopt;
}

std::optional<Rejection> poolRejection(const GenerationOptions &options, const CharacterPool &pool, int length)
{
    if (pool.size() < minPoolSize)
        return warning(texts::poolTooSmall());
    // No candidate could ever pass: the draw would never end.
    if (options.everyClass && ClassCoverage(options, pool).qualifyingPasswords(length).isZero())
        return warning(texts::poolTooSmall());
    return std::nullopt;
}

RunStep rejected(RunContext &run, const Rejection &rejection)
{
    return run.reject(rejection.text, rejection.title, rejection.icon);
}

} // namespace

RunStep checkRandomOptions(RunContext &run, int &length, CharacterPool &pool)
{
    const GenerationOptions &options = run.options;

    double lengthValue = 0;
    if (!readDecimal(options.LengthText, lengthValue))
        return Failure::TypeMismatch;
    if (const std::optional<Rejection> refused = lengthRejection(options, lengthValue))
        return rejected(run, *refused);
    length = wholeLength(lengthValue);

    if (const std::optional<Rejection> refused = ownSymbolsRejection(options))
        return rejected(run, *refused);

    run.results.clearResults();
    pool = options.restrictions.apply(CharacterPool::build(options));
    if (const std::optional<Rejection> refused = poolRejection(options, pool, length))
        return rejected(run, *refused);
    return RunStep::proceed();
}

std::optional<Rejection> randomOptionsRejection(const GenerationOptions &options)
{
    double lengthValue = 0;
    if (!readDecimal(options.LengthText, lengthValue))
        return std::nullopt;
    if (std::optional<Rejection> refused = lengthRejection(options, lengthValue))
        return refused;
    if (std::optional<Rejection> refused = ownSymbolsRejection(options))
        return refused;
    const CharacterPool pool = options.restrictions.apply(CharacterPool::build(options));
    return poolRejection(options, pool, wholeLength(lengthValue));
}

} // namespace parolex
