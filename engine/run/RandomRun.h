#pragma once

#include "run/CharacterPool.h"
#include "run/RunContext.h"
#include "store/PasswordBlock.h"

#include <QList>
#include <memory>

namespace parolex {

/// The generation loop of a random run, from the first candidate to the selection of the
/// last password. Candidates are drawn and filtered in batches, then walked in order, so
/// that the list, the progress label and text, the file lines and the event passes follow
/// one another as they would for one password at a time.
class RandomRun
{
public:
    RandomRun(RunContext &run, const CharacterPool &pool, int length);

    /// Throws std::bad_alloc when the passwords do not fit in memory.
    RunStep run();

    /// Candidates drawn, filtered and walked together: small enough that a batch takes
    /// about a millisecond, so the interface is asked for an event pass often enough.
    static constexpr qsizetype batchSize = 8192;

    /// The distinct characters of @p pool in their first order, and for each pool entry its
    /// place among them: a character standing in several entries gets one index, so equal
    /// passwords have equal bytes.
    static CharacterPool alphabetOf(const CharacterPool &pool, QList<quint8> &entryValues);

private:
    /// Hands the rows kept since the last delivery to the result list.
    void deliver();

    RunContext &m_run;
    CharacterPool m_pool;
    int m_length;
    std::shared_ptr<PasswordBlock> m_block;
    SharedPasswordBlock m_sharedBlock;
    qsizetype m_delivered = 0;
};

} // namespace parolex
