#pragma once

#include "io/TextFileLayer.h"
#include "key/KeyLineReader.h"
#include "random/RandomSource.h"
#include "run/GenerationOptions.h"
#include "run/ResultSink.h"
#include "run/RunStep.h"
#include "run/RunUi.h"
#include "text/OutputFileWriter.h"

#include <memory>

namespace parolex {

/// What one run works with: its options, where its results go, the three seams and the
/// files it holds open.
struct RunContext
{
    const GenerationOptions &options;
    RunUi &ui;
    ResultSink &results;
    RandomSource &random;
    TextFileLayer &files;
    qint64 count = 0;
    std::unique_ptr<OutputFileWriter> output;
    std::unique_ptr<KeyLineReader> keys;

    /// Ends the run with a message of its own: the files are closed first (their buffered
    /// lines written out), then the message, then the progress window closes.
    RunStep reject(const QString &text, const QString &title, MessageIcon icon);
    /// Closes every open file; the first failure is returned.
    Failure closeFiles();
};

} // namespace parolex
