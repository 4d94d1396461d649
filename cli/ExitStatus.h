#pragma once

#include "run/RunGeneration.h"

namespace parolex {

/// What the terminal front end tells the shell.
enum class ExitStatus
{
    Success = 0,  ///< done, also a count of 0 that does nothing
    Mismatch = 1, ///< verify: the password is not the Key's
    Rejected = 2, ///< a check refused the options, or the command line was not understood
    Failed = 3    ///< a failure with a number, reported on standard error
};

inline ExitStatus exitStatusOf(const RunOutcome &outcome)
{
    switch (outcome.kind) {
    case RunOutcome::Kind::Completed:
    case RunOutcome::Kind::Silent:
        return ExitStatus::Success;
    case RunOutcome::Kind::Rejected:
        return ExitStatus::Rejected;
    case RunOutcome::Kind::Failed:
    // The terminal never asks a run to stop; an unfinished file is no success either way.
    case RunOutcome::Kind::Stopped:
        break;
    }
    return ExitStatus::Failed;
}

} // namespace parolex
