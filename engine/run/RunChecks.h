#pragma once

#include "run/CharacterPool.h"
#include "run/MessageIcon.h"
#include "run/RunContext.h"

#include <QString>
#include <optional>

namespace parolex {

/// The most passwords one run makes: 2^24.
inline constexpr qint64 countLimit = 16777216;
/// The fewest pool entries a random run draws from.
inline constexpr qsizetype minPoolSize = 3;

enum class CountVerdict
{
    Accepted,
    TooLarge,
    Invalid,
    Zero
};

struct CountReading
{
    CountVerdict verdict = CountVerdict::Invalid;
    qint64 count = 0;
};

/// N from the count text: the decimal number rounded down, blanks around it ignored.
/// A text that is no number at all is Invalid, like a negative count.
CountReading readCount(const QString &countText);

/// A check's refusal: the message the run shows for it.
struct Rejection
{
    QString text;
    QString title;
    MessageIcon icon = MessageIcon::Warning;
};

/// The checks of a random run in their order (length, own symbols, the result list
/// cleared, the pool, its size). On success @p length and @p pool hold what the run uses.
RunStep checkRandomOptions(RunContext &run, int &length, CharacterPool &pool);

/// What checkRandomOptions() would refuse for @p options, without a run: the same checks in
/// the same order, for a front end that answers before it touches an output file. A length
/// that is no number is left to the run, which fails with number 13.
std::optional<Rejection> randomOptionsRejection(const GenerationOptions &options);

} // namespace parolex
