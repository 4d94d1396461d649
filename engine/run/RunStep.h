#pragma once

#include "failure/Failure.h"

namespace parolex {

/// How one stage of a run ended: go on to the next, the run is over (a rejection was
/// shown), or a failure that the error report turns into its message.
struct [[nodiscard]] RunStep
{
    enum class Kind
    {
        Proceed,
        Ended,
        Failed
    };

    Kind kind = Kind::Proceed;
    Failure failure;

    RunStep() = default;
    /// Goes on when nothing failed.
    RunStep(Failure failed) : kind(failed ? Kind::Failed : Kind::Proceed), failure(failed) {}
    RunStep(Failure::Number failed) : RunStep(Failure(failed)) {}

    static RunStep proceed() { return {}; }
    static RunStep ended()
    {
        RunStep step;
        step.kind = Kind::Ended;
        return step;
    }

    bool proceeds() const { return kind == Kind::Proceed; }
};

} // namespace parolex
