#include "run/PoolRestrictions.h"

#include "text/CodePoints.h"

namespace parolex {

CharacterPool PoolRestrictions::apply(const CharacterPool &pool) const
{
    QList<char32_t> leftOut = codePointsOf(excluded);
    if (noLookalikes)
        leftOut.append(codePointsOf(lookalikes()));
    if (leftOut.isEmpty())
        return pool;
    QList<char32_t> kept;
    kept.reserve(pool.size());
    for (const char32_t c : pool.entries()) {
        if (!leftOut.contains(c))
            kept.append(c);
    }
    return CharacterPool(std::move(kept));
}

} // namespace parolex
