#pragma once

#include "run/CharacterPool.h"

#include <QString>

namespace parolex {

/// Characters the terminal's generate command leaves out of the pool the checks build.
/// The desktop program never sets them, so its pool is the one CharacterPool::build() gives.
struct PoolRestrictions
{
    QString excluded;          ///< characters left out wherever they stand, own symbols included
    bool noLookalikes = false; ///< leave out lookalikes() as well

    /// The characters easily confused when read or typed: 0 O o, 1 l I |, 5 S, 2 Z, 8 B.
    static QString lookalikes() { return QStringLiteral("0Oo1lI|5S2Z8B"); }

    /// @p pool without the entries of the characters left out; the rest keep their order
    /// (and a repeated own symbol its repeats).
    CharacterPool apply(const CharacterPool &pool) const;
};

} // namespace parolex
