#pragma once

#include "run/RunGeneration.h"
#include "support/FakeRunUi.h"
#include "support/MemoryTextFileLayer.h"
#include "support/ScriptedRandomSource.h"

namespace parolex::fakes {

/// The fakes of a run's three seams, for a test class to inherit: its test functions use
/// ui, random and files as their own, and its init() starts each function with fresh ones.
class RunHarness
{
protected:
    void resetFakes()
    {
        ui = FakeRunUi();
        random = ScriptedRandomSource();
        files = MemoryTextFileLayer();
    }
    RunOutcome runGeneration(const GenerationOptions &options)
    {
        return RunGeneration(options, ui, ui, random, files);
    }

    FakeRunUi ui;
    ScriptedRandomSource random;
    MemoryTextFileLayer files;
};

} // namespace parolex::fakes
