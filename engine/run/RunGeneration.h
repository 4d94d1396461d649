#pragma once

// The chief header of the engine: one run of the generator and what it talks to.
#include "io/TextFileLayer.h"
#include "random/RandomSource.h"
#include "run/GenerationOptions.h"
#include "run/ResultSink.h"
#include "run/RunUi.h"

namespace parolex {

/// How a run ended, for front ends that answer with more than what the user was shown
/// (the terminal's exit status).
struct RunOutcome
{
    enum class Kind
    {
        Completed, ///< the ending steps ran
        Silent,    ///< a count of 0: nothing shown, nothing done
        Rejected,  ///< an option check refused the run with its message
        Failed     ///< the error report showed failure number `failure`
    };
    Kind kind = Kind::Completed;
    Failure failure;

    RunOutcome(Kind ended = Kind::Completed, Failure failed = Failure::None) : kind(ended), failure(failed) {}
};

/// The whole run started by the start button: checks, pool, passwords or Key derivation,
/// output file, ending steps. Every failure after the count checks ends in ReportRunError.
/// Not re-entrant: callers make sure only one run is in progress.
RunOutcome RunGeneration(const GenerationOptions &options, RunUi &ui, ResultSink &results,
                         RandomSource &random, TextFileLayer &files);

} // namespace parolex
