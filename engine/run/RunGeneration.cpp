#include "run/RunGeneration.h"

#include "run/KeyRuns.h"
#include "run/RandomRun.h"
#include "run/ReportRunError.h"
#include "run/RunChecks.h"
#include "run/RunContext.h"
#include "run/RunTexts.h"
#include "text/Cp936.h"

#include <new>

namespace parolex {

namespace {

/// The count checks; true when the run goes on.
bool countAccepted(const CountReading &reading, RunUi &ui)
{
    switch (reading.verdict) {
    case CountVerdict::Accepted:
        return true;
    case CountVerdict::TooLarge:
        ui.showMessage(texts::countTooLarge(countLimit), QString(), MessageIcon::None);
        break;
    case CountVerdict::Invalid:
        ui.showMessage(texts::countInvalid(), QString(), MessageIcon::None);
        break;
    case CountVerdict::Zero:
        break;
    }
    ui.closeProgress();
    return false;
}

RunStep createOutputFile(RunContext &run)
{
    Result<std::unique_ptr<ByteSink>> created = run.files.createForWriting(run.options.OutputFilePath);
    if (!created)
        return created.failure();
    run.output = std::make_unique<OutputFileWriter>(std::move(*created));
    if (const Failure failure =
            run.output->writeLine(texts::fileHeader(run.options.CountText, run.options.LengthText)))
        return failure;
    // Written out at once, so that a disk that takes no data fails here, before the
    // progress window opens.
    return run.output->flush();
}

RunStep runRandom(RunContext &run)
{
    int length = 0;
    CharacterPool pool;
    const RunStep checked = checkRandomOptions(run, length, pool);
    if (!checked.proceeds())
        return checked;
    RandomRun randomRun(run, pool, length);
    return randomRun.run();
}

/// The steps that end every run that got this far.
RunStep finishRun(RunContext &run)
{
    if (run.output) {
        for (const QString &line : {texts::closingThanks(), texts::closingWeb(), texts::closingContact()}) {
            if (const Failure failure = run.output->writeLine(line))
                return failure;
        }
        if (const Failure failure = run.output->close())
            return failure;
    }
    run.ui.closeProgress();
    if (run.options.FileOutput)
        run.ui.showMessage(texts::written(run.options.OutputFilePath), texts::doneTitle(),
                           MessageIcon::Information);
    run.results.enableResults();
    return RunStep::proceed();
}

/// Everything after the count checks, where every failure ends in the error report.
RunStep runReported(RunContext &run)
{
    if (!Cp936::isAvailable())
        return Failure::CodePageMissing;
    if (run.options.FileOutput) {
        const RunStep created = createOutputFile(run);
        if (!created.proceeds())
            return created;
    }
    run.ui.showProgress();
    RunStep step;
    if (!run.options.FromKey)
        step = runRandom(run);
    else if (run.options.FileOutput)
        step = runKeyFile(run);
    else
        step = runSingleKey(run);
    if (!step.proceeds())
        return step;
    return finishRun(run);
}

} // namespace

RunOutcome RunGeneration(const GenerationOptions &options, RunUi &ui, ResultSink &results,
                         RandomSource &random, TextFileLayer &files)
{
    const CountReading reading = readCount(options.CountText);
    if (!countAccepted(reading, ui))
        return {reading.verdict == CountVerdict::Zero ? RunOutcome::Kind::Silent
                                                      : RunOutcome::Kind::Rejected};

    // Converting a Key file into itself would empty it before its first line is read.
    if (options.FromKey && options.FileOutput &&
        files.sameFile(options.KeyFilePath, options.OutputFilePath)) {
        ui.showMessage(texts::sameKeyAndOutputFile(), texts::doneTitle(), MessageIcon::Information);
        ui.closeProgress();
        return {RunOutcome::Kind::Rejected};
    }

    RunContext run{options, ui, results, random, files, reading.count, nullptr, nullptr};
    RunStep step;
    try {
        step = runReported(run);
    } catch (const std::bad_alloc &) {
        step = Failure::OutOfMemory;
    }
    switch (step.kind) {
    case RunStep::Kind::Failed:
        ReportRunError(step.failure, run);
        return {RunOutcome::Kind::Failed, step.failure};
    case RunStep::Kind::Ended:
        return {RunOutcome::Kind::Rejected};
    case RunStep::Kind::Stopped:
        // What was written stays, as whole lines; only a file that cannot take them is
        // worth a word.
        if (const Failure failure = run.closeFiles()) {
            ReportRunError(failure, run);
            return {RunOutcome::Kind::Failed, failure};
        }
        ui.closeProgress();
        return {RunOutcome::Kind::Stopped};
    case RunStep::Kind::Proceed:
        break;
    }
    return {};
}

} // namespace parolex
