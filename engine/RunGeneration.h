#pragma once

// The chief header of the engine: one run of the generator and what it talks to.
#include "GenerationOptions.h"
#include "RandomSource.h"
#include "RunUi.h"
#include "TextFileLayer.h"

namespace parolex {

/// The whole run started by the start button: checks, pool, passwords or Key derivation,
/// output file, ending steps. Every failure after the count checks ends in ReportRunError.
/// Not re-entrant: callers make sure only one run is in progress.
void RunGeneration(const GenerationOptions &options, RunUi &ui, RandomSource &random, TextFileLayer &files);

} // namespace parolex
