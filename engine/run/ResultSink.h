#pragma once

#include "store/PasswordBlock.h"

#include <QStringView>

namespace parolex {

/// Where a run's passwords go besides the output file: the desktop's result list, standard
/// output for the terminal, a recording fake in tests.
class ResultSink
{
public:
    virtual ~ResultSink() = default;

    /// Rows [first, first + count) of @p block join the end of the results. The block is
    /// shared, not copied; the run only ever adds rows after those it handed over.
    virtual void appendResults(const SharedPasswordBlock &block, qsizetype first, qsizetype count) = 0;
    virtual void insertResultAtTop(QStringView password) = 0;

    // Only a list the user picks from has anything to do here; a sink that merely passes
    // the passwords on leaves these be.
    virtual void clearResults() {}
    virtual void selectResult(QStringView password) { Q_UNUSED(password); }
    virtual void enableResults() {}
};

} // namespace parolex
